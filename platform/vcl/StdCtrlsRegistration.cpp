#include "platform/vcl/StdCtrlsRegistration.h"

#include "platform/base/MemoryStream.h"
#include "platform/base/Utf8.h"
#include "platform/vcl/TBevel.h"
#include "platform/vcl/TClassRegistry.h"
#include "platform/vcl/TCustomEdit.h"
#include "platform/vcl/TCustomLabel.h"
#include "platform/vcl/TCustomListBox.h"
#include "platform/vcl/TImage.h"
#include "platform/vcl/TSplitter.h"
#include "platform/vcl/TWinControl.h"

void RegisterStdControls() {
    RegisterEnum<TAlignment>(
        {{taLeftJustify, "taLeftJustify"}, {taRightJustify, "taRightJustify"}, {taCenter, "taCenter"}});
    RegisterEnum<TTextLayout>({{tlTop, "tlTop"}, {tlCenter, "tlCenter"}, {tlBottom, "tlBottom"}});
    RegisterClass<TCustomLabel>("TCustomLabel", "TGraphicControl")
        .Property("Alignment", &TCustomLabel::Alignment, &TCustomLabel::SetAlignment)
        .Property("AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize, true)
        .ReferenceProperty("FocusControl", &TCustomLabel::FocusControl, &TCustomLabel::SetFocusControl)
        .Property("Layout", &TCustomLabel::Layout, &TCustomLabel::SetLayout)
        .Property("ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar, true)
        .Property("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent)
        .Property("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap);
    RegisterClass<TLabel>("TLabel", "TCustomLabel");

    RegisterEnum<TBevelShape>({{bsBox, "bsBox"},
                               {bsFrame, "bsFrame"},
                               {bsTopLine, "bsTopLine"},
                               {bsBottomLine, "bsBottomLine"},
                               {bsLeftLine, "bsLeftLine"},
                               {bsRightLine, "bsRightLine"},
                               {bsSpacer, "bsSpacer"}});
    RegisterEnum<TBevelStyle>({{bsLowered, "bsLowered"}, {bsRaised, "bsRaised"}});
    RegisterClass<TBevel>("TBevel", "TGraphicControl")
        .Property("Shape", &TBevel::Shape, &TBevel::SetShape)
        .Property("Style", &TBevel::Style, &TBevel::SetStyle);

    // A picture travels as the bytes of its own file format.
    RegisterClass<TPicture>("TPicture")
        .CustomProperty(
            "Data",
            [](TPicture* p) {
                TStringStream s;
                p->SaveToStream(s);
                std::string d = s.DataString();
                return TDescValue::OfBinary(std::vector<uint8_t>(d.begin(), d.end()));
            },
            [](TPicture* p, const TDescValue& v) {
                auto bytes = DescConvert::FromDesc<std::vector<uint8_t>>(v);
                if (bytes.empty()) {
                    p->Clear();
                    return;
                }
                TStringStream s(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
                p->LoadFromStream(s);
            },
            TDescValue::OfBinary({}));
    RegisterClass<TImage>("TImage", "TGraphicControl")
        .Property("Center", &TImage::Center, &TImage::SetCenter)
        .ObjectProperty("Picture", &TImage::Picture)
        .Property("Stretch", &TImage::Stretch, &TImage::SetStretch)
        .Property("Transparent", &TImage::Transparent, &TImage::SetTransparent);

    RegisterClass<TSplitter>("TSplitter", "TGraphicControl")
        .Property("Align", &TSplitter::Align, &TSplitter::SetAlign, alLeft)
        .Property("Cursor", &TSplitter::Cursor, &TSplitter::SetCursor, crSizeWE)
        .Property("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize, 30)
        .EventProperty("OnMoved", &TSplitter::OnMoved);

    RegisterEnum<TEditCharCase>(
        {{ecNormal, "ecNormal"}, {ecUpperCase, "ecUpperCase"}, {ecLowerCase, "ecLowerCase"}});
    RegisterClass<TCustomEdit>("TCustomEdit", "TWinControl")
        .Property("Alignment", &TCustomEdit::Alignment, &TCustomEdit::SetAlignment)
        .Property("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect, true)
        .Property("CharCase", &TCustomEdit::CharCase, &TCustomEdit::SetCharCase)
        .ColorProperty("Color", &TCustomEdit::Color, &TCustomEdit::SetColor, clWindow)
        .Property("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection, true)
        .Property("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength)
        .Property("ParentColor", &TCustomEdit::ParentColor, &TCustomEdit::SetParentColor, false)
        // The password character is written as a one-character string.
        .Property(
            "PasswordChar",
            [](TCustomEdit* e) {
                std::string s;
                if (e->PasswordChar()) Utf8Append(s, e->PasswordChar());
                return s;
            },
            [](TCustomEdit* e, const std::string& v) {
                std::u32string chars = Utf8Decode(v);
                if (chars.size() > 1) throw EConvertError("one character expected for PasswordChar");
                e->SetPasswordChar(chars.empty() ? 0 : chars[0]);
            })
        .Property("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly)
        .Property("TabStop", &TCustomEdit::TabStop, &TCustomEdit::SetTabStop, true)
        .Property("Text", &TCustomEdit::Text, &TCustomEdit::SetText)
        .EventProperty("OnChange", &TCustomEdit::OnChange);
    RegisterClass<TEdit>("TEdit", "TCustomEdit");
    RegisterClass<TCustomMaskEdit>("TCustomMaskEdit", "TCustomEdit")
        .Property("EditMask", &TCustomMaskEdit::EditMask, &TCustomMaskEdit::SetEditMask);
    RegisterClass<TMaskEdit>("TMaskEdit", "TCustomMaskEdit");

    RegisterEnum<TListBoxStyle>({{lbStandard, "lbStandard"}, {lbOwnerDrawFixed, "lbOwnerDrawFixed"}});
    RegisterClass<TCustomListBox>("TCustomListBox", "TCustomControl")
        .ColorProperty("Color", &TCustomListBox::Color, &TCustomListBox::SetColor, clWindow)
        .Property("Columns", &TCustomListBox::Columns, &TCustomListBox::SetColumns)
        .Property("ExtendedSelect", &TCustomListBox::ExtendedSelect, &TCustomListBox::SetExtendedSelect, true)
        .Property("ItemHeight", &TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight, 16)
        .ObjectProperty("Items", &TCustomListBox::Items)
        .Property("MultiSelect", &TCustomListBox::MultiSelect, &TCustomListBox::SetMultiSelect)
        .Property("ParentColor", &TCustomListBox::ParentColor, &TCustomListBox::SetParentColor, false)
        .Property("Sorted", &TCustomListBox::Sorted, &TCustomListBox::SetSorted)
        .Property("Style", &TCustomListBox::Style, &TCustomListBox::SetStyle)
        .Property("TabStop", &TCustomListBox::TabStop, &TCustomListBox::SetTabStop, true)
        .EventProperty("OnDrawItem", &TCustomListBox::OnDrawItem);
    RegisterClass<TListBox>("TListBox", "TCustomListBox");
}
