// The snapshot and the snapshot menu over the settings file, a recording
// player and a recorded shell opener.

#include "app/preview/TSnapshotCommands.h"
#include "app/conversion/IConversionDialogs.h"
#include "app/preview/TPreviewPanel.h"
#include "app/settings/SettingsLocation.h"
#include "platform/gdi/ImageCodecs.h"
#include "tests/app/preview/FakePreviewPlayer.h"
#include "tests/app/settings/SettingsFolders.h"

#include <algorithm>

namespace {

struct RecordedDesktop : IDesktopServices {
    std::vector<std::string> Opened;
    bool OpenFolder(const std::string& AFolder) override {
        Opened.push_back(AFolder);
        return true;
    }
    bool PowerOff() override { return false; }
};

class TSnapshotCommandsTest : public SettingsFolders {
protected:
    void SetUp() override {
        SettingsFolders::SetUp();
        Settings.emplace(IniName());
        Commands.emplace(Panel, *Settings, Desktop);
        Commands->OnStatus = [this](const std::string& AText) { Status = AText; };
        Panel.T_Movie_PLayer_FileName = "/videos/clip.avi";
        Player.Frame.SetPixelFormat(pf24bit);
        Player.Frame.SetSize(64, 48);
        std::fill_n(Player.Frame.Bits(), 64 * 48, 0xFFF08030u);
        Shots = Root + "/shots";
    }
    void Store(const std::string& AText) { WriteText(IniName(), AText); }
    std::string Ini() const { return ReadText(IniName()); }

