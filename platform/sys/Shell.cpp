#include "platform/sys/Shell.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <iostream>
#include <mutex>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Guards the installed opener, power-off handler and log; each is copied
// out before it is called.
std::mutex gSeamLock;
TShellOpener gOpener;
TPowerOffHandler gPowerOffHandler;
TPowerOffLog gPowerOffLog;

} // namespace

bool ShellOpen(const std::string& Target) {
    TShellOpener opener;
    {
        std::lock_guard guard(gSeamLock);
        opener = gOpener;
    }
    return opener ? opener(Target) : StartDetached({"xdg-open", Target});
}

TShellOpener SetShellOpener(TShellOpener Opener) {
    std::lock_guard guard(gSeamLock);
    std::swap(gOpener, Opener);
    return Opener;
}

bool PowerOff() {
    TPowerOffHandler handler;
    TPowerOffLog log;
    {
        std::lock_guard guard(gSeamLock);
        handler = gPowerOffHandler;
        log = gPowerOffLog;
    }
    if (!log) log = [](const std::string& line) { std::clog << line << std::endl; };
    if (std::getenv("DUVA_NO_POWEROFF")) {
        log("Power-off requested; skipped because DUVA_NO_POWEROFF is set");
        return true;
    }
    log("Powering off");
    bool ok = handler ? handler() : StartDetached({"systemctl", "poweroff"});
    if (!ok) log("Power-off failed");
    return ok;
}

TPowerOffHandler SetPowerOffHandler(TPowerOffHandler Handler) {
    std::lock_guard guard(gSeamLock);
    std::swap(gPowerOffHandler, Handler);
    return Handler;
}

TPowerOffLog SetPowerOffLog(TPowerOffLog Log) {
    std::lock_guard guard(gSeamLock);
    std::swap(gPowerOffLog, Log);
    return Log;
}

bool StartDetached(const std::vector<std::string>& Argv) {
    if (Argv.empty()) return false;
    // Everything the children need is prepared before fork: after it only
    // async-signal-safe calls are made.
    std::vector<char*> args;
    for (const std::string& a : Argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) return false;
    pid_t child = fork();
    if (child < 0) {
        close(report[0]);
        close(report[1]);
        return false;
    }
    if (child == 0) {
        // The middle process exits at once, so the program is adopted by init
        // and leaves no zombie; the grandchild reports a failed exec through
        // the pipe, which a successful exec closes.
        close(report[0]);
        setsid();
        pid_t grandchild = fork();
        if (grandchild == 0) {
            execvp(args[0], args.data());
            int err = errno;
            (void)!write(report[1], &err, sizeof err);
            _exit(127);
        }
        if (grandchild < 0) {
            int err = errno;
            (void)!write(report[1], &err, sizeof err);
        }
        _exit(0);
    }
    close(report[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int err = 0;
    ssize_t n;
    while ((n = read(report[0], &err, sizeof err)) < 0 && errno == EINTR) {
    }
    close(report[0]);
    return n == 0;
}
