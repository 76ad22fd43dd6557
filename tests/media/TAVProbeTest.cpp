#include "media/prober/TAVProbe.h"
#include "tests/media/ProberTestSupport.h"

namespace {

constexpr int64_t kFrame = 40000; // 25 fps

class TAVProbeTest : public ProberLibrariesTest {
protected:
    void Open(const char* fixture) {
        ASSERT_TRUE(Probe.LoadFile(FixturePath(fixture))) << Probe.LastErrMsg();
    }

    // The frame number the held picture shows.
    int ShownFrame() {
        TBitmap bitmap;
        EXPECT_TRUE(Probe.CopyToBitmap(bitmap)) << Probe.LastErrMsg();
        return bitmap.Empty() ? -1 : FrameNumberOf(bitmap);
    }

    // Decodes from the start up to frame n.
    void DecodeTo(int n) {
        ASSERT_TRUE(Probe.Seek(0));
        for (int i = 0; i <= n; ++i)
            ASSERT_TRUE(Probe.Decode()) << "frame " << i << ": " << Probe.LastErrMsg();
        ASSERT_EQ(n * kFrame, Probe.FrameInfo().PTS);
    }

    TAVProbe Probe;
};

} // namespace

TEST_F(TAVProbeTest, DecodesEveryFrameInOrderToTheEndOfTheFile) {
    Open("clip.mkv");
    ASSERT_TRUE(Probe.Decode());
    const TFrameInfo& first = Probe.FrameInfo();
    EXPECT_EQ(0, first.PTS);
    EXPECT_TRUE(first.IsKeyFrame);
    EXPECT_EQ(ptI, first.PictureType);
    EXPECT_TRUE(first.Ready);
    EXPECT_EQ(320, first.Width);
    EXPECT_EQ(240, first.Height);
    EXPECT_EQ(AV_PIX_FMT_YUV420P, first.PixFmt);
    EXPECT_EQ(0, first.StreamIndex);
    EXPECT_GT(first.Position, 0);
    EXPECT_EQ(0, ShownFrame());

    for (int i = 1; i < 50; ++i) {
        const int64_t previous = Probe.FrameInfo().PTS;
        ASSERT_TRUE(Probe.Decode()) << "frame " << i << ": " << Probe.LastErrMsg();
        EXPECT_EQ(previous + kFrame, Probe.FrameInfo().PTS);
        EXPECT_EQ(i % 12 == 0, Probe.FrameInfo().IsKeyFrame) << i;
    }
    EXPECT_EQ(49, ShownFrame()) << "the last frame is reachable";
    EXPECT_FALSE(Probe.Eof());

    EXPECT_FALSE(Probe.Decode());
    EXPECT_EQ("stream eof reached.", Probe.LastErrMsg());
    EXPECT_TRUE(Probe.Eof());
    EXPECT_FALSE(Probe.Decode());
    EXPECT_TRUE(Probe.Eof());

    ASSERT_TRUE(Probe.Seek(0));
    EXPECT_FALSE(Probe.Eof());
    ASSERT_TRUE(Probe.Decode());
    EXPECT_EQ(0, Probe.FrameInfo().PTS);
}

// Frames come out of the decoder in display order, the B-frames it holds
// back at the end included.
TEST_F(TAVProbeTest, BFramesComeInDisplayOrderUpToTheLast) {
    Open("bframes.mkv");
    for (int i = 0; i < 50; ++i) {
        ASSERT_TRUE(Probe.Decode()) << "frame " << i << ": " << Probe.LastErrMsg();
        EXPECT_EQ(i * kFrame, Probe.FrameInfo().PTS);
        EXPECT_EQ(i, ShownFrame());
    }
    EXPECT_FALSE(Probe.Decode());
    EXPECT_TRUE(Probe.Eof());
}

