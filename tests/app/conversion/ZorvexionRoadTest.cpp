// The conversion road over the media engine's own conversion component.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/conversion/TConversionController.h"
#include "app/conversion/TZorvexionConverter.h"
#include "media/TFFmpegLoader.h"
#include "media/task/TZorvexion.h"
#include "tests/app/conversion/ScriptedConverter.h"
#include "tests/support/FixturePath.h"
#include "tests/support/TTempFolder.h"

TEST(ZorvexionRoad, AClipIsAddedConvertedAndReportedOnTheGuiThread) {
    TTempFolder folder;
    TZorvexion zorvex;
    TZorvexionConverter converter(zorvex);
    TZorvexionProber prober(zorvex);
    TRecordingDialogs dialogs;
    TRecordingDesktop desktop;
    TConversionController controller(converter, prober, dialogs, desktop);
    controller.LibraryFolder = FFLoader.LibraryPath();
    controller.OutputFolder = folder.Path();
    controller.Initialize();
    controller.lxSkinImagesMenu1Change(5); // "AVI视频"

    dialogs.File = FixturePath("clip.mkv");
    controller.btnAddClick();
    ASSERT_EQ(controller.Files().Count(), 1) << controller.StatusText();
    EXPECT_NE(controller.Files().Text(0, fcDuration), "N/A");
    EXPECT_EQ(controller.Files().Text(0, fcOutputFile), "clip.avi");

    // An unreadable file is refused with the prober's reason.
    const std::string junk = folder.Write("junk.avi", "not a media file");
    dialogs.File = junk;
    controller.btnAddClick();
    EXPECT_EQ(controller.Files().Count(), 1);
    EXPECT_NE(controller.StatusText().find("junk.avi"), std::string::npos);

    ASSERT_TRUE(controller.btnStartClick()) << controller.StatusText();
    ASSERT_TRUE(WaitServingFor([&] { return controller.State() == TRunState::Finished; }, 120000));
    EXPECT_EQ(controller.Files().Text(0, fcProgress), "100%");
    EXPECT_TRUE(dialogs.Failures.empty());
    EXPECT_TRUE(std::filesystem::exists(folder.Path() + "clip.avi"));
    EXPECT_EQ(controller.StatusText().rfind("所有视频转换完成！", 0), 0u);
}
