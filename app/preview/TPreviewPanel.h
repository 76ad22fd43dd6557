#pragma once

#include "app/preview/IPreviewPlayer.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TConversionLog;

// A stream box of the player's hidden developer panel ("Video#0", ...).
struct TPreviewStreamBox {
    std::vector<std::string> Items;
    int ItemIndex = -1;
    bool Enabled = false;
};

// The preview panel of the main window without the window: it opens the
// selected row's file in the player (paused on its first picture), drives
// play, pause, stop, mute and volume from the picture buttons, moves the
// position slider from the player's position and seeks from it, and answers
// the player's open, position and state events. The window shows this state
// after each call (OnChange) and forwards its controls' events to the
// methods named after its handlers. GUI thread only.
class TPreviewPanel {
public:
    explicit TPreviewPanel(IPreviewPlayer& APlayer);
    TPreviewPanel(const TPreviewPanel&) = delete;
    TPreviewPanel& operator=(const TPreviewPanel&) = delete;

    // The file to preview (`T_Movie_PLayer_FileName`); the row selection sets it.
    std::string T_Movie_PLayer_FileName;
    // Where the media libraries are loaded from.
    std::string LibraryFolder;
    // The window the player renders into (`Panel6`), 0 when it has none.
    uintptr_t ScreenHandle = 0;
    // The hidden developer panel's boxes.
    int VideoDriverIndex = 0; // cboVideoDriver: "Default", "DDraw", "GDI"
    int AudioDriverIndex = 0; // cboAudioDriver: "Default", "DSound", "waveOut"
    bool OpenPaused = true;   // chkOpenPaused
    bool StayOnTop = false;   // chkStayOnTop
    TConversionLog* Log = nullptr;

    // Reads the developer panel's boxes into the fields above; asked before
    // they are used.
    std::function<void()> OnReadControls;
    // Told after every change of the state below.
    std::function<void()> OnChange;
    // The screen size the player fits its picture into (the screen control's
    // client size, or the desktop's when there is none).
    std::function<void(int& AWidth, int& AHeight)> OnScreenSize;
    // The play and pause buttons hand the focus back to the file list.
    std::function<void()> OnFocusFileList;
    // The panel must be painted again without the last picture.
    std::function<void()> OnRepaintScreen;
    // Whether a row of the file list is selected.
    std::function<bool()> RowSelected;

    IPreviewPlayer& Player() { return FPlayer; }

    // Shown state.
    int64_t Duration() const { return FDuration; }
    const std::string& DurationText() const { return FDurationText; } // Label2
    const std::string& PositionText() const { return FPositionText; } // Label3
    int SliderValue() const { return FSliderValue; }
    int SliderMaxValue() const { return FSliderMaxValue; }
    int SliderIncrement() const { return FSliderIncrement; }
    bool SliderDown() const { return FSliderDown; } // `lxSkinSlider1_down_UP` = "Down"
    // The mute picture is shown, else the unmute picture.
    bool MuteShown() const { return FMuteShown; }
    // The main window stays on top (while playing with chkStayOnTop).
    bool FormStayOnTop() const { return FFormStayOnTop; }
    const TPreviewStreamBox& VideoBox() const { return FVideoBox; }
    const TPreviewStreamBox& AudioBox() const { return FAudioBox; }
    const TPreviewStreamBox& SubtitleBox() const { return FSubtitleBox; }
    int Volume() const { return FVolume; }

    // The slider's width in pixels: its range once a file opens.
    void SetSliderWidth(int AWidth) { FSliderWidth = AWidth; }
    // The row selection puts the slider to 0 before opening.
    void ResetSlider();
    // The slider moved by the user (clamped to its range).
    void SetSliderValue(int AValue);
    // No row is selected any more: the player stops (waiting) and the slider goes to 0.
    void StopPreview();
    // `lvFilesClick`: a click on the list that leaves no row selected stops
    // the player (waiting).
    void lvFilesClick();

    // `Button31Click`: opens T_Movie_PLayer_FileName into the screen.
    void Button31Click();
    // Play, pause, stop, mute and unmute pictures.
    void lxSkinButton13Click();
    void lxSkinButton14Click();
    void lxSkinButton15Click();
    void lxSkinButton16Click();
    void lxSkinButton20Click();
    // The slider pauses while pressed, and seeks and plays on release.
    void lxSkinSlider1MouseDown();
    void lxSkinSlider1MouseUp();
    // The volume track bar, 0 to 128.
    void TrackBar2Change(int APosition);

    // The player's events.
    void VIDedazuFileOpen(int64_t ADuration, int AFrameWidth, int AFrameHeight, int& AScreenWidth,
                          int& AScreenHeight);
    void VIDedazuPosition(int64_t APTS);
    void VIDedazuState(TPlayState AState);

private:
    bool OpenInScreen();
    void ReadControls();
    void AddLog(const std::string& ALine);
    void Changed();

    IPreviewPlayer& FPlayer;
    int64_t FDuration = 0;
    std::string FDurationText;
    std::string FPositionText;
    int FSliderWidth = 256;
    int FSliderValue = 0;
    int FSliderMaxValue = 256;
    int FSliderIncrement = 5;
    bool FSliderDown = false;
    bool FMuteShown = true;
    bool FFormStayOnTop = false;
    int FVolume = 128;
    TPreviewStreamBox FVideoBox, FAudioBox, FSubtitleBox;
};

// The name the log box gives a play state ("Play", "Pause", ...).
const char* PlayStateName(TPlayState AState);
