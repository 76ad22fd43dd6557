#include "skin/windows/TlxSkinPopupWindow.h"

#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/vcl/TImageList.h"
#include "platform/vcl/TMenu.h"
#include "platform/vcl/TTimer.h"
#include "platform/win/WinApi.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/engine/DataSkinObjects.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinGlyphs.h"
#include "skin/engine/SkinImages.h"
#include "skin/engine/SkinRects.h"
#include "skin/engine/SkinRegions.h"
#include "skin/engine/SkinText.h"
#include "skin/windows/TlxSkinMenu.h"
#include "skin/windows/TlxSkinMenuItem.h"

#include <algorithm>

namespace {

constexpr int MarkerHeight = 10;

// Letters and digits only: arrow and other keys never pick a row.
bool IsAccelKey(int CharCode) {
    return (CharCode >= '0' && CharCode <= '9') || (CharCode >= 'A' && CharCode <= 'Z');
}

} // namespace

TlxSkinPopupWindow::TlxSkinPopupWindow(TlxSkinMenu* AParentMenu, TlxDataSkinPopupWindow* APW)
    : TCustomControl(AParentMenu), ParentMenu(AParentMenu) {
    FVisible = false;
    if (APW && AParentMenu->SkinData()) {
        TlxSkinData* sd = AParentMenu->SkinData();
        // A window picture past the picture list gives the built-in look.
        if (TBitmap* picture = sd->ActivePicture(APW->WindowPictureIndex); picture && !picture->Empty()) {
            PW = APW;
            SD = sd;
            WindowPicture = picture;
            MaskPicture = sd->ActivePicture(APW->MaskPictureIndex);
        }
    }
    MouseTimer = new TTimer(this);
    MouseTimer->SetEnabled(false);
    MouseTimer->SetInterval(50);
    MouseTimer->OnTimer = [this](TObject*) { MouseTimerTick(); };
    MorphTimer = new TTimer(this);
    MorphTimer->SetEnabled(false);
    MorphTimer->SetInterval(20);
    MorphTimer->OnTimer = [this](TObject*) { MorphTimerTick(); };
    FFadeTimer = new TTimer(this);
    FFadeTimer->SetEnabled(false);
    FFadeTimer->SetInterval(10);
    FFadeTimer->OnTimer = [this](TObject*) { FadeStep(); };
}

// The engine forgets a window's rows before it frees the window (CloseFrom);
// a window whose free was deferred may outlive the engine, so it never
// reaches back to it here.
TlxSkinPopupWindow::~TlxSkinPopupWindow() = default;

int TlxSkinPopupWindow::IndexOfItem(const TlxSkinMenuItem* Row) const {
    for (int i = 0; i < ItemCount(); ++i)
        if (FItems[i].get() == Row) return i;
    return -1;
}

void TlxSkinPopupWindow::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    Params.ClassStyle |= CS_SAVEBITS;
    Params.WndParent = nullptr;
}

// ---- rows and size

int TlxSkinPopupWindow::RowHeight(const TlxSkinMenuItem* Row) const {
    return Row->Height();
}

int TlxSkinPopupWindow::TextWidth(TMenuItem* Item) {
    std::string text = Item->Caption();
    if (Item->ShortCut() != 0) text += "  " + ShortCutToText(Item->ShortCut());
    TBitmap scratch(1, 1);
    TCanvas* c = scratch.Canvas();
    c->Font()->Assign(ItemFont);
    TRect r{0, 0, 0, 0};
    DrawWideText(c, text, r, DT_CALCRECT);
    return RectWidth(r) + 2;
}

void TlxSkinPopupWindow::AddItems(TMenuItem* AItem, int From) {
    if (!AItem) return;
    TMenu* menu = AItem->GetParentMenu();
    if (menu && menu->AutoLineReduction() == maAutomatic) AItem->RethinkLines();
    for (int i = std::max(From, 0); i < AItem->Count(); ++i) {
        TMenuItem* child = AItem->Items(i);
        if (!child->Visible()) continue;
        FItems.push_back(std::make_unique<TlxSkinMenuItem>(this, child, DSMI));
    }
}

