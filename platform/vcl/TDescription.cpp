#include "platform/vcl/TDescription.h"

#include <utility>

TDescItem::TDescItem() = default;
TDescItem::TDescItem(const TDescItem&) = default;
TDescItem::TDescItem(TDescItem&&) noexcept = default;
TDescItem& TDescItem::operator=(const TDescItem&) = default;
TDescItem& TDescItem::operator=(TDescItem&&) noexcept = default;
TDescItem::~TDescItem() = default;

bool TDescItem::operator==(const TDescItem& Other) const {
    return Properties == Other.Properties;
}

bool TDescObject::operator==(const TDescObject& Other) const {
    return Inherited == Other.Inherited && Name == Other.Name && ClassName == Other.ClassName &&
           Properties == Other.Properties && Children == Other.Children;
}

bool TDescValue::operator==(const TDescValue& Other) const {
    if (Kind != Other.Kind) return false;
    switch (Kind) {
    case TDescValueKind::Integer:
        return Integer == Other.Integer;
    case TDescValueKind::Float:
        return Float == Other.Float;
    case TDescValueKind::String:
    case TDescValueKind::Ident:
        return Text == Other.Text;
    case TDescValueKind::Set:
        return Elements == Other.Elements;
    case TDescValueKind::List:
        return List == Other.List;
    case TDescValueKind::Collection:
        return Items == Other.Items;
    case TDescValueKind::Binary:
        return Bytes == Other.Bytes;
    }
    return false;
}

TDescValue TDescValue::OfInteger(int64_t Value) {
    TDescValue v;
    v.Kind = TDescValueKind::Integer;
    v.Integer = Value;
    return v;
}

TDescValue TDescValue::OfFloat(double Value) {
    TDescValue v;
    v.Kind = TDescValueKind::Float;
    v.Float = Value;
    return v;
}

TDescValue TDescValue::OfString(std::string Value) {
    TDescValue v;
    v.Kind = TDescValueKind::String;
    v.Text = std::move(Value);
    return v;
}

TDescValue TDescValue::OfIdent(std::string Value) {
    TDescValue v;
    v.Kind = TDescValueKind::Ident;
    v.Text = std::move(Value);
    return v;
}

TDescValue TDescValue::OfSet(std::vector<std::string> Value) {
    TDescValue v;
    v.Kind = TDescValueKind::Set;
    v.Elements = std::move(Value);
    return v;
}

TDescValue TDescValue::OfList(std::vector<TDescValue> Value) {
    TDescValue v;
    v.Kind = TDescValueKind::List;
    v.List = std::move(Value);
    return v;
}

TDescValue TDescValue::OfBinary(std::vector<uint8_t> Value) {
    TDescValue v;
    v.Kind = TDescValueKind::Binary;
    v.Bytes = std::move(Value);
    return v;
}
