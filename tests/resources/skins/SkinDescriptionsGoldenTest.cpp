#include "platform/gdi/TCanvas.h"
#include "resources/skins/EmbeddedSkinList.h"
#include "skin/engine/CompressedSkinList.h"
#include "skin/engine/SkinRequiredNames.h"
#include "skin/engine/SkinSizing.h"
#include "tests/support/pictures/GoldenPicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

// What a skinned control of that size paints of a description.
TBitmap Grown(const TlxSkinContent& content, const TlxDataSkinCustomControl& d, int w, int h) {
    const TlxSkinGeometry g = TlxSkinGeometry::Of(d);
    TBitmap image;
    CreateSkinControlImage(g, CalcSkinSize(g, w, h), content.ActivePicture(d.PictureIndex), d.SkinRect,
                           image);
    return image;
}

// The look of a control whose skin lacks its description: a button-face fill.
bool IsBuiltInLook(const TBitmap& image) {
    TBitmap builtIn(image.Width(), image.Height());
    builtIn.Canvas()->Brush()->SetColor(clBtnFace);
    builtIn.Canvas()->FillRect({0, 0, image.Width(), image.Height()});
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if ((image.ScanLine(y)[x] & 0xFFFFFF) != (builtIn.ScanLine(y)[x] & 0xFFFFFF)) return false;
    return true;
}

} // namespace

// Every drawn control description of every skin at its own size, wider and
// taller, and smaller, one row a description, against a golden per skin.
TEST(EmbeddedSkinList, EveryDescriptionGrownToThreeSizesMatchesItsGolden) {
    TlxCompressedSkinList list(nullptr);
    LoadEmbeddedSkinList(list);
    ASSERT_EQ(list.Skins()->Count(), 11);
    for (int i = 0; i < list.Skins()->Count(); ++i) {
        TlxSkinContent content;
        ASSERT_TRUE(list.Skins()->GetItem(i)->Skin()->ReadContent(content));
        std::vector<std::vector<TBitmap>> rows;
        for (const TlxRequiredSkinName& n : RequiredSkinNames()) {
            if (n.List != TlxSkinListKind::Control || !n.Drawn) continue;
            const auto* d = dynamic_cast<const TlxDataSkinCustomControl*>(
                content.CtrlList[size_t(content.GetControlIndex(n.Name))].get());
            if (!d) continue;
            const int w = d->SkinRect.Width(), h = d->SkinRect.Height();
            std::vector<TBitmap> row;
            for (TSize size :
                 {TSize{w, h}, TSize{w * 2 + 7, h + 13}, TSize{std::max(w * 2 / 3, 8), std::max(h - 5, 8)}}) {
                row.push_back(Grown(content, *d, size.cx, size.cy));
                EXPECT_FALSE(IsBuiltInLook(row.back()))
                    << content.SkinName << " " << n.Name << " " << size.cx << "x" << size.cy;
            }
            rows.push_back(std::move(row));
        }
        int width = 0, height = 0;
        for (const auto& row : rows) {
            int w = 0, h = 0;
            for (const TBitmap& b : row) {
                w += b.Width() + 4;
                h = std::max(h, b.Height());
            }
            width = std::max(width, w);
            height += h + 4;
        }
        TBitmap sheet(width, height);
        sheet.Fill(0xFF808080u);
        int y = 0;
        for (const auto& row : rows) {
            int x = 0, h = 0;
            for (const TBitmap& b : row) {
                for (int r = 0; r < b.Height(); ++r)
                    std::memcpy(sheet.ScanLine(y + r) + x, b.ScanLine(r), size_t(b.Width()) * 4);
                x += b.Width() + 4;
                h = std::max(h, b.Height());
            }
            y += h + 4;
        }
        EXPECT_TRUE(MatchesGolden(sheet, "resources/skins/" + content.SkinName));
    }
}
