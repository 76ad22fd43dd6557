// The option setters: value checks and error texts of the engine options.

#include <cmath>
#include <ctime>

#include "media/AVBindings.h"
#include "media/engine/EngineLog.h"
#include "media/engine/EngineText.h"
#include "media/engine/TCustomFFmpeg.h"

using namespace EngineText;

void TCustomFFmpeg::SetFormat(const std::string& AValue) {
    if (AValue.empty()) return;
    std::string value = AValue;
    if (value == "pgmyuv") {
        Fpgmyuv_compatibility_hack = 1;
        value = "image2";
        Log(llInfo, "pgmyuv format is deprecated, use image2");
    }
    Flast_asked_format = value;
}

void TCustomFFmpeg::SetFrameRate(const std::string& AValue) {
    if (AValue.empty()) return;
    AVRational rate{0, 0};
    if (av::av_parse_video_rate(&rate, AValue.c_str()) < 0) throw FFmpegException("Incorrect frame rate");
    Fframe_rate = rate;
}

void TCustomFFmpeg::SetFrameSize(const std::string& AValue) {
    if (AValue.empty()) return;
    int w = 0, h = 0;
    if (av::av_parse_video_size(&w, &h, AValue.c_str()) < 0) throw FFmpegException("Incorrect frame size");
    Fframe_width = w;
    Fframe_height = h;
}

void TCustomFFmpeg::SetBitrate(const std::string& AName, const std::string& AValue) {
    if (!SetGenericOption(AName, AValue)) return;
    void* ctx = FOptionsCodecContext(FOptions, AName == "ab" ? AVMEDIA_TYPE_AUDIO : AVMEDIA_TYPE_VIDEO);
    int64_t rate = 0;
    if (ctx && av::av_opt_get_int(ctx, "b", 0, &rate) >= 0 && rate < 1000)
        Log(llWarning,
            "WARNING: The bitrate parameter is set too low. It takes bits/s as argument, not kbits/s");
}

void TCustomFFmpeg::SetAspect(const std::string& AValue) {
    if (AValue.empty()) return;
    double ratio = 0;
    size_t colon = AValue.find(':');
    auto number = [](const std::string& s) {
        char* end = nullptr;
        double v = strtod(s.c_str(), &end);
        return end == s.c_str() || *end != '\0' ? 0.0 : v;
    };
    if (colon != std::string::npos) {
        auto integer = [](const std::string& s) {
            char* end = nullptr;
            long v = strtol(s.c_str(), &end, 10);
            return end == s.c_str() || *end != '\0' ? 0L : v;
        };
        long x = integer(AValue.substr(0, colon));
        long y = integer(AValue.substr(colon + 1));
        ratio = y > 0 ? static_cast<double>(x) / static_cast<double>(y) : 0;
    } else {
        ratio = number(AValue);
    }
    if (ratio == 0) throw FFmpegException("Incorrect aspect ratio specification.");
    Fframe_aspect_ratio = static_cast<float>(ratio);
}

void TCustomFFmpeg::SetPixelFormat(const std::string& AValue) {
    if (AValue == "list") {
        char line[256];
        Log(llInfo, Trim(av::av_get_pix_fmt_string(line, sizeof line, AV_PIX_FMT_NONE)));
        for (const AVPixFmtDescriptor* d = av::av_pix_fmt_desc_next(nullptr); d;
             d = av::av_pix_fmt_desc_next(d))
            Log(llInfo, Trim(av::av_get_pix_fmt_string(line, sizeof line, av::av_pix_fmt_desc_get_id(d))));
        return;
    }
    AVPixelFormat fmt = av::av_get_pix_fmt(AValue.c_str());
    if (fmt == AV_PIX_FMT_NONE) throw FFmpegException("Unknown pixel format requested: " + AValue);
    Fframe_pix_fmt = fmt;
}

void TCustomFFmpeg::SetSampleFormat(const std::string& AValue) {
    if (AValue == "list") {
        char line[256];
        Log(llInfo, Trim(av::av_get_sample_fmt_string(line, sizeof line, AV_SAMPLE_FMT_NONE)));
        for (int i = 0; i < AV_SAMPLE_FMT_NB; ++i)
            Log(llInfo,
                Trim(av::av_get_sample_fmt_string(line, sizeof line, static_cast<AVSampleFormat>(i))));
        return;
    }
    Faudio_sample_fmt = av::av_get_sample_fmt(AValue.c_str());
}

