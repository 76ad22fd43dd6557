#include "platform/backend/headless/THeadlessDesktop.h"

#include "platform/backend/headless/THeadlessBackend.h"

#include <algorithm>

THeadlessDesktop::THeadlessDesktop(THeadlessBackend* Backend) : FBackend(Backend) {}

THeadlessDesktop::~THeadlessDesktop() {
    for (THeadlessTrayIcon* icon : FIcons)
        icon->FHost = nullptr;
}

std::vector<TDesktopMonitor> THeadlessDesktop::Monitors() {
    return FBackend->Monitors();
}

std::unique_ptr<TTrayIcon> THeadlessDesktop::AddTrayIcon(const TTrayImage& Image, const std::string& Tip,
                                                         std::string& Error) {
    if (!FTrayAvailable) return TDesktopServices::AddTrayIcon(Image, Tip, Error);
    return std::make_unique<THeadlessTrayIcon>(this, Image, Tip);
}

THeadlessTrayIcon::THeadlessTrayIcon(THeadlessDesktop* Host, const TTrayImage& Image, const std::string& Tip)
    : FHost(Host), FImage(Image), FTip(Tip) {
    FHost->FIcons.push_back(this);
}

THeadlessTrayIcon::~THeadlessTrayIcon() {
    if (FHost) std::erase(FHost->FIcons, this);
}

void THeadlessDesktop::RestartTray() {
    for (THeadlessTrayIcon* icon : FIcons)
        icon->FHost = nullptr;
    FIcons.clear();
    TrayHostStarted();
}

void THeadlessTrayIcon::SendMouse(TTrayMouseKind Kind, TTrayButton Button, TPoint ScreenPos) {
    // A copy: the handler may destroy the icon.
    TTrayMouseEvent event = OnMouse;
    if (event) event(Kind, Button, ScreenPos);
}

void THeadlessTrayIcon::Send(TTrayEventKind Kind, TPoint ScreenPos) {
    // A copy: the handler may destroy the icon.
    TTrayEvent event = OnEvent;
    if (event) event(Kind, ScreenPos);
}
