#pragma once

#include "media/MediaUtils.h"
#include "media/PictureToBitmap.h"
#include "media/TFFBaseComponent.h"
#include "media/player/PlayerTypes.h"
#include "media/player/TPlayEvent.h"
#include "media/player/TPlayerHost.h"
#include "media/player/TPlayerOwner.h"
#include "media/prober/TAVProbe.h"
#include "platform/gdi/TBitmap.h"
#include "platform/sys/TEvent.h"
#include "platform/sys/TThread.h"
#include "platform/sys/TTimedMutex.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

struct TVideoState;

// Plays one media file into a host window: video through SDL, audio through
// SDL's audio output. Reports the file's duration and size when it opens,
// the position while it plays and every change of its play state.
//
// Threads: the operations run on the GUI thread (or one other thread at a
// time); a play thread runs the engine's SDL event loop; an event thread per
// opened file delivers OnPosition and OnState (on the GUI thread through a
// blocking call while TriggerEventInMainThread is set). Waits inside Open,
// Stop and Seek keep serving the GUI thread; calling Open, Stop or Seek from
// a handler run inside such a wait is refused.
//
// Only one player may be open in the process at a time (SDL 1.2 has one
// video surface, one audio device and one event queue).
class TCustomPlayer : public TFFBaseComponent, private TPlayerOwner {
public:
    using TFileOpenEvent = std::function<void(TCustomPlayer* Sender, int64_t ADuration, int AFrameWidth,
                                              int AFrameHeight, int& AScreenWidth, int& AScreenHeight)>;
    using TPositionEvent = std::function<void(TCustomPlayer* Sender, int64_t APTS)>;
    using TPlayStateEvent = std::function<void(TCustomPlayer* Sender, TPlayState AState)>;
    // Runs on the video thread with the picture as a bitmap the handler may
    // draw on; APTS in microseconds from the file's start.
    using THookEvent = std::function<void(TCustomPlayer* Sender, TBitmap* ABitmap, int64_t APTS)>;

    TCustomPlayer();
    ~TCustomPlayer() override;

    static bool AVLibLoaded();
    // Sets the loader's folder (when not empty) and loads the player's libraries.
    bool LoadAVLib(const std::string& APath);
    static void UnloadAVLib();

    // AFileName is UTF-8; AScreenHandle the host window (0: none). False with
    // LastErrMsg when the file cannot be played; nothing stays open then.
    bool Open(const std::string& AFileName, uintptr_t AScreenHandle = 0, bool APaused = false);
    // Ends playback; with AWaitForStop returns once every thread has ended and
    // psStop has been delivered. While Open waits for its file, Stop may also
    // come from another thread: it gives the open up.
    void Stop(bool AWaitForStop);
    void Pause();
    void Resume();
    void TogglePause();
    // APTS in microseconds from the file's start (bytes with sfByte).
    void Seek(int64_t APTS, TSeekFlags ASeekFlags = {}, bool AWaitForSeekEnd = false);
    // ADelta seconds from the current position.
    void Seek(double ADelta, TSeekFlags ASeekFlags, bool AWaitForSeekEnd);
    // Shows the next picture and pauses again (psStep once per step). Does
    // nothing without a video stream.
    void StepToNextFrame();

    // The current stream of each kind (its index in the file), -1 when none
    // or nothing is open. Setting switches streams while open and waits
    // (serving the GUI thread) until the switch is done; False with the
    // reason in LastErrMsg when it cannot be made. -1 turns subtitles off.
    int AudioStreamIndex();
    bool SetAudioStreamIndex(int AValue);
    int VideoStreamIndex();
    bool SetVideoStreamIndex(int AValue);
    int SubtitleStreamIndex();
    bool SetSubtitleStreamIndex(int AValue);

    // What happens when PlayTime (microseconds from start_time, AV_NOPTS_VALUE:
    // none) has played: rtStop stops, rtLoop starts again, rtNone nothing.
    TRepeatType RepeatType() const { return FRepeatType; }
    void SetRepeatType(TRepeatType AValue) { FRepeatType = AValue; }
    int64_t PlayTime() const { return FPlayTime; }
    void SetPlayTime(int64_t AValue) { FPlayTime = AValue; }

    // Applied to the samples SDL plays; 0 (silent) to 128 (unchanged).
    TAudioVolume AudioVolume() const override { return FAudioVolume; }
    void SetAudioVolume(TAudioVolume AValue);
    bool Mute() const override { return FMute; }
    void SetMute(bool AValue) { FMute = AValue; }

    // The picture on the screen as a 24-bit bitmap owned (and reused) by the
    // player; 0 x 0 without video. APTS is its time, -1 when there is none.
    TBitmap* CurrentFrame();
    TBitmap* CurrentFrame(int64_t& APTS);
    // Advances the audio display (none, wave, spectrum); drawn by the play thread.
    void ToggleAudioDisplay();

