#include "skin/dialogs/open/TlxOpenDlgForm.h"

#include "platform/vcl/TMenu.h"
#include "platform/win/WinConst.h"
#include "skin/controls/TlxSkinBevel.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCustomEdit.h"
#include "skin/controls/TlxSkinMenuSpeedButton.h"
#include "skin/controls/TlxSkinPanel.h"
#include "skin/controls/TlxSkinPopupMenu.h"
#include "skin/controls/TlxSkinScrollBar.h"
#include "skin/controls/TlxSkinSpeedButton.h"
#include "skin/controls/TlxSkinStdLabel.h"
#include "skin/controls/TlxSkinToolBar.h"
#include "skin/dialogs/filectrl/FilePaths.h"
#include "skin/dialogs/filectrl/TlxSkinFilterComboBox.h"
#include "skin/dialogs/message/MessageTexts.h"
#include "skin/dialogs/message/TlxSkinMessage.h"
#include "skin/dialogs/open/DialogGlyphs.h"
#include "skin/dialogs/open/OpenDialogLogic.h"
#include "skin/dialogs/shell/ShellFileOps.h"
#include "skin/dialogs/shell/ShellViewContext.h"
#include "skin/dialogs/shell/ShellViewEvents.h"
#include "skin/dialogs/shell/TShellLabelEditor.h"
#include "skin/dialogs/shell/TlxCustomShellComboBox.h"
#include "skin/dialogs/shell/TlxCustomShellListView.h"
#include "skin/windows/TlxLumivex.h"

#include <memory>

namespace {

TlxSkinSpeedButton* ToolButton(TlxOpenDlgForm* Form, TWinControl* Bar, const char* Glyph,
                               const std::string& Hint, bool Flat, std::function<void(TObject*)> OnClick) {
    auto* b = new TlxSkinSpeedButton(Form);
    b->SetParent(Bar);
    b->SetAlign(alRight);
    b->SetDefaultHeight(25);
    b->SetDefaultWidth(27);
    b->SetSkinDataName("toolbutton");
    b->SetNumGlyphs(1);
    TBitmap glyph;
    LoadDialogGlyph(Glyph, glyph);
    b->SetGlyph(glyph);
    b->SetHint(Hint);
    b->SetShowHint(true);
    b->SetFlat(Flat);
    b->OnClick = std::move(OnClick);
    return b;
}

TlxSkinBevel* Spacer(TlxOpenDlgForm* Form, TWinControl* Bar, TAlign Align) {
    auto* s = new TlxSkinBevel(Form);
    s->SetParent(Bar);
    s->SetAlign(Align);
    s->SetWidth(10);
    s->SetShape(bsSpacer);
    return s;
}

TlxSkinStdLabel* Label(TlxOpenDlgForm* Form, TWinControl* Parent, const std::string& Caption, int Top) {
    auto* l = new TlxSkinStdLabel(Form);
    l->SetParent(Parent);
    l->SetAutoSize(true);
    l->SetCaption(Caption);
    l->SetLeft(10);
    l->SetTop(Top);
    return l;
}

} // namespace

TlxOpenDlgForm* TlxOpenDlgForm::CreateEx(TComponent* AOwner, bool AToolButtonsTransparent,
                                         TlxSkinData* ACtrlSkinData, bool ASaveMode) {
    return new TlxOpenDlgForm(AOwner, AToolButtonsTransparent, ACtrlSkinData, ASaveMode);
}

