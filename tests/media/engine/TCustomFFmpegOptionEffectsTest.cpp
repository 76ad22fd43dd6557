// What the options do to a converted output.

#include "tests/media/engine/RunTestSupport.h"

namespace {

const TOptionList kMpeg4Mp2 = {{"vcodec", "mpeg4"}, {"acodec", "mp2"}};

TOptionList With(TOptionList AList, const TOptionList& AMore) {
    AList.insert(AList.end(), AMore.begin(), AMore.end());
    return AList;
}

} // namespace

class TCustomFFmpegEffectsTest : public TCustomFFmpegTest {
protected:
    // Converts one input with the options and returns the output's summary.
    TMediaSummary Convert(const std::string& AInput, const TOptionList& AInputOptions,
                          const std::string& AOutput, const TOptionList& AOutputOptions) {
        E->Reset();
        PrepareConversion(*E, FixturePath(AInput), AInputOptions, Folder.File(AOutput), AOutputOptions);
        if (HasFatalFailure()) return {};
        E->StartConvert(false);
        EXPECT_FALSE(E->FatalException()) << E->FatalMessage();
        EXPECT_TRUE(E->Finished());
        return InspectMedia(Folder.File(AOutput));
    }
    TScratchFolder Folder;
};

TEST_F(TCustomFFmpegEffectsTest, RecordingTimeAndStartTime) {
    TMediaSummary m = Convert("clip.mkv", {}, "t.avi", With(kMpeg4Mp2, {{"t", "1.0"}}));
    ASSERT_NE(m.First(AVMEDIA_TYPE_VIDEO), nullptr);
    EXPECT_NEAR(m.First(AVMEDIA_TYPE_VIDEO)->Frames, 25, 1);
    EXPECT_NEAR(m.First(AVMEDIA_TYPE_AUDIO)->SoundDuration(), 1.0, 0.03);

    // "ss" on the input: the output starts with the picture of 1.2 s, at time 0.
    m = Convert("clip.mkv", {{"ss", "1.2"}}, "ss.mkv", kMpeg4Mp2);
    const TStreamSummary* v = m.First(AVMEDIA_TYPE_VIDEO);
    ASSERT_NE(v, nullptr);
    EXPECT_NEAR(v->Frames, 20, 1);
    ASSERT_FALSE(v->FrameTimes.empty());
    EXPECT_NEAR(v->FrameTimes.front(), 0.0, 0.041);
    EXPECT_NEAR(m.First(AVMEDIA_TYPE_AUDIO)->SoundDuration(), 0.8, 0.03);
}

TEST_F(TCustomFFmpegEffectsTest, FrameLimitsAndSizeLimit) {
    TMediaSummary m = Convert("clip.mkv", {}, "vframes.avi", With(kMpeg4Mp2, {{"vframes", "10"}}));
    EXPECT_EQ(m.First(AVMEDIA_TYPE_VIDEO)->Frames, 10);

    m = Convert("tone_s16_stereo_44100.wav", {}, "aframes.mp2", {{"acodec", "mp2"}, {"aframes", "5"}});
    ASSERT_NE(m.First(AVMEDIA_TYPE_AUDIO), nullptr);
    EXPECT_EQ(m.First(AVMEDIA_TYPE_AUDIO)->Samples, 5 * 1152);

    m = Convert("clip.mkv", {}, "full.avi", kMpeg4Mp2);
    const int64_t full = FileSizeOf(Folder.File("full.avi"));
    m = Convert("clip.mkv", {}, "fs.avi", With(kMpeg4Mp2, {{"fs", std::to_string(full / 4)}}));
    const int64_t limited = FileSizeOf(Folder.File("fs.avi"));
    EXPECT_GT(limited, full / 8);
    EXPECT_LT(limited, full / 2);
    EXPECT_TRUE(m.Opened);
}

