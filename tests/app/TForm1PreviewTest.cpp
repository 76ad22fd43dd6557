// The preview panel of the main window, headless with SDL's dummy drivers:
// a selected row opens paused, the pictures drive the player and show their
// status texts, the slider seeks, and the snapshot menu and picture work
// over a settings file of the test's own.

#include "app/TForm1Preview.h"
#include "app/TForm1.h"
#include "media/TFFmpegLoader.h"
#include "platform/backend/headless/THeadlessSession.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/sys/Shell.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TImage.h"
#include "platform/vcl/TMenu.h"
#include "platform/win/WinConst.h"
#include "resources/pictures/EmbeddedPictures.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCheckRadioBox.h"
#include "skin/controls/TlxSkinCustomComboBox.h"
#include "skin/controls/TlxSkinCustomEdit.h"
#include "skin/controls/TlxSkinCustomSlider.h"
#include "skin/controls/TlxSkinLinkImage.h"
#include "skin/controls/TlxSkinPanel.h"
#include "skin/controls/TlxSkinStatusPanel.h"
#include "skin/controls/TlxSkinStdLabel.h"
#include "skin/dialogs/SkinDialogsRegistration.h"
#include "skin/dialogs/open/TlxOpenDlgForm.h"
#include "skin/dialogs/open/TlxSkinOpenDialog.h"
#include "tests/skin/dialogs/open/DialogScript.h"
#include "tests/support/FixturePath.h"
#include "tests/support/TTempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>

