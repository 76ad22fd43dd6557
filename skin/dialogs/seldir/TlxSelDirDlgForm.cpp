#include "skin/dialogs/seldir/TlxSelDirDlgForm.h"

#include "platform/base/ScopeGuard.h"
#include "platform/vcl/VclMessages.h"
#include "platform/win/WinConst.h"
#include "skin/controls/TlxSkinBevel.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCustomEdit.h"
#include "skin/controls/TlxSkinPanel.h"
#include "skin/controls/TlxSkinScrollBar.h"
#include "skin/controls/TlxSkinSpeedButton.h"
#include "skin/dialogs/filectrl/FileCtrlGlyphs.h"
#include "skin/dialogs/filectrl/FilePaths.h"
#include "skin/dialogs/message/MessageTexts.h"
#include "skin/dialogs/shell/ShellFileOps.h"
#include "skin/dialogs/shell/ShellViewContext.h"
#include "skin/dialogs/shell/ShellViewEvents.h"
#include "skin/dialogs/shell/TShellLabelEditor.h"
#include "skin/dialogs/shell/TlxCustomShellTreeView.h"
#include "skin/windows/TlxLumivex.h"

TlxSelDirDlgForm::TlxSelDirDlgForm(TComponent* AOwner, bool AToolButtonsTransparent, bool AShowToolBar,
                                   TlxSkinData* ACtrlSkinData)
    : TForm(AOwner), CtrlSD(ACtrlSkinData), ShowToolBar(AShowToolBar) {
    SetKeyPreview(true);
    SetPosition(poScreenCenter);
    LVX = new TlxLumivex(this);

    if (ShowToolBar) {
        ToolPanel = new TlxSkinPanel(this);
        ToolPanel->SetParent(this);
        ToolPanel->SetAlign(alTop);
        ToolPanel->SetBorderStyle(bvNone);
        ToolPanel->SetDefaultHeight(25);
        ToolPanel->SetSkinDataName("toolpanel");

        NewFolderToolButton = new TlxSkinSpeedButton(this);
        NewFolderToolButton->SetParent(ToolPanel);
        NewFolderToolButton->SetAlign(alRight);
        NewFolderToolButton->SetDefaultHeight(25);
        NewFolderToolButton->SetDefaultWidth(27);
        NewFolderToolButton->SetSkinDataName("toolbutton");
        NewFolderToolButton->SetNumGlyphs(1);
        TBitmap glyph;
        LoadFileCtrlGlyph("LX_NEWFOLDER", glyph);
        NewFolderToolButton->SetGlyph(glyph);
        NewFolderToolButton->SetHint(SkinResourceText(CtrlSD, "MSG_BTN_NEWFOLDER_HINT", "Create New Folder"));
        NewFolderToolButton->SetShowHint(true);
        NewFolderToolButton->OnClick = [this](TObject* Sender) { NewFolderToolButtonClick(Sender); };
        NewFolderToolButton->SetFlat(AToolButtonsTransparent);

        auto* spacer = new TlxSkinBevel(this);
        spacer->SetParent(ToolPanel);
        spacer->SetAlign(alRight);
        spacer->SetWidth(5);
        spacer->SetShape(bsSpacer);

        DirEdit = new TlxSkinEdit(this);
        DirEdit->SetParent(ToolPanel);
        DirEdit->SetAlign(alClient);
        DirEdit->SetDefaultHeight(25);
        DirEdit->SetSkinDataName("edit");
        DirEdit->OnKeyPress = [this](TObject* Sender, char32_t& Key) { DirEditKeyPress(Sender, Key); };
        FDirEditWindowProc = DirEdit->WindowProc;
        DirEdit->WindowProc = [this](TMessage& Message) { DirEditWindowProc(Message); };
    }

    DirTreeViewPanel = new TlxSkinPanel(this);
    DirTreeViewPanel->SetParent(this);
    DirTreeViewPanel->SetAlign(alClient);
    DirTreeViewPanel->SetBorderStyle(bvFrame);
    DirTreeViewPanel->SetHeight(200);

    VScrollBar = new TlxSkinScrollBar(this);
    VScrollBar->SetKind(sbVertical);
    VScrollBar->SetParent(DirTreeViewPanel);
    VScrollBar->SetAlign(alRight);
    VScrollBar->SetDefaultWidth(19);
    VScrollBar->SetEnabled(false);
    VScrollBar->SetSkinDataName("vscrollbar");

    HScrollBar = new TlxSkinScrollBar(this);
    HScrollBar->SetParent(DirTreeViewPanel);
    HScrollBar->SetAlign(alBottom);
    HScrollBar->SetDefaultHeight(19);
    HScrollBar->SetEnabled(false);
    HScrollBar->SetBothMarkerWidth(19);
    HScrollBar->SetSkinDataName("hscrollbar");

    DirTreeView = new TlxSkinDirTreeView(this);
    DirTreeView->SetParent(DirTreeViewPanel);
    DirTreeView->SetAlign(alClient);
    DirTreeView->SetHScrollBar(HScrollBar);
    DirTreeView->SetVScrollBar(VScrollBar);
    DirTreeView->SetHideSelection(false);
    DirTreeView->OnChange = [this](TObject* Sender, TTreeNode* Node) { DirTreeViewChange(Sender, Node); };

    BottomPanel = new TlxSkinPanel(this);
    BottomPanel->SetParent(this);
    BottomPanel->SetAlign(alBottom);
    BottomPanel->SetBorderStyle(bvNone);
    BottomPanel->SetHeight(50);

    OkButton = new TlxSkinButton(this);
    OkButton->SetParent(BottomPanel);
    OkButton->SetDefault(true);
    OkButton->SetCaption(SkinResourceText(CtrlSD, "MSG_BTN_OK", "OK"));
    OkButton->SetCanFocused(true);
    OkButton->SetBounds(20, 15, 70, OkButton->Height());
    OkButton->SetDefaultHeight(25);
    OkButton->SetModalResult(mrOk);

    CancelButton = new TlxSkinButton(this);
    CancelButton->SetParent(BottomPanel);
    CancelButton->SetCaption(SkinResourceText(CtrlSD, "MSG_BTN_CANCEL", "Cancel"));
    CancelButton->SetCanFocused(true);
    CancelButton->SetBounds(100, 15, 70, CancelButton->Height());
    CancelButton->SetDefaultHeight(25);
    CancelButton->SetModalResult(mrCancel);
    CancelButton->SetCancel(true);
    UpdateOkButton();
}

