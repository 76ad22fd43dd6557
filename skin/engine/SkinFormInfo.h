#pragma once

#include "skin/engine/SkinFields.h"

#include <string>

class TCustomIniFile;

// The geometry and switches of the skinned form frame (section FORMINFO).
// These are fields of the skin data object itself, which derives from this.
class TlxSkinFormInfo {
public:
    TlxSkinFormInfo();
    static constexpr const char* Section = "FORMINFO";

    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    TRect ClRect;
    int BGPictureIndex, MDIBGPictureIndex;
    bool LeftStretch, RightStretch, TopStretch, BottomStretch, StretchEffect;
    TlxStretchType StretchType;
    bool MDIBGStretchEffect;
    TlxStretchType MDIBGStretchType;
    // Part of the frame the mask does not shape; holds ClRect once a mask is named.
    TRect MaskRectArea;
    TPoint HitTestLTPoint, HitTestRTPoint, HitTestLBPoint, HitTestRBPoint;
    TRect ButtonsRect;
    TRect CaptionRect;
    int ButtonsOffset;
    bool CapButtonsInLeft;
    bool MainMenuPopupUp;
    int BorderW;
    int FormMinWidth;
    bool MDITabsTransparent, MainMenuBarTransparent;
    bool AutoRenderingInActiveImage;
    TlxInActiveEffect InActiveEffect;

    // Reads every key, then applies the corrections: the corner points are
    // pushed towards the client rectangle unless the right-bottom point
    // shares a coordinate with the left-top one; then, with a mask named, the
    // mask area takes in the client rectangle and zero hit-test points take
    // the corner points as pushed. Reading what SaveFormInfo wrote gives the
    // same values.
    void LoadFormInfo(TCustomIniFile& IniFile, const std::string& MaskName);
    // Erases the section, then writes every key.
    void SaveFormInfo(TCustomIniFile& IniFile);
    TlxFieldList FormInfoFields();
};