    // Logs at llError with the player as sender; keeps the text when asked.
    void ReportError(const std::string& AText, bool ASetLastErrMsg) override;
    bool LockData(int ATimeout);
    void UnlockData();

    std::string LastErrMsg() const;
    std::string FileName() const { return FFileName; }
    // The window id the video plays into (0: none, or a window of SDL's own).
    uintptr_t ScreenHandle() const { return FScreenHandle; }
    // The panel the video plays into. Open given no screen handle plays into
    // its window id; while open, the panel's exposures and size changes
    // redraw and re-fit the picture, and its client size is the screen size.
    // Changes apply at the next Open.
    // Destroying the panel first lets the player forget it.
    TNativeChildWindow* HostWindow() const { return FHost.Window(); }
    void SetHostWindow(TNativeChildWindow* AValue) { FHost.SetWindow(AValue); }
    // Called by the host window when it moves. The native child window
    // follows its panel by itself and SDL draws at its origin: nothing to do.
    void UpdateScreenPosition() {}
    TAVProbe& AVProbe() { return FAVProbe; }
    int64_t CurrentPTS() const { return FCurrentPTS; }
    // True also when nothing is open.
    bool Paused();
    TPlayState PlayState() const { return FState; }
    bool Seeking() const { return FSeeking; }
    std::string Version() const { return "2.3"; }

    bool DisableAudio() const { return FSettings.audio_disable; }
    void SetDisableAudio(bool AValue) { FSettings.audio_disable = AValue; }
    bool DisableVideo() const { return FSettings.video_disable; }
    void SetDisableVideo(bool AValue) { FSettings.video_disable = AValue; }
    bool DisableDisplay() const { return FSettings.display_disable; }
    void SetDisableDisplay(bool AValue) { FSettings.display_disable = AValue; }
    // Applied at the next Open: written into SDL_AUDIODRIVER and
    // SDL_VIDEODRIVER unless the process was given its own value.
    TAudioDriver AudioDriver() const { return FAudioDriver; }
    void SetAudioDriver(TAudioDriver AValue) { FAudioDriver = AValue; }
    TVideoDriver VideoDriver() const { return FVideoDriver; }
    void SetVideoDriver(TVideoDriver AValue) { FVideoDriver = AValue; }
    int ScreenWidth() const override { return FScreenWidth; }
    void SetScreenWidth(int AValue) { FScreenWidth = AValue; }
    int ScreenHeight() const override { return FScreenHeight; }
    void SetScreenHeight(int AValue) { FScreenHeight = AValue; }
    int FrameWidth() const { return FSettings.frame_width; }
    void SetFrameWidth(int AValue) { FSettings.frame_width = AValue; }
    int FrameHeight() const { return FSettings.frame_height; }
    void SetFrameHeight(int AValue) { FSettings.frame_height = AValue; }
    float AspectRatio() const override { return FAspectRatio; }
    // Negative: the picture fills the window; 0: its own aspect; positive: this aspect.
    void SetAspectRatio(float AValue);
    TShowAudio ShowAudio() const override { return FShowAudio; }
    void SetShowAudio(TShowAudio AValue);
    // Pictures are shown upside down; reset when a file closes.
    bool VerticalFlip() const override { return FVerticalFlip; }
    void SetVerticalFlip(bool AValue) { FVerticalFlip = AValue; }
    // Pictures go through OnHook while set.
    bool Hook() const { return FHook; }
    void SetHook(bool AValue) { FHook = AValue; }
    bool TriggerEventInMainThread() const { return FTriggerEventInMainThread; }
    void SetTriggerEventInMainThread(bool AValue) { FTriggerEventInMainThread = AValue; }
    Tav_sync_type av_sync_type() const { return FSettings.av_sync_type; }
    void Setav_sync_type(Tav_sync_type AValue) { FSettings.av_sync_type = AValue; }
    int framedrop() const { return FSettings.framedrop; }
    void Setframedrop(int AValue) { FSettings.framedrop = AValue; }
    std::string VideoFilters() const { return FSettings.vfilters; }
    void SetVideoFilters(const std::string& AValue) { FSettings.vfilters = AValue; }
    // Milliseconds Open waits for a source that delivers too little (a FIFO
    // without a writer, a stalled network) before it gives up; 0: no limit.
    int OpenTimeout() const { return int(FSettings.open_timeout / 1000); }
    void SetOpenTimeout(int AValue) { FSettings.open_timeout = int64_t(std::max(AValue, 0)) * 1000; }

