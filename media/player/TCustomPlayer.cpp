#include "media/player/TCustomPlayer.h"

#include "media/TFFmpegLoader.h"
#include "media/player/PlayerEngine.h"
#include "media/player/TSDLDriverEnvironment.h"
#include "media/player/TWaitGuard.h"
#include "platform/sys/MainThread.h"
#include "platform/win/TNativeChildWindow.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// SDL 1.2 keeps one surface, one audio device and one event queue per
// process, and SDL_Quit ends all of them: one open player at a time.
std::atomic<TCustomPlayer*> OpenPlayer{nullptr};

struct TOpeningGuard {
    bool& Flag;
    explicit TOpeningGuard(bool& AFlag) : Flag(AFlag) { Flag = true; }
    ~TOpeningGuard() { Flag = false; }
};

} // namespace

class TCustomPlayer::TFunctionThread : public TThread {
public:
    TFunctionThread(std::function<void()> ABody, const char* AName) : FBody(std::move(ABody)) {
        SetName(AName);
    }
    ~TFunctionThread() override { WaitFor(); }

protected:
    void Execute() override { FBody(); }

private:
    std::function<void()> FBody;
};

TCustomPlayer::TCustomPlayer() {
    FFLoader.AddLiveObject();
}

TCustomPlayer::~TCustomPlayer() {
    FHandlersOff = true;
    FInWait = 0;
    Stop(true);
    FinishClose();
    FRGBContext.reset();
    FHookContext.reset();
    FFLoader.RemoveLiveObject();
}

bool TCustomPlayer::AVLibLoaded() {
    return FFLoader.Loaded(PlayerLibraries);
}

bool TCustomPlayer::LoadAVLib(const std::string& APath) {
    if (APath.empty() ? FFLoader.Load(PlayerLibraries) : FFLoader.LoadFrom(APath, PlayerLibraries))
        return true;
    SetLastErrMsg(FFLoader.LastErrMsg());
    return false;
}

void TCustomPlayer::UnloadAVLib() {
    FFLoader.Unload(PlayerLibraries);
}

std::string TCustomPlayer::LastErrMsg() const {
    std::lock_guard lock(FErrLock);
    return FLastErrMsg;
}

void TCustomPlayer::SetLastErrMsg(const std::string& AText) {
    std::lock_guard lock(FErrLock);
    FLastErrMsg = AText;
}

void TCustomPlayer::ReportError(const std::string& AText, bool ASetLastErrMsg) {
    GetFFLogger()->Log(this, llError, AText);
    if (ASetLastErrMsg) SetLastErrMsg(AText);
}

void TCustomPlayer::LogMessage(TLogLevel ALevel, const std::string& AText) {
    GetFFLogger()->Log(this, ALevel, AText);
}

bool TCustomPlayer::LockData(int ATimeout) {
    return FDataLock.Lock(ATimeout);
}

void TCustomPlayer::UnlockData() {
    FDataLock.Unlock();
}

bool TCustomPlayer::Refused() {
    // FInWait belongs to the GUI thread: other threads never read it.
    return IsGuiThread() && FInWait > 0;
}

bool TCustomPlayer::Paused() {
    std::lock_guard lock(FDataLock);
    return !FVideoState || FVideoState->paused;
}

void TCustomPlayer::SetScreenSize(int AWidth, int AHeight) {
    FScreenWidth = AWidth;
    FScreenHeight = AHeight;
}

void TCustomPlayer::QuitSDL() {
    if (!FSDLInit) return;
    sdl::SDL_Quit();
    FSDLInit = false;
    TCustomPlayer* self = this;
    OpenPlayer.compare_exchange_strong(self, nullptr);
}

void TCustomPlayer::ResetState() {
    {
        std::lock_guard lock(FPositionLock);
        FLastPTS = AV_NOPTS_VALUE;
    }
    FCurrentPTS = -1;
    FSeekEvent.SetEvent();
    FPictEvent.SetEvent();
    FSeeking = false;
}

