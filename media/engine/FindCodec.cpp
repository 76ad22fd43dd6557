// Codec lookup by name, with the experimental-codec check.

#include "media/AVBindings.h"
#include "media/engine/EngineText.h"
#include "media/engine/TCustomFFmpeg.h"

using namespace EngineText;

bool TCustomFFmpeg::FindCodecByName(const std::string& AName, int AType, bool AEncoder, int AStrict,
                                    const AVCodec*& ACodec) {
    ACodec = nullptr;
    if (AName.empty()) return true;
    const char* kind = AEncoder ? "encoder" : "decoder";
    // This build has no libfaac; its name stands for the native AAC encoder.
    std::string name = AEncoder && AName == "libfaac" ? "aac" : AName;
    const AVCodec* codec = AEncoder ? av::avcodec_find_encoder_by_name(name.c_str())
                                    : av::avcodec_find_decoder_by_name(name.c_str());
    if (!codec) {
        FLastErrMsg = Format("Unknown %s '%s'", kind, AName.c_str());
        return false;
    }
    if (codec->type != AType) {
        FLastErrMsg = Format("Invalid %s type '%s'", kind, AName.c_str());
        return false;
    }
    if ((codec->capabilities & AV_CODEC_CAP_EXPERIMENTAL) && AStrict > FF_COMPLIANCE_EXPERIMENTAL) {
        FLastErrMsg = Format("%s '%s' is experimental and might produce bad results.\r\n"
                             "Add '-strict experimental' if you want to use it.",
                             kind, AName.c_str());
        const AVCodec* other =
            AEncoder ? av::avcodec_find_encoder(codec->id) : av::avcodec_find_decoder(codec->id);
        if (other && !(other->capabilities & AV_CODEC_CAP_EXPERIMENTAL))
            FLastErrMsg += Format("\r\nOr use the non experimental %s '%s'.", kind, other->name);
        return false;
    }
    ACodec = codec;
    return true;
}

int TCustomFFmpeg::CodecStrictness(int AType) {
    AVCodecContext* ctx = FOptionsCodecContext(FOptions, AType);
    return ctx ? ctx->strict_std_compliance : FF_COMPLIANCE_NORMAL;
}
