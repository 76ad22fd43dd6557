#pragma once

#include "skin/engine/SkinDescription.h"

// Control descriptions: the two bases and the classes of buttons, check and
// radio boxes, panels, labels, gauges, splitters, track bars, control bars,
// scroll boxes, up-down buttons, bevels and sliders. The skin data object
// owns them; a control looks its description up by name, checks its class and
// copies the fields it needs. Fields are in declaration order; the field
// tables in the source file give their keys and defaults.

class TlxDataSkinControl : public TlxSkinDescription {
    LX_DESCRIPTION(TlxDataSkinControl)
    int PictureIndex;
    int MaskPictureIndex;
    TRect SkinRect;
};

// An image enlarged by dividing it at the four corner points; the points and
// ClRect are relative to the top-left corner of SkinRect.
class TlxDataSkinCustomControl : public TlxDataSkinControl {
    LX_DESCRIPTION(TlxDataSkinCustomControl)
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    TRect ClRect;
    bool StretchEffect;
    TlxStretchType StretchType;
    bool LeftStretch, TopStretch, RightStretch, BottomStretch;
};

class TlxDataSkinButtonControl : public TlxDataSkinCustomControl {
    LX_DESCRIPTION(TlxDataSkinButtonControl)
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight;
    TColor FontColor, ActiveFontColor, DownFontColor, DisabledFontColor;
    TRect ActiveSkinRect, DownSkinRect, DisabledSkinRect, FocusedSkinRect;
    bool Morphing;
    TlxMorphKind MorphKind;
    TRect AnimateSkinRect;
    int FrameCount;
    int AnimateInterval;
    bool ShowFocus;
    TRect MenuMarkerFlatRect, MenuMarkerRect, MenuMarkerActiveRect, MenuMarkerDownRect;
    TColor MenuMarkerTransparentColor;
    int GlowLayerPictureIndex, GlowLayerMaskPictureIndex;
    int GlowLayerOffsetLeft, GlowLayerOffsetRight, GlowLayerOffsetTop, GlowLayerOffsetBottom;
    int GlowLayerShowOffsetX, GlowLayerShowOffsetY;
    int GlowLayerAlphaBlendValue;
};

class TlxDataSkinMenuButtonControl : public TlxDataSkinButtonControl {
    LX_DESCRIPTION(TlxDataSkinMenuButtonControl)
    TRect TrackButtonRect;
};

class TlxDataSkinCheckRadioControl : public TlxDataSkinCustomControl {
    LX_DESCRIPTION(TlxDataSkinCheckRadioControl)
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight;
    TColor FontColor, ActiveFontColor, UnEnabledFontColor;
    TRect ActiveSkinRect;
    TRect CheckImageArea;
    TRect TextArea;
    TRect CheckImageRect, UnCheckImageRect;
    TRect ActiveCheckImageRect, ActiveUnCheckImageRect;
    TRect UnEnabledCheckImageRect, UnEnabledUnCheckImageRect;
    TRect GrayedCheckImageRect, ActiveGrayedCheckImageRect;
    bool Morphing;
    TlxMorphKind MorphKind;
    TColor FrameFontColor;
};

class TlxDataSkinPanelControl : public TlxDataSkinCustomControl {
    LX_DESCRIPTION(TlxDataSkinPanelControl)
    TRect CaptionRect;
    TAlignment Alignment;
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight;
    TColor FontColor;
    int BGPictureIndex;
    TRect CheckImageRect, UnCheckImageRect;
    TRect MarkFrameRect;
    TRect FrameRect;
    int FrameLeftOffset, FrameRightOffset;
    TRect FrameTextRect;
    TRect GripperRect;
    bool GripperTransparent;
    TColor GripperTransparentColor;
};

