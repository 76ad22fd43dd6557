#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

// A temporary home, program folder and XDG settings folder for one test;
// HOME and XDG_CONFIG_HOME point into it until the test ends.
class SettingsFolders : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "duva-settings-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        ::chmod(pattern.c_str(), 0755); // reachable while a test acts as "nobody"
        Root = pattern;
        Home = Root + "/home";
        Program = Root + "/program";
        Config = Root + "/config";
        for (const std::string& folder : {Home, Program})
            std::filesystem::create_directories(folder);
        Save("HOME", FOldHome);
        Save("XDG_CONFIG_HOME", FOldConfig);
        ::setenv("HOME", Home.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", Config.c_str(), 1);
    }

    void TearDown() override {
        Restore("HOME", FOldHome);
        Restore("XDG_CONFIG_HOME", FOldConfig);
        std::error_code ec;
        std::filesystem::permissions(Program, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(Root, ec);
    }

    std::string IniName() const { return Program + "/option.ini"; }

    static std::string ReadText(const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void WriteText(const std::string& name, const std::string& text) {
        std::ofstream(name, std::ios::binary) << text;
    }
    // The files of a folder, to see that no temporary file is left behind.
    static int FileCount(const std::string& folder) {
        return int(std::distance(std::filesystem::directory_iterator(folder),
                                 std::filesystem::directory_iterator()));
    }

    std::string Root, Home, Program, Config;

private:
    static void Save(const char* name, std::optional<std::string>& slot) {
        if (const char* value = std::getenv(name)) slot = value;
    }
    static void Restore(const char* name, const std::optional<std::string>& slot) {
        if (slot)
            ::setenv(name, slot->c_str(), 1);
        else
            ::unsetenv(name);
    }
    std::optional<std::string> FOldHome, FOldConfig;
};

// Makes a folder unwritable for this process while it lives: the write bits
// go, and the superuser, whom bits do not stop, acts as "nobody" meanwhile
// (the other test folders are opened to everyone for that time).
class ReadOnlyFolder {
public:
    ReadOnlyFolder(const std::string& folder, std::initializer_list<std::string> stillWritable)
        : FFolder(folder) {
        ::chmod(folder.c_str(), 0555);
        if (::geteuid() == 0) {
            for (const std::string& open : stillWritable) {
                std::filesystem::create_directories(open);
                ::chmod(open.c_str(), 0777);
            }
            FWasRoot = ::seteuid(65534) == 0;
        }
    }
    ~ReadOnlyFolder() {
        if (FWasRoot) (void)::seteuid(0);
        ::chmod(FFolder.c_str(), 0755);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    std::string FFolder;
    bool FWasRoot = false;
};
