#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/sys/TThread.h"

class TBitmap;
struct AVFormatContext;

// What a task needs of its conversion engine: the setters the option records
// are turned into, opening files, and running. The conversion engine plugs in
// behind it; tests plug in a scripted engine.
//
// Setters raise an Exception for a bad value (the task component catches it
// and keeps its message). They are called only while the engine does not
// convert. The events fire on the converting thread (or, for a failed start,
// inside StartConvert); the engine never moves them to the GUI thread.
class TTaskEngine {
public:
    using TProgressEvent =
        std::function<void(int AFileIndex, int AFrameNumber, int AFPS, float AQuality, float ABitRate,
                           int64_t ACurrentSize, int64_t ACurrentDuration, int64_t ATotalDuration)>;
    using TPreviewBitmapEvent = std::function<void(TBitmap* ABitmap, int AFrameNumber, int64_t APTS)>;
    using TCustomHookEvent =
        std::function<void(TBitmap* ABitmap, int AFrameNumber, int64_t APTS, bool& AUpdate, bool& AStopHook)>;
    using TTerminateEvent = std::function<void()>;

    virtual ~TTaskEngine() = default; // stops a running conversion and waits for it

    virtual int MaxFiles() const = 0;
    virtual int nb_input_files() const = 0;
    virtual int nb_output_files() const = 0;
    virtual std::string LastErrMsg() const = 0; // why the last open failed
    // Empty when the engine can take options and files, else why not (its
    // libraries are not loaded). Scripted engines are always ready.
    virtual std::string NotReadyText() const { return {}; }
    virtual bool Finished() const = 0;       // the run reached its end without a stop
    virtual bool FatalException() const = 0; // a failure ended the run
    virtual std::string FatalMessage() const = 0;
    // The opened context of an input, for a prober to read without owning it;
    // null when the engine has none (scripted engines).
    virtual AVFormatContext* InputContext(int /*AIndex*/) const { return nullptr; }

    virtual void Reset() = 0;
    virtual void SetVerbose(int AValue) = 0;
    // Sets or clears the preview window and preview bitmap hooks, leaving others.
    virtual void SetPreviewHooks(bool APreview, bool ABitmap) = 0;

    virtual void SetOnProgress(TProgressEvent AEvent) = 0;
    virtual void SetOnPreviewBitmap(TPreviewBitmapEvent AEvent) = 0;
    virtual void SetOnCustomHook(TCustomHookEvent AEvent) = 0;
    virtual void SetOnTerminate(TTerminateEvent AEvent) = 0;

    // The option dispatcher: one option by name (exact case).
    virtual void SetOption(const std::string& AName, const std::string& AValue) = 0;
    virtual void SetGenericIntOption(const std::string& AName, int AValue) = 0;

    virtual void SetFormat(const std::string& AValue) = 0;
    virtual void SetStartTime(int64_t AValue) = 0;     // microseconds
    virtual void SetRecordingTime(int64_t AValue) = 0; // microseconds
    virtual void SetRecordingTimestamp(int64_t ASeconds) = 0;
    virtual void SetProgramId(int AValue) = 0;
    virtual void SetMuxMaxDelay(float ASeconds) = 0;
    virtual void SetMuxPreload(float ASeconds) = 0;
    virtual void SetAudioDisabled(bool AValue) = 0;
    virtual void SetVideoDisabled(bool AValue) = 0;
    virtual void SetSubtitleDisabled(bool AValue) = 0;
    virtual void SetAudioVolume(int AValue) = 0;
    virtual void SetChannels(int AValue) = 0;
    virtual void SetSampleRate(int AValue) = 0;
    virtual void SetAudioLanguage(const std::string& AValue) = 0;
    virtual void SetVideoLanguage(const std::string& AValue) = 0;
    virtual void SetSubtitleLanguage(const std::string& AValue) = 0;
    virtual void SetAudioSyncMethod(int AValue) = 0;
    virtual void SetVideoSyncMethod(int AValue) = 0;
    virtual void SetAudioTag(const std::string& AValue) = 0;
    virtual void SetVideoTag(const std::string& AValue) = 0;
    virtual void SetFrameRate(const std::string& AValue) = 0;
    virtual void SetFrameSize(const std::string& AValue) = 0;
    virtual void SetAspect(const std::string& AValue) = 0;
    virtual void SetCropTop(int AValue) = 0;
    virtual void SetCropBottom(int AValue) = 0;
    virtual void SetCropLeft(int AValue) = 0;
    virtual void SetCropRight(int AValue) = 0;
    virtual void SetInputSync(bool AValue) = 0;
    virtual void SetCopyTimestamp(bool AValue) = 0;
    virtual void SetAudioCodec(const std::string& AValue) = 0;
    virtual void SetVideoCodec(const std::string& AValue) = 0;
    virtual void SetSubtitleCodec(const std::string& AValue) = 0;
    virtual void SetVideoFilters(const std::string& AValue) = 0;
    virtual void ApplyPreset(const std::string& AOption, const std::string& AValue) = 0;
    virtual void SetTarget(const std::string& ATarget, const std::string& ANorm,
                           const std::string& ADefaultNorm) = 0;
    virtual void AddMetadataPair(const std::string& AKey, const std::string& AValue) = 0;

    // The index of the opened file, or -1 with LastErrMsg.
    virtual int OpenInputFile(const std::string& AFileName) = 0;
    virtual int OpenOutputFile(const std::string& AFileName, bool AJoin) = 0;

    virtual void SetReportInterval(int64_t AMicroseconds) = 0;
    // AUseThread: starts a worker and returns; otherwise converts inside the
    // call. A start that fails (no input, no output) ends the task at once,
    // its termination event raised inside this call.
    virtual void StartConvert(bool AUseThread, TThreadPriority APriority) = 0;
    // Asks a running conversion to stop; AWaitFor waits for its end (serving
    // the GUI thread when called there). An inline run is only flagged.
    virtual void Stop(bool AWaitFor) = 0;
    virtual void Pause() = 0;
    virtual void Resume() = 0;
};
