#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include "app/conversion/TZorvexionConverter.h"
#include "media/task/TZorvexion.h"
#include "platform/sys/MainThread.h"

// The real converter with a window into its workers: progress is raised on
// the worker threads, where the thread's scheduling is read back and the
// report recorded before it is handed to the GUI thread, and an optional
// delay per frame slows the conversion enough to pause or stop it midway.
class TObservedConverter : public IConverter {
public:
    struct TWorkerReading {
        int Policy = -1; // SCHED_OTHER, SCHED_IDLE, ...
        int Nice = 0;
    };
    struct TActivity {
        std::chrono::steady_clock::time_point First, Last; // first and last progress
        int64_t Size = 0;
    };

    explicit TObservedConverter(TZorvexion& AZorvex) : FZorvex(AZorvex), FInner(AZorvex) {
        FZorvex.SetTriggerEventInMainThread(false);
        FZorvex.SetProgressInterval(100);
        FZorvex.SetOnCustomHook([this](TCustomZorvexion*, PHookInfo) {
            if (FrameDelayMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(FrameDelayMs));
        });
    }
    ~TObservedConverter() override {
        FZorvex.SetOnCustomHook(nullptr);
        *FAlive = false;
    }

    // Milliseconds each video frame takes longer; 0 for full speed. Set it
    // before the start: it is wired into the tasks then.
    std::atomic<int> FrameDelayMs{0};

    std::map<int, TActivity> Activity() const {
        std::lock_guard lock(FLock);
        return FActivity;
    }
    // The task indexes of the termination reports, in the order raised.
    std::vector<int> Terminations() const {
        std::lock_guard lock(FLock);
        return FTerminations;
    }
    std::vector<TWorkerReading> Readings() const {
        std::lock_guard lock(FLock);
        return FReadings;
    }

    bool AVLibLoaded() override { return FInner.AVLibLoaded(); }
    bool LoadAVLib(const std::string& APath) override { return FInner.LoadAVLib(APath); }
    int AddTask(const std::string& AFileName, TInputOptions* AOptions) override {
        return FInner.AddTask(AFileName, AOptions);
    }
    bool SetOutputFile(int ATaskIndex, const std::string& AFileName, TOutputOptions* AOptions) override {
        if (AOptions && FrameDelayMs > 0) AOptions->CustomHook = true;
        return FInner.SetOutputFile(ATaskIndex, AFileName, AOptions);
    }
    void RemoveTask(int ATaskIndex) override { FInner.RemoveTask(ATaskIndex); }
    void ClearTasks() override { FInner.ClearTasks(); }
    std::string TaskInfoText(int ATaskIndex) override { return FInner.TaskInfoText(ATaskIndex); }
    std::string LastErrMsg() override { return FInner.LastErrMsg(); }
    void SetThreadPriority(TThreadPriority APriority) override { FInner.SetThreadPriority(APriority); }
    void SetPreview(bool APreview) override { FInner.SetPreview(APreview); }
    void Start(int AThreadCount) override {
        {
            std::lock_guard lock(FLock);
            FActivity.clear();
            FReadings.clear();
            FTerminations.clear();
        }
        FInner.Start(AThreadCount);
    }
    void Pause() override { FInner.Pause(); }
    void Resume() override { FInner.Resume(); }
    void Stop(bool AWaitFor) override { FInner.Stop(AWaitFor); }
    void SetOnTerminate(TTerminateHandler AHandler) override {
        if (!AHandler) {
            FInner.SetOnTerminate(nullptr);
            return;
        }
        FInner.SetOnTerminate([this, AHandler](const TTerminateInfo& AInfo) {
            {
                std::lock_guard lock(FLock);
                FTerminations.push_back(AInfo.TaskIndex);
            }
            AHandler(AInfo);
        });
    }
    void SetOnProgress(TProgressHandler AHandler) override {
        if (!AHandler) {
            *FAlive = false;
            FInner.SetOnProgress(nullptr);
            return;
        }
        FAlive = std::make_shared<bool>(true);
        FInner.SetOnProgress([this, AHandler, alive = FAlive](const TProgressInfo& AInfo) {
            Record(AInfo);
            // The controller lives on the GUI thread; the worker waits there,
            // as the component's own delivery does, so no progress report
            // can come after its task's termination report.
            CallInMainThread([AHandler, alive, AInfo] {
                if (*alive) AHandler(AInfo);
            });
        });
    }

private:
    void Record(const TProgressInfo& AInfo) {
        const auto now = std::chrono::steady_clock::now();
        TWorkerReading reading;
        reading.Policy = sched_getscheduler(0);
        errno = 0;
        reading.Nice = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
        std::lock_guard lock(FLock);
        FReadings.push_back(reading);
        auto [it, added] = FActivity.try_emplace(AInfo.TaskIndex);
        if (added) it->second.First = now;
        it->second.Last = now;
        it->second.Size = AInfo.CurrentSize;
    }

    TZorvexion& FZorvex;
    TZorvexionConverter FInner;
    mutable std::mutex FLock;
    std::map<int, TActivity> FActivity;
    std::vector<TWorkerReading> FReadings;
    std::vector<int> FTerminations;
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};
