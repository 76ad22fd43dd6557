#pragma once

#include "platform/vcl/CommCtrl.h"
#include "platform/vcl/TCustomControl.h"
#include "platform/vcl/TImageList.h"
#include "platform/vcl/TListColumn.h"
#include "platform/vcl/TListHeader.h"
#include "platform/vcl/TListItem.h"

#include <memory>
#include <vector>

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
enum TItemChange { ctText, ctImage, ctState };
enum TSortType { stNone, stData, stText, stBoth };
enum TItemRequestItem { irText, irImage, irParam, irState, irIndent };
using TItemRequest = TSet<TItemRequestItem>;
enum TItemFind { ifData, ifPartialString, ifExactString, ifNearest };
enum TSearchDirection { sdLeft, sdRight, sdAbove, sdBelow, sdAll };

using TLVSelectItemEvent = std::function<void(TObject* Sender, TListItem* Item, bool Selected)>;
using TLVChangeEvent = std::function<void(TObject* Sender, TListItem* Item, TItemChange Change)>;
using TLVColumnClickEvent = std::function<void(TObject* Sender, TListColumn* Column)>;
using TLVCompareEvent =
    std::function<void(TObject* Sender, TListItem* Item1, TListItem* Item2, int Data, int& Compare)>;
// What painting shows of one row.
struct TListRowData {
    std::string Caption;
    std::vector<std::string> SubItems; // columns 1 and up
    int ImageIndex = -1;
};

using TLVOwnerDataEvent = std::function<void(TObject* Sender, TListItem* Item)>;
using TLVOwnerDataFindEvent =
    std::function<void(TObject* Sender, TItemFind Find, const std::string& FindString, TPoint FindPosition,
                       void* FindData, int StartIndex, TSearchDirection Direction, bool Wrap, int& Index)>;

// Rows of items shown as large icons, small icons, a column-wise list or a
// report with columns under a header (TListHeader). It draws no scroll
// bars; its scroll state is kept as the window's scroll information:
// report: vertical in rows (max = rows - 1, page = rows per page, position =
// top row), horizontal in pixels; list: horizontal in columns; icon styles:
// vertical in pixels. A range is 0..0 while the content fits. Scroll,
// WM_VSCROLL, WM_HSCROLL and the wheel move it; ScrollChanged announces
// every change. Owner-data views keep only a count: every Invalidate (the
// view's own after a change, or the owner's after its data changed) asks
// OnData again for the rows in view, from a handler posted to run before
// the paint (or at once from Update and Repaint). Painting reads the rows
// and the visual state (see TVisualState.h), decides nothing and raises no
// event.
class TCustomListView : public TCustomControl {
public:
    explicit TCustomListView(TComponent* AOwner);
    ~TCustomListView() override;

    TListItems* Items() { return FItems.get(); }
    TListColumns* Columns() { return FColumns.get(); }
    TListColumn* Column(int Index) const { return FColumns->Items(Index); }
    TListHeader* Header() { return FHeader; }

    TViewStyle ViewStyle() const { return FViewStyle; }
    void SetViewStyle(TViewStyle Value);
    bool ShowColumnHeaders() const { return FShowColumnHeaders; }
    void SetShowColumnHeaders(bool Value);
    TCustomImageList* SmallImages() const { return FSmallImages; }
    void SetSmallImages(TCustomImageList* Value);
    TCustomImageList* LargeImages() const { return FLargeImages; }
    void SetLargeImages(TCustomImageList* Value);
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool Value);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool Value);
    // Captions are never edited in place; kept for descriptions.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    bool GridLines() const { return FGridLines; }
    void SetGridLines(bool Value);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    // Header sections can be dragged to new places.
    bool FullDrag() const { return FFullDrag; }
    void SetFullDrag(bool Value) { FFullDrag = Value; }
    // Header clicks raise OnColumnClick.
    bool ColumnClick() const { return FColumnClick; }
    void SetColumnClick(bool Value) { FColumnClick = Value; }
    bool OwnerData() const { return FOwnerData; }
    void SetOwnerData(bool Value);
    TSortType SortType() const { return FSortType; }
    void SetSortType(TSortType Value);

    // The first selected row (-1); setting it selects that row alone.
    int ItemIndex() const;
    void SetItemIndex(int Value);
    TListItem* Selected();
    void SetSelected(TListItem* Value);
    TListItem* ItemFocused();
    void SetItemFocused(TListItem* Value);
    int SelCount() const;
    void ClearSelection();
    void SelectAll();

    TListItem* GetItemAt(int X, int Y);
    int IndexAt(int X, int Y);
    TRect ItemRect(int Index, TDisplayCode Code = drBounds);
    // Rows (report, list) or items (icon styles) fully shown at once.
    int VisibleRowCount();
    int ItemsPerPage();
    int TopIndex();
    // Scrolls by pixels; report and list styles move whole rows and columns.
    void Scroll(int DX, int DY);
    void MakeItemVisible(int Index, bool PartialOK);
    int RowHeight() const;
    int HeaderHeight() const;
    int ScrollX() const { return FScrollX; }
    void Invalidate() override;
    void Update() override;
    bool AlphaSort();
    int FindCaption(int StartIndex, const std::string& Value, bool Partial, bool Inclusive, bool Wrap);

    TLVSelectItemEvent OnSelectItem;
    TLVChangeEvent OnChange;
    TLVColumnClickEvent OnColumnClick;
    TLVCompareEvent OnCompare;
    TLVOwnerDataEvent OnData;
    TLVOwnerDataFindEvent OnDataFind;
    TNotifyEvent OnScrollChanged;

