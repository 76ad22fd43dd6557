#include "skin/engine/SkinWindowDescriptions.h"

#include "platform/base/IniFile.h"
#include "skin/engine/SkinFieldMacros.h"

namespace {

namespace popup {
using C = TlxDataSkinPopupWindow;
const TlxFieldDef<C> Table[] = {
    LX_INT(WindowPictureIndex, -1, -1),
    LX_INT(MaskPictureIndex, -1, -1),
    LX_CORNER_POINTS,
    LX_RECT(ItemsRect),
    LX_INT(ScrollMarkerColor, 0, 0),
    LX_INT(ScrollMarkerActiveColor, 0, 0),
    LX_FLAG(TopStretch, false),
    LX_FLAG(LeftStretch, false),
    LX_FLAG(RightStretch, false),
    LX_FLAG(BottomStretch, false),
    LX_FLAG(StretchEffect, false),
    LX_STRETCH(StretchType),
};
} // namespace popup

namespace layer {
using C = TlxDataSkinLayerFrame;
const TlxFieldDef<C> Table[] = {
    LX_INT(PictureIndex, -1, -1),
    LX_INT(MaskPictureIndex, -1, -1),
    LX_INT(InActivePictureIndex, -1, -1),
    LX_INT(InActiveMaskPictureIndex, -1, -1),
    LX_CORNER_POINTS,
    LX_RECT_KEY(ClRect, "clientrect"),
    LX_INT(AlphaBlendValue, 255, 255),
    LX_INT(InActiveAlphaBlendValue, 255, 255),
    LX_RECT(BorderRect),
    LX_FLAG(HitTestEnable, false),
};
} // namespace layer

namespace hint {
using C = TlxDataSkinHintWindow;
const TlxFieldDef<C> Table[] = {
    LX_INT(WindowPictureIndex, -1, -1),
    LX_INT(MaskPictureIndex, -1, -1),
    LX_CORNER_POINTS,
    LX_RECT_KEY(ClRect, "clientrect"),
    LX_STR(FontName, "Arial", "Arial"),
    LX_STYLE(FontStyle),
    LX_INT(FontHeight, 14, 12),
    LX_COLOR(FontColor, 0, 0),
    LX_FLAG(TopStretch, false),
    LX_FLAG(LeftStretch, false),
    LX_FLAG(RightStretch, false),
    LX_FLAG(BottomStretch, false),
    LX_FLAG(StretchEffect, false),
    LX_STRETCH(StretchType),
};
} // namespace hint

} // namespace

// The three classes differ only in their table and section.
#define LX_DEFINE_WINDOW_DESCRIPTION(Class, Table)                                                           \
    Class::Class() {                                                                                         \
        InitFields(Fields());                                                                                \
    }                                                                                                        \
    TlxFieldList Class::Fields() {                                                                           \
        TlxFieldList list;                                                                                   \
        BindFieldTable<Class>(list, *this, Table);                                                           \
        return list;                                                                                         \
    }                                                                                                        \
    void Class::LoadFromFile(TCustomIniFile& IniFile) {                                                      \
        ReadFields(IniFile, Section, Fields());                                                              \
    }                                                                                                        \
    void Class::SaveToFile(TCustomIniFile& IniFile) {                                                        \
        IniFile.EraseSection(Section);                                                                       \
        WriteFields(IniFile, Section, Fields());                                                             \
    }

LX_DEFINE_WINDOW_DESCRIPTION(TlxDataSkinPopupWindow, popup::Table)
LX_DEFINE_WINDOW_DESCRIPTION(TlxDataSkinLayerFrame, layer::Table)
LX_DEFINE_WINDOW_DESCRIPTION(TlxDataSkinHintWindow, hint::Table)
