#include "media/AVBindings.h"
#include "media/prober/TAVProbe.h"
#include "tests/media/ProberTestSupport.h"

#include <filesystem>

namespace {

constexpr int64_t kNone = -1;
// Durations are pinned within one frame of the longest frame in the
// fixtures: an MPEG audio frame at 22.05 kHz, 52 ms.
constexpr int64_t kFrameSlack = 60000;

struct ProbeCase {
    const char* name;
    int streams, video, audio, subtitle;
    int firstVideo, firstAudio, firstSubtitle;
    int programs;
    int64_t start, duration; // microseconds; -1 unknown
    int width, height;
    float aspect;
    AVRational rate;
    int sampleRate, channels, sampleFormat;
    std::vector<std::string> audioLanguages;
};

const ProbeCase kCases[] = {
    {"clip.mkv",
     2,
     1,
     1,
     0,
     0,
     1,
     -1,
     0,
     0,
     2000000,
     320,
     240,
     4.f / 3,
     {25, 1},
     44100,
     2,
     AV_SAMPLE_FMT_S16P,
     {""}},
    {"clip.mp4",
     2,
     1,
     1,
     0,
     0,
     1,
     -1,
     0,
     0,
     2000000,
     320,
     240,
     4.f / 3,
     {25, 1},
     44100,
     2,
     AV_SAMPLE_FMT_FLTP,
     {"und"}},
    {"bframes.mkv",
     2,
     1,
     1,
     0,
     0,
     1,
     -1,
     0,
     0,
     2000000,
     320,
     240,
     4.f / 3,
     {25, 1},
     44100,
     2,
     AV_SAMPLE_FMT_S16P,
     {""}},
    {"odd_321x241.mkv", 1, 1, 0, 0, 0, -1, -1, 0, 0, 1000000, 321, 241, 321.f / 241, {25, 1}, -1, -1, -1, {}},
    {"languages.mkv",
     3,
     1,
     2,
     0,
     0,
     1,
     -1,
     0,
     0,
     1000000,
     320,
     240,
     4.f / 3,
     {25, 1},
     48000,
     2,
     AV_SAMPLE_FMT_S16P,
     {"eng", "ger"}},
    {"tone_s16_mono_22050.wav",
     1,
     0,
     1,
     0,
     -1,
     0,
     -1,
     0,
     kNone,
     1000000,
     -1,
     -1,
     -1,
     {},
     22050,
     1,
     AV_SAMPLE_FMT_S16,
     {""}},
    {"tone_flt_stereo_48000.wav",
     1,
     0,
     1,
     0,
     -1,
     0,
     -1,
     0,
     kNone,
     1000000,
     -1,
     -1,
     -1,
     {},
     48000,
     2,
     AV_SAMPLE_FMT_FLT,
     {""}},
    {"tone_s16_6ch_48000.wav",
     1,
     0,
     1,
     0,
     -1,
     0,
     -1,
     0,
     kNone,
     1000000,
     -1,
     -1,
     -1,
     {},
     48000,
     6,
     AV_SAMPLE_FMT_S16,
     {""}},
    {"tone_flt_mono_44100.mka",
     1,
     0,
     1,
     0,
     -1,
     0,
     -1,
     0,
     0,
     1000000,
     -1,
     -1,
     -1,
     {},
     44100,
     1,
     AV_SAMPLE_FMT_FLT,
     {""}},
    {"tags.mp3", 1, 0, 1, 0, -1, 0, -1, 0, 0, 500000, -1, -1, -1, {}, 44100, 1, AV_SAMPLE_FMT_FLTP, {""}},
    // An unknown sample aspect ratio (0:1 here) counts as square pixels.
    {"still.png", 1, 1, 0, 0, 0, -1, -1, 0, kNone, kNone, 320, 240, 4.f / 3, {25, 1}, -1, -1, -1, {}},
    {"programs.ts",
     4,
     2,
     2,
     0,
     0,
     1,
     -1,
     2,
     0,
     400000,
     160,
     120,
     4.f / 3,
     {25, 1},
     44100,
     2,
     AV_SAMPLE_FMT_FLTP,
     {"eng", "fre"}},
    {"bitmap_subs.mkv", 2, 1, 0, 1, 0, -1, 1, 0, 0, 1000000, 320, 240, 4.f / 3, {25, 1}, -1, -1, -1, {}},
    {"two_cues.srt", 1, 0, 0, 1, -1, -1, 0, 0, kNone, kNone, -1, -1, -1, {}, -1, -1, -1, {}},
};

// Test names show the fixture, not the bytes of the case.
void PrintTo(const ProbeCase& c, std::ostream* os) {
    *os << c.name;
}

class TCustomAVProbeTable : public ProberLibrariesTest, public ::testing::WithParamInterface<ProbeCase> {};

void ExpectNear(int64_t expected, int64_t actual, const char* what) {
    if (expected == kNone)
        EXPECT_EQ(kNone, actual) << what;
    else
        EXPECT_NEAR(double(expected), double(actual), double(kFrameSlack)) << what;
}

} // namespace

