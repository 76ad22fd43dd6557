#include "platform/sys/TDesktopServices.h"

#include "platform/sys/Shell.h"

#include <algorithm>

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

uint64_t TDesktopServices::AddTrayHostWatch(std::function<void()> Handler) {
    uint64_t token = FNextTrayWatch++;
    FTrayWatches.emplace_back(token, std::move(Handler));
    return token;
}

void TDesktopServices::RemoveTrayHostWatch(uint64_t Token) {
    std::erase_if(FTrayWatches, [Token](const auto& W) { return W.first == Token; });
}

void TDesktopServices::TrayHostStarted() {
    // A copy: a handler may add or remove watches.
    auto watches = FTrayWatches;
    for (auto& [token, handler] : watches)
        if (std::any_of(FTrayWatches.begin(), FTrayWatches.end(),
                        [&](const auto& W) { return W.first == token; }))
            handler();
}

TDesktopServices& DesktopServices() {
    return gServices ? *gServices : DefaultServices();
}

TDesktopServices* SetDesktopServices(TDesktopServices* Services) {
    TDesktopServices* old = gServices;
    gServices = Services;
    return old;
}
