#include "platform/vcl/PowerOff.h"

#include "platform/vcl/ShellOpener.h"

#include <cstdlib>
#include <iostream>
#include <mutex>

namespace {

std::mutex gLock;
TPowerOffHandler gHandler;
TPowerOffLog gLog;

} // namespace

bool PowerOffComputer() {
    TPowerOffHandler handler;
    TPowerOffLog log;
    {
        std::lock_guard guard(gLock);
        handler = gHandler;
        log = gLog;
    }
    if (!log) log = [](const std::string& line) { std::clog << line << std::endl; };
    if (std::getenv("DUVA_NO_POWEROFF")) {
        log("Power-off requested; skipped because DUVA_NO_POWEROFF is set");
        return true;
    }
    log("Powering off");
    bool ok = handler ? handler() : SpawnDetached({"systemctl", "poweroff"});
    if (!ok) log("Power-off failed");
    return ok;
}

TPowerOffHandler SetPowerOffHandler(TPowerOffHandler Handler) {
    std::lock_guard guard(gLock);
    std::swap(gHandler, Handler);
    return Handler;
}

TPowerOffLog SetPowerOffLog(TPowerOffLog Log) {
    std::lock_guard guard(gLock);
    std::swap(gLog, Log);
    return Log;
}
