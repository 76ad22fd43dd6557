#include "skin/controls/TlxSkinCustomListBox.h"

#include "platform/win/WinApi.h"
#include "skin/controls/TlxListBox.h"
#include "skin/controls/TlxSkinScrollBar.h"
#include "skin/engine/DataSkinListControls.h"

#include <algorithm>

namespace {
constexpr uint32_t FirstDelayMs = 500;
constexpr uint32_t RepeatMs = 100;
constexpr uint32_t ReenterMs = 50;
constexpr uintptr_t RepeatTimer = 1;
} // namespace

TlxSkinCustomListBox::TlxSkinCustomListBox(TComponent* AOwner) : TlxSkinCustomControl(AOwner) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents,
                     csOpaque,          csDoubleClicks, csReplicatable};
    FForceBackground = true;
    FDrawbackground = false;
    TFont* f = Font();
    f->SetName("Arial");
    f->SetHeight(14);
    f->SetColor(clWindowText);
    f->SetStyle({});
    FDefaultCaptionFont.SetName("Arial");
    FDefaultCaptionFont.SetHeight(14);
    FDefaultCaptionFont.OnChange = [this](TObject*) {
        if (!Skinned() && FCaptionMode) Invalidate();
    };
    FListBox.Set(new TlxListBox(this));
    FListBox->SetSkinListBox(this);
    FListBox->SetParent(this);
    FListBox->SetStyle(lbOwnerDrawFixed);
    FListBox->SetItemHeight(FDefaultItemHeight);
    SetBounds(Left(), Top(), 120, 120);
    SetSkinDataName("listbox");
}

TlxSkinCustomListBox::~TlxSkinCustomListBox() = default;

// ---- the inner list's items

TStrings* TlxSkinCustomListBox::Items() const {
    return FListBox->Items();
}
void TlxSkinCustomListBox::SetItems(const TStrings& Value) {
    FListBox->SetItems(Value);
    UpDateScrollBar();
}
int TlxSkinCustomListBox::ItemIndex() const {
    return FListBox->ItemIndex();
}
void TlxSkinCustomListBox::SetItemIndex(int Value) {
    FListBox->SetItemIndex(Value);
    if (FScrollBar) UpDateScrollBar();
}
int TlxSkinCustomListBox::TopIndex() const {
    return FListBox->TopIndex();
}
void TlxSkinCustomListBox::SetTopIndex(int Value) {
    FListBox->SetTopIndex(Value);
    if (FScrollBar) UpDateScrollBar();
}
int TlxSkinCustomListBox::SelCount() const {
    return FListBox->SelCount();
}
bool TlxSkinCustomListBox::Selected(int Index) const {
    return FListBox->Selected(Index);
}
void TlxSkinCustomListBox::SetSelected(int Index, bool Value) {
    FListBox->SetSelected(Index, Value);
}
bool TlxSkinCustomListBox::MultiSelect() const {
    return FListBox->MultiSelect();
}
void TlxSkinCustomListBox::SetMultiSelect(bool Value) {
    FListBox->SetMultiSelect(Value);
}
bool TlxSkinCustomListBox::ExtandedSelect() const {
    return FListBox->ExtendedSelect();
}
void TlxSkinCustomListBox::SetExtandedSelect(bool Value) {
    FListBox->SetExtendedSelect(Value);
}
bool TlxSkinCustomListBox::Sorted() const {
    return FListBox->Sorted();
}
void TlxSkinCustomListBox::SetSorted(bool Value) {
    RemoveScrollBar();
    FListBox->SetSorted(Value);
}
int TlxSkinCustomListBox::Columns() const {
    return FListBox->Columns();
}
void TlxSkinCustomListBox::SetColumns(int Value) {
    FListBox->SetColumns(Value);
    UpDateScrollBar();
}
int TlxSkinCustomListBox::ItemAtPos(TPoint Pos, bool Existing) const {
    return FListBox->ItemAtPos(Pos, Existing);
}
TRect TlxSkinCustomListBox::ItemRect(int Item) const {
    return FListBox->ItemRect(Item);
}
void TlxSkinCustomListBox::Clear() {
    FListBox->Clear();
    UpDateScrollBar();
}
int TlxSkinCustomListBox::ItemHeight() const {
    return FListBox->ItemHeight();
}
TCanvas* TlxSkinCustomListBox::ListBoxCanvas() {
    return FListBox->Canvas();
}
TFont* TlxSkinCustomListBox::ListBoxFont() {
    return FListBox->Font();
}

