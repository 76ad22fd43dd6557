#pragma once

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "media/task/TTaskEngine.h"
#include "platform/sys/TEvent.h"

// What a scripted engine does when started, shared by the test that scripts
// it and the engine that the component owns.
struct TFakeScript {
    int Steps = 3;       // progress reports before the end
    int StepMs = 5;      // time per step
    std::string FailMsg; // non-empty: the run ends with this failure
};

// The calls an engine received, as "Name(args)" lines, and its runs.
struct TFakeLog {
    std::mutex Lock;
    std::vector<std::string> Calls;
    std::set<std::string> FailingOptions; // SetOption names that raise
    bool FailOpen = false;
    TFakeScript Script;
    std::atomic<int> Running{0};
    std::atomic<int> MaxRunning{0};
    std::atomic<int> Destroyed{0};
    std::atomic<int> HookUpdates{0};

    void Add(std::string ACall) {
        std::lock_guard lock(Lock);
        Calls.push_back(std::move(ACall));
    }
    std::vector<std::string> Snapshot() {
        std::lock_guard lock(Lock);
        return Calls;
    }
};

// A conversion engine that records its settings and "converts" by sleeping
// through its script, reporting progress, honouring stop and pause.
class FakeTaskEngine : public TTaskEngine {
public:
    FakeTaskEngine(int AMaxFiles, std::shared_ptr<TFakeLog> ALog);
    ~FakeTaskEngine() override;

    int MaxFiles() const override { return FMaxFiles; }
    int nb_input_files() const override { return FInputs; }
    int nb_output_files() const override { return FOutputs; }
    std::string LastErrMsg() const override { return FLastErrMsg; }
    bool Finished() const override { return FFinished; }
    bool FatalException() const override { return FFatalException; }
    std::string FatalMessage() const override { return FFatalMessage; }

    void Reset() override { Log("Reset()"); }
    void SetVerbose(int v) override { Log("SetVerbose(" + std::to_string(v) + ")"); }
    void SetPreviewHooks(bool p, bool b) override { Log("SetPreviewHooks(" + B(p) + "," + B(b) + ")"); }

    void SetOnProgress(TProgressEvent e) override { FOnProgress = std::move(e); }
    void SetOnPreviewBitmap(TPreviewBitmapEvent e) override { FOnPreviewBitmap = std::move(e); }
    void SetOnCustomHook(TCustomHookEvent e) override { FOnCustomHook = std::move(e); }
    void SetOnTerminate(TTerminateEvent e) override { FOnTerminate = std::move(e); }

