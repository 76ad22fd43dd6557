#include "platform/sys/DynamicLibrary.h"
#include "platform/sys/ProgramFolder.h"
#include "platform/sys/Shell.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <signal.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(ProgramFolder, ComesFromTheRunningExecutable) {
    std::string name = GetExeName();
    std::string path = GetExePath();
    ASSERT_FALSE(name.empty());
    EXPECT_EQ(name.substr(name.rfind('/') + 1), "platform_sys_tests");
    EXPECT_EQ(path.back(), '/');
    EXPECT_EQ(name.rfind(path, 0), 0u);
    EXPECT_EQ(path, std::string(std::getenv("DUVA_BINARY_DIR")) + "/bin/");
}

TEST(DynamicLibrary, LoadsBindsAndReportsTheLoadersText) {
    std::string error;
    TModuleHandle m = LoadModule("libm.so.6", &error);
    ASSERT_NE(m, nullptr) << error;
    auto cosine = reinterpret_cast<double (*)(double)>(ModuleSymbol(m, "cos", &error));
    ASSERT_NE(cosine, nullptr);
    EXPECT_DOUBLE_EQ(cosine(0.0), 1.0);
    EXPECT_NE(ModuleFileOfAddress(reinterpret_cast<void*>(cosine)).find("libm.so.6"), std::string::npos);

    EXPECT_EQ(ModuleSymbol(m, "no_such_function_here", &error), nullptr);
    EXPECT_NE(error.find("no_such_function_here"), std::string::npos);
    FreeModule(m);

    EXPECT_EQ(LoadModule("/nonexistent/libnothing.so.1", &error), nullptr);
    EXPECT_NE(error.find("/nonexistent/libnothing.so.1"), std::string::npos);
}

TEST(Shell, ReplaceableOpenerReceivesTheTargetWhole) {
    std::vector<std::string> seen;
    TShellOpener previous = SetShellOpener([&](const std::string& t) {
        seen.push_back(t);
        return true;
    });
    const std::string path = "/tmp/my \"quoted\" folder/it's here; rm -rf x";
    EXPECT_TRUE(ShellOpen(path));
    SetShellOpener(previous);
    EXPECT_EQ(seen, std::vector<std::string>{path});
}

TEST(Shell, StartDetachedPassesAPathWithSpacesAndQuotesAsOneArgument) {
    fs::path dir = fs::temp_directory_path() / ("duva-spawn-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::path out = dir / "argv.txt";
    const std::string path = "/tmp/a b/\"c\" 'd' $HOME;e";
    // The recorder writes its argument count and first argument, then renames
    // the file into place so a partial write is never read.
    std::string script = "printf '%s\\n%s' \"$#\" \"$1\" > \"" + out.string() + ".part\" && mv \"" +
                         out.string() + ".part\" \"" + out.string() + "\"";
    ASSERT_TRUE(StartDetached({"/bin/sh", "-c", script, "recorder", path}));
    for (int i = 0; i < 500 && !fs::exists(out); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(out);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "1\n" + path);
    fs::remove_all(dir);

    EXPECT_FALSE(StartDetached({"/nonexistent/duva-no-such-program"}));
    EXPECT_FALSE(StartDetached({"duva-no-such-program-anywhere"}));
    EXPECT_FALSE(StartDetached({}));
}

// The guard variable is checked before any handler: an installed handler is
// never reached while it is set.
TEST(Shell, UnderTheGuardVariablePowerOffOnlyLogs) {
    ASSERT_NE(std::getenv("DUVA_NO_POWEROFF"), nullptr);
    bool called = false;
    std::vector<std::string> log;
    auto oldHandler = SetPowerOffHandler([&] {
        called = true;
        return true;
    });
    auto oldLog = SetPowerOffLog([&](const std::string& l) { log.push_back(l); });
    EXPECT_TRUE(PowerOff());
    SetPowerOffHandler(oldHandler);
    SetPowerOffLog(oldLog);
    EXPECT_FALSE(called);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find("DUVA_NO_POWEROFF"), std::string::npos);
}

namespace {

// The parent's pid and the state letter of a process, from /proc/<pid>/stat.
bool ProcessState(pid_t Pid, pid_t& Parent, char& State) {
    std::ifstream in("/proc/" + std::to_string(Pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t close = text.rfind(')'); // the command name may hold blanks
    if (close == std::string::npos) return false;
    std::istringstream rest(text.substr(close + 1));
    long parent = 0;
    rest >> State >> parent;
    Parent = static_cast<pid_t>(parent);
    return static_cast<bool>(rest);
}

bool HasZombieChild() {
    for (const auto& entry : fs::directory_iterator("/proc")) {
        const std::string name = entry.path().filename();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        pid_t parent = 0;
        char state = 0;
        if (ProcessState(std::stoi(name), parent, state) && parent == getpid() && state == 'Z') return true;
    }
    return false;
}

} // namespace

TEST(Shell, StartDetachedNeitherWaitsForTheProgramNorLeavesAZombie) {
    fs::path dir = fs::temp_directory_path() / ("duva-detach-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path pidFile = dir / "pid";
    // The program writes its pid and then runs far longer than this test: were
    // it waited for, the test would find it ended.
    const std::string script = "echo $$ > \"" + pidFile.string() + ".part\" && mv \"" + pidFile.string() +
                               ".part\" \"" + pidFile.string() + "\" && exec sleep 60";
    ASSERT_TRUE(StartDetached({"/bin/sh", "-c", script}));
    for (int i = 0; i < 500 && !fs::exists(pidFile); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    pid_t program = 0;
    std::ifstream(pidFile) >> program;
    ASSERT_GT(program, 0);
    pid_t parent = 0;
    char state = 0;
    ASSERT_TRUE(ProcessState(program, parent, state)) << "the program still runs: it was not waited for";
    EXPECT_NE(state, 'Z');
    EXPECT_NE(parent, getpid()) << "the program is not our child, so it can never become our zombie";
    EXPECT_FALSE(HasZombieChild()) << "the middle process was reaped";
    kill(program, SIGKILL);
    fs::remove_all(dir);
}