TEST_F(TAVProbeTest, StepsBackAndForthByFramesAndKeyFrames) {
    Open("clip.mkv");
    DecodeTo(30);
    ASSERT_TRUE(Probe.DecodePreviousFrame()) << Probe.LastErrMsg();
    EXPECT_EQ(29 * kFrame, Probe.FrameInfo().PTS);
    EXPECT_EQ(29, ShownFrame());

    DecodeTo(30);
    ASSERT_TRUE(Probe.DecodePreviousKeyFrame()) << Probe.LastErrMsg();
    EXPECT_EQ(24 * kFrame, Probe.FrameInfo().PTS);
    EXPECT_TRUE(Probe.FrameInfo().IsKeyFrame);
    EXPECT_EQ(24, ShownFrame());
    // From a key frame, the one before it.
    ASSERT_TRUE(Probe.DecodePreviousKeyFrame()) << Probe.LastErrMsg();
    EXPECT_EQ(12 * kFrame, Probe.FrameInfo().PTS);

    DecodeTo(5);
    ASSERT_TRUE(Probe.DecodeNextKeyFrame()) << Probe.LastErrMsg();
    EXPECT_EQ(12 * kFrame, Probe.FrameInfo().PTS);
    EXPECT_EQ(12, ShownFrame());

    // At the first frame there is nothing before: the first frame again.
    DecodeTo(0);
    ASSERT_TRUE(Probe.DecodePreviousFrame());
    EXPECT_EQ(0, Probe.FrameInfo().PTS);
}

// MPEG program and transport streams seek by decoding time, which lies
// before the pictures' times when B-frames are reordered: going to the start
// still reaches the first picture, and the pictures of the first group have
// their previous ones.
TEST_F(TAVProbeTest, MpegStreamsWithBFramesReachTheirFirstGroup) {
    for (const char* name : {"bframes.mpg", "bframes.ts"}) {
        SCOPED_TRACE(name);
        Open(name);
        for (int i = 0; i < 30; ++i)
            ASSERT_TRUE(Probe.Decode()) << Probe.LastErrMsg();
        ASSERT_TRUE(Probe.Seek(0)) << Probe.LastErrMsg();
        ASSERT_TRUE(Probe.Decode()) << Probe.LastErrMsg();
        EXPECT_EQ(0, ShownFrame());
        for (int n : {1, 6, 11}) {
            SCOPED_TRACE(n);
            ASSERT_TRUE(Probe.Seek(0));
            for (int i = 0; i <= n; ++i)
                ASSERT_TRUE(Probe.Decode()) << Probe.LastErrMsg();
            ASSERT_EQ(n, ShownFrame());
            ASSERT_TRUE(Probe.DecodePreviousFrame()) << Probe.LastErrMsg();
            EXPECT_EQ(n - 1, ShownFrame());
        }
    }
}

TEST_F(TAVProbeTest, PreviousKeyFrameWithNothingDecodedStepsBackFromTheEnd) {
    Open("clip.mkv");
    ASSERT_TRUE(Probe.DecodePreviousKeyFrame()) << Probe.LastErrMsg();
    EXPECT_EQ(48 * kFrame, Probe.FrameInfo().PTS);
    EXPECT_TRUE(Probe.FrameInfo().IsKeyFrame);
}

TEST_F(TAVProbeTest, SeekLandsOnAKeyFrame) {
    Open("clip.mkv");
    ASSERT_TRUE(Probe.Seek(30 * kFrame, TSeekFlags{TSeekFlag::sfBackward}));
    EXPECT_FALSE(Probe.FrameInfo().Ready) << "a seek drops the held frame";
    ASSERT_TRUE(Probe.Decode());
    EXPECT_EQ(24 * kFrame, Probe.FrameInfo().PTS);
    ASSERT_TRUE(Probe.Seek(30 * kFrame));
    ASSERT_TRUE(Probe.Decode());
    EXPECT_EQ(36 * kFrame, Probe.FrameInfo().PTS);
    // No key frame after the last one: the seek fails with its reason.
    EXPECT_FALSE(Probe.Seek(49 * kFrame));
    EXPECT_EQ("could not seek to position 1.960 seconds", Probe.LastErrMsg());
}

