#include "skin/windows/TlxSkinAnimateObject.h"

#include "platform/vcl/TMenu.h"
#include "platform/vcl/TTimer.h"
#include "skin/engine/DataSkinObjects.h"
#include "skin/engine/SkinRects.h"
#include "skin/engine/TlxLayerManager.h"
#include "skin/windows/SkinObjectSupport.h"
#include "skin/windows/TlxLumivex.h"

#include <algorithm>

namespace {

// The animation timer's period: frame times count in these steps.
constexpr int AnimateTick = 25;

} // namespace

TlxSkinAnimateObject::TlxSkinAnimateObject(TlxLumivex* AParent, TlxDataSkinObject* AObject)
    : TlxActiveSkinObject(AParent, AObject) {
    auto* AData = dynamic_cast<TlxDataSkinAnimate*>(AObject);
    if (!AData) return;
    // Skin values are untrusted: no frames counts as one, a short interval as one tick.
    CountFrames = std::max(AData->CountFrames, 1);
    Cycle = AData->Cycle;
    ButtonStyle = AData->ButtonStyle;
    TimerInterval = std::max(AData->TimerInterval, AnimateTick);
    Command = AData->Command;
    DownSkinRect = AData->DownSkinRect;
    RestoreHint = AData->RestoreHint;
    FTempHint = AData->Hint;
    RestoreRect = AData->RestoreRect;
    RestoreActiveRect = AData->RestoreActiveRect;
    RestoreDownRect = AData->RestoreDownRect;
    RestoreInActiveRect = AData->RestoreInActiveRect;
}

TlxLayerManager* TlxSkinAnimateObject::GlowManager() const {
    return MenuItem ? Parent->FMenuLayerManager : Parent->FLayerManager;
}

TRect TlxSkinAnimateObject::FrameRect(const TRect& Strip, const TRect& Size, int N) {
    const int w = RectWidth(Size), h = RectHeight(Size);
    return {Strip.Left + (N - 1) * w, Strip.Top, Strip.Left + N * w, Strip.Top + h};
}

void TlxSkinAnimateObject::Draw(TCanvas* Cnvs, bool) {
    if (!SkinUsable()) return;
    const bool restore = !IsNullRect(RestoreRect) && StdCommandInRestoreState(Parent, Command);
    const TRect& normal = restore ? RestoreRect : SkinRect;
    const TRect& strip = restore ? RestoreActiveRect : ActiveSkinRect;
    const TRect& down = restore ? RestoreDownRect : DownSkinRect;
    const TRect& inactive = restore ? RestoreInActiveRect : InActiveSkinRect;
    if (FMenuTracking) {
        if (!IsNullRect(down)) {
            DrawPart(Cnvs, ActivePicture, down);
            return;
        }
        FFrame = CountFrames;
    } else if (!Parent->GetFormActive() && !IsNullRect(inactive)) {
        DrawPart(Cnvs, ActivePicture, inactive);
        return;
    } else if (FDown && FMouseIn && !IsNullRect(down)) {
        DrawPart(Cnvs, ActivePicture, down);
        return;
    }
    DrawPart(Cnvs, ActivePicture, FrameRect(strip, normal, FFrame));
}

void TlxSkinAnimateObject::SetFrame(int Value) {
    if (Increment && Value > CountFrames) Value = 1;
    if (!Increment && Value <= 0) Value = CountFrames;
    FFrame = std::clamp(Value, 1, CountFrames);
    Parent->DrawSkinObject(this);
}

void TlxSkinAnimateObject::Start() {
    FInc = AnimateTick;
    FFrame = 1;
    Active = true;
    Parent->AnimateTimer->SetEnabled(true);
}

void TlxSkinAnimateObject::Stop() {
    SetFrame(1);
    Active = false;
    FInc = AnimateTick;
}

