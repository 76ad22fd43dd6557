#include "skin/controls/TlxSkinHintWindow.h"

#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TImageList.h"
#include "platform/vcl/TScreen.h"
#include "platform/vcl/TTimer.h"
#include "platform/win/WinApi.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/TlxSkinHint.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinImages.h"
#include "skin/engine/SkinMonitors.h"
#include "skin/engine/SkinRegions.h"

#include <algorithm>

namespace {

constexpr uint32_t FadeMs = 4; // "more than 3 ms" between steps

std::string ReplaceAll(std::string Text, const std::string& From, const std::string& To) {
    if (From.empty()) return Text;
    for (size_t at = Text.find(From); at != std::string::npos; at = Text.find(From, at + To.size()))
        Text.replace(at, From.size(), To);
    return Text;
}

TSize Measure(TCanvas* C, const std::string& Text) {
    TRect r{0, 0, 0, 0};
    DrawText(C->Handle(), Text, r, DT_CALCRECT | DT_NOPREFIX);
    return {r.Width(), r.Height()};
}

} // namespace

TlxSkinHintWindow::TlxSkinHintWindow(TComponent* AOwner, bool AFromApplication)
    : THintWindow(AOwner), FFromApplication(AFromApplication) {
    FFadeTimer = new TTimer(this);
    FFadeTimer->SetEnabled(false);
    FFadeTimer->SetInterval(FadeMs);
    FFadeTimer->OnTimer = [this](TObject*) { FadeStep(); };
}

TlxSkinHintWindow::~TlxSkinHintWindow() = default;

void TlxSkinHintWindow::CreateParams(TCreateParams& Params) {
    THintWindow::CreateParams(Params);
    Params.Style &= ~WS_BORDER;
}

TlxDataSkinHintWindow* TlxSkinHintWindow::Description() const {
    return FSD ? FSD->HintWindow.get() : nullptr;
}

bool TlxSkinHintWindow::Prepare() {
    FspHint.Set(FindActiveSkinHint());
    TlxSkinHint* hint = FspHint;
    FSD.Set(nullptr);
    if (!hint) return false;
    TlxSkinData* sd = hint->SkinData();
    if (sd && !sd->Empty && sd->HintWindow && sd->HintWindow->WindowPictureIndex != -1) {
        TBitmap* picture = sd->ActivePicture(sd->HintWindow->WindowPictureIndex);
        if (picture && !picture->Empty()) FSD.Set(sd);
    }
    return true;
}

void TlxSkinHintWindow::ApplyFont(TCanvas* C) const {
    TlxSkinHint* hint = FspHint;
    const TFont& defaultFont = *hint->DefaultFont();
    if (TlxDataSkinHintWindow* d = Description(); d && hint->UseSkinFont()) {
        C->Font()->SetHeight(d->FontHeight);
        C->Font()->SetName(d->FontName);
        C->Font()->SetStyle(d->FontStyle);
    } else {
        C->Font()->Assign(defaultFont);
    }
    C->Font()->SetCharset(SkinCharset(hint->SkinData(), defaultFont));
}

bool TlxSkinHintWindow::HasPicture() const {
    return FImageList && FImageIndex >= 0 && FImageIndex < FImageList->Count();
}

int TlxSkinHintWindow::TitleHeight(TCanvas* C) const {
    if (FTitle.empty()) return 0;
    const TFontStyles old = C->Font()->Style();
    TFontStyles bold = old;
    bold.Include(fsBold);
    C->Font()->SetStyle(bold);
    const int h = Measure(C, FTitle).cy;
    C->Font()->SetStyle(old);
    return h;
}

// ---- size

