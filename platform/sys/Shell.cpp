#include "platform/sys/Shell.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

std::mutex SeamLock;
TShellOpener Opener;
TPowerOffHandler PowerOffHandler;

} // namespace

bool StartDetached(const std::vector<std::string>& argv) {
    if (argv.empty()) return false;
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) return false;
    std::thread([pid] {
        int status;
        waitpid(pid, &status, 0);
    }).detach();
    return true;
}

bool ShellOpen(const std::string& target) {
    TShellOpener opener;
    {
        std::lock_guard lock(SeamLock);
        opener = Opener;
    }
    if (opener) return opener(target);
    return StartDetached({"xdg-open", target});
}

void SetShellOpener(TShellOpener opener) {
    std::lock_guard lock(SeamLock);
    Opener = std::move(opener);
}

bool PowerOff() {
    TPowerOffHandler handler;
    {
        std::lock_guard lock(SeamLock);
        handler = PowerOffHandler;
    }
    if (handler) return handler();
    if (std::getenv("DUVA_NO_POWEROFF")) {
        std::fprintf(stderr, "power off requested (DUVA_NO_POWEROFF is set: not powering off)\n");
        return true;
    }
    return StartDetached({"systemctl", "poweroff"});
}

void SetPowerOffHandler(TPowerOffHandler handler) {
    std::lock_guard lock(SeamLock);
    PowerOffHandler = std::move(handler);
}
