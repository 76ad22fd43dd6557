// The "vhook" option: a frame-hook module and its arguments.

#include "media/engine/FrameHooks.h"
#include "media/engine/TCustomFFmpeg.h"

void TCustomFFmpeg::AddVideoHook(const std::string& AValue) {
    if (AddFrameHook(FFirstHook, SplitVideoHookText(AValue)) != 0)
        throw FFmpegException("Failed to add video hook function: " + AValue);
    Fusing_vhook = true;
}
