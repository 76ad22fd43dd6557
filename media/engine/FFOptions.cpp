#include "media/engine/FFOptions.h"

#include "media/AVBindings.h"
#include "media/TFFLogger.h"
#include "media/engine/EngineText.h"

namespace {

// Option flags that mark a codec option as one of a media type's, in the
// library's order of media types.
const int OptionTypeFlags[AVMEDIA_TYPE_NB] = {AV_OPT_FLAG_VIDEO_PARAM, AV_OPT_FLAG_AUDIO_PARAM, 0,
                                              AV_OPT_FLAG_SUBTITLE_PARAM, 0};

void LogInvalid(const std::string& AName, const std::string& AValue) {
    av::av_log(nullptr, AV_LOG_ERROR, "Invalid value \"%s\" for option \"%s\"\n", AValue.c_str(),
               AName.c_str());
}

// The codec whose private class is ACls.
const AVCodec* CodecOfClass(const AVClass* ACls) {
    void* it = nullptr;
    while (const AVCodec* c = av::av_codec_iterate(&it))
        if (c->priv_class == ACls) return c;
    return nullptr;
}

// Checks a private value on a scratch object of its owner: 0 when the value
// is accepted, -1 when refused.
int CheckCodecPrivate(const AVCodec* ACodec, const std::string& AName, const std::string& AValue) {
    AVCodecContext* ctx = av::avcodec_alloc_context3(ACodec);
    if (!ctx) return 0;
    int ret = ctx->priv_data ? av::av_opt_set(ctx->priv_data, AName.c_str(), AValue.c_str(), 0) : 0;
    av::avcodec_free_context(&ctx);
    return ret < 0 ? -1 : 0;
}

int CheckFormatPrivate(const AVClass* ACls, const std::string& AName, const std::string& AValue) {
    void* it = nullptr;
    while (const AVOutputFormat* f = av::av_muxer_iterate(&it)) {
        if (f->priv_class != ACls) continue;
        AVFormatContext* oc = nullptr;
        if (av::avformat_alloc_output_context2(&oc, f, nullptr, nullptr) < 0 || !oc) return 0;
        int ret = oc->priv_data ? av::av_opt_set(oc->priv_data, AName.c_str(), AValue.c_str(), 0) : 0;
        av::avformat_free_context(oc);
        return ret < 0 ? -1 : 0;
    }
    // Demuxer and I/O options are checked when the input opens.
    return 0;
}

// Searches the private options of every codec and format. Several owners may
// share a name with different meanings ("preset" of libx264 and libsvtav1):
// the value is kept when one of them accepts it. Returns 1 when kept, -1 when
// every owner refused the value, 0 when no owner knows the name.
int SetPrivateOption(TFFOptions& AOptions, const std::string& AName, const std::string& AValue) {
    bool known = false;
    {
        const AVClass* root = av::avcodec_get_class();
        void* it = nullptr;
        while (const AVClass* child = av::av_opt_child_class_iterate(root, &it)) {
            if (!av::av_opt_find(&child, AName.c_str(), nullptr, 0, AV_OPT_SEARCH_FAKE_OBJ)) continue;
            const AVCodec* owner = CodecOfClass(child);
            if (!owner) continue;
            known = true;
            if (CheckCodecPrivate(owner, AName, AValue) < 0) continue;
            int type = owner->type >= 0 && owner->type < AVMEDIA_TYPE_NB ? owner->type : AVMEDIA_TYPE_VIDEO;
            av::av_dict_set(&AOptions.codec_private[type], AName.c_str(), AValue.c_str(), 0);
            return 1;
        }
    }
    {
        const AVClass* root = av::avformat_get_class();
        void* it = nullptr;
        while (const AVClass* child = av::av_opt_child_class_iterate(root, &it)) {
            if (!av::av_opt_find(&child, AName.c_str(), nullptr, 0, AV_OPT_SEARCH_FAKE_OBJ)) continue;
            known = true;
            if (CheckFormatPrivate(child, AName, AValue) < 0) continue;
            av::av_dict_set(&AOptions.format_private, AName.c_str(), AValue.c_str(), 0);
            return 1;
        }
    }
    return known ? -1 : 0;
}

} // namespace

void ClearFFOptions(TFFOptions& AOptions) {
    AOptions = TFFOptions();
}

void AllocFFOptions(TFFOptions& AOptions, unsigned ASwsFlags) {
    FreeFFOptions(AOptions);
    for (int t = 0; t < AVMEDIA_TYPE_NB; ++t) {
        AOptions.avcodec_opts[t] = av::avcodec_alloc_context3(nullptr);
        if (AOptions.avcodec_opts[t]) AOptions.avcodec_opts[t]->codec_type = static_cast<AVMediaType>(t);
    }
    AOptions.avformat_opts = av::avformat_alloc_context();
    AOptions.sws_opts = av::sws_alloc_context();
    if (AOptions.sws_opts) av::av_opt_set_int(AOptions.sws_opts, "sws_flags", ASwsFlags, 0);
}

