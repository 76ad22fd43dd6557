#include "platform/sys/TDesktopServices.h"

#include "platform/sys/Shell.h"

namespace {

TDesktopServices& DefaultServices() {
    static TDesktopServices services;
    return services;
}

TDesktopServices* gServices = nullptr;

} // namespace

std::string TDesktopServices::ClipboardText() {
    return FClipboard;
}

void TDesktopServices::SetClipboardText(const std::string& Text) {
    FClipboard = Text;
}

bool TDesktopServices::ShellOpen(const std::string& Target) {
    return ::ShellOpen(Target);
}

bool TDesktopServices::PowerOff() {
    return ::PowerOff();
}

std::vector<TDesktopMonitor> TDesktopServices::Monitors() {
    TRect r{0, 0, 1024, 768};
    return {{r, r, true}};
}

std::unique_ptr<TTrayIcon> TDesktopServices::AddTrayIcon(const TTrayImage&, const std::string&,
                                                         std::string& Error) {
    Error = NoTrayMessage;
    return nullptr;
}

TDesktopServices& DesktopServices() {
    return gServices ? *gServices : DefaultServices();
}

TDesktopServices* SetDesktopServices(TDesktopServices* Services) {
    TDesktopServices* old = gServices;
    gServices = Services;
    return old;
}
