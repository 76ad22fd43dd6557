#include "skin/engine/SkinDescription.h"

#include "platform/base/IniFile.h"

void TlxSkinDescription::LoadFromFile(TCustomIniFile& IniFile) {
    ReadFields(IniFile, IDName, Fields());
}

void TlxSkinDescription::SaveToFile(TCustomIniFile& IniFile) {
    IniFile.EraseSection(IDName);
    WriteFields(IniFile, IDName, Fields());
}

TlxFieldList TlxSkinDescription::Fields() {
    TlxFieldList list;
    AppendFields(list);
    return list;
}
