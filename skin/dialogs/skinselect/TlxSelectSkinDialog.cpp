#include "skin/dialogs/skinselect/TlxSelectSkinDialog.h"

#include "platform/vcl/TApplication.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCustomListBox.h"
#include "skin/dialogs/skinselect/TlxSelectSkinDlgForm.h"
#include "skin/engine/SkinData.h"
#include "skin/windows/TlxLumivex.h"

#include <algorithm>

namespace {

constexpr int DialogClientWidth = 420;
constexpr int DialogClientHeight = 240;

} // namespace

TlxSelectSkinDialog::TlxSelectSkinDialog(TComponent* AOwner) : TComponent(AOwner) {
    FDefaultFont.SetName("Arial");
    FDefaultFont.SetHeight(14);
    FDefaultFont.SetStyle({});
}

template <class F> bool TlxSelectSkinDialog::Run(TlxSelectSkinDlgForm* Form, F OnOk) {
    FDlgFrm = Form;
    auto finish = [&] {
        FDlgFrm = nullptr;
        Form->Free();
    };
    bool ok = false;
    try {
        Form->SetCaption(FTitle);
        TlxSkinData* ctrlSD = FCtrlSkinData.Get();
        TlxLumivex* lvx = Form->LVX;
        lvx->SetBorderIcons({});
        lvx->SetSkinData(FSkinData.Get());
        lvx->SetMenusSkinData(ctrlSD);
        lvx->SetAlphaBlend(FAlphaBlend);
        lvx->SetAlphaBlendAnimation(FAlphaBlendAnimation);
        lvx->SetAlphaBlendValue(FAlphaBlendValue);
        for (TlxSkinButton* b : {Form->OpenButton, Form->CancelButton}) {
            b->SetDefaultFont(FDefaultFont);
            b->SetSkinData(ctrlSD);
        }
        Form->SkinsListBox->SetDefaultFont(FDefaultFont);
        Form->SkinsListBox->SetSkinData(ctrlSD);
        // At least the frame skin's minimum size.
        const bool skinned = FSkinData && !FSkinData->Empty;
        Form->SetClientWidth(skinned ? std::max(DialogClientWidth, lvx->GetMinWidth()) : DialogClientWidth);
        Form->SetClientHeight(skinned ? std::max(DialogClientHeight, lvx->GetMinHeight())
                                      : DialogClientHeight);
        ok = Form->ShowModal() == mrOk;
        if (ok) OnOk();
    } catch (...) {
        finish();
        throw;
    }
    finish();
    return ok;
}

bool TlxSelectSkinDialog::Execute(int SkinIndex) {
    if (!FSkinList) return false;
    auto* form =
        TlxSelectSkinDlgForm::CreateEx2(Application, FSkinList.Get(), SkinIndex, FCtrlSkinData.Get());
    FSelectedSkin = nullptr;
    FSelectedSkinIndex = -1;
    return Run(form, [&] { FSelectedSkinIndex = form->PreviewSkinData->SkinIndex(); });
}

bool TlxSelectSkinDialog::Execute(TlxCompressedStoredSkin* DefaultCompressedSkin) {
    auto* form =
        TlxSelectSkinDlgForm::CreateEx(Application, Owner(), DefaultCompressedSkin, FCtrlSkinData.Get());
    FSelectedSkin = nullptr;
    return Run(form, [&] { FSelectedSkin = form->GetSelectedSkin(); });
}
