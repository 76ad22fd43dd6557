#include "app/conversion/TConversionLog.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
std::vector<std::string> LinesOf(const TConversionLog& log) {
    return {log.Lines().begin(), log.Lines().end()};
}
} // namespace

TEST(TConversionLog, LoggerEventLineFormat) {
    EXPECT_EQ(LogLineText(1234, llWarning, "abc"), "#1234.4: abc");
    EXPECT_EQ(LogLineText(-1, llQuiet, ""), "#-1.0: ");
    TConversionLog log;
    log.AddLogEvent(7, llDebug, "opened\n"); // the libraries' own line break adds no empty line
    EXPECT_EQ(LinesOf(log), std::vector<std::string>{"#7.7: opened"});
}

TEST(TConversionLog, TextsSplitIntoLinesAndEmptyTextIsAnEmptyLine) {
    TConversionLog log;
    log.Add("");
    log.Add("Input #0\r\n  Duration: 00:00:01\nend");
    EXPECT_EQ(LinesOf(log), (std::vector<std::string>{"", "Input #0", "  Duration: 00:00:01", "end"}));
}

TEST(TConversionLog, RingDropsTheOldestLines) {
    TConversionLog log(3);
    for (int i = 0; i < 10; ++i)
        log.Add(std::to_string(i));
    EXPECT_EQ(LinesOf(log), (std::vector<std::string>{"7", "8", "9"}));
    log.Add("a\nb\nc\nd");
    EXPECT_EQ(LinesOf(log), (std::vector<std::string>{"b", "c", "d"}));
}
