#include "app/TForm1.h"

#include "app/catalogue/CategoryMenu.h"
#include "app/conversion/FileRowColumns.h"
#include "platform/backend/headless/THeadlessSession.h"
#include "platform/sys/ProgramFolder.h"
#include "platform/sys/Shell.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TImage.h"
#include "platform/vcl/TImageList.h"
#include "platform/vcl/TMenu.h"
#include "platform/win/WinConst.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCustomComboBox.h"
#include "skin/controls/TlxSkinCustomEdit.h"
#include "skin/controls/TlxSkinCustomListView.h"
#include "skin/controls/TlxSkinCustomOfficeComboBox.h"
#include "skin/controls/TlxSkinHint.h"
#include "skin/controls/TlxSkinHintWindow.h"
#include "skin/controls/TlxSkinImagesMenu.h"
#include "skin/controls/TlxSkinImagesMenuPopupWindow.h"
#include "skin/controls/TlxSkinMenuSpeedButton.h"
#include "skin/controls/TlxSkinPageControl.h"
#include "skin/controls/TlxSkinPanel.h"
#include "skin/controls/TlxSkinStatusPanel.h"
#include "skin/controls/TlxSkinStdLabel.h"
#include "skin/dialogs/SkinDialogsRegistration.h"
#include "skin/dialogs/message/TlxMessageForm.h"
#include "skin/dialogs/open/TlxOpenDlgForm.h"
#include "skin/dialogs/seldir/TlxSelDirDlgForm.h"
#include "skin/engine/CompressedSkinList.h"
#include "skin/engine/CompressedStoredSkin.h"
#include "skin/engine/ResourceStrData.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinListItem.h"
#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinMainMenuBar.h"
#include "skin/windows/TlxSkinMainMenuBarItem.h"
#include "skin/windows/TlxSkinMenu.h"
#include "skin/windows/TlxSkinMenuItem.h"
#include "skin/windows/TlxSkinPopupWindow.h"
#include "tests/support/FixturePath.h"
#include "tests/support/TTempFolder.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/SkinnedControls.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

class TForm1Fixture : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSkinControls();
        RegisterSkinDialogClasses();
        RegisterMainFormClass();
        PreviousOpener = SetShellOpener([this](const std::string& ATarget) {
            Opened.push_back(ATarget);
            return !OpenerFails;
        });
        std::filesystem::create_directories(Folder.Path() + "out");
        {
            TSettings settings(Folder.Path() + "option.ini");
            settings.WriteOutputFolder(Folder.Path() + "out");
        }
        TForm1::SettingsFileName = Folder.Path() + "option.ini";
        Application->Initialize();
        Form = TCustomForm::Create<TForm1>(nullptr);
        Form->Show();
        Session.Pump();
    }
    void TearDown() override {
        Form->Free();
        TForm1::SettingsFileName.clear();
        SetShellOpener(PreviousOpener);
        Application->OnIdle = nullptr;
    }

    TPoint Centre(TControl* AControl) {
        return AControl->ClientToScreen({AControl->Width() / 2, AControl->Height() / 2});
    }
    void ClickOn(TControl* AControl) {
        Session.Click(Centre(AControl));
        Session.Pump();
    }
    // Clicks the main menu bar's item AIndex (of those shown).
    void ClickMenuBarItem(int AIndex) {
        TlxSkinMainMenuBar* bar = Form->lxSkinMainMenuBar1;
        ASSERT_LT(AIndex, bar->ItemCount());
        const TRect r = bar->Items(AIndex)->ObjectRect;
        Session.Click(bar->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}));
        Session.Pump();
    }
    // Clicks row ARow of the open skinned menu.
    void ClickMenuRow(int ARow) {
        TlxSkinPopupWindow* window = Form->lxLumivex1->SkinMenu->LastWindow();
        ASSERT_NE(window, nullptr) << "no menu open";
        ASSERT_LT(ARow, window->ItemCount());
        const TRect r = window->Items(ARow)->ObjectRect;
        Session.Click(window->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}));
        Session.Pump();
    }
    // While a modal form other than the main window is up, runs AAct on it
    // once, as the user would; the call that shows it runs meanwhile.
    void WhenModalShows(std::function<void(TCustomForm*)> AAct) {
        ModalAct = std::move(AAct);
        Application->OnIdle = [this](TObject*, bool& Done) { ModalIdle(Done); };
    }
    void ModalIdle(bool& Done) {
        Done = false;
        Session.Skip(5);
        for (int i = 0; i < Screen->FormCount(); ++i) {
            TCustomForm* f = Screen->Forms(i);
            if (f != Form && f->Visible() && f->HandleAllocated()) {
                // Nothing of the idle handler is used after it goes.
                const auto act = std::move(ModalAct);
                Application->OnIdle = nullptr;
                Session.Pump();
                act(f);
                return;
            }
        }
    }
    // Clicks cell AIndex of the open category menu.
    void ClickCategory(int AIndex) {
        TlxSkinImagesMenuPopupWindow* grid = Form->lxSkinImagesMenu1->PopupWindow();
        ASSERT_NE(grid, nullptr) << "no category menu open";
        const TRect r = Form->lxSkinImagesMenu1->ImagesItems()->Items(AIndex)->ItemRect;
        Session.Click(grid->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}));
        Session.Pump();
    }
    // Types AText into AEdit of the dialog up and presses Enter.
    void TypeInto(TlxSkinEdit* AEdit, const std::string& AText) {
        ClickOn(AEdit);
        AEdit->SetText(""); // what the dialog proposes goes
        Session.Type(AText);
        Session.Key(VK_RETURN);
        Session.Pump();
    }
    // Adds AFile through the add button's menu and the open dialog's name box.
    void AddThroughTheMenu(const std::string& AFile) {
        ClickOn(Form->lxSkinMenuSpeedButton1);
        std::string caption;
        WhenModalShows([&](TCustomForm* box) {
            caption = box->Caption();
            auto* dialog = dynamic_cast<TlxOpenDlgForm*>(box);
            ASSERT_NE(dialog, nullptr);
            TypeInto(dialog->FileNameEdit, AFile);
        });
        ClickMenuRow(0); // "添加一个文件"
        EXPECT_EQ(caption, "打开文件");
    }
    // Chooses AFolder in the folder dialog that AOpen brings up; an empty
    // folder cancels it. Returns the dialog's caption.
    std::string ChooseFolder(const std::function<void()>& AOpen, const std::string& AFolder) {
        std::string caption;
        WhenModalShows([&](TCustomForm* box) {
            caption = box->Caption();
            auto* dialog = dynamic_cast<TlxSelDirDlgForm*>(box);
            ASSERT_NE(dialog, nullptr);
            if (AFolder.empty()) {
                ClickOn(dialog->CancelButton);
                return;
            }
            ASSERT_NE(dialog->DirEdit, nullptr);
            TypeInto(dialog->DirEdit, AFolder);
            ClickOn(dialog->OkButton);
        });
        AOpen();
        Session.Pump();
        return caption;
    }
    std::string StatusText() { return Form->lxSkinStatusPanel1->Caption(); }
    // The settings file's [Skin] SetSkin; AValue nullptr removes it.
    void StoreSkin(const char* AValue) {
        TMemIniFile ini(Folder.Path() + "option.ini");
        if (AValue)
            ini.WriteString("Skin", "SetSkin", AValue);
        else
            ini.DeleteKey("Skin", "SetSkin");
        ini.UpdateFile();
    }
    std::string StoredSkin() {
        return TMemIniFile(Folder.Path() + "option.ini").ReadString("Skin", "SetSkin", "(absent)");
    }
    // The window made anew over a settings file holding AStoredSkin;
    // ABeforeShow runs once it is made, before it first shows.
    void Recreate(const char* AStoredSkin, const std::function<void()>& ABeforeShow = {}) {
        Form->Free();
        StoreSkin(AStoredSkin);
        Form = TCustomForm::Create<TForm1>(nullptr);
        if (ABeforeShow) ABeforeShow();
        Form->Show();
        Session.Pump();
    }
    // Replaces the compressed bytes of the window's skin AIndex.
    void BreakSkin(int AIndex, const std::string& ABytes) {
        TMemoryStream& stream =
            Form->lxCompressedSkinList1->Skins()->GetItem(AIndex)->Skin()->CompressedStream();
        stream.Clear();
        stream.Write(ABytes.data(), static_cast<Int64>(ABytes.size()));
    }

    TTempFolder Folder;
    THeadlessSession Session;
    TShellOpener PreviousOpener;
    std::vector<std::string> Opened;
    bool OpenerFails = false;
    std::function<void(TCustomForm*)> ModalAct;
    TForm1* Form = nullptr;
};

} // namespace