    void SetOption(const std::string& n, const std::string& v) override;
    void SetGenericIntOption(const std::string& n, int v) override { Log("Generic(" + n + "," + I(v) + ")"); }
    void SetFormat(const std::string& v) override { Log("SetFormat(" + v + ")"); }
    void SetStartTime(int64_t v) override { Log("SetStartTime(" + I(v) + ")"); }
    void SetRecordingTime(int64_t v) override { Log("SetRecordingTime(" + I(v) + ")"); }
    void SetRecordingTimestamp(int64_t v) override { Log("SetRecordingTimestamp(" + I(v) + ")"); }
    void SetProgramId(int v) override { Log("SetProgramId(" + I(v) + ")"); }
    void SetMuxMaxDelay(float v) override { Log("SetMuxMaxDelay(" + F(v) + ")"); }
    void SetMuxPreload(float v) override { Log("SetMuxPreload(" + F(v) + ")"); }
    void SetAudioDisabled(bool v) override { Log("SetAudioDisabled(" + B(v) + ")"); }
    void SetVideoDisabled(bool v) override { Log("SetVideoDisabled(" + B(v) + ")"); }
    void SetSubtitleDisabled(bool v) override { Log("SetSubtitleDisabled(" + B(v) + ")"); }
    void SetAudioVolume(int v) override { Log("SetAudioVolume(" + I(v) + ")"); }
    void SetChannels(int v) override { Log("SetChannels(" + I(v) + ")"); }
    void SetSampleRate(int v) override { Log("SetSampleRate(" + I(v) + ")"); }
    void SetAudioLanguage(const std::string& v) override { Log("SetAudioLanguage(" + v + ")"); }
    void SetVideoLanguage(const std::string& v) override { Log("SetVideoLanguage(" + v + ")"); }
    void SetSubtitleLanguage(const std::string& v) override { Log("SetSubtitleLanguage(" + v + ")"); }
    void SetAudioSyncMethod(int v) override { Log("SetAudioSyncMethod(" + I(v) + ")"); }
    void SetVideoSyncMethod(int v) override { Log("SetVideoSyncMethod(" + I(v) + ")"); }
    void SetAudioTag(const std::string& v) override { Log("SetAudioTag(" + v + ")"); }
    void SetVideoTag(const std::string& v) override { Log("SetVideoTag(" + v + ")"); }
    void SetFrameRate(const std::string& v) override { Log("SetFrameRate(" + v + ")"); }
    void SetFrameSize(const std::string& v) override { Log("SetFrameSize(" + v + ")"); }
    void SetAspect(const std::string& v) override { Log("SetAspect(" + v + ")"); }
    void SetCropTop(int v) override { Log("SetCropTop(" + I(v) + ")"); }
    void SetCropBottom(int v) override { Log("SetCropBottom(" + I(v) + ")"); }
    void SetCropLeft(int v) override { Log("SetCropLeft(" + I(v) + ")"); }
    void SetCropRight(int v) override { Log("SetCropRight(" + I(v) + ")"); }
    void SetInputSync(bool v) override { Log("SetInputSync(" + B(v) + ")"); }
    void SetCopyTimestamp(bool v) override { Log("SetCopyTimestamp(" + B(v) + ")"); }
    void SetAudioCodec(const std::string& v) override { Log("SetAudioCodec(" + v + ")"); }
    void SetVideoCodec(const std::string& v) override { Log("SetVideoCodec(" + v + ")"); }
    void SetSubtitleCodec(const std::string& v) override { Log("SetSubtitleCodec(" + v + ")"); }
    void SetVideoFilters(const std::string& v) override { Log("SetVideoFilters(" + v + ")"); }
    void ApplyPreset(const std::string& o, const std::string& v) override {
        Log("ApplyPreset(" + o + "," + v + ")");
    }
    void SetTarget(const std::string& t, const std::string& n, const std::string& d) override {
        Log("SetTarget(" + t + "," + n + "," + d + ")");
    }
    void AddMetadataPair(const std::string& k, const std::string& v) override {
        Log("AddMetadataPair(" + k + "," + v + ")");
    }

    int OpenInputFile(const std::string& AFileName) override;
    int OpenOutputFile(const std::string& AFileName, bool AJoin) override;

    void SetReportInterval(int64_t us) override { Log("SetReportInterval(" + I(us) + ")"); }
    void StartConvert(bool AUseThread, TThreadPriority APriority) override;
    void Stop(bool AWaitFor) override;
    void Pause() override;
    void Resume() override;

private:
    void Log(std::string ACall) { FLog->Add(std::move(ACall)); }
    static std::string B(bool v) { return v ? "1" : "0"; }
    static std::string I(int64_t v) { return std::to_string(v); }
    static std::string F(float v);
    void Run();
    void End(const std::string& AFailure);

    const int FMaxFiles;
    std::shared_ptr<TFakeLog> FLog;
    TFakeScript FScript;
    int FInputs = 0;
    int FOutputs = 0;
    std::string FLastErrMsg;
    std::atomic<bool> FFinished{false};
    std::atomic<bool> FFatalException{false};
    std::string FFatalMessage;
    bool FStarted = false;

    TProgressEvent FOnProgress;
    TPreviewBitmapEvent FOnPreviewBitmap;
    TCustomHookEvent FOnCustomHook;
    TTerminateEvent FOnTerminate;

    std::thread FThread;
    std::atomic<std::thread::id> FWorkerId{};
    std::atomic<bool> FThreaded{false};
    TEvent FStopped{true, true};
    std::mutex FPauseLock;
    std::condition_variable FPauseCond;
    bool FPaused = false;
    std::atomic<bool> FBroken{false};
    bool FHookStopped = false;
};
