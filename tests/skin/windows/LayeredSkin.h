#pragma once

#include "FrameSkin.h"

// The frame skin of the frame tests with a layered frame. Its picture is 40 x 30:
// ClRect (8, 6, 32, 24) lies on the form's window; the corner points
// (12, 6), (28, 6), (12, 24), (28, 24) make top and bottom strips 6 rows
// high whose columns 12 to 28 grow. Every pixel tells where it came from:
// red = column, green = row, blue 1 for the inactive picture. The mask makes
// every pixel half transparent (alpha 128). BorderRect (4, 3, 36, 27) gives
// handles 4 wide at the sides and 3 high above and below.
struct TLayeredSkin : TFrameSkin {
    explicit TLayeredSkin(TRect ClRect = {8, 6, 32, 24}) {
        TlxDataSkinLayerFrame& d = *Skin.Content().LayerFrame;
        d.PictureIndex = Skin.AddPicture(Picture(0));
        d.MaskPictureIndex = Skin.AddPicture(Mask());
        d.InActivePictureIndex = Skin.AddPicture(Picture(1));
        d.InActiveMaskPictureIndex = d.MaskPictureIndex;
        d.ClRect = ClRect;
        d.LTPoint = {12, 6};
        d.RTPoint = {28, 6};
        d.LBPoint = {12, 24};
        d.RBPoint = {28, 24};
        d.AlphaBlendValue = 200;
        d.InActiveAlphaBlendValue = 100;
        d.BorderRect = {4, 3, 36, 27};
        d.HitTestEnable = true;
    }
    static TBitmap Picture(uint32_t Blue) {
        TBitmap b(40, 30);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                b.ScanLine(y)[x] = 0xFF000000u | uint32_t(x) << 16 | uint32_t(y) << 8 | Blue;
        return b;
    }
    static TBitmap Mask() {
        TBitmap m(40, 30);
        m.Fill(0xFF808080);
        return m;
    }
};
