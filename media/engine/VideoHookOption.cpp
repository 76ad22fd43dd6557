// The "vhook" option. Frame-hook modules come with the previewer and hooks;
// until then a module cannot be added and the option fails as a failed load does.

#include "media/engine/TCustomFFmpeg.h"

void TCustomFFmpeg::AddVideoHook(const std::string& AValue) {
    throw FFmpegException("Failed to add video hook function: " + AValue);
}
