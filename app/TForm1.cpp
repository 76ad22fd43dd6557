#include "app/TForm1.h"

#include "app/MainFormSkinning.h"
#include "app/StatusHints.h"
#include "app/TForm1Preview.h"
#include "app/TSkinConversionDialogs.h"
#include "app/catalogue/CategoryMenu.h"
#include "app/catalogue/ProfileCaptionTable.h"
#include "app/conversion/FileRowColumns.h"
#include "app/settings/ProgramSettings.h"
#include "media/TFFmpegLoader.h"
#include "platform/sys/MainThread.h"
#include "platform/sys/ProgramFolder.h"
#include "platform/sys/Shell.h"
#include "platform/vcl/TClassRegistry.h"
#include "platform/vcl/TImage.h"
#include "platform/vcl/TImageList.h"
#include "platform/vcl/TListColumn.h"
#include "platform/vcl/TListItem.h"
#include "platform/vcl/TMenu.h"
#include "platform/win/WinConst.h"
#include "resources/pictures/EmbeddedPictures.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCheckRadioBox.h"
#include "skin/controls/TlxSkinCustomComboBox.h"
#include "skin/controls/TlxSkinCustomEdit.h"
#include "skin/controls/TlxSkinCustomListView.h"
#include "skin/controls/TlxSkinCustomOfficeComboBox.h"
#include "skin/controls/TlxSkinHint.h"
#include "skin/controls/TlxSkinImagesMenu.h"
#include "skin/controls/TlxSkinMenuSpeedButton.h"
#include "skin/controls/TlxSkinOfficeItem.h"
#include "skin/controls/TlxSkinOfficeItems.h"
#include "skin/controls/TlxSkinPageControl.h"
#include "skin/controls/TlxSkinPanel.h"
#include "skin/controls/TlxSkinPopupMenu.h"
#include "skin/controls/TlxSkinSpeedButton.h"
#include "skin/controls/TlxSkinStatusPanel.h"
#include "skin/dialogs/open/TlxSkinOpenDialog.h"
#include "skin/dialogs/seldir/TlxSkinSelectDirectoryDialog.h"
#include "skin/engine/SkinData.h"
#include "skin/windows/TlxSkinMainMenu.h"
#include "skin/windows/TlxSkinMainMenuBar.h"

#include <algorithm>
#include <filesystem>

namespace {

// Holds a counter up while the window writes its controls.
class TShowingGuard {
public:
    explicit TShowingGuard(int& ACount) : FCount(ACount) { ++FCount; }
    ~TShowingGuard() { --FCount; }
    TShowingGuard(const TShowingGuard&) = delete;
    TShowingGuard& operator=(const TShowingGuard&) = delete;

private:
    int& FCount;
};

bool SameItems(TStrings* AItems, const std::vector<std::string>& AWanted) {
    if (AItems->Count() != static_cast<int>(AWanted.size())) return false;
    for (int i = 0; i < AItems->Count(); ++i)
        if (AItems->Strings(i) != AWanted[i]) return false;
    return true;
}

void Enable(TControl* AControl, bool AEnabled) {
    if (AControl) AControl->SetEnabled(AEnabled);
}

void Enable(TMenuItem* AItem, bool AEnabled) {
    if (AItem) AItem->SetEnabled(AEnabled);
}

constexpr const char* WebSiteAddress = "https://duvavudezaruvove.example.com/";
constexpr const char* HelpFileName = "help.html";
// The category pictures by category list id, and the profile box's pictures.
constexpr int CategoryPictureCount = 35;
constexpr int ProfilePictureCount = 9;

} // namespace

TForm1::TForm1(TComponent* AOwner) : TForm(AOwner), FDialogs(std::make_unique<TSkinConversionDialogs>(this)) {
    // One settings object with the options form, so each hears the other's changes.
    try {
        FSettings = &ProgramSettings();
    } catch (const Exception&) {
        FOwnSettings = SettingsFileName.empty() ? std::make_unique<TSettings>()
                                                : std::make_unique<TSettings>(SettingsFileName);
        FSettings = FOwnSettings.get();
    }
    FController = std::make_unique<TConversionController>(FConverter, FProber, *FDialogs, FDesktop);
    CreatePreview();
}

