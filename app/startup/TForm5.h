#pragma once

#include "platform/vcl/TCustomForm.h"

#include <array>

class TlxLumivex;
class TlxSkinButton;
class TlxSkinCheckRadioBox;
class TlxSkinComboBox;
struct TConversionOptions;

// The options form ("选项"): four groups over the section "Options" of the
// settings file. The program holds these options once (ProgramSettings):
// the form shows them whenever it is shown, and its OK writes them, so the
// main window's conversion-settings page and this form never disagree.
// Cancel writes nothing. Shown modally.
class TForm5 : public TForm {
public:
    explicit TForm5(TComponent* AOwner) : TForm(AOwner) {}

    // The skinned frame, made when the form is created.
    TlxLumivex* lxLumivex1 = nullptr;
    // "转换工作完成后"
    TlxSkinCheckRadioBox* lxSkinCheckRadioBox1 = nullptr; // open the output folder
    TlxSkinCheckRadioBox* lxSkinCheckRadioBox2 = nullptr; // power off
    TlxSkinCheckRadioBox* lxSkinCheckRadioBox4 = nullptr; // play a sound
    TlxSkinCheckRadioBox* lxSkinCheckRadioBox5 = nullptr; // nothing
    // "如果输出文件存在时"
    TlxSkinCheckRadioBox* lxSkinCheckRadioBox3 = nullptr; // overwrite
    TlxSkinCheckRadioBox* lxSkinCheckRadioBox6 = nullptr; // rename
    // "转换参数"
    TlxSkinComboBox* lxSkinComboBox2 = nullptr;           // thread count "1" to "19"
    TlxSkinCheckRadioBox* lxSkinCheckRadioBox7 = nullptr; // multi-thread mode (hidden)
    TlxSkinCheckRadioBox* lxSkinCheckRadioBox8 = nullptr; // real-time preview
    // "转换时CPU利用方式"
    TlxSkinCheckRadioBox* lxSkinCheckRadioBox9 = nullptr;  // idle
    TlxSkinCheckRadioBox* lxSkinCheckRadioBox10 = nullptr; // lowest
    TlxSkinCheckRadioBox* lxSkinCheckRadioBox11 = nullptr; // lower
    TlxSkinCheckRadioBox* lxSkinCheckRadioBox12 = nullptr; // normal
    TlxSkinButton* lxSkinButton6 = nullptr;                // "确定"
    TlxSkinButton* lxSkinButton1 = nullptr;                // "取消"

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    // Reads the section "Options" (writing back the defaults of unusable values).
    void Button1Click(TObject* Sender);
    // Writes the section "Options" from the controls.
    void Button2Click(TObject* Sender);
    void lxSkinButton6Click(TObject* Sender);
    void lxSkinButton1Click(TObject* Sender);
    void lxSkinCheckRadioBox7Click(TObject* Sender);

    // The options the controls show now.
    TConversionOptions ShownOptions() const;

private:
    std::array<TlxSkinCheckRadioBox*, 4> AfterDoneGroup() const;
    std::array<TlxSkinCheckRadioBox*, 2> OverwriteGroup() const;
    std::array<TlxSkinCheckRadioBox*, 4> PriorityGroup() const;
    void ShowOptions(const TConversionOptions& Options);
};

void RegisterOptionsFormClass();
