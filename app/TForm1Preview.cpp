#include "app/TForm1Preview.h"

#include "app/TForm1.h"
#include "app/TSkinConversionDialogs.h"
#include "app/conversion/IConversionDialogs.h"
#include "media/TFFmpegLoader.h"
#include "platform/vcl/TClassRegistry.h"
#include "platform/vcl/TImage.h"
#include "platform/vcl/TMenu.h"
#include "platform/vcl/TScreen.h"
#include "platform/vcl/VclMessages.h"
#include "platform/win/TNativeChildWindow.h"
#include "platform/win/WinApi.h"
#include "resources/pictures/EmbeddedPictures.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCheckRadioBox.h"
#include "skin/controls/TlxSkinCustomComboBox.h"
#include "skin/controls/TlxSkinCustomListView.h"
#include "skin/controls/TlxSkinCustomSlider.h"
#include "skin/controls/TlxSkinLinkImage.h"
#include "skin/controls/TlxSkinPanel.h"
#include "skin/controls/TlxSkinPopupMenu.h"
#include "skin/controls/TlxSkinStatusPanel.h"
#include "skin/controls/TlxSkinStdLabel.h"
#include "skin/dialogs/open/TlxSkinOpenDialog.h"

const TPreviewPictureText PreviewPictureTexts[7] = {
    {"lxSkinLinkImage1", "播放", "播放", "play"},
    {"lxSkinLinkImage2", "暂停", "暂停", "pause"},
    {"lxSkinLinkImage3", "停止", "停止", "stop"},
    {"lxSkinLinkImage4", "静音", "静音", "mute"},
    {"lxSkinLinkImage5", "快照", "捕捉视频快照", "snapshot"},
    {"lxSkinLinkImage6", "设置", "视频快照设置", "settings"},
    {"lxSkinLinkImage7", "静音", "取消声音", "unmute"},
};

namespace {

const TPreviewPictureText* PictureText(const TControl* APicture) {
    for (const TPreviewPictureText& p : PreviewPictureTexts)
        if (APicture && APicture->Name() == p.Name) return &p;
    return nullptr;
}

// The skinned file dialog asking where the capture button saves the frame.
class TSavePictureDialog : public TlxSkinOpenDialog {
public:
    explicit TSavePictureDialog(TComponent* AOwner) : TlxSkinOpenDialog(AOwner) { FSaveMode = true; }
};

std::string SelectedText(const TlxSkinCustomComboBox* ABox) {
    if (!ABox || ABox->ItemIndex() < 0 || ABox->ItemIndex() >= ABox->Items()->Count()) return {};
    return ABox->Items()->Get(ABox->ItemIndex());
}

void ShowStreamBox(TlxSkinCustomComboBox* ABox, const TPreviewStreamBox& AState) {
    if (!ABox) return;
    TStrings* items = ABox->Items();
    bool same = items->Count() == int(AState.Items.size());
    for (int i = 0; same && i < items->Count(); ++i)
        same = items->Get(i) == AState.Items[size_t(i)];
    if (!same) {
        items->BeginUpdate();
        items->Clear();
        for (const std::string& item : AState.Items)
            items->Add(item);
        items->EndUpdate();
    }
    if (ABox->ItemIndex() != AState.ItemIndex) ABox->SetItemIndex(AState.ItemIndex);
    ABox->SetEnabled(AState.Enabled);
}

} // namespace

TForm1Preview::TForm1Preview(TForm1& AForm, IConversionDialogs& ADialogs, IDesktopServices& ADesktop,
                             TSettings& ASettings)
    : FForm(AForm), FDialogs(ADialogs), FDesktop(ADesktop) {
    AttachSettings(ASettings);
}

void TForm1Preview::AttachSettings(TSettings& ASettings) {
    FSnapshots = std::make_unique<TSnapshotCommands>(FPanel, ASettings, FDesktop);
    FSnapshots->SelectFolder = [this] { return FDialogs.SelectOutputDirectory(); };
    FSnapshots->OnStatus = [this](const std::string& AText) {
        if (FForm.lxSkinStatusPanel1) FForm.lxSkinStatusPanel1->SetCaption(AText);
    };
    FSnapshots->SaveCaptureAs = [this]() -> std::optional<std::string> {
        if (!FSavePictureDialog1 || !FSavePictureDialog1->Execute()) return std::nullopt;
        return FSavePictureDialog1->FileName();
    };
}

