// Join mode: several inputs converted one after another into one output,
// their time stamps shifted so that they keep increasing.

#include "tests/media/engine/PictureReadBack.h"
#include "tests/media/engine/RunTestSupport.h"

namespace {

const TOptionList kFfv1Mp2 = {{"vcodec", "ffv1"}, {"pix_fmt", "yuv420p"}, {"acodec", "mp2"}};

} // namespace

class TCustomFFmpegJoinTest : public TCustomFFmpegTest {
protected:
    // Opens the inputs, sets the output options and opens the joined output.
    void OpenJoin(const std::vector<std::string>& AInputs, const TOptionList& AOptions,
                  const std::string& AOutput) {
        for (const std::string& input : AInputs)
            ASSERT_TRUE(E->OpenInputFile(FixturePath(input))) << E->LastErrMsg();
        for (const auto& [name, value] : AOptions)
            E->SetOption(name, value);
        ASSERT_EQ(E->OpenOutputFile(Folder.File(AOutput), true), static_cast<int>(AInputs.size()))
            << E->LastErrMsg();
    }
    TScratchFolder Folder;
};

// A 1 s and a 2 s clip give one 3 s output: the pictures of the first clip,
// then those of the second, at strictly increasing times; the progress
// reports count 3 s in all and name the input being read.
TEST_F(TCustomFFmpegJoinTest, TwoClipsMakeOneOutput) {
    OpenJoin({"clip_1s.mkv", "clip.mkv"}, kFfv1Mp2, "joined.mkv");
    if (HasFatalFailure()) return;
    E->ReportInterval = 0; // a report after every packet
    TProgressLog progress;
    progress.Attach(*E);
    EXPECT_FALSE(E->StartConvert(false));
    EXPECT_FALSE(E->FatalException()) << E->FatalMessage();
    EXPECT_TRUE(E->Finished());

    const TMediaSummary m = InspectMedia(Folder.File("joined.mkv"));
    EXPECT_EQ(m.DecodeErrors, 0);
    const TStreamSummary* v = m.First(AVMEDIA_TYPE_VIDEO);
    const TStreamSummary* a = m.First(AVMEDIA_TYPE_AUDIO);
    ASSERT_NE(v, nullptr);
    ASSERT_NE(a, nullptr);
    EXPECT_NEAR(v->Duration(), 3.0, 0.04 + 1e-6);
    EXPECT_NEAR(a->SoundDuration(), 3.0, 0.04);

    const std::vector<TPicture> pictures = DecodePictures(Folder.File("joined.mkv"));
    ASSERT_EQ(pictures.size(), 75u);
    for (size_t i = 0; i < pictures.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(pictures[i].Counter(), i < 25 ? static_cast<int>(i) : static_cast<int>(i) - 25);
        if (i > 0) {
            EXPECT_GT(pictures[i].Time, pictures[i - 1].Time);
        }
    }

    const std::vector<TProgressRecord> events = progress.Events();
    ASSERT_FALSE(events.empty());
    bool first = false, second = false;
    for (const TProgressRecord& e : events) {
        EXPECT_NEAR(e.TotalDuration, 3000000, 40000);
        first |= e.FileIndex == 0;
        second |= e.FileIndex == 1;
    }
    EXPECT_TRUE(first && second);
    EXPECT_EQ(events.back().FileIndex, -1);
    EXPECT_NEAR(events.back().CurrentDuration, 3000000, 40000);
}

