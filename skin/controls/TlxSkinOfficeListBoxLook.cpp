// The office list's two looks over its rows' layout and highlight.
#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/TlxSkinOfficeListBox.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "skin/engine/DataSkinListControls.h"
#include "skin/engine/DrawImageAndText.h"
#include "skin/engine/SkinGlyphs.h"
#include "skin/engine/SkinImages.h"

namespace {

// The description named Name in SD as a D, or nullptr.
template <class D> D* Find(TlxSkinData* SD, const std::string& Name) {
    if (!SD || SD->Empty) return nullptr;
    const int i = SD->GetControlIndex(Name);
    if (i < 0 || i >= static_cast<int>(SD->CtrlList.size())) return nullptr;
    return dynamic_cast<D*>(SD->CtrlList[i].get());
}

// Restores the context's clipping when it goes.
struct TClipScope {
    HDC DC;
    int Level;
    TClipScope(TCanvas& C, const TRect& R) : DC(C.Handle()), Level(SaveDC(DC)) {
        IntersectClipRect(DC, R.Left, R.Top, R.Right, R.Bottom);
    }
    ~TClipScope() { RestoreDC(DC, Level); }
};

} // namespace

void TlxSkinOfficeListBox::CreateControlDefaultImage(TBitmap& B) {
    TCanvas& c = *B.Canvas();
    const TRect all{0, 0, B.Width(), B.Height()};
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(clWindow);
    c.FillRect(all);
    DrawFrame3D(&c, all, clBtnShadow, clBtnShadow);
    DrawRows(c);
}

void TlxSkinOfficeListBox::CreateControlSkinImage(TBitmap& B) {
    TlxSkinCustomControl::CreateControlSkinImage(B);
    DrawRows(*B.Canvas());
}

void TlxSkinOfficeListBox::DrawRows(TCanvas& C) {
    CalcItemRects();
    TClipScope clip(C, FItemsRect);
    for (int i = 0; i < FItems.Count(); ++i)
        if (FItems.Items(i)->IsVisible) DrawItem(i, C);
}

void TlxSkinOfficeListBox::DrawItem(int Index, TCanvas& C) {
    if (Skinned())
        SkinDrawItem(Index, C);
    else
        DefaultDrawItem(Index, C);
}

