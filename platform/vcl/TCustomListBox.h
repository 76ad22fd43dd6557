#pragma once

#include "platform/base/Strings.h"
#include "platform/vcl/StdCtrlsConst.h"
#include "platform/vcl/TCustomControl.h"

#include <memory>
#include <string>
#include <vector>

enum TOwnerDrawStateItem {
    odSelected,
    odGrayed,
    odDisabled,
    odChecked,
    odFocused,
    odDefault,
    odHotLight,
    odInactive,
    odNoAccel,
    odNoFocusRect,
    odComboBoxEdit,
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed };

class TWinControl;
using TDrawItemEvent =
    std::function<void(TWinControl* Control, int Index, const TRect& Rect, TOwnerDrawState State)>;

class TCustomListBox;

// The items of a list box. Adding, inserting, deleting and clearing go
// through the list box's LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING and
// LB_RESETCONTENT messages, so a descendant's message procedure sees every
// change after it happened.
class TListBoxStrings : public TStrings {
public:
    explicit TListBoxStrings(TCustomListBox* AListBox) : FListBox(AListBox) {}
    int Count() const override;
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    TObject* Objects(int index) const override;
    void SetObjects(int index, TObject* obj) override;
    void InsertObject(int index, const std::string& s, TObject* obj) override;
    int AddObject(const std::string& s, TObject* obj) override;
    void Delete(int index) override;
    void Clear() override;

private:
    TCustomListBox* FListBox;
};

// A list of strings shown one per row (or in several columns), drawn by the
// list box or, owner-drawn, by OnDrawItem for the visible items only. It
// keeps its scroll state for scroll bars drawn by others: vertically the
// range is 0 .. Count - 1, the page the visible rows and the position
// TopIndex (all 0 when everything fits); with Columns, horizontally in
// columns. WM_VSCROLL and WM_HSCROLL scroll it by line, page or thumb
// position (the position in the high part of WParam).
class TCustomListBox : public TCustomControl {
public:
    explicit TCustomListBox(TComponent* AOwner);
    ~TCustomListBox() override;

    TStrings* Items() { return FItemsList.get(); }
    void SetItems(const TStrings& Value) { FItemsList->Assign(Value); }
    int Count() const { return static_cast<int>(FItems.size()); }

    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle Value);
    int ItemHeight() const { return FItemHeight; }
    // At least 1.
    void SetItemHeight(int Value);
    // The selected item (with MultiSelect, the item with the focus rectangle); -1 for none.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    int TopIndex() const { return FTopIndex; }
    void SetTopIndex(int Value);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool Value);
    bool ExtendedSelect() const { return FExtendedSelect; }
    void SetExtendedSelect(bool Value);
    // The number of selected items; -1 without MultiSelect.
    int SelCount() const;
    bool Selected(int Index) const;
    void SetSelected(int Index, bool Value);
    void ClearSelection();
    void SelectAll();
    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    // 0: one column scrolled vertically; n: n visible columns scrolled sideways.
    int Columns() const { return FColumns; }
    void SetColumns(int Value);
    void Clear() { FItemsList->Clear(); }

    // The first item after StartIndex (wrapping round; -1 searches from the
    // start) whose text begins with Prefix, ignoring case; -1 when none.
    int FindPrefix(const std::string& Prefix, int StartIndex) const;
    // The item at a client point; with Existing, -1 off the items, else the nearest.
    int ItemAtPos(TPoint Pos, bool Existing) const;
    TRect ItemRect(int Index) const;
    // Rows that show whole in a column (at least 1).
    int VisibleRows() const;

    TDrawItemEvent OnDrawItem;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DefaultHandler(TMessage& Message) override;
    void Paint() override;
    void Resize() override;
    // Draws one item: OnDrawItem when owner-drawn, else the text on the
    // selection colours, with a focus rectangle on the focused item.
    virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
    // The item's state from the control's visual state and the item's own
    // selection; what DrawItem is handed.
    TOwnerDrawState ItemState(int Index) const;

    struct TItem {
        std::string S;
        TObject* Obj = nullptr;
        bool Selected = false;
    };
    std::vector<TItem> FItems;
    TListBoxStyle FStyle = lbStandard;
    int FItemHeight = 16;
    int FItemIndex = -1;
    int FTopIndex = 0;
    int FAnchorIndex = -1;
    bool FMultiSelect = false;
    bool FExtendedSelect = true;
    bool FSorted = false;
    int FColumns = 0;

private:
    friend class TListBoxStrings;
    int InsertItem(int Index, const std::string& S);
    void DeleteItem(int Index);
    void ResetContent();
    int SortedPosition(const std::string& S) const;
    void MoveCaret(int Index, bool Shift, bool Ctrl);
    void SelectRange(int From, int To, bool Keep);
    void MakeVisible(int Index);
    void UpdateScrollState();
    void Scroll(int Code, int Position, bool Horizontal);
    void KeyDownDefault(uint16_t Key);
    void CharDefault(char32_t Ch);
    void MouseDefault(TMessage& Message);
    int ColumnWidth() const;
    int TotalColumns() const;
    // The largest TopIndex that still fills the view.
    int MaxTopIndex() const;

    std::unique_ptr<TListBoxStrings> FItemsList;
    bool FTracking = false;
    std::string FSearch;
    uint64_t FSearchTime = 0;
};

class TListBox : public TCustomListBox {
public:
    using TCustomListBox::TCustomListBox;
};
