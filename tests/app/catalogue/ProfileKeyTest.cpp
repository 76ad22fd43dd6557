#include "app/catalogue/ProfileKey.h"

#include <gtest/gtest.h>

TEST(ProfileKey, MenuEntriesAndListsGiveDifferentCodes) {
    struct {
        int entry, row, key, code;
    } cases[] = {
        {0, 0, 700, 100},                           // first start: iPod
        {5, 0, 0, 600},                             // AVI is list 0
        {5, 8, 8, 608},       {25, 12, 2912, 2612}, // last menu entry
        {17, 12, 3212, 1812},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MenuProfileKey(c.entry, c.row), c.key);
        EXPECT_EQ(RowProfileCode(c.entry, c.row), c.code);
        EXPECT_EQ(DecodeRowProfileCode(c.code), (TMenuProfile{c.entry, c.row})) << c.code;
        EXPECT_EQ(ProfileKeyListId(c.key) * 100 + ProfileKeyRow(c.key), c.key);
    }
    EXPECT_EQ(MenuProfileKey(26, 0), -1);
    EXPECT_EQ(MenuProfileKey(0, -1), -1);
    for (int code : {-100, 0, 99, 2700, 9999})
        EXPECT_FALSE(DecodeRowProfileCode(code)) << code;
}

TEST(RowParameterIndexes, TwoDigitsPerBoxInTheRowOrder) {
    const TParameterIndexes indexes{.Resolution = 4,
                                    .VideoBitrate = 12,
                                    .AudioBitrate = 10,
                                    .Aspect = 0,
                                    .FrameRate = 9,
                                    .SampleRate = 27};
    EXPECT_EQ(EncodeRowParameterIndexes(indexes), "041210000927");
    EXPECT_EQ(DecodeRowParameterIndexes("041210000927"), indexes);

    TParameterIndexes none;
    none.Aspect = -1;
    EXPECT_EQ(EncodeRowParameterIndexes(none), "000000-10000");
    EXPECT_EQ(DecodeRowParameterIndexes("000000-10000"), none);

    for (const char* bad : {"", "04121000092", "0412100009277", "0412a0000927", "04-2100009 7"})
        EXPECT_FALSE(DecodeRowParameterIndexes(bad)) << bad;
}
