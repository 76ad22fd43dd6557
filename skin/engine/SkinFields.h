#pragma once

#include "platform/base/Color.h"
#include "platform/base/Types.h"
#include "skin/engine/SkinTypes.h"
#include "skin/engine/SkinValues.h"

#include <span>
#include <string>
#include <type_traits>
#include <vector>

class TCustomIniFile;

// The kinds of value a description field holds; each has one text form in a
// skin file (see SkinValues.h).
enum class TlxFieldType {
    Integer,
    Color,
    Boolean,
    Rect,
    Point,
    String,
    FontStyles,
    Alignment,
    MorphKind,
    StretchType,
    InActiveEffect,
    StdCommand,
};

// A default of a field: a number (integers, colours, flags, enumeration
// ordinals, style bits) or a text. Rectangles and points always default to zero.
struct TlxDefault {
    int Int = 0;
    const char* Str = "";

    constexpr TlxDefault() = default;
    constexpr TlxDefault(int value) : Int(value) {}
    constexpr TlxDefault(const char* text) : Str(text) {}
    template <typename E>
    requires std::is_enum_v<E>
    constexpr TlxDefault(E value) : Int(static_cast<int>(value)) {}
};

// One row of a class's field table: the design's field name, its key in the
// section (nullptr: the name in lower case), its kind, where it lives in an
// object of the class, the default of a missing key and the constructor value.
template <typename C> struct TlxFieldDef {
    const char* Name;
    const char* Key;
    TlxFieldType Type;
    void* (*Address)(C&);
    TlxDefault Read;
    TlxDefault Init;
};

// A table row bound to one object: what reading, writing, dumping and the
// tests walk over.
struct TlxField {
    const char* Name;
    std::string Key;
    TlxFieldType Type;
    void* Ptr;
    TlxDefault Read;
    TlxDefault Init;

    template <typename T> T& As() const { return *static_cast<T*>(Ptr); }
};
using TlxFieldList = std::vector<TlxField>;

namespace lxfields {

template <typename M> struct MemberTraits;
template <typename C, typename T> struct MemberTraits<T C::*> {
    using Class = C;
    using Type = T;
};

template <TlxFieldType T> struct Storage;
template <> struct Storage<TlxFieldType::Integer> { using Type = int; };
template <> struct Storage<TlxFieldType::Color> { using Type = TColor; };
template <> struct Storage<TlxFieldType::Boolean> { using Type = bool; };
template <> struct Storage<TlxFieldType::Rect> { using Type = TRect; };
template <> struct Storage<TlxFieldType::Point> { using Type = TPoint; };
template <> struct Storage<TlxFieldType::String> { using Type = std::string; };
template <> struct Storage<TlxFieldType::FontStyles> { using Type = TFontStyles; };
template <> struct Storage<TlxFieldType::Alignment> { using Type = TAlignment; };
template <> struct Storage<TlxFieldType::MorphKind> { using Type = TlxMorphKind; };
template <> struct Storage<TlxFieldType::StretchType> { using Type = TlxStretchType; };
template <> struct Storage<TlxFieldType::InActiveEffect> { using Type = TlxInActiveEffect; };
template <> struct Storage<TlxFieldType::StdCommand> { using Type = TlxStdCommand; };

template <auto M> void* Address(typename MemberTraits<decltype(M)>::Class& object) {
    return &(object.*M);
}

template <auto M, TlxFieldType T>
constexpr TlxFieldDef<typename MemberTraits<decltype(M)>::Class> Make(const char* name, const char* key,
                                                                      TlxDefault read, TlxDefault init) {
    static_assert(std::is_same_v<typename MemberTraits<decltype(M)>::Type, typename Storage<T>::Type>,
                  "field type does not match its kind");
    return {name, key, T, &Address<M>, read, init};
}

} // namespace lxfields

// A table row of class C (a local alias in the table's source file):
// LX_FIELD(Integer, PictureIndex, nullptr, -1, -1).
#define LX_FIELD(Type, Field, Key, Read, Init)                                                               \
    lxfields::Make<&C::Field, TlxFieldType::Type>(#Field, Key, Read, Init)

void BindField(TlxFieldList& list, void* object, const char* name, const char* key, TlxFieldType type,
               TlxDefault read, TlxDefault init);

template <typename C>
void BindFieldTable(TlxFieldList& list, C& object, std::span<const TlxFieldDef<C>> table) {
    for (const TlxFieldDef<C>& def : table)
        BindField(list, def.Address(object), def.Name, def.Key, def.Type, def.Read, def.Init);
}

// Operations over bound fields, all in one section.
void InitFields(const TlxFieldList& fields);
void ReadFields(TCustomIniFile& ini, const std::string& section, const TlxFieldList& fields);
void WriteFields(TCustomIniFile& ini, const std::string& section, const TlxFieldList& fields);
// The text a field is written as.
std::string FieldText(const TlxField& field);