bool TCustomPlayer::Open(const std::string& AFileName, uintptr_t AScreenHandle, bool APaused) {
    if (Refused()) {
        SetLastErrMsg("Open refused: the player is waiting for a previous call to finish.");
        return false;
    }
    if (!AVLibLoaded()) {
        ReportError("libav or libsdl not loaded.", true);
        return false;
    }
    {
        // The play window set for this file outlives closing the previous one.
        TOpeningGuard opening(FOpening);
        Stop(true);
    }
    TCustomPlayer* none = nullptr;
    if (!OpenPlayer.compare_exchange_strong(none, this)) {
        ReportError("Another player is already open.", true);
        return false;
    }
    // Before SDL_Init and before any engine thread of ours exists.
    TSDLDriverEnvironment::Audio().Apply(SDLAudioDriverName(FAudioDriver));
    TSDLDriverEnvironment::Video().Apply(SDLVideoDriverName(FVideoDriver));
    TNativeChildWindow* host = FHost.Window();
    if (!AScreenHandle && host) AScreenHandle = host->WindowId();
    // SDL reads it at video init only; every Open initialises SDL again.
    TPlayerHost::SetWindowIdVariable(AScreenHandle);
    if (sdl::SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE) < 0) {
        char text[512];
        std::snprintf(text, sizeof text, "Could not initialize SDL with ScreenHandle(%u): %s",
                      unsigned(AScreenHandle), sdl::SDL_GetError());
        ReportError(text, true);
        OpenPlayer = nullptr;
        return false;
    }
    FSDLInit = true;
    // Without a sound card video still plays: an audio failure shows when
    // the audio stream is opened.
    if (sdl::SDL_InitSubSystem(SDL_INIT_AUDIO) < 0)
        LogMessage(llWarning, std::string("SDL audio: ") + sdl::SDL_GetError());
    TPlayerSettings settings = FSettings;
    if (settings.display_disable) {
        settings.video_disable = true;
    } else if (!sdl::SDL_GetVideoInfo()) {
        ReportError("SDL_GetVideoInfo() failed", true);
        QuitSDL();
        return false;
    }
    // Only before any engine thread exists: it drops queued events.
    sdl::SDL_EventState(SDL_ACTIVEEVENT, SDL_IGNORE);
    sdl::SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    sdl::SDL_EventState(SDL_SYSWMEVENT, SDL_IGNORE);
    sdl::SDL_EventState(SDL_USEREVENT, SDL_IGNORE);
    ResetState();
    FScreenHandle = AScreenHandle;
    const bool embedded = AScreenHandle && host && host->WindowId() == AScreenHandle;
    if (embedded) {
        // SDL draws at the borrowed window's origin and never sizes it: the
        // screen is the panel's client area.
        FScreenWidth = host->ClientWidth();
        FScreenHeight = host->ClientHeight();
    }

    std::unique_ptr<TVideoState> state;
    bool opened;
    {
        TWaitGuard guard(FInWait);
        FCancelOpen = false;
        FWaitingForFile = true;
        opened = StreamOpen(this, settings, AFileName, nullptr, APaused, state);
        FWaitingForFile = false;
    }
    if (!opened) {
        QuitSDL();
        FScreenHandle = 0;
        return false;
    }
    FFileName = AFileName;
    {
        std::lock_guard lock(FDataLock);
        FVideoState = state.release();
    }
    if (embedded) FHost.StartForwarding();
    DoFileOpen();
    FPlayEvent.Clear();
    FStopEvent.ResetEvent();
    try {
        FEventThread = std::make_unique<TFunctionThread>([this] { EventThreadBody(); }, "player events");
        FEventThread->Start();
        FPlayThread = std::make_unique<TFunctionThread>([this] { PlayThreadBody(); }, "player");
        FPlayThread->Start();
    } catch (const std::exception&) {
        ReportError("SDL_CreateThread() failed.", true);
        // Close the engine here: no play thread will.
        EngineExit();
        FPlayEvent.Put(TPlayEvent::ekEnd, 0);
        FStopEvent.SetEvent();
        FinishClose();
        return false;
    }
    return true;
}

void TCustomPlayer::FileOpened(AVFormatContext* AContext) {
    // Called before demuxing starts: the prober takes its copy now.
    FAVProbe.SetFileHandle(AContext);
}

