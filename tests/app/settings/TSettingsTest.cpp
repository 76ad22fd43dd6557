#include "app/settings/TSettings.h"

#include "app/settings/SettingsLocation.h"
#include "platform/base/Exception.h"

#include "SettingsFolders.h"

#include <functional>

namespace fs = std::filesystem;

class Settings : public SettingsFolders {
protected:
    std::string OutputDefault() const { return Home + "/Vantrel视频软件/输出"; }
    std::string SnapshotDefault() const { return Home + "/Vantrel视频软件/快照"; }
    std::string Stored(const char* section, const char* key) const {
        TMemIniFile ini(IniName());
        return ini.ReadString(section, key, "(absent)");
    }
};

// The start-up order: the main window reads the output folder, then the skin;
// the options form reads its section.
TEST_F(Settings, TheFirstStartWritesTheDefaultsInOrderAndCreatesTheOutputFolder) {
    TSettings settings(IniName());
    EXPECT_EQ(settings.ReadOutputFolder(), OutputDefault());
    EXPECT_EQ(settings.ReadSkinIndex(11), 0);
    EXPECT_EQ(settings.ReadOptions(), TConversionOptions{});
    EXPECT_EQ(settings.LastErrMsg(), "");
    EXPECT_TRUE(fs::is_directory(OutputDefault()));
    EXPECT_EQ(ReadText(IniName()),
              "[OutPath]\r\nOutPath=" + OutputDefault() +
                  "\r\n\r\n[Skin]\r\nSetSkin=0\r\n\r\n[Options]\r\nThread_Count=1\r\n"
                  "After_Done=0\r\nThread_Priority=3\r\nOverwrite_File=1\r\nShow_Preview=0\r\n");
}

TEST_F(Settings, WithoutAFileTheSkinStaysAndTheOptionsAreWrittenWhole) {
    TSettings settings(IniName());
    EXPECT_EQ(settings.ReadSkinIndex(11), std::nullopt);
    EXPECT_EQ(ReadText(IniName()), "[Skin]\r\nSetSkin=0\r\n");
    fs::remove(IniName());
    EXPECT_EQ(settings.ReadOptions(), TConversionOptions{});
    EXPECT_EQ(ReadText(IniName()), "[Options]\r\nThread_Count=1\r\nAfter_Done=0\r\nShow_Preview=0\r\n"
                                   "Thread_Priority=3\r\nOverwrite_File=1\r\n");
}

