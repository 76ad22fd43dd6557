#pragma once

#include "platform/sys/TDesktopServices.h"

#include <cstdint>

class TX11Backend;
class TX11Desktop;
union _XEvent;

// A tray icon on X: a small window of ours handed to the tray manager with
// SYSTEM_TRAY_REQUEST_DOCK, which embeds it (XEmbed). Its name carries the
// tip; a left press is a click (two within 400 ms a double click), a right
// press asks for the menu.
class TX11TrayIcon : public TTrayIcon {
public:
    // Docks with Manager, the owner of the tray selection.
    TX11TrayIcon(TX11Backend* Backend, unsigned long Manager, const TTrayImage& Image,
                 const std::string& Tip);
    ~TX11TrayIcon() override;
    TX11TrayIcon(const TX11TrayIcon&) = delete;
    TX11TrayIcon& operator=(const TX11TrayIcon&) = delete;

    void SetImage(const TTrayImage& Image) override;
    void SetTip(const std::string& Tip) override;
    TRect ScreenRect() const override;

    unsigned long XWindow() const { return FWindow; }
    // The tray manager of the display's screen, or 0 when there is none.
    static unsigned long FindManager(TX11Backend* Backend);
    // The _NET_SYSTEM_TRAY_S<screen> selection atom.
    static unsigned long TrayAtom(TX11Backend* Backend);

private:
    friend class TX11Desktop;
    // The connection is closing: nothing is left to remove.
    void Detach();
    void HandleEvent(_XEvent& Event);
    void Draw();

    TX11Backend* FBackend;
    TX11Desktop* FDesktop = nullptr;
    unsigned long FWindow = 0;
    TTrayImage FImage;
    unsigned long FLastClick = 0; // server time of the last left press
    bool* FAlive = nullptr;       // cleared when destroyed inside a handler
};