// ---- properties

void TlxSkinCustomListBox::SetShowCaptionButtons(bool Value) {
    if (FShowCaptionButtons == Value) return;
    FShowCaptionButtons = Value;
    AdjustListRect();
    Invalidate();
}

void TlxSkinCustomListBox::SetTabWidths(const TStrings& Value) {
    FTabWidths.Assign(Value);
    if (FTabWidths.Count() > 0) FListBox->Invalidate();
}

void TlxSkinCustomListBox::SetHorizontalExtent(bool Value) {
    FHorizontalExtent = Value;
    UpDateScrollBar();
}

void TlxSkinCustomListBox::SetRowCount(int Value) {
    FRowCount = Value;
    if (Value != 0) SetHeight(CalcHeight(Value));
    UpDateScrollBar();
}

void TlxSkinCustomListBox::SetGlyph(const TBitmap& Value) {
    FGlyph = Value;
    Invalidate();
}

void TlxSkinCustomListBox::SetNumGlyphs(TlxSkinPanelNumGlyphs Value) {
    FNumGlyphs = Value;
    Invalidate();
}

void TlxSkinCustomListBox::SetSpacing(int Value) {
    FSpacing = Value;
    Invalidate();
}

void TlxSkinCustomListBox::SetImages(TCustomImageList* Value) {
    FImages.Set(Value);
    FListBox->Invalidate();
}

void TlxSkinCustomListBox::SetImageIndex(int Value) {
    FImageIndex = Value;
    FListBox->Invalidate();
}

void TlxSkinCustomListBox::SetDefaultItemHeight(int Value) {
    FDefaultItemHeight = Value;
    if (!Skinned() || !FUseSkinItemHeight) FListBox->SetItemHeight(Value);
}

void TlxSkinCustomListBox::SetDefaultCaptionHeight(int Value) {
    FDefaultCaptionHeight = Value;
    if (!Skinned() && FCaptionMode) {
        AdjustListRect();
        Invalidate();
    }
}

void TlxSkinCustomListBox::SetCaptionMode(bool Value) {
    FCaptionMode = Value;
    AdjustListRect();
    Invalidate();
}

void TlxSkinCustomListBox::SetAlignment(TAlignment Value) {
    FAlignment = Value;
    if (FCaptionMode) Invalidate();
}

int TlxSkinCustomListBox::CalcHeight(int AItemsCount) {
    GetSkinData();
    int h;
    if (!Skinned())
        h = AItemsCount * ItemHeight() + 4 + (FCaptionMode ? FDefaultCaptionHeight : 0);
    else
        h = Geometry.SkinRect.Height() + AItemsCount * ItemHeight() - Geometry.ClRect.Height();
    if (FHScrollBar) h += FHScrollBar->Height();
    return h;
}

// ---- skin