TEST_F(TAVProbeTest, CopyToBitmapShowsTheColourBars) {
    struct Case {
        const char* fixture;
        int width, height;
    } cases[] = {{"clip.mkv", 320, 240}, {"odd_321x241.mkv", 321, 241}, {"still.png", 320, 240}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        TAVProbe probe;
        ASSERT_TRUE(probe.LoadFile(FixturePath(c.fixture)));
        ASSERT_TRUE(probe.Decode()) << probe.LastErrMsg();
        TBitmap bitmap;
        ASSERT_TRUE(probe.CopyToBitmap(bitmap)) << probe.LastErrMsg();
        ASSERT_EQ(c.width, bitmap.Width());
        ASSERT_EQ(c.height, bitmap.Height());
        EXPECT_LE(BarError(bitmap), 6);
        EXPECT_EQ(0, FrameNumberOf(bitmap));
    }
}

TEST_F(TAVProbeTest, CopyToBitmapNeedsADecodedFrame) {
    Open("clip.mkv");
    TBitmap bitmap;
    EXPECT_FALSE(Probe.CopyToBitmap(bitmap));
    EXPECT_EQ("picture not ready, please decode first", Probe.LastErrMsg());
}

TEST_F(TAVProbeTest, AStillDecodesTwiceAndCannotBeSeeked) {
    Open("still.png");
    ASSERT_TRUE(Probe.Decode()) << Probe.LastErrMsg();
    const int64_t pts = Probe.FrameInfo().PTS;
    ASSERT_TRUE(Probe.Decode()) << "a still is decoded once and then kept";
    EXPECT_EQ(pts, Probe.FrameInfo().PTS);
    EXPECT_TRUE(Probe.FrameInfo().Ready);
    EXPECT_FALSE(Probe.Seek(0));
    EXPECT_EQ("\"image2\" format cannot to be seeked.", Probe.LastErrMsg());
}

TEST_F(TAVProbeTest, DecodeRefusesStreamsItCannotShow) {
    TAVProbe probe;
    EXPECT_FALSE(probe.Decode());
    EXPECT_EQ("file not loaded.", probe.LastErrMsg());
    EXPECT_FALSE(probe.Seek(0));
    EXPECT_EQ("file not loaded.", probe.LastErrMsg());

    Open("clip.mkv");
    EXPECT_FALSE(Probe.Decode(1));
    EXPECT_EQ("stream #1 is not video stream.", Probe.LastErrMsg());
    EXPECT_FALSE(Probe.Decode(7));
    EXPECT_EQ("stream index #7 is invalid.", Probe.LastErrMsg());

    ASSERT_TRUE(Probe.LoadFile(FixturePath("tone_s16_stereo_44100.wav")));
    EXPECT_FALSE(Probe.Decode());
    EXPECT_EQ("no video stream.", Probe.LastErrMsg());
    EXPECT_FALSE(Probe.DecodeNextKeyFrame());
}

TEST_F(TAVProbeTest, ATruncatedFileEndsEarlyWithoutHarm) {
    Open("truncated.mkv");
    int frames = 0;
    while (Probe.Decode() && frames < 100)
        ++frames;
    EXPECT_GT(frames, 10);
    EXPECT_LT(frames, 50);
    EXPECT_TRUE(Probe.Eof());
    EXPECT_EQ("stream eof reached.", Probe.LastErrMsg());
}

// Run under AddressSanitizer and LeakSanitizer by CI: nothing of a cycle may
// stay behind.
TEST_F(TAVProbeTest, OpenAndCloseCyclesLeaveNothingBehind) {
    const std::string clip = FixturePath("clip.mkv");
    const std::string still = FixturePath("still.png");
    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(Probe.LoadFile(i % 2 ? still : clip)) << Probe.LastErrMsg();
        ASSERT_TRUE(Probe.Decode());
        TBitmap bitmap;
        ASSERT_TRUE(Probe.CopyToBitmap(bitmap));
        if (i % 3 == 0) Probe.FileInfoText();
        Probe.CloseFile();
    }
    EXPECT_FALSE(Probe.LoadFile(FixtureFolder() + "/missing.mkv"));
}
