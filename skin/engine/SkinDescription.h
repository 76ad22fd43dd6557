#pragma once

#include "skin/engine/SkinFields.h"

#include <string>

class TCustomIniFile;

// What every named description of a skin shares (control descriptions and
// frame objects): its name, which is also its section, and its fields, which
// each class lists in one table. Reading and writing walk the fields of the
// whole class chain, the inherited ones first.
class TlxSkinDescription {
public:
    explicit TlxSkinDescription(const std::string& AIDName) : IDName(AIDName) {}
    virtual ~TlxSkinDescription() = default;
    TlxSkinDescription(const TlxSkinDescription&) = delete;
    TlxSkinDescription& operator=(const TlxSkinDescription&) = delete;

    std::string IDName;

    // Reads every field from section IDName; a missing key gives its default.
    virtual void LoadFromFile(TCustomIniFile& IniFile);
    // Erases section IDName, then writes every field.
    virtual void SaveToFile(TCustomIniFile& IniFile);

    // The kind word that lists a description of this class in a skin; empty
    // for the classes that are only bases.
    virtual const char* KindWord() const = 0;
    virtual const char* ClassName() const = 0;

    // Every field bound to this object, in reading order.
    TlxFieldList Fields();

protected:
    virtual void AppendFields(TlxFieldList&) {}
};

// Declares what every description class has: the constructor that applies the
// constructor column of its table, its kind word, its field list.
#define LX_DESCRIPTION(Class)                                                                                \
public:                                                                                                      \
    explicit Class(const std::string& AIDName);                                                              \
    const char* KindWord() const override;                                                                   \
    const char* ClassName() const override {                                                                 \
        return #Class;                                                                                       \
    }                                                                                                        \
                                                                                                             \
protected:                                                                                                   \
    void AppendFields(TlxFieldList& list) override;                                                          \
                                                                                                             \
public:

// Defines them from the class's table (an array of TlxFieldDef<Class>).
#define LX_DEFINE_DESCRIPTION(Class, Base, Kind, Table)                                                      \
    Class::Class(const std::string& AIDName) : Base(AIDName) {                                               \
        TlxFieldList own;                                                                                    \
        BindFieldTable<Class>(own, *this, Table);                                                            \
        InitFields(own);                                                                                     \
    }                                                                                                        \
    const char* Class::KindWord() const {                                                                    \
        return Kind;                                                                                         \
    }                                                                                                        \
    void Class::AppendFields(TlxFieldList& list) {                                                           \
        Base::AppendFields(list);                                                                            \
        BindFieldTable<Class>(list, *this, Table);                                                           \
    }