void TlxSkinCustomListBox::GetSkinData() {
    TlxSkinCustomControl::GetSkinData();
    auto* d = dynamic_cast<TlxDataSkinListBox*>(Description());
    if (!d) return;
    FontName = d->FontName;
    FontStyle = d->FontStyle;
    FontHeight = d->FontHeight;
    SItemRect = d->SItemRect;
    ActiveItemRect = d->ActiveItemRect.IsEmpty() ? d->SItemRect : d->ActiveItemRect;
    FocusItemRect = d->FocusItemRect.IsEmpty() ? d->SItemRect : d->FocusItemRect;
    ItemLeftOffset = d->ItemLeftOffset;
    ItemRightOffset = d->ItemRightOffset;
    ItemTextRect = d->ItemTextRect;
    FontColor = d->FontColor;
    ActiveFontColor = d->ActiveFontColor;
    FocusFontColor = d->FocusFontColor;
    CaptionRect = d->CaptionRect;
    CaptionFontName = d->CaptionFontName;
    CaptionFontStyle = d->CaptionFontStyle;
    CaptionFontHeight = d->CaptionFontHeight;
    CaptionFontColor = d->CaptionFontColor;
    UpButtonRect = d->UpButtonRect;
    ActiveUpButtonRect = d->ActiveUpButtonRect;
    DownUpButtonRect = d->DownUpButtonRect.IsEmpty() ? d->ActiveUpButtonRect : d->DownUpButtonRect;
    DownButtonRect = d->DownButtonRect;
    ActiveDownButtonRect = d->ActiveDownButtonRect;
    DownDownButtonRect = d->DownDownButtonRect.IsEmpty() ? d->ActiveDownButtonRect : d->DownDownButtonRect;
    CheckButtonRect = d->CheckButtonRect;
    ActiveCheckButtonRect = d->ActiveCheckButtonRect;
    DownCheckButtonRect =
        d->DownCheckButtonRect.IsEmpty() ? d->ActiveCheckButtonRect : d->DownCheckButtonRect;
    VScrollBarName = d->VScrollBarName;
    HScrollBarName = d->HScrollBarName;
    BothScrollBarName = d->BothScrollBarName;
    ShowFocus = d->ShowFocus;
    ButtonsArea = d->ButtonsArea;
    DisabledButtonsRect = d->DisabledButtonsRect;
}

void TlxSkinCustomListBox::ChangeSkinData() {
    TlxSkinCustomControl::ChangeSkinData();
    FStopUpDateHScrollBar = true;
    if (!Skinned()) {
        FListBox->SetItemHeight(FDefaultItemHeight);
        Font()->Assign(FDefaultFont);
    } else if (FUseSkinItemHeight && SItemRect.Height() > 0) {
        FListBox->SetItemHeight(SItemRect.Height());
    }
    if (FScrollBar) {
        FScrollBar->SetSkinDataName(!Skinned() ? "" : Columns() > 0 ? HScrollBarName : VScrollBarName);
        FScrollBar->SetSkinData(SkinData());
    }
    if (FHScrollBar) {
        if (!Skinned()) {
            FHScrollBar->SetSkinDataName("");
        } else if (FScrollBar) {
            FHScrollBar->SetSkinDataName(BothScrollBarName);
            FHScrollBar->SetBothSkinDataName(BothScrollBarName);
        } else {
            FHScrollBar->SetSkinDataName(HScrollBarName);
            FHScrollBar->SetBothSkinDataName(HScrollBarName);
        }
        FHScrollBar->SetSkinData(SkinData());
    }
    if (FRowCount != 0) SetHeight(CalcHeight(FRowCount));
    AdjustListRect();
    FStopUpDateHScrollBar = false;
    UpDateScrollBar();
    FListBox->Invalidate();
}

void TlxSkinCustomListBox::DefaultFontChanged() {
    if (!Skinned()) Font()->Assign(FDefaultFont);
}

void TlxSkinCustomListBox::CreateParams(TCreateParams& Params) {
    TlxSkinCustomControl::CreateParams(Params);
    Params.ClassStyle &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TlxSkinCustomListBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TlxSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    AdjustListRect();
    if (!Skinned()) Invalidate();
}

// ---- layout

