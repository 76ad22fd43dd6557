// The quick buttons of the caption object: laid out at the caption's left
// end, drawn, hovered, pressed and clicked through the caption.
#include "skin/windows/TlxSkinCaptionObject.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/vcl/TImageList.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinImages.h"
#include "skin/engine/SkinRects.h"
#include "skin/windows/SkinObjectSupport.h"
#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxQuickButtonItem.h"

namespace {

// The skin's background of a hovered or pressed quick button (nullptr: none).
const TlxDataSkinButtonControl* QuickButtonLook(const TlxSkinData* Skin) {
    if (!Skin || Skin->Empty) return nullptr;
    int index = Skin->GetControlIndex("officequickbutton");
    if (index < 0) index = Skin->GetControlIndex("resizetoolbutton");
    if (index < 0) return nullptr;
    return dynamic_cast<const TlxDataSkinButtonControl*>(Skin->CtrlList[index].get());
}

} // namespace

bool TlxSkinCaptionObject::HasQuickButtons() const {
    const TlxQuickButtonItems* items = Parent->QuickButtons();
    return items && items->Count() > 0 && Parent->QuickImageList();
}

void TlxSkinCaptionObject::DrawQuickButtons(TCanvas* Cnvs) {
    if (!HasQuickButtons()) return;
    const TCustomImageList* images = Parent->QuickImageList();
    const int iw = images->Width(), ih = images->Height();
    int x = ObjectRect.Left;
    const int y = ObjectRect.Top + RectHeight(ObjectRect) / 2 - ih / 2 - 2;
    TlxQuickButtonItems* items = Parent->QuickButtons();
    for (int i = 0; i < items->Count(); ++i) {
        TlxQuickButtonItem* item = items->Items(i);
        // An invisible button takes no place and keeps its old rectangle.
        if (!item->Visible()) continue;
        item->ItemRect = {x, y, x + iw + 4, y + ih + 4};
        DrawQuickButton(Cnvs, i);
        x += iw + 8;
    }
}

void TlxSkinCaptionObject::DrawQuickButton(TCanvas* Cnvs, int Index) {
    TlxQuickButtonItem* item = Parent->QuickButtons()->Items(Index);
    if (!item->Visible()) return;
    const TRect& r = item->ItemRect;
    if (item->Active) {
        const TlxSkinData* skin = Parent->SkinData();
        const TlxDataSkinButtonControl* look = QuickButtonLook(skin);
        TBitmap* picture = look ? skin->ActivePicture(look->PictureIndex) : nullptr;
        const TRect source = look ? (item->Down ? look->DownSkinRect : look->ActiveSkinRect) : TRect{};
        if (picture && !IsNullRect(source) && !IsNullRect(r)) {
            TBitmap b(RectWidth(r), RectHeight(r));
            CreateSkinImageByClient(&b, picture, source, look->ClRect, true);
            Cnvs->Draw(r.Left, r.Top, &b);
        }
    }
    const TCustomImageList* images = Parent->QuickImageList();
    images->Draw(Cnvs, r.Left + RectWidth(r) / 2 - images->Width() / 2,
                 r.Top + RectHeight(r) / 2 - images->Height() / 2, item->ImageIndex(), item->Enabled());
}

void TlxSkinCaptionObject::TestQuickButtons(int X, int Y) {
    TlxQuickButtonItems* items = Parent->QuickButtons();
    if (!items || items->Count() == 0) return;
    OldActiveQuickButton = ActiveQuickButton;
    int found = -1;
    for (int i = 0; i < items->Count(); ++i) {
        const TlxQuickButtonItem* item = items->Items(i);
        if (item->Enabled() && item->Visible() && PtInRect(item->ItemRect, {X, Y})) {
            found = i;
            break;
        }
    }
    ActiveQuickButton = found;
    bool activeChanged = false;
    for (int i = 0; i < items->Count(); ++i) {
        TlxQuickButtonItem* item = items->Items(i);
        if (item->Active != (i == found)) {
            item->Active = i == found;
            activeChanged = true;
        }
    }
    if (activeChanged || found != OldActiveQuickButton) RepaintFrame(Parent);
    // Hints only through the component's hint.
    if (!Parent->SkinHint() || !Parent->QuickButtonsShowHint()) return;
    if (found != -1 && found != OldActiveQuickButton && !items->Items(found)->Hint().empty())
        Parent->ActivateObjectHint(items->Items(found)->Hint());
    else if (activeChanged && found == -1)
        Parent->HideObjectHint();
}

void TlxSkinCaptionObject::QuickMouseDown(int X, int Y, TMouseButton Button) {
    if (!HasQuickButtons()) return;
    TestQuickButtons(X, Y);
    if (ActiveQuickButton >= 0 && Button == TMouseButton::mbLeft) {
        TlxQuickButtonItems* items = Parent->QuickButtons();
        for (int i = 0; i < items->Count(); ++i) {
            TlxQuickButtonItem* item = items->Items(i);
            item->Down = i == ActiveQuickButton;
            if (i != ActiveQuickButton) item->Active = false;
        }
        RepaintFrame(Parent);
    }
    if (Parent->SkinHint() && Parent->QuickButtonsShowHint()) Parent->HideObjectHint();
}

void TlxSkinCaptionObject::QuickMouseUp(int X, int Y, TMouseButton Button) {
    if (!HasQuickButtons()) return;
    TestQuickButtons(X, Y);
    TlxQuickButtonItems* items = Parent->QuickButtons();
    const bool pressedHere = ActiveQuickButton >= 0 && items->Items(ActiveQuickButton)->Down;
    bool wasDown = false;
    for (int i = 0; i < items->Count(); ++i) {
        wasDown = wasDown || items->Items(i)->Down;
        items->Items(i)->Down = false;
    }
    if (wasDown) RepaintFrame(Parent);
    if (!pressedHere || Button != TMouseButton::mbLeft) return;
    // Last: the handler may close the form or change its skin, which frees
    // this object.
    const TNotifyEvent click = items->Items(ActiveQuickButton)->OnClick;
    if (click) click(this);
}
