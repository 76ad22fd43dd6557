#include "skin/dialogs/filectrl/TlxSkinFilterComboBox.h"

#include "skin/dialogs/filectrl/TlxSkinFileListBox.h"

TlxSkinFilterComboBox::TlxSkinFilterComboBox(TComponent* AOwner) : TlxSkinComboBox(AOwner) {
    FillFilterList();
}

void TlxSkinFilterComboBox::SetFilter(const std::string& Value) {
    if (Value == Filter()) return;
    FFilterList.SetFilter(Value);
    TKeepAlive alive(this);
    FillFilterList();
    if (FreePending()) return;
    Change();
}

void TlxSkinFilterComboBox::FillFilterList() {
    TKeepAlive alive(this);
    Items()->BeginUpdate();
    Items()->Clear();
    for (const std::string& d : FFilterList.Descriptions())
        Items()->Add(d);
    Items()->EndUpdate();
    // Selecting the first entry raises the base's events only once the list
    // is whole, and only outside construction.
    if (FFilterList.Count() > 0) SetItemIndex(0);
}

std::string TlxSkinFilterComboBox::Mask() {
    if (ItemIndex() < 0 && Items()->Count() > 0) SetItemIndex(Items()->Count() - 1);
    FFilterList.SetItemIndex(ItemIndex());
    return FFilterList.Mask();
}

void TlxSkinFilterComboBox::SetFileList(TlxSkinFileListBox* Value) {
    if (FFileList.Get() == Value) return;
    if (FFileList) FFileList->FFilterCombo.Set(nullptr);
    FFileList.Set(Value);
    if (Value) {
        if (Value->FFilterCombo && Value->FFilterCombo.Get() != this)
            Value->FFilterCombo->FFileList.Set(nullptr);
        Value->FFilterCombo.Set(this);
    }
}

void TlxSkinFilterComboBox::Change() {
    TKeepAlive alive(this);
    if (FFileList) FFileList->SetMask(Mask());
    if (FreePending()) return;
    TlxSkinComboBox::Change();
}