TlxOpenDlgForm::TlxOpenDlgForm(TComponent* AOwner, bool AToolButtonsTransparent, TlxSkinData* ACtrlSkinData,
                               bool ASaveMode)
    : TForm(AOwner), SaveMode(ASaveMode), CtrlSD(ACtrlSkinData) {
    SetKeyPreview(true);
    SetPosition(poScreenCenter);
    LVX = new TlxLumivex(this);
    auto text = [this](const char* Key, const char* Default) {
        return SkinResourceText(CtrlSD, Key, Default);
    };

    ToolPanel = new TlxSkinToolBar(this);
    ToolPanel->SetParent(this);
    ToolPanel->SetBorderStyle(bvNone);
    ToolPanel->SetAlign(alTop);
    ToolPanel->SetDefaultHeight(25);
    ToolPanel->SetSkinDataName("toolpanel");
    Spacer(this, ToolPanel, alLeft);
    Drivelabel = new TlxSkinStdLabel(this);
    Drivelabel->SetParent(ToolPanel);
    Drivelabel->SetAutoSize(true);
    Drivelabel->SetAlign(alLeft);
    Drivelabel->SetLayout(tlCenter);
    Drivelabel->SetCaption(text("FLV_LOOKIN", "Look in: "));
    const bool flat = AToolButtonsTransparent;
    // Right-aligned controls line up from the right edge in creation order:
    // View, New folder, Up, Back, then the spacer.
    StylePopupMenu = new TlxSkinPopupMenu(this);
    auto styleItem = [this](const std::string& Caption, std::function<void(TObject*)> OnClick) {
        auto* item = new TMenuItem(this);
        item->SetCaption(Caption);
        item->SetRadioItem(true);
        item->OnClick = std::move(OnClick);
        StylePopupMenu->Items()->Add(item);
        return item;
    };
    IconMenuItem = styleItem(text("MSG_LV_ICON", "Large icons"), [this](TObject* S) { IconItemClick(S); });
    SmallIconMenuItem =
        styleItem(text("MSG_LV_SMALLICON", "Small icons"), [this](TObject* S) { SmallIconItemClick(S); });
    ListMenuItem = styleItem(text("MSG_LV_LIST", "List"), [this](TObject* S) { ListItemClick(S); });
    ReportMenuItem = styleItem(text("MSG_LV_DETAILS", "Details"), [this](TObject* S) { ReportItemClick(S); });

    StyleToolButton = new TlxSkinMenuSpeedButton(this);
    StyleToolButton->SetParent(ToolPanel);
    StyleToolButton->SetAlign(alRight);
    StyleToolButton->SetDefaultWidth(37);
    StyleToolButton->SetSkinDataName("toolmenubutton");
    StyleToolButton->SetNumGlyphs(1);
    TBitmap styleGlyph;
    LoadDialogGlyph("LX_LVSTYLE", styleGlyph);
    StyleToolButton->SetGlyph(styleGlyph);
    StyleToolButton->SetSkinPopupMenu(StylePopupMenu);
    StyleToolButton->SetHint(text("MSG_BTN_VIEWMENU_HINT", "View Menu"));
    StyleToolButton->SetShowHint(true);
    StyleToolButton->SetFlat(flat);

    NewFolderToolButton =
        ToolButton(this, ToolPanel, "LX_NEWFOLDER", text("MSG_BTN_NEWFOLDER_HINT", "Create New Folder"), flat,
                   [this](TObject* S) { NewFolderToolButtonClick(S); });
    UpToolButton = ToolButton(this, ToolPanel, "LX_UP", text("MSG_BTN_UP_HINT", "Up One Level"), flat,
                              [this](TObject* S) { UpToolButtonClick(S); });
    BackToolButton =
        ToolButton(this, ToolPanel, "LX_BACK", text("MSG_BTN_BACK_HINT", "Go To Last Folder Visited"), flat,
                   [this](TObject* S) { BackToolButtonClick(S); });
    Spacer(this, ToolPanel, alRight);

    ShellBox = new TlxSkinShellComboBox(this);
    ShellBox->SetParent(ToolPanel);
    ShellBox->SetLeft(0);
    ShellBox->SetWidth(190);
    ShellBox->SetAlign(alClient);
    ShellBox->SetDropDownCount(10);

    BottomPanel = new TlxSkinPanel(this);
    BottomPanel->SetParent(this);
    BottomPanel->SetAlign(alBottom);
    BottomPanel->SetBorderStyle(bvNone);
    BottomPanel->SetHeight(80);

    FileListViewPanel = new TlxSkinPanel(this);
    FileListViewPanel->SetParent(this);
    FileListViewPanel->SetAlign(alClient);
    FileListViewPanel->SetBorderStyle(bvFrame);
    FLVHScrollBar = new TlxSkinScrollBar(this);
    FLVHScrollBar->SetParent(FileListViewPanel);
    FLVHScrollBar->SetBothMarkerWidth(19);
    FLVHScrollBar->SetAlign(alBottom);
    FLVHScrollBar->SetDefaultHeight(19);
    FLVHScrollBar->SetEnabled(false);
    FLVHScrollBar->SetSkinDataName("hscrollbar");
    FLVVScrollBar = new TlxSkinScrollBar(this);
    FLVVScrollBar->SetKind(sbVertical);
    FLVVScrollBar->SetParent(FileListViewPanel);
    FLVVScrollBar->SetAlign(alRight);
    FLVVScrollBar->SetDefaultWidth(19);
    FLVVScrollBar->SetEnabled(false);
    FLVVScrollBar->SetSkinDataName("vscrollbar");
    FileListView = new TlxSkinFileListView(this);
    FileListView->SetParent(FileListViewPanel);
    FileListView->SetViewStyle(vsList);
    FileListView->SetShowColumnHeaders(true);
    FileListView->SetAlign(alClient);
    FileListView->SetHScrollBar(FLVHScrollBar);
    FileListView->SetVScrollBar(FLVVScrollBar);
    FileListView->OnChange = [this](TObject* S, TListItem* I, TItemChange C) { FLVChange(S, I, C); };
    FileListView->OnPathChanged = [this](TObject* S) { FLVPathChange(S); };
    FileListView->OnDblClick = [this](TObject* S) { FLVDBLClick(S); };
    FileListView->OnKeyPress = [this](TObject* S, char32_t& K) { FLVKeyPress(S, K); };
    FileListView->SetHideSelection(false);
    FileListView->SetShellComboBox(ShellBox);
    ShellBox->SetShellListView(FileListView);

    const int w = ClientWidth();
    FileNameEdit = new TlxSkinEdit(this);
    FileNameEdit->SetParent(BottomPanel);
    FileNameEdit->SetBounds(70, 10, w - 160, FileNameEdit->Height());
    FileNameEdit->SetDefaultHeight(21);
    FileNameEdit->OnKeyPress = [this](TObject* S, char32_t& K) { EditKeyPress(S, K); };
    FileNameEdit->SetAnchors({akLeft, akTop, akRight});
    FilterComboBox = new TlxSkinFilterComboBox(this);
    FilterComboBox->SetParent(BottomPanel);
    FilterComboBox->SetBounds(70, 45, w - 160, FilterComboBox->Height());
    FilterComboBox->SetDefaultHeight(21);
    FilterComboBox->OnChange = [this](TObject* S) { FCBChange(S); };
    FilterComboBox->SetAnchors({akLeft, akTop, akRight});
    OpenButton = new TlxSkinButton(this);
    OpenButton->SetParent(BottomPanel);
    OpenButton->SetCaption(SaveMode ? text("MSG_BTN_SAVE", "&Save") : text("MSG_BTN_OPEN", "&Open"));
    OpenButton->SetCanFocused(true);
    OpenButton->SetBounds(w - 80, 10, 70, OpenButton->Height());
    OpenButton->SetDefaultHeight(25);
    OpenButton->OnClick = [this](TObject* S) { OpenButtonClick(S); };
    OpenButton->SetAnchors({akTop, akRight});
    CancelButton = new TlxSkinButton(this);
    CancelButton->SetParent(BottomPanel);
    CancelButton->SetCaption(text("MSG_BTN_CANCEL", "Cancel"));
    CancelButton->SetCanFocused(true);
    CancelButton->SetBounds(w - 80, 45, 70, CancelButton->Height());
    CancelButton->SetDefaultHeight(25);
    CancelButton->SetModalResult(mrCancel);
    CancelButton->SetCancel(true);
    CancelButton->SetAnchors({akTop, akRight});
    OpenFileLabel = Label(this, BottomPanel, text("MSG_FILENAME", "File name:"), 10);
    FileTypeLabel = Label(this, BottomPanel, text("MSG_FILETYPE", "File type:"), 45);
}