    // Called from the event thread or the GUI thread. Handlers may be changed
    // at any time, also while a file plays: each call runs on a copy.
    TFileOpenEvent OnFileOpen() const;
    void SetOnFileOpen(TFileOpenEvent AEvent);
    TPositionEvent OnPosition() const;
    void SetOnPosition(TPositionEvent AEvent);
    TPlayStateEvent OnState() const;
    void SetOnState(TPlayStateEvent AEvent);
    // Called on the video thread while Hook is set.
    THookEvent OnHook() const;
    void SetOnHook(THookEvent AEvent);

private:
    class TFunctionThread;

    // TPlayerOwner
    void LogMessage(TLogLevel ALevel, const std::string& AText) override;
    void SetLastErrMsg(const std::string& AText) override;
    void SetState(TPlayState AState) override;
    void CheckPosition(TVideoState& AState) override;
    void FileOpened(AVFormatContext* AContext) override;
    bool OpenCancelled() const override { return FCancelOpen; }
    TEvent& SeekEvent() override { return FSeekEvent; }
    TEvent& PictEvent() override { return FPictEvent; }
    void SetSeeking(bool AValue) override { FSeeking = AValue; }
    TTimedMutex& DataLock() override { return FDataLock; }
    void SetScreenSize(int AWidth, int AHeight) override;
    bool HasScreenHandle() const override { return FScreenHandle != 0; }
    bool HookActive() const override { return FHook && OnHook() && !FHandlersOff; }
    void HookPicture(AVFrame* AFrame, int64_t APTS) override;

    bool Refused();
    bool ChangeStream(AVMediaType AType, int AIndex);
    // RepeatType at the end of the play window. Play thread.
    void CheckPlayWindow(TVideoState& AState, int64_t APos);
    int StreamIndex(AVMediaType AType);
    void DoFileOpen();
    void PlayThreadBody();
    void EventThreadBody();
    void Deliver(const std::function<void()>& AHandler);
    void EngineExit();
    // Joins what a stopped file left behind and shuts SDL down.
    void FinishClose();
    void QuitSDL();
    void ResetState();

    // Guards the four handlers; held only while one is copied or replaced.
    mutable std::mutex FHandlerLock;
    TFileOpenEvent FOnFileOpen;
    TPositionEvent FOnPosition;
    TPlayStateEvent FOnState;
    THookEvent FOnHook;

    TPlayerSettings FSettings;
    TAudioDriver FAudioDriver = adDefault;
    TVideoDriver FVideoDriver = vdDefault;
    std::atomic<int> FScreenWidth{0};
    std::atomic<int> FScreenHeight{0};
    std::atomic<float> FAspectRatio{0};
    bool FTriggerEventInMainThread = true;
    std::atomic<TRepeatType> FRepeatType{rtStop};
    std::atomic<int64_t> FPlayTime{AV_NOPTS_VALUE};
    std::atomic<int> FAudioVolume{128};
    std::atomic<bool> FMute{false};

    mutable std::mutex FErrLock;
    std::string FLastErrMsg; // under FErrLock
    std::string FFileName;
    uintptr_t FScreenHandle = 0;
    TPlayerHost FHost; // the host window, forwarding while a file plays into it
    TAVProbe FAVProbe;
    std::unique_ptr<TRGBConvertContext> FRGBContext;
    // The video thread's, for OnHook; freed once a file has closed.
    std::unique_ptr<TRGBConvertContext> FHookContext;
    std::atomic<TShowAudio> FShowAudio{saWave};
    std::atomic<bool> FVerticalFlip{false};
    std::atomic<bool> FHook{false};
    std::atomic<bool> FCancelOpen{false};     // set by Stop while Open waits for the file
    std::atomic<bool> FWaitingForFile{false}; // Open waits for the file

    // The engine's state: set by Open, cleared by the play thread; under FDataLock.
    TTimedMutex FDataLock;
    TVideoState* FVideoState = nullptr;
    bool FSDLInit = false;
    int FInWait = 0;       // depth of Open, Stop and Seek waits on this thread
    bool FOpening = false; // Open is closing the previous file
    std::unique_ptr<TThread> FPlayThread;
    std::unique_ptr<TThread> FEventThread;
    TEvent FStopEvent{true, true};
    TEvent FSeekEvent{true, true};
    TEvent FPictEvent{true, true};
    TPlayEvent FPlayEvent;
    std::atomic<TPlayState> FState{psStop};
    std::atomic<bool> FSeeking{false};
    std::atomic<bool> FHandlersOff{false};

    // Position reporting, under FPositionLock.
    std::mutex FPositionLock;
    int64_t FLastPTS = AV_NOPTS_VALUE;
    std::atomic<int64_t> FCurrentPTS{-1};
};