TEST_F(TCustomFFmpegEffectsTest, MapsAndShortest) {
    // Video of one file and the 1 s tone of another; "shortest" ends with the tone.
    E->Reset();
    ASSERT_TRUE(E->OpenInputFile(FixturePath("clip.mkv")));
    ASSERT_TRUE(E->OpenInputFile(FixturePath("tone_s16_mono_22050.wav")));
    for (const auto& [name, value] : With(kMpeg4Mp2, {{"map", "0:0"}, {"map", "1:0"}, {"shortest", "1"}}))
        E->SetOption(name, value);
    ASSERT_GT(E->OpenOutputFile(Folder.File("shortest.avi"), false), 0) << E->LastErrMsg();
    E->StartConvert(false);
    EXPECT_FALSE(E->FatalException()) << E->FatalMessage();
    TMediaSummary m = InspectMedia(Folder.File("shortest.avi"));
    ASSERT_NE(m.First(AVMEDIA_TYPE_AUDIO), nullptr);
    EXPECT_EQ(m.First(AVMEDIA_TYPE_AUDIO)->Channels, 1);
    EXPECT_NEAR(m.First(AVMEDIA_TYPE_VIDEO)->Frames, 25, 3);

    // The second audio stream by map: its language comes along.
    m = Convert("languages.mkv", {}, "map.mkv", With(kMpeg4Mp2, {{"map", "0:0"}, {"map", "0:2"}}));
    ASSERT_EQ(m.Streams.size(), 2u);
    EXPECT_EQ(m.Streams[1].Language, "ger");
    m = Convert("languages.mkv", {}, "nomap.mkv", kMpeg4Mp2);
    ASSERT_EQ(m.Streams.size(), 2u);
    EXPECT_EQ(m.Streams[1].Language, "eng");

    E->Reset();
    PrepareConversion(*E, FixturePath("clip.mkv"), {}, Folder.File("badmap.avi"),
                      With(kMpeg4Mp2, {{"map", "0:0"}, {"map", "0:7"}}));
    E->StartConvert(false);
    EXPECT_EQ(E->FatalMessage(), "Could not find input stream #0.7");
}

TEST_F(TCustomFFmpegEffectsTest, Metadata) {
    TMediaSummary m = Convert("tags.mp3", {}, "kept.mkv", {{"acodec", "mp2"}, {"map_meta_data", "0:0"}});
    EXPECT_EQ(m.Title, "Fixture Title");
    m = Convert("tags.mp3", {}, "dropped.mkv", {{"acodec", "mp2"}});
    EXPECT_EQ(m.Title, "");
    m = Convert("clip.mkv", {}, "titled.mkv", With(kMpeg4Mp2, {{"metadata", "title=Converted Title"}}));
    EXPECT_EQ(m.Title, "Converted Title");

    E->Reset();
    PrepareConversion(*E, FixturePath("clip.mkv"), {}, Folder.File("badmeta.avi"),
                      With(kMpeg4Mp2, {{"map_meta_data", "0:3"}}));
    E->StartConvert(false);
    EXPECT_EQ(E->FatalMessage(), "Invalid input file index 3 map_meta_data(0,3)");
}

TEST_F(TCustomFFmpegEffectsTest, VideoSyncCountsDuplicatesAndDrops) {
    TMediaSummary m = Convert("clip.mkv", {}, "dup.avi", With(kMpeg4Mp2, {{"r", "50"}, {"vsync", "1"}}));
    EXPECT_NEAR(E->Fnb_frames_dup, 50, 2);
    EXPECT_EQ(E->Fnb_frames_drop, 0);
    EXPECT_NEAR(m.First(AVMEDIA_TYPE_VIDEO)->Frames, 100, 2);

    m = Convert("clip.mkv", {}, "drop.avi", With(kMpeg4Mp2, {{"r", "12.5"}, {"vsync", "1"}}));
    EXPECT_NEAR(E->Fnb_frames_drop, 25, 2);
    EXPECT_EQ(E->Fnb_frames_dup, 0);
    EXPECT_NEAR(m.First(AVMEDIA_TYPE_VIDEO)->Frames, 25, 2);
}

