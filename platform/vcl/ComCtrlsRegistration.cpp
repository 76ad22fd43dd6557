#include "platform/vcl/ComCtrlsRegistration.h"

#include "platform/vcl/TClassRegistry.h"
#include "platform/vcl/TListView.h"
#include "platform/vcl/TPageControl.h"
#include "platform/vcl/TTabSheet.h"
#include "platform/vcl/TTreeView.h"

void RegisterComCtrlsClasses() {
    RegisterEnum<TTabPosition>(
        {{tpTop, "tpTop"}, {tpBottom, "tpBottom"}, {tpLeft, "tpLeft"}, {tpRight, "tpRight"}});
    RegisterEnum<TTabStyle>({{tsTabs, "tsTabs"}, {tsButtons, "tsButtons"}, {tsFlatButtons, "tsFlatButtons"}});
    RegisterClass<TPageControl>("TPageControl", "TCustomControl")
        .ColorProperty("Color", &TPageControl::Color, &TPageControl::SetColor, clBtnFace)
        .Property("ParentColor", &TPageControl::ParentColor, &TPageControl::SetParentColor, false)
        .Property("TabStop", &TPageControl::TabStop, &TPageControl::SetTabStop, true)
        .ReferenceProperty("Images", &TPageControl::Images, &TPageControl::SetImages)
        .Property("MultiLine", &TPageControl::MultiLine, &TPageControl::SetMultiLine)
        .Property("Style", &TPageControl::Style, &TPageControl::SetStyle)
        .Property("TabHeight", &TPageControl::TabHeight, &TPageControl::SetTabHeight)
        .Property("TabPosition", &TPageControl::TabPosition, &TPageControl::SetTabPosition)
        .Property("TabWidth", &TPageControl::TabWidth, &TPageControl::SetTabWidth)
        .ReferenceProperty("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage)
        .EventProperty("OnChange", &TPageControl::OnChange)
        .EventProperty("OnChanging", &TPageControl::OnChanging);
    RegisterClass<TTabSheet>("TTabSheet", "TCustomControl")
        .Property("Align", &TTabSheet::Align, &TTabSheet::SetAlign, alClient)
        .Property("Visible", &TTabSheet::Visible, &TTabSheet::SetVisible, false)
        .Property("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex, -1)
        .Property("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible, true);
    RegisterClass<TCustomTreeView>("TCustomTreeView", "TCustomControl")
        .Property("TabStop", &TCustomTreeView::TabStop, &TCustomTreeView::SetTabStop, true)
        .Property("HideSelection", &TCustomTreeView::HideSelection, &TCustomTreeView::SetHideSelection, true)
        .ReferenceProperty("Images", &TCustomTreeView::Images, &TCustomTreeView::SetImages)
        .Property("Indent", &TCustomTreeView::Indent, &TCustomTreeView::SetIndent, 19)
        .Property("ReadOnly", &TCustomTreeView::ReadOnly, &TCustomTreeView::SetReadOnly)
        .Property("RightClickSelect", &TCustomTreeView::RightClickSelect,
                  &TCustomTreeView::SetRightClickSelect)
        .Property("ShowButtons", &TCustomTreeView::ShowButtons, &TCustomTreeView::SetShowButtons, true)
        .Property("ShowLines", &TCustomTreeView::ShowLines, &TCustomTreeView::SetShowLines, true)
        .Property("ShowRoot", &TCustomTreeView::ShowRoot, &TCustomTreeView::SetShowRoot, true)
        .ReferenceProperty("StateImages", &TCustomTreeView::StateImages, &TCustomTreeView::SetStateImages)
        .EventProperty("OnChange", &TCustomTreeView::OnChange)
        .EventProperty("OnChanging", &TCustomTreeView::OnChanging)
        .EventProperty("OnCollapsed", &TCustomTreeView::OnCollapsed)
        .EventProperty("OnCollapsing", &TCustomTreeView::OnCollapsing)
        .EventProperty("OnDeletion", &TCustomTreeView::OnDeletion)
        .EventProperty("OnExpanded", &TCustomTreeView::OnExpanded)
        .EventProperty("OnExpanding", &TCustomTreeView::OnExpanding)
        .EventProperty("OnGetImageIndex", &TCustomTreeView::OnGetImageIndex)
        .EventProperty("OnGetSelectedIndex", &TCustomTreeView::OnGetSelectedIndex);
    RegisterClass<TTreeView>("TTreeView", "TCustomTreeView");

    RegisterEnum<TViewStyle>(
        {{vsIcon, "vsIcon"}, {vsSmallIcon, "vsSmallIcon"}, {vsList, "vsList"}, {vsReport, "vsReport"}});
    RegisterEnum<TSortType>({{stNone, "stNone"}, {stData, "stData"}, {stText, "stText"}, {stBoth, "stBoth"}});
    RegisterClass<TListColumn>("TListColumn", "TCollectionItem")
        .Property("Alignment", &TListColumn::Alignment, &TListColumn::SetAlignment)
        .Property("Caption", &TListColumn::Caption, &TListColumn::SetCaption)
        .Property("ImageIndex", &TListColumn::ImageIndex, &TListColumn::SetImageIndex, -1)
        .Property("Width", &TListColumn::Width, &TListColumn::SetWidth, 50);
    RegisterClass<TCustomListView>("TCustomListView", "TCustomControl")
        .Property("TabStop", &TCustomListView::TabStop, &TCustomListView::SetTabStop, true)
        .CollectionProperty("Columns", &TCustomListView::Columns)
        .Property("ColumnClick", &TCustomListView::ColumnClick, &TCustomListView::SetColumnClick, true)
        .Property("FullDrag", &TCustomListView::FullDrag, &TCustomListView::SetFullDrag)
        .Property("GridLines", &TCustomListView::GridLines, &TCustomListView::SetGridLines)
        .Property("HideSelection", &TCustomListView::HideSelection, &TCustomListView::SetHideSelection, true)
        .ReferenceProperty("LargeImages", &TCustomListView::LargeImages, &TCustomListView::SetLargeImages)
        .Property("MultiSelect", &TCustomListView::MultiSelect, &TCustomListView::SetMultiSelect)
        .Property("OwnerData", &TCustomListView::OwnerData, &TCustomListView::SetOwnerData)
        .Property("ReadOnly", &TCustomListView::ReadOnly, &TCustomListView::SetReadOnly)
        .Property("RowSelect", &TCustomListView::RowSelect, &TCustomListView::SetRowSelect)
        .Property("ShowColumnHeaders", &TCustomListView::ShowColumnHeaders,
                  &TCustomListView::SetShowColumnHeaders, true)
        .ReferenceProperty("SmallImages", &TCustomListView::SmallImages, &TCustomListView::SetSmallImages)
        .Property("SortType", &TCustomListView::SortType, &TCustomListView::SetSortType)
        .Property("ViewStyle", &TCustomListView::ViewStyle, &TCustomListView::SetViewStyle)
        .EventProperty("OnChange", &TCustomListView::OnChange)
        .EventProperty("OnColumnClick", &TCustomListView::OnColumnClick)
        .EventProperty("OnCompare", &TCustomListView::OnCompare)
        .EventProperty("OnData", &TCustomListView::OnData)
        .EventProperty("OnDataFind", &TCustomListView::OnDataFind)
        .EventProperty("OnSelectItem", &TCustomListView::OnSelectItem);
    RegisterClass<TListView>("TListView", "TCustomListView");
}
