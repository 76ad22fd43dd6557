// The combo box's face: built-in, skinned at the skin's size or at a free
// size, and the tool-button face, each drawn from the state the handlers keep
// (the button's hover and press, the open list, the focus).

#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/SkinItemText.h"
#include "skin/controls/SkinResizeButton.h"
#include "skin/controls/TlxSkinCustomComboBox.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/SkinGlyphs.h"
#include "skin/engine/SkinImages.h"
#include "skin/engine/SkinText.h"

#include <algorithm>

int TlxSkinCustomComboBox::ShownIndex() const {
    // While the list is open the face keeps the item selected before.
    const int index = IsPopupVisible() ? FOldItemIndex : ItemIndex();
    return index >= 0 && index < Items()->Count() ? index : -1;
}

void TlxSkinCustomComboBox::DrawItemOf(TCanvas& C, int Index, const TRect& TxtRect, int W, int H,
                                       const std::string* AText) {
    if (OnComboBoxDrawItem) {
        TKeepAlive alive(this);
        OnComboBoxDrawItem(&C, Index, W, H, TxtRect, CBItem.State);
        return;
    }
    const std::string text = AText ? *AText : Index >= 0 ? Items()->Get(Index) : std::string();
    C.Brush()->SetStyle(bsClear);
    DrawItemImageAndText(C, TxtRect, text, Index, Images(), ImageIndex(), TabStopsOf(*TabWidths()), 0);
}

void TlxSkinCustomComboBox::DrawButton(TCanvas& C) {
    const bool pressed = Button.Down && Button.MouseIn;
    if (!Skinned()) {
        DrawPressablePart(C, Button.R, pressed, Button.MouseIn);
        DrawArrowImage(&C, Button.R, Enabled() ? clBlack : clBtnShadow, 4);
        return;
    }
    TRect source;
    if (!Enabled() && !UnEnabledButtonRect.IsEmpty())
        source = UnEnabledButtonRect;
    else if (pressed)
        source = DownButtonRect;
    else if (Button.MouseIn)
        source = ActiveButtonRect;
    // The normal button is part of the background picture.
    if (!source.IsEmpty()) CopyPicturePart(C, Button.R, Picture(), source);
}

void TlxSkinCustomComboBox::DrawResizeButton(TCanvas& C) {
    TlxDataSkinButtonControl* d =
        FindButtonDescription(SkinData(), {"combobutton", "editbutton", "resizebutton"});
    if (!d || Button.R.IsEmpty()) return;
    const bool pressed = Button.Down && Button.MouseIn;
    TBitmap b;
    CreateResizedButtonImage(SkinData(), *d, ButtonStateRect(*d, pressed, Button.MouseIn), Button.R.Width(),
                             Button.R.Height(), b);
    TCanvas& bc = *b.Canvas();
    const TRect all{0, 0, b.Width(), b.Height()};
    if (d->MenuMarkerRect.IsEmpty() && Enabled()) {
        TRect r = all;
        if (pressed) OffsetRect(r, 0, 2);
        DrawArrowImage(&bc, r,
                       pressed          ? d->DownFontColor
                       : Button.MouseIn ? d->ActiveFontColor
                                        : d->FontColor,
                       4);
    } else if (!d->MenuMarkerRect.IsEmpty()) {
        TRect marker = d->MenuMarkerRect;
        if (pressed && !d->MenuMarkerDownRect.IsEmpty())
            marker = d->MenuMarkerDownRect;
        else if (Button.MouseIn && !d->MenuMarkerActiveRect.IsEmpty())
            marker = d->MenuMarkerActiveRect;
        const TRect m = ClipToPicture(marker, SkinData()->ActivePicture(d->PictureIndex));
        DrawPicturePart(
            bc, Centred(0, b.Width(), m.Width()), Centred(0, b.Height(), m.Height()) + (pressed ? 1 : 0),
            SkinData()->ActivePicture(d->PictureIndex), marker, true, d->MenuMarkerTransparentColor);
    }
    C.Draw(Button.R.Left, Button.R.Top, &b);
}

