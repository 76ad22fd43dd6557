// The painting of a popup menu row: the built-in look and the skinned look,
// with the effect frames chosen from the row's state.

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/vcl/TImageList.h"
#include "platform/vcl/TMenu.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/DataSkinObjects.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinGlyphs.h"
#include "skin/engine/SkinImages.h"
#include "skin/engine/SkinRects.h"
#include "skin/engine/SkinText.h"
#include "skin/engine/TlxEffectBmp.h"
#include "skin/windows/TlxActiveSkinObject.h"
#include "skin/windows/TlxSkinMenu.h"
#include "skin/windows/TlxSkinMenuItem.h"
#include "skin/windows/TlxSkinPopupWindow.h"

namespace {

constexpr uint32_t TextFormat = DT_CENTER | DT_VCENTER;
const TColor HotFill = RGB(182, 189, 210);

void Line(TCanvas* C, int X1, int Y1, int X2, int Y2) {
    C->MoveTo(X1, Y1);
    C->LineTo(X2, Y2);
}

void SetPenColor(TCanvas* C, TColor Color) {
    C->Pen()->SetStyle(TPenStyle::psSolid);
    C->Pen()->SetWidth(1);
    C->Pen()->SetColor(Color);
}

// The built-in frame glyph of an item named after a frame command; false for
// other names.
bool DrawFrameCommandGlyph(TCanvas* C, const std::string& Name, int X, int Y, TColor Color) {
    if (Name == "LVX_CLOSE" || Name == "TRAY_LVX_CLOSE")
        DrawCloseImage(C, X, Y, Color);
    else if (Name == "LVX_MINITEM")
        DrawMinimizeImage(C, X, Y, Color);
    else if (Name == "LVX_MAXITEM")
        DrawMaximizeImage(C, X, Y, Color);
    else if (Name == "LVX_RESTORE" || Name == "TRAY_LVX_RESTORE")
        DrawRestoreImage(C, X, Y, Color);
    else if (Name == "LVX_ROLLUP")
        DrawRollUpImage(C, X, Y, Color);
    else if (Name == "LVX_MINTOTRAY")
        DrawTrayImage(C, X, Y, Color);
    else
        return false;
    return true;
}

bool HasImage(TMenuItem* Item, TCustomImageList* ImgL) {
    return Item->HasBitmap() || (ImgL && Item->ImageIndex() >= 0 && Item->ImageIndex() < ImgL->Count());
}

TSize ImageSize(TMenuItem* Item, TCustomImageList* ImgL) {
    if (Item->HasBitmap()) return {Item->Bitmap()->Width(), Item->Bitmap()->Height()};
    return {ImgL->Width(), ImgL->Height()};
}

// The item's image with its top-left at (X, Y); a checked item gets a frame
// one pixel outside it.
void DrawItemImage(TCanvas* C, TMenuItem* Item, TCustomImageList* ImgL, int X, int Y, TColor FrameColor) {
    const TSize size = ImageSize(Item, ImgL);
    if (Item->HasBitmap())
        C->Draw(X, Y, Item->Bitmap());
    else
        ImgL->Draw(C, X, Y, Item->ImageIndex(), Item->Enabled());
    if (!Item->Checked()) return;
    C->Brush()->SetStyle(bsClear);
    SetPenColor(C, FrameColor);
    C->Rectangle(X - 1, Y - 1, X + size.cx + 1, Y + size.cy + 1);
}

// Caption and shortcut of a row: the caption measured in Area from its left
// edge plus G, centred vertically; the shortcut right-aligned to end Gap
// pixels before Area's right edge.
void DrawCaption(TCanvas* C, TMenuItem* Item, const TRect& Area, int G, int Gap) {
    TRect r{Area.Left + G, Area.Top, Area.Right - Gap, Area.Bottom};
    DrawWideText(C, Item->Caption(), r, DT_CALCRECT | TextFormat);
    const int h = RectHeight(r);
    const int top = Area.Top + RectHeight(Area) / 2 - h / 2;
    r = {r.Left, top, r.Right + 2, top + h};
    DrawWideText(C, Item->Caption(), r, TextFormat);
    if (Item->ShortCut() == 0) return;
    const std::string shortcut = ShortCutToText(Item->ShortCut());
    TRect s{0, 0, 0, 0};
    DrawWideText(C, shortcut, s, DT_CALCRECT | TextFormat);
    TRect place{Area.Right - Gap - RectWidth(s), top, Area.Right - Gap, top + h};
    DrawWideText(C, shortcut, place, TextFormat);
}

} // namespace

