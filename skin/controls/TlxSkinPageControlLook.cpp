// The skinned page control's painting: the body (frame and page background)
// and the tabs (strip, states, captions and images, close buttons, and the
// flipped and turned tabs of the other positions).
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/TabRotation.h"
#include "skin/controls/TlxSkinPageControl.h"
#include "skin/controls/TlxSkinTabSheet.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/DrawImageAndText.h"
#include "skin/engine/DrawParentImage.h"
#include "skin/engine/SkinBorderImages.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinGlyphs.h"
#include "skin/engine/SkinImages.h"
#include "skin/engine/SkinRects.h"

#include <algorithm>

namespace {

// Tiles of extent Part over Extent, from 0; none for an empty part.
template <class F> void Tile(int PartW, int PartH, int W, int H, F Each) {
    if (PartW <= 0 || PartH <= 0) return;
    for (int y = 0; y < H; y += PartH)
        for (int x = 0; x < W; x += PartW)
            Each(x, y);
}

void FillFramed(TCanvas* C, const TRect& R, TColor Frame, TColor Fill) {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Frame);
    C->FillRect(R);
    C->Brush()->SetColor(Fill);
    C->FillRect({R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1});
}

void Fill(TCanvas* C, const TRect& R, TColor Color) {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Color);
    C->FillRect(R);
}

} // namespace

// ---- the body

TRect TlxSkinPageControl::FrameRect() {
    TRect f = DisplayRect();
    f.Left -= ClRect.Left;
    f.Top -= ClRect.Top;
    f.Right += RectWidth(SkinRect) - ClRect.Right;
    f.Bottom += RectHeight(SkinRect) - ClRect.Bottom;
    return f;
}

TRect TlxSkinPageControl::GetActiveTabRectEx() {
    const int selected = TabIndex();
    if (selected < 0 || PageCount() == 0 || TabCount() == 0 || !ActivePage()) return {};
    TRect r = GetTabRect(selected);
    const int grow = RectHeight(ActiveTabRect) - RectHeight(FTabRect);
    switch (TabPosition()) {
    case tpTop:
        r.Bottom += grow;
        break;
    case tpBottom:
        r.Top -= grow;
        break;
    case tpLeft:
        r.Right += grow;
        break;
    case tpRight:
        r.Left -= grow;
        break;
    }
    return r;
}

void TlxSkinPageControl::DrawSkinPart(TCanvas* C, TBitmap* P, const TRect& Part, const TRect& Dest, int W,
                                      int H) {
    const TRect part = ClipToPicture(Part, P);
    if (part.IsEmpty() || Dest.IsEmpty()) return;
    TBitmap b(part.Width(), part.Height());
    b.Canvas()->CopyRect({0, 0, part.Width(), part.Height()}, *P->Canvas(), part);
    const int saved = SaveDC(C->Handle());
    IntersectClipRect(C->Handle(), Dest.Left, Dest.Top, Dest.Right, Dest.Bottom);
    if (StretchEffect && Skinned()) {
        switch (StretchType) {
        case lxstFull:
            C->StretchDraw({Dest.Left, Dest.Top, Dest.Left + W, Dest.Top + H}, &b);
            break;
        case lxstHorz:
            Tile(b.Width(), H, Dest.Width(), H, [&](int x, int) {
                C->StretchDraw({Dest.Left + x, Dest.Top, Dest.Left + x + b.Width(), Dest.Top + H}, &b);
            });
            break;
        case lxstVert:
            Tile(W, b.Height(), W, Dest.Height(), [&](int, int y) {
                C->StretchDraw({Dest.Left, Dest.Top + y, Dest.Left + W, Dest.Top + y + b.Height()}, &b);
            });
            break;
        }
    } else {
        Tile(b.Width(), b.Height(), Dest.Width(), Dest.Height(),
             [&](int x, int y) { C->Draw(Dest.Left + x, Dest.Top + y, &b); });
    }
    RestoreDC(C->Handle(), saved);
}

