// The preview of the program as a user starts it, with SDL's x11 video
// driver: the selected row's video shows in the panel's own window, the
// snapshot menu opens with no hint left over it, and the snapshot picture
// writes a picture file.

#include "tests/support/FixtureFrames.h"

#include <algorithm>
#include <utility>

// Last: it brings Xlib, whose macros clash with the names above.
#include "ProgramX11Fixture.h"

namespace {

bool Near(unsigned long APixel, fixture::Rgb AColour) {
    const int r = int(APixel >> 16 & 0xFF), g = int(APixel >> 8 & 0xFF), b = int(APixel & 0xFF);
    return std::abs(r - AColour.r) <= 40 && std::abs(g - AColour.g) <= 40 && std::abs(b - AColour.b) <= 40;
}

// Width and height from a PNG file's header; {0, 0} when it is none.
std::pair<int, int> PngSize(const std::string& AFileName) {
    std::ifstream in(AFileName, std::ios::binary);
    unsigned char head[24] = {};
    if (!in.read(reinterpret_cast<char*>(head), sizeof head) || head[1] != 'P' || head[2] != 'N' ||
        head[3] != 'G')
        return {0, 0};
    auto be = [&](int AAt) {
        return head[AAt] << 24 | head[AAt + 1] << 16 | head[AAt + 2] << 8 | head[AAt + 3];
    };
    return {be(16), be(20)};
}

} // namespace

TEST_F(ProgramX11, TheSelectedRowPlaysInThePanelAndASnapshotFileAppears) {
    const std::string shots = Folder.Path() + "shots/";
    Folder.Write("program/option.ini", "[SnapShot]\nDir=" + shots + "\nPicture=PNG\n");
    Start("x11");
    XPoint client{};
    const Window window = WaitForMainWindow(client);
    ASSERT_NE(window, 0u) << "the main window never mapped";
    // Panel6, 251 x 136, is the window the player draws into.
    const Window panel = ChildWindow(window, 251, 136);
    ASSERT_NE(panel, 0u) << "the preview panel has no window of its own";
    AddFileWithOpenDialog(client);
    if (HasFatalFailure()) return;

    // The 320 x 240 picture is fitted to the panel's height and centred.
    const double scale = 136.0 / 240;
    const int left = (251 - int(320 * scale)) / 2;
    const int row = int(fixture::BarRow(240) * scale);
    auto showsVideo = [&] {
        for (int bar : {0, 1, 3, 5, 6}) {
            const int x = left + int(fixture::ColumnCentre(bar, 320, fixture::kBarCount) * scale);
            if (!Near(Pixel(panel, x, row), fixture::kBars[bar])) return false;
        }
        return Near(Pixel(panel, left / 2, row), {0, 0, 0});
    };
    auto black = [&] { return Near(Pixel(panel, left + 10, row), {0, 0, 0}); };
    // Clicking the row shows its video; a click below it leaves no row
    // selected, which stops the preview and blackens the panel; the row
    // selected again shows the video again.
    const int rowY = client.y + 121 + 30, belowY = client.y + 121 + 150;
    for (int y : {rowY, belowY, rowY}) {
        Click(client.x + 60, y);
        EXPECT_TRUE(WaitFor(y == rowY ? std::function<bool()>(showsVideo) : black, 10000))
            << "click at " << y - client.y << ": panel pixel " << std::hex << Pixel(panel, left + 10, row);
    }

    // The settings picture under the mouse shows its hint; pressing it opens
    // the snapshot menu, and the hint goes.
    const std::vector<Window> before = MappedWindows();
    auto added = [&] {
        std::vector<Window> shown;
        for (Window w : MappedWindows())
            if (std::find(before.begin(), before.end(), w) == before.end()) shown.push_back(w);
        return shown;
    };
    const int settingsX = client.x + 586 + 160 + 13, pictureY = client.y + 121 + 194 + 13;
    Move(settingsX - 1, pictureY);
    Move(settingsX, pictureY);
    std::vector<Window> hints;
    EXPECT_TRUE(WaitFor([&] { return !(hints = added()).empty(); }, 5000)) << "no hint";
    XTestFakeButtonEvent(FConnection, 1, True, CurrentTime);
    XTestFakeButtonEvent(FConnection, 1, False, CurrentTime);
    XSync(FConnection, False);
    std::vector<Window> menus;
    ASSERT_TRUE(WaitFor(
        [&] {
            menus.clear();
            for (Window w : added())
                if (std::find(hints.begin(), hints.end(), w) == hints.end()) menus.push_back(w);
            return !menus.empty();
        },
        5000))
        << "no snapshot menu";
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_EQ(added(), menus) << "a hint stays over the open menu";
    Key(XK_Escape);
    EXPECT_TRUE(WaitFor([&] { return added().empty(); }, 5000)) << "the menu stays open";

    // The snapshot picture writes the frame shown.
    Click(client.x + 586 + 130 + 13, pictureY);
    const std::string shot = shots + "in_1.png";
    EXPECT_TRUE(WaitFor([&] { return PngSize(shot) == std::pair(320, 240); }, 10000)) << shot;

    RequestClose(window);
    EXPECT_EQ(ExitCode(20000), std::optional<int>(0));
}
