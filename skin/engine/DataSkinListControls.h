#pragma once

#include "skin/engine/DataSkinControls.h"

// Control descriptions of list boxes, combo boxes, edits, memos, spin edits,
// scroll bars, tabs, grids, the main menu bar and the tree, list and
// rich-edit views. Names of other descriptions they hold (scroll bars, the
// drop-down list, the tab scroller, menu bar objects) are looked up again by
// the control that uses them.

class TlxDataSkinListBox : public TlxDataSkinCustomControl {
    LX_DESCRIPTION(TlxDataSkinListBox)
    TRect SItemRect;
    TRect ActiveItemRect;
    TRect FocusItemRect;
    int ItemLeftOffset, ItemRightOffset;
    TRect ItemTextRect;
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight;
    TColor FontColor, ActiveFontColor, FocusFontColor;
    TRect CaptionRect;
    std::string CaptionFontName;
    TFontStyles CaptionFontStyle;
    int CaptionFontHeight;
    TColor CaptionFontColor;
    TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
    TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
    TRect CheckButtonRect, ActiveCheckButtonRect, DownCheckButtonRect;
    std::string HScrollBarName;
    std::string VScrollBarName;
    // The horizontal bar that shares the corner when both bars are shown.
    std::string BothScrollBarName;
    bool ShowFocus;
    TRect DisabledButtonsRect;
    TRect ButtonsArea;
};

class TlxDataSkinCheckListBox : public TlxDataSkinListBox {
    LX_DESCRIPTION(TlxDataSkinCheckListBox)
    TRect UnCheckImageRect, CheckImageRect;
    TRect ItemCheckRect;
};

class TlxDataSkinComboBox : public TlxDataSkinCustomControl {
    LX_DESCRIPTION(TlxDataSkinComboBox)
    TRect SItemRect;
    TRect ActiveItemRect, FocusItemRect;
    int ItemLeftOffset, ItemRightOffset;
    TRect ItemTextRect;
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight;
    TColor FontColor, FocusFontColor, ActiveFontColor;
    TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
    bool ItemStretchEffect, FocusItemStretchEffect;
    TRect ActiveSkinRect;
    std::string ListBoxName;
    bool ShowFocus;
};

class TlxDataSkinEditControl : public TlxDataSkinCustomControl {
    LX_DESCRIPTION(TlxDataSkinEditControl)
    TRect ActiveSkinRect;
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight;
    TColor FontColor, DisabledFontColor, ActiveFontColor;
    TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
};

class TlxDataSkinMemoControl : public TlxDataSkinEditControl {
    LX_DESCRIPTION(TlxDataSkinMemoControl)
    TColor BGColor, ActiveBGColor;
};

class TlxDataSkinSpinEditControl : public TlxDataSkinCustomControl {
    LX_DESCRIPTION(TlxDataSkinSpinEditControl)
    TRect ActiveSkinRect;
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight;
    TColor FontColor, ActiveFontColor, DisabledFontColor;
    TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
    TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
};

class TlxDataSkinScrollBarControl : public TlxDataSkinCustomControl {
    LX_DESCRIPTION(TlxDataSkinScrollBarControl)
    TRect TrackArea;
    TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
    TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
    TRect ThumbRect, ActiveThumbRect, DownThumbRect;
    int ThumbOffset1, ThumbOffset2;
    TRect GlyphRect, ActiveGlyphRect, DownGlyphRect;
    bool GlyphTransparent;
    TColor GlyphTransparentColor;
    bool ThumbTransparent;
    TColor ThumbTransparentColor;
    bool ThumbStretchEffect;
    int ThumbMinSize;
    int ThumbMinPageSize;
};

// Carries its own frame geometry for the page area (SkinRect).
class TlxDataSkinTabControl : public TlxDataSkinControl {
    LX_DESCRIPTION(TlxDataSkinTabControl)
    TRect TabRect;
    TRect ActiveTabRect, FocusTabRect, MouseInTabRect;
    TRect ClRect;
    TRect TabsBGRect;
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    int TabLeftOffset, TabRightOffset;
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight;
    TColor FontColor, ActiveFontColor, FocusFontColor, MouseInFontColor;
    std::string UpDown;
    int BGPictureIndex;
    bool TabStretchEffect;
    bool ShowFocus;
    int FocusOffsetX, FocusOffsetY;
    bool LeftStretch, TopStretch, RightStretch, BottomStretch, StretchEffect;
    TlxStretchType StretchType;
    TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
    bool ButtonTransparent;
    TColor ButtonTransparentColor;
};

class TlxDataSkinGridControl : public TlxDataSkinControl {
    LX_DESCRIPTION(TlxDataSkinGridControl)
    TRect FixedCellRect, SelectCellRect, FocusCellRect;
    int FixedCellLeftOffset, FixedCellRightOffset;
    TRect FixedCellTextRect;
    int CellLeftOffset, CellRightOffset;
    TRect CellTextRect;
    TColor LinesColor;
    TColor BGColor;
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight;
    TColor FontColor, SelectFontColor, FocusFontColor;
    std::string FixedFontName;
    TFontStyles FixedFontStyle;
    int FixedFontHeight;
    TColor FixedFontColor;
    bool FixedCellStretchEffect, CellStretchEffect;
    bool ShowFocus;
    int BGPictureIndex;
};

class TlxDataSkinMainMenuBar : public TlxDataSkinControl {
    LX_DESCRIPTION(TlxDataSkinMainMenuBar)
    TRect ItemsRect;
    std::string MenuBarItem;
    std::string CloseButton, MaxButton, MinButton, SysMenuButton;
    int TrackMarkColor, TrackMarkActiveColor;
    bool StretchEffect;
    bool ItemTransparent;
};

class TlxDataSkinTreeView : public TlxDataSkinControl {
    LX_DESCRIPTION(TlxDataSkinTreeView)
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight;
    TColor FontColor;
    TColor BGColor;
};

class TlxDataSkinListView : public TlxDataSkinControl {
    LX_DESCRIPTION(TlxDataSkinListView)
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight;
    TColor FontColor;
    TColor BGColor;
};

class TlxDataSkinRichEdit : public TlxDataSkinControl {
    LX_DESCRIPTION(TlxDataSkinRichEdit)
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight;
    TColor FontColor;
    TColor BGColor;
};
