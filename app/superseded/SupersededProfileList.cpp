#include "app/superseded/SupersededProfileList.h"

#include <vector>

namespace {

// clang-format off
// Title, caption, image index.
constexpr TLegacyProfileItem kCategory12[] = {
    {"iPad标准视频格式(*.mp4)", "标准的iPad的MPEG-4视频预置方案.", 0},
    {"iPad高清视频格式H.264编码(*.mp4)", "HD高清的iPad的MPEG-4视频预置方案.(H.264编码)", 1},
    {"iPad MPEG-4视频格式 XviD编码 (*.mp4)", "为iPad优化的MPEG-4视频预置方案.(XviD视频编码)", 0},
    {"iPad 720P HD高清晰视频MPEG-4(*.mp4)", "720P高清的iPad的MPEG-4视频预置方案.", 1},
    {"iPad 优化视频方案1(*.mp4)", "为iPad优化的MPEG-4视频预置方案1.", 0},
    {"iPad 优化视频方案2(*.mp4)", "为iPad优化的MPEG-4视频预置方案2.", 1},
};
constexpr TLegacyProfileItem kCategory13[] = {
    {"MPG标准视频(*.mpg)", "MPG格式标准视频，电脑常用格式", 0},
    {"MPEG-1标准视频(*.mpg)", "最常用的MPEG-1标准视频预置方案", 1},
    {"MPEG-2标准视频(*.mpg)", "最常用的MPEG-2标准视频预置方案，液晶电视常用", 0},
    {"MPEG-4标准视频(*.mp4)", "最常用的MPEG-4标准视频预置方案，MP4视频格式", 1},
    {"MPEG-2高清HD视频(*.mpg)", "HD高清的MPEG-2视频预置方案，高清MPG视频格式，高清液晶电视常用", 0},
    {"MPEG-4高清HD视频(*.mp4)", "HD高清的MPEG-4标准视频预置方案，高清MP4视频格式", 1},
    {"MPEG-2优化视频(*.mpg)", "常用的MPEG-2优化视频预置方案", 0},
    {"MPEG-2高压缩视频(*.mpg)", "常用的MPEG-2高压缩视频预置方案", 1},
    {"DVD格式高清晰视频(*.mpg)", "标准的DVD格式高清晰视频预置方案", 0},
    {"SVCD格式标清视频(*.mpg)", "标准的SVCD格式标清视频预置方案", 1},
    {"VCD格式清晰视频(*.mpg)", "标准的VCD格式清晰视频预置方案", 0},
};
constexpr TLegacyProfileItem kCategory14[] = {
    {"标准的SWF视频格式(*.swf)", "电脑上常用的标准的SWF视频格式", 0},
    {"高清的SWF动画视频FLASH动画视频(*.swf)", "高清的FLASH动画视频预置方案，动画格式为SWF文件", 1},
    {"优化的SWF视频格式(*.swf)", "采用优化方式处理的SWF视频格式", 0},
    {"高压缩的SWF视频格式(*.swf)", "采用高压缩方式处理的SWF视频格式，便于网络传输", 1},
    {"FLV在线网络视频(*.flv)", "在线视频网站常用的视频预置方案如(优酷、酷六、土豆网)", 0},
    {"SWF动画视频FLASH动画音频格式(*.swf)", "最常用的FLASH动画视频预置方案，动画格式为SWF文件(音频格式)", 1},
    {"FLV在线网络音频格式(*.flv)", "在线视频网站常用的视频预置方案如(优酷、酷六、土豆网)(音频格式)", 0},
};
constexpr TLegacyProfileItem kCategory15[] = {
    {"AVI标准视频(*.avi)", "最常用的AVI标准视频格式，采用DivX编码", 0},
    {"HD高清晰AVI标准视频(*.avi)", "HD高清晰的AVI标准视频格式，采用H.264编码", 1},
    {"网络上常用的AVI视频(*.avi)", "网络上常用的AVI视频视频格式，采用XivD编码", 0},
    {"电脑上常用的AVI视频(*.avi)", "电脑上常用的AVI视频视频格式，采用XivD编码", 1},
    {"优化的AVI视频(*.avi)", "优化的AVI视频视频格式，采用DivX编码", 0},
    {"高压缩的AVI视频(*.avi)", "高压缩的AVI视频视频格式，采用XivD编码", 1},
    {"高清的HD AVI视频(*.avi)", "高清的AVI视频视频格式，采用XivD编码", 0},
};
constexpr TLegacyProfileItem kCategory16[] = {
    {"MKV标准视频(*.mkv)", "最常用的标准MKV视频格式", 0},
    {"HD高清MKV视频(*.mkv)", "HD高清晰的MKV标准视频格式，采用H.264编码", 1},
    {"网络上常用的MKV视频(*.mkv)", "网络上常用的MKV视频视频格式，采用XivD编码", 0},
    {"电脑上常用的MKV标准视频(*.mkv)", "电脑上常用的AVI视频视频格式，采用XivD编码", 1},
    {"优化的MKV视频(*.mkv)", "优化的MKV视频视频格式，采用DivX编码", 0},
    {"高压缩的MKV视频(*.mkv)", "高压缩的MKV视频视频格式，采用XivD编码", 1},
    {"高清的HD MKV视频(*.mkv)", "高清的MKV视频视频格式，采用XivD编码", 0},
};

constexpr TLegacyCategory kOwnCategories[] = {
    {"iPad视频", 15, kCategory12},
    {"MPG视频", 18, kCategory13},
    {"SWF视频", 19, kCategory14},
    {"AVI视频", 13, kCategory15},
    {"MKV视频", 14, kCategory16},
};

constexpr TSupersededProfileText kOverrides[] = {
    {1, 2, "WAV - 波形音频格式(*.wav)", "WAV为微软公司开发的波形声音文件格式"},
    {1, 11, "MP4-MP4音频格式(*.m4a)", "MP4音频格式,具有完美的CD音质"},
    {6, 2, "3GPP2 -  第三代合作项目2-3G2视频+AMR音频(*.3g2)", "第三代合作伙伴项目2-3GPP2制定的多媒体格式，手机视频格式.(AMR音频)"},
};
// clang-format on

} // namespace

std::span<const TLegacyCategory> SupersededCategories() {
    static const std::vector<TLegacyCategory> categories = [] {
        std::vector<TLegacyCategory> all(SettingsCategories().begin(), SettingsCategories().end());
        all.insert(all.end(), std::begin(kOwnCategories), std::end(kOwnCategories));
        return all;
    }();
    return categories;
}

std::span<const TSupersededProfileText> SupersededProfileOverrides() {
    return kOverrides;
}

std::optional<TLegacyProfileItem> SupersededProfile(int ACategory, int ARow) {
    const auto categories = SupersededCategories();
    if (ACategory < 0 || ACategory >= static_cast<int>(categories.size())) return std::nullopt;
    const auto profiles = categories[static_cast<size_t>(ACategory)].Profiles;
    if (ARow < 0 || ARow >= static_cast<int>(profiles.size())) return std::nullopt;
    TLegacyProfileItem item = profiles[static_cast<size_t>(ARow)];
    item.ImageIndex = ARow % 2;
    for (const TSupersededProfileText& text : kOverrides)
        if (text.Category == ACategory && text.Row == ARow) {
            item.Title = text.Title;
            item.Caption = text.Caption;
        }
    return item;
}
