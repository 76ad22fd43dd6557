#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The parse tree of a form description: what the text says, before any class
// is looked up. The reader makes it from text, the writer turns it back into
// the same text, and the loader applies it to components.

enum class TDescValueKind { Integer, Float, String, Ident, Set, List, Collection, Binary };

struct TDescProperty;

// One item of a collection value: "item" ... "end".
struct TDescItem {
    // Out of line, where TDescProperty is complete (a vector of an incomplete
    // type may not be destroyed or copied here).
    TDescItem();
    TDescItem(const TDescItem&);
    TDescItem(TDescItem&&) noexcept;
    TDescItem& operator=(const TDescItem&);
    TDescItem& operator=(TDescItem&&) noexcept;
    ~TDescItem();

    int Line = 0;
    std::vector<TDescProperty> Properties;
    bool operator==(const TDescItem& Other) const;
};

struct TDescValue {
    TDescValueKind Kind = TDescValueKind::Integer;
    int64_t Integer = 0;
    double Float = 0;
    std::string Text;                  // String, Ident
    std::vector<std::string> Elements; // Set
    std::vector<TDescValue> List;      // List
    std::vector<TDescItem> Items;      // Collection
    std::vector<uint8_t> Bytes;        // Binary
    int Line = 0;

    static TDescValue OfInteger(int64_t Value);
    static TDescValue OfFloat(double Value);
    static TDescValue OfString(std::string Value);
    static TDescValue OfIdent(std::string Value);
    static TDescValue OfBool(bool Value) { return OfIdent(Value ? "True" : "False"); }
    static TDescValue OfSet(std::vector<std::string> Value);
    static TDescValue OfList(std::vector<TDescValue> Value);
    static TDescValue OfBinary(std::vector<uint8_t> Value);

    // Same kind and content; line numbers are not compared.
    bool operator==(const TDescValue& Other) const;
};

struct TDescProperty {
    std::string Name; // may be a path: "Font.Style"
    TDescValue Value;
    int Line = 0;
    bool operator==(const TDescProperty& Other) const { return Name == Other.Name && Value == Other.Value; }
};

struct TDescObject {
    bool Inherited = false; // "inherited": changes a component an ancestor's description made
    std::string Name;
    std::string ClassName;
    std::vector<TDescProperty> Properties;
    std::vector<TDescObject> Children;
    int Line = 0;
    bool operator==(const TDescObject& Other) const;
};
