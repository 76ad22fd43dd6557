#include "AlphaBitmapFixtures.h"

#include "platform/base/MemoryStream.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/engine/TlxBitmapLink.h"

#include <gtest/gtest.h>

#include <memory>

using namespace alphafix;

TEST(TlxBitmap, SetSizeRules) {
    TlxBitmap b;
    EXPECT_TRUE(b.Empty());
    b.SetSize(-10, 5);
    EXPECT_FALSE(b.Empty());
    EXPECT_EQ(b.Width(), 10);
    EXPECT_EQ(b.Height(), 5);
    EXPECT_EQ(At(b, 9, 4), 0u); // transparent black
    b.Clear(0xFF112233);
    b.SetSize(0, 5);  // zero: nothing changes
    b.SetSize(10, 5); // the same size: nothing changes
    EXPECT_EQ(b.Width(), 10);
    EXPECT_EQ(At(b, 0, 0), 0xFF112233u);
    TCanvas* canvas = b.Canvas();
    b.SetSize(2, 2); // new pixels, the canvas follows the new context
    EXPECT_EQ(At(b, 1, 1), 0u);
    EXPECT_EQ(canvas, b.Canvas());
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect(TRect{0, 0, 1, 1});
    EXPECT_EQ(At(b, 0, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(TlxBitmap::FromDC(b.DC()), &b);
}

TEST(TlxBitmap, TransparencyAndAlphaChecks) {
    TlxBitmap b;
    b.CheckingAlphaBlend();
    EXPECT_FALSE(b.AlphaBlend()); // empty
    FillPixels(b, 3, 1, {0xFF640000, 0x00690000, 0xFF6A0000});
    b.CheckingAlphaBlend();
    EXPECT_FALSE(b.AlphaBlend()); // only 0 and 255
    b.Bits()[1] = 0x80690000;
    b.CheckingAlphaBlend();
    EXPECT_TRUE(b.AlphaBlend());

    // Red 100: 105 is close enough, 106 is not.
    b.CheckingTransparent(0xFF640000);
    EXPECT_TRUE(b.Transparent());
    EXPECT_EQ(Row(b, 0), (std::vector<uint32_t>{lxKeyColor, lxKeyColor, 0xFF6A0000}));

    b.SetAlpha(0x40);
    EXPECT_EQ(At(b, 2, 0), 0x406A0000u);
    b.SetAlpha(0x10, TRect{2, -5, 9, 9}); // clipped to the bitmap
    b.SetAlpha(0x20, TRect{0, 0, 0, 1});  // zero width
    EXPECT_EQ(Row(b, 0), (std::vector<uint32_t>{0x407F007F, 0x407F007F, 0x106A0000}));
}

TEST(TlxBitmap, AssignFromBitmaps) {
    TBitmap plain(2, 1);
    plain.SetPixelFormat(pf24bit);
    plain.ScanLine(0)[0] = 0x00112233; // the alpha byte means nothing at 24 bits
    TlxBitmap b;
    b.Assign(plain);
    EXPECT_EQ(Row(b, 0), (std::vector<uint32_t>{0xFF112233, 0xFFFFFFFF}));
    EXPECT_FALSE(b.AlphaBlend());

    TBitmap withAlpha(2, 1);
    withAlpha.SetPixelFormat(pf32bit);
    withAlpha.ScanLine(0)[0] = 0x80112233;
    withAlpha.ScanLine(0)[1] = 0x00000000;
    b.Assign(withAlpha);
    EXPECT_EQ(Row(b, 0), (std::vector<uint32_t>{0x80112233, 0}));
    EXPECT_TRUE(b.AlphaBlend());

    TlxBitmap copy;
    b.SetName("frame");
    b.SetTransparent(true);
    copy.Assign(&b);
    EXPECT_EQ(Row(copy, 0), Row(b, 0));
    EXPECT_EQ(copy.Name(), "frame");
    EXPECT_TRUE(copy.Transparent());
    EXPECT_TRUE(copy.AlphaBlend());

    // Back to a bitmap: drawn by the flags onto a fresh (white) 32-bit bitmap.
    TBitmap out;
    copy.SetTransparent(false);
    copy.AssignTo(out);
    EXPECT_EQ(out.PixelFormat(), pf32bit);
    EXPECT_EQ(out.ScanLine(0)[0], PixelBlend(0x80112233, 0xFFFFFFFF));
    EXPECT_EQ(out.ScanLine(0)[1], 0xFFFFFFFFu);
}

TEST(TlxBitmap, FillRectSetsOrBlendsInsideTheBitmap) {
    TlxBitmap b;
    b.SetSize(3, 1);
    b.Clear(0xFF000000);
    b.FillRect(TRect{-5, -5, 1, 5}, 0x80FFFFFF);
    EXPECT_EQ(Row(b, 0), (std::vector<uint32_t>{0x80FFFFFF, 0xFF000000, 0xFF000000}));
    b.SetAlphaBlend(true);
    b.FillRect(TRect{1, 0, 9, 1}, 0x80FFFFFF);
    EXPECT_EQ(Row(b, 0), (std::vector<uint32_t>{0x80FFFFFF, 0xFF808080, 0xFF808080}));
    b.FillRect(TRect{5, 0, 9, 1}, 0xFFFFFFFF); // nothing inside
    EXPECT_EQ(At(b, 2, 0), 0xFF808080u);
}

TEST(TlxBitmap, DrawOntoALiveBitmapContextUsesItsMemoryAndOrigin) {
    TlxBitmap src;
    FillCells(src, 2, 1);
    TlxBitmap target;
    target.SetSize(6, 1);
    SetViewportOrgEx(target.DC(), 1, 0, nullptr);
    src.Draw(target.DC(), TRect{0, 0, 5, 1}); // lands at 1..5, scaled by the engine
    EXPECT_EQ(Row(target, 0),
              (std::vector<uint32_t>{0, Cell(0, 0), Cell(0, 0), Cell(0, 0), Cell(1, 0), Cell(1, 0)}));

    // A plain bitmap's canvas goes through the context's own stretch.
    TBitmap plain(5, 1);
    src.Draw(plain.Canvas(), TRect{0, 0, 5, 1});
    EXPECT_EQ(plain.ScanLine(0)[1], Cell(0, 0));
    EXPECT_EQ(plain.ScanLine(0)[2], Cell(1, 0));
}

TEST(TlxBitmap, DrawOntoACanvasBlendsOrKeysThroughTheContext) {
    TlxBitmap src;
    FillPixels(src, 2, 1, {0x80FFFFFF, 0xFF7F007F});
    TBitmap plain(3, 1);
    plain.Fill(0xFF000000);
    TCanvas* canvas = plain.Canvas();
    SetViewportOrgEx(canvas->Handle(), 1, 0, nullptr);
    src.SetAlphaBlend(true);
    src.Draw(canvas, -1, 0); // lands at 0..1
    EXPECT_EQ(plain.ScanLine(0)[0], 0xFF808080u);
    EXPECT_EQ(plain.ScanLine(0)[1], 0xFF7F007Fu);
    src.SetAlphaBlend(false);
    src.SetTransparent(true);
    plain.Fill(0xFF000000);
    src.Draw(canvas, 0, 0); // lands at 1..2; the key pixel is skipped
    EXPECT_EQ(plain.ScanLine(0)[1], 0xFFFFFFFFu);
    EXPECT_EQ(plain.ScanLine(0)[2], 0xFF000000u);

    TlxBitmap empty;
    plain.Fill(0xFF000000);
    empty.Draw(canvas, 0, 0);
    empty.Tile(canvas, TRect{0, 0, 3, 1}, TRect{0, 0, 1, 1});
    EXPECT_EQ(plain.ScanLine(0)[1], 0xFF000000u);
}

TEST(TlxBitmap, TileRepeatsAndCutsAtTheEdges) {
    TlxBitmap src, dst;
    FillCells(src, 3, 2);
    dst.SetSize(5, 3);
    src.Tile(&dst, TRect{0, 0, 5, 3}, TRect{1, 0, 3, 2});
    EXPECT_EQ(Row(dst, 0),
              (std::vector<uint32_t>{Cell(1, 0), Cell(2, 0), Cell(1, 0), Cell(2, 0), Cell(1, 0)}));
    EXPECT_EQ(Row(dst, 2),
              (std::vector<uint32_t>{Cell(1, 0), Cell(2, 0), Cell(1, 0), Cell(2, 0), Cell(1, 0)}));
    dst.Clear(0);
    src.Tile(&dst, TRect{0, 0, 5, 3}, TRect{1, 0, 1, 2}); // empty source: nothing
    src.TileClip(&dst, TRect{0, 0, 5, 3}, TRect{2, 0, 3, 1}, TRect{1, 0, 3, 2});
    EXPECT_EQ(Row(dst, 0), (std::vector<uint32_t>{0, 0, Cell(1, 0), Cell(2, 0), 0}));
    EXPECT_EQ(At(dst, 2, 2), 0u);
}

TEST(TlxBitmap, MergeDrawPutsTheSourceUnderneath) {
    TlxBitmap top, under;
    FillPixels(top, 3, 1, {0x00000000, 0x80FFFFFF, 0xFF0000FF});
    FillPixels(under, 4, 1, {0xFF000001, 0xFF000000, 0xFF000000, 0xFF000000});
    top.MergeDraw(under, -1, 0, TRect{0, 0, 4, 1}); // source x lands at x - 1
    EXPECT_EQ(Row(top, 0), (std::vector<uint32_t>{0xFF000000, 0xFF808080, 0xFF0000FF}));
}

TEST(TlxBitmap, ReflectionsFadeTheFlippedRows) {
    struct Case {
        void (TlxBitmap::*op)();
        std::vector<uint32_t> alphas;
    } cases[] = {
        {&TlxBitmap::Reflection3, {127, 64, 0, 0}},
        {&TlxBitmap::Reflection, {85, 42, 0, 0}},
        {&TlxBitmap::Reflection2, {63, 32, 0, 0}},
    };
    for (const Case& c : cases) {
        TlxBitmap b;
        b.SetSize(1, 4);
        for (int y = 0; y < 4; ++y)
            b.Bits()[y] = 0xFF000000u | uint32_t(y);
        (b.*c.op)();
        std::vector<uint32_t> alphas;
        for (int y = 0; y < 4; ++y)
            alphas.push_back(b.Bits()[y] >> 24);
        EXPECT_EQ(alphas, c.alphas);
        EXPECT_EQ(b.Bits()[0] & 0xFF, 3u); // flipped
    }
}

TEST(TlxBitmap, StreamFormRoundTripsAndRefusesDamage) {
    TlxBitmap b;
    FillCells(b, 2, 2);
    b.SetName("Glow 字");
    TMemoryStream s;
    b.SaveToStream(s);
    s.SetPosition(0);
    TlxBitmap back;
    back.LoadFromStream(s);
    EXPECT_EQ(back.Name(), "Glow 字");
    EXPECT_EQ(Row(back, 1), Row(b, 1));

    // A negative height stores the rows bottom-up.
    TMemoryStream up;
    int32_t head[] = {0, 1, -2};
    up.WriteBuffer(head, sizeof head);
    uint32_t px[] = {0xFF000002, 0xFF000001};
    up.WriteBuffer(px, sizeof px);
    up.SetPosition(0);
    back.LoadFromStream(up);
    EXPECT_EQ(back.Height(), 2);
    EXPECT_EQ(At(back, 0, 0), 0xFF000001u);

    // Sizes the data cannot hold are refused; the bitmap stays as it was.
    TMemoryStream bad;
    int32_t huge[] = {0, 60000, 60000};
    bad.WriteBuffer(huge, sizeof huge);
    bad.SetPosition(0);
    EXPECT_THROW(back.LoadFromStream(bad), EReadError);
    EXPECT_EQ(back.Width(), 1);
    TMemoryStream badName;
    int32_t count = 1 << 30;
    badName.WriteBuffer(&count, 4);
    badName.SetPosition(0);
    EXPECT_THROW(back.LoadFromStream(badName), EReadError);
}

TEST(TlxBitmap, ColourAdjustmentsSkipTransparentPixels) {
    TlxBitmap b;
    FillPixels(b, 3, 1, {0xFFFF0000, 0x00FF0000, 0x80F80A0A});
    b.ChangeBitmapBrightness(10);
    EXPECT_EQ(Row(b, 0), (std::vector<uint32_t>{0xFFFF0A0A, 0x00FF0000, 0x80FF1414}));
    FillPixels(b, 2, 1, {0xFFFF0000, 0x00FF0000});
    b.SetBitmapHue(85); // a third of the way round: red becomes green
    EXPECT_EQ(Row(b, 0), (std::vector<uint32_t>{0xFF00FF00, 0x00FF0000}));
    b.ChangeBitmapHue(85);
    EXPECT_EQ(At(b, 0, 0), 0xFF0000FFu);
    b.ChangeBitmapSat(-255); // 255 - 255 = 0: grey
    EXPECT_EQ(At(b, 0, 0), 0xFF808080u);
}

TEST(TlxBitmapLink, RectanglesFromTextAndMaskChecks) {
    TlxBitmap b;
    b.SetSize(4, 4);
    b.Clear(0xFFFFFFFF);
    b.SetName("pic");
    std::unique_ptr<TlxBitmapLink> link(b.GetBitmapLink(std::string(" 1, 2;3= 4 ")));
    EXPECT_EQ(link->Rect(), (TRect{1, 2, 3, 4}));
    EXPECT_EQ(link->Name(), "pic");
    EXPECT_TRUE(link->Assigned());
    std::unique_ptr<TlxBitmapLink> bad(b.GetBitmapLink(std::string("1,2,x,4")));
    EXPECT_EQ(bad->Rect(), TRect{});
    EXPECT_FALSE(bad->Assigned());

    std::unique_ptr<TlxBitmapLink> whole(b.GetBitmapLink(TRect{0, 0, 4, 4}));
    whole->CheckingMasked();
    EXPECT_FALSE(whole->Masked());
    b.Bits()[0] = 0x80FFFFFF; // a corner
    whole->CheckingMasked();
    EXPECT_TRUE(whole->Masked());
    whole->CheckingMasked(TRect{1, 1, 1, 1});
    EXPECT_TRUE(whole->MaskedAngles());
    EXPECT_FALSE(whole->MaskedBorder());
    EXPECT_FALSE(whole->Masked());
    b.Bits()[0] = 0x33333333; // the marker value never counts
    b.Bits()[1 * 4 + 2] = 0;  // inside
    whole->CheckingMasked(TRect{1, 1, 1, 1});
    EXPECT_FALSE(whole->MaskedAngles());
    EXPECT_TRUE(whole->Masked());
}