class TlxDataSkinExPanelControl : public TlxDataSkinCustomControl {
    LX_DESCRIPTION(TlxDataSkinExPanelControl)
    TRect RollHSkinRect, RollVSkinRect;
    int RollLeftOffset, RollRightOffset, RollTopOffset, RollBottomOffset;
    TRect RollVCaptionRect, RollHCaptionRect;
    TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
    TRect HRollButtonRect, HRollButtonActiveRect, HRollButtonDownRect;
    TRect HRestoreButtonRect, HRestoreButtonActiveRect, HRestoreButtonDownRect;
    TRect VRollButtonRect, VRollButtonActiveRect, VRollButtonDownRect;
    TRect VRestoreButtonRect, VRestoreButtonActiveRect, VRestoreButtonDownRect;
    TRect CaptionRect;
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight;
    TColor FontColor;
    bool ButtonsTransparent;
    TColor ButtonsTransparentColor;
};

class TlxDataSkinLabelControl : public TlxDataSkinCustomControl {
    LX_DESCRIPTION(TlxDataSkinLabelControl)
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight;
    TColor FontColor;
};

// Without frame geometry (base TlxDataSkinControl).
class TlxDataSkinStdLabelControl : public TlxDataSkinControl {
    LX_DESCRIPTION(TlxDataSkinStdLabelControl)
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight;
    TColor FontColor;
    TColor ActiveFontColor;
};

class TlxDataSkinGaugeControl : public TlxDataSkinCustomControl {
    LX_DESCRIPTION(TlxDataSkinGaugeControl)
    TRect ProgressArea;
    TRect ProgressRect;
    bool Vertical;
    int BeginOffset, EndOffset;
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight;
    TColor FontColor;
    bool ProgressTransparent;
    TColor ProgressTransparentColor;
    bool ProgressStretch;
    TRect AnimationSkinRect;
    int AnimationCountFrames, AnimationTimerInterval;
    TRect ProgressAnimationSkinRect;
    int ProgressAnimationCountFrames, ProgressAnimationTimerInterval;
    int AnimationBeginOffset, AnimationEndOffset;
};

class TlxDataSkinSplitterControl : public TlxDataSkinCustomControl {
    LX_DESCRIPTION(TlxDataSkinSplitterControl)
    TRect GripperRect;
    bool GripperTransparent;
    TColor GripperTransparentColor;
};

class TlxDataSkinTrackBarControl : public TlxDataSkinCustomControl {
    LX_DESCRIPTION(TlxDataSkinTrackBarControl)
    TRect ActiveSkinRect;
    TRect TrackArea;
    TRect ButtonRect, ActiveButtonRect;
    bool Vertical;
    bool ButtonTransparent;
    TColor ButtonTransparentColor;
};

class TlxDataSkinControlBar : public TlxDataSkinCustomControl {
    LX_DESCRIPTION(TlxDataSkinControlBar)
    TRect ItemRect;
    int BGPictureIndex;
    TRect HGripRect, VGripRect;
    int GripOffset1, GripOffset2;
    bool ItemStretchEffect;
    int ItemOffset1, ItemOffset2;
    bool ItemTransparent;
    TColor ItemTransparentColor;
    bool GripTransparent;
    TColor GripTransparentColor;
};

class TlxDataSkinScrollBoxControl : public TlxDataSkinCustomControl {
    LX_DESCRIPTION(TlxDataSkinScrollBoxControl)
    int BGPictureIndex;
};

// Has no frame geometry: its corner points and ClRect are zero after every
// read and before every write, so a file always holds zeros for them.
class TlxDataSkinUpDownControl : public TlxDataSkinCustomControl {
    LX_DESCRIPTION(TlxDataSkinUpDownControl)
    TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
    TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;

    void LoadFromFile(TCustomIniFile& IniFile) override;
    void SaveToFile(TCustomIniFile& IniFile) override;

private:
    void ClearFrameGeometry();
};

class TlxDataSkinBevel : public TlxDataSkinControl {
    LX_DESCRIPTION(TlxDataSkinBevel)
    TColor LightColor, DarkColor;
};

class TlxDataSkinSlider : public TlxDataSkinControl {
    LX_DESCRIPTION(TlxDataSkinSlider)
    TRect HRulerRect, HThumbRect;
    TRect VRulerRect, VThumbRect;
    int EdgeSize;
    TColor BGColor;
    TColor PointsColor;
};