void TlxSkinCustomComboBox::DrawDefaultItem(TCanvas& C) {
    const int w = CBItem.R.Width(), h = CBItem.R.Height();
    if (w <= 0 || h <= 0) return;
    TBitmap b(w, h);
    TCanvas& bc = *b.Canvas();
    bc.Font()->SetName(Font()->Name());
    bc.Font()->SetStyle(Font()->Style());
    bc.Font()->SetHeight(Font()->Height());
    bc.Font()->SetCharset(GetTextCharset());
    const bool focused = Focused();
    bc.Brush()->SetColor(focused ? clHighlight : FDefaultColor);
    bc.Font()->SetColor(focused ? clHighlightText : DefaultFont()->Color());
    if (!Enabled()) bc.Font()->SetColor(clGrayText);
    bc.FillRect({0, 0, w, h});
    const int index = ShownIndex();
    if (index >= 0) DrawItemOf(bc, index, {2, 0, w - 2, h}, w, h, nullptr);
    if (focused) DrawSkinFocusRect(&bc, {0, 0, w, h});
    C.Draw(CBItem.R.Left, CBItem.R.Top, &b);
}

void TlxSkinCustomComboBox::DrawSkinItem(TCanvas& C, bool Resized) {
    const int w = CBItem.R.Width();
    if (w <= 0) return;
    const bool focused = Focused();
    const bool active = FMouseIn && !ActiveSkinRect.IsEmpty();
    const int h = Resized ? CBItem.R.Height()
                          : (!SItemRect.IsEmpty()       ? SItemRect.Height()
                             : !FocusItemRect.IsEmpty() ? FocusItemRect.Height()
                                                        : CBItem.R.Height());
    if (h <= 0) return;
    TBitmap* picture = Picture();
    TBitmap b(w, h);
    TCanvas& bc = *b.Canvas();
    TRect state = focused                                 ? FocusItemRect
                  : (active && !ActiveItemRect.IsEmpty()) ? ActiveItemRect
                                                          : SItemRect;
    if (state.IsEmpty()) {
        // No item picture: the face under the item shows.
        TBitmap face = ControlImageWithoutItem();
        bc.CopyRect({0, 0, w, h}, *face.Canvas(),
                    {CBItem.R.Left, CBItem.R.Top, CBItem.R.Left + w, CBItem.R.Top + h});
    } else if (!Resized) {
        TBitmap strip;
        CreateHSkinImage(ItemLeftOffset, ItemRightOffset, &strip, picture, state, w,
                         focused ? FocusItemStretchEffect : ItemStretchEffect);
        bc.Draw(0, 0, &strip);
    } else {
        TRect inner = ItemTextRect;
        if (focused) InflateRect(inner, -1, -1);
        inner.Right -= SItemRect.Width() - state.Width();
        CreateSkinImageByClient(&b, picture, state, inner, true);
    }
    TRect text = ItemTextRect;
    text.Right += w - (SItemRect.IsEmpty() ? Geometry.ClRect.Width() : SItemRect.Width());
    if (Resized) text.Bottom += Height() - Geometry.SkinRect.Height();
    if (FUseSkinFont) {
        bc.Font()->SetName(FontName);
        bc.Font()->SetStyle(FontStyle);
        bc.Font()->SetHeight(FontHeight);
    } else {
        bc.Font()->Assign(*DefaultFont());
    }
    bc.Font()->SetCharset(GetTextCharset());
    bc.Font()->SetColor(focused ? FocusFontColor : active ? ActiveFontColor : FontColor);
    // At a free size the text keeps its colour when disabled.
    if (!Enabled() && !Resized) bc.Font()->SetColor(GetDisabledFontColor());
    bc.Brush()->SetStyle(bsClear);
    const int index = ShownIndex();
    if (!OnComboBoxDrawItem && focused && ShowFocus) DrawSkinFocusRect(&bc, {0, 0, w, h});
    if (index >= 0) DrawItemOf(bc, index, text, w, h, nullptr);
    C.Draw(CBItem.R.Left, CBItem.R.Top, &b);
}