void DrawDefaultCheckImage(TCanvas* Canvas, int X, int Y, TColor Color) {
    SetPenColor(Canvas, Color);
    for (int k = 0; k <= 2; ++k) {
        Canvas->MoveTo(X, Y + 5 - k);
        Canvas->LineTo(X + 2, Y + 7 - k);
        Canvas->LineTo(X + 7, Y + 2 - k);
    }
}

void DrawDefaultRadioImage(TCanvas* Canvas, int X, int Y, TColor Color) {
    // The filled ellipse (X, Y, X + 6, Y + 6), row by row.
    static const int inset[6] = {1, 0, 0, 0, 0, 1};
    SetPenColor(Canvas, Color);
    for (int row = 0; row < 6; ++row)
        Line(Canvas, X + inset[row], Y + row, X + 6 - inset[row], Y + row);
}

void DrawDefaultArrowImage(TCanvas* Canvas, int X, int Y, TColor Color) {
    SetPenColor(Canvas, Color);
    for (int k = 0; k <= 3; ++k)
        Line(Canvas, X + k, Y + k, X + k, Y + 7 - k);
}

void SetMenuItemFont(TFont& F, const TlxDataSkinMenuItem* MI, TlxSkinMenu* Menu) {
    if (MI && Menu->UseSkinFont()) {
        F.SetName(MI->FontName);
        F.SetStyle(MI->FontStyle);
        F.SetHeight(MI->FontHeight);
    } else {
        F.Assign(*Menu->DefaultMenuItemFont());
    }
    F.SetCharset(SkinCharset(Menu->SkinData(), *Menu->DefaultMenuItemFont()));
}

void TlxSkinMenuItem::Draw(TCanvas* Cnvs) {
    if (!FVisible) return;
    if (!MI) {
        DefaultDraw(Cnvs);
        return;
    }
    const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
    if (w <= 0 || h <= 0) return;
    TBitmap b(w, h);
    if (IsSeparator()) {
        CreateHSkinImage(MI->DividerLO, MI->DividerRO, &b, ActivePicture, MI->DividerRect, w,
                         MI->DividerStretchEffect);
        Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &b);
        return;
    }
    const bool active = IsActiveState();
    if (EnableAnimation() && CurrentFrame > 0 && CurrentFrame <= MI->FrameCount) {
        CreateItemImage(b, FrameRect(CurrentFrame), active, true);
    } else if (EnableMorphing() && !(active && FMorphKf >= 1) && (active || FMorphKf != 0)) {
        TBitmap normal(w, h), hot(w, h);
        CreateItemImage(normal, FSkinRect, false, false);
        CreateItemImage(hot, FActiveSkinRect, true, false);
        TlxEffectBmp from = TlxEffectBmp::CreateFromhWnd(normal);
        ApplyMorph(from, TlxEffectBmp::CreateFromhWnd(hot), FMorphKf, MI->MorphKind);
        from.ToBitmap(b);
    } else {
        CreateItemImage(b, active ? FActiveSkinRect : FSkinRect, active, false);
    }
    Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &b);
}

TRect TlxSkinMenuItem::FrameRect(int Frame) const {
    const TRect& a = MI->AnimateSkinRect;
    if (RectHeight(a) > RectHeight(FSkinRect)) {
        const int fh = RectHeight(a) / MI->FrameCount;
        return {a.Left, a.Top + (Frame - 1) * fh, a.Right, a.Top + Frame * fh};
    }
    const int fw = RectWidth(a) / MI->FrameCount;
    return {a.Left + (Frame - 1) * fw, a.Top, a.Left + Frame * fw, a.Bottom};
}

