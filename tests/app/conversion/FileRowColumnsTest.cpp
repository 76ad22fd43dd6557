#include "app/conversion/FileRowColumns.h"

#include <gtest/gtest.h>

TEST(FileRowColumns, TwentyFiveColumnsWithTheSettingsColumnsHidden) {
    const auto columns = FileRowColumns();
    ASSERT_EQ(columns.size(), 25u);
    EXPECT_STREQ(columns[fcInputFile].Caption, "输入文件");
    EXPECT_STREQ(columns[fcProgress].Caption, "转换进度");
    EXPECT_STREQ(columns[fcTaskNumber].Caption, "视频序号");
    EXPECT_STREQ(columns[fcTargetType].Caption, "TargetType");
    EXPECT_STREQ(columns[fcNormType].Caption, "");
    for (int i = fcTaskNumber; i < FileRowColumnCount; ++i)
        EXPECT_EQ(columns[i].Width, 0) << i;
    EXPECT_EQ(columns[fcFPS].Width, 0);
}

TEST(FileRowColumns, ProgressReportFillsColumnsFourToSeven) {
    TFileRowTexts row;
    TProgressInfo info;
    info.CurrentDuration = 270'000'000; // 4:30 of a 10-minute file
    info.TotalDuration = 600'000'000;
    info.FPS = 31;
    info.CurrentSize = 1'572'864;
    ApplyProgress(row, info);
    EXPECT_EQ(row[fcProgress], "45%");
    EXPECT_EQ(row[fcFPS], "31");
    EXPECT_EQ(row[fcCurrentTime], "00:04:30");
    EXPECT_EQ(row[fcCurrentSize], "1.5MB");

    info.FPS = 0; // a report without a rate keeps the last one shown
    ApplyProgress(row, info);
    EXPECT_EQ(row[fcFPS], "31");
}

TEST(FileRowColumns, ProgressIsClampedAndUnknownTotalsShowNA) {
    struct Case {
        int64_t Current, Total;
        const char* Text;
    } cases[] = {
        {0, 100, "0%"},  {99, 100, "99%"}, {100, 100, "100%"}, {250, 100, "100%"},
        {-5, 100, "0%"}, {5, 0, "N/A"},    {5, -1, "N/A"},     {INT64_MAX / 2, INT64_MAX / 2, "100%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgressPercentText(c.Current, c.Total), c.Text) << c.Current << "/" << c.Total;
}
