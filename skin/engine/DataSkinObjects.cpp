#include "skin/engine/DataSkinObjects.h"

#include "skin/engine/SkinFieldMacros.h"

namespace {

namespace object {
using C = TlxDataSkinObject;
const TlxFieldDef<C> Table[] = {
    LX_STR(Hint, "", ""),
    LX_FLAG(SkinRectInAPicture, false),
    LX_RECT(SkinRect),
    LX_RECT(ActiveSkinRect),
    LX_INT(ActivePictureIndex, -1, -1),
    LX_INT(ActiveMaskPictureIndex, -1, -1),
    LX_RECT(InActiveSkinRect),
    LX_FLAG(Morphing, false),
    LX_MORPH(MorphKind),
    LX_INT(GlowLayerPictureIndex, -1, -1),
    LX_INT(GlowLayerMaskPictureIndex, -1, -1),
    LX_INT(GlowLayerOffsetX, 0, 0),
    LX_INT(GlowLayerOffsetY, 0, 0),
    LX_INT(GlowLayerAlphaBlendValue, 255, 255),
};
// The one field a user object stores.
const TlxFieldDef<C> UserTable[] = {
    LX_RECT(SkinRect),
};
} // namespace object

namespace button {
using C = TlxDataSkinButton;
const TlxFieldDef<C> Table[] = {
    LX_RECT(DownRect),
    LX_RECT_KEY(DisableSkinRect, "disableskinrsect"),
};
} // namespace button

// A fresh std button holds the first command (close); a missing key reads as
// the default command.
namespace stdbutton {
using C = TlxDataSkinStdButton;
const TlxFieldDef<C> Table[] = {
    LX_COMMAND(Command, cmClose), LX_STR(RestoreHint, "", ""), LX_RECT(RestoreRect),
    LX_RECT(RestoreActiveRect),   LX_RECT(RestoreDownRect),    LX_RECT(RestoreInActiveRect),
};
} // namespace stdbutton

namespace animate {
using C = TlxDataSkinAnimate;
const TlxFieldDef<C> Table[] = {
    LX_INT(CountFrames, 1, 0),    LX_FLAG(Cycle, false),        LX_FLAG(ButtonStyle, false),
    LX_INT(TimerInterval, 50, 0), LX_COMMAND(Command, cmClose), LX_RECT(DownSkinRect),
    LX_STR(RestoreHint, "", ""),  LX_RECT(RestoreRect),         LX_RECT(RestoreActiveRect),
    LX_RECT(RestoreDownRect),     LX_RECT(RestoreInActiveRect),
};
} // namespace animate

namespace caption {
using C = TlxDataSkinCaption;
const TlxFieldDef<C> Table[] = {
    LX_STR(FontName, "Arial", ""),
    LX_INT(FontHeight, 14, 0),
    LX_STYLE(FontStyle),
    LX_COLOR(FontColor, 0, 0),
    LX_COLOR(ActiveFontColor, 0, 0),
    LX_COLOR(ShadowColor, 0, 0),
    LX_COLOR(ActiveShadowColor, 0, 0),
    LX_FLAG(Shadow, false),
    LX_ALIGN(Alignment, taLeftJustify),
    LX_RECT_KEY(TextRct, "textrect"),
    LX_RECT(FrameRect),
    LX_RECT(ActiveFrameRect),
    LX_INT(FrameLeftOffset, 0, 0),
    LX_INT(FrameRightOffset, 0, 0),
    LX_RECT(FrameTextRect),
    LX_FLAG(Light, false),
    LX_COLOR(LightColor, 0, 0),
    LX_COLOR(ActiveLightColor, 0, 0),
    LX_FLAG(StretchEffect, false),
    LX_RECT(AnimateSkinRect),
    LX_INT(FrameCount, 0, 0),
    LX_INT(AnimateInterval, 25, 0),
    LX_FLAG(InActiveAnimation, false),
    LX_FLAG(FullFrame, false),
    LX_FLAG(GlowEffect, false),
    LX_FLAG(VistaGlowEffect, false),
    LX_FLAG(VistaGlowInActiveEffect, false),
    LX_FLAG(GlowInActiveEffect, false),
    LX_INT(GlowSize, 3, 0),
    LX_COLOR(GlowColor, 0, 0),
    LX_COLOR(GlowActiveColor, 0, 0),
    LX_INT(GlowOffset, 0, 0),
    LX_FLAG(ReflectionEffect, false),
    LX_COLOR_KEY(ReflectionColor, "reflactioncolor", 0, 0),
    LX_COLOR_KEY(ReflectionActiveColor, "reflactionactivecolor", 0, 0),
    LX_INT(ReflectionOffset, 0, 0),
};
} // namespace caption

namespace menuitem {
using C = TlxDataSkinMenuItem;
const TlxFieldDef<C> Table[] = {
    LX_RECT(DividerRect),
    LX_INT_KEY(DividerLO, "dividerleftoffset", 0, 0),
    LX_INT_KEY(DividerRO, "dividerrightoffset", 0, 0),
    LX_INT_KEY(ItemLO, "itemleftoffset", 0, 0),
    LX_INT_KEY(ItemRO, "itemrightoffset", 0, 0),
    LX_STR(FontName, "Arial", ""),
    LX_INT(FontHeight, 14, 0),
    LX_STYLE(FontStyle),
    LX_COLOR(UnEnabledFontColor, 0, 0),
    LX_COLOR(FontColor, 0, 0),
    LX_COLOR(ActiveFontColor, 0, 0),
    LX_RECT_KEY(TextRct, "textrect"),
    LX_RECT_KEY(ImageRct, "imagerect"),
    LX_FLAG(UseImageColor, false),
    LX_COLOR(ImageColor, 0, 0),
    LX_COLOR(ActiveImageColor, 0, 0),
    LX_FLAG(StretchEffect, false),
    LX_FLAG(DividerStretchEffect, false),
    LX_FLAG(InActiveStretchEffect, false),
    LX_RECT(AnimateSkinRect),
    LX_INT(FrameCount, 0, 0),
    LX_INT(AnimateInterval, 25, 0),
    LX_FLAG(InActiveAnimation, false),
    LX_FLAG(InActiveTransparent, false),
    LX_RECT(CheckImageRect),
    LX_RECT(ActiveCheckImageRect),
    LX_RECT(RadioImageRect),
    LX_RECT(ActiveRadioImageRect),
    LX_RECT(ArrowImageRect),
    LX_RECT(ActiveArrowImageRect),
};
} // namespace menuitem

namespace mainmenuitem {
using C = TlxDataSkinMainMenuItem;
const TlxFieldDef<C> Table[] = {
    LX_RECT(DownRect),
    LX_STR(FontName, "Arial", ""),
    LX_INT(FontHeight, 14, 0),
    LX_STYLE(FontStyle),
    LX_COLOR(FontColor, 0, 0),
    LX_COLOR(ActiveFontColor, 0, 0),
    LX_COLOR(DownFontColor, 0, 0),
    // One capital letter, as skins have it; keys compare without case.
    LX_COLOR_KEY(UnEnabledFontColor, "unenabledfontColor", 0, 0),
    LX_RECT_KEY(TextRct, "textrect"),
    LX_INT_KEY(ItemLO, "itemleftoffset", 0, 0),
    LX_INT_KEY(ItemRO, "itemrightoffset", 0, 0),
    LX_FLAG(StretchEffect, false),
    LX_RECT(AnimateSkinRect),
    LX_INT(FrameCount, 0, 0),
    LX_INT(AnimateInterval, 25, 0),
    LX_FLAG(InActiveAnimation, false),
};
} // namespace mainmenuitem

template <typename C> constexpr std::span<const TlxFieldDef<C>> NoFields{};

// After reading, a still empty restore hint of a maximise, minimise or
// roll-up button gets the default text. Hints compare exactly.
void FillRestoreHint(const std::string& hint, TlxStdCommand command, std::string& restoreHint) {
    if (!restoreHint.empty()) return;
    if ((hint == "Maximize" && command == cmMaximize) || (hint == "Minimize" && command == cmMinimize) ||
        ((hint == "RollUp" || hint == "Roll Up") && command == cmRollUp))
        restoreHint = "Restore";
}

void UseNormalWhenEmpty(TRect& active, const TRect& normal) {
    if (active.IsEmpty()) active = normal;
}

} // namespace

