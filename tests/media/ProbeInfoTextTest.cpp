#include "media/prober/ProbeID3Keys.h"
#include "media/prober/TAVProbe.h"
#include "media/prober/TProbeSnapshot.h"
#include "tests/media/ProberTestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace {

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

size_t IndexOf(const std::vector<std::string>& lines, const std::string& prefix) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].rfind(prefix, 0) == 0) return i;
    return lines.size();
}

size_t CountOf(const std::vector<std::string>& lines, const std::string& text) {
    return size_t(std::count_if(lines.begin(), lines.end(),
                                [&](const std::string& l) { return l.find(text) != std::string::npos; }));
}

std::vector<std::string> InfoLines(const char* fixture) {
    TAVProbe probe;
    EXPECT_TRUE(probe.LoadFile(FixturePath(fixture))) << probe.LastErrMsg();
    return SplitLines(probe.FileInfoText());
}

} // namespace

using TCustomAVProbeInfoText = ProberLibrariesTest;

TEST_F(TCustomAVProbeInfoText, HeaderLinesThenMetadataThenStreams) {
    const std::string path = FixturePath("clip.mkv");
    TAVProbe probe;
    ASSERT_TRUE(probe.LoadFile(path));
    const std::string text = probe.FileInfoText();
    EXPECT_EQ(std::string::npos, text.find('\r')) << "lines end with LF";
    const auto lines = SplitLines(text);
    ASSERT_GE(lines.size(), 12u);
    EXPECT_EQ("File Name: " + path, lines[0]);
    EXPECT_EQ("Format Name: matroska,webm", lines[1]);
    EXPECT_EQ("Format Long Name: Matroska / WebM", lines[2]);
    EXPECT_EQ("File Size: " + SizeToText(probe.FileSize()), lines[3]);
    EXPECT_EQ("Duration: 00:00:02.011", lines[4]);
    EXPECT_EQ("StartTime: 0.000000", lines[5]);
    EXPECT_EQ(0u, lines[6].rfind("Bit Rate: ", 0));
    EXPECT_NE("Bit Rate: N/A", lines[6]);
    // The container's writing application is the file's only tag.
    EXPECT_EQ("Metadata:", lines[7]);
    EXPECT_EQ("  encoder         : Lavf", lines[8]);

    const size_t video = IndexOf(lines, "Stream #0, 1/1000: ");
    const size_t audio = IndexOf(lines, "Stream #1, 1/1000: ");
    ASSERT_LT(video, audio);
    ASSERT_LT(audio, lines.size());
    EXPECT_EQ(9u, video);
    EXPECT_NE(std::string::npos,
              lines[video].find(", 25 fps, 25 tbr, 1k tbn, 25 tbc, StartTime: 0.000000, Duration: N/A"))
        << lines[video];
    EXPECT_EQ("  Metadata:", lines[video + 1]);
    EXPECT_EQ(0u, lines[video + 2].rfind("    DURATION        : 00:00:02.0", 0)) << lines[video + 2];
    EXPECT_EQ(std::string::npos, lines[audio].find(" fps")) << "rates are for video streams";
}

TEST_F(TCustomAVProbeInfoText, NoMetadataBlockWithoutTagsOrWithOnlyALanguage) {
    // A WAV file carries no tags at all.
    const auto wav = InfoLines("tone_s16_stereo_44100.wav");
    EXPECT_EQ(0u, CountOf(wav, "Metadata:"));
    EXPECT_EQ(0u, IndexOf(wav, "File Name: "));
    EXPECT_EQ("Duration: 00:00:01.000", wav[4]);
    EXPECT_EQ(wav.size(), IndexOf(wav, "StartTime: ")) << "no start time line when it is unknown";

    // Transport-stream audio streams carry only their language: no block
    // under them, while the programs' own tags are shown.
    const auto ts = InfoLines("programs.ts");
    const size_t first = IndexOf(ts, "Stream #1[0x101](eng), 1/90000: Audio: ");
    ASSERT_LT(first + 1, ts.size());
    EXPECT_EQ("Program 2 Duva Tests@Second Service", ts[first + 1]);
    EXPECT_EQ(2u, CountOf(ts, "Metadata:"));
}

