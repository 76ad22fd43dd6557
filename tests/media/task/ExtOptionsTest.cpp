#include "media/task/ExtOptions.h"

#include <gtest/gtest.h>

#include "media/task/NoPts.h"

namespace {

using Lines = std::vector<TExtOption>;

struct ParseCase {
    const char* Text;
    Lines Expected;
};

} // namespace

TEST(ExtOptions, SplitsOnEverySeparatorAndKeepsNamesAndValuesAsWritten) {
    const ParseCase cases[] = {
        {"b=800<CRLF>ac=2", {{"b", "800"}, {"ac", "2"}}},
        {"b=800\rac=2", {{"b", "800"}, {"ac", "2"}}},
        {"b=800\nac=2", {{"b", "800"}, {"ac", "2"}}},
        {"b=800\r\nac=2\r\n", {{"b", "800"}, {"ac", "2"}}},
        {"b=800\n\r\n\nac=2", {{"b", "800"}, {"ac", "2"}}},                // blank lines
        {"  \t b=800<CRLF><CRLF>ac=2  \r\n", {{"b", "800"}, {"ac", "2"}}}, // ends trimmed
        {"an\nvn=", {{"an", ""}, {"vn", ""}}},                             // no "=" is an empty value
        {"VCodec=MPEG4", {{"VCodec", "MPEG4"}}},                           // case kept
        {"metadata=title=a b", {{"metadata", "title=a b"}}},               // first "=" splits
        {"b =800 \n x= 1", {{"b ", "800 "}, {" x", " 1"}}},                // nothing trimmed inside
        {"=5\n \t=6\nac=2", {{"ac", "2"}}},                                // blank names dropped
        {"a=1<crlf>b=2", {{"a", "1<crlf>b=2"}}},                           // the marker is case-exact
        {"", {}},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(ParseExtOptions(c.Text), c.Expected) << c.Text;
}

TEST(ExtOptions, LowerAsciiTouchesOnlyLatinCapitals) {
    EXPECT_EQ(LowerAscii("VCodec_Ä1"), "vcodec_Ä1");
}

TEST(ExtOptions, TimeTextIsADecimal64BitNumberOrNotSet) {
    EXPECT_EQ(ExtOptionTime("1500000"), 1500000);
    EXPECT_EQ(ExtOptionTime("-20"), -20);
    EXPECT_EQ(ExtOptionTime("9000000000"), 9000000000LL);
    for (const char* bad : {"", "1.5", "12s", "abc", "99999999999999999999", " 5"})
        EXPECT_EQ(ExtOptionTime(bad), kNoPts) << bad;
}

TEST(ExtOptions, InputTextTakesTimeStartAndKeepsTheRest) {
    const TInputOptions o = InputOptionsFromText("TIMESTART=2000000<CRLF>vcodec=h264\r\nar=8000");
    EXPECT_EQ(o.TimeStart, 2000000);
    EXPECT_EQ(o.ExtOptions, "vcodec=h264\nar=8000\n");
    EXPECT_EQ(o.ProgramID, -1);
    EXPECT_EQ(InputOptionsFromText("timestart=soon").TimeStart, kNoPts);
}

TEST(ExtOptions, OutputTextTakesHookJoinAndTimesWhateverTheirValues) {
    const TOutputOptions o =
        OutputOptionsFromText("hook=0\nJoin\ntimestart=5\nTimeLength=3000000\nb=800\nnewvideo");
    EXPECT_TRUE(o.CustomHook);
    EXPECT_TRUE(o.Join);
    EXPECT_EQ(o.TimeStart, 5);
    EXPECT_EQ(o.TimeLength, 3000000);
    EXPECT_EQ(o.ExtOptions, "b=800\nnewvideo=\n");
    EXPECT_TRUE(OutputOptionsFromText("CustomHook=").CustomHook);
    EXPECT_FALSE(OutputOptionsFromText("b=1").CustomHook);
}
