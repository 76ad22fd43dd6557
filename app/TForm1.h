#pragma once

#include "app/conversion/TConversionController.h"
#include "app/conversion/TZorvexionConverter.h"
#include "app/presets/ParameterBox.h"
#include "app/settings/TSettings.h"
#include "media/task/TZorvexion.h"
#include "platform/gdi/TBitmap.h"
#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/TCustomForm.h"

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

class TCustomImageList;
class TImage;
class TMenuItem;
class TlxCompressedSkinList;
class TlxLumivex;
class TlxSelectSkinDialog;
class TlxSkinData;
class TlxResourceStrData;
class TlxSkinButton;
class TlxSkinCheckRadioBox;
class TlxSkinComboBox;
class TlxSkinEdit;
class TlxSkinHint;
class TlxSkinImagesMenu;
class TlxSkinListView;
class TlxSkinMainMenu;
class TlxSkinMainMenuBar;
class TlxSkinMenuSpeedButton;
class TlxSkinOfficeComboBox;
class TlxSkinPageControl;
class TlxSkinPanel;
class TlxSkinPopupMenu;
class TlxSkinSpeedButton;
class TlxSkinStatusPanel;
class TSkinConversionDialogs;
class TlxSkinOpenDialog;
class TlxSkinSelectDirectoryDialog;
class TForm1Preview;
class TlxSkinLinkImage;
class TlxSkinSlider;
class TlxSkinStdLabel;