void TlxSkinAnimateObject::ChangeFrame() {
    if (FInc < TimerInterval) {
        FInc += AnimateTick;
        return;
    }
    // A run that stands at its end already stops there instead of wrapping
    // round (leaving a button before its first step would otherwise flash
    // the whole animation backwards).
    if (Increment) {
        if (!Cycle && FFrame >= CountFrames)
            Active = false;
        else {
            SetFrame(FFrame + 1);
            if (!Cycle && FFrame == CountFrames) Active = false;
        }
    } else {
        if (FFrame <= 1)
            Active = false;
        else {
            SetFrame(FFrame - 1);
            if (FFrame == 1) Active = false;
        }
    }
    FInc = AnimateTick;
}

void TlxSkinAnimateObject::Animate() {
    if (FDown && !IsNullRect(DownSkinRect))
        Parent->DrawSkinObject(this);
    else
        Parent->AnimateTimer->SetEnabled(true);
}

void TlxSkinAnimateObject::MouseEnter() {
    if (Command != cmDefault)
        Hint = !RestoreHint.empty() && StdCommandInRestoreState(Parent, Command) ? RestoreHint : FTempHint;
    FMouseIn = true;
    if (FMenuTracking) return;
    if (ButtonStyle) {
        Active = true;
        Increment = true;
        Animate();
    }
    if (!Survives([&] { Parent->DoMouseEnterEvent(IDName); })) return;
    ShowLayer();
}

void TlxSkinAnimateObject::MouseLeave() {
    if (!FMouseIn) return;
    FMouseIn = false;
    if (FMenuTracking) return;
    if (ButtonStyle) {
        Active = true;
        Increment = false;
        Animate();
    }
    if (!Survives([&] { Parent->DoMouseLeaveEvent(IDName); })) return;
    HideLayer();
}

void TlxSkinAnimateObject::MouseDown(int X, int Y, TMouseButton Button) {
    if (!Survives([&] { TlxActiveSkinObject::MouseDown(X, Y, Button); })) return;
    const bool left = Button == TMouseButton::mbLeft;
    if (left && !IsNullRect(DownSkinRect)) {
        FFrame = CountFrames;
        FDown = true;
        Parent->DrawSkinObject(this);
    }
    // The system menu opens on the press.
    if (Command == cmSysMenu && FMouseIn && ButtonStyle && left) DoCommand();
}

void TlxSkinAnimateObject::MouseUp(int X, int Y, TMouseButton Button) {
    if (!Survives([&] { TlxActiveSkinObject::MouseUp(X, Y, Button); })) return;
    if (FMenuTracking) return;
    const bool left = Button == TMouseButton::mbLeft;
    if (left && !IsNullRect(DownSkinRect)) {
        FDown = false;
        Parent->DrawSkinObject(this);
        Parent->AnimateTimer->SetEnabled(true);
    }
    // Last: a close may take the form and this object with it.
    if (Command != cmSysMenu && FMouseIn && ButtonStyle && left) DoCommand();
}

void TlxSkinAnimateObject::DblClick() {
    if (Command == cmSysMenu) Parent->Form()->Close();
}

void TlxSkinAnimateObject::DoCommand() {
    switch (Command) {
    case cmSysMenu:
        MenuItem = Parent->GetSystemMenuItems();
        PopupLinkedMenu();
        break;
    case cmDefault:
        if (MenuItem) PopupLinkedMenu();
        break;
    default:
        DoStdCommand(Parent, Command);
        break;
    }
}

void TlxSkinAnimateObject::PopupLinkedMenu() {
    // A menu that cannot open would leave the object tracking for ever.
    if (!CanPopupObjectMenu(MenuItem)) return;
    FMenuTracking = true;
    for (TlxLayerManager* manager : {Parent->FLayerManager, Parent->FMenuLayerManager})
        if (manager && manager->IsVisible) manager->Hide();
    if (FMouseIn) ShowLayer();
    PopupObjectMenu(Parent, MenuItem, ScreenRect(), FPopupUp);
}
