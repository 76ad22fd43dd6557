#include "skin/controls/SkinResizeButton.h"

#include "platform/gdi/TBitmap.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinImages.h"

#include <algorithm>

TlxDataSkinButtonControl* FindButtonDescription(TlxSkinData* SD, std::initializer_list<const char*> Names) {
    if (!SD || SD->Empty) return nullptr;
    for (const char* name : Names) {
        const int i = SD->GetControlIndex(name);
        if (i < 0 || i >= static_cast<int>(SD->CtrlList.size())) continue;
        if (auto* d = dynamic_cast<TlxDataSkinButtonControl*>(SD->CtrlList[i].get())) return d;
    }
    return nullptr;
}

TRect ButtonStateRect(const TlxDataSkinButtonControl& D, bool Pressed, bool Hot) {
    const TRect active = D.ActiveSkinRect.IsEmpty() ? D.SkinRect : D.ActiveSkinRect;
    if (Pressed) return D.DownSkinRect.IsEmpty() ? active : D.DownSkinRect;
    if (Hot) return active;
    return D.SkinRect;
}

void CreateResizedButtonImage(TlxSkinData* SD, const TlxDataSkinButtonControl& D, const TRect& R, int W,
                              int H, TBitmap& B) {
    B.SetSize(std::max(W, 0), std::max(H, 0));
    TBitmap* picture = SD ? SD->ActivePicture(D.PictureIndex) : nullptr;
    if (!picture || B.Width() == 0 || B.Height() == 0) return;
    const int dw = W - D.SkinRect.Width();
    const int dh = H - D.SkinRect.Height();
    TRect cl = D.ClRect;
    cl.Right += dw;
    cl.Bottom += dh;
    CreateSkinImage(D.LTPoint, D.RTPoint, D.LBPoint, D.RBPoint, D.ClRect, D.LTPoint,
                    {D.RTPoint.X + dw, D.RTPoint.Y}, {D.LBPoint.X, D.LBPoint.Y + dh},
                    {D.RBPoint.X + dw, D.RBPoint.Y + dh}, cl, &B, picture, R, W, H, true, D.LeftStretch,
                    D.TopStretch, D.RightStretch, D.BottomStretch, D.StretchEffect, D.StretchType);
}
