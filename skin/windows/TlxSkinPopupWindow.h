#pragma once

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TFont.h"
#include "platform/vcl/TCustomControl.h"

#include <memory>
#include <vector>

class TCustomImageList;
class TMenuItem;
class TTimer;
class TlxDataSkinMenuItem;
class TlxDataSkinPopupWindow;
class TlxSkinData;
class TlxSkinMenu;
class TlxSkinMenuItem;

// One open level of a skinned popup menu: a top-most window that never takes
// the focus or the mouse capture. It polls the cursor to follow the mouse,
// takes keys from the form-skinning component (PopupKeyDown), lays its rows
// out, scrolls them when they do not fit and paints itself off screen.
class TlxSkinPopupWindow : public TCustomControl {
public:
    TlxSkinPopupWindow(TlxSkinMenu* AParentMenu, TlxDataSkinPopupWindow* APW);
    ~TlxSkinPopupWindow() override;

    TlxSkinMenu* ParentMenu;
    TlxSkinData* SD = nullptr;
    TlxDataSkinPopupWindow* PW = nullptr; // nullptr: the built-in look
    TlxDataSkinMenuItem* DSMI = nullptr;
    TBitmap* WindowPicture = nullptr;
    TBitmap* MaskPicture = nullptr;

    // The rows, one per visible menu item.
    int ItemCount() const { return static_cast<int>(FItems.size()); }
    TlxSkinMenuItem* Items(int Index) const { return FItems[Index].get(); }
    int IndexOfItem(const TlxSkinMenuItem* Row) const;

    int ActiveItem = -1;
    int OldActiveItem = -1;
    int VisibleStartIndex = 0;
    int VisibleCount = 0;
    bool Scroll = false;  // the window scrolls
    bool Scroll2 = false; // because of MaxMenuItemsInWindow
    int ScrollCode = 0;   // 0 idle, 1 up, 2 down

    TPoint NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint;
    TRect NewItemsRect;
    int ShowX = 0, ShowY = 0;
    TCustomImageList* ImgL = nullptr;
    int GlyphWidth = 19;

    TTimer* MouseTimer;
    TTimer* MorphTimer;
    // The window image with its client part, for rows whose normal state is
    // transparent (empty otherwise).
    TBitmap FPaintBuffer;
    // The font the rows are measured in.
    TFont ItemFont;

    // Fills the window with AItem's children from StartIndex on (and, with
    // AItem2, that item's children) and shows it beside R.
    void Show(const TRect& R, TMenuItem* AItem, int StartIndex, bool PopupUp, bool PopupByItem);
    void Show2(const TRect& R, TMenuItem* AItem, TMenuItem* AItem2, int StartIndex, bool PopupUp);
    // Hides the window and stops its timers.
    void HideWindow();

    void PopupKeyDown(int CharCode);
    void TrackPoint(int X, int Y);
    void CloseChildWindows();
    void SelectNextItem();
    void SelectPrevItem();
    void ScrollUp(bool Cycle);
    void ScrollDown(bool Cycle);
    void StartScroll();
    void StopScroll();
    int GetLastStartIndex() const;
    // Rows from ActiveItem's neighbours: enters Index by keyboard and leaves
    // the old one.
    void SetActiveByKeyboard(int Index);
    // The band above and below the rows while the window scrolls.
    TRect TopMarkerRect() const;
    TRect BottomMarkerRect() const;
    // Paints row Row now (after a state change).
    void DrawItemNow(TlxSkinMenuItem* Row);
    // The alpha the window is fading toward; -1 without a fade.
    int FadeTarget() const { return FFadeTarget; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void WndProc(TMessage& Message) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void CreateItems(TMenuItem* AItem, TMenuItem* AItem2, int StartIndex, bool Two);
    void AddItems(TMenuItem* AItem, int From);
    void SetWindowSize(bool Two);
    void CalcFrameGeometry();
    void CalcItemRects();
    void GetPopupPos(const TRect& R, bool PopupUp, bool PopupByItem);
    void ShowAt(bool Layered);
    void CreateWindowImage(TBitmap& B, bool DrawClient);
    void DrawMenuItemBG(TCanvas* C, const TRect& R);
    void DrawScrollMarkers(TCanvas* C);
    void PaintMenu(TCanvas* Target);
    void MouseTimerTick();
    void MorphTimerTick();
    void FadeStep();
    int RowHeight(const TlxSkinMenuItem* Row) const;
    int TextWidth(TMenuItem* Item);

    std::vector<std::unique_ptr<TlxSkinMenuItem>> FItems;
    int OMX = -1, OMY = -1;
    HRGN FRgn = nullptr;
    int FFadeTarget = -1;
    int FFadeAlpha = 0;
    TTimer* FFadeTimer;
    static constexpr uintptr_t ScrollTimerId = 1;
};
