// The office combo box's looks over its state (open, hot or focused, button
// pressed, the item shown): tool-button style and classic style, each
// built in and skinned.
#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/TlxSkinCustomOfficeComboBox.h"

#include "platform/gdi/Text.h"
#include "skin/engine/DataSkinListControls.h"
#include "skin/engine/DrawImageAndText.h"
#include "skin/engine/SkinGlyphs.h"
#include "skin/engine/SkinImages.h"
#include "skin/engine/SkinText.h"

namespace {

constexpr uint32_t OwnerDrawFocused = 0x0010;

template <class D> D* Find(TlxSkinData* SD, const std::string& Name) {
    if (!SD || SD->Empty) return nullptr;
    const int i = SD->GetControlIndex(Name);
    if (i < 0 || i >= static_cast<int>(SD->CtrlList.size())) return nullptr;
    return dynamic_cast<D*>(SD->CtrlList[i].get());
}

// Rectangle R (a state of D's skin rectangle) of the picture grown to
// W x H: the right points and the client's right edge move by the growth in
// width, the bottom ones by the growth in height.
void GrownImage(TBitmap& B, const TlxDataSkinCustomControl& D, TBitmap* Picture, const TRect& R, int W,
                int H) {
    const int dw = W - D.SkinRect.Width(), dh = H - D.SkinRect.Height();
    const TRect cl{D.ClRect.Left, D.ClRect.Top, D.ClRect.Right + dw, D.ClRect.Bottom + dh};
    CreateSkinImage(D.LTPoint, D.RTPoint, D.LBPoint, D.RBPoint, D.ClRect, D.LTPoint,
                    {D.RTPoint.X + dw, D.RTPoint.Y}, {D.LBPoint.X, D.LBPoint.Y + dh},
                    {D.RBPoint.X + dw, D.RBPoint.Y + dh}, cl, &B, Picture, R, W, H, true, D.LeftStretch,
                    D.TopStretch, D.RightStretch, D.BottomStretch, D.StretchEffect, D.StretchType);
}

// The part of the description's own picture named by the marker rectangle
// to use, centred in R.
void DrawMarker(TCanvas& C, const TRect& R, TBitmap* Picture, const TlxDataSkinButtonControl& D, bool Open,
                bool Hot, int DY = 0) {
    TRect part = D.MenuMarkerRect;
    if (Open && !D.MenuMarkerDownRect.IsEmpty())
        part = D.MenuMarkerDownRect;
    else if ((Hot || Open) && !D.MenuMarkerActiveRect.IsEmpty())
        part = D.MenuMarkerActiveRect;
    DrawPicturePart(C, R.Left + R.Width() / 2 - part.Width() / 2,
                    R.Top + R.Height() / 2 - part.Height() / 2 + DY, Picture, part, true,
                    D.MenuMarkerTransparentColor);
}

} // namespace

void TlxSkinCustomOfficeComboBox::CreateControlDefaultImage(TBitmap& B) {
    PaintImage(B, nullptr);
}

void TlxSkinCustomOfficeComboBox::CreateControlSkinImage(TBitmap& B) {
    PaintImage(B, nullptr);
}

void TlxSkinCustomOfficeComboBox::PaintSkinTo(TCanvas* C, int X, const std::string& AText, int Y) {
    GetSkinData();
    int w = Width(), h = Height();
    CalcSize(w, h);
    TBitmap b(Width(), Height());
    PaintImage(b, &AText);
    C->Draw(X, Y, &b);
}

void TlxSkinCustomOfficeComboBox::PaintImage(TBitmap& B, const std::string* Text) {
    CalcRects();
    if (FToolButtonStyle) {
        if (Skinned())
            DrawSkinToolButton(B, Text);
        else
            DrawDefaultToolButton(B, Text);
    } else if (Skinned()) {
        DrawClassicSkin(B, Text);
    } else {
        DrawClassicDefault(B, Text);
    }
}

void TlxSkinCustomOfficeComboBox::DrawItemContent(TCanvas& C, TRect R, int Index, const std::string* Text) {
    if (Index < 0 || Index >= Items()->Count()) return;
    const TlxSkinOfficeItem& item = *Items()->Items(Index);
    const std::string& caption = Text ? *Text : item.Caption();
    C.Brush()->SetStyle(bsClear);
    if (FShowItemText && FShowItemTitle && !item.Title().empty()) {
        const TFontStyles plain = C.Font()->Style();
        C.Font()->SetStyle(plain + fsBold);
        TRect title{R.Left, R.Top, R.Right, R.Top + C.TextHeight(item.Title())};
        DrawText(C.Handle(), item.Title(), title, 0);
        C.Font()->SetStyle(plain);
        R.Top = title.Bottom - 2;
    }
    if (FShowItemText && !FShowItemImage) TextRectVCenter(&C, caption, R);
    if (FShowItemImage)
        DrawImageAndLeftText(&C, R, 0, 2, blGlyphLeft, FShowItemText ? caption : std::string(),
                             item.ImageIndex(), Images(), false, Enabled(), false, clNone);
}

