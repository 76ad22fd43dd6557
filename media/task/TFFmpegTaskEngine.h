#pragma once

#include <memory>

#include "media/task/TTaskEngine.h"

// A task engine over the conversion engine (TCustomFFmpeg), the one every
// component task uses unless a test puts another in its place.
std::unique_ptr<TTaskEngine> NewFFmpegTaskEngine(int AMaxFiles);
