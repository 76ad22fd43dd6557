// How the grid of an images menu looks: the window frame from the skin's
// popup-window picture or a plain border, header rows on the skin's label
// strip, plates under the selected and hovered cells, the cells' pictures
// and the buttons' captions.

#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/vcl/TImageList.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/TlxSkinImagesMenu.h"
#include "skin/controls/TlxSkinImagesMenuPopupWindow.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinImages.h"
#include "skin/engine/SkinText.h"

namespace {

// The built-in plates of menus: a navy frame, pressed or hover filled.
constexpr TColor PressedPlate = 0x00B59285; // RGB(133, 146, 181)
constexpr TColor HoverPlate = 0x00D2BDB6;   // RGB(182, 189, 210)

TlxDataSkinMenuItem* MenuItemObject(TlxSkinData* SD) {
    int index = SD->GetIndex("menuitem");
    if (index < 0) index = SD->GetIndex("MENUITEM");
    return index < 0 ? nullptr : dynamic_cast<TlxDataSkinMenuItem*>(SD->ObjectList[index].get());
}

} // namespace

TlxDataSkinButtonControl* TlxSkinImagesMenuPopupWindow::PlateDescription() const {
    TlxSkinData* sd = ImagesMenu->SkinData();
    if (!sd || sd->Empty) return nullptr;
    for (const char* name : {"menuitembutton", "resizebutton"}) {
        const int index = sd->GetControlIndex(name);
        if (index < 0) continue;
        if (auto* d = dynamic_cast<TlxDataSkinButtonControl*>(sd->CtrlList[index].get())) return d;
    }
    return nullptr;
}

void TlxSkinImagesMenuPopupWindow::Paint() {
    DecideSkinSupport();
    const int w = Width(), h = Height();
    TBitmap b(w, h);
    TCanvas* c = b.Canvas();
    if (FSkinSupport) {
        const TlxDataSkinPopupWindow& pw = *ImagesMenu->SkinData()->PopupWindow;
        const TRect whole{0, 0, WindowPicture->Width(), WindowPicture->Height()};
        CreateSkinWindowImage(pw.LTPoint, pw.RTPoint, pw.LBPoint, pw.RBPoint, pw.ItemsRect, NewLTPoint,
                              NewRTPoint, NewLBPoint, NewRBPoint, NewItemsRect, &b, WindowPicture, whole, w,
                              h, true, pw.LeftStretch, pw.TopStretch, pw.RightStretch, pw.BottomStretch,
                              pw.StretchEffect, pw.StretchType);
    } else {
        c->Pen()->SetColor(clBtnShadow);
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clWindow);
        c->Rectangle(0, 0, w, h);
    }
    DrawItems(c, ImagesMenu->ShowSelectedItem() ? ImagesMenu->ItemIndex() : -1);
    Canvas()->Draw(0, 0, &b);
}

void TlxSkinImagesMenuPopupWindow::DrawItems(TCanvas* C, int Selected) {
    TlxImagesMenuItems* items = ImagesMenu->ImagesItems();
    TCustomImageList* images = ImagesMenu->Images();
    for (int i = 0; i < items->Count(); ++i) {
        TlxImagesMenuItem* item = items->Items(i);
        const TRect& r = item->ItemRect;
        if (item->Header()) {
            DrawHeader(C, item);
            continue;
        }
        // The selected cell looks pressed unless a press on a cell is going
        // on; then the hovered one does.
        const bool selectedPlate = i == Selected && !FItemDown;
        const bool hovered = i == MouseInItem && !selectedPlate;
        if (selectedPlate || hovered) DrawItemFrame(C, r, selectedPlate || FItemDown);
        int offset = 0;
        if (images && item->ImageIndex() >= 0 && item->ImageIndex() < images->Count()) {
            images->Draw(C, r.Left + 5, r.Top + 5, item->ImageIndex(), true);
            offset = images->Width() + 5;
        }
        if (item->Button() && !item->Caption().empty()) {
            TRect cr = r;
            cr.Left += offset;
            DrawButtonCaption(C, item, cr, selectedPlate || (hovered && FItemDown), hovered && !FItemDown);
        }
    }
}

