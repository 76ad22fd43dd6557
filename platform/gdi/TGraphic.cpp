#include "platform/gdi/TGraphic.h"

#include "platform/base/FileStream.h"
#include "platform/base/MemoryStream.h"

void TGraphic::SetTransparent(bool value) {
    if (FTransparent == value) return;
    FTransparent = value;
    Changed();
}

void TGraphic::LoadFromFile(const std::string& fileName) {
    TMemoryStream m;
    m.LoadFromFile(fileName);
    LoadFromStream(m);
}

void TGraphic::SaveToFile(const std::string& fileName) {
    TStringStream m;
    SaveToStream(m);
    WriteFileAtomic(fileName, m.DataString());
}
