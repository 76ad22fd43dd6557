#pragma once

#include "app/conversion/IConverter.h"
#include "media/task/TCustomZorvexion.h"

// The conversion road over the conversion component of the media engine.
class TZorvexionConverter : public IConverter {
public:
    explicit TZorvexionConverter(TCustomZorvexion& AZorvex) : FZorvex(AZorvex) {}
    ~TZorvexionConverter() override;

    bool AVLibLoaded() override { return FZorvex.AVLibLoaded(); }
    bool LoadAVLib(const std::string& APath) override { return FZorvex.LoadAVLib(APath); }
    int AddTask(const std::string& AFileName, TInputOptions* AOptions) override;
    bool SetOutputFile(int ATaskIndex, const std::string& AFileName, TOutputOptions* AOptions) override;
    void RemoveTask(int ATaskIndex) override { FZorvex.RemoveTask(ATaskIndex); }
    void ClearTasks() override { FZorvex.ClearTasks(); }
    std::string TaskInfoText(int ATaskIndex) override;
    std::string LastErrMsg() override { return FZorvex.LastErrMsg(); }
    void SetThreadPriority(TThreadPriority APriority) override { FZorvex.SetThreadPriority(APriority); }
    void SetPreview(bool APreview) override { FZorvex.SetPreview(APreview); }
    void Start(int AThreadCount) override { FZorvex.Start(AThreadCount); }
    void Pause() override { FZorvex.Pause(); }
    void Resume() override { FZorvex.Resume(); }
    void Stop(bool AWaitFor) override { FZorvex.Stop(AWaitFor); }
    void SetOnProgress(TProgressHandler AHandler) override;
    void SetOnTerminate(TTerminateHandler AHandler) override;

private:
    TCustomZorvexion& FZorvex;
};

// Adding's probe over the component's own prober.
class TZorvexionProber : public IProber {
public:
    explicit TZorvexionProber(TCustomZorvexion& AZorvex) : FZorvex(AZorvex) {}
    bool LoadFile(const std::string& AFileName) override;
    int64_t Duration() override;
    int64_t FileSize() override;
    std::string LastErrMsg() override;

private:
    TCustomZorvexion& FZorvex;
};