TlxSelDirDlgForm* TlxSelDirDlgForm::CreateEx(TComponent* AOwner, bool AToolButtonsTransparent,
                                             bool AShowToolBar, TlxSkinData* ACtrlSkinData) {
    return new TlxSelDirDlgForm(AOwner, AToolButtonsTransparent, AShowToolBar, ACtrlSkinData);
}

void TlxSelDirDlgForm::UpdateOkButton() {
    const TShellItem* folder = DirTreeView->SelectedFolder();
    OkButton->SetEnabled(folder && !folder->IsVirtual());
}

std::string TlxSelDirDlgForm::TypedFolder() const {
    if (!DirEdit) return {};
    const std::string text = DirEdit->Text();
    if (text.empty()) return {};
    std::string path = text;
    // A name without a leading "/" or "~" lies below the selected folder;
    // a place or the computer has no folder to hold it.
    if (!text.starts_with('/') && !text.starts_with('~')) {
        const TShellItem* selected = DirTreeView->SelectedFolder();
        if (!selected || selected->IsVirtual()) return {};
        path = JoinPath(selected->Path, text);
    }
    const std::optional<TShellItem> item = ShellItemOfPath(path);
    if (!item || item->IsVirtual() || !IsExistingDirectory(item->Path)) return {};
    const TShellItem* selected = DirTreeView->SelectedFolder();
    if (selected && *selected == *item) return {};
    return item->Path;
}

bool TlxSelDirDlgForm::EditOwnsEnter() const {
    const std::string text = DirEdit ? DirEdit->Text() : std::string();
    if (text.empty() || text == DirTreeView->Path()) return false;
    if (!TypedFolder().empty()) return true;
    // The selected folder under another spelling ("~", a trailing "/") is
    // still OK's; anything else names no folder.
    if (!text.starts_with('/') && !text.starts_with('~')) return true;
    const std::optional<TShellItem> item = ShellItemOfPath(text);
    const TShellItem* selected = DirTreeView->SelectedFolder();
    return !(item && selected && *selected == *item);
}

