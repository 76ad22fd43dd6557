// The skinned edit's two looks: the frame in the non-client area and the
// background behind the text, each skinned or built-in, drawn from the state
// the handlers keep.

#include "platform/base/Utf8.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/SkinResizeButton.h"
#include "skin/controls/TlxSkinCustomEdit.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/SkinImages.h"

#include <algorithm>

void TlxSkinCustomEdit::DrawFrameImage(TBitmap& B) {
    GetSkinData();
    CalcEditRect();
    const int w = Width(), h = Height();
    B.SetSize(w, h);
    TCanvas& c = *B.Canvas();
    const bool active = FMouseIn || Focused();
    if (!Skinned()) {
        const TRect area{0, 0, w - (FButtonMode ? FButtonRect.Width() : 0), h};
        c.Brush()->SetColor(FDefaultColor);
        c.FillRect(area);
        c.Brush()->SetColor(clBtnShadow);
        c.FrameRect(area);
        c.Brush()->SetColor(clBtnFace);
        c.FrameRect({area.Left + 1, area.Top + 1, area.Right - 1, area.Bottom - 1});
        if (FButtonMode) DrawPressablePart(c, FButtonRect, FButtonDown && FButtonActive, FButtonActive);
        return;
    }
    TBitmap* picture = Picture();
    const TRect& source = active ? ActiveSkinRect : SkinRect;
    if (FUseSkinFont) {
        TBitmap strip;
        CreateHSkinImage(LOffset, ROffset, &strip, picture, source, w, StretchEffect);
        c.Draw(0, 0, &strip);
        if (FButtonMode) {
            TRect state;
            if (!Enabled() && !UnEnabledButtonRect.IsEmpty())
                state = UnEnabledButtonRect;
            else if (FButtonDown && FButtonActive)
                state = DownButtonRect;
            else if (FButtonActive)
                state = ActiveButtonRect;
            // The normal button is part of the frame picture.
            if (!state.IsEmpty()) CopyPicturePart(c, FButtonRect, picture, state);
        }
        return;
    }
    CreateSkinImageByClient(&B, picture, source, ClRect, false);
    if (FButtonMode) DrawEditButton(c);
}

void TlxSkinCustomEdit::DrawEditButton(TCanvas& C) {
    TlxDataSkinButtonControl* d = FindButtonDescription(SkinData(), {"editbutton", "resizebutton"});
    if (!d || FButtonRect.IsEmpty()) return;
    TBitmap b;
    CreateResizedButtonImage(SkinData(), *d, ButtonStateRect(*d, FButtonDown && FButtonActive, FButtonActive),
                             FButtonRect.Width(), FButtonRect.Height(), b);
    C.Draw(FButtonRect.Left, FButtonRect.Top, &b);
}

void TlxSkinCustomEdit::DrawEditBackground(TCanvas& C, const TRect& Dest) {
    if (Dest.IsEmpty()) return;
    if (!Skinned()) {
        C.Brush()->SetColor(FDefaultColor);
        C.FillRect(Dest);
        return;
    }
    const TRect& state = FMouseIn || Focused() ? ActiveSkinRect : SkinRect;
    const TRect source{state.Left + ClRect.Left, state.Top + ClRect.Top, state.Left + ClRect.Right,
                       state.Top + ClRect.Bottom};
    const int left = std::max(LOffset - ClRect.Left, 0);
    const int right = std::max(ClRect.Right + ROffset - SkinRect.Width(), 0);
    TBitmap strip;
    CreateHSkinImage(left, right, &strip, Picture(), source, Dest.Width(), StretchEffect);
    if (strip.Width() <= 0 || strip.Height() <= 0) {
        C.Brush()->SetColor(FDefaultColor);
        C.FillRect(Dest);
        return;
    }
    if (FUseSkinFont)
        C.Draw(Dest.Left, Dest.Top, &strip);
    else
        C.StretchDraw(Dest, &strip);
}