TBitmap TlxSkinCustomComboBox::ControlImageWithoutItem() {
    TBitmap b(Width(), Height());
    TlxSkinCustomControl::CreateControlSkinImage(b);
    return b;
}

void TlxSkinCustomComboBox::CreateControlDefaultImage(TBitmap& B) {
    CBItem.State = Focused() ? TOwnerDrawState{odFocused} : TOwnerDrawState{};
    if (FToolButtonStyle) {
        CreateDefaultToolImage(B, nullptr);
        return;
    }
    TCanvas& c = *B.Canvas();
    const TRect all{0, 0, B.Width(), B.Height()};
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(clBtnShadow);
    c.FillRect(all);
    c.Brush()->SetColor(FDefaultColor);
    c.FillRect({1, 1, all.Right - 1, all.Bottom - 1});
    c.Brush()->SetColor(clBtnFace);
    c.FrameRect({1, 1, all.Right - 1, all.Bottom - 1});
    c.Brush()->SetColor(FDefaultColor);
    c.FillRect({2, 2, all.Right - 2, all.Bottom - 2});
    DrawButton(c);
    if (!FEdit) DrawDefaultItem(c);
}

void TlxSkinCustomComboBox::CreateControlSkinImage(TBitmap& B) {
    CBItem.State = Focused() ? TOwnerDrawState{odFocused} : TOwnerDrawState{};
    if (FToolButtonStyle) {
        CreateSkinToolImage(B, nullptr);
        return;
    }
    const bool active = (!ActiveSkinRect.IsEmpty() && FMouseIn) || Focused() || (FEdit && FEdit->Focused());
    TCanvas& c = *B.Canvas();
    TBitmap* picture = Picture();
    if (FUseSkinSize) {
        if (active && !ActiveSkinRect.IsEmpty()) {
            TBitmap strip;
            CreateHSkinImage(Geometry.LTPt.X, Geometry.SkinRect.Width() - Geometry.RTPt.X, &strip, picture,
                             ActiveSkinRect, Width(), Geometry.StretchEffect);
            c.Draw(0, 0, &strip);
        } else {
            TlxSkinCustomControl::CreateControlSkinImage(B);
        }
        DrawButton(c);
    } else {
        const TRect& source = active && !ActiveSkinRect.IsEmpty() ? ActiveSkinRect : Geometry.SkinRect;
        CreateSkinImageByClient(&B, picture, source, Geometry.ClRect, true);
        DrawResizeButton(c);
    }
    if (!FEdit) DrawSkinItem(c, !FUseSkinSize);
}

void TlxSkinCustomComboBox::CreateDefaultToolImage(TBitmap& B, const std::string* AText) {
    TCanvas& c = *B.Canvas();
    const int w = B.Width(), h = B.Height();
    DrawPressablePart(c, {0, 0, w, h}, FDropDown, FMouseIn || Focused());
    TRect text{2, 2, w - 17, h - 2};
    TRect arrow{w - 15, 0, w, h};
    if (FDropDown) {
        OffsetRect(text, 2, 2);
        OffsetRect(arrow, 2, 2);
    }
    c.Font()->Assign(*DefaultFont());
    c.Font()->SetCharset(GetTextCharset());
    c.Brush()->SetStyle(bsClear);
    const int index = ShownIndex();
    if (index >= 0 || AText) DrawItemOf(c, index, text, w, h, AText);
    DrawDropDownArrow(&c, arrow, c.Font()->Color());
}

