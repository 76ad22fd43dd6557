#include "media/task/TFFmpegTaskEngine.h"

#include "media/TFFmpegLoader.h"

#include <mutex>

#include "media/engine/TCustomFFmpeg.h"

namespace {

// Passes every call to the engine; the settings the component assigns
// without a setter of their own go to the engine's fields.
class TFFmpegTaskEngine : public TTaskEngine {
public:
    explicit TFFmpegTaskEngine(int AMaxFiles) : FEngine(AMaxFiles) {}

    int MaxFiles() const override { return FEngine.MaxFiles(); }
    int nb_input_files() const override { return FEngine.nb_input_files(); }
    int nb_output_files() const override { return FEngine.nb_output_files(); }
    std::string LastErrMsg() const override { return FEngine.LastErrMsg(); }
    std::string NotReadyText() const override { return FFLoader.NotLoadedText(ComponentLibraries); }
    bool Finished() const override { return FEngine.Finished(); }
    bool FatalException() const override { return FEngine.FatalException(); }
    std::string FatalMessage() const override { return FEngine.FatalMessage(); }

    void Reset() override { FEngine.Reset(); }
    void SetVerbose(int AValue) override { FEngine.SetVerbose(AValue); }
    void SetPreviewHooks(bool APreview, bool ABitmap) override {
        std::lock_guard lock(FEngine.PostHookLock());
        TPostHooks hooks = FEngine.FPostHooks;
        APreview ? hooks.Include(TPostHook::phPreview) : hooks.Exclude(TPostHook::phPreview);
        ABitmap ? hooks.Include(TPostHook::phBitmap) : hooks.Exclude(TPostHook::phBitmap);
        FEngine.SetPostHooksUnlocked(hooks);
    }

    void SetOnProgress(TTaskEngine::TProgressEvent AEvent) override {
        if (!AEvent) {
            FEngine.FOnProgress = nullptr;
            return;
        }
        FEngine.FOnProgress = [e = std::move(AEvent)](TCustomFFmpeg*, int AFileIndex, int AFrameNumber,
                                                      int AFPS, float AQuality, float ABitRate,
                                                      int64_t ACurrentSize, int64_t ACurrentDuration,
                                                      int64_t ATotalDuration) {
            e(AFileIndex, AFrameNumber, AFPS, AQuality, ABitRate, ACurrentSize, ACurrentDuration,
              ATotalDuration);
        };
    }
    void SetOnPreviewBitmap(TTaskEngine::TPreviewBitmapEvent AEvent) override {
        if (!AEvent) {
            FEngine.FOnPreviewBitmap = nullptr;
            return;
        }
        FEngine.FOnPreviewBitmap = [e = std::move(AEvent)](TCustomFFmpeg*, TBitmap* ABitmap, int AFrameNumber,
                                                           int64_t APTS) { e(ABitmap, AFrameNumber, APTS); };
    }
    void SetOnCustomHook(TTaskEngine::TCustomHookEvent AEvent) override {
        if (!AEvent) {
            FEngine.FOnCustomHook = nullptr;
            return;
        }
        FEngine.FOnCustomHook = [e = std::move(AEvent)](TCustomFFmpeg*, TBitmap* ABitmap, int AFrameNumber,
                                                        int64_t APTS, bool& AUpdate, bool& AStopHook) {
            e(ABitmap, AFrameNumber, APTS, AUpdate, AStopHook);
        };
    }
    void SetOnTerminate(TTerminateEvent AEvent) override {
        if (!AEvent) {
            FEngine.FOnTerminate = nullptr;
            return;
        }
        FEngine.FOnTerminate = [e = std::move(AEvent)](TCustomFFmpeg*) { e(); };
    }