void TlxSkinPopupWindow::CreateItems(TMenuItem* AItem, TMenuItem* AItem2, int StartIndex, bool Two) {
    DSMI = nullptr;
    if (SD && !SD->Empty) {
        for (auto& object : SD->ObjectList)
            if (auto* mi = dynamic_cast<TlxDataSkinMenuItem*>(object.get())) {
                DSMI = mi;
                break;
            }
    }
    SetMenuItemFont(ItemFont, PW ? DSMI : nullptr, ParentMenu);
    TMenu* menu = AItem->GetParentMenu();
    ImgL = menu ? menu->Images() : nullptr;
    FItems.clear();
    AddItems(AItem, StartIndex);
    if (Two) AddItems(AItem2, StartIndex - AItem->Count());
    SetWindowSize(Two);
    CalcFrameGeometry();
    CalcItemRects();
}

void TlxSkinPopupWindow::SetWindowSize(bool Two) {
    VisibleStartIndex = 0;
    VisibleCount = ItemCount();
    Scroll = Scroll2 = false;
    GlyphWidth = ImgL ? ImgL->Width() + 5 : 19;
    int widest = 0;
    int rows = 0;
    for (auto& row : FItems) {
        widest = std::max(widest, TextWidth(row->MenuItem));
        rows += RowHeight(row.get());
    }
    int w = widest + GlyphWidth + 19;
    int frame;
    if (PW) {
        w += WindowPicture->Width() - RectWidth(PW->ItemsRect);
        w += DSMI ? DSMI->TextRct.Left + (RectWidth(DSMI->SkinRect) - DSMI->TextRct.Right) : 10;
        frame = WindowPicture->Height() - RectHeight(PW->ItemsRect);
    } else {
        w += 10;
        frame = Two ? 6 : 4;
    }
    int h;
    const int limit = ParentMenu->MaxMenuItemsInWindow;
    if (limit > 0 && limit < ItemCount()) {
        const int rowHeight = DSMI ? RectHeight(DSMI->SkinRect) : ParentMenu->DefaultMenuItemHeight();
        h = rowHeight * limit + frame + 2 * MarkerHeight;
        Scroll = Scroll2 = true;
    } else {
        h = rows + frame;
    }
    const TRect& wa = ParentMenu->WorkArea();
    if (h > RectHeight(wa)) {
        h = RectHeight(wa);
        Scroll = true;
    }
    SetBounds(FLeft, FTop, w, h);
}

void TlxSkinPopupWindow::CalcFrameGeometry() {
    const int w = Width(), h = Height();
    if (!PW) {
        NewItemsRect = {2, 2, w - 2, h - 2};
        return;
    }
    const int pwd = WindowPicture->Width(), pht = WindowPicture->Height();
    NewLTPoint = PW->LTPoint;
    NewRTPoint = {w - (pwd - PW->RTPoint.X), PW->RTPoint.Y};
    NewLBPoint = {PW->LBPoint.X, h - (pht - PW->LBPoint.Y)};
    NewRBPoint = {w - (pwd - PW->RBPoint.X), h - (pht - PW->RBPoint.Y)};
    NewItemsRect = {PW->ItemsRect.Left, PW->ItemsRect.Top, w - (pwd - PW->ItemsRect.Right),
                    h - (pht - PW->ItemsRect.Bottom)};
}

void TlxSkinPopupWindow::CalcItemRects() {
    int y = NewItemsRect.Top + (Scroll ? MarkerHeight : 0);
    const int bottom = NewItemsRect.Bottom - (Scroll ? MarkerHeight : 0);
    VisibleCount = 0;
    for (int i = VisibleStartIndex; i < ItemCount(); ++i) {
        TlxSkinMenuItem* row = FItems[i].get();
        const int h = RowHeight(row);
        row->ObjectRect = {NewItemsRect.Left, y, NewItemsRect.Right, y + h};
        y += h;
        if (y > bottom) break;
        row->FVisible = true;
        ++VisibleCount;
    }
    if (!Scroll) return;
    for (int i = 0; i < ItemCount(); ++i)
        if (i < VisibleStartIndex || i >= VisibleStartIndex + VisibleCount) FItems[i]->FVisible = false;
}