// ---- Tool-button style

void TlxSkinCustomOfficeComboBox::DrawDefaultToolButton(TBitmap& B, const std::string* Text) {
    TCanvas& c = *B.Canvas();
    const int w = B.Width(), h = B.Height();
    DrawPressablePart(c, {0, 0, w, h}, FDropDown, Hot());
    TRect text{2, 2, w - 17, h - 2};
    TRect arrow{w - 15, 0, w, h};
    if (FDropDown) {
        OffsetRect(text, 2, 2);
        arrow.Left += 2;
        arrow.Top += 2;
    }
    c.Font()->Assign(FDefaultFont);
    DrawItemContent(c, text, ShownIndex(), Text);
    DrawDropDownArrow(&c, arrow, c.Font()->Color());
}

void TlxSkinCustomOfficeComboBox::DrawSkinToolButton(TBitmap& B, const std::string* Text) {
    TlxSkinData* sd = SkinData();
    auto* d = Find<TlxDataSkinButtonControl>(sd, "resizetoolbutton");
    if (!d) d = Find<TlxDataSkinButtonControl>(sd, "resizebutton");
    if (!d) return;
    TBitmap* picture = sd->ActivePicture(d->PictureIndex);
    TRect state = FDropDown ? d->DownSkinRect : Hot() ? d->ActiveSkinRect : d->SkinRect;
    if (state.IsEmpty()) state = d->SkinRect;
    const int w = B.Width(), h = B.Height();
    GrownImage(B, *d, picture, ClipToPicture(state, picture), w, h);
    TCanvas& c = *B.Canvas();
    TRect text{2, 2, w - 17, h - 2};
    TRect arrow{w - 15, 0, w, h};
    if (FDropDown) {
        OffsetRect(text, 2, 2);
        arrow.Left += 2;
        arrow.Top += 2;
    }
    c.Font()->Assign(FDefaultFont);
    if (FUseSkinFont) {
        c.Font()->SetName(d->FontName);
        c.Font()->SetStyle(d->FontStyle);
        c.Font()->SetHeight(d->FontHeight);
    }
    c.Font()->SetCharset(SkinCharset(sd, FDefaultFont));
    c.Font()->SetColor(FDropDown   ? d->DownFontColor
                       : Hot()     ? d->ActiveFontColor
                       : Enabled() ? d->FontColor
                                   : d->DisabledFontColor);
    DrawItemContent(c, text, ShownIndex(), Text);
    if (!d->MenuMarkerRect.IsEmpty())
        DrawMarker(c, arrow, picture, *d, FDropDown, FMouseIn);
    else
        DrawDropDownArrow(&c, arrow, FDropDown ? d->DownFontColor : c.Font()->Color());
}

// ---- Classic style

void TlxSkinCustomOfficeComboBox::DrawClassicDefault(TBitmap& B, const std::string* Text) {
    TCanvas& c = *B.Canvas();
    const TRect all{0, 0, B.Width(), B.Height()};
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(clBtnFace);
    c.FillRect(all);
    c.Brush()->SetColor(clBtnShadow);
    c.FrameRect(all);
    c.Brush()->SetColor(FDefaultColor);
    c.FillRect({1, 1, all.Right - 1, all.Bottom - 1});
    DrawButton(c);
    DrawItemBitmap(c, Text, false);
}

void TlxSkinCustomOfficeComboBox::DrawButton(TCanvas& C) {
    if (!Skinned()) {
        DrawPressablePart(C, Button.R, ButtonPressed(), Button.MouseIn);
        DrawArrowImage(&C, Button.R, Enabled() ? clBlack : clBtnShadow, 4);
        return;
    }
    TRect part;
    if (!Enabled() && !UnEnabledButtonRect.IsEmpty())
        part = UnEnabledButtonRect;
    else if (ButtonPressed())
        part = DownButtonRect;
    else if (Button.MouseIn)
        part = ActiveButtonRect;
    // The normal state is part of the skin image.
    CopyPicturePart(C, Button.R, Picture(), part);
}

