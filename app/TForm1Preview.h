#pragma once

#include "app/preview/TPlayerPreview.h"
#include "app/preview/TPreviewPanel.h"
#include "app/preview/TSnapshotCommands.h"
#include "app/settings/TSettings.h"
#include "media/player/TCustomPlayer.h"

#include <map>
#include <memory>
#include <string>

class IConversionDialogs;
class IDesktopServices;
class TControl;
class TForm1;
class TNativeChildWindow;
class TWinControl;
class TlxSkinOpenDialog;

// The preview panel of the main window: the player `VIDedazu` rendering
// into `Panel6`, the panel's logic and the snapshot commands, shown on the
// window's slider, picture buttons, snapshot menu and status panel.
class TForm1Preview {
public:
    TForm1Preview(TForm1& AForm, IConversionDialogs& ADialogs, IDesktopServices& ADesktop,
                  TSettings& ASettings);
    ~TForm1Preview();
    TForm1Preview(const TForm1Preview&) = delete;
    TForm1Preview& operator=(const TForm1Preview&) = delete;

    // Once the description is loaded: the screen window over Panel6, the
    // player's events, the row selection and the pictures' mouse handling.
    void Attach();
    // The window closes: the player's events are detached and it stops.
    void Close();

    // The settings file the snapshot commands read and write (it must outlive this).
    void AttachSettings(TSettings& ASettings);

    TCustomPlayer& VIDedazu() { return FPlayer; }
    TPreviewPanel& Panel() { return FPanel; }
    TSnapshotCommands& Snapshots() { return *FSnapshots; }
    TNativeChildWindow* ScreenWindow() const { return FScreen.get(); }
    // The save dialog of the capture button, made when the window is created.
    TlxSkinOpenDialog* SavePictureDialog1() const { return FSavePictureDialog1; }
    // `FScreenControl`: the windowed control directly on the window that the
    // screen box names, or none.
    TWinControl* ScreenControl() const;

    // Shows the panel's state on the window's controls.
    void Show();
    // The status text of a picture under the mouse.
    void PictureHovered(TControl* APicture);
    // Marks the stored picture type in the snapshot menu and opens it at the mouse.
    void PopupSnapshotMenu();
    // The menu's type entries follow the snapshot commands' checked type.
    void ShowCheckedType();

private:
    void RowChanged(const std::string& AFileName);
    // Shows a picture button's picture of a state: "" plain, "-hot" under
    // the mouse, "-down" pressed.
    void ShowPicture(TControl* APicture, const std::string& AState);
    void AttachPictures();
    // The screen box: "Panel6", then the window's own windowed controls by tab order.
    void FillScreens();
    void CreateSaveDialog();
    void ReadDeveloperControls();
    void ShowDeveloperControls();

    TForm1& FForm;
    TCustomPlayer FPlayer;
    TPlayerPreview FAdapter{FPlayer};
    TPreviewPanel FPanel{FAdapter};
    IConversionDialogs& FDialogs;
    IDesktopServices& FDesktop;
    std::unique_ptr<TSnapshotCommands> FSnapshots;
    std::unique_ptr<TNativeChildWindow> FScreen;
    TlxSkinOpenDialog* FSavePictureDialog1 = nullptr;
    bool FClosed = false;
    // The buttons' pictures by name ("preview-play-hot"), and the state each shows.
    std::map<std::string, TBitmap> FPictures;
    std::map<TControl*, std::string> FShownState;
};

// The picture buttons of the preview panel: their hints and the status
// texts shown while the mouse is over them, in the order of
// lxSkinLinkImage1 .. lxSkinLinkImage7.
struct TPreviewPictureText {
    const char* Name;
    const char* Hint;
    const char* Status;
    const char* Picture; // the embedded pictures' name: "preview-" + this + state
};
extern const TPreviewPictureText PreviewPictureTexts[7];