protected:
    virtual void SelectItem(TListItem* Item, bool Selected);
    virtual void Change(TListItem* Item, TItemChange Change);
    virtual void ColClick(TListColumn* Column);
    virtual int CompareItems(TListItem* Item1, TListItem* Item2);
    virtual bool OwnerDataFetch(TListItem* Item, TItemRequest Request);
    virtual int OwnerDataFind(TItemFind Find, const std::string& FindString, TPoint FindPosition,
                              void* FindData, int StartIndex, TSearchDirection Direction, bool Wrap);
    virtual void ScrollChanged();

    void Paint() override;
    void VisualStateChanged(TVisualState Changed) override;
    // The control's state plus the row's own (selected).
    TVisualState ItemVisualState(int Index) const;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void Resize() override;
    void CreateWnd() override;

    // Layout, scroll state, header and picture after any change.
    void ContentChanged();

private:
    friend class TListItem;
    friend class TListItems;
    friend class TListColumns;
    friend class TListHeader;
    bool RowSelectedRaw(int Index) const;
    void SetRowSelectedRaw(int Index, bool Value);
    void ApplySelection(const std::vector<int>& Wanted);
    void SelectRow(int Index, TShiftState Shift, bool ByMouse);
    void ItemsInserted(int Index);
    void ItemsDeleted(int Index);
    void ItemsCleared();
    void ColumnsChanged();
    void UpdateHeader();
    void UpdateScrollInfo();
    void SetTop(int Row);
    void SetScrollX(int X);
    void SetScrollY(int Y);
    int ColumnsWidth() const;
    int CellWidth();
    int CellHeight() const;
    int PerLine();
    int ImageWidth(bool Large) const;
    // The rows painting draws, first to last (last may lie past the end).
    void VisibleRange(int& First, int& Last);
    // Posts CM_FETCHROWS unless one is pending.
    void RequestRows();
    // Asks OnData for the rows in view and keeps what it gave for painting.
    void FetchRows();
    // The row as painting shows it: the item's, or for owner data what the
    // last fetch gave (nullptr when that fetch did not reach it).
    const TListRowData* PaintRow(int Index, TListRowData& Scratch) const;
    // Draws one row of the built-in look from the state it is handed.
    void DrawItem(TCanvas* C, int Index, const TListRowData& Row, TVisualState State);

    std::unique_ptr<TListItems> FItems;
    std::unique_ptr<TListColumns> FColumns;
    std::vector<int> FOrder;
    TListHeader* FHeader = nullptr;
    TViewStyle FViewStyle = vsIcon;
    bool FShowColumnHeaders = true;
    TComponentRef<TCustomImageList> FSmallImages{this, [this] { ContentChanged(); }};
    TComponentRef<TCustomImageList> FLargeImages{this, [this] { ContentChanged(); }};
    bool FRowSelect = false;
    bool FMultiSelect = false;
    bool FReadOnly = false;
    bool FGridLines = false;
    bool FHideSelection = true;
    bool FFullDrag = false;
    bool FColumnClick = true;
    bool FOwnerData = false;
    TSortType FSortType = stNone;
    std::vector<bool> FOwnerSelected;
    int FFocused = -1;
    int FAnchor = -1;
    int FTop = 0;     // report: first row; list: first column
    int FScrollX = 0; // report: pixels
    int FScrollY = 0; // icon styles: pixels
    int FCellWidth = 0;
    bool FCellWidthValid = false;
    std::string FSearch;
    uint64_t FSearchTime = 0;
    TScrollInfo FVert;
    TScrollInfo FHorz;
    // Owner data: rows FRowsFirst.. as OnData gave them at the last fetch.
    std::vector<TListRowData> FRows;
    int FRowsFirst = 0;
    bool FFetchPosted = false;
    bool FFetching = false;
};

class TListView : public TCustomListView {
public:
    using TCustomListView::TCustomListView;
};
