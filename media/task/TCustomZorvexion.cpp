#include "media/task/TCustomZorvexion.h"

#include <cinttypes>
#include <cstdio>

#include "media/TFFLogger.h"
#include "media/TFFmpegLoader.h"
#include "media/task/TFFmpegTaskEngine.h"
#include "platform/base/Exception.h"
#include "platform/sys/MainThread.h"

namespace {

// Set on a thread while it runs one of the component's handlers. A handler
// that stops the run must not wait: the worker it would wait for may be
// blocked until the handler returns, and notices cannot be delivered while
// one is being delivered on this very thread.
thread_local int tlsHandlerDepth = 0;

struct THandlerScope {
    THandlerScope() { ++tlsHandlerDepth; }
    ~THandlerScope() { --tlsHandlerDepth; }
    THandlerScope(const THandlerScope&) = delete;
    THandlerScope& operator=(const THandlerScope&) = delete;
};

std::string Format(const char* AFormat, const char* AText) {
    char buf[256];
    std::snprintf(buf, sizeof buf, AFormat, AText);
    return buf;
}

std::string StreamName(const TStream* AStream, const std::string& APrivateData) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "stream:%" PRIuPTR ":", reinterpret_cast<uintptr_t>(AStream));
    return buf + APrivateData;
}

std::string Format(const char* AFormat, int AValue) {
    char buf[256];
    std::snprintf(buf, sizeof buf, AFormat, AValue);
    return buf;
}

} // namespace

class TNoticeThread : public TThread {
public:
    explicit TNoticeThread(TCustomZorvexion* AOwner) : FOwner(AOwner) { SetName("task notices"); }
    ~TNoticeThread() override { WaitFor(); }

protected:
    void Execute() override { FOwner->NoticeLoop(); }

private:
    TCustomZorvexion* FOwner;
};

TCustomZorvexion::TCustomZorvexion(void* AOwner) : FOwner(AOwner), FEngineFactory(NewFFmpegTaskEngine) {}

TCustomZorvexion::~TCustomZorvexion() {
    Shutdown();
}

void TCustomZorvexion::Shutdown() {
    Stop(true);
    {
        std::lock_guard lock(FNoticeLock);
        FNoticeQuit = true;
    }
    FNoticeCond.notify_all();
    if (FNoticeThread) FNoticeThread->WaitFor();
    FNoticeThread.reset();
    std::vector<std::unique_ptr<TFFmpeg>> tasks;
    {
        std::lock_guard lock(FTerminateLock);
        tasks = FFFmpegList.TakeAll();
    }
    tasks.clear();
}

// ---- properties and events -------------------------------------------------

bool TCustomZorvexion::Terminated() const {
    std::lock_guard lock(FTerminateLock);
    return FTerminated;
}

bool TCustomZorvexion::Working() const {
    std::lock_guard lock(FTerminateLock);
    return FWorking;
}

int TCustomZorvexion::TasksCount() const {
    std::lock_guard lock(FTerminateLock);
    return FFFmpegList.Count();
}

TAVProbe* TCustomZorvexion::GetTaskAVProbe(int ATaskIndex, int AFileIndex) const {
    std::lock_guard lock(FTerminateLock);
    return FFFmpegList.Item(ATaskIndex).FindAVProbe(AFileIndex);
}

void TCustomZorvexion::SetPreview(bool AValue) {
    std::lock_guard lock(FTerminateLock);
    FPreview = AValue;
    FFFmpegList.SetPreviewHooks(FPreview, FPreviewBitmap);
}

void TCustomZorvexion::SetPreviewBitmap(bool AValue) {
    std::lock_guard lock(FTerminateLock);
    FPreviewBitmap = AValue;
    FFFmpegList.SetPreviewHooks(FPreview, FPreviewBitmap);
}

TCustomZorvexion::TProgressEvent TCustomZorvexion::OnProgress() const {
    std::lock_guard lock(FHandlerLock);
    return FOnProgress;
}

void TCustomZorvexion::SetOnProgress(TProgressEvent AEvent) {
    std::lock_guard lock(FHandlerLock);
    FOnProgress = std::move(AEvent);
}

TCustomZorvexion::TTerminateEvent TCustomZorvexion::OnTerminate() const {
    std::lock_guard lock(FHandlerLock);
    return FOnTerminate;
}

void TCustomZorvexion::SetOnTerminate(TTerminateEvent AEvent) {
    std::lock_guard lock(FHandlerLock);
    FOnTerminate = std::move(AEvent);
}

