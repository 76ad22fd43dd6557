#include "media/MediaUtils.h"
#include "media/TFFmpegLoader.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TTempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(MediaUtils, SizeToText) {
    const std::pair<int64_t, const char*> rows[] = {
        {0, "0 Byte"},
        {-1, "-1 Byte"},
        {1024, "1024 Byte"},
        {1025, "1.00 KB"},
        {1048576, "1024.00 KB"},
        {1048577, "1.00 MB"},
        {1073741824, "1024.00 MB"},
        {1073741825, "1.00 GB"},
        {5LL * 1073741824 + 536870912, "5.50 GB"},
    };
    for (auto [size, text] : rows)
        EXPECT_EQ(SizeToText(size), text) << size;
}

TEST(MediaUtils, DurationToTextAndFrameDuration) {
    const std::pair<int64_t, const char*> durations[] = {
        {0, "00:00:00.000"},
        {((25LL * 60 + 1) * 60 + 1) * 1000000 + 1000, "25:01:01.001"},
        {999999, "00:00:00.999"},
        {AV_NOPTS_VALUE, "N/A"},
    };
    for (auto [us, text] : durations)
        EXPECT_EQ(DurationToText(us), text) << us;

    const std::pair<AVRational, int64_t> rates[] = {
        {{25, 1}, 40000}, {{30000, 1001}, 33366}, {{0, 1}, 40000}, {{25, 0}, 40000}, {{60, 1}, 16666}};
    for (auto [rate, us] : rates)
        EXPECT_EQ(FrameDuration(rate), us) << rate.num << "/" << rate.den;
}

TEST(MediaUtils, AVErrorTextKeysTextsBySymbol) {
    const std::pair<int, const char*> rows[] = {
        {AVERROR(ENOENT), "No such file or directory"},
        {AVERROR(EIO), "I/O error"},
        {AVERROR(ENOMEM), "Not enough memory"},
        {AVERROR_INVALIDDATA, "Invalid data found when processing input"},
        {AVERROR(EINVAL), "Invalid data found when processing input"},
        {AVERROR_EOF, "End of file"},
        {AVERROR(EDOM), "Number syntax expected in filename"},
        {AVERROR(EILSEQ), "Unknown format"},
        {AVERROR_DEMUXER_NOT_FOUND, "Unknown format"},
        {AVERROR_PROTOCOL_NOT_FOUND, "Unsupported network protocol"},
        {AVERROR(EPROTONOSUPPORT), "Unsupported network protocol"},
        {AVERROR_PATCHWELCOME, "Not yet implemented in FFmpeg"},
        // Codes outside the table keep the number and add the system's words.
        {AVERROR(EACCES), "Error number -13 occurred (Permission denied)"},
        {-21, "Error number -21 occurred (Is a directory)"},
        // The old end-of-file number is just another code now.
        {-32, "Error number -32 occurred (Broken pipe)"},
        // The libraries' own tags are no system codes: the number alone.
        {AVERROR_BUG, "Error number -558323010 occurred"},
        {-100000, "Error number -100000 occurred"},
    };
    for (auto [code, text] : rows)
        EXPECT_EQ(AVErrorText("clip.avi", code), std::string("clip.avi: ") + text) << code;
}

TEST(MediaUtils, MediaTypeNameCutTokenAndSeekFlags) {
    const std::pair<int, const char*> types[] = {{0, "Video"},    {1, "Audio"},      {2, "Data"},
                                                 {3, "Subtitle"}, {4, "Attachment"}, {-1, "Unknown"},
                                                 {5, "Unknown"}};
    for (auto [type, name] : types)
        EXPECT_EQ(MediaTypeName(type), name);

    struct Cut {
        const char* Text;
        const char* Delimiter;
        bool Remove;
        const char* Head;
        const char* Rest;
    } cuts[] = {
        {"a=b=c", "=", true, "a", "b=c"},
        {"a=b", "=", false, "a", "a=b"},
        {"abc", "=", true, "abc", ""},
        {"abc", "=", false, "abc", "abc"},
        {"k<CRLF>v", "<CRLF>", true, "k", "v"},
        {"=x", "=", true, "", "x"},
        {"", "=", true, "", ""},
    };
    for (const auto& c : cuts) {
        std::string text = c.Text;
        EXPECT_EQ(CutToken(text, c.Delimiter, c.Remove), c.Head) << c.Text;
        EXPECT_EQ(text, c.Rest) << c.Text;
    }

    EXPECT_EQ(SeekFlagsToInt({}), 0);
    EXPECT_EQ(SeekFlagsToInt({TSeekFlag::sfBackward}), AVSEEK_FLAG_BACKWARD);
    EXPECT_EQ(SeekFlagsToInt({TSeekFlag::sfByte, TSeekFlag::sfAny, TSeekFlag::sfFrame}),
              AVSEEK_FLAG_BYTE | AVSEEK_FLAG_ANY | AVSEEK_FLAG_FRAME);
}

