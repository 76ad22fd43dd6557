#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "media/PictureToBitmap.h"

// Frame-hook modules: shared objects exporting "Process" (required),
// "Configure" and "Release" (optional), called with plain C conventions. A
// module gets the picture as TAVPicture (four plane pointers, four line
// sizes), the library's pixel format number, the size and the time in
// microseconds.
using TFrameHookConfigureFn = int (*)(void** ctxp, int argc, char** argv, int lastIndex);
using TFrameHookProcessFn = void (*)(void* ctx, TAVPicture* picture, int pixFmt, int width, int height,
                                     int64_t pts);
using TFrameHookReleaseFn = void (*)(void* ctx);

// One module of a chain, with the context its Configure made. The entry
// keeps the words it was configured with: a module may hold on to argv.
struct TFrameHookEntry {
    std::unique_ptr<TFrameHookEntry> next;
    TFrameHookConfigureFn Configure = nullptr;
    TFrameHookProcessFn Process = nullptr;
    TFrameHookReleaseFn Release = nullptr; // may be null
    void* ctx = nullptr;
    std::vector<std::string> Args;
    std::vector<char*> ArgV; // points into Args, null-terminated
};

// Most words a "vhook" text passes: the module's file name and 63 arguments.
inline constexpr int MAX_FRAME_HOOK_ARGS = 64;

// Loads argv[0] (once per process; modules stay loaded), configures it with
// the words and appends it to AChain. 0 on success; -2 for no file name or a
// missing entry point, -1 when the module cannot be loaded, -22 when its
// Configure refuses. Failures are logged at the library's error level.
//
// A name with a folder part is taken from that folder (relative to the
// current one), a bare name through the system's library search; names are
// compared exactly. Neither the current folder nor PATH is changed.
int AddFrameHook(std::unique_ptr<TFrameHookEntry>& AChain, const std::vector<std::string>& AArgs);
// Every module of the chain, in order, on the same picture.
void ProcessFrameHooks(const TFrameHookEntry* AChain, TAVPicture& APicture, int APixFmt, int AWidth,
                       int AHeight, int64_t APTS);
// Releases every context and empties the chain.
void ReleaseFrameHooks(std::unique_ptr<TFrameHookEntry>& AChain);
// The words of a "vhook" text: split at "|" when it holds one, else at
// spaces; runs of separators count as one; at most MAX_FRAME_HOOK_ARGS.
std::vector<std::string> SplitVideoHookText(const std::string& AText);
