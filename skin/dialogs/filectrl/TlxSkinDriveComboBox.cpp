#include "skin/dialogs/filectrl/TlxSkinDriveComboBox.h"

#include "platform/base/SysUtils.h"
#include "platform/gdi/TCanvas.h"
#include "skin/controls/TlxPopupListBox.h"
#include "skin/dialogs/filectrl/FileCtrlGlyphs.h"
#include "skin/dialogs/filectrl/FilePaths.h"
#include "skin/dialogs/filectrl/TlxSkinDirectoryListBox.h"

TlxSkinDriveComboBox::TlxSkinDriveComboBox(TComponent* AOwner) : TlxSkinComboBox(AOwner) {
    const auto draw = [this](TCanvas* C, int Index, int W, int H, const TRect& R, TOwnerDrawState S) {
        DrawDriveItem(C, Index, W, H, R, S);
    };
    OnComboBoxDrawItem = draw;
    ListBox()->OnDrawItem = draw;
    LoadFileCtrlGlyph("LX_FLOPPY", FloppyBMP);
    LoadFileCtrlGlyph("LX_HARD", FixedBMP);
    LoadFileCtrlGlyph("LX_NETWORK", NetworkBMP);
    LoadFileCtrlGlyph("LX_CDROM", CDROMBMP);
    LoadFileCtrlGlyph("LX_RAM", RAMBMP);
    for (TBitmap* b : {&FloppyBMP, &FixedBMP, &NetworkBMP, &CDROMBMP, &RAMBMP})
        b->SetTransparent(true);
    FRoots = SystemDriveRoots();
    FDrive = RootOfPath(FRoots, HomeFolder());
    FillDriveList();
    SelectDrive();
}

std::string TlxSkinDriveComboBox::RootCaption(const TDriveRoot& R) const {
    return FTextCase == tcUpperCase ? UpperCase(R.Label) : LowerCase(R.Label);
}

void TlxSkinDriveComboBox::FillDriveList() {
    Items()->BeginUpdate();
    Items()->Clear();
    for (const TDriveRoot& r : FRoots)
        Items()->Add(RootCaption(r));
    Items()->EndUpdate();
}

const TBitmap* TlxSkinDriveComboBox::ItemGlyph(int Index) const {
    if (Index < 0 || Index >= static_cast<int>(FRoots.size())) return nullptr;
    switch (FRoots[Index].Kind) {
    case vkRemovable:
        return &FloppyBMP;
    case vkOptical:
        return &CDROMBMP;
    case vkNetwork:
        return &NetworkBMP;
    default:
        return &FixedBMP;
    }
}

void TlxSkinDriveComboBox::SelectDrive() {
    int index = -1;
    for (size_t i = 0; i < FRoots.size() && index < 0; ++i)
        if (FRoots[i].Path == FDrive) index = static_cast<int>(i);
    if (index != ItemIndex()) SetItemIndex(index);
}

void TlxSkinDriveComboBox::CreateWnd() {
    TlxSkinComboBox::CreateWnd();
    FillDriveList();
    SelectDrive();
}

void TlxSkinDriveComboBox::SetRoots(std::vector<TDriveRoot> Value) {
    FRoots = std::move(Value);
    FillDriveList();
    SelectDrive();
}

void TlxSkinDriveComboBox::SetTextCase(TTextCase Value) {
    if (Value == FTextCase) return;
    FTextCase = Value;
    FillDriveList();
    SelectDrive();
}

void TlxSkinDriveComboBox::SetDrive(const std::string& Value) {
    if (ItemIndex() >= 0 && Value == FDrive) return;
    TKeepAlive alive(this);
    FDrive = Value;
    SelectDrive();
    if (FreePending()) return;
    if (ItemIndex() < 0) FDrive.clear();
    if (FDirList) FDirList->DriveChanged(FDrive);
    if (FreePending()) return;
    TlxSkinComboBox::Change();
}

void TlxSkinDriveComboBox::Change() {
    const int index = ItemIndex();
    if (index >= 0 && index < static_cast<int>(FRoots.size())) SetDrive(FRoots[index].Path);
}

void TlxSkinDriveComboBox::SetDirList(TlxSkinDirectoryListBox* Value) {
    if (FDirList.Get() == Value) return;
    if (FDirList) FDirList->FDriveCombo.Set(nullptr);
    FDirList.Set(Value);
    if (!Value) return;
    if (Value->FDriveCombo && Value->FDriveCombo.Get() != this) Value->FDriveCombo->FDirList.Set(nullptr);
    Value->FDriveCombo.Set(this);
    SetDrive(Value->Drive());
}

void TlxSkinDriveComboBox::DrawDriveItem(TCanvas* Cnvs, int Index, int ItemWidth, int ItemHeight,
                                         const TRect& TxtRect, TOwnerDrawState State) {
    (void)ItemWidth;
    (void)ItemHeight;
    (void)State;
    if (Index < 0 || Index >= Items()->Count()) return;
    const TBitmap* glyph = ItemGlyph(Index);
    int glyphWidth = 0;
    if (glyph && !glyph->Empty()) {
        TBitmap copy(*glyph);
        copy.SetTransparent(true);
        Cnvs->Draw(TxtRect.Left, TxtRect.Top + TxtRect.Height() / 2 - copy.Height() / 2, &copy);
        glyphWidth = glyph->Width();
    }
    Cnvs->Brush()->SetStyle(bsClear);
    const std::string& text = Items()->Get(Index);
    const int textHeight = Cnvs->TextHeight("Wg");
    Cnvs->TextOut(TxtRect.Left + glyphWidth + 6, TxtRect.Top + TxtRect.Height() / 2 - textHeight / 2, text);
}