// ---- placement and showing

void TlxSkinPopupWindow::GetPopupPos(const TRect& R, bool PopupUp, bool PopupByItem) {
    const TRect& wa = ParentMenu->WorkArea();
    const int w = Width(), h = Height();
    const int mid = wa.Top + RectHeight(wa) / 2;
    bool beside = false;
    int y;
    if (Scroll && !Scroll2) {
        y = wa.Top;
        beside = true;
    } else if (PopupByItem) {
        if (R.Top + h - NewItemsRect.Top <= wa.Bottom)
            y = R.Top - NewItemsRect.Top;
        else if (R.Top < mid)
            y = wa.Bottom - h;
        else
            y = std::max(R.Bottom - h + NewItemsRect.Top, wa.Top);
    } else if (PopupUp) {
        if (R.Top - h >= wa.Top)
            y = R.Top - h;
        else if (R.Top < mid) {
            if (R.Bottom + h <= wa.Bottom)
                y = R.Bottom;
            else {
                y = wa.Bottom - h;
                beside = true;
            }
        } else {
            y = wa.Top;
            beside = true;
        }
    } else {
        if (R.Bottom + h <= wa.Bottom)
            y = R.Bottom;
        else if (R.Top < mid) {
            y = wa.Bottom - h;
            beside = true;
        } else if (R.Top - h >= wa.Top)
            y = R.Top - h;
        else {
            y = wa.Top;
            beside = true;
        }
    }
    int x;
    if (PopupByItem || (Scroll && !Scroll2) || beside) {
        x = R.Right + 1 + w <= wa.Right ? R.Right + 1 : R.Left - w - 1;
    } else {
        x = R.Left;
        if (x + w > wa.Right)
            x = wa.Right - w;
        else if (x < wa.Left)
            x = wa.Left;
    }
    ShowX = x;
    ShowY = y;
}

void TlxSkinPopupWindow::Show(const TRect& R, TMenuItem* AItem, int StartIndex, bool PopupUp,
                              bool PopupByItem) {
    CreateItems(AItem, nullptr, StartIndex, false);
    GetPopupPos(R, PopupUp, PopupByItem);
    ShowAt(ParentMenu->AlphaBlend);
}

void TlxSkinPopupWindow::Show2(const TRect& R, TMenuItem* AItem, TMenuItem* AItem2, int StartIndex,
                               bool PopupUp) {
    CreateItems(AItem, AItem2, StartIndex, true);
    GetPopupPos(R, PopupUp, false);
    ShowAt(ParentMenu->AlphaBlend);
}

