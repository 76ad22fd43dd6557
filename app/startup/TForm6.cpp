#include "app/startup/TForm6.h"

#include "app/ProgramSkin.h"
#include "app/settingsform/TSettingsFormModel.h"
#include "app/startup/TComboBoxParameterView.h"
#include "platform/vcl/TClassRegistry.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCustomComboBox.h"
#include "skin/controls/TlxSkinCustomOfficeComboBox.h"
#include "skin/controls/TlxSkinOfficeItem.h"

TForm6::TForm6(TComponent* AOwner) : TForm(AOwner) {}

TForm6::~TForm6() = default;

void TForm6::FormCreate(TObject*) {
    ++FCreateRuns;
    if (!lxLumivex1) lxLumivex1 = AddDialogFormSkinning(this);
    if (FModel) return;
    const std::array<TlxSkinComboBox*, ParameterBoxCount> boxes = {lxSkinComboBox1,  lxSkinComboBox2,
                                                                   lxSkinComboBox9,  lxSkinComboBox3,
                                                                   lxSkinComboBox10, lxSkinComboBox4};
    TParameterBoxViews views{};
    for (size_t i = 0; i < boxes.size(); ++i) {
        if (!boxes[i]) throw Exception("The settings form lacks one of its six parameter boxes.");
        FViews[i] = std::make_unique<TComboBoxParameterView>(*boxes[i]);
        views[i] = FViews[i].get();
    }
    FModel = std::make_unique<TSettingsFormModel>(views, FMain);
    FModel->FormCreate();
    ShowCatalogue();
}

void TForm6::ShowCatalogue() {
    auto show = [](TlxSkinOfficeComboBox* box, const TOfficeComboBoxModel& model) {
        if (!box) return;
        TlxSkinOfficeItems* items = box->Items();
        items->Clear();
        for (const TOfficeItem& from : model.Items()) {
            TlxSkinOfficeItem* item = items->Add();
            item->SetTitle(from.Title);
            item->SetCaption(from.Caption);
            item->SetImageIndex(from.ImageIndex);
        }
        // Selecting fires the box's events, which nothing here is bound to.
        box->SetItemIndex(model.ItemIndex());
    };
    TSettingsFormModel& model = *FModel;
    show(lxSkinOfficeComboBox2, model.CategoryBox());
    show(lxSkinOfficeComboBox1, model.ProfileBox());
}

void TForm6::lxSkinButton2Click(TObject*) {
    Close();
}

void TForm6::lxSkinButton3Click(TObject*) {
    Close();
}

void RegisterSettingsFormClass() {
    RegisterClass<TForm6>("TForm6", "TForm")
        .Field("lxSkinOfficeComboBox2", &TForm6::lxSkinOfficeComboBox2)
        .Field("lxSkinOfficeComboBox1", &TForm6::lxSkinOfficeComboBox1)
        .Field("lxSkinComboBox1", &TForm6::lxSkinComboBox1)
        .Field("lxSkinComboBox2", &TForm6::lxSkinComboBox2)
        .Field("lxSkinComboBox3", &TForm6::lxSkinComboBox3)
        .Field("lxSkinComboBox4", &TForm6::lxSkinComboBox4)
        .Field("lxSkinComboBox9", &TForm6::lxSkinComboBox9)
        .Field("lxSkinComboBox10", &TForm6::lxSkinComboBox10)
        .Field("lxSkinButton2", &TForm6::lxSkinButton2)
        .Field("lxSkinButton3", &TForm6::lxSkinButton3)
        .Handler("FormCreate", &TForm6::FormCreate)
        .Handler("lxSkinButton2Click", &TForm6::lxSkinButton2Click)
        .Handler("lxSkinButton3Click", &TForm6::lxSkinButton3Click);
}