void TlxSkinCustomOfficeComboBox::DrawSkinButton(TCanvas& C) {
    TlxSkinData* sd = SkinData();
    auto* d = Find<TlxDataSkinButtonControl>(sd, "combobutton");
    if (!d) d = Find<TlxDataSkinButtonControl>(sd, "editbutton");
    if (!d) d = Find<TlxDataSkinButtonControl>(sd, "resizebutton");
    if (!d || Button.R.IsEmpty()) return;
    TBitmap* picture = sd->ActivePicture(d->PictureIndex);
    const bool pressed = ButtonPressed();
    TRect state = d->SkinRect;
    if (pressed)
        state = !d->DownSkinRect.IsEmpty()     ? d->DownSkinRect
                : !d->ActiveSkinRect.IsEmpty() ? d->ActiveSkinRect
                                               : state;
    else if (Button.MouseIn && !d->ActiveSkinRect.IsEmpty())
        state = d->ActiveSkinRect;
    TBitmap b(Button.R.Width(), Button.R.Height());
    GrownImage(b, *d, picture, ClipToPicture(state, picture), b.Width(), b.Height());
    TCanvas& bc = *b.Canvas();
    if (!d->MenuMarkerRect.IsEmpty()) {
        DrawMarker(bc, {0, 0, b.Width(), b.Height()}, picture, *d, pressed, Button.MouseIn, pressed ? 1 : 0);
    } else if (Enabled()) {
        const TColor color = pressed ? d->DownFontColor : Button.MouseIn ? d->ActiveFontColor : d->FontColor;
        DrawArrowImage(&bc, pressed ? TRect{0, 2, b.Width(), b.Height()} : TRect{0, 0, b.Width(), b.Height()},
                       color, 4);
    }
    C.Draw(Button.R.Left, Button.R.Top, &b);
}

void TlxSkinCustomOfficeComboBox::DrawClassicSkin(TBitmap& B, const std::string* Text) {
    TBitmap* picture = Picture();
    const bool active = Hot() && !ActiveSkinRect.IsEmpty();
    if (!FUseSkinSize) {
        CreateSkinImageByClient(&B, picture,
                                ClipToPicture(active ? ActiveSkinRect : Geometry.SkinRect, picture),
                                Geometry.ClRect, true);
        DrawSkinButton(*B.Canvas());
    } else {
        if (active)
            CreateHSkinImage(Geometry.LTPt.X, ActiveSkinRect.Width() - Geometry.RTPt.X, &B, picture,
                             ClipToPicture(ActiveSkinRect, picture), B.Width(), false);
        else
            TlxSkinCustomControl::CreateControlSkinImage(B);
        DrawButton(*B.Canvas());
    }
    DrawItemBitmap(*B.Canvas(), Text, true);
}

void TlxSkinCustomOfficeComboBox::DrawItemBitmap(TCanvas& C, const std::string* Text, bool Skinned) {
    if (CBItem.R.IsEmpty()) return;
    const bool focused = Focused();
    TBitmap b(CBItem.R.Width(), CBItem.R.Height());
    TCanvas& bc = *b.Canvas();
    TlxSkinData* sd = SkinData();
    bc.Font()->Assign(Skinned ? FDefaultFont : FFont);
    if (!Skinned) {
        bc.Brush()->SetColor(focused ? clHighlight : FDefaultColor);
        bc.FillRect({0, 0, b.Width(), b.Height()});
        bc.Font()->SetColor(focused ? clHighlightText : FDefaultFont.Color());
    } else {
        // The box's own background under the item, then the item's picture.
        bc.CopyRect({0, 0, b.Width(), b.Height()}, C, CBItem.R);
        const TRect source = focused                              ? FocusItemRect
                             : Hot() && !ActiveItemRect.IsEmpty() ? ActiveItemRect
                                                                  : SItemRect;
        if (!source.IsEmpty())
            CreateSkinImageByClient(&b, Picture(), ClipToPicture(source, Picture()), ItemTextRect, true);
        if (FUseSkinFont) {
            bc.Font()->SetName(FontName);
            bc.Font()->SetStyle(FontStyle);
            bc.Font()->SetHeight(FontHeight);
        }
        bc.Font()->SetColor(focused                              ? FocusFontColor
                            : Hot() && !ActiveSkinRect.IsEmpty() ? ActiveFontColor
                                                                 : FontColor);
    }
    bc.Font()->SetCharset(SkinCharset(sd, FDefaultFont));
    CBItem.State = focused ? OwnerDrawFocused : 0;
    TRect text{2, 0, b.Width() - 2, b.Height()};
    if (Skinned) text.Left += 1;
    if (OnDrawItem && !Text)
        OnDrawItem(&bc, ShownIndex(), text);
    else
        DrawItemContent(bc, text, ShownIndex(), Text);
    if (focused && (!Skinned || ShowFocus)) {
        if (Skinned && sd && sd->SkinColors()) bc.Brush()->SetColor(sd->SkinColors()->cBtnFace());
        bc.DrawFocusRect({0, 0, b.Width(), b.Height()});
    }
    C.Draw(CBItem.R.Left, CBItem.R.Top, &b);
}
