#pragma once

#include "platform/vcl/CommCtrl.h"
#include "platform/vcl/TCustomControl.h"
#include "platform/vcl/TImageList.h"

#include <vector>

class TTabSheet;

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };
using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

// A tab strip over a stack of pages (TTabSheet). The control lays its tabs
// out itself: along the top, bottom, left or right edge, in one row or in
// several, each as long as its caption (plus room for an image whenever an
// image list is set) or TabWidth, and as thick as the font or TabHeight. A
// click on a tab, or Ctrl+Tab anywhere inside, selects the next page and
// fires OnChanging and OnChange; choosing a page in code fires neither.
//
// Hosts steer it through the tab messages, which pass its window procedure:
// TCM_GETITEMRECT (a tab's rectangle), TCM_ADJUSTRECT (the display
// rectangle the pages are aligned to), TCM_SETITEMSIZE (tab size),
// TCM_SETCURSEL, and WM_HSCROLL with SB_THUMBPOSITION, which makes a tab the
// first one shown in a single row (the tabs before it lie left of 0). Mouse
// messages are hit-tested at the coordinates they carry, so a host may move
// them first. No scroll arrows are drawn.
//
// The handlers decide each tab's look (selected, hot under the pointer,
// focused, enabled: TabVisualState); painting hands it to DrawTab, which a
// skinned page control replaces, and raises no event.
class TPageControl : public TCustomControl {
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(FPages.size()); }
    TTabSheet* Pages(int Index) const;
    TTabSheet* ActivePage() const { return FActivePage; }
    void SetActivePage(TTabSheet* Value);
    int ActivePageIndex() const;
    void SetActivePageIndex(int Value);
    // The next (or previous) page with a visible tab, wrapping; nullptr when none.
    TTabSheet* FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const;
    // Selects the next page as a user would, with OnChanging and OnChange.
    void SelectNextPage(bool GoForward);

    // Visible tabs: count, the selected one, the page of one.
    int TabCount() const { return static_cast<int>(FTabs.size()); }
    int TabIndex() const;
    void SetTabIndex(int Value);
    TTabSheet* TabPage(int TabIdx) const;
    // Rectangle of visible tab TabIdx, through TCM_GETITEMRECT.
    TRect TabRect(int TabIdx);
    // The rectangle the pages fill, through TCM_ADJUSTRECT.
    TRect DisplayRect();
    // Visible tab at a client point of the control's own layout, or -1.
    int IndexOfTabAt(int X, int Y) const;
    int RowCount() const { return FRows; }
    // The visible tab under the pointer, or -1.
    int HotTab() const { return FHotTab; }
    TVisualState TabVisualState(int TabIdx) const;
    // First visible tab shown in a single row.
    int FirstVisibleTab() const { return FFirstVisible; }

    TTabPosition TabPosition() const { return FTabPosition; }
    void SetTabPosition(TTabPosition Value);
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool Value);
    TTabStyle Style() const { return FStyle; }
    void SetStyle(TTabStyle Value);
    // 0: sized by the caption (width) or the font (height).
    int TabWidth() const { return FTabWidth; }
    void SetTabWidth(int Value);
    int TabHeight() const { return FTabHeight; }
    void SetTabHeight(int Value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    virtual bool CanChange();
    virtual void Change();
    void Dispatch(TMessage& Message) override;
    void Paint() override;
    virtual void DrawTab(TCanvas* C, int TabIdx, const TRect& Rect, TVisualState State);
    void VisualStateChanged(TVisualState Changed) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void AdjustClientRect(TRect& Rect) override;
    void Resize() override;
    void Loaded() override;
    // Recomputes the tab layout and realigns the pages.
    void TabsChanged();
    // The tab layout without host adjustments.
    TRect RawTabRect(int TabIdx) const;
    TRect RawDisplayRect() const;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* Page);
    void RemovePage(TTabSheet* Page);
    void MovePage(TTabSheet* Page, int NewIndex);
    void ShowActivePage(TTabSheet* Page);
    void SelectByUser(int TabIdx);
    void Layout();
    void MakeTabVisible(int TabIdx);
    void SetHotTab(int TabIdx);
    int TabThickness() const;
    int TabLength(TTabSheet* Page) const;
    bool FocusInside() const;

    std::vector<TTabSheet*> FPages;
    std::vector<TTabSheet*> FTabs; // pages with visible tabs
    std::vector<TRect> FTabRects;  // raw layout of FTabs
    TTabSheet* FActivePage = nullptr;
    TTabPosition FTabPosition = tpTop;
    bool FMultiLine = false;
    TTabStyle FStyle = tsTabs;
    int FTabWidth = 0;
    int FTabHeight = 0;
    int FItemWidth = 0;
    int FItemHeight = 0;
    TComponentRef<TCustomImageList> FImages{this, [this] { TabsChanged(); }};
    int FFirstVisible = 0;
    int FHotTab = -1; // set by the mouse handlers and by layout changes
    int FRows = 1;
    int FAreaThickness = 0;
};
