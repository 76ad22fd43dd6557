#include "app/catalogue/ProfileCaptionTable.h"

#include "app/catalogue/ProfileKey.h"

namespace {

// clang-format off
constexpr const char* kList0[] = {
    "AVI - 标准音频视频交错格式(*.avi)",
    "AVI - HD高清晰的AVI视频格式(*.avi)",
    "AVI - 优化的AVI视频格式(*.avi)",
    "AVI - 高压缩的AVI视频格式(*.avi)",
    "AVI - 采用DivX5编码的AVI视频格式(*.avi)",
    "AVI - 采用DivX编码的AVI视频格式(*.avi)",
    "AVI - 采用XviD-1编码的AVI视频格式(*.avi)",
    "AVI - 采用XviD-2编码的AVI视频格式(*.avi)",
    "AVI - 采用MPEG-4编码的AVI视频格式(*.avi)",
};
constexpr const char* kList2[] = {
    "MP4 - MP4机播放的MP4视频格式(*.mp4)",
    "MP4 - 电脑上使用的MP4视频格式(*.mp4)",
    "MP4 - MPEG-4视频高清晰视频格式(*.mp4)",
    "MP4 - MP4 AVC视频格式(*.mp4)",
    "MP4 - MP4 H264编码视频格式(*.mp4)",
    "MP4 - HD高清电视MP4视频格式(*.mp4)",
    "MP4 - 手机常用MP4视频格式(*.mp4)",
};
constexpr const char* kList3[] = {
    "MPEG - MPG标准视频(*.mpg)",
    "MPEG - MPEG-1标准视频(*.mpg)",
    "MPEG - MPEG-2标准视频(*.mpg)",
    "MP4 - MPEG-4标准视频(*.mp4)",
    "HD高清 - MPEG-2高清HD视频(*.mpg)",
    "HD高清 - MPEG-4高清HD视频(*.mp4)",
    "MPEG - MPEG-2优化视频(*.mpg)",
    "MPEG - MPEG-2高压缩视频(*.mpg)",
    "DVD - DVD格式高清晰视频(*.mpg)",
    "SVCD - SVCD格式标清视频(*.mpg)",
    "VCD - VCD格式清晰视频(*.mpg)",
};
constexpr const char* kList4[] = {
    "FLV - FLV在线网络视频(*.flv)",
    "FLV - HD高清FLV在线网络视频(*.flv)",
    "SWF - SWF动画视频FLASH动画视频(*.swf)",
    "SWF - HD高清SWF动画视频FLASH动画视频(*.swf)",
    "FLV - FLV在线网络音频格式(*.flv)",
    "SWF - SWF动画视频FLASH动画音频格式(*.swf)",
};
constexpr const char* kList5[] = {
    "iPad - iPad标准视频格式(*.mp4)",
    "iPad - iPad高清视频格式H.264编码(*.mp4)",
    "iPad - iPad MPEG-4视频格式 XviD编码 (*.mp4)",
    "iPad - iPad 720P HD高清晰视频MPEG-4(*.mp4)",
    "iPad - iPad 优化视频方案1(*.mp4)",
    "iPad - iPad 优化视频方案2(*.mp4)",
    "iPad - iPad 1080P FHD全高清晰视频MPEG-4(*.mp4)",
    "iPad - iPad 标准MOV视频(*.mov)",
    "iPad - iPad 高清MOV视频(*.mov)",
    "iPad - iPad 标准AVI视频(*.avi)",
    "iPad - iPad 高清AVI视频(*.avi)",
};
constexpr const char* kList6[] = {
    "iPhone - 标准iPhone MPEG-4视频(*.mp4)",
    "iPhone - MPEG-4视频480P(*.mp4)",
    "iPhone - 高清iPhone MPEG-4视频720P(*.mp4)",
    "iPhone - 高清iPhone H264视频720P(*.mp4)",
    "iPhone - 高清iPhone H264视频1080P(*.mp4)",
    "iPhone - MPEG-4视频宽屏(*.mp4)",
    "iPhone - MPEG-4高清晰视频(*.mp4)",
    "iPhone - MPEG-4视频(320X240)(*.mp4)",
    "iPhone - MPEG-4视频(480X320)(*.mp4)",
    "iPhone - 标准MOV视频(*.mov)",
    "iPhone - 高清MOV视频(*.mov)",
    "iPhone - 标准AVI视频-Xvid(*.avi)",
    "iPhone - 高清DivX视频(*.avi)",
    "iPhone - 高清AVI视频(*.avi)",
    "iPhone - 高清WMV视频(*.wmv)",
};
constexpr const char* kList7[] = {
    "iPod - (320X240) 高清晰视频(*.mp4)",
    "iPod - (320X240) 高压缩视频(*.mp4)",
    "iPod - (320X240) 标准视频(*.mp4)",
    "iPod - Video2 TV OutPut视频(*.mp4)",
    "iPod - Video2 (640X480)视频(*.mp4)",
    "iPod - Video2 (640X480)高清晰视频(*.mp4)",
    "iPod - Video2 (640X480)高压缩视频(*.mp4)",
    "iPod - touch MPEG-4视频(*.mp4)",
    "iPod - touch MPEG-4 480P视频(*.mp4)",
    "iPod - touch MPEG-4 480P高清晰视频(*.mp4)",
    "iPod - touch MPEG-4 480P高压缩视频(*.mp4)",
    "iPod - touch MPEG-4 480P宽屏视频(*.mp4)",
    "iPod - touch MPEG-4 (320X240)视频(*.mp4)",
    "iPod - touch MPEG-4 (480X320)视频(*.mp4)",
};
constexpr const char* kList8[] = {
    "PSP MPEG-4视频(*.mp4)",
    "PSP AVC MPEG-4视频(*.mp4)",
    "PSP 高清晰MPEG-4视频(*.mp4)",
    "PSP 高压缩MPEG-4视频(*.mp4)",
    "PSP Video MPEG-4视频480P(*.mp4)",
};
constexpr const char* kList9[] = {
    "MKV - MKV标准视频(*.mkv)",
    "MKV - HD高清MKV视频，采用H.264编码(*.mkv)",
    "MKV - 网络上常用的MKV视频，采用XivD编码(*.mkv)",
    "MKV - 电脑上常用的MKV标准视频，采用XivD编码(*.mkv)",
    "MKV - 优化的MKV视频，采用DivX编码(*.mkv)",
    "MKV - 高压缩的MKV视频，采用XivD编码(*.mkv)",
    "MKV - 高清的HD MKV视频，采用XivD编码(*.mkv)",
};
constexpr const char* kList10[] = {
    "MOV - 标准MOV视频格式(*.mov)",
    "MOV - 高清MOV视频格式(*.mov)",
    "MOV - 优化MOV视频格式(*.mov)",
    "MOV - 高压缩MOV视频格式(*.mov)",
};
constexpr const char* kList12[] = {
    "WMV - 标准WMV视频格式(*.wmv)",
    "WMV - 高清WMV视频格式(*.wmv)",
    "WMV - 优化WMV视频格式(*.wmv)",
    "WMV - 高压缩WMV视频格式(*.wmv)",
};
constexpr const char* kList13[] = {
    "SWF - 标准的SWF视频格式(*.swf)",
    "SWF - 高清的SWF动画视频FLASH动画视频(*.swf)",
    "SWF - 优化的SWF视频格式(*.swf)",
    "SWF - 高压缩的SWF视频格式(*.swf)",
    "FLV - FLV在线网络视频(*.flv)",
    "SWF - SWF动画视频FLASH动画音频格式(*.swf)",
    "FLV - FLV在线网络音频格式(*.flv)",
};
constexpr const char* kList14[] = {
    "DVD - PAL视频格式(*.mpg)",
    "DVD - NTSC视频格式(*.mpg)",
    "VOB  - DVD视频格式(*.vob)",
    "HD DVD - HD DVD高清视频格式(*.mpg)",
    "SVCD - PAL视频格式(*.mpg)",
    "SVCD - NTSC视频格式(*.mpg)",
    "VCD - PAL视频格式(*.mpg)",
    "VCD - NTSC视频格式(*.mpg)",
};
constexpr const char* kList15[] = {
    "HD - 高清AVI视频格式DivX视频编码(*.avi)",
    "HD - 高清AVI视频格式XviD视频编码(*.avi)",
    "HD - 高清AVI视频格式H.264视频编码(*.avi)",
    "HD - 高清MPEG-4视频格式(*.mp4)",
    "HD - 高清MOV视频格式(*.mov)",
    "HD - 高清ASF视频格式(*.asf)",
    "HD - 高清WMV视频格式(*.wmv)",
    "HD - 高清DVD视频格式(*.vob)",
    "HD - 高清MPEG-2视频格式(*.mpg)",
    "HD - 高清MKV视频格式(*.mkv)",
};
constexpr const char* kList17[] = {
    "AVI - 音频视频交错格式(*.avi)",
    "MP4 - MPEG-4视频格式(*.mp4)",
    "DivX - 视频格式(*.avi)",
    "MOV - 苹果QuickTime视频格式(*.mov)",
    "XviD - 视频格式(*.avi)",
    "MKV - Matroska视频格式(*.mkv)",
    "MPEG-1  视频格式(*.mpg)",
    "MPEG-2  视频格式(*.mpg)",
    "ASF - 高级流视频格式(*.asf)",
    "3GP - 视频格式(*.3gp)",
    "WMV - 视频格式(*.wmv)",
    "DVD - 视频格式(*.mpg)",
    "SVCD - 视频格式(*.mpg)",
    "VCD - 视频格式(*.mpg)",
    "RM - REAL视频格式(*.rm)",
};
constexpr const char* kList19[] = {
    "Xbox360 HD H.264视频(*.mp4)",
    "Xbox360 MCE HD MPEG-2视频(*.mpg)",
    "Xbox360 MCE HD MPEG-2视频(*.mpg)",
    "Xbox360 MPEG-4视频(*.mp4)",
    "Xbox360 MP4高清晰视频(*.mp4)",
    "Xbox360 WMV视频(*.wmv)",
    "Xbox360 WMV HDTV视频(*.wmv)",
    "Xbox360 MCE 高清晰AVI视频(*.avi)",
    "Xbox360 MCE 高清晰AVI视频(*.avi)",
    "Xbox360 MCE 高清晰AVI视频(*.avi)",
};
constexpr const char* kList20[] = {
    "AVI - AVI视频格式DivX视频编码(*.avi)",
    "AVI - AVI视频格式XviD视频编码(*.avi)",
    "AVI - AVI视频格式H.264视频编码(*.mp4)",
    "MP4 - MPEG-4视频格式(*.mp4)",
    "MOV - MOV视频格式(*.mov)",
    "ASF - ASF视频格式(*.asf)",
    "WMV - WMV视频格式(*.wmv)",
    "MPEG-2 - MPEG-2视频格式(*.mpg)",
    "MKV - MKV视频格式(*.mkv)",
};
constexpr const char* kList21[] = {
    "AVCHD - 高清AVI H.264编码视频格式(*.avi)",
    "AVI - 高清AVI视频格式DivX视频编码(*.avi)",
    "AVI - 高清AVI视频格式XviD视频编码(*.avi)",
    "MP4 - 高清AVCHD H.264编码视频格式(*.mp4)",
    "MP4 - 高清MPEG-4视频格式(*.mp4)",
};
constexpr const char* kList22[] = {
    "AVI - 高清AVI H.264编码视频格式(*.avi)",
    "MP4 - 高清MPEG-4 H.264编码视频格式(*.mp4)",
    "MKV - 高清MKV H.264编码视频格式(*.mkv)",
    "MPEG-4 - 高清MPEG-4  H.264编码视频格式(*.mp4)",
};
constexpr const char* kList24[] = {
    "Zune MPEG-4 AVC视频(*.mp4)",
    "Zune MPEG-4 AVC视频(*.mp4)",
    "Zune MPEG-4视频(*.mp4)",
    "Zune WMV多媒体视频(*.wmv)",
    "iRiver PMP-100视频(*.avi)",
    "爱可视AV500/GMini402视频(*.avi)",
    "爱可视AV700视频(*.avi)",
    "Creative Zen Vision视频(*.avi)",
};
constexpr const char* kList25[] = {
    "MP3 - 高清晰MP3音频格式(*.mp3)",
    "MP3 - 高压缩MP3音频格式(*.mp3)",
    "MP3 - 优化MP3音频格式(*.mp3)",
    "MP3 - 标准MP3音频格式(*.mp3)",
};
constexpr const char* kList26[] = {
    "CD - 高保真CD音频格式(*.wav)",
    "CD - 高压缩CD音频格式(*.wav)",
    "CD - 优化CD音频格式(*.wav)",
    "CD - 标准CD音频格式(*.wav)",
};
constexpr const char* kList27[] = {
    "WMA - 高清晰WMA音频格式(*.wma)",
    "WMA - 高压缩WMA音频格式(*.wma)",
    "WMA - 优化WMA音频格式(*.wma)",
    "WMA - 标准WMA音频格式(*.wma)",
};
constexpr const char* kList29[] = {
    "MP3 - MPEG Layer-3音频格式(*.mp3)",
    "WMA - Windows媒体音频格式(*.wma)",
    "WAV - 波形音频格式(*.wav)",
    "AAC - 高级音频格式(*.aac)",
    "M4A - MPEG-4音频格式(*.m4a)",
    "OGG - Ogg Vorbis音频格式(*.ogg)",
    "RA - RealAudio音频格式(*.ra)",
    "AC3 - 杜比数字AC-3音频格式(*.ac3)",
    "AIFF - 音频交换文件格式(*.aiff)",
    "MP2 - MPEG Layer-2音频格式(*.mp2)",
    "FLAC - 音频格式(*.flac)",
    "MP4 - MP4音频格式(*.m4a)",
    "AMR - 手机音频格式(*.amr)",
};
constexpr const char* kList31[] = {
    "MP4 - 智能手机标准MP4视频(*.mp4)",
    "DivX - 智能手机DivX视频(*.mp4)",
    "Xvid - 智能手机Xvid视频(*.mp4)",
    "H.264 - H.264编码高清视频(*.mp4)",
    "AVI - 智能手机高清AVI视频(*.avi)",
    "AVI - AVI视频-智能手机适用(*.avi)",
    "MKV - MKV格式视频(*.mkv)",
    "MOV - 手机MOV视频(*.mov)",
    "FLV - FLV网络格式视频(*.flv)",
    "3GP - 手机3GP视频(*.3gp)",
    "WMV - WMV格式视频(*.wmv)",
    "ASF - ASF格式视频(*.asf)",
    "MPG - MPG格式视频(*.mpg)",
    "MPEG-2 - 智能手机支持的MPEG-2视频(*.mpg)",
    "MPEG-4 - 智能手机支持的MPEG-4视频(*.mp4)",
    "MP3 - 手机MP3格式音频(*.mp3)",
};
constexpr const char* kList32[] = {
    "AVI - 高清AVI格式视频(*.avi)",
    "AVI - 平板电脑支持的AVI视频(*.avi)",
    "MP4 - 平板电脑标准的MP4视频(*.mp4)",
    "MP4 - 适用平板电脑的DivX视频(*.mp4)",
    "Xvid - Xvid视频高清(*.mp4)",
    "H.264 - H.264格式高清视频(*.mp4)",
    "MPEG-2 - 安卓平板电脑MPEG-2视频(*.mpg)",
    "MP4 - Android平板支持的MPEG-4视频(*.mp4)",
    "MKV - MKV格式视频(*.mkv)",
    "MOV - MOV格式视频(*.mov)",
    "FLV - FLV格式视频(*.flv)",
    "WMV - 平板电脑WMV视频(*.wmv)",
    "MP3 - 平板电脑MP3音频(*.mp3)",
};

constexpr TProfileCaptionList kProfileCaptionTable[] = {
    {0, kList0},
    {2, kList2},
    {3, kList3},
    {4, kList4},
    {5, kList5},
    {6, kList6},
    {7, kList7},
    {8, kList8},
    {9, kList9},
    {10, kList10},
    {12, kList12},
    {13, kList13},
    {14, kList14},
    {15, kList15},
    {17, kList17},
    {19, kList19},
    {20, kList20},
    {21, kList21},
    {22, kList22},
    {24, kList24},
    {25, kList25},
    {26, kList26},
    {27, kList27},
    {29, kList29},
    {31, kList31},
    {32, kList32},
};
// clang-format on

} // namespace