void TlxSkinPopupWindow::ShowAt(bool Layered) {
    TKeepAlive alive(this);
    SetBounds(ShowX, ShowY, Width(), Height());
    HandleNeeded();
    HWND h = Handle();
    if (MaskPicture && PW) {
        HRGN rgn = nullptr;
        CreateSkinRgn(rgn, PW->LTPoint, PW->RTPoint, PW->LBPoint, PW->RBPoint, PW->ItemsRect, NewLTPoint,
                      NewRTPoint, NewLBPoint, NewRBPoint, NewItemsRect, MaskPicture, Width(), Height());
        SetWindowRgn(h, rgn, true);
    }
    const bool fade = Layered && ParentMenu->AlphaBlendAnimation && ParentMenu->First();
    if (Layered && LayeredWindowsSupported()) {
        SetWindowLongPtr(h, GWL_EXSTYLE, GetWindowLongPtr(h, GWL_EXSTYLE) | WS_EX_LAYERED);
        SetLayeredWindowAttributes(h, 0, fade ? 0 : ParentMenu->AlphaBlendValue, LWA_ALPHA);
    }
    SetWindowPos(h, HWND_TOPMOST, ShowX, ShowY, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    FVisible = true;
    if (fade && LayeredWindowsSupported()) {
        // The fade runs on a timer: the loop goes on serving input meanwhile.
        FFadeAlpha = 0;
        FFadeTarget = ParentMenu->AlphaBlendValue;
        FFadeTimer->SetEnabled(true);
    }
    MouseTimer->SetEnabled(true);
    ActiveItem = -1;
    for (int i = 0; i < ItemCount(); ++i) {
        TlxSkinMenuItem* row = FItems[i].get();
        if (!row->Selectable()) continue;
        row->WaitCommand = true;
        ActiveItem = i;
        row->MouseEnter(true);
        break;
    }
}

void TlxSkinPopupWindow::FadeStep() {
    if (FFadeTarget < 0 || !HandleAllocated()) {
        FFadeTimer->SetEnabled(false);
        return;
    }
    FFadeAlpha = std::min(FFadeAlpha + std::max(FFadeTarget / 15, 1), FFadeTarget);
    SetLayeredWindowAttributes(Handle(), 0, static_cast<Byte>(FFadeAlpha), LWA_ALPHA);
    if (FFadeAlpha >= FFadeTarget) {
        FFadeTarget = -1;
        FFadeTimer->SetEnabled(false);
    }
}

void TlxSkinPopupWindow::HideWindow() {
    MouseTimer->SetEnabled(false);
    MorphTimer->SetEnabled(false);
    if (FFadeTarget >= 0 && HandleAllocated())
        SetLayeredWindowAttributes(Handle(), 0, static_cast<Byte>(FFadeTarget), LWA_ALPHA);
    FFadeTarget = -1;
    FFadeTimer->SetEnabled(false);
    if (HandleAllocated()) {
        KillTimer(Handle(), ScrollTimerId);
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    }
    FVisible = false;
}

// ---- painting

void TlxSkinPopupWindow::CreateWindowImage(TBitmap& B, bool DrawClient) {
    const int w = Width(), h = Height();
    B.SetSize(w, h);
    if (PW) {
        const TRect whole{0, 0, WindowPicture->Width(), WindowPicture->Height()};
        CreateSkinWindowImage(PW->LTPoint, PW->RTPoint, PW->LBPoint, PW->RBPoint, PW->ItemsRect, NewLTPoint,
                              NewRTPoint, NewLBPoint, NewRBPoint, NewItemsRect, &B, WindowPicture, whole, w,
                              h, DrawClient, PW->LeftStretch, PW->TopStretch, PW->RightStretch,
                              PW->BottomStretch, PW->StretchEffect, PW->StretchType);
        return;
    }
    TCanvas* c = B.Canvas();
    const int column = ImgL ? GlyphWidth + 2 : 21;
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clBtnFace);
    c->FillRect({0, 0, column, h});
    c->Brush()->SetColor(clWindow);
    c->FillRect({column, 0, w, h});
    c->Brush()->SetColor(clBtnShadow);
    c->FrameRect({0, 0, w, h});
    c->Brush()->SetColor(clWindow);
    c->FrameRect({1, 1, w - 1, h - 1});
}

void TlxSkinPopupWindow::DrawMenuItemBG(TCanvas* C, const TRect& R) {
    if (!PW || !SD || IsNullRect(R)) return;
    int index = SD->GetIndex("menuitem");
    if (index < 0) index = SD->GetIndex("MENUITEM");
    if (index < 0) return;
    auto* object = dynamic_cast<TlxDataSkinMenuItem*>(SD->ObjectList[index].get());
    if (!object) return;
    if (DSMI && DSMI->InActiveTransparent && !FPaintBuffer.Empty()) {
        C->CopyRect(R, *FPaintBuffer.Canvas(), R);
        return;
    }
    TBitmap* picture = SD->ActivePicture(object->ActivePictureIndex);
    if (!picture) return;
    TBitmap band;
    CreateHSkinImage(object->ItemLO, object->ItemRO, &band, picture, object->SkinRect, RectWidth(R),
                     object->InActiveStretchEffect);
    if (!band.Empty()) C->StretchDraw(R, &band);
}

