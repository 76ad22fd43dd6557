#include "platform/backend/x11/ChooseWindowBackend.h"

#include "platform/backend/x11/TX11Backend.h"
#include "platform/win/WinApi.h"

#include <chrono>
#include <cstdlib>
#include <ostream>
#include <string>
#include <thread>

std::unique_ptr<TWindowBackend> ChooseWindowBackend() {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display)
        throw EDisplayError("No X display to show the windows on: the DISPLAY environment variable is not "
                            "set. Start the program in a desktop session, or set DISPLAY to a running X "
                            "server.");
    // Waits before the second to fifth attempts: about 1.5 s in all.
    const int waitsMs[] = {100, 200, 400, 800};
    for (int attempt = 0;; ++attempt) {
        try {
            return std::make_unique<TX11Backend>(display);
        } catch (const Exception&) {
            if (attempt == static_cast<int>(std::size(waitsMs)))
                throw EDisplayError("Cannot connect to the X display \"" + std::string(display) +
                                    "\" (tried " + std::to_string(attempt + 1) +
                                    " times): the X server is not running there or refuses this program. "
                                    "Check that DISPLAY names a running X server this user may use.");
            std::this_thread::sleep_for(std::chrono::milliseconds(waitsMs[attempt]));
        }
    }
}

bool StartWindowSystem(std::ostream& err) {
    try {
        InitWindowSystem(ChooseWindowBackend());
        return true;
    } catch (const EDisplayError& e) {
        err << e.Message() << std::endl;
        return false;
    }
}
