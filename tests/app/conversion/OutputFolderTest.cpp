#include "app/conversion/OpenDialogFilter.h"
#include "app/settings/TSettings.h"
#include "tests/app/conversion/ControllerFixture.h"

class OutputFolder : public ControllerFixture {
protected:
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (int i = 0; i < Controller.Files().Count(); ++i)
            names.push_back(Cell(i, fcOutputFile));
        return names;
    }
};

TEST_F(OutputFolder, ANewFolderGivesEveryRowANameFreeThereAndNeverAnInput) {
    Controller.lxSkinImagesMenu1Change(AviEntry);
    const std::string a = Make("a.avi");
    Dialogs.Files = std::vector<std::string>{a, Make("b.mp4"), Make("c.mp4")};
    Controller.Button8Click();
    ASSERT_EQ(Names(), (std::vector<std::string>{"c.avi", "b.avi", "a.avi"}));

    // The inputs' own folder: a.avi is an input there, b.avi a file on disk.
    std::ofstream(Dir / "in" / "b.avi") << "taken";
    Dialogs.OutputDirectory = (Dir / "in").string();
    Controller.lxSkinButton5Click();
    EXPECT_EQ(Controller.OutputFolder, (Dir / "in").string());
    EXPECT_EQ(Names(), (std::vector<std::string>{"c.avi", "b_1.avi", "a_1.avi"}));

    // The start builds every output in the folder chosen last.
    ASSERT_TRUE(Controller.btnStartClick());
    ASSERT_EQ(Converter.Outputs.size(), 3u);
    EXPECT_EQ(Converter.Outputs[2].FileName, (Dir / "in" / "a_1.avi").string());
    EXPECT_NE(Converter.Outputs[2].FileName, a);
}

TEST_F(OutputFolder, CancelAMissingFolderOrARunningConversionChangeNothing) {
    const std::string before = Controller.OutputFolder;
    Controller.lxSkinButton5Click(); // cancelled
    Dialogs.OutputDirectory = (Dir / "gone").string();
    Controller.lxSkinButton5Click();
    EXPECT_EQ(Controller.OutputFolder, before);

    AddFile(Make("a.avi"));
    ASSERT_TRUE(Controller.btnStartClick());
    Dialogs.OutputDirectory = (Dir / "in").string();
    const int calls = Dialogs.OpenCalls;
    Controller.lxSkinButton5Click();
    EXPECT_EQ(Dialogs.OpenCalls, calls) << "the browse button is disabled while converting";
    EXPECT_EQ(Controller.OutputFolder, before);

    Controller.lxSkinButton6Click();
    EXPECT_EQ(Desktop.Opened, std::vector<std::string>{before});
}

TEST_F(OutputFolder, TheSettingsFileHoldsTheFolderAndTheThreadCount) {
    const std::string ini = (Dir / "option.ini").string();
    const std::string stored = (Dir / "stored" / "deep").string();
    {
        std::filesystem::create_directories(stored);
        TSettings writer(ini);
        ASSERT_TRUE(writer.WriteOutputFolder(stored));
        std::filesystem::remove_all(Dir / "stored");
    }
    TSettings settings(ini);
    TConversionController controller(Converter, Prober, Dialogs, Desktop);
    controller.AttachSettings(settings);
    controller.Initialize();
    // Read at start-up, the missing folder made again.
    EXPECT_EQ(controller.OutputFolder, stored);
    EXPECT_TRUE(std::filesystem::is_directory(stored));
    // The open dialogs' filters, the first entry selected.
    EXPECT_EQ(Dialogs.Filter, OpenDialogFilter());
    EXPECT_EQ(Dialogs.FilterIndex, 0);

    // A browsed folder is written back.
    Dialogs.OutputDirectory = (Dir / "out").string();
    controller.lxSkinButton5Click();
    EXPECT_EQ(TSettings(ini).ReadOutputFolder(), (Dir / "out").string());

    // The options form's count is what a run uses; its preview box switches
    // the converter's preview.
    ASSERT_TRUE(settings.SetShowPreview(true));
    EXPECT_TRUE(Converter.Preview);
    ASSERT_TRUE(settings.SetThreadCount(3));
    Dialogs.File = Make("a.avi");
    controller.btnAddClick();
    ASSERT_TRUE(controller.btnStartClick());
    EXPECT_EQ(Converter.StartedWith, 3);
}

TEST(OpenDialogFilterText, HasItsFourEntriesAllFilesFirst) {
    const std::string& filter = OpenDialogFilter();
    EXPECT_EQ(std::count(filter.begin(), filter.end(), '|'), 8);
    EXPECT_EQ(filter.rfind("所有文件格式 (*.*)|*.*|支持的视频/音频文件格式|*.AVI;", 0), 0u);
    EXPECT_NE(filter.find("*.SWF;*.FLAC;"), std::string::npos);
    EXPECT_NE(filter.find("|支持的视频文件格式|"), std::string::npos);
    EXPECT_EQ(filter.substr(filter.size() - 7), ";*.AC3|");
}
