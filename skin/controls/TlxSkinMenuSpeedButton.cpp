#include "skin/controls/TlxSkinMenuSpeedButton.h"

#include "skin/engine/SkinMessages.h"

TlxSkinMenuSpeedButton::TlxSkinMenuSpeedButton(TComponent* AOwner) : TlxSkinSpeedButton(AOwner) {
    SetSkinDataName("toolmenubutton");
}

void TlxSkinMenuSpeedButton::SetTrackButtonMode(bool Value) {
    FTrackButtonMode = Value;
    if (!Skinned()) Invalidate();
}

void TlxSkinMenuSpeedButton::SetTrackPosition(TlxTrackPosition Value) {
    FTrackPosition = Value;
    Invalidate();
}

void TlxSkinMenuSpeedButton::SetNewStyle(bool Value) {
    FNewStyle = Value;
    // A form description holds the name it was designed with.
    if (Value && !ComponentState().Contains(csLoading)) SetSkinDataName("resizetoolbutton");
}

TlxSkinMenuSpeedButton::TFaceKind TlxSkinMenuSpeedButton::FaceKind() const {
    const std::string& name = SkinDataName();
    if (FNewStyle && name == "resizetoolbutton") return TFaceKind::ResizeNew;
    if (name == "toolbutton" || name == "bigtoolbutton") return TFaceKind::Tool;
    if (name != "resizebutton" && name != "resizetoolbutton") return TFaceKind::Own;
    return TFaceKind::Resize;
}

TRect TlxSkinMenuSpeedButton::Strip() const {
    if (StripAtBottom()) return {0, Height() - StripSize, Width(), Height()};
    return {Width() - StripSize, 0, Width(), Height()};
}

TRect TlxSkinMenuSpeedButton::MainRect() const {
    if (StripAtBottom()) return {0, 0, Width(), Height() - StripSize};
    return {0, 0, Width() - StripSize, Height()};
}

TRect TlxSkinMenuSpeedButton::TrackRect() {
    GetSkinData();
    if (!Skinned() || FaceKind() != TFaceKind::Own) return Strip();
    // The description's own track part, moved with the side that grows.
    TRect r = TrackButtonRect;
    if (ResizeMode() == TlxResizeMode::Horizontal)
        OffsetRect(r, Width() - Geometry.SkinRect.Width(), 0);
    else if (ResizeMode() == TlxResizeMode::Vertical)
        OffsetRect(r, 0, Height() - Geometry.SkinRect.Height());
    return r;
}

void TlxSkinMenuSpeedButton::GetSkinData() {
    TlxSkinSpeedButton::GetSkinData();
    auto* d = dynamic_cast<TlxDataSkinMenuButtonControl*>(Description());
    TrackButtonRect = d ? d->TrackButtonRect : TRect{};
}

// ---- Opening and closing the menu

void TlxSkinMenuSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button != TMouseButton::mbLeft || (!FSkinPopupMenu.Get() && !SkinImagesMenu())) {
        TlxSkinSpeedButton::MouseDown(Button, Shift, X, Y);
        return;
    }
    // The track part's edges count as inside.
    const TRect track = TrackRect();
    const bool inTrack = X >= track.Left && X <= track.Right && Y >= track.Top && Y <= track.Bottom;
    if (FTrackButtonMode && !inTrack) {
        TlxSkinSpeedButton::MouseDown(Button, Shift, X, Y);
        return;
    }
    TKeepAlive alive(this);
    FMenuTracked = true;
    FMouseIn = true;
    if (!FDown) SetDown(true);
    auto screenRect = [this] {
        const TPoint origin = ClientToScreen({0, 0});
        return TRect{origin.X, origin.Y, origin.X + Width(), origin.Y + Height()};
    };
    if (TlxSkinPopupMenu* menu = FSkinPopupMenu.Get()) {
        if (OnShowTrackMenu) {
            OnShowTrackMenu(this);
            if (FreePending()) return;
        }
        if (!FMenuTracked) return;
        menu->PopupFromRect2(this, screenRect(), false);
        if (FreePending()) return;
    }
    if (TlxSkinImagesMenu* grid = SkinImagesMenu()) {
        if (OnShowTrackMenu) {
            OnShowTrackMenu(this);
            if (FreePending()) return;
        }
        if (!FMenuTracked || !(grid = SkinImagesMenu())) return;
        grid->OnInternalMenuClose = [this](TObject*) { Release(); };
        grid->PopupFromRect(screenRect());
        if (FreePending()) return;
        // A grid without pictures opens nothing and never closes: the
        // button comes up at once instead of staying pressed.
        if (FMenuTracked && (!SkinImagesMenu() || !SkinImagesMenu()->PopupWindow())) Release();
    }
}

void TlxSkinMenuSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    // The release of the press that opened the menu belongs to the menu.
    if (!FMenuTracked) TlxSkinSpeedButton::MouseUp(Button, Shift, X, Y);
}

void TlxSkinMenuSpeedButton::MouseEnter() {
    if (FMenuTracked)
        FMouseIn = true;
    else
        TlxSkinSpeedButton::MouseEnter();
}

void TlxSkinMenuSpeedButton::MouseLeave() {
    if (FMenuTracked)
        FMouseIn = false;
    else
        TlxSkinSpeedButton::MouseLeave();
}

void TlxSkinMenuSpeedButton::Release() {
    TKeepAlive alive(this);
    FMenuTracked = false;
    SetDown(false);
    FMouseIn = false;
    if (OnHideTrackMenu) {
        OnHideTrackMenu(this);
        if (FreePending()) return;
    }
    Invalidate();
}

void TlxSkinMenuSpeedButton::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_CLOSESKINMENU) {
        Release();
        return;
    }
    TlxSkinSpeedButton::Dispatch(Message);
}
