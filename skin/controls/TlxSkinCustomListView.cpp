#include "skin/controls/TlxSkinCustomListView.h"

#include "platform/base/ScopeGuard.h"
#include "platform/vcl/VclMessages.h"
#include "platform/win/WinApi.h"

#include <algorithm>

TlxSkinCustomListView::TlxSkinCustomListView(TComponent* AOwner)
    : TlxSkinViewBase<TCustomListView, TlxDataSkinListView>(AOwner, "listview") {}

TlxSkinCustomListView::~TlxSkinCustomListView() {
    UnhookHeader();
}

void TlxSkinCustomListView::Loaded() {
    FInCheckScrollBars = true;
    TCustomListView::Loaded();
    FInCheckScrollBars = false;
    ChangeSkinData();
}

void TlxSkinCustomListView::SkinLookChanged() {
    if (ViewStyle() == vsReport && FHeaderHandle) FHeaderHandle->Invalidate();
}

void TlxSkinCustomListView::Change(TListItem* Item, TItemChange Change) {
    TlxSkinViewBase::Change(Item, Change);
    UpDateScrollBars();
}

// ---- the external bars

void TlxSkinCustomListView::UpDateScrollBars() {
    if (!HandleAllocated() || FromSB || Width() <= 5 || Height() <= 5 || FInCheckScrollBars) return;
    TlxSkinScrollBar* vb = VScrollBar();
    TlxSkinScrollBar* hb = HScrollBar();
    const bool vWas = vb && vb->Visible();
    const bool hWas = hb && hb->Visible();
    TScrollInfo sv, sh;
    sv.fMask = sh.fMask = SIF_ALL;
    GetScrollInfo(WindowHandle(), SB_VERT, sv);
    GetScrollInfo(WindowHandle(), SB_HORZ, sh);
    const TRect first = ItemRect(0);
    FInCheckScrollBars = true;
    switch (ViewStyle()) {
    case vsIcon:
    case vsSmallIcon: {
        const int step = std::max(1, first.Height() / 2);
        if (vb) {
            const bool show = sv.nMax > Height() && Visible();
            vb->SetVisible(show);
            if (show) {
                vb->SetSmallChange(step);
                vb->SetLargeChange(step);
                vb->SetRange(sv.nMin, sv.nMax, Height(), sv.nPos);
                FOldVScrollBarPos = sv.nPos;
            }
        }
        if (hb) {
            const bool show = sh.nMax > Width() && Visible();
            hb->SetVisible(show);
            if (show) {
                hb->SetSmallChange(step);
                hb->SetLargeChange(step);
                hb->SetRange(sh.nMin, sh.nMax, Width(), sh.nPos);
                FOldHScrollBarPos = sh.nPos;
            }
        }
        break;
    }
    case vsList:
        if (vb) vb->SetVisible(false);
        if (hb) {
            const bool show = Perform(LVM_GETCOUNTPERPAGE) < Perform(LVM_GETITEMCOUNT) && Visible();
            hb->SetVisible(show);
            if (show) {
                hb->SetRange(sh.nMin, sh.nMax, first.Width() > 0 ? Width() / first.Width() : 1, sh.nPos);
                hb->SetSmallChange(1);
                hb->SetLargeChange(1);
                FOldHScrollBarPos = sh.nPos;
            }
        }
        break;
    case vsReport: {
        if (vb) {
            const int perPage = static_cast<int>(Perform(LVM_GETCOUNTPERPAGE));
            // A range of one position has nothing to scroll.
            const bool show = perPage < sv.nMax + 1 && sv.nMax > sv.nMin && Visible();
            vb->SetVisible(show);
            if (show) {
                vb->SetRange(sv.nMin, sv.nMax, perPage, sv.nPos);
                FOldVScrollBarPos = sv.nPos;
                vb->SetSmallChange(1);
                vb->SetLargeChange(std::max(1, perPage));
            }
        }
        if (hb) {
            const bool show = sh.nMax > Width() && Visible();
            hb->SetVisible(show);
            if (show) {
                hb->SetRange(sh.nMin, sh.nMax, Width(), sh.nPos);
                FOldHScrollBarPos = sh.nPos;
            }
        }
        break;
    }
    }
    FInCheckScrollBars = false;
    FinishBars(vWas, hWas);
}

