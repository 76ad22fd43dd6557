// The skin command of the started program, as a user gives it: on a private X
// server, the skin button on the tool bar clicked, a skin chosen in the
// dialog with the keyboard, the window redrawn in that skin, and the choice
// still there when the program starts again.
//
// What "in that skin" means is read from the main window's screenshots in
// resources/skins/, drawn headless from the same skins.

#include "TXvfbServer.h"

#include "platform/gdi/ImageCodecs.h"
#include "platform/gdi/TBitmap.h"
#include "platform/sys/ProgramFolder.h"
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

namespace fs = std::filesystem;

namespace {

bool WaitFor(const std::function<bool()>& ADone, int ATimeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ATimeoutMs);
    while (!ADone()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

std::string ReadText(const std::string& AFileName) {
    std::ifstream in(AFileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The headless screenshot of the main window under the named skin.
TBitmap Screenshot(const std::string& ASkin) {
    const char* source = std::getenv("DUVA_SOURCE_DIR");
    const std::string file = std::string(source ? source : ".") + "/resources/skins/" + ASkin + ".png";
    TBitmap picture;
    DecodePng(ReadText(file), picture);
    return picture;
}

class ProgramSkinX11 : public ::testing::Test {
protected:
    void SetUp() override {
        if (!TXvfbServer::Installed()) GTEST_SKIP() << "Xvfb is not installed";
        Server = std::make_unique<TXvfbServer>();
        FConnection = XOpenDisplay(Server->Display().c_str());
        ASSERT_NE(FConnection, nullptr);
        // The splash goes while this connection may be reading it.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
        // The program by a link of its own, so its settings file lands here.
        fs::create_directories(Folder.Path() + "program");
        fs::create_directories(Folder.Path() + "home");
        fs::create_hard_link(GetExePath() + "duvavudezaruvove", Folder.Path() + "program/duvavudezaruvove");
        fs::create_directory_symlink(GetExePath() + "LibAV", Folder.Path() + "program/LibAV");
    }
    void TearDown() override {
        if (Pid > 0) {
            kill(Pid, SIGKILL);
            waitpid(Pid, nullptr, 0);
        }
        if (FConnection) XCloseDisplay(FConnection);
    }

    // Starts the program and waits for its main window to show.
    Window Start() {
        std::vector<std::string> env = {"DISPLAY=" + Server->Display(), "HOME=" + Folder.Path() + "home",
                                        "PATH=/usr/bin:/bin",           "DUVA_NO_POWEROFF=1",
                                        "SDL_VIDEODRIVER=dummy",        "SDL_AUDIODRIVER=dummy"};
        for (const char* name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"})
            if (const char* value = getenv(name)) env.push_back(std::string(name) + "=" + value);
        std::vector<char*> envp;
        for (std::string& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        std::string program = Folder.Path() + "program/duvavudezaruvove";
        char* argv[] = {program.data(), nullptr};
        EXPECT_EQ(posix_spawn(&Pid, program.c_str(), nullptr, nullptr, argv, envp.data()), 0);
        Window window = 0;
        EXPECT_TRUE(WaitFor([&] { return (window = FindWindow("DuvavudeZaruvove")) != 0; }, 20000))
            << "the main window never mapped";
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        return window;
    }
    // The mapped top-level window named ATitle; 0 when there is none.
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
    XPoint Origin(Window AWindow) {
        int x = 0, y = 0;
        Window child;
        XTranslateCoordinates(FConnection, AWindow, DefaultRootWindow(FConnection), 0, 0, &x, &y, &child);
        return {static_cast<short>(x), static_cast<short>(y)};
    }
    void Click(int AX, int AY) {
        XTestFakeMotionEvent(FConnection, -1, AX, AY, CurrentTime);
        XTestFakeButtonEvent(FConnection, 1, True, CurrentTime);
        XTestFakeButtonEvent(FConnection, 1, False, CurrentTime);
        XSync(FConnection, False);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    void MoveTo(int AX, int AY) {
        XTestFakeMotionEvent(FConnection, -1, AX, AY, CurrentTime);
        XSync(FConnection, False);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    void Key(KeySym ASym) {
        const KeyCode code = XKeysymToKeycode(FConnection, ASym);
        XTestFakeKeyEvent(FConnection, code, True, CurrentTime);
        XTestFakeKeyEvent(FConnection, code, False, CurrentTime);
        XSync(FConnection, False);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    // Where the client area lies in the window: the skinned frame keeps as
    // much on the left as on the right and bottom, the rest on top.
    XPoint ClientOffset(Window AWindow) {
        XWindowAttributes a;
        XGetWindowAttributes(FConnection, AWindow, &a);
        const int side = (a.width - 870) / 2;
        return {static_cast<short>(side), static_cast<short>(a.height - 515 - side)};
    }
    // The share of the window's pixels, 0 to 1, that equal APicture's at the
    // same place (a window of another size shares none).
    double ShareLike(Window AWindow, const TBitmap& APicture) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(FConnection, AWindow, &a)) return 0;
        if (a.width != APicture.Width() || a.height != APicture.Height()) return 0;
        XImage* image = XGetImage(FConnection, AWindow, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
        if (!image) return 0;
        // The player's screen (client 596, 146, 251 x 136) is the player's own
        // window here, black; the headless picture has none there.
        const XPoint client = ClientOffset(AWindow);
        const auto onScreen = [&](int x, int y) {
            return x >= client.x + 596 && x < client.x + 596 + 251 && y >= client.y + 146 &&
                   y < client.y + 146 + 136;
        };
        long same = 0, counted = 0;
        for (int y = 0; y < a.height; ++y)
            for (int x = 0; x < a.width; ++x) {
                if (onScreen(x, y)) continue;
                ++counted;
                if ((XGetPixel(image, x, y) & 0xFFFFFF) == (APicture.ScanLine(y)[x] & 0xFFFFFF)) ++same;
            }
        XDestroyImage(image);
        return counted ? double(same) / double(counted) : 0;
    }
    // Waits until the window looks like the screenshot of ASkin.
    bool LooksLike(Window AWindow, const std::string& ASkin, double& AShare) {
        const TBitmap picture = Screenshot(ASkin);
        return WaitFor([&] { return (AShare = ShareLike(AWindow, picture)) > 0.99; }, 10000);
    }
    void Close(Window AWindow) {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = AWindow;
        e.xclient.message_type = XInternAtom(FConnection, "WM_PROTOCOLS", False);
        e.xclient.format = 32;
        e.xclient.data.l[0] = static_cast<long>(XInternAtom(FConnection, "WM_DELETE_WINDOW", False));
        e.xclient.data.l[1] = CurrentTime;
        XSendEvent(FConnection, AWindow, False, NoEventMask, &e);
        XSync(FConnection, False);
        int status = 0;
        ASSERT_TRUE(WaitFor([&] { return waitpid(Pid, &status, WNOHANG) == Pid; }, 20000)) << "still running";
        Pid = -1;
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::string StoredSkin() {
        const std::string text = ReadText(Folder.Path() + "program/option.ini");
        const std::size_t at = text.find("SetSkin=");
        if (at == std::string::npos) return "(absent)";
        return text.substr(at + 8, text.find_first_of("\r\n", at) - at - 8);
    }

    TTempFolder Folder;
    std::unique_ptr<TXvfbServer> Server;
    _XDisplay* FConnection = nullptr;
    pid_t Pid = -1;
};

} // namespace

TEST_F(ProgramSkinX11, ASkinChosenFromTheToolBarRedrawsTheWindowAndIsThereAfterARestart) {
    Window window = Start();
    ASSERT_NE(window, 0u);
    XPoint origin = Origin(window);
    // Away from every control: nothing shows its hover look.
    MoveTo(origin.x + 1000, origin.y + 700);
    double share = 0;
    // A first start: the first skin.
    EXPECT_TRUE(LooksLike(window, "Porcelain", share)) << share;
    EXPECT_EQ(StoredSkin(), "0");

    // The skin button of the tool bar: client 256, 26, 80 x 80.
    const XPoint client = ClientOffset(window);
    Click(origin.x + client.x + 296, origin.y + client.y + 66);
    ASSERT_TRUE(WaitFor([&] { return FindWindow("选择皮肤") != 0; }, 10000)) << "no skin dialog";
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    // The list has the focus on the current skin: three down is the fourth, "森林".
    for (int i = 0; i < 3; ++i)
        Key(XK_Down);
    Key(XK_Return);
    ASSERT_TRUE(WaitFor([&] { return FindWindow("选择皮肤") == 0; }, 10000)) << "the dialog stayed";
    MoveTo(origin.x + 1000, origin.y + 700);
    EXPECT_TRUE(LooksLike(window, "Forest", share)) << share;
    EXPECT_LT(ShareLike(window, Screenshot("Porcelain")), 0.5);
    EXPECT_EQ(StoredSkin(), "3");

    Close(window);
    window = Start();
    ASSERT_NE(window, 0u);
    origin = Origin(window);
    MoveTo(origin.x + 1000, origin.y + 700);
    EXPECT_TRUE(LooksLike(window, "Forest", share)) << share;
    Close(window);
    EXPECT_EQ(StoredSkin(), "3");
}
