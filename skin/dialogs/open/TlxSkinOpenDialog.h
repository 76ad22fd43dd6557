#pragma once

#include "platform/base/Strings.h"
#include "platform/base/Types.h"
#include "platform/gdi/TFont.h"
#include "platform/vcl/TComponent.h"
#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/TListView.h"
#include "skin/engine/SkinData.h"

#include <string>

class TlxOpenDlgForm;

// Lets the user pick one or several files to open, or a name to save under
// (SaveMode, set by descendants), in a skinned dialog built for each Execute
// (TlxOpenDlgForm). It opens in the folder of FileName (else InitialDir)
// when that exists, else in its nearest existing ancestor, else in home.
// OK sets FileName and Files; Cancel leaves them. The filter choice, size and
// view style are remembered after every showing.
class TlxSkinOpenDialog : public TComponent {
public:
    explicit TlxSkinOpenDialog(TComponent* AOwner);

    bool Execute();
    // The selected file while the dialog shows (for OnFolderChange handlers).
    std::string GetSelectedFile();
    TlxOpenDlgForm* Form() const { return FForm; }

    // After OK: every file chosen, in the list's order (the typed name alone
    // when one was typed).
    TStringList* Files() { return &FFiles; }
    bool SaveMode() const { return FSaveMode; }
    TViewStyle ListViewStyle() const { return FListViewStyle; }
    void SetListViewStyle(TViewStyle Value) { FListViewStyle = Value; }

    // ---- Published properties
    bool ShowHiddenFiles() const { return FShowHiddenFiles; }
    void SetShowHiddenFiles(bool Value) { FShowHiddenFiles = Value; }
    bool ToolButtonsTransparent() const { return FToolButtonsTransparent; }
    void SetToolButtonsTransparent(bool Value) { FToolButtonsTransparent = Value; }
    bool OverwritePromt() const { return FOverwritePromt; }
    void SetOverwritePromt(bool Value) { FOverwritePromt = Value; }
    const std::string& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const std::string& Value) { FDefaultExt = Value; }
    int DialogWidth() const { return FDialogWidth; }
    void SetDialogWidth(int Value) { FDialogWidth = Value; }
    int DialogHeight() const { return FDialogHeight; }
    void SetDialogHeight(int Value) { FDialogHeight = Value; }
    int DialogMinWidth() const { return FDialogMinWidth; }
    void SetDialogMinWidth(int Value) { FDialogMinWidth = Value; }
    int DialogMinHeight() const { return FDialogMinHeight; }
    void SetDialogMinHeight(int Value) { FDialogMinHeight = Value; }
    bool CheckFileExists() const { return FCheckFileExists; }
    void SetCheckFileExists(bool Value) { FCheckFileExists = Value; }
    bool MultiSelection() const { return FMultiSelection; }
    void SetMultiSelection(bool Value) { FMultiSelection = Value; }
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
    Byte AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(Byte Value) { FAlphaBlendValue = Value; }
    bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }
    bool CtrlAlphaBlend() const { return FCtrlAlphaBlend; }
    void SetCtrlAlphaBlend(bool Value) { FCtrlAlphaBlend = Value; }
    Byte CtrlAlphaBlendValue() const { return FCtrlAlphaBlendValue; }
    void SetCtrlAlphaBlendValue(Byte Value) { FCtrlAlphaBlendValue = Value; }
    bool CtrlAlphaBlendAnimation() const { return FCtrlAlphaBlendAnimation; }
    void SetCtrlAlphaBlendAnimation(bool Value) { FCtrlAlphaBlendAnimation = Value; }
    const std::string& LVHeaderSkinDataName() const { return FLVHeaderSkinDataName; }
    void SetLVHeaderSkinDataName(const std::string& Value) { FLVHeaderSkinDataName = Value; }
    TlxSkinData* SkinData() const { return FSkinData.Get(); }
    void SetSkinData(TlxSkinData* Value) { FSkinData.Set(Value); }
    TlxSkinData* CtrlSkinData() const { return FCtrlSkinData.Get(); }
    void SetCtrlSkinData(TlxSkinData* Value) { FCtrlSkinData.Set(Value); }
    TFont* DefaultFont() { return &FDefaultFont; }
    void SetDefaultFont(const TFont& Value) { FDefaultFont.Assign(Value); }
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    const std::string& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const std::string& Value) { FInitialDir = Value; }
    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& Value) { FFilter = Value; }
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int Value) { FFilterIndex = Value; }
    const std::string& FileName() const { return FFileName; }
    // While the dialog shows, the whole value also goes into the name edit.
    void SetFileName(const std::string& Value);

    // Raised with the form as Sender after every change of the listed folder
    // and of the list's selection.
    TNotifyEvent OnFolderChange;
    // Raised at the start of Execute, before the form is built.
    TNotifyEvent OnShow;
    // Raised after the form closed, before it is freed (also on an error).
    TNotifyEvent OnClose;

protected:
    // The form of this dialog; descendants build theirs.
    virtual TlxOpenDlgForm* CreateForm();
    // Before showing, after the common settings; after closing, before the
    // common results are read.
    virtual void PrepareForm(TlxOpenDlgForm* Form) { (void)Form; }
    virtual void FormClosed(TlxOpenDlgForm* Form, bool Ok) {
        (void)Form;
        (void)Ok;
    }
    // The client size used while DialogWidth or DialogHeight is below 1.
    virtual TSize DefaultClientSize() const { return {450, 290}; }
    // The folder to open in: FileName's folder, else InitialDir, whichever
    // is given, at its nearest existing ancestor; home otherwise.
    std::string StartFolder() const;

    bool FSaveMode = false;

private:
    bool FShowHiddenFiles = false;
    bool FToolButtonsTransparent = false;
    bool FOverwritePromt = false;
    std::string FDefaultExt;
    int FDialogWidth = 0;
    int FDialogHeight = 0;
    int FDialogMinWidth = 0;
    int FDialogMinHeight = 0;
    bool FCheckFileExists = true;
    bool FMultiSelection = false;
    bool FAlphaBlend = false;
    Byte FAlphaBlendValue = 225;
    bool FAlphaBlendAnimation = false;
    bool FCtrlAlphaBlend = false;
    Byte FCtrlAlphaBlendValue = 225;
    bool FCtrlAlphaBlendAnimation = false;
    std::string FLVHeaderSkinDataName = "resizebutton";
    TComponentRef<TlxSkinData> FSkinData{this};
    TComponentRef<TlxSkinData> FCtrlSkinData{this};
    TFont FDefaultFont;
    std::string FTitle = "Open file";
    std::string FInitialDir;
    std::string FFilter = "All files|*.*";
    int FFilterIndex = 1;
    std::string FFileName;
    TStringList FFiles;
    TViewStyle FListViewStyle = vsList;
    TlxOpenDlgForm* FForm = nullptr;
};