TCustomZorvexion::TPreviewBitmapEvent TCustomZorvexion::OnPreviewBitmap() const {
    std::lock_guard lock(FHandlerLock);
    return FOnPreviewBitmap;
}

void TCustomZorvexion::SetOnPreviewBitmap(TPreviewBitmapEvent AEvent) {
    std::lock_guard lock(FHandlerLock);
    FOnPreviewBitmap = std::move(AEvent);
}

TCustomZorvexion::TCustomHookEvent TCustomZorvexion::OnCustomHook() const {
    std::lock_guard lock(FHandlerLock);
    return FOnCustomHook;
}

void TCustomZorvexion::SetOnCustomHook(TCustomHookEvent AEvent) {
    std::lock_guard lock(FHandlerLock);
    FOnCustomHook = std::move(AEvent);
}

// ---- libraries -------------------------------------------------------------

bool TCustomZorvexion::LoadAVLib(const std::string& APath) {
    const bool loaded = FFLoader.LoadFrom(APath, ComponentLibraries);
    if (!loaded) FLastErrMsg = FFLoader.LastErrMsg();
    return loaded;
}

bool TCustomZorvexion::AVLibLoaded() const {
    return FFLoader.Loaded(ComponentLibraries);
}

void TCustomZorvexion::UnloadAVLib() {
    FFLoader.Unload(ComponentLibraries);
}

// ---- building tasks --------------------------------------------------------

void TCustomZorvexion::CheckNotWorking(const char* AName) const {
    if (Working()) throw Exception(Format("Cannot %s while working.", AName));
}

std::unique_ptr<TFFmpeg> TCustomZorvexion::NewTask() {
    auto task = std::make_unique<TFFmpeg>(FEngineFactory(FCustomMaxFiles));
    TTaskEngine& engine = task->Engine();
    engine.Reset();
    engine.SetVerbose(FVerbose);
    engine.SetPreviewHooks(FPreview, FPreviewBitmap);
    TFFmpeg* t = task.get();
    engine.SetOnPreviewBitmap([this, t](TBitmap* ABitmap, int AFrameNumber, int64_t APTS) {
        DoPreviewBitmap(t, ABitmap, AFrameNumber, APTS);
    });
    return task;
}

int TCustomZorvexion::AddTask(const std::string& AFileName, TInputOptions* AOptions) {
    CheckNotWorking("AddTask");
    try {
        std::unique_ptr<TFFmpeg> task = NewTask();
        // Without its libraries an engine cannot even hold its options.
        if (std::string why = task->Engine().NotReadyText(); !why.empty()) {
            FLastErrMsg = why;
            return -1;
        }
        if (AOptions) task->ApplyInputRecord(0, *AOptions, AFileName);
        TTaskEngine& engine = task->Engine();
        if (engine.OpenInputFile(AFileName) < 0) {
            FLastErrMsg = engine.LastErrMsg();
            return -1;
        }
        task->AdoptInput(0);
        TFFmpeg* t = task.get();
        engine.SetOnProgress([this, t](int AFileIndex, int AFrameNumber, int AFPS, float AQuality,
                                       float ABitRate, int64_t ACurrentSize, int64_t ACurrentDuration,
                                       int64_t ATotalDuration) {
            DoProgress(t, AFileIndex, AFrameNumber, AFPS, AQuality, ABitRate, ACurrentSize, ACurrentDuration,
                       ATotalDuration);
        });
        engine.SetOnTerminate([this, t] { DoTerminate(t); });
        std::lock_guard lock(FTerminateLock);
        return FFFmpegList.Add(std::move(task));
    } catch (const Exception& e) {
        FLastErrMsg = e.Message();
        return -1;
    }
}

int TCustomZorvexion::AddTask(const std::string& AFileName, const std::string& AExtOptions) {
    TInputOptions options = InputOptionsFromText(AExtOptions);
    return AddTask(AFileName, &options);
}

int TCustomZorvexion::AddTask(TStream* AStream, const std::string& APrivateData, TInputOptions* AOptions) {
    return AddTask(StreamName(AStream, APrivateData), AOptions);
}

bool TCustomZorvexion::AddInputFile(int ATaskIndex, const std::string& AFileName, TInputOptions* AOptions) {
    CheckNotWorking("AddInputFile");
    TFFmpeg& task = FFFmpegList.Item(ATaskIndex);
    TTaskEngine& engine = task.Engine();
    const int index = engine.nb_input_files();
    if (index >= task.MaxFiles()) {
        FLastErrMsg = Format("max input files %d reached", task.MaxFiles());
        return false;
    }
    try {
        if (AOptions)
            task.ApplyInputRecord(index, *AOptions, AFileName);
        else
            task.ResetInputOptions(index);
        if (engine.OpenInputFile(AFileName) < 0) {
            task.ResetInputOptions(index);
            FLastErrMsg = engine.LastErrMsg();
            return false;
        }
        task.AdoptInput(index);
        return true;
    } catch (const Exception& e) {
        FLastErrMsg = e.Message();
        return false;
    }
}

