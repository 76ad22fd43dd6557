#pragma once

#include "skin/engine/SkinDescription.h"

// Frame object descriptions: the caption, the frame buttons, animated frame
// objects, areas the application paints itself and the items of the popup
// menus and of the main menu bar. The skin data object owns them in file
// order; GetIndex finds them by name.

class TlxDataSkinObject : public TlxSkinDescription {
    LX_DESCRIPTION(TlxDataSkinObject)
    std::string Hint;
    // SkinRect is an image in picture ActivePictureIndex instead of a place in
    // the frame picture.
    bool SkinRectInAPicture;
    TRect SkinRect;
    TRect ActiveSkinRect;
    int ActivePictureIndex;
    int ActiveMaskPictureIndex;
    TRect InActiveSkinRect;
    bool Morphing;
    TlxMorphKind MorphKind;
    int GlowLayerPictureIndex, GlowLayerMaskPictureIndex;
    int GlowLayerOffsetX, GlowLayerOffsetY;
    int GlowLayerAlphaBlendValue;
};

// An area the application paints itself: only "skinrect" is read and written;
// the other inherited fields keep their constructor values.
class TlxDataUserObject : public TlxDataSkinObject {
    LX_DESCRIPTION(TlxDataUserObject)
};

class TlxDataSkinButton : public TlxDataSkinObject {
    LX_DESCRIPTION(TlxDataSkinButton)
    TRect DownRect;
    TRect DisableSkinRect;
};

class TlxDataSkinStdButton : public TlxDataSkinButton {
    LX_DESCRIPTION(TlxDataSkinStdButton)
    TlxStdCommand Command;
    std::string RestoreHint;
    TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;

    void LoadFromFile(TCustomIniFile& IniFile) override;
};

class TlxDataSkinMainMenuBarButton : public TlxDataSkinStdButton {
    LX_DESCRIPTION(TlxDataSkinMainMenuBarButton)
};

// Never morphs: Morphing is false after every read, whatever the file says.
class TlxDataSkinAnimate : public TlxDataSkinObject {
    LX_DESCRIPTION(TlxDataSkinAnimate)
    int CountFrames;
    bool Cycle;
    bool ButtonStyle;
    int TimerInterval;
    TlxStdCommand Command;
    TRect DownSkinRect;
    std::string RestoreHint;
    TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;

    void LoadFromFile(TCustomIniFile& IniFile) override;
};

class TlxDataSkinCaption : public TlxDataSkinObject {
    LX_DESCRIPTION(TlxDataSkinCaption)
    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    TColor FontColor, ActiveFontColor;
    TColor ShadowColor, ActiveShadowColor;
    bool Shadow;
    TAlignment Alignment;
    TRect TextRct;
    TRect FrameRect, ActiveFrameRect;
    int FrameLeftOffset, FrameRightOffset;
    TRect FrameTextRect;
    bool Light;
    TColor LightColor, ActiveLightColor;
    bool StretchEffect;
    TRect AnimateSkinRect;
    int FrameCount;
    int AnimateInterval;
    bool InActiveAnimation;
    bool FullFrame;
    bool GlowEffect;
    bool VistaGlowEffect;
    bool VistaGlowInActiveEffect;
    bool GlowInActiveEffect;
    int GlowSize;
    TColor GlowColor, GlowActiveColor;
    int GlowOffset;
    bool ReflectionEffect;
    TColor ReflectionColor;
    TColor ReflectionActiveColor;
    int ReflectionOffset;
};

// An item of a popup menu. An empty selected check, radio or arrow image is
// replaced by the normal one after reading.
class TlxDataSkinMenuItem : public TlxDataSkinObject {
    LX_DESCRIPTION(TlxDataSkinMenuItem)
    TRect DividerRect;
    int DividerLO, DividerRO;
    int ItemLO, ItemRO;
    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    TColor UnEnabledFontColor;
    TColor FontColor, ActiveFontColor;
    TRect TextRct;
    TRect ImageRct;
    bool UseImageColor;
    TColor ImageColor, ActiveImageColor;
    bool StretchEffect;
    bool DividerStretchEffect;
    bool InActiveStretchEffect;
    TRect AnimateSkinRect;
    int FrameCount;
    int AnimateInterval;
    bool InActiveAnimation;
    bool InActiveTransparent;
    TRect CheckImageRect, ActiveCheckImageRect;
    TRect RadioImageRect, ActiveRadioImageRect;
    TRect ArrowImageRect, ActiveArrowImageRect;

    void LoadFromFile(TCustomIniFile& IniFile) override;
};

// The base of the main menu bar item; it has no kind word of its own.
class TlxDataSkinMainMenuItem : public TlxDataSkinObject {
    LX_DESCRIPTION(TlxDataSkinMainMenuItem)
    TRect DownRect;
    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    TColor FontColor, ActiveFontColor, DownFontColor;
    TColor UnEnabledFontColor;
    TRect TextRct;
    int ItemLO, ItemRO;
    bool StretchEffect;
    TRect AnimateSkinRect;
    int FrameCount;
    int AnimateInterval;
    bool InActiveAnimation;
};

class TlxDataSkinMainMenuBarItem : public TlxDataSkinMainMenuItem {
    LX_DESCRIPTION(TlxDataSkinMainMenuBarItem)
};
