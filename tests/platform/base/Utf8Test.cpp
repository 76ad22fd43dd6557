#include "platform/base/Utf8.h"

#include <gtest/gtest.h>

TEST(Utf8, CountsAndCutsCodePointsNotBytes) {
    const std::string s = "a中文\xF0\x9F\x98\x80z"; // 1 + 3 + 3 + 4 + 1 bytes
    EXPECT_EQ(Utf8Length(s), 5u);
    EXPECT_EQ(Utf8Copy(s, 1, 2), "中文");
    EXPECT_EQ(Utf8Copy(s, 3, 1), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf8Copy(s, 4), "z");
    EXPECT_EQ(Utf8Copy(s, 9, 3), "");
    EXPECT_EQ(Utf8ByteOffset(s, 2), 4u);
    std::u32string cps;
    for (char32_t c : Utf8Chars(s))
        cps += c;
    EXPECT_EQ(cps, U"a中文\U0001F600z");
    EXPECT_EQ(Utf8Encode(cps), s);
}

TEST(Utf8, MalformedBytesCountOnceAndNeverReadPastTheEnd) {
    struct {
        std::string in;
        size_t length;
    } cases[] = {
        {"\xE4\xB8", 2},     // cut sequence at the end
        {"\xC0\xAF", 2},     // overlong
        {"\xED\xA0\x80", 3}, // surrogate
        {"\xFF"
         "a",
         2},             // invalid lead byte
        {"\x80\x80", 2}, // stray continuations
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8Length(c.in), c.length);
        EXPECT_EQ(Utf8Decode(c.in)[0], 0xFFFDu);
    }
}
