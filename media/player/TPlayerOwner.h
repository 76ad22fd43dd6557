#pragma once

#include "media/TFFLogger.h"
#include "media/player/PlayerTypes.h"
#include "platform/sys/TEvent.h"
#include "platform/sys/TTimedMutex.h"

#include <string>

struct AVFormatContext;
struct AVFrame;
struct TVideoState;

// What the player engine needs of the component that owns it. Every call may
// come from any engine thread; none of them waits for the GUI thread.
class TPlayerOwner {
public:
    virtual ~TPlayerOwner() = default;

    // Logs at llError; with ASetLastErrMsg the text also becomes LastErrMsg.
    virtual void ReportError(const std::string& AText, bool ASetLastErrMsg) = 0;
    virtual void LogMessage(TLogLevel ALevel, const std::string& AText) = 0;
    virtual void SetLastErrMsg(const std::string& AText) = 0;
    virtual void SetState(TPlayState AState) = 0;
    // Called after display refreshes: reports the position and the end.
    virtual void CheckPosition(TVideoState& AState) = 0;
    // Called on the reading thread once the file is open, before demuxing starts.
    virtual void FileOpened(AVFormatContext* AContext) = 0;
    // True when the file being opened is no longer wanted (Stop during Open).
    virtual bool OpenCancelled() const { return false; }

    // Set when a requested seek has been carried out (or failed).
    virtual TEvent& SeekEvent() = 0;
    // Set when the first picture after a seek is on the screen (or none will come).
    virtual TEvent& PictEvent() = 0;
    virtual void SetSeeking(bool AValue) = 0;
    // Held by the play thread while it handles one SDL event.
    virtual TTimedMutex& DataLock() = 0;

    // Display settings read by the play thread.
    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;
    virtual void SetScreenSize(int AWidth, int AHeight) = 0;
    virtual float AspectRatio() const = 0;
    virtual bool HasScreenHandle() const = 0;
    // The audio display an audio-only file starts with.
    virtual TShowAudio ShowAudio() const = 0;
    virtual bool VerticalFlip() const = 0;

    // OnHook, on the video thread: true when pictures go through it.
    virtual bool HookActive() const = 0;
    // Runs OnHook on a writable yuv420p picture; APTS in microseconds from
    // the file's start. A failing handler leaves the picture as it was.
    virtual void HookPicture(AVFrame* AFrame, int64_t APTS) = 0;

    // Sound settings read by SDL's audio thread: 0 (silent) to 128 (unchanged).
    virtual int AudioVolume() const = 0;
    virtual bool Mute() const = 0;
};
