// Starting a run inline or on a worker, pausing, resuming, stopping and the
// termination notice.

#include <optional>
#include <unistd.h>

#include "media/TFFmpegLoader.h"
#include "media/engine/CodecThreads.h"
#include "media/engine/EngineLog.h"
#include "media/engine/TCustomFFmpeg.h"
#include "platform/sys/MainThread.h"

bool TCustomFFmpeg::Converting() const {
    std::lock_guard lock(FControlLock);
    return FConverting;
}

bool TCustomFFmpeg::Terminated() const {
    std::lock_guard lock(FControlLock);
    return FTerminated;
}

bool TCustomFFmpeg::Paused() const {
    std::lock_guard lock(FControlLock);
    return FPaused;
}

bool TCustomFFmpeg::OnWorkerThread() const {
    std::lock_guard lock(FControlLock);
    return std::this_thread::get_id() == FWorkerId;
}

void TCustomFFmpeg::Fatal(const std::string& AText) {
    FFatalException = true;
    FFatalMessage = AText;
    try {
        Log(llQuiet, AText);
    } catch (...) {
        // The failure is recorded; a logger that fails cannot report it.
    }
}

bool TCustomFFmpeg::StartConvert(bool AUseThread, TThreadPriority APriority) {
    {
        std::lock_guard lock(FControlLock);
        if (FConverting || FTerminated) return false;
    }
    const char* missing = Fnb_output_files <= 0  ? "At least one output file must be specified"
                          : Fnb_input_files == 0 ? "At least one input file must be specified"
                                                 : nullptr;
    if (missing) {
        try {
            Cleanup();
        } catch (const std::exception& e) {
            Log(llQuiet, e.what());
        }
        Fatal(missing);
        DoTerminate();
        return false;
    }
    // Earlier threads of this engine (a notice thread) are done by now.
    JoinThreads();
    {
        std::lock_guard lock(FControlLock);
        FConverting = true;
        FBroken = false;
        FFinished = false;
        FTerminated = false;
        FPaused = false;
    }
    if (!AUseThread) {
        {
            std::lock_guard lock(FControlLock);
            FWorkerId = std::this_thread::get_id();
        }
        Run();
        return false;
    }
    std::shared_ptr<TEvent> done = FStopEvent;
    done->ResetEvent();
    std::lock_guard lock(FControlLock);
    FThread = std::thread([this, done, APriority] {
        {
            // Starts once the engine knows this thread.
            std::lock_guard started(FControlLock);
        }
        SetCurrentThreadPriority(APriority);
        // Run ends with the termination notice, whose handler may free this
        // engine: nothing of it is touched afterwards.
        Run();
        done->SetEvent();
    });
    FWorkerId = FThread.get_id();
    return true;
}

void TCustomFFmpeg::Run() {
    FFinished = false;
    // Each step is guarded by itself: a failure is recorded and the next
    // step still runs, so the run always cleans up and gives its notice.
    auto guarded = [this](auto AStep) {
        try {
            AStep();
        } catch (const std::exception& e) {
            Fatal(e.what());
        } catch (...) {
            Fatal("Unknown error");
        }
    };
    // Counted among the running conversions until its notice: the next task
    // a notice starts shares the cores without this one.
    std::optional<TRunningConversion> running(std::in_place);
    guarded([this] {
        // Filled as the run creates its outputs.
        FCreatedOutputs.clear();
        Transcode();
    });
    guarded([this] {
        Cleanup();
        // A run that failed leaves no half-written files behind; a stopped
        // one keeps its outputs, complete with their trailers.
        if (FFatalException)
            for (const std::string& name : FCreatedOutputs)
                unlink(name.c_str());
        FCreatedOutputs.clear();
    });
    running.reset();
    DoTerminate();
}

void TCustomFFmpeg::DoTerminate() {
    TEngineNotifyEvent handler;
    {
        std::lock_guard lock(FControlLock);
        FConverting = false;
        FTerminated = true;
        FPaused = false;
        handler = FOnTerminate;
    }
    FControlCond.notify_all();
    if (!handler) return;
    try {
        handler(this);
    } catch (const std::exception& e) {
        EngineLog(this, llError, e.what());
    } catch (...) {
        EngineLog(this, llError, "OnTerminate failed");
    }
}

void TCustomFFmpeg::WaitWhilePaused() {
    std::unique_lock lock(FControlLock);
    FControlCond.wait(lock, [this] { return !FPaused || FBroken; });
}

void TCustomFFmpeg::Pause() {
    std::lock_guard lock(FControlLock);
    if (FConverting && FThread.joinable()) FPaused = true;
}

void TCustomFFmpeg::Resume() {
    {
        std::lock_guard lock(FControlLock);
        FPaused = false;
    }
    FControlCond.notify_all();
}

void TCustomFFmpeg::Stop(bool AWaitFor) {
    std::shared_ptr<TEvent> done;
    {
        std::lock_guard lock(FControlLock);
        FBroken = true;
        FPaused = false;
        if (!FThread.joinable()) {
            FControlCond.notify_all();
            return;
        }
        done = FStopEvent;
    }
    FControlCond.notify_all();
    if (!AWaitFor || OnWorkerThread()) return;
    WaitServing(*done, -1, 20, true);
}

void TCustomFFmpeg::StopTask(bool AWaitFor) {
    bool neverStarted;
    {
        std::lock_guard lock(FControlLock);
        if (FTerminated) return;
        neverStarted = !FConverting;
    }
    if (!neverStarted) {
        Stop(AWaitFor);
        return;
    }
    FBroken = true;
    std::shared_ptr<TEvent> delivered = FTermEvent;
    {
        std::lock_guard lock(FControlLock);
        if (FNoticeThread.joinable()) return; // a notice is on its way
        delivered->ResetEvent();
        FNoticeThread = std::thread([this, delivered] {
            DoTerminate();
            delivered->SetEvent();
        });
    }
    if (AWaitFor && std::this_thread::get_id() != FNoticeThread.get_id())
        WaitServing(*delivered, -1, 20, true);
}

void TCustomFFmpeg::JoinThreads() {
    for (std::thread* t : {&FThread, &FNoticeThread}) {
        if (!t->joinable()) continue;
        if (t->get_id() == std::this_thread::get_id()) {
            // Freed from inside its own termination notice: the thread
            // touches nothing of the engine after the handler returns, so it
            // finishes on its own.
            t->detach();
            continue;
        }
        std::shared_ptr<TEvent> done = t == &FThread ? FStopEvent : FTermEvent;
        WaitServing(*done, -1, 20, true);
        t->join();
    }
}
