// Targets: the settings of the VCD, SVCD and DVD disc formats and of DV.

#include <cmath>
#include <cstring>

#include "media/AVBindings.h"
#include "media/engine/EngineLog.h"
#include "media/engine/EngineText.h"
#include "media/engine/TCustomFFmpeg.h"

using namespace EngineText;

namespace {

enum class TNorm { PAL, NTSC, FILM };

// 25000 is PAL, 29970 and 23976 are NTSC; anything else decides nothing.
bool NormOfRate(long fr, TNorm& norm) {
    if (fr == 25000) {
        norm = TNorm::PAL;
        return true;
    }
    if (fr == 29970 || fr == 23976) {
        norm = TNorm::NTSC;
        return true;
    }
    return false;
}

long RateTimes1000(int num, int den) {
    return static_cast<long>(std::nearbyint(static_cast<double>(num) * 1000.0 / static_cast<double>(den)));
}

} // namespace

void TCustomFFmpeg::SetTarget(const std::string& ATarget, const std::string& ANorm,
                              const std::string& ADefaultNorm) {
    TNorm norm = TNorm::PAL;
    if (ANorm == "pal") {
        norm = TNorm::PAL;
    } else if (ANorm == "ntsc") {
        norm = TNorm::NTSC;
    } else if (ANorm == "film") {
        norm = TNorm::FILM;
    } else {
        if (Fframe_rate.den == 0) throw FFmpegException("frame_rate is invalid.");
        bool found = NormOfRate(RateTimes1000(Fframe_rate.num, Fframe_rate.den), norm);
        for (int i = 0; i < Fnb_input_files && !found; ++i) {
            AVFormatContext* ic = Finput_files[static_cast<size_t>(i)];
            for (unsigned j = 0; j < ic->nb_streams && !found; ++j) {
                AVStream* st = ic->streams[j];
                if (st->codecpar->codec_type != AVMEDIA_TYPE_VIDEO) continue;
                AVRational r = st->r_frame_rate.num > 0 ? st->r_frame_rate : st->avg_frame_rate;
                if (r.num > 0 && r.den > 0) found = NormOfRate(RateTimes1000(r.num, r.den), norm);
            }
        }
        if (!found)
            norm = ADefaultNorm == "film" ? TNorm::FILM : ADefaultNorm == "ntsc" ? TNorm::NTSC : TNorm::PAL;
        if (Fverbose > 0)
            Log(llVerbose, Format("Assuming %s for target.", norm == TNorm::PAL ? "PAL" : "NTSC"));
    }

    const bool pal = norm == TNorm::PAL;
    const char* rate = pal ? "25" : norm == TNorm::NTSC ? "30000/1001" : "24000/1001";
    auto generic = [&](const char* name, const char* value) { SetTranslatedOption(name, value); };
    auto aspect = [&](const char* value) {
        if (Fframe_aspect_ratio != 0) return;
        SetAspect(value);
        Log(llInfo, Format("Assuming %s for aspect ratio", value));
    };
    auto stereo = [&] {
        if (Faudio_channels == 1) Faudio_channels = 2;
    };

    if (ATarget == "vcd") {
        SetVideoCodec("mpeg1video");
        SetAudioCodec("mp2");
        SetFormat("vcd");
        SetFrameSize(pal ? "352x288" : "352x240");
        SetFrameRate(rate);
        generic("g", pal ? "15" : "18");
        generic("b", "1150000");
        generic("maxrate", "1150000");
        generic("minrate", "1150000");
        generic("bufsize", "327680");
        generic("ab", "224000");
        Faudio_sample_rate = 44100;
        Faudio_channels = 2;
        generic("packetsize", "2324");
        generic("muxrate", "1411200");
        Fmux_preload = 0.44f;
        aspect("4:3");
    } else if (ATarget == "svcd") {
        SetVideoCodec("mpeg2video");
        SetAudioCodec("mp2");
        SetFormat("svcd");
        SetFrameSize(pal ? "480x576" : "480x480");
        SetFrameRate(rate);
        generic("g", pal ? "15" : "18");
        generic("b", "2040000");
        generic("maxrate", "2516000");
        generic("minrate", "0");
        generic("bufsize", "1835008");
        generic("flags", "+scan_offset");
        generic("ab", "224000");
        Faudio_sample_rate = 44100;
        generic("packetsize", "2324");
        stereo();
        aspect("4:3");
    } else if (ATarget == "dvd") {
        SetVideoCodec("mpeg2video");
        SetAudioCodec("ac3");
        SetFormat("dvd");
        SetFrameSize(pal ? "720x576" : "720x480");
        SetFrameRate(rate);
        generic("g", pal ? "15" : "18");
        generic("b", "6000000");
        generic("maxrate", "9000000");
        generic("minrate", "0");
        generic("bufsize", "1835008");
        generic("packetsize", "2048");
        generic("muxrate", "10080000");
        generic("ab", "448000");
        Faudio_sample_rate = 48000;
        stereo();
        aspect("16:9");
    } else if (ATarget == "dv" || ATarget == "dv50") {
        SetFormat("dv");
        SetFrameSize(pal ? "720x576" : "720x480");
        SetPixelFormat(ATarget == "dv50" ? "yuv422p" : pal ? "yuv420p" : "yuv411p");
        SetFrameRate(rate);
        Faudio_sample_rate = 48000;
        Faudio_channels = 2;
    } else {
        throw FFmpegException("Unknown target type");
    }
}

void TCustomFFmpeg::SetTargetOption(const std::string& AValue) {
    std::string value = Trim(AValue);
    std::string norm = "auto";
    for (const char* prefix : {"pal-", "ntsc-", "film-"}) {
        if (StartsWith(value, prefix)) {
            norm = std::string(prefix, strlen(prefix) - 1);
            value = value.substr(strlen(prefix));
            break;
        }
    }
    SetTarget(value, norm, "ntsc");
}