TEST_F(TForm1Fixture, AFirstStartShowsAnEmptyListAndTheFirstIPodProfile) {
    EXPECT_EQ(Form->Caption(), "DuvavudeZaruvove");
    EXPECT_EQ(Form->ClientWidth(), 870);
    EXPECT_EQ(Form->ClientHeight(), 515);
    // The skinned frame shows the buttons: close and minimise only.
    ASSERT_NE(Form->lxLumivex1, nullptr);
    EXPECT_EQ(Form->lxLumivex1->BorderIcons(),
              (TlxBorderIcons{TlxBorderIcon::biSystemMenu, TlxBorderIcon::biMinimize}));
    EXPECT_EQ(Form->BorderStyle(), bsSingle);
    EXPECT_EQ(Form->lxSkinMenuSpeedButton2->Caption(), "iPod视频");
    EXPECT_EQ(Form->lxSkinOfficeComboBox1->ItemIndex(), 0);
    EXPECT_EQ(Form->lxSkinOfficeComboBox1->Items()->Count(),
              static_cast<int>(Form->Controller().ProfileItems().size()));
    // The six boxes hold the choices of key 700 as the controller has them.
    for (auto [box, control] : {std::pair{TParameterBox::Resolution, Form->lxSkinComboBox1},
                                std::pair{TParameterBox::VideoBitrate, Form->lxSkinComboBox2},
                                std::pair{TParameterBox::FrameRate, Form->lxSkinComboBox9},
                                std::pair{TParameterBox::AudioBitrate, Form->lxSkinComboBox3},
                                std::pair{TParameterBox::SampleRate, Form->lxSkinComboBox10},
                                std::pair{TParameterBox::Aspect, Form->lxSkinComboBox4}}) {
        const TParameterBoxModel& model = Form->Controller().Box(box);
        EXPECT_FALSE(model.Items().empty()) << control->Name();
        EXPECT_EQ(control->Items()->Count(), static_cast<int>(model.Items().size())) << control->Name();
        EXPECT_EQ(control->ItemIndex(), model.ItemIndex()) << control->Name();
    }
    for (TlxSkinButton* run :
         {Form->lxSkinButton2, Form->lxSkinButton10, Form->lxSkinButton11, Form->lxSkinButton12})
        EXPECT_FALSE(run->Enabled()) << run->Name();
    for (TMenuItem* item : {Form->N11, Form->N12, Form->N26, Form->N16, Form->N17, Form->N20, Form->N22})
        EXPECT_FALSE(item->Enabled()) << item->Caption();
    EXPECT_FALSE(Form->lxSkinButton12->Visible());
    EXPECT_FALSE(Form->lxSkinButton7->Enabled());
    EXPECT_TRUE(Form->lxSkinPanel5->Visible());
    EXPECT_EQ(Form->lxSkinPanel5->BoundsRect(), (TRect{4, 121, 579, 348}));
    ASSERT_NE(Form->imgPlaceholder->Picture()->Bitmap(), nullptr);
    EXPECT_EQ(Form->imgPlaceholder->Picture()->Width(), 575);
    EXPECT_EQ(Form->lvFiles->Columns()->Count(), 25);
    EXPECT_EQ(Form->Controller().OutputFolder, Folder.Path() + "out");
}

