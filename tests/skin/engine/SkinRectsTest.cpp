#include "skin/engine/SkinRects.h"
#include "skin/engine/SkinMath.h"

#include <gtest/gtest.h>

#include <climits>

TEST(SkinRects, NullPointsEqualRectsAndVerticalOverlap) {
    EXPECT_TRUE(IsNullPoint({0, 7}));
    EXPECT_TRUE(IsNullPoint({7, 0}));
    EXPECT_FALSE(IsNullPoint({-1, 7}));
    EXPECT_TRUE(EqualRects({1, 2, 3, 4}, {1, 2, 3, 4}));
    EXPECT_FALSE(EqualRects({1, 2, 3, 4}, {1, 2, 3, 5}));
    struct Case {
        TRect r1;
        bool want;
    } vert[] = {
        {{500, 5, 600, 8}, true},  // X ignored: both edges within the rows
        {{0, -5, 10, 3}, true},    // the bottom edge within
        {{0, 8, 10, 30}, true},    // the top edge within
        {{0, 10, 10, 30}, false},  // starts on the first row below
        {{0, -20, 10, 0}, true},   // its bottom edge on the first row
        {{0, -20, 10, 30}, false}, // covers the rows without an edge in them
    };
    for (const Case& c : vert)
        EXPECT_EQ(RectInRectVert(c.r1, {0, 0, 10, 10}), c.want) << c.r1.Top << ".." << c.r1.Bottom;
}

TEST(SkinMath, DarkenColorReducesEachChannelAndClamps) {
    EXPECT_EQ(DarkenColor(RGB(200, 100, 51), 10), RGB(180, 90, 46));   // 51 - 5.1 rounds to 46
    EXPECT_EQ(DarkenColor(clBtnFace, 50), RGB(120, 120, 120));         // system colours resolved
    EXPECT_EQ(DarkenColor(RGB(200, 100, 50), 150), RGB(0, 0, 0));      // over 100: black, not wrapped
    EXPECT_EQ(DarkenColor(RGB(200, 100, 50), -50), RGB(255, 150, 75)); // negative lightens, clamped
    EXPECT_EQ(DarkenColor(RGB(200, 1, 0), INT_MIN), RGB(255, 255, 0));
    EXPECT_EQ(IntMax(-3, 2), 2);
    EXPECT_EQ(IntMin(-3, 2), -3);
}
