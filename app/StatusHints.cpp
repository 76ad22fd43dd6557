#include "app/StatusHints.h"

#include <array>
#include <utility>

std::string_view StatusHint(std::string_view AControlName) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 18> Hints{{
        {"lxSkinMenuSpeedButton1", "添加需要转换的视频和音频"},
        {"lxSkinButton7", "删除选中的转换列表"},
        {"lxSkinSpeedButton1", "删除选中的转换列表"},
        {"lxSkinButton8", "清空转换列表"},
        {"lxSkinSpeedButton2", "清空转换列表"},
        {"lxSkinButton9", "软件皮肤设置"},
        {"lxSkinButton19", "软件转换设置"},
        {"lxSkinButton24", "访问软件网站"},
        {"lxSkinSpeedButton3", "视频列表下移"},
        {"lxSkinSpeedButton4", "视频列表上移"},
        {"lxSkinSpeedButton5", "输出的视频重命名"},
        {"lxSkinMenuSpeedButton2", "选择输出视频类别"},
        {"lxSkinButton5", "选择视频输出目录"},
        {"lxSkinButton6", "打开视频输出目录"},
        {"lxSkinButton2", "开始转换视频和音频"},
        {"lxSkinButton10", "停止全部视频的转换"},
        {"lxSkinButton11", "暂停视频的转换"},
        {"lxSkinButton12", "恢复视频的转换"},
    }};
    for (const auto& [name, text] : Hints)
        if (name == AControlName) return text;
    return {};
}
