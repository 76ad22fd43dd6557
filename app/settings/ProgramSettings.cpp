#include "app/settings/ProgramSettings.h"

#include "app/settings/TSettings.h"
#include "platform/base/Exception.h"

namespace {
TSettings* Installed = nullptr;
} // namespace

TSettings& ProgramSettings() {
    if (!Installed) throw Exception("The program's settings are not open.");
    return *Installed;
}

TSettings* InstalledProgramSettings() {
    return Installed;
}

TSettings* SetProgramSettings(TSettings* Settings) {
    TSettings* previous = Installed;
    Installed = Settings;
    return previous;
}
