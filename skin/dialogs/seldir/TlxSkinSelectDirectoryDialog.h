#pragma once

#include "platform/gdi/TFont.h"
#include "platform/vcl/TComponent.h"
#include "platform/vcl/TComponentRef.h"
#include "skin/engine/SkinData.h"

#include <string>

class TlxSelDirDlgForm;

// Lets the user pick a folder in a skinned dialog built for each Execute
// (TlxSelDirDlgForm). It opens on Directory when that is an existing
// folder, on its nearest existing ancestor when it is not, on home for a
// path that is not absolute, and on the computer when Directory is empty.
// OK sets Directory to the chosen folder; Cancel leaves it. The size is
// remembered after every showing.
class TlxSkinSelectDirectoryDialog : public TComponent {
public:
    explicit TlxSkinSelectDirectoryDialog(TComponent* AOwner);

    // True when the user chose a folder with OK.
    bool Execute();
    // The dialog while it shows, else nil.
    TlxSelDirDlgForm* Form() const { return FForm; }

    // ---- Published properties
    bool ToolButtonsTransparent() const { return FToolButtonsTransparent; }
    void SetToolButtonsTransparent(bool Value) { FToolButtonsTransparent = Value; }
    // Client size; below 1 means 280.
    int DialogWidth() const { return FDialogWidth; }
    void SetDialogWidth(int Value) { FDialogWidth = Value; }
    int DialogHeight() const { return FDialogHeight; }
    void SetDialogHeight(int Value) { FDialogHeight = Value; }
    int DialogMinWidth() const { return FDialogMinWidth; }
    void SetDialogMinWidth(int Value) { FDialogMinWidth = Value; }
    int DialogMinHeight() const { return FDialogMinHeight; }
    void SetDialogMinHeight(int Value) { FDialogMinHeight = Value; }
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
    Byte AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(Byte Value) { FAlphaBlendValue = Value; }
    bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }
    TlxSkinData* SkinData() const { return FSkinData.Get(); }
    void SetSkinData(TlxSkinData* Value) { FSkinData.Set(Value); }
    TlxSkinData* CtrlSkinData() const { return FCtrlSkinData.Get(); }
    void SetCtrlSkinData(TlxSkinData* Value) { FCtrlSkinData.Set(Value); }
    TFont* DefaultFont() { return &FDefaultFont; }
    void SetDefaultFont(const TFont& Value) { FDefaultFont.Assign(Value); }
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    const std::string& Directory() const { return FDirectory; }
    void SetDirectory(const std::string& Value) { FDirectory = Value; }
    bool ShowToolBar() const { return FShowToolBar; }
    void SetShowToolBar(bool Value) { FShowToolBar = Value; }

    // Raised at the start of Execute, before the form is built.
    TNotifyEvent OnShow;
    // Raised after the form closed, before it is freed (also on an error).
    TNotifyEvent OnClose;

private:
    // Sets the form up from the properties and shows it; true on OK, with
    // Directory then the chosen folder.
    bool Show(TlxSelDirDlgForm* AForm);
    // Selects the folder to open on in the form's tree.
    void OpenOn(TlxSelDirDlgForm* Form) const;

    bool FToolButtonsTransparent = false;
    int FDialogWidth = 0;
    int FDialogHeight = 0;
    int FDialogMinWidth = 0;
    int FDialogMinHeight = 0;
    bool FAlphaBlend = false;
    Byte FAlphaBlendValue = 200;
    bool FAlphaBlendAnimation = false;
    TComponentRef<TlxSkinData> FSkinData{this};
    TComponentRef<TlxSkinData> FCtrlSkinData{this};
    TFont FDefaultFont;
    std::string FTitle = "Select folder";
    std::string FDirectory;
    bool FShowToolBar = false;
    TlxSelDirDlgForm* FForm = nullptr;
};
