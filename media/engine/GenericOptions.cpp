// Names without a setter of their own: the generic and private option contexts.

#include "media/engine/TCustomFFmpeg.h"

bool TCustomFFmpeg::SetGenericOption(const std::string& AName, const std::string& AValue) {
    return SetFFOption(FOptions, AName, AValue);
}

bool TCustomFFmpeg::SetGenericIntOption(const std::string& AName, int64_t AValue) {
    return SetFFOption(FOptions, AName, std::to_string(AValue));
}