TEST_P(TCustomAVProbeTable, ReportsStreamsAndFileFacts) {
    const ProbeCase& c = GetParam();
    const std::string path = FixturePath(c.name);
    TAVProbe probe;
    ASSERT_TRUE(probe.LoadFile(path)) << probe.LastErrMsg();

    EXPECT_EQ(c.streams, probe.StreamCount());
    EXPECT_EQ(c.video, probe.VideoStreamCount());
    EXPECT_EQ(c.audio, probe.AudioStreamCount());
    EXPECT_EQ(c.subtitle, probe.SubtitleStreamCount());
    EXPECT_EQ(c.firstVideo, probe.FirstVideoStreamIndex());
    EXPECT_EQ(c.firstAudio, probe.FirstAudioStreamIndex());
    EXPECT_EQ(c.firstSubtitle, probe.FirstSubtitleStreamIndex());
    EXPECT_EQ(c.programs, probe.ProgramCount());
    EXPECT_EQ(int64_t(std::filesystem::file_size(path)), probe.FileSize());
    EXPECT_EQ(path, probe.FileName());

    const TFileStreamInfo file = probe.FileStreamInfo();
    ExpectNear(c.start, file.StartTime, "start");
    ExpectNear(c.duration, file.Duration, "duration");

    const TVideoStreamInfo video = probe.FirstVideoStreamInfo();
    EXPECT_EQ(c.width, video.Width);
    EXPECT_EQ(c.height, video.Height);
    EXPECT_NEAR(c.aspect, video.AspectRatio, 0.001);
    if (c.video > 0) {
        EXPECT_EQ(0, av_cmp_q(c.rate, video.FrameRate));
    } else {
        EXPECT_EQ(-1, video.FrameRate.num);
        EXPECT_EQ("no video stream.", probe.LastErrMsg());
    }

    const TAudioStreamInfo audio = probe.FirstAudioStreamInfo();
    EXPECT_EQ(c.sampleRate, audio.SampleRate);
    EXPECT_EQ(c.channels, audio.Channels);
    EXPECT_EQ(c.sampleFormat, audio.SampleFormat);

    std::vector<std::string> languages;
    for (int i = 0; i < probe.StreamCount(); ++i) {
        TAudioStreamInfo a;
        if (probe.IsAudioStream(i) && probe.GetAudioStreamInfo(i, a)) languages.push_back(a.Language);
    }
    EXPECT_EQ(c.audioLanguages, languages);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, TCustomAVProbeTable, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ProbeCase>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

using TCustomAVProbeTest = ProberLibrariesTest;

TEST_F(TCustomAVProbeTest, EverythingIsMinusOneWithoutAFile) {
    TAVProbe probe;
    auto expectClosed = [&] {
        EXPECT_EQ(-1, probe.FileSize());
        for (int n : {probe.StreamCount(), probe.ProgramCount(), probe.AudioStreamCount(),
                      probe.VideoStreamCount(), probe.SubtitleStreamCount(), probe.FirstAudioStreamIndex(),
                      probe.FirstVideoStreamIndex(), probe.FirstSubtitleStreamIndex()})
            EXPECT_EQ(-1, n);
    };
    expectClosed();
    ASSERT_TRUE(probe.LoadFile(FixturePath("languages.mkv")));
    probe.CloseFile();
    expectClosed();
    EXPECT_EQ("", probe.FormatName());

    const TFileStreamInfo file = probe.FileStreamInfo();
    EXPECT_EQ(-1, file.Duration);
    EXPECT_EQ(-1, file.Year);
    EXPECT_EQ("", file.Title);
    EXPECT_EQ("file not loaded.", probe.LastErrMsg());
    EXPECT_FALSE(probe.IsVideoStream(0));
    EXPECT_EQ("file not loaded.", probe.LastErrMsg());
}

TEST_F(TCustomAVProbeTest, OpenErrorsLeaveNothingOpen) {
    TAVProbe probe;
    const std::string missing = FixtureFolder() + "/no-such-file.mkv";
    EXPECT_FALSE(probe.LoadFile(missing));
    EXPECT_EQ(missing + ": No such file or directory", probe.LastErrMsg());
    EXPECT_EQ(-1, probe.StreamCount());
    EXPECT_EQ(nullptr, probe.FileHandle());

    EXPECT_FALSE(probe.LoadFile(FixturePath("clip.mkv"), "no_such_format"));
    EXPECT_EQ("Unknown input format: no_such_format", probe.LastErrMsg());
    EXPECT_EQ(nullptr, probe.FileHandle());

    const std::string random = FixturePath("random.avi");
    EXPECT_FALSE(probe.LoadFile(random));
    EXPECT_EQ(random + ": Invalid data found when processing input", probe.LastErrMsg());
    EXPECT_EQ(-1, probe.StreamCount());

    // A failed open closes what was open before.
    ASSERT_TRUE(probe.LoadFile(FixturePath("clip.mkv")));
    EXPECT_FALSE(probe.LoadFile(missing));
    EXPECT_EQ(nullptr, probe.FileHandle());
    EXPECT_EQ(-1, probe.StreamCount());
}

TEST_F(TCustomAVProbeTest, ForcedFormatIsKeptUntilClose) {
    TAVProbe probe;
    ASSERT_TRUE(probe.LoadFile(FixturePath("still.png"), "png_pipe")) << probe.LastErrMsg();
    EXPECT_EQ("png_pipe", probe.ForceFormat());
    EXPECT_EQ("png_pipe", probe.FormatName());
    probe.CloseFile();
    EXPECT_EQ("", probe.ForceFormat());
}

TEST_F(TCustomAVProbeTest, StreamRecordErrors) {
    TAVProbe probe;
    ASSERT_TRUE(probe.LoadFile(FixturePath("clip.mkv")));

    const TSubtitleStreamInfo none = probe.FirstSubtitleStreamInfo();
    EXPECT_EQ("", none.Language);
    EXPECT_EQ("", none.CodecName);
    EXPECT_EQ("no subtitle stream.", probe.LastErrMsg());

    TAudioStreamInfo audio;
    EXPECT_FALSE(probe.GetAudioStreamInfo(0, audio));
    EXPECT_EQ("stream #0 is not audio stream.", probe.LastErrMsg());
    EXPECT_EQ(-1, audio.SampleRate);
    EXPECT_EQ(-1, audio.DurationScaled);

    TVideoStreamInfo video;
    EXPECT_FALSE(probe.GetVideoStreamInfo(2, video));
    EXPECT_EQ("stream index #2 is invalid.", probe.LastErrMsg());
    EXPECT_FLOAT_EQ(-1.0f, video.AspectRatio);
    EXPECT_FALSE(probe.IsAudioStream(-3));
    EXPECT_EQ("stream index #-3 is invalid.", probe.LastErrMsg());

    ASSERT_TRUE(probe.GetVideoStreamInfo(0, video));
    EXPECT_EQ(AV_PIX_FMT_YUV420P, video.PixFmt);
    EXPECT_EQ(0, video.StartTime);
    EXPECT_EQ(0, video.StartTimeScaled);
    EXPECT_FALSE(video.CodecName.empty());
    EXPECT_TRUE(probe.IsVideoStream(0));
    EXPECT_TRUE(probe.IsAudioStream(1));
    EXPECT_FALSE(probe.IsSubtitleStream(1));
}

TEST_F(TCustomAVProbeTest, SubtitleStreamsCarryLanguageAndCodec) {
    TAVProbe probe;
    ASSERT_TRUE(probe.LoadFile(FixturePath("bitmap_subs.mkv")));
    const TSubtitleStreamInfo sub = probe.FirstSubtitleStreamInfo();
    EXPECT_EQ("eng", sub.Language);
    EXPECT_EQ(0u, sub.CodecName.rfind("dvdsub", 0)) << sub.CodecName;
}

TEST_F(TCustomAVProbeTest, FileMetadataFillsTheFileRecord) {
    TAVProbe probe;
    ASSERT_TRUE(probe.LoadFile(FixturePath("tags.mp3")));
    const TFileStreamInfo file = probe.FileStreamInfo();
    EXPECT_EQ("Fixture Title", file.Title);
    EXPECT_EQ("Fixture Artist", file.Author);
    EXPECT_EQ("Fixture Album", file.Album);
    EXPECT_EQ("Ambient", file.Genre);
    EXPECT_EQ(7, file.Track);
    EXPECT_EQ(2009, file.Year);
    EXPECT_EQ("", file.Copyright);
    EXPECT_GT(file.BitRate, 0);
}

namespace {

struct InputFree {
    void operator()(AVFormatContext* c) const { av::avformat_close_input(&c); }
};

std::unique_ptr<AVFormatContext, InputFree> OpenDirectly(const std::string& path) {
    AVFormatContext* fc = nullptr;
    if (av::avformat_open_input(&fc, path.c_str(), nullptr, nullptr) < 0) return nullptr;
    std::unique_ptr<AVFormatContext, InputFree> owned(fc);
    if (av::avformat_find_stream_info(fc, nullptr) < 0) return nullptr;
    return owned;
}

} // namespace

TEST_F(TCustomAVProbeTest, AdoptedContextIsReportedButNeverSeekedNorRepaired) {
    auto fc = OpenDirectly(FixturePath("clip.mkv"));
    ASSERT_TRUE(fc);
    // A broken time base: repaired for the report, left alone in the context.
    fc->streams[0]->time_base = AVRational{1000, 0};

    TAVProbe probe;
    probe.SetFileHandle(fc.get());
    EXPECT_EQ(fc.get(), probe.FileHandle());
    EXPECT_EQ(2, probe.StreamCount());
    TVideoStreamInfo video;
    ASSERT_TRUE(probe.GetVideoStreamInfo(-1, video));
    EXPECT_EQ(0, video.StartTimeScaled); // 0 in 1000/1000
    EXPECT_EQ(0, fc->streams[0]->time_base.den);
    EXPECT_FALSE(probe.FileInfoText().empty());

    EXPECT_FALSE(probe.Seek(0));
    EXPECT_EQ("file cannot be seeked, handle is readonly.", probe.LastErrMsg());
    EXPECT_FALSE(probe.Decode());
    EXPECT_EQ("file cannot be seeked, handle is readonly.", probe.LastErrMsg());
    EXPECT_FALSE(probe.DecodePreviousKeyFrame());
    EXPECT_EQ(-1, probe.Position());

    // Detaching leaves the context to its owner.
    probe.SetFileHandle(nullptr);
    EXPECT_EQ(-1, probe.StreamCount());
    EXPECT_EQ(2u, fc->nb_streams);
}

TEST(TCustomAVProbeNoLibraries, LoadFileNamesTheMissingLibrary) {
    // Each test runs in its own process: nothing is loaded here.
    TAVProbe probe;
    EXPECT_FALSE(probe.LoadFile("anything.mkv"));
    EXPECT_EQ("LibAVCodec not loaded.", probe.LastErrMsg());
    EXPECT_FALSE(TAVProbe::AVLibLoaded());
}

TEST_F(TCustomAVProbeTest, OnlyAProberWithAFileKeepsTheLibrariesLoaded) {
    TAVProbe probe;
    const int before = FFLoader.LiveObjects();
    ASSERT_TRUE(probe.LoadFile(FixturePath("clip.mkv"))) << probe.LastErrMsg();
    ASSERT_TRUE(probe.Decode(-1));
    EXPECT_EQ(before + 1, FFLoader.LiveObjects());
    EXPECT_FALSE(FFLoader.Unload(ProbeLibraries));
    EXPECT_EQ("Cannot unload the media libraries while a media component is in use.", FFLoader.LastErrMsg());

    EXPECT_FALSE(probe.LoadFile(FixturePath("random.avi")));
    EXPECT_EQ(before, FFLoader.LiveObjects());
    ASSERT_TRUE(probe.LoadFile(FixturePath("clip.mkv")));
    probe.CloseFile();
    EXPECT_EQ(before, FFLoader.LiveObjects());
    // An idle prober holds nothing of the libraries.
    EXPECT_TRUE(FFLoader.Unload(ProbeLibraries)) << FFLoader.LastErrMsg();
}
