#include "app/conversion/IConversionDialogs.h"
#include "platform/sys/Shell.h"

bool TPlatformDesktopServices::OpenFolder(const std::string& AFolder) {
    return ShellOpen(AFolder);
}

bool TPlatformDesktopServices::PowerOff() {
    return ::PowerOff();
}
