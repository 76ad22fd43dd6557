#include "app/superseded/SupersededProfileParameterTable.h"

namespace {

// clang-format off
// Key, kind, Ext, FileExt, VideoCodec, VideoTag, FrameRate, FrameAspectRatio, FrameSize, VideoBitrate,
// AudioCodec, AudioChannels, AudioSampleRate, AudioBitrate, NormType, TargetType
constexpr TLegacyProfileParameters kSupersededRows[] = {
    {1200, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "30", "", "640*480", 1200000, "libfaac", "2", "32000", 128000, "", ""},
    {1201, TLegacyRowKind::Video, ".mp4", ".mp4", "libx264", "", "30", "", "720*576", 1200000, "libfaac", "2", "48000", 128000, "", ""},
    {1202, TLegacyRowKind::Video, ".mp4", ".mp4", "libxvid", "", "30", "", "640*480", 1200000, "libfaac", "2", "24000", 128000, "", ""},
    {1203, TLegacyRowKind::Video, ".mp4", ".mp4", "libx264", "", "30", "", "720*576", 1200000, "libfaac", "2", "48000", 128000, "", ""},
    {1204, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "25", "", "640*480", 1200000, "libfaac", "2", "24000", 128000, "", ""},
    {1205, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "DX50", "25", "", "640*480", 1200000, "libfaac", "2", "24000", 128000, "", ""},
    {1300, TLegacyRowKind::Video, ".mpg", ".mpg", "mpeg1video", "", "25", "", "", 528000, "", "2", "44100", 128000, "", ""},
    {1301, TLegacyRowKind::Video, ".mpg", ".mpg", "mpeg1video", "", "25", "", "", 528000, "", "2", "44100", 128000, "", ""},
    {1302, TLegacyRowKind::Video, ".mpg", ".mpg", "mpeg2video", "", "25", "", "", 816000, "", "2", "44100", 128000, "", ""},
    {1303, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "25", "", "", 816000, "libmp3lame", "2", "44100", 128000, "", ""},
    {1304, TLegacyRowKind::Video, ".mpg", ".mpg", "mpeg2video", "", "25", "", "1280*720", 1600000, "libfaac", "2", "48000", 128000, "", ""},
    {1305, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "25", "", "1280*720", 1600000, "libmp3lame", "2", "48000", 128000, "", ""},
    {1306, TLegacyRowKind::Video, ".mpg", ".mpg", "mpeg2video", "", "25", "", "", 816000, "", "2", "44100", 128000, "", ""},
    {1307, TLegacyRowKind::Video, ".mpg", ".mpg", "mpeg2video", "", "25", "", "", 816000, "", "2", "44100", 128000, "", ""},
    {1308, TLegacyRowKind::Disc, ".mpg", nullptr, "", "", "", "", "", -1000, "", "", "", -1000, "PAL", "dvd"},
    {1309, TLegacyRowKind::Disc, ".mpg", nullptr, "", "", "", "", "", -1000, "", "", "", -1000, "PAL", "svcd"},
    {1310, TLegacyRowKind::Disc, ".mpg", nullptr, "", "", "", "", "", -1000, "", "", "", -1000, "PAL", "vcd"},
    {1400, TLegacyRowKind::Video, ".swf", ".swf", "", "", "25", "", "", 528000, "libmp3lame", "2", "22050", 128000, "", ""},
    {1401, TLegacyRowKind::Video, ".swf", ".swf", "", "", "25", "", "", 528000, "libmp3lame", "2", "22050", 128000, "", ""},
    {1402, TLegacyRowKind::Video, ".swf", ".swf", "", "", "25", "", "", 528000, "libmp3lame", "2", "22050", 128000, "", ""},
    {1403, TLegacyRowKind::Video, ".swf", ".swf", "", "", "25", "", "", 528000, "libmp3lame", "2", "22050", 128000, "", ""},
    {1404, TLegacyRowKind::Video, ".flv", ".flv", "", "", "25", "", "", 1200000, "libmp3lame", "2", "22050", 128000, "", ""},
    {1405, TLegacyRowKind::AudioOnly, ".swf", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, {}, "libmp3lame", "2", "22050", 128000, "", ""},
    {1406, TLegacyRowKind::AudioOnly, ".flv", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, {}, "libmp3lame", "2", "22050", 128000, "", ""},
    {1500, TLegacyRowKind::Video, ".avi", ".avi", "mpeg4", "DX50", "25", "", "", 816000, "libmp3lame", "2", "44100", 128000, "", ""},
    {1501, TLegacyRowKind::Video, ".avi", ".avi", "libx264", "", "25", "", "1280*720", 1600000, "libmp3lame", "2", "48000", 256000, "", ""},
    {1502, TLegacyRowKind::Video, ".avi", ".avi", "mpeg4", "XVID", "25", "", "", 816000, "libmp3lame", "2", "44100", 128000, "", ""},
    {1503, TLegacyRowKind::Video, ".avi", ".avi", "libxvid", "", "25", "", "", 816000, "libmp3lame", "2", "44100", 128000, "", ""},
    {1504, TLegacyRowKind::Video, ".avi", ".avi", "mpeg4", "DX50", "25", "", "", 816000, "libmp3lame", "2", "44100", 128000, "", ""},
    {1505, TLegacyRowKind::Video, ".avi", ".avi", "mpeg4", "XVID", "25", "", "", 816000, "libmp3lame", "2", "44100", 128000, "", ""},
    {1506, TLegacyRowKind::Video, ".avi", ".avi", "libxvid", "", "25", "", "1280*720", 1600000, "libmp3lame", "2", "48000", 128000, "", ""},
    {1600, TLegacyRowKind::Video, ".mkv", ".mkv", "mpeg4", "", "25", "", "", 816000, "libmp3lame", "2", "44100", 128000, "", ""},
    {1601, TLegacyRowKind::Video, ".mkv", ".mkv", "libx264", "", "25", "", "1280*720", 1600000, "libmp3lame", "2", "48000", 256000, "", ""},
    {1602, TLegacyRowKind::Video, ".mkv", ".mkv", "mpeg4", "XVID", "25", "", "", 816000, "libmp3lame", "2", "44100", 128000, "", ""},
    {1603, TLegacyRowKind::Video, ".mkv", ".mkv", "libxvid", "", "25", "", "", 816000, "libmp3lame", "2", "44100", 128000, "", ""},
    {1604, TLegacyRowKind::Video, ".mkv", ".mkv", "mpeg4", "DX50", "25", "", "", 816000, "libmp3lame", "2", "44100", 128000, "", ""},
    {1605, TLegacyRowKind::Video, ".mkv", ".mkv", "mpeg4", "XVID", "25", "", "", 816000, "libmp3lame", "2", "44100", 128000, "", ""},
    {1606, TLegacyRowKind::Video, ".mkv", ".mkv", "libxvid", "", "25", "", "1280*720", 1600000, "libmp3lame", "2", "48000", 128000, "", ""},
};

// Rows of the shared categories that differ from the settings form's.
constexpr TLegacyProfileParameters kSupersededOverrides[] = {
    {111, TLegacyRowKind::AudioOnly, ".m4a", ".m4a", nullptr, nullptr, nullptr, nullptr, nullptr, {}, "", "2", "48000", 128000, "", ""},
    {600, TLegacyRowKind::Video, ".3gp", ".3gp", "mpeg4", "", "12", "", "176*144", 128000, "libopencore_amrnb", "1", "8000", 10200, "", ""},
    {602, TLegacyRowKind::Video, ".3g2", ".3g2", "mpeg4", "", "12", "", "176*144", 128000, "libopencore_amrnb", "1", "8000", 10200, "", ""},
    {604, TLegacyRowKind::Video, ".3gp", ".3gp", "mpeg4", "", "12", "", "176*144", 128000, "libopencore_amrnb", "1", "8000", 10200, "", ""},
};
// clang-format on

} // namespace

std::span<const TLegacyProfileParameters> SupersededProfileParameterRows() {
    return kSupersededRows;
}

std::span<const TLegacyProfileParameters> SupersededProfileParameterOverrides() {
    return kSupersededOverrides;
}

const TLegacyProfileParameters* FindSupersededProfileParameters(int AKey) {
    if (const auto* row = FindLegacyProfileParametersIn(kSupersededOverrides, AKey)) return row;
    if (const auto* row = FindLegacyProfileParametersIn(kSupersededRows, AKey)) return row;
    return FindLegacyProfileParameters(AKey);
}