void TCustomFFmpeg::SetCropBand(int AValue, int& ABand, int& ASize, const char* AText) {
    if (AValue <= 0) return;
    if (AValue >= ASize)
        throw FFmpegException(std::string(AText) + "\nRemember to crop first and scale second.");
    Log(llWarning, "CropXXX is deprecated in favor of the crop avfilter");
    ABand = AValue;
    ASize -= AValue;
}

static const char* const VerticalCropText =
    "Vertical crop dimensions are outside the range of the original image.";
static const char* const HorizontalCropText =
    "Horizontal crop dimensions are outside the range of the original image.";

void TCustomFFmpeg::SetCropTop(int AValue) {
    SetCropBand(AValue, Fframe_topBand, Fframe_height, VerticalCropText);
}
void TCustomFFmpeg::SetCropBottom(int AValue) {
    SetCropBand(AValue, Fframe_bottomBand, Fframe_height, VerticalCropText);
}
void TCustomFFmpeg::SetCropLeft(int AValue) {
    SetCropBand(AValue, Fframe_leftBand, Fframe_width, HorizontalCropText);
}
void TCustomFFmpeg::SetCropRight(int AValue) {
    SetCropBand(AValue, Fframe_rightBand, Fframe_width, HorizontalCropText);
}

void TCustomFFmpeg::SetQScale(const std::string& AValue) {
    double q = StrToFloat(AValue);
    if (!(q > 0) || q > 255) throw FFmpegException("qscale must be > 0.0 and <= 255");
    Fvideo_qscale = static_cast<float>(q);
}

void TCustomFFmpeg::SetCodecName(std::string& AName, int& ACopy, const std::string& AValue) {
    if (AValue.empty()) return;
    AName.clear();
    if (AValue == "copy")
        ACopy = 1;
    else
        AName = AValue;
}

void TCustomFFmpeg::SetVideoCodec(const std::string& AValue) {
    SetCodecName(Fvideo_codec_name, Fvideo_stream_copy, AValue);
}
void TCustomFFmpeg::SetAudioCodec(const std::string& AValue) {
    SetCodecName(Faudio_codec_name, Faudio_stream_copy, AValue);
}
void TCustomFFmpeg::SetSubtitleCodec(const std::string& AValue) {
    SetCodecName(Fsubtitle_codec_name, Fsubtitle_stream_copy, AValue);
}

void TCustomFFmpeg::SetPass(const std::string& AValue) {
    int pass = StrToInt(AValue);
    if (pass != 1 && pass != 2) throw FFmpegException("pass number can be only 1 or 2");
    Fdo_pass = pass;
}

void TCustomFFmpeg::SetVStats() {
    // The file goes beside the first output when the run starts; here only
    // its name is fixed, from the current time.
    time_t now = time(nullptr);
    struct tm local {};
    localtime_r(&now, &local);
    Fvstats_filename = Format("vstats_%02d%02d%02d.log", local.tm_hour, local.tm_min, local.tm_sec);
    Fvstats_unique = true;
}

void TCustomFFmpeg::SetVideoFilters(const std::string& AValue) {
    if (!AValue.empty()) Fvfilters = AValue;
}

void TCustomFFmpeg::SetMatrix(std::unique_ptr<std::array<uint16_t, 64>>& AMatrix, const std::string& AValue) {
    AMatrix = std::make_unique<std::array<uint16_t, 64>>();
    AMatrix->fill(0);
    size_t pos = 0;
    for (int i = 0; i < 64; ++i) {
        // Each field is read as the number at its start.
        AMatrix->at(static_cast<size_t>(i)) = static_cast<uint16_t>(atoi(AValue.c_str() + pos));
        size_t comma = AValue.find(',', pos);
        if (i < 63 && comma == std::string::npos)
            throw FFmpegException(Format("Syntax error in matrix \"%s\" at coeff %d", AValue.c_str(), i));
        pos = comma + 1;
    }
}

void TCustomFFmpeg::SetIntraMatrix(const std::string& AValue) {
    SetMatrix(Fintra_matrix, AValue);
}
void TCustomFFmpeg::SetInterMatrix(const std::string& AValue) {
    SetMatrix(Finter_matrix, AValue);
}

