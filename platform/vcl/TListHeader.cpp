#include "platform/vcl/TListHeader.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "platform/vcl/TListView.h"

#include <algorithm>
#include <cstdlib>

TListHeader::TListHeader(TComponent* AOwner, TCustomListView* AView) : TCustomControl(AOwner), FView(AView) {
    // Only Paint draws: with a paint hook every pixel is the hook's.
    FControlStyle.Include(csOpaque);
    FParentColor = false;
    FColor = clBtnFace;
}

int TListHeader::SectionCount() const {
    return FView->Columns()->Count();
}

std::vector<int> TListHeader::OrderArray() const {
    return FView->FOrder;
}

void TListHeader::SetOrderArray(const std::vector<int>& Value) {
    std::vector<int> sorted = Value;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < static_cast<int>(sorted.size()); ++i)
        if (sorted[i] != i) return; // not a permutation of the columns
    if (static_cast<int>(Value.size()) != SectionCount()) return;
    FView->FOrder = Value;
    FView->ContentChanged();
}

TRect TListHeader::SectionRect(int Index) const {
    int x = -FView->ScrollX();
    for (int column : FView->FOrder) {
        int w = FView->Column(column)->Width();
        if (column == Index) return {x, 0, x + w, FHeight};
        x += w;
    }
    return {};
}

int TListHeader::DividerAt(int X) const {
    // A visible column wins over hidden (zero-wide) ones sharing its edge.
    int fallback = -1;
    for (int column : FView->FOrder) {
        TRect r = SectionRect(column);
        if (std::abs(X - r.Right) > 3) continue;
        if (r.Width() > 0) return column;
        if (fallback < 0) fallback = column;
    }
    return fallback;
}

int TListHeader::SectionAt(int X, int Y) const {
    if (Y < 0 || Y >= FHeight) return -1;
    for (int column : FView->FOrder)
        if (SectionRect(column).Contains({X, Y})) return column;
    return -1;
}

void TListHeader::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == TMouseButton::mbLeft) {
        FDownX = X;
        FMoved = false;
        FDivider = DividerAt(X);
        FPressed = FDivider < 0 ? SectionAt(X, Y) : -1;
        Invalidate();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TListHeader::MouseMove(TShiftState Shift, int X, int Y) {
    if (FDivider >= 0) {
        TRect r = SectionRect(FDivider);
        FView->Column(FDivider)->SetWidth(std::max(0, X - r.Left));
    } else if (FPressed >= 0 && std::abs(X - FDownX) > 4) {
        FMoved = true;
    }
    SetCursor(FDivider >= 0 || (FPressed < 0 && DividerAt(X) >= 0) ? crSizeWE : crDefault);
    TCustomControl::MouseMove(Shift, X, Y);
}

void TListHeader::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == TMouseButton::mbLeft) {
        int pressed = FPressed;
        bool wasDivider = FDivider >= 0;
        FDivider = -1;
        FPressed = -1;
        Invalidate();
        if (!wasDivider && pressed >= 0) {
            TKeepAlive alive(this);
            if (FMoved && FView->FullDrag()) {
                int target = SectionAt(X, FHeight / 2);
                auto& order = FView->FOrder;
                auto from = std::find(order.begin(), order.end(), pressed);
                auto to = std::find(order.begin(), order.end(), target);
                if (target >= 0 && target != pressed && from != order.end() && to != order.end()) {
                    int toPos = static_cast<int>(to - order.begin());
                    order.erase(from);
                    order.insert(order.begin() + toPos, pressed);
                    FView->ContentChanged();
                }
            } else if (!FMoved && SectionAt(X, Y) == pressed && FView->ColumnClick()) {
                FView->ColClick(FView->Column(pressed));
            }
            if (FreePending()) return;
        }
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TListHeader::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case HDM_GETITEMCOUNT:
        Message.Result = SectionCount();
        return;
    case HDM_GETITEMRECT: {
        int index = static_cast<int>(static_cast<intptr_t>(Message.WParam));
        bool valid = index >= 0 && index < SectionCount();
        if (auto* r = reinterpret_cast<TRect*>(Message.LParam)) *r = valid ? SectionRect(index) : TRect{};
        Message.Result = valid;
        return;
    }
    case HDM_HITTEST: {
        auto* info = reinterpret_cast<THDHitTestInfo*>(Message.LParam);
        if (!info) return;
        info->iItem = DividerAt(info->pt.X);
        if (info->iItem >= 0 && info->pt.Y >= 0 && info->pt.Y < FHeight) {
            info->flags = HHT_ONDIVIDER;
        } else {
            info->iItem = SectionAt(info->pt.X, info->pt.Y);
            info->flags = info->iItem >= 0 ? HHT_ONHEADER : HHT_NOWHERE;
        }
        Message.Result = info->iItem;
        return;
    }
    case HDM_GETORDERARRAY: {
        auto* out = reinterpret_cast<int*>(Message.LParam);
        int count = static_cast<int>(static_cast<intptr_t>(Message.WParam));
        const auto& order = FView->FOrder;
        if (!out || count != static_cast<int>(order.size())) return;
        std::copy(order.begin(), order.end(), out);
        Message.Result = 1;
        return;
    }
    }
    TCustomControl::Dispatch(Message);
}

void TListHeader::Paint() {
    TCanvas* c = Canvas();
    if (PaintHook) {
        PaintHook(this, c);
        return;
    }
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(FColor);
    c->FillRect(ClientRect());
    c->SetFont(*FView->Font());
    TCustomImageList* images = FView->SmallImages();
    for (int column : FView->FOrder) {
        TRect r = SectionRect(column);
        if (r.Width() <= 0) continue;
        TListColumn* col = FView->Column(column);
        c->Brush()->SetStyle(bsSolid);
        if (column == FPressed) {
            c->Brush()->SetColor(cl3DLight);
            c->FillRect(r);
        }
        c->Brush()->SetColor(clBtnShadow);
        c->FillRect({r.Right - 1, r.Top, r.Right, r.Bottom});
        c->FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
        TRect text{r.Left + 5, r.Top, r.Right - 5, r.Bottom - 1};
        if (images && col->ImageIndex() >= 0 && col->ImageIndex() < images->Count()) {
            images->Draw(c, text.Left, r.Top + (r.Height() - images->Height()) / 2, col->ImageIndex());
            text.Left += images->Width() + 4;
        }
        uint32_t align = col->Alignment() == taRightJustify ? DT_RIGHT
                         : col->Alignment() == taCenter     ? DT_CENTER
                                                            : DT_LEFT;
        c->Brush()->SetStyle(bsClear);
        DrawText(c->Handle(), col->Caption(), text,
                 align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    // Below the last section's edge the strip stays plain.
    c->Brush()->SetColor(clBtnShadow);
    c->Brush()->SetStyle(bsSolid);
    c->FillRect({0, FHeight - 1, FWidth, FHeight});
}
