#include "platform/vcl/TTabSheet.h"

#include "platform/vcl/TPageControl.h"

#include <algorithm>

TTabSheet::TTabSheet(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle.Include(csAcceptsControls);
    // Hidden until its page control shows it.
    FVisible = false;
    FAlign = alClient;
}

TTabSheet::~TTabSheet() {
    if (FPageControl) FPageControl->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* Value) {
    if (Value == FPageControl) return;
    if (FPageControl) FPageControl->RemovePage(this);
    FPageControl = Value;
    TCustomControl::SetParent(Value);
    if (Value) Value->InsertPage(this);
}

void TTabSheet::SetParent(TWinControl* AParent) {
    if (auto* pc = dynamic_cast<TPageControl*>(AParent)) {
        SetPageControl(pc);
        return;
    }
    if (FPageControl) {
        FPageControl->RemovePage(this);
        FPageControl = nullptr;
    }
    TCustomControl::SetParent(AParent);
}

void TTabSheet::SetParentComponent(TComponent* Value) {
    if (auto* pc = dynamic_cast<TPageControl*>(Value))
        SetPageControl(pc);
    else
        TCustomControl::SetParentComponent(Value);
}

int TTabSheet::PageIndex() const {
    if (!FPageControl) return -1;
    const auto& pages = FPageControl->FPages;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int Value) {
    if (FPageControl) FPageControl->MovePage(this, Value);
}

int TTabSheet::TabIndex() const {
    if (!FPageControl) return -1;
    const auto& tabs = FPageControl->FTabs;
    auto it = std::find(tabs.begin(), tabs.end(), this);
    return it == tabs.end() ? -1 : static_cast<int>(it - tabs.begin());
}

void TTabSheet::SetTabVisible(bool Value) {
    if (Value == FTabVisible) return;
    FTabVisible = Value;
    if (!FPageControl) return;
    TPageControl* pc = FPageControl;
    if (!Value && pc->ActivePage() == this) {
        TTabSheet* next = pc->FindNextPage(this, true, true);
        pc->ShowActivePage(next == this ? nullptr : next);
    }
    pc->TabsChanged();
    if (Value && !pc->ActivePage()) pc->ShowActivePage(this);
}

void TTabSheet::SetImageIndex(int Value) {
    if (Value == FImageIndex) return;
    FImageIndex = Value;
    if (FPageControl) FPageControl->Invalidate();
}

void TTabSheet::Dispatch(TMessage& Message) {
    TCustomControl::Dispatch(Message);
    if (!FPageControl) return;
    if (Message.Msg == CM_TEXTCHANGED) FPageControl->TabsChanged();
    if (Message.Msg == CM_ENABLEDCHANGED) FPageControl->Invalidate();
}
