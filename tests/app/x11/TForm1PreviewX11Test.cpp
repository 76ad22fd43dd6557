// The main window on a private X server, as the program runs it: selecting a
// row plays the file into Panel6 through SDL's x11 driver, so the panel shows
// the video's colours, and a click on the snapshot picture writes the file.

#include "X11Fixture.h"
#include "XPixelProbe.h"

#include "app/TForm1.h"
#include "app/TForm1Preview.h"
#include "media/TFFmpegLoader.h"
#include "platform/sys/MainThread.h"
#include "platform/vcl/TApplication.h"
#include "platform/win/TNativeChildWindow.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/controls/TlxSkinPanel.h"
#include "skin/dialogs/SkinDialogsRegistration.h"
#include "tests/support/FixtureFrames.h"
#include "tests/support/FixturePath.h"
#include "tests/support/TTempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <optional>

namespace {

class TForm1PreviewX11Test : public X11Fixture {
protected:
    void SetUp() override {
        X11Fixture::SetUp();
        if (IsSkipped()) return;
        // SDL's video init reads these: the harness's dummy driver would draw nowhere.
        setenv("DISPLAY", DisplayName().c_str(), 1);
        setenv("SDL_VIDEODRIVER", "x11", 1);
        ASSERT_TRUE(FFLoader.Load(PlayerLibraries)) << FFLoader.LastErrMsg();
    }
    void TearDown() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        X11Fixture::TearDown();
    }

    unsigned long Pixel(unsigned long AWindow, int AX, int AY) {
        return WindowPixel(Other(), AWindow, AX, AY);
    }
    static bool Near(unsigned long APixel, fixture::Rgb AColour) {
        const int r = int(APixel >> 16 & 0xFF), g = int(APixel >> 8 & 0xFF), b = int(APixel & 0xFF);
        return std::abs(r - AColour.r) <= 40 && std::abs(g - AColour.g) <= 40 &&
               std::abs(b - AColour.b) <= 40;
    }
};

TEST_F(TForm1PreviewX11Test, ASelectedRowShowsTheVideoInThePanelAndASnapshotFileAppears) {
    RegisterSkinControls();
    RegisterSkinDialogClasses();
    RegisterMainFormClass();
    Application->Initialize();
    TTempFolder folder;
    folder.Write("option.ini", "[SnapShot]\nDir=" + folder.Path() + "shots\nPicture=PNG\n");
    TSettings settings(folder.Path() + "option.ini");
    TForm1::SettingsFileName = folder.Path() + "option.ini";
    TForm1* form = TCustomForm::Create<TForm1>(nullptr);
    form->Preview().AttachSettings(settings);
    form->Show();
    Pump();
    ASSERT_NE(form->Preview().ScreenWindow(), nullptr);
    const unsigned long screen = form->Preview().ScreenWindow()->WindowId();
    ASSERT_NE(screen, 0u);

    form->Controller().OnPreview(FixturePath("clip_1s.mkv"));
    EXPECT_EQ(form->Preview().VIDedazu().ScreenHandle(), screen);
    // 251 x 136: the 320 x 240 picture is fitted to the height, centred.
    const int width = form->Panel6->ClientWidth(), height = form->Panel6->ClientHeight();
    const double scale = double(height) / 240;
    const int left = (width - int(320 * scale)) / 2;
    const int row = int(fixture::BarRow(240) * scale);
    auto shows = [&] {
        for (int bar : {0, 1, 3, 5, 6}) {
            const int x = left + int(fixture::ColumnCentre(bar, 320, fixture::kBarCount) * scale);
            if (!Near(Pixel(screen, x, row), fixture::kBars[bar])) return false;
        }
        return Near(Pixel(screen, left / 2, row), {0, 0, 0});
    };
    EXPECT_TRUE(PumpUntil(shows, 5000)) << "panel pixel " << std::hex << Pixel(screen, left + 10, row);

    // The snapshot picture, clicked with the real mouse.
    TControl* snapshot = dynamic_cast<TControl*>(form->FindComponent("lxSkinLinkImage5"));
    ASSERT_NE(snapshot, nullptr);
    Click(snapshot->ClientToScreen({snapshot->Width() / 2, snapshot->Height() / 2}));
    const std::string shot = folder.Path() + "shots/clip_1s_1.png";
    EXPECT_TRUE(PumpUntil([&] { return std::filesystem::exists(shot); }, 3000));
    form->Free();
    TForm1::SettingsFileName.clear();
}

} // namespace