void TlxSkinPageControl::PaintClientBG(TCanvas* C, const TRect& R, int W, int H) {
    if (BGPictureIndex == -1) {
        TRect part = ClRect;
        OffsetRect(part, SkinRect.Left, SkinRect.Top);
        DrawSkinPart(C, SkinPicture(FPictureIndex), part, R, W, H);
    } else if (TBitmap* p = SkinPicture(BGPictureIndex)) {
        DrawSkinPart(C, p, {0, 0, p->Width(), p->Height()}, R, W, H);
    }
}

void TlxSkinPageControl::PaintDefaultBody(TCanvas* C) {
    Fill(C, ClientRect(), clBtnFace);
    if (FHideBorder) return;
    TRect d = DisplayRect();
    C->Brush()->SetColor(clBtnShadow);
    C->FrameRect({d.Left - 1, d.Top - 1, d.Right + 1, d.Bottom + 1});
}

void TlxSkinPageControl::PaintSkinBody(TCanvas* C) {
    if (FHideBorder) return;
    const TRect f = FrameRect();
    const int dw = f.Width() - RectWidth(SkinRect), dh = f.Height() - RectHeight(SkinRect);
    TBitmap left(0, 0), top(0, 0), right(0, 0), bottom(0, 0);
    CreateSkinBorderImages(LTPoint, RTPoint, LBPoint, RBPoint, ClRect, LTPoint, {RTPoint.X + dw, RTPoint.Y},
                           {LBPoint.X, LBPoint.Y + dh}, {RBPoint.X + dw, RBPoint.Y + dh},
                           {ClRect.Left, ClRect.Top, ClRect.Right + dw, ClRect.Bottom + dh}, &left, &top,
                           &right, &bottom, SkinPicture(FPictureIndex), SkinRect, f.Width(), f.Height(),
                           LeftStretch, TopStretch, RightStretch, BottomStretch);
    const int saved = SaveDC(C->Handle());
    const TRect active = GetActiveTabRectEx();
    if (!active.IsEmpty() && !FHideTabs)
        ExcludeClipRect(C->Handle(), active.Left, active.Top, active.Right, active.Bottom);
    if (!top.Empty()) C->Draw(f.Left, f.Top, &top);
    if (!left.Empty()) C->Draw(f.Left, f.Top + top.Height(), &left);
    if (!right.Empty()) C->Draw(f.Right - right.Width(), f.Top + top.Height(), &right);
    if (!bottom.Empty()) C->Draw(f.Left, f.Bottom - bottom.Height(), &bottom);
    RestoreDC(C->Handle(), saved);
}

void TlxSkinPageControl::Paint() {
    if (Width() <= 0 || Height() <= 0) return;
    GetSkinData();
    TCanvas* c = Canvas();
    if (!Skinned()) {
        PaintDefaultBody(c);
    } else {
        // What the erase of a control without a shown page would paint.
        if (PageCount() == 0 || TabCount() == 0 || !ActivePage())
            PaintClientBG(c, ClientRect(), Width(), Height());
        PaintSkinBody(c);
    }
    DrawTabs(c);
}

// ---- the tabs

void TlxSkinPageControl::DrawTab(TCanvas* C, int TabIdx, const TRect& Rect, TVisualState State) {
    if (TTabSheet* page = TabPage(TabIdx))
        DrawTab(page->PageIndex(), Rect, State.Contains(vsSelected), TabIdx == FActiveTabIndex, C);
}

