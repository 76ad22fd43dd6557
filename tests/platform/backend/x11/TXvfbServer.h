#pragma once

#include <string>
#include <sys/types.h>

// A private X server for one test: Xvfb picks a free display itself and
// tells its number once it accepts connections; it is stopped on destruction.
class TXvfbServer {
public:
    // True when an Xvfb program is on the PATH.
    static bool Installed();
    // Starts a 1024 x 768 x 24 screen; throws std::runtime_error on failure.
    TXvfbServer();
    ~TXvfbServer();
    TXvfbServer(const TXvfbServer&) = delete;
    TXvfbServer& operator=(const TXvfbServer&) = delete;

    const std::string& Display() const { return FDisplay; }

private:
    pid_t FPid = -1;
    std::string FDisplay;
};
