#include "app/catalogue/ProgressText.h"

#include <gtest/gtest.h>

TEST(ProgressText, TimeCountsTotalHours) {
    struct {
        int64_t seconds;
        const char* text;
    } cases[] = {{0, "00:00:00"},
                 {3723, "01:02:03"},
                 {86399, "23:59:59"},
                 {90000, "25:00:00"},
                 {360000, "100:00:00"},
                 {-5, "00:00:00"},
                 {4000000000LL, "1111111:06:40"}};
    for (const auto& c : cases)
        EXPECT_EQ(SecToDate(c.seconds), c.text) << c.seconds;
}

TEST(ProgressText, SizeInMegabytesWithUpToTwoDecimals) {
    struct {
        int64_t bytes;
        const char* text;
    } cases[] = {{1572864, "1.5MB"},
                 {12 * 1048576, "12MB"},
                 {10486, "0.01MB"},
                 {0, "0MB"},
                 {5242, "0MB"},
                 {1048576 + 10486 * 5, "1.05MB"},
                 {1073741824LL * 3, "3072MB"},
                 {1048575, "1MB"}};
    for (const auto& c : cases)
        EXPECT_EQ(MegabyteText(c.bytes), c.text) << c.bytes;
}
