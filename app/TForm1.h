#pragma once

#include "app/conversion/TConversionController.h"
#include "app/conversion/TZorvexionConverter.h"
#include "media/task/TZorvexion.h"
#include "platform/vcl/TCustomForm.h"

#include <memory>

class TImage;
class TlxSkinButton;
class TlxSkinListView;
class TlxSkinMenuSpeedButton;
class TlxSkinPanel;
class TlxSkinStatusPanel;
class TPlainConversionDialogs;

// The main window. Its layout, captions and event bindings come from its
// form description; its handlers forward to the conversion controller and
// show the controller's state again afterwards.
class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* AOwner);
    ~TForm1() override;

    // Controls of the description the handlers use.
    TlxSkinListView* lvFiles = nullptr;
    TlxSkinPanel* lxSkinPanel5 = nullptr;
    TImage* imgPlaceholder = nullptr;
    TlxSkinMenuSpeedButton* lxSkinMenuSpeedButton1 = nullptr;
    TlxSkinMenuSpeedButton* lxSkinMenuSpeedButton2 = nullptr;
    TlxSkinButton* lxSkinButton2 = nullptr;  // start
    TlxSkinButton* lxSkinButton7 = nullptr;  // remove
    TlxSkinButton* lxSkinButton8 = nullptr;  // clear
    TlxSkinButton* lxSkinButton10 = nullptr; // stop
    TlxSkinButton* lxSkinButton11 = nullptr; // pause
    TlxSkinButton* lxSkinButton12 = nullptr; // resume
    TlxSkinStatusPanel* lxSkinStatusPanel1 = nullptr;

    TConversionController& Controller() { return *FController; }

    // Handlers bound by the description.
    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void btnAddClick(TObject* Sender);
    void btnRemoveClick(TObject* Sender);
    void btnClearClick(TObject* Sender);
    void btnStartClick(TObject* Sender);
    void btnStopClick(TObject* Sender);
    void btnPauseClick(TObject* Sender);
    void btnResumeClick(TObject* Sender);

    // Shows the controller's state: rows, commands, placeholder, status text.
    void ShowState();

private:
    TZorvexion FZorvex;
    TZorvexionConverter FConverter{FZorvex};
    TZorvexionProber FProber{FZorvex};
    std::unique_ptr<TPlainConversionDialogs> FDialogs;
    TPlatformDesktopServices FDesktop;
    std::unique_ptr<TConversionController> FController;
    bool FClosing = false;
    // Cleared when the window goes; work queued for the GUI thread checks it.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

// Registers TForm1 for its form description (its fields and handlers).
void RegisterMainFormClass();
