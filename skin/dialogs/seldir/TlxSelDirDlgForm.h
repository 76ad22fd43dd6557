#pragma once

#include "platform/vcl/TCustomForm.h"
#include "skin/dialogs/shell/TShellItem.h"

#include <string>
#include <vector>

class TlxLumivex;
class TlxSkinButton;
class TlxSkinData;
class TlxSkinDirTreeView;
class TlxSkinEdit;
class TlxSkinPanel;
class TlxSkinScrollBar;
class TlxSkinSpeedButton;
class TTreeNode;

// The form of the select-folder dialog, built in code for one showing: an
// optional tool bar (a path edit and a New folder button), the shell folder
// tree with its two skinned bars, and OK and Cancel below. OK is enabled
// only while a real folder (not a place or the computer) is selected.
//
// The path edit follows the tree. Enter in it goes to the folder it names
// (absolute, "~/...", or below the selected folder) and keeps the dialog
// open, as does a text that names no folder; when the edit is empty or
// already names the selected folder, Enter is OK's. Alt+Up
// selects the parent folder, Alt+Left the folder selected before.
class TlxSelDirDlgForm : public TForm {
public:
    static TlxSelDirDlgForm* CreateEx(TComponent* AOwner, bool AToolButtonsTransparent, bool AShowToolBar,
                                      TlxSkinData* ACtrlSkinData);

    // The folder the path edit's text names, empty when none (or when it is
    // the selected folder already).
    std::string TypedFolder() const;

    void DirEditKeyPress(TObject* Sender, char32_t& Key);
    void DirTreeViewChange(TObject* Sender, TTreeNode* Node);
    void NewFolderToolButtonClick(TObject* Sender);
    // Selects the folder selected before the current one and forgets the
    // current one; nothing with fewer than two folders seen.
    void Back();

    // The folders selected during this showing, oldest first, without
    // repeats in a row.
    std::vector<TShellItem> FolderHistory;
    bool StopAddToHistory = false;

    TlxSkinData* CtrlSD = nullptr;
    bool ShowToolBar = false;
    TlxLumivex* LVX = nullptr;
    TlxSkinPanel* DirTreeViewPanel = nullptr;
    TlxSkinPanel* BottomPanel = nullptr;
    TlxSkinDirTreeView* DirTreeView = nullptr;
    TlxSkinScrollBar* VScrollBar = nullptr;
    TlxSkinScrollBar* HScrollBar = nullptr;
    TlxSkinButton* OkButton = nullptr;
    TlxSkinButton* CancelButton = nullptr;
    TlxSkinPanel* ToolPanel = nullptr;
    TlxSkinSpeedButton* NewFolderToolButton = nullptr;
    TlxSkinEdit* DirEdit = nullptr;

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    // The tree has the focus when the dialog shows.
    void DoShow() override;

private:
    TlxSelDirDlgForm(TComponent* AOwner, bool AToolButtonsTransparent, bool AShowToolBar,
                     TlxSkinData* ACtrlSkinData);
    void DirEditWindowProc(TMessage& Message);
    // Enter in the path edit is the edit's own rather than OK's.
    bool EditOwnsEnter() const;
    // OK follows the selection: a place or the computer has no path.
    void UpdateOkButton();

    TWndMethod FDirEditWindowProc;
};
