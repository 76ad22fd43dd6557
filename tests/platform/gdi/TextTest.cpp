#include "platform/gdi/Text.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TFontFace.h"

#include <gtest/gtest.h>

// Text pictures depend on the font files, so these tests pin them: the
// families below must resolve to the packaged Liberation, DejaVu and Noto
// CJK files, and FreeType renders with the settings fixed in TFontFace.

namespace {

struct Surface {
    TBitmap Bitmap;
    TCanvas* Canvas;
    Surface(int w, int h, const char* font = "Arial", int height = -14) : Bitmap(w, h) {
        Canvas = Bitmap.Canvas();
        Canvas->Font()->SetName(font);
        Canvas->Font()->SetHeight(height);
        Canvas->Font()->SetColor(clBlack);
        Canvas->Brush()->SetStyle(bsClear);
    }
    HDC Dc() { return Canvas->Handle(); }
    // Rows [top, bottom) and columns [left, right) holding any pixel darker than
    // the threshold (the default: any non-white one).
    TRect Ink(uint32_t threshold = 255) const {
        TRect r{Bitmap.Width(), Bitmap.Height(), 0, 0};
        for (int y = 0; y < Bitmap.Height(); ++y)
            for (int x = 0; x < Bitmap.Width(); ++x)
                if ((Bitmap.ScanLine(y)[x] & 0xFF) < threshold) {
                    r.Left = std::min(r.Left, x);
                    r.Top = std::min(r.Top, y);
                    r.Right = std::max(r.Right, x + 1);
                    r.Bottom = std::max(r.Bottom, y + 1);
                }
        return r;
    }
    bool SamePixels(const Surface& o) const {
        for (int y = 0; y < Bitmap.Height(); ++y)
            for (int x = 0; x < Bitmap.Width(); ++x)
                if (Bitmap.ScanLine(y)[x] != o.Bitmap.ScanLine(y)[x]) return false;
        return true;
    }
};

std::string FileName(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

} // namespace

TEST(TFontFace, FamiliesResolveToThePinnedFiles) {
    struct Case {
        const char* name;
        bool bold, italic;
        const char* file;
        bool synthItalic;
    } cases[] = {
        {"Arial", false, false, "LiberationSans-Regular.ttf", false},
        {"arial", true, false, "LiberationSans-Bold.ttf", false},
        {"Tahoma", false, false, "DejaVuSans.ttf", false},
        {"MS Sans Serif", false, true, "DejaVuSans-Oblique.ttf", false},
        {"宋体", false, false, "NotoSansCJK-Regular.ttc", false},
        {"微软雅黑", false, true, "NotoSansCJK-Regular.ttc", true}, // no italic face: synthesised
    };
    for (const Case& c : cases) {
        TFontMatch m = MatchFont(c.name, c.bold, c.italic, DEFAULT_CHARSET);
        EXPECT_EQ(FileName(m.File), c.file) << c.name;
        EXPECT_EQ(m.SynthItalic, c.synthItalic) << c.name;
        EXPECT_FALSE(m.SynthBold) << c.name;
    }
    LOGFONT lf;
    lf.lfFaceName = "Arial";
    lf.lfHeight = 20;
    EXPECT_EQ(TFontFace::Get(lf), TFontFace::Get(lf)); // one face (and glyph cache) per font and size
}

TEST(TFontFace, PositiveHeightIsTheCellNegativeTheCharacterHeight) {
    // Liberation Sans: Windows ascent 1854, descent 434, 2048 units per em, capitals 1409 high.
    struct Case {
        int height;
        int cell, ascent, internalLeading;
        double capHeight;
    } cases[] = {
        // At small sizes the hinting decides the drawn capital height (0: not checked).
        {-14, 16, 13, 2, 0},
        {14, 14, 11, 1, 0}, // 13 pixels per em
        {-40, 44, 36, 4, 1409.0 * 40 / 2048},
        {40, 40, 32, 4, 1409.0 * 36 / 2048}, // 36 pixels per em
    };
    for (const Case& c : cases) {
        Surface s(80, 60, "Arial", c.height);
        TEXTMETRIC tm;
        ASSERT_TRUE(GetTextMetrics(s.Dc(), &tm));
        EXPECT_EQ(tm.tmHeight, c.cell) << c.height;
        EXPECT_EQ(tm.tmAscent, c.ascent) << c.height;
        EXPECT_EQ(tm.tmInternalLeading, c.internalLeading) << c.height;
        EXPECT_EQ(s.Canvas->TextHeight("H"), c.cell);
        s.Canvas->TextOut(2, 3, "H");
        TRect ink = s.Ink(128); // the anti-aliased fringe left out
        if (c.capHeight > 0) {
            EXPECT_NEAR(ink.Height(), c.capHeight, 1.0) << c.height;
        }
        EXPECT_EQ(ink.Bottom, 3 + tm.tmAscent) << c.height; // sits on the baseline
    }
}

TEST(DrawText, CalcRectTable) {
    Surface s(10, 10, "Arial", -14);
    HDC dc = s.Dc();
    auto width = [&](const char* t) { return GetTextExtent(dc, t).cx; };
    const int cell = GetTextExtent(dc, "x").cy;
    TEXTMETRIC tm;
    GetTextMetrics(dc, &tm);
    struct Case {
        const char* name;
        const char* text;
        int boxWidth;
        uint32_t format;
        int width, lines;
    } cases[] = {
        {"one line", "Hello", 1000, DT_SINGLELINE, width("Hello"), 1},
        {"lines: the widest counts", "ab\r\nlonger line\nx", 1000, 0, width("longer line"), 3},
        {"word wrap at spaces", "aaa bbb ccc", width("aaa bbb"), DT_WORDBREAK, width("aaa bbb"), 2},
        {"an over-long word stays whole", "tiny enormousword", 10, DT_WORDBREAK, width("enormousword"), 2},
        {"single line ignores word wrap", "aaa bbb ccc", 10, DT_WORDBREAK | DT_SINGLELINE,
         width("aaa bbb ccc"), 1},
        {"end ellipsis", "abcdefghij", width("abc..."), DT_SINGLELINE | DT_END_ELLIPSIS, width("abc..."), 1},
        {"fitting text gets no ellipsis", "abc", 1000, DT_SINGLELINE | DT_END_ELLIPSIS, width("abc"), 1},
        {"path ellipsis keeps the last part", "C:\\folder\\sub\\file.txt", width("C:\\fo...\\file.txt"),
         DT_SINGLELINE | DT_PATH_ELLIPSIS, width("C:\\fo...\\file.txt"), 1},
        {"prefix: & is hidden", "&File", 1000, DT_SINGLELINE, width("File"), 1},
        {"prefix: && is &", "a&&b", 1000, DT_SINGLELINE, width("a&b"), 1},
        {"no prefix", "&File", 1000, DT_SINGLELINE | DT_NOPREFIX, width("&File"), 1},
        {"expanded tabs stop every 8 average widths", "a\tb", 1000, DT_SINGLELINE | DT_EXPANDTABS,
         8 * tm.tmAveCharWidth + width("b"), 1},
        {"empty text is one empty line", "", 1000, 0, 0, 1},
    };
    for (const Case& c : cases) {
        TRect r{5, 7, 5 + c.boxWidth, 100};
        int h = DrawText(dc, c.text, r, c.format | DT_CALCRECT);
        EXPECT_EQ(r.Width(), c.width) << c.name;
        EXPECT_EQ(r.Height(), c.lines * cell) << c.name;
        EXPECT_EQ(h, c.lines * cell) << c.name;
        EXPECT_EQ(r.Left, 5) << c.name;
        EXPECT_EQ(r.Top, 7) << c.name;
    }
}

TEST(DrawText, PrefixUnderlinesTheNextCharacterOnly) {
    Surface s(80, 30);
    TRect r{0, 0, 80, 30};
    DrawText(s.Dc(), "&File", r, DT_SINGLELINE);
    TEXTMETRIC tm;
    GetTextMetrics(s.Dc(), &tm);
    auto face = s.Dc()->Font()->Face();
    const int y = tm.tmAscent + face->UnderlineOffset();
    const int f = GetTextExtent(s.Dc(), "F").cx, all = GetTextExtent(s.Dc(), "File").cx;
    for (int x = 0; x < f; ++x)
        EXPECT_EQ(s.Bitmap.ScanLine(y)[x] & 0xFFFFFF, 0u) << x;
    for (int x = f; x < all + 2; ++x)
        EXPECT_EQ(s.Bitmap.ScanLine(y)[x] & 0xFFFFFF, 0xFFFFFFu) << x;

    Surface plain(80, 30);
    DrawText(plain.Dc(), "&File", r, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_GT(plain.Ink().Right, f + all / 2); // "&" drawn, nothing underlined below the baseline + offset
    for (int x = 0; x < 80; ++x)
        EXPECT_EQ(plain.Bitmap.ScanLine(y)[x] & 0xFFFFFF, 0xFFFFFFu);
}

TEST(DrawText, AFontDrawnAfterItsUnderlinedTwinHasNoUnderline) {
    TRect r{0, 0, 80, 30};
    Surface underlined(80, 30);
    underlined.Canvas->Font()->SetStyle({fsUnderline, fsStrikeOut});
    DrawText(underlined.Dc(), "File", r, DT_SINGLELINE);
    // Same name, height and weight: the underlined face must not serve it.
    Surface plain(80, 30);
    DrawText(plain.Dc(), "File", r, DT_SINGLELINE);
    EXPECT_GT(underlined.Ink().Bottom, plain.Ink().Bottom);
}

TEST(DrawText, VerticalCentringAlignmentAndClipping) {
    const int cell = 16; // Arial -14
    TRect box{0, 0, 60, 41};
    Surface centred(60, 41), reference(60, 41), multi(60, 41), top(60, 41);
    EXPECT_EQ(DrawText(centred.Dc(), "Xy", box, DT_SINGLELINE | DT_VCENTER | DT_CENTER), cell);
    int w = GetTextExtent(reference.Dc(), "Xy").cx;
    TextOut(reference.Dc(), 30 - w / 2, 20 - cell / 2, "Xy");
    EXPECT_TRUE(centred.SamePixels(reference));
    DrawText(multi.Dc(), "Xy", box, DT_VCENTER | DT_RIGHT); // no single line: no centring
    TextOut(top.Dc(), 60 - w, 0, "Xy");
    EXPECT_TRUE(multi.SamePixels(top));

    Surface clipped(60, 41);
    TRect small{10, 10, 20, 20};
    DrawText(clipped.Dc(), "WWWWWW", small, DT_SINGLELINE);
    TRect ink = clipped.Ink();
    EXPECT_GE(ink.Left, 10);
    EXPECT_LE(ink.Right, 20);
    EXPECT_LE(ink.Bottom, 20);
}

TEST(DrawText, ChineseInArialHasNoMissingGlyphs) {
    Surface s(200, 40, "Arial", -16);
    const std::u32string text = U"中文字体测试";
    auto face = s.Dc()->Font()->Face();
    for (char32_t c : text)
        EXPECT_FALSE(face->GlyphFor(c).Missing) << uint32_t(c);
    s.Canvas->TextOut(0, 0, "中文字体测试");
    // Every character cell holds ink.
    int x = 0;
    for (char32_t c : text) {
        int adv = face->GlyphFor(c).Advance;
        ASSERT_GT(adv, 8);
        int ink = 0;
        for (int y = 0; y < 40; ++y)
            for (int xx = x; xx < x + adv; ++xx)
                ink += (s.Bitmap.ScanLine(y)[xx] & 0xFFFFFF) != 0xFFFFFF;
        EXPECT_GT(ink, 10) << uint32_t(c);
        x += adv;
    }
    EXPECT_TRUE(face->GlyphFor(0x10FFFD).Missing); // no face has it: the box is the last resort
}

TEST(TextOut, BackgroundModesAndTabbedText) {
    Surface opaque(60, 20), clear(60, 20);
    opaque.Canvas->Brush()->SetColor(clRed);
    opaque.Canvas->TextOut(0, 0, "ab");
    clear.Canvas->TextOut(0, 0, "ab");
    EXPECT_EQ(opaque.Bitmap.ScanLine(0)[0] & 0xFFFFFF, 0xFF0000u); // the cell's corner has the background
    EXPECT_EQ(clear.Bitmap.ScanLine(0)[0] & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(opaque.Bitmap.ScanLine(0)[0] >> 24, 0xFFu);

    HDC dc = clear.Dc();
    const int b = GetTextExtent(dc, "b").cx, c = GetTextExtent(dc, "c").cx;
    int stops[] = {40, 25};
    EXPECT_EQ(GetTabbedTextExtent(dc, "a\tb\tc", 2, stops).cx, 40 + c); // sorted stops: 25 then 40
    int every[] = {30};
    EXPECT_EQ(GetTabbedTextExtent(dc, "a\tb", 1, every).cx, 30 + b);
    TEXTMETRIC tm;
    GetTextMetrics(dc, &tm);
    EXPECT_EQ(GetTabbedTextExtent(dc, "a\tb", 0, nullptr).cx, 8 * tm.tmAveCharWidth + b);
    TSize drawn = TabbedTextOut(dc, 5, 0, "a\tb", 1, every, 5);
    EXPECT_EQ(drawn.cx, 30 + b);
}
