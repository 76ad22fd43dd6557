#include "app/preview/TPreviewPanel.h"

#include "app/conversion/TConversionLog.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string Format(const char* AFormat, double AValue) {
    char text[64];
    std::snprintf(text, sizeof text, AFormat, AValue);
    return text;
}

std::string Numbered(const char* APrefix, int ANumber) {
    return APrefix + std::to_string(ANumber);
}

int IndexOf(const std::vector<std::string>& AItems, const std::string& AText) {
    auto it = std::find(AItems.begin(), AItems.end(), AText);
    return it == AItems.end() ? -1 : int(it - AItems.begin());
}

} // namespace

const char* PlayStateName(TPlayState AState) {
    static constexpr const char* Names[] = {"Play", "Pause", "Resume", "Step", "Stop", "End"};
    const auto i = size_t(AState);
    return i < std::size(Names) ? Names[i] : "";
}

TPreviewPanel::TPreviewPanel(IPreviewPlayer& APlayer) : FPlayer(APlayer) {}

void TPreviewPanel::AddLog(const std::string& ALine) {
    if (Log) Log->Add(ALine);
}

void TPreviewPanel::ReadControls() {
    if (OnReadControls) OnReadControls();
}

void TPreviewPanel::Changed() {
    if (OnChange) OnChange();
}

void TPreviewPanel::ResetSlider() {
    FSliderValue = 0;
    Changed();
}

bool TPreviewPanel::OpenInScreen() {
    if (FPlayer.Open(T_Movie_PLayer_FileName, ScreenHandle, OpenPaused)) return true;
    AddLog(FPlayer.LastErrMsg());
    return false;
}

void TPreviewPanel::Button31Click() {
    ReadControls();
    if (!FPlayer.AVLibLoaded() && !FPlayer.LoadAVLib(LibraryFolder)) {
        AddLog(FPlayer.LastErrMsg());
        Changed();
        return;
    }
    const TVideoDriver video = VideoDriverIndex == 1   ? vdDirectDraw
                               : VideoDriverIndex == 2 ? vdGDI
                                                       : vdDefault;
    const TAudioDriver audio = AudioDriverIndex == 1   ? adDirectSound
                               : AudioDriverIndex == 2 ? adWaveOut
                                                       : adDefault;
    FPlayer.SetDrivers(video, audio);
    OpenInScreen();
    Changed();
}

void TPreviewPanel::StopPreview() {
    FPlayer.Stop(true);
    ResetSlider();
}

void TPreviewPanel::lvFilesClick() {
    if (RowSelected && !RowSelected()) FPlayer.Stop(true);
}

void TPreviewPanel::lxSkinButton13Click() {
    FPlayer.Resume();
    if (OnFocusFileList) OnFocusFileList();
}

void TPreviewPanel::lxSkinButton14Click() {
    FPlayer.Pause();
    if (OnFocusFileList) OnFocusFileList();
}

void TPreviewPanel::lxSkinButton15Click() {
    if (!RowSelected || !RowSelected()) return;
    ReadControls();
    try {
        FPlayer.Stop(true);
        OpenInScreen();
        if (OnFocusFileList) OnFocusFileList();
    } catch (...) {
        // Whatever went wrong, the player ends stopped; the user is not asked.
        try {
            FPlayer.Stop(true);
        } catch (...) {
        }
    }
    Changed();
}

void TPreviewPanel::lxSkinButton16Click() {
    FPlayer.SetMute(true);
    FMuteShown = false;
    Changed();
}

void TPreviewPanel::lxSkinButton20Click() {
    FPlayer.SetMute(false);
    FMuteShown = true;
    Changed();
}

void TPreviewPanel::lxSkinSlider1MouseDown() {
    FSliderDown = true;
    FPlayer.Pause();
    Changed();
}

void TPreviewPanel::lxSkinSlider1MouseUp() {
    FPlayer.Pause();
    // A slider without a range has no position to seek to.
    if (FSliderMaxValue > 0) FPlayer.Seek(FDuration * FSliderValue / FSliderMaxValue, {}, false);
    FPlayer.Resume();
    FSliderDown = false;
    Changed();
}

