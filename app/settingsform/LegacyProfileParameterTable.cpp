#include "app/settingsform/LegacyProfileParameterTable.h"

#include <algorithm>

namespace {

// clang-format off
// Key, kind, Ext, FileExt, VideoCodec, VideoTag, FrameRate, FrameAspectRatio, FrameSize, VideoBitrate,
// AudioCodec, AudioChannels, AudioSampleRate, AudioBitrate, NormType, TargetType
constexpr TLegacyProfileParameters kLegacyProfileParameterTable[] = {
    {0, TLegacyRowKind::Video, ".avi", ".avi", "mpeg4", "XVID", "25", "", "", 816000, "libmp3lame", "2", "44100", 128000, "", ""},
    {1, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "25", "", "", 816000, "libmp3lame", "2", "44100", 128000, "", ""},
    {2, TLegacyRowKind::Video, ".avi", ".avi", "mpeg4", "DX50", "25", "", "", 816000, "libmp3lame", "2", "44100", 128000, "", ""},
    {3, TLegacyRowKind::Video, ".mov", ".mov", "", "", "25", "", "", 816000, "libfaac", "2", "44100", 128000, "", ""},
    {4, TLegacyRowKind::Video, ".avi", ".avi", "libxvid", "", "25", "", "", 816000, "libmp3lame", "2", "44100", 128000, "", ""},
    {5, TLegacyRowKind::Video, ".mkv", ".mkv", "mpeg4", "", "25", "", "", 1200000, "libmp3lame", "2", "44100", 128000, "", ""},
    {6, TLegacyRowKind::Video, ".mpg", ".mpg", "mpeg1video", "", "25", "", "", 528000, "", "2", "44100", 128000, "", ""},
    {7, TLegacyRowKind::Video, ".mpg", ".mpg", "mpeg2video", "", "25", "", "", 816000, "", "2", "44100", 128000, "", ""},
    {8, TLegacyRowKind::Video, ".asf", ".asf", "msmpeg4", "", "25", "", "", 816000, "wmav2", "2", "44100", 128000, "", ""},
    {9, TLegacyRowKind::Video, ".3gp", ".3gp", "mpeg4", "", "12", "4:3", "176*144", 128000, "libfaac", "1", "8000", 12000, "", ""},
    {10, TLegacyRowKind::Video, ".wmv", ".wmv", "wmv2", "", "25", "", "", 816000, "wmav2", "2", "44100", 128000, "", ""},
    {11, TLegacyRowKind::Disc, ".mpg", nullptr, "", "", "", "", "", -1000, "", "", "", -1000, "PAL", "dvd"},
    {12, TLegacyRowKind::Disc, ".mpg", nullptr, "", "", "", "", "", -1000, "", "", "", -1000, "PAL", "svcd"},
    {13, TLegacyRowKind::Disc, ".mpg", nullptr, "", "", "", "", "", -1000, "", "", "", -1000, "PAL", "vcd"},
    {14, TLegacyRowKind::RealVideo, ".rm", nullptr, "rv20", nullptr, nullptr, nullptr, "320*240", {}, nullptr, nullptr, nullptr, {}, "", ""},
    {100, TLegacyRowKind::AudioOnly, ".mp3", ".mp3", nullptr, nullptr, nullptr, nullptr, nullptr, {}, "libmp3lame", "2", "48000", 128000, "", ""},
    {101, TLegacyRowKind::AudioOnly, ".wma", ".wma", nullptr, nullptr, nullptr, nullptr, nullptr, {}, "wmav2", "2", "48000", 128000, "", ""},
    {102, TLegacyRowKind::AudioOnly, ".wav", ".wav", nullptr, nullptr, nullptr, nullptr, nullptr, {}, "", "2", "48000", 128000, "", ""},
    {103, TLegacyRowKind::AudioOnly, ".aac", ".aac", nullptr, nullptr, nullptr, nullptr, nullptr, {}, "libfaac", "2", "48000", 128000, "", ""},
    {104, TLegacyRowKind::AudioOnly, ".m4a", ".m4a", nullptr, nullptr, nullptr, nullptr, nullptr, {}, "", "2", "48000", 128000, "", ""},
    {105, TLegacyRowKind::AudioOnly, ".ogg", ".ogg", nullptr, nullptr, nullptr, nullptr, nullptr, {}, "libvorbis", "2", "48000", 128000, "", ""},
    {106, TLegacyRowKind::AudioOnly, ".ra", ".rm", nullptr, nullptr, nullptr, nullptr, nullptr, {}, "", "2", "48000", 128000, "", ""},
    {107, TLegacyRowKind::AudioOnly, ".ac3", ".ac3", nullptr, nullptr, nullptr, nullptr, nullptr, {}, "ac3", "2", "48000", 128000, "", ""},
    {108, TLegacyRowKind::AudioOnly, ".aiff", ".aiff", nullptr, nullptr, nullptr, nullptr, nullptr, {}, "", "2", "48000", 128000, "", ""},
    {109, TLegacyRowKind::AudioOnly, ".mp2", ".mp2", nullptr, nullptr, nullptr, nullptr, nullptr, {}, "", "2", "44100", 128000, "", ""},
    {110, TLegacyRowKind::AudioOnly, ".flac", ".flac", nullptr, nullptr, nullptr, nullptr, nullptr, {}, "flac", "2", "48000", 128000, "", ""},
    {111, TLegacyRowKind::AudioOnly, ".m4a", ".alac", nullptr, nullptr, nullptr, nullptr, nullptr, {}, "alac", "2", "48000", 128000, "", ""},
    {112, TLegacyRowKind::AudioOnly, ".amr", ".amr", nullptr, nullptr, nullptr, nullptr, nullptr, {}, "libopencore_amrnb", "1", "8000", 7400, "", ""},
    {200, TLegacyRowKind::Video, ".avi", ".avi", "mpeg4", "", "25", "", "1280*720", 1600000, "libmp3lame", "2", "48000", 128000, "", ""},
    {201, TLegacyRowKind::Video, ".avi", ".avi", "libxvid", "", "25", "", "1280*720", 1600000, "libmp3lame", "2", "48000", 128000, "", ""},
    {202, TLegacyRowKind::Video, ".mp4", ".mp4", "libx264", "", "25", "", "1280*720", 1600000, "libmp3lame", "2", "48000", 256000, "", ""},
    {203, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "25", "", "1280*720", 1600000, "libmp3lame", "2", "48000", 128000, "", ""},
    {204, TLegacyRowKind::Video, ".mov", ".mov", "", "", "25", "", "1280*720", 1600000, "libfaac", "2", "48000", 128000, "", ""},
    {205, TLegacyRowKind::Video, ".asf", ".asf", "msmpeg4", nullptr, "25", "", "1280*720", 1600000, "wmav2", "2", "48000", 128000, "", ""},
    {206, TLegacyRowKind::Video, ".wmv", ".asf", "wmv2", "", "25", "", "1280*720", 1600000, "wmav2", "2", "48000", 128000, "", ""},
    {207, TLegacyRowKind::Video, ".vob", ".vob", "", "", "25", "", "1280*720", 1600000, "libfaac", "2", "48000", 128000, "", ""},
    {208, TLegacyRowKind::Video, ".mpg", ".mpg", "mpeg2video", "", "25", "", "1280*720", 1600000, "libfaac", "2", "48000", 128000, "", ""},
    {209, TLegacyRowKind::Video, ".mkv", ".mkv", "mpeg4", "", "25", "", "1280*720", 1600000, "libfaac", "2", "48000", 192000, "", ""},
    {300, TLegacyRowKind::Video, ".mp4", ".mp4", "libx264", "", "25", "", "320*240", 512000, "libfaac", "2", "48000", 128000, "", ""},
    {301, TLegacyRowKind::Video, ".mp4", ".mp4", "libxvid", "", "25", "", "320*240", 768000, "libfaac", "2", "48000", 128000, "", ""},
    {302, TLegacyRowKind::Video, ".mp4", ".mp4", "libxvid", "", "25", "", "640*480", 768000, "libfaac", "2", "48000", 128000, "", ""},
    {303, TLegacyRowKind::Video, ".mp4", ".mp4", "libxvid", "", "25", "", "640*480", 768000, "libfaac", "2", "48000", 128000, "", nullptr},
    {304, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "25", "", "640*480", 600000, "libfaac", "2", "48000", 128000, "", nullptr},
    {305, TLegacyRowKind::Video, ".mp4", ".mp4", "libx264", "", "25", "", "640*480", 1200000, "libfaac", "2", "48000", 128000, "", nullptr},
    {306, TLegacyRowKind::Video, ".mp4", ".mp4", "libxvid", "", "25", "", "640*480", 512000, "libfaac", "2", "48000", 128000, "", nullptr},
    {307, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "25", "", "320*240", 600000, "libfaac", "2", "48000", 128000, "", ""},
    {308, TLegacyRowKind::Video, ".mp4", ".mp4", "libxvid", "", "25", "", "640*480", 7680000, "libfaac", "2", "48000", 128000, "", ""},
    {309, TLegacyRowKind::Video, ".mp4", ".mp4", "libx264", "", "25", "", "640*480", 1200000, "libfaac", "2", "48000", 128000, "", ""},
    {310, TLegacyRowKind::Video, ".mp4", ".mp4", "libxvid", "", "25", "", "640*480", 512000, "libfaac", "2", "48000", 128000, "", ""},
    {311, TLegacyRowKind::Video, ".mp4", ".mp4", "libxvid", "", "25", "16:9", "640*480", 1200000, "libfaac", "2", "48000", 128000, "", ""},
    {312, TLegacyRowKind::Video, ".mp4", ".mp4", "libxvid", "", "25", "", "320*240", 768000, "libfaac", "2", "48000", 128000, "", ""},
    {313, TLegacyRowKind::Video, ".mp4", ".mp4", "libxvid", "", "25", "", "480*320", 1000000, "libfaac", "2", "48000", 128000, "", ""},
    {400, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "25", "", "320*240", 600000, "libfaac", "2", "48000", 128000, "", ""},
    {401, TLegacyRowKind::Video, ".mp4", ".mp4", "libxvid", "", "25", "", "640*480", 1000000, "libfaac", "2", "48000", 128000, "", ""},
    {402, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "25", "16:9", "640*480", 600000, "libfaac", "2", "48000", 128000, "", ""},
    {403, TLegacyRowKind::Video, ".mp4", ".mp4", "libx264", "", "25", "", "320*240", 1200000, "libfaac", "2", "48000", 128000, "", ""},
    {404, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "25", "", "320*240", 600000, "libfaac", "2", "48000", 128000, "", ""},
    {405, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "25", "", "480*320", 768000, "libfaac", "2", "48000", 128000, "", ""},
    {500, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "29.97", "", "320*240", 600000, "libfaac", "2", "48000", 128000, "", ""},
    {501, TLegacyRowKind::Video, ".mp4", ".mp4", "libx264", "", "29.97", "", "320*240", 768000, "libfaac", "2", "48000", 128000, "", ""},
    {502, TLegacyRowKind::Video, ".mp4", ".mp4", "libx264", "", "29.97", "", "320*240", 1200000, "libfaac", "2", "48000", 128000, "", ""},
    {503, TLegacyRowKind::Video, ".mp4", ".mp4", "libxvid", "", "29.97", "", "320*240", 384000, "libfaac", "2", "48000", 128000, "", ""},
    {504, TLegacyRowKind::Video, ".mp4", ".mp4", "libx264", "", "29.97", "", "640*480", 1000000, "libfaac", "2", "48000", 128000, "", ""},
    {600, TLegacyRowKind::Video, ".3gp", ".3gp", "h263", "", "12", "", "176*144", 128000, "libamr_nb", "1", "8000", 12000, "", ""},
    {601, TLegacyRowKind::Video, ".3gp", ".3gp", "h263", "", "12", "", "176*144", 128000, "libfaac", "2", "16000", 48000, "", ""},
    {602, TLegacyRowKind::Video, ".3gp", ".3gp", "mpeg4", "", "12", "", "176*144", 128000, "libamr_nb", "1", "8000", 12000, "", ""},
    {603, TLegacyRowKind::Video, ".3g2", ".3g2", "mpeg4", "", "12", "", "176*144", 128000, "libfaac", "2", "32000", 48000, "", ""},
    {604, TLegacyRowKind::Video, ".3gp", ".3gp", "mpeg4", "", "12", "", "176*144", 128000, "libamr_nb", "1", "8000", 10200, "", ""},
    {605, TLegacyRowKind::Video, ".3gp", ".3gp", "mpeg4", "", "15", "", "320*240", 128000, "libfaac", "2", "16000", 32000, "", ""},
    {606, TLegacyRowKind::Video, ".avi", ".avi", "h263", "", "15", "", "352*288", 256000, "libmp3lame", "2", "44100", 128000, "", ""},
    {607, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "15", "", "352*288", 128000, "libfaac", "2", "44100", 128000, "", ""},
    {608, TLegacyRowKind::AudioOnly, ".amr", ".amr", nullptr, nullptr, nullptr, nullptr, nullptr, {}, "libopencore_amrnb", "1", "8000", 7400, "", ""},
    {609, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "15", "", "352*288", 160000, "libfaac", "2", "44100", 64000, "", ""},
    {610, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "12", "", "352*288", 128000, "libfaac", "2", "32000", 32000, "", ""},
    {611, TLegacyRowKind::Video, ".avi", ".avi", "mpeg4", "DX50", "25", "", "320*240", 256000, "libmp3lame", "2", "44100", 128000, "", ""},
    {612, TLegacyRowKind::Video, ".mov", ".mov", "", "", "25", "", "320*240", 256000, "libfaac", "2", "44100", 128000, "", ""},
    {613, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "12", "", "176*144", 128000, "libfaac", "2", "32000", 32000, "", ""},
    {700, TLegacyRowKind::Video, ".mp4", ".mp4", "libx264", "", "25", "", "320*240", 768000, "libfaac", "2", "48000", 192000, "", ""},
    {701, TLegacyRowKind::Video, ".mp4", ".mp4", "libx264", "", "25", "", "640*480", 1000000, "libfaac", "2", "48000", 192000, "", ""},
    {702, TLegacyRowKind::Video, ".mp4", ".mp4", "libx264", "", "25", "", "1280*720", 1000000, "libfaac", "2", "48000", 192000, "", ""},
    {703, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "25", "", "640*480", 1200000, "libfaac", "2", "48000", 192000, "", ""},
    {704, TLegacyRowKind::Video, ".mp4", ".mp4", "libxvid", "", "25", "", "640*480", 600000, "libfaac", "2", "48000", 192000, "", ""},
    {800, TLegacyRowKind::Video, ".mp4", ".mp4", "libx264", "", "29.97", "", "640*480", 1200000, "libfaac", "2", "48000", 192000, "", ""},
    {801, TLegacyRowKind::Video, ".mpeg", ".mpeg", "mpeg2video", "", "25", "", "1280*720", 1200000, "ac3", "2", "48000", 192000, "", ""},
    {802, TLegacyRowKind::Video, ".mpg", ".mpg", "mpeg2video", "", "25", "", "1280*720", 1200000, "ac3", "2", "48000", 192000, "", ""},
    {803, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "25", "", "640*480", 1200000, "libmp3lame", "2", "48000", 192000, "", ""},
    {804, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "25", "", "1280*720", 1200000, "libfaac", "2", "48000", 128000, "", ""},
    {805, TLegacyRowKind::Video, ".wmv", ".wmv", "wmv2", "", "25", "", "640*480", 1200000, "wmav2", "2", "48000", 128000, "", ""},
    {806, TLegacyRowKind::Video, ".avi", ".avi", "wmv2", "", "25", "", "1280*720", 1200000, "libmp3lame", "2", "48000", 128000, "", ""},
    {807, TLegacyRowKind::Video, ".avi", ".avi", "msmpeg4v2", "", "25", "", "1280*720", 1200000, "libmp3lame", "2", "48000", 128000, "", ""},
    {808, TLegacyRowKind::Video, ".avi", ".avi", "msmpeg4", "", "25", "", "1280*720", 1200000, "libmp3lame", "2", "48000", 128000, "", ""},
    {809, TLegacyRowKind::Video, ".mp4", ".mp4", "msmpeg4v1", "", "25", "", "1280*720", 1200000, "libmp3lame", "2", "48000", 128000, "", ""},
    {900, TLegacyRowKind::Video, ".avi", ".avi", "mpeg4", "", "25", "", "480*272", 1000000, "libmp3lame", "2", "48000", 128000, "", ""},
    {901, TLegacyRowKind::Video, ".avi", ".avi", "mpeg4", "", "25", "", "720*480", 1000000, "libmp3lame", "2", "48000", 128000, "", ""},
    {902, TLegacyRowKind::Video, ".avi", ".avi", "mpeg4", "", "25", "", "320*240", 768000, "libmp3lame", "2", "44100", 128000, "", ""},
    {903, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "25", "", "320*240", 512000, "libfaac", "2", "44100", 128000, "", ""},
    {904, TLegacyRowKind::Video, ".mp4", ".mp4", "libx264", "", "25", "", "320*240", 768000, "libfaac", "2", "44100", 128000, "", ""},
    {905, TLegacyRowKind::Video, ".mp4", ".mp4", "libxvid", "", "25", "", "320*240", 768000, "libfaac", "2", "44100", 128000, "", ""},
    {906, TLegacyRowKind::Video, ".wmv", ".wmv", "wmv2", "", "25", "", "320*240", 1000000, "wmav2", "2", "44100", 128000, "", ""},
    {907, TLegacyRowKind::Video, ".avi", ".avi", "mpeg4", "", "25", "", "640*480", 1000000, "libmp3lame", "2", "44100", 128000, "", ""},
    {1000, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "25", "", "320*240", 528000, "libmp3lame", "2", "44100", 128000, "", ""},
    {1001, TLegacyRowKind::Video, ".mp4", ".mp4", "mpeg4", "", "25", "", "", 768000, "libmp3lame", "2", "44100", 128000, "", ""},
    {1002, TLegacyRowKind::Video, ".mp4", ".mp4", "libx264", "", "25", "", "", 1200000, "libmp3lame", "2", "44100", 128000, "", ""},
    {1003, TLegacyRowKind::Video, ".mp4", ".mp4", "libx264", "", "25", "", "320*240", 1200000, "libfaac", "2", "44100", 128000, "", ""},
    {1004, TLegacyRowKind::Video, ".mp4", ".mp4", "libx264", "", "25", "", "", 1200000, "libmp3lame", "2", "44100", 128000, "", ""},
    {1100, TLegacyRowKind::Video, ".flv", ".flv", "", "", "25", "", "", 1200000, "libmp3lame", "2", "22050", 128000, "", ""},
    {1101, TLegacyRowKind::Video, ".swf", ".swf", "", "", "25", "", "", 528000, "libmp3lame", "2", "22050", 128000, "", ""},
    {1102, TLegacyRowKind::AudioOnly, ".flv", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, {}, "libmp3lame", "2", "22050", 128000, "", ""},
    {1103, TLegacyRowKind::AudioOnly, ".swf", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, {}, "libmp3lame", "2", "22050", 128000, "", ""},
};
// clang-format on

} // namespace

std::span<const TLegacyProfileParameters> LegacyProfileParameterTable() {
    return kLegacyProfileParameterTable;
}

const TLegacyProfileParameters* FindLegacyProfileParameters(int AKey) {
    return FindLegacyProfileParametersIn(kLegacyProfileParameterTable, AKey);
}

const TLegacyProfileParameters*
FindLegacyProfileParametersIn(std::span<const TLegacyProfileParameters> ATable, int AKey) {
    const auto it =
        std::lower_bound(ATable.begin(), ATable.end(), AKey,
                         [](const TLegacyProfileParameters& ARow, int AValue) { return ARow.Key < AValue; });
    return it != ATable.end() && it->Key == AKey ? &*it : nullptr;
}
