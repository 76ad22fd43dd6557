#pragma once

#include "platform/vcl/TCustomForm.h"
#include "platform/vcl/TListView.h"
#include "skin/dialogs/shell/TShellItem.h"

#include <string>
#include <vector>

class TlxLumivex;
class TlxSkinData;
class TlxSkinPanel;
class TlxSkinToolBar;
class TlxSkinScrollBar;
class TlxSkinFileListView;
class TlxSkinEdit;
class TlxSkinFilterComboBox;
class TlxSkinShellComboBox;
class TlxSkinButton;
class TlxSkinStdLabel;
class TlxSkinSpeedButton;
class TlxSkinMenuSpeedButton;
class TlxSkinPopupMenu;
class TMenuItem;
struct TOkDecision;

// The form of the open and save dialogs, built in code: a tool bar with the
// "Look in" path box and Back, Up, New folder and View buttons, the shell
// file list with its bars, and a bottom panel with the name edit, the file
// type box and the Open (Save) and Cancel buttons. Alt+Left goes back,
// Alt+Up up. Confirming decides through DecideOk; on OK FileName and Files
// hold the result.
class TlxOpenDlgForm : public TForm {
public:
    static TlxOpenDlgForm* CreateEx(TComponent* AOwner, bool AToolButtonsTransparent,
                                    TlxSkinData* ACtrlSkinData, bool ASaveMode);

    bool SaveMode = false;
    std::vector<TShellItem> FolderHistory;
    bool StopAddToHistory = false;
    TlxSkinData* CtrlSD = nullptr;
    std::string DefaultExt;
    bool OverwritePromt = false;
    std::string FileName;
    std::vector<std::string> Files;
    TlxLumivex* LVX = nullptr;
    TlxSkinPanel* FileListViewPanel = nullptr;
    TlxSkinPanel* BottomPanel = nullptr;
    TlxSkinScrollBar* FLVHScrollBar = nullptr;
    TlxSkinScrollBar* FLVVScrollBar = nullptr;
    TlxSkinFileListView* FileListView = nullptr;
    TlxSkinEdit* FileNameEdit = nullptr;
    TlxSkinFilterComboBox* FilterComboBox = nullptr;
    TlxSkinShellComboBox* ShellBox = nullptr;
    TlxSkinButton* OpenButton = nullptr;
    TlxSkinButton* CancelButton = nullptr;
    TlxSkinStdLabel* Drivelabel = nullptr;
    TlxSkinStdLabel* OpenFileLabel = nullptr;
    TlxSkinStdLabel* FileTypeLabel = nullptr;
    TlxSkinToolBar* ToolPanel = nullptr;
    TlxSkinSpeedButton* NewFolderToolButton = nullptr;
    TlxSkinSpeedButton* UpToolButton = nullptr;
    TlxSkinSpeedButton* BackToolButton = nullptr;
    TlxSkinMenuSpeedButton* StyleToolButton = nullptr;
    TlxSkinPopupMenu* StylePopupMenu = nullptr;
    TMenuItem* IconMenuItem = nullptr;
    TMenuItem* SmallIconMenuItem = nullptr;
    TMenuItem* ReportMenuItem = nullptr;
    TMenuItem* ListMenuItem = nullptr;
    TNotifyEvent OnFolderChange;
    bool CheckFileExists = true;

    void BackToolButtonClick(TObject* Sender);
    void UpToolButtonClick(TObject* Sender);
    void NewFolderToolButtonClick(TObject* Sender);
    void IconItemClick(TObject* Sender);
    void SmallIconItemClick(TObject* Sender);
    void ListItemClick(TObject* Sender);
    void ReportItemClick(TObject* Sender);
    void FLVChange(TObject* Sender, TListItem* Item, TItemChange Change);
    void FLVPathChange(TObject* Sender);
    void FLVDBLClick(TObject* Sender);
    void FLVKeyPress(TObject* Sender, char32_t& Key);
    void EditKeyPress(TObject* Sender, char32_t& Key);
    void FCBChange(TObject* Sender);
    void OpenButtonClick(TObject* Sender);
    void InitHistory();

    // The view menu's item of a style gets the only check mark.
    void CheckStyleItem(int Style);
    // The selected filter's extension ("" for masks holding ".*").
    std::string GetFilterExt();

protected:
    TlxOpenDlgForm(TComponent* AOwner, bool AToolButtonsTransparent, TlxSkinData* ACtrlSkinData,
                   bool ASaveMode);
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void DoShow() override;

private:
    void AddToHistory();
    void Act(const TOkDecision& Decision);
    bool AskOverwrite(const std::string& Name);
    void SetStyle(int Style);
};
