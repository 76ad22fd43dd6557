#pragma once

#include "app/preview/IPreviewPlayer.h"

class TCustomPlayer;
class TPreviewPanel;

// The media engine's player as the preview panel's player.
class TPlayerPreview : public IPreviewPlayer {
public:
    explicit TPlayerPreview(TCustomPlayer& APlayer) : FPlayer(APlayer) {}

    // Routes the player's open, position and state events to the panel's
    // handlers; null detaches them (the window does so before it closes).
    void BindEvents(TPreviewPanel* APanel);

    bool AVLibLoaded() override;
    bool LoadAVLib(const std::string& APath) override;
    void SetDrivers(TVideoDriver AVideo, TAudioDriver AAudio) override;
    bool Open(const std::string& AFileName, uintptr_t AScreenHandle, bool APaused) override;
    void Stop(bool AWaitForStop) override;
    void Pause() override;
    void Resume() override;
    void Seek(int64_t APTS, TSeekFlags AFlags, bool AWaitForSeekEnd) override;
    void SetAudioVolume(int AVolume) override;
    void SetMute(bool AValue) override;
    int VideoStreamIndex() override;
    int AudioStreamIndex() override;
    int SubtitleStreamIndex() override;
    std::vector<TPreviewStreamKind> Streams() override;
    std::string FileInfoText() override;
    std::string LastErrMsg() override;
    uintptr_t ScreenHandle() override;
    void CurrentFrame(TBitmap& AFrame) override;

private:
    TCustomPlayer& FPlayer;
};
