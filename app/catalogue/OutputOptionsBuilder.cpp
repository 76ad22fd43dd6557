#include "app/catalogue/OutputOptionsBuilder.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "app/catalogue/OutputFileName.h"
#include "platform/base/SysUtils.h"

namespace {

struct TEncoderSubstitute {
    std::string_view Name;
    std::string_view Replacement;
};

constexpr TEncoderSubstitute EncoderSubstitutes[] = {{"libfaac", "aac"}, {"msmpeg4v1", "msmpeg4v2"}};

// Encoders of the catalogue with no encoder here to stand in for them.
constexpr std::string_view MissingEncoders[] = {"libopencore_amrnb"};

// Every video encoder of the catalogue, and every container's default one,
// takes 4:2:0 pictures, whose sizes must be even.
bool IsYuv420Encoder(std::string_view AName) {
    constexpr std::string_view others[] = {"ffv1", "huffyuv", "rawvideo", "dvvideo", "prores", "png"};
    return std::find(std::begin(others), std::end(others), AName) == std::end(others);
}

bool IsProgramStream(std::string_view AExtension) {
    const std::string ext = LowerCase(AExtension);
    return ext == ".mpg" || ext == ".mpeg" || ext == ".vob";
}

std::string ExtensionOf(const std::string& APath) {
    const std::string stem = FileStem(FileNameOfPath(APath));
    return FileNameOfPath(APath).substr(stem.size());
}

// "W*H" (or "WxH") as "WxH", odd sides rounded down to even (2 at least);
// the text unchanged when it is no size.
std::string EvenFrameSize(const std::string& ASize, bool AEven) {
    const size_t sep = ASize.find_first_of("*x");
    if (sep == std::string::npos) return ASize;
    int width = 0;
    int height = 0;
    if (!TryStrToInt(ASize.substr(0, sep), width) || !TryStrToInt(ASize.substr(sep + 1), height) ||
        width <= 0 || height <= 0)
        return ASize;
    if (AEven) {
        width = std::max(2, width & ~1);
        height = std::max(2, height & ~1);
    }
    return std::to_string(width) + "x" + std::to_string(height);
}

// The rates the MPEG audio layer II encoder accepts, for the MPEG-1 sample
// rates (32000 Hz and up) and for the lower ones.
constexpr std::array<int, 14> Mp2Rates = {32000,  48000,  56000,  64000,  80000,  96000,  112000,
                                          128000, 160000, 192000, 224000, 256000, 320000, 384000};
constexpr std::array<int, 14> Mp2LowRates = {8000,  16000, 24000, 32000,  40000,  48000,  56000,
                                             64000, 80000, 96000, 112000, 128000, 144000, 160000};

int NearestMp2Rate(int ABitrate, int ASampleRate) {
    const auto& rates = ASampleRate > 0 && ASampleRate < 32000 ? Mp2LowRates : Mp2Rates;
    int best = rates[0];
    for (int rate : rates)
        if (std::abs(rate - ABitrate) < std::abs(best - ABitrate)) best = rate;
    return best;
}

// The frame rates of the MPEG-1 and MPEG-2 video standards.
struct TMpegFrameRate {
    double Value;
    const char* Text;
};
constexpr TMpegFrameRate MpegFrameRates[] = {{24000.0 / 1001, "24000/1001"}, {24, "24"}, {25, "25"},
                                             {30000.0 / 1001, "30000/1001"}, {30, "30"}, {50, "50"},
                                             {60000.0 / 1001, "60000/1001"}, {60, "60"}};

bool IsMpegVideoEncoder(std::string_view AName) {
    return AName == "mpeg1video" || AName == "mpeg2video";
}

// The rate of a text such as "25", "29.97" or "30000/1001"; 0 when it is none.
double FrameRateValue(const std::string& AText) {
    char* end = nullptr;
    const double value = std::strtod(AText.c_str(), &end);
    if (end == AText.c_str() || value <= 0) return 0;
    if (*end == '/') {
        const char* denominator = end + 1;
        const double d = std::strtod(denominator, &end);
        return end != denominator && *end == '\0' && d > 0 ? value / d : 0;
    }
    return *end == '\0' ? value : 0;
}

// The nearest MPEG rate; the text itself when the standard has it (29.97
// stands for 30000/1001) or when it is no rate.
std::string NearestMpegFrameRate(const std::string& AText) {
    const double value = FrameRateValue(AText);
    if (value <= 0) return AText;
    const TMpegFrameRate* best = &MpegFrameRates[0];
    for (const TMpegFrameRate& rate : MpegFrameRates)
        if (std::abs(rate.Value - value) < std::abs(best->Value - value)) best = &rate;
    return std::abs(best->Value - value) < 0.01 ? AText : std::string(best->Text);
}

bool IsDiscAspect(const std::string& AAspect) {
    return AAspect == "4:3" || AAspect == "16:9";
}

void ApplyDiscLimits(TOutputOptions& o) {
    // The target sets size, rate and sample rate of its standard.
    o.FrameSize.clear();
    o.FrameRate.clear();
    o.AudioSampleRate = -1;
    switch (o.TargetType) {
    case ttVCD: // constant rates, 4:3 only
        o.VideoBitrate = -1;
        o.AudioBitrate = -1;
        if (o.FrameAspectRatio != "4:3") o.FrameAspectRatio.clear();
        break;
    case ttSVCD:
        if (o.VideoBitrate > 2516000) o.VideoBitrate = 2516000;
        if (o.AudioBitrate > 0) o.AudioBitrate = NearestMp2Rate(o.AudioBitrate, 44100);
        if (!IsDiscAspect(o.FrameAspectRatio)) o.FrameAspectRatio.clear();
        break;
    case ttDVD:
        if (o.VideoBitrate > 9000000) o.VideoBitrate = 9000000;
        if (o.AudioBitrate > 448000) o.AudioBitrate = 448000;
        if (!IsDiscAspect(o.FrameAspectRatio)) o.FrameAspectRatio.clear();
        break;
    default:
        break;
    }
}

} // namespace

