#include "skin/controls/SkinOfficeRegistration.h"

#include "platform/base/MemoryStream.h"
#include "platform/vcl/TClassRegistry.h"
#include "skin/controls/TlxSkinCustomOfficeComboBox.h"
#include "skin/controls/TlxSkinCustomSlider.h"
#include "skin/controls/TlxSkinLinkImage.h"
#include "skin/controls/TlxSkinLinkLabel.h"
#include "skin/controls/TlxSkinOfficeListBox.h"

#include <string>

namespace {

// A slider picture travels as the bytes of a BMP file, and only when the
// application supplied it (its bit in UserImages).
TClassBuilder<TlxSkinSlider>& SliderImage(TClassBuilder<TlxSkinSlider>& B, const std::string& Name,
                                          TlxSliderImage Which) {
    return B.CustomProperty(
        Name,
        [Which](TlxSkinSlider* s) {
            if (!s->UserImages().Contains(Which)) return TDescValue::OfBinary({});
            TBitmap* image = Which == siHThumb   ? s->ImageHThumb()
                             : Which == siHRuler ? s->ImageHRuler()
                             : Which == siVThumb ? s->ImageVThumb()
                                                 : s->ImageVRuler();
            TMemoryStream m;
            image->SaveToStream(m);
            const auto* p = static_cast<const uint8_t*>(m.Memory());
            return TDescValue::OfBinary(std::vector<uint8_t>(p, p + m.Size()));
        },
        [Which](TlxSkinSlider* s, const TDescValue& v) {
            auto bytes = DescConvert::FromDesc<std::vector<uint8_t>>(v);
            if (bytes.empty()) {
                s->SetImage(Which, nullptr);
                return;
            }
            TStringStream m(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
            TBitmap image;
            image.LoadFromStream(m);
            s->SetImage(Which, &image);
        },
        TDescValue::OfBinary({}));
}

void RegisterSlider() {
    RegisterEnum<TlxSliderOrientation>({{soHorizontal, "soHorizontal"}, {soVertical, "soVertical"}});
    RegisterEnum<TlxSliderOption>({{soShowFocus, "soShowFocus"},
                                   {soShowPoints, "soShowPoints"},
                                   {soSmooth, "soSmooth"},
                                   {soRulerOpaque, "soRulerOpaque"},
                                   {soThumbOpaque, "soThumbOpaque"}});
    // The range before Value, which it bounds; the pictures before EdgeSize,
    // which must be shorter than half the ruler picture.
    auto b = RegisterClass<TlxSkinSlider>("TlxSkinSlider", "TlxSkinControl");
    b.Property("SkinDataName", &TlxSkinSlider::SkinDataName, &TlxSkinSlider::SetSkinDataName,
               std::string("slider"))
        .Property("TabStop", &TlxSkinSlider::TabStop, &TlxSkinSlider::SetTabStop, true)
        .Property("Orientation", &TlxSkinSlider::Orientation, &TlxSkinSlider::SetOrientation, soHorizontal)
        .Property("MinValue", &TlxSkinSlider::MinValue, &TlxSkinSlider::SetMinValue)
        .Property("MaxValue", &TlxSkinSlider::MaxValue, &TlxSkinSlider::SetMaxValue, 100)
        .Property("Increment", &TlxSkinSlider::Increment, &TlxSkinSlider::SetIncrement, 10)
        .Property("Value", &TlxSkinSlider::Value, &TlxSkinSlider::SetValue)
        .Property("Options", &TlxSkinSlider::Options, &TlxSkinSlider::SetOptions,
                  TlxSliderOptions{soShowFocus, soShowPoints, soSmooth})
        .CustomProperty(
            "UserImages",
            [](TlxSkinSlider* s) {
                const auto bits = static_cast<uint8_t>(s->UserImages().Bits());
                return TDescValue::OfBinary(bits ? std::vector<uint8_t>{bits} : std::vector<uint8_t>{});
            },
            [](TlxSkinSlider* s, const TDescValue& v) {
                auto bytes = DescConvert::FromDesc<std::vector<uint8_t>>(v);
                s->SetUserImages(TlxSliderImages::FromBits(bytes.empty() ? 0 : bytes[0] & 0x0F));
            },
            TDescValue::OfBinary({}));
    SliderImage(b, "ImageHThumb", siHThumb);
    SliderImage(b, "ImageHRuler", siHRuler);
    SliderImage(b, "ImageVThumb", siVThumb);
    SliderImage(b, "ImageVRuler", siVRuler);
    b.Property("EdgeSize", &TlxSkinSlider::EdgeSize, &TlxSkinSlider::SetEdgeSize, 2)
        .Property("NumThumbStates", &TlxSkinSlider::NumThumbStates, &TlxSkinSlider::SetNumThumbStates, 2)
        .Property("UseSkinThumb", &TlxSkinSlider::UseSkinThumb, &TlxSkinSlider::SetUseSkinThumb, true)
        .Property("Transparent", &TlxSkinSlider::Transparent, &TlxSkinSlider::SetTransparent)
        .EventProperty("OnChange", &TlxSkinSlider::OnChange)
        .EventProperty("OnChanged", &TlxSkinSlider::OnChanged)
        .EventProperty("OnDrawPoints", &TlxSkinSlider::OnDrawPoints);
}

void RegisterLinks() {
    RegisterClass<TlxSkinLinkImage>("TlxSkinLinkImage", "TImage")
        .Property("URL", &TlxSkinLinkImage::URL, &TlxSkinLinkImage::SetURL);
    RegisterClass<TlxSkinLinkLabel>("TlxSkinLinkLabel", "TCustomLabel")
        .Property("Transparent", &TlxSkinLinkLabel::Transparent, &TlxSkinLinkLabel::SetTransparent, true)
        .Property("GlowEffect", &TlxSkinLinkLabel::GlowEffect, &TlxSkinLinkLabel::SetGlowEffect)
        .Property("GlowSize", &TlxSkinLinkLabel::GlowSize, &TlxSkinLinkLabel::SetGlowSize, 7)
        .ReferenceProperty("SkinData", &TlxSkinLinkLabel::SkinData, &TlxSkinLinkLabel::SetSkinData)
        .Property("SkinDataName", &TlxSkinLinkLabel::SkinDataName, &TlxSkinLinkLabel::SetSkinDataName,
                  std::string("stdlabel"))
        .ObjectProperty("DefaultFont", &TlxSkinLinkLabel::DefaultFont)
        .Property("UseSkinFont", &TlxSkinLinkLabel::UseSkinFont, &TlxSkinLinkLabel::SetUseSkinFont, true)
        .ColorProperty("DefaultActiveFontColor", &TlxSkinLinkLabel::DefaultActiveFontColor,
                       &TlxSkinLinkLabel::SetDefaultActiveFontColor, 0xFF0000)
        .Property("URL", &TlxSkinLinkLabel::URL, &TlxSkinLinkLabel::SetURL)
        .Property("UseUnderLine", &TlxSkinLinkLabel::UseUnderLine, &TlxSkinLinkLabel::SetUseUnderLine, true);
}

void RegisterOfficeList() {
    RegisterClass<TlxSkinOfficeItem>("TlxSkinOfficeItem", "TCollectionItem")
        .Property("ImageIndex", &TlxSkinOfficeItem::ImageIndex, &TlxSkinOfficeItem::SetImageIndex, -1)
        .Property("Title", &TlxSkinOfficeItem::Title, &TlxSkinOfficeItem::SetTitle)
        .Property("Caption", &TlxSkinOfficeItem::Caption, &TlxSkinOfficeItem::SetCaption)
        .Property("Enabled", &TlxSkinOfficeItem::Enabled, &TlxSkinOfficeItem::SetEnabled, true)
        .Property("Header", &TlxSkinOfficeItem::Header, &TlxSkinOfficeItem::SetHeader)
        .EventProperty("OnClick", &TlxSkinOfficeItem::OnClick);
    RegisterClass<TlxSkinOfficeItems>("TlxSkinOfficeItems", "TCollection");
    // The rows before ItemIndex, which selects one of them.
    RegisterClass<TlxSkinOfficeListBox>("TlxSkinOfficeListBox", "TlxSkinCustomControl")
        .Property("SkinDataName", &TlxSkinOfficeListBox::SkinDataName, &TlxSkinOfficeListBox::SetSkinDataName,
                  std::string("listbox"))
        .Property("MouseMoveChangeIndex", &TlxSkinOfficeListBox::MouseMoveChangeIndex,
                  &TlxSkinOfficeListBox::SetMouseMoveChangeIndex)
        .Property("ShowLines", &TlxSkinOfficeListBox::ShowLines, &TlxSkinOfficeListBox::SetShowLines)
        .ReferenceProperty("Images", &TlxSkinOfficeListBox::Images, &TlxSkinOfficeListBox::SetImages)
        .Property("ShowItemTitles", &TlxSkinOfficeListBox::ShowItemTitles,
                  &TlxSkinOfficeListBox::SetShowItemTitles, true)
        .Property("ItemHeight", &TlxSkinOfficeListBox::ItemHeight, &TlxSkinOfficeListBox::SetItemHeight, 30)
        .Property("HeaderHeight", &TlxSkinOfficeListBox::HeaderHeight, &TlxSkinOfficeListBox::SetHeaderHeight,
                  20)
        .CollectionProperty("Items", &TlxSkinOfficeListBox::Items)
        .Property("ItemIndex", &TlxSkinOfficeListBox::ItemIndex, &TlxSkinOfficeListBox::SetItemIndex, -1)
        .EventProperty("OnItemClick", &TlxSkinOfficeListBox::OnItemClick);
}

void RegisterOfficeComboBox() {
    using T = TlxSkinOfficeComboBox;
    // The popup's settings and the rows before ItemIndex.
    RegisterClass<T>("TlxSkinOfficeComboBox", "TlxSkinCustomControl")
        .Property("SkinDataName", &T::SkinDataName, &T::SetSkinDataName, std::string("combobox"))
        .Property("TabStop", &T::TabStop, &T::SetTabStop, true)
        .Property("UseSkinSize", &T::UseSkinSize, &T::SetUseSkinSize)
        .Property("ToolButtonStyle", &T::ToolButtonStyle, &T::SetToolButtonStyle)
        .Property("AlphaBlend", &T::AlphaBlend, &T::SetAlphaBlend)
        .Property("AlphaBlendValue", &T::AlphaBlendValue, &T::SetAlphaBlendValue, 255)
        .Property("AlphaBlendAnimation", &T::AlphaBlendAnimation, &T::SetAlphaBlendAnimation)
        .ObjectProperty("ListBoxDefaultFont", &T::ListBoxDefaultFont)
        .Property("ListBoxUseSkinFont", &T::ListBoxUseSkinFont, &T::SetListBoxUseSkinFont, true)
        .Property("ListBoxWidth", &T::ListBoxWidth, &T::SetListBoxWidth)
        .Property("ListBoxHeight", &T::ListBoxHeight, &T::SetListBoxHeight)
        .Property("ListBoxShowItemTitles", &T::ListBoxShowItemTitles, &T::SetListBoxShowItemTitles, true)
        .Property("ListBoxSkinDataName", &T::ListBoxSkinDataName, &T::SetListBoxSkinDataName,
                  std::string("listbox"))
        .Property("ListBoxShowLines", &T::ListBoxShowLines, &T::SetListBoxShowLines)
        .Property("ListBoxItemHeight", &T::ListBoxItemHeight, &T::SetListBoxItemHeight, 30)
        .Property("ListBoxHeaderHeight", &T::ListBoxHeaderHeight, &T::SetListBoxHeaderHeight, 20)
        .Property("HideSelection", &T::HideSelection, &T::SetHideSelection, true)
        .ReferenceProperty("Images", &T::Images, &T::SetImages)
        .Property("ShowItemTitle", &T::ShowItemTitle, &T::SetShowItemTitle, true)
        .Property("ShowItemImage", &T::ShowItemImage, &T::SetShowItemImage, true)
        .Property("ShowItemText", &T::ShowItemText, &T::SetShowItemText, true)
        .ColorProperty("DefaultColor", &T::DefaultColor, &T::SetDefaultColor, clWindow)
        .Property("DropDownCount", &T::DropDownCount, &T::SetDropDownCount, 7)
        .CollectionProperty("Items", &T::Items)
        .Property("ItemIndex", &T::ItemIndex, &T::SetItemIndex, -1)
        .EventProperty("OnDrawItem", &T::OnDrawItem)
        .EventProperty("OnChange", &T::OnChange)
        .EventProperty("OnClick", &T::OnClick)
        .EventProperty("OnCloseUp", &T::OnCloseUp)
        .EventProperty("OnDropDown", &T::OnDropDown);
}

} // namespace

void RegisterSkinOfficeClasses() {
    RegisterSlider();
    RegisterLinks();
    RegisterOfficeList();
    RegisterOfficeComboBox();
}
