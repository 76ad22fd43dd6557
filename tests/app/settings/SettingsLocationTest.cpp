#include "app/settings/SettingsLocation.h"

#include "SettingsFolders.h"

using SettingsLocation = SettingsFolders;

TEST_F(SettingsLocation, BesideAWritableProgramAndInTheConfigFolderOtherwise) {
    TSettingsLocation beside = LocateSettingsFile(Program + "/");
    EXPECT_EQ(beside.FileName, Program + "/option.ini");
    EXPECT_EQ(beside.Place, TSettingsPlace::ProgramFolder);
    EXPECT_EQ(LocateSettingsFile(Program).FileName, Program + "/option.ini");

    TSettingsLocation elsewhere;
    {
        ReadOnlyFolder readOnly(Program, {Config});
        elsewhere = LocateSettingsFile(Program);
    }
    EXPECT_EQ(elsewhere.FileName, Config + "/duvavudezaruvove/option.ini");
    EXPECT_EQ(elsewhere.Place, TSettingsPlace::ConfigFolder);
    EXPECT_TRUE(std::filesystem::is_directory(Config + "/duvavudezaruvove"));
    EXPECT_EQ(FileCount(Program), 0); // the probe left nothing behind
}

TEST_F(SettingsLocation, ConfigFolderFollowsXdgRules) {
    struct Case {
        const char* xdg; // nullptr: unset
        std::string expected;
    };
    const Case cases[] = {
        {"/somewhere/cfg", "/somewhere/cfg/duvavudezaruvove"},
        {"/somewhere/cfg/", "/somewhere/cfg/duvavudezaruvove"},
        {"relative/cfg", Home + "/.config/duvavudezaruvove"}, // relative values are ignored
        {"", Home + "/.config/duvavudezaruvove"},
        {nullptr, Home + "/.config/duvavudezaruvove"},
    };
    for (const Case& c : cases) {
        if (c.xdg)
            ::setenv("XDG_CONFIG_HOME", c.xdg, 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(SettingsConfigFolder(), c.expected) << (c.xdg ? c.xdg : "(unset)");
    }
}

TEST_F(SettingsLocation, SettingsOfAReadOnlyProgramFolderCarryOver) {
    WriteText(IniName(), "[Skin]\r\nSetSkin=4\r\n");
    TSettingsLocation location;
    {
        ReadOnlyFolder readOnly(Program, {Config});
        location = LocateSettingsFile(Program);
    }
    ASSERT_EQ(location.Place, TSettingsPlace::ConfigFolder);
    EXPECT_EQ(ReadText(location.FileName), "[Skin]\r\nSetSkin=4\r\n");

    // Once there, the copy is the settings file: it is not copied again.
    WriteText(location.FileName, "[Skin]\r\nSetSkin=2\r\n");
    {
        ReadOnlyFolder readOnly(Program, {Config});
        location = LocateSettingsFile(Program);
    }
    EXPECT_EQ(ReadText(location.FileName), "[Skin]\r\nSetSkin=2\r\n");
}

TEST_F(SettingsLocation, DefaultFoldersLieBelowHome) {
    EXPECT_EQ(DefaultOutputFolder(), Home + "/Vantrel视频软件/输出");
    EXPECT_EQ(DefaultSnapshotFolder(), Home + "/Vantrel视频软件/快照");
}
