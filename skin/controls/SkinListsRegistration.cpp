#include "skin/controls/SkinListsRegistration.h"

#include "platform/vcl/TClassRegistry.h"
#include "skin/controls/TlxSkinCustomComboBox.h"
#include "skin/controls/TlxSkinCustomEdit.h"
#include "skin/controls/TlxSkinCustomListBox.h"

#include <string>

namespace {

void RegisterEdits() {
    // ButtonMode before SkinDataName: switching the mode at design time picks a name.
    RegisterClass<TlxSkinCustomEdit>("TlxSkinCustomEdit", "TCustomMaskEdit")
        .ReferenceProperty("SkinData", &TlxSkinCustomEdit::SkinData, &TlxSkinCustomEdit::SetSkinData)
        .Property("ButtonMode", &TlxSkinCustomEdit::ButtonMode, &TlxSkinCustomEdit::SetButtonMode)
        .Property("SkinDataName", &TlxSkinCustomEdit::SkinDataName, &TlxSkinCustomEdit::SetSkinDataName,
                  std::string("edit"))
        .Property("ReadOnly", &TlxSkinCustomEdit::ReadOnly, &TlxSkinCustomEdit::SetReadOnly)
        .ColorProperty("DefaultColor", &TlxSkinCustomEdit::DefaultColor, &TlxSkinCustomEdit::SetDefaultColor,
                       clWindow)
        .ObjectProperty("DefaultFont", &TlxSkinCustomEdit::DefaultFont)
        .Property("DefaultWidth", &TlxSkinCustomEdit::DefaultWidth, &TlxSkinCustomEdit::SetDefaultWidth)
        .Property("DefaultHeight", &TlxSkinCustomEdit::DefaultHeight, &TlxSkinCustomEdit::SetDefaultHeight)
        .Property("UseSkinFont", &TlxSkinCustomEdit::UseSkinFont, &TlxSkinCustomEdit::SetUseSkinFont, true)
        .Property("Alignment", &TlxSkinCustomEdit::Alignment, &TlxSkinCustomEdit::SetAlignment, taLeftJustify)
        .ReferenceProperty("Images", &TlxSkinCustomEdit::Images, &TlxSkinCustomEdit::SetImages)
        .Property("LeftImageIndex", &TlxSkinCustomEdit::LeftImageIndex, &TlxSkinCustomEdit::SetLeftImageIndex,
                  -1)
        .Property("LeftImageHotIndex", &TlxSkinCustomEdit::LeftImageHotIndex,
                  &TlxSkinCustomEdit::SetLeftImageHotIndex, -1)
        .Property("LeftImageDownIndex", &TlxSkinCustomEdit::LeftImageDownIndex,
                  &TlxSkinCustomEdit::SetLeftImageDownIndex, -1)
        .Property("RightImageIndex", &TlxSkinCustomEdit::RightImageIndex,
                  &TlxSkinCustomEdit::SetRightImageIndex, -1)
        .Property("RightImageHotIndex", &TlxSkinCustomEdit::RightImageHotIndex,
                  &TlxSkinCustomEdit::SetRightImageHotIndex, -1)
        .Property("RightImageDownIndex", &TlxSkinCustomEdit::RightImageDownIndex,
                  &TlxSkinCustomEdit::SetRightImageDownIndex, -1)
        .EventProperty("OnButtonClick", &TlxSkinCustomEdit::OnButtonClick)
        .EventProperty("OnLeftButtonClick", &TlxSkinCustomEdit::OnLeftButtonClick)
        .EventProperty("OnRightButtonClick", &TlxSkinCustomEdit::OnRightButtonClick)
        .EventProperty("OnMouseEnter", &TlxSkinCustomEdit::OnMouseEnter)
        .EventProperty("OnMouseLeave", &TlxSkinCustomEdit::OnMouseLeave);
    RegisterClass<TlxSkinEdit>("TlxSkinEdit", "TlxSkinCustomEdit");
}

void RegisterListBoxes() {
    using L = TlxSkinCustomListBox;
    // The items before ItemIndex, which selects among them.
    RegisterClass<L>("TlxSkinCustomListBox", "TlxSkinCustomControl")
        .Property("SkinDataName", &L::SkinDataName, &L::SetSkinDataName, std::string("listbox"))
        .Property("ShowCaptionButtons", &L::ShowCaptionButtons, &L::SetShowCaptionButtons, true)
        .Property("UseSkinItemHeight", &L::UseSkinItemHeight, &L::SetUseSkinItemHeight, true)
        .Property("HorizontalExtent", &L::HorizontalExtent, &L::SetHorizontalExtent)
        .Property("DefaultItemHeight", &L::DefaultItemHeight, &L::SetDefaultItemHeight, 20)
        .Property("DefaultCaptionHeight", &L::DefaultCaptionHeight, &L::SetDefaultCaptionHeight, 20)
        .ObjectProperty("DefaultCaptionFont", &L::DefaultCaptionFont)
        .Property("CaptionMode", &L::CaptionMode, &L::SetCaptionMode)
        .Property("Alignment", &L::Alignment, &L::SetAlignment, taLeftJustify)
        .ObjectProperty("Glyph", &L::Glyph)
        .Property("NumGlyphs", &L::NumGlyphs, &L::SetNumGlyphs, 1)
        .Property("Spacing", &L::Spacing, &L::SetSpacing, 2)
        .ReferenceProperty("Images", &L::Images, &L::SetImages)
        .Property("ImageIndex", &L::ImageIndex, &L::SetImageIndex, -1)
        .ObjectProperty("TabWidths", &L::TabWidths)
        .Property("MultiSelect", &L::MultiSelect, &L::SetMultiSelect)
        .Property("ExtandedSelect", &L::ExtandedSelect, &L::SetExtandedSelect, true)
        .Property("Sorted", &L::Sorted, &L::SetSorted)
        .Property("Columns", &L::Columns, &L::SetColumns)
        .ObjectProperty("Items", &L::Items)
        .Property("ItemIndex", &L::ItemIndex, &L::SetItemIndex, -1)
        .Property("RowCount", &L::RowCount, &L::SetRowCount)
        .EventProperty("OnUpButtonClick", &L::OnUpButtonClick)
        .EventProperty("OnDownButtonClick", &L::OnDownButtonClick)
        .EventProperty("OnCheckButtonClick", &L::OnCheckButtonClick)
        .EventProperty("OnListBoxClick", &L::OnListBoxClick)
        .EventProperty("OnListBoxDblClick", &L::OnListBoxDblClick);
    RegisterClass<TlxSkinListBox>("TlxSkinListBox", "TlxSkinCustomListBox");
}

void RegisterComboBoxes() {
    using C = TlxSkinCustomComboBox;
    RegisterEnum<TlxSkinCustomComboBoxStyle>(
        {{lxcbEditStyle, "lxcbEditStyle"}, {lxcbFixedStyle, "lxcbFixedStyle"}});
    // The items before ItemIndex; ToolButtonStyle before Style and
    // UseSkinSize, which it sets.
    RegisterClass<C>("TlxSkinCustomComboBox", "TlxSkinCustomControl")
        .Property("SkinDataName", &C::SkinDataName, &C::SetSkinDataName, std::string("combobox"))
        .Property("TabStop", &C::TabStop, &C::SetTabStop, true)
        .Property("ToolButtonStyle", &C::ToolButtonStyle, &C::SetToolButtonStyle)
        .Property("Style", &C::Style, &C::SetStyle, lxcbFixedStyle)
        .Property("UseSkinSize", &C::UseSkinSize, &C::SetUseSkinSize, true)
        .Property("DropDownCount", &C::DropDownCount, &C::SetDropDownCount, 8)
        .Property("ListBoxWidth", &C::ListBoxWidth, &C::SetListBoxWidth)
        .Property("AutoComplete", &C::AutoComplete, &C::SetAutoComplete, true)
        .Property("HideSelection", &C::HideSelection, &C::SetHideSelection, true)
        .Property("CharCase", &C::CharCase, &C::SetCharCase, ecNormal)
        .ColorProperty("DefaultColor", &C::DefaultColor, &C::SetDefaultColor, clWindow)
        .Property("AlphaBlend", &C::AlphaBlend, &C::SetAlphaBlend)
        .Property("AlphaBlendValue", &C::AlphaBlendValue, &C::SetAlphaBlendValue)
        .Property("AlphaBlendAnimation", &C::AlphaBlendAnimation, &C::SetAlphaBlendAnimation)
        .ReferenceProperty("Images", &C::Images, &C::SetImages)
        .Property("ImageIndex", &C::ImageIndex, &C::SetImageIndex, -1)
        .ObjectProperty("TabWidths", &C::TabWidths)
        .Property("HorizontalExtent", &C::HorizontalExtent, &C::SetHorizontalExtent)
        .Property("Sorted", &C::Sorted, &C::SetSorted)
        .Property("ListBoxCaption", &C::ListBoxCaption, &C::SetListBoxCaption)
        .Property("ListBoxCaptionMode", &C::ListBoxCaptionMode, &C::SetListBoxCaptionMode)
        .Property("ListBoxCaptionAlignment", &C::ListBoxCaptionAlignment, &C::SetListBoxCaptionAlignment,
                  taLeftJustify)
        .ObjectProperty("ListBoxDefaultFont", &C::ListBoxDefaultFont)
        .ObjectProperty("ListBoxDefaultCaptionFont", &C::ListBoxDefaultCaptionFont)
        .Property("ListBoxDefaultItemHeight", &C::ListBoxDefaultItemHeight, &C::SetListBoxDefaultItemHeight,
                  20)
        .Property("ListBoxUseSkinFont", &C::ListBoxUseSkinFont, &C::SetListBoxUseSkinFont, true)
        .Property("ListBoxUseSkinItemHeight", &C::ListBoxUseSkinItemHeight, &C::SetListBoxUseSkinItemHeight,
                  true)
        .ObjectProperty("Items", &C::Items)
        .Property("ItemIndex", &C::ItemIndex, &C::SetItemIndex, -1)
        .EventProperty("OnChange", &C::OnChange)
        .EventProperty("OnCloseUp", &C::OnCloseUp)
        .EventProperty("OnDropDown", &C::OnDropDown);
    RegisterClass<TlxSkinComboBox>("TlxSkinComboBox", "TlxSkinCustomComboBox");
}

} // namespace

void RegisterSkinListClasses() {
    RegisterEdits();
    RegisterListBoxes();
    RegisterComboBoxes();
}
