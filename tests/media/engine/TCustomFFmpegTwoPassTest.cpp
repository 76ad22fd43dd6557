// Two-pass encoding: the statistics log of each task lives beside its first
// output (or where "passlogfile" puts it), is read back by the second pass,
// and is never shared with another task or left in the current folder.

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/sys/TEvent.h"
#include "tests/media/engine/ConversionRun.h"

namespace {

// Lines of a text file (-1 when it cannot be read).
int LineCount(const std::string& AName) {
    std::ifstream in(AName);
    if (!in) return -1;
    int n = 0;
    for (std::string line; std::getline(in, line);)
        ++n;
    return n;
}

// Runs the test in an empty current folder and tells whether it stayed empty.
class TCurrentFolder {
public:
    TCurrentFolder() : FOld(std::filesystem::current_path()) {
        std::filesystem::current_path(FFolder.Path());
    }
    ~TCurrentFolder() { std::filesystem::current_path(FOld); }
    bool Empty() const { return std::filesystem::is_empty(FFolder.Path()); }

private:
    TScratchFolder FFolder;
    std::filesystem::path FOld;
};

TOptionList Mpeg4Pass(const char* APass, const char* ASeconds = "0.4") {
    return {{"vcodec", "mpeg4"}, {"b", "200k"}, {"an", ""}, {"t", ASeconds}, {"pass", APass}};
}

} // namespace

// mpeg4 keeps its statistics in "<output>-ffmpeg2pass-0.log", one line per
// picture; the second pass reads it (a damaged log stops the encoder), and
// nothing is written to the current folder.
TEST_F(TCustomFFmpegTest, TwoPassMpeg4LogBesideTheOutput) {
    TScratchFolder folder;
    TCurrentFolder cwd;
    const std::string output = folder.File("out.avi");
    const std::string log = output + "-ffmpeg2pass-0.log";

    TConversionResult first = RunConversion(FixturePath("clip.mkv"), output, Mpeg4Pass("1"));
    ASSERT_TRUE(first.Finished) << first.FatalMessage;
    EXPECT_EQ(LineCount(log), 10);

    TConversionResult second = RunConversion(FixturePath("clip.mkv"), output, Mpeg4Pass("2"));
    ASSERT_TRUE(second.Finished) << second.FatalMessage;
    const TMediaSummary m = InspectMedia(output);
    ASSERT_NE(m.First(AVMEDIA_TYPE_VIDEO), nullptr);
    EXPECT_EQ(m.First(AVMEDIA_TYPE_VIDEO)->Frames, 10);
    EXPECT_EQ(m.DecodeErrors, 0);
    EXPECT_TRUE(cwd.Empty());

    std::ofstream(log) << "not a statistics line\n";
    TConversionResult damaged = RunConversion(FixturePath("clip.mkv"), output, Mpeg4Pass("2"));
    EXPECT_FALSE(damaged.Finished);
    EXPECT_NE(damaged.FatalMessage.find("Error while opening encoder for output stream #0.0"),
              std::string::npos)
        << damaged.FatalMessage;
}

// libx264 writes its own statistics file, named "<prefix>-0.log" after the
// given "passlogfile"; its second pass reads it.
TEST_F(TCustomFFmpegTest, TwoPassLibx264StatsFileNamedAfterPassLogFile) {
    TScratchFolder folder;
    const std::string output = folder.File("out.mp4");
    auto options = [&](const char* APass) {
        return TOptionList{{"vcodec", "libx264"}, {"b", "200k"},   {"an", ""},
                           {"t", "0.4"},          {"pass", APass}, {"passlogfile", folder.File("x264")}};
    };
    TConversionResult first = RunConversion(FixturePath("clip.mkv"), output, options("1"));
    ASSERT_TRUE(first.Finished) << first.FatalMessage;
    EXPECT_GT(FileSizeOf(folder.File("x264-0.log")), 0);

    TConversionResult second = RunConversion(FixturePath("clip.mkv"), output, options("2"));
    ASSERT_TRUE(second.Finished) << second.FatalMessage;
    const TMediaSummary m = InspectMedia(output);
    ASSERT_NE(m.First(AVMEDIA_TYPE_VIDEO), nullptr);
    EXPECT_EQ(m.First(AVMEDIA_TYPE_VIDEO)->Codec, "h264");
    EXPECT_EQ(m.First(AVMEDIA_TYPE_VIDEO)->Frames, 10);
}

// A second pass without a first one fails before encoding, naming the log it
// looked for; a relative "passlogfile" is taken from the output's folder.
TEST_F(TCustomFFmpegTest, TwoPassSecondPassWithoutLogFails) {
    TScratchFolder folder;
    for (const char* codec : {"mpeg4", "libx264"}) {
        SCOPED_TRACE(codec);
        TConversionResult r = RunConversion(
            FixturePath("clip.mkv"), folder.File("out.mkv"),
            {{"vcodec", codec}, {"an", ""}, {"t", "0.4"}, {"pass", "2"}, {"passlogfile", "stats"}});
        ASSERT_TRUE(r.Opened) << r.FatalMessage;
        EXPECT_FALSE(r.Finished);
        EXPECT_EQ(r.FatalMessage, "Cannot read file: Error reading log file \"" + folder.File("stats-0.log") +
                                      "\" for pass-2 encoding");
    }
}

// Two first passes at the same time, outputs in one folder: each writes its
// own log, with as many lines as its own pictures.
TEST_F(TCustomFFmpegTest, TwoPassConcurrentFirstPassesKeepTheirOwnLogs) {
    TScratchFolder folder;
    TCurrentFolder cwd;
    TCustomFFmpeg worker(20);
    worker.Reset();
    ASSERT_TRUE(worker.OpenInputFile(FixturePath("clip.mkv"))) << worker.LastErrMsg();
    for (const auto& [name, value] : Mpeg4Pass("1", "0.8"))
        worker.SetOption(name, value);
    ASSERT_GT(worker.OpenOutputFile(folder.File("long.avi"), false), 0) << worker.LastErrMsg();
    TEvent done(true, false);
    worker.FOnTerminate = [&](TCustomFFmpeg*) { done.SetEvent(); };
    ASSERT_TRUE(worker.StartConvert(true));

    TConversionResult inline_run =
        RunConversion(FixturePath("clip.mkv"), folder.File("short.avi"), Mpeg4Pass("1"));
    ASSERT_EQ(done.WaitFor(20000), TWaitResult::wrSignaled);
    worker.Stop(true);
    EXPECT_TRUE(inline_run.Finished) << inline_run.FatalMessage;
    EXPECT_TRUE(worker.Finished()) << worker.FatalMessage();
    EXPECT_EQ(LineCount(folder.File("short.avi-ffmpeg2pass-0.log")), 10);
    EXPECT_EQ(LineCount(folder.File("long.avi-ffmpeg2pass-0.log")), 20);
    EXPECT_TRUE(cwd.Empty());
}
