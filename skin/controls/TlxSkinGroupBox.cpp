#include "skin/controls/TlxSkinGroupBox.h"

TlxSkinGroupBox::TlxSkinGroupBox(TComponent* AOwner) : TlxSkinPanel(AOwner) {
    SetSkinDataName("groupbox");
    SetCaptionMode(true);
}

void TlxSkinGroupBox::GetSkinData() {
    TlxSkinPanel::GetSkinData();
    FForceBackground = !(Skinned() && Geometry.ClRect.Bottom < CaptionRect.Top);
}
