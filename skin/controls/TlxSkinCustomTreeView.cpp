#include "skin/controls/TlxSkinCustomTreeView.h"

#include "platform/win/WinApi.h"

TlxSkinCustomTreeView::TlxSkinCustomTreeView(TComponent* AOwner)
    : TlxSkinViewBase<TCustomTreeView, TlxDataSkinTreeView>(AOwner, "treeview") {}

void TlxSkinCustomTreeView::ChangeSkinData() {
    if (Loading()) return;
    TlxSkinViewBase::ChangeSkinData();
}

void TlxSkinCustomTreeView::SkinLookChanged() {
    if (Images()) Images()->SetBkColor(Color());
    if (StateImages()) StateImages()->SetBkColor(Color());
}

void TlxSkinCustomTreeView::UpDateScrollBars() {
    if (Loading() || FInCheckScrollBars || !HandleAllocated()) return;
    TlxSkinScrollBar* vb = VScrollBar();
    TlxSkinScrollBar* hb = HScrollBar();
    const bool vWas = vb && vb->Visible();
    const bool hWas = hb && hb->Visible();
    FInCheckScrollBars = true;
    if (vb) {
        TScrollInfo si;
        si.fMask = SIF_ALL;
        GetScrollInfo(WindowHandle(), SB_VERT, si);
        const int visible = static_cast<int>(Perform(TVM_GETVISIBLECOUNT));
        const int count = static_cast<int>(Perform(TVM_GETCOUNT));
        const bool show = si.nMax > 0 && visible <= si.nMax && si.nMax < count && Visible();
        vb->SetVisible(show);
        if (show) vb->SetRange(si.nMin, si.nMax, visible, si.nPos);
    }
    if (hb) {
        TScrollInfo si;
        si.fMask = SIF_ALL;
        GetScrollInfo(WindowHandle(), SB_HORZ, si);
        const bool show = si.nMax > Width() && Visible();
        hb->SetVisible(show);
        if (show) hb->SetRange(si.nMin, si.nMax, Width(), si.nPos);
    }
    FInCheckScrollBars = false;
    FinishBars(vWas, hWas);
}

void TlxSkinCustomTreeView::BarChanged(TlxSkinScrollBar* Bar) {
    const uint32_t msg = Bar == VScrollBar() ? WM_VSCROLL : WM_HSCROLL;
    Perform(msg, MakeWParam(SB_THUMBPOSITION, Bar->Position()));
}

void TlxSkinCustomTreeView::Change(TTreeNode* Node) {
    TlxSkinViewBase::Change(Node);
    UpDateScrollBars();
}

void TlxSkinCustomTreeView::WndProc(TMessage& Message) {
    TKeepAlive alive(this);
    TlxSkinViewBase::WndProc(Message);
    if (FreePending()) return;
    switch (Message.Msg) {
    case WM_SIZE:
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
        UpDateScrollBars();
        break;
    }
}