    FakePreviewPlayer Player;
    TPreviewPanel Panel{Player};
    RecordedDesktop Desktop;
    std::optional<TSettings> Settings;
    std::optional<TSnapshotCommands> Commands;
    std::string Status;
    std::string Shots;
};

TEST_F(TSnapshotCommandsTest, WithoutASettingsFileASnapshotWritesTheDefaultsAndABitmap) {
    const std::string name = Commands->lxSkinButton22Click();
    const std::string folder = Home + "/Vantrel视频软件/快照";
    EXPECT_EQ(DefaultSnapshotFolder(), folder);
    EXPECT_EQ(name, folder + "/clip_1.bmp");
    TBitmap picture;
    DecodeImage(ReadText(name), picture);
    EXPECT_EQ(picture.Width(), 64);
    EXPECT_EQ(picture.Height(), 48);
    EXPECT_EQ(picture.ScanLine(10)[10] & 0xFFFFFF, 0xF08030u);
    EXPECT_NE(Ini().find("Dir=" + folder), std::string::npos);
    EXPECT_NE(Ini().find("Picture=BMP"), std::string::npos);
    EXPECT_EQ(Status, "");
}

TEST_F(TSnapshotCommandsTest, NothingOpenWritesNoPictureButStillReadsTheSettings) {
    Player.Frame.SetSize(0, 0);
    Store("[SnapShot]\nDir=" + Shots + "\nPicture=png\n");
    EXPECT_EQ(Commands->lxSkinButton22Click(), "");
    EXPECT_TRUE(std::filesystem::is_directory(Shots));
    EXPECT_EQ(FileCount(Shots), 0);
    // A lower-case type is no type: it goes back to BMP.
    EXPECT_NE(Ini().find("Picture=BMP"), std::string::npos);
    EXPECT_EQ(Commands->CheckedType(), TSnapshotType::BMP);
}

TEST_F(TSnapshotCommandsTest, TheTypeEntriesStoreTheirTextAndTheNextSnapshotUsesIt) {
    Store("[SnapShot]\nDir=" + Shots + "\n");
    struct Case {
        void (TSnapshotCommands::*Click)();
        TSnapshotType Type;
        const char* Text;
        const char* File;
        TImageFormat Format;
    };
    for (const Case& c :
         {Case{&TSnapshotCommands::JPG1Click, TSnapshotType::JPG, "JPG", "clip_1.jpg", ifJpeg},
          Case{&TSnapshotCommands::GIF1Click, TSnapshotType::GIF, "GIF", "clip_1.gif", ifGif},
          Case{&TSnapshotCommands::PNG1Click, TSnapshotType::PNG, "PNG", "clip_1.png", ifPng},
          Case{&TSnapshotCommands::BMP1Click, TSnapshotType::BMP, "BMP", "clip_1.bmp", ifBmp}}) {
        ((*Commands).*c.Click)();
        EXPECT_EQ(Commands->CheckedType(), c.Type);
        EXPECT_NE(Ini().find(std::string("Picture=") + c.Text), std::string::npos) << c.Text;
        EXPECT_EQ(Commands->lxSkinButton22Click(), Shots + "/" + c.File);
        EXPECT_EQ(DetectImageFormat(ReadText(Shots + "/" + c.File)), c.Format);
    }
}

TEST_F(TSnapshotCommandsTest, TheSettingsClickMarksTheStoredType) {
    Store("[SnapShot]\nDir=" + Shots + "\nPicture=GIF\n");
    Commands->lxSkinButton23Click();
    EXPECT_EQ(Commands->CheckedType(), TSnapshotType::GIF);
    // Only the four exact texts count: any other becomes "BMP".
    for (const char* stored : {"Jpeg", "png", "bmp", ""}) {
        Store("[SnapShot]\nDir=" + Shots + "\nPicture=GIF\n");
        Commands->lxSkinButton23Click();
        Store("[SnapShot]\nDir=" + Shots + "\nPicture=" + stored + "\n");
        Commands->lxSkinButton23Click();
        EXPECT_EQ(Commands->CheckedType(), TSnapshotType::BMP) << stored;
        EXPECT_NE(Ini().find("Picture=BMP"), std::string::npos) << stored;
    }
}

TEST_F(TSnapshotCommandsTest, OpenFolderCreatesTheStoredFolderAndHandsItToTheOpener) {
    Store("[SnapShot]\nDir=" + Shots + "/new/deeper\n");
    Commands->MenuItem1Click();
    EXPECT_EQ(Desktop.Opened, (std::vector<std::string>{Shots + "/new/deeper"}));
    EXPECT_TRUE(std::filesystem::is_directory(Shots + "/new/deeper"));
}

TEST_F(TSnapshotCommandsTest, SetFolderStoresAnExistingChoiceAndCancelChangesNothing) {
    const std::string stored = "[SnapShot]\nDir=" + Shots + "\nPicture=PNG\n";
    Store(stored);
    std::optional<std::string> choice;
    Commands->SelectFolder = [&] { return choice; };
    Commands->MenuItem2Click(); // cancelled
    EXPECT_EQ(Ini(), stored);
    EXPECT_FALSE(std::filesystem::exists(Shots));
    choice = Root + "/not-there";
    Commands->MenuItem2Click();
    EXPECT_EQ(Ini(), stored);
    EXPECT_FALSE(std::filesystem::exists(*choice));
    choice = Program;
    Commands->MenuItem2Click();
    EXPECT_NE(Ini().find("Dir=" + Program), std::string::npos);
    EXPECT_EQ(Commands->lxSkinButton22Click(), Program + "/clip_1.png");
}

TEST_F(TSnapshotCommandsTest, AWriteFailureSaysSoInTheStatusPanelAndLeavesNoFile) {
    // The folder cannot be made: a file stands where its parent should be.
    WriteText(Root + "/blocker", "x");
    Store("[SnapShot]\nDir=" + Root + "/blocker/shots\nPicture=PNG\n");
    EXPECT_EQ(Commands->lxSkinButton22Click(), "");
    EXPECT_EQ(Status.rfind("快照保存失败：", 0), 0u) << Status;
    EXPECT_NE(Status.find("blocker"), std::string::npos) << Status;
    EXPECT_EQ(FileCount(Root), 3); // home, program (with option.ini), blocker: nothing else
    EXPECT_EQ(FileCount(Program), 1);
}

TEST_F(TSnapshotCommandsTest, CaptureSavesABitmapForBmpNamesAndAJpegForEveryOtherName) {
    std::filesystem::create_directories(Shots);
    struct Case {
        const char* Name;
        TImageFormat Format;
    };
    for (const Case& c : {Case{"a.bmp", ifBmp}, Case{"b.BmP", ifBmp}, Case{"c.jpg", ifJpeg},
                          Case{"d.png", ifJpeg}, Case{"e", ifJpeg}, Case{"bmp", ifJpeg}}) {
        const std::string name = Shots + "/" + c.Name;
        Commands->SaveCaptureAs = [&] { return std::optional<std::string>(name); };
        EXPECT_EQ(Commands->btnCaptureClick(), name);
        const std::string data = ReadText(name);
        EXPECT_EQ(DetectImageFormat(data), c.Format) << c.Name;
        TBitmap picture;
        DecodeImage(data, picture);
        EXPECT_EQ(picture.Width(), 64) << c.Name;
        EXPECT_EQ(picture.Height(), 48) << c.Name;
    }
    // The dialog asked before an existing name was chosen: it is replaced.
    WriteText(Shots + "/a.bmp", "old");
    Commands->SaveCaptureAs = [&] { return std::optional<std::string>(Shots + "/a.bmp"); };
    EXPECT_EQ(Commands->btnCaptureClick(), Shots + "/a.bmp");
    EXPECT_EQ(DetectImageFormat(ReadText(Shots + "/a.bmp")), ifBmp);
    EXPECT_EQ(Status, "");
}

TEST_F(TSnapshotCommandsTest,
       CaptureAsksNothingWithoutAFrameWritesNothingOnCancelAndKeepsTheOldFileOnFailure) {
    int asked = 0;
    std::optional<std::string> choice;
    Commands->SaveCaptureAs = [&] {
        ++asked;
        return choice;
    };
    Player.Frame.SetSize(0, 0);
    EXPECT_EQ(Commands->btnCaptureClick(), "");
    EXPECT_EQ(asked, 0);
    Player.Frame.SetSize(64, 48);
    EXPECT_EQ(Commands->btnCaptureClick(), ""); // cancelled
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(FileCount(Root), 2); // home and program

    // A folder where the file should be: the write fails, the status says so.
    std::filesystem::create_directories(Shots + "/taken.jpg");
    choice = Shots + "/taken.jpg";
    EXPECT_EQ(Commands->btnCaptureClick(), "");
    EXPECT_EQ(Status.rfind("快照保存失败：", 0), 0u) << Status;
    EXPECT_TRUE(std::filesystem::is_directory(Shots + "/taken.jpg"));
    EXPECT_EQ(FileCount(Shots), 1);
}

} // namespace
