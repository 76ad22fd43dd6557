// The main window's skin command: the skin selection dialog over the
// program's skins, the choice applied to the window and every skinned control
// on it, and the skin index kept in the settings.

#include "app/ProgramSkin.h"
#include "app/TForm1.h"
#include "resources/skins/EmbeddedSkinList.h"
#include "skin/dialogs/skinselect/TlxSelectSkinDialog.h"
#include "skin/engine/CompressedSkinList.h"
#include "skin/engine/SkinData.h"

void TForm1::PrepareSkins() {
    if (lxSkinData1) return;
    lxCompressedSkinList1 = new TlxCompressedSkinList(this);
    LoadEmbeddedSkinList(*lxCompressedSkinList1);
    lxSkinData1 = new TlxSkinData(this);
    lxSelectSkinDialog1 = new TlxSelectSkinDialog(this);
    lxSelectSkinDialog1->SetSkinList(lxCompressedSkinList1);
    lxSelectSkinDialog1->SetTitle("选择皮肤");
}

void TForm1::ApplySkin(int ASkinIndex) {
    PrepareSkins();
    lxSkinData1->SetSkinList(lxCompressedSkinList1);
    lxSkinData1->SetSkinIndex(ASkinIndex);
    // The forms on the skin followed its announcement; every other form of
    // the program (this one at the first skin, forms made since) joins now.
    if (!lxSkinData1->Empty) ApplyProgramSkin(lxSkinData1);
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