TEST_F(TCustomAVProbeInfoText, ProgramsListTheirStreamsWithServiceAndProvider) {
    const auto lines = InfoLines("programs.ts");
    const size_t first = IndexOf(lines, "Program 1 ");
    const size_t second = IndexOf(lines, "Program 2 ");
    ASSERT_LT(second, lines.size());
    EXPECT_EQ("Program 1 Duva Tests@First Service", lines[first]);
    EXPECT_EQ("  Metadata:", lines[first + 1]);
    EXPECT_TRUE(Has(lines, "    service_name    : First Service"));
    EXPECT_TRUE(Has(lines, "    service_provider: Duva Tests"));
    EXPECT_EQ(0u, lines[first + 4].rfind("Stream #0[0x100], 1/90000: Video: ", 0)) << lines[first + 4];
    EXPECT_EQ(0u, lines[second + 4].rfind("Stream #2[0x102], 1/90000: Video: ", 0)) << lines[second + 4];
    EXPECT_EQ(0u, lines.back().rfind("Stream #3[0x103](fre), 1/90000: Audio: ", 0)) << lines.back();
    // Every stream is shown once, under its program.
    EXPECT_EQ(4u, CountOf(lines, "Stream #"));
}

TEST_F(TCustomAVProbeInfoText, ID3FrameNamesAreShownAsWords) {
    const auto lines = InfoLines("id3names.mka");
    EXPECT_TRUE(Has(lines, "  title           : Raw Title"));
    EXPECT_TRUE(Has(lines, "  artist          : Raw Artist"));
    EXPECT_TRUE(Has(lines, "  album           : Raw Album"));
    EXPECT_TRUE(Has(lines, "  year            : 1999"));
    EXPECT_TRUE(Has(lines, "  XRAW            : kept")) << "other keys stay as they are";
    EXPECT_EQ(0u, CountOf(lines, "TIT2"));
}

TEST(TCustomAVProbeID3Keys, RenamesExactlyAndCaseSensitively) {
    const std::pair<const char*, const char*> cases[] = {
        {"TALB", "album"},     {"TAL", "album"},      {"TCOM", "composer"},  {"TCON", "genre"},
        {"TCO", "genre"},      {"TCOP", "copyright"}, {"TDRL", "date"},      {"TENC", "encoder"},
        {"TEN", "encoder"},    {"TIT2", "title"},     {"TT2", "title"},      {"TLAN", "language"},
        {"TPE1", "artist"},    {"TP1", "artist"},     {"TPOS", "disc"},      {"TPUB", "publisher"},
        {"TRCK", "track"},     {"TRK", "track"},      {"TSOA", "albumsort"}, {"TSOP", "authorsort"},
        {"TSOT", "titlesort"}, {"TYER", "year"},      {"tit2", "tit2"},      {"TIT", "TIT"},
        {"TIT2 ", "TIT2 "},
    };
    for (const auto& [key, shown] : cases)
        EXPECT_EQ(shown, ID3KeyName(key)) << key;
}

namespace {

TProbeStream VideoStream(AVRational tb, AVRational avg, AVRational real, AVRational codecTb) {
    TProbeStream s;
    s.Type = AVMEDIA_TYPE_VIDEO;
    s.Description = "Video: test";
    s.TimeBase = tb;
    s.AvgFrameRate = avg;
    s.RealFrameRate = real;
    s.CodecTimeBase = codecTb;
    s.Width = 720;
    s.Height = 576;
    return s;
}

std::string OnlyStreamLine(const TProbeStream& s) {
    TProbeSnapshot info;
    info.Streams.push_back(s);
    const auto lines = SplitLines(ProbeInfoText(info));
    return lines[IndexOf(lines, "Stream #0")];
}

} // namespace

using TCustomAVProbeStreamLine = ProberLibrariesTest;
using TCustomAVProbeInfoLines = ProberLibrariesTest;

