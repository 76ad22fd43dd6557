#include "app/startup/TForm5.h"

#include "app/ProgramSkin.h"
#include "app/settings/ProgramSettings.h"
#include "app/settings/TSettings.h"
#include "platform/vcl/TClassRegistry.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCheckRadioBox.h"
#include "skin/controls/TlxSkinCustomComboBox.h"

namespace {

// Checks the button at Index (none for -1); checking one unchecks its group.
template <size_t N> void CheckOne(const std::array<TlxSkinCheckRadioBox*, N>& Group, int Index) {
    for (size_t i = 0; i < N; ++i)
        if (Group[i]) Group[i]->SetChecked(static_cast<int>(i) == Index);
}

// The index of the checked button; -1 when none is.
template <size_t N> int CheckedIndex(const std::array<TlxSkinCheckRadioBox*, N>& Group) {
    for (size_t i = 0; i < N; ++i)
        if (Group[i] && Group[i]->Checked()) return static_cast<int>(i);
    return -1;
}

} // namespace

std::array<TlxSkinCheckRadioBox*, 4> TForm5::AfterDoneGroup() const {
    return {lxSkinCheckRadioBox1, lxSkinCheckRadioBox2, lxSkinCheckRadioBox4, lxSkinCheckRadioBox5};
}

std::array<TlxSkinCheckRadioBox*, 2> TForm5::OverwriteGroup() const {
    return {lxSkinCheckRadioBox3, lxSkinCheckRadioBox6};
}

std::array<TlxSkinCheckRadioBox*, 4> TForm5::PriorityGroup() const {
    return {lxSkinCheckRadioBox9, lxSkinCheckRadioBox10, lxSkinCheckRadioBox11, lxSkinCheckRadioBox12};
}

void TForm5::FormCreate(TObject* Sender) {
    if (!lxLumivex1) lxLumivex1 = AddDialogFormSkinning(this);
    Button1Click(Sender);
}

void TForm5::FormShow(TObject*) {
    ShowOptions(ProgramSettings().Options());
}

void TForm5::Button1Click(TObject*) {
    ShowOptions(ProgramSettings().ReadOptions());
}

void TForm5::Button2Click(TObject*) {
    const bool multiThread = lxSkinCheckRadioBox7 && lxSkinCheckRadioBox7->Checked();
    ProgramSettings().WriteOptions(ShownOptions(), multiThread);
}

void TForm5::lxSkinButton6Click(TObject* Sender) {
    Button2Click(Sender);
    if (FormState().Contains(fsModal))
        SetModalResult(mrOk);
    else
        Close();
}

void TForm5::lxSkinButton1Click(TObject*) {
    Close();
}

void TForm5::lxSkinCheckRadioBox7Click(TObject*) {
    if (lxSkinComboBox2 && lxSkinCheckRadioBox7) lxSkinComboBox2->SetEnabled(lxSkinCheckRadioBox7->Checked());
}

TConversionOptions TForm5::ShownOptions() const {
    TConversionOptions options;
    options.ThreadCount = lxSkinComboBox2 ? lxSkinComboBox2->ItemIndex() + 1 : 0;
    options.AfterDone = CheckedIndex(AfterDoneGroup());
    options.ShowPreview = lxSkinCheckRadioBox8 && lxSkinCheckRadioBox8->Checked();
    options.ThreadPriority = CheckedIndex(PriorityGroup());
    options.OverwriteFile = CheckedIndex(OverwriteGroup());
    return options;
}

void TForm5::ShowOptions(const TConversionOptions& Options) {
    CheckOne(AfterDoneGroup(), Options.AfterDone);
    CheckOne(OverwriteGroup(), Options.OverwriteFile);
    CheckOne(PriorityGroup(), Options.ThreadPriority);
    if (lxSkinComboBox2 && Options.ThreadCount >= 1 &&
        Options.ThreadCount <= lxSkinComboBox2->Items()->Count())
        lxSkinComboBox2->SetItemIndex(Options.ThreadCount - 1);
    if (lxSkinCheckRadioBox8) lxSkinCheckRadioBox8->SetChecked(Options.ShowPreview);
}

void RegisterOptionsFormClass() {
    RegisterClass<TForm5>("TForm5", "TForm")
        .Field("lxSkinCheckRadioBox1", &TForm5::lxSkinCheckRadioBox1)
        .Field("lxSkinCheckRadioBox2", &TForm5::lxSkinCheckRadioBox2)
        .Field("lxSkinCheckRadioBox3", &TForm5::lxSkinCheckRadioBox3)
        .Field("lxSkinCheckRadioBox4", &TForm5::lxSkinCheckRadioBox4)
        .Field("lxSkinCheckRadioBox5", &TForm5::lxSkinCheckRadioBox5)
        .Field("lxSkinCheckRadioBox6", &TForm5::lxSkinCheckRadioBox6)
        .Field("lxSkinCheckRadioBox7", &TForm5::lxSkinCheckRadioBox7)
        .Field("lxSkinCheckRadioBox8", &TForm5::lxSkinCheckRadioBox8)
        .Field("lxSkinCheckRadioBox9", &TForm5::lxSkinCheckRadioBox9)
        .Field("lxSkinCheckRadioBox10", &TForm5::lxSkinCheckRadioBox10)
        .Field("lxSkinCheckRadioBox11", &TForm5::lxSkinCheckRadioBox11)
        .Field("lxSkinCheckRadioBox12", &TForm5::lxSkinCheckRadioBox12)
        .Field("lxSkinComboBox2", &TForm5::lxSkinComboBox2)
        .Field("lxSkinButton6", &TForm5::lxSkinButton6)
        .Field("lxSkinButton1", &TForm5::lxSkinButton1)
        .Handler("FormCreate", &TForm5::FormCreate)
        .Handler("FormShow", &TForm5::FormShow)
        .Handler("lxSkinButton6Click", &TForm5::lxSkinButton6Click)
        .Handler("lxSkinButton1Click", &TForm5::lxSkinButton1Click)
        .Handler("lxSkinCheckRadioBox7Click", &TForm5::lxSkinCheckRadioBox7Click);
}
