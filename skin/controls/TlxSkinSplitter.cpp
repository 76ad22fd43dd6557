#include "skin/controls/TlxSkinSplitter.h"

#include "platform/gdi/TBitmap.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinImages.h"

#include <algorithm>

TlxSkinSplitter::TlxSkinSplitter(TComponent* AOwner) : TSplitter(AOwner) {
    FControlStyle.Include(csOpaque);
    SetWidth(FDefaultSize);
}

void TlxSkinSplitter::SetSkinData(TlxSkinData* Value) {
    FSD.Set(Value);
    ChangeSkinData();
}

void TlxSkinSplitter::SetTransparent(bool Value) {
    if (FTransparent == Value) return;
    FTransparent = Value;
    TControlStyle style = ControlStyle();
    if (Value)
        style.Exclude(csOpaque);
    else
        style.Include(csOpaque);
    SetControlStyle(style);
    // A transparent splitter is as thick as DefaultSize.
    ChangeSkinData();
}

void TlxSkinSplitter::GetSkinData() {
    TlxSkinData* sd = FSD.Get();
    FIndex = !sd || sd->Empty ? -1 : sd->GetControlIndex(FSkinDataName);
    FSkinPicture = nullptr;
    if (FIndex == -1) return;
    auto* d = dynamic_cast<TlxDataSkinSplitterControl*>(sd->CtrlList[FIndex].get());
    if (!d) return;
    LTPt = d->LTPoint;
    RTPt = d->RTPoint;
    LBPt = d->LBPoint;
    StretchEffect = d->StretchEffect;
    FSkinPicture = sd->ActivePicture(d->PictureIndex);
    // Nothing lies beyond the picture.
    SkinRect = ClipToPicture(d->SkinRect, FSkinPicture);
    GripperRect = ClipToPicture(d->GripperRect, FSkinPicture);
    GripperTransparent = d->GripperTransparent;
    GripperTransparentColor = d->GripperTransparentColor;
}

void TlxSkinSplitter::ChangeSkinData() {
    GetSkinData();
    const bool skinSize = FIndex != -1 && FSkinPicture && !FTransparent;
    if (Horizontal())
        SetHeight(skinSize ? SkinRect.Height() : FDefaultSize);
    else
        SetWidth(skinSize ? SkinRect.Width() : FDefaultSize);
    Invalidate();
}

void TlxSkinSplitter::RequestAlign() {
    TSplitter::RequestAlign();
    if (ComponentState().Contains(csDesigning)) SetSkinDataName(Horizontal() ? "hsplitter" : "vsplitter");
}

void TlxSkinSplitter::Paint() {
    if (FTransparent || Width() < 1 || Height() < 1) return;
    GetSkinData();
    if (FIndex == -1 || !FSkinPicture || SkinRect.IsEmpty() || Align() == alNone || Align() == alClient) {
        TSplitter::Paint();
        return;
    }
    TBitmap b;
    if (Horizontal())
        CreateHSkinImage(LTPt.X, SkinRect.Width() - RTPt.X, &b, FSkinPicture, SkinRect, Width(),
                         StretchEffect);
    else
        CreateVSkinImage(LTPt.Y, SkinRect.Height() - LBPt.Y, &b, FSkinPicture, SkinRect, Height(),
                         StretchEffect);
    if (!GripperRect.IsEmpty())
        DrawPicturePart(*b.Canvas(), b.Width() / 2 - GripperRect.Width() / 2,
                        b.Height() / 2 - GripperRect.Height() / 2, FSkinPicture, GripperRect,
                        GripperTransparent, GripperTransparentColor);
    Canvas()->Draw(0, 0, &b);
}
