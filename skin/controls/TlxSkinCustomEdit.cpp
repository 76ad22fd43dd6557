#include "skin/controls/TlxSkinCustomEdit.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/vcl/VclMessages.h"
#include "platform/win/WinApi.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/SkinControlMessages.h"
#include "skin/controls/TlxCentringBar.h"
#include "skin/engine/DataSkinListControls.h"

#include <algorithm>

TlxSkinCustomEdit::TlxSkinCustomEdit(TComponent* AOwner) : TlxCustomEdit(AOwner) {
    SetControlStyle(ControlStyle() + csOpaque);
    TFont* f = Font();
    f->SetName("Arial");
    f->SetColor(clBlack);
    f->SetStyle({});
    f->SetHeight(14);
    FDefaultFont.Assign(*f);
    FDefaultFont.OnChange = [this](TObject*) {
        if (!Skinned()) Font()->Assign(FDefaultFont);
    };
    SetEditTransparent(true);
    SetBounds(Left(), Top(), Width(), 20);
}

// ---- properties

void TlxSkinCustomEdit::SetSkinData(TlxSkinData* Value) {
    FSD.Set(Value);
    if (Value && !Value->Empty && !ComponentState().Contains(csDesigning)) ChangeSkinData();
}

void TlxSkinCustomEdit::SetDefaultColor(TColor Value) {
    FDefaultColor = Value;
    if (!Skinned()) {
        Invalidate();
        RepaintFrame();
    }
}

void TlxSkinCustomEdit::SetDefaultWidth(int Value) {
    FDefaultWidth = Value;
    if (!Skinned() && Value > 0) SetWidth(Value);
}

void TlxSkinCustomEdit::SetDefaultHeight(int Value) {
    FDefaultHeight = Value;
    if (!Skinned() && Value > 0 && FUseSkinFont)
        SetHeight(Value);
    else
        FitHeight();
}

void TlxSkinCustomEdit::SetDefaultFont(const TFont& Value) {
    FDefaultFont.Assign(Value);
    if (!Skinned()) Font()->Assign(FDefaultFont);
}

void TlxSkinCustomEdit::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    TCustomMaskEdit::SetAlignment(Value);
    if (HandleAllocated()) RecreateWnd();
}

void TlxSkinCustomEdit::SetButtonMode(bool Value) {
    FButtonMode = Value;
    const TComponentState state = ComponentState();
    if (state.Contains(csDesigning) && !state.Contains(csLoading))
        FSkinDataName = Value ? "buttonedit" : "edit";
    if (HandleAllocated()) RecreateWnd();
}

void TlxSkinCustomEdit::SetImages(TCustomImageList* Value) {
    if (FImages.Get() == Value) return;
    FImages.Set(Value);
    AdjustImageButtons(true);
}

void TlxSkinCustomEdit::SetLeftImageIndex(int Value) {
    FLeftImageIndex = Value;
    AdjustImageButtons(true);
    Invalidate();
}

void TlxSkinCustomEdit::SetRightImageIndex(int Value) {
    FRightImageIndex = Value;
    AdjustImageButtons(true);
    Invalidate();
}

// ---- skin

TBitmap* TlxSkinCustomEdit::Picture() const {
    TlxSkinData* sd = FSD.Get();
    if (FIndex == -1 || !sd || sd->Empty) return nullptr;
    return sd->ActivePicture(FPictureIndex);
}

void TlxSkinCustomEdit::GetSkinData() {
    TlxSkinData* sd = FSD.Get();
    FIndex = !sd || sd->Empty ? -1 : sd->GetControlIndex(FSkinDataName);
    if (FIndex < 0 || FIndex >= static_cast<int>(sd->CtrlList.size())) {
        FIndex = -1;
        return;
    }
    auto* d = dynamic_cast<TlxDataSkinEditControl*>(sd->CtrlList[FIndex].get());
    if (!d) return;
    FPictureIndex = d->PictureIndex;
    SkinRect = d->SkinRect;
    // Nothing lies beyond the picture: a larger skin rect would only size the
    // edit without bound.
    if (TBitmap* p = Picture()) {
        SkinRect.Right = std::min(SkinRect.Right, p->Width());
        SkinRect.Bottom = std::min(SkinRect.Bottom, p->Height());
    } else {
        SkinRect = {};
    }
    ActiveSkinRect = d->ActiveSkinRect.IsEmpty() ? d->SkinRect : d->ActiveSkinRect;
    LOffset = d->LTPoint.X;
    ROffset = SkinRect.Width() - d->RTPoint.X;
    ClRect = d->ClRect;
    FontName = d->FontName;
    FontStyle = d->FontStyle;
    FontHeight = d->FontHeight;
    FontColor = d->FontColor;
    DisabledFontColor = d->DisabledFontColor;
    ActiveFontColor = d->ActiveFontColor;
    ButtonRectSkin = d->ButtonRect;
    ActiveButtonRect = d->ActiveButtonRect;
    DownButtonRect = d->DownButtonRect.IsEmpty() ? d->ActiveButtonRect : d->DownButtonRect;
    UnEnabledButtonRect = d->UnEnabledButtonRect;
    StretchEffect = d->StretchEffect;
}

