#include "skin/windows/TlxSkinMainMenuBarButton.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/vcl/TCustomForm.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/engine/DataSkinObjects.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinGlyphs.h"
#include "skin/engine/SkinRects.h"
#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinMainMenuBar.h"
#include "skin/windows/TlxSkinMenu.h"

namespace {

void FramedFill(TCanvas* C, const TRect& R, TColor Fill) {
    C->Pen()->SetStyle(TPenStyle::psSolid);
    C->Pen()->SetWidth(1);
    C->Pen()->SetColor(clNavy);
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Fill);
    C->Rectangle(R);
}

} // namespace

TlxSkinMainMenuBarButton::TlxSkinMainMenuBarButton(TlxSkinMainMenuBar* AParent,
                                                   TlxDataSkinMainMenuBarButton* AData,
                                                   TlxStdCommand ACommand)
    : TlxMenuBarObject(AParent, AData), Command(ACommand) {
    if (!AData) return;
    FSkinSupport = true;
    Command = AData->Command;
    DownRect = AData->DownRect;
}

void TlxSkinMainMenuBarButton::Draw(TCanvas* Cnvs) {
    if (ObjectRect.IsEmpty()) return;
    if (!FSkinSupport || !Picture) {
        DefaultDraw(Cnvs);
        return;
    }
    const bool pressed = FDown && Active;
    TRect source = SkinRect;
    if (pressed && !IsNullRect(DownRect)) {
        source = DownRect;
    } else if (EnableMorphing() && (Active ? FMorphKf < 1 : FMorphKf > 0)) {
        const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
        TBitmap from(w, h), to(w, h);
        CopyPicturePart(*from.Canvas(), {0, 0, w, h}, Picture, SkinRect);
        CopyPicturePart(*to.Canvas(), {0, 0, w, h}, Picture, ActiveSkinRect);
        DrawMorph(Cnvs, from, to);
        return;
    } else if (Active && !IsNullRect(ActiveSkinRect)) {
        source = ActiveSkinRect;
    }
    CopyPicturePart(*Cnvs, ObjectRect, Picture, source);
}

void TlxSkinMainMenuBarButton::DefaultDraw(TCanvas* Cnvs) {
    const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
    TBitmap b(w, h);
    TCanvas* c = b.Canvas();
    const bool pressed = FDown && Active;
    if (pressed)
        FramedFill(c, {0, 0, w, h}, RGB(133, 146, 181));
    else if (Active)
        FramedFill(c, {0, 0, w, h}, RGB(182, 189, 210));
    else
        b.Fill(ColorToPixel(clBtnFace));
    const TColor colour = Enabled ? clBtnText : clBtnShadow;
    const int x = pressed ? w / 2 - 4 : w / 2 - 5;
    const int y = pressed ? h / 2 - 3 : h / 2 - 4;
    switch (Command) {
    case cmClose:
        DrawCloseImage(c, x, y, colour);
        break;
    case cmMaximize:
        DrawRestoreImage(c, x, y, colour);
        break;
    case cmMinimize:
        DrawMinimizeImage(c, x, y, colour);
        break;
    case cmSysMenu:
        DrawSysMenuImage(c, x, y, colour);
        break;
    default:
        break;
    }
    Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &b);
}

void TlxSkinMainMenuBarButton::MouseDown(int, int, TMouseButton Button) {
    if (!Enabled || Button != TMouseButton::mbLeft || FDown) return;
    FDown = true;
    if (EnableMorphing() && !IsNullRect(DownRect)) FMorphKf = 1;
    Parent->DrawItem(this);
    if (Command == cmSysMenu) ButtonClick();
}

void TlxSkinMainMenuBarButton::MouseUp(int, int, TMouseButton Button) {
    if (!Enabled || Button != TMouseButton::mbLeft || Command == cmSysMenu || !FDown) return;
    FDown = false;
    Parent->DrawItem(this);
    if (EnableMorphing()) ReDraw();
    if (Active) ButtonClick();
}

void TlxSkinMainMenuBarButton::DblClick() {
    if (Command != cmSysMenu || !Parent->MDIChildMax()) return;
    TlxLumivex* k = Parent->Lumivex();
    TlxLumivex* child = Parent->MaximizedChildComponent();
    if (!k || !child) return;
    TComponent::TKeepAlive alive(Parent);
    if (k->SkinMenu->Visible()) k->SkinMenu->Hide();
    k->SkinMenuClose();
    if (Parent->FreePending()) return;
    child->Form()->Close();
}

void TlxSkinMainMenuBarButton::MouseEnter() {
    if (FDown && Command == cmSysMenu) {
        FMouseIn = Active = true;
        return;
    }
    if (FDown && EnableMorphing()) {
        FMouseIn = Active = true;
        Parent->DrawItem(this);
        return;
    }
    TlxMenuBarObject::MouseEnter();
}

void TlxSkinMainMenuBarButton::MouseLeave() {
    if (FDown && Command == cmSysMenu) {
        FMouseIn = Active = false;
        if (EnableMorphing()) FMorphKf = 1;
        return;
    }
    if (FDown && EnableMorphing()) {
        FMouseIn = Active = false;
        Parent->DrawItem(this);
        return;
    }
    TlxMenuBarObject::MouseLeave();
}

void TlxSkinMainMenuBarButton::ButtonClick() {
    TlxLumivex* child = Parent->MaximizedChildComponent();
    if (!child) return;
    switch (Command) {
    case cmClose:
        child->Form()->Close();
        break;
    case cmMaximize:
        child->SetWindowState(wsNormal);
        break;
    case cmMinimize:
        child->SetWindowState(wsMinimized);
        break;
    case cmSysMenu: {
        TlxLumivex* k = Parent->Lumivex();
        if (!k) return;
        Parent->Repaint();
        const TPoint origin = Parent->ClientToScreen({0, 0});
        TRect r = ObjectRect;
        OffsetRect(r, origin.X, origin.Y);
        TMenuItem* items = child->GetSystemMenuItems();
        if (!items) return;
        k->SkinMenuOpen();
        TlxSkinData* skin = k->MenusSkinData() ? k->MenusSkinData() : k->SkinData();
        k->SkinMenu->Popup(Parent, skin, 0, r, items, Parent->PopupToUp());
        break;
    }
    default:
        break;
    }
}