std::span<const TProfileCaptionList> ProfileCaptionTable() {
    return kProfileCaptionTable;
}

std::span<const char* const> ProfileCaptions(int ACategoryListId) {
    for (const TProfileCaptionList& list : kProfileCaptionTable)
        if (list.CategoryListId == ACategoryListId) return list.Captions;
    return {};
}

const char* ProfileCaption(int AKey) {
    if (AKey < 0) return nullptr;
    const std::span<const char* const> captions = ProfileCaptions(ProfileKeyListId(AKey));
    const int row = ProfileKeyRow(AKey);
    return row < static_cast<int>(captions.size()) ? captions[static_cast<size_t>(row)] : nullptr;
}

std::string CaptionExtension(std::string_view ACaption) {
    const size_t open = ACaption.rfind("(*");
    if (open == std::string_view::npos) return {};
    const size_t close = ACaption.find(')', open);
    if (close == std::string_view::npos) return {};
    return std::string(ACaption.substr(open + 2, close - open - 2));
}

std::string ProfileExtension(int AKey) {
    const char* caption = ProfileCaption(AKey);
    return caption ? CaptionExtension(caption) : std::string();
}

int ProfileImageIndex(int ACategoryListId, int ARow) {
    if (ACategoryListId == 20 && (ARow == 7 || ARow == 8)) return ARow - 7;
    return ARow % 2;
}
