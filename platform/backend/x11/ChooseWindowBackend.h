#pragma once

#include "platform/base/Exception.h"
#include "platform/win/WindowBackend.h"

#include <iosfwd>
#include <memory>

// The program has no display to show its windows on.
class EDisplayError : public Exception {
public:
    using Exception::Exception;
};

// The backend the program runs on: X11 on the display DISPLAY names, with
// one connection made once. A server that turns the connection away (a
// loaded one does now and then) is asked again for about a second and a
// half; then, or at once when DISPLAY is not set, EDisplayError says what
// failed. The program never falls back to running with no window: the
// headless backend is only for tests, which start it themselves.
std::unique_ptr<TWindowBackend> ChooseWindowBackend();

// The program's start: the window system on ChooseWindowBackend's backend.
// When there is no display it writes why to err and returns false, and the
// program ends with a non-zero exit code.
bool StartWindowSystem(std::ostream& err);
