// The player embedded in a native child window of a form, on a private X
// server with SDL's x11 video driver: the window shows the video, fitted with
// black bars, and a new panel size fits it again.

#include "PlayerTestSupport.h"
#include "tests/platform/backend/x11/TXvfbServer.h"
#include "tests/support/FixtureFrames.h"

#include "platform/backend/x11/TX11Backend.h"
#include "platform/backend/x11/X11Internal.h"
#include "platform/win/TNativeChildWindow.h"
#include "platform/win/WinApi.h"

#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <string>

namespace {

HWND MakeWindow(uint32_t AStyle, TRect ARect, HWND AParent) {
    return CreateWindowEx(0, "Test", "", AStyle, ARect.Left, ARect.Top, ARect.Width(), ARect.Height(),
                          AParent, 0, [](HWND, TMessage& m, const TCallNext& next) { next(m); });
}

bool Near(unsigned long APixel, fixture::Rgb AColour) {
    const int r = int(APixel >> 16 & 0xFF), g = int(APixel >> 8 & 0xFF), b = int(APixel & 0xFF);
    return std::abs(r - AColour.r) <= 40 && std::abs(g - AColour.g) <= 40 && std::abs(b - AColour.b) <= 40;
}

struct TSample {
    int X, Y;
    fixture::Rgb Colour;
};

class TCustomPlayerEmbed : public PlayerLibrariesTest {
protected:
    void SetUp() override {
        if (!TXvfbServer::Installed()) GTEST_SKIP() << "Xvfb is not installed: embedding needs an X server";
        FServer = std::make_unique<TXvfbServer>();
        // SDL's video init reads these; the harness's dummy driver would
        // draw nowhere.
        setenv("DISPLAY", FServer->Display().c_str(), 1);
        setenv("SDL_VIDEODRIVER", "x11", 1);
        InitWindowSystem(std::make_unique<TX11Backend>(FServer->Display().c_str()));
        FReader = XOpenDisplay(FServer->Display().c_str());
        ASSERT_NE(FReader, nullptr);
        PlayerLibrariesTest::SetUp();
    }
    void TearDown() override {
        DoneWindowSystem();
        if (FReader) XCloseDisplay(FReader);
        FServer.reset();
    }

    // The window's pixel, as the server holds it (0xRRGGBB).
    unsigned long Pixel(Window AWindow, int AX, int AY) {
        XImage* image = XGetImage(FReader, AWindow, AX, AY, 1, 1, AllPlanes, ZPixmap);
        if (!image) return 0xDEAD;
        const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
        XDestroyImage(image);
        return pixel;
    }

    // The bars of a AVideoWidth x AVideoHeight fixture picture shown at
    // (ALeft, ATop) scaled by AScale, with the points that must be black.
    std::vector<TSample> Expected(int AVideoWidth, int AVideoHeight, int ALeft, int ATop, double AScale,
                                  std::initializer_list<TPoint> ABlack) {
        std::vector<TSample> samples;
        const int row = fixture::BarRow(AVideoHeight);
        for (int bar : {0, 1, 3, 5, 6}) {
            const int x = fixture::ColumnCentre(bar, AVideoWidth, fixture::kBarCount);
            samples.push_back({ALeft + int(x * AScale), ATop + int(row * AScale), fixture::kBars[bar]});
        }
        for (TPoint p : ABlack)
            samples.push_back({p.X, p.Y, {0, 0, 0}});
        return samples;
    }
    bool Shows(Window AWindow, const std::vector<TSample>& ASamples) {
        for (const TSample& s : ASamples)
            if (!Near(Pixel(AWindow, s.X, s.Y), s.Colour)) return false;
        return true;
    }
    // Waits (serving the GUI thread) until the window shows the samples.
    ::testing::AssertionResult WaitShows(Window AWindow, const std::vector<TSample>& ASamples) {
        if (WaitServingFor([&] { return Shows(AWindow, ASamples); }, 5000))
            return ::testing::AssertionSuccess();
        auto failure = ::testing::AssertionFailure();
        for (const TSample& s : ASamples)
            failure << " (" << s.X << "," << s.Y << ")=" << std::hex << Pixel(AWindow, s.X, s.Y) << std::dec;
        return failure;
    }

