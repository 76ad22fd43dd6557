#include "app/catalogue/OutputOptionsBuilder.h"
#include "app/catalogue/ProfileCaptionTable.h"
#include "app/presets/ParameterChoiceTable.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// The texts the six boxes show after the presets of a key are applied.
TParameterTexts DefaultTexts(int AKey) {
    const TPresetRow* row = FindPresetRow(AKey);
    if (!row) return {};
    auto text = [&](TParameterBox ABox) { return std::string(row->Cell(ABox).DefaultText); };
    return {text(TParameterBox::Resolution), text(TParameterBox::VideoBitrate),
            text(TParameterBox::FrameRate),  text(TParameterBox::AudioBitrate),
            text(TParameterBox::SampleRate), text(TParameterBox::Aspect)};
}

// The record of a file added with a profile and the boxes as given.
TCurrentProfile AddedFile(int AKey, const TParameterTexts& ATexts) {
    TCurrentProfile profile;
    profile.Video_AddFileName = "/in/clip.mov";
    EXPECT_TRUE(ApplyProfile(profile, AKey)) << AKey;
    profile.Video_OutPutFileName = "/out/clip" + ProfileExtension(AKey);
    ApplyParameterTexts(profile, ATexts);
    return profile;
}

TOutputOptions OptionsOf(int AKey) {
    return BuildOutputOptions(AddedFile(AKey, DefaultTexts(AKey)));
}

// Every field the catalogue may set, and a few it must leave alone.
std::string Describe(const TOutputOptions& o) {
    std::ostringstream s;
    s << "file=" << o.FileName << " ext=" << o.FileExt << " format=" << o.FileFormat
      << " vcodec=" << o.VideoCodec << " vpre=" << o.VideoPreset << " tag=" << o.VideoTag
      << " size=" << o.FrameSize << " rate=" << o.FrameRate << " aspect=" << o.FrameAspectRatio
      << " vb=" << o.VideoBitrate << " novideo=" << o.DisableVideo << " acodec=" << o.AudioCodec
      << " ch=" << o.AudioChannels << " ar=" << o.AudioSampleRate << " ab=" << o.AudioBitrate
      << " vol=" << o.AudioVolume << " target=" << o.TargetType << " norm=" << o.NormType
      << " vf=" << o.VideoFilters << " crop=" << o.CropTop << " noaudio=" << o.DisableAudio;
    return s.str();
}

} // namespace

