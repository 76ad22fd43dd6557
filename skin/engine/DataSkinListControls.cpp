#include "skin/engine/DataSkinListControls.h"

#include "skin/engine/SkinFieldMacros.h"

namespace {

constexpr TColor Magenta = 16711935;
constexpr TColor White = 16777215;

namespace listbox {
using C = TlxDataSkinListBox;
const TlxFieldDef<C> Table[] = {
    LX_RECT_KEY(SItemRect, "itemrect"),
    LX_RECT(ActiveItemRect),
    LX_RECT(FocusItemRect),
    LX_INT(ItemLeftOffset, 0, 0),
    LX_INT(ItemRightOffset, 0, 0),
    LX_RECT(ItemTextRect),
    LX_STR(FontName, "Arial", "Arial"),
    LX_STYLE(FontStyle),
    LX_INT(FontHeight, 14, 14),
    LX_COLOR(FontColor, 0, 0),
    LX_COLOR(ActiveFontColor, 0, 0),
    LX_COLOR(FocusFontColor, 0, 0),
    LX_RECT(CaptionRect),
    LX_STR(CaptionFontName, "Arial", "Arial"),
    LX_STYLE(CaptionFontStyle),
    LX_INT(CaptionFontHeight, 14, 14),
    LX_COLOR(CaptionFontColor, 0, 0),
    LX_RECT(UpButtonRect),
    LX_RECT(ActiveUpButtonRect),
    LX_RECT(DownUpButtonRect),
    LX_RECT(DownButtonRect),
    LX_RECT(ActiveDownButtonRect),
    LX_RECT(DownDownButtonRect),
    LX_RECT(CheckButtonRect),
    LX_RECT(ActiveCheckButtonRect),
    LX_RECT(DownCheckButtonRect),
    LX_STR(HScrollBarName, "hscrollbar", ""),
    LX_STR(VScrollBarName, "vscrollbar", ""),
    LX_STR_KEY(BothScrollBarName, "bothhscrollbarname", "bothhscrollbar", ""),
    LX_FLAG(ShowFocus, false),
    LX_RECT(DisabledButtonsRect),
    LX_RECT(ButtonsArea),
};
} // namespace listbox

namespace checklistbox {
using C = TlxDataSkinCheckListBox;
const TlxFieldDef<C> Table[] = {
    LX_RECT(UnCheckImageRect),
    LX_RECT(CheckImageRect),
    LX_RECT(ItemCheckRect),
};
} // namespace checklistbox

namespace combobox {
using C = TlxDataSkinComboBox;
const TlxFieldDef<C> Table[] = {
    LX_RECT_KEY(SItemRect, "itemrect"),
    LX_RECT(ActiveItemRect),
    LX_RECT(FocusItemRect),
    LX_INT(ItemLeftOffset, 0, 0),
    LX_INT(ItemRightOffset, 0, 0),
    LX_RECT(ItemTextRect),
    LX_STR(FontName, "Arial", "Arial"),
    LX_STYLE(FontStyle),
    LX_INT(FontHeight, 14, 14),
    LX_COLOR(FontColor, 0, 0),
    LX_COLOR(FocusFontColor, 0, 0),
    LX_COLOR(ActiveFontColor, 0, 0),
    LX_RECT(ButtonRect),
    LX_RECT(ActiveButtonRect),
    LX_RECT(DownButtonRect),
    LX_RECT(UnEnabledButtonRect),
    LX_FLAG(ItemStretchEffect, false),
    LX_FLAG(FocusItemStretchEffect, false),
    LX_RECT(ActiveSkinRect),
    LX_STR(ListBoxName, "", ""),
    LX_FLAG(ShowFocus, false),
};
} // namespace combobox

namespace edit {
using C = TlxDataSkinEditControl;
const TlxFieldDef<C> Table[] = {
    LX_RECT(ActiveSkinRect),
    LX_STR(FontName, "Arial", "Arial"),
    LX_STYLE(FontStyle),
    LX_INT(FontHeight, 14, 12),
    LX_COLOR(FontColor, 0, 0),
    LX_COLOR(DisabledFontColor, 0, 0),
    LX_COLOR(ActiveFontColor, 0, 0),
    LX_RECT(ButtonRect),
    LX_RECT(ActiveButtonRect),
    LX_RECT(DownButtonRect),
    LX_RECT(UnEnabledButtonRect),
};
} // namespace edit

namespace memo {
using C = TlxDataSkinMemoControl;
const TlxFieldDef<C> Table[] = {
    LX_COLOR(BGColor, 0, 0),
    LX_COLOR(ActiveBGColor, 0, 0),
};
} // namespace memo

namespace spinedit {
using C = TlxDataSkinSpinEditControl;
const TlxFieldDef<C> Table[] = {
    LX_RECT(ActiveSkinRect),
    LX_STR(FontName, "Arial", "Arial"),
    LX_STYLE(FontStyle),
    LX_INT(FontHeight, 14, 12),
    LX_COLOR(FontColor, 0, 0),
    LX_COLOR(ActiveFontColor, 0, 0),
    LX_COLOR(DisabledFontColor, 0, 0),
    LX_RECT(UpButtonRect),
    LX_RECT(ActiveUpButtonRect),
    LX_RECT(DownUpButtonRect),
    LX_RECT(DownButtonRect),
    LX_RECT(ActiveDownButtonRect),
    LX_RECT(DownDownButtonRect),
};
} // namespace spinedit

namespace scrollbar {
using C = TlxDataSkinScrollBarControl;
const TlxFieldDef<C> Table[] = {
    LX_RECT(TrackArea),
    LX_RECT(UpButtonRect),
    LX_RECT(ActiveUpButtonRect),
    LX_RECT(DownUpButtonRect),
    LX_RECT(DownButtonRect),
    LX_RECT(ActiveDownButtonRect),
    LX_RECT(DownDownButtonRect),
    LX_RECT(ThumbRect),
    LX_RECT(ActiveThumbRect),
    LX_RECT(DownThumbRect),
    LX_INT(ThumbOffset1, 0, 0),
    LX_INT(ThumbOffset2, 0, 0),
    LX_RECT(GlyphRect),
    LX_RECT(ActiveGlyphRect),
    LX_RECT(DownGlyphRect),
    LX_FLAG(GlyphTransparent, false),
    LX_COLOR(GlyphTransparentColor, 0, Magenta),
    LX_FLAG(ThumbTransparent, false),
    LX_COLOR(ThumbTransparentColor, 0, Magenta),
    LX_FLAG(ThumbStretchEffect, false),
    LX_INT(ThumbMinSize, 0, 0),
    LX_INT(ThumbMinPageSize, 0, 0),
};
} // namespace scrollbar

namespace tab {
using C = TlxDataSkinTabControl;
const TlxFieldDef<C> Table[] = {
    LX_RECT(TabRect),
    LX_RECT(ActiveTabRect),
    LX_RECT(FocusTabRect),
    LX_RECT(MouseInTabRect),
    LX_RECT_KEY(ClRect, "clientrect"),
    LX_RECT(TabsBGRect),
    LX_CORNER_POINTS,
    LX_INT(TabLeftOffset, 0, 0),
    LX_INT(TabRightOffset, 0, 0),
    LX_STR(FontName, "Arial", "Arial"),
    LX_STYLE(FontStyle),
    LX_INT(FontHeight, 14, 14),
    LX_COLOR(FontColor, 0, 0),
    LX_COLOR(ActiveFontColor, 0, 0),
    LX_COLOR(FocusFontColor, 0, 0),
    LX_COLOR(MouseInFontColor, 0, 0),
    LX_STR(UpDown, "", ""),
    LX_INT(BGPictureIndex, -1, -1),
    LX_FLAG(TabStretchEffect, false),
    LX_FLAG(ShowFocus, false),
    LX_INT(FocusOffsetX, 0, 0),
    LX_INT(FocusOffsetY, 0, 0),
    LX_FLAG(LeftStretch, false),
    LX_FLAG(TopStretch, false),
    LX_FLAG(RightStretch, false),
    LX_FLAG(BottomStretch, false),
    LX_FLAG(StretchEffect, false),
    LX_STRETCH(StretchType),
    LX_RECT(CloseButtonRect),
    LX_RECT(CloseButtonActiveRect),
    LX_RECT(CloseButtonDownRect),
    LX_FLAG(ButtonTransparent, false),
    LX_COLOR(ButtonTransparentColor, 0, Magenta),
};
} // namespace tab

namespace grid {
using C = TlxDataSkinGridControl;
const TlxFieldDef<C> Table[] = {
    LX_RECT(FixedCellRect),
    LX_RECT(SelectCellRect),
    LX_RECT(FocusCellRect),
    LX_INT(FixedCellLeftOffset, 0, 0),
    LX_INT(FixedCellRightOffset, 0, 0),
    LX_RECT(FixedCellTextRect),
    LX_INT(CellLeftOffset, 0, 0),
    LX_INT(CellRightOffset, 0, 0),
    LX_RECT(CellTextRect),
    LX_COLOR(LinesColor, 0, 0),
    LX_COLOR(BGColor, 0, 0),
    LX_STR(FontName, "Arial", "Arial"),
    LX_STYLE(FontStyle),
    LX_INT(FontHeight, 14, 14),
    LX_COLOR(FontColor, 0, 0),
    LX_COLOR(SelectFontColor, 0, 0),
    LX_COLOR(FocusFontColor, 0, 0),
    LX_STR(FixedFontName, "Arial", "Arial"),
    LX_STYLE(FixedFontStyle),
    LX_INT(FixedFontHeight, 14, 14),
    LX_COLOR(FixedFontColor, 0, 0),
    LX_FLAG(FixedCellStretchEffect, false),
    LX_FLAG(CellStretchEffect, false),
    LX_FLAG(ShowFocus, false),
    LX_INT(BGPictureIndex, -1, -1),
};
} // namespace grid

namespace mainmenubar {
using C = TlxDataSkinMainMenuBar;
const TlxFieldDef<C> Table[] = {
    LX_RECT(ItemsRect),
    LX_STR(MenuBarItem, "", ""),
    LX_STR(CloseButton, "", ""),
    LX_STR(MaxButton, "", ""),
    LX_STR(MinButton, "", ""),
    LX_STR(SysMenuButton, "", ""),
    LX_INT(TrackMarkColor, 0, 0),
    LX_INT(TrackMarkActiveColor, 0, 0),
    LX_FLAG(StretchEffect, false),
    LX_FLAG(ItemTransparent, false),
};
} // namespace mainmenubar

// The three views share their fields; the file default of "bgcolor" is black
// while a fresh description is white.
#define LX_VIEW_TABLE(Class)                                                                                 \
    using C = Class;                                                                                         \
    const TlxFieldDef<C> Table[] = {                                                                         \
        LX_STR(FontName, "Arial", "Arial"), LX_STYLE(FontStyle),         LX_INT(FontHeight, 14, 14),         \
        LX_COLOR(FontColor, 0, 0),          LX_COLOR(BGColor, 0, White),                                     \
    };

namespace treeview {
LX_VIEW_TABLE(TlxDataSkinTreeView)
}
namespace listview {
LX_VIEW_TABLE(TlxDataSkinListView)
}
namespace richedit {
LX_VIEW_TABLE(TlxDataSkinRichEdit)
}

} // namespace

LX_DEFINE_DESCRIPTION(TlxDataSkinListBox, TlxDataSkinCustomControl, "listbox", listbox::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinCheckListBox, TlxDataSkinListBox, "checklistbox", checklistbox::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinComboBox, TlxDataSkinCustomControl, "combobox", combobox::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinEditControl, TlxDataSkinCustomControl, "edit", edit::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinMemoControl, TlxDataSkinEditControl, "memo", memo::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinSpinEditControl, TlxDataSkinCustomControl, "spinedit", spinedit::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinScrollBarControl, TlxDataSkinCustomControl, "scrollbar", scrollbar::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinTabControl, TlxDataSkinControl, "tab", tab::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinGridControl, TlxDataSkinControl, "grid", grid::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinMainMenuBar, TlxDataSkinControl, "mainmenubar", mainmenubar::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinTreeView, TlxDataSkinControl, "treeview", treeview::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinListView, TlxDataSkinControl, "listview", listview::Table)
LX_DEFINE_DESCRIPTION(TlxDataSkinRichEdit, TlxDataSkinControl, "richedit", richedit::Table)
