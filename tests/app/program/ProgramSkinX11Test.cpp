// The skin command of the started program, as a user gives it: on a private X
// server, the skin button on the tool bar clicked, a skin chosen in the
// dialog with the keyboard, the window redrawn in that skin, and the choice
// still there when the program starts again.
//
// What "in that skin" means is read from the main window's screenshots in
// resources/skins/, drawn headless from the same skins.

#include "platform/gdi/ImageCodecs.h"
#include "platform/gdi/TBitmap.h"

// Last: it brings Xlib, whose macros would clash with the names above.
#include "ProgramX11Fixture.h"

namespace {

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

class ProgramSkinX11 : public ProgramX11 {
protected:
    // Starts the program and waits for its main window to show; its client
    // origin in AClient.
    Window StartAndWait(XPoint& AClient) {
        Start();
        const Window window = WaitForMainWindow(AClient);
        EXPECT_NE(window, 0u) << "the main window never mapped";
        return window;
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
        RequestClose(AWindow);
        EXPECT_EQ(ExitCode(20000), std::optional<int>(0));
    }
    std::string StoredSkin() {
        const std::string text = ReadText(Folder.Path() + "program/option.ini");
        const std::size_t at = text.find("SetSkin=");
        if (at == std::string::npos) return "(absent)";
        return text.substr(at + 8, text.find_first_of("\r\n", at) - at - 8);
    }
};

} // namespace

TEST_F(ProgramSkinX11, ASkinChosenFromTheToolBarRedrawsTheWindowAndIsThereAfterARestart) {
    XPoint client{};
    Window window = StartAndWait(client);
    ASSERT_NE(window, 0u);
    // Away from every control: nothing shows its hover look.
    Move(client.x + 1000, client.y + 700);
    double share = 0;
    // A first start: the first skin.
    EXPECT_TRUE(LooksLike(window, "Porcelain", share)) << share;
    EXPECT_EQ(StoredSkin(), "0");

    // The skin button of the tool bar: client 256, 26, 80 x 80.
    Click(client.x + 296, client.y + 66);
    ASSERT_TRUE(WaitFor([&] { return FindWindow("选择皮肤") != 0; }, 10000)) << "no skin dialog";
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    // The list has the focus on the current skin: three down is the fourth, "森林".
    for (int i = 0; i < 3; ++i) {
        Key(XK_Down);
        std::this_thread::sleep_for(std::chrono::milliseconds(70));
    }
    Key(XK_Return);
    ASSERT_TRUE(WaitFor([&] { return FindWindow("选择皮肤") == 0; }, 10000)) << "the dialog stayed";
    Move(client.x + 1000, client.y + 700);
    EXPECT_TRUE(LooksLike(window, "Forest", share)) << share;
    EXPECT_LT(ShareLike(window, Screenshot("Porcelain")), 0.5);
    EXPECT_EQ(StoredSkin(), "3");

    Close(window);
    window = StartAndWait(client);
    ASSERT_NE(window, 0u);
    Move(client.x + 1000, client.y + 700);
    EXPECT_TRUE(LooksLike(window, "Forest", share)) << share;
    Close(window);
    EXPECT_EQ(StoredSkin(), "3");
}