TForm1::~TForm1() {
    *FAlive = false;
    FSettings->RemoveOptionsListener(FOptionsListener);
    FPreview->Close();
    // The converter must not report into a window that is going.
    FConverter.SetOnProgress(nullptr);
    FConverter.SetOnTerminate(nullptr);
    FConverter.Stop(true);
}

void TForm1::FormCreate(TObject*) {
    lxLumivex1 = AddMainFormSkinning(this);
    HandleNeeded(); // the client size is measured inside the frame
    SetClientWidth(870);
    SetClientHeight(515);
    if (lvFiles) {
        for (const TFileRowColumnInfo& c : FileRowColumns()) {
            TListColumn* column = lvFiles->Columns()->Add();
            column->SetCaption(c.Caption);
            column->SetWidth(c.Width);
        }
        lvFiles->OnSelectItem = [this](TObject*, TListItem* AItem, bool ASelected) {
            if (FShowing) return;
            if (ASelected)
                FController->lvFilesSelectItem(AItem->Index());
            else if (lvFiles->ItemIndex() < 0)
                FController->lvFilesSelectItem(-1);
            else
                return;
            ShowState();
        };
    }
    if (imgPlaceholder) {
        auto picture = std::make_unique<TBitmap>();
        if (LoadEmbeddedPicture("list-placeholder", *picture))
            imgPlaceholder->Picture()->SetGraphic(std::move(picture));
    }
    if (lxPngImageList4) LoadEmbeddedPictureList("category-", CategoryPictureCount, *lxPngImageList4);
    // Entry 1, then 0, written directly: no change event while the window is made.
    if (lxSkinImagesMenu1) {
        lxSkinImagesMenu1->SetItemIndex(1);
        lxSkinImagesMenu1->SetItemIndex(0);
    }
    // The form's skinning is made in code: the bar is joined to it here.
    AttachMainMenuBar(lxLumivex1, lxSkinMainMenuBar1);
    if (lvFiles) {
        lvFiles->OnDblClick = [this](TObject* Sender) { lvFilesDblClick(Sender); };
        edt = new TlxSkinEdit(this);
        edt->SetParent(lvFiles);
        edt->SetVisible(false);
        edt->OnExit = [this](TObject* Sender) { edtExit(Sender); };
        // Enter applies the name, as leaving the box does.
        edt->OnKeyDown = [this](TObject*, uint16_t& Key, TShiftState) {
            if (Key == VK_RETURN && lvFiles->CanFocus()) lvFiles->SetFocus();
        };
    }
    FDialogs->Attach(OpenDialog1, OpenDialog2, lxSkinSelectDirectoryDialog1, lxSkinSelectDirectoryDialog2);
    FDialogs->SkinData = [this]() -> TlxSkinData* {
        return lxSkinData1 && !lxSkinData1->Empty ? lxSkinData1 : nullptr;
    };
    FController->LibraryFolder = FFLoader.LibraryPath();
    FController->AttachSettings(*FSettings);
    FOptionsListener =
        FSettings->AddOptionsListener([this](const TConversionOptions&) { ShowSettingsBoxes(); });
    FController->Initialize();
    Button3Click(nullptr); // the stored skin, before the window first shows
    // The boxes of "转换设置" as the description selects them.
    lxSkinComboBox5Change(nullptr);
    lxSkinComboBox6Change(nullptr);
    lxSkinComboBox8Change(nullptr);
    FPreview->Attach();
    ShowState();
}

void TForm1::FormShow(TObject*) {
    // The skinned frame is worked out when the window first shows.
    if (ClientWidth() != 870) SetClientWidth(870);
    if (ClientHeight() != 515) SetClientHeight(515);
}

void TForm1::FormCloseQuery(TObject*, bool& CanClose) {
    CanClose = true;
    if (FClosing) return;
    FClosing = true;
    FPreview->Close();
    // Detach first, so that no report reaches a handler once the window closes.
    FConverter.SetOnProgress(nullptr);
    FConverter.SetOnTerminate(nullptr);
    FConverter.Stop(true);
}

void TForm1::FormClose(TObject* Sender, TCloseAction&) {
    bool canClose = true;
    FormCloseQuery(Sender, canClose);
}

