#include "app/preview/TPlayerPreview.h"

#include "app/preview/TPreviewPanel.h"
#include "media/player/TCustomPlayer.h"
#include "platform/win/TNativeChildWindow.h"

void TPlayerPreview::BindEvents(TPreviewPanel* APanel) {
    if (!APanel) {
        FPlayer.SetOnFileOpen(nullptr);
        FPlayer.SetOnPosition(nullptr);
        FPlayer.SetOnState(nullptr);
        return;
    }
    FPlayer.SetOnFileOpen([APanel](TCustomPlayer*, int64_t ADuration, int AFrameWidth, int AFrameHeight,
                                   int& AScreenWidth, int& AScreenHeight) {
        APanel->VIDedazuFileOpen(ADuration, AFrameWidth, AFrameHeight, AScreenWidth, AScreenHeight);
    });
    FPlayer.SetOnPosition([APanel](TCustomPlayer*, int64_t APTS) { APanel->VIDedazuPosition(APTS); });
    FPlayer.SetOnState([APanel](TCustomPlayer*, TPlayState AState) { APanel->VIDedazuState(AState); });
}

bool TPlayerPreview::AVLibLoaded() {
    return TCustomPlayer::AVLibLoaded();
}

bool TPlayerPreview::LoadAVLib(const std::string& APath) {
    return FPlayer.LoadAVLib(APath);
}

void TPlayerPreview::SetDrivers(TVideoDriver AVideo, TAudioDriver AAudio) {
    FPlayer.SetVideoDriver(AVideo);
    FPlayer.SetAudioDriver(AAudio);
}

bool TPlayerPreview::Open(const std::string& AFileName, uintptr_t AScreenHandle, bool APaused) {
    return FPlayer.Open(AFileName, AScreenHandle, APaused);
}

void TPlayerPreview::Stop(bool AWaitForStop) {
    FPlayer.Stop(AWaitForStop);
}

void TPlayerPreview::Pause() {
    FPlayer.Pause();
}

void TPlayerPreview::Resume() {
    FPlayer.Resume();
}

void TPlayerPreview::Seek(int64_t APTS, TSeekFlags AFlags, bool AWaitForSeekEnd) {
    FPlayer.Seek(APTS, AFlags, AWaitForSeekEnd);
}

void TPlayerPreview::SetAudioVolume(int AVolume) {
    FPlayer.SetAudioVolume(AVolume);
}

void TPlayerPreview::SetMute(bool AValue) {
    FPlayer.SetMute(AValue);
}

int TPlayerPreview::VideoStreamIndex() {
    return FPlayer.VideoStreamIndex();
}

int TPlayerPreview::AudioStreamIndex() {
    return FPlayer.AudioStreamIndex();
}

int TPlayerPreview::SubtitleStreamIndex() {
    return FPlayer.SubtitleStreamIndex();
}

std::vector<TPreviewStreamKind> TPlayerPreview::Streams() {
    TAVProbe& probe = FPlayer.AVProbe();
    std::vector<TPreviewStreamKind> kinds;
    for (int i = 0; i < probe.StreamCount(); ++i)
        kinds.push_back(probe.IsVideoStream(i)      ? TPreviewStreamKind::Video
                        : probe.IsAudioStream(i)    ? TPreviewStreamKind::Audio
                        : probe.IsSubtitleStream(i) ? TPreviewStreamKind::Subtitle
                                                    : TPreviewStreamKind::Other);
    return kinds;
}

std::string TPlayerPreview::FileInfoText() {
    return FPlayer.AVProbe().FileInfoText();
}

std::string TPlayerPreview::LastErrMsg() {
    return FPlayer.LastErrMsg();
}

uintptr_t TPlayerPreview::ScreenHandle() {
    // The player lets go of the window id as it stops; the window it was
    // given to play into stays its screen.
    if (const uintptr_t id = FPlayer.ScreenHandle()) return id;
    const TNativeChildWindow* host = FPlayer.HostWindow();
    return host ? host->WindowId() : 0;
}

void TPlayerPreview::CurrentFrame(TBitmap& AFrame) {
    if (TBitmap* frame = FPlayer.CurrentFrame())
        AFrame.Assign(*frame);
    else
        AFrame.SetSize(0, 0);
}