TRect TlxSkinPopupWindow::TopMarkerRect() const {
    if (PW) return {NewItemsRect.Left, NewItemsRect.Top, NewItemsRect.Right, NewItemsRect.Top + MarkerHeight};
    return {3, 3, Width() - 3, 13};
}

TRect TlxSkinPopupWindow::BottomMarkerRect() const {
    if (PW)
        return {NewItemsRect.Left, NewItemsRect.Bottom - MarkerHeight, NewItemsRect.Right,
                NewItemsRect.Bottom};
    return {3, Height() - 10, Width() - 3, Height() - 3};
}

void TlxSkinPopupWindow::DrawScrollMarkers(TCanvas* C) {
    const TRect top = TopMarkerRect(), bottom = BottomMarkerRect();
    auto colour = [&](int Code) -> TColor {
        if (PW)
            return static_cast<TColor>(ScrollCode == Code ? PW->ScrollMarkerActiveColor
                                                          : PW->ScrollMarkerColor);
        return ScrollCode == Code ? clBtnText : clBtnShadow;
    };
    DrawMenuItemBG(C, top);
    DrawMenuItemBG(C, bottom);
    DrawArrowImage(C, top, colour(1), 3);
    DrawArrowImage(C, bottom, colour(2), 4);
}

void TlxSkinPopupWindow::PaintMenu(TCanvas* Target) {
    TBitmap b;
    CreateWindowImage(b, Scroll);
    if (PW && DSMI && DSMI->InActiveTransparent)
        CreateWindowImage(FPaintBuffer, true);
    else
        FPaintBuffer.SetSize(0, 0);
    int lastBottom = -1;
    for (int i = VisibleStartIndex; i < VisibleStartIndex + VisibleCount && i < ItemCount(); ++i) {
        FItems[i]->Draw(b.Canvas());
        lastBottom = FItems[i]->ObjectRect.Bottom;
    }
    if (Scroll) {
        DrawScrollMarkers(b.Canvas());
        const int limit = NewItemsRect.Bottom - MarkerHeight;
        if (lastBottom >= 0 && lastBottom < limit)
            DrawMenuItemBG(b.Canvas(), {NewItemsRect.Left, lastBottom, NewItemsRect.Right, limit});
    }
    Target->Draw(0, 0, &b);
}

void TlxSkinPopupWindow::Paint() {
    PaintMenu(Canvas());
}

void TlxSkinPopupWindow::DrawItemNow(TlxSkinMenuItem* Row) {
    if (!HandleAllocated() || !FVisible || !Row->FVisible) return;
    Row->Draw(Canvas());
}

// ---- messages and the mouse

void TlxSkinPopupWindow::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_MOUSEACTIVATE:
        Message.Result = MA_NOACTIVATE;
        return;
    case WM_ERASEBKGND:
        // Paint draws the whole window.
        Message.Result = 1;
        return;
    case WM_TIMER:
        TCustomControl::WndProc(Message);
        if (Message.WParam != ScrollTimerId) return;
        if (ScrollCode == 1) {
            if (VisibleStartIndex > 0)
                ScrollUp(false);
            else
                StopScroll();
        } else if (ScrollCode == 2) {
            if (VisibleStartIndex + VisibleCount < ItemCount())
                ScrollDown(false);
            else
                StopScroll();
        }
        return;
    }
    TCustomControl::WndProc(Message);
}

void TlxSkinPopupWindow::MouseTimerTick() {
    TPoint p;
    if (!GetCursorPos(p) || (p.X == OMX && p.Y == OMY)) return;
    OMX = p.X;
    OMY = p.Y;
    TKeepAlive alive(this);
    if (HandleAllocated() && WindowFromPoint(p) == Handle()) {
        TPoint c = ScreenToClient(p);
        TrackPoint(c.X, c.Y);
    } else if (Scroll && ScrollCode != 0) {
        ScrollCode = 0;
        Invalidate();
    }
}

