// Starts as the program does: the window system on its display, or the
// reason there is none and a non-zero exit code.

#include "platform/backend/x11/ChooseWindowBackend.h"
#include "platform/win/WinApi.h"

#include <iostream>

int main() {
    if (!StartWindowSystem(std::cerr)) return 1;
    DoneWindowSystem();
    return 0;
}