void TlxSelDirDlgForm::DirEditWindowProc(TMessage& Message) {
    // Enter on a text other than the selected folder's is the edit's own: it
    // goes to the folder named, if any, and the character goes no further,
    // since the skinned edit hands Enter on to the form, whose default
    // button is OK. Otherwise Enter stays OK's.
    const bool enter =
        (Message.Msg == CM_WANTSPECIALKEY || Message.Msg == WM_CHAR) && Message.WParam == VK_RETURN;
    if (enter && EditOwnsEnter()) {
        Message.Result = Message.Msg == CM_WANTSPECIALKEY ? 1 : 0;
        if (Message.Msg == WM_CHAR) {
            char32_t key = 13;
            DirEditKeyPress(DirEdit, key);
        }
        return;
    }
    FDirEditWindowProc(Message);
}

void TlxSelDirDlgForm::DirEditKeyPress(TObject* Sender, char32_t& Key) {
    (void)Sender;
    if (Key != 13) return;
    Key = 0;
    const std::string folder = TypedFolder();
    if (folder.empty()) return;
    TKeepAlive alive(this);
    DirTreeView->SetPath(folder);
}

void TlxSelDirDlgForm::DirTreeViewChange(TObject* Sender, TTreeNode* Node) {
    (void)Sender;
    (void)Node;
    UpdateOkButton();
    const TShellItem* folder = DirTreeView->SelectedFolder();
    if (folder && !StopAddToHistory && (FolderHistory.empty() || !(FolderHistory.back() == *folder)))
        FolderHistory.push_back(*folder);
    if (DirEdit) DirEdit->SetText(DirTreeView->Path());
}

void TlxSelDirDlgForm::Back() {
    if (FolderHistory.size() < 2) return;
    TKeepAlive alive(this);
    TShellUpdating stop(StopAddToHistory);
    FolderHistory.pop_back();
    DirTreeView->SetPathFromID(FolderHistory.back());
}

void TlxSelDirDlgForm::NewFolderToolButtonClick(TObject* Sender) {
    (void)Sender;
    TTreeNode* node = DirTreeView->Selected();
    const TShellItem* parent = TlxCustomShellTreeView::FolderOf(node);
    if (!parent || parent->Kind != ikDirectory) return;
    const TShellItem folder = *parent;
    TShellItem created;
    try {
        created = CreateNewFolder(folder.Path, SkinResourceText(CtrlSD, "MSG_NEWFOLDER", "New Folder"));
    } catch (const EInvalidPath& e) {
        ReportShellError(DirTreeView, CtrlSD, e.Message());
        return;
    }
    TKeepAlive alive(this);
    DirTreeView->Refresh(node);
    node = DirTreeView->FindNodeByID(folder, DirTreeView->Items()->GetFirstNode());
    if (!node) return;
    node->Expand(false);
    if (TTreeNode* made = DirTreeView->FindNodeByID(created, node)) {
        DirTreeView->SetSelected(made);
        DirTreeView->SetFocus();
        DirTreeView->RenameSelected();
    }
}

void TlxSelDirDlgForm::DoShow() {
    // The history starts with the folder the dialog opens on, not with the
    // nodes the tree passed while it was built.
    FolderHistory.clear();
    if (const TShellItem* folder = DirTreeView->SelectedFolder()) FolderHistory.push_back(*folder);
    if (DirTreeView->CanFocus()) SetActiveControl(DirTreeView);
    TForm::DoShow();
}

void TlxSelDirDlgForm::KeyDown(uint16_t& Key, TShiftState Shift) {
    TForm::KeyDown(Key, Shift);
    if (Shift != TShiftState{ssAlt} || DirTreeView->LabelEditor()->Editing()) return;
    if (Key == VK_LEFT) {
        Key = 0;
        Back();
        return;
    }
    if (Key != VK_UP) return;
    const TShellItem* selected = DirTreeView->SelectedFolder();
    if (!selected) return;
    if (const std::optional<TShellItem> up = ShellNamespace().Up(*selected)) DirTreeView->SetPathFromID(*up);
    Key = 0;
}
