#pragma once

#include "platform/gdi/TFont.h"
#include "platform/vcl/TComponent.h"
#include "platform/vcl/TComponentRef.h"
#include "skin/engine/CompressedSkinList.h"
#include "skin/engine/SkinData.h"

#include <string>

class TlxCompressedStoredSkin;
class TlxSelectSkinDlgForm;

// Lets the user pick a skin while a small preview shows the highlighted one
// live. With a SkinList it offers the list's items and returns the chosen
// index; otherwise it offers the stored skins its owner form holds and
// returns the chosen one. Each Execute builds the dialog, shows it modally
// and frees it. The dialog never changes any skin data object but its own
// preview's: the caller applies the choice.
class TlxSelectSkinDialog : public TComponent {
public:
    explicit TlxSelectSkinDialog(TComponent* AOwner);

    // List mode: true on OK, with SelectedSkinIndex the chosen item; false
    // at once without a SkinList.
    bool Execute(int SkinIndex);
    // Stored-skin mode: true on OK, with SelectedSkin the chosen skin.
    bool Execute(TlxCompressedStoredSkin* DefaultCompressedSkin);

    int SelectedSkinIndex() const { return FSelectedSkinIndex; }
    TlxCompressedStoredSkin* SelectedSkin() const { return FSelectedSkin; }
    // The dialog while it shows, else nil.
    TlxSelectSkinDlgForm* DlgFrm() const { return FDlgFrm; }

    // ---- Published properties
    TlxCompressedSkinList* SkinList() const { return FSkinList.Get(); }
    void SetSkinList(TlxCompressedSkinList* Value) { FSkinList.Set(Value); }
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

private:
    // Sets the dialog up from the properties, shows it and frees it on
    // every path; true on OK, after OnOk ran.
    template <class F> bool Run(TlxSelectSkinDlgForm* Form, F OnOk);

    TComponentRef<TlxCompressedSkinList> FSkinList{this};
    bool FAlphaBlend = false;
    Byte FAlphaBlendValue = 200;
    bool FAlphaBlendAnimation = false;
    TComponentRef<TlxSkinData> FSkinData{this};
    TComponentRef<TlxSkinData> FCtrlSkinData{this};
    TFont FDefaultFont;
    std::string FTitle = "Select skin";
    int FSelectedSkinIndex = -1;
    TlxCompressedStoredSkin* FSelectedSkin = nullptr;
    TlxSelectSkinDlgForm* FDlgFrm = nullptr;
};