bool TCustomZorvexion::AddInputFile(int ATaskIndex, const std::string& AFileName,
                                    const std::string& AExtOptions) {
    TInputOptions options = InputOptionsFromText(AExtOptions);
    return AddInputFile(ATaskIndex, AFileName, &options);
}

bool TCustomZorvexion::SetOutputFile(int ATaskIndex, const std::string& AFileName, TOutputOptions* AOptions) {
    CheckNotWorking("SetOutputFile");
    TFFmpeg& task = FFFmpegList.Item(ATaskIndex);
    TTaskEngine& engine = task.Engine();
    const int index = engine.nb_output_files();
    if (index >= task.MaxFiles()) {
        FLastErrMsg = Format("max output files %d reached", task.MaxFiles());
        return false;
    }
    try {
        std::vector<TExtOption> streamOptions;
        bool join = false;
        if (AOptions) {
            streamOptions = task.ApplyOutputRecord(index, *AOptions, AFileName);
            if (AOptions->CustomHook) {
                TFFmpeg* t = &task;
                engine.SetOnCustomHook([this, t](TBitmap* ABitmap, int AFrameNumber, int64_t APTS,
                                                 bool& AUpdate, bool& AStopHook) {
                    DoCustomHook(t, ABitmap, AFrameNumber, APTS, AUpdate, AStopHook);
                });
            }
            join = AOptions->Join;
        } else {
            task.ResetOutputOptions(index);
        }
        if (engine.OpenOutputFile(AFileName, join) < 0) {
            FLastErrMsg = engine.LastErrMsg();
            task.ResetOutputOptions(index);
            return false;
        }
        if (AOptions) task.ApplyNewStreams(AOptions->ExtOptions, streamOptions);
        return true;
    } catch (const Exception& e) {
        FLastErrMsg = e.Message();
        return false;
    }
}

bool TCustomZorvexion::SetOutputFile(int ATaskIndex, const std::string& AFileName,
                                     const std::string& AExtOptions) {
    TOutputOptions options = OutputOptionsFromText(AExtOptions);
    return SetOutputFile(ATaskIndex, AFileName, &options);
}

bool TCustomZorvexion::SetOutputStream(int ATaskIndex, TStream* AStream, const std::string& APrivateData,
                                       TOutputOptions* AOptions) {
    return SetOutputFile(ATaskIndex, StreamName(AStream, APrivateData), AOptions);
}

void TCustomZorvexion::RemoveTask(int ATaskIndex) {
    CheckNotWorking("RemoveTask");
    std::unique_ptr<TFFmpeg> gone;
    std::lock_guard lock(FTerminateLock);
    gone = FFFmpegList.Extract(ATaskIndex);
}

void TCustomZorvexion::Exchange(int ATaskIndex1, int ATaskIndex2) {
    CheckNotWorking("Exchange");
    std::lock_guard lock(FTerminateLock);
    FFFmpegList.Exchange(ATaskIndex1, ATaskIndex2);
}

void TCustomZorvexion::ClearTasks() {
    std::vector<std::unique_ptr<TFFmpeg>> tasks;
    {
        std::lock_guard lock(FTerminateLock);
        if (FWorking && !FTerminated) throw Exception("Cannot ClearTasks while working.");
        tasks = FFFmpegList.TakeAll();
        FCompleteTasks = 0;
        FCurrentTask = -1;
        FPendingTasks = 0;
        FTerminated = false;
        FThreadMode = false;
        FWorking = false;
    }
    FLastErrMsg.clear();
    tasks.clear(); // outside the lock: an engine may still be leaving its worker
}

// ---- running ---------------------------------------------------------------

