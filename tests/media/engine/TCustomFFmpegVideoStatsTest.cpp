// The video statistics file: one line per encoded picture in the fixed
// layout, "vstats" files beside the first output under a name of their own.

#include <fstream>
#include <regex>

#include "tests/media/engine/ConversionRun.h"

namespace {

std::vector<std::string> ReadLines(const std::string& AName) {
    std::vector<std::string> lines;
    std::ifstream in(AName);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

const TOptionList kTenPictures = {{"vcodec", "mpeg4"}, {"an", ""}, {"t", "0.4"}};

} // namespace

// Every encoded picture gives one line, numbered from 1, the first an intra
// picture; "psnr" adds its field.
TEST_F(TCustomFFmpegTest, VideoStatsLinesInTheirFormat) {
    struct TRow {
        bool Psnr;
        const char* Pattern;
    };
    const std::string number = R"(\d+\.\d)";
    const std::string tail = R"(f_size= +\d+ s_size= +\d+kB time= \d+\.\d{3} br= +)" + number +
                             R"(kbits/s avg_br= +)" + number + R"(kbits/s type= [IPB])";
    TScratchFolder folder;
    for (const TRow& row : {TRow{false, ""}, TRow{true, R"(PSNR= +(\d+\.\d\d|inf) )"}}) {
        SCOPED_TRACE(row.Psnr ? "psnr" : "plain");
        TOptionList options = kTenPictures;
        options.push_back({"vstats_file", folder.File("v.log")});
        if (row.Psnr) options.push_back({"psnr", ""});
        TConversionResult r = RunConversion(FixturePath("clip.mkv"), folder.File("out.avi"), options);
        ASSERT_TRUE(r.Finished) << r.FatalMessage;
        const std::vector<std::string> lines = ReadLines(folder.File("v.log"));
        ASSERT_EQ(lines.size(), 10u);
        const std::regex line(R"(frame= +(\d+) q= +\d+\.\d )" + std::string(row.Pattern) + tail);
        for (size_t i = 0; i < lines.size(); ++i) {
            std::smatch m;
            ASSERT_TRUE(std::regex_match(lines[i], m, line)) << lines[i];
            EXPECT_EQ(std::stoi(m[1]), static_cast<int>(i + 1));
        }
        EXPECT_EQ(lines[0].back(), 'I');
        EXPECT_NE(lines[0].find("time= 0.040"), std::string::npos) << lines[0];
    }
}

// "vstats" writes beside the first output and leaves a file of the same
// name there alone, taking the next free "_<k>" name.
TEST_F(TCustomFFmpegTest, VideoStatsFileNeverReplacesAnother) {
    TScratchFolder folder;
    E->SetOption("vstats", "");
    const std::string name = E->Fvstats_filename;
    ASSERT_EQ(name.size(), 17u);
    std::ofstream(folder.File(name)) << "kept\n";
    PrepareConversion(*E, FixturePath("clip.mkv"), {}, folder.File("out.avi"), kTenPictures);
    E->StartConvert(false);
    ASSERT_TRUE(E->Finished()) << E->FatalMessage();
    EXPECT_EQ(ReadLines(folder.File(name)), std::vector<std::string>{"kept"});
    const std::string next = folder.File(name.substr(0, name.size() - 4) + "_1.log");
    EXPECT_EQ(ReadLines(next).size(), 10u);
}
