#include "skin/windows/TlxSkinMenuItem.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/vcl/TImageList.h"
#include "platform/vcl/TMenu.h"
#include "platform/vcl/TTimer.h"
#include "skin/engine/DataSkinObjects.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinRects.h"
#include "skin/windows/TlxSkinMenu.h"
#include "skin/windows/TlxSkinPopupWindow.h"

#include <algorithm>
#include <cmath>

std::string MenuHeaderCaption(const std::string& Caption) {
    return Caption.size() >= 2 ? Caption.substr(1, Caption.size() - 2) : std::string();
}

TlxSkinMenuItem::TlxSkinMenuItem(TlxSkinPopupWindow* AParent, TMenuItem* AMenuItem,
                                 TlxDataSkinMenuItem* AData)
    : Parent(AParent), MI(AData), MenuItem(AMenuItem) {
    if (!MI) return;
    // A description without a picture leaves the row with empty state
    // rectangles; it then draws its built-in look.
    ActivePicture = Parent->SD ? Parent->SD->ActivePicture(MI->ActivePictureIndex) : nullptr;
    if (ActivePicture) {
        FSkinRect = MI->SkinRect;
        FActiveSkinRect = MI->ActiveSkinRect;
    } else {
        MI = nullptr;
    }
}

void TlxSkinMenuItem::SetMorphKf(double Value) {
    // Steps of 0.2 do not add up to 0 or 1 exactly; the ends are snapped so
    // a morph ends.
    FMorphKf = std::clamp(std::round(Value * 1000) / 1000, 0.0, 1.0);
}

bool TlxSkinMenuItem::IsSeparator() const {
    return MenuItem->IsLine();
}

bool TlxSkinMenuItem::IsHeader() const {
    const std::string& c = MenuItem->Caption();
    return !MenuItem->Enabled() && c.size() >= 2 && c.front() == '-' && c.back() == '-';
}

bool TlxSkinMenuItem::Selectable() const {
    return MenuItem->Enabled() && !IsSeparator();
}

bool TlxSkinMenuItem::HasChildren() const {
    return MenuItem->Count() > 0;
}

int TlxSkinMenuItem::Height() const {
    if (MI) return RectHeight(IsSeparator() ? MI->DividerRect : MI->SkinRect);
    if (Parent->DSMI) return RectHeight(IsSeparator() ? Parent->DSMI->DividerRect : Parent->DSMI->SkinRect);
    return IsSeparator() ? 4 : Parent->ParentMenu->DefaultMenuItemHeight();
}

// ---- effects

bool TlxSkinMenuItem::EffectsAllowed() const {
    return MI && Parent->SD && !Parent->SD->Empty && Parent->SD->EnableSkinEffects();
}

bool TlxSkinMenuItem::EnableMorphing() const {
    return EffectsAllowed() && MI->Morphing && !IsNullRect(FActiveSkinRect);
}

bool TlxSkinMenuItem::EnableAnimation() const {
    return EffectsAllowed() && !IsNullRect(MI->AnimateSkinRect) && MI->FrameCount > 0;
}

bool TlxSkinMenuItem::CanMorphing() {
    if (!FVisible) {
        if (FMorphKf != 0) {
            Active = Down = false;
            FMorphKf = 0;
        }
        return false;
    }
    return IsActiveState() ? FMorphKf < 1 : FMorphKf > 0;
}

void TlxSkinMenuItem::DoMorphing() {
    SetMorphKf(FMorphKf + (IsActiveState() ? 0.2 : -0.2));
    DrawNow();
}

bool TlxSkinMenuItem::EffectStep() {
    if (EnableMorphing()) {
        if (!CanMorphing()) return false;
        DoMorphing();
        return true;
    }
    if (!EnableAnimation()) return false;
    if (IsActiveState() && CurrentFrame <= MI->FrameCount) {
        ++CurrentFrame;
        DrawNow();
        return true;
    }
    if (!IsActiveState() && CurrentFrame > 0) {
        --CurrentFrame;
        DrawNow();
        return true;
    }
    return false;
}

void TlxSkinMenuItem::DrawNow() {
    Parent->DrawItemNow(this);
}

void TlxSkinMenuItem::ReDraw() {
    if (EnableAnimation()) {
        Parent->MorphTimer->SetInterval(static_cast<uint32_t>(std::max(MI->AnimateInterval, 1)));
        if (IsActiveState() || MI->InActiveAnimation) {
            Parent->MorphTimer->SetEnabled(true);
        } else {
            CurrentFrame = 0;
            DrawNow();
        }
        return;
    }
    if (EnableMorphing()) {
        Parent->MorphTimer->SetInterval(20);
        Parent->MorphTimer->SetEnabled(true);
        return;
    }
    DrawNow();
}

// ---- the mouse and keys

void TlxSkinMenuItem::MouseEnter(bool Kb) {
    TlxSkinPopupWindow* window = Parent;
    TlxSkinMenu* menu = window->ParentMenu;
    Active = true;
    if (EnableAnimation()) CurrentFrame = 0;
    for (int i = 0; i < window->ItemCount(); ++i) {
        TlxSkinMenuItem* other = window->Items(i);
        if (other == this || !other->Down) continue;
        other->Down = false;
        other->ReDraw();
    }
    if (WaitCommand && !Kb) {
        ReDraw();
    } else if (Down && menu->IndexOfWindow(window) + 1 < menu->WindowCount()) {
        menu->Windows(menu->IndexOfWindow(window) + 1)->CloseChildWindows();
    } else {
        ReDraw();
        std::string hint = MenuItem->Hint();
        menu->ProcessItem(window, this, Kb, false);
        if (window->FreePending()) return;
        if (window->Hint() != hint) window->SetHint(hint);
    }
}

void TlxSkinMenuItem::MouseLeave() {
    Active = false;
    if (EnableAnimation()) CurrentFrame = MI->FrameCount + 1;
    WaitCommand = false;
    if (!Down) ReDraw();
    Parent->ParentMenu->CancelWait(this);
}

void TlxSkinMenuItem::MouseDown() {
    WaitCommand = false;
    if (Down || !MenuItem->Enabled()) return;
    // The last thing the row does: the command may free its window.
    Parent->ParentMenu->ProcessItem(Parent, this, false, true);
}
