#include "FakeTaskEngine.h"

#include <chrono>
#include <cstdio>

#include "platform/base/Exception.h"
#include "platform/sys/MainThread.h"

FakeTaskEngine::FakeTaskEngine(int AMaxFiles, std::shared_ptr<TFakeLog> ALog)
    : FMaxFiles(AMaxFiles), FLog(std::move(ALog)) {
    if (AMaxFiles < 1 || AMaxFiles > 512)
        throw Exception("Assertion failed: max files " + std::to_string(AMaxFiles));
    std::lock_guard lock(FLog->Lock);
    FScript = FLog->Script;
}

FakeTaskEngine::~FakeTaskEngine() {
    Stop(true);
    if (FThread.joinable()) FThread.join();
    ++FLog->Destroyed;
}

std::string FakeTaskEngine::F(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

void FakeTaskEngine::SetOption(const std::string& n, const std::string& v) {
    Log("SetOption(" + n + "," + v + ")");
    bool fails;
    {
        std::lock_guard lock(FLog->Lock);
        fails = FLog->FailingOptions.count(n) != 0;
    }
    if (fails) throw Exception("Invalid value \"" + v + "\" for option \"" + n + "\"");
}

int FakeTaskEngine::OpenInputFile(const std::string& AFileName) {
    Log("OpenInputFile(" + AFileName + ")");
    if (FLog->FailOpen) {
        FLastErrMsg = AFileName + ": No such file or directory";
        return -1;
    }
    return FInputs++;
}

int FakeTaskEngine::OpenOutputFile(const std::string& AFileName, bool AJoin) {
    Log("OpenOutputFile(" + AFileName + "," + B(AJoin) + ")");
    if (FLog->FailOpen) {
        FLastErrMsg = AFileName + ": Permission denied";
        return -1;
    }
    return FOutputs++;
}

void FakeTaskEngine::StartConvert(bool AUseThread, TThreadPriority) {
    if (FStarted) return;
    FStarted = true;
    if (FOutputs <= 0) {
        End("At least one output file must be specified");
        return;
    }
    if (FInputs == 0) {
        End("At least one input file must be specified");
        return;
    }
    FBroken = false;
    if (!AUseThread) {
        Run();
        return;
    }
    FStopped.ResetEvent();
    FThreaded = true;
    FThread = std::thread([this] {
        FWorkerId = std::this_thread::get_id();
        Run();
        FStopped.SetEvent();
    });
}

void FakeTaskEngine::Run() {
    const int now = ++FLog->Running;
    int seen = FLog->MaxRunning;
    while (now > seen && !FLog->MaxRunning.compare_exchange_weak(seen, now)) {
    }
    std::string failure;
    try {
        int step = 0;
        for (; step < FScript.Steps; ++step) {
            {
                std::unique_lock lock(FPauseLock);
                FPauseCond.wait(lock, [&] { return !FPaused || FBroken; });
            }
            if (FBroken) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(FScript.StepMs));
            if (FOnPreviewBitmap) FOnPreviewBitmap(nullptr, step + 1, 40000LL * step);
            if (FOnCustomHook && !FHookStopped) {
                bool update = false;
                FOnCustomHook(nullptr, step + 1, 40000LL * step, update, FHookStopped);
                if (update) ++FLog->HookUpdates;
            }
            if (FOnProgress)
                FOnProgress(0, step + 1, 25, 2.0f, 800.0f, 1000LL * (step + 1), 40000LL * (step + 1),
                            40000LL * FScript.Steps);
        }
        if (!FScript.FailMsg.empty() && !FBroken) failure = FScript.FailMsg;
        FFinished = step == FScript.Steps && failure.empty();
    } catch (const std::exception& e) {
        failure = e.what();
    }
    --FLog->Running;
    End(failure);
}

void FakeTaskEngine::End(const std::string& AFailure) {
    if (!AFailure.empty()) {
        FFatalException = true;
        FFatalMessage = AFailure;
    }
    if (FOnTerminate) FOnTerminate();
}

void FakeTaskEngine::Stop(bool AWaitFor) {
    {
        std::lock_guard lock(FPauseLock);
        FBroken = true;
        FPaused = false;
    }
    FPauseCond.notify_all();
    if (AWaitFor && FThreaded && std::this_thread::get_id() != FWorkerId.load())
        WaitServing(FStopped, -1, 20);
}

void FakeTaskEngine::Pause() {
    std::lock_guard lock(FPauseLock);
    if (FThreaded) FPaused = true;
}

void FakeTaskEngine::Resume() {
    {
        std::lock_guard lock(FPauseLock);
        FPaused = false;
    }
    FPauseCond.notify_all();
}