TForm1Preview::~TForm1Preview() {
    Close();
}

void TForm1Preview::Attach() {
    TForm1& f = FForm;
    FPanel.Log = &f.Controller().Log();
    FPanel.LibraryFolder = FFLoader.LibraryPath();
    if (f.lxSkinSlider1) FPanel.SetSliderWidth(f.lxSkinSlider1->Width());
    if (f.Panel6) {
        FScreen = std::make_unique<TNativeChildWindow>(f.Panel6->Handle());
        FPlayer.SetHostWindow(FScreen.get());
    }
    FAdapter.BindEvents(&FPanel);
    FPanel.OnChange = [this] { Show(); };
    FillScreens();
    CreateSaveDialog();
    FPanel.OnReadControls = [this] { ReadDeveloperControls(); };
    FPanel.OnScreenSize = [this](int& AWidth, int& AHeight) {
        if (TWinControl* screen = ScreenControl()) {
            AWidth = screen->ClientWidth();
            AHeight = screen->ClientHeight();
        } else {
            AWidth = ::Screen->Width();
            AHeight = ::Screen->Height();
        }
    };
    FPanel.OnFocusFileList = [this] {
        if (FForm.lvFiles && FForm.lvFiles->CanFocus()) FForm.lvFiles->SetFocus();
    };
    FPanel.OnRepaintScreen = [this] {
        if (FScreen) FScreen->Clear();
        if (FForm.Panel6) FForm.Panel6->Repaint();
    };
    FPanel.RowSelected = [this] { return FForm.Controller().Files().HasSelection(); };
    FForm.Controller().OnPreview = [this](const std::string& AFileName) { RowChanged(AFileName); };
    AttachPictures();
    Show();
}

void TForm1Preview::FillScreens() {
    TlxSkinComboBox* box = FForm.cboScreens;
    if (!box) return;
    TStrings* items = box->Items();
    items->BeginUpdate();
    items->Clear();
    items->Add("Panel6");
    for (int order = 0;; ++order) {
        TWinControl* found = nullptr;
        for (int i = 0; i < FForm.ControlCount() && !found; ++i) {
            auto* control = dynamic_cast<TWinControl*>(FForm.Controls(i));
            if (control && control->TabOrder() == order) found = control;
        }
        // A gap in the tab orders ends the list.
        if (!found) break;
        items->Add(found->Name());
    }
    items->EndUpdate();
    box->SetItemIndex(0);
}

TWinControl* TForm1Preview::ScreenControl() const {
    const std::string name = FForm.cboScreens ? SelectedText(FForm.cboScreens) : "Panel6";
    if (name.empty()) return nullptr;
    for (int i = 0; i < FForm.ControlCount(); ++i) {
        auto* control = dynamic_cast<TWinControl*>(FForm.Controls(i));
        if (control && control->Name() == name) return control;
    }
    return nullptr;
}

void TForm1Preview::CreateSaveDialog() {
    FSavePictureDialog1 = new TSavePictureDialog(&FForm);
    FSavePictureDialog1->SetName("SavePictureDialog1");
    FSavePictureDialog1->SetTitle("Save As");
    FSavePictureDialog1->SetOverwritePromt(true);
    // The chosen folder must exist; the file itself is new or replaced.
    FSavePictureDialog1->SetCheckFileExists(false);
    FSavePictureDialog1->SetFilter("Bitmaps (*.bmp)|*.bmp|JPEG Image File |*.jpg;*.jpeg");
    FSavePictureDialog1->SetDefaultExt("bmp");
}

void TForm1Preview::ReadDeveloperControls() {
    TForm1& f = FForm;
    if (f.cboVideoDriver) FPanel.VideoDriverIndex = f.cboVideoDriver->ItemIndex();
    if (f.cboAudioDriver) FPanel.AudioDriverIndex = f.cboAudioDriver->ItemIndex();
    if (f.chkOpenPaused) FPanel.OpenPaused = f.chkOpenPaused->Checked();
    if (f.chkStayOnTop) FPanel.StayOnTop = f.chkStayOnTop->Checked();
}