TEST_F(TCustomAVProbeStreamLine, RatesTimeBasesAndTimes) {
    struct Case {
        TProbeStream stream;
        const char* expected;
    } cases[] = {
        {VideoStream({1, 90000}, {30000, 1001}, {30000, 1001}, {1001, 60000}),
         "Stream #0, 1/90000: Video: test, 29.97 fps, 29.97 tbr, 90k tbn, 59.94 tbc, Duration: N/A"},
        {VideoStream({2, 50}, {25, 1}, {0, 1}, {0, 0}),
         "Stream #0, 1/25: Video: test, 25 fps, 25 tbn, Duration: N/A"},
        {VideoStream({1, 12800}, {0, 0}, {24, 1}, {1, 48}),
         "Stream #0, 1/12800: Video: test, 24 tbr, 12800 tbn, 48 tbc, Duration: N/A"},
        // A time base with no numerator is printed as it is: gcd 0 counts as 1.
        {VideoStream({0, 1}, {0, 0}, {0, 0}, {0, 0}), "Stream #0, 0/1: Video: test, Duration: N/A"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, OnlyStreamLine(c.stream));

    TProbeStream timed = VideoStream({1, 1000}, {0, 0}, {0, 0}, {0, 0});
    timed.StartTime = 1500;
    timed.Duration = 3723004;
    EXPECT_EQ("Stream #0, 1/1000: Video: test, 1k tbn, StartTime: 1.500000, Duration: 01:02:03.004",
              OnlyStreamLine(timed));
}

TEST_F(TCustomAVProbeStreamLine, ContainerAspectUnlikeTheCodecsIsShownWithTheDisplayAspect) {
    TProbeStream s = VideoStream({1, 25}, {0, 0}, {0, 0}, {0, 0});
    s.StreamAspect = {16, 15};
    s.CodecAspect = {1, 1};
    EXPECT_EQ("Stream #0, 1/25: Video: test, PAR 16:15 DAR 4:3, 25 tbn, Duration: N/A", OnlyStreamLine(s));
    s.CodecAspect = {16, 15};
    EXPECT_EQ("Stream #0, 1/25: Video: test, 25 tbn, Duration: N/A", OnlyStreamLine(s));
    s.StreamAspect = {0, 1};
    s.CodecAspect = {1, 1};
    EXPECT_EQ("Stream #0, 1/25: Video: test, 25 tbn, Duration: N/A", OnlyStreamLine(s));
}

TEST_F(TCustomAVProbeInfoLines, TimeStampBitRateAndUnknownDuration) {
    setenv("TZ", "UTC", 1);
    tzset();
    TProbeSnapshot info;
    info.FileName = "a.mkv";
    info.FormatName = "f";
    info.FormatLongName = "F";
    info.FileSize = 1024;
    info.Duration = -5;
    info.StartTime = 0;
    info.BitRate = 0;
    info.Metadata = {{"creation_time", "2011-02-03T04:05:06.000000Z"}, {"language", "eng"}, {"TCON", "Jazz"}};
    const auto lines = SplitLines(ProbeInfoText(info));
    const std::vector<std::string> expected = {
        "File Name: a.mkv",
        "Format Name: f",
        "Format Long Name: F",
        "File Size: 1024 Byte",
        "Duration: N/A",
        "StartTime: 0.000000",
        "Bit Rate: N/A",
        "Time Stamp: 2011-02-03 04:05:06",
        "Metadata:",
        "  creation_time   : 2011-02-03T04:05:06.000000Z",
        "  genre           : Jazz",
    };
    EXPECT_EQ(expected, lines);

    info.BitRate = 999;
    info.StartTime = -1;
    info.Metadata.clear();
    const auto second = SplitLines(ProbeInfoText(info));
    EXPECT_TRUE(Has(second, "Bit Rate: 0 kb/s"));
    EXPECT_EQ(second.size(), IndexOf(second, "StartTime"));
    EXPECT_EQ(second.size(), IndexOf(second, "Time Stamp"));
}

TEST_F(TCustomAVProbeInfoText, NothingWithoutAFile) {
    TAVProbe probe;
    EXPECT_EQ("", probe.FileInfoText());
    EXPECT_EQ("file not loaded.", probe.LastErrMsg());
}
