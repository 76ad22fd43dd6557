// The conversion road over the real converter: a clip through one profile of
// every family, several rows at once, pause, stop, a failing row and the
// workers' priorities.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "app/conversion/TConversionController.h"
#include "media/AVBindings.h"
#include "media/TFFmpegLoader.h"
#include "media/prober/TAVProbe.h"
#include "tests/app/conversion/ObservedConverter.h"
#include "tests/app/conversion/ScriptedConverter.h"
#include "tests/support/FixturePath.h"
#include "tests/support/TTempFolder.h"

namespace {

struct TOutputFacts {
    std::string Format;
    std::string VideoCodec; // empty: no video stream
    int Width = 0, Height = 0;
    double FrameRate = 0;
    std::string Tag; // the video stream's four characters, when the container keeps one
    std::string AudioCodec;
    int SampleRate = 0, Channels = 0;
};

std::string FourCC(uint32_t ATag) {
    std::string text;
    for (int i = 0; i < 4; ++i) {
        const char c = static_cast<char>((ATag >> (8 * i)) & 0xff);
        if (c > ' ' && c < 127) text += c;
    }
    return text;
}

// What a player finds in a file; nothing when it cannot be opened.
std::optional<TOutputFacts> ReadFacts(const std::string& AFileName) {
    TAVProbe probe;
    if (!probe.LoadFile(AFileName)) return std::nullopt;
    TOutputFacts facts;
    facts.Format = probe.FormatName();
    auto codecName = [&](int AStream) {
        return std::string(av::avcodec_get_name(probe.FileHandle()->streams[AStream]->codecpar->codec_id));
    };
    if (probe.VideoStreamCount() > 0) {
        const TVideoStreamInfo video = probe.FirstVideoStreamInfo();
        facts.VideoCodec = codecName(probe.FirstVideoStreamIndex());
        facts.Width = video.Width;
        facts.Height = video.Height;
        if (video.FrameRate.den > 0) facts.FrameRate = double(video.FrameRate.num) / video.FrameRate.den;
        facts.Tag = FourCC(probe.FileHandle()->streams[probe.FirstVideoStreamIndex()]->codecpar->codec_tag);
    }
    if (probe.AudioStreamCount() > 0) {
        const TAudioStreamInfo audio = probe.FirstAudioStreamInfo();
        facts.AudioCodec = codecName(probe.FirstAudioStreamIndex());
        facts.SampleRate = audio.SampleRate;
        facts.Channels = audio.Channels;
    }
    return facts;
}

} // namespace

class RealConversion : public ::testing::Test {
protected:
    void SetUp() override {
        Controller.LibraryFolder = FFLoader.LibraryPath();
        Controller.OutputFolder = Folder.Path() + "out";
        std::filesystem::create_directories(Controller.OutputFolder);
        Controller.Initialize();
    }
    void TearDown() override {
        Zorvex.Stop(true);
        CheckSynchronize(0);
    }

    // Adds the test clip under its own name through a profile of the menu.
    void Add(const std::string& AName, int AMenuEntry, int ARow, const std::string& AClip = "clip.mkv") {
        Controller.lvFilesSelectItem(-1); // the choice is for the new file only
        Controller.lxSkinImagesMenu1Change(AMenuEntry);
        Controller.lxSkinOfficeComboBox1Change(ARow);
        Dialogs.File = Folder.Link(FixturePath(AClip), AName + ".mkv");
        const int before = Controller.Files().Count();
        Controller.btnAddClick();
        ASSERT_EQ(Controller.Files().Count(), before + 1) << AName << ": " << Controller.StatusText();
    }
    std::string Output(int ARow) {
        return Controller.OutputFolder + "/" + Controller.Files().Text(ARow, fcOutputFile);
    }
    bool RunToEnd(int AThreads, int ATimeoutMs = 60000) {
        Controller.ThreadCount = AThreads;
        if (!Controller.btnStartClick()) return false;
        return WaitServingFor([&] { return Controller.State() == TRunState::Finished; }, ATimeoutMs);
    }
    bool WaitFor(const std::function<bool()>& ADone) { return WaitServingFor(ADone, 30000); }
    // Some of the row is converted: its progress is above 0 %.
    bool Converted(int ARow) {
        const std::string& progress = Controller.Files().Text(ARow, fcProgress);
        return !progress.empty() && progress != "0%" && progress != "N/A";
    }