void TForm1::FormMouseMove(TObject*, TShiftState, int, int) {
    if (lxSkinStatusPanel1) lxSkinStatusPanel1->SetCaption("");
}

void TForm1::HintMouseMove(TObject* Sender, TShiftState, int, int) {
    const auto* component = dynamic_cast<const TComponent*>(Sender);
    if (!component || !lxSkinStatusPanel1) return;
    const std::string text(StatusHint(component->Name()));
    if (lxSkinStatusPanel1->Caption() != text) lxSkinStatusPanel1->SetCaption(text);
}

TlxSkinComboBox* TForm1::BoxControl(TParameterBox ABox) const {
    switch (ABox) {
    case TParameterBox::Resolution:
        return lxSkinComboBox1;
    case TParameterBox::VideoBitrate:
        return lxSkinComboBox2;
    case TParameterBox::FrameRate:
        return lxSkinComboBox9;
    case TParameterBox::AudioBitrate:
        return lxSkinComboBox3;
    case TParameterBox::SampleRate:
        return lxSkinComboBox10;
    case TParameterBox::Aspect:
        return lxSkinComboBox4;
    }
    return nullptr;
}

void TForm1::ShowState() {
    TShowingGuard showing(FShowing);
    const TConversionController& c = *FController;
    ShowRows();
    ShowCommands();
    ShowProfiles();
    ShowBoxes();
    ShowSettingsBoxes();
    ShowCategory();
    // The controller's message replaces a hint only when it is new.
    if (lxSkinStatusPanel1 && c.StatusText() != FShownStatus) {
        FShownStatus = c.StatusText();
        lxSkinStatusPanel1->SetCaption(FShownStatus);
    }
}

// The category menu marks the controller's category and the category button
// shows its picture and caption.
void TForm1::ShowCategory() {
    const int index = FController->CategoryIndex();
    if (lxSkinImagesMenu1 && lxSkinImagesMenu1->ItemIndex() != index) {
        lxSkinImagesMenu1->SetItemIndex(index);
        if (lxSkinMenuSpeedButton2) lxSkinMenuSpeedButton2->Invalidate();
    }
    if (lxSkinMenuSpeedButton2 && lxSkinMenuSpeedButton2->Caption() != ::CategoryMenu()[index].Caption)
        lxSkinMenuSpeedButton2->SetCaption(::CategoryMenu()[index].Caption);
}

void TForm1::ShowRows() {
    const TConversionController& c = *FController;
    if (lvFiles) {
        TListItems* items = lvFiles->Items();
        while (items->Count() > c.Files().Count())
            items->Delete(items->Count() - 1);
        for (int row = 0; row < c.Files().Count(); ++row) {
            TListItem* item = row < items->Count() ? items->Item(row) : items->Add();
            const TFileRowTexts& texts = c.Files().Row(row).Columns;
            if (item->Caption() != texts[0]) item->SetCaption(texts[0]);
            TStrings* sub = item->SubItems();
            for (int col = 1; col < FileRowColumnCount; ++col) {
                if (sub->Count() < col)
                    sub->Add(texts[col]);
                else if (sub->Strings(col - 1) != texts[col])
                    sub->SetStrings(col - 1, texts[col]);
            }
        }
        if (lvFiles->ItemIndex() != c.Files().ItemIndex()) lvFiles->SetItemIndex(c.Files().ItemIndex());
    }
    if (lxSkinPanel5) lxSkinPanel5->SetVisible(c.Files().Count() == 0);
}