void TCustomFFmpeg::SetTag(uint32_t& ATag, const std::string& AValue, const char* AKind) {
    if (AValue.empty()) return;
    if (AValue.size() != 4) throw FFmpegException(std::string(AKind) + " tag parameter must be 4 chars");
    auto b = [&](int i) {
        return static_cast<uint32_t>(static_cast<unsigned char>(AValue[static_cast<size_t>(i)]));
    };
    ATag = b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24;
}

void TCustomFFmpeg::SetVideoTag(const std::string& AValue) {
    SetTag(Fvideo_codec_tag, AValue, "video");
}
void TCustomFFmpeg::SetAudioTag(const std::string& AValue) {
    SetTag(Faudio_codec_tag, AValue, "audio");
}
void TCustomFFmpeg::SetSubtitleTag(const std::string& AValue) {
    SetTag(Fsubtitle_codec_tag, AValue, "subtitle");
}

void TCustomFFmpeg::SetStreamId(const std::string& AName, const std::string& AValue) {
    size_t colon = AValue.find(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == AValue.size())
        throw FFmpegException(
            Format("Invalid value \"%s\" for option \"%s\", required syntax is \"index:value\"",
                   AValue.c_str(), AName.c_str()));
    int index = StrToInt(AValue.substr(0, colon));
    int value = StrToInt(AValue.substr(colon + 1));
    if (index < 0 || index >= MAX_STREAMS)
        throw FFmpegException(Format("stream index over MAX_STREAMS(%d)", MAX_STREAMS));
    Fstreamid_map[static_cast<size_t>(index)] = value;
}

void TCustomFFmpeg::SetSampleRate(int AValue) {
    if (AValue <= 0) return;
    Faudio_sample_rate = AValue;
    Faudio_sample_rate_given = true;
}

void TCustomFFmpeg::SetChannels(int AValue) {
    if (AValue <= 0) return;
    Faudio_channels = AValue;
    Faudio_channels_given = true;
}

void TCustomFFmpeg::AddBitstreamFilter(const std::string& AName, const std::string& AValue) {
    if (AValue.empty() || AValue[0] == '=') return;
    size_t eq = AValue.find('=');
    TBitstreamFilterItem item;
    item.Name = eq == std::string::npos ? AValue : AValue.substr(0, eq);
    if (eq != std::string::npos) item.Args = AValue.substr(eq + 1);
    item.Name = Trim(item.Name);
    // Filters renamed since the option texts were written.
    if (item.Name == "mp3_header_decompress") item.Name = "mp3decomp";
    if (item.Name == "mjpega_dump_header") item.Name = "mjpegadump";
    if (!av::av_bsf_get_by_name(item.Name.c_str()))
        throw FFmpegException("Unknown bitstream filter " + Trim(AValue));
    TBitstreamFilterChain& chain = AName[0] == 'v'   ? Fvideo_bitstream_filters
                                   : AName[0] == 'a' ? Faudio_bitstream_filters
                                                     : Fsubtitle_bitstream_filters;
    chain.push_back(std::move(item));
}

namespace {

// "a<sep>b[<sep>c<sep>d]": numbers as strtol base 0, each separator any one character.
int ReadMapNumbers(const std::string& s, long* values, int maxCount) {
    size_t pos = 0;
    int n = 0;
    while (n < maxCount) {
        if (!ReadCNumber(s, pos, values[n])) {
            if (n < 2)
                values[n] = 0; // as strtol: no digits read gives 0
            else
                break;
        }
        ++n;
        if (pos >= s.size()) break;
        ++pos; // the separator
    }
    return n;
}

} // namespace

void TCustomFFmpeg::AddStreamMap(const std::string& AValue) {
    long v[4] = {0, 0, 0, 0};
    int n = ReadMapNumbers(AValue, v, 4);
    if (v[0] < 0 || v[1] < 0) throw FFmpegException(Format("stream index over MAX_STREAMS(%d)", MAX_STREAMS));
    if (Fnb_stream_maps >= static_cast<int>(Fstream_maps.size()))
        throw FFmpegException("Too many stream maps");
    TAVStreamMap& m = Fstream_maps[static_cast<size_t>(Fnb_stream_maps)];
    m.file_index = static_cast<int>(v[0]);
    m.stream_index = static_cast<int>(v[1]);
    if (n >= 4) {
        m.sync_file_index = static_cast<int>(v[2]);
        m.sync_stream_index = static_cast<int>(v[3]);
    } else {
        m.sync_file_index = m.file_index;
        m.sync_stream_index = m.stream_index;
    }
    ++Fnb_stream_maps;
}

