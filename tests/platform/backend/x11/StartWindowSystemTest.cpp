// The program's start: on the display DISPLAY names, or a clear message and
// a non-zero exit when there is none; never a run with no window.

#include "TXvfbServer.h"

#include "platform/backend/x11/ChooseWindowBackend.h"
#include "platform/backend/x11/TX11Backend.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct TProbeRun {
    int ExitCode = -1;
    std::string Err;
};

// Runs the start-up probe with DISPLAY set to display (unset when none).
TProbeRun RunProbe(const std::optional<std::string>& display) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::string(*e).rfind("DISPLAY=", 0) != 0) env.emplace_back(*e);
    if (display) env.push_back("DISPLAY=" + *display);
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string program = std::string(std::getenv("DUVA_BINARY_DIR")) + "/bin/duva_start_probe";
    char* argv[] = {program.data(), nullptr};

    int fds[2];
    EXPECT_EQ(pipe(fds), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    TProbeRun run;
    if (rc != 0) {
        close(fds[0]);
        ADD_FAILURE() << "cannot start " << program;
        return run;
    }
    char buf[4096];
    ssize_t n;
    while ((n = read(fds[0], buf, sizeof buf)) > 0)
        run.Err.append(buf, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

// A display number nobody serves here.
std::string UnservedDisplay() {
    for (int n = 600;; ++n) {
        struct stat st;
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(n);
        const std::string lock = "/tmp/.X" + std::to_string(n) + "-lock";
        if (stat(socket.c_str(), &st) != 0 && stat(lock.c_str(), &st) != 0) return ":" + std::to_string(n);
    }
}

} // namespace

TEST(StartWindowSystem, WithoutADisplayTheProgramSaysWhyAndExitsNonZero) {
    const std::string unserved = UnservedDisplay();
    struct TCase {
        const char* Name;
        std::optional<std::string> Display;
        std::string Message;
    } cases[] = {
        {"refused", unserved, "Cannot connect to the X display \"" + unserved + "\" (tried 5 times)"},
        {"unset", std::nullopt, "the DISPLAY environment variable is not set"},
        {"empty", std::string(), "the DISPLAY environment variable is not set"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TProbeRun run = RunProbe(c.Display);
        EXPECT_NE(run.ExitCode, 0);
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << run.Err;
    }
}

TEST(StartWindowSystem, OnAServedDisplayTheProgramRuns) {
    if (!TXvfbServer::Installed()) GTEST_SKIP() << "Xvfb is not installed";
    TXvfbServer server;
    TProbeRun run = RunProbe(server.Display());
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Err, "");
}

TEST(ChooseWindowBackend, RefusedDisplayRaisesTheMessageInsteadOfGoingHeadless) {
    const std::string unserved = UnservedDisplay();
    const char* old = std::getenv("DISPLAY");
    const std::optional<std::string> saved = old ? std::optional<std::string>(old) : std::nullopt;
    setenv("DISPLAY", unserved.c_str(), 1);
    try {
        auto backend = ChooseWindowBackend();
        ADD_FAILURE() << "a backend without a display";
    } catch (const EDisplayError& e) {
        EXPECT_NE(e.Message().find(unserved), std::string::npos) << e.Message();
    }
    if (saved)
        setenv("DISPLAY", saved->c_str(), 1);
    else
        unsetenv("DISPLAY");
}