void TlxSkinImagesMenuPopupWindow::DrawHeader(TCanvas* C, TlxImagesMenuItem* Item) {
    const TRect& r = Item->ItemRect;
    TlxSkinData* sd = ImagesMenu->SkinData();
    TlxDataSkinLabelControl* label = nullptr;
    if (sd && !sd->Empty) {
        const int index = sd->GetControlIndex("label");
        if (index >= 0) label = dynamic_cast<TlxDataSkinLabelControl*>(sd->CtrlList[index].get());
    }
    TBitmap* picture = label ? sd->ActivePicture(label->PictureIndex) : nullptr;
    if (!label || !picture) {
        C->Font()->Assign(*ImagesMenu->DefaultFont());
        C->Brush()->SetStyle(bsClear);
        TRect tr = r;
        DrawWideText(C, Item->Caption(), tr, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        return;
    }
    TBitmap img;
    const int sw = RectWidth(label->SkinRect);
    CreateHSkinImage(label->LTPoint.X, sw - label->RTPoint.X, &img, picture, label->SkinRect, RectWidth(r),
                     label->StretchEffect);
    if (img.Empty()) return;
    TCanvas* ic = img.Canvas();
    ic->Font()->SetName(label->FontName);
    ic->Font()->SetHeight(label->FontHeight);
    ic->Font()->SetStyle(label->FontStyle);
    ic->Font()->SetColor(label->FontColor);
    ic->Brush()->SetStyle(bsClear);
    TRect tr{label->ClRect.Left, label->ClRect.Top, img.Width() - (sw - label->ClRect.Right), img.Height()};
    DrawWideText(ic, Item->Caption(), tr, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    C->Draw(r.Left, r.Top, &img);
}

void TlxSkinImagesMenuPopupWindow::DrawItemFrame(TCanvas* C, const TRect& R, bool Pressed) {
    TlxDataSkinButtonControl* d = PlateDescription();
    TBitmap* picture = d ? ImagesMenu->SkinData()->ActivePicture(d->PictureIndex) : nullptr;
    if (!picture) {
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(Pressed ? PressedPlate : HoverPlate);
        C->FillRect(R);
        C->Brush()->SetColor(clNavy);
        C->FrameRect(R);
        return;
    }
    TRect source = d->ActiveSkinRect;
    if (Pressed && !d->DownSkinRect.IsEmpty()) source = d->DownSkinRect;
    if (source.IsEmpty()) source = d->SkinRect;
    const int w = RectWidth(R), h = RectHeight(R);
    const int sw = RectWidth(d->SkinRect), sh = RectHeight(d->SkinRect);
    const TPoint rt{w - (sw - d->RTPoint.X), d->RTPoint.Y};
    const TPoint lb{d->LBPoint.X, h - (sh - d->LBPoint.Y)};
    const TPoint rb{w - (sw - d->RBPoint.X), h - (sh - d->RBPoint.Y)};
    const TRect cl{d->ClRect.Left, d->ClRect.Top, w - (sw - d->ClRect.Right), h - (sh - d->ClRect.Bottom)};
    TBitmap plate;
    CreateSkinImage(d->LTPoint, d->RTPoint, d->LBPoint, d->RBPoint, d->ClRect, d->LTPoint, rt, lb, rb, cl,
                    &plate, picture, source, w, h, true, d->LeftStretch, d->TopStretch, d->RightStretch,
                    d->BottomStretch, d->StretchEffect, d->StretchType);
    if (!plate.Empty()) C->Draw(R.Left, R.Top, &plate);
}

void TlxSkinImagesMenuPopupWindow::DrawButtonCaption(TCanvas* C, TlxImagesMenuItem* Item, const TRect& R,
                                                     bool Pressed, bool Hot) {
    TlxSkinData* sd = ImagesMenu->SkinData();
    TlxDataSkinButtonControl* d = PlateDescription();
    TlxDataSkinMenuItem* object = d ? MenuItemObject(sd) : nullptr;
    TFont* font = C->Font();
    const TFont& defaultFont = *ImagesMenu->DefaultFont();
    if (object) {
        if (ImagesMenu->UseSkinFont()) {
            font->SetName(d->FontName);
            font->SetHeight(d->FontHeight);
            font->SetStyle(d->FontStyle);
        } else {
            font->Assign(defaultFont);
        }
        font->SetCharset(SkinCharset(sd, defaultFont));
        font->SetColor(Pressed ? d->DownFontColor : Hot ? d->ActiveFontColor : object->FontColor);
    } else {
        font->Assign(defaultFont);
        font->SetColor(clWindowText);
    }
    C->Brush()->SetStyle(bsClear);
    TRect tr = R;
    uint32_t flags = DT_SINGLELINE | DT_VCENTER;
    if (CalcTextWidthW(C, Item->Caption()) <= RectWidth(R)) flags |= DT_CENTER;
    DrawWideText(C, Item->Caption(), tr, flags);
}
