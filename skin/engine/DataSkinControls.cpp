#include "skin/engine/DataSkinControls.h"

#include "skin/engine/SkinFieldMacros.h"

namespace {

constexpr TColor Magenta = 16711935;

namespace control {
using C = TlxDataSkinControl;
const TlxFieldDef<C> Table[] = {
    LX_INT(PictureIndex, -1, -1),
    LX_INT(MaskPictureIndex, -1, -1),
    LX_RECT(SkinRect),
};
} // namespace control

namespace custom {
using C = TlxDataSkinCustomControl;
const TlxFieldDef<C> Table[] = {
    LX_CORNER_POINTS,
    LX_RECT_KEY(ClRect, "clientrect"),
    LX_FLAG(StretchEffect, false),
    LX_STRETCH(StretchType),
    LX_FLAG(LeftStretch, false),
    LX_FLAG(TopStretch, false),
    LX_FLAG(RightStretch, false),
    LX_FLAG(BottomStretch, false),
};
} // namespace custom

namespace button {
using C = TlxDataSkinButtonControl;
const TlxFieldDef<C> Table[] = {
    LX_STR(FontName, "Arial", "Arial"),
    LX_STYLE(FontStyle),
    LX_INT(FontHeight, 14, 12),
    LX_COLOR(FontColor, 0, 0),
    LX_COLOR(ActiveFontColor, 0, 0),
    LX_COLOR(DownFontColor, 0, 0),
    LX_COLOR(DisabledFontColor, 0, 0),
    LX_RECT(ActiveSkinRect),
    LX_RECT(DownSkinRect),
    LX_RECT(DisabledSkinRect),
    LX_RECT(FocusedSkinRect),
    LX_FLAG(Morphing, false),
    LX_MORPH(MorphKind),
    LX_RECT(AnimateSkinRect),
    LX_INT(FrameCount, 0, 0),
    LX_INT(AnimateInterval, 25, 0),
    LX_FLAG(ShowFocus, false),
    LX_RECT(MenuMarkerFlatRect),
    LX_RECT(MenuMarkerRect),
    LX_RECT(MenuMarkerActiveRect),
    LX_RECT(MenuMarkerDownRect),
    LX_COLOR(MenuMarkerTransparentColor, 0, 0),
    LX_INT(GlowLayerPictureIndex, -1, -1),
    LX_INT(GlowLayerMaskPictureIndex, -1, -1),
    LX_INT(GlowLayerOffsetLeft, 0, 0),
    LX_INT(GlowLayerOffsetRight, 0, 0),
    LX_INT(GlowLayerOffsetTop, 0, 0),
    LX_INT(GlowLayerOffsetBottom, 0, 0),
    LX_INT(GlowLayerShowOffsetX, 0, 0),
    LX_INT(GlowLayerShowOffsetY, 0, 0),
    LX_INT(GlowLayerAlphaBlendValue, 255, 255),
};
} // namespace button

namespace menubutton {
using C = TlxDataSkinMenuButtonControl;
const TlxFieldDef<C> Table[] = {
    LX_RECT(TrackButtonRect),
};
} // namespace menubutton

namespace checkradio {
using C = TlxDataSkinCheckRadioControl;
const TlxFieldDef<C> Table[] = {
    LX_STR(FontName, "Arial", "Arial"),
    LX_STYLE(FontStyle),
    LX_INT(FontHeight, 14, 12),
    LX_COLOR(FontColor, 0, 0),
    LX_COLOR(ActiveFontColor, 0, 0),
    LX_COLOR(UnEnabledFontColor, 0, 0),
    LX_RECT(ActiveSkinRect),
    LX_RECT(CheckImageArea),
    LX_RECT(TextArea),
    LX_RECT(CheckImageRect),
    LX_RECT(UnCheckImageRect),
    LX_RECT(ActiveCheckImageRect),
    LX_RECT(ActiveUnCheckImageRect),
    LX_RECT(UnEnabledCheckImageRect),
    LX_RECT(UnEnabledUnCheckImageRect),
    LX_RECT(GrayedCheckImageRect),
    LX_RECT(ActiveGrayedCheckImageRect),
    LX_FLAG(Morphing, false),
    LX_MORPH(MorphKind),
    LX_COLOR(FrameFontColor, 0, 0),
};
} // namespace checkradio

namespace panel {
using C = TlxDataSkinPanelControl;
const TlxFieldDef<C> Table[] = {
    LX_RECT(CaptionRect),
    LX_ALIGN(Alignment, taCenter),
    LX_STR(FontName, "Arial", "Arial"),
    LX_STYLE(FontStyle),
    LX_INT(FontHeight, 14, 12),
    LX_COLOR(FontColor, 0, 0),
    LX_INT(BGPictureIndex, -1, -1),
    LX_RECT(CheckImageRect),
    LX_RECT(UnCheckImageRect),
    LX_RECT(MarkFrameRect),
    LX_RECT(FrameRect),
    LX_INT(FrameLeftOffset, 0, 0),
    LX_INT(FrameRightOffset, 0, 0),
    LX_RECT(FrameTextRect),
    LX_RECT(GripperRect),
    LX_FLAG(GripperTransparent, false),
    LX_COLOR(GripperTransparentColor, 0, Magenta),
};
} // namespace panel

namespace expanel {
using C = TlxDataSkinExPanelControl;
const TlxFieldDef<C> Table[] = {
    LX_RECT(RollHSkinRect),
    LX_RECT(RollVSkinRect),
    LX_INT(RollLeftOffset, 0, 0),
    LX_INT(RollRightOffset, 0, 0),
    LX_INT(RollTopOffset, 0, 0),
    LX_INT(RollBottomOffset, 0, 0),
    LX_RECT(RollVCaptionRect),
    LX_RECT(RollHCaptionRect),
    LX_RECT(CloseButtonRect),
    LX_RECT(CloseButtonActiveRect),
    LX_RECT(CloseButtonDownRect),
    LX_RECT(HRollButtonRect),
    LX_RECT(HRollButtonActiveRect),
    LX_RECT(HRollButtonDownRect),
    LX_RECT(HRestoreButtonRect),
    LX_RECT(HRestoreButtonActiveRect),
    LX_RECT(HRestoreButtonDownRect),
    LX_RECT(VRollButtonRect),
    LX_RECT(VRollButtonActiveRect),
    LX_RECT(VRollButtonDownRect),
    LX_RECT(VRestoreButtonRect),
    LX_RECT(VRestoreButtonActiveRect),
    LX_RECT(VRestoreButtonDownRect),
    LX_RECT(CaptionRect),
    LX_STR(FontName, "Arial", "Arial"),
    LX_STYLE(FontStyle),
    LX_INT(FontHeight, 14, 12),
    LX_COLOR(FontColor, 0, 0),
    LX_FLAG(ButtonsTransparent, false),
    LX_COLOR(ButtonsTransparentColor, 0, Magenta),
};
} // namespace expanel

namespace label {
using C = TlxDataSkinLabelControl;
const TlxFieldDef<C> Table[] = {
    LX_STR(FontName, "Arial", "Arial"),
    LX_STYLE(FontStyle),
    LX_INT(FontHeight, 14, 12),
    LX_COLOR(FontColor, 0, 0),
};
} // namespace label

namespace stdlabel {
using C = TlxDataSkinStdLabelControl;
const TlxFieldDef<C> Table[] = {
    LX_STR(FontName, "Arial", "Arial"),
    LX_STYLE(FontStyle),
    LX_INT(FontHeight, 14, 12),
    LX_COLOR(FontColor, 0, 0),
    LX_COLOR(ActiveFontColor, 16711680, 16711680),
};
} // namespace stdlabel

namespace gauge {
using C = TlxDataSkinGaugeControl;
const TlxFieldDef<C> Table[] = {
    LX_RECT(ProgressArea),
    LX_RECT(ProgressRect),
    LX_FLAG(Vertical, false),
    LX_INT(BeginOffset, 0, 0),
    LX_INT(EndOffset, 0, 0),
    LX_STR(FontName, "Arial", "Arial"),
    LX_STYLE(FontStyle),
    LX_INT(FontHeight, 14, 14),
    LX_COLOR(FontColor, 0, 0),
    LX_FLAG(ProgressTransparent, false),
    LX_COLOR(ProgressTransparentColor, 0, Magenta),
    LX_FLAG(ProgressStretch, false),
    LX_RECT(AnimationSkinRect),
    LX_INT(AnimationCountFrames, 0, 0),
    LX_INT(AnimationTimerInterval, 0, 0),
    LX_RECT(ProgressAnimationSkinRect),
    LX_INT(ProgressAnimationCountFrames, 0, 0),
    LX_INT(ProgressAnimationTimerInterval, 0, 0),
    LX_INT(AnimationBeginOffset, 0, 0),
    LX_INT(AnimationEndOffset, 0, 0),
};
} // namespace gauge

namespace splitter {
using C = TlxDataSkinSplitterControl;
const TlxFieldDef<C> Table[] = {
    LX_RECT(GripperRect),
    LX_FLAG(GripperTransparent, false),
    LX_COLOR(GripperTransparentColor, 0, Magenta),
};
} // namespace splitter

namespace trackbar {
using C = TlxDataSkinTrackBarControl;
const TlxFieldDef<C> Table[] = {
    LX_RECT(ActiveSkinRect),
    LX_RECT(TrackArea),
    LX_RECT(ButtonRect),
    LX_RECT(ActiveButtonRect),
    LX_FLAG(Vertical, false),
    LX_FLAG(ButtonTransparent, false),
    LX_COLOR(ButtonTransparentColor, 0, Magenta),
};
} // namespace trackbar

namespace controlbar {
using C = TlxDataSkinControlBar;
const TlxFieldDef<C> Table[] = {
    LX_RECT(ItemRect),
    LX_INT(BGPictureIndex, -1, -1),
    LX_RECT(HGripRect),
    LX_RECT(VGripRect),
    LX_INT(GripOffset1, 0, 0),
    LX_INT(GripOffset2, 0, 0),
    LX_FLAG(ItemStretchEffect, false),
    LX_INT(ItemOffset1, 3, 0),
    LX_INT(ItemOffset2, 3, 0),
    LX_FLAG(ItemTransparent, false),
    LX_COLOR(ItemTransparentColor, 0, 0),
    LX_FLAG(GripTransparent, false),
    LX_COLOR(GripTransparentColor, 0, 0),
};
} // namespace controlbar

namespace scrollbox {
using C = TlxDataSkinScrollBoxControl;
const TlxFieldDef<C> Table[] = {
    LX_INT(BGPictureIndex, -1, -1),
};
} // namespace scrollbox

namespace updown {
using C = TlxDataSkinUpDownControl;
const TlxFieldDef<C> Table[] = {
    LX_RECT(UpButtonRect),   LX_RECT(ActiveUpButtonRect),   LX_RECT(DownUpButtonRect),
    LX_RECT(DownButtonRect), LX_RECT(ActiveDownButtonRect), LX_RECT(DownDownButtonRect),
};
} // namespace updown

namespace bevel {
using C = TlxDataSkinBevel;
const TlxFieldDef<C> Table[] = {
    LX_COLOR(LightColor, 0, 0),
    LX_COLOR(DarkColor, 0, 0),
};
} // namespace bevel

namespace slider {
using C = TlxDataSkinSlider;
const TlxFieldDef<C> Table[] = {
    LX_RECT(HRulerRect),    LX_RECT(HThumbRect),     LX_RECT(VRulerRect),         LX_RECT(VThumbRect),
    LX_INT(EdgeSize, 0, 0), LX_COLOR(BGColor, 0, 0), LX_COLOR(PointsColor, 0, 0),
};
} // namespace slider

} // namespace