void TCustomPlayer::DoFileOpen() {
    FRGBContext.reset();
    const TFileOpenEvent handler = OnFileOpen();
    if (!handler) return;
    int64_t duration;
    int width = -1, height = -1;
    {
        std::lock_guard lock(FDataLock);
        TVideoState* is = FVideoState;
        if (!is) return;
        if (is->video_ctx && is->video_ctx->width > 0) {
            width = is->video_ctx->width;
            height = is->video_ctx->height;
        }
        duration = is->IsImage2 ? 0 : is->Duration;
    }
    Deliver([&] {
        int w = FScreenWidth, h = FScreenHeight;
        handler(this, duration, width, height, w, h);
        FScreenWidth = w;
        FScreenHeight = h;
    });
}

TCustomPlayer::TFileOpenEvent TCustomPlayer::OnFileOpen() const {
    std::lock_guard lock(FHandlerLock);
    return FOnFileOpen;
}

void TCustomPlayer::SetOnFileOpen(TFileOpenEvent AEvent) {
    std::lock_guard lock(FHandlerLock);
    FOnFileOpen = std::move(AEvent);
}

TCustomPlayer::TPositionEvent TCustomPlayer::OnPosition() const {
    std::lock_guard lock(FHandlerLock);
    return FOnPosition;
}

void TCustomPlayer::SetOnPosition(TPositionEvent AEvent) {
    std::lock_guard lock(FHandlerLock);
    FOnPosition = std::move(AEvent);
}

TCustomPlayer::TPlayStateEvent TCustomPlayer::OnState() const {
    std::lock_guard lock(FHandlerLock);
    return FOnState;
}

void TCustomPlayer::SetOnState(TPlayStateEvent AEvent) {
    std::lock_guard lock(FHandlerLock);
    FOnState = std::move(AEvent);
}

TCustomPlayer::THookEvent TCustomPlayer::OnHook() const {
    std::lock_guard lock(FHandlerLock);
    return FOnHook;
}

void TCustomPlayer::SetOnHook(THookEvent AEvent) {
    std::lock_guard lock(FHandlerLock);
    FOnHook = std::move(AEvent);
}

void TCustomPlayer::Deliver(const std::function<void()>& AHandler) {
    try {
        if (FTriggerEventInMainThread)
            CallInMainThread(AHandler);
        else
            AHandler();
    } catch (const std::exception& e) {
        LogMessage(llError, std::string("event handler: ") + e.what());
    } catch (...) {
        LogMessage(llError, "event handler: unknown error");
    }
}

void TCustomPlayer::SetState(TPlayState AState) {
    FState = AState;
    if (OnState() && !FHandlersOff)
        FPlayEvent.Put(TPlayEvent::ekState, int64_t(AState));
    else if (AState == psStop)
        FPlayEvent.Put(TPlayEvent::ekEnd, 0); // the event thread ends on it
}

void TCustomPlayer::EventThreadBody() {
    for (;;) {
        const TPlayEvent::TItem item = FPlayEvent.Get();
        switch (item.Kind) {
        case TPlayEvent::ekNone:
            FPlayEvent.Event().WaitFor(-1);
            break;
        case TPlayEvent::ekPosition:
            Deliver([&] {
                const TPositionEvent handler = OnPosition();
                if (handler && !FHandlersOff) handler(this, item.Value);
            });
            break;
        case TPlayEvent::ekState:
            Deliver([&] {
                const TPlayStateEvent handler = OnState();
                if (handler && !FHandlersOff) handler(this, TPlayState(item.Value));
            });
            if (TPlayState(item.Value) == psStop) return;
            break;
        case TPlayEvent::ekEnd:
            return;
        }
    }
}

void TCustomPlayer::PlayThreadBody() {
    TVideoState* is;
    {
        std::lock_guard lock(FDataLock);
        is = FVideoState;
    }
    if (is) {
        std::lock_guard lock(is->open_pause_lock);
        SetState(psPlay);
        is->play_started = true;
        if (is->pause_due) SetState(psPause);
    }
    try {
        SDL_Event event;
        for (;;) {
            const int got = sdl::SDL_WaitEvent(&event);
            std::lock_guard lock(FDataLock);
            if (!FVideoState) break;
            if (!got || !HandleEngineEvent(FVideoState, event)) {
                EngineExit();
                break;
            }
        }
    } catch (const std::exception& e) {
        LogMessage(llFatal, std::string("PlayThread Exception: ") + e.what());
        std::lock_guard lock(FDataLock);
        EngineExit();
    }
    SetState(psStop);
    FStopEvent.SetEvent();
}

