#pragma once

#include "platform/sys/TDesktopServices.h"

#include <vector>

class TX11Backend;
class TX11TrayIcon;

// The X display's desktop: the CLIPBOARD selection, the monitors and work
// areas the backend reads (XRandR, _NET_WORKAREA), and tray icons docked
// with the freedesktop system-tray protocol.
class TX11Desktop : public TDesktopServices {
public:
    explicit TX11Desktop(TX11Backend* Backend) : FBackend(Backend) {}
    // Icons still shown lose their windows with the connection.
    ~TX11Desktop() override;

    std::string ClipboardText() override;
    void SetClipboardText(const std::string& Text) override;
    std::vector<TDesktopMonitor> Monitors() override;
    // Only a running window manager gives a minimised window back.
    bool RestoresMinimizedWindows() override;
    // Null with NoTrayMessage at once when no tray manager owns the
    // _NET_SYSTEM_TRAY_S<screen> selection.
    std::unique_ptr<TTrayIcon> AddTrayIcon(const TTrayImage& Image, const std::string& Tip,
                                           std::string& Error) override;

    // A client message sent to the root window: a MANAGER announcement of
    // the tray selection means a tray manager (re)started.
    void RootClientMessage(unsigned long Type, unsigned long Selection);

private:
    friend class TX11TrayIcon;
    TX11Backend* FBackend;
    std::vector<TX11TrayIcon*> FIcons;
};