void TForm1Preview::ShowDeveloperControls() {
    TForm1& f = FForm;
    if (f.Label2 && f.Label2->Caption() != FPanel.DurationText() && !FPanel.DurationText().empty())
        f.Label2->SetCaption(FPanel.DurationText());
    if (f.Label3 && f.Label3->Caption() != FPanel.PositionText() && !FPanel.PositionText().empty())
        f.Label3->SetCaption(FPanel.PositionText());
    ShowStreamBox(f.cboVideo, FPanel.VideoBox());
    ShowStreamBox(f.cboAudio, FPanel.AudioBox());
    ShowStreamBox(f.cboSubtitle, FPanel.SubtitleBox());
    if (f.lxSkinButton16) f.lxSkinButton16->SetVisible(FPanel.MuteShown());
    if (f.lxSkinButton20) f.lxSkinButton20->SetVisible(!FPanel.MuteShown());
}

void TForm1Preview::AttachPictures() {
    for (const TPreviewPictureText& p : PreviewPictureTexts) {
        for (const char* state : {"", "-hot", "-down"}) {
            const std::string name = std::string("preview-") + p.Picture + state;
            LoadEmbeddedPicture(name, FPictures[name]);
        }
        auto* picture = dynamic_cast<TImage*>(FForm.FindComponent(p.Name));
        if (!picture) continue;
        picture->SetHint(p.Hint);
        ShowPicture(picture, "");
        // The pressed look while the button is held, the plain one when the
        // mouse leaves; the hot one comes with the mouse moving over it.
        TWndMethod previous = picture->WindowProc;
        picture->WindowProc = [this, picture, previous](TMessage& AMessage) {
            previous(AMessage);
            if (AMessage.Msg == CM_MOUSELEAVE)
                ShowPicture(picture, "");
            else if (AMessage.Msg == WM_LBUTTONDOWN)
                ShowPicture(picture, "-down");
            else if (AMessage.Msg == WM_LBUTTONUP)
                ShowPicture(picture, "-hot");
        };
    }
}

void TForm1Preview::ShowPicture(TControl* APicture, const std::string& AState) {
    auto* image = dynamic_cast<TImage*>(APicture);
    const TPreviewPictureText* text = PictureText(APicture);
    if (!image || !text) return;
    std::string& shown = FShownState[APicture];
    if (shown == AState && image->Picture()->Graphic()) return;
    shown = AState;
    const TBitmap& source = FPictures[std::string("preview-") + text->Picture + AState];
    if (source.Empty()) return;
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->Assign(source);
    image->Picture()->SetGraphic(std::move(bitmap));
}

void TForm1Preview::Close() {
    if (FClosed) return;
    FClosed = true;
    if (FForm.Controller().OnPreview) FForm.Controller().OnPreview = nullptr;
    FPanel.OnChange = nullptr;
    FAdapter.BindEvents(nullptr);
    FPlayer.Stop(true);
    FPlayer.SetHostWindow(nullptr);
}

void TForm1Preview::RowChanged(const std::string& AFileName) {
    if (FClosed) return;
    if (AFileName.empty()) {
        FPanel.StopPreview();
        return;
    }
    FPanel.ResetSlider();
    FPanel.T_Movie_PLayer_FileName = AFileName;
    // The screen's window id when the display has one; the player takes it
    // from its host window.
    FPanel.ScreenHandle = 0;
    FPanel.Button31Click();
}

