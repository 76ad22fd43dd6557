#pragma once

// The player engine: the routines of one open file, over TVideoState.
//
// Threads: the reading thread (demuxes into the packet queues), the video
// thread (decodes and filters pictures into the picture queue), SDL's audio
// thread (AudioCallback), the refresh thread (posts refresh events), and the
// component's play thread, which runs the SDL event loop and is the only
// thread that makes SDL video calls.

#include "media/player/TVideoState.h"

#include <functional>
#include <memory>
#include <string>

class TPlayerOwner;

// Opens the file and its streams; waits (serving the GUI thread) until the
// reading thread has opened it or failed. On success AOwner->FileOpened has
// seen the context, demuxing has started and the refresh thread runs.
// On failure LastErrMsg holds the reason and no thread remains.
bool StreamOpen(TPlayerOwner* AOwner, const TPlayerSettings& ASettings, const std::string& AFileName,
                const AVInputFormat* AFormat, bool APaused, std::unique_ptr<TVideoState>& AState);
// Stops every engine thread and frees the pictures and the overlay. Play thread only.
void StreamClose(TVideoState* is);
// Asks the reading thread to seek (positions in AV_TIME_BASE units or bytes);
// ignored while another seek is pending.
void StreamSeek(TVideoState* is, int64_t APos, int64_t ARel, int AFlags);
// Under the component's data lock.
void StreamTogglePause(TVideoState* is);

// Opens or closes one stream's decoder and output. Reading thread (or before
// it demuxes). Open gives 0 or -1.
int StreamComponentOpen(TVideoState* is, int AIndex);
void StreamComponentClose(TVideoState* is, int AIndex);

// Checks a switch of the stream of AType (video, audio or subtitle) to
// AIndex (-1: subtitles off): empty when it may go ahead, else the reason.
// Under the component's data lock.
std::string CheckStreamChange(TVideoState* is, AVMediaType AType, int AIndex);
// The current stream of a type; -1 none.
int CurrentStream(TVideoState* is, AVMediaType AType);
// Hands a checked switch to the reading thread, which answers in ARequest.
void RequestStreamChange(TVideoState* is, std::shared_ptr<TStreamChange> ARequest);
// Reading thread: carries out a pending switch; true when one was served.
bool ServeStreamChange(TVideoState* is);
// Play thread, after a new picture is shown: a step ends by pausing again.
void PictureShownWhileStepping(TVideoState* is);
// Mute and volume on the samples SDL receives (signed 16-bit).
void ApplyAudioVolume(TVideoState* is, Uint8* AStream, int ALen);

// Seconds on av_gettime_relative's clock.
double NowSeconds();
double GetAudioClock(TVideoState* is);
double GetVideoClock(TVideoState* is);
double GetExternalClock(TVideoState* is);
double GetMasterClock(TVideoState* is);
// The time at which a picture with this pts is due. Play thread.
double ComputeTargetTime(TVideoState* is, double APts);

// Threads and callbacks.
void ReadThread(TVideoState* is);
void VideoThread(TVideoState* is);
void RefreshThread(TVideoState* is);
void AudioCallback(void* AOpaque, Uint8* AStream, int ALen);

// Display, on the play thread.
void RefreshVideo(TVideoState* is, bool AConsume);
void DisplayVideo(TVideoState* is);
int OpenVideoSurface(TVideoState* is, bool AForce);
// Handles one SDL event; false when the loop must end.
bool HandleEngineEvent(TVideoState* is, const SDL_Event& AEvent);

// Any thread.
void PostQuitEvent();
void PostScreenEvent();
// Switches the audio display on the play thread: AMode 0 none, 1 wave,
// 2 spectrum, -1 the next one.
void PostAudioDisplayEvent(int AMode);

// Pictures on their way to the queue: flipped and hooked when asked. The
// frame is made writable first (decoded frames may be shared). Video thread.
void PreparePicture(TVideoState* is, AVFrame* AFrame, double APts);

// Audio display. The audio callback feeds the samples it hands to SDL; the
// play thread draws.
void StoreDisplaySamples(TVideoState* is, const uint8_t* ASamples, int ABytes);
void NoteAudioCallback(TVideoState* is, int AWriteBufSize, double ATime);
void ShowAudioDisplay(TVideoState* is);
// Sets the mode (-1: the next one) and clears the picture area. Play thread.
void SetAudioDisplay(TVideoState* is, int AMode);

// Subtitles. The component is opened with the other streams by the reading thread.
int StartSubtitleComponent(TVideoState* is, AVCodecContext* ACtx, int AIndex);
void StopSubtitleComponent(TVideoState* is);
// Drops the subtitle pictures that have ended by APts (seconds). Play thread.
void UpdateSubtitles(TVideoState* is, double APts);
// Blends the subtitle picture that is showing at APts into the overlay. Play thread.
void BlendSubtitles(TVideoState* is, SDL_Overlay* AOverlay, double APts);

// Test seam: called on the play thread after each drawing, with the surface
// and the time of the picture shown (seconds; -1 for none). Empty: none.
using TScreenProbe = std::function<void(SDL_Surface* ASurface, double APts)>;
void SetScreenProbe(TScreenProbe AProbe);
void CallScreenProbe(SDL_Surface* ASurface, double APts);