TEST_F(TForm1Fixture, TheCategoryButtonShowsTheChosenEntryOfTheImagesMenu) {
    TlxSkinImagesMenu* menu = Form->lxSkinImagesMenu1;
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Form->lxSkinMenuSpeedButton2->SkinImagesMenu(), menu);
    EXPECT_TRUE(Form->lxSkinMenuSpeedButton2->UseImagesMenuImage());
    EXPECT_TRUE(Form->lxSkinMenuSpeedButton2->UseImagesMenuCaption());
    EXPECT_EQ(menu->ColumnsCount(), 3);
    EXPECT_EQ(menu->SkinHint(), Form->lxSkinHint1);
    EXPECT_EQ(menu->ItemIndex(), 0);
    // The description's entries are the catalogue's, each showing its list's picture.
    ASSERT_EQ(menu->ImagesItems()->Count(), CategoryMenuCount);
    for (int i = 0; i < CategoryMenuCount; ++i) {
        const TlxImagesMenuItem* item = menu->ImagesItems()->Items(i);
        EXPECT_EQ(item->Caption(), CategoryMenu()[i].Caption) << i;
        EXPECT_EQ(item->ImageIndex(), CategoryMenu()[i].CategoryListId) << i;
        EXPECT_FALSE(item->Button() || item->Header()) << i;
    }
    ASSERT_EQ(menu->Images(), Form->lxPngImageList4);
    EXPECT_EQ(menu->Images()->Width(), 48);
    EXPECT_EQ(menu->Images()->Count(), 35);

    // The profile box's rows take pictures 0 and 1 of its 32-pixel list.
    TlxSkinOfficeComboBox* profiles = Form->lxSkinOfficeComboBox1;
    ASSERT_EQ(profiles->Images(), Form->lxPngImageList7);
    EXPECT_EQ(profiles->Images()->Width(), 32);
    EXPECT_GE(profiles->Images()->Count(), 2);
    for (int row = 0; row < profiles->Items()->Count(); ++row)
        EXPECT_EQ(profiles->Items()->Items(row)->ImageIndex(), row % 2) << row;

    // Choosing the entry already chosen changes nothing; the grid closes.
    ClickOn(Form->lxSkinMenuSpeedButton2);
    ASSERT_NE(menu->PopupWindow(), nullptr);
    ClickCategory(0);
    EXPECT_EQ(menu->PopupWindow(), nullptr);
    EXPECT_EQ(Form->Controller().CategoryIndex(), 0);
    // "MP5视频": its last two rows both start again at picture 0.
    ClickOn(Form->lxSkinMenuSpeedButton2);
    ClickCategory(19);
    EXPECT_EQ(Form->lxSkinMenuSpeedButton2->Caption(), "MP5视频");
    ASSERT_EQ(profiles->Items()->Count(), 9);
    EXPECT_EQ(profiles->Items()->Items(6)->ImageIndex(), 0);
    EXPECT_EQ(profiles->Items()->Items(7)->ImageIndex(), 0);
    EXPECT_EQ(profiles->Items()->Items(8)->ImageIndex(), 1);
}

TEST_F(TForm1Fixture, HintsOfTheWindowAreSkinned) {
    // The skinned hint serves the program's main window, as the program makes it.
    Form->Free();
    Application->CreateForm(Form);
    ASSERT_EQ(Application->MainForm(), Form);
    Form->Show();
    Session.Pump();
    ASSERT_NE(Form->lxSkinHint1, nullptr);
    EXPECT_TRUE(Form->lxSkinHint1->Active());
    TControl* play = dynamic_cast<TControl*>(Form->FindComponent("lxSkinLinkImage1"));
    ASSERT_NE(play, nullptr);
    Session.MouseMove(Centre(play));
    Session.Pump();
    Session.Advance(Application->HintPause() + 10);
    auto* window = dynamic_cast<TlxSkinHintWindow*>(Application->HintWindow());
    ASSERT_NE(window, nullptr) << "the application's hint window is the skinned one";
    EXPECT_TRUE(window->Visible());
}

