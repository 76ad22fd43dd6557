#include "platform/backend/x11/X11Internal.h"

namespace {

std::atomic<unsigned long> GErrors{0};

int OnError(Display*, XErrorEvent*) {
    ++GErrors;
    return 0;
}

} // namespace

void InstallX11ErrorHandler() {
    XSetErrorHandler(OnError);
}

unsigned long X11ErrorCount() {
    return GErrors.load();
}