    TTempFolder Folder;
    TZorvexion Zorvex;
    TObservedConverter Converter{Zorvex};
    TZorvexionProber Prober{Zorvex};
    TRecordingDialogs Dialogs;
    TRecordingDesktop Desktop;
    TConversionController Controller{Converter, Prober, Dialogs, Desktop};
};

TEST_F(RealConversion, OneProfileOfEveryFamilyMakesWhatItPromises) {
    struct Family {
        const char* Name;
        int MenuEntry, Row;
        TOutputFacts Want;
    } families[] = {
        // The boxes' default entries of each profile decide sizes and rates;
        // the disc target's standard wins over them.
        {"avi_xvid", 5, 0, {"avi", "mpeg4", 320, 240, 25, "XVID", "mp3", 44100, 2}},
        {"mp4_h264_aac", 4, 3, {"mov,mp4,m4a,3gp,3g2,mj2", "h264", 320, 240, 29.97, "avc1", "aac", 44100, 2}},
        {"mkv", 10, 0, {"matroska,webm", "mpeg4", 320, 240, 25, "", "mp3", 44100, 2}},
        {"mov", 11, 0, {"mov,mp4,m4a,3gp,3g2,mj2", "h264", 320, 240, 25, "avc1", "aac", 48000, 2}},
        {"wmv", 12, 0, {"asf", "wmv2", 320, 240, 25, "WMV2", "wmav2", 44100, 2}},
        {"flv", 8, 0, {"flv", "flv1", 320, 240, 25, "", "mp3", 22050, 2}},
        {"swf", 13, 0, {"swf", "flv1", 320, 240, 25, "", "mp3", 22050, 2}},
        {"mpeg1", 7, 1, {"mpeg", "mpeg1video", 320, 240, 25, "", "mp2", 44100, 2}},
        {"dvd_pal", 14, 0, {"mpeg", "mpeg2video", 720, 576, 25, "", "ac3", 48000, 2}},
        {"3gp_h263", 6, 9, {"mov,mp4,m4a,3gp,3g2,mj2", "h263", 176, 144, 12, "s263", "aac", 32000, 2}},
        {"rm", 16, 14, {"rm", "rv20", 320, 240, 25, "RV20", "ac3", 44100, 2}},
        {"mp3", 22, 0, {"mp3", "", 0, 0, 0, "", "mp3", 48000, 2}},
        {"wav", 25, 2, {"wav", "", 0, 0, 0, "", "pcm_s16le", 48000, 2}},
        {"wma", 25, 1, {"asf", "", 0, 0, 0, "", "wmav2", 44100, 2}},
        {"ogg", 25, 5, {"ogg", "", 0, 0, 0, "", "vorbis", 44100, 2}},
        {"ac3", 25, 7, {"ac3", "", 0, 0, 0, "", "ac3", 44100, 2}},
        {"aiff", 25, 8, {"aiff", "", 0, 0, 0, "", "pcm_s16be", 44100, 2}},
        {"mp2", 25, 9, {"mp3", "", 0, 0, 0, "", "mp2", 44100, 2}},
        {"flac", 25, 10, {"flac", "", 0, 0, 0, "", "flac", 48000, 2}},
        {"m4a", 25, 4, {"mov,mp4,m4a,3gp,3g2,mj2", "", 0, 0, 0, "", "aac", 44100, 2}},
        {"aac", 25, 3, {"aac", "", 0, 0, 0, "", "aac", 48000, 2}},
    };
    for (const Family& f : families)
        Add(f.Name, f.MenuEntry, f.Row, "clip_1s.mkv");
    ASSERT_TRUE(RunToEnd(8, 120000));
    EXPECT_TRUE(Dialogs.Failures.empty()) << Dialogs.Failures.front();

    // Each file became the last row: row i is family i.
    const int count = static_cast<int>(std::size(families));
    ASSERT_EQ(Controller.Files().Count(), count);
    for (int i = 0; i < count; ++i) {
        const Family& f = families[i];
        SCOPED_TRACE(f.Name);
        EXPECT_EQ(Controller.Files().Text(i, fcProgress), "100%");
        const auto facts = ReadFacts(Output(i));
        ASSERT_TRUE(facts) << Output(i);
        EXPECT_EQ(facts->Format, f.Want.Format);
        EXPECT_EQ(facts->VideoCodec, f.Want.VideoCodec);
        EXPECT_EQ(facts->Width, f.Want.Width);
        EXPECT_EQ(facts->Height, f.Want.Height);
        EXPECT_NEAR(facts->FrameRate, f.Want.FrameRate, 0.01);
        if (!f.Want.Tag.empty()) {
            EXPECT_EQ(facts->Tag, f.Want.Tag);
        }
        EXPECT_EQ(facts->AudioCodec, f.Want.AudioCodec);
        EXPECT_EQ(facts->SampleRate, f.Want.SampleRate);
        EXPECT_EQ(facts->Channels, f.Want.Channels);
    }
}

