#pragma once

#include "app/settingsform/LegacyProfileWriter.h"
#include "platform/vcl/TCustomForm.h"

#include <array>
#include <memory>

class TComboBoxParameterView;
class TlxLumivex;
class TlxSkinButton;
class TlxSkinComboBox;
class TlxSkinOfficeComboBox;
class TSettingsFormModel;

// The settings form ("设置选项"): the old catalogue's category and profile
// boxes over six parameter boxes of its own. It is created at start-up, runs
// its start-up handlers once and is never shown.
class TForm6 : public TForm {
public:
    explicit TForm6(TComponent* AOwner);
    ~TForm6() override;

    // The skinned frame, made when the form is created.
    TlxLumivex* lxLumivex1 = nullptr;
    TlxSkinOfficeComboBox* lxSkinOfficeComboBox2 = nullptr; // category
    TlxSkinOfficeComboBox* lxSkinOfficeComboBox1 = nullptr; // profile
    TlxSkinComboBox* lxSkinComboBox1 = nullptr;             // resolution
    TlxSkinComboBox* lxSkinComboBox2 = nullptr;             // video bit rate
    TlxSkinComboBox* lxSkinComboBox3 = nullptr;             // audio bit rate
    TlxSkinComboBox* lxSkinComboBox4 = nullptr;             // aspect
    TlxSkinComboBox* lxSkinComboBox9 = nullptr;             // frame rate
    TlxSkinComboBox* lxSkinComboBox10 = nullptr;            // sample rate
    TlxSkinButton* lxSkinButton2 = nullptr;                 // "确定"
    TlxSkinButton* lxSkinButton3 = nullptr;                 // "取消"

    // Gives the form its frame; fills the profile box for the first category and the six boxes for
    // its first profile (`Button2`, which selects and so runs `Button18`).
    void FormCreate(TObject* Sender);
    void lxSkinButton2Click(TObject* Sender);
    void lxSkinButton3Click(TObject* Sender);

    // The catalogue after the start-up handlers; null before.
    const TSettingsFormModel* Model() const { return FModel.get(); }
    // The fields the catalogue handlers write (`All_Trant_Number`,
    // `Video_DisableVideo`); nothing reads them.
    const TLegacyMainFields& MainFields() const { return FMain; }
    // How often the start-up handlers ran.
    int CreateRuns() const { return FCreateRuns; }

private:
    // Shows the model's category and profile lists in the two office boxes.
    void ShowCatalogue();

    TLegacyMainFields FMain;
    std::array<std::unique_ptr<TComboBoxParameterView>, 6> FViews;
    std::unique_ptr<TSettingsFormModel> FModel;
    int FCreateRuns = 0;
};

void RegisterSettingsFormClass();
