#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "media/task/TFFmpegList.h"
#include "media/task/TaskEventInfo.h"
#include "platform/sys/TCriticalSection.h"
#include "platform/sys/TEvent.h"
#include "platform/sys/TThread.h"

class TCustomZorvexion;
class TNoticeThread;
class TStream;

// The conversion component: a list of tasks, each one engine, converted one
// after another inside Start (Start(0)) or up to N at once on worker threads
// (Start(N)). Operations run on the GUI thread; failures of adding files come
// back by result with the reason in LastErrMsg, misuse raises.
//
// Events: OnProgress and OnPreviewBitmap on the GUI thread while
// TriggerEventInMainThread (else on the worker); OnCustomHook on the worker;
// OnTerminate, in a threaded run, on the component's notice thread: one
// notice at a time, in the order the tasks ended, the final notice
// (TaskIndex -1) last; in a run inside Start, on the thread that called Start.
class TCustomZorvexion {
public:
    // The engine has event types of the same names; these are the component's.
    using TProgressEvent = std::function<void(TCustomZorvexion* Sender, PProgressInfo AProgressInfo)>;
    using TTerminateEvent =
        std::function<void(TCustomZorvexion* Sender, const TTerminateInfo& ATerminateInfo)>;
    using TPreviewBitmapEvent =
        std::function<void(TCustomZorvexion* Sender, const TPreviewInfo& APreviewInfo)>;
    using TCustomHookEvent = std::function<void(TCustomZorvexion* Sender, PHookInfo AHookInfo)>;
    using TEngineFactory = std::function<std::unique_ptr<TTaskEngine>(int AMaxFiles)>;

    explicit TCustomZorvexion(void* AOwner = nullptr);
    // Stops a run, waits for its notices, then frees the tasks.
    virtual ~TCustomZorvexion();
    TCustomZorvexion(const TCustomZorvexion&) = delete;
    TCustomZorvexion& operator=(const TCustomZorvexion&) = delete;

    // The media libraries of the component (ComponentLibraries), loaded from
    // APath first; they must be loaded before the first task is added.
    bool LoadAVLib(const std::string& APath);
    bool AVLibLoaded() const;
    void UnloadAVLib();

    // The index of the new task, or -1 with LastErrMsg.
    int AddTask(const std::string& AFileName, TInputOptions* AOptions = nullptr);
    int AddTask(const std::string& AFileName, const std::string& AExtOptions);
    // A task reading a stream object: the name "stream:<address>:<APrivateData>".
    int AddTask(TStream* AStream, const std::string& APrivateData, TInputOptions* AOptions = nullptr);
    bool AddInputFile(int ATaskIndex, const std::string& AFileName, TInputOptions* AOptions = nullptr);
    bool AddInputFile(int ATaskIndex, const std::string& AFileName, const std::string& AExtOptions);
    bool SetOutputFile(int ATaskIndex, const std::string& AFileName, TOutputOptions* AOptions = nullptr);
    bool SetOutputFile(int ATaskIndex, const std::string& AFileName, const std::string& AExtOptions);
    bool SetOutputStream(int ATaskIndex, TStream* AStream, const std::string& APrivateData,
                         TOutputOptions* AOptions = nullptr);
    void RemoveTask(int ATaskIndex);
    void Exchange(int ATaskIndex1, int ATaskIndex2);
    void ClearTasks();

    void Start(int AThreadCount);
    void Pause();
    void Resume();
    void Stop(bool AWaitFor);

    const std::string& About() const { return FAbout; }
    void SetAbout(const std::string& AValue) { FAbout = AValue; }
    const std::string& LastErrMsg() const { return FLastErrMsg; }
    void* UserData() const { return FData; }
    void SetUserData(void* AValue) { FData = AValue; }
    int CustomMaxFiles() const { return FCustomMaxFiles; }
    void SetCustomMaxFiles(int AValue) { FCustomMaxFiles = AValue; }
    bool Preview() const { return FPreview; }
    void SetPreview(bool AValue);
    bool PreviewBitmap() const { return FPreviewBitmap; }
    void SetPreviewBitmap(bool AValue);
    int ProgressInterval() const { return FProgressInterval; }
    void SetProgressInterval(int AValue) { FProgressInterval = AValue <= 100 ? 100 : AValue; }
    TThreadPriority ThreadPriority() const { return FThreadPriority; }
    void SetThreadPriority(TThreadPriority AValue) { FThreadPriority = AValue; }
    bool TriggerEventInMainThread() const { return FTriggerEventInMainThread; }
    void SetTriggerEventInMainThread(bool AValue) { FTriggerEventInMainThread = AValue; }
    int Verbose() const { return FVerbose; }
    void SetVerbose(int AValue) { FVerbose = AValue; }
    bool Terminated() const;
    bool Working() const;
    int TasksCount() const;
    // The component's own prober, for the application's probing.
    TAVProbe& AVProbe() { return FAVProbe; }
    // The prober of input AFileIndex of a task: it reads the input the task
    // already opened, without owning it; null when that input has none.
    TAVProbe* GetTaskAVProbe(int ATaskIndex, int AFileIndex) const;
    static const char* Version() { return "3.3"; }