TEST_F(RealConversion, ThreeRowsTwoAtATime) {
    for (const char* name : {"one", "two", "three"})
        Add(name, 5, 0);         // "AVI视频"
    Converter.FrameDelayMs = 10; // half a second a row at least
    ASSERT_TRUE(RunToEnd(2));

    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Controller.Files().Text(i, fcProgress), "100%");
    const std::vector<int> reports = Converter.Terminations();
    ASSERT_EQ(reports.size(), 4u);
    EXPECT_EQ(reports.back(), -1) << "the final report comes last";

    // A row's output grows between its first and last progress report; at no
    // moment do more than two of these spans overlap.
    const auto activity = Converter.Activity();
    ASSERT_EQ(activity.size(), 3u);
    int most = 0;
    for (const auto& [task, span] : activity) {
        int growing = 0;
        for (const auto& [other, otherSpan] : activity)
            if (otherSpan.First <= span.First && span.First <= otherSpan.Last) ++growing;
        most = std::max(most, growing);
    }
    EXPECT_EQ(most, 2);
}

TEST_F(RealConversion, PauseHoldsStopLeavesPlayablePartsAndNothingUnstarted) {
    for (const char* name : {"first", "second", "third"})
        Add(name, 5, 0);
    Converter.FrameDelayMs = 40; // about two seconds a row
    Controller.ThreadCount = 1;
    ASSERT_TRUE(Controller.btnStartClick());
    ASSERT_TRUE(WaitFor([&] { return Converted(0); }));

    Controller.btnPauseClick();
    // The worker halts at its next safe point: the size settles.
    std::uintmax_t size = 0;
    ASSERT_TRUE(WaitFor([&] {
        const std::uintmax_t before = std::filesystem::file_size(Output(0));
        WaitServingFor([] { return false; }, 150);
        size = std::filesystem::file_size(Output(0));
        return size == before;
    }));
    const std::string progress = Controller.Files().Text(0, fcProgress);
    WaitServingFor([] { return false; }, 500);
    EXPECT_EQ(std::filesystem::file_size(Output(0)), size);
    EXPECT_EQ(Controller.Files().Text(0, fcProgress), progress);
    EXPECT_NE(progress, "100%");

    Controller.btnResumeClick();
    ASSERT_TRUE(WaitFor([&] { return Controller.Files().Text(0, fcProgress) == "100%"; }));
    ASSERT_TRUE(WaitFor([&] { return Converted(1); }));
    Controller.btnStopClick();
    ASSERT_TRUE(WaitFor([&] { return Controller.State() == TRunState::Finished; }));

    EXPECT_EQ(Controller.StatusText(), "转换结束：2 个文件已停止，0 个文件转换失败。");
    EXPECT_TRUE(Desktop.Opened.empty()) << "no after-conversion action after a stop";
    const auto whole = ReadFacts(Output(0));
    const auto part = ReadFacts(Output(1));
    ASSERT_TRUE(whole && part);
    EXPECT_EQ(part->VideoCodec, "mpeg4");
    EXPECT_EQ(part->AudioCodec, "mp3");
    EXPECT_NE(Controller.Files().Text(1, fcProgress), "100%");
    EXPECT_FALSE(std::filesystem::exists(Output(2)));
}

