#include "platform/vcl/VclRegistration.h"

#include "platform/base/Strings.h"
#include "platform/vcl/TClassRegistry.h"
#include "platform/vcl/TImageList.h"
#include "platform/vcl/TMenu.h"

void RegisterVclClasses() {
    RegisterClass<TPersistent>("TPersistent");
    RegisterClass<TComponent>("TComponent", "TPersistent").Property("Tag", &TComponent::Tag, &TComponent::SetTag);
    RegisterClass<TCollectionItem>("TCollectionItem", "TPersistent");
    // String lists appear in descriptions as "Items.Strings = ( ... )".
    RegisterClass<TStrings>("TStrings")
        .CustomProperty(
            "Strings",
            [](TStrings* s) {
                std::vector<std::string> lines;
                for (int i = 0; i < s->Count(); ++i) lines.push_back(s->Get(i));
                return DescConvert::ToDesc(lines);
            },
            [](TStrings* s, const TDescValue& v) {
                auto lines = DescConvert::FromDesc<std::vector<std::string>>(v);
                s->BeginUpdate();
                s->Clear();
                for (const std::string& line : lines) s->Add(line);
                s->EndUpdate();
            },
            TDescValue::OfList({}));

    RegisterClass<TCustomImageList>("TCustomImageList", "TComponent")
        .Property("Width", &TCustomImageList::Width, &TCustomImageList::SetWidth, 16)
        .Property("Height", &TCustomImageList::Height, &TCustomImageList::SetHeight, 16)
        .ColorProperty("BkColor", &TCustomImageList::BkColor, &TCustomImageList::SetBkColor, clNone);
    RegisterClass<TImageList>("TImageList", "TCustomImageList");

    RegisterClass<TMenuItem>("TMenuItem", "TComponent")
        .Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
        .Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
        .Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true)
        .Property("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex)
        .Property("Hint", &TMenuItem::Hint, &TMenuItem::SetHint)
        .Property("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex, -1)
        .Property("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem)
        .Property("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut)
        .Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible, true)
        .EventProperty("OnClick", &TMenuItem::OnClick);
    RegisterClass<TMenu>("TMenu", "TComponent").ReferenceProperty("Images", &TMenu::Images, &TMenu::SetImages);
    RegisterClass<TMainMenu>("TMainMenu", "TMenu");
    RegisterClass<TPopupMenu>("TPopupMenu", "TMenu")
        .Property("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup, true)
        .EventProperty("OnPopup", &TPopupMenu::OnPopup);
}
