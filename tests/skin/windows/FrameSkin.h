#pragma once

#include "platform/gdi/TBitmap.h"
#include "skin/engine/DataSkinObjects.h"
#include "tests/support/skin/TestSkin.h"

#include <memory>
#include <string>

// A skinned frame made in code. The frame picture is 100 x 60: the client
// (5, 25, 95, 55) in a checker, a title band of 25 rows above it in blue
// with a lighter caption strip (8, 4, 50, 20), borders of 5 in grey; the
// corner points (20, 25), (40, 25), (20, 55), (40, 55) leave the columns 20
// to 40 to grow. The inactive picture is the same in darker colours. The
// mask is black but for three pixels at each corner.
//
// Objects: the caption "caption" at (8, 4, 50, 20); standard buttons laid out
// in ButtonsRect (70, 4, 92, 20) with an offset of 2: "close", "max", "min",
// each 12 x 12 from picture 0; and, when asked, "sysmenu" (12 x 12).
struct TFrameSkin {
    explicit TFrameSkin(bool SysMenu = false, bool Mask = true);

    // Adds a description of class D to the frame objects.
    template <class D> D& Add(const std::string& Name) {
        auto d = std::make_unique<D>(Name);
        D& ref = *d;
        Skin.Content().ObjectList.push_back(std::move(d));
        return ref;
    }
    TlxDataSkinStdButton& AddButton(const std::string& Name, TlxStdCommand Command);

    static TBitmap FramePicture(bool Dark);
    static TBitmap MaskPicture();

    TTestSkin Skin;
    int Glyphs = -1;
};
