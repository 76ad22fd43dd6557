#include "app/settings/TSettingsFile.h"

#include "platform/base/Exception.h"

#include "SettingsFolders.h"

#include <thread>
#include <vector>

using SettingsFile = SettingsFolders;

namespace {
const std::string Defaults = "[Skin]\r\nSetSkin=0\r\n";

auto Writes(const char* section, const char* key, std::string value) {
    return [=](TMemIniFile& ini, bool) {
        ini.WriteString(section, key, value);
        return true;
    };
}
} // namespace

TEST_F(SettingsFile, AnInterruptedWriteLeavesTheOldFileAndNoTemporary) {
    WriteText(IniName(), "[Skin]\r\nSetSkin=3\r\n");
    TSettingsFile file(IniName(), Defaults);
    std::string temp;
    file.SetBeforeReplace([&](const std::string& name) {
        temp = name;
        // The new content is complete and flushed before anything is replaced.
        EXPECT_EQ(ReadText(name), "[Skin]\r\nSetSkin=5\r\n");
        throw EWriteError("interrupted");
    });
    EXPECT_THROW(file.Update(Writes("Skin", "SetSkin", "5")), EWriteError);
    EXPECT_EQ(temp.rfind(IniName() + ".tmp-", 0), 0u) << temp;
    EXPECT_EQ(ReadText(IniName()), "[Skin]\r\nSetSkin=3\r\n");
    EXPECT_EQ(FileCount(Program), 1);

    file.SetBeforeReplace(nullptr);
    file.Update(Writes("Skin", "SetSkin", "5"));
    EXPECT_EQ(ReadText(IniName()), "[Skin]\r\nSetSkin=5\r\n");
}

TEST_F(SettingsFile, OnlyAChangedContentIsWritten) {
    TSettingsFile file(IniName(), Defaults);
    bool existed = true;
    file.Update([&](TMemIniFile&, bool e) { return existed = e, false; });
    EXPECT_FALSE(existed);
    EXPECT_FALSE(std::filesystem::exists(IniName()));
    file.Update(Writes("A", "k", "v"));
    file.Update([&](TMemIniFile& ini, bool e) {
        existed = e;
        EXPECT_EQ(ini.ReadString("a", "K", ""), "v");
        return false;
    });
    EXPECT_TRUE(existed);
}

TEST_F(SettingsFile, AFileThatCannotBeParsedIsKeptAsideAndTheDefaultsWritten) {
    struct Case {
        const char* what;
        std::string content;
    };
    const Case cases[] = {
        {"binary", std::string("[Skin]\r\nSetSkin=1\0\x01\x02", 20)},
        {"not UTF-8", "[OutPath]\r\nOutPath=/home/\xCA\xE4\xB3\xF6\r\n"},
        {"no section at all", "SetSkin=1\nsomething else\n"},
        {"too large", "[Skin]\r\n" + std::string(TSettingsFile::MaxFileSize, ';')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(Program);
        std::filesystem::create_directories(Program);
        WriteText(IniName(), c.content);
        TSettingsFile file(IniName(), Defaults);
        file.Update(Writes("Options", "Show_Preview", "1"));
        EXPECT_EQ(file.SetAsideName(), IniName() + ".broken-1");
        EXPECT_EQ(ReadText(IniName() + ".broken-1"), c.content);
        EXPECT_EQ(ReadText(IniName()), Defaults + "\r\n[Options]\r\nShow_Preview=1\r\n");
    }

    // A second broken file does not replace the first one kept aside.
    WriteText(IniName(), "nonsense");
    TSettingsFile file(IniName(), Defaults);
    file.Update([](TMemIniFile&, bool) { return false; });
    EXPECT_EQ(file.SetAsideName(), IniName() + ".broken-2");
    EXPECT_EQ(ReadText(IniName()), Defaults);
    file.Update([](TMemIniFile&, bool) { return false; });
    EXPECT_EQ(file.SetAsideName(), "");
}

TEST_F(SettingsFile, BlankFilesAndCommentsWithSectionsAreSettings) {
    for (const std::string content : {"", "\r\n  \r\n", "\xEF\xBB\xBF[Skin]\r\n; note\r\nSetSkin=2\r\n"}) {
        WriteText(IniName(), content);
        TSettingsFile file(IniName(), Defaults);
        file.Update([](TMemIniFile&, bool) { return false; });
        EXPECT_EQ(file.SetAsideName(), "");
        EXPECT_EQ(ReadText(IniName()), content);
    }
}

TEST_F(SettingsFile, ConcurrentWritersNeitherInterleaveNorLoseKeys) {
    constexpr int Writers = 6, Rounds = 25;
    std::vector<std::thread> threads;
    for (int w = 0; w < Writers; ++w) {
        threads.emplace_back([&, w] {
            TSettingsFile file(IniName(), Defaults);
            for (int r = 1; r <= Rounds; ++r)
                file.Update(Writes("Writers", ("w" + std::to_string(w)).c_str(), std::to_string(r)));
        });
    }
    for (std::thread& t : threads)
        t.join();

    TMemIniFile ini("");
    ini.SetText(ReadText(IniName()));
    TStringList keys;
    ini.ReadSection("Writers", keys);
    EXPECT_EQ(keys.Count(), Writers);
    for (int w = 0; w < Writers; ++w)
        EXPECT_EQ(ini.ReadString("Writers", "w" + std::to_string(w), ""), std::to_string(Rounds));
    EXPECT_EQ(FileCount(Program), 1);
}
