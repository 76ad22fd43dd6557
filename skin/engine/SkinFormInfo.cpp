#include "skin/engine/SkinFormInfo.h"

#include "platform/base/IniFile.h"
#include "skin/engine/SkinFieldMacros.h"

#include <algorithm>

namespace {
using C = TlxSkinFormInfo;
const TlxFieldDef<C> Table[] = {
    LX_CORNER_POINTS,
    LX_RECT_KEY(ClRect, "clientrect"),
    LX_INT(BGPictureIndex, -1, -1),
    LX_INT(MDIBGPictureIndex, -1, -1),
    LX_FLAG(LeftStretch, false),
    LX_FLAG(RightStretch, false),
    LX_FLAG(TopStretch, false),
    LX_FLAG(BottomStretch, false),
    LX_FLAG(StretchEffect, false),
    LX_STRETCH(StretchType),
    LX_FLAG(MDIBGStretchEffect, false),
    LX_STRETCH(MDIBGStretchType),
    LX_RECT(MaskRectArea),
    LX_POINT_KEY(HitTestLTPoint, "hittestlefttoppoint"),
    LX_POINT_KEY(HitTestRTPoint, "hittestrighttoppoint"),
    LX_POINT_KEY(HitTestLBPoint, "hittestleftbottompoint"),
    LX_POINT_KEY(HitTestRBPoint, "hittestrightbottompoint"),
    LX_RECT(ButtonsRect),
    LX_RECT(CaptionRect),
    LX_INT(ButtonsOffset, 0, 0),
    LX_FIELD(Boolean, CapButtonsInLeft, "buttonsinleft", 0, false),
    LX_FLAG(MainMenuPopupUp, false),
    LX_INT_KEY(BorderW, "borderwidth", 0, 0),
    LX_INT(FormMinWidth, 0, 0),
    LX_FLAG(MDITabsTransparent, false),
    LX_FLAG(MainMenuBarTransparent, false),
    LX_FLAG(AutoRenderingInActiveImage, false),
    LX_FIELD(InActiveEffect, InActiveEffect, nullptr, ieBrightness, ieBrightness),
};

void TakeCornerWhenZero(TPoint& hitTest, const TPoint& corner) {
    if (hitTest.X == 0 || hitTest.Y == 0) hitTest = corner;
}
} // namespace

TlxSkinFormInfo::TlxSkinFormInfo() {
    InitFields(FormInfoFields());
}

TlxFieldList TlxSkinFormInfo::FormInfoFields() {
    TlxFieldList list;
    BindFieldTable<TlxSkinFormInfo>(list, *this, Table);
    return list;
}

void TlxSkinFormInfo::LoadFormInfo(TCustomIniFile& IniFile, const std::string& MaskName) {
    ReadFields(IniFile, Section, FormInfoFields());

    // The corners first: the hit-test points copy them, and copying unclamped
    // corners would give a skin that reads differently once saved.
    if (RBPoint.X != LTPoint.X && RBPoint.Y != LTPoint.Y) {
        LTPoint.X = std::max(LTPoint.X, ClRect.Left);
        LTPoint.Y = std::max(LTPoint.Y, ClRect.Top);
        RTPoint.X = std::min(RTPoint.X, ClRect.Right);
        RTPoint.Y = std::max(RTPoint.Y, ClRect.Top);
        LBPoint.X = std::max(LBPoint.X, ClRect.Left);
        LBPoint.Y = std::min(LBPoint.Y, ClRect.Bottom);
        RBPoint.X = std::min(RBPoint.X, ClRect.Right);
        RBPoint.Y = std::min(RBPoint.Y, ClRect.Bottom);
    }

    if (!MaskName.empty()) {
        if (MaskRectArea.IsEmpty())
            MaskRectArea = ClRect;
        else
            MaskRectArea = {std::min(MaskRectArea.Left, ClRect.Left), std::min(MaskRectArea.Top, ClRect.Top),
                            std::max(MaskRectArea.Right, ClRect.Right),
                            std::max(MaskRectArea.Bottom, ClRect.Bottom)};
        TakeCornerWhenZero(HitTestLTPoint, LTPoint);
        TakeCornerWhenZero(HitTestRTPoint, RTPoint);
        TakeCornerWhenZero(HitTestLBPoint, LBPoint);
        TakeCornerWhenZero(HitTestRBPoint, RBPoint);
    }
}

void TlxSkinFormInfo::SaveFormInfo(TCustomIniFile& IniFile) {
    IniFile.EraseSection(Section);
    WriteFields(IniFile, Section, FormInfoFields());
}
