#include "skin/controls/TlxSkinPanel.h"

#include "platform/base/ScopeGuard.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/SkinRects.h"

#include <algorithm>

TlxSkinPanel::TlxSkinPanel(TComponent* AOwner) : TlxSkinCustomControl(AOwner) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks,
                     csSetCaption,      csOpaque,       csReplicatable};
    FForceBackground = true;
    SetSkinDataName("panel");
    SetBounds(0, 0, 150, 150);
}

void TlxSkinPanel::SetBorderStyle(TlxSkinBorderStyle Value) {
    FBorderStyle = Value;
    if (Skinned()) return;
    Invalidate();
    Realign();
}

void TlxSkinPanel::SetCaptionMode(bool Value) {
    FCaptionMode = Value;
    Invalidate();
    Realign();
}

void TlxSkinPanel::SetDefaultCaptionHeight(int Value) {
    FDefaultCaptionHeight = Value;
    if (Skinned() || !FCaptionMode) return;
    Invalidate();
    Realign();
}

void TlxSkinPanel::SetDefaultAlignment(TAlignment Value) {
    FDefaultAlignment = Value;
    if (!Skinned() && FCaptionMode) Invalidate();
}

void TlxSkinPanel::SetRibbonStyle(bool Value) {
    if (FRibbonStyle == Value) return;
    FRibbonStyle = Value;
    Invalidate();
}

void TlxSkinPanel::SetGlyph(const TBitmap& Value) {
    FGlyph.Assign(Value);
    Invalidate();
}

void TlxSkinPanel::SetNumGlyphs(int Value) {
    FNumGlyphs = std::clamp(Value, 1, 2);
    Invalidate();
}

void TlxSkinPanel::SetCaptionImageList(TCustomImageList* Value) {
    if (FCaptionImageList.Set(Value)) Invalidate();
}

void TlxSkinPanel::SetCaptionImageIndex(int Value) {
    if (FCaptionImageIndex == Value) return;
    FCaptionImageIndex = Value;
    Invalidate();
}

void TlxSkinPanel::SetImagePosition(TlxImagePosition Value) {
    if (FImagePosition == Value) return;
    FImagePosition = Value;
    Invalidate();
}

void TlxSkinPanel::SetSpacing(int Value) {
    FSpacing = Value;
    Invalidate();
}

void TlxSkinPanel::SetCheckedMode(bool Value) {
    FCheckedMode = Value;
    Invalidate();
}

void TlxSkinPanel::SetChecked(bool Value) {
    FChecked = Value;
    if (FCheckedMode) Invalidate();
    if (FAutoEnabledControls && FCheckedMode)
        for (int i = 0; i < ControlCount(); ++i)
            Controls(i)->SetEnabled(FChecked);
    TKeepAlive alive(this);
    if (OnChecked) OnChecked(this);
}

void TlxSkinPanel::SetRollUpMode(bool Value) {
    FRollUpMode = Value;
    if (!Skinned() && FCaptionMode) Invalidate();
}

void TlxSkinPanel::SetRollUpState(bool Value) {
    if (FRollUpState == Value) return;
    TSizeConstraints* limits = Constraints();
    if (!FRollUpMode) {
        // Only limits a fold took away come back.
        if (FConstraintsSaved) {
            limits->SetMaxWidth(FCMaxWidth);
            limits->SetMinWidth(FCMinWidth);
            limits->SetMaxHeight(FCMaxHeight);
            limits->SetMinHeight(FCMinHeight);
            FConstraintsSaved = false;
        }
        FRollUpState = false;
        return;
    }
    if (Value && !FConstraintsSaved) {
        FCMaxWidth = limits->MaxWidth();
        FCMinWidth = limits->MinWidth();
        FCMaxHeight = limits->MaxHeight();
        FCMinHeight = limits->MinHeight();
        FConstraintsSaved = true;
        limits->SetMaxWidth(0);
        limits->SetMinWidth(0);
        limits->SetMaxHeight(0);
        limits->SetMinHeight(0);
    }
    FRollUpState = Value;
    DoRollUp(Value);
    if (!Value && FConstraintsSaved) {
        limits->SetMaxWidth(FCMaxWidth);
        limits->SetMinWidth(FCMinWidth);
        limits->SetMaxHeight(FCMaxHeight);
        limits->SetMinHeight(FCMinHeight);
        FConstraintsSaved = false;
    }
    TKeepAlive alive(this);
    if (OnChangeRollUpState) OnChangeRollUpState(this);
}

void TlxSkinPanel::SetTransparentMode(bool Value) {
    if (FTransparentMode == Value) return;
    FTransparentMode = Value;
    Invalidate();
    if (!Designing() && !ComponentState().Contains(csLoading)) CheckControlsBackground();
}

