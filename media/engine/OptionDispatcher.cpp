// The option dispatcher: each engine option name mapped to a field or a setter.
// Names without an entry go to the generic codec, format and scaler options.

#include <cstring>

#include "media/engine/EngineLog.h"
#include "media/engine/EngineText.h"
#include "media/engine/TCustomFFmpeg.h"

using namespace EngineText;

namespace {

using E = TCustomFFmpeg;
using Handler = void (*)(E& e, const std::string& name, const std::string& value);

struct TOptionEntry {
    const char* Name;
    Handler Apply;
};

bool Flag(const std::string& v) {
    return v != "0";
}

void DoNothing(E& e, const std::string& n, const std::string&) {
    EngineLog(&e, llInfo, "Do nothing: option - " + n);
}

void PadRemoved(E&, const std::string&, const std::string&) {
    throw FFmpegException("Please use vfilters=pad");
}

#define BOOL_OPT(name, field)                                                                                \
    {                                                                                                        \
        name, [](E& e, const std::string&, const std::string& v) { e.field = Flag(v); }                      \
    }
#define INT_OPT(name, field)                                                                                 \
    {                                                                                                        \
        name, [](E& e, const std::string&, const std::string& v) { e.field = StrToInt(v); }                  \
    }
#define FLOAT_OPT(name, field)                                                                               \
    {                                                                                                        \
        name, [](E& e, const std::string&, const std::string& v) {                                           \
            e.field = static_cast<float>(StrToFloat(v));                                                     \
        }                                                                                                    \
    }
#define CALL_VALUE(name, method)                                                                             \
    {                                                                                                        \
        name, [](E& e, const std::string&, const std::string& v) { e.method(v); }                            \
    }
#define CALL_NAME_VALUE(name, method)                                                                        \
    {                                                                                                        \
        name, [](E& e, const std::string& n, const std::string& v) { e.method(n, v); }                       \
    }

// In the order the names are compared; the first match acts.
const TOptionEntry OptionTable[] = {
    {"L", DoNothing},
    {"h", DoNothing},
    {"version", DoNothing},
    {"formats", DoNothing},
    {"codecs", DoNothing},
    {"bsfs", DoNothing},
    {"protocols", DoNothing},
    {"filters", DoNothing},
    {"loglevel", [](E&, const std::string&, const std::string& v) { EngineOptLogLevel(v); }},
    CALL_VALUE("f", SetFormat),
    {"i", DoNothing},
    {"y", DoNothing},
    CALL_VALUE("map", AddStreamMap),
    CALL_VALUE("map_meta_data", AddMetadataMap),
    CALL_NAME_VALUE("t", SetRecordingTimeText),
    {"fs", [](E& e, const std::string&, const std::string& v) { e.Flimit_filesize = StrToInt64(v); }},
    CALL_NAME_VALUE("ss", SetStartTimeText),
    CALL_NAME_VALUE("itsoffset", SetInputTsOffsetText),
    CALL_VALUE("itsscale", SetTsScale),
    CALL_NAME_VALUE("timestamp", SetTimestampText),
    CALL_VALUE("metadata", AddMetadata),
    INT_OPT("dframes", Fmax_frames[2]),
    {"benchmark", DoNothing},
    {"timelimit",
     [](E& e, const std::string&, const std::string&) {
         EngineLog(&e, llWarning, "Warning: -timelimit not implemented on Windows");
     }},
    BOOL_OPT("dump", Fdo_pkt_dump),
    BOOL_OPT("hex", Fdo_hex_dump),
    BOOL_OPT("re", Frate_emu),
    BOOL_OPT("loop_input", Floop_input),
    INT_OPT("loop_output", Floop_output),
    {"v", [](E& e, const std::string&, const std::string& v) { e.SetVerbose(StrToInt(v)); }},
    CALL_VALUE("target", SetTargetOption),
    {"threads",
     [](E&, const std::string& n, const std::string&) { throw FFmpegException("TODO: option - " + n); }},
    INT_OPT("vsync", Fvideo_sync_method),
    INT_OPT("async", Faudio_sync_method),
    FLOAT_OPT("adrift_threshold", Faudio_drift_threshold),
    INT_OPT("vglobal", Fvideo_global_header),
    {"copyts", [](E& e, const std::string&, const std::string&) { e.Fcopy_ts = true; }},
    BOOL_OPT("shortest", Fopt_shortest),
    FLOAT_OPT("dts_delta_threshold", Fdts_delta_threshold),
    INT_OPT("programid", Fopt_programid),
    {"xerror", [](E& e, const std::string&, const std::string&) { e.Fexit_on_error = true; }},
    INT_OPT("copyinkf", Fcopy_initial_nonkeyframes),
    CALL_NAME_VALUE("b", SetBitrate),
    CALL_NAME_VALUE("vb", SetBitrate),
    INT_OPT("vframes", Fmax_frames[0]),
    CALL_VALUE("r", SetFrameRate),
    CALL_VALUE("s", SetFrameSize),
    CALL_VALUE("aspect", SetAspect),
    CALL_VALUE("pix_fmt", SetPixelFormat),
    {"croptop", [](E& e, const std::string&, const std::string& v) { e.SetCropTop(StrToInt(v)); }},
    {"cropbottom", [](E& e, const std::string&, const std::string& v) { e.SetCropBottom(StrToInt(v)); }},
    {"cropleft", [](E& e, const std::string&, const std::string& v) { e.SetCropLeft(StrToInt(v)); }},
    {"cropright", [](E& e, const std::string&, const std::string& v) { e.SetCropRight(StrToInt(v)); }},
    {"padtop", PadRemoved},
    {"padbottom", PadRemoved},
    {"padleft", PadRemoved},
    {"padright", PadRemoved},
    {"padcolor", PadRemoved},
    BOOL_OPT("intra", Fintra_only),
    BOOL_OPT("vn", Fvideo_disable),
    INT_OPT("vdt", Fvideo_discard),
    CALL_VALUE("qscale", SetQScale),
    CALL_VALUE("rc_override", SetRcOverride),
    CALL_VALUE("vcodec", SetVideoCodec),
    INT_OPT("me_threshold", Fme_threshold),
    BOOL_OPT("sameq", Fsame_quality),
    CALL_VALUE("pass", SetPass),
    {"passlogfile", [](E& e, const std::string&, const std::string& v) { e.Fpass_logfilename_prefix = v; }},
    BOOL_OPT("deinterlace", Fdo_deinterlace),
    BOOL_OPT("psnr", Fdo_psnr),
    {"vstats", [](E& e, const std::string&, const std::string&) { e.SetVStats(); }},
    CALL_VALUE("vstats_file", SetVStatsFile),
    CALL_VALUE("vhook", AddVideoHook),
    CALL_VALUE("vfilters", SetVideoFilters),
    CALL_VALUE("vf", SetVideoFilters),
    CALL_VALUE("intra_matrix", SetIntraMatrix),
    CALL_VALUE("inter_matrix", SetInterMatrix),
    INT_OPT("top", Ftop_field_first),
    INT_OPT("dc", Fintra_dc_precision),
    CALL_VALUE("vtag", SetVideoTag),
    {"newvideo", [](E& e, const std::string&, const std::string&) { e.NewStreamOption(0); }},
    {"vlang", [](E& e, const std::string&, const std::string& v) { e.Fvideo_language = v; }},
    BOOL_OPT("qphist", Fqp_hist),
    BOOL_OPT("force_fps", Fforce_fps),
    CALL_NAME_VALUE("streamid", SetStreamId),
    CALL_NAME_VALUE("ab", SetBitrate),
    INT_OPT("aframes", Fmax_frames[1]),
    FLOAT_OPT("aq", Faudio_qscale),
    {"ar", [](E& e, const std::string&, const std::string& v) { e.SetSampleRate(StrToInt(v)); }},
    {"ac", [](E& e, const std::string&, const std::string& v) { e.SetChannels(StrToInt(v)); }},
    BOOL_OPT("an", Faudio_disable),
    CALL_VALUE("acodec", SetAudioCodec),
    CALL_VALUE("atag", SetAudioTag),
    INT_OPT("vol", Faudio_volume),
    {"newaudio", [](E& e, const std::string&, const std::string&) { e.NewStreamOption(1); }},
    {"alang", [](E& e, const std::string&, const std::string& v) { e.Faudio_language = v; }},
    CALL_VALUE("sample_fmt", SetSampleFormat),
    BOOL_OPT("sn", Fsubtitle_disable),
    CALL_VALUE("scodec", SetSubtitleCodec),
    {"newsubtitle", [](E& e, const std::string&, const std::string&) { e.NewStreamOption(3); }},
    {"slang", [](E& e, const std::string&, const std::string& v) { e.Fsubtitle_language = v; }},
    CALL_VALUE("stag", SetSubtitleTag),
    INT_OPT("vc", Fvideo_channel),
    CALL_VALUE("tvstd", SetVideoStandard),
    BOOL_OPT("isync", Finput_sync),
    FLOAT_OPT("muxdelay", Fmux_max_delay),
    FLOAT_OPT("muxpreload", Fmux_preload),
    CALL_NAME_VALUE("absf", AddBitstreamFilter),
    CALL_NAME_VALUE("vbsf", AddBitstreamFilter),
    CALL_NAME_VALUE("sbsf", AddBitstreamFilter),
    CALL_NAME_VALUE("apre", ApplyPreset),
    CALL_NAME_VALUE("vpre", ApplyPreset),
    CALL_NAME_VALUE("spre", ApplyPreset),
    CALL_NAME_VALUE("fpre", ApplyPreset),
};

#undef BOOL_OPT
#undef INT_OPT
#undef FLOAT_OPT
#undef CALL_VALUE
#undef CALL_NAME_VALUE

} // namespace

void TCustomFFmpeg::SetOption(const std::string& AName, const std::string& AValue) {
    for (const TOptionEntry& entry : OptionTable) {
        if (AName == entry.Name) {
            entry.Apply(*this, AName, AValue);
            return;
        }
    }
    SetGenericOption(AName, AValue);
}

void TCustomFFmpeg::NewStreamOption(int AType) {
    if (Fnb_output_files <= 0) throw FFmpegException("At least one output file must be specified");
    AVFormatContext* oc = Foutput_files[Fnb_output_files - 1];
    switch (AType) {
    case 0:
        NewVideoStream(oc);
        break;
    case 1:
        NewAudioStream(oc);
        break;
    default:
        NewSubtitleStream(oc);
        break;
    }
}
