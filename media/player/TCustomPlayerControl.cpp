// TCustomPlayer: stepping, stream switching and the sound settings.

#include "media/player/PlayerEngine.h"
#include "media/player/TCustomPlayer.h"
#include "media/player/TWaitGuard.h"
#include "platform/sys/MainThread.h"

#include <algorithm>

void TCustomPlayer::StepToNextFrame() {
    {
        std::lock_guard lock(FDataLock);
        TVideoState* is = FVideoState;
        // Without pictures a step would never end: it would play on.
        if (!is || is->video_stream < 0) return;
        if (is->paused) {
            {
                // A paused open still counting its pictures reports no late psPause.
                std::lock_guard pause(is->open_pause_lock);
                is->open_paused = 0;
                is->pause_due = false;
            }
            StreamTogglePause(is);
        }
        if (is->step.exchange(true)) return; // the step before has not shown its picture yet
    }
    SetState(psStep);
}

int TCustomPlayer::StreamIndex(AVMediaType AType) {
    std::lock_guard lock(FDataLock);
    return FVideoState ? CurrentStream(FVideoState, AType) : -1;
}

int TCustomPlayer::AudioStreamIndex() {
    return StreamIndex(AVMEDIA_TYPE_AUDIO);
}

int TCustomPlayer::VideoStreamIndex() {
    return StreamIndex(AVMEDIA_TYPE_VIDEO);
}

int TCustomPlayer::SubtitleStreamIndex() {
    return StreamIndex(AVMEDIA_TYPE_SUBTITLE);
}

bool TCustomPlayer::SetAudioStreamIndex(int AValue) {
    return ChangeStream(AVMEDIA_TYPE_AUDIO, AValue);
}

bool TCustomPlayer::SetVideoStreamIndex(int AValue) {
    return ChangeStream(AVMEDIA_TYPE_VIDEO, AValue);
}

bool TCustomPlayer::SetSubtitleStreamIndex(int AValue) {
    return ChangeStream(AVMEDIA_TYPE_SUBTITLE, AValue);
}

bool TCustomPlayer::ChangeStream(AVMediaType AType, int AIndex) {
    if (Refused()) {
        SetLastErrMsg("Stream change refused: the player is waiting for a previous call to finish.");
        return false;
    }
    auto request = std::make_shared<TStreamChange>();
    request->Type = AType;
    request->Index = AIndex;
    {
        std::lock_guard lock(FDataLock);
        TVideoState* is = FVideoState;
        const std::string reason =
            is ? CheckStreamChange(is, AType, AIndex) : "the current stream is not valid.";
        if (!reason.empty()) {
            ReportError(reason, true);
            return false;
        }
        if (CurrentStream(is, AType) == AIndex) return true;
        RequestStreamChange(is, request);
    }
    TWaitGuard guard(FInWait);
    WaitServingFor([&] { return request->Done.IsSet() || FStopEvent.IsSet(); }, -1, 10);
    if (request->Done.IsSet() && request->Ok) return true;
    ReportError("the stream could not be opened.", true);
    return false;
}

void TCustomPlayer::SetAudioVolume(TAudioVolume AValue) {
    FAudioVolume = std::clamp(AValue, 0, 128);
}