void TForm1::ShowCommands() {
    const TCommandStates s = FController->Commands();
    Enable(lxSkinButton2, s.StartButton);
    Enable(N16, s.Start);
    Enable(lxSkinButton10, s.Stop);
    Enable(N17, s.Stop);
    Enable(lxSkinButton11, s.Pause);
    Enable(N20, s.Pause);
    if (lxSkinButton11) lxSkinButton11->SetVisible(s.PauseVisible);
    Enable(lxSkinButton12, s.Resume);
    Enable(N22, s.Resume);
    if (lxSkinButton12) lxSkinButton12->SetVisible(!s.PauseVisible);
    for (TControl* remove :
         {static_cast<TControl*>(lxSkinButton7), static_cast<TControl*>(lxSkinSpeedButton1)})
        Enable(remove, s.Remove);
    Enable(N11, s.Remove);
    for (TControl* clear :
         {static_cast<TControl*>(lxSkinButton8), static_cast<TControl*>(lxSkinSpeedButton2)})
        Enable(clear, s.Clear);
    Enable(N12, s.Clear);
    Enable(lxSkinSpeedButton5, s.Rename);
    Enable(N26, s.Rename);
    Enable(lxSkinMenuSpeedButton1, s.Add);
    for (TMenuItem* add : {N2, N3, N21, N29, N30, N31})
        Enable(add, s.Add);
    Enable(lxSkinOfficeComboBox1, s.Settings);
    for (TControl* box : {lxSkinComboBox5, lxSkinComboBox6, lxSkinComboBox7, lxSkinComboBox8})
        Enable(box, s.Settings);
    Enable(lxSkinButton5, s.Settings);
    // Each command button's glyph is set with its state.
    ShowGlyph(lxSkinMenuSpeedButton1, "add", s.Add);
    ShowGlyph(lxSkinButton7, "remove", s.Remove);
    ShowGlyph(lxSkinButton8, "clear", s.Clear);
    ShowGlyph(lxSkinButton9, "skin", true);
    ShowGlyph(lxSkinButton24, "website", true);
    ShowGlyph(lxSkinButton2, "start", s.StartButton);
    ShowGlyph(lxSkinButton10, "stop", s.Stop);
    ShowGlyph(lxSkinButton11, "pause", s.Pause);
    ShowGlyph(lxSkinButton12, "resume", s.Resume);
}

void TForm1::ShowGlyph(TControl* AButton, const std::string& AGlyph, bool AEnabled) {
    if (!AButton) return;
    const std::string name = "tool-" + AGlyph + (AEnabled ? "" : "-disabled");
    std::string& shown = FShownGlyphs[AButton];
    if (shown == name) return;
    shown = name;
    auto [picture, added] = FGlyphs.try_emplace(name);
    if (added) LoadEmbeddedPicture(name, picture->second);
    if (auto* button = dynamic_cast<TlxSkinButton*>(AButton))
        button->SetGlyph(picture->second);
    else if (auto* speed = dynamic_cast<TlxSkinSpeedButton*>(AButton))
        speed->SetGlyph(picture->second);
}

void TForm1::ShowProfiles() {
    const TConversionController& c = *FController;
    if (!lxSkinOfficeComboBox1) return;
    if (FShownProfiles != c.ProfileItems()) {
        FShownProfiles = c.ProfileItems();
        ShowProfilePictures();
        TlxSkinOfficeItems* items = lxSkinOfficeComboBox1->Items();
        items->Clear();
        int row = 0;
        for (const std::string& caption : FShownProfiles) {
            TlxSkinOfficeItem* item = items->Add();
            item->SetCaption(caption);
            item->SetImageIndex(ProfileImageIndex(CategoryMenuMap(c.CategoryIndex()), row++));
        }
    }
    if (lxSkinOfficeComboBox1->ItemIndex() != c.ProfileIndex())
        lxSkinOfficeComboBox1->SetItemIndex(c.ProfileIndex());
}

// The profile box's rows show the chosen category's picture.
void TForm1::ShowProfilePictures() {
    const int list = CategoryMenuMap(FController->CategoryIndex());
    if (!lxPngImageList7 || list == FShownProfileList) return;
    FShownProfileList = list;
    TBitmap picture;
    if (!LoadEmbeddedPicture("profile-" + std::to_string(list), picture)) return;
    picture.SetPixelFormat(pf32bit);
    picture.SetAlphaFormat(afDefined);
    lxPngImageList7->Clear();
    for (int i = 0; i < ProfilePictureCount; ++i)
        lxPngImageList7->Add(&picture, nullptr);
}

void TForm1::ShowBoxes() {
    const TConversionController& c = *FController;
    const bool settings = c.Commands().Settings;
    for (TParameterBox box : PresetBoxOrder) {
        TlxSkinComboBox* control = BoxControl(box);
        if (!control) continue;
        const TParameterBoxModel& model = c.Box(box);
        if (!SameItems(control->Items(), model.Items())) {
            control->Items()->Clear();
            for (const std::string& text : model.Items())
                control->Items()->Add(text);
        }
        if (control->ItemIndex() != model.ItemIndex()) control->SetItemIndex(model.ItemIndex());
        control->SetEnabled(settings && model.Enabled());
    }
}