void TCustomPlayer::EngineExit() {
    std::lock_guard lock(FDataLock);
    if (!FVideoState) return;
    StreamClose(FVideoState);
    delete FVideoState;
    FVideoState = nullptr;
}

void TCustomPlayer::Stop(bool AWaitForStop) {
    // A file still being opened is given up (from any thread, also from a
    // call the GUI thread serves while Open waits); Open clears the flag.
    FCancelOpen = true;
    // From another thread while Open waits, giving the open up is all.
    if (FWaitingForFile && !IsGuiThread()) return;
    if (Refused()) return;
    if (!FPlayThread) return;
    // The prober holds a copy; the context is about to close.
    FAVProbe.SetFileHandle(nullptr);
    PostQuitEvent();
    if (!AWaitForStop) return;
    {
        TWaitGuard guard(FInWait);
        // A full SDL queue drops events: the quit is posted again each slice.
        while (WaitServing(FStopEvent, 100, 10) != TWaitResult::wrSignaled)
            PostQuitEvent();
    }
    FinishClose();
}

void TCustomPlayer::FinishClose() {
    TWaitGuard guard(FInWait);
    if (FPlayThread) {
        FPlayThread->WaitFor();
        FPlayThread.reset();
    }
    FHost.StopForwarding(); // nothing is pushed to SDL once it is shut down
    QuitSDL();              // only once no engine thread is left
    if (FEventThread) {
        FEventThread->WaitFor();
        FEventThread.reset();
    }
    FPlayEvent.Clear();
    FFileName.clear();
    FScreenHandle = 0;
    FHookContext.reset(); // the video thread has ended
    FVerticalFlip = false;
    ResetState();
    if (!FOpening) {
        FRepeatType = rtStop;
        FPlayTime = AV_NOPTS_VALUE;
    }
}

void TCustomPlayer::Pause() {
    {
        std::lock_guard lock(FDataLock);
        TVideoState* is = FVideoState;
        if (!is || is->paused) return;
        is->step = false;
        StreamTogglePause(is);
    }
    SetState(psPause);
}

void TCustomPlayer::Resume() {
    {
        std::lock_guard lock(FDataLock);
        TVideoState* is = FVideoState;
        if (!is || !is->paused) return;
        is->step = false;
        {
            // A paused open still counting its pictures reports no late psPause.
            std::lock_guard pause(is->open_pause_lock);
            is->open_paused = 0;
            is->pause_due = false;
        }
        StreamTogglePause(is);
    }
    SetState(psResume);
}

void TCustomPlayer::TogglePause() {
    if (Paused())
        Resume();
    else
        Pause();
}

void TCustomPlayer::Seek(int64_t APTS, TSeekFlags ASeekFlags, bool AWaitForSeekEnd) {
    if (Refused()) return;
    bool video;
    {
        std::lock_guard lock(FDataLock);
        TVideoState* is = FVideoState;
        if (!is) return;
        if (ASeekFlags.Contains(TSeekFlag::sfByte)) {
            StreamSeek(is, APTS, 0, SeekFlagsToInt(ASeekFlags));
        } else {
            int64_t target = APTS;
            if (is->Duration > 0) target = std::min(target, is->Duration);
            if (is->StartTime != AV_NOPTS_VALUE) target += is->StartTime;
            StreamSeek(is, target, APTS <= 0 ? 1 : 0, SeekFlagsToInt(ASeekFlags));
        }
        // A position from before the seek would move a slider back after it.
        FPlayEvent.DropPositions();
        video = is->video_stream >= 0;
    }
    if (!AWaitForSeekEnd) return;
    TWaitGuard guard(FInWait);
    WaitServingFor(
        [&] { return (FSeekEvent.IsSet() && (!video || FPictEvent.IsSet())) || FStopEvent.IsSet(); }, -1, 10);
}

