// The main window's skin command: the skin selection dialog over the
// program's skins, the choice applied to the window and every skinned control
// on it, and the skin index kept in the settings.

#include "app/ProgramSkin.h"
#include "app/TForm1.h"
#include "resources/skins/EmbeddedSkinList.h"
#include "skin/controls/TlxSkinStatusPanel.h"
#include "skin/dialogs/skinselect/TlxSelectSkinDialog.h"
#include "skin/engine/CompressedSkinList.h"
#include "skin/engine/ResourceStrData.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinListItem.h"

#include <string>

void TForm1::PrepareSkins() {
    if (lxSkinData1) return;
    lxCompressedSkinList1 = new TlxCompressedSkinList(this);
    LoadEmbeddedSkinList(*lxCompressedSkinList1);
    lxSkinData1 = new TlxSkinData(this);
    // The skin's texts (frame hints, system menu, dialog buttons) come from
    // the program's own table, so every form and dialog reads one set.
    lxResourceStrData1 = new TlxResourceStrData(this);
    lxSkinData1->SetResourceStrData(lxResourceStrData1);
    lxSelectSkinDialog1 = new TlxSelectSkinDialog(this);
    lxSelectSkinDialog1->SetSkinList(lxCompressedSkinList1);
    lxSelectSkinDialog1->SetTitle("选择皮肤");
}

bool TForm1::ApplySkin(int ASkinIndex) {
    PrepareSkins();
    if (ASkinIndex < 0 || ASkinIndex >= lxCompressedSkinList1->Skins()->Count()) {
        ShowSkinFailure("没有序号为 " + std::to_string(ASkinIndex) + " 的皮肤");
        return false;
    }
    TlxSkinData& skin = *lxSkinData1;
    const bool hadSkin = !skin.Empty;
    const int previous = skin.SkinIndex();
    if (!skin.SkinList()) {
        // The index first: with the list in place it loads only that skin.
        skin.SetSkinIndex(ASkinIndex);
        skin.SetSkinList(lxCompressedSkinList1);
    } else {
        skin.SetSkinIndex(ASkinIndex);
    }
    if (skin.Empty || skin.SkinIndex() != ASkinIndex) {
        const std::string reason = skin.LastErrMsg();
        if (!skin.Empty && skin.SkinIndex() == previous) {
            // The skin data kept the skin that was there.
        } else if (hadSkin) {
            skin.SetSkinIndex(previous); // a skin that emptied the data: the old one back
        } else {
            // Still the built-in look: back to no list, so the index names no skin.
            skin.SetSkinList(nullptr);
            skin.SetSkinIndex(previous);
        }
        ShowSkinFailure("皮肤载入失败" + (reason.empty() ? std::string() : "（" + reason + "）"));
        return false;
    }
    // The forms on the skin followed its announcement; every other form of
    // the program (this one at the first skin, forms made since) joins now.
    ApplyProgramSkin(lxSkinData1);
    return true;
}

void TForm1::ShowSkinFailure(const std::string& AWhy) {
    if (lxSkinStatusPanel1) lxSkinStatusPanel1->SetCaption(AWhy + "，仍使用当前皮肤");
}

void TForm1::Button3Click(TObject*) {
    const TSettings::TSkinSetting stored = FSettings->ReadSkinSetting();
    switch (stored.Kind) {
    case TSettings::TSkinSetting::TKind::None:
        return;
    case TSettings::TSkinSetting::TKind::Unusable:
        ShowSkinFailure("皮肤设置无效");
        return;
    case TSettings::TSkinSetting::TKind::Index:
        ApplySkin(stored.Index);
        return;
    }
}

void TForm1::N23Click(TObject*) {
    PrepareSkins();
    lxSelectSkinDialog1->SetSkinData(lxSkinData1->Empty ? nullptr : lxSkinData1);
    lxSelectSkinDialog1->SetCtrlSkinData(lxSkinData1->Empty ? nullptr : lxSkinData1);
    if (lxSelectSkinDialog1->Execute(lxSkinData1->SkinIndex()))
        ApplySkin(lxSelectSkinDialog1->SelectedSkinIndex());
    // Kept whether the user chose or cancelled.
    FSettings->WriteSkinIndex(lxSkinData1->SkinIndex());
}