void TlxSkinCustomListBox::AdjustListRect() {
    if (!FListBox) return;
    GetSkinData();
    const int w = Width(), h = Height();
    const bool skinned = Skinned();
    int c = 1;
    if (!skinned) {
        c = FCaptionMode ? FDefaultCaptionHeight : 1;
    } else {
        NewClRect = Geometry.ClRect;
        NewClRect.Right += w - Geometry.SkinRect.Width();
        NewClRect.Bottom += h - Geometry.SkinRect.Height();
    }
    LayoutCaption();
    int hh = 0;
    if (Columns() == 0 && FHScrollBar && FHScrollBar->Visible()) {
        if (!skinned) {
            FHScrollBar->SetBounds(1, h - 20, w - 2, 19);
            hh = FHScrollBar->Height() - 1;
        } else {
            FHScrollBar->SetBounds(NewClRect.Left, NewClRect.Bottom - FHScrollBar->Height(),
                                   NewClRect.Width(), FHScrollBar->Height());
            hh = FHScrollBar->Height();
        }
    }
    TRect list;
    if (FScrollBar && FScrollBar->Visible()) {
        if (!skinned && Columns() <= 0) {
            FScrollBar->SetBounds(w - 20, c, 19, h - c - hh - 1);
            list = {2, c + 1, FScrollBar->Left(), h - hh - 2};
        } else if (!skinned) {
            FScrollBar->SetBounds(1, h - 20, w - 2, 19);
            list = {2, c + 1, w - 2, FScrollBar->Top()};
        } else if (Columns() <= 0) {
            FScrollBar->SetBounds(NewClRect.Right - FScrollBar->Width(), NewClRect.Top, FScrollBar->Width(),
                                  NewClRect.Height() - hh);
            list = {NewClRect.Left, NewClRect.Top, NewClRect.Right - FScrollBar->Width(),
                    NewClRect.Bottom - hh};
        } else {
            FScrollBar->SetBounds(NewClRect.Left, NewClRect.Bottom - FScrollBar->Height(), NewClRect.Width(),
                                  FScrollBar->Height());
            list = {NewClRect.Left, NewClRect.Top, NewClRect.Right, NewClRect.Bottom - FScrollBar->Height()};
        }
    } else if (!skinned) {
        list = {2, c + 1, w - 2, h - 2 - hh};
    } else {
        list = {NewClRect.Left, NewClRect.Top, NewClRect.Right, NewClRect.Bottom - hh};
    }
    list.Right = std::max(list.Right, list.Left);
    list.Bottom = std::max(list.Bottom, list.Top);
    FListRect = list;
    FListBox->SetBounds(list.Left, list.Top, list.Width(), list.Height());
}

// ---- scroll bars

int TlxSkinCustomListBox::GetItemWidth(int Index, TCanvas* Canvas) {
    return Canvas->TextWidth(Items()->Get(Index));
}