LX_DEFINE_DESCRIPTION(TlxDataSkinControl, TlxSkinDescription, "", control::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinCustomControl, TlxDataSkinControl, "", custom::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinButtonControl, TlxDataSkinCustomControl, "button", button::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinMenuButtonControl, TlxDataSkinButtonControl, "menubutton", menubutton::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinCheckRadioControl, TlxDataSkinCustomControl, "checkradio", checkradio::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinPanelControl, TlxDataSkinCustomControl, "panel", panel::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinExPanelControl, TlxDataSkinCustomControl, "expanel", expanel::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinLabelControl, TlxDataSkinCustomControl, "label", label::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinStdLabelControl, TlxDataSkinControl, "stdlabel", stdlabel::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinGaugeControl, TlxDataSkinCustomControl, "gauge", gauge::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinSplitterControl, TlxDataSkinCustomControl, "splitter", splitter::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinTrackBarControl, TlxDataSkinCustomControl, "trackbar", trackbar::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinControlBar, TlxDataSkinCustomControl, "controlbar", controlbar::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinScrollBoxControl, TlxDataSkinCustomControl, "scrollbox", scrollbox::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinUpDownControl, TlxDataSkinCustomControl, "updown", updown::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinBevel, TlxDataSkinControl, "bevel", bevel::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinSlider, TlxDataSkinControl, "slider", slider::Table)

void TlxDataSkinUpDownControl::ClearFrameGeometry() {
    LTPoint = RTPoint = LBPoint = RBPoint = TPoint{};
    ClRect = TRect{};
}

void TlxDataSkinUpDownControl::LoadFromFile(TCustomIniFile& IniFile) {
    TlxDataSkinCustomControl::LoadFromFile(IniFile);
    ClearFrameGeometry();
}

void TlxDataSkinUpDownControl::SaveToFile(TCustomIniFile& IniFile) {
    ClearFrameGeometry();
    TlxDataSkinCustomControl::SaveToFile(IniFile);
}
