#include "tests/support/skin/TestSkin.h"

#include "platform/base/Color.h"
#include "platform/base/MemoryStream.h"
#include "skin/engine/CompressedStoredSkin.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/SkinData.h"
#include "tests/support/pictures/PixelArt.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

uint32_t Rgb(TColor C) {
    return ColorToPixel(C) & 0xFFFFFF;
}

void Frame(TBitmap& B, int X0, bool Dark) {
    const uint32_t corner = Dark ? 0x800000 : 0xFF0000;
    const uint32_t horz = Dark ? 0x008000 : 0x00FF00;
    const uint32_t vert = Dark ? 0x808000 : 0xFFFF00;
    const uint32_t blue = Dark ? 0x000060 : 0x0000FF;
    const uint32_t white = Dark ? 0x606060 : 0xFFFFFF;
    for (int y = 0; y < 20; ++y) {
        uint32_t* row = B.ScanLine(y);
        for (int x = 0; x < 20; ++x) {
            const bool left = x < 4, right = x >= 16, top = y < 4, bottom = y >= 16;
            uint32_t c;
            if ((left || right) && (top || bottom))
                c = corner;
            else if (top || bottom)
                c = horz;
            else if (left || right)
                c = vert;
            else
                c = ((x - 4) / 2 + (y - 4) / 2) % 2 ? white : blue;
            row[X0 + x] = 0xFF000000 | c;
        }
    }
}

} // namespace

TTestSkin::TTestSkin() {
    FContent.SkinName = "test";
}

int TTestSkin::AddPicture(const TBitmap& Picture) {
    const int index = static_cast<int>(FContent.FActivePictures.size());
    FContent.FActivePictures.push_back(std::make_unique<TBitmap>(Picture));
    FContent.FActivePicturesNames.Add("picture" + std::to_string(index) + ".bmp");
    return index;
}

void TTestSkin::LoadInto(TlxSkinData* SD) {
    auto* stored = new TlxCompressedStoredSkin(nullptr);
    stored->LoadFromSkinData(FContent);
    const bool loaded = SD->LoadCompressedStoredSkin(stored);
    stored->Free();
    ASSERT_TRUE(loaded) << SD->LastErrMsg();
}

TBitmap TTestSkin::StandardPicture() {
    TBitmap b(48, 24);
    b.Fill(0xFF000000);
    Frame(b, 0, false);
    Frame(b, 24, true);
    return b;
}

void TTestSkin::SetNinePart(TlxDataSkinCustomControl& D, int Picture, int X, int Y) {
    D.PictureIndex = Picture;
    D.MaskPictureIndex = -1;
    D.SkinRect = {X, Y, X + 20, Y + 20};
    D.LTPoint = {4, 4};
    D.RTPoint = {16, 4};
    D.LBPoint = {4, 16};
    D.RBPoint = {16, 16};
    D.ClRect = {4, 4, 16, 16};
}

void FillPixels(TBitmap& B, const TRect& R, uint32_t Rgb) {
    for (int y = std::max(R.Top, 0); y < std::min(R.Bottom, B.Height()); ++y)
        for (int x = std::max(R.Left, 0); x < std::min(R.Right, B.Width()); ++x)
            B.ScanLine(y)[x] = 0xFF000000 | Rgb;
}

const TPixelLegend& TestSkinLegend() {
    static const TPixelLegend legend{
        {'r', 0xFF0000},
        {'g', 0x00FF00},
        {'y', 0xFFFF00},
        {'b', 0x0000FF},
        {'.', 0xFFFFFF},
        {'R', 0x800000},
        {'G', 0x008000},
        {'Y', 0x808000},
        {'B', 0x000060},
        {':', 0x606060},
        {'f', Rgb(clBtnFace)},
        {'s', Rgb(clBtnShadow)},
        {'h', Rgb(clBtnHighlight)},
        {'n', 0x000080},
        {'#', 0x000000},
    };
    return legend;
}