void TForm1::ShowSettingsBoxes() {
    TShowingGuard showing(FShowing);
    if (Video_OutPut_Folder_Edit && Video_OutPut_Folder_Edit->Text() != FController->OutputFolder)
        Video_OutPut_Folder_Edit->SetText(FController->OutputFolder);
    if (lxSkinComboBox7) {
        const int index = FSettings->Options().ThreadCount - 1;
        if (lxSkinComboBox7->ItemIndex() != index) lxSkinComboBox7->SetItemIndex(index);
    }
}

void TForm1::FocusFileList() {
    if (lvFiles && lvFiles->CanFocus()) lvFiles->SetFocus();
}

void TForm1::btnAddClick(TObject*) {
    const int before = FController->Files().Count();
    FController->btnAddClick();
    ShowState();
    if (FController->Files().Count() > before) FocusFileList();
}

void TForm1::Button8Click(TObject*) {
    FController->Button8Click();
    ShowState();
}

void TForm1::N21Click(TObject*) {
    FController->Button12Click();
    ShowState();
}

void TForm1::N4Click(TObject*) {
    Close();
}

void TForm1::btnRemoveClick(TObject*) {
    const int before = FController->Files().Count();
    FController->btnRemoveClick();
    ShowState();
    if (FController->Files().Count() < before && !FController->Files().Empty()) FocusFileList();
}

void TForm1::btnClearClick(TObject*) {
    FController->btnClearClick();
    ShowState();
}

void TForm1::lxSkinButton3Click(TObject*) {
    const int before = FController->Files().ItemIndex();
    FController->MoveUp();
    ShowState();
    if (FController->Files().ItemIndex() != before) FocusFileList();
}

void TForm1::lxSkinButton4Click(TObject*) {
    const int before = FController->Files().ItemIndex();
    FController->MoveDown();
    ShowState();
    if (FController->Files().ItemIndex() != before) FocusFileList();
}

void TForm1::N26Click(TObject*) {
    BeginRename(false);
}

void TForm1::lvFilesDblClick(TObject*) {
    BeginRename(true);
}

void TForm1::BeginRename(bool AFromDoubleClick) {
    if (!FController->BeginRename(AFromDoubleClick) || !lvFiles || !edt || !FController->RenameText()) {
        ShowState();
        return;
    }
    // Over the output name's column of the selected row.
    TListColumns* columns = lvFiles->Columns();
    const int left = columns->Items(0)->Width() + columns->Items(1)->Width() + columns->Items(2)->Width() + 2;
    const TRect row = lvFiles->ItemRect(FController->Files().ItemIndex());
    edt->SetBounds(left, row.Top, columns->Items(fcOutputFile)->Width(), std::max(row.Bottom - row.Top, 18));
    edt->SetText(*FController->RenameText());
    edt->Show();
    if (edt->CanFocus()) edt->SetFocus();
}

void TForm1::edtExit(TObject*) {
    if (!edt || !edt->Visible()) return;
    // An empty name keeps the box open.
    if (FController->edtExit(edt->Text())) edt->Hide();
    ShowState();
}

void TForm1::btnStartClick(TObject*) {
    FConverter.SetOnProgress([this](const TProgressInfo& info) {
        FController->Progress(info);
        ShowState();
    });
    FConverter.SetOnTerminate([this, alive = FAlive](const TTerminateInfo& info) {
        FController->Terminate(info);
        // The controller handles the report on the GUI thread, queued before
        // this; the window shows the outcome after it, and once more after a
        // message box the report may have opened.
        QueueInMainThread([this, alive] {
            if (!*alive) return;
            ShowState();
            QueueInMainThread([this, alive] {
                if (*alive) ShowState();
            });
        });
    });
    FController->btnStartClick();
    ShowState();
}

void TForm1::btnStopClick(TObject*) {
    FController->btnStopClick();
    ShowState();
}

