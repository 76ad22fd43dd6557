// The skinned list view's header painting: sections and the remainder from
// the header's button description, or in the built-in look.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/TlxSkinCustomListView.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/SkinImages.h"
#include "skin/engine/SkinRects.h"
#include "skin/engine/SkinText.h"

#include <algorithm>

void TlxSkinCustomListView::GetHeaderSkinData() {
    TlxSkinData* sd = SkinData();
    FHIndex = sd && !sd->Empty ? sd->GetControlIndex(FHeaderSkinDataName) : -1;
    HPicture = nullptr;
    if (FHIndex == -1) return;
    auto* d = dynamic_cast<TlxDataSkinButtonControl*>(sd->CtrlList[FHIndex].get());
    if (!d) return;
    HGeometry = TlxSkinGeometry::Of(*d);
    HPicture = sd->ActivePicture(d->PictureIndex);
    HFontColor = d->FontColor;
    HActiveFontColor = d->ActiveFontColor;
    HDownFontColor = d->DownFontColor;
    HActiveSkinRect = IsNullRect(d->ActiveSkinRect) ? d->SkinRect : d->ActiveSkinRect;
    HDownSkinRect = IsNullRect(d->DownSkinRect) ? HActiveSkinRect : d->DownSkinRect;
}

void TlxSkinCustomListView::HeaderImage(TBitmap& B, const TRect& SkinR, int W, int H, bool Left) {
    const TlxSkinGeometry& g = HGeometry;
    const TRect r = ClipToPicture(SkinR, HPicture);
    B.SetSize(W, H);
    B.Fill(ColorToPixel(clBtnFace));
    if (r.IsEmpty()) return;
    if (g.LBPt != TPoint{0, 0}) {
        const int dw = W - g.SkinRect.Width(), dh = H - g.SkinRect.Height();
        const TPoint rt{g.RTPt.X + dw, g.RTPt.Y}, lb{g.LBPt.X, g.LBPt.Y + dh},
            rb{g.RBPt.X + dw, g.RBPt.Y + dh};
        const TRect cl{g.ClRect.Left, g.ClRect.Top, g.ClRect.Right + dw, g.ClRect.Bottom + dh};
        (Left ? CreateSkinImageLeft : CreateSkinImage)(
            g.LTPt, g.RTPt, g.LBPt, g.RBPt, g.ClRect, g.LTPt, rt, lb, rb, cl, &B, HPicture, r, W, H, true,
            g.LeftStretch, g.TopStretch, g.RightStretch, g.BottomStretch, g.StretchEffect, g.StretchType);
        return;
    }
    TBitmap strip;
    (Left ? CreateHSkinImageLeft : CreateHSkinImage)(g.LTPt.X, g.SkinRect.Width() - g.RTPt.X, &strip,
                                                     HPicture, r, W, g.StretchEffect);
    if (!strip.Empty()) B.Canvas()->StretchDraw({0, 0, W, H}, &strip);
}

void TlxSkinCustomListView::PaintHeader(TCanvas* C) {
    TListHeader* header = FHeaderHandle;
    if (!header || header->Width() <= 0 || header->Height() <= 0) return;
    GetHeaderSkinData();
    TBitmap b(header->Width(), header->Height());
    int right = 0;
    for (int i = 0; i < Columns()->Count(); ++i) {
        const TRect r = GetSectionRect(i);
        right = std::max(right, r.Right);
        if (r.IsEmpty() || r.Right <= 0 || r.Left >= b.Width()) continue;
        DrawSection(b.Canvas(), i, r, i == FActiveSection && FHeaderDown);
    }
    DrawRemainder(b.Canvas(), {right, 0, header->Width() + 1, header->Height()});
    C->Draw(0, 0, &b);
}

void TlxSkinCustomListView::DrawSection(TCanvas* C, int Index, const TRect& R, bool Pressed) {
    const int w = R.Width(), h = R.Height();
    TBitmap b(w, h);
    TCanvas* c = b.Canvas();
    c->SetFont(*Font());
    if (FHIndex == -1) {
        DrawPressablePart(*c, {0, 0, w, h}, Pressed, false);
        c->Font()->SetColor(clBtnText);
    } else {
        HeaderImage(b, Pressed ? HDownSkinRect : HGeometry.SkinRect, w, h, false);
        c->Font()->SetColor(Pressed ? HDownFontColor : HFontColor);
    }
    TListColumn* column = Column(Index);
    if (OnDrawHeaderSection) {
        TKeepAlive alive(this);
        OnDrawHeaderSection(c, column, Pressed, {0, 0, w, h});
        if (FreePending()) return;
    } else {
        c->Brush()->SetStyle(bsClear);
        const TRect tr{5, 0, w - 5, h};
        TCustomImageList* images = SmallImages();
        const bool hasImage = images && column->ImageIndex() >= 0 && column->ImageIndex() < images->Count();
        const int room = hasImage ? images->Width() + 10 : 0;
        std::string caption = column->Caption();
        CutTextToWidth(c, caption, tr.Width() - room);
        const bool cut = caption != column->Caption();
        const int tw = c->TextWidth(caption);
        int x = tr.Left;
        if (!cut) {
            if (column->Alignment() == taRightJustify)
                x = tr.Right - tw - room;
            else if (column->Alignment() == taCenter)
                x = Centred(tr.Left, tr.Width(), tw + room);
        }
        if (hasImage) {
            images->Draw(c, x, Centred(0, h, images->Height()), column->ImageIndex());
            x += room;
        }
        const int saved = SaveDC(c->Handle());
        IntersectClipRect(c->Handle(), tr.Left, tr.Top, tr.Right, tr.Bottom);
        TRect text{x, tr.Top, std::max(x, tr.Right), tr.Bottom};
        DrawText(c->Handle(), caption, text, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
        RestoreDC(c->Handle(), saved);
    }
    C->Draw(R.Left, R.Top, &b);
}

void TlxSkinCustomListView::DrawRemainder(TCanvas* C, const TRect& R) {
    if (R.IsEmpty()) return;
    if (FHIndex == -1) {
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(clBtnShadow);
        C->FillRect(R);
        C->Brush()->SetColor(clBtnFace);
        C->FillRect({R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1});
        return;
    }
    TBitmap b;
    HeaderImage(b, HGeometry.SkinRect, R.Width(), R.Height(), true);
    C->Draw(R.Left, R.Top, &b);
}