// A joined output is the task's only output: a second one, joined or not,
// is refused and not created, and so is a join after a plain output.
TEST_F(TCustomFFmpegJoinTest, ASecondOutputIsRefused) {
    OpenJoin({"clip_1s.mkv", "clip.mkv"}, kFfv1Mp2, "joined.mkv");
    if (HasFatalFailure()) return;
    for (bool join : {true, false}) {
        EXPECT_EQ(E->OpenOutputFile(Folder.File("second.mkv"), join), -1);
        EXPECT_EQ(E->LastErrMsg(), "Cannot join more than one output file.");
    }
    EXPECT_EQ(FileSizeOf(Folder.File("second.mkv")), -1);

    E->Reset();
    ASSERT_TRUE(E->OpenInputFile(FixturePath("clip_1s.mkv")));
    ASSERT_TRUE(E->OpenInputFile(FixturePath("clip.mkv")));
    ASSERT_EQ(E->OpenOutputFile(Folder.File("plain.mkv"), false), 1) << E->LastErrMsg();
    EXPECT_EQ(E->OpenOutputFile(Folder.File("joined2.mkv"), true), -1);
    EXPECT_EQ(E->LastErrMsg(), "Cannot join more than one output file.");
    EXPECT_EQ(FileSizeOf(Folder.File("joined2.mkv")), -1);
}

// An input of another picture size gets a filter graph of its own, which
// gives the size the encoder was opened with: the user's filters see the
// same size for every input.
TEST_F(TCustomFFmpegJoinTest, InputsOfAnotherSizeGoThroughARebuiltFilterGraph) {
    OpenJoin({"clip_1s.mkv", "odd_321x241.mkv"},
             {{"vcodec", "ffv1"}, {"pix_fmt", "yuv420p"}, {"an", ""}, {"vf", "scale=iw/2:ih/2,hflip"}},
             "sizes.mkv");
    if (HasFatalFailure()) return;
    E->StartConvert(false);
    EXPECT_FALSE(E->FatalException()) << E->FatalMessage();

    const std::vector<TPicture> pictures = DecodePictures(Folder.File("sizes.mkv"));
    ASSERT_EQ(pictures.size(), 50u);
    for (size_t i = 0; i < pictures.size(); ++i) {
        SCOPED_TRACE(i);
        const TPicture& p = pictures[i];
        ASSERT_EQ(p.Width, 160);
        ASSERT_EQ(p.Height, 120);
        // Mirrored bars: the black one on the left, the white one on the right.
        EXPECT_NEAR(p.LumaAt(4, fixture::BarRow(120)), 16, 8);
        EXPECT_NEAR(p.LumaAt(155, fixture::BarRow(120)), 235, 8);
        if (i > 0) {
            EXPECT_GT(p.Time, pictures[i - 1].Time);
        }
    }
}

// A stream copied into the joined output takes every input's packets, the
// later ones shifted after the earlier ones.
TEST_F(TCustomFFmpegJoinTest, CopiedStreamsAreJoinedToo) {
    OpenJoin({"h264.mkv", "h264.mkv"}, {{"vcodec", "copy"}}, "copied.mkv");
    if (HasFatalFailure()) return;
    E->StartConvert(false);
    EXPECT_FALSE(E->FatalException()) << E->FatalMessage();
    const std::vector<TPicture> pictures = DecodePictures(Folder.File("copied.mkv"));
    ASSERT_EQ(pictures.size(), 100u);
    for (size_t i = 1; i < pictures.size(); ++i)
        EXPECT_GT(pictures[i].Time, pictures[i - 1].Time) << i;
    EXPECT_EQ(pictures[50].Counter(), 0);
}

// A later input without a stream for one of the output streams cannot be
// joined: the run fails before anything is written.
TEST_F(TCustomFFmpegJoinTest, AnInputLackingAStreamFailsTheRun) {
    OpenJoin({"clip_1s.mkv", "odd_321x241.mkv"}, kFfv1Mp2, "lacking.mkv");
    if (HasFatalFailure()) return;
    E->StartConvert(false);
    EXPECT_TRUE(E->FatalException());
    EXPECT_EQ(E->FatalMessage(), "Could not find input stream matching output stream #0.1 (Audio)");
    EXPECT_EQ(FileSizeOf(Folder.File("lacking.mkv")), -1);
}