    void SetOption(const std::string& AName, const std::string& AValue) override {
        FEngine.SetOption(AName, AValue);
    }
    void SetGenericIntOption(const std::string& AName, int AValue) override {
        FEngine.SetGenericIntOption(AName, AValue);
    }
    void SetFormat(const std::string& AValue) override { FEngine.SetFormat(AValue); }
    void SetStartTime(int64_t AValue) override { FEngine.SetStartTime(AValue); }
    void SetRecordingTime(int64_t AValue) override { FEngine.SetRecordingTime(AValue); }
    void SetRecordingTimestamp(int64_t ASeconds) override { FEngine.Frecording_timestamp = ASeconds; }
    void SetProgramId(int AValue) override { FEngine.SetProgramId(AValue); }
    void SetMuxMaxDelay(float ASeconds) override { FEngine.SetMuxMaxDelay(ASeconds); }
    void SetMuxPreload(float ASeconds) override { FEngine.SetMuxPreload(ASeconds); }
    void SetAudioDisabled(bool AValue) override { FEngine.Faudio_disable = AValue; }
    void SetVideoDisabled(bool AValue) override { FEngine.Fvideo_disable = AValue; }
    void SetSubtitleDisabled(bool AValue) override { FEngine.Fsubtitle_disable = AValue; }
    void SetAudioVolume(int AValue) override { FEngine.SetAudioVolume(AValue); }
    void SetChannels(int AValue) override { FEngine.SetChannels(AValue); }
    void SetSampleRate(int AValue) override { FEngine.SetSampleRate(AValue); }
    void SetAudioLanguage(const std::string& AValue) override { FEngine.Faudio_language = AValue; }
    void SetVideoLanguage(const std::string& AValue) override { FEngine.Fvideo_language = AValue; }
    void SetSubtitleLanguage(const std::string& AValue) override { FEngine.Fsubtitle_language = AValue; }
    void SetAudioSyncMethod(int AValue) override { FEngine.SetAudioSyncMethod(AValue); }
    void SetVideoSyncMethod(int AValue) override { FEngine.SetVideoSyncMethod(AValue); }
    void SetAudioTag(const std::string& AValue) override { FEngine.SetAudioTag(AValue); }
    void SetVideoTag(const std::string& AValue) override { FEngine.SetVideoTag(AValue); }
    void SetFrameRate(const std::string& AValue) override { FEngine.SetFrameRate(AValue); }
    void SetFrameSize(const std::string& AValue) override { FEngine.SetFrameSize(AValue); }
    void SetAspect(const std::string& AValue) override { FEngine.SetAspect(AValue); }
    void SetCropTop(int AValue) override { FEngine.SetCropTop(AValue); }
    void SetCropBottom(int AValue) override { FEngine.SetCropBottom(AValue); }
    void SetCropLeft(int AValue) override { FEngine.SetCropLeft(AValue); }
    void SetCropRight(int AValue) override { FEngine.SetCropRight(AValue); }
    void SetInputSync(bool AValue) override { FEngine.Finput_sync = AValue; }
    void SetCopyTimestamp(bool AValue) override { FEngine.Fcopy_ts = AValue; }
    void SetAudioCodec(const std::string& AValue) override { FEngine.SetAudioCodec(AValue); }
    void SetVideoCodec(const std::string& AValue) override { FEngine.SetVideoCodec(AValue); }
    void SetSubtitleCodec(const std::string& AValue) override { FEngine.SetSubtitleCodec(AValue); }
    void SetVideoFilters(const std::string& AValue) override { FEngine.SetVideoFilters(AValue); }
    void ApplyPreset(const std::string& AOption, const std::string& AValue) override {
        FEngine.ApplyPreset(AOption, AValue);
    }
    void SetTarget(const std::string& ATarget, const std::string& ANorm,
                   const std::string& ADefaultNorm) override {
        FEngine.SetTarget(ATarget, ANorm, ADefaultNorm);
    }
    void AddMetadataPair(const std::string& AKey, const std::string& AValue) override {
        FEngine.AddMetadataPair(AKey, AValue);
    }

    AVFormatContext* InputContext(int AIndex) const override {
        if (AIndex < 0 || AIndex >= FEngine.nb_input_files()) return nullptr;
        return FEngine.Finput_files[AIndex];
    }

    int OpenInputFile(const std::string& AFileName) override {
        return FEngine.OpenInputFile(AFileName) ? FEngine.nb_input_files() - 1 : -1;
    }
    int OpenOutputFile(const std::string& AFileName, bool AJoin) override {
        return FEngine.OpenOutputFile(AFileName, AJoin);
    }

    void SetReportInterval(int64_t AMicroseconds) override { FEngine.ReportInterval = AMicroseconds; }

    void StartConvert(bool AUseThread, TThreadPriority APriority) override {
        FEngine.StartConvert(AUseThread, APriority);
    }
    void Stop(bool AWaitFor) override { FEngine.Stop(AWaitFor); }
    void Pause() override { FEngine.Pause(); }
    void Resume() override { FEngine.Resume(); }

private:
    TCustomFFmpeg FEngine;
};

} // namespace

std::unique_ptr<TTaskEngine> NewFFmpegTaskEngine(int AMaxFiles) {
    return std::make_unique<TFFmpegTaskEngine>(AMaxFiles);
}