namespace {

class TForm1PreviewFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FFLoader.Load(PlayerLibraries)) << FFLoader.LastErrMsg();
        RegisterSkinControls();
        RegisterSkinDialogClasses();
        RegisterMainFormClass();
        Application->Initialize();
        Folder.Write("option.ini", "[SnapShot]\nDir=" + Folder.Path() + "shots\n");
        Settings.emplace(Folder.Path() + "option.ini");
        OldOpener = SetShellOpener([this](const std::string& ATarget) {
            Opened.push_back(ATarget);
            return true;
        });
        TForm1::SettingsFileName = Folder.Path() + "option.ini";
        Form = TCustomForm::Create<TForm1>(nullptr);
        Form->Preview().AttachSettings(*Settings);
        Form->Show();
        Session.Pump();
    }
    void TearDown() override {
        Form->Free();
        TForm1::SettingsFileName.clear();
        SetShellOpener(OldOpener);
    }
    template <class T> T* Control(const std::string& AName) {
        return dynamic_cast<T*>(Form->FindComponent(AName));
    }
    TPoint Centre(TControl* AControl) {
        return AControl->ClientToScreen(TPoint{AControl->Width() / 2, AControl->Height() / 2});
    }
    int Logged(const std::string& ALine) {
        const auto& lines = Form->Controller().Log().Lines();
        return int(std::count(lines.begin(), lines.end(), ALine));
    }
    std::string Ini() {
        std::ifstream in(Folder.Path() + "option.ini", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Opens a file in the preview as selecting its row does, and waits for
    // it to stand paused on its first picture.
    void Preview(const std::string& AFixture) {
        Form->Controller().OnPreview(FixturePath(AFixture));
        ASSERT_TRUE(Session.RunUntil([&] { return Logged("Pause") > 0; }, WaitLimit))
            << Form->Preview().VIDedazu().LastErrMsg();
        ASSERT_TRUE(Session.RunUntil(
            [&] {
                TBitmap* frame = Form->Preview().VIDedazu().CurrentFrame();
                return frame && frame->Width() == 320 && (frame->ScanLine(60)[20] & 0xFFFFFF) > 0xC0C0C0;
            },
            WaitLimit));
    }

    // The player's threads are slow on a loaded machine under the
    // sanitizers; every wait ends as soon as its condition holds.
    static constexpr int WaitLimit = 30000;
    THeadlessSession Session{false};
    TTempFolder Folder;
    std::optional<TSettings> Settings;
    TShellOpener OldOpener;
    std::vector<std::string> Opened;
    TForm1* Form = nullptr;
};

TEST_F(TForm1PreviewFixture, TheDescriptionLaysOutThePreviewGroup) {
    EXPECT_EQ(Form->Panel6->BoundsRect(), (TRect{596, 146, 847, 282}));
    EXPECT_EQ(Form->lxSkinSlider1->MaxValue(), 256);
    EXPECT_TRUE(Form->lxSkinLinkImage4->Visible());
    EXPECT_FALSE(Form->lxSkinLinkImage7->Visible());
    EXPECT_TRUE(Form->BMP1->Checked());
    EXPECT_EQ(Control<TlxSkinLinkImage>("lxSkinLinkImage5")->Hint(), "快照");
}

// Whether the image shows the embedded picture of that name.
bool Shows(TControl* AImage, const std::string& APicture) {
    TBitmap want;
    if (!LoadEmbeddedPicture(APicture, want)) return false;
    const TGraphic* graphic = static_cast<TImage*>(AImage)->Picture()->Graphic();
    const auto* shown = dynamic_cast<const TBitmap*>(graphic);
    if (!shown || shown->Width() != want.Width() || shown->Height() != want.Height()) return false;
    for (int y = 0; y < want.Height(); ++y)
        if (!std::equal(want.ScanLine(y), want.ScanLine(y) + want.Width(), shown->ScanLine(y))) return false;
    return true;
}

TEST_F(TForm1PreviewFixture, ThePicturesLightUnderTheMouseAndShowWhenPressed) {
    TControl* play = Control<TControl>("lxSkinLinkImage1");
    TControl* stop = Control<TControl>("lxSkinLinkImage3");
    EXPECT_TRUE(Shows(play, "preview-play"));
    EXPECT_TRUE(Shows(Form->lxSkinLinkImage7, "preview-unmute"));
    Session.MouseMove(Centre(play));
    Session.Pump();
    EXPECT_TRUE(Shows(play, "preview-play-hot"));
    Session.MouseDown(Centre(play));
    Session.Pump();
    EXPECT_TRUE(Shows(play, "preview-play-down"));
    Session.MouseUp(Centre(play));
    Session.Pump();
    EXPECT_TRUE(Shows(play, "preview-play-hot"));
    Session.MouseMove(Centre(stop));
    Session.Pump();
    EXPECT_TRUE(Shows(play, "preview-play"));
    EXPECT_TRUE(Shows(stop, "preview-stop-hot"));
}

TEST_F(TForm1PreviewFixture, ASelectedRowOpensPausedAndThePicturesDriveThePlayer) {
    Preview("clip_1s.mkv");
    TCustomPlayer& player = Form->Preview().VIDedazu();
    EXPECT_TRUE(player.Paused());
    EXPECT_EQ(Form->lxSkinSlider1->Value(), 0);

    struct Hover {
        const char* Picture;
        const char* Status;
    };
    for (const Hover& h : {Hover{"lxSkinLinkImage1", "播放"}, Hover{"lxSkinLinkImage5", "捕捉视频快照"},
                           Hover{"lxSkinLinkImage6", "视频快照设置"}, Hover{"lxSkinLinkImage4", "静音"}}) {
        Session.MouseMove(Centre(Control<TControl>(h.Picture)));
        Session.Pump();
        EXPECT_EQ(Form->lxSkinStatusPanel1->Caption(), h.Status) << h.Picture;
    }

    Session.Click(Centre(Control<TControl>("lxSkinLinkImage1"))); // play
    ASSERT_TRUE(Session.RunUntil([&] { return Logged("Resume") > 0; }, WaitLimit));
    EXPECT_FALSE(player.Paused());
    Session.Click(Centre(Control<TControl>("lxSkinLinkImage2"))); // pause
    ASSERT_TRUE(Session.RunUntil([&] { return Logged("Pause") > 1; }, WaitLimit));
    EXPECT_TRUE(player.Paused());

    Session.Click(Centre(Form->lxSkinLinkImage4)); // mute
    Session.Pump();
    EXPECT_TRUE(player.Mute());
    EXPECT_FALSE(Form->lxSkinLinkImage4->Visible());
    EXPECT_TRUE(Form->lxSkinLinkImage7->Visible());
    Session.MouseMove(Centre(Form->lxSkinLinkImage7));
    Session.Pump();
    EXPECT_EQ(Form->lxSkinStatusPanel1->Caption(), "取消声音");
    Session.Click(Centre(Form->lxSkinLinkImage7)); // unmute
    Session.Pump();
    EXPECT_FALSE(player.Mute());
    EXPECT_TRUE(Form->lxSkinLinkImage4->Visible());
}

// A skin change leaves the preview alone: the same file plays on.
TEST_F(TForm1PreviewFixture, ThePreviewPlaysOnThroughSkinChanges) {
    Form->Controller().OnPreview(FixturePath("long_20s.mkv"));
    ASSERT_TRUE(Session.RunUntil([&] { return Logged("Pause") > 0; }, WaitLimit));
    TCustomPlayer& player = Form->Preview().VIDedazu();
    Session.Click(Centre(Control<TControl>("lxSkinLinkImage1"))); // play
    ASSERT_TRUE(Session.RunUntil([&] { return Form->lxSkinSlider1->Value() > 0; }, WaitLimit));
    const std::string file = player.FileName();
    for (int skin : {3, 10, 0}) {
        SCOPED_TRACE(skin);
        const int before = Form->lxSkinSlider1->Value();
        ASSERT_TRUE(Form->ApplySkin(skin));
        Session.Pump();
        EXPECT_FALSE(player.Paused());
        EXPECT_EQ(player.FileName(), file);
        EXPECT_TRUE(Session.RunUntil([&] { return Form->lxSkinSlider1->Value() > before; }, WaitLimit))
            << "the position stands still";
    }
    EXPECT_EQ(Logged("Pause"), 1) << "paused only as the file opened";
}

TEST_F(TForm1PreviewFixture, TheSliderPausesWhileHeldAndPlaysFromWhereItIsLeft) {
    Preview("clip_1s.mkv");
    TCustomPlayer& player = Form->Preview().VIDedazu();
    TlxSkinSlider* slider = Form->lxSkinSlider1;
    const TRect thumb = slider->ThumbRect();
    const TPoint grip{(thumb.Left + thumb.Right) / 2, (thumb.Top + thumb.Bottom) / 2};
    const TPoint from = slider->ClientToScreen(grip);
    const TPoint to = slider->ClientToScreen(TPoint{grip.X + slider->Width() * 3 / 4, grip.Y});
    Session.MouseDown(from);
    Session.Pump();
    EXPECT_TRUE(Form->Preview().Panel().SliderDown());
    EXPECT_TRUE(Session.RunUntil([&] { return player.Paused(); }, WaitLimit));
    Session.MouseMove(to);
    Session.MouseUp(to);
    Session.Pump();
    EXPECT_FALSE(Form->Preview().Panel().SliderDown());
    EXPECT_GT(slider->Value(), 128);
    EXPECT_TRUE(Session.RunUntil([&] { return !player.Paused(); }, WaitLimit));
    ASSERT_TRUE(Session.RunUntil([&] { return player.CurrentPTS() >= 600000; }, WaitLimit));
}

TEST_F(TForm1PreviewFixture, TheSnapshotPictureAndMenuWriteThePictureAndTheSettings) {
    Preview("clip_1s.mkv");
    Form->PNG1Click(nullptr);
    EXPECT_TRUE(Form->PNG1->Checked());
    EXPECT_FALSE(Form->BMP1->Checked());
    EXPECT_NE(Ini().find("Picture=PNG"), std::string::npos);
    Session.Click(Centre(Control<TControl>("lxSkinLinkImage5")));
    Session.Pump();
    const std::string shot = Folder.Path() + "shots/clip_1s_1.png";
    ASSERT_TRUE(std::filesystem::exists(shot));
    std::ifstream in(shot, std::ios::binary);
    TBitmap picture;
    DecodeImage(std::string(std::istreambuf_iterator<char>(in), {}), picture);
    EXPECT_EQ(picture.Width(), 320);
    EXPECT_EQ(picture.Height(), 240);

    struct Entry {
        std::function<void()> Click;
        TMenuItem* Item;
        const char* Text;
    };
    const Entry entries[] = {{[this] { Form->JPG1Click(nullptr); }, Form->JPG1, "JPG"},
                             {[this] { Form->GIF1Click(nullptr); }, Form->GIF1, "GIF"},
                             {[this] { Form->BMP1Click(nullptr); }, Form->BMP1, "BMP"}};
    for (const Entry& e : entries) {
        e.Click();
        EXPECT_TRUE(e.Item->Checked()) << e.Text;
        EXPECT_NE(Ini().find(std::string("Picture=") + e.Text), std::string::npos);
    }
    // Another program changed the type: the settings picture marks it.
    Settings->WriteSnapshotType(TSnapshotType::GIF);
    Form->lxSkinButton23Click(nullptr);
    EXPECT_TRUE(Form->GIF1->Checked());

    Form->MenuItem1Click(nullptr);
    EXPECT_EQ(Opened, (std::vector<std::string>{Folder.Path() + "shots"}));
}

std::vector<std::string> Items(TlxSkinCustomComboBox* ABox) {
    std::vector<std::string> items;
    for (int i = 0; i < ABox->Items()->Count(); ++i)
        items.push_back(ABox->Items()->Get(i));
    return items;
}

TEST_F(TForm1PreviewFixture, TheDeveloperPanelIsHiddenWithItsBoxesAsTheWindowIsCreated) {
    auto* panel = Control<TWinControl>("pnlDeveloper");
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->Visible());
    EXPECT_GE(panel->Left(), 870);

    // "Panel6", then the window's own windowed controls by tab order.
    const std::vector<std::string> screens = Items(Form->cboScreens);
    ASSERT_FALSE(screens.empty());
    EXPECT_EQ(screens[0], "Panel6");
    EXPECT_EQ(Form->cboScreens->ItemIndex(), 0);
    auto withTabOrder = [&](int AOrder) -> TWinControl* {
        for (int i = 0; i < Form->ControlCount(); ++i)
            if (auto* c = dynamic_cast<TWinControl*>(Form->Controls(i)); c && c->TabOrder() == AOrder)
                return c;
        return nullptr;
    };
    for (size_t n = 1; n < screens.size(); ++n) {
        TWinControl* control = withTabOrder(int(n - 1));
        ASSERT_NE(control, nullptr) << n;
        EXPECT_EQ(control->Name(), screens[n]);
    }
    EXPECT_EQ(withTabOrder(int(screens.size() - 1)), nullptr);
    EXPECT_GT(screens.size(), 5u);
    EXPECT_EQ(Form->Preview().ScreenControl(), Form->Panel6);

    EXPECT_EQ(Items(Form->cboVideoDriver), (std::vector<std::string>{"Default", "DDraw", "GDI"}));
    EXPECT_EQ(Items(Form->cboAudioDriver), (std::vector<std::string>{"Default", "DSound", "waveOut"}));
    EXPECT_EQ(Form->cboVideoDriver->ItemIndex(), 0);
    EXPECT_EQ(Form->cboAudioDriver->ItemIndex(), 0);
    EXPECT_TRUE(Form->chkOpenPaused->Checked());
    EXPECT_FALSE(Form->chkStayOnTop->Checked());
    EXPECT_EQ(Form->TrackBar2->MaxValue(), 128);
    EXPECT_EQ(Form->TrackBar2->Value(), 128);
    EXPECT_EQ(Control<TlxSkinButton>("btnCapture")->Caption(), "Capture");

    TlxSkinOpenDialog* dialog = Form->Preview().SavePictureDialog1();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->SaveMode());
    EXPECT_TRUE(dialog->OverwritePromt());
    EXPECT_EQ(dialog->Filter(), "Bitmaps (*.bmp)|*.bmp|JPEG Image File |*.jpg;*.jpeg");
    EXPECT_EQ(dialog->DefaultExt(), "bmp");
}