void TlxSkinMenuItem::CreateItemImage(TBitmap& B, const TRect& Rect, bool ActiveState, bool Frame) {
    const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
    B.SetSize(w, h);
    TCanvas* c = B.Canvas();
    if (!ActiveState && MI->InActiveTransparent && !Parent->FPaintBuffer.Empty()) {
        c->CopyRect({0, 0, w, h}, *Parent->FPaintBuffer.Canvas(), ObjectRect);
    } else {
        bool stretch = ActiveState ? MI->StretchEffect : MI->InActiveStretchEffect;
        if (Frame && !ActiveState && !MI->InActiveStretchEffect) stretch = MI->StretchEffect;
        TBitmap strip;
        CreateHSkinImage(MI->ItemLO, MI->ItemRO, &strip, ActivePicture, Rect, w, stretch);
        if (!strip.Empty()) c->StretchDraw({0, 0, w, h}, &strip);
    }
    const int g = !IsNullRect(MI->ImageRct) ? 0 : (Parent->ImgL ? Parent->GlyphWidth : 16);
    TRect t = MI->TextRct;
    t.Right = w - (RectWidth(FSkinRect) - MI->TextRct.Right);
    SetMenuItemFont(*c->Font(), MI, Parent->ParentMenu);
    const TColor colour =
        ActiveState ? MI->ActiveFontColor : (MenuItem->Enabled() ? MI->FontColor : MI->UnEnabledFontColor);
    c->Font()->SetColor(colour);
    c->Brush()->SetStyle(bsClear);
    if (MenuItem->OnDrawItem) {
        MenuItem->OnDrawItem(this, c, t, ActiveState);
        return;
    }
    if (IsHeader()) {
        DrawMenuHeader(B);
        return;
    }
    DrawCaption(c, MenuItem, t, g, 16);
    if (HasChildren()) {
        if (IsNullRect(MI->ArrowImageRect))
            DrawDefaultArrowImage(c, t.Right - 7, t.Top + RectHeight(t) / 2 - 4, colour);
        else
            DrawSkinGlyph(c, {t.Right - RectWidth(MI->ArrowImageRect) - 5, t.Top, t.Right, t.Bottom},
                          MI->ArrowImageRect, MI->ActiveArrowImageRect, ActiveState);
    }
    TColor glyph = colour;
    if (MI->UseImageColor) glyph = ActiveState ? MI->ActiveImageColor : MI->ImageColor;
    DrawImageOrGlyph(c, t, glyph, ActiveState);
}

void TlxSkinMenuItem::DrawSkinGlyph(TCanvas* C, const TRect& Cell, const TRect& Normal, const TRect& Active,
                                    bool ActiveState) {
    const TRect& r = ActiveState && !IsNullRect(Active) ? Active : Normal;
    const TRect source = ClipToPicture(r, ActivePicture);
    if (source.IsEmpty()) return;
    const int x = std::max(Cell.Left, Centred(Cell.Left, RectWidth(Cell), RectWidth(source)));
    const int y = std::max(Cell.Top, Centred(Cell.Top, RectHeight(Cell), RectHeight(source)));
    DrawPicturePart(*C, x, y, ActivePicture, source, true);
}

void TlxSkinMenuItem::DrawImageOrGlyph(TCanvas* C, const TRect& T, TColor GlyphColor, bool ActiveState) {
    TCustomImageList* imgL = Parent->ImgL;
    const TRect& cellRect = MI->ImageRct;
    if (HasImage(MenuItem, imgL)) {
        const TSize size = ImageSize(MenuItem, imgL);
        int x, y;
        if (!IsNullRect(cellRect)) {
            x = Centred(cellRect.Left, RectWidth(cellRect), size.cx);
            y = Centred(cellRect.Top, RectHeight(cellRect), size.cy);
        } else {
            x = T.Left + 2;
            y = Centred(T.Top, RectHeight(T), size.cy);
        }
        DrawItemImage(C, MenuItem, imgL, x, y, GlyphColor);
        return;
    }
    int x, y;
    if (IsNullRect(cellRect)) {
        x = T.Left + 2;
        y = T.Top + RectHeight(T) / 2 - 4;
    } else {
        x = cellRect.Left + RectWidth(cellRect) / 2 - 4;
        y = cellRect.Top + RectHeight(cellRect) / 2 - 4;
    }
    if (DrawFrameCommandGlyph(C, MenuItem->Name(), x, y, GlyphColor) || !MenuItem->Checked()) return;
    const TRect cell = !IsNullRect(cellRect) ? cellRect
                                             : TRect{MI->TextRct.Left + 2, MI->TextRct.Top,
                                                     MI->TextRct.Left + 16, MI->TextRct.Bottom};
    if (MenuItem->RadioItem()) {
        if (IsNullRect(MI->RadioImageRect))
            DrawDefaultRadioImage(C, x, y + 1, GlyphColor);
        else
            DrawSkinGlyph(C, cell, MI->RadioImageRect, MI->ActiveRadioImageRect, ActiveState);
    } else {
        if (IsNullRect(MI->CheckImageRect))
            DrawDefaultCheckImage(C, x, y, GlyphColor);
        else
            DrawSkinGlyph(C, cell, MI->CheckImageRect, MI->ActiveCheckImageRect, ActiveState);
    }
}