TEST_F(Settings, UnusableValuesAreReplacedByTheirDefaults) {
    using TReader = std::function<std::string(TSettings&)>;
    const TReader skin = [](TSettings& s) { return std::to_string(s.ReadSkinIndex(11).value_or(-1)); };
    const TReader options = [](TSettings& s) {
        TConversionOptions o = s.ReadOptions();
        return std::to_string(o.ThreadCount) + " " + std::to_string(o.AfterDone) + " " +
               std::to_string(o.ThreadPriority) + " " + std::to_string(o.OverwriteFile) + " " +
               std::to_string(o.ShowPreview);
    };
    const TReader output = [](TSettings& s) { return s.ReadOutputFolder(); };
    const TReader picture = [](TSettings& s) { return std::string(SnapshotTypeText(s.ReadSnapshotType())); };
    const std::string absent = "(absent)";
    struct Case {
        const char* section;
        const char* key;
        std::string value; // absent: no such key
        TReader read;
        std::string expectRead;
        std::string expectStored;
    };
    const Case cases[] = {
        {"OutPath", "OutPath", absent, output, OutputDefault(), OutputDefault()},
        {"OutPath", "OutPath", "", output, OutputDefault(), OutputDefault()},
        {"OutPath", "OutPath", "Error", output, OutputDefault(), OutputDefault()},
        {"OutPath", "OutPath", "out/relative", output, OutputDefault(), OutputDefault()},
        {"OutPath", "OutPath", Home + "/mine", output, Home + "/mine", Home + "/mine"},
        {"Skin", "SetSkin", absent, skin, "0", "0"},
        {"Skin", "SetSkin", "", skin, "0", "0"},
        {"Skin", "SetSkin", "Error", skin, "0", "0"},
        {"Skin", "SetSkin", "abc", skin, "-1", "abc"},
        {"Skin", "SetSkin", "$5", skin, "-1", "$5"},
        {"Skin", "SetSkin", "99", skin, "-1", "99"},
        {"Skin", "SetSkin", "-1", skin, "-1", "-1"},
        {"Skin", "SetSkin", "7", skin, "7", "7"},
        {"Skin", "SetSkin", "10", skin, "10", "10"},
        {"Options", "Thread_Priority", "9", options, "1 0 3 1 0", "3"},
        {"Options", "Thread_Priority", "0", options, "1 0 0 1 0", "0"},
        {"Options", "Thread_Count", "7", options, "7 0 3 1 0", "7"},
        {"Options", "Thread_Count", "19", options, "19 0 3 1 0", "19"},
        {"Options", "Thread_Count", "0", options, "1 0 3 1 0", "1"},
        {"Options", "Thread_Count", "20", options, "1 0 3 1 0", "1"},
        {"Options", "Thread_Count", "07", options, "1 0 3 1 0", "1"},
        {"Options", "After_Done", "2", options, "1 2 3 1 0", "2"},
        {"Options", "After_Done", "Error", options, "1 0 3 1 0", "0"},
        {"Options", "Overwrite_File", "0", options, "1 0 3 0 0", "0"},
        {"Options", "Overwrite_File", "2", options, "1 0 3 1 0", "1"},
        {"Options", "Show_Preview", "1", options, "1 0 3 1 1", "1"},
        {"Options", "Show_Preview", "yes", options, "1 0 3 1 0", "0"},
        {"SnapShot", "Picture", "png", picture, "BMP", "BMP"},
        {"SnapShot", "Picture", "Bmp", picture, "BMP", "BMP"},
        {"SnapShot", "Picture", "", picture, "BMP", "BMP"},
        {"SnapShot", "Picture", "PNG", picture, "PNG", "PNG"},
        {"SnapShot", "Picture", "GIF", picture, "GIF", "GIF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.value);
        std::string text = "[Other]\r\nx=1\r\n";
        if (c.value != absent)
            text += std::string("\r\n[") + c.section + "]\r\n" + c.key + "=" + c.value + "\r\n";
        WriteText(IniName(), text);
        TSettings settings(IniName());
        EXPECT_EQ(c.read(settings), c.expectRead);
        EXPECT_EQ(Stored(c.section, c.key), c.expectStored);
        EXPECT_EQ(Stored("Other", "x"), "1");
    }
}

TEST_F(Settings, AReadOnlyProgramFolderPutsTheFileInTheConfigFolder) {
    std::string fileName;
    {
        ReadOnlyFolder readOnly(Program, {Config, Home});
        TSettings settings(LocateSettingsFile(Program));
        EXPECT_EQ(settings.Location().Place, TSettingsPlace::ConfigFolder);
        fileName = settings.FileName();
        EXPECT_EQ(settings.ReadOutputFolder(), OutputDefault());
        EXPECT_EQ(settings.ReadSkinIndex(11), 0);
        EXPECT_EQ(settings.LastErrMsg(), "");
    }
    EXPECT_EQ(fileName, Config + "/duvavudezaruvove/option.ini");
    EXPECT_EQ(ReadText(fileName),
              "[OutPath]\r\nOutPath=" + OutputDefault() + "\r\n\r\n[Skin]\r\nSetSkin=0\r\n");
    EXPECT_EQ(FileCount(Program), 0);
}

TEST_F(Settings, AFailedWriteKeepsTheOldFileAndIsReported) {
    WriteText(IniName(), "[Skin]\r\nSetSkin=3\r\n");
    TSettings settings(IniName());
    settings.File().SetBeforeReplace(
        [](const std::string&) { throw EWriteError("No space left on device"); });
    EXPECT_FALSE(settings.WriteSkinIndex(5));
    EXPECT_NE(settings.LastErrMsg().find("No space left on device"), std::string::npos);
    // A reader still gives the default it could not write back.
    EXPECT_EQ(settings.ReadSnapshotType(), TSnapshotType::BMP);
    EXPECT_FALSE(settings.LastErrMsg().empty());
    EXPECT_EQ(ReadText(IniName()), "[Skin]\r\nSetSkin=3\r\n");
    EXPECT_EQ(FileCount(Program), 1);

    settings.File().SetBeforeReplace(nullptr);
    EXPECT_TRUE(settings.WriteSkinIndex(5));
    EXPECT_EQ(settings.LastErrMsg(), "");
    EXPECT_EQ(Stored("Skin", "SetSkin"), "5");
}

TEST_F(Settings, AnUnreadableFileIsKeptAsideAndSaidSo) {
    WriteText(IniName(), "\x89PNG\r\n\x1A\n");
    TSettings settings(IniName());
    EXPECT_EQ(settings.ReadSkinIndex(11), 0);
    EXPECT_EQ(settings.SetAsideName(), IniName() + ".broken-1");
    EXPECT_NE(settings.LastErrMsg().find(IniName() + ".broken-1"), std::string::npos);
    EXPECT_EQ(ReadText(IniName() + ".broken-1"), "\x89PNG\r\n\x1A\n");
    EXPECT_EQ(Stored("OutPath", "OutPath"), OutputDefault());
    EXPECT_EQ(Stored("SnapShot", "Picture"), "BMP");
}

TEST_F(Settings, MissingOutputFoldersAreCreatedWithTheirParents) {
    const std::string nested = Home + "/a/b/c";
    WriteText(IniName(), "[OutPath]\r\nOutPath=" + nested + "\r\n");
    TSettings settings(IniName());
    EXPECT_EQ(settings.ReadOutputFolder(), nested);
    EXPECT_EQ(settings.LastErrMsg(), "");
    EXPECT_TRUE(fs::is_directory(nested));
}

TEST_F(Settings, AFolderThatCannotBeCreatedIsReportedAndTheSettingKept) {
    WriteText(Home + "/file", "not a folder");
    const std::string impossible = Home + "/file/out";
    WriteText(IniName(), "[OutPath]\r\nOutPath=" + impossible + "\r\n");
    TSettings settings(IniName());
    EXPECT_EQ(settings.ReadOutputFolder(), impossible);
    EXPECT_NE(settings.LastErrMsg().find("Cannot create the folder \"" + impossible + "\""),
              std::string::npos)
        << settings.LastErrMsg();
    EXPECT_EQ(Stored("OutPath", "OutPath"), impossible);

    // Choosing a folder that does not exist changes nothing either.
    EXPECT_FALSE(settings.WriteOutputFolder(Home + "/missing"));
    EXPECT_FALSE(settings.LastErrMsg().empty());
    EXPECT_EQ(Stored("OutPath", "OutPath"), impossible);
    // Nor does a folder whose name the file cannot hold as it is.
    for (const std::string& odd : {Home + "/x\n[Skin]\nSetSkin=5", Home + "/trailing "}) {
        fs::create_directories(odd);
        EXPECT_FALSE(settings.WriteOutputFolder(odd));
        EXPECT_FALSE(settings.LastErrMsg().empty());
    }
    EXPECT_EQ(ReadText(IniName()), "[OutPath]\r\nOutPath=" + impossible + "\r\n");
    EXPECT_TRUE(settings.WriteOutputFolder(Home));
    EXPECT_EQ(Stored("OutPath", "OutPath"), Home);
}

TEST_F(Settings, OneSnapshotWithoutAFileWritesFolderAndTypeAndCreatesTheFolder) {
    TSettings settings(IniName());
    EXPECT_EQ(settings.ReadSnapshotFolder(), SnapshotDefault());
    EXPECT_EQ(settings.ReadSnapshotType(), TSnapshotType::BMP);
    EXPECT_TRUE(fs::is_directory(SnapshotDefault()));
    EXPECT_EQ(ReadText(IniName()), "[SnapShot]\r\nDir=" + SnapshotDefault() + "\r\nPicture=BMP\r\n");

    EXPECT_TRUE(settings.WriteSnapshotType(TSnapshotType::JPG));
    EXPECT_EQ(settings.ReadSnapshotType(), TSnapshotType::JPG);
    EXPECT_STREQ(SnapshotExtension(TSnapshotType::JPG), ".jpg");
    EXPECT_FALSE(settings.WriteSnapshotFolder(Home + "/not-there"));
    EXPECT_FALSE(fs::exists(Home + "/not-there")); // choosing does not create
    EXPECT_TRUE(settings.WriteSnapshotFolder(Home));
    EXPECT_EQ(settings.ReadSnapshotFolder(), Home);
}

TEST_F(Settings, TheOptionsFormWritesOnlyWhatItHolds) {
    WriteText(IniName(), "[Options]\r\nThread_Count=4\r\nAfter_Done=1\r\n");
    TSettings settings(IniName());
    TConversionOptions chosen{12, 3, true, 0, 0};
    EXPECT_TRUE(settings.WriteOptions(chosen, false)); // multi-thread off: the count stays
    EXPECT_EQ(Stored("Options", "Thread_Count"), "4");
    EXPECT_EQ(settings.ReadOptions(), (TConversionOptions{4, 3, true, 0, 0}));

    chosen.AfterDone = -1; // a group without a checked button
    EXPECT_TRUE(settings.WriteOptions(chosen, true));
    EXPECT_EQ(ReadText(IniName()), "[Options]\r\nThread_Count=12\r\nAfter_Done=3\r\nShow_Preview=1\r\n"
                                   "Thread_Priority=0\r\nOverwrite_File=0\r\n");
}

// The thread count and the preview switch are one value that every box and
// the converter follow.
TEST_F(Settings, ListenersFollowTheSharedOptions) {
    WriteText(IniName(), "[Options]\r\nShow_Preview=1\r\n");
    TSettings settings(IniName());
    std::vector<TConversionOptions> seen;
    int id = settings.AddOptionsListener([&](const TConversionOptions& o) { seen.push_back(o); });

    settings.ReadOptions(); // start-up turns the stored preview on
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen.back().ShowPreview);

    EXPECT_TRUE(settings.SetThreadCount(5));
    EXPECT_TRUE(settings.SetThreadCount(5)); // no change, no notice
    EXPECT_FALSE(settings.SetThreadCount(20));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen.back().ThreadCount, 5);
    EXPECT_EQ(Stored("Options", "Thread_Count"), "5");

    EXPECT_TRUE(settings.SetShowPreview(false));
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_FALSE(settings.Options().ShowPreview);
    EXPECT_EQ(Stored("Options", "Show_Preview"), "0");

    settings.RemoveOptionsListener(id);
    settings.SetShowPreview(true);
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_EQ(TSettings(IniName()).ReadOptions().ThreadCount, 5); // restored as written
}