void TlxOpenDlgForm::DoShow() {
    if (FileNameEdit->CanFocus()) SetActiveControl(FileNameEdit);
    TForm::DoShow();
}

// ---- history and navigation

void TlxOpenDlgForm::AddToHistory() {
    const TShellItem* folder = FileListView->RootFolder();
    if (!folder) return;
    if (FolderHistory.empty() || !(FolderHistory.back() == *folder)) FolderHistory.push_back(*folder);
}

void TlxOpenDlgForm::InitHistory() {
    AddToHistory();
}

void TlxOpenDlgForm::FLVPathChange(TObject*) {
    if (!StopAddToHistory) AddToHistory();
    if (FileListView->Items()->Count() > 0) FileListView->SetItemFocused(FileListView->Items()->Item(0));
    if (OnFolderChange) OnFolderChange(this);
}

void TlxOpenDlgForm::BackToolButtonClick(TObject*) {
    if (FolderHistory.size() < 2) return;
    TShellUpdating stop(StopAddToHistory);
    const TShellItem target = FolderHistory[FolderHistory.size() - 2];
    FolderHistory.pop_back();
    FileListView->SetPathFromID(target);
}

void TlxOpenDlgForm::UpToolButtonClick(TObject*) {
    FileListView->Back();
}

void TlxOpenDlgForm::NewFolderToolButtonClick(TObject*) {
    const TShellItem* folder = FileListView->RootFolder();
    if (!folder || folder->Kind != ikDirectory) return;
    TShellItem created;
    try {
        created = CreateNewFolder(folder->Path, SkinResourceText(CtrlSD, "MSG_NEWFOLDER", "New Folder"));
    } catch (const EInvalidPath& e) {
        ReportShellError(FileListView, CtrlSD, e.Message());
        return;
    }
    TKeepAlive alive(this);
    FileListView->Refresh();
    const auto& items = FileListView->Folders();
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == created) {
            FileListView->SetItemIndex(static_cast<int>(i));
            FileListView->SetFocus();
            FileListView->RenameSelected();
            return;
        }
}