void TlxSkinPageControl::DrawTabs(TCanvas* C) {
    if (FHideTabs || PageCount() == 0) return;
    const int selected = TabIndex();
    if (!Skinned()) {
        for (int i = 0; i < TabCount(); ++i)
            DrawTab(C, i, GetTabRect(i), TabVisualState(i));
        return;
    }
    GetSkinData();
    const TRect f = FrameRect();
    TRect area;
    switch (TabPosition()) {
    case tpTop:
        area = {0, 0, Width(), f.Top};
        break;
    case tpBottom:
        area = {0, f.Bottom, Width(), Height()};
        break;
    case tpLeft:
        area = {0, 0, f.Left, Height()};
        break;
    case tpRight:
        area = {f.Right, 0, Width(), Height()};
        break;
    }
    if (area.IsEmpty()) return;
    TBitmap strip(area.Width(), area.Height());
    if (FTabsBGTransparent) {
        DrawParentImageOffset(this, area, strip.Canvas());
    } else {
        TRect part = TabsBGRect;
        if (IsNullRect(part)) {
            part = ClRect;
            OffsetRect(part, SkinRect.Left, SkinRect.Top);
        }
        TBitmap* p = SkinPicture(FPictureIndex);
        part = ClipToPicture(part, p);
        Tile(part.Width(), part.Height(), strip.Width(), strip.Height(), [&](int x, int y) {
            strip.Canvas()->CopyRect({x, y, x + part.Width(), y + part.Height()}, *p->Canvas(), part);
        });
    }
    for (int i = 0; i < TabCount(); ++i) {
        if (i == selected) continue;
        TRect r = GetTabRect(i);
        OffsetRect(r, -area.Left, -area.Top);
        DrawTab(strip.Canvas(), i, r, TabVisualState(i));
    }
    const int saved = SaveDC(C->Handle());
    const TRect active = GetActiveTabRectEx();
    if (!active.IsEmpty()) ExcludeClipRect(C->Handle(), active.Left, active.Top, active.Right, active.Bottom);
    C->Draw(area.Left, area.Top, &strip);
    RestoreDC(C->Handle(), saved);
    if (selected < 0) return;
    TRect r = GetTabRect(selected);
    const int shift = RectHeight(FTabRect) - RectHeight(ActiveTabRect);
    if (TabPosition() == tpBottom) OffsetRect(r, 0, shift);
    if (TabPosition() == tpRight) OffsetRect(r, shift, 0);
    DrawTab(C, selected, r, TabVisualState(selected));
}