void TForm1Preview::Show() {
    TForm1& f = FForm;
    if (f.lxSkinSlider1) {
        f.lxSkinSlider1->SetIncrement(FPanel.SliderIncrement());
        f.lxSkinSlider1->SetMaxValue(FPanel.SliderMaxValue());
        // While the user holds it the slider is theirs.
        if (!FPanel.SliderDown()) f.lxSkinSlider1->SetValue(FPanel.SliderValue());
    }
    if (f.lxSkinLinkImage4) f.lxSkinLinkImage4->SetVisible(FPanel.MuteShown());
    if (f.lxSkinLinkImage7) f.lxSkinLinkImage7->SetVisible(!FPanel.MuteShown());
    const TFormStyle style = FPanel.FormStayOnTop() ? fsStayOnTop : fsNormal;
    if (f.FormStyle() != style) f.SetFormStyle(style);
    ShowDeveloperControls();
}

void TForm1Preview::PictureHovered(TControl* APicture) {
    const TPreviewPictureText* text = PictureText(APicture);
    if (!text) return;
    if (FShownState[APicture] != "-down") ShowPicture(APicture, "-hot");
    if (FForm.lxSkinStatusPanel1) FForm.lxSkinStatusPanel1->SetCaption(text->Status);
}

void TForm1Preview::ShowCheckedType() {
    TMenuItem* entries[] = {FForm.BMP1, FForm.JPG1, FForm.GIF1, FForm.PNG1};
    TMenuItem* checked = entries[size_t(FSnapshots->CheckedType())];
    if (checked) checked->SetChecked(true);
}

void TForm1Preview::PopupSnapshotMenu() {
    FSnapshots->lxSkinButton23Click();
    ShowCheckedType();
    if (!FForm.lxSkinPopupMenu2) return;
    TPoint at{0, 0};
    GetCursorPos(at);
    FForm.lxSkinPopupMenu2->Popup(at.X, at.Y);
}

// ---- TForm1's handlers of the preview panel ----

void TForm1::CreatePreview() {
    FPreview = std::make_unique<TForm1Preview>(*this, *FDialogs, FDesktop, *FSettings);
}

void TForm1::lxSkinButton13Click(TObject*) {
    FPreview->Panel().lxSkinButton13Click();
}

void TForm1::lxSkinButton14Click(TObject*) {
    FPreview->Panel().lxSkinButton14Click();
}

void TForm1::lxSkinButton15Click(TObject*) {
    FPreview->Panel().lxSkinButton15Click();
}

void TForm1::lxSkinButton16Click(TObject*) {
    FPreview->Panel().lxSkinButton16Click();
}

void TForm1::lxSkinButton20Click(TObject*) {
    FPreview->Panel().lxSkinButton20Click();
}

void TForm1::lxSkinButton22Click(TObject*) {
    FPreview->Snapshots().lxSkinButton22Click();
    FPreview->ShowCheckedType();
}

void TForm1::lxSkinButton23Click(TObject*) {
    FPreview->Snapshots().lxSkinButton23Click();
    FPreview->ShowCheckedType();
}

void TForm1::lxSkinLinkImage6MouseDown(TObject*, TMouseButton Button, TShiftState, int, int) {
    if (Button == TMouseButton::mbLeft) FPreview->PopupSnapshotMenu();
}

void TForm1::lxSkinButton23MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
    lxSkinLinkImage6MouseDown(Sender, Button, Shift, X, Y);
}

void TForm1::lvFilesClick(TObject*) {
    FPreview->Panel().lvFilesClick();
}

void TForm1::TrackBar2Change(TObject*) {
    if (TrackBar2) FPreview->Panel().TrackBar2Change(TrackBar2->Value());
}

void TForm1::btnCaptureClick(TObject*) {
    FPreview->Snapshots().btnCaptureClick();
}

void TForm1::lxSkinSlider1MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    FPreview->Panel().lxSkinSlider1MouseDown();
}

void TForm1::lxSkinSlider1MouseUp(TObject*, TMouseButton, TShiftState, int, int) {
    if (lxSkinSlider1) FPreview->Panel().SetSliderValue(lxSkinSlider1->Value());
    FPreview->Panel().lxSkinSlider1MouseUp();
}

void TForm1::PreviewPictureMouseMove(TObject* Sender, TShiftState, int, int) {
    FPreview->PictureHovered(dynamic_cast<TControl*>(Sender));
}

void TForm1::MenuItem1Click(TObject*) {
    FPreview->Snapshots().MenuItem1Click();
}