void TlxSkinPopupWindow::TrackPoint(int X, int Y) {
    TKeepAlive alive(this);
    const TPoint p{X, Y};
    if (Scroll) {
        const bool inTop = PtInRect(TopMarkerRect(), p), inBottom = PtInRect(BottomMarkerRect(), p);
        if (inTop && ScrollCode == 0 && VisibleStartIndex > 0) {
            ScrollCode = 1;
            Invalidate();
            StartScroll();
        } else if (inBottom && ScrollCode == 0 && VisibleStartIndex + VisibleCount < ItemCount()) {
            ScrollCode = 2;
            Invalidate();
            StartScroll();
        } else if (!inTop && !inBottom && ScrollCode != 0) {
            StopScroll();
        }
    }
    if (FItems.empty()) return;
    OldActiveItem = ActiveItem;
    for (int i = 0; i < ItemCount(); ++i)
        if (FItems[i]->FVisible && PtInRect(FItems[i]->ObjectRect, p)) {
            ActiveItem = i;
            break;
        }
    if (ActiveItem >= ItemCount()) ActiveItem = -1;
    if (ActiveItem != -1 && ActiveItem == OldActiveItem) {
        TlxSkinMenuItem* row = FItems[ActiveItem].get();
        if (row->WaitCommand) {
            row->WaitCommand = false;
            if (row->HasChildren()) row->MouseEnter(false);
        }
        return;
    }
    if (OldActiveItem >= 0 && OldActiveItem < ItemCount() && FItems[OldActiveItem]->Selectable())
        FItems[OldActiveItem]->MouseLeave();
    if (FreePending()) return;
    if (ActiveItem >= 0 && FItems[ActiveItem]->Selectable()) FItems[ActiveItem]->MouseEnter(false);
}

void TlxSkinPopupWindow::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FreePending()) return;
    TrackPoint(X, Y);
    if (FreePending() || Button != TMouseButton::mbLeft || ActiveItem < 0) return;
    TlxSkinMenuItem* row = FItems[ActiveItem].get();
    if (row->FVisible && PtInRect(row->ObjectRect, {X, Y}) && !row->IsSeparator()) row->MouseDown();
}

void TlxSkinPopupWindow::MorphTimerTick() {
    bool changed = false;
    for (auto& row : FItems)
        changed = row->EffectStep() || changed;
    if (!changed) MorphTimer->SetEnabled(false);
}

// ---- the keyboard

void TlxSkinPopupWindow::SetActiveByKeyboard(int Index) {
    if (Index == ActiveItem || Index < 0) return;
    const int old = ActiveItem;
    ActiveItem = Index;
    FItems[Index]->MouseEnter(true);
    if (FreePending()) return;
    if (old >= 0 && old < ItemCount()) FItems[old]->MouseLeave();
}

void TlxSkinPopupWindow::SelectNextItem() {
    const int count = ItemCount();
    if (count == 0) return;
    if (Scroll && ScrollCode == 0 && ActiveItem == VisibleStartIndex + VisibleCount - 1) ScrollDown(true);
    const int start = ActiveItem == -1 || ActiveItem == count - 1 ? 0 : ActiveItem + 1;
    for (int i = start; i < count; ++i) {
        if (!FItems[i]->Selectable()) continue;
        // Bring the row into view, cycling round the end.
        for (int guard = 0;
             Scroll && guard <= count && (i < VisibleStartIndex || i >= VisibleStartIndex + VisibleCount);
             ++guard)
            ScrollDown(true);
        SetActiveByKeyboard(i);
        return;
    }
}

void TlxSkinPopupWindow::SelectPrevItem() {
    const int count = ItemCount();
    if (count == 0) return;
    if (Scroll && ScrollCode == 0 && ActiveItem == VisibleStartIndex) ScrollUp(true);
    const int start = ActiveItem <= 0 ? count - 1 : ActiveItem - 1;
    for (int i = start; i >= 0; --i) {
        if (!FItems[i]->Selectable()) continue;
        for (int guard = 0;
             Scroll && guard <= count && (i < VisibleStartIndex || i >= VisibleStartIndex + VisibleCount);
             ++guard)
            ScrollUp(true);
        SetActiveByKeyboard(i);
        return;
    }
}