    std::unique_ptr<TXvfbServer> FServer;
    Display* FReader = nullptr;
};

} // namespace

TEST_F(TCustomPlayerEmbed, ShowsTheVideoFittedIntoThePanelAndFitsItAgainWhenThePanelIsResized) {
    HWND form = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(40, 40, 440, 340), nullptr);
    HWND panel = MakeWindow(WS_CHILD | WS_VISIBLE, Bounds(20, 20, 400, 150), form);
    TNativeChildWindow native(panel);
    const Window id = native.WindowId();
    ASSERT_NE(id, 0u);
    const unsigned long errors = X11ErrorCount();

    TCustomPlayer player;
    player.SetHostWindow(&native);
    ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, true)) << player.LastErrMsg();
    EXPECT_EQ(player.ScreenHandle(), id);
    EXPECT_EQ(player.ScreenWidth(), 400);
    EXPECT_EQ(player.ScreenHeight(), 150);

    // 400 x 150: the 320 x 240 picture is 200 x 150 at x 100, black bars
    // left and right.
    EXPECT_TRUE(
        WaitShows(id, Expected(320, 240, 100, 0, 200.0 / 320, {{50, 75}, {96, 75}, {304, 75}, {380, 20}})));
    // 200 x 300: 200 x 150 at y 75, bars above and below.
    MoveWindow(panel, 20, 20, 200, 300);
    EXPECT_TRUE(WaitShows(
        id, Expected(320, 240, 0, 75, 200.0 / 320, {{100, 30}, {100, 71}, {100, 229}, {100, 280}})));
    EXPECT_EQ(player.ScreenWidth(), 200);
    EXPECT_EQ(player.ScreenHeight(), 300);

    // Closed and opened again (SDL starts afresh), into the same window at
    // the panel's present size, after a resize while nothing played.
    player.Stop(true);
    MoveWindow(panel, 20, 20, 320, 120);
    Serve(100);
    ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, true)) << player.LastErrMsg();
    EXPECT_EQ(player.ScreenWidth(), 320);
    EXPECT_EQ(player.ScreenHeight(), 120);
    // 320 x 120: 160 x 120 at x 80.
    EXPECT_TRUE(WaitShows(id, Expected(320, 240, 80, 0, 0.5, {{40, 60}, {76, 60}, {244, 60}})));

    player.Stop(true);
    XSync(FReader, False);
    EXPECT_EQ(X11ErrorCount(), errors);
    // The window outlives the player and is still the same one.
    EXPECT_EQ(native.WindowId(), id);
    XWindowAttributes attributes;
    EXPECT_TRUE(XGetWindowAttributes(FReader, id, &attributes));
}

TEST_F(TCustomPlayerEmbed, ExposedWindowIsDrawnAgain) {
    HWND form = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(40, 40, 440, 340), nullptr);
    HWND panel = MakeWindow(WS_CHILD | WS_VISIBLE, Bounds(20, 20, 320, 240), form);
    TNativeChildWindow native(panel);
    const Window id = native.WindowId();
    ASSERT_NE(id, 0u);
    TCustomPlayer player;
    player.SetHostWindow(&native);
    ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, true)) << player.LastErrMsg();
    const std::vector<TSample> picture = Expected(320, 240, 0, 0, 1.0, {});
    ASSERT_TRUE(WaitShows(id, picture));
    // Another client wipes the window: the server clears it to black and
    // reports the exposure, which only the player can repair.
    XClearArea(FReader, id, 0, 0, 0, 0, True);
    XSync(FReader, False);
    EXPECT_TRUE(WaitShows(id, picture));
}
