// The program as a user starts it: on an X server of its own, the splash
// first, then the main window; closing the main window ends it with code 0.

#include "TXvfbServer.h"
#include "XClientProbe.h"

#include "tests/support/TTempFolder.h"

// Before Xlib, whose macros (None) clash with its names.
#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using namespace std::chrono_literals;

// A second connection to the server that looks at the program's windows.
class TWatcher {
public:
    explicit TWatcher(const std::string& display) : FDisplay(XOpenDisplay(display.c_str())) {
        // A window can go between listing it and asking for its attributes
        // (the splash does); Xlib's default handler would end the test then.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    }
    ~TWatcher() {
        if (FDisplay) XCloseDisplay(FDisplay);
    }
    bool Connected() const { return FDisplay != nullptr; }

    struct TWindow {
        Window Id;
        int Width, Height;
        std::string Name;
    };
    // The top-level windows shown now.
    std::vector<TWindow> Viewable() {
        std::vector<TWindow> shown;
        Window root, parent, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(FDisplay, DefaultRootWindow(FDisplay), &root, &parent, &children, &count))
            return shown;
        for (unsigned i = 0; i < count; ++i) {
            XWindowAttributes a;
            if (!XGetWindowAttributes(FDisplay, children[i], &a) || a.map_state != IsViewable) continue;
            shown.push_back({children[i], a.width, a.height, Name(children[i])});
        }
        if (children) XFree(children);
        return shown;
    }
    // What a window manager sends for its close button.
    void RequestClose(Window w) { SendCloseRequest(FDisplay, w); }

private:
    std::string Name(Window w) {
        Atom utf8 = XInternAtom(FDisplay, "UTF8_STRING", False);
        Atom netName = XInternAtom(FDisplay, "_NET_WM_NAME", False);
        Atom type;
        int format;
        unsigned long n, after;
        unsigned char* data = nullptr;
        std::string name;
        if (XGetWindowProperty(FDisplay, w, netName, 0, 1024, False, utf8, &type, &format, &n, &after,
                               &data) == Success &&
            data) {
            name.assign(reinterpret_cast<char*>(data), n);
            XFree(data);
        }
        return name;
    }

    Display* FDisplay;
};

// The program, copied into a folder of its own so that its settings file
// lands there, with HOME in that folder too.
class TStartedProgram {
public:
    TStartedProgram(const std::string& display, const TTempFolder& folder) {
        const std::string built = std::string(std::getenv("DUVA_BINARY_DIR")) + "/bin/duvavudezaruvove";
        const std::string program = folder.Path() + "duvavudezaruvove";
        std::filesystem::copy_file(built, program);
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            const std::string entry = *e;
            if (entry.rfind("DISPLAY=", 0) != 0 && entry.rfind("HOME=", 0) != 0) env.push_back(entry);
        }
        env.push_back("DISPLAY=" + display);
        env.push_back("HOME=" + folder.Path());
        std::vector<char*> envp;
        for (std::string& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        std::string arg0 = program;
        char* argv[] = {arg0.data(), nullptr};
        if (posix_spawn(&FPid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) FPid = -1;
    }
    ~TStartedProgram() {
        if (FPid > 0 && !FExit) {
            kill(FPid, SIGKILL);
            waitpid(FPid, nullptr, 0);
        }
    }
    bool Started() const { return FPid > 0; }
    // The exit code once the program has ended, within timeout.
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout) {
        const auto end = std::chrono::steady_clock::now() + timeout;
        while (!FExit && std::chrono::steady_clock::now() < end) {
            int status = 0;
            if (waitpid(FPid, &status, WNOHANG) == FPid)
                FExit = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            else
                std::this_thread::sleep_for(10ms);
        }
        return FExit;
    }

private:
    pid_t FPid = -1;
    std::optional<int> FExit;
};

} // namespace

TEST(StartedProgram, ShowsTheSplashThenTheMainWindowAndEndsWithCodeZeroWhenItCloses) {
    if (!TXvfbServer::Installed()) GTEST_SKIP() << "Xvfb is not installed";
    TXvfbServer server;
    TTempFolder folder;
    TWatcher watcher(server.Display());
    ASSERT_TRUE(watcher.Connected());
    TStartedProgram program(server.Display(), folder);
    ASSERT_TRUE(program.Started());

    // Watch until the main window shows: the splash (518 by 335, no frame)
    // must have shown before it and be gone by then.
    bool splashSeen = false;
    std::optional<Window> main;
    const auto end = std::chrono::steady_clock::now() + 60s;
    while (!main && std::chrono::steady_clock::now() < end) {
        bool splashNow = false;
        for (const TWatcher::TWindow& w : watcher.Viewable()) {
            if (w.Width == 518 && w.Height == 335) splashNow = true;
            if (w.Name == "DuvavudeZaruvove") main = w.Id;
        }
        splashSeen = splashSeen || splashNow;
        if (main) EXPECT_FALSE(splashNow) << "the splash goes before the main window shows";
        if (!main) std::this_thread::sleep_for(10ms);
        ASSERT_FALSE(program.WaitForExit(0ms)) << "the program ended during its start";
    }
    EXPECT_TRUE(splashSeen);
    ASSERT_TRUE(main) << "no main window within a minute";

    watcher.RequestClose(*main);
    EXPECT_EQ(program.WaitForExit(30s), std::optional<int>(0));
}