void TlxSkinOfficeListBox::DefaultDrawItem(int Index, TCanvas& C) {
    const TlxSkinOfficeItem& item = *FItems.Items(Index);
    TColor background = clWindow;
    TColor text = item.Enabled() ? clWindowText : TColor(0x808080);
    if (item.Header()) {
        background = clBtnShadow;
        text = clBtnHighlight;
    } else if (item.Active) {
        background = clHighlight;
        text = clHighlightText;
    }
    C.Font()->Assign(*DefaultFont());
    C.Font()->SetColor(text);
    const TRect& r = item.ItemRect;
    {
        TClipScope clip(C, r);
        C.Brush()->SetStyle(bsSolid);
        C.Brush()->SetColor(background);
        C.FillRect(r);
        C.Brush()->SetStyle(bsClear);
        TRect content = r;
        InflateRect(content, -2, -2);
        if (item.Header()) {
            DrawText(C.Handle(), item.Caption(), content, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        } else {
            if (OnDrawItem)
                OnDrawItem(&C, Index, r);
            else
                DrawItemContents(Index, C, content, false);
            if (FShowLines) {
                const TColor pen = C.Pen()->Color();
                C.Pen()->SetColor(clBtnFace);
                C.MoveTo(r.Left, r.Bottom - 1);
                C.LineTo(r.Right, r.Bottom - 1);
                C.Pen()->SetColor(pen);
            }
        }
    }
    if (item.Active && Focused()) C.DrawFocusRect(r);
}

void TlxSkinOfficeListBox::DrawItemContents(int Index, TCanvas& C, TRect R, bool Skinned) {
    const TlxSkinOfficeItem& item = *FItems.Items(Index);
    if (!item.Title().empty() && FShowItemTitles) {
        const TFontStyles plain = C.Font()->Style();
        C.Font()->SetStyle(plain + fsBold);
        TRect title{R.Left, R.Top, R.Right, R.Top + C.TextHeight(item.Title())};
        DrawText(C.Handle(), item.Title(), title, 0);
        C.Font()->SetStyle(plain);
        R.Top = title.Bottom;
    }
    TCustomImageList* images = FImages.Get();
    if (images && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count()) {
        DrawImageAndLeftText(&C, R, 0, 2, blGlyphLeft, item.Caption(), item.ImageIndex(), images, false,
                             item.Enabled(), false, clNone);
        return;
    }
    if (FShowItemTitles) R.Left += 10;
    const uint32_t flags = DT_WORDBREAK | (Skinned ? uint32_t(DT_EXPANDTABS) : 0u);
    TRect measured{0, 0, R.Width(), 0};
    DrawText(C.Handle(), item.Caption(), measured, flags | DT_CALCRECT);
    const int top = std::max(R.Top, R.Top + R.Height() / 2 - measured.Height() / 2);
    TRect text{R.Left, top, R.Left + measured.Width(), top + measured.Height()};
    DrawText(C.Handle(), item.Caption(), text, flags);
}

void TlxSkinOfficeListBox::SkinDrawItem(int Index, TCanvas& C) {
    const TlxSkinOfficeItem& item = *FItems.Items(Index);
    if (item.Header()) {
        SkinDrawHeaderItem(Index, C);
        return;
    }
    TlxSkinData* sd = SkinData();
    auto* d = Find<TlxDataSkinListBox>(sd, "listbox");
    if (!d) return;
    if (d->FontColor == FDisabledFontColor && FDisabledFontColor == 0) FDisabledFontColor = 0x808080;
    auto setFont = [&](TCanvas& On, TColor Color) {
        TFont& f = *On.Font();
        f.Assign(*DefaultFont());
        if (FUseSkinFont) {
            f.SetName(d->FontName);
            f.SetHeight(d->FontHeight);
            f.SetStyle(d->FontStyle);
        }
        f.SetColor(Color);
        f.SetCharset(SkinCharset(sd, *DefaultFont()));
    };
    const TRect& r = item.ItemRect;
    const bool focused = Focused();
    if (item.Active && item.Enabled()) {
        TBitmap b(r.Width(), r.Height());
        CreateSkinImageByClient(&b, sd->ActivePicture(d->PictureIndex),
                                focused ? d->FocusItemRect : d->ActiveItemRect, d->ItemTextRect, true);
        TCanvas& bc = *b.Canvas();
        setFont(bc, focused ? d->FocusFontColor : d->ActiveFontColor);
        bc.Brush()->SetStyle(bsClear);
        TRect content{2, 2, b.Width() - 2, b.Height() - 2};
        if (OnDrawItem)
            OnDrawItem(&bc, Index, content);
        else
            DrawItemContents(Index, bc, content, true);
        C.Draw(r.Left, r.Top, &b);
        return;
    }
    TColor color = FDisabledFontColor;
    if (item.Enabled()) {
        const bool ownColour = SkinDataName() == "listbox" || SkinDataName() == "memo";
        color = ownColour || !sd->SkinColors() ? d->FontColor : sd->SkinColors()->cBtnText();
    }
    setFont(C, color);
    TClipScope clip(C, r);
    C.Brush()->SetStyle(bsClear);
    TRect content = r;
    InflateRect(content, -2, -2);
    if (OnDrawItem)
        OnDrawItem(&C, Index, content);
    else
        DrawItemContents(Index, C, content, true);
    if (FShowLines) {
        const TColor pen = C.Pen()->Color();
        C.Pen()->SetColor(sd->SkinColors() ? sd->SkinColors()->cBtnShadow() : clBtnShadow);
        C.MoveTo(r.Left, r.Bottom - 1);
        C.LineTo(r.Right, r.Bottom - 1);
        C.Pen()->SetColor(pen);
    }
}

void TlxSkinOfficeListBox::SkinDrawHeaderItem(int Index, TCanvas& C) {
    TlxSkinData* sd = SkinData();
    auto* d = Find<TlxDataSkinLabelControl>(sd, "menuheader");
    if (!d) d = Find<TlxDataSkinLabelControl>(sd, "label");
    if (!d) return;
    const TlxSkinOfficeItem& item = *FItems.Items(Index);
    const TRect& r = item.ItemRect;
    TBitmap b(r.Width(), r.Height());
    CreateSkinImageByClient(&b, sd->ActivePicture(d->PictureIndex), d->SkinRect, d->ClRect, true);
    TCanvas& bc = *b.Canvas();
    TFont& f = *bc.Font();
    f.SetName(d->FontName);
    f.SetColor(d->FontColor);
    f.SetHeight(d->FontHeight);
    f.SetStyle(d->FontStyle);
    bc.Brush()->SetStyle(bsClear);
    TRect text{1, 1, b.Width() - 1, b.Height() - 1};
    DrawText(bc.Handle(), item.Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    C.Draw(r.Left, r.Top, &b);
}
