// Bitstream filters on copied and encoded streams: the chain runs between
// the stream and the muxer, and what the filter changes reaches the file.

#include "tests/media/engine/ConversionRun.h"

namespace {

bool StartsWithStartCode(const std::vector<uint8_t>& AData) {
    static const uint8_t three[] = {0, 0, 1}, four[] = {0, 0, 0, 1};
    return (AData.size() >= 4 && std::equal(four, four + 4, AData.begin())) ||
           (AData.size() >= 3 && std::equal(three, three + 3, AData.begin()));
}

} // namespace

// An h264 mp4 (length-prefixed pictures) copied to MPEG-TS through
// h264_mp4toannexb: the pictures start with start codes and still decode.
TEST_F(TCustomFFmpegTest, BitstreamFilterMp4ToAnnexBOnCopy) {
    TScratchFolder folder;
    const std::string mp4 = folder.File("h264.mp4");
    TConversionResult made = RunConversion(FixturePath("h264.mkv"), mp4, {{"vcodec", "copy"}});
    ASSERT_TRUE(made.Finished) << made.FatalMessage;
    const std::vector<TPacketRecord> source = ReadPackets(mp4, AVMEDIA_TYPE_VIDEO);
    ASSERT_FALSE(source.empty());
    ASSERT_FALSE(StartsWithStartCode(source[0].Data)) << "the mp4 holds length-prefixed pictures";

    const std::string ts = folder.File("out.ts");
    TConversionResult r = RunConversion(mp4, ts, {{"vcodec", "copy"}, {"vbsf", "h264_mp4toannexb"}});
    ASSERT_TRUE(r.Finished) << r.FatalMessage;
    const std::vector<TPacketRecord> packets = ReadPackets(ts, AVMEDIA_TYPE_VIDEO);
    ASSERT_EQ(packets.size(), source.size());
    EXPECT_TRUE(StartsWithStartCode(packets[0].Data));
    const TMediaSummary m = InspectMedia(ts);
    EXPECT_EQ(m.DecodeErrors, 0);
    ASSERT_NE(m.First(AVMEDIA_TYPE_VIDEO), nullptr);
    EXPECT_EQ(m.First(AVMEDIA_TYPE_VIDEO)->Frames, static_cast<int>(source.size()));
}

// ADTS AAC from MPEG-TS copied into mp4 through aac_adtstoasc: the stream
// gets its decoder configuration and plays its whole length.
TEST_F(TCustomFFmpegTest, BitstreamFilterAdtsToAscOnCopy) {
    TScratchFolder folder;
    const std::string ts = folder.File("aac.ts");
    TConversionResult made = RunConversion(FixturePath("clip.mp4"), ts, {{"vn", ""}, {"acodec", "copy"}});
    ASSERT_TRUE(made.Finished) << made.FatalMessage;

    const std::string mp4 = folder.File("out.mp4");
    TConversionResult r = RunConversion(ts, mp4, {{"acodec", "copy"}, {"absf", "aac_adtstoasc"}});
    ASSERT_TRUE(r.Finished) << r.FatalMessage;
    std::vector<uint8_t> config;
    const std::vector<TPacketRecord> packets = ReadPackets(mp4, AVMEDIA_TYPE_AUDIO, &config);
    ASSERT_FALSE(packets.empty());
    EXPECT_GE(config.size(), 2u) << "AudioSpecificConfig";
    EXPECT_NE(packets[0].Data[0], 0xff) << "no ADTS header left in the packets";
    const TMediaSummary m = InspectMedia(mp4);
    EXPECT_EQ(m.DecodeErrors, 0);
    ASSERT_NE(m.First(AVMEDIA_TYPE_AUDIO), nullptr);
    EXPECT_EQ(m.First(AVMEDIA_TYPE_AUDIO)->Codec, "aac");
    EXPECT_NEAR(m.First(AVMEDIA_TYPE_AUDIO)->SoundDuration(), 2.0, 0.05);
}

// Encoded packets pass the chain too, with the filter's own options: setts
// doubling every time stamp doubles the stored length.
TEST_F(TCustomFFmpegTest, BitstreamFilterOnEncodedStreamWithOptions) {
    TScratchFolder folder;
    const std::string out = folder.File("out.mkv");
    TConversionResult r =
        RunConversion(FixturePath("clip.mkv"), out,
                      {{"vcodec", "mpeg4"}, {"an", ""}, {"t", "0.4"}, {"vbsf", "setts=pts=PTS*2:dts=DTS*2"}});
    ASSERT_TRUE(r.Finished) << r.FatalMessage;
    const std::vector<TPacketRecord> packets = ReadPackets(out, AVMEDIA_TYPE_VIDEO);
    ASSERT_EQ(packets.size(), 10u);
    EXPECT_NEAR(packets.back().Time, 9 * 0.08, 0.002);
}

// Unknown names are refused when given; a filter that cannot take the stream
// fails the run before any packet, naming filter, stream and codec.
TEST_F(TCustomFFmpegTest, BitstreamFilterErrors) {
    try {
        E->SetOption("vbsf", "nosuch");
        ADD_FAILURE() << "no exception";
    } catch (const FFmpegException& e) {
        EXPECT_EQ(e.Message(), "Unknown bitstream filter nosuch");
    }
    TScratchFolder folder;
    TConversionResult r = RunConversion(FixturePath("clip.mkv"), folder.File("out.mkv"),
                                        {{"vcodec", "mpeg4"}, {"an", ""}, {"vbsf", "h264_mp4toannexb"}});
    ASSERT_TRUE(r.Opened) << r.FatalMessage;
    EXPECT_FALSE(r.Finished);
    EXPECT_EQ(r.FatalMessage.rfind("h264_mp4toannexb failed for stream 0, codec mpeg4: ", 0), 0u)
        << r.FatalMessage;
}
