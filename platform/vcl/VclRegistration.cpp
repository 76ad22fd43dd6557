#include "platform/vcl/VclRegistration.h"

#include "platform/base/Strings.h"
#include "platform/vcl/TClassRegistry.h"

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
}
