#include "platform/backend/x11/ChooseWindowBackend.h"

#include "platform/backend/headless/THeadlessBackend.h"
#include "platform/backend/x11/TX11Backend.h"
#include "platform/base/Exception.h"

std::unique_ptr<TWindowBackend> ChooseWindowBackend() {
    if (TX11Backend::DisplayAvailable()) {
        try {
            return std::make_unique<TX11Backend>();
        } catch (const Exception&) {
            // The display went away between the probe and the connection.
        }
    }
    auto headless = std::make_unique<THeadlessBackend>();
    headless->SetVirtualClock(false);
    return headless;
}