TEST_F(RealConversion, AFailingRowBetweenTwoGoodOnes) {
    for (const char* name : {"good1", "amr", "good2"})
        Add(name, 22, 0); // "MP3音频"
    // The middle row takes the AMR profile, which this system cannot encode.
    Controller.lvFilesSelectItem(1);
    Controller.lxSkinImagesMenu1Change(25); // "更多音频"
    Controller.lxSkinOfficeComboBox1Change(12);
    ASSERT_EQ(Controller.Files().Text(1, fcOutputFile), "amr.amr");
    ASSERT_TRUE(RunToEnd(1));

    ASSERT_EQ(Dialogs.Failures.size(), 1u);
    EXPECT_EQ(Dialogs.Failures[0],
              "无法转换 amr.mkv：The encoder libopencore_amrnb is not available on this system");
    EXPECT_EQ(Controller.Files().Text(1, fcProgress), "失败");
    EXPECT_FALSE(std::filesystem::exists(Output(1)));
    for (int i : {0, 2}) {
        EXPECT_EQ(Controller.Files().Text(i, fcProgress), "100%");
        EXPECT_TRUE(ReadFacts(Output(i)));
    }
    EXPECT_EQ(Controller.StatusText(), "转换结束：0 个文件已停止，1 个文件转换失败。");
}

TEST_F(RealConversion, WorkersRunUnderTheChosenPriority) {
    struct Case {
        int Index; // "CPU利用方式："
        int Policy;
        int Nice;
    } cases[] = {{0, SCHED_IDLE, 0}, {1, SCHED_OTHER, 15}, {2, SCHED_OTHER, 10}, {3, SCHED_OTHER, 0}};
    // Slowed, so every run reports its progress a few times.
    Converter.FrameDelayMs = 5;
    Add("clip", 5, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Index);
        Controller.PriorityIndex = c.Index;
        ASSERT_TRUE(RunToEnd(1));
        const auto readings = Converter.Readings();
        ASSERT_FALSE(readings.empty());
        for (const auto& reading : readings) {
            EXPECT_EQ(reading.Policy, c.Policy);
            if (c.Policy != SCHED_IDLE) EXPECT_EQ(reading.Nice, c.Nice);
        }
        Controller.btnClearClick();
        Add("clip" + std::to_string(c.Index), 5, 0);
    }
}

TEST_F(RealConversion, SizesAndRatesTheEncodersCannotMake) {
    Add("small", 6, 9); // "3GP - 手机3GP视频": H.263
    Add("mpeg1", 7, 1); // "MPEG - MPEG-1标准视频"
    Controller.lvFilesSelectItem(0);
    Controller.SetParameterIndex(TParameterBox::Resolution, 10); // "320*240"
    Controller.lvFilesSelectItem(1);
    Controller.SetParameterIndex(TParameterBox::FrameRate, 1); // "10.00"
    ASSERT_EQ(Controller.Files().Text(0, fcFrameSize), "320*240");
    ASSERT_EQ(Controller.Files().Text(1, fcFrameRate), "10.00");
    ASSERT_TRUE(RunToEnd(1));

    // H.263 cannot make 320x240: the row fails and says why.
    ASSERT_EQ(Dialogs.Failures.size(), 1u);
    EXPECT_NE(Dialogs.Failures[0].find("small.mkv"), std::string::npos);
    EXPECT_NE(Dialogs.Failures[0].find("320x240"), std::string::npos);
    EXPECT_EQ(Controller.Files().Text(0, fcProgress), "失败");
    EXPECT_FALSE(std::filesystem::exists(Output(0)));

    // MPEG-1 has no 10 fps: the nearest rate it has, and a line in the log.
    EXPECT_EQ(Controller.Files().Text(1, fcProgress), "100%");
    const auto facts = ReadFacts(Output(1));
    ASSERT_TRUE(facts);
    EXPECT_NEAR(facts->FrameRate, 24000.0 / 1001, 0.001);
    const auto& lines = Controller.Log().Lines();
    EXPECT_NE(
        std::find(lines.begin(), lines.end(),
                  "mpeg1.mkv: the frame rate 10.00 is not allowed for mpeg1video; the nearest allowed rate "
                  "24000/1001 is used"),
        lines.end());
}