void TlxSkinHintWindow::FitSkin(int& W, int& H) {
    TlxDataSkinHintWindow* d = Description();
    TBitmap* picture = FSD->ActivePicture(d->WindowPictureIndex);
    const int pw = picture->Width(), ph = picture->Height();
    int dx = W - pw, dy = H - ph;
    // The stretched corners keep their order: the window grows instead.
    if (d->RTPoint.X + dx < d->LTPoint.X) {
        W += d->LTPoint.X - (d->RTPoint.X + dx);
        dx = W - pw;
    }
    if (d->RBPoint.X + dx < d->LBPoint.X) {
        W += d->LBPoint.X - (d->RBPoint.X + dx);
        dx = W - pw;
    }
    if (d->LBPoint.Y + dy < d->LTPoint.Y) {
        H += d->LTPoint.Y - (d->LBPoint.Y + dy);
        dy = H - ph;
    }
    if (d->RBPoint.Y + dy < d->RTPoint.Y) {
        H += d->RTPoint.Y - (d->RBPoint.Y + dy);
        dy = H - ph;
    }
    NewClRect = {d->ClRect.Left, d->ClRect.Top, d->ClRect.Right + dx, d->ClRect.Bottom + dy};
    NewLTPoint = d->LTPoint;
    NewRTPoint = {d->RTPoint.X + dx, d->RTPoint.Y};
    NewLBPoint = {d->LBPoint.X, d->LBPoint.Y + dy};
    NewRBPoint = {d->RBPoint.X + dx, d->RBPoint.Y + dy};
}

void TlxSkinHintWindow::CalcHintSize(int& W, int& H) {
    TBitmap scratch(1, 1);
    TCanvas* c = scratch.Canvas();
    ApplyFont(c);
    const TSize text = Measure(c, Text());
    W = text.cx;
    H = text.cy;
    TlxDataSkinHintWindow* d = Description();
    if (!d) {
        W += 4;
        H += 4;
        return;
    }
    TBitmap* picture = FSD->ActivePicture(d->WindowPictureIndex);
    W += d->ClRect.Left + picture->Width() - d->ClRect.Right + 5;
    H += d->ClRect.Top + picture->Height() - d->ClRect.Bottom;
    FitSkin(W, H);
}

void TlxSkinHintWindow::CalcExtendedHintSize(int& W, int& H) {
    TBitmap scratch(1, 1);
    TCanvas* c = scratch.Canvas();
    ApplyFont(c);
    const TSize text = Measure(c, Text());
    W = text.cx;
    H = text.cy;
    int titleHeight = 0;
    if (!FTitle.empty()) {
        const TFontStyles old = c->Font()->Style();
        TFontStyles bold = old;
        bold.Include(fsBold);
        c->Font()->SetStyle(bold);
        const TSize title = Measure(c, FTitle);
        c->Font()->SetStyle(old);
        titleHeight = title.cy;
        H += title.cy + 10;
        W = std::max(W, title.cx);
    }
    if (HasPicture()) {
        W += FImageList->Width() + 10;
        H = std::max(H, FImageList->Height() + titleHeight + 5);
    }
    TlxDataSkinHintWindow* d = Description();
    if (!d) {
        W += 4;
        H += 4;
        return;
    }
    TBitmap* picture = FSD->ActivePicture(d->WindowPictureIndex);
    W += 10 + d->ClRect.Left + picture->Width() - d->ClRect.Right;
    H += d->ClRect.Top + picture->Height() - d->ClRect.Bottom;
    FitSkin(W, H);
}

// ---- showing

void TlxSkinHintWindow::KeepInWorkArea(TRect& R) const {
    TCustomForm* form = Screen ? Screen->ActiveForm() : nullptr;
    if (!form && Application && Application->MainForm() && Application->MainForm()->Visible())
        form = Application->MainForm();
    const TRect wa =
        form && form->HandleAllocated() ? GetMonitorWorkArea(form->Handle(), true) : GetScreenWorkArea(false);
    const int w = R.Width(), h = R.Height();
    // Past the right or bottom edge the hint goes to the other side of the
    // point it was shown at.
    if (R.Right > wa.Right) OffsetRect(R, -(w + 2), 0);
    if (R.Bottom > wa.Bottom) OffsetRect(R, 0, -(h + 2));
    // Then inside on every edge, the left and top ones winning.
    if (R.Right > wa.Right) OffsetRect(R, wa.Right - R.Right, 0);
    if (R.Bottom > wa.Bottom) OffsetRect(R, 0, wa.Bottom - R.Bottom);
    if (R.Left < wa.Left) OffsetRect(R, wa.Left - R.Left, 0);
    if (R.Top < wa.Top) OffsetRect(R, 0, wa.Top - R.Top);
}

