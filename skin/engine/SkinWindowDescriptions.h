#pragma once

#include "skin/engine/SkinFields.h"

#include <string>

class TCustomIniFile;

// The one description each of the popup menu window, the layered form border
// and the hint window that a skin holds, each in a fixed section. Their
// writers erase the section first.

class TlxDataSkinPopupWindow {
public:
    TlxDataSkinPopupWindow();
    static constexpr const char* Section = "POPUPWINDOW";

    int WindowPictureIndex;
    int MaskPictureIndex;
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    TRect ItemsRect;
    int ScrollMarkerColor, ScrollMarkerActiveColor;
    bool TopStretch, LeftStretch, RightStretch, BottomStretch, StretchEffect;
    TlxStretchType StretchType;

    void LoadFromFile(TCustomIniFile& IniFile);
    void SaveToFile(TCustomIniFile& IniFile);
    TlxFieldList Fields();
};

class TlxDataSkinLayerFrame {
public:
    TlxDataSkinLayerFrame();
    static constexpr const char* Section = "LAYERFRAME";

    // -1: the skin has no layered border.
    int PictureIndex, MaskPictureIndex;
    int InActivePictureIndex, InActiveMaskPictureIndex;
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    TRect ClRect;
    int AlphaBlendValue, InActiveAlphaBlendValue;
    TRect BorderRect;
    bool HitTestEnable;

    void LoadFromFile(TCustomIniFile& IniFile);
    void SaveToFile(TCustomIniFile& IniFile);
    TlxFieldList Fields();
};

class TlxDataSkinHintWindow {
public:
    TlxDataSkinHintWindow();
    static constexpr const char* Section = "HINTWINDOW";

    int WindowPictureIndex, MaskPictureIndex;
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    TRect ClRect;
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight;
    TColor FontColor;
    bool TopStretch, LeftStretch, RightStretch, BottomStretch, StretchEffect;
    TlxStretchType StretchType;

    void LoadFromFile(TCustomIniFile& IniFile);
    void SaveToFile(TCustomIniFile& IniFile);
    TlxFieldList Fields();
};