// The main window. Its layout, captions, menus and event bindings come from
// its form description; its handlers forward to the conversion controller and
// show the controller's state again afterwards.
class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* AOwner);
    ~TForm1() override;

    // The settings file the window reads and writes when the program's
    // shared settings are not open; empty: the program's own "option.ini".
    // Set before the window is created.
    static inline std::string SettingsFileName;

    // The form-skinning component, made when the window is created.
    TlxLumivex* lxLumivex1 = nullptr;
    // The program's skins and its one skin data object, made when the stored
    // skin is read at creation; until a skin loads the window has the built-in look.
    TlxCompressedSkinList* lxCompressedSkinList1 = nullptr;
    TlxSkinData* lxSkinData1 = nullptr;
    TlxResourceStrData* lxResourceStrData1 = nullptr;
    TlxSelectSkinDialog* lxSelectSkinDialog1 = nullptr;
    // The in-place box of a rename, over the selected row's output name.
    TlxSkinEdit* edt = nullptr;

    // Controls of the description the handlers use.
    TlxSkinMainMenu* lxSkinMainMenu1 = nullptr;
    TlxSkinMainMenuBar* lxSkinMainMenuBar1 = nullptr;
    TMenuItem* N2 = nullptr;  // add one file
    TMenuItem* N3 = nullptr;  // add several files
    TMenuItem* N21 = nullptr; // add a folder
    TMenuItem* N11 = nullptr; // remove
    TMenuItem* N12 = nullptr; // clear
    TMenuItem* N26 = nullptr; // rename
    TMenuItem* N16 = nullptr; // start
    TMenuItem* N17 = nullptr; // stop
    TMenuItem* N20 = nullptr; // pause
    TMenuItem* N22 = nullptr; // resume
    TMenuItem* N15 = nullptr; // help
    TlxSkinPopupMenu* lxSkinPopupMenu1 = nullptr;
    TMenuItem* N29 = nullptr;
    TMenuItem* N30 = nullptr;
    TMenuItem* N31 = nullptr;
    TlxSkinListView* lvFiles = nullptr;
    TlxSkinPanel* lxSkinPanel5 = nullptr;
    TImage* imgPlaceholder = nullptr;
    TlxSkinMenuSpeedButton* lxSkinMenuSpeedButton1 = nullptr; // add
    TlxSkinMenuSpeedButton* lxSkinMenuSpeedButton2 = nullptr; // category
    TlxSkinButton* lxSkinButton2 = nullptr;                   // start
    TlxSkinButton* lxSkinButton5 = nullptr;                   // browse output folder
    TlxSkinButton* lxSkinButton6 = nullptr;                   // open output folder
    TlxSkinButton* lxSkinButton7 = nullptr;                   // remove
    TlxSkinButton* lxSkinButton8 = nullptr;                   // clear
    TlxSkinButton* lxSkinButton9 = nullptr;                   // skin
    TlxSkinButton* lxSkinButton10 = nullptr;                  // stop
    TlxSkinButton* lxSkinButton11 = nullptr;                  // pause
    TlxSkinButton* lxSkinButton12 = nullptr;                  // resume
    TlxSkinButton* lxSkinButton24 = nullptr;                  // web site
    TlxSkinSpeedButton* lxSkinSpeedButton1 = nullptr;         // remove
    TlxSkinSpeedButton* lxSkinSpeedButton2 = nullptr;         // clear
    TlxSkinSpeedButton* lxSkinSpeedButton3 = nullptr;         // down
    TlxSkinSpeedButton* lxSkinSpeedButton4 = nullptr;         // up
    TlxSkinSpeedButton* lxSkinSpeedButton5 = nullptr;         // rename
    TlxSkinPageControl* lxSkinPageControl1 = nullptr;
    TlxSkinOfficeComboBox* lxSkinOfficeComboBox1 = nullptr; // profile
    TlxSkinComboBox* lxSkinComboBox1 = nullptr;             // resolution
    TlxSkinComboBox* lxSkinComboBox2 = nullptr;             // video bit rate
    TlxSkinComboBox* lxSkinComboBox3 = nullptr;             // audio bit rate
    TlxSkinComboBox* lxSkinComboBox4 = nullptr;             // aspect
    TlxSkinComboBox* lxSkinComboBox9 = nullptr;             // frame rate
    TlxSkinComboBox* lxSkinComboBox10 = nullptr;            // sample rate
    TlxSkinComboBox* lxSkinComboBox5 = nullptr;             // after the run
    TlxSkinComboBox* lxSkinComboBox6 = nullptr;             // existing output file
    TlxSkinComboBox* lxSkinComboBox7 = nullptr;             // simultaneous conversions
    TlxSkinComboBox* lxSkinComboBox8 = nullptr;             // processor use
    TlxSkinEdit* Video_OutPut_Folder_Edit = nullptr;
    TlxSkinCheckRadioBox* lxSkinCheckRadioBox8 = nullptr; // real-time preview
    TlxSkinStatusPanel* lxSkinStatusPanel1 = nullptr;
    // The category menu the category button drops and shows the choice of,
    // its 48-pixel category pictures, and the profile box's pictures.
    TlxSkinImagesMenu* lxSkinImagesMenu1 = nullptr;
    TCustomImageList* lxPngImageList4 = nullptr;
    TCustomImageList* lxPngImageList7 = nullptr;
    // Hints of the window and its menus in the skin's look.
    TlxSkinHint* lxSkinHint1 = nullptr;
    // The open-file dialogs for one and for several files; the folder
    // dialogs for a folder to add and for the output and snapshot folders.
    TlxSkinOpenDialog* OpenDialog1 = nullptr;
    TlxSkinOpenDialog* OpenDialog2 = nullptr;
    TlxSkinSelectDirectoryDialog* lxSkinSelectDirectoryDialog1 = nullptr;
    TlxSkinSelectDirectoryDialog* lxSkinSelectDirectoryDialog2 = nullptr;
    // The preview panel (TForm1Preview.cpp).
    TlxSkinPanel* Panel6 = nullptr; // the player's screen
    TlxSkinSlider* lxSkinSlider1 = nullptr;
    TlxSkinLinkImage* lxSkinLinkImage4 = nullptr; // mute
    TlxSkinLinkImage* lxSkinLinkImage7 = nullptr; // unmute
    TlxSkinPopupMenu* lxSkinPopupMenu2 = nullptr; // the snapshot menu
    TMenuItem* BMP1 = nullptr;
    TMenuItem* JPG1 = nullptr;
    TMenuItem* GIF1 = nullptr;
    TMenuItem* PNG1 = nullptr;
    // The preview's developer panel, outside the visible area.
    TlxSkinComboBox* cboScreens = nullptr;
    TlxSkinComboBox* cboVideoDriver = nullptr;
    TlxSkinComboBox* cboAudioDriver = nullptr;
    TlxSkinCheckRadioBox* chkOpenPaused = nullptr;
    TlxSkinCheckRadioBox* chkStayOnTop = nullptr;
    TlxSkinComboBox* cboVideo = nullptr;
    TlxSkinComboBox* cboAudio = nullptr;
    TlxSkinComboBox* cboSubtitle = nullptr;
    TlxSkinStdLabel* Label2 = nullptr;       // duration
    TlxSkinStdLabel* Label3 = nullptr;       // position
    TlxSkinSlider* TrackBar2 = nullptr;      // volume
    TlxSkinButton* lxSkinButton16 = nullptr; // mute twin
    TlxSkinButton* lxSkinButton20 = nullptr; // unmute twin

    TConversionController& Controller() { return *FController; }
    TSettings& Settings() { return *FSettings; }
    TForm1Preview& Preview() { return *FPreview; }

    // Handlers bound by the description.
    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void FormShow(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void FormMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void HintMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void btnAddClick(TObject* Sender);
    void Button8Click(TObject* Sender);
    void N21Click(TObject* Sender);
    void N4Click(TObject* Sender);
    void btnRemoveClick(TObject* Sender);
    void btnClearClick(TObject* Sender);
    void lxSkinButton3Click(TObject* Sender); // up
    void lxSkinButton4Click(TObject* Sender); // down
    void N26Click(TObject* Sender);           // rename
    void btnStartClick(TObject* Sender);
    void btnStopClick(TObject* Sender);
    void btnPauseClick(TObject* Sender);
    void btnResumeClick(TObject* Sender);
    void N15Click(TObject* Sender); // help
    void N19Click(TObject* Sender); // web site
    void N23Click(TObject* Sender); // skin
    void lvFilesDblClick(TObject* Sender);
    void edtExit(TObject* Sender);
    // Shows the program's skin ASkinIndex on every form and its controls.
    // An index outside the list or a skin that does not load keeps the skin
    // there is, says so in the status panel and returns false.
    bool ApplySkin(int ASkinIndex);
    // "读入皮肤ini": applies the skin index the settings file holds.
    void Button3Click(TObject* Sender);
    void lxSkinImagesMenu1Change(TObject* Sender);
    void lxSkinOfficeComboBox1Change(TObject* Sender);
    void lxSkinComboBox1Change(TObject* Sender);
    void lxSkinComboBox2Change(TObject* Sender);
    void lxSkinComboBox3Change(TObject* Sender);
    void lxSkinComboBox4Change(TObject* Sender);
    void lxSkinComboBox9Change(TObject* Sender);
    void lxSkinComboBox10Change(TObject* Sender);
    void lxSkinComboBox5Change(TObject* Sender);
    void lxSkinComboBox6Change(TObject* Sender);
    void lxSkinComboBox7Change(TObject* Sender);
    void lxSkinComboBox8Change(TObject* Sender);
    void lxSkinButton5Click(TObject* Sender);
    void lxSkinButton6Click(TObject* Sender);
    void Video_OutPut_Folder_EditClick(TObject* Sender);
    void lxSkinCheckRadioBox8Click(TObject* Sender);
    // The preview panel's pictures, slider and snapshot menu.
    void lxSkinButton13Click(TObject* Sender);
    void lxSkinButton14Click(TObject* Sender);
    void lxSkinButton15Click(TObject* Sender);
    void lxSkinButton16Click(TObject* Sender);
    void lxSkinButton20Click(TObject* Sender);
    void lxSkinButton22Click(TObject* Sender);
    void lxSkinButton23Click(TObject* Sender);
    void lxSkinLinkImage6MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void lxSkinSlider1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void lxSkinSlider1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void PreviewPictureMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    // A click on the file list that leaves no row selected stops the preview.
    void lvFilesClick(TObject* Sender);
    void MenuItem1Click(TObject* Sender);
    void MenuItem2Click(TObject* Sender);
    void BMP1Click(TObject* Sender);
    void JPG1Click(TObject* Sender);
    void GIF1Click(TObject* Sender);
    void PNG1Click(TObject* Sender);
    void lxSkinButton23MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void TrackBar2Change(TObject* Sender);
    void btnCaptureClick(TObject* Sender);

    // Shows the controller's state: rows, commands, boxes, placeholder, status text.
    void ShowState();

    // The about box and the options form, made by the program's start.
    void SetSecondaryForms(TCustomForm* AAboutBox, TCustomForm* AOptionsForm);
    // "关于软件": the about box, modally.
    void N5Click(TObject* Sender);
    // "转换设置" and the hidden options button: the options form, modally.
    void N24Click(TObject* Sender);
    void lxSkinButton19Click(TObject* Sender);

private:
    void PrepareSkins();
    void ShowSkinFailure(const std::string& AWhy);
    void BeginRename(bool AFromDoubleClick);
    // The file list takes the focus (after adding, removing or moving a row),
    // which also shows its selected row.
    void FocusFileList();
    void ShowCategory();
    void ParameterBoxChanged(TParameterBox ABox, TlxSkinComboBox* ABoxControl);
    void ShowBoxes();
    void ShowProfiles();
    void ShowProfilePictures();
    void ShowRows();
    void ShowCommands();
    void ShowSettingsBoxes();
    TlxSkinComboBox* BoxControl(TParameterBox ABox) const;
    void CreatePreview();
    // Gives a command button the enabled or the disabled look of its glyph.
    void ShowGlyph(TControl* AButton, const std::string& AGlyph, bool AEnabled);

    TZorvexion FZorvex;
    TZorvexionConverter FConverter{FZorvex};
    TZorvexionProber FProber{FZorvex};
    std::unique_ptr<TSkinConversionDialogs> FDialogs;
    TPlatformDesktopServices FDesktop;
    // The program's shared settings, or FOwnSettings when none are open.
    std::unique_ptr<TSettings> FOwnSettings;
    TSettings* FSettings = nullptr;
    std::unique_ptr<TConversionController> FController;
    int FOptionsListener = 0;
    // The profile captions the profile box holds.
    std::vector<std::string> FShownProfiles;
    // The category list whose pictures the profile box shows.
    int FShownProfileList = -1;
    // The controller's status text last put in the status panel.
    std::string FShownStatus;
    // The glyph pictures by name, and the one each button shows.
    std::map<std::string, TBitmap> FGlyphs;
    std::map<const TControl*, std::string> FShownGlyphs;
    // Set while the window shows the controller's state: the boxes' change
    // events then come from code and go nowhere.
    int FShowing = 0;
    bool FClosing = false;
    TComponentRef<TCustomForm> FAboutBox{this};
    TComponentRef<TCustomForm> FOptionsForm{this};
    // Cleared when the window goes; work queued for the GUI thread checks it.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
    std::unique_ptr<TForm1Preview> FPreview;
};

// Registers TForm1 for its form description (its fields and handlers).
void RegisterMainFormClass();
// The preview panel's fields and handlers (TForm1Preview.cpp).
template <class T> class TClassBuilder;
void RegisterMainFormPreview(TClassBuilder<TForm1>& AClass);