void TlxSkinHintWindow::ActivateHint(const TRect& Rect, const std::string& AHint) {
    FTitle.clear();
    FImageIndex = -1;
    FImageList.Set(nullptr);
    if (!Prepare()) return;
    TlxSkinHint* hint = FspHint;
    // The application's window: the hovered skinned control lends its title
    // and picture.
    if (FFromApplication) hint->ShowHintHandler(Application ? Application->HintControl() : nullptr);
    if (!hint->HintTitle().empty() || hint->HintImageList()) {
        ActivateHintEx(Rect, hint->HintTitle(), AHint, hint->HintImageIndex(), hint->HintImageList());
        return;
    }
    Show(Rect, AHint, TPlace::At, false);
}

void TlxSkinHintWindow::ActivateHintEx(const TRect& Rect, const std::string& AHintTitle,
                                       const std::string& AHint, int AImageIndex,
                                       TCustomImageList* AImageList) {
    FTitle = AHintTitle;
    FImageIndex = AImageIndex;
    FImageList.Set(AImageList);
    Show(Rect, AHint, TPlace::At, true);
}

void TlxSkinHintWindow::ActivateHintFromRect(const TRect& ARect, const std::string& AHint, bool ATop) {
    Show(ARect, AHint, ATop ? TPlace::Above : TPlace::Below, AExtendedStyle);
}

void TlxSkinHintWindow::Show(const TRect& Rect, const std::string& AHint, TPlace Place, bool Extended) {
    TKeepAlive alive(this);
    if (!Prepare()) return;
    TlxSkinHint* hint = FspHint;
    AExtendedStyle = Extended;
    SetText(ReplaceAll(AHint, hint->LineSeparator(), "\r\n"));
    int w = 0, h = 0;
    if (Extended)
        CalcExtendedHintSize(w, h);
    else
        CalcHintSize(w, h);
    w = std::max(w, 1);
    h = std::max(h, 1);
    TRect r{Rect.Left, Rect.Top, Rect.Left + w, Rect.Top + h};
    if (Place != TPlace::At) {
        const int left = Rect.Left + Rect.Width() / 2 - w / 2;
        const int top = Place == TPlace::Above ? Rect.Top - h : Rect.Bottom;
        r = {left, top, left + w, top + h};
    }
    KeepInWorkArea(r);
    EndFade();
    SetBounds(r.Left, r.Top, w, h);
    HandleNeeded();
    SetHintRegion();
    ApplyAlpha();
    THintWindow::ActivateHint(r, Text());
    if (FreePending()) return;
    if (hint->AlphaBlend() && hint->AlphaBlendAnimation() && LayeredWindowsSupported()) {
        // On a timer: the loop serves input while the hint fades in.
        FFadeTarget = hint->AlphaBlendValue();
        FFadeTimer->SetEnabled(true);
        FadeStep();
    }
}

void TlxSkinHintWindow::ApplyAlpha() {
    if (!LayeredWindowsSupported() || !HandleAllocated()) return;
    TlxSkinHint* hint = FspHint;
    HWND wnd = Handle();
    const bool on = hint->AlphaBlend();
    if (on != FOldAlphaBlend) {
        const auto style = GetWindowLongPtr(wnd, GWL_EXSTYLE);
        SetWindowLongPtr(wnd, GWL_EXSTYLE, on ? (style | WS_EX_LAYERED) : (style & ~WS_EX_LAYERED));
        FOldAlphaBlend = on;
        if (!on) FWindowAlpha = 255;
    }
    if (!on) return;
    FWindowAlpha = hint->AlphaBlendAnimation() ? 0 : hint->AlphaBlendValue();
    FOldAlphaBlendValue = hint->AlphaBlendValue();
    SetLayeredWindowAttributes(wnd, 0, static_cast<Byte>(FWindowAlpha), LWA_ALPHA);
}

void TlxSkinHintWindow::FadeStep() {
    if (FFadeTarget < 0 || !HandleAllocated()) {
        EndFade();
        return;
    }
    FWindowAlpha = std::min(FWindowAlpha + FadeStepOf(FFadeTarget), FFadeTarget);
    SetLayeredWindowAttributes(Handle(), 0, static_cast<Byte>(FWindowAlpha), LWA_ALPHA);
    if (FWindowAlpha >= FFadeTarget) EndFade();
}

void TlxSkinHintWindow::EndFade() {
    FFadeTimer->SetEnabled(false);
    if (FFadeTarget >= 0) {
        FWindowAlpha = FFadeTarget;
        if (HandleAllocated())
            SetLayeredWindowAttributes(Handle(), 0, static_cast<Byte>(FWindowAlpha), LWA_ALPHA);
    }
    FFadeTarget = -1;
}

