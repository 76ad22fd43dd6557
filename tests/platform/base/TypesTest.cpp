#include "platform/base/Types.h"
#include "platform/base/Color.h"
#include "platform/base/Exception.h"
#include "platform/base/Math.h"
#include "platform/base/Object.h"
#include "platform/base/Set.h"
#include "platform/base/SysUtils.h"

#include <gtest/gtest.h>

TEST(TRect, IntersectAndUnionTreatEmptyRectanglesAsNothing) {
    struct Case {
        TRect a, b, inter, uni;
        bool overlaps;
    } cases[] = {
        {{0, 0, 10, 10}, {5, 5, 15, 15}, {5, 5, 10, 10}, {0, 0, 15, 15}, true},
        {{0, 0, 10, 10}, {10, 0, 20, 10}, {}, {0, 0, 20, 10}, false}, // touching edges share nothing
        {{0, 0, 10, 10}, {3, 3, 3, 8}, {}, {0, 0, 10, 10}, false},    // zero width is empty
        {{5, 5, 2, 2}, {0, 0, 4, 4}, {}, {0, 0, 4, 4}, false},        // inverted is empty
    };
    for (const Case& c : cases) {
        TRect r{1, 1, 1, 1};
        EXPECT_EQ(IntersectRect(r, c.a, c.b), c.overlaps);
        EXPECT_EQ(r, c.inter);
        UnionRect(r, c.a, c.b);
        EXPECT_EQ(r, c.uni);
    }
    EXPECT_TRUE(PtInRect({0, 0, 2, 2}, {1, 1}));
    EXPECT_FALSE(PtInRect({0, 0, 2, 2}, {2, 1})); // right edge exclusive
    EXPECT_EQ(Bounds(3, 4, 5, 6), Rect(3, 4, 8, 10));
}

TEST(Round, HalvesGoToEven) {
    struct {
        double in;
        Int64 out;
    } cases[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},       {-0.5, 0},
                 {-1.5, -2}, {2.4999, 2}, {3.5000001, 4}, {1e12 + 0.5, 1000000000000}};
    for (auto c : cases)
        EXPECT_EQ(Round(c.in), c.out) << c.in;
    EXPECT_EQ(MulDiv(7, 3, 2), 11); // 10.5 rounds away from zero
    EXPECT_EQ(MulDiv(-7, 3, 2), -11);
    EXPECT_EQ(MulDiv(1, 2, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000); // intermediate beyond 32 bits
}

TEST(ColorToRGB, ResolvesSystemColoursFromTheFixedTable) {
    struct {
        TColor in, out;
    } cases[] = {
        {clBtnFace, RGB(240, 240, 240)},
        {clBtnShadow, RGB(160, 160, 160)},
        {clBtnHighlight, RGB(255, 255, 255)},
        {cl3DDkShadow, RGB(105, 105, 105)},
        {cl3DLight, RGB(227, 227, 227)},
        {clWindowText, 0},
        {clHighlight, RGB(51, 153, 255)},
        {clGrayText, RGB(109, 109, 109)},
        {clInfoBk, RGB(255, 255, 225)},
        {clActiveCaption, RGB(153, 180, 209)},
        {clInactiveCaption, RGB(191, 205, 219)},
        {clScrollBar, RGB(200, 200, 200)},
        {clRed, 0x0000FF},
        {TColor(0x02123456), 0x123456}, // high byte dropped
    };
    for (auto c : cases)
        EXPECT_EQ(ColorToRGB(c.in), c.out) << std::hex << c.in;
    EXPECT_EQ(clBtnFace, TColor(0xFF00000F));
    EXPECT_EQ(ColorToPixel(RGB(1, 2, 3)), 0xFF010203u);
}

enum class TTestStyle { tsA, tsB, tsC };

TEST(TSet, BehavesLikeASetOfEnumValues) {
    TSet<TTestStyle> s{TTestStyle::tsA, TTestStyle::tsC};
    EXPECT_TRUE(s.Contains(TTestStyle::tsA));
    EXPECT_FALSE(s.Contains(TTestStyle::tsB));
    s -= TSet<TTestStyle>{TTestStyle::tsA};
    EXPECT_EQ(s, TSet<TTestStyle>{TTestStyle::tsC});
    EXPECT_TRUE((s * TSet<TTestStyle>{TTestStyle::tsB}).Empty());
    EXPECT_TRUE(s <= (s + TTestStyle::tsB));
}

class TSomeThing : public TObject {};

TEST(TObject, ClassNameIsTheDynamicUnqualifiedName) {
    TSomeThing t;
    const TObject& o = t;
    EXPECT_EQ(o.ClassName(), "TSomeThing");
}

TEST(StrToInt, AcceptsDecimalAndBothHexFormsOnly) {
    struct {
        const char* in;
        bool ok;
        int value;
    } cases[] = {
        {"42", true, 42},
        {" -7 ", true, -7},
        {"$1F", true, 31},
        {"0x1f", true, 31},
        {"$FFFFFFFF", true, -1},
        {"", false, 0},
        {"12a", false, 0},
        {"$", false, 0},
        {"2147483648", false, 0},
        {"1.5", false, 0},
        {"-2147483648", true, -2147483647 - 1},
    };
    for (auto c : cases) {
        int v = 0;
        EXPECT_EQ(TryStrToInt(c.in, v), c.ok) << c.in;
        if (c.ok) {
            EXPECT_EQ(v, c.value) << c.in;
        }
    }
    EXPECT_THROW(StrToInt("x"), EConvertError);
    EXPECT_EQ(StrToIntDef("x", 9), 9);
    EXPECT_EQ(Trim("  a b \t"), "a b");
    EXPECT_TRUE(SameText("AbC", "aBc"));
    EXPECT_LT(CompareText("abc", "ABD"), 0);
    EXPECT_EQ(IntToHex(255, 4), "00FF");
}