void TForm1::btnPauseClick(TObject*) {
    FController->btnPauseClick();
    ShowState();
}

void TForm1::btnResumeClick(TObject*) {
    FController->btnResumeClick();
    ShowState();
}

void TForm1::N15Click(TObject*) {
    const std::string help = GetExePath() + HelpFileName;
    std::error_code error;
    if (!std::filesystem::is_regular_file(help, error) || !ShellOpen(help))
        FDialogs->ShowInformation("没有安装帮助文件。");
}

void TForm1::N19Click(TObject*) {
    ShellOpen(WebSiteAddress);
}

void TForm1::lxSkinImagesMenu1Change(TObject*) {
    if (FShowing || !lxSkinImagesMenu1) return;
    const int index = lxSkinImagesMenu1->ItemIndex();
    if (index < 0 || index >= CategoryMenuCount) return;
    FController->lxSkinImagesMenu1Change(index);
    ShowState();
}

void TForm1::lxSkinOfficeComboBox1Change(TObject*) {
    if (FShowing || !lxSkinOfficeComboBox1) return;
    FController->lxSkinOfficeComboBox1Change(lxSkinOfficeComboBox1->ItemIndex());
    ShowState();
}

void TForm1::ParameterBoxChanged(TParameterBox ABox, TlxSkinComboBox* ABoxControl) {
    if (FShowing || !ABoxControl) return;
    FController->SetParameterIndex(ABox, ABoxControl->ItemIndex());
    ShowState();
}

void TForm1::lxSkinComboBox1Change(TObject*) {
    ParameterBoxChanged(TParameterBox::Resolution, lxSkinComboBox1);
}

void TForm1::lxSkinComboBox2Change(TObject*) {
    ParameterBoxChanged(TParameterBox::VideoBitrate, lxSkinComboBox2);
}

void TForm1::lxSkinComboBox3Change(TObject*) {
    ParameterBoxChanged(TParameterBox::AudioBitrate, lxSkinComboBox3);
}

void TForm1::lxSkinComboBox4Change(TObject*) {
    ParameterBoxChanged(TParameterBox::Aspect, lxSkinComboBox4);
}

void TForm1::lxSkinComboBox9Change(TObject*) {
    ParameterBoxChanged(TParameterBox::FrameRate, lxSkinComboBox9);
}

void TForm1::lxSkinComboBox10Change(TObject*) {
    ParameterBoxChanged(TParameterBox::SampleRate, lxSkinComboBox10);
}

void TForm1::lxSkinComboBox5Change(TObject*) {
    if (FShowing || !lxSkinComboBox5) return;
    constexpr TAfterConversion actions[] = {TAfterConversion::OpenOutputFolder, TAfterConversion::PowerOff,
                                            TAfterConversion::Nothing};
    const int index = lxSkinComboBox5->ItemIndex();
    if (index >= 0 && index < 3) FController->AfterConversion = actions[index];
}

void TForm1::lxSkinComboBox6Change(TObject*) {
    if (FShowing || !lxSkinComboBox6) return;
    FController->RenameExisting = lxSkinComboBox6->ItemIndex() != 0;
}

void TForm1::lxSkinComboBox7Change(TObject*) {
    if (FShowing || !lxSkinComboBox7 || lxSkinComboBox7->ItemIndex() < 0) return;
    // One setting with the options form's thread-count box.
    FSettings->SetThreadCount(lxSkinComboBox7->ItemIndex() + 1);
}

void TForm1::lxSkinComboBox8Change(TObject*) {
    if (FShowing || !lxSkinComboBox8 || lxSkinComboBox8->ItemIndex() < 0) return;
    FController->PriorityIndex = lxSkinComboBox8->ItemIndex();
}

void TForm1::lxSkinButton5Click(TObject*) {
    FController->lxSkinButton5Click();
    ShowState();
    if (lvFiles && lvFiles->CanFocus()) lvFiles->SetFocus();
}

void TForm1::lxSkinButton6Click(TObject*) {
    FController->lxSkinButton6Click();
    if (lvFiles && lvFiles->CanFocus()) lvFiles->SetFocus();
}

void TForm1::Video_OutPut_Folder_EditClick(TObject*) {
    if (lvFiles && lvFiles->CanFocus()) lvFiles->SetFocus();
}

