// End-to-end conversions: the run set-up, the encoding stages and the
// transcode loop, inline in the test's thread.

#include "tests/media/engine/RunTestSupport.h"

namespace {

struct TMatrixRow {
    const char* Name;
    const char* Input; // fixture, or "@<earlier row's output>"
    TOptionList Options;
    const char* Output;
    const char* VideoCodec; // null: no video expected
    int Width, Height;
    const char* AudioCodec; // null: no audio expected
    int SampleRate, Channels;
    double Seconds; // expected length
    uint32_t VideoTag = 0;
};

uint32_t Tag(const char* s) {
    return static_cast<uint32_t>(s[0]) | static_cast<uint32_t>(s[1]) << 8 |
           static_cast<uint32_t>(s[2]) << 16 | static_cast<uint32_t>(s[3]) << 24;
}

const std::vector<TMatrixRow>& Matrix() {
    static const std::vector<TMatrixRow> rows = {
        {"mp4",
         "clip.mkv",
         {{"vcodec", "libx264"}, {"vpre", "libx264-default"}, {"acodec", "aac"}},
         "out.mp4",
         "h264",
         320,
         240,
         "aac",
         44100,
         2,
         2.0},
        {"avi",
         "clip.mkv",
         {{"vcodec", "libxvid"}, {"acodec", "libmp3lame"}, {"vtag", "XVID"}},
         "out.avi",
         "mpeg4",
         320,
         240,
         "mp3",
         44100,
         2,
         2.0,
         Tag("XVID")},
        {"flv",
         "clip.mkv",
         {{"vcodec", "flv"}, {"acodec", "libmp3lame"}, {"ar", "22050"}},
         "out.flv",
         "flv1",
         320,
         240,
         "mp3",
         22050,
         2,
         2.0},
        {"wmv",
         "clip.mkv",
         {{"vcodec", "wmv2"}, {"acodec", "wmav2"}},
         "out.wmv",
         "wmv2",
         320,
         240,
         "wmav2",
         44100,
         2,
         2.0},
        {"mpg",
         "clip.mkv",
         {{"vcodec", "mpeg1video"}, {"acodec", "mp2"}},
         "out.mpg",
         "mpeg1video",
         320,
         240,
         "mp2",
         44100,
         2,
         2.0},
        {"mkv",
         "clip.mkv",
         {{"vcodec", "mpeg4"}, {"acodec", "libvorbis"}},
         "out.mkv",
         "mpeg4",
         320,
         240,
         "vorbis",
         44100,
         2,
         2.0},
        {"3gp",
         "clip.mkv",
         {{"vcodec", "h263"}, {"s", "176x144"}, {"acodec", "aac"}},
         "out.3gp",
         "h263",
         176,
         144,
         "aac",
         44100,
         2,
         2.0},
        {"mp3", "clip.mkv", {{"acodec", "libmp3lame"}}, "out.mp3", nullptr, 0, 0, "mp3", 44100, 2, 2.0},
        {"wav", "@out.mp3", {}, "out.wav", nullptr, 0, 0, "pcm_s16le", 44100, 2, 2.0},
        {"ac3",
         "tone_s16_6ch_48000.wav",
         {{"acodec", "ac3"}, {"ac", "2"}},
         "out.ac3",
         nullptr,
         0,
         0,
         "ac3",
         48000,
         2,
         1.0},
        {"copy", "h264.mkv", {{"vcodec", "copy"}}, "copy.mp4", "h264", 320, 240, nullptr, 0, 0, 2.0},
    };
    return rows;
}

} // namespace

// Every row of the matrix converts inline, finishes, and its output decodes
// completely with the asked codecs, sizes, rates and channels, and the
// source's length.
TEST_F(TCustomFFmpegTest, ConversionMatrix) {
    TScratchFolder folder;
    for (const TMatrixRow& row : Matrix()) {
        SCOPED_TRACE(row.Name);
        auto engine = std::make_unique<TCustomFFmpeg>(20);
        engine->Reset();
        const std::string input = row.Input[0] == '@' ? folder.File(row.Input + 1) : FixturePath(row.Input);
        const std::string output = folder.File(row.Output);
        PrepareConversion(*engine, input, {}, output, row.Options);
        if (HasFatalFailure()) return;
        bool terminated = false;
        engine->FOnTerminate = [&](TCustomFFmpeg*) { terminated = true; };
        EXPECT_FALSE(engine->StartConvert(false));
        EXPECT_TRUE(terminated);
        EXPECT_TRUE(engine->Finished());
        EXPECT_FALSE(engine->FatalException()) << engine->FatalMessage();
        engine.reset();

        Log.Clear();
        const TMediaSummary m = InspectMedia(output);
        ASSERT_TRUE(m.Opened);
        EXPECT_EQ(m.DecodeErrors, 0);
        for (const TLogCapture::TLine& l : Log.Lines())
            EXPECT_GT(l.Level, llError) << l.Text;
        const TStreamSummary* v = m.First(AVMEDIA_TYPE_VIDEO);
        const TStreamSummary* a = m.First(AVMEDIA_TYPE_AUDIO);
        if (row.VideoCodec) {
            ASSERT_NE(v, nullptr);
            EXPECT_EQ(v->Codec, row.VideoCodec);
            EXPECT_EQ(v->Width, row.Width);
            EXPECT_EQ(v->Height, row.Height);
            EXPECT_NEAR(v->Frames, row.Seconds * 25, 1);
            EXPECT_NEAR(v->Duration(), row.Seconds, 0.04 + 1e-6);
            if (row.VideoTag) {
                EXPECT_EQ(v->Tag, row.VideoTag);
            }
        } else {
            EXPECT_EQ(v, nullptr);
        }
        if (row.AudioCodec) {
            ASSERT_NE(a, nullptr);
            EXPECT_EQ(a->Codec, row.AudioCodec);
            EXPECT_EQ(a->SampleRate, row.SampleRate);
            EXPECT_EQ(a->Channels, row.Channels);
            EXPECT_NEAR(a->SoundDuration(), row.Seconds, 0.03);
        } else {
            EXPECT_EQ(a, nullptr);
        }
    }
}

// A subtitle stream without a codec of its own that the muxer takes as it is
// gets copied, and the pictures convert as usual.
TEST_F(TCustomFFmpegTest, SubtitleSourceConvertsItsPictures) {
    TScratchFolder folder;
    PrepareConversion(*E, FixturePath("bitmap_subs.mkv"), {}, folder.File("subs.mkv"), {{"vcodec", "mpeg4"}});
    E->StartConvert(false);
    EXPECT_FALSE(E->FatalException()) << E->FatalMessage();
    const TMediaSummary m = InspectMedia(folder.File("subs.mkv"));
    ASSERT_NE(m.First(AVMEDIA_TYPE_VIDEO), nullptr);
    EXPECT_EQ(m.First(AVMEDIA_TYPE_VIDEO)->Frames, 25);
    ASSERT_NE(m.First(AVMEDIA_TYPE_SUBTITLE), nullptr);
    EXPECT_EQ(m.First(AVMEDIA_TYPE_SUBTITLE)->Codec, "dvd_subtitle");
}
