#pragma once

#include "platform/sys/TDesktopServices.h"

#include <memory>
#include <vector>

class THeadlessBackend;
class THeadlessTrayIcon;

// The headless backend's desktop: the in-process clipboard, the backend's
// configured monitors, and a recording tray host tests read and drive (or
// one that says there is no tray).
class THeadlessDesktop : public TDesktopServices {
public:
    explicit THeadlessDesktop(THeadlessBackend* Backend);
    ~THeadlessDesktop() override;

    std::vector<TDesktopMonitor> Monitors() override;
    std::unique_ptr<TTrayIcon> AddTrayIcon(const TTrayImage& Image, const std::string& Tip,
                                           std::string& Error) override;

    // ---- The recording tray host
    // Off: AddTrayIcon finds no tray, as on a desktop without one.
    void SetTrayAvailable(bool On) { FTrayAvailable = On; }
    // The icons shown now, oldest first.
    const std::vector<THeadlessTrayIcon*>& TrayIcons() const { return FIcons; }
    // The tray restarts: the icons shown are dropped from it (they stay
    // alive, shown nowhere), then the tray host watches run.
    void RestartTray();

private:
    friend class THeadlessTrayIcon;
    THeadlessBackend* FBackend;
    bool FTrayAvailable = true;
    std::vector<THeadlessTrayIcon*> FIcons;
};

// An icon the recording host shows: what it was given, and input a test
// sends it as a user would.
class THeadlessTrayIcon : public TTrayIcon {
public:
    THeadlessTrayIcon(THeadlessDesktop* Host, const TTrayImage& Image, const std::string& Tip);
    ~THeadlessTrayIcon() override;
    void SetImage(const TTrayImage& Image) override { FImage = Image; }
    void SetTip(const std::string& Tip) override { FTip = Tip; }

    const TTrayImage& Image() const { return FImage; }
    const std::string& Tip() const { return FTip; }
    // Raises OnEvent as the desktop would for a user's click or menu request.
    void Send(TTrayEventKind Kind, TPoint ScreenPos = {});
    // Raises OnMouse as the desktop would for one press, release or move.
    void SendMouse(TTrayMouseKind Kind, TTrayButton Button, TPoint ScreenPos = {});
    TRect ScreenRect() const override { return FScreenRect; }
    void SetScreenRect(const TRect& R) { FScreenRect = R; }
    // Still shown by the host (false after a restart dropped it).
    bool Shown() const { return FHost != nullptr; }

private:
    friend class THeadlessDesktop;
    THeadlessDesktop* FHost;
    TTrayImage FImage;
    std::string FTip;
    TRect FScreenRect;
};
