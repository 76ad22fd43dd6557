#pragma once

#include "platform/base/IniFile.h"
#include "skin/engine/SkinColors.h"
#include "skin/engine/SkinFormInfo.h"
#include "skin/engine/SkinKinds.h"
#include "skin/engine/SkinWindowDescriptions.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Every class that reads and writes a section of a skin, behind one face, so
// that table-driven tests can walk all of them.
struct SkinSubject {
    virtual ~SkinSubject() = default;
    virtual std::string Section() = 0;
    virtual TlxFieldList Fields() = 0;
    virtual void Load(TCustomIniFile& ini) = 0;
    virtual void Save(TCustomIniFile& ini) = 0;
};

struct SkinSubjectKind {
    std::string Label;
    std::function<std::unique_ptr<SkinSubject>()> Make;
};

// All description classes (by kind word and the bases without one), the
// three window descriptions, the colour set and the form-frame values.
std::vector<SkinSubjectKind> AllSkinSubjects();

// The text a field is written as when it holds its file default (Read) or
// its constructor value (Init).
std::string DefaultText(const TlxField& field, bool read);

// Sets a field to a value that differs from both of its defaults; n makes
// values differ between fields.
void SetNonDefault(const TlxField& field, int n);

// "key=value" lines of all fields, for messages.
std::string FieldsText(const TlxFieldList& fields);
