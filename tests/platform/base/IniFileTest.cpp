#include "platform/base/IniFile.h"
#include "platform/base/Exception.h"
#include "platform/base/FileStream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(TMemIniFile, ReadRules) {
    TMemIniFile ini("");
    ini.SetText("\xEF\xBB\xBF"
                "orphan=1\r\n"
                "[Main]\r\n"
                "  Name = \"quoted\"  \r\n"
                ";Name=comment\r\n"
                "Empty=\r\n"
                "Hex=$1F\r\n"
                "Hex2=0x10\r\n"
                "Bad=12abc\r\n"
                "Dup=first\r\n"
                "dup=second\r\n"
                "On=1\r\n"
                "[ main ]\r\n"
                "Late=yes\n");
    struct {
        const char* section;
        const char* key;
        const char* value;
    } strings[] = {
        {"MAIN", "name", "\"quoted\""},                           // case, trimming, no quote stripping
        {"Main", "Empty", ""},                                    // present but empty: not the default
        {"Main", "Absent", "<def>"},    {"Main", "Dup", "first"}, // first duplicate wins
        {"Main", ";Name", "<def>"},                               // comments are not keys
        {"Main", "Late", "yes"},                                  // a repeated section continues the first
        {"", "orphan", "<def>"},                                  // keys before the first section are ignored
    };
    for (auto c : strings)
        EXPECT_EQ(ini.ReadString(c.section, c.key, "<def>"), c.value) << c.key;
    struct {
        const char* key;
        int value;
    } ints[] = {{"Hex", 31}, {"Hex2", 16}, {"Bad", -5}, {"Empty", -5}, {"Absent", -5}};
    for (auto c : ints)
        EXPECT_EQ(ini.ReadInteger("Main", c.key, -5), c.value) << c.key;
    EXPECT_TRUE(ini.ReadBool("Main", "On", false));
    EXPECT_TRUE(ini.ReadBool("Main", "Bad", true));
    EXPECT_FALSE(ini.SectionExists("Nothing"));
    EXPECT_TRUE(ini.SectionExists("main"));

    TStringList keys;
    ini.ReadSection("Main", keys);
    EXPECT_EQ(keys.CommaText(), "Name,Empty,Hex,Hex2,Bad,Dup,dup,On,Late");
    ini.ReadSectionValues("Main", keys);
    EXPECT_EQ(keys[0], "Name=\"quoted\"");
}

TEST(TMemIniFile, WritesKeepPlacesAndErasedSectionsMoveToTheEnd) {
    TMemIniFile ini("");
    ini.WriteString("A", "x", "1");
    ini.WriteString("B", "y", "2");
    ini.WriteString("A", "z", " 3 ");
    ini.WriteString("a", "X", "4"); // rewritten in place, first spelling kept
    EXPECT_EQ(ini.Text(), "[A]\r\nx=4\r\nz=3\r\n\r\n[B]\r\ny=2\r\n");
    ini.EraseSection("A");
    EXPECT_FALSE(ini.ValueExists("A", "x"));
    ini.WriteInteger("A", "n", -2);
    TStringList sections;
    ini.ReadSections(sections);
    EXPECT_EQ(sections.CommaText(), "B,A");
    ini.DeleteKey("A", "n");
    EXPECT_FALSE(ini.SectionExists("A")); // no key left
}

// Lookups stay right after the sections before them are erased and after
// the first of two duplicate keys is deleted.
TEST(TMemIniFile, LookupsFollowErasedSectionsAndDeletedKeys) {
    TMemIniFile ini("");
    ini.SetText("[One]\nk=1\n[Two]\nk=2\nDup=a\ndup=b\n[Three]\nk=3\n");
    ini.EraseSection("one");
    EXPECT_EQ(ini.ReadString("two", "K", ""), "2");
    EXPECT_EQ(ini.ReadString("THREE", "k", ""), "3");
    ini.DeleteKey("Two", "DUP");
    EXPECT_EQ(ini.ReadString("Two", "dup", ""), "b");
    ini.WriteString("One", "k", "new");
    EXPECT_EQ(ini.ReadString("one", "k", ""), "new");
    EXPECT_EQ(ini.ReadString("Three", "k", ""), "3");
}

TEST(TIniFile, WritesThroughAndMemIniFileOnlyOnUpdate) {
    fs::path dir = fs::temp_directory_path() / ("duva-ini-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::string name = (dir / "option.ini").string();
    {
        TIniFile ini(name);
        ini.WriteString("S", "k", "中文");
        EXPECT_EQ(ReadFileToString(name), "[S]\r\nk=中文\r\n");
    }
    {
        TMemIniFile mem(name);
        EXPECT_EQ(mem.ReadString("S", "k", ""), "中文");
        mem.WriteBool("S", "b", true);
        EXPECT_EQ(ReadFileToString(name), "[S]\r\nk=中文\r\n");
        mem.UpdateFile();
        EXPECT_EQ(ReadFileToString(name), "[S]\r\nk=中文\r\nb=1\r\n");
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    TIniFile blocked((dir / "missing-dir" / "x.ini").string());
    EXPECT_THROW(blocked.WriteString("S", "k", "v"), EStreamError);
    fs::remove_all(dir);
}