std::string PlatformEncoder(std::string_view AName) {
    for (const TEncoderSubstitute& s : EncoderSubstitutes)
        if (s.Name == AName) return std::string(s.Replacement);
    return std::string(AName);
}

std::string ProfileUnavailableReason(const TCurrentProfile& AProfile) {
    for (const std::string* name : {&AProfile.Video_VideoCodec, &AProfile.Video_AudioCodec})
        if (std::find(std::begin(MissingEncoders), std::end(MissingEncoders), *name) !=
            std::end(MissingEncoders))
            return "The encoder " + *name + " is not available on this system";
    // H.263 makes five picture sizes only; a size kept from the source is
    // checked by the encoder when the run starts.
    if (AProfile.Video_VideoCodec == "h263" && !AProfile.Video_DisableVideo &&
        !AProfile.Video_FrameSize.empty()) {
        const std::string size = EvenFrameSize(AProfile.Video_FrameSize, false);
        constexpr std::string_view sizes[] = {"128x96", "176x144", "352x288", "704x576", "1408x1152"};
        if (std::find(std::begin(sizes), std::end(sizes), size) == std::end(sizes))
            return "The H.263 encoder cannot make the frame size " + size +
                   "; it makes 128x96, 176x144, 352x288, 704x576 and 1408x1152";
    }
    return {};
}

TOutputOptions BuildOutputOptions(const TCurrentProfile& p, std::vector<std::string>* ANotes) {
    TOutputOptions o;
    InitOutputOptions(o);
    o.FileName = p.Video_OutPutFileName;
    o.FileExt = ExtensionOf(p.Video_OutPutFileName);

    if (!p.Video_VideoCodec.empty()) {
        o.VideoCodec = PlatformEncoder(p.Video_VideoCodec);
        if (o.VideoCodec == "libx264") o.VideoPreset = "libx264-default";
    }
    if (!p.Video_AudioCodec.empty() && p.Video_AudioCodec != "AUTO")
        o.AudioCodec = PlatformEncoder(p.Video_AudioCodec);
    o.FrameRate = p.Video_FrameRate;
    o.DisableVideo = p.Video_DisableVideo;
    if (!p.Video_AudioChannels.empty()) o.AudioChannels = StrToIntDef(p.Video_AudioChannels, -1);
    if (!p.Video_AudioSampleRate.empty() && p.Video_AudioSampleRate != "AUTO")
        o.AudioSampleRate = StrToIntDef(p.Video_AudioSampleRate, -1);
    if (!p.Video_FrameSize.empty())
        o.FrameSize = EvenFrameSize(p.Video_FrameSize, IsYuv420Encoder(o.VideoCodec));
    if (p.Video_TargetType == "vcd")
        o.TargetType = ttVCD;
    else if (p.Video_TargetType == "svcd")
        o.TargetType = ttSVCD;
    else if (p.Video_TargetType == "dvd")
        o.TargetType = ttDVD;
    o.NormType = p.Video_NormType == "PAL" ? ntPAL : p.Video_NormType == "NTSC" ? ntNTSC : ntAuto;
    o.AudioVolume = StrToIntDef(p.Video_AudioVolume, 256);
    o.FrameAspectRatio = p.Video_FrameAspectRatio;
    if (p.Video_AudioBitrate != -1000 && p.Video_AudioBitrate != -2000) o.AudioBitrate = p.Video_AudioBitrate;
    o.FileFormat = p.Video_FileFormat;
    o.VideoFilters = p.Video_VideoFilters;
    o.VideoTag = p.Video_VideoTag;
    if (p.Video_VideoBitrate != -1000) o.VideoBitrate = p.Video_VideoBitrate;

    if (o.AudioCodec == "aac" && IsProgramStream(o.FileExt)) {
        o.AudioCodec = "mp2";
        if (o.AudioBitrate > 0) o.AudioBitrate = NearestMp2Rate(o.AudioBitrate, o.AudioSampleRate);
    }
    if (o.TargetType != ttIgnore) ApplyDiscLimits(o);
    if (IsMpegVideoEncoder(o.VideoCodec) && !o.FrameRate.empty()) {
        const std::string rate = NearestMpegFrameRate(o.FrameRate);
        if (rate != o.FrameRate) {
            if (ANotes)
                ANotes->push_back("the frame rate " + o.FrameRate + " is not allowed for " + o.VideoCodec +
                                  "; the nearest allowed rate " + rate + " is used");
            o.FrameRate = rate;
        }
    }
    return o;
}