void TForm1::lxSkinCheckRadioBox8Click(TObject*) {
    if (lxSkinCheckRadioBox8) FConverter.SetPreview(lxSkinCheckRadioBox8->Checked());
}

void RegisterMainFormClass() {
    TClassBuilder<TForm1> form = RegisterClass<TForm1>("TForm1", "TForm");
    RegisterMainFormPreview(form);
    form.Field("lxSkinMainMenu1", &TForm1::lxSkinMainMenu1)
        .Field("lxSkinMainMenuBar1", &TForm1::lxSkinMainMenuBar1)
        .Field("N2", &TForm1::N2)
        .Field("N3", &TForm1::N3)
        .Field("N21", &TForm1::N21)
        .Field("N11", &TForm1::N11)
        .Field("N12", &TForm1::N12)
        .Field("N26", &TForm1::N26)
        .Field("N16", &TForm1::N16)
        .Field("N17", &TForm1::N17)
        .Field("N20", &TForm1::N20)
        .Field("N22", &TForm1::N22)
        .Field("N15", &TForm1::N15)
        .Field("lxSkinPopupMenu1", &TForm1::lxSkinPopupMenu1)
        .Field("N29", &TForm1::N29)
        .Field("N30", &TForm1::N30)
        .Field("N31", &TForm1::N31)
        .Field("lvFiles", &TForm1::lvFiles)
        .Field("lxSkinPanel5", &TForm1::lxSkinPanel5)
        .Field("imgPlaceholder", &TForm1::imgPlaceholder)
        .Field("lxSkinMenuSpeedButton1", &TForm1::lxSkinMenuSpeedButton1)
        .Field("lxSkinMenuSpeedButton2", &TForm1::lxSkinMenuSpeedButton2)
        .Field("lxSkinImagesMenu1", &TForm1::lxSkinImagesMenu1)
        .Field("lxPngImageList4", &TForm1::lxPngImageList4)
        .Field("lxPngImageList7", &TForm1::lxPngImageList7)
        .Field("lxSkinHint1", &TForm1::lxSkinHint1)
        .Field("OpenDialog1", &TForm1::OpenDialog1)
        .Field("OpenDialog2", &TForm1::OpenDialog2)
        .Field("lxSkinSelectDirectoryDialog1", &TForm1::lxSkinSelectDirectoryDialog1)
        .Field("lxSkinSelectDirectoryDialog2", &TForm1::lxSkinSelectDirectoryDialog2)
        .Field("lxSkinButton2", &TForm1::lxSkinButton2)
        .Field("lxSkinButton5", &TForm1::lxSkinButton5)
        .Field("lxSkinButton6", &TForm1::lxSkinButton6)
        .Field("lxSkinButton7", &TForm1::lxSkinButton7)
        .Field("lxSkinButton8", &TForm1::lxSkinButton8)
        .Field("lxSkinButton9", &TForm1::lxSkinButton9)
        .Field("lxSkinButton10", &TForm1::lxSkinButton10)
        .Field("lxSkinButton11", &TForm1::lxSkinButton11)
        .Field("lxSkinButton12", &TForm1::lxSkinButton12)
        .Field("lxSkinButton24", &TForm1::lxSkinButton24)
        .Field("lxSkinSpeedButton1", &TForm1::lxSkinSpeedButton1)
        .Field("lxSkinSpeedButton2", &TForm1::lxSkinSpeedButton2)
        .Field("lxSkinSpeedButton3", &TForm1::lxSkinSpeedButton3)
        .Field("lxSkinSpeedButton4", &TForm1::lxSkinSpeedButton4)
        .Field("lxSkinSpeedButton5", &TForm1::lxSkinSpeedButton5)
        .Field("lxSkinPageControl1", &TForm1::lxSkinPageControl1)
        .Field("lxSkinOfficeComboBox1", &TForm1::lxSkinOfficeComboBox1)
        .Field("lxSkinComboBox1", &TForm1::lxSkinComboBox1)
        .Field("lxSkinComboBox2", &TForm1::lxSkinComboBox2)
        .Field("lxSkinComboBox3", &TForm1::lxSkinComboBox3)
        .Field("lxSkinComboBox4", &TForm1::lxSkinComboBox4)
        .Field("lxSkinComboBox9", &TForm1::lxSkinComboBox9)
        .Field("lxSkinComboBox10", &TForm1::lxSkinComboBox10)
        .Field("lxSkinComboBox5", &TForm1::lxSkinComboBox5)
        .Field("lxSkinComboBox6", &TForm1::lxSkinComboBox6)
        .Field("lxSkinComboBox7", &TForm1::lxSkinComboBox7)
        .Field("lxSkinComboBox8", &TForm1::lxSkinComboBox8)
        .Field("Video_OutPut_Folder_Edit", &TForm1::Video_OutPut_Folder_Edit)
        .Field("lxSkinCheckRadioBox8", &TForm1::lxSkinCheckRadioBox8)
        .Field("lxSkinStatusPanel1", &TForm1::lxSkinStatusPanel1)
        .Handler("FormCreate", &TForm1::FormCreate)
        .Handler("FormClose", &TForm1::FormClose)
        .Handler("FormShow", &TForm1::FormShow)
        .Handler("FormCloseQuery", &TForm1::FormCloseQuery)
        .Handler("FormMouseMove", &TForm1::FormMouseMove)
        .Handler("HintMouseMove", &TForm1::HintMouseMove)
        .Handler("btnAddClick", &TForm1::btnAddClick)
        .Handler("Button8Click", &TForm1::Button8Click)
        .Handler("N21Click", &TForm1::N21Click)
        .Handler("N4Click", &TForm1::N4Click)
        .Handler("btnRemoveClick", &TForm1::btnRemoveClick)
        .Handler("btnClearClick", &TForm1::btnClearClick)
        .Handler("lxSkinButton3Click", &TForm1::lxSkinButton3Click)
        .Handler("lxSkinButton4Click", &TForm1::lxSkinButton4Click)
        .Handler("N26Click", &TForm1::N26Click)
        .Handler("btnStartClick", &TForm1::btnStartClick)
        .Handler("btnStopClick", &TForm1::btnStopClick)
        .Handler("btnPauseClick", &TForm1::btnPauseClick)
        .Handler("btnResumeClick", &TForm1::btnResumeClick)
        .Handler("N15Click", &TForm1::N15Click)
        .Handler("N19Click", &TForm1::N19Click)
        .Handler("N23Click", &TForm1::N23Click)
        .Handler("lxSkinImagesMenu1Change", &TForm1::lxSkinImagesMenu1Change)
        .Handler("lxSkinOfficeComboBox1Change", &TForm1::lxSkinOfficeComboBox1Change)
        .Handler("lxSkinComboBox1Change", &TForm1::lxSkinComboBox1Change)
        .Handler("lxSkinComboBox2Change", &TForm1::lxSkinComboBox2Change)
        .Handler("lxSkinComboBox3Change", &TForm1::lxSkinComboBox3Change)
        .Handler("lxSkinComboBox4Change", &TForm1::lxSkinComboBox4Change)
        .Handler("lxSkinComboBox9Change", &TForm1::lxSkinComboBox9Change)
        .Handler("lxSkinComboBox10Change", &TForm1::lxSkinComboBox10Change)
        .Handler("lxSkinComboBox5Change", &TForm1::lxSkinComboBox5Change)
        .Handler("lxSkinComboBox6Change", &TForm1::lxSkinComboBox6Change)
        .Handler("lxSkinComboBox7Change", &TForm1::lxSkinComboBox7Change)
        .Handler("lxSkinComboBox8Change", &TForm1::lxSkinComboBox8Change)
        .Handler("lxSkinButton5Click", &TForm1::lxSkinButton5Click)
        .Handler("lxSkinButton6Click", &TForm1::lxSkinButton6Click)
        .Handler("Video_OutPut_Folder_EditClick", &TForm1::Video_OutPut_Folder_EditClick)
        .Handler("lxSkinCheckRadioBox8Click", &TForm1::lxSkinCheckRadioBox8Click)
        .Handler("N5Click", &TForm1::N5Click)
        .Handler("N24Click", &TForm1::N24Click)
        .Handler("lxSkinButton19Click", &TForm1::lxSkinButton19Click);
}
