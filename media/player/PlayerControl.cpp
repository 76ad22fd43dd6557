// The player engine's controls while a file plays: switching streams,
// stepping one picture, and the volume of what SDL plays.

#include "media/player/PlayerEngine.h"
#include "media/player/TPlayerOwner.h"

#include <cmath>
#include <cstring>
#include <mutex>

namespace {

// By value: players on other threads ask the same of their own states.
int StreamOfType(const TVideoState* is, AVMediaType AType) {
    switch (AType) {
    case AVMEDIA_TYPE_VIDEO:
        return is->video_stream;
    case AVMEDIA_TYPE_AUDIO:
        return is->audio_stream;
    case AVMEDIA_TYPE_SUBTITLE:
        return is->subtitle_stream;
    default:
        return -1;
    }
}

// Closes the current stream of the type and opens AIndex; on failure the
// old one is opened again. Under the component's data lock, so the play
// thread and the component never see a decoder being swapped.
bool SwitchStream(TVideoState* is, AVMediaType AType, int AIndex) {
    std::lock_guard lock(is->Owner->DataLock());
    const int old = StreamOfType(is, AType);
    if (old == AIndex) return true;
    if (old >= 0) StreamComponentClose(is, old);
    bool ok = true;
    if (AIndex >= 0 && StreamComponentOpen(is, AIndex) < 0) {
        ok = false;
        if (old >= 0) StreamComponentOpen(is, old);
    }
    // The new stream's packets start where the reader stands, which is ahead
    // of what plays (or at the end): read again from the current position.
    if (!is->seek_req && !is->seek_by_bytes && is->ic) {
        const double now = GetMasterClock(is);
        if (std::isfinite(now) && now >= 0) StreamSeek(is, std::llround(now * AV_TIME_BASE), 0, 0);
    }
    return ok;
}

} // namespace

int CurrentStream(TVideoState* is, AVMediaType AType) {
    return StreamOfType(is, AType);
}

std::string CheckStreamChange(TVideoState* is, AVMediaType AType, int AIndex) {
    if (AType != AVMEDIA_TYPE_VIDEO && AType != AVMEDIA_TYPE_AUDIO && AType != AVMEDIA_TYPE_SUBTITLE)
        return "the stream type is invalid.";
    const int count = is->ic ? int(is->ic->nb_streams) : 0;
    const int current = StreamOfType(is, AType);
    const int lowest = AType == AVMEDIA_TYPE_SUBTITLE ? -1 : 0; // subtitles may be off
    if (current < lowest || current >= count) return "the current stream is not valid.";
    if (AIndex < lowest || AIndex >= count) return "the stream index is not valid.";
    if (AIndex == current || AIndex < 0) return {};
    const AVCodecParameters* par = is->ic->streams[AIndex]->codecpar;
    if (par->codec_type != AType) return "the stream type is not matched.";
    if (AType == AVMEDIA_TYPE_AUDIO && (par->sample_rate <= 0 || par->ch_layout.nb_channels <= 0))
        return "the audio stream is not invalid.";
    return {};
}

void RequestStreamChange(TVideoState* is, std::shared_ptr<TStreamChange> ARequest) {
    std::lock_guard lock(is->change_lock);
    if (is->change_request) is->change_request->Done.SetEvent(); // superseded: not carried out
    is->change_request = std::move(ARequest);
}

bool ServeStreamChange(TVideoState* is) {
    std::shared_ptr<TStreamChange> request;
    {
        std::lock_guard lock(is->change_lock);
        request = std::move(is->change_request);
    }
    if (!request) return false;
    request->Ok = SwitchStream(is, request->Type, request->Index);
    request->Done.SetEvent();
    return true;
}

void PictureShownWhileStepping(TVideoState* is) {
    if (!is->step.exchange(false) || is->paused) return;
    StreamTogglePause(is);
}

void ApplyAudioVolume(TVideoState* is, Uint8* AStream, int ALen) {
    if (is->Owner->Mute()) {
        std::memset(AStream, 0, size_t(ALen));
        return;
    }
    const int volume = is->Owner->AudioVolume();
    if (volume >= 128) return;
    // Native-endian signed 16-bit, as SDL was asked for.
    for (int i = 0; i + 1 < ALen; i += 2) {
        int16_t sample;
        std::memcpy(&sample, AStream + i, 2);
        sample = int16_t(sample * volume / 128);
        std::memcpy(AStream + i, &sample, 2);
    }
}