void TlxSkinCustomListBox::UpDateScrollBar() {
    if (!FListBox || ComponentState().Contains(csDestroying)) return;
    if (Columns() <= 0) {
        if (!FHorizontalExtent || FStopUpDateHScrollBar) {
            if (FHScrollBar) RemoveHScrollBar();
        } else {
            TCanvas* c = FListBox->Canvas();
            if (Skinned() && FUseSkinFont) {
                c->Font()->SetName(FontName);
                c->Font()->SetStyle(FontStyle);
                c->Font()->SetHeight(FontHeight);
            } else {
                c->Font()->Assign(*FListBox->Font());
            }
            int widest = 0;
            for (int i = 0; i < Items()->Count(); ++i)
                widest = std::max(widest, GetItemWidth(i, c));
            int visible = !Skinned() ? FListBox->Width() - 4
                                     : FListBox->Width() + (ItemTextRect.Width() - SItemRect.Width());
            if (Images()) visible -= Images()->Width() + 4;
            if (visible < widest) {
                if (!FHScrollBar) CreateHScrollBar();
                FHScrollBar->SetRange(0, widest, std::max(visible, 0), FHScrollBar->Position());
                const int step = std::max(c->TextWidth("0"), 1);
                FHScrollBar->SetSmallChange(step);
                FHScrollBar->SetLargeChange(step);
            } else if (FHScrollBar) {
                RemoveHScrollBar();
            }
        }
        if (FRowCount >= 1 && FRowCount == Items()->Count()) return;
        int min = 0, max = 0;
        if (FListBox->HandleAllocated()) GetScrollRange(FListBox->WindowHandle(), SB_VERT, min, max);
        const int pos = FListBox->HandleAllocated() ? GetScrollPos(FListBox->WindowHandle(), SB_VERT) : 0;
        const int page = FListBox->Height() / std::max(ItemHeight(), 1);
        if (min < max && max >= pos && page < Items()->Count()) {
            if (!FScrollBar) CreateScrollBar();
            FScrollBar->SetRange(min, max, page, pos);
            FScrollBar->SetLargeChange(std::max(page, 1));
            return;
        }
        if (FScrollBar) RemoveScrollBar();
        return;
    }
    int min = 0, max = 0;
    if (FListBox->HandleAllocated()) GetScrollRange(FListBox->WindowHandle(), SB_HORZ, min, max);
    const int pos = FListBox->HandleAllocated() ? GetScrollPos(FListBox->WindowHandle(), SB_HORZ) : 0;
    const int rows = FListBox->Height() / std::max(ItemHeight(), 1);
    if (min < max && max >= pos && max >= Columns() && rows * Columns() < Items()->Count()) {
        if (!FScrollBar) CreateScrollBar();
        FScrollBar->SetRange(min, max, Columns(), pos);
    } else if (FScrollBar) {
        RemoveScrollBar();
    }
}

void TlxSkinCustomListBox::CreateScrollBar() {
    auto* bar = new TlxSkinScrollBar(this);
    FScrollBar.Set(bar);
    const bool columns = Columns() > 0;
    bar->SetKind(columns ? sbHorizontal : sbVertical);
    bar->SetRange(0, bar->Max(), 0, 0);
    bar->OnChange = [this](TObject*) {
        if (!FScrollBar) return;
        FListBox->Perform(Columns() > 0 ? WM_HSCROLL : WM_VSCROLL,
                          MakeWParam(SB_THUMBPOSITION, FScrollBar->Position()));
    };
    bar->SetSkinDataName(!Skinned() ? "" : columns ? HScrollBarName : VScrollBarName);
    bar->SetSkinData(SkinData());
    // The horizontal bar now shares the corner with it.
    if (FHScrollBar) {
        if (!Skinned()) {
            FHScrollBar->SetBothMarkerWidth(19);
        } else {
            FHScrollBar->SetBothSkinDataName(BothScrollBarName);
            FHScrollBar->SetSkinDataName(BothScrollBarName);
        }
        FHScrollBar->SetBoth(true);
        FHScrollBar->SetSkinData(SkinData());
    }
    bar->SetParent(this);
    AdjustListRect();
    bar->SetVisible(true);
    Invalidate();
}

void TlxSkinCustomListBox::CreateHScrollBar() {
    auto* bar = new TlxSkinScrollBar(this);
    FHScrollBar.Set(bar);
    bar->SetKind(sbHorizontal);
    bar->SetRange(0, bar->Max(), 0, 0);
    bar->OnChange = [this](TObject*) {
        if (FHScrollBar) FListBox->SetHorizontalExtentValue(FHScrollBar->Position());
    };
    if (!Skinned()) {
        bar->SetSkinDataName("");
        if (FScrollBar) {
            bar->SetBoth(true);
            bar->SetBothMarkerWidth(19);
        }
    } else if (FScrollBar) {
        bar->SetSkinDataName(BothScrollBarName);
        bar->SetBothSkinDataName(BothScrollBarName);
        bar->SetBoth(true);
    } else {
        bar->SetSkinDataName(HScrollBarName);
        bar->SetBothSkinDataName(HScrollBarName);
        bar->SetBoth(false);
    }
    bar->SetSkinData(SkinData());
    bar->SetParent(this);
    bar->SetVisible(true);
    AdjustListRect();
    Invalidate();
}