void FreeFFOptions(TFFOptions& AOptions) {
    for (int t = 0; t < AVMEDIA_TYPE_NB; ++t) {
        if (AOptions.avcodec_opts[t]) av::avcodec_free_context(&AOptions.avcodec_opts[t]);
        if (AOptions.codec_private[t]) av::av_dict_free(&AOptions.codec_private[t]);
    }
    if (AOptions.avformat_opts) av::avformat_free_context(AOptions.avformat_opts);
    AOptions.avformat_opts = nullptr;
    if (AOptions.sws_opts) av::sws_freeContext(AOptions.sws_opts);
    AOptions.sws_opts = nullptr;
    if (AOptions.format_private) av::av_dict_free(&AOptions.format_private);
    AOptions.opt_names.clear();
}

bool SetFFOption(TFFOptions& AOptions, const std::string& AName, const std::string& AValue) {
    if (EngineText::Trim(AName).empty() || EngineText::Trim(AValue).empty()) return false;
    if (!AOptions.avcodec_opts[AVMEDIA_TYPE_VIDEO]) return false;
    const char* name = AName.c_str();
    const char* value = AValue.c_str();
    const AVOption* found = nullptr;
    int ret = 0;

    for (int t = 0; t < AVMEDIA_TYPE_NB && ret >= 0; ++t) {
        // "b" is the video bit rate, as it always was ("ab" is the audio's),
        // though the libraries now let it reach audio encoders too.
        if (AName == "b" && t != AVMEDIA_TYPE_VIDEO) continue;
        const AVOption* o =
            av::av_opt_find(AOptions.avcodec_opts[AVMEDIA_TYPE_VIDEO], name, nullptr, OptionTypeFlags[t], 0);
        if (o) {
            found = o;
            ret = av::av_opt_set(AOptions.avcodec_opts[t], name, value, 0);
        }
    }
    if (!found && AOptions.avformat_opts) {
        found = av::av_opt_find(AOptions.avformat_opts, name, nullptr, 0, 0);
        if (found) ret = av::av_opt_set(AOptions.avformat_opts, name, value, 0);
    }
    if (!found && AOptions.sws_opts) {
        found = av::av_opt_find(AOptions.sws_opts, name, nullptr, 0, 0);
        if (found) ret = av::av_opt_set(AOptions.sws_opts, name, value, 0);
    }
    if (!found) {
        int priv = SetPrivateOption(AOptions, AName, AValue);
        if (priv < 0) {
            LogInvalid(AName, AValue);
            return false;
        }
        if (priv > 0) return true;
    }
    if (!found && AName.size() > 1) {
        int type = AName[0] == 'a'   ? AVMEDIA_TYPE_AUDIO
                   : AName[0] == 'v' ? AVMEDIA_TYPE_VIDEO
                   : AName[0] == 's' ? AVMEDIA_TYPE_SUBTITLE
                                     : -1;
        if (type >= 0) {
            found = av::av_opt_find(AOptions.avcodec_opts[type], name + 1, nullptr, OptionTypeFlags[type], 0);
            if (found) ret = av::av_opt_set(AOptions.avcodec_opts[type], name + 1, value, 0);
        }
    }
    if (found && ret < 0) {
        LogInvalid(AName, AValue);
        return false;
    }
    if (!found) return false;
    AOptions.opt_names.emplace_back(found->name);
    if (AOptions.avcodec_opts[AVMEDIA_TYPE_VIDEO]->debug ||
        (AOptions.avformat_opts && AOptions.avformat_opts->debug))
        GetFFLogger()->SetLogLevel(llDebug);
    return true;
}

void ApplyFFOptions(TFFOptions& AOptions, void* ATarget, void* ASource, int AFlags) {
    if (!ATarget || !ASource) return;
    for (const std::string& name : AOptions.opt_names) {
        uint8_t* text = nullptr;
        if (av::av_opt_get(ASource, name.c_str(), 0, &text) < 0 || !text) continue;
        const AVOption* o = av::av_opt_find(ATarget, name.c_str(), nullptr, 0, 0);
        if (o && (o->flags & AFlags) == AFlags)
            av::av_opt_set(ATarget, name.c_str(), reinterpret_cast<char*>(text), 0);
        av::av_free(text);
    }
}

void ApplyFFCodecOptions(TFFOptions& AOptions, AVCodecContext* ATarget, int AType, AVDictionary** APrivate,
                         int AFlags) {
    AVCodecContext* source = FOptionsCodecContext(AOptions, AType);
    if (!source) return;
    ApplyFFOptions(AOptions, ATarget, source, AFlags);
    if (APrivate) av::av_dict_copy(APrivate, AOptions.codec_private[AType], 0);
}

void ApplyFFFormatOptions(TFFOptions& AOptions, AVFormatContext* ATarget, AVDictionary** APrivate,
                          int AFlags) {
    if (!AOptions.avformat_opts) return;
    ApplyFFOptions(AOptions, ATarget, AOptions.avformat_opts, AFlags);
    if (APrivate) av::av_dict_copy(APrivate, AOptions.format_private, 0);
}