void TlxSkinCustomEdit::ChangeSkinData() {
    GetSkinData();
    TFont* f = Font();
    if (!Skinned()) {
        f->Assign(FDefaultFont);
        if (FDefaultWidth > 0) SetWidth(FDefaultWidth);
        if (FDefaultHeight > 0) SetHeight(FDefaultHeight);
    } else if (FUseSkinFont) {
        f->SetName(FontName);
        f->SetStyle(FontStyle);
        f->SetHeight(FontHeight);
        SetHeight(SkinRect.Height());
    } else {
        f->Assign(FDefaultFont);
    }
    f->SetCharset(SkinCharset(FSD.Get(), FDefaultFont));
    f->SetColor(!Skinned() ? FDefaultFont.Color() : Focused() ? ActiveFontColor : FontColor);
    if (!FUseSkinFont) FitHeight();
    // The frame's insets follow the new description.
    if (HandleAllocated())
        SetWindowPos(WindowHandle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    AdjustImageButtons(true);
    RepaintFrame();
    Invalidate();
}

void TlxSkinCustomEdit::Loaded() {
    TlxCustomEdit::Loaded();
    Font()->SetCharset(SkinCharset(FSD.Get(), FDefaultFont));
}

// ---- geometry

void TlxSkinCustomEdit::CalcEditRect() {
    const int w = Width(), h = Height();
    if (!Skinned()) {
        if (FButtonMode) {
            FButtonRect = {w - h, 0, w, h};
            FEditRect = {2, 2, FButtonRect.Left - 2, h - 2};
        } else {
            FButtonRect = {};
            FEditRect = {2, 2, w - 2, h - 2};
        }
        return;
    }
    const int grow = w - SkinRect.Width();
    FEditRect = ClRect;
    FEditRect.Right += grow;
    FButtonRect = ButtonRectSkin;
    if (ButtonRectSkin.Left >= SkinRect.Width() - ROffset) OffsetRect(FButtonRect, grow, 0);
    if (!FUseSkinFont) {
        FEditRect.Bottom += h - SkinRect.Height();
        FButtonRect.Bottom += h - SkinRect.Height();
    }
    // A description's client rectangle is untrusted: keep it inside the window.
    FEditRect.Left = std::clamp(FEditRect.Left, 0, std::max(w, 0));
    FEditRect.Top = std::clamp(FEditRect.Top, 0, std::max(h, 0));
    FEditRect.Right = std::clamp(FEditRect.Right, FEditRect.Left, std::max(w, FEditRect.Left));
    FEditRect.Bottom = std::clamp(FEditRect.Bottom, FEditRect.Top, std::max(h, FEditRect.Top));
}

int TlxSkinCustomEdit::NaturalHeight() {
    TBitmap scratch(1, 1);
    scratch.Canvas()->SetFont(*Font());
    TEXTMETRIC tm{};
    GetTextMetrics(scratch.Canvas()->Handle(), &tm);
    GetSkinData();
    if (!Skinned()) return tm.tmHeight + 4;
    return tm.tmHeight + (SkinRect.Height() - ClRect.Height());
}

void TlxSkinCustomEdit::FitHeight() {
    const int h = NaturalHeight();
    if (h != Height()) TCustomMaskEdit::SetBounds(Left(), Top(), Width(), h);
}

void TlxSkinCustomEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    GetSkinData();
    if ((AWidth != Width() || AHeight != Height()) && !(!Skinned() && FUseSkinFont)) {
        if (!FUseSkinFont)
            AHeight = NaturalHeight();
        else if (SkinRect.Height() > 0)
            AHeight = SkinRect.Height();
    }
    ATop = CentredTop(Parent(), ATop, AHeight);
    TCustomMaskEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
    Invalidate();
    RepaintFrame();
}