void TlxSkinPopupWindow::PopupKeyDown(int CharCode) {
    if (!FVisible) return;
    TKeepAlive alive(this);
    TKeepAlive menuAlive(ParentMenu);
    if (IsAccelKey(CharCode)) {
        for (int i = 0; i < ItemCount(); ++i) {
            TlxSkinMenuItem* row = FItems[i].get();
            if (!row->MenuItem->Enabled() || row->IsSeparator() ||
                !IsAccel(static_cast<char32_t>(CharCode), row->MenuItem->Caption()))
                continue;
            const int old = ActiveItem;
            row->MouseEnter(false);
            if (FreePending()) return;
            ActiveItem = i;
            if (old >= 0 && old != i && old < ItemCount()) FItems[old]->MouseLeave();
            if (FreePending()) return;
            row->MouseDown();
            return;
        }
    }
    TlxSkinMenuItem* active =
        ActiveItem >= 0 && ActiveItem < ItemCount() ? FItems[ActiveItem].get() : nullptr;
    switch (CharCode) {
    case VK_RETURN:
        if (active) active->MouseDown();
        return;
    case VK_ESCAPE:
    case VK_LEFT:
        if (ParentMenu->WindowCount() >= 2) {
            TlxSkinPopupWindow* before = ParentMenu->Windows(ParentMenu->WindowCount() - 2);
            if (before->ActiveItem >= 0 && before->ActiveItem < before->ItemCount()) {
                TlxSkinMenuItem* row = before->Items(before->ActiveItem);
                row->Down = false;
                before->DrawItemNow(row);
            }
            ParentMenu->CloseFrom(ParentMenu->WindowCount() - 1);
        } else if (CharCode == VK_ESCAPE) {
            ParentMenu->CloseFrom(0);
        }
        return;
    case VK_RIGHT:
        if (active && active->HasChildren()) active->MouseDown();
        return;
    case VK_DOWN:
        SelectNextItem();
        return;
    case VK_UP:
        SelectPrevItem();
        return;
    }
}

void TlxSkinPopupWindow::CloseChildWindows() {
    const int index = ParentMenu->IndexOfWindow(this);
    if (index >= 0) ParentMenu->CloseFrom(index + 1);
    for (auto& row : FItems) {
        if (!row->Down) continue;
        row->Down = false;
        if (row->EnableAnimation() && row->MI && !row->MI->InActiveAnimation) {
            row->CurrentFrame = 0;
            DrawItemNow(row.get());
        } else {
            row->ReDraw();
        }
    }
}

// ---- scrolling

void TlxSkinPopupWindow::StartScroll() {
    const int index = ParentMenu->IndexOfWindow(this);
    if (index >= 0) ParentMenu->CloseFrom(index + 1);
    if (HandleAllocated()) SetTimer(Handle(), ScrollTimerId, 100);
}

void TlxSkinPopupWindow::StopScroll() {
    ScrollCode = 0;
    Invalidate();
    if (HandleAllocated()) KillTimer(Handle(), ScrollTimerId);
}

void TlxSkinPopupWindow::ScrollUp(bool Cycle) {
    if (VisibleStartIndex > 0)
        --VisibleStartIndex;
    else if (Cycle)
        VisibleStartIndex = GetLastStartIndex();
    CalcItemRects();
    Invalidate();
}

void TlxSkinPopupWindow::ScrollDown(bool Cycle) {
    if (VisibleStartIndex + VisibleCount < ItemCount())
        ++VisibleStartIndex;
    else if (Cycle)
        VisibleStartIndex = 0;
    CalcItemRects();
    Invalidate();
}

int TlxSkinPopupWindow::GetLastStartIndex() const {
    // The rows that fit between the markers, counted from the end. The bound
    // is the rows' own top, so the last row always shows whole.
    int room = NewItemsRect.Bottom - MarkerHeight;
    const int top = NewItemsRect.Top + MarkerHeight;
    int counted = 0;
    for (int i = ItemCount() - 1; i >= 0; --i) {
        room -= FItems[i]->Height();
        if (room < top) break;
        ++counted;
    }
    return std::max(ItemCount() - counted, 0);
}