void TPreviewPanel::SetSliderValue(int AValue) {
    FSliderValue = std::clamp(AValue, 0, std::max(FSliderMaxValue, 0));
}

void TPreviewPanel::TrackBar2Change(int APosition) {
    FVolume = std::clamp(APosition, 0, 128);
    FPlayer.SetAudioVolume(FVolume);
}

void TPreviewPanel::VIDedazuFileOpen(int64_t ADuration, int AFrameWidth, int AFrameHeight, int& AScreenWidth,
                                     int& AScreenHeight) {
    AddLog(FPlayer.FileInfoText());
    char line[128];
    std::snprintf(line, sizeof line, "duration: %f, frame size: %dx%d", double(ADuration) / 1000000.0,
                  AFrameWidth, AFrameHeight);
    AddLog(line);
    if (OnScreenSize) OnScreenSize(AScreenWidth, AScreenHeight);

    FDuration = ADuration;
    FDurationText = Format("%f", double(ADuration) / 1000000.0);
    FPositionText = "0.0";
    FSliderIncrement = 5;
    FSliderMaxValue = FSliderWidth;
    FSliderValue = 0;

    FVideoBox = {};
    FAudioBox = {};
    FSubtitleBox = {};
    const std::vector<TPreviewStreamKind> streams = FPlayer.Streams();
    for (int i = 0; i < int(streams.size()); ++i) {
        switch (streams[size_t(i)]) {
        case TPreviewStreamKind::Video:
            FVideoBox.Items.push_back(Numbered("Video#", i));
            break;
        case TPreviewStreamKind::Audio:
            FAudioBox.Items.push_back(Numbered("Audio#", i));
            break;
        case TPreviewStreamKind::Subtitle:
            FSubtitleBox.Items.push_back(Numbered("Subtitle#", i));
            break;
        case TPreviewStreamKind::Other:
            break;
        }
    }
    const int video = FPlayer.VideoStreamIndex();
    const int audio = FPlayer.AudioStreamIndex();
    FVideoBox.Enabled = FVideoBox.Items.size() >= 2 && video >= 0;
    FVideoBox.ItemIndex = IndexOf(FVideoBox.Items, Numbered("Video#", video));
    FAudioBox.Enabled = FAudioBox.Items.size() >= 2 && audio >= 0;
    FAudioBox.ItemIndex = IndexOf(FAudioBox.Items, Numbered("Audio#", audio));
    // Subtitles need a picture to be shown on.
    FSubtitleBox.Enabled = !FSubtitleBox.Items.empty() && video >= 0;
    FSubtitleBox.Items.insert(FSubtitleBox.Items.begin(), "Subtitle#-1");
    FSubtitleBox.ItemIndex =
        IndexOf(FSubtitleBox.Items, Numbered("Subtitle#", FPlayer.SubtitleStreamIndex()));
    Changed();
}

void TPreviewPanel::VIDedazuPosition(int64_t APTS) {
    if (FSliderDown) return;
    FPositionText = Format("%f", double(APTS) / 1000000.0);
    if (APTS >= 0 && FDuration > 0) SetSliderValue(int(int64_t(FSliderMaxValue) * APTS / FDuration));
    Changed();
}

void TPreviewPanel::VIDedazuState(TPlayState AState) {
    AddLog(PlayStateName(AState));
    ReadControls();
    switch (AState) {
    case psPlay:
    case psResume:
        if (StayOnTop) FFormStayOnTop = true;
        break;
    case psPause:
    case psStep:
        FFormStayOnTop = false;
        break;
    case psStop:
        FFormStayOnTop = false;
        if (FPlayer.ScreenHandle() != 0 && OnRepaintScreen) OnRepaintScreen();
        break;
    case psEnd:
        // The preview stands paused on the file's start. Paused first: a
        // seek made while paused shows the first picture after it, where a
        // pause following the seek would keep the file's last picture.
        FPlayer.Pause();
        FPlayer.Seek(0, TSeekFlags{TSeekFlag::sfAny}, false);
        break;
    }
    Changed();
}
