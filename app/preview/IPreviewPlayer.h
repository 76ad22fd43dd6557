#pragma once

#include "media/MediaUtils.h"
#include "media/player/PlayerTypes.h"

#include <cstdint>
#include <string>
#include <vector>

class TBitmap;

enum class TPreviewStreamKind { Video, Audio, Subtitle, Other };

// What the preview panel calls of its player. The player's open, position
// and state events reach the panel's handlers on the GUI thread.
class IPreviewPlayer {
public:
    virtual ~IPreviewPlayer() = default;

    virtual bool AVLibLoaded() = 0;
    virtual bool LoadAVLib(const std::string& APath) = 0;
    virtual void SetDrivers(TVideoDriver AVideo, TAudioDriver AAudio) = 0;
    virtual bool Open(const std::string& AFileName, uintptr_t AScreenHandle, bool APaused) = 0;
    virtual void Stop(bool AWaitForStop) = 0;
    virtual void Pause() = 0;
    virtual void Resume() = 0;
    virtual void Seek(int64_t APTS, TSeekFlags AFlags, bool AWaitForSeekEnd) = 0;
    virtual void SetAudioVolume(int AVolume) = 0;
    virtual void SetMute(bool AValue) = 0;
    virtual int VideoStreamIndex() = 0;
    virtual int AudioStreamIndex() = 0;
    virtual int SubtitleStreamIndex() = 0;
    // The kind of each stream of the open file, by stream number.
    virtual std::vector<TPreviewStreamKind> Streams() = 0;
    virtual std::string FileInfoText() = 0;
    virtual std::string LastErrMsg() = 0;
    // The window the video plays into, 0 when none.
    virtual uintptr_t ScreenHandle() = 0;
    // Copies the picture now shown into AFrame: 0 x 0 when nothing with video is open.
    virtual void CurrentFrame(TBitmap& AFrame) = 0;
};