void TlxSkinHintWindow::SetHintRegion() {
    if (!HandleAllocated()) return;
    TlxDataSkinHintWindow* d = Description();
    TBitmap* mask = d ? FSD->ActivePicture(d->MaskPictureIndex) : nullptr;
    if (!mask || mask->Empty()) {
        SetWindowRgn(Handle(), nullptr, true);
        return;
    }
    HRGN rgn = nullptr;
    CreateSkinRgn(rgn, d->LTPoint, d->RTPoint, d->LBPoint, d->RBPoint, d->ClRect, NewLTPoint, NewRTPoint,
                  NewLBPoint, NewRBPoint, NewClRect, mask, Width(), Height());
    SetWindowRgn(Handle(), rgn, true);
}

void TlxSkinHintWindow::HideWindow() {
    EndFade();
    ReleaseHandle();
}

// ---- painting

void TlxSkinHintWindow::Paint() {
    TlxSkinHint* hint = FspHint;
    if (!hint) return;
    // The skin may have changed since the showing: looked up again.
    Prepare();
    const int w = Width(), h = Height();
    TBitmap b(w, h);
    TCanvas* c = b.Canvas();
    TlxDataSkinHintWindow* d = Description();
    if (d) {
        TBitmap* picture = FSD->ActivePicture(d->WindowPictureIndex);
        CreateSkinImage(d->LTPoint, d->RTPoint, d->LBPoint, d->RBPoint, d->ClRect, NewLTPoint, NewRTPoint,
                        NewLBPoint, NewRBPoint, NewClRect, &b, picture,
                        {0, 0, picture->Width(), picture->Height()}, w, h, true, d->LeftStretch,
                        d->TopStretch, d->RightStretch, d->BottomStretch, d->StretchEffect, d->StretchType);
    } else {
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clInfoBk);
        c->FillRect({0, 0, w, h});
        c->Brush()->SetColor(clBtnShadow);
        c->FrameRect({0, 0, w, h});
    }
    ApplyFont(c);
    c->Font()->SetColor(d ? d->FontColor : clInfoText);
    c->Brush()->SetStyle(bsClear);
    const std::string text = Text();
    const TSize size = Measure(c, text);
    const TRect area = d ? NewClRect : TRect{2, 2, w - 2, h - 2};
    if (!AExtendedStyle) {
        TRect r = area;
        if (d) {
            // Centred both ways in the client part.
            r.Top += (area.Height() - size.cy) / 2;
            DrawText(c->Handle(), text, r, DT_CENTER | DT_NOPREFIX);
        } else {
            DrawText(c->Handle(), text, r, DT_NOPREFIX);
        }
    } else {
        const int titleHeight = TitleHeight(c);
        const int inset = d ? 5 : 0;
        const int a = FTitle.empty() ? 0 : titleHeight + 5;
        if (!FTitle.empty()) {
            const TFontStyles old = c->Font()->Style();
            TFontStyles bold = old;
            bold.Include(fsBold);
            c->Font()->SetStyle(bold);
            TRect tr{area.Left + inset, area.Top, area.Right, area.Bottom};
            DrawText(c->Handle(), FTitle, tr, DT_NOPREFIX | DT_SINGLELINE);
            c->Font()->SetStyle(old);
        }
        int textLeft = area.Left + inset;
        if (HasPicture()) {
            const int y =
                FTitle.empty() ? area.Top + (area.Height() - FImageList->Height()) / 2 : area.Top + a;
            FImageList->Draw(c, area.Left + inset, y, FImageIndex, true);
            textLeft = area.Left + inset + FImageList->Width() + (d ? 5 : 7);
        }
        const int textTop = FTitle.empty() ? area.Top + (area.Height() - size.cy) / 2 : area.Top + a;
        TRect tr{textLeft, textTop, area.Right, area.Bottom};
        DrawText(c->Handle(), text, tr, DT_NOPREFIX);
    }
    Canvas()->Draw(0, 0, &b);
}

void TlxSkinHintWindow::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_NCPAINT:
        return;
    case WM_ERASEBKGND:
        // Paint draws the whole window.
        Message.Result = 1;
        return;
    }
    THintWindow::Dispatch(Message);
}
