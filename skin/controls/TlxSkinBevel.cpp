#include "skin/controls/TlxSkinBevel.h"

#include "skin/controls/TlxCentringBar.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/SkinData.h"

TlxSkinBevel::TlxSkinBevel(TComponent* AOwner) : TBevel(AOwner) {}

void TlxSkinBevel::SetSkinData(TlxSkinData* Value) {
    FSD.Set(Value);
    ChangeSkinData();
}

void TlxSkinBevel::SetDividerMode(bool Value) {
    FDividerMode = Value;
    Invalidate();
}

void TlxSkinBevel::ChangeSkinData() {
    TlxSkinData* sd = FSD.Get();
    FIndex = !sd || sd->Empty ? -1 : sd->GetControlIndex(FSkinDataName);
    if (FIndex == -1) {
        LightColor = clBtnHighlight;
        DarkColor = clBtnShadow;
    } else if (auto* d = dynamic_cast<TlxDataSkinBevel*>(sd->CtrlList[FIndex].get())) {
        LightColor = d->LightColor;
        DarkColor = d->DarkColor;
    }
    Invalidate();
}

void TlxSkinBevel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TBevel::SetBounds(ALeft, CentredTop(Parent(), ATop, AHeight), AWidth, AHeight);
}

void TlxSkinBevel::Paint() {
    if (!FDividerMode) {
        PaintShape(DarkColor, LightColor);
        return;
    }
    const TColor color1 = FStyle == bsLowered ? DarkColor : LightColor;
    const TColor color2 = FStyle == bsLowered ? LightColor : DarkColor;
    Canvas()->Pen()->SetWidth(1);
    Canvas()->Pen()->SetStyle(psSolid);
    const int w = Width(), h = Height();
    switch (FShape) {
    case bsBox:
    case bsFrame:
    case bsLeftLine:
    case bsRightLine:
        BevelRect({w / 2 - 1, 2, w / 2, h - 2}, color1, color2);
        break;
    case bsTopLine:
    case bsBottomLine:
        BevelRect({2, h / 2 - 1, w - 2, h / 2}, color1, color2);
        break;
    case bsSpacer:
        break;
    }
}