void TlxSkinPanel::DoRollUp(bool ARollUp) {
    FInChangingRollUp = true;
    TScopeGuard done([this] { FInChangingRollUp = false; });
    if (ARollUp && FRealHeight == -1) {
        FRealHeight = Height();
        DisableAlign();
        FFoldHidden.clear();
        for (int i = 0; i < ControlCount(); ++i)
            if (Controls(i)->Visible()) FFoldHidden.push_back(Controls(i));
        for (TControl* c : FFoldHidden)
            c->Hide();
        GetSkinData();
        int w = Width(), h = Height();
        CalcSize(w, h);
        SetHeight(Skinned() ? Height() - Sized.NewClRect.Height() : FDefaultCaptionHeight + 1);
    } else if (!ARollUp && FRealHeight != -1) {
        SetHeight(FRealHeight);
        FRealHeight = -1;
        // Children hidden before the fold stay hidden.
        for (int i = 0; i < ControlCount(); ++i)
            if (std::find(FFoldHidden.begin(), FFoldHidden.end(), Controls(i)) != FFoldHidden.end())
                Controls(i)->Show();
        FFoldHidden.clear();
        EnableAlign();
    }
}

void TlxSkinPanel::GetSkinClientRect(TRect& R) {
    R = {0, 0, Width(), Height()};
    AdjustClientRect(R);
}

void TlxSkinPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TlxSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (!Skinned()) Invalidate();
}

void TlxSkinPanel::ChangeSkinData() {
    TlxSkinCustomControl::ChangeSkinData();
    if (FRealHeight != -1) {
        // Folded: fold again to the new caption's height.
        GetSkinData();
        int w = Width(), h = Height();
        CalcSize(w, h);
        SetHeight(Skinned() ? Height() - Sized.NewClRect.Height() : FDefaultCaptionHeight + 1);
    } else {
        Realign();
    }
}

bool TlxSkinPanel::CanAutoSize(int& NewWidth, int& NewHeight) {
    if (FRollUpMode && FInChangingRollUp && AutoSize()) return false;
    return TlxSkinCustomControl::CanAutoSize(NewWidth, NewHeight);
}

void TlxSkinPanel::AdjustClientRect(TRect& Rect) {
    TlxSkinCustomControl::AdjustClientRect(Rect);
    GetSkinData();
    if (!Skinned() || Designing()) {
        if (FBorderStyle != bvNone) Rect = {Rect.Left + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1};
        if (FCaptionMode) {
            if (FRibbonStyle)
                Rect.Bottom -= FDefaultCaptionHeight;
            else
                Rect.Top += FDefaultCaptionHeight;
        }
        return;
    }
    const bool wholeClient = SkinPicture(BGPictureIndex) ||
                             (FBorderStyle == bvNone && !FCaptionMode && ResizeMode() == TlxResizeMode::Both);
    if (wholeClient) return;
    int w = Width(), h = Height();
    CalcSize(w, h);
    Rect = Sized.NewClRect;
}

void TlxSkinPanel::CreateParams(TCreateParams& Params) {
    TlxSkinCustomControl::CreateParams(Params);
    Params.ClassStyle &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TlxSkinPanel::GetSkinData() {
    TlxSkinCustomControl::GetSkinData();
    BGPictureIndex = -1;
    auto* d = dynamic_cast<TlxDataSkinPanelControl*>(Description());
    if (!d) return;
    CaptionRect = d->CaptionRect;
    Alignment = d->Alignment;
    FontName = d->FontName;
    FontColor = d->FontColor;
    FontStyle = d->FontStyle;
    FontHeight = d->FontHeight;
    BGPictureIndex = d->BGPictureIndex;
    CheckImageRect = d->CheckImageRect;
    UnCheckImageRect = d->UnCheckImageRect;
    MarkFrameRect = d->MarkFrameRect;
    FrameRect = d->FrameRect;
    FrameTextRect = d->FrameTextRect;
    FrameLeftOffset = d->FrameLeftOffset;
    FrameRightOffset = d->FrameRightOffset;
}

void TlxSkinPanel::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_MOVE:
    case WM_CHECKPARENTBG:
        TlxSkinCustomControl::Dispatch(Message);
        if (FTransparentMode) {
            Invalidate();
            CheckControlsBackground();
        }
        return;
    case CM_ENABLEDCHANGED:
        TlxSkinCustomControl::Dispatch(Message);
        Invalidate();
        return;
    case CM_TEXTCHANGED:
        TlxSkinCustomControl::Dispatch(Message);
        if (FCaptionMode) Invalidate();
        return;
    }
    TlxSkinCustomControl::Dispatch(Message);
}

TRect TlxSkinPanel::SkinCaptionRect() const {
    if (ResizeMode() == TlxResizeMode::Fixed || FTransparentMode) return CaptionRect;
    return GetNewRect(CaptionRect);
}

bool TlxSkinPanel::InCaption(int X, int Y) const {
    // The transparent look places its caption by its text while painting.
    const TRect r = !Skinned()         ? TRect{1, 1, Width() - 1, FDefaultCaptionHeight}
                    : FTransparentMode ? NewCaptionRect
                                       : SkinCaptionRect();
    return PointInRect(r, {X, Y});
}

void TlxSkinPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if ((FRollUpMode || FCheckedMode) && FCaptionMode && Button == TMouseButton::mbLeft && InCaption(X, Y)) {
        TKeepAlive alive(this);
        if (FCheckedMode) SetChecked(!FChecked);
        if (FreePending()) return;
        if (FRollUpMode) SetRollUpState(!FRollUpState);
        if (FreePending()) return;
    }
    TlxSkinCustomControl::MouseUp(Button, Shift, X, Y);
}