void TlxSkinCustomListView::BarChanged(TlxSkinScrollBar* Bar) {
    TKeepAlive alive(this);
    FromSB = true;
    TScopeGuard done([this] { FromSB = false; });
    const bool iconStyle = ViewStyle() == vsIcon || ViewStyle() == vsSmallIcon;
    const int position = Bar->Position();
    if (Bar == VScrollBar()) {
        const int delta = position - FOldVScrollBarPos;
        Scroll(0, iconStyle ? delta : delta * ItemRect(0).Height());
        FOldVScrollBarPos = position;
    } else if (ViewStyle() == vsList) {
        for (int step = FOldHScrollBarPos; step != position && !FreePending();
             step += step < position ? 1 : -1)
            Perform(WM_HSCROLL, step < position ? SB_LINERIGHT : SB_LINELEFT);
        FOldHScrollBarPos = position;
    } else {
        Scroll(position - FOldHScrollBarPos, 0);
        FOldHScrollBarPos = position;
    }
}

// ---- messages

void TlxSkinCustomListView::WndProc(TMessage& Message) {
    if (Message.Msg == CM_SKINPAINTHEADER) {
        if (FHeaderHandle && Message.WParam) {
            TCanvas c(reinterpret_cast<HDC>(Message.WParam));
            PaintHeader(&c);
        }
        return;
    }
    TKeepAlive alive(this);
    TlxSkinViewBase::WndProc(Message);
    if (FreePending()) return;
    switch (Message.Msg) {
    case CM_CONTROLCHANGE: {
        auto* header = dynamic_cast<TListHeader*>(reinterpret_cast<TControl*>(Message.WParam));
        if (!header || header->ListView() != this) break;
        if (Message.LParam)
            HookHeader(header);
        else if (header == FHeaderHandle)
            UnhookHeader();
        break;
    }
    case WM_SIZE:
        if (FInCheckScrollBars) break;
        if (Items()->Count() > 0) UpDateScrollBars();
        if (ViewStyle() == vsReport && FHeaderHandle) FHeaderHandle->Invalidate();
        break;
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
        UpDateScrollBars();
        break;
    }
}

// ---- the header

void TlxSkinCustomListView::HookHeader(TListHeader* Header) {
    if (Header == FHeaderHandle || !ShowColumnHeaders()) return;
    UnhookHeader();
    FHeaderHandle = Header;
    FDefHeaderProc = Header->WindowProc;
    Header->WindowProc = [this](TMessage& M) { HeaderWndProc(M); };
    Header->PaintHook = [this](TListHeader*, TCanvas* C) { PaintHeader(C); };
    FActiveSection = -1;
    FHeaderDown = FDevDown = false;
}

void TlxSkinCustomListView::UnhookHeader() {
    if (!FHeaderHandle) return;
    FHeaderHandle->WindowProc = FDefHeaderProc;
    FHeaderHandle->PaintHook = nullptr;
    FHeaderHandle = nullptr;
    FDefHeaderProc = nullptr;
    FActiveSection = -1;
    FHeaderDown = FDevDown = false;
}

void TlxSkinCustomListView::HeaderWndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_WINDOWPOSCHANGING:
        // The header reaches past the view's right edge, so its end never shows.
        if (auto* pos = reinterpret_cast<TWindowPos*>(Message.LParam); pos && !(pos->flags & SWP_NOSIZE))
            pos->cx += 25;
        return;
    case WM_ERASEBKGND:
        Message.Result = 1;
        return;
    }
    TKeepAlive alive(this);
    TListHeader* header = FHeaderHandle;
    TWndMethod previous = FDefHeaderProc;
    previous(Message);
    if (FreePending() || header != FHeaderHandle) return;
    const TPoint p = LParamToPoint(Message.LParam);
    switch (Message.Msg) {
    case WM_LBUTTONDOWN: {
        FActiveSection = -1;
        for (int i = 0; i < Columns()->Count(); ++i)
            if (GetSectionRect(i).Contains(p)) {
                FActiveSection = i;
                break;
            }
        THDHitTestInfo info;
        info.pt = p;
        header->Perform(HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
        FDevDown = (info.flags & HHT_ONDIVIDER) != 0;
        FHeaderDown = !FDevDown;
        header->Invalidate();
        break;
    }
    case WM_LBUTTONUP:
        FDevDown = FHeaderDown = false;
        FActiveSection = -1;
        header->Invalidate();
        break;
    case WM_MOUSEMOVE:
        if (FDevDown) header->Invalidate();
        break;
    }
}

TRect TlxSkinCustomListView::GetSectionRect(int Index) {
    TRect r;
    if (FHeaderHandle)
        FHeaderHandle->Perform(HDM_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&r));
    return r;
}