void TCustomPlayer::Seek(double ADelta, TSeekFlags ASeekFlags, bool AWaitForSeekEnd) {
    int64_t target;
    {
        std::lock_guard lock(FDataLock);
        TVideoState* is = FVideoState;
        if (!is) return;
        if (ASeekFlags.Contains(TSeekFlag::sfByte)) {
            const int64_t rate = is->ic && is->ic->bit_rate > 0 ? is->ic->bit_rate : 0;
            const double step = rate ? ADelta * double(rate) / 8 : ADelta * 180000;
            int64_t pos = is->video_current_pos;
            if (pos < 0 && is->ic && is->ic->pb) pos = av::avio_seek(is->ic->pb, 0, SEEK_CUR);
            target = std::llround(double(std::max<int64_t>(pos, 0)) + step);
        } else {
            const int64_t start = is->StartTime != AV_NOPTS_VALUE ? is->StartTime : 0;
            target = std::llround((GetMasterClock(is) + ADelta) * 1000000.0) - start;
        }
    }
    Seek(target, ASeekFlags, AWaitForSeekEnd);
}

void TCustomPlayer::CheckPosition(TVideoState& is) {
    if (is.IsImage2 || FSeeking) return;
    const int64_t start = is.StartTime != AV_NOPTS_VALUE ? is.StartTime : 0;
    int64_t pos;
    if (is.video_stream >= 0) {
        double clock = GetVideoClock(&is);
        {
            // While the source stalls the clock runs on with the wall clock:
            // the position stays at the last picture shown. At the end of the
            // file it runs on to the duration.
            std::lock_guard shown(is.displayed_lock);
            if (!is.ReachEOF && is.displayed && is.displayed_serial == is.videoq.Serial())
                clock = std::min(clock, is.displayed_pts);
        }
        pos = std::llround(clock * 1000000.0) - start;
    } else if (is.audio_stream >= 0) {
        pos = std::llround(GetAudioClock(&is) * 1000000.0) - start;
        if (is.AudioDuration > 0 && pos >= is.AudioDuration) pos = std::max(pos, is.Duration);
    } else {
        return;
    }
    FCurrentPTS = pos;
    {
        std::lock_guard lock(FPositionLock);
        if (is.Duration > 0 && pos >= is.Duration) {
            pos = is.Duration;
            if (FLastPTS != pos) FLastPTS = AV_NOPTS_VALUE;
        }
        if (FLastPTS == AV_NOPTS_VALUE || std::llabs(pos - FLastPTS) > 10000) {
            FLastPTS = pos;
            if (OnPosition() && !FHandlersOff) FPlayEvent.Put(TPlayEvent::ekPosition, pos);
        }
    }
    if (!is.IsDevice && !is.EventEOF && is.ReachEOF) {
        is.EventEOF = true;
        SetState(psEnd);
    }
    CheckPlayWindow(is, pos);
}

void TCustomPlayer::CheckPlayWindow(TVideoState& is, int64_t APos) {
    const int64_t play_time = FPlayTime;
    if (play_time == AV_NOPTS_VALUE) return;
    const int64_t from = is.Settings.start_time != AV_NOPTS_VALUE ? is.Settings.start_time : 0;
    if (APos < from + play_time) {
        is.play_end_armed = true;
        return;
    }
    // Once per pass: the clock may stand past the end until the seek back
    // has shown its first picture.
    if (!is.play_end_armed) return;
    switch (FRepeatType.load()) {
    case rtStop:
        is.play_end_armed = false;
        PostQuitEvent();
        break;
    case rtLoop: {
        is.play_end_armed = false;
        const int64_t start = is.StartTime != AV_NOPTS_VALUE ? is.StartTime : 0;
        if (is.Settings.start_time == AV_NOPTS_VALUE)
            StreamSeek(&is, start, 1, AVSEEK_FLAG_ANY);
        else
            StreamSeek(&is, start + is.Settings.start_time, is.Settings.start_time <= 0 ? 1 : 0, 0);
        break;
    }
    case rtNone:
        break;
    }
}

TBitmap* TCustomPlayer::CurrentFrame() {
    int64_t pts;
    return CurrentFrame(pts);
}