// Audio that starts 0.5 s late: with "async" the output gets that much
// silence in front; without, the samples follow one another from 0.
TEST_F(TCustomFFmpegEffectsTest, AudioSyncFillsALateStart) {
    auto convert = [&](const std::string& AName, int AAsync) {
        E->Reset();
        EXPECT_TRUE(E->OpenInputFile(FixturePath("clip.mkv")));
        E->SetOption("itsoffset", "0.5");
        EXPECT_TRUE(E->OpenInputFile(FixturePath("tone_s16_stereo_44100.wav")));
        for (const auto& [name, value] : With(kMpeg4Mp2, {{"map", "0:0"}, {"map", "1:0"}}))
            E->SetOption(name, value);
        E->SetAudioSyncMethod(AAsync);
        EXPECT_GT(E->OpenOutputFile(Folder.File(AName), false), 0) << E->LastErrMsg();
        E->StartConvert(false);
        EXPECT_FALSE(E->FatalException()) << E->FatalMessage();
        return InspectMedia(Folder.File(AName));
    };
    TMediaSummary m = convert("async.avi", 1);
    ASSERT_NE(m.First(AVMEDIA_TYPE_AUDIO), nullptr);
    EXPECT_NEAR(m.First(AVMEDIA_TYPE_AUDIO)->SoundStart, 0.5, 0.03);
    EXPECT_NEAR(m.First(AVMEDIA_TYPE_AUDIO)->SoundDuration(), 1.0, 0.03);
    m = convert("noasync.avi", 0);
    EXPECT_NEAR(m.First(AVMEDIA_TYPE_AUDIO)->SoundStart, 0.0, 0.03);
}

// "vol" 128 halves the level of s16 and of float sources.
TEST_F(TCustomFFmpegEffectsTest, VolumeHalvesThePeak) {
    for (const char* input : {"tone_s16_stereo_44100.wav", "tone_flt_stereo_48000.wav"}) {
        SCOPED_TRACE(input);
        const double unity = Convert(input, {}, "unity.wav", {}).First(AVMEDIA_TYPE_AUDIO)->Peak;
        const double half = Convert(input, {}, "half.wav", {{"vol", "128"}}).First(AVMEDIA_TYPE_AUDIO)->Peak;
        ASSERT_GT(unity, 0.1);
        EXPECT_NEAR(half / unity, 0.5, 0.01);
        // Loud enough to clip: integer samples saturate, never wrap.
        const double loud = Convert(input, {}, "loud.wav", {{"vol", "2560"}}).First(AVMEDIA_TYPE_AUDIO)->Peak;
        EXPECT_GT(loud, 0.99);
    }
}

TEST_F(TCustomFFmpegEffectsTest, VideoFilters) {
    TMediaSummary m =
        Convert("clip.mkv", {}, "crop.avi", With(kMpeg4Mp2, {{"vfilters", "crop=160:120:0:0"}}));
    const TStreamSummary* v = m.First(AVMEDIA_TYPE_VIDEO);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->Width, 160);
    EXPECT_EQ(v->Height, 120);
    EXPECT_NEAR(v->Frames, 50, 1);

    m = Convert("clip.mkv", {}, "scaled.avi", With(kMpeg4Mp2, {{"s", "176x144"}, {"vfilters", "hflip"}}));
    v = m.First(AVMEDIA_TYPE_VIDEO);
    EXPECT_EQ(v->Width, 176);
    EXPECT_EQ(v->Height, 144);

    E->Reset();
    PrepareConversion(*E, FixturePath("clip.mkv"), {}, Folder.File("badfilter.avi"),
                      With(kMpeg4Mp2, {{"vfilters", "nosuchfilter"}}));
    E->StartConvert(false);
    EXPECT_EQ(E->FatalMessage().rfind("Error opening filters: ", 0), 0u) << E->FatalMessage();
    EXPECT_EQ(FileSizeOf(Folder.File("badfilter.avi")), -1);
}
