#include "skin/windows/SkinObjectSupport.h"

#include "platform/vcl/TCustomForm.h"
#include "platform/vcl/TMenu.h"
#include "platform/vcl/TScreen.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConst.h"
#include "skin/controls/TlxSkinPopupMenu.h"
#include "skin/windows/TlxLumivex.h"

TRect ObjectScreenRect(const TlxLumivex* Parent, const TRect& R) {
    TCustomForm* form = Parent->Form();
    TPoint origin{form->Left(), form->Top()};
    if (form->FormStyle() == fsMDIChild) {
        // The window origin taken as a client point of the child.
        const TPoint window = Parent->FSkinSupport ? TPoint{-Parent->NewClRect.Left, -Parent->NewClRect.Top}
                                                   : TPoint{-3, -Parent->GetDefCaptionHeight() - 3};
        origin = form->ClientToScreen(window);
    }
    TRect out = R;
    OffsetRect(out, origin.X, origin.Y);
    return out;
}

void RepaintFrame(const TlxLumivex* Parent) {
    TCustomForm* form = Parent->Form();
    if (form->HandleAllocated()) SendMessage(form->Handle(), WM_NCPAINT, 0, 0);
}

namespace {

bool IsMaximizedMDIChild(TCustomForm* Form) {
    if (!Form || Form->FormStyle() != fsMDIChild) return false;
    const TlxLumivex* lvx = FindFormSkinComponent(Form);
    return lvx && lvx->WindowState() == wsMaximized;
}

} // namespace

TCustomForm* FindMaximizedMDIChild(const TCustomForm* Form) {
    if (!Form || Form->FormStyle() != fsMDIForm) return nullptr;
    if (IsMaximizedMDIChild(Form->ActiveMDIChild())) return Form->ActiveMDIChild();
    for (int i = 0; i < Form->MDIChildCount(); ++i)
        if (IsMaximizedMDIChild(Form->MDIChildren(i))) return Form->MDIChildren(i);
    return nullptr;
}

std::string CaptionText(const TlxLumivex* Parent) {
    std::string text = Parent->Form()->Caption();
    if (const TCustomForm* child = FindMaximizedMDIChild(Parent->Form()))
        text += " - [" + child->Caption() + "]";
    return text;
}

bool StdCommandInRestoreState(const TlxLumivex* Parent, TlxStdCommand Command) {
    switch (Command) {
    case cmMaximize:
        return Parent->WindowState() == wsMaximized;
    case cmMinimize:
        return Parent->WindowState() == wsMinimized;
    case cmRollUp:
        return Parent->RollUpState();
    default:
        return false;
    }
}

void DoStdCommand(TlxLumivex* Parent, TlxStdCommand Command) {
    switch (Command) {
    case cmClose:
        // The button loses its hover and its hint before the form goes.
        Parent->TestActive(-1, -1, false);
        Parent->Form()->Close();
        break;
    case cmMaximize:
        Parent->TestActive(-1, -1, false);
        Parent->SetWindowState(Parent->WindowState() == wsMaximized ? wsNormal : wsMaximized);
        break;
    case cmMinimize:
        Parent->TestActive(-1, -1, false);
        if (Parent->AlwaysMinimizeToTray())
            Parent->MinimizeToTray();
        else
            Parent->SetWindowState(Parent->WindowState() == wsMinimized ? wsNormal : wsMinimized);
        break;
    case cmRollUp:
        Parent->SetRollUpState(!Parent->RollUpState());
        break;
    case cmMinimizeToTray:
        Parent->TestActive(-1, -1, false);
        Parent->MinimizeToTray();
        break;
    case cmSysMenu:
    case cmDefault:
        break;
    }
}

bool CanPopupObjectMenu(TMenuItem* Item) {
    return HasVisibleMenuItems(Item, nullptr, 0);
}

void PopupObjectMenu(TlxLumivex* Parent, TMenuItem* Item, const TRect& ScreenRect, bool PopupUp) {
    if (!CanPopupObjectMenu(Item)) return;
    // A skinned popup menu opens itself, through the skinning it finds.
    if (auto* menu = dynamic_cast<TlxSkinPopupMenu*>(Item->GetParentMenu())) {
        menu->PopupFromRect(ScreenRect, PopupUp);
        return;
    }
    Parent->PopupMenuItems(Item, ScreenRect, PopupUp, Parent->SkinDataForMenus());
}