void TCustomFFmpeg::AddMetadataMap(const std::string& AValue) {
    long v[2] = {0, 0};
    ReadMapNumbers(AValue, v, 2);
    if (Fnb_meta_data_maps >= static_cast<int>(Fmeta_data_maps.size()))
        throw FFmpegException("Too many metadata maps");
    TAVMetaDataMap& m = Fmeta_data_maps[static_cast<size_t>(Fnb_meta_data_maps)];
    m.out_file = static_cast<int>(v[0]);
    m.in_file = static_cast<int>(v[1]);
    ++Fnb_meta_data_maps;
}

void TCustomFFmpeg::AddMetadata(const std::string& AValue) {
    size_t eq = AValue.find('=');
    if (eq == std::string::npos) throw FFmpegException("Missing =");
    AddMetadataPair(AValue.substr(0, eq), AValue.substr(eq + 1));
}

void TCustomFFmpeg::AddMetadataPair(const std::string& AKey, const std::string& AValue) {
    Fmetadata.emplace_back(AKey, AValue);
}

void TCustomFFmpeg::SetTsScale(const std::string& AValue) {
    size_t pos = 0;
    long index = 0;
    ReadCNumber(AValue, pos, index);
    if (index < 0 || index >= MAX_STREAMS)
        throw FFmpegException(Format("stream index over MAX_STREAMS(%d)", MAX_STREAMS));
    double scale =
        pos + 1 <= AValue.size() ? strtod(AValue.c_str() + std::min(pos + 1, AValue.size()), nullptr) : 0;
    // The scale belongs to the next input file to be opened.
    if (Fnb_input_files >= FMaxFiles) throw FFmpegException("Too many input files");
    Finput_files_ts_scale[static_cast<size_t>(Fnb_input_files)][static_cast<size_t>(index)] = scale;
}

int64_t TCustomFFmpeg::ParseTime(const std::string& AName, const std::string& AValue, bool ADuration) {
    int64_t t = 0;
    if (av::av_parse_time(&t, AValue.c_str(), ADuration ? 1 : 0) < 0)
        throw FFmpegException(Format("Invalid %s specification for %s: %s", ADuration ? "duration" : "date",
                                     AName.c_str(), AValue.c_str()));
    return t;
}

void TCustomFFmpeg::SetRecordingTimeText(const std::string& AName, const std::string& AValue) {
    SetRecordingTime(ParseTime(AName, AValue, true));
}

void TCustomFFmpeg::SetStartTimeText(const std::string& AName, const std::string& AValue) {
    Fstart_time = ParseTime(AName, AValue, true);
}

void TCustomFFmpeg::SetInputTsOffsetText(const std::string& AName, const std::string& AValue) {
    Finput_ts_offset = ParseTime(AName, AValue, true);
}

void TCustomFFmpeg::SetTimestampText(const std::string& AName, const std::string& AValue) {
    int64_t us = ParseTime(AName, AValue, false);
    Frecording_timestamp = static_cast<int64_t>(std::nearbyint(static_cast<double>(us) / 1000000.0));
}

void TCustomFFmpeg::SetRecordingTime(int64_t AValue) {
    if (AValue == AV_NOPTS_VALUE) return;
    Frecording_time = AValue;
    FTotalOutputDuration = AValue;
}

void TCustomFFmpeg::SetStartTime(int64_t AValue) {
    if (AValue != AV_NOPTS_VALUE) Fstart_time = AValue;
}

void TCustomFFmpeg::SetProgramId(int AValue) {
    if (AValue >= 0) Fopt_programid = AValue;
}

void TCustomFFmpeg::SetAudioVolume(int AValue) {
    if (AValue >= 0) Faudio_volume = AValue;
}

void TCustomFFmpeg::SetMuxMaxDelay(float AValue) {
    if (AValue > 0) Fmux_max_delay = AValue;
}

void TCustomFFmpeg::SetMuxPreload(float AValue) {
    if (AValue > 0) Fmux_preload = AValue;
}