void TCustomZorvexion::Start(int AThreadCount) {
    CheckNotWorking("StartTask");
    const bool threaded = AThreadCount > 0;
    // Notices of an earlier run come first (unless we are inside one of them).
    if (tlsHandlerDepth == 0) WaitNoticesDelivered();
    if (threaded) EnsureNoticeThread();
    {
        std::lock_guard lock(FNoticeLock);
        FInlineDelivery = !threaded;
    }
    {
        std::lock_guard lock(FTerminateLock);
        FCompleteTasks = 0;
        FCurrentTask = 0;
        FPendingTasks = FFFmpegList.Count();
        FTerminated = false;
        FThreadMode = threaded;
        FWorking = true;
        if (FFFmpegList.Count() == 0) FinalNotice();
        if (threaded) {
            for (int left = AThreadCount; FPendingTasks > 0 && left > 0; --left)
                StartNextTask();
            return;
        }
    }

    // One task after another on this thread; the run lock is free while a
    // task converts, so its handlers may stop the run.
    for (;;) {
        TFFmpeg* task;
        {
            std::lock_guard lock(FTerminateLock);
            task = TakeNextTask();
        }
        if (!task) break;
        try {
            task->Engine().StartConvert(false, FThreadPriority);
        } catch (const std::exception& e) {
            std::lock_guard lock(FTerminateLock);
            TaskEnded(*task, {task->RunIndex, false, true, e.what()});
        }
        while (DeliverOneNotice(true)) {
        }
    }
    while (DeliverOneNotice(true)) {
    }
    {
        std::lock_guard lock(FNoticeLock);
        FInlineDelivery = false;
    }
    FNoticeCond.notify_all();
}

TFFmpeg* TCustomZorvexion::TakeNextTask() {
    if (FPendingTasks <= 0 || FCurrentTask >= FFFmpegList.Count()) return nullptr;
    --FPendingTasks;
    TFFmpeg& task = FFFmpegList.Item(FCurrentTask);
    task.RunIndex = FCurrentTask++;
    task.RunState = TFFmpeg::TRunState::rsStarted;
    task.Engine().SetVerbose(FVerbose);
    task.Engine().SetReportInterval(static_cast<int64_t>(FProgressInterval) * 1000);
    return &task;
}

void TCustomZorvexion::StartNextTask() {
    TFFmpeg* task = TakeNextTask();
    if (!task) return;
    try {
        task->Engine().StartConvert(true, FThreadPriority);
    } catch (const std::exception& e) {
        TaskEnded(*task, {task->RunIndex, false, true, e.what()});
    }
}

void TCustomZorvexion::DoTerminate(TFFmpeg* ATask) {
    std::lock_guard lock(FTerminateLock);
    if (!ATask) {
        FinalNotice();
        return;
    }
    if (ATask->RunState != TFFmpeg::TRunState::rsStarted)
        return; // ended already (stopped before it started): one notice per task
    TTaskEngine& engine = ATask->Engine();
    TaskEnded(*ATask, {ATask->RunIndex, engine.Finished(), engine.FatalException(), engine.FatalMessage()});
}

void TCustomZorvexion::TaskEnded(TFFmpeg& ATask, const TTerminateInfo& AInfo) {
    ATask.RunState = TFFmpeg::TRunState::rsEnded;
    QueueNotice(AInfo);
    ++FCompleteTasks;
    if (FPendingTasks < 1) {
        if (FCompleteTasks >= FFFmpegList.Count()) FinalNotice();
    } else if (FThreadMode) {
        StartNextTask();
    }
}

void TCustomZorvexion::FinalNotice() {
    if (FTerminated) return;
    QueueNotice({-1, true, false, std::string()});
    FTerminated = true;
}

void TCustomZorvexion::Stop(bool AWaitFor) {
    const bool wait = AWaitFor && tlsHandlerDepth == 0;
    std::vector<TFFmpeg*> running;
    {
        std::lock_guard lock(FTerminateLock);
        FPendingTasks = 0;
        if (FWorking && !FTerminated) {
            for (int i = 0; i < FFFmpegList.Count(); ++i) {
                TFFmpeg& task = FFFmpegList.Item(i);
                if (task.RunState == TFFmpeg::TRunState::rsIdle) {
                    task.RunIndex = i;
                    TaskEnded(task, {i, false, false, std::string()});
                } else if (task.RunState == TFFmpeg::TRunState::rsStarted) {
                    running.push_back(&task);
                }
            }
        }
    }
    for (TFFmpeg* task : running)
        task->Engine().Stop(wait);
    if (wait) WaitNoticesDelivered();
}

void TCustomZorvexion::Pause() {
    std::lock_guard lock(FTerminateLock);
    if (!FThreadMode) return;
    for (int i = 0; i < FFFmpegList.Count(); ++i)
        if (FFFmpegList.Item(i).RunState == TFFmpeg::TRunState::rsStarted)
            FFFmpegList.Item(i).Engine().Pause();
}