LX_DEFINE_DESCRIPTION(TlxDataSkinObject, TlxSkinDescription, "", object::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinButton, TlxDataSkinObject, "button", button::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinStdButton, TlxDataSkinButton, "stdbutton", stdbutton::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinMainMenuBarButton, TlxDataSkinStdButton, "mainmenubarbutton",
                      NoFields<TlxDataSkinMainMenuBarButton>)
LX_DEFINE_DESCRIPTION(TlxDataSkinAnimate, TlxDataSkinObject, "animate", animate::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinCaption, TlxDataSkinObject, "caption", caption::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinMenuItem, TlxDataSkinObject, "menuitem", menuitem::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinMainMenuItem, TlxDataSkinObject, "", mainmenuitem::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinMainMenuBarItem, TlxDataSkinMainMenuItem, "mainmenubaritem",
                      NoFields<TlxDataSkinMainMenuBarItem>)

TlxDataUserObject::TlxDataUserObject(const std::string& AIDName) : TlxDataSkinObject(AIDName) {}

const char* TlxDataUserObject::KindWord() const {
    return "userobject";
}

void TlxDataUserObject::AppendFields(TlxFieldList& list) {
    BindFieldTable<TlxDataSkinObject>(list, *this, object::UserTable);
}

void TlxDataSkinStdButton::LoadFromFile(TCustomIniFile& IniFile) {
    TlxDataSkinButton::LoadFromFile(IniFile);
    FillRestoreHint(Hint, Command, RestoreHint);
}

void TlxDataSkinAnimate::LoadFromFile(TCustomIniFile& IniFile) {
    TlxDataSkinObject::LoadFromFile(IniFile);
    Morphing = false;
    FillRestoreHint(Hint, Command, RestoreHint);
}

void TlxDataSkinMenuItem::LoadFromFile(TCustomIniFile& IniFile) {
    TlxDataSkinObject::LoadFromFile(IniFile);
    UseNormalWhenEmpty(ActiveCheckImageRect, CheckImageRect);
    UseNormalWhenEmpty(ActiveRadioImageRect, RadioImageRect);
    UseNormalWhenEmpty(ActiveArrowImageRect, ArrowImageRect);
}
