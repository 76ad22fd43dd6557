#include "media/FFOptions.h"

#include "media/TFFLogger.h"

#include <cctype>

namespace {

// Option flags that mark a codec option as belonging to each media type.
constexpr int TypeFlags[AVMEDIA_TYPE_NB] = {AV_OPT_FLAG_VIDEO_PARAM, AV_OPT_FLAG_AUDIO_PARAM, 0,
                                            AV_OPT_FLAG_SUBTITLE_PARAM, 0};

std::string Trimmed(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return std::string(s.substr(b, e - b));
}

enum class TFound { None, Set, Failed };

// Generic codec options of one media type.
TFound SetCodecOption(TFFOptions& o, int type, const char* name, const char* value) {
    AVCodecContext* ctx = o.avcodec_opts[type];
    if (!ctx || !av::av_opt_find(ctx, name, nullptr, TypeFlags[type], 0))
        return TFound::None;
    return av::av_opt_set(ctx, name, value, 0) < 0 ? TFound::Failed : TFound::Set;
}

TFound SetOn(void* obj, const char* name, const char* value) {
    if (!obj || !av::av_opt_find(obj, name, nullptr, 0, 0))
        return TFound::None;
    return av::av_opt_set(obj, name, value, 0) < 0 ? TFound::Failed : TFound::Set;
}

bool HasOwnOption(const AVClass* const* cls, const char* name) {
    return *cls && av::av_opt_find(const_cast<const AVClass**>(cls), name, nullptr, 0, AV_OPT_SEARCH_FAKE_OBJ);
}

// A private option of some codec: the value is checked on a scratch context of
// each codec that has the option, and kept for the media type of the first
// one that takes it.
TFound SetPrivateCodecOption(TFFOptions& o, const char* name, const char* value) {
    const AVClass* cls = av::avcodec_get_class();
    if (!av::av_opt_find(&cls, name, nullptr, 0, AV_OPT_SEARCH_CHILDREN | AV_OPT_SEARCH_FAKE_OBJ))
        return TFound::None;
    TFound found = TFound::None;
    void* it = nullptr;
    while (const AVCodec* codec = av::av_codec_iterate(&it)) {
        if (!HasOwnOption(&codec->priv_class, name))
            continue;
        AVCodecContext* scratch = av::avcodec_alloc_context3(codec);
        if (!scratch)
            continue;
        int r = scratch->priv_data ? av::av_opt_set(scratch->priv_data, name, value, 0) : AVERROR_OPTION_NOT_FOUND;
        av::avcodec_free_context(&scratch);
        if (r < 0) {
            found = TFound::Failed;
            continue;
        }
        const int type = codec->type >= 0 && codec->type < AVMEDIA_TYPE_NB ? codec->type : AVMEDIA_TYPE_VIDEO;
        av::av_dict_set(&o.codec_dict[type], name, value, 0);
        return TFound::Set;
    }
    return found;
}

// A private option of some muxer (checked on a scratch output context) or demuxer.
TFound SetPrivateFormatOption(TFFOptions& o, const char* name, const char* value) {
    const AVClass* cls = av::avformat_get_class();
    if (!av::av_opt_find(&cls, name, nullptr, 0, AV_OPT_SEARCH_CHILDREN | AV_OPT_SEARCH_FAKE_OBJ))
        return TFound::None;
    TFound found = TFound::None;
    void* it = nullptr;
    while (const AVOutputFormat* muxer = av::av_muxer_iterate(&it)) {
        if (!HasOwnOption(&muxer->priv_class, name))
            continue;
        AVFormatContext* scratch = nullptr;
        if (av::avformat_alloc_output_context2(&scratch, muxer, nullptr, nullptr) < 0 || !scratch)
            continue;
        int r = scratch->priv_data ? av::av_opt_set(scratch->priv_data, name, value, 0) : AVERROR_OPTION_NOT_FOUND;
        av::avformat_free_context(scratch);
        if (r < 0) {
            found = TFound::Failed;
            continue;
        }
        av::av_dict_set(&o.format_dict, name, value, 0);
        return TFound::Set;
    }
    if (found == TFound::Failed)
        return found;
    // A demuxer's option: its private data cannot be made here; the demuxer checks it when opened.
    av::av_dict_set(&o.format_dict, name, value, 0);
    return TFound::Set;
}

} // namespace

void ClearFFOptions(TFFOptions& AOptions) { AOptions = TFFOptions{}; }