void TlxSkinCustomListBox::RemoveScrollBar() {
    if (!FScrollBar) return;
    TlxSkinScrollBar* bar = FScrollBar;
    FScrollBar.Set(nullptr);
    bar->SetVisible(false);
    bar->Free();
    AdjustListRect();
}

void TlxSkinCustomListBox::RemoveHScrollBar() {
    if (!FHScrollBar) return;
    TlxSkinScrollBar* bar = FHScrollBar;
    FHScrollBar.Set(nullptr);
    FListBox->SetHorizontalExtentValue(0);
    bar->SetVisible(false);
    bar->Free();
    AdjustListRect();
    FListBox->Invalidate();
}

// ---- the inner list's hooks

void TlxSkinCustomListBox::ListBoxMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnListBoxMouseDown) OnListBoxMouseDown(this, Button, Shift, X, Y);
}
void TlxSkinCustomListBox::ListBoxMouseMove(TShiftState Shift, int X, int Y) {
    if (OnListBoxMouseMove) OnListBoxMouseMove(this, Shift, X, Y);
}
void TlxSkinCustomListBox::ListBoxMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnListBoxMouseUp) OnListBoxMouseUp(this, Button, Shift, X, Y);
}
void TlxSkinCustomListBox::ListBoxClick() {
    if (OnListBoxClick) OnListBoxClick(this);
}
void TlxSkinCustomListBox::ListBoxDblClick() {
    if (OnListBoxDblClick) OnListBoxDblClick(this);
}
void TlxSkinCustomListBox::ListBoxKeyDown(uint16_t& Key, TShiftState Shift) {
    if (OnListBoxKeyDown) OnListBoxKeyDown(this, Key, Shift);
}
void TlxSkinCustomListBox::ListBoxKeyUp(uint16_t& Key, TShiftState Shift) {
    if (OnListBoxKeyUp) OnListBoxKeyUp(this, Key, Shift);
}
void TlxSkinCustomListBox::ListBoxKeyPress(char32_t& Key) {
    if (OnListBoxKeyPress) OnListBoxKeyPress(this, Key);
}
void TlxSkinCustomListBox::ListBoxWndProc(TMessage& Message, bool& CallDefault) {
    (void)Message;
    CallDefault = true;
}

// ---- caption buttons

void TlxSkinCustomListBox::TestActive(int X, int Y) {
    if (Skinned() && UpButtonRect.IsEmpty() && DownButtonRect.IsEmpty()) return;
    OldActiveButton = FActiveButton;
    int found = -1;
    for (int i = 0; i < 3; ++i)
        if (PtInRect(Buttons[i].R, {X, Y})) {
            found = i;
            break;
        }
    // While a button is held, no other becomes active.
    if (CaptureButton != -1 && found != CaptureButton) found = -1;
    FActiveButton = found;
    if (FActiveButton == OldActiveButton) return;
    if (OldActiveButton >= 0) {
        TlxCBButtonX& old = Buttons[OldActiveButton];
        old.MouseIn = false;
        if (TimerMode != 0 && old.Down && HandleAllocated()) KillTimer(WindowHandle(), RepeatTimer);
    }
    if (FActiveButton >= 0) {
        TlxCBButtonX& now = Buttons[FActiveButton];
        now.MouseIn = true;
        if (TimerMode != 0 && now.Down && HandleAllocated()) SetTimer(WindowHandle(), RepeatTimer, ReenterMs);
    }
    Invalidate();
}