    // Events may be changed while a run goes on (handlers are copied before
    // each call).
    TProgressEvent OnProgress() const;
    void SetOnProgress(TProgressEvent AEvent);
    TTerminateEvent OnTerminate() const;
    void SetOnTerminate(TTerminateEvent AEvent);
    TPreviewBitmapEvent OnPreviewBitmap() const;
    void SetOnPreviewBitmap(TPreviewBitmapEvent AEvent);
    TCustomHookEvent OnCustomHook() const;
    void SetOnCustomHook(TCustomHookEvent AEvent);

    // Makes the engine of each new task (the conversion engine by default);
    // tests put a scripted engine here.
    void SetEngineFactory(TEngineFactory AFactory) { FEngineFactory = std::move(AFactory); }

protected:
    // Stops the run, waits for its notices and frees the tasks. Each derived
    // class calls it first in its destructor, so no worker calls a handler
    // (virtual) while the object is being torn down.
    void Shutdown();

    // The handlers installed into every task's engine.
    virtual void DoCustomHook(TFFmpeg* ATask, TBitmap* ABitmap, int AFrameNumber, int64_t APTS, bool& AUpdate,
                              bool& AStopHook);
    virtual void DoPreviewBitmap(TFFmpeg* ATask, TBitmap* ABitmap, int AFrameNumber, int64_t APTS);
    virtual void DoProgress(TFFmpeg* ATask, int AFileIndex, int AFrameNumber, int AFPS, float AQuality,
                            float ABitRate, int64_t ACurrentSize, int64_t ACurrentDuration,
                            int64_t ATotalDuration);
    // A task's engine has ended its conversion.
    virtual void DoTerminate(TFFmpeg* ATask);

private:
    friend class TNoticeThread;

    void CheckNotWorking(const char* AName) const;
    std::unique_ptr<TFFmpeg> NewTask();

    // Under FTerminateLock.
    TFFmpeg* TakeNextTask();
    void StartNextTask();
    void TaskEnded(TFFmpeg& ATask, const TTerminateInfo& AInfo);
    void FinalNotice();
    void QueueNotice(const TTerminateInfo& AInfo);

    void DeliverNotice(const TTerminateInfo& AInfo);
    bool DeliverOneNotice(bool AInline);
    void NoticeLoop();
    void EnsureNoticeThread();
    void WaitNoticesDelivered();

    void* FOwner;
    std::string FAbout;
    std::string FLastErrMsg;
    void* FData = nullptr;
    int FCustomMaxFiles = 20;
    std::atomic<bool> FPreview{false};
    std::atomic<bool> FPreviewBitmap{false};
    std::atomic<int> FProgressInterval{500};
    std::atomic<TThreadPriority> FThreadPriority{TThreadPriority::tpNormal};
    std::atomic<bool> FTriggerEventInMainThread{true};
    std::atomic<int> FVerbose{1};
    TEngineFactory FEngineFactory;

    // Guards the four handlers; held only while one is copied or replaced.
    mutable std::mutex FHandlerLock;
    TProgressEvent FOnProgress;
    TTerminateEvent FOnTerminate;
    TPreviewBitmapEvent FOnPreviewBitmap;
    TCustomHookEvent FOnCustomHook;

    // The run lock: guards the task list while a run may touch it, the run
    // counters, the tasks' run states and the starting of tasks. Recursive: a
    // task that fails to start ends inside StartNextTask. Never held while
    // waiting for a worker or for the GUI thread.
    mutable TCriticalSection FTerminateLock;
    TAVProbe FAVProbe;
    TFFmpegList FFFmpegList;
    int FCompleteTasks = 0;
    int FCurrentTask = -1;
    int FPendingTasks = 0;
    bool FTerminated = false;
    bool FThreadMode = false;
    bool FWorking = false;

    // Termination notices waiting for delivery, in the order the tasks ended.
    // FNoticeLock is taken inside FTerminateLock, never the other way round.
    std::mutex FNoticeLock;
    std::condition_variable FNoticeCond;
    std::deque<TTerminateInfo> FNotices;
    bool FInlineDelivery = false; // Start(0) delivers on its own thread
    bool FNoticeQuit = false;
    bool FDelivering = false;
    TEvent FNoticesIdle{true, true}; // set while nothing is queued or being delivered
    std::unique_ptr<TNoticeThread> FNoticeThread;
};
