#pragma once

#include "platform/win/WindowBackend.h"

#include <memory>

// The backend the program starts on: X11 when DISPLAY names a display that
// accepts us, otherwise the headless one on the real clock (nothing shows,
// the program still runs). Hand it to InitWindowSystem.
std::unique_ptr<TWindowBackend> ChooseWindowBackend();