void TlxOpenDlgForm::SetStyle(int Style) {
    FileListView->SetViewStyle(static_cast<TViewStyle>(Style));
    CheckStyleItem(Style);
}

void TlxOpenDlgForm::CheckStyleItem(int Style) {
    const std::pair<TMenuItem*, int> items[] = {{IconMenuItem, vsIcon},
                                                {SmallIconMenuItem, vsSmallIcon},
                                                {ListMenuItem, vsList},
                                                {ReportMenuItem, vsReport}};
    for (auto [item, style] : items)
        item->SetChecked(style == Style);
}

void TlxOpenDlgForm::IconItemClick(TObject*) {
    SetStyle(vsIcon);
}
void TlxOpenDlgForm::SmallIconItemClick(TObject*) {
    SetStyle(vsSmallIcon);
}
void TlxOpenDlgForm::ListItemClick(TObject*) {
    SetStyle(vsList);
}
void TlxOpenDlgForm::ReportItemClick(TObject*) {
    SetStyle(vsReport);
}

void TlxOpenDlgForm::KeyDown(uint16_t& Key, TShiftState Shift) {
    TForm::KeyDown(Key, Shift);
    if (Shift != TShiftState{ssAlt} || FileListView->LabelEditor()->Editing()) return;
    if (Key == VK_UP) {
        Key = 0;
        UpToolButtonClick(this);
    } else if (Key == VK_LEFT) {
        Key = 0;
        BackToolButtonClick(this);
    }
}