TEST_F(TForm1PreviewFixture, TheDeveloperControlsShowThePlayerAndTheirHandlersWork) {
    Preview("clip_1s.mkv");
    TCustomPlayer& player = Form->Preview().VIDedazu();
    EXPECT_EQ(Form->Label2->Caption(), Form->Preview().Panel().DurationText());
    EXPECT_EQ(Form->Label2->Caption().rfind("1.", 0), 0u) << Form->Label2->Caption();
    EXPECT_EQ(Items(Form->cboVideo), (std::vector<std::string>{"Video#0"}));
    EXPECT_FALSE(Form->cboVideo->Enabled()); // one video stream: nothing to choose
    EXPECT_EQ(Items(Form->cboSubtitle).at(0), "Subtitle#-1");
    EXPECT_FALSE(Form->cboSubtitle->Enabled());

    Form->TrackBar2->SetValue(40);
    EXPECT_EQ(player.AudioVolume(), 40);

    // The hidden twins of the mute and unmute pictures.
    Form->lxSkinButton16->Click();
    EXPECT_TRUE(player.Mute());
    EXPECT_FALSE(Form->lxSkinButton16->Visible());
    EXPECT_TRUE(Form->lxSkinButton20->Visible());
    EXPECT_FALSE(Form->lxSkinLinkImage4->Visible());
    Form->lxSkinButton20->Click();
    EXPECT_FALSE(player.Mute());
    EXPECT_TRUE(Form->lxSkinButton16->Visible());

    // The capture button saves the frame under the name the dialog gives.
    const std::string name = Folder.Path() + "capture.jpeg";
    Form->Preview().Snapshots().SaveCaptureAs = [&] { return std::optional<std::string>(name); };
    Control<TlxSkinButton>("btnCapture")->Click();
    std::ifstream in(name, std::ios::binary);
    const std::string data(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(DetectImageFormat(data), ifJpeg);
    TBitmap picture;
    DecodeImage(data, picture);
    EXPECT_EQ(picture.Width(), 320);
    EXPECT_EQ(picture.Height(), 240);

    // Unchecking "Open Paused": the next row plays at once.
    Form->chkOpenPaused->SetChecked(false);
    Form->Controller().OnPreview(FixturePath("clip_1s.mkv"));
    ASSERT_TRUE(Session.RunUntil([&] { return Logged("Play") > 0; }, WaitLimit));
    EXPECT_FALSE(player.Paused());
}

TEST_F(TForm1PreviewFixture, TheCaptureButtonAsksWithTheSkinnedSaveDialog) {
    Preview("clip_1s.mkv");
    // A name without extension: the dialog completes it from the filter.
    RunDialog<bool>(
        Session,
        [&] {
            Control<TlxSkinButton>("btnCapture")->Click();
            return true;
        },
        {OnForm<TlxOpenDlgForm>([&](TlxOpenDlgForm* f) {
            f->FileNameEdit->SetText(Folder.Path() + "grab");
            f->FileNameEdit->SetFocus();
            Session.Key(VK_RETURN);
            Session.Pump();
        })},
        Form);
    const std::string name = Folder.Path() + "grab.bmp";
    ASSERT_TRUE(std::filesystem::exists(name));
    std::ifstream in(name, std::ios::binary);
    const std::string data(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(DetectImageFormat(data), ifBmp);
    TBitmap picture;
    DecodeImage(data, picture);
    EXPECT_EQ(picture.Width(), 320);
    EXPECT_EQ(picture.Height(), 240);
}

} // namespace