void TlxSkinCustomComboBox::CreateSkinToolImage(TBitmap& B, const std::string* AText) {
    TlxDataSkinButtonControl* d = FindButtonDescription(SkinData(), {"resizetoolbutton", "resizebutton"});
    if (!d) return;
    const int w = B.Width(), h = B.Height();
    const bool hot = FMouseIn || Focused();
    TRect state = FDropDown ? d->DownSkinRect : hot ? d->ActiveSkinRect : d->SkinRect;
    if (state.IsEmpty()) state = d->SkinRect;
    TBitmap face;
    CreateResizedButtonImage(SkinData(), *d, state, w, h, face);
    TCanvas& c = *B.Canvas();
    c.Draw(0, 0, &face);
    TRect text{2, 2, w - 17, h - 2};
    TRect arrow{w - 15, 0, w, h};
    if (FDropDown) {
        OffsetRect(text, 2, 2);
        OffsetRect(arrow, 2, 2);
    }
    if (FUseSkinFont) {
        c.Font()->SetName(d->FontName);
        c.Font()->SetStyle(d->FontStyle);
        c.Font()->SetHeight(d->FontHeight);
    } else {
        c.Font()->Assign(*DefaultFont());
    }
    c.Font()->SetCharset(GetTextCharset());
    c.Font()->SetColor(FDropDown   ? d->DownFontColor
                       : hot       ? d->ActiveFontColor
                       : Enabled() ? d->FontColor
                                   : d->DisabledFontColor);
    c.Brush()->SetStyle(bsClear);
    const int index = ShownIndex();
    if (index >= 0 || AText) DrawItemOf(c, index, text, w, h, AText);
    if (!d->MenuMarkerRect.IsEmpty()) {
        TRect marker = d->MenuMarkerRect;
        if (FDropDown && !d->MenuMarkerDownRect.IsEmpty())
            marker = d->MenuMarkerDownRect;
        else if ((FDropDown || FMouseIn) && !d->MenuMarkerActiveRect.IsEmpty())
            marker = d->MenuMarkerActiveRect;
        TBitmap* p = SkinData()->ActivePicture(d->PictureIndex);
        const TRect m = ClipToPicture(marker, p);
        DrawPicturePart(c, Centred(arrow.Left, arrow.Width(), m.Width()),
                        Centred(arrow.Top, arrow.Height(), m.Height()), p, marker, true,
                        d->MenuMarkerTransparentColor);
    } else {
        DrawDropDownArrow(&c, arrow, FDropDown ? d->DownFontColor : c.Font()->Color());
    }
}

void TlxSkinCustomComboBox::PaintSkinTo(TCanvas* Canvas, int X, int Y, const std::string& AText) {
    if (!Canvas) return;
    TKeepAlive alive(this);
    TBitmap b(Width(), Height());
    GetSkinData();
    int w = Width(), h = Height();
    CalcSize(w, h);
    const std::string saved = Text();
    SetText(AText);
    if (FreePending()) return;
    TCanvas& c = *b.Canvas();
    CalcRects();
    if (FToolButtonStyle) {
        if (Skinned())
            CreateSkinToolImage(b, &AText);
        else
            CreateDefaultToolImage(b, &AText);
    } else {
        if (!Skinned()) {
            const TlxCBItem keep = CBItem;
            c.Brush()->SetColor(clBtnShadow);
            c.FillRect({0, 0, b.Width(), b.Height()});
            c.Brush()->SetColor(clBtnFace);
            c.FrameRect({1, 1, b.Width() - 1, b.Height() - 1});
            c.Brush()->SetColor(FDefaultColor);
            c.FillRect({2, 2, b.Width() - 2, b.Height() - 2});
            DrawButton(c);
            CBItem = keep;
            c.Font()->Assign(*DefaultFont());
        } else {
            TlxSkinCustomControl::CreateControlSkinImage(b);
            DrawButton(c);
            c.Font()->SetName(FontName);
            c.Font()->SetStyle(FontStyle);
            c.Font()->SetHeight(FontHeight);
            c.Font()->SetColor(FontColor);
        }
        c.Brush()->SetStyle(bsClear);
        const std::vector<int> tabs = TabStopsOf(*TabWidths());
        if (!tabs.empty())
            TabbedTextOut(c.Handle(), CBItem.R.Left + 2,
                          CBItem.R.Top + CBItem.R.Height() / 2 - c.TextHeight(AText) / 2, AText,
                          static_cast<int>(tabs.size()), tabs.data(), 0);
        else
            TextRectVCenter(&c, AText, CBItem.R);
    }
    Canvas->Draw(X, Y, &b);
    SetText(saved);
}