bool AllocFFOptions(TFFOptions& AOptions, int ASwsFlags) {
    ClearFFOptions(AOptions);
    bool ok = true;
    for (int t = 0; t < AVMEDIA_TYPE_NB; ++t) {
        AOptions.avcodec_opts[t] = av::avcodec_alloc_context3(nullptr);
        if (AOptions.avcodec_opts[t])
            AOptions.avcodec_opts[t]->codec_type = static_cast<AVMediaType>(t);
        ok = ok && AOptions.avcodec_opts[t];
    }
    AOptions.avformat_opts = av::avformat_alloc_context();
    AOptions.sws_opts = av::sws_alloc_context();
    ok = ok && AOptions.avformat_opts && AOptions.sws_opts;
    if (AOptions.sws_opts)
        av::av_opt_set_int(AOptions.sws_opts, "sws_flags", ASwsFlags, 0);
    if (!ok)
        FreeFFOptions(AOptions);
    return ok;
}

void FreeFFOptions(TFFOptions& AOptions) {
    for (int t = 0; t < AVMEDIA_TYPE_NB; ++t) {
        if (AOptions.avcodec_opts[t])
            av::avcodec_free_context(&AOptions.avcodec_opts[t]);
        if (AOptions.codec_dict[t])
            av::av_dict_free(&AOptions.codec_dict[t]);
    }
    if (AOptions.avformat_opts)
        av::avformat_free_context(AOptions.avformat_opts);
    if (AOptions.sws_opts)
        av::sws_freeContext(AOptions.sws_opts);
    if (AOptions.format_dict)
        av::av_dict_free(&AOptions.format_dict);
    ClearFFOptions(AOptions);
}

bool SetFFOption(TFFOptions& AOptions, std::string_view AName, std::string_view AValue) {
    if (Trimmed(AName).empty() || Trimmed(AValue).empty())
        return false;
    const std::string name(AName), value(AValue);
    TFound found = TFound::None;

    for (int t = 0; t < AVMEDIA_TYPE_NB && found != TFound::Failed; ++t) {
        TFound r = SetCodecOption(AOptions, t, name.c_str(), value.c_str());
        if (r != TFound::None)
            found = r;
    }
    if (found == TFound::None)
        found = SetOn(AOptions.avformat_opts, name.c_str(), value.c_str());
    if (found == TFound::None)
        found = SetOn(AOptions.sws_opts, name.c_str(), value.c_str());
    if (found == TFound::None)
        found = SetPrivateCodecOption(AOptions, name.c_str(), value.c_str());
    if (found == TFound::None)
        found = SetPrivateFormatOption(AOptions, name.c_str(), value.c_str());
    if (found == TFound::None && name.size() > 1) {
        const std::string rest = name.substr(1);
        int type = -1;
        if (name[0] == 'a')
            type = AVMEDIA_TYPE_AUDIO;
        else if (name[0] == 'v')
            type = AVMEDIA_TYPE_VIDEO;
        else if (name[0] == 's')
            type = AVMEDIA_TYPE_SUBTITLE;
        if (type >= 0)
            found = SetCodecOption(AOptions, type, rest.c_str(), value.c_str());
    }
    if (found == TFound::Failed) {
        av::av_log(nullptr, AV_LOG_ERROR, "Invalid value \"%s\" for option \"%s\"\n", value.c_str(), name.c_str());
        return false;
    }
    if (found == TFound::None)
        return false;
    AOptions.opt_names.push_back(name);
    const AVCodecContext* video = AOptions.avcodec_opts[AVMEDIA_TYPE_VIDEO];
    if ((video && video->debug) || (AOptions.avformat_opts && AOptions.avformat_opts->debug))
        GetFFLogger()->SetLogLevel(llDebug);
    return true;
}

void ApplyFFOptions(const TFFOptions& AOptions, void* ATarget, void* ASource, int AFlags) {
    if (!ATarget || !ASource)
        return;
    for (const auto& name : AOptions.opt_names) {
        const AVOption* opt = av::av_opt_find(ASource, name.c_str(), nullptr, 0, 0);
        if (!opt || (opt->flags & AFlags) != AFlags)
            continue;
        uint8_t* text = nullptr;
        if (av::av_opt_get(ASource, name.c_str(), 0, &text) >= 0 && text)
            av::av_opt_set(ATarget, name.c_str(), reinterpret_cast<const char*>(text), 0);
        av::av_free(text);
    }
}