void TlxSkinPageControl::DrawTab(int PageIndex, const TRect& Rect, bool Active, bool MouseIn, TCanvas* C) {
    if (FHideTabs || PageIndex < 0 || PageIndex >= PageCount()) return;
    TTabSheet* page = Pages(PageIndex);
    TlxSkinCustomTabSheet* skinPage = SkinPage(PageIndex);
    // A button that is not drawn cannot be hit.
    if (skinPage) skinPage->ButtonRect = {};
    TCustomImageList* images = FImages;
    const bool hasImage = images && page->ImageIndex() >= 0 && page->ImageIndex() < images->Count();
    const bool side = SideTabs();
    const bool turned = side && !FTextInHorizontal;
    const int w = side ? Rect.Height() : Rect.Width();
    int h = side ? Rect.Width() : Rect.Height();
    if (w <= 0 || h <= 0) return;
    const bool focused = VisualState().Contains(vsFocused);
    TlxSkinData* sd = FSD.Get();
    TBitmap b(w, h);
    TCanvas* c = b.Canvas();
    if (!Skinned()) {
        if (MouseIn && !Active)
            Fill(c, {0, 0, w, h}, TColor(0xD2BDB6));
        else if (Active && focused)
            FillFramed(c, {0, 0, w, h}, TColor(0x800000), TColor(0xB59385));
        else if (!Active)
            Fill(c, {0, 0, w, h}, clBtnFace);
        else
            FillFramed(c, {0, 0, w, h}, TColor(0x800000), TColor(0xD2BDB6));
        c->SetFont(FFont);
        if (sd && sd->ResourceStrData()) c->Font()->SetCharset(SkinCharset(sd, FFont));
    } else {
        const TRect s = MouseIn && !Active && !IsNullRect(MouseInTabRect) ? MouseInTabRect
                        : Active && focused                               ? FocusTabRect
                        : !Active                                         ? FTabRect
                                                                          : ActiveTabRect;
        TBitmap* p = SkinPicture(FPictureIndex);
        const TRect part = ClipToPicture(s, p);
        if (TabHeight() > 0) {
            const int q = RectHeight(FTabRect) / 4;
            if (Active && RectHeight(FTabRect) < RectHeight(ActiveTabRect))
                h += RectHeight(ActiveTabRect) - RectHeight(FTabRect);
            else if (Active && focused && RectHeight(FTabRect) < RectHeight(FocusTabRect))
                h += RectHeight(FocusTabRect) - RectHeight(FTabRect);
            b.SetSize(w, h);
            b.Fill(ColorToPixel(clBtnFace));
            if (!part.IsEmpty())
                CreateSkinImageByClient(
                    &b, p, part, {TabLeftOffset, q, part.Width() - TabRightOffset, part.Height() - q}, true);
        } else if (!part.IsEmpty()) {
            CreateHSkinImage(TabLeftOffset, TabRightOffset, &b, p, part, w, TabStretchEffect);
            h = b.Height();
        }
        if (TabPosition() == tpBottom) FlipBitmapVert(b);
        c = b.Canvas();
        TFont font;
        font.Assign(FFont);
        if (FUseSkinFont) {
            font.SetName(FontName);
            font.SetStyle(FontStyle);
            font.SetHeight(FontHeight);
        }
        font.SetCharset(SkinCharset(sd, FFont));
        font.SetColor(MouseIn && !Active  ? MouseInFontColor
                      : Active && focused ? FocusFontColor
                      : !Active           ? FontColor
                                          : ActiveFontColor);
        c->SetFont(font);
    }
    c->Brush()->SetStyle(bsClear);
    TRect r{0, 0, b.Width(), b.Height()};
    if (side && FTextInHorizontal) {
        if (TabPosition() == tpLeft)
            RotateBitmap90Left(b);
        else
            RotateBitmap90Right(b);
        r = {0, 0, b.Width(), b.Height()};
    }
    if (Skinned() && ShowFocus && focused && Active) {
        TRect fr = r;
        InflateRect(fr, -FocusOffsetX, -FocusOffsetY);
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(sd->SkinColors()->cBtnFace());
        DrawSkinFocusRect(c, fr);
        c->Brush()->SetStyle(bsClear);
    }
    int imageOffset = 0;
    if (Skinned() && RectHeight(FTabRect) != RectHeight(ActiveTabRect) && !Active) {
        const int d = TabPosition() == tpTop || TabPosition() == tpLeft ? 2 : -2;
        r.Top += d;
        if (hasImage) imageOffset = d;
    }
    const int k = FShowCloseButtons ? FCloseSize + 2 : 0;
    const int cut = k > 0 ? (Skinned() ? k + 3 : k) : 0;
    if (OnDrawSkinTab) {
        TKeepAlive alive(this);
        OnDrawSkinTab(PageIndex, {0, 0, b.Width(), b.Height()}, Active, MouseIn, c);
        if (FreePending()) return;
    } else if (hasImage || FTabExtendedDraw) {
        if (FTabExtendedDraw)
            DrawImageAndText(c, {r.Left, r.Top, r.Right - k, r.Bottom}, FTabMargin, FTabSpacing, FTabLayout,
                             page->Caption(), page->ImageIndex(), images, false, page->Enabled(), false,
                             clNone);
        else
            DrawTabImageAndText(c, b.Width() - k, b.Height(), imageOffset, page->Enabled(),
                                page->ImageIndex(), images, page->Caption());
        r.Right -= cut;
    } else {
        r.Right -= cut;
        TRect text = r;
        DrawText(c->Handle(), page->Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    if (FShowCloseButtons && skinPage) {
        if (!MouseIn) skinPage->ButtonMouseIn = false;
        DrawCloseButton(c, {r.Right, r.Top + imageOffset, b.Width(), r.Bottom}, b.Width(), b.Height(),
                        PageIndex);
    }
    if (turned && TabPosition() == tpLeft)
        DrawRotated90Left(C, b, Rect.Left, Rect.Top);
    else if (turned)
        DrawRotated90Right(C, b, Rect.Left, Rect.Top);
    else
        C->Draw(Rect.Left, Rect.Top, &b);
}

void TlxSkinPageControl::DrawTabImageAndText(TCanvas* C, int Width, int Height, int OffsetY, bool Enabled,
                                             int ImageIndex, TCustomImageList* AImages,
                                             const std::string& Caption) {
    int tw = 0, th = 0;
    if (!Caption.empty()) {
        TRect m{0, 0, 0, 0};
        th = DrawText(C->Handle(), Caption, m, DT_CALCRECT | DT_SINGLELINE);
        tw = m.Width() + 2;
    }
    const int iw = AImages ? AImages->Width() : 0, ih = AImages ? AImages->Height() : 0;
    const int x = Width / 2 - (tw + iw + 2) / 2;
    const int y = Height / 2 + OffsetY - ih / 2;
    TRect text{x + iw + 2, Height / 2 + OffsetY - th / 2, x + iw + 2 + tw,
               Height / 2 + OffsetY - th / 2 + th};
    DrawText(C->Handle(), Caption, text, DT_CENTER | DT_SINGLELINE);
    if (AImages) AImages->Draw(C, x, y, ImageIndex, Enabled);
}

void TlxSkinPageControl::DrawCloseButton(TCanvas* C, const TRect& Area, int TabWidth, int TabHeight,
                                         int PageIndex) {
    TlxSkinCustomTabSheet* page = SkinPage(PageIndex);
    if (!page) return;
    page->ButtonRect = {};
    const bool hovered = page->ButtonMouseIn;
    const bool pressed = page->ButtonMouseDown && hovered;
    const int middle = Area.Top + Area.Height() / 2;
    TRect button;
    if (!Skinned()) {
        button = {Area.Left, middle - 7, Area.Left + 14, middle + 7};
        if (hovered) DrawPressablePart(*C, button, pressed, true);
        DrawCloseImage(C, button.Left + 2, button.Top + 2, hovered ? TColor(0xFFFFFF) : TColor(0x000000));
    } else if (IsNullRect(CloseButtonRect)) {
        TlxSkinData* sd = FSD.Get();
        const int index = sd->GetControlIndex("resizetoolbutton");
        auto* d = index < 0 ? nullptr : dynamic_cast<TlxDataSkinButtonControl*>(sd->CtrlList[index].get());
        if (!d) return;
        const TRect active = IsNullRect(d->ActiveSkinRect) ? d->SkinRect : d->ActiveSkinRect;
        const TRect down = IsNullRect(d->DownSkinRect) ? active : d->DownSkinRect;
        const TRect part = pressed ? down : hovered ? active : d->SkinRect;
        const int size = FCloseSize;
        const int dw = size - RectWidth(d->SkinRect), dh = size - RectHeight(d->SkinRect);
        TBitmap b(size, size);
        b.Fill(ColorToPixel(clBtnFace));
        CreateSkinImage(d->LTPoint, d->RTPoint, d->LBPoint, d->RBPoint, d->ClRect, d->LTPoint,
                        {d->RTPoint.X + dw, d->RTPoint.Y}, {d->LBPoint.X, d->LBPoint.Y + dh},
                        {d->RBPoint.X + dw, d->RBPoint.Y + dh},
                        {d->ClRect.Left, d->ClRect.Top, d->ClRect.Right + dw, d->ClRect.Bottom + dh}, &b,
                        sd->ActivePicture(d->PictureIndex),
                        ClipToPicture(part, sd->ActivePicture(d->PictureIndex)), size, size, true,
                        d->LeftStretch, d->TopStretch, d->RightStretch, d->BottomStretch, d->StretchEffect,
                        d->StretchType);
        DrawCloseImage(b.Canvas(), size / 2 - 5, size / 2 - 5,
                       pressed   ? d->DownFontColor
                       : hovered ? d->ActiveFontColor
                                 : d->FontColor);
        button = {Area.Left, middle - size / 2, Area.Left + size, middle - size / 2 + size};
        C->Draw(button.Left, button.Top, &b);
    } else {
        const TRect part = pressed ? CloseButtonDownRect : hovered ? ClosebuttonActiveRect : CloseButtonRect;
        const int pw = RectWidth(part), ph = RectHeight(part);
        button = {Area.Left, middle - ph / 2, Area.Left + pw, middle - ph / 2 + ph};
        DrawPicturePart(*C, button.Left, button.Top, SkinPicture(FPictureIndex), part, ButtonTransparent,
                        ButtonTransparentColor);
    }
    if (SideTabs() && !FTextInHorizontal) {
        if (TabPosition() == tpLeft)
            button = {button.Top, TabWidth - button.Right, button.Bottom, TabWidth - button.Left};
        else
            button = {TabHeight - button.Bottom, button.Left, TabHeight - button.Top, button.Right};
    }
    page->ButtonRect = button;
}