void TCustomZorvexion::Resume() {
    std::lock_guard lock(FTerminateLock);
    if (!FThreadMode) return;
    for (int i = 0; i < FFFmpegList.Count(); ++i)
        if (FFFmpegList.Item(i).RunState == TFFmpeg::TRunState::rsStarted)
            FFFmpegList.Item(i).Engine().Resume();
}

// ---- notices ---------------------------------------------------------------

void TCustomZorvexion::QueueNotice(const TTerminateInfo& AInfo) {
    {
        std::lock_guard lock(FNoticeLock);
        FNotices.push_back(AInfo);
        FNoticesIdle.ResetEvent();
    }
    FNoticeCond.notify_all();
}

void TCustomZorvexion::DeliverNotice(const TTerminateInfo& AInfo) {
    const TTerminateEvent handler = OnTerminate();
    if (!handler) return;
    THandlerScope scope;
    // A failing handler must not end the delivery of the others.
    try {
        handler(this, AInfo);
    } catch (const std::exception& e) {
        GetFFLogger()->Log(this, llError, "OnTerminate handler failed: %s", e.what());
    } catch (...) {
        GetFFLogger()->Log(this, llError, "OnTerminate handler failed");
    }
}

// Takes the oldest notice and delivers it on the calling thread: the thread
// running Start(0) during such a run (AInline), else the notice thread.
bool TCustomZorvexion::DeliverOneNotice(bool AInline) {
    TTerminateInfo info;
    {
        std::lock_guard lock(FNoticeLock);
        if (FNotices.empty() || AInline != FInlineDelivery) return false;
        info = std::move(FNotices.front());
        FNotices.pop_front();
        if (!AInline) FDelivering = true;
    }
    DeliverNotice(info);
    {
        std::lock_guard lock(FNoticeLock);
        if (!AInline) FDelivering = false;
        if (FNotices.empty() && !FDelivering) FNoticesIdle.SetEvent();
    }
    FNoticeCond.notify_all();
    return true;
}

void TCustomZorvexion::NoticeLoop() {
    for (;;) {
        {
            std::unique_lock lock(FNoticeLock);
            FNoticeCond.wait(lock, [&] { return FNoticeQuit || (!FNotices.empty() && !FInlineDelivery); });
            if (FNoticeQuit && (FNotices.empty() || FInlineDelivery)) return;
        }
        DeliverOneNotice(false);
    }
}

void TCustomZorvexion::EnsureNoticeThread() {
    if (FNoticeThread) return;
    FNoticeThread = std::make_unique<TNoticeThread>(this);
    FNoticeThread->Start();
}

void TCustomZorvexion::WaitNoticesDelivered() {
    WaitServing(FNoticesIdle, -1, 20);
}

// ---- events from the engines ----------------------------------------------

void TCustomZorvexion::DoProgress(TFFmpeg* ATask, int AFileIndex, int AFrameNumber, int AFPS, float AQuality,
                                  float ABitRate, int64_t ACurrentSize, int64_t ACurrentDuration,
                                  int64_t ATotalDuration) {
    const TProgressEvent handler = OnProgress();
    if (!handler) return;
    // Each report has its own record, so no lock is held while the GUI
    // thread runs the handler and other workers report meanwhile.
    TProgressInfo info{ATask->RunIndex, AFileIndex,   AFrameNumber,     AFPS,          AQuality,
                       ABitRate,        ACurrentSize, ACurrentDuration, ATotalDuration};
    auto call = [&] {
        THandlerScope scope;
        handler(this, &info);
    };
    if (FTriggerEventInMainThread)
        CallInMainThread(call);
    else
        call();
}

void TCustomZorvexion::DoPreviewBitmap(TFFmpeg* ATask, TBitmap* ABitmap, int AFrameNumber, int64_t APTS) {
    const TPreviewBitmapEvent handler = OnPreviewBitmap();
    if (!handler) return;
    const TPreviewInfo info{ATask->RunIndex, ABitmap, AFrameNumber, APTS};
    auto call = [&] {
        THandlerScope scope;
        handler(this, info);
    };
    if (FTriggerEventInMainThread)
        CallInMainThread(call);
    else
        call();
}

void TCustomZorvexion::DoCustomHook(TFFmpeg* ATask, TBitmap* ABitmap, int AFrameNumber, int64_t APTS,
                                    bool& AUpdate, bool& AStopHook) {
    const TCustomHookEvent handler = OnCustomHook();
    if (!handler) return;
    THookInfo info{ATask->RunIndex, ABitmap, AFrameNumber, APTS, AUpdate, AStopHook};
    {
        THandlerScope scope;
        handler(this, &info);
    }
    AUpdate = info.Update;
    AStopHook = info.StopHook;
}
