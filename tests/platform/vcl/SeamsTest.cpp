#include "platform/vcl/PowerOff.h"
#include "platform/vcl/ShellOpener.h"
#include "platform/vcl/TClipboard.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

TEST(ShellOpener, ReplaceableOpenerReceivesTheTargetWhole) {
    std::vector<std::string> seen;
    TShellOpener previous = SetShellOpener([&](const std::string& t) {
        seen.push_back(t);
        return true;
    });
    const std::string path = "/tmp/my \"quoted\" folder/it's here";
    EXPECT_TRUE(ShellOpen(path));
    SetShellOpener(previous);
    EXPECT_EQ(seen, std::vector<std::string>{path});
}

TEST(ShellOpener, SpawnPassesAPathWithSpacesAndQuotesAsOneArgument) {
    fs::path dir = fs::temp_directory_path() / ("duva-spawn-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::path out = dir / "argv.txt";
    const std::string path = "/tmp/a b/\"c\" 'd' $HOME;e";
    // The recorder writes its argument count and first argument, then renames
    // the file into place so a partial write is never read.
    std::string script = "printf '%s\\n%s' \"$#\" \"$1\" > \"" + out.string() + ".part\" && mv \"" +
                         out.string() + ".part\" \"" + out.string() + "\"";
    ASSERT_TRUE(SpawnDetached({"/bin/sh", "-c", script, "recorder", path}));
    for (int i = 0; i < 500 && !fs::exists(out); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(out);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "1\n" + path);
    fs::remove_all(dir);

    EXPECT_FALSE(SpawnDetached({"/nonexistent/duva-no-such-program"}));
    EXPECT_FALSE(SpawnDetached({}));
}

TEST(PowerOff, UnderTheGuardVariableItOnlyLogs) {
    ASSERT_NE(std::getenv("DUVA_NO_POWEROFF"), nullptr);
    bool called = false;
    std::vector<std::string> log;
    auto oldHandler = SetPowerOffHandler([&] {
        called = true;
        return true;
    });
    auto oldLog = SetPowerOffLog([&](const std::string& l) { log.push_back(l); });
    EXPECT_TRUE(PowerOffComputer());
    SetPowerOffHandler(oldHandler);
    SetPowerOffLog(oldLog);
    EXPECT_FALSE(called);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find("DUVA_NO_POWEROFF"), std::string::npos);
}

TEST(TClipboard, KeepsTextInProcessUntilABackendTakesOver) {
    TClipboard& c = Clipboard();
    c.SetAsText("复制 text");
    EXPECT_EQ(c.AsText(), "复制 text");
    std::string store;
    c.SetBackend([&] { return store; }, [&](const std::string& s) { store = "<" + s + ">"; });
    c.SetAsText("x");
    EXPECT_EQ(c.AsText(), "<x>");
    c.SetBackend(nullptr, nullptr);
    EXPECT_EQ(c.AsText(), "复制 text");
}
