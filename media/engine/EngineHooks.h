#pragma once

#include <cstdint>
#include <memory>

#include "media/PictureToBitmap.h"
#include "media/engine/TPreviewer.h"

// The conversion of the custom hook: decoded pictures to bitmaps and back.
struct TCustomHookContext {
    TRGBConvertContext Context;
};

// What the post-hook step keeps between frames. Previewer and Retired are
// read and written under PostHookLock; the rest belongs to the conversion
// thread. The step holds its own reference to the window while it paints, so
// SetPostHooks may drop the engine's meanwhile; a window dropped off the GUI
// thread waits in Retired until its holder has released the lock (freeing
// it waits for the GUI thread).
struct TPostHookContext {
    TRGBConvertContext Context;
    std::shared_ptr<TPreviewer> Previewer;
    std::shared_ptr<TPreviewer> Retired;
    int64_t preview_last_time = 0;
    int64_t preview_cur_time = 0;
};
