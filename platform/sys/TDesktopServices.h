#pragma once

#include "platform/base/Types.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The desktop around the program, behind one narrow interface: the text
// clipboard, the shell opener, power-off, the notification-area (tray) icon
// and the monitors with their work areas. The backend in use serves it (the
// window system installs the backend's services when it starts); controls
// and the application reach the desktop only through DesktopServices(),
// never through a backend. Everything runs on the GUI thread.

struct TDesktopMonitor {
    TRect Bounds;   // screen coordinates
    TRect WorkArea; // Bounds less the desktop's panels
    bool Primary = false;
};

// What a user did to a tray icon, at a screen point.
enum class TTrayEventKind { tkClick, tkDoubleClick, tkMenu };
using TTrayEvent = std::function<void(TTrayEventKind Kind, TPoint ScreenPos)>;

// Mouse input on a tray icon as the desktop delivers it: each press, release
// and move; a second left press within the double-click time comes as
// tmDoubleClick in place of its press.
enum class TTrayMouseKind { tmMove, tmDown, tmUp, tmDoubleClick };
enum class TTrayButton { tbNone, tbLeft, tbRight, tbMiddle };
using TTrayMouseEvent = std::function<void(TTrayMouseKind Kind, TTrayButton Button, TPoint ScreenPos)>;

// Pixels of a tray icon: 0xAARRGGBB, rows top to bottom.
struct TTrayImage {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;
};

// An icon in the desktop's notification area, removed when destroyed.
class TTrayIcon {
public:
    virtual ~TTrayIcon() = default;
    virtual void SetImage(const TTrayImage& Image) = 0;
    virtual void SetTip(const std::string& Tip) = 0;
    // Where the icon is on the screen; empty when the desktop does not say.
    virtual TRect ScreenRect() const { return {}; }
    // Clicks and menu requests, on the GUI thread.
    TTrayEvent OnEvent;
    // The same input press by press, on the GUI thread.
    TTrayMouseEvent OnMouse;
};

class TDesktopServices {
public:
    virtual ~TDesktopServices() = default;

    // UTF-8 text; "" when the clipboard holds none. The default keeps it in
    // the process.
    virtual std::string ClipboardText();
    virtual void SetClipboardText(const std::string& Text);

    // The shell opener and power-off of platform/sys/Shell.h.
    virtual bool ShellOpen(const std::string& Target);
    virtual bool PowerOff();

    // Every monitor, the primary one among them; the default is one
    // 1024 x 768 monitor.
    virtual std::vector<TDesktopMonitor> Monitors();

    // True when the desktop keeps minimised windows where the user can give
    // them back (a window manager's task bar); the default says so.
    virtual bool RestoresMinimizedWindows() { return true; }

    // Shows an icon in the notification area. Null when the desktop has
    // none (or refuses the icon), with the reason in Error; never waits for
    // a tray that is not there.
    virtual std::unique_ptr<TTrayIcon> AddTrayIcon(const TTrayImage& Image, const std::string& Tip,
                                                   std::string& Error);

    // Handler runs whenever a tray host starts (a restarted tray manager):
    // icons shown before are gone from it and must be added again. Returns
    // a token for RemoveTrayHostWatch.
    uint64_t AddTrayHostWatch(std::function<void()> Handler);
    void RemoveTrayHostWatch(uint64_t Token);

protected:
    // A tray host started: every watch runs.
    void TrayHostStarted();

private:
    std::string FClipboard;
    std::vector<std::pair<uint64_t, std::function<void()>>> FTrayWatches;
    uint64_t FNextTrayWatch = 1;
};

// The services of the backend in use; before a backend installs its own, a
// default one (in-process clipboard, no tray).
TDesktopServices& DesktopServices();
// Installs Services (null: the default) and returns the previous ones. The
// caller keeps ownership and uninstalls them before they die.
TDesktopServices* SetDesktopServices(TDesktopServices* Services);

// The text the default and every backend give when there is no tray.
constexpr const char* NoTrayMessage = "The desktop has no notification area (system tray).";