void TlxSkinCustomEdit::DrawImageButtons(TCanvas& C) {
    TCustomImageList* images = Images();
    if (!images) return;
    auto valid = [images](int Index) { return Index >= 0 && Index < images->Count(); };
    auto draw = [&](const TlxCBButtonX& B, int Normal, int Hot, int Down) {
        if (!valid(Normal) || B.R.IsEmpty()) return;
        int index = Normal;
        if (B.Down && B.MouseIn && valid(Down))
            index = Down;
        else if (B.MouseIn && valid(Hot))
            index = Hot;
        const int y = std::max(B.R.Top, Centred(B.R.Top, B.R.Height(), images->Height()));
        images->Draw(&C, B.R.Left, y, index, Enabled());
    };
    draw(LeftButton, FLeftImageIndex, FLeftImageHotIndex, FLeftImageDownIndex);
    draw(RightButton, FRightImageIndex, FRightImageHotIndex, FRightImageDownIndex);
}

void TlxSkinCustomEdit::PaintBackground(HDC DC, const TRect& Client) {
    if (Client.IsEmpty()) return;
    GetSkinData();
    TBitmap b(Client.Width(), Client.Height());
    DrawEditBackground(*b.Canvas(), {0, 0, Client.Width(), Client.Height()});
    DrawImageButtons(*b.Canvas());
    TCanvas c(DC);
    c.Draw(Client.Left, Client.Top, &b);
    c.SetHandle(nullptr);
}

void TlxSkinCustomEdit::SetDisplayFont(TFont& F, bool Disabled) {
    if (Skinned() && FUseSkinFont) {
        F.SetName(FontName);
        F.SetStyle(FontStyle);
        F.SetHeight(FontHeight);
        F.SetColor(Disabled ? DisabledFontColor : FontColor);
    } else {
        F.Assign(FDefaultFont);
        if (Disabled) F.SetColor(Skinned() ? DisabledFontColor : clGrayText);
    }
    F.SetCharset(SkinCharset(SkinData(), FDefaultFont));
}

void TlxSkinCustomEdit::DrawAlignedText(TCanvas& C, const TRect& R, const std::string& AText) {
    const int tw = C.TextWidth(AText);
    int x = R.Left + 2;
    if (FAlignment == taRightJustify)
        x = R.Right - tw - 1;
    else if (FAlignment == taCenter)
        x = Centred(R.Left, R.Width(), tw);
    C.Brush()->SetStyle(bsClear);
    C.TextRect(R, x, R.Top, AText);
}

void TlxSkinCustomEdit::PaintWindow(HDC DC) {
    if (Enabled()) {
        TlxCustomEdit::PaintWindow(DC);
        return;
    }
    // Disabled, the text is drawn in the description's disabled colour.
    const TRect client = ClientRect();
    PaintBackground(DC, client);
    TCanvas c(DC);
    SetDisplayFont(*c.Font(), true);
    DrawAlignedText(c, FTextRect.IsEmpty() ? client : FTextRect, Utf8Encode(DisplayText()));
    c.SetHandle(nullptr);
}

void TlxSkinCustomEdit::PaintSkinTo(TCanvas* Canvas, int X, int Y, const std::string& AText) {
    if (!Canvas) return;
    TBitmap b;
    DrawFrameImage(b);
    const TRect text{FEditRect.Left + (FTextRect.Left > 0 ? FTextRect.Left : 0), FEditRect.Top,
                     FEditRect.Left + (FTextRect.IsEmpty() ? FEditRect.Width() : FTextRect.Right),
                     FEditRect.Bottom};
    DrawEditBackground(*b.Canvas(), FEditRect);
    TCanvas& c = *b.Canvas();
    SetDisplayFont(*c.Font(), false);
    DrawAlignedText(c, text, AText);
    Canvas->Draw(X, Y, &b);
}