TEST_F(TForm1Fixture, AFileAddedThroughTheMenuIsConvertedByTheStartButton) {
    AddThroughTheMenu(FixturePath("clip.mkv"));
    ASSERT_EQ(Form->lvFiles->Items()->Count(), 1) << StatusText();
    EXPECT_FALSE(Form->lxSkinPanel5->Visible());
    EXPECT_TRUE(Form->lxSkinButton2->Enabled());
    EXPECT_TRUE(Form->N16->Enabled());

    ClickOn(Form->lxSkinButton2);
    // The end message stays until the mouse moves over a control again.
    Session.MouseMove({Form->Left() + Form->Width() + 40, Form->Top()});
    // The window shows the end once the report has reached it on the GUI thread.
    ASSERT_TRUE(Session.RunUntil([&] { return StatusText().rfind("所有视频转换完成！", 0) == 0; }, 120000))
        << StatusText() << " / " << Form->Controller().StatusText();
    EXPECT_EQ(Form->Controller().State(), TRunState::Finished);
    EXPECT_EQ(Form->lvFiles->Items()->Item(0)->SubItems()->Strings(fcProgress - 1), "100%");
    const std::string output = Form->lvFiles->Items()->Item(0)->SubItems()->Strings(fcOutputFile - 1);
    EXPECT_TRUE(std::filesystem::exists(Folder.Path() + "out/" + output)) << output;
    // "打开输出文件夹" is the first choice after a run.
    ASSERT_EQ(Opened.size(), 1u);
    EXPECT_EQ(std::filesystem::path(Opened[0]).filename(), "out");
}

// Adding a file, removing a row that leaves others and moving a row give
// the list the focus, so its selected row shows; the row of the file just
// added is the selected one.
TEST_F(TForm1Fixture, AddingRemovingAndMovingSelectARowAndFocusTheList) {
    AddThroughTheMenu(FixturePath("clip.mkv"));
    AddThroughTheMenu(FixturePath("clip_1s.mkv"));
    ASSERT_EQ(Form->lvFiles->Items()->Count(), 2) << StatusText();
    EXPECT_EQ(Form->lvFiles->ItemIndex(), 1);
    EXPECT_TRUE(Form->lvFiles->Focused());
    for (TControl* command : {static_cast<TControl*>(Form->lxSkinSpeedButton4),    // 上移
                              static_cast<TControl*>(Form->lxSkinSpeedButton1)}) { // 删除
        Form->lxSkinOfficeComboBox1->SetFocus();
        Session.Pump();
        ClickOn(command);
        EXPECT_TRUE(Form->lvFiles->Focused()) << command->Name();
        EXPECT_EQ(Form->lvFiles->ItemIndex(), 0) << command->Name();
    }
    EXPECT_EQ(Form->lvFiles->Items()->Count(), 1);
}

TEST_F(TForm1Fixture, ACategoryAndAProfileChangeTheBoxesAndTheSelectedRowsOutputName) {
    AddThroughTheMenu(FixturePath("clip.mkv"));
    ASSERT_EQ(Form->lvFiles->Items()->Count(), 1) << StatusText();
    const auto outputName = [&] {
        return Form->lvFiles->Items()->Item(0)->SubItems()->Strings(fcOutputFile - 1);
    };
    EXPECT_EQ(std::filesystem::path(outputName()).extension(), ".mp4");

    // "AVI视频" from the category button's menu.
    ClickOn(Form->lxSkinMenuSpeedButton2);
    ClickCategory(5);
    EXPECT_EQ(Form->lxSkinImagesMenu1->PopupWindow(), nullptr);
    EXPECT_EQ(Form->lxSkinMenuSpeedButton2->Caption(), "AVI视频");
    EXPECT_EQ(Form->lxSkinImagesMenu1->SelectedItem()->Caption(), "AVI视频");
    EXPECT_EQ(Form->Controller().CategoryIndex(), 5);
    EXPECT_EQ(Form->lxSkinOfficeComboBox1->Items()->Items(0)->Caption(),
              Form->Controller().ProfileItems()[0]);
    EXPECT_EQ(std::filesystem::path(outputName()).extension(), ".avi");

    // Another profile in the profile box: the boxes follow the controller.
    Form->lxSkinOfficeComboBox1->SetFocus();
    Session.Key(VK_DOWN);
    Session.Pump();
    EXPECT_EQ(Form->Controller().ProfileIndex(), 1);
    EXPECT_EQ(Form->lvFiles->Items()->Item(0)->SubItems()->Strings(fcProfileCode - 1), "601");
    EXPECT_EQ(Form->lxSkinComboBox1->Items()->Count(),
              static_cast<int>(Form->Controller().Box(TParameterBox::Resolution).Items().size()));

    // A parameter box the user changes reaches the row.
    const int count = Form->lxSkinComboBox3->Items()->Count();
    ASSERT_GT(count, 1);
    Form->lxSkinComboBox3->SetItemIndex(count - 1);
    Session.Pump();
    EXPECT_EQ(Form->Controller().Box(TParameterBox::AudioBitrate).ItemIndex(), count - 1);
}

TEST_F(TForm1Fixture, MovingTheMouseOverACommandShowsItsHintAndElsewhereClearsIt) {
    // A disabled command hears no mouse: with a row the list commands are on.
    AddThroughTheMenu(FixturePath("clip.mkv"));
    ASSERT_EQ(Form->lvFiles->Items()->Count(), 1) << StatusText();
    const std::pair<TControl*, const char*> cases[] = {
        {Form->lxSkinMenuSpeedButton1, "添加需要转换的视频和音频"},
        {Form->lxSkinButton7, "删除选中的转换列表"},
        {Form->lxSkinSpeedButton2, "清空转换列表"},
        {Form->lxSkinButton9, "软件皮肤设置"},
        {Form->lxSkinButton24, "访问软件网站"},
        {Form->lxSkinSpeedButton5, "输出的视频重命名"},
        {Form->lxSkinMenuSpeedButton2, "选择输出视频类别"},
        {Form->lxSkinButton2, "开始转换视频和音频"},
    };
    for (auto [control, hint] : cases) {
        Session.MouseMove(Centre(control));
        Session.Pump();
        EXPECT_EQ(StatusText(), hint) << control->Name();
    }
    Session.MouseMove(Centre(Form->lvFiles));
    Session.Pump();
    EXPECT_EQ(StatusText(), "");
}