void TForm1::MenuItem2Click(TObject*) {
    FPreview->Snapshots().MenuItem2Click();
}

void TForm1::BMP1Click(TObject*) {
    FPreview->Snapshots().BMP1Click();
    FPreview->ShowCheckedType();
}

void TForm1::JPG1Click(TObject*) {
    FPreview->Snapshots().JPG1Click();
    FPreview->ShowCheckedType();
}

void TForm1::GIF1Click(TObject*) {
    FPreview->Snapshots().GIF1Click();
    FPreview->ShowCheckedType();
}

void TForm1::PNG1Click(TObject*) {
    FPreview->Snapshots().PNG1Click();
    FPreview->ShowCheckedType();
}

void RegisterMainFormPreview(TClassBuilder<TForm1>& AClass) {
    AClass.Field("Panel6", &TForm1::Panel6)
        .Field("lxSkinSlider1", &TForm1::lxSkinSlider1)
        .Field("lxSkinLinkImage4", &TForm1::lxSkinLinkImage4)
        .Field("lxSkinLinkImage7", &TForm1::lxSkinLinkImage7)
        .Field("lxSkinPopupMenu2", &TForm1::lxSkinPopupMenu2)
        .Field("BMP1", &TForm1::BMP1)
        .Field("JPG1", &TForm1::JPG1)
        .Field("GIF1", &TForm1::GIF1)
        .Field("PNG1", &TForm1::PNG1)
        .Field("cboScreens", &TForm1::cboScreens)
        .Field("cboVideoDriver", &TForm1::cboVideoDriver)
        .Field("cboAudioDriver", &TForm1::cboAudioDriver)
        .Field("chkOpenPaused", &TForm1::chkOpenPaused)
        .Field("chkStayOnTop", &TForm1::chkStayOnTop)
        .Field("cboVideo", &TForm1::cboVideo)
        .Field("cboAudio", &TForm1::cboAudio)
        .Field("cboSubtitle", &TForm1::cboSubtitle)
        .Field("Label2", &TForm1::Label2)
        .Field("Label3", &TForm1::Label3)
        .Field("TrackBar2", &TForm1::TrackBar2)
        .Field("lxSkinButton16", &TForm1::lxSkinButton16)
        .Field("lxSkinButton20", &TForm1::lxSkinButton20)
        .Handler("lxSkinButton13Click", &TForm1::lxSkinButton13Click)
        .Handler("lxSkinButton14Click", &TForm1::lxSkinButton14Click)
        .Handler("lxSkinButton15Click", &TForm1::lxSkinButton15Click)
        .Handler("lxSkinButton16Click", &TForm1::lxSkinButton16Click)
        .Handler("lxSkinButton20Click", &TForm1::lxSkinButton20Click)
        .Handler("lxSkinButton22Click", &TForm1::lxSkinButton22Click)
        .Handler("lxSkinButton23Click", &TForm1::lxSkinButton23Click)
        .Handler("lxSkinLinkImage6MouseDown", &TForm1::lxSkinLinkImage6MouseDown)
        .Handler("lxSkinSlider1MouseDown", &TForm1::lxSkinSlider1MouseDown)
        .Handler("lxSkinSlider1MouseUp", &TForm1::lxSkinSlider1MouseUp)
        .Handler("PreviewPictureMouseMove", &TForm1::PreviewPictureMouseMove)
        .Handler("MenuItem1Click", &TForm1::MenuItem1Click)
        .Handler("MenuItem2Click", &TForm1::MenuItem2Click)
        .Handler("BMP1Click", &TForm1::BMP1Click)
        .Handler("JPG1Click", &TForm1::JPG1Click)
        .Handler("GIF1Click", &TForm1::GIF1Click)
        .Handler("PNG1Click", &TForm1::PNG1Click)
        .Handler("lxSkinButton23MouseDown", &TForm1::lxSkinButton23MouseDown)
        .Handler("TrackBar2Change", &TForm1::TrackBar2Change)
        .Handler("lvFilesClick", &TForm1::lvFilesClick)
        .Handler("btnCaptureClick", &TForm1::btnCaptureClick);
}