void TlxSkinCustomEdit::AdjustImageButtons(bool SetRect) {
    LeftButton.R = RightButton.R = {};
    const TRect client = ClientRect();
    FTextRect = client;
    TCustomImageList* images = FImages.Get();
    if (images) {
        const int iw = images->Width();
        if (FLeftImageIndex >= 0) {
            LeftButton.R = {client.Left, client.Top, client.Left + iw, client.Bottom};
            FTextRect.Left += iw + 2;
        }
        if (FRightImageIndex >= 0) {
            RightButton.R = {client.Right - iw, client.Top, client.Right, client.Bottom};
            FTextRect.Right -= iw + 2;
        }
    }
    if (!SetRect || !HandleAllocated()) return;
    if (images)
        Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&FTextRect));
    else
        Perform(EM_SETRECTNP, 0, 0);
}

// ---- window

void TlxSkinCustomEdit::CreateParams(TCreateParams& Params) {
    TlxCustomEdit::CreateParams(Params);
    Params.ExStyle &= ~WS_EX_TRANSPARENT;
    Params.Style &= ~(WS_BORDER | ES_RIGHT | ES_CENTER);
    static const uint32_t styles[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
    Params.Style |= styles[FAlignment];
}

void TlxSkinCustomEdit::CreateWnd() {
    TlxCustomEdit::CreateWnd();
    AdjustImageButtons(true);
}

void TlxSkinCustomEdit::Invalidate() {
    if (!Parent()) return;
    TCustomMaskEdit::Invalidate();
}

void TlxSkinCustomEdit::RepaintFrame() {
    if (HandleAllocated()) RedrawWindow(WindowHandle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TlxSkinCustomEdit::FocusChanged(bool Focus) {
    RepaintFrame();
    Invalidate();
    if (Skinned() && !FMouseIn) Font()->SetColor(Focus ? ActiveFontColor : FontColor);
    if (FImages.Get()) AdjustImageButtons(true);
}

void TlxSkinCustomEdit::MouseEnterLeave(bool Enter) {
    FMouseIn = Enter;
    if (Skinned() && !Focused()) Font()->SetColor(Enter ? ActiveFontColor : FontColor);
    if (!Enter) {
        FButtonDown = false;
        FButtonActive = false;
        SetHotImages(false, false);
    }
    AdjustImageButtons(true);
    RepaintFrame();
    Invalidate();
    TKeepAlive alive(this);
    const TNotifyEvent& event = Enter ? OnMouseEnter : OnMouseLeave;
    if (event) event(this);
}

void TlxSkinCustomEdit::SetHotImages(bool Left, bool Right) {
    if (LeftButton.MouseIn == Left && RightButton.MouseIn == Right) return;
    LeftButton.MouseIn = Left;
    RightButton.MouseIn = Right;
    Invalidate();
}

void TlxSkinCustomEdit::NcHitTest(TMessage& Message) {
    TPoint p = ScreenToClient(LParamToPoint(Message.LParam));
    if (FImages.Get()) {
        const bool left = FLeftImageIndex >= 0 && PtInRect(LeftButton.R, p);
        const bool right = !left && FRightImageIndex >= 0 && PtInRect(RightButton.R, p);
        SetHotImages(left, right);
        if (left || right) {
            Message.Result = left ? HTLEFTIMAGE : HTRIGHTIMAGE;
            return;
        }
    }
    if (FButtonMode && !ComponentState().Contains(csDesigning)) {
        CalcEditRect();
        const TPoint w{p.X + FEditRect.Left, p.Y + FEditRect.Top};
        if (PtInRect(FButtonRect, w)) {
            Message.Result = HTHSCROLL;
            return;
        }
        if (!PtInRect(FEditRect, w)) {
            Message.Result = HTVSCROLL;
            return;
        }
    }
    TlxCustomEdit::WndProc(Message);
}

void TlxSkinCustomEdit::NcMouse(TMessage& Message) {
    const int hit = static_cast<int>(static_cast<intptr_t>(Message.WParam));
    switch (Message.Msg) {
    case WM_NCMOUSEMOVE:
        if ((hit == HTHSCROLL) != FButtonActive) {
            FButtonActive = hit == HTHSCROLL;
            RepaintFrame();
        }
        break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (hit == HTLEFTIMAGE || hit == HTRIGHTIMAGE) {
            (hit == HTLEFTIMAGE ? LeftButton : RightButton).Down = true;
            if (CanFocus()) SetFocus();
            Invalidate();
            return;
        }
        if (hit == HTHSCROLL) {
            FButtonDown = true;
            RepaintFrame();
            return;
        }
        break;
    case WM_NCLBUTTONUP: {
        TlxCBButtonX* image = hit == HTLEFTIMAGE ? &LeftButton : hit == HTRIGHTIMAGE ? &RightButton : nullptr;
        if (image && image->Down) {
            image->Down = false;
            Invalidate();
            TKeepAlive alive(this);
            const TNotifyEvent& event = hit == HTLEFTIMAGE ? OnLeftButtonClick : OnRightButtonClick;
            if (event) event(this);
            return;
        }
        if (hit == HTHSCROLL && FButtonDown) {
            FButtonDown = false;
            RepaintFrame();
            TKeepAlive alive(this);
            if (CanFocus()) SetFocus();
            if (FreePending()) return;
            if (OnButtonClick) OnButtonClick(this);
            return;
        }
        // A release elsewhere ends a press without a click.
        if (FButtonDown || LeftButton.Down || RightButton.Down) {
            FButtonDown = LeftButton.Down = RightButton.Down = false;
            RepaintFrame();
            Invalidate();
        }
        break;
    }
    }
    TlxCustomEdit::WndProc(Message);
}

void TlxSkinCustomEdit::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_NCCALCSIZE: {
        auto* p = LParamToPtr<TNCCalcSizeParams>(Message.LParam);
        GetSkinData();
        CalcEditRect();
        if (p) {
            const TRect r = p->rgrc[0];
            p->rgrc[0] = {r.Left + FEditRect.Left, r.Top + FEditRect.Top, r.Left + FEditRect.Right,
                          r.Top + FEditRect.Bottom};
        }
        Message.Result = 0;
        return;
    }
    case WM_NCPAINT: {
        HDC dc = GetWindowDC(WindowHandle());
        if (!dc) return;
        ExcludeClipRect(dc, FEditRect.Left, FEditRect.Top, FEditRect.Right, FEditRect.Bottom);
        TBitmap b(Width(), Height());
        DrawFrameImage(b);
        TCanvas c(dc);
        c.Draw(0, 0, &b);
        c.SetHandle(nullptr);
        ReleaseDC(WindowHandle(), dc);
        return;
    }
    case CM_SKINPAINTNC:
    case CM_SKINPAINTNCEX: {
        const bool ex = Message.Msg == CM_SKINPAINTNCEX;
        if (ex && Message.LParam != SkinPaintExKey) break;
        auto dc = reinterpret_cast<HDC>(Message.WParam);
        if (dc) {
            const int saved = SaveDC(dc);
            if (ex) ExcludeClipRect(dc, FEditRect.Left, FEditRect.Top, FEditRect.Right, FEditRect.Bottom);
            TBitmap b(Width(), Height());
            DrawFrameImage(b);
            TCanvas c(dc);
            c.Draw(0, 0, &b);
            c.SetHandle(nullptr);
            RestoreDC(dc, saved);
        }
        Message.Result = ex ? SkinPaintExKey : SkinPaintNCAnswer;
        return;
    }
    case WM_NCHITTEST:
        NcHitTest(Message);
        return;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCLBUTTONUP:
        NcMouse(Message);
        return;
    case WM_MOUSEMOVE:
        if (FButtonActive) {
            FButtonActive = false;
            RepaintFrame();
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        TKeepAlive alive(this);
        TlxCustomEdit::WndProc(Message);
        if (!FreePending()) FocusChanged(Message.Msg == WM_SETFOCUS);
        return;
    }
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TlxCustomEdit::WndProc(Message);
        if (Message.LParam == reinterpret_cast<LPARAM>(static_cast<TControl*>(this)))
            MouseEnterLeave(Message.Msg == CM_MOUSEENTER);
        return;
    case CM_ENABLEDCHANGED:
        TlxCustomEdit::WndProc(Message);
        RepaintFrame();
        Invalidate();
        return;
    case CM_FONTCHANGED:
        TlxCustomEdit::WndProc(Message);
        if (!FUseSkinFont && !ComponentState().Contains(csLoading)) FitHeight();
        return;
    case WM_SIZE:
        TlxCustomEdit::WndProc(Message);
        AdjustImageButtons(true);
        RepaintFrame();
        return;
    }
    TlxCustomEdit::WndProc(Message);
}