TEST_F(TForm1Fixture, RemovingOrRenamingWithNothingSelectedIsAnsweredByAMessage) {
    AddThroughTheMenu(FixturePath("clip.mkv"));
    ASSERT_EQ(Form->lvFiles->Items()->Count(), 1) << StatusText();
    Form->Controller().lvFilesSelectItem(-1);
    Form->ShowState();
    for (TControl* command :
         {static_cast<TControl*>(Form->lxSkinButton7), static_cast<TControl*>(Form->lxSkinSpeedButton5)}) {
        std::string caption, text;
        WhenModalShows([&](TCustomForm* box) {
            caption = box->Caption();
            Session.Key(VK_RETURN);
        });
        ClickOn(command);
        EXPECT_EQ(caption, "提示") << command->Name();
        EXPECT_EQ(Form->lvFiles->Items()->Count(), 1);
    }
}

// The window's skin carries the program's string table, and the boxes it
// shows take their button texts from there.
TEST_F(TForm1Fixture, TheWindowsMessagesTakeTheirButtonTextsFromTheProgramsTable) {
    ASSERT_TRUE(Form->ApplySkin(0));
    ASSERT_NE(Form->lxResourceStrData1, nullptr);
    EXPECT_EQ(Form->lxSkinData1->ResourceStrData(), Form->lxResourceStrData1);
    TStrings& lines = Form->lxResourceStrData1->ResStrings();
    lines.Insert(0, "MSG_BTN_OK=确定");
    AddThroughTheMenu(FixturePath("clip.mkv"));
    ASSERT_EQ(Form->lvFiles->Items()->Count(), 1) << StatusText();
    Form->Controller().lvFilesSelectItem(-1);
    Form->ShowState();
    std::string ok;
    WhenModalShows([&](TCustomForm* box) {
        if (auto* button = dynamic_cast<TControl*>(box->FindComponent("OK"))) ok = button->Caption();
        Session.Key(VK_RETURN);
    });
    ClickOn(Form->lxSkinButton7);
    EXPECT_EQ(ok, "确定");
}

TEST_F(TForm1Fixture, F1AndTheHelpCommandOpenTheHelpFileBesideTheProgram) {
    const std::string help = GetExePath() + "help.html";
    ASSERT_TRUE(std::filesystem::exists(help)) << "the build ships the help file beside the programs";
    Session.Key(VK_F1);
    Session.Pump();
    ASSERT_EQ(Opened.size(), 1u);
    EXPECT_EQ(Opened[0], help);
    // The current folder elsewhere changes nothing: the file beside the program.
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(Folder.Path());
    Form->N15->Click();
    std::filesystem::current_path(previous);
    ASSERT_EQ(Opened.size(), 2u);
    EXPECT_EQ(Opened[1], help);
    ClickOn(Form->lxSkinButton24);
    ASSERT_EQ(Opened.size(), 3u);
    EXPECT_NE(Opened[2].find(".example.com"), std::string::npos);

    // Nothing can show the help: the user is told so plainly.
    OpenerFails = true;
    std::string caption, text;
    WhenModalShows([&](TCustomForm* box) {
        caption = box->Caption();
        if (auto* message = dynamic_cast<TlxMessageForm*>(box)) text = message->Message->Caption();
        Session.Key(VK_RETURN);
    });
    Session.Key(VK_F1);
    Session.Pump();
    EXPECT_EQ(caption, "提示");
    EXPECT_EQ(text, "没有安装帮助文件。");
}