// A recording time limits the joined output, and the total duration of the
// progress reports with it.
TEST_F(TCustomFFmpegJoinTest, RecordingTimeLimitsTheJoinedOutput) {
    OpenJoin({"clip_1s.mkv", "clip.mkv"}, {{"vcodec", "ffv1"}, {"an", ""}, {"t", "1.6"}}, "limited.mkv");
    if (HasFatalFailure()) return;
    TProgressLog progress;
    progress.Attach(*E);
    E->StartConvert(false);
    EXPECT_FALSE(E->FatalException()) << E->FatalMessage();
    const std::vector<TPicture> pictures = DecodePictures(Folder.File("limited.mkv"));
    ASSERT_EQ(pictures.size(), 40u);
    EXPECT_EQ(pictures.back().Counter(), 14);
    ASSERT_FALSE(progress.Events().empty());
    EXPECT_EQ(progress.Events().back().TotalDuration, 1600000);
}

// Audio inputs of other rates and channel counts join into one track: the
// resampler follows each input, and no sound is lost at the seam.
TEST_F(TCustomFFmpegJoinTest, AudioOfOtherRatesJoins) {
    OpenJoin({"tone_s16_mono_22050.wav", "tone_flt_stereo_48000.wav"},
             {{"acodec", "pcm_s16le"}, {"ar", "44100"}, {"ac", "2"}}, "tones.wav");
    if (HasFatalFailure()) return;
    E->StartConvert(false);
    EXPECT_FALSE(E->FatalException()) << E->FatalMessage();
    const TMediaSummary m = InspectMedia(Folder.File("tones.wav"));
    const TStreamSummary* a = m.First(AVMEDIA_TYPE_AUDIO);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->SampleRate, 44100);
    EXPECT_EQ(a->Channels, 2);
    EXPECT_NEAR(static_cast<double>(a->Samples), 2 * 44100, 64);
}

// A stream added after the joined output is opened belongs to it and is fed
// by every input in turn.
TEST_F(TCustomFFmpegJoinTest, StreamAddedToTheJoinedOutputIsFedByEveryInput) {
    OpenJoin({"languages.mkv", "languages.mkv"}, kFfv1Mp2, "added.mkv");
    if (HasFatalFailure()) return;
    E->SetOption("newaudio", "");
    E->StartConvert(false);
    EXPECT_FALSE(E->FatalException()) << E->FatalMessage();
    const TMediaSummary m = InspectMedia(Folder.File("added.mkv"));
    ASSERT_EQ(m.Streams.size(), 3u);
    EXPECT_EQ(m.Streams[2].Type, AVMEDIA_TYPE_AUDIO);
    // The 22050 Hz source pads each second of its tone to whole frames.
    EXPECT_NEAR(m.Streams[2].SoundDuration(), 2.0, 0.1);
}

// An input opened after the joined output is joined after the others, and
// the progress counts its length too.
TEST_F(TCustomFFmpegJoinTest, AnInputOpenedAfterTheOutputIsJoinedAndCounted) {
    OpenJoin({"clip_1s.mkv", "clip_1s.mkv"}, kFfv1Mp2, "joined.mkv");
    if (HasFatalFailure()) return;
    ASSERT_TRUE(E->OpenInputFile(FixturePath("clip.mkv"))) << E->LastErrMsg();
    E->ReportInterval = 0;
    TProgressLog progress;
    progress.Attach(*E);
    EXPECT_FALSE(E->StartConvert(false));
    EXPECT_FALSE(E->FatalException()) << E->FatalMessage();

    const std::vector<TPicture> pictures = DecodePictures(Folder.File("joined.mkv"));
    ASSERT_EQ(pictures.size(), 100u);
    EXPECT_EQ(pictures[50].Counter(), 0); // the late input starts from its own first picture
    const std::vector<TProgressRecord> events = progress.Events();
    ASSERT_FALSE(events.empty());
    EXPECT_NEAR(events.back().TotalDuration, 4000000, 80000);
    EXPECT_NEAR(events.back().CurrentDuration, 4000000, 80000);
}
