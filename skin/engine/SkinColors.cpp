#include "skin/engine/SkinColors.h"

#include "platform/base/IniFile.h"
#include "skin/engine/SkinFieldMacros.h"

namespace {
using C = TlxSkinColors;

// Accessing the protected fields through a derived class keeps them out of
// the public interface while the table names them.
struct Access : TlxSkinColors {
    static const TlxFieldDef<TlxSkinColors> Table[];
};

const TlxFieldDef<C> Access::Table[] = {
    lxfields::Make<&Access::FcBtnFace, TlxFieldType::Color>("FcBtnFace", "cbtnface", clBtnFace, 0),
    lxfields::Make<&Access::FcBtnText, TlxFieldType::Color>("FcBtnText", "cbtntext", clBtnText, 0),
    lxfields::Make<&Access::FcWindow, TlxFieldType::Color>("FcWindow", "cwindow", clWindow, 0),
    lxfields::Make<&Access::FcWindowText, TlxFieldType::Color>("FcWindowText", "cwindowtext", clWindowText,
                                                               0),
    lxfields::Make<&Access::FcHighLight, TlxFieldType::Color>("FcHighLight", "chighlight", clHighlight, 0),
    lxfields::Make<&Access::FcHighLightText, TlxFieldType::Color>("FcHighLightText", "chighlighttext",
                                                                  clHighlightText, 0),
    lxfields::Make<&Access::FcBtnHighLight, TlxFieldType::Color>("FcBtnHighLight", "cbtnhighlight",
                                                                 clBtnHighlight, 0),
    lxfields::Make<&Access::FcBtnShadow, TlxFieldType::Color>("FcBtnShadow", "cbtnshadow", clBtnShadow, 0),
};
} // namespace

TlxSkinColors::TlxSkinColors() {
    InitFields(Fields());
}

TlxFieldList TlxSkinColors::Fields() {
    TlxFieldList list;
    BindFieldTable<TlxSkinColors>(list, *this, Access::Table);
    return list;
}

void TlxSkinColors::SetColorsToDefault() {
    for (const TlxField& f : Fields())
        f.As<TColor>() = f.Read.Int;
}

void TlxSkinColors::LoadFromFile(TCustomIniFile& IniFile) {
    ReadFields(IniFile, Section, Fields());
}

void TlxSkinColors::SaveToFile(TCustomIniFile& IniFile) {
    WriteFields(IniFile, Section, Fields());
}