void TlxSkinMenuItem::DrawMenuHeader(TBitmap& B) {
    TlxSkinData* sd = Parent->SD;
    int index = sd->GetControlIndex("menuheader");
    if (index < 0) index = sd->GetControlIndex("label");
    if (index < 0) return;
    auto* label = dynamic_cast<TlxDataSkinLabelControl*>(sd->CtrlList[index].get());
    if (!label) return;
    TBitmap* picture = sd->ActivePicture(label->PictureIndex);
    if (!picture) return;
    const TRect& sr = label->SkinRect;
    TBitmap image;
    CreateHSkinImage(label->LTPoint.X, RectWidth(sr) - label->RTPoint.X, &image, picture, sr, B.Width(),
                     label->StretchEffect);
    if (image.Empty()) return;
    TCanvas* ic = image.Canvas();
    ic->Font()->SetCharset(B.Canvas()->Font()->Charset());
    ic->Font()->SetName(label->FontName);
    ic->Font()->SetHeight(label->FontHeight);
    ic->Font()->SetStyle(label->FontStyle);
    ic->Font()->SetColor(label->FontColor);
    ic->Brush()->SetStyle(bsClear);
    TRect r{label->ClRect.Left, label->ClRect.Top, image.Width() - (RectWidth(sr) - label->ClRect.Right),
            image.Height()};
    DrawWideText(ic, MenuHeaderCaption(MenuItem->Caption()), r, TextFormat);
    B.Canvas()->Draw(0, Centred(0, B.Height(), image.Height()), &image);
}

void TlxSkinMenuItem::DefaultDraw(TCanvas* Cnvs) {
    const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
    if (w <= 0 || h <= 0) return;
    TBitmap b(w, h);
    TCanvas* c = b.Canvas();
    const TRect inner{2, 2, w - 2, h - 2};
    TCustomImageList* imgL = Parent->ImgL;
    const int g = imgL ? Parent->GlyphWidth : 19;
    SetMenuItemFont(*c->Font(), MI, Parent->ParentMenu);
    const bool hot = IsActiveState() && !IsSeparator();
    TColor text = clWindowText;
    c->Brush()->SetStyle(bsSolid);
    if (IsHeader()) {
        c->Brush()->SetColor(clBtnShadow);
        c->FillRect({0, 0, w, h});
        c->Font()->SetColor(clBtnHighlight);
        c->Brush()->SetStyle(bsClear);
        TRect r = inner;
        DrawWideText(c, MenuHeaderCaption(MenuItem->Caption()), r, TextFormat);
        Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &b);
        return;
    }
    if (hot) {
        c->Brush()->SetColor(clNavy);
        c->FillRect({0, 0, w, h});
        c->Brush()->SetColor(HotFill);
        c->FillRect({1, 1, w - 1, h - 1});
    } else {
        c->Brush()->SetColor(clBtnFace);
        c->FillRect({0, 0, g, h});
        c->Brush()->SetColor(clWindow);
        c->FillRect({g, 0, w, h});
        if (!MenuItem->Enabled()) text = clBtnShadow;
    }
    if (IsSeparator()) {
        SetPenColor(c, clBtnShadow);
        Line(c, g, h / 2, w, h / 2);
        Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &b);
        return;
    }
    c->Font()->SetColor(text);
    c->Brush()->SetStyle(bsClear);
    DrawCaption(c, MenuItem, inner, g, 19);
    const int glyphY = inner.Top + RectHeight(inner) / 2 - 4;
    if (HasChildren()) DrawDefaultArrowImage(c, inner.Right - 7, glyphY, text);
    if (HasImage(MenuItem, imgL)) {
        const TSize size = ImageSize(MenuItem, imgL);
        DrawItemImage(c, MenuItem, imgL, inner.Left + 2, Centred(inner.Top, RectHeight(inner), size.cy),
                      text);
    } else if (!DrawFrameCommandGlyph(c, MenuItem->Name(), inner.Left + 2, glyphY, text) &&
               MenuItem->Checked()) {
        if (MenuItem->RadioItem())
            DrawDefaultRadioImage(c, inner.Left + 3, glyphY, text);
        else
            DrawDefaultCheckImage(c, inner.Left + 3, glyphY, text);
    }
    Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &b);
}
