#include "skin/engine/SkinSizing.h"
#include "SkinFixtures.h"
#include "SkinImagePixels.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/ImageCodecs.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/SkinFolder.h"

#include <gtest/gtest.h>

using namespace skinimg;

namespace {

TlxSkinGeometry Geometry(TRect skinRect, TPoint lt, TPoint rt, TPoint lb, TPoint rb, TRect cl) {
    TlxSkinGeometry g;
    g.SkinRect = skinRect;
    g.LTPt = lt;
    g.RTPt = rt;
    g.LBPt = lb;
    g.RBPt = rb;
    g.ClRect = cl;
    return g;
}

// A white w x h mask, black but for the listed white pixels.
TBitmap MaskWithHoles(int w, int h, std::initializer_list<TPoint> holes) {
    TBitmap b(w, h);
    b.Fill(0xFF000000);
    for (TPoint p : holes)
        b.ScanLine(p.Y)[p.X] = kWhite;
    return b;
}

} // namespace

TEST(CalcSkinSize, ModeDecidesWhichDimensionsGrow) {
    const TRect skin{10, 20, 22, 30}; // 12 x 10
    const TRect cl{3, 2, 9, 8};
    struct {
        const char* what;
        TlxSkinGeometry g;
        TlxResizeMode mode;
        int w, h; // the size taken for a request of 20 x 15
    } cases[] = {
        {"nine parts", Geometry(skin, {3, 2}, {9, 2}, {3, 8}, {9, 8}, cl), TlxResizeMode::Both, 20, 15},
        {"horizontal strip", Geometry(skin, {3, 0}, {9, 0}, {}, {}, cl), TlxResizeMode::Horizontal, 20, 10},
        {"vertical strip", Geometry(skin, {0, 2}, {}, {0, 8}, {}, cl), TlxResizeMode::Vertical, 12, 15},
        {"right-bottom on an axis", Geometry(skin, {3, 2}, {9, 2}, {3, 8}, {9, 0}, cl),
         TlxResizeMode::Horizontal, 20, 10},
        {"no corner points", Geometry(skin, {}, {}, {}, {}, cl), TlxResizeMode::Fixed, 12, 10},
        {"empty skin rectangle", Geometry({5, 5, 5, 9}, {3, 2}, {9, 2}, {3, 8}, {9, 8}, cl),
         TlxResizeMode::None, 20, 15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TlxSkinSize s = CalcSkinSize(c.g, 20, 15);
        EXPECT_EQ(s.ResizeMode, c.mode);
        EXPECT_EQ(s.Width, c.w);
        EXPECT_EQ(s.Height, c.h);
        // Everything right of (below) the client's start moves by the growth.
        const int dx = c.mode == TlxResizeMode::None ? 0 : c.w - 12;
        const int dy = c.mode == TlxResizeMode::None ? 0 : c.h - 10;
        EXPECT_EQ(s.NewLTPoint, c.g.LTPt);
        EXPECT_EQ(s.NewRTPoint, (TPoint{c.g.RTPt.X + dx, c.g.RTPt.Y}));
        EXPECT_EQ(s.NewLBPoint, (TPoint{c.g.LBPt.X, c.g.LBPt.Y + dy}));
        EXPECT_EQ(s.NewRBPoint, (TPoint{c.g.RBPt.X + dx, c.g.RBPt.Y + dy}));
        EXPECT_EQ(s.NewClRect, (TRect{3, 2, 9 + dx, 8 + dy}));
    }
    // Shrinking moves the points the other way.
    const TlxSkinSize small = CalcSkinSize(cases[0].g, 8, 6);
    EXPECT_EQ(small.NewRBPoint, (TPoint{5, 4}));
    EXPECT_EQ(small.NewClRect, (TRect{3, 2, 5, 4}));
}

TEST(CreateSkinControlImage, StripsKeepTheirEndsAndGrowTheMiddle) {
    TBitmap picture = CellBitmap(30, 30);
    // A 14 x 5 strip at (2, 3): ends of 4 and 3 pixels, a 7-pixel middle tiled.
    TlxSkinGeometry h = Geometry({2, 3, 16, 8}, {4, 0}, {11, 0}, {}, {}, {4, 0, 11, 5});
    TlxSkinSize hs = CalcSkinSize(h, 25, 40);
    TBitmap b;
    CreateSkinControlImage(h, hs, &picture, h.SkinRect, b);
    ASSERT_EQ(b.Width(), 25);
    ASSERT_EQ(b.Height(), 5);
    EXPECT_EQ(FirstMismatch(b,
                            [](int x, int y) {
                                const int sx = x < 4 ? x : x >= 22 ? 11 + (x - 22) : 4 + (x - 4) % 7;
                                return Cell(2 + sx, 3 + y);
                            }),
              "");

    // A state rectangle of the same geometry elsewhere in the picture.
    CreateSkinControlImage(h, hs, &picture, {2, 13, 16, 18}, b);
    EXPECT_EQ(b.ScanLine(0)[24], Cell(15, 13));

    // A vertical strip stretches its middle with StretchEffect.
    TlxSkinGeometry v = Geometry({0, 0, 3, 12}, {0, 2}, {}, {0, 10}, {}, {0, 2, 3, 10});
    v.StretchEffect = true;
    TlxSkinSize vs = CalcSkinSize(v, 50, 20);
    CreateSkinControlImage(v, vs, &picture, v.SkinRect, b);
    ASSERT_EQ(b.Width(), 3);
    ASSERT_EQ(b.Height(), 20);
    EXPECT_EQ(FirstMismatch(b,
                            [](int x, int y) {
                                const int sy = y < 2 ? y : y >= 18 ? 10 + (y - 18) : 2 + Near(y - 2, 8, 16);
                                return Cell(x, sy);
                            }),
              "");

    // A fixed description keeps the skin rectangle whatever was asked.
    TlxSkinGeometry f = Geometry({5, 6, 9, 8}, {}, {}, {}, {}, {});
    CreateSkinControlImage(f, CalcSkinSize(f, 40, 40), &picture, f.SkinRect, b);
    ASSERT_EQ(b.Width(), 4);
    ASSERT_EQ(b.Height(), 2);
    EXPECT_EQ(FirstMismatch(b, [](int x, int y) { return Cell(5 + x, 6 + y); }), "");
}

TEST(CreateSkinControlRgn, GrowsTheMaskWithTheMode) {
    // Each mask has a hole at its top-left and bottom-right pixels; the
    // grown region keeps them at the top-left and the new bottom-right.
    struct {
        const char* what;
        TlxSkinGeometry g;
        TBitmap mask;
        int w, h;
    } cases[] = {
        {"nine parts", Geometry({0, 0, 12, 10}, {3, 2}, {9, 2}, {3, 8}, {9, 8}, {3, 2, 9, 8}),
         MaskWithHoles(12, 10, {{0, 0}, {11, 9}}), 20, 20},
        {"horizontal strip", Geometry({0, 0, 12, 4}, {3, 0}, {9, 0}, {}, {}, {3, 0, 9, 4}),
         MaskWithHoles(12, 4, {{0, 0}, {11, 3}}), 20, 4},
        {"vertical strip", Geometry({0, 0, 4, 12}, {0, 3}, {}, {0, 9}, {}, {0, 3, 4, 9}),
         MaskWithHoles(4, 12, {{0, 0}, {3, 11}}), 4, 20},
        {"fixed", Geometry({0, 0, 5, 5}, {}, {}, {}, {}, {}), MaskWithHoles(5, 5, {{0, 0}, {4, 4}}), 5, 5},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TlxSkinSize s = CalcSkinSize(c.g, 20, 20);
        ASSERT_EQ(s.Width, c.w);
        ASSERT_EQ(s.Height, c.h);
        HRGN rgn = CreateSkinControlRgn(c.g, s, &c.mask);
        ASSERT_NE(rgn, nullptr);
        EXPECT_FALSE(PtInRegion(rgn, 0, 0));
        EXPECT_FALSE(PtInRegion(rgn, c.w - 1, c.h - 1));
        EXPECT_TRUE(PtInRegion(rgn, 1, 0));
        EXPECT_TRUE(PtInRegion(rgn, c.w - 2, c.h - 1));
        EXPECT_TRUE(PtInRegion(rgn, c.w / 2, c.h / 2));
        EXPECT_FALSE(PtInRegion(rgn, c.w, c.h - 1));
        DeleteObject(rgn);
    }
    TlxSkinGeometry g = cases[0].g;
    EXPECT_EQ(CreateSkinControlRgn(g, CalcSkinSize(g, 20, 20), nullptr), nullptr);
    TBitmap empty;
    EXPECT_EQ(CreateSkinControlRgn(g, CalcSkinSize(g, 20, 20), &empty), nullptr);
}

namespace {

// Descriptions of every resize mode, tiled and stretched, with and without
// masks, over one cell picture.
const char* const kSizingControls = "count=7\r\n0=nine:button\r\n1=stretched:panel\r\n2=masked:button\r\n"
                                    "3=fixed:button\r\n4=hstrip:button\r\n5=vstrip:label\r\n"
                                    "6=horzclient:button\r\n";
const char* const kSizingSections =
    "[nine]\r\npictureindex=0\r\nskinrect=1,1,13,11\r\nlefttoppoint=3,2\r\nrighttoppoint=9,2\r\n"
    "leftbottompoint=3,8\r\nrightbottompoint=9,8\r\nclientrect=3,2,9,8\r\n"
    "[stretched]\r\npictureindex=0\r\nskinrect=1,1,13,11\r\nlefttoppoint=4,2\r\nrighttoppoint=8,3\r\n"
    "leftbottompoint=3,7\r\nrightbottompoint=9,8\r\nclientrect=3,2,9,8\r\nleftstretch=1\r\ntopstretch=1\r\n"
    "rightstretch=1\r\nbottomstretch=1\r\nstretcheffect=1\r\nstretchtype=stvert\r\n"
    "[masked]\r\npictureindex=0\r\nmaskpictureindex=1\r\nskinrect=1,1,13,11\r\nlefttoppoint=3,2\r\n"
    "righttoppoint=9,2\r\nleftbottompoint=3,8\r\nrightbottompoint=9,8\r\nclientrect=3,2,9,8\r\n"
    "[fixed]\r\npictureindex=0\r\nmaskpictureindex=2\r\nskinrect=2,12,8,16\r\n"
    "[hstrip]\r\npictureindex=0\r\nmaskpictureindex=3\r\nskinrect=0,16,14,21\r\nlefttoppoint=4,0\r\n"
    "righttoppoint=10,0\r\nclientrect=4,0,10,5\r\n"
    "[vstrip]\r\npictureindex=0\r\nskinrect=14,0,19,14\r\nlefttoppoint=0,3\r\nleftbottompoint=0,10\r\n"
    "clientrect=0,3,5,10\r\nstretcheffect=1\r\n"
    "[horzclient]\r\npictureindex=0\r\nskinrect=1,1,13,11\r\nlefttoppoint=3,2\r\nrighttoppoint=9,2\r\n"
    "leftbottompoint=3,8\r\nrightbottompoint=9,8\r\nclientrect=3,2,9,8\r\nstretcheffect=1\r\n"
    "stretchtype=sthorz\r\n";

void WriteSizingSkin(const TempFolder& folder) {
    WriteTextFile(folder.File("skin.ini"),
                  SkinText(kSizingSections, "count=0\r\n", kSizingControls, "borderwidth=0\r\n",
                           "activepicturescount=4\r\n0=cells.bmp\r\n1=mask.bmp\r\n2=fixedmask.bmp\r\n"
                           "3=stripmask.bmp\r\n"));
    WriteTextFile(folder.File("cells.bmp"), EncodeBmp(CellBitmap(20, 22), 24));
    WriteTextFile(folder.File("mask.bmp"), EncodeBmp(MaskWithHoles(12, 10, {{0, 0}, {1, 0}, {11, 9}}), 24));
    WriteTextFile(folder.File("fixedmask.bmp"), EncodeBmp(MaskWithHoles(6, 4, {{5, 0}}), 24));
    WriteTextFile(folder.File("stripmask.bmp"), EncodeBmp(MaskWithHoles(14, 5, {{0, 4}, {13, 0}}), 24));
}

} // namespace

// The tool and a control sized through the routine show the same pixels; the
// tool marks the region as alpha.
TEST(CreateSkinControlImage, ToolRenderShowsWhatAControlPaints) {
    TempFolder folder;
    WriteSizingSkin(folder);
    TlxSkinContent content;
    ASSERT_TRUE(LoadSkinFolder(folder.File("skin.ini"), content, ReadSkinBitmap));

    const TSize sizes[] = {{12, 10}, {31, 23}, {7, 5}, {1, 1}};
    for (const char* name : {"nine", "stretched", "masked", "fixed", "hstrip", "vstrip", "horzclient"}) {
        auto* d = dynamic_cast<TlxDataSkinCustomControl*>(
            content.CtrlList[size_t(content.GetControlIndex(name))].get());
        ASSERT_NE(d, nullptr) << name;
        for (TSize size : sizes) {
            SCOPED_TRACE(std::string(name) + " at " + std::to_string(size.cx) + "x" +
                         std::to_string(size.cy));
            // As a control paints itself.
            const TlxSkinGeometry g = TlxSkinGeometry::Of(*d);
            const TlxSkinSize s = CalcSkinSize(g, size.cx, size.cy);
            TBitmap painted;
            CreateSkinControlImage(g, s, content.ActivePicture(d->PictureIndex), d->SkinRect, painted);
            HRGN rgn = CreateSkinControlRgn(g, s, content.ActivePicture(d->MaskPictureIndex));

            const std::string out = folder.File("out.png");
            const SkintoolRun run =
                RunSkintool("render " + folder.Path() + " " + name + " " + std::to_string(size.cx) + "x" +
                            std::to_string(size.cy) + " " + out);
            ASSERT_EQ(run.Status, 0) << run.Output;
            TBitmap shown;
            DecodePng(ReadTextFile(out), shown);
            ASSERT_EQ(shown.Width(), painted.Width());
            ASSERT_EQ(shown.Height(), painted.Height());
            EXPECT_EQ(shown.HasAlpha(), rgn != nullptr);
            EXPECT_EQ(FirstMismatch(shown,
                                    [&](int x, int y) {
                                        const uint32_t rgb = painted.ScanLine(y)[x] & 0x00FFFFFFu;
                                        const bool inside = !rgn || PtInRegion(rgn, x, y);
                                        return rgb | (inside ? 0xFF000000u : 0u);
                                    }),
                      "");
            if (rgn) DeleteObject(rgn);
        }
    }
}