TEST(OutputOptionsBuilder, ProfilesOfEveryFamilyGiveTheirExactOptions) {
    const std::string rest = " vf= crop=-1 noaudio=0";
    struct {
        int key;
        const char* family;
        std::string options;
    } cases[] = {
        {0, "AVI XVID",
         "file=/out/clip.avi ext=.avi format= vcodec=mpeg4 vpre= tag=XVID size= rate=25.00 aspect= vb=900000 "
         "novideo=0 acodec=libmp3lame ch=2 ar=44100 ab=128000 vol=256 target=0 norm=0"},
        {203, "MP4 H.264",
         "file=/out/clip.mp4 ext=.mp4 format= vcodec=libx264 vpre=libx264-default tag= size= rate=29.97 "
         "aspect= "
         "vb=1200000 novideo=0 acodec=aac ch=2 ar=44100 ab=128000 vol=256 target=0 norm=0"},
        {901, "MKV",
         "file=/out/clip.mkv ext=.mkv format= vcodec=libx264 vpre=libx264-default tag= size=1280x720 "
         "rate=29.97 "
         "aspect= vb=1600000 novideo=0 acodec=libmp3lame ch=2 ar=48000 ab=128000 vol=256 target=0 norm=0"},
        {1000, "MOV",
         "file=/out/clip.mov ext=.mov format= vcodec= vpre= tag= size= rate=25.00 aspect= vb=1000000 "
         "novideo=0 "
         "acodec=aac ch=2 ar=48000 ab=128000 vol=256 target=0 norm=0"},
        {1200, "WMV",
         "file=/out/clip.wmv ext=.wmv format= vcodec=wmv2 vpre= tag= size= rate=25.00 aspect= vb=816000 "
         "novideo=0 "
         "acodec=wmav2 ch=2 ar=44100 ab=128000 vol=256 target=0 norm=0"},
        {400, "FLV",
         "file=/out/clip.flv ext=.flv format= vcodec= vpre= tag= size= rate=25.00 aspect= vb=816000 "
         "novideo=0 "
         "acodec=libmp3lame ch=2 ar=22050 ab=128000 vol=256 target=0 norm=0"},
        {1400, "MPEG disc (DVD PAL)",
         "file=/out/clip.mpg ext=.mpg format= vcodec= vpre= tag= size= rate= aspect= vb=1200000 novideo=0 "
         "acodec= ch=-1 ar=-1 ab=128000 vol=256 target=3 norm=1"},
        {1709, "3GP",
         "file=/out/clip.3gp ext=.3gp format= vcodec=mpeg4 vpre= tag= size=176x144 rate=12 aspect= vb=128000 "
         "novideo=0 acodec=aac ch=1 ar=8000 ab=12000 vol=256 target=0 norm=0"},
        {2500, "MP3",
         "file=/out/clip.mp3 ext=.mp3 format= vcodec= vpre= tag= size= rate= aspect= vb=-1 novideo=1 "
         "acodec=libmp3lame ch=2 ar=48000 ab=192000 vol=256 target=0 norm=0"},
        {2600, "WAV",
         "file=/out/clip.wav ext=.wav format= vcodec= vpre= tag= size= rate= aspect= vb=-1 novideo=1 acodec= "
         "ch=2 "
         "ar=48000 ab=192000 vol=256 target=0 norm=0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Describe(OptionsOf(c.key)), c.options + rest) << c.family;
}

TEST(OutputOptionsBuilder, UnsetAutomaticAndNoVideoValuesAreNotPassed) {
    TCurrentProfile profile = AddedFile(0, DefaultTexts(0));
    ApplyParameterTexts(profile, {"保持原分辨率", "无视频", "保持原帧速率", "自动音频比特率",
                                  "自动音频采样率", "保持原视频模式"});
    EXPECT_EQ(profile.Video_AudioSampleRate, "AUTO");
    EXPECT_EQ(profile.Video_VideoBitrate, -1000);
    const TOutputOptions o = BuildOutputOptions(profile);
    EXPECT_EQ(o.AudioSampleRate, -1);
    EXPECT_EQ(o.AudioBitrate, -1);
    EXPECT_EQ(o.VideoBitrate, -1);
    EXPECT_EQ(o.FrameSize, "");
    EXPECT_EQ(o.FrameRate, "");

    // The boxes override what the profile itself names.
    const TCurrentProfile boxes =
        AddedFile(1709, {"320*240", "64 kbps", "10", "7 kbps", "8000", "普通视频4:3模式"});
    EXPECT_EQ(boxes.Video_FrameSize, "320*240");
    EXPECT_EQ(boxes.Video_AudioBitrate, 7000);
    EXPECT_EQ(BuildOutputOptions(boxes).FrameAspectRatio, "4:3");
}

TEST(OutputOptionsBuilder, EncodersThisPlatformLacksAreReplacedInOnePlace) {
    const TCurrentProfile xbox = AddedFile(1909, DefaultTexts(1909));
    EXPECT_EQ(xbox.Video_VideoCodec, "msmpeg4v1") << "the record keeps the profile's text";
    EXPECT_EQ(BuildOutputOptions(xbox).VideoCodec, "msmpeg4v2");
    EXPECT_EQ(PlatformEncoder("libfaac"), "aac");
    EXPECT_EQ(PlatformEncoder("libmp3lame"), "libmp3lame");

    // AAC in an MPEG program stream becomes mp2, at a rate mp2 allows.
    for (int key : {1507, 1508}) {
        const TOutputOptions o = OptionsOf(key);
        EXPECT_EQ(o.AudioCodec, "mp2") << key;
        EXPECT_EQ(o.AudioBitrate, 128000) << key;
    }
    struct {
        const char* box;
        int rate;
    } rates[] = {{"16 kbps", 32000}, {"144 kbps", 128000}, {"150 kbps", 160000}, {"320 kbps", 320000}};
    for (const auto& r : rates) {
        TParameterTexts texts = DefaultTexts(1507);
        texts.AudioBitrate = r.box;
        EXPECT_EQ(BuildOutputOptions(AddedFile(1507, texts)).AudioBitrate, r.rate) << r.box;
    }
    EXPECT_EQ(OptionsOf(1509).AudioCodec, "aac") << "AAC stays in other containers";

    // The one encoder with no stand-in: the profile stays, adding it is refused.
    EXPECT_NE(ProfileUnavailableReason(AddedFile(2912, DefaultTexts(2912))), "");
    EXPECT_EQ(ProfileUnavailableReason(AddedFile(2900, DefaultTexts(2900))), "");
    EXPECT_NE(ProfileCaption(2912), nullptr);

    // H.263 ("3GP - 手机3GP视频") makes five sizes only.
    struct {
        const char* box;
        bool refused;
    } sizes[] = {
        {"176*144", false}, {"128*96", false}, {"320*240", true}, {"112*96", true}, {"保持原分辨率", false}};
    for (const auto& c : sizes) {
        TParameterTexts texts = DefaultTexts(3109);
        texts.Resolution = c.box;
        const std::string reason = ProfileUnavailableReason(AddedFile(3109, texts));
        EXPECT_EQ(reason.empty(), !c.refused) << c.box << ": " << reason;
    }
}

TEST(OutputOptionsBuilder, MpegVideoTakesTheNearestRateItAllows) {
    struct {
        const char* box;
        const char* rate; // passed on
        bool noted;
    } cases[] = {{"10.00", "24000/1001", true}, {"15.00", "24000/1001", true}, {"24.00", "24.00", false},
                 {"25.00", "25.00", false},     {"29.97", "29.97", false},     {"45", "50", true},
                 {"保持原帧速率", "", false}};
    for (int key : {301, 302}) { // "MPEG-1标准视频", "MPEG-2标准视频"
        for (const auto& c : cases) {
            TParameterTexts texts = DefaultTexts(key);
            texts.FrameRate = c.box;
            std::vector<std::string> notes;
            EXPECT_EQ(BuildOutputOptions(AddedFile(key, texts), &notes).FrameRate, c.rate)
                << key << " " << c.box;
            EXPECT_EQ(notes.size(), c.noted ? 1u : 0u) << key << " " << c.box;
        }
    }
    // Other encoders take the rate as it is.
    TParameterTexts texts = DefaultTexts(0);
    texts.FrameRate = "10.00";
    EXPECT_EQ(BuildOutputOptions(AddedFile(0, texts)).FrameRate, "10.00");
}

TEST(OutputOptionsBuilder, OddFrameSizesAreRoundedDownToEven) {
    struct {
        const char* box;
        const char* size;
    } cases[] = {{"640*353", "640x352"}, {"720*406", "720x406"}, {"400*242", "400x242"}, {"1*1", "2x2"}};
    for (const auto& c : cases) {
        TParameterTexts texts = DefaultTexts(0);
        texts.Resolution = c.box;
        EXPECT_EQ(BuildOutputOptions(AddedFile(0, texts)).FrameSize, c.size) << c.box;
    }
}

TEST(OutputOptionsBuilder, DiscTargetsKeepTheirStandard) {
    // DVD: the target's size, rate and sample rate; bit rates within its limits.
    TParameterTexts texts = DefaultTexts(1400);
    texts.VideoBitrate = "4500 kbps";
    texts.Aspect = "宽屏视频37:20模式";
    TOutputOptions dvd = BuildOutputOptions(AddedFile(1400, texts));
    EXPECT_EQ(dvd.FrameSize, "");
    EXPECT_EQ(dvd.FrameRate, "");
    EXPECT_EQ(dvd.AudioSampleRate, -1);
    EXPECT_EQ(dvd.VideoBitrate, 4500000);
    EXPECT_EQ(dvd.FrameAspectRatio, "") << "not a DVD aspect";
    texts.Aspect = "宽屏视频16:9模式";
    EXPECT_EQ(BuildOutputOptions(AddedFile(1400, texts)).FrameAspectRatio, "16:9");

    // SVCD: video at most its peak rate, audio at an mp2 rate.
    texts = DefaultTexts(1404);
    texts.VideoBitrate = "3000 kbps";
    texts.AudioBitrate = "144 kbps";
    const TOutputOptions svcd = BuildOutputOptions(AddedFile(1404, texts));
    EXPECT_EQ(svcd.TargetType, ttSVCD);
    EXPECT_EQ(svcd.VideoBitrate, 2516000);
    EXPECT_EQ(svcd.AudioBitrate, 128000);

    // VCD: constant rates and 4:3 only.
    texts = DefaultTexts(1407);
    texts.Aspect = "宽屏视频16:9模式";
    const TOutputOptions vcd = BuildOutputOptions(AddedFile(1407, texts));
    EXPECT_EQ(vcd.TargetType, ttVCD);
    EXPECT_EQ(vcd.NormType, ntNTSC);
    EXPECT_EQ(vcd.VideoBitrate, -1);
    EXPECT_EQ(vcd.AudioBitrate, -1);
    EXPECT_EQ(vcd.FrameAspectRatio, "");
}