TEST_F(TForm1Fixture, TheFolderDialogsChooseTheOutputFolderAndAFolderToAdd) {
    const std::string other = Folder.Path() + "other";
    std::filesystem::create_directories(other);
    // "浏览" on the page "输出目录": the chosen folder becomes the output folder and is kept.
    const TRect tab = Form->lxSkinPageControl1->TabRect(3);
    Session.Click(
        Form->lxSkinPageControl1->ClientToScreen({(tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2}));
    Session.Pump();
    ASSERT_TRUE(Form->lxSkinButton5->Visible() && Form->lxSkinButton5->Parent()->Visible());
    EXPECT_EQ(ChooseFolder([&] { ClickOn(Form->lxSkinButton5); }, other), "选择输出目录");
    EXPECT_EQ(Form->Controller().OutputFolder, other);
    EXPECT_EQ(Form->Video_OutPut_Folder_Edit->Text(), other);
    EXPECT_EQ(TSettings(Folder.Path() + "option.ini").ReadOutputFolder(), other);
    // Cancelled, it changes nothing.
    ChooseFolder([&] { ClickOn(Form->lxSkinButton5); }, "");
    EXPECT_EQ(Form->Controller().OutputFolder, other);

    // "添加整个目录" adds the folder's media files.
    const std::string media = Folder.Path() + "media";
    std::filesystem::create_directories(media);
    std::filesystem::copy_file(FixturePath("clip.mkv"), media + "/clip.mkv");
    ClickOn(Form->lxSkinMenuSpeedButton1);
    EXPECT_EQ(ChooseFolder([&] { ClickMenuRow(2); }, media), "选择目录");
    ASSERT_EQ(Form->lvFiles->Items()->Count(), 1) << StatusText();
    EXPECT_EQ(Form->lvFiles->Items()->Item(0)->Caption(), media + "/clip.mkv");
}

TEST_F(TForm1Fixture, TheSimultaneousConversionsBoxIsTheOptionsSetting) {
    Form->lxSkinComboBox7->SetItemIndex(3);
    EXPECT_EQ(Form->Settings().Options().ThreadCount, 4);
    EXPECT_EQ(Form->Controller().ThreadCount, 4);
    // The options form writes the same setting: the box follows.
    Form->Settings().SetThreadCount(7);
    EXPECT_EQ(Form->lxSkinComboBox7->ItemIndex(), 6);
    EXPECT_EQ(TSettings(Folder.Path() + "option.ini").ReadOptions().ThreadCount, 7);
}

TEST_F(TForm1Fixture, TheWindowAfterStartUpInTheFirstSkin) {
    EXPECT_TRUE(MatchesGolden(Session.WindowShot(Form->Handle()), "app/TForm1/startup"));
}

TEST_F(TForm1Fixture, ClosingDuringARunStopsItAndNoReportReachesTheWindowAfterwards) {
    AddThroughTheMenu(FixturePath("long_20s.mkv"));
    ASSERT_EQ(Form->lvFiles->Items()->Count(), 1) << StatusText();
    ClickOn(Form->lxSkinButton2);
    ASSERT_EQ(Form->Controller().State(), TRunState::Converting);
    ASSERT_TRUE(Session.RunUntil(
        [&] { return Form->lvFiles->Items()->Item(0)->SubItems()->Strings(fcProgress - 1) != "0%"; }, 60000));

    // "退出" from the file menu.
    ClickMenuBarItem(0);
    TlxSkinPopupWindow* window = Form->lxLumivex1->SkinMenu->LastWindow();
    ASSERT_NE(window, nullptr);
    ClickMenuRow(window->ItemCount() - 1);
    EXPECT_FALSE(Form->Visible());
    const std::string progress = Form->lvFiles->Items()->Item(0)->SubItems()->Strings(fcProgress - 1);
    EXPECT_NE(progress, "100%");
    // Whatever the converter's threads still had queued finds no handler.
    const std::string status = StatusText();
    Session.Advance(500);
    Session.Pump();
    EXPECT_EQ(Form->lvFiles->Items()->Item(0)->SubItems()->Strings(fcProgress - 1), progress);
    EXPECT_EQ(StatusText(), status);
    EXPECT_TRUE(Opened.empty()) << "no after-run action once the window closed";
}

TEST_F(TForm1Fixture, TheSkinCommandKeepsTheIndexWhetherChosenOrCancelled) {
    Recreate("3");
    // Cancelled: the skin stays and its index is written all the same.
    StoreSkin("5");
    WhenModalShows([&](TCustomForm*) { Session.Key(VK_ESCAPE); });
    ClickOn(Form->lxSkinButton9);
    EXPECT_EQ(Form->lxSkinData1->SkinIndex(), 3);
    EXPECT_EQ(StoredSkin(), "3");

    // Another skin chosen: the frame and the controls follow it, and it is kept.
    WhenModalShows([&](TCustomForm*) {
        Session.Key(VK_DOWN);
        Session.Key(VK_RETURN);
    });
    ClickOn(Form->lxSkinButton9);
    EXPECT_FALSE(Form->lxSkinData1->Empty);
    EXPECT_EQ(Form->lxSkinData1->SkinIndex(), 4);
    EXPECT_EQ(Form->lxSkinButton2->SkinData(), Form->lxSkinData1);
    EXPECT_EQ(Form->lxLumivex1->SkinData(), Form->lxSkinData1);
    EXPECT_EQ(StoredSkin(), "4");
}

// The stored skin is on the window before it first shows; a value naming no
// skin keeps the built-in look, says so, and changes nothing else.
TEST_F(TForm1Fixture, TheStoredSkinIsTakenAtStartAndOneNamingNoSkinKeepsTheBuiltInLook) {
    struct Case {
        const char* stored;
        int skin; // -1: the built-in look
        const char* status;
        const char* storedAfter;
    };
    const Case cases[] = {
        {"7", 7, "", "7"},
        {"10", 10, "", "10"},
        {nullptr, 0, "", "0"}, // no value: the first skin, written back
        {"Error", 0, "", "0"},
        {"99", -1, "没有序号为 99 的皮肤，仍使用当前皮肤", "99"},
        {"11", -1, "没有序号为 11 的皮肤，仍使用当前皮肤", "11"},
        {"abc", -1, "皮肤设置无效，仍使用当前皮肤", "abc"},
        {"-1", -1, "皮肤设置无效，仍使用当前皮肤", "-1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "(none)");
        Recreate(c.stored, [&] {
            if (c.skin < 0) {
                EXPECT_TRUE(!Form->lxSkinData1 || Form->lxSkinData1->Empty);
                EXPECT_EQ(Form->lxLumivex1->SkinData(), nullptr);
                EXPECT_EQ(Form->lxSkinButton2->SkinData(), nullptr);
            } else {
                ASSERT_NE(Form->lxSkinData1, nullptr);
                EXPECT_FALSE(Form->lxSkinData1->Empty);
                EXPECT_EQ(Form->lxSkinData1->SkinIndex(), c.skin);
                EXPECT_EQ(Form->lxLumivex1->SkinData(), Form->lxSkinData1);
                EXPECT_EQ(Form->lxSkinButton2->SkinData(), Form->lxSkinData1);
            }
        });
        EXPECT_EQ(StatusText(), c.status);
        EXPECT_EQ(StoredSkin(), c.storedAfter);
        // The rest of the start-up ran as ever.
        EXPECT_EQ(TSettings(Folder.Path() + "option.ini").ReadOutputFolder(), Folder.Path() + "out");
        EXPECT_EQ(Form->lxSkinImagesMenu1->ItemIndex(), 0);
        EXPECT_GT(Form->lxSkinOfficeComboBox1->Items()->Count(), 0);
        EXPECT_EQ(Form->lxSkinOfficeComboBox1->ItemIndex(), 0);
    }
}

TEST_F(TForm1Fixture, ASkinThatFailsToLoadKeepsTheCurrentSkinAndSaysSo) {
    Recreate("2");
    BreakSkin(4, "not a skin");
    BreakSkin(5, "");
    for (int broken : {4, 5}) {
        SCOPED_TRACE(broken);
        EXPECT_FALSE(Form->ApplySkin(broken));
        EXPECT_FALSE(Form->lxSkinData1->Empty);
        EXPECT_EQ(Form->lxSkinData1->SkinIndex(), 2);
        EXPECT_EQ(Form->lxSkinButton2->SkinData(), Form->lxSkinData1);
        EXPECT_EQ(StatusText().rfind("皮肤载入失败", 0), 0u) << StatusText();
        EXPECT_NE(StatusText().find("仍使用当前皮肤"), std::string::npos) << StatusText();
    }
    // The skin dialog's Cancel then keeps the skin that is shown.
    WhenModalShows([&](TCustomForm*) { Session.Key(VK_ESCAPE); });
    ClickOn(Form->lxSkinButton9);
    EXPECT_EQ(StoredSkin(), "2");

    // From the built-in look: a broken first skin leaves it, and the next works.
    Recreate("99");
    BreakSkin(4, "not a skin");
    EXPECT_FALSE(Form->ApplySkin(4));
    EXPECT_TRUE(Form->lxSkinData1->Empty);
    EXPECT_EQ(Form->lxLumivex1->SkinData(), nullptr);
    EXPECT_TRUE(Form->ApplySkin(6));
    EXPECT_EQ(Form->lxSkinData1->SkinIndex(), 6);
    EXPECT_EQ(Form->lxLumivex1->SkinData(), Form->lxSkinData1);
}

TEST_F(TForm1Fixture, TheMenuBarShowsTheVisibleMenusAndOpensThemInTheWindowsSkin) {
    TlxSkinMainMenuBar* bar = Form->lxSkinMainMenuBar1;
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(Form->Menu(), nullptr) << "the bar holds the main menu, not the form";
    std::vector<std::string> captions;
    for (int i = 0; i < bar->ItemCount(); ++i)
        captions.push_back(bar->Items(i)->MenuItem->Caption());
    EXPECT_EQ(captions, (std::vector<std::string>{"文件", "编辑", "动作", "帮助"}));
    // Across the top, as high as the skin's bar.
    ASSERT_FALSE(Form->lxSkinData1->Empty);
    EXPECT_EQ(bar->SkinData(), Form->lxSkinData1);
    ASSERT_TRUE(bar->SkinSupport());
    EXPECT_EQ(bar->BoundsRect().Left, 0);
    EXPECT_EQ(bar->BoundsRect().Top, 0);
    EXPECT_EQ(bar->Width(), 870);
    EXPECT_FALSE(bar->Scroll());
    EXPECT_EQ(Form->ClientWidth(), 870);
    EXPECT_EQ(Form->ClientHeight(), 515);
    // The help menu is drawn from the skin.
    ClickMenuBarItem(3);
    ASSERT_TRUE(Form->lxLumivex1->SkinMenu->Visible());
    TlxSkinPopupWindow* window = Form->lxLumivex1->SkinMenu->Windows(0);
    EXPECT_NE(window->PW, nullptr) << "the skin's popup window";
    EXPECT_EQ(window->Items(0)->MenuItem, Form->N15);
    Session.Key(VK_ESCAPE);
    Session.Pump();
    EXPECT_FALSE(Form->lxLumivex1->SkinMenu->Visible());
}

// The share of pixels in which two shots of the window differ, 0 to 1.
double ShareDiffering(const TBitmap& A, const TBitmap& B) {
    if (A.Width() != B.Width() || A.Height() != B.Height()) return 1;
    long differing = 0;
    for (int y = 0; y < A.Height(); ++y)
        for (int x = 0; x < A.Width(); ++x)
            if ((A.ScanLine(y)[x] & 0xFFFFFF) != (B.ScanLine(y)[x] & 0xFFFFFF)) ++differing;
    return double(differing) / (double(A.Width()) * A.Height());
}

TEST_F(TForm1Fixture, TheWindowLooksDifferentUnderEachSkinAndTheBuiltInLook) {
    Recreate("99");
    Form->lxSkinStatusPanel1->SetCaption(""); // the note that skin 99 is missing
    Session.Pump();
    std::vector<std::pair<std::string, TBitmap>> shots;
    shots.emplace_back("built-in", Session.WindowShot(Form->Handle()));
    for (int skin : {0, 3, 10}) {
        ASSERT_TRUE(Form->ApplySkin(skin)) << StatusText();
        Session.Pump();
        shots.emplace_back("skin " + std::to_string(skin), Session.WindowShot(Form->Handle()));
    }
    // Not a few pixels: the frame, the panels and the buttons all change.
    for (std::size_t i = 0; i < shots.size(); ++i)
        for (std::size_t j = i + 1; j < shots.size(); ++j)
            EXPECT_GT(ShareDiffering(shots[i].second, shots[j].second), 0.2)
                << shots[i].first << " / " << shots[j].first;
}

// No control of the window falls back to its built-in look under any skin:
// each finds the description its SkinDataName names.
TEST_F(TForm1Fixture, EverySkinnedControlOfTheWindowFindsItsDescriptionInEverySkin) {
    ASSERT_EQ(Form->lxCompressedSkinList1->Skins()->Count(), 11);
    for (int skin = 0; skin < 11; ++skin) {
        SCOPED_TRACE(skin);
        ASSERT_TRUE(Form->ApplySkin(skin)) << StatusText();
        EXPECT_EQ(Form->lxLumivex1->SkinData(), Form->lxSkinData1);
        // The player's screen is the one exception: the player paints it, on black.
        EXPECT_EQ(ControlsPaintingBuiltIn(Form, Form->lxSkinData1),
                  std::vector<std::string>{"Panel6 (TlxSkinPanel): no description \"\""});
    }
}

// A skin change leaves the work alone: rows, selection and boxes stay, and
// the conversion running meanwhile completes.
TEST_F(TForm1Fixture, SwitchingSkinsDuringARunChangesNoRowAndTheRunCompletes) {
    AddThroughTheMenu(FixturePath("long_20s.mkv"));
    AddThroughTheMenu(FixturePath("clip.mkv"));
    ASSERT_EQ(Form->lvFiles->Items()->Count(), 2) << StatusText();
    ClickOn(Form->lxSkinButton2);
    ASSERT_EQ(Form->Controller().State(), TRunState::Converting);
    ASSERT_TRUE(Session.RunUntil(
        [&] { return Form->lvFiles->Items()->Item(0)->SubItems()->Strings(fcProgress - 1) != "0%"; }, 60000));

    // Everything but the progress and time columns, the selection and the boxes.
    const auto work = [&] {
        std::vector<std::string> cells;
        for (int row = 0; row < Form->lvFiles->Items()->Count(); ++row) {
            TListItem* item = Form->lvFiles->Items()->Item(row);
            cells.push_back(item->Caption());
            for (int c = 0; c < item->SubItems()->Count(); ++c)
                if (c + 1 < fcProgress || c + 1 > fcCurrentSize)
                    cells.push_back(item->SubItems()->Strings(c));
        }
        cells.push_back("selected " + std::to_string(Form->lvFiles->ItemIndex()));
        for (TlxSkinComboBox* box : {Form->lxSkinComboBox1, Form->lxSkinComboBox2, Form->lxSkinComboBox3,
                                     Form->lxSkinComboBox4, Form->lxSkinComboBox9, Form->lxSkinComboBox10,
                                     Form->lxSkinComboBox5, Form->lxSkinComboBox6, Form->lxSkinComboBox8})
            cells.push_back(box->Name() + " " + std::to_string(box->ItemIndex()));
        cells.push_back("profile " + std::to_string(Form->lxSkinOfficeComboBox1->ItemIndex()));
        cells.push_back("category " + std::to_string(Form->lxSkinImagesMenu1->ItemIndex()));
        return cells;
    };
    const std::vector<std::string> before = work();
    const std::string progressBefore = Form->lvFiles->Items()->Item(0)->SubItems()->Strings(fcProgress - 1);
    for (int skin : {3, 10, 5, 0}) {
        SCOPED_TRACE(skin);
        ASSERT_TRUE(Form->ApplySkin(skin)) << StatusText();
        Session.Pump();
        EXPECT_EQ(work(), before);
        EXPECT_EQ(Form->Controller().State(), TRunState::Converting);
        EXPECT_TRUE(Form->lxSkinButton10->Enabled()) << "stop";
        EXPECT_FALSE(Form->lxSkinButton2->Enabled()) << "start";
    }
    ASSERT_EQ(Form->Controller().State(), TRunState::Converting) << "the switches took the whole run";

    ASSERT_TRUE(Session.RunUntil([&] { return Form->Controller().State() == TRunState::Finished; }, 180000))
        << StatusText();
    EXPECT_NE(progressBefore, "100%");
    for (int row = 0; row < 2; ++row) {
        TListItem* item = Form->lvFiles->Items()->Item(row);
        EXPECT_EQ(item->SubItems()->Strings(fcProgress - 1), "100%");
        const std::string output = item->SubItems()->Strings(fcOutputFile - 1);
        EXPECT_TRUE(std::filesystem::exists(Folder.Path() + "out/" + output)) << output;
    }
    EXPECT_EQ(Opened.size(), 1u) << "the after-run action, once";
}

TEST_F(TForm1Fixture, RenamingEditsTheOutputNameInPlace) {
    AddThroughTheMenu(FixturePath("clip.mkv"));
    ASSERT_EQ(Form->lvFiles->Items()->Count(), 1) << StatusText();
    ClickOn(Form->lxSkinSpeedButton5);
    ASSERT_TRUE(Form->edt->Visible());
    EXPECT_EQ(Form->edt->Text(), "clip");
    EXPECT_EQ(Form->edt->Left(), 80 + 70 + 70 + 2);
    // Leaving the box applies it; an empty name keeps it open.
    Form->edt->SetText("");
    Form->lvFiles->SetFocus();
    Session.Pump();
    EXPECT_TRUE(Form->edt->Visible());
    Form->edt->SetFocus();
    Form->edt->SetText("renamed");
    Form->lvFiles->SetFocus();
    Session.Pump();
    EXPECT_FALSE(Form->edt->Visible());
    EXPECT_EQ(Form->lvFiles->Items()->Item(0)->SubItems()->Strings(fcOutputFile - 1), "renamed.mp4");
}
