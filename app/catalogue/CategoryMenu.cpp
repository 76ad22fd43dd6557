#include "app/catalogue/CategoryMenu.h"

namespace {

// In menu order. The list id is also the entry's picture in the menu's image list.
// clang-format off
constexpr TCategoryMenuEntry kCategoryMenu[] = {
    {"iPod视频", 7},
    {"iPad视频", 5},
    {"iPhone视频", 6},
    {"H.264视频", 22},
    {"MP4视频", 2},
    {"AVI视频", 0},
    {"智能手机", 31},
    {"MPEG视频", 3},
    {"FLV视频", 4},
    {"PSP视频", 8},
    {"MKV视频", 9},
    {"MOV视频", 10},
    {"WMV视频", 12},
    {"SWF视频", 13},
    {"DVD视频", 14},
    {"HD高清", 15},
    {"电脑视频", 17},
    {"平板电脑", 32},
    {"Xbox视频", 19},
    {"MP5视频", 20},
    {"DV视频", 21},
    {"Zune视频", 24},
    {"MP3音频", 25},
    {"CD音频", 26},
    {"WMA音频", 27},
    {"更多音频", 29},
};
// clang-format on

} // namespace

std::span<const TCategoryMenuEntry> CategoryMenu() {
    return kCategoryMenu;
}

int CategoryMenuMap(int AMenuEntry) {
    if (AMenuEntry < 0 || AMenuEntry >= static_cast<int>(std::size(kCategoryMenu))) return -1;
    return kCategoryMenu[AMenuEntry].CategoryListId;
}