void TlxSkinCustomListBox::StopRepeat() {
    if (TimerMode != 0 && HandleAllocated()) KillTimer(WindowHandle(), RepeatTimer);
    TimerMode = 0;
    WaitMode = false;
}

void TlxSkinCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (FCaptionMode && FShowCaptionButtons) {
        TestActive(X, Y);
        if (FActiveButton != -1) {
            CaptureButton = FActiveButton;
            Buttons[CaptureButton].MouseIn = true;
            Buttons[CaptureButton].Down = true;
            Invalidate();
            const TNotifyEvent* event = CaptureButton == UpButton     ? &OnUpButtonClick
                                        : CaptureButton == DownButton ? &OnDownButtonClick
                                                                      : &OnCheckButtonClick;
            if (!*event && CaptureButton != CheckButton && HandleAllocated()) {
                TimerMode = CaptureButton == UpButton ? 1 : 2;
                WaitMode = true;
                SetTimer(WindowHandle(), RepeatTimer, FirstDelayMs);
            }
        }
    }
    TlxSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TlxSkinCustomListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    if (CaptureButton != -1) {
        const int index = CaptureButton;
        TlxCBButtonX& b = Buttons[index];
        b.Down = false;
        const bool over = index == FActiveButton && PtInRect(b.R, {X, Y});
        if (index != FActiveButton) b.MouseIn = false;
        Invalidate();
        CaptureButton = -1;
        StopRepeat();
        const TNotifyEvent& event = index == UpButton     ? OnUpButtonClick
                                    : index == DownButton ? OnDownButtonClick
                                                          : OnCheckButtonClick;
        if (over && event) {
            event(this);
            if (FreePending()) return;
        } else if (over) {
            // A click without an event: the default step.
            const int n = Items()->Count();
            if (index == UpButton && ItemIndex() > 0)
                SetItemIndex(ItemIndex() - 1);
            else if (index == DownButton && ItemIndex() < n - 1)
                SetItemIndex(ItemIndex() + 1);
            else if (index == CheckButton)
                FListBox->Click();
            if (FreePending()) return;
        }
    }
    TlxSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

void TlxSkinCustomListBox::MouseMove(TShiftState Shift, int X, int Y) {
    TlxSkinCustomControl::MouseMove(Shift, X, Y);
    if (FCaptionMode && FShowCaptionButtons) TestActive(X, Y);
}

void TlxSkinCustomListBox::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_TIMER:
        if (Message.WParam != RepeatTimer || TimerMode == 0) break;
        if (WaitMode) {
            WaitMode = false;
            SetTimer(WindowHandle(), RepeatTimer, RepeatMs);
            return;
        }
        if (TimerMode == 1 && ItemIndex() >= 1)
            SetItemIndex(ItemIndex() - 1);
        else if (TimerMode == 2 && ItemIndex() < Items()->Count() - 1)
            SetItemIndex(ItemIndex() + 1);
        return;
    case WM_SIZE:
        TlxSkinCustomControl::WndProc(Message);
        AdjustListRect();
        UpDateScrollBar();
        if (FScrollBar) FScrollBar->Invalidate();
        return;
    case CM_MOUSEENTER:
        TlxSkinCustomControl::WndProc(Message);
        if (FCaptionMode && FShowCaptionButtons && CaptureButton == -1) TestActive(-1, -1);
        return;
    case CM_MOUSELEAVE: {
        TlxSkinCustomControl::WndProc(Message);
        bool any = false;
        for (TlxCBButtonX& b : Buttons)
            if (b.MouseIn) {
                b.MouseIn = false;
                any = true;
            }
        if (any) {
            if (CaptureButton == -1) FActiveButton = -1;
            Invalidate();
        }
        return;
    }
    case CM_TEXTCHANGED:
        TlxSkinCustomControl::WndProc(Message);
        if (FCaptionMode) Invalidate();
        return;
    }
    TlxSkinCustomControl::WndProc(Message);
}
