// Encoding text subtitles: the cues of an SRT file, with their start and end
// times and their text, in mov_text (mp4) and ASS (Matroska).

#include <string_view>

#include "tests/media/engine/ConversionRun.h"

namespace {

struct TCue {
    double Start, End;
    std::string Text;
};

// The cues of the subtitle stream; empty samples (gaps in mp4) are skipped.
std::vector<TCue> ReadCues(const std::string& AFileName) {
    std::vector<TCue> cues;
    for (const TPacketRecord& p : ReadPackets(AFileName, AVMEDIA_TYPE_SUBTITLE)) {
        const std::string text(p.Data.begin(), p.Data.end());
        if (p.Data.size() <= 2) continue;
        cues.push_back({p.Time, p.Time + p.Duration, text});
    }
    return cues;
}

} // namespace

TEST_F(TCustomFFmpegTest, SubtitleSrtEncodedWithItsCueTimes) {
    struct TRow {
        const char* Output;
        const char* Codec;
    };
    TScratchFolder folder;
    for (const TRow& row : {TRow{"subs.mp4", "mov_text"}, TRow{"subs.mkv", "ass"}}) {
        SCOPED_TRACE(row.Codec);
        const std::string out = folder.File(row.Output);
        TConversionResult r = RunConversion(FixturePath("two_cues.srt"), out, {{"scodec", row.Codec}});
        ASSERT_TRUE(r.Finished) << r.FatalMessage;
        const TMediaSummary m = InspectMedia(out);
        ASSERT_EQ(m.Streams.size(), 1u);
        EXPECT_EQ(m.Streams[0].Codec, row.Codec);
        const std::vector<TCue> cues = ReadCues(out);
        ASSERT_EQ(cues.size(), 2u);
        EXPECT_NEAR(cues[0].Start, 0.5, 0.01);
        EXPECT_NEAR(cues[0].End, 1.5, 0.01);
        EXPECT_NEAR(cues[1].Start, 2.0, 0.01);
        EXPECT_NEAR(cues[1].End, 3.0, 0.01);
        EXPECT_NE(cues[0].Text.find("First cue"), std::string::npos) << cues[0].Text;
        EXPECT_NE(cues[1].Text.find("Second cue"), std::string::npos) << cues[1].Text;
    }
}

// Text cues do not become pictures: a clear error instead of an empty stream.
TEST_F(TCustomFFmpegTest, SubtitleTextToPictureRefused) {
    TScratchFolder folder;
    TConversionResult r =
        RunConversion(FixturePath("two_cues.srt"), folder.File("subs.mkv"), {{"scodec", "dvdsub"}});
    ASSERT_TRUE(r.Opened) << r.FatalMessage;
    EXPECT_FALSE(r.Finished);
    EXPECT_EQ(r.FatalMessage,
              "Subtitle stream #0.0 (subrip) cannot be encoded as dvd_subtitle: text and picture "
              "subtitles do not convert into each other");
}