// ---- list, edit and filter

void TlxOpenDlgForm::FLVChange(TObject*, TListItem*, TItemChange) {
    const std::string file = FileListView->GetSelectedFile();
    if (!file.empty()) FileNameEdit->SetText(file.substr(file.find_last_of('/') + 1));
    if (OnFolderChange) OnFolderChange(this);
}

void TlxOpenDlgForm::FLVKeyPress(TObject*, char32_t& Key) {
    if (Key == 13 && !FileListView->GetSelectedFile().empty()) OpenButtonClick(this);
}

void TlxOpenDlgForm::FLVDBLClick(TObject*) {
    const std::string file = FileListView->GetSelectedFile();
    if (file.empty()) return;
    const std::string name = file.substr(file.find_last_of('/') + 1);
    FileNameEdit->SetText(name);
    OpenButtonClick(this);
}

void TlxOpenDlgForm::EditKeyPress(TObject*, char32_t& Key) {
    if (Key != 13) return;
    Key = 0;
    OpenButtonClick(this);
}

std::string TlxOpenDlgForm::GetFilterExt() {
    return FilterExtension(FilterComboBox->Mask());
}

void TlxOpenDlgForm::FCBChange(TObject*) {
    FileListView->SetMask(FilterComboBox->Mask());
    if (!SaveMode) return;
    const std::string ext = GetFilterExt();
    std::string text = FileNameEdit->Text();
    if (ext.empty() || text.empty()) return;
    const std::string old = FileExtension(text);
    if (!old.empty()) text.resize(text.size() - old.size());
    FileNameEdit->SetText(text + ext);
}

// ---- confirming

void TlxOpenDlgForm::OpenButtonClick(TObject*) {
    TOkRequest r;
    r.SaveMode = SaveMode;
    r.CheckFileExists = CheckFileExists;
    r.OverwritePrompt = OverwritePromt;
    r.DefaultExt = DefaultExt;
    r.Mask = FilterComboBox->Mask();
    if (const TShellItem* folder = FileListView->RootFolder(); folder && folder->Kind == ikDirectory)
        r.Folder = folder->Path;
    r.Home = ShellNamespace().Environment().Home;
    r.Text = FileNameEdit->Text();
    TStringList selected;
    FileListView->GetSelectedFiles(&selected);
    for (int i = 0; i < selected.Count(); ++i)
        r.Selected.push_back(selected.Get(i));
    Act(DecideOk(r));
}

void TlxOpenDlgForm::Act(const TOkDecision& Decision) {
    TKeepAlive alive(this);
    switch (Decision.Action) {
    case okStay:
        return;
    case okNavigate:
        FileListView->SetPath(Decision.Path);
        if (!FreePending()) FileNameEdit->SetText("");
        return;
    case okMask:
        FileListView->SetMask(Decision.Path);
        return;
    case okAsk:
        if (!AskOverwrite(Decision.Path) || FreePending()) return;
        [[fallthrough]];
    case okAccept:
        FileName = Decision.Path;
        Files = Decision.Files;
        SetModalResult(mrOk);
        return;
    }
}

bool TlxOpenDlgForm::AskOverwrite(const std::string& Name) {
    (void)Name;
    std::unique_ptr<TlxSkinMessage> box(new TlxSkinMessage(nullptr));
    box->SetSkinData(LVX->SkinData());
    box->SetCtrlSkinData(CtrlSD);
    return box->MessageDlg(SkinResourceText(CtrlSD, "MSG_OVERWRITE", "Do you want to overwrite old file?"),
                           mtWarning, TMsgDlgButtons{mbOK, mbCancel}, 0) == mrOk;
}
