#pragma once

#include "skin/dialogs/shell/ShellViewContext.h"
#include "skin/dialogs/shell/ShellViewEvents.h"
#include "tests/support/TTempFolder.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <string>
#include <vector>

#include <sys/stat.h>

// A shell view test on a namespace of its own: a home with a desktop and a
// few folders in a temporary folder, a dead network volume in the computer,
// and errors recorded instead of shown.
class TShellViewTest : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        for (const char* dir :
             {"/home", "/home/Desktop", "/home/a", "/home/a/b", "/home/a/b/c", "/home/z", "/config", "/data"})
            mkdir((Root + dir).c_str(), 0755);
        Temp.Write("config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n");
        TShellEnvironment env;
        env.Home = Home;
        env.ConfigHome = Root + "/config";
        env.UserDirs = ReadUserDirs(env.ConfigHome, env.Home);
        env.Volumes = ParseMountTable("nas:/x /net/unreachable nfs4 rw 0 0\n");
        SetShellEnvironment(env);
        SetShellErrorReporter(
            [this](TControl*, TlxSkinData*, const std::string& Text) { Errors.push_back(Text); });
    }
    void TearDown() override {
        TSkinControlTest::TearDown();
        SetShellErrorReporter(nullptr);
        SetShellEnvironment(std::nullopt);
    }
    void MakeDir(const std::string& relative) const { mkdir((Home + "/" + relative).c_str(), 0755); }
    std::string WriteFile(const std::string& relative, const std::string& content = "x") const {
        return Temp.Write("home/" + relative, content);
    }

    TTempFolder Temp;
    std::string Root = Temp.Path().substr(0, Temp.Path().size() - 1);
    std::string Home = Root + "/home";
    std::vector<std::string> Errors;
};
