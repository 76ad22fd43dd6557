#include "app/settingsform/SettingsChoiceList.h"

namespace {

// clang-format off
constexpr const char* kR1[] = {"保持原分辨率", "128*96", "176*144", "240*176", "320*240", "352*240", "352*288", "384*288", "480*480", "480*576", "640*368", "640*480", "704*480", "704*576", "720*480", "720*576", "800*600", "852*480", "1024*768", "1280*720", "1280*1024", "1600*1024", "1600*1200", "1920*1080", "1920*1200", "1920*1440", "2048*1536", "2560*1600"};
constexpr const char* kR2[] = {"112*96", "128*96", "160*112", "160*120", "176*144", "192*144", "208*176", "220*176", "320*208", "320*224", "320*240"};
constexpr const char* kR3[] = {"该格式无视频"};
constexpr const char* kR4[] = {"保持原分辨率", "1024*768", "1280*720", "1280*1024", "1600*1024", "1600*1200", "1920*1080", "1920*1200", "1920*1440", "2048*1536", "2560*1600"};
constexpr const char* kR5[] = {"128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "640*480"};
constexpr const char* kR6[] = {"128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "480*320", "480*368", "512*384", "640*272", "640*353", "640*480"};
constexpr const char* kR7[] = {"128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "480*320", "480*368", "512*384", "640*272", "640*353", "640*480", "720*406"};
constexpr const char* kR8[] = {"320*240", "368*208", "480*272", "640*480", "720*480"};
constexpr const char* kR9[] = {"112*96", "128*96", "160*112", "160*120", "176*144", "192*144", "208*176", "220*176", "320*208", "320*224", "320*240", "352*288", "480*360"};
constexpr const char* kR10[] = {"128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "640*480", "1280*720"};
constexpr const char* kR11[] = {"128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "480*272", "640*480", "704*576"};
constexpr const char* kR12[] = {"1280*720", "1440*1080", "1920*1080"};
constexpr const char* kR13[] = {"640*480", "704*576", "720*480", "720*576", "800*600", "852*480", "1024*768", "1280*720", "1280*1024", "1600*1024", "1600*1200", "1920*1080", "1920*1200", "1920*1440", "2048*1536", "2560*1600"};
constexpr const char* kR14[] = {"704*576", "1280*720", "1440*1080", "1920*1080"};
constexpr const char* kR15[] = {"128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "640*480", "704*576", "1280*720", "1440*1080", "1920*1080"};
constexpr const char* kR16[] = {"128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "480*272", "640*480", "704*576", "1280*720", "1440*1080", "1920*1080"};
constexpr const char* kR17[] = {"160*120", "320*240", "480*272", "640*480", "720*480"};
constexpr const char* kR18[] = {"320*240", "640*480"};
constexpr const char* kR19[] = {"保持原分辨率", "128*96", "176*144", "240*176", "320*240", "352*240", "352*288", "384*288", "480*480", "480*576", "640*368", "640*480", "704*480", "704*576", "720*480", "720*576", "800*600", "852*480", "1024*768"};
constexpr const char* kV1[] = {"128 kbps", "288 kbps", "528 kbps", "816 kbps", "1200 kbps", "1600 kbps", "1800 kbps", "2000 kbps"};
constexpr const char* kV2[] = {"128 kbps", "288 kbps", "528 kbps", "768 kbps", "816 kbps", "1200 kbps", "1600 kbps", "1800 kbps", "2000 kbps"};
constexpr const char* kV3[] = {"128 kbps", "288 kbps", "528 kbps", "816 kbps", "1000 kbps", "1200 kbps", "1600 kbps", "1800 kbps", "2000 kbps"};
constexpr const char* kV4[] = {"8 kbps", "16 kbps", "24 kbps", "32 kbps", "48 kbps", "56 kbps", "64 kbps", "80 kbps", "96 kbps", "128 kbps", "160 kbps", "192 kbps", "256 kbps", "320 kbps", "384 kbps"};
constexpr const char* kV5[] = {"128 kbps", "288 kbps", "528 kbps", "600 kbps", "816 kbps", "1200 kbps", "1600 kbps", "1800 kbps", "2000 kbps"};
constexpr const char* kV6[] = {"无视频"};
constexpr const char* kV7[] = {"816 kbps", "1200 kbps", "1600 kbps", "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps", "4000 kbps"};
constexpr const char* kV8[] = {"192 kbps", "384 kbps", "600 kbps", "768 kbps", "1000 kbps", "1200 kbps", "1500 kbps", "1800 kbps", "2000 kbps"};
constexpr const char* kV9[] = {"216 kbps", "384 kbps", "512 kbps", "768 kbps", "1000 kbps", "1200 kbps", "1500 kbps"};
constexpr const char* kV10[] = {"8 kbps", "16 kbps", "24 kbps", "32 kbps", "48 kbps", "56 kbps", "64 kbps", "80 kbps", "96 kbps", "128 kbps", "160 kbps", "192 kbps", "256 kbps", "320 kbps", "384 kbps", "512 kbps", "600 kbps"};
constexpr const char* kF1[] = {"保持原帧速率", "10.00", "13.00", "15.00", "18.00", "20.00", "23.00", "23.97", "24.00", "25.00", "29.97", "30.00"};
constexpr const char* kF2[] = {"1", "2", "3", "5", "10", "12", "15"};
constexpr const char* kF3[] = {"无视频"};
constexpr const char* kF4[] = {"保持原帧速率", "25.00", "29.97", "30.00"};
constexpr const char* kF5[] = {"保持原帧速率", "10.00", "12.00", "15.00", "20.00", "23.98", "24.00", "25.00", "29.97", "30.00"};
constexpr const char* kF6[] = {"15.00", "23.98", "29.97"};
constexpr const char* kF7[] = {"1", "2", "3", "5", "10", "12", "15", "25"};
constexpr const char* kA1[] = {"16 kbps", "24 kbps", "32 kbps", "40 kbps", "48 kbps", "56 kbps", "64 kbps", "80 kbps", "96 kbps", "112 kbps", "128 kbps", "144 kbps", "160 kbps", "192 kbps", "224 kbps", "256 kbps", "320 kbps"};
constexpr const char* kA2[] = {"5 kbps", "6 kbps", "7 kbps", "8 kbps", "10 kbps", "12 kbps"};
constexpr const char* kA3[] = {"4.75 kbps", "5.15 kbps", "5.9 kbps", "6.7 kbps", "7.4 kbps", "7.95 kbps", "10.2 kbps", "12.2 kbps"};
constexpr const char* kA4[] = {"64 kbps", "96 kbps", "128 kbps", "160 kbps", "192 kbps"};
constexpr const char* kA5[] = {"48 kbps", "56 kbps", "64 kbps", "80 kbps", "96 kbps", "112 kbps", "116 kbps", "128 kbps"};
constexpr const char* kA6[] = {"32 kbps", "48 kbps", "56 kbps", "64 kbps", "80 kbps", "96 kbps", "112 kbps", "116 kbps", "128 kbps"};
constexpr const char* kS1[] = {"11025", "16000", "22050", "32000", "44100", "48000"};
constexpr const char* kS2[] = {"8000"};
constexpr const char* kS3[] = {"22050", "32000", "44100", "48000"};
constexpr const char* kS4[] = {"8000", "11025", "16000", "22050", "32000", "44100", "48000"};
constexpr const char* kS5[] = {"11025", "22050", "44100"};
constexpr const char* kM1[] = {"保持原视频模式", "普通视频4:3模式", "宽屏视频16:9模式", "宽屏视频37:20模式", "宽屏视频47:20模式"};
constexpr const char* kM2[] = {"保持原视频模式", "普通视频4:3模式"};
constexpr const char* kM3[] = {"无视频"};

constexpr TChoiceList kSettingsChoiceLists[] = {
    {"R1", kR1}, {"R2", kR2}, {"R3", kR3}, {"R4", kR4}, {"R5", kR5}, {"R6", kR6}, {"R7", kR7}, {"R8", kR8}, {"R9", kR9}, {"R10", kR10}, {"R11", kR11}, {"R12", kR12}, {"R13", kR13}, {"R14", kR14}, {"R15", kR15}, {"R16", kR16}, {"R17", kR17}, {"R18", kR18}, {"R19", kR19}, {"V1", kV1}, {"V2", kV2}, {"V3", kV3}, {"V4", kV4}, {"V5", kV5}, {"V6", kV6}, {"V7", kV7}, {"V8", kV8}, {"V9", kV9}, {"V10", kV10}, {"F1", kF1}, {"F2", kF2}, {"F3", kF3}, {"F4", kF4}, {"F5", kF5}, {"F6", kF6}, {"F7", kF7}, {"A1", kA1}, {"A2", kA2}, {"A3", kA3}, {"A4", kA4}, {"A5", kA5}, {"A6", kA6}, {"S1", kS1}, {"S2", kS2}, {"S3", kS3}, {"S4", kS4}, {"S5", kS5}, {"M1", kM1}, {"M2", kM2}, {"M3", kM3},
};
// clang-format on

} // namespace

std::span<const TChoiceList> SettingsChoiceLists() {
    return kSettingsChoiceLists;
}

const TChoiceList* FindSettingsChoiceList(std::string_view AName) {
    for (const TChoiceList& list : kSettingsChoiceLists)
        if (AName == list.Name) return &list;
    return nullptr;
}
