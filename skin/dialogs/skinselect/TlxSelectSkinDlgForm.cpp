#include "skin/dialogs/skinselect/TlxSelectSkinDlgForm.h"

#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCustomListBox.h"
#include "skin/dialogs/message/MessageTexts.h"
#include "skin/engine/CompressedSkinList.h"
#include "skin/engine/CompressedStoredSkin.h"
#include "skin/engine/SkinData.h"
#include "skin/windows/TlxLumivex.h"

TlxSelectSkinDlgForm::TlxSelectSkinDlgForm(TComponent* AOwner, TlxCompressedSkinList* ASkinList,
                                           int ASkinIndex, TlxSkinData* ACtrlSkinData)
    : TForm(AOwner), FCSkinList(ASkinList), FCSkinIndex(ASkinIndex) {
    SetPosition(poScreenCenter);
    SetBorderStyle(bsSingle);
    // Texts from the controls' string table when there is one.
    auto text = [&](const char* Key, const char* Default) {
        return SkinResourceText(ACtrlSkinData, Key, Default);
    };

    LVX = new TlxLumivex(this);

    PreviewForm = new TForm(this);
    PreviewForm->SetBorderStyle(bsSingle);
    PreviewForm->SetParent(this);
    PreviewForm->SetCaption(text("MSG_PREVIEWSKIN", "Preview"));
    PreviewForm->SetEnabled(false);
    PreviewForm->SetBounds(190, 10, 220, 170);

    PreviewSkinData = new TlxSkinData(this);
    if (ACtrlSkinData && ACtrlSkinData->ResourceStrData())
        PreviewSkinData->SetResourceStrData(ACtrlSkinData->ResourceStrData());

    PreviewButton = new TlxSkinButton(PreviewForm);
    PreviewButton->SetParent(PreviewForm);
    PreviewButton->SetWidth(100);
    PreviewButton->SetCaption(text("MSG_PREVIEWBUTTON", "Button"));
    PreviewButton->SetLeft(20);
    PreviewButton->SetTop(20);
    PreviewButton->SetSkinData(PreviewSkinData);

    // The preview's frame looks active and follows only the preview skin.
    PreviewLVX = new TlxLumivex(PreviewForm);
    PreviewLVX->PreviewMode = true;
    PreviewLVX->SetSkinData(PreviewSkinData);

    OpenButton = new TlxSkinButton(this);
    OpenButton->SetParent(this);
    OpenButton->SetName("OpenButton");
    OpenButton->SetDefault(true);
    OpenButton->SetCaption(text("MSG_BTN_OK", "OK"));
    OpenButton->SetCanFocused(true);
    OpenButton->SetBounds(260, 200, 70, OpenButton->Height());
    OpenButton->SetDefaultHeight(25);
    OpenButton->SetModalResult(mrOk);

    CancelButton = new TlxSkinButton(this);
    CancelButton->SetParent(this);
    CancelButton->SetName("CancelButton");
    CancelButton->SetCaption(text("MSG_BTN_CANCEL", "Cancel"));
    CancelButton->SetCanFocused(true);
    CancelButton->SetBounds(340, 200, 70, CancelButton->Height());
    CancelButton->SetDefaultHeight(25);
    CancelButton->SetModalResult(mrCancel);
    CancelButton->SetCancel(true);

    SkinsListBox = new TlxSkinListBox(this);
    SkinsListBox->SetParent(this);
    SkinsListBox->SetName("SkinsListBox");
    SkinsListBox->SetBounds(10, 10, 170, 170);
    SkinsListBox->OnListBoxClick = [this](TObject* Sender) { SLBOnChange(Sender); };
    SkinsListBox->OnListBoxDblClick = [this](TObject* Sender) { SLBOnDblClick(Sender); };
}

TlxSelectSkinDlgForm* TlxSelectSkinDlgForm::CreateEx2(TComponent* AOwner, TlxCompressedSkinList* ASkinList,
                                                      int ASkinIndex, TlxSkinData* ACtrlSkinData) {
    auto* form = new TlxSelectSkinDlgForm(AOwner, ASkinList, ASkinIndex, ACtrlSkinData);
    TScopeGuard freeOnFailure([&] { form->Free(); });
    TStrings* lines = form->SkinsListBox->Items();
    const TlxSkinListItems* skins = ASkinList->Skins();
    for (int i = 0; i < skins->Count(); ++i) {
        const TlxSkinListItem* item = skins->GetItem(i);
        lines->Add(item->Description().empty() ? item->Name() : item->Description());
    }
    form->SkinsListBox->SetItemIndex(ASkinIndex);
    form->PreviewSkinData->SetSkinIndex(ASkinIndex);
    form->PreviewSkinData->SetSkinList(ASkinList);
    form->ShowPreview();
    freeOnFailure.Dismiss();
    return form;
}

TlxSelectSkinDlgForm* TlxSelectSkinDlgForm::CreateEx(TComponent* AOwner, TComponent* AForm,
                                                     TlxCompressedStoredSkin* ADefaultSkin,
                                                     TlxSkinData* ACtrlSkinData) {
    auto* form = new TlxSelectSkinDlgForm(AOwner, nullptr, -1, ACtrlSkinData);
    TScopeGuard freeOnFailure([&] { form->Free(); });
    TStrings* lines = form->SkinsListBox->Items();
    int selected = -1;
    for (int i = 0; AForm && i < AForm->ComponentCount(); ++i) {
        auto* stored = dynamic_cast<TlxCompressedStoredSkin*>(AForm->Components(i));
        if (!stored) continue;
        if (stored == ADefaultSkin) selected = static_cast<int>(form->SkinList.size());
        form->SkinList.push_back(stored);
        lines->Add(stored->Description().empty() ? stored->Name() : stored->Description());
    }
    // Without any stored skin nothing is highlighted, previewed or accepted.
    if (selected < 0 && !form->SkinList.empty()) selected = 0;
    form->OpenButton->SetEnabled(!form->SkinList.empty());
    if (selected >= 0) {
        form->SkinsListBox->SetItemIndex(selected);
        form->PreviewSkinData->SetCompressedStoredSkin(form->SkinList[selected]);
    }
    form->ShowPreview();
    freeOnFailure.Dismiss();
    return form;
}

void TlxSelectSkinDlgForm::ShowPreview() {
    PreviewForm->SetBounds(190, 10, PreviewForm->Width(), PreviewForm->Height());
    PreviewForm->Show();
}

void TlxSelectSkinDlgForm::DoShow() {
    if (TWinControl* list = SkinsListBox->ListBox(); list && list->CanFocus()) SetActiveControl(list);
    TForm::DoShow();
}

TlxCompressedStoredSkin* TlxSelectSkinDlgForm::GetSelectedSkin() const {
    return PreviewSkinData->CompressedStoredSkin();
}

void TlxSelectSkinDlgForm::SLBOnChange(TObject*) {
    const int index = SkinsListBox->ItemIndex();
    if (FCSkinList) {
        PreviewSkinData->SetSkinIndex(index);
    } else if (index >= 0 && index < static_cast<int>(SkinList.size())) {
        PreviewSkinData->SetCompressedStoredSkin(SkinList[index]);
    }
}

void TlxSelectSkinDlgForm::SLBOnDblClick(TObject*) {
    SetModalResult(mrOk);
}
