#include "platform/backend/x11/TX11Desktop.h"

#include "platform/backend/x11/TX11Backend.h"
#include "platform/backend/x11/TX11TrayIcon.h"
#include "platform/backend/x11/X11Internal.h"

TX11Desktop::~TX11Desktop() {
    for (TX11TrayIcon* icon : FIcons)
        icon->Detach();
}

std::string TX11Desktop::ClipboardText() {
    return FBackend->ClipboardText();
}

void TX11Desktop::SetClipboardText(const std::string& Text) {
    FBackend->SetClipboardText(Text);
}

std::vector<TDesktopMonitor> TX11Desktop::Monitors() {
    return FBackend->Monitors();
}

bool TX11Desktop::RestoresMinimizedWindows() {
    return FBackend->WindowManagerRunning();
}

std::unique_ptr<TTrayIcon> TX11Desktop::AddTrayIcon(const TTrayImage& Image, const std::string& Tip,
                                                    std::string& Error) {
    unsigned long manager = TX11TrayIcon::FindManager(FBackend);
    if (!manager) return TDesktopServices::AddTrayIcon(Image, Tip, Error);
    auto icon = std::make_unique<TX11TrayIcon>(FBackend, manager, Image, Tip);
    FIcons.push_back(icon.get());
    icon->FDesktop = this;
    return icon;
}

void TX11Desktop::RootClientMessage(unsigned long Type, unsigned long Selection) {
    Display* d = FBackend->Display();
    if (Type != XInternAtom(d, "MANAGER", False) || Selection != TX11TrayIcon::TrayAtom(FBackend)) return;
    TrayHostStarted();
}