TBitmap* TCustomPlayer::CurrentFrame(int64_t& APTS) {
    if (!FRGBContext) FRGBContext = std::make_unique<TRGBConvertContext>();
    if (!FRGBContext->Bitmap) FRGBContext->Bitmap = CreateFrameBitmap(0, 0, pf24bit);
    APTS = -1;
    AVFrame* frame = av::av_frame_alloc();
    int width = 0, height = 0;
    bool shown = false;
    {
        std::lock_guard lock(FDataLock);
        TVideoState* is = FVideoState;
        if (is && is->video_ctx) {
            width = is->video_ctx->width;
            height = is->video_ctx->height;
            std::lock_guard displayed(is->displayed_lock);
            if (frame && is->displayed && is->displayed->buf[0] &&
                av::av_frame_ref(frame, is->displayed) >= 0) {
                shown = true;
                const int64_t start = is->StartTime != AV_NOPTS_VALUE ? is->StartTime : 0;
                APTS = std::llround(is->displayed_pts * 1000000.0) - start;
            }
        }
    }
    TBitmap& bitmap = *FRGBContext->Bitmap;
    if (shown) {
        if (!PictureToBitmap(*FRGBContext, frame)) FRGBContext->Bitmap->SetSize(0, 0);
    } else {
        bitmap.SetSize(width, height);
        bitmap.Fill(0xFF000000);
    }
    av::av_frame_free(&frame);
    return FRGBContext->Bitmap.get();
}

void TCustomPlayer::SetAspectRatio(float AValue) {
    if (FAspectRatio == AValue) return;
    FAspectRatio = AValue;
    std::lock_guard lock(FDataLock);
    if (FVideoState) PostScreenEvent();
}

void TCustomPlayer::SetShowAudio(TShowAudio AValue) {
    FShowAudio = AValue;
    std::lock_guard lock(FDataLock);
    TVideoState* is = FVideoState;
    if (is && is->audio_st && !is->Settings.display_disable) PostAudioDisplayEvent(int(AValue));
}

void TCustomPlayer::ToggleAudioDisplay() {
    std::lock_guard lock(FDataLock);
    if (FVideoState) PostAudioDisplayEvent(-1);
}

void TCustomPlayer::HookPicture(AVFrame* AFrame, int64_t APTS) {
    if (!FHookContext) FHookContext = std::make_unique<TRGBConvertContext>();
    TRGBConvertContext& c = *FHookContext;
    if (!PictureToBitmap(c, AFrame)) {
        ReportError("Cannot initialize the toRGB conversion context", false);
        return;
    }
    TBitmap* bitmap = c.Bitmap.get();
    const THookEvent handler = OnHook();
    if (!handler) return;
    try {
        handler(this, bitmap, APTS);
    } catch (const std::exception& e) {
        ReportError(std::string("Error occurs OnHook: ") + e.what(), false);
        return;
    } catch (...) {
        ReportError("Error occurs OnHook: unknown error", false);
        return;
    }
    const int w = AFrame->width, h = AFrame->height;
    if (bitmap->Width() != w || bitmap->Height() != h || !bitmap->Bits()) return; // resized by the handler
    c.fromRGB_convert_ctx = av::sws_getCachedContext(
        c.fromRGB_convert_ctx, w, h, AV_PIX_FMT_BGRA, w, h, AVPixelFormat(AFrame->format),
        SWS_BICUBIC | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
    if (!c.fromRGB_convert_ctx) {
        ReportError("Cannot initialize the fromRGB conversion context", false);
        return;
    }
    // Back into the range and colour space the picture came in.
    int* invTable = nullptr;
    int* table = nullptr;
    int srcRange = 0, dstRange = 0, brightness = 0, contrast = 0, saturation = 0;
    if (av::sws_getColorspaceDetails(c.fromRGB_convert_ctx, &invTable, &srcRange, &table, &dstRange,
                                     &brightness, &contrast, &saturation) >= 0) {
        const int space = AFrame->colorspace == AVCOL_SPC_UNSPECIFIED ? SWS_CS_DEFAULT : AFrame->colorspace;
        av::sws_setColorspaceDetails(c.fromRGB_convert_ctx, invTable, 1, av::sws_getCoefficients(space),
                                     AFrame->color_range == AVCOL_RANGE_JPEG ? 1 : 0, brightness, contrast,
                                     saturation);
    }
    const uint8_t* src[4] = {reinterpret_cast<const uint8_t*>(bitmap->Bits()), nullptr, nullptr, nullptr};
    const int stride[4] = {w * 4, 0, 0, 0};
    av::sws_scale(c.fromRGB_convert_ctx, src, stride, 0, h, AFrame->data, AFrame->linesize);
}
