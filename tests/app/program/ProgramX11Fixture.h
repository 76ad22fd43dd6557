#pragma once
// The program as a user starts it, on a private X server with a home folder
// of its own, driven with XTest from a second connection: its start, the
// windows it shows, clicks and keys, and its exit code.

#include "TXvfbServer.h"

#include "platform/sys/ProgramFolder.h"
#include "tests/support/FixturePath.h"
#include "tests/support/TTempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

// Last: Xlib's macros would clash with the names above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

inline constexpr int ClientWidth = 870;
inline constexpr int ClientHeight = 515;

inline bool WaitFor(const std::function<bool()>& ADone, int ATimeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ATimeoutMs);
    while (!ADone()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

class ProgramX11 : public ::testing::Test {
protected:
    void SetUp() override {
        if (!TXvfbServer::Installed()) GTEST_SKIP() << "Xvfb is not installed";
        Server = std::make_unique<TXvfbServer>();
        FConnection = XOpenDisplay(Server->Display().c_str());
        ASSERT_NE(FConnection, nullptr);
        // The program's windows come and go while this connection reads them
        // (the splash above all): a window gone meanwhile is no failure.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
        // The program by a link of its own, so its settings file lands here.
        std::filesystem::create_directories(Folder.Path() + "program");
        std::filesystem::create_directories(Folder.Path() + "home");
        std::filesystem::create_directories(Folder.Path() + "tools");
        std::filesystem::create_hard_link(GetExePath() + "duvavudezaruvove",
                                          Folder.Path() + "program/duvavudezaruvove");
        std::filesystem::create_directory_symlink(GetExePath() + "LibAV", Folder.Path() + "program/LibAV");
        // The desktop's opener, recording what the program opens.
        Opened = Folder.Path() + "opened.txt";
        const std::string opener = Folder.Path() + "tools/xdg-open";
        std::ofstream(opener) << "#!/bin/sh\necho \"$1\" >> '" << Opened << "'\n";
        std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
        // The file to add waits in the home folder, where the open dialog starts.
        Folder.Link(FixturePath("clip.mkv"), "home/in.mkv");
    }
    void TearDown() override {
        if (Pid > 0) {
            kill(Pid, SIGKILL);
            waitpid(Pid, nullptr, 0);
        }
        if (FConnection) XCloseDisplay(FConnection);
    }

    // AVideoDriver: SDL's video driver for the preview ("x11" draws into the panel).
    void Start(const std::string& AVideoDriver = "dummy") {
        std::vector<std::string> env = {"DISPLAY=" + Server->Display(),
                                        "HOME=" + Folder.Path() + "home",
                                        "PATH=" + Folder.Path() + "tools:/usr/bin:/bin",
                                        "DUVA_NO_POWEROFF=1",
                                        "SDL_VIDEODRIVER=" + AVideoDriver,
                                        "SDL_AUDIODRIVER=dummy"};
        // A sanitized build's program runs with the test's sanitizer settings.
        for (const char* name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"})
            if (const char* value = getenv(name)) env.push_back(std::string(name) + "=" + value);
        std::vector<char*> envp;
        for (std::string& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        std::string program = Folder.Path() + "program/duvavudezaruvove";
        char* argv[] = {program.data(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, Folder.Path().c_str());
        ASSERT_EQ(posix_spawn(&Pid, program.c_str(), &actions, nullptr, argv, envp.data()), 0);
        posix_spawn_file_actions_destroy(&actions);
    }

    // The top-level window named ATitle, mapped; 0 when there is none.
    Window FindWindow(const std::string& ATitle) {
        Window root = DefaultRootWindow(FConnection), parent = 0, *children = nullptr;
        unsigned count = 0;
        Window found = 0;
        if (!XQueryTree(FConnection, root, &root, &parent, &children, &count)) return 0;
        for (unsigned i = 0; i < count && !found; ++i) {
            XWindowAttributes a;
            if (!XGetWindowAttributes(FConnection, children[i], &a) || a.map_state != IsViewable) continue;
            XTextProperty name;
            if (XGetWMName(FConnection, children[i], &name) && name.value) {
                if (reinterpret_cast<const char*>(name.value) == ATitle) found = children[i];
                XFree(name.value);
            }
        }
        if (children) XFree(children);
        return found;
    }
    // The screen origin of the window's client area: the skinned frame keeps
    // as much on the left as on the right and bottom, the rest on top.
    XPoint ClientOrigin(Window AWindow) {
        XWindowAttributes a;
        XGetWindowAttributes(FConnection, AWindow, &a);
        int x = 0, y = 0;
        Window child;
        XTranslateCoordinates(FConnection, AWindow, DefaultRootWindow(FConnection), 0, 0, &x, &y, &child);
        const int side = (a.width - ClientWidth) / 2;
        const int top = a.height - ClientHeight - side;
        return {static_cast<short>(x + side), static_cast<short>(y + top)};
    }
    // The child window of AParent of that size; 0 when there is none.
    Window ChildWindow(Window AParent, int AWidth, int AHeight) {
        Window root = 0, parent = 0, *children = nullptr;
        unsigned count = 0;
        Window found = 0;
        if (!XQueryTree(FConnection, AParent, &root, &parent, &children, &count)) return 0;
        for (unsigned i = 0; i < count && !found; ++i) {
            XWindowAttributes a;
            if (XGetWindowAttributes(FConnection, children[i], &a) && a.width == AWidth &&
                a.height == AHeight)
                found = children[i];
        }
        if (children) XFree(children);
        return found;
    }
    // Whether the window is mapped and its ancestors too.
    bool Viewable(Window AWindow) {
        XWindowAttributes a;
        return XGetWindowAttributes(FConnection, AWindow, &a) && a.map_state == IsViewable;
    }
    // The mapped top-level windows.
    std::vector<Window> MappedWindows() {
        Window root = DefaultRootWindow(FConnection), parent = 0, *children = nullptr;
        unsigned count = 0;
        std::vector<Window> found;
        if (!XQueryTree(FConnection, root, &root, &parent, &children, &count)) return found;
        for (unsigned i = 0; i < count; ++i)
            if (Viewable(children[i])) found.push_back(children[i]);
        if (children) XFree(children);
        return found;
    }
    // The pixel (0xRRGGBB) at (AX, AY) of the window as the server holds it.
    unsigned long Pixel(Window AWindow, int AX, int AY) {
        XImage* image = XGetImage(FConnection, AWindow, AX, AY, 1, 1, AllPlanes, ZPixmap);
        if (!image) return 0xDEAD;
        const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
        XDestroyImage(image);
        return pixel;
    }
    void Move(int AX, int AY) {
        XTestFakeMotionEvent(FConnection, -1, AX, AY, CurrentTime);
        XSync(FConnection, False);
    }
    void Click(int AX, int AY) {
        XTestFakeMotionEvent(FConnection, -1, AX, AY, CurrentTime);
        XTestFakeButtonEvent(FConnection, 1, True, CurrentTime);
        XTestFakeButtonEvent(FConnection, 1, False, CurrentTime);
        XSync(FConnection, False);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    void Key(KeySym ASym) {
        const KeyCode code = XKeysymToKeycode(FConnection, ASym);
        XTestFakeKeyEvent(FConnection, code, True, CurrentTime);
        XTestFakeKeyEvent(FConnection, code, False, CurrentTime);
        XSync(FConnection, False);
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
    // The window manager's close request.
    void RequestClose(Window AWindow) {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = AWindow;
        e.xclient.message_type = XInternAtom(FConnection, "WM_PROTOCOLS", False);
        e.xclient.format = 32;
        e.xclient.data.l[0] = static_cast<long>(XInternAtom(FConnection, "WM_DELETE_WINDOW", False));
        e.xclient.data.l[1] = CurrentTime;
        XSendEvent(FConnection, AWindow, False, NoEventMask, &e);
        XSync(FConnection, False);
    }
    // The main window, mapped and settled; its client origin in AClient.
    Window WaitForMainWindow(XPoint& AClient) {
        Window window = 0;
        if (!WaitFor([&] { return (window = FindWindow("DuvavudeZaruvove")) != 0; }, 20000)) return 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        AClient = ClientOrigin(window);
        return window;
    }
    // Adds home/in.mkv as a user does: the add button drops its menu, its
    // first row asks for one file in the open dialog, which starts in the
    // home folder with its name box focused.
    void AddFileWithOpenDialog(XPoint AClient) {
        Click(AClient.x + 44, AClient.y + 66);
        Click(AClient.x + 44, AClient.y + 106 + 12);
        ASSERT_TRUE(WaitFor([&] { return FindWindow("打开文件") != 0; }, 10000)) << "no open dialog";
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        for (KeySym sym : {XK_i, XK_n, XK_period, XK_m, XK_k, XK_v})
            Key(sym);
        Key(XK_Return);
        ASSERT_TRUE(WaitFor([&] { return FindWindow("打开文件") == 0; }, 10000));
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    std::optional<int> ExitCode(int ATimeoutMs) {
        int status = 0;
        const bool ended = WaitFor([&] { return waitpid(Pid, &status, WNOHANG) == Pid; }, ATimeoutMs);
        if (!ended) return std::nullopt;
        Pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    std::string OpenedText() {
        std::ifstream in(Opened);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    TTempFolder Folder;
    std::unique_ptr<TXvfbServer> Server;
    _XDisplay* FConnection = nullptr; // the test's own connection
    pid_t Pid = -1;
    std::string Opened;
};