TEST(MediaUtils, UnixTimeUsesTheZoneRulesOfThatMoment) {
    // Run in a child: the zone is process-wide.
    EXPECT_EQ(RunInChild([] {
                  setenv("TZ", "Europe/Berlin", 1);
                  tzset();
                  std::string r;
                  // 2021-01-01 00:00 UTC is 01:00 in winter, 2021-07-01 00:00 UTC is 02:00 in summer.
                  double winter = UnixTimeToDateTime(1609459200) - 44197.0;
                  double summer = UnixTimeToDateTime(1625097600) - 44378.0;
                  if (std::abs(winter - 1.0 / 24) > 1e-9) r += "winter " + std::to_string(winter * 24) + "; ";
                  if (std::abs(summer - 2.0 / 24) > 1e-9) r += "summer " + std::to_string(summer * 24) + "; ";
                  return r;
              }),
              "");
}

TEST(MediaUtils, CodecNameTextAndMetadata) {
    ASSERT_TRUE(FFLoader.Load(ProbeLibraries)) << FFLoader.LastErrMsg();
    AVCodecContext* ctx = av::avcodec_alloc_context3(nullptr);
    ctx->codec_id = AV_CODEC_ID_PCM_S16LE;
    EXPECT_EQ(CodecNameText(ctx, false), "pcm_s16le(PCM signed 16-bit little-endian)");
    ctx->codec_id = AV_CODEC_ID_MPEG2TS;
    EXPECT_EQ(CodecNameText(ctx, true), "mpeg2ts");
    ctx->codec_id = AV_CODEC_ID_NONE;
    ctx->codec_tag = MKTAG('X', 'v', 'i', 'D');
    EXPECT_EQ(CodecNameText(ctx, false), "XviD / 0x44697658");
    ctx->codec_tag = 0x1234;
    EXPECT_EQ(CodecNameText(ctx, false), "0x1234");
    av::avcodec_free_context(&ctx);

    AVDictionary* dict = nullptr;
    av::av_dict_set(&dict, "title", "片名", 0);
    EXPECT_EQ(MetadataValue(dict, "title", "none"), "片名");
    EXPECT_EQ(MetadataValue(dict, "artist", "none"), "none");
    EXPECT_EQ(MetadataValue(nullptr, "title", "none"), "none");
    av::av_dict_free(&dict);
    EXPECT_EQ(AVErrStr(AVERROR_EOF), "End of file");
}

TEST(MediaUtils, ReadFileToBufferAndFileSize) {
    ASSERT_TRUE(FFLoader.Load(TLibrary::avUtil)) << FFLoader.LastErrMsg();
    TTempFolder dir;
    const std::string path = dir.Write("日志.log", "abc\n");
    uint8_t* buf = nullptr;
    int64_t size = 0;
    ASSERT_EQ(ReadFileToBuffer(path, &buf, &size), 0);
    EXPECT_EQ(size, 5);
    EXPECT_STREQ(reinterpret_cast<char*>(buf), "abc\n");
    av::av_free(buf);
    EXPECT_EQ(ReadFileToBuffer(dir.Path() + "missing.log", &buf, &size), -1);
    EXPECT_EQ(buf, nullptr);
    EXPECT_EQ(GetFileSizeByName(path), 4);
    EXPECT_EQ(GetFileSizeByName(dir.Path() + "missing.log"), -1);
    EXPECT_EQ(GetFileSizeByName(dir.Path()), -1);
}
