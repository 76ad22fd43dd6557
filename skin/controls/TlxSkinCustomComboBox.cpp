#include "skin/controls/TlxSkinCustomComboBox.h"

#include "platform/base/Utf8.h"
#include "platform/gdi/Text.h"
#include "platform/vcl/VclMessages.h"
#include "platform/win/WinApi.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/engine/DataSkinListControls.h"

#include <algorithm>

namespace {
constexpr uintptr_t ListTimer = 1;
constexpr uint32_t ListTimerMs = 25;
constexpr uint64_t SearchWindowMs = 500;
constexpr uint64_t CompletionIntervalMs = 200;
} // namespace

TlxSkinCustomComboBox::TlxSkinCustomComboBox(TComponent* AOwner) : TlxSkinCustomControl(AOwner) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csOpaque, csDoubleClicks, csReplicatable};
    SetTabStop(true);
    TFont* f = Font();
    f->SetName("Arial");
    f->SetHeight(14);
    f->SetColor(clWindowText);
    f->SetStyle({});
    auto* list = new TlxPopupListBox(this);
    FListBox.Set(list);
    list->ListBox()->SetTabStop(false);
    list->OnListBoxMouseMove = [this](TObject* Sender, TShiftState Shift, int X, int Y) {
        ListMouseMove(Sender, Shift, X, Y);
    };
    FListBoxWindowProc = list->ListBox()->WindowProc;
    list->ListBox()->WindowProc = [this](TMessage& Message) { ListWndProc(Message); };
    list->OnCheckButtonClick = [this](TObject*) { CloseUp(true); };
    SetBounds(Left(), Top(), 120, 20);
    CalcRects();
    SetSkinDataName("combobox");
}

TlxSkinCustomComboBox::~TlxSkinCustomComboBox() = default;

bool TlxSkinCustomComboBox::Loading() const {
    const TComponentState s = ComponentState();
    return s.Contains(csLoading) || s.Contains(csDesigning);
}

void TlxSkinCustomComboBox::DoClick() {
    if (OnClick) OnClick(this);
}

// ---- the list's items and the popup's properties

TStrings* TlxSkinCustomComboBox::Items() const {
    return FListBox->Items();
}
void TlxSkinCustomComboBox::SetItems(const TStrings& Value) {
    FListBox->SetItems(Value);
}
int TlxSkinCustomComboBox::ItemIndex() const {
    return FListBox ? FListBox->ItemIndex() : -1;
}
TCustomImageList* TlxSkinCustomComboBox::Images() const {
    return FListBox->Images();
}
void TlxSkinCustomComboBox::SetImages(TCustomImageList* Value) {
    FListBox->SetImages(Value);
    Invalidate();
}
int TlxSkinCustomComboBox::ImageIndex() const {
    return FListBox->ImageIndex();
}
void TlxSkinCustomComboBox::SetImageIndex(int Value) {
    FListBox->SetImageIndex(Value);
    Invalidate();
}
TStrings* TlxSkinCustomComboBox::TabWidths() const {
    return FListBox->TabWidths();
}
void TlxSkinCustomComboBox::SetTabWidths(const TStrings& Value) {
    FListBox->SetTabWidths(Value);
    Invalidate();
}
bool TlxSkinCustomComboBox::HorizontalExtent() const {
    return FListBox->HorizontalExtent();
}
void TlxSkinCustomComboBox::SetHorizontalExtent(bool Value) {
    FListBox->SetHorizontalExtent(Value);
}
bool TlxSkinCustomComboBox::Sorted() const {
    return FListBox->Sorted();
}
void TlxSkinCustomComboBox::SetSorted(bool Value) {
    FListBox->SetSorted(Value);
}
const std::string& TlxSkinCustomComboBox::ListBoxCaption() const {
    return FListBox->Caption();
}
void TlxSkinCustomComboBox::SetListBoxCaption(const std::string& Value) {
    FListBox->SetCaption(Value);
}
bool TlxSkinCustomComboBox::ListBoxCaptionMode() const {
    return FListBox->CaptionMode();
}
void TlxSkinCustomComboBox::SetListBoxCaptionMode(bool Value) {
    FListBox->SetCaptionMode(Value);
}
TAlignment TlxSkinCustomComboBox::ListBoxCaptionAlignment() const {
    return FListBox->Alignment();
}
void TlxSkinCustomComboBox::SetListBoxCaptionAlignment(TAlignment Value) {
    FListBox->SetAlignment(Value);
}
TFont* TlxSkinCustomComboBox::ListBoxDefaultFont() const {
    return FListBox->DefaultFont();
}
TFont* TlxSkinCustomComboBox::ListBoxDefaultCaptionFont() const {
    return FListBox->DefaultCaptionFont();
}
int TlxSkinCustomComboBox::ListBoxDefaultItemHeight() const {
    return FListBox->DefaultItemHeight();
}
void TlxSkinCustomComboBox::SetListBoxDefaultItemHeight(int Value) {
    FListBox->SetDefaultItemHeight(Value);
}
bool TlxSkinCustomComboBox::ListBoxUseSkinFont() const {
    return FListBox->UseSkinFont();
}
void TlxSkinCustomComboBox::SetListBoxUseSkinFont(bool Value) {
    FListBox->SetUseSkinFont(Value);
}
bool TlxSkinCustomComboBox::ListBoxUseSkinItemHeight() const {
    return FListBox->UseSkinItemHeight();
}
void TlxSkinCustomComboBox::SetListBoxUseSkinItemHeight(bool Value) {
    FListBox->SetUseSkinItemHeight(Value);
}

int TlxSkinCustomComboBox::SelStart() const {
    return FEdit ? FEdit->SelStart() : 0;
}
void TlxSkinCustomComboBox::SetSelStart(int Value) {
    if (FEdit) FEdit->SetSelStart(Value);
}
int TlxSkinCustomComboBox::SelLength() const {
    return FEdit ? FEdit->SelLength() : 0;
}
void TlxSkinCustomComboBox::SetSelLength(int Value) {
    if (FEdit) FEdit->SetSelLength(Value);
}

// ---- own properties

void TlxSkinCustomComboBox::SetDropDownCount(int Value) {
    if (Value > 0) FDropDownCount = Value;
}

void TlxSkinCustomComboBox::SetHideSelection(bool Value) {
    FHideSelection = Value;
    if (FEdit) FEdit->SetHideSelection(Value);
}

void TlxSkinCustomComboBox::SetCharCase(TEditCharCase Value) {
    FCharCase = Value;
    if (FEdit) FEdit->SetCharCase(Value);
}

void TlxSkinCustomComboBox::SetDefaultColor(TColor Value) {
    FDefaultColor = Value;
    if (!Skinned()) {
        Invalidate();
        if (FEdit) FEdit->SetColor(Value);
    }
}

void TlxSkinCustomComboBox::SetUseSkinSize(bool Value) {
    if (FUseSkinSize == Value) return;
    FUseSkinSize = Value;
    if (SkinData() && !Designing()) ChangeSkinData();
    Invalidate();
}

void TlxSkinCustomComboBox::SetToolButtonStyle(bool Value) {
    FToolButtonStyle = Value;
    if (Value) {
        SetStyle(lxcbFixedStyle);
        SetUseSkinSize(false);
    }
    Invalidate();
}

void TlxSkinCustomComboBox::Invalidate() {
    TlxSkinCustomControl::Invalidate();
    if (FEdit && Skinned()) FEdit->Invalidate();
}

// ---- selection

void TlxSkinCustomComboBox::SetItemIndex(int Value) {
    TKeepAlive alive(this);
    TlxListBox* list = FListBox->ListBox();
    list->SetItemIndex(Value);
    const int index = list->ItemIndex();
    if (list->Count() > 0 && index != -1) SetText(list->Items()->Get(index));
    if (FreePending()) return;
    FOldItemIndex = list->ItemIndex();
    if (FStyle == lxcbFixedStyle) Invalidate();
    if (Loading()) return;
    DoClick();
    if (FreePending()) return;
    Change();
}

// ---- opening and closing

bool TlxSkinCustomComboBox::IsPopupVisible() const {
    return FListBox && FListBox->Visible();
}

bool TlxSkinCustomComboBox::CanCancelDropDown() const {
    return IsPopupVisible() && !FMouseIn;
}

void TlxSkinCustomComboBox::DropDown() {
    if (Items()->Count() == 0) return;
    TKeepAlive alive(this);
    WasInLB = false;
    StopListTimer();
    if (OnDropDown) OnDropDown(this);
    if (FreePending()) return;
    TlxPopupListBox* popup = FListBox;
    popup->SetWidth(FListBoxWidth > 0 ? FListBoxWidth : Width());
    popup->SetRowCount(std::min(Items()->Count(), FDropDownCount));
    TPoint p =
        Parent() ? Parent()->ClientToScreen({Left(), Top() + Height()}) : TPoint{Left(), Top() + Height()};
    // The list stays inside the work area of the control's monitor: above
    // the control when it would pass the bottom, shifted left at the right
    // edge, never above the top.
    TRect work = GetWorkArea();
    if (HandleAllocated()) {
        TMonitorInfo info;
        if (GetMonitorInfo(MonitorFromWindow(WindowHandle(), MONITOR_DEFAULTTONEAREST), info))
            work = info.rcWork;
    }
    if (p.Y + popup->Height() > work.Bottom) p.Y = p.Y - Height() - popup->Height();
    p.Y = std::max(p.Y, work.Top);
    if (p.X + popup->Width() > work.Right) p.X = work.Right - popup->Width();
    p.X = std::max(p.X, work.Left);
    if (FStyle == lxcbEditStyle && FEdit && FEdit->CanFocus()) FEdit->SetFocus();
    FOldItemIndex = popup->ItemIndex();
    FDropDown = true;
    if (FToolButtonStyle) Invalidate();
    popup->SetTopIndex(std::max(popup->ItemIndex(), 0));
    popup->SetSkinData(SkinData());
    popup->Show(p);
    Invalidate();
}

void TlxSkinCustomComboBox::CloseUp(bool Value) {
    TKeepAlive alive(this);
    StopListTimer();
    if (!IsPopupVisible()) return;
    FListBox->Hide();
    TlxListBox* list = FListBox->ListBox();
    const int index = list->ItemIndex();
    if (index < 0) {
        list->SetItemIndex(FOldItemIndex);
    } else if (index < list->Count() && Value) {
        const std::string item = list->Items()->Get(index);
        if (FStyle == lxcbEditStyle && FEdit) {
            FEdit->SetText(item);
            if (FreePending()) return;
            FEdit->SelectAll();
        } else {
            SetText(item);
            if (FreePending()) return;
            Invalidate();
        }
        DoClick();
        if (FreePending()) return;
        Change();
        if (FreePending()) return;
    } else {
        list->SetItemIndex(FOldItemIndex);
    }
    FDropDown = false;
    Invalidate();
    if (Value && OnCloseUp) OnCloseUp(this);
}

// ---- the popup's inner list, as hooked by the combo

void TlxSkinCustomComboBox::ListWndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
        // The combo finishes the click: it takes the mouse until the release.
        FLBDown = true;
        WasInLB = true;
        if (HandleAllocated()) SetCapture(WindowHandle());
        return;
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return;
    case WM_MOUSEACTIVATE:
        Message.Result = MA_NOACTIVATE;
        return;
    }
    if (FListBoxWindowProc) FListBoxWindowProc(Message);
}

void TlxSkinCustomComboBox::ListMouseMove(TObject*, TShiftState, int X, int Y) {
    TlxListBox* list = FListBox->ListBox();
    const int index = list->ItemAtPos({X, Y}, true);
    if (index >= 0 && index < list->Count() && index != list->ItemIndex()) list->SetItemIndex(index);
}

void TlxSkinCustomComboBox::TrackListMouse() {
    TlxListBox* list = FListBox->ListBox();
    if (!list->HandleAllocated()) return;
    TPoint p;
    GetCursorPos(p);
    p = list->ScreenToClient(p);
    int mode = 0;
    const bool scrolls = FListBox->ScrollBar() != nullptr && WasInLB;
    if (p.Y < 0) {
        if (scrolls) mode = 1;
    } else if (p.Y > list->Height()) {
        if (scrolls) mode = 2;
    } else {
        StopListTimer();
        list->Perform(WM_MOUSEMOVE, 0, PointToLParam({1, p.Y}));
        WasInLB = true;
    }
    if (mode != 0 && mode != TimerMode) {
        TimerMode = mode;
        StartListTimer();
    }
}

void TlxSkinCustomComboBox::StartListTimer() {
    if (!HandleAllocated()) return;
    KillTimer(WindowHandle(), ListTimer);
    SetTimer(WindowHandle(), ListTimer, ListTimerMs);
}

void TlxSkinCustomComboBox::StopListTimer() {
    if (TimerMode != 0 && HandleAllocated()) KillTimer(WindowHandle(), ListTimer);
    TimerMode = 0;
}

bool TlxSkinCustomComboBox::IsOwnPart(TControl* Sender) const {
    if (!Sender) return false;
    TlxPopupListBox* popup = FListBox;
    return Sender == this || (popup && (Sender == popup || Sender == popup->ScrollBar() ||
                                        Sender == popup->HScrollBar() || Sender == popup->ListBox()));
}

void TlxSkinCustomComboBox::EditCancelMode(TControl* Sender) {
    if (!IsOwnPart(Sender) && Sender != FEdit) CloseUp(false);
}

// ---- mouse on the control

void TlxSkinCustomComboBox::MouseDown(TMouseButton Btn, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TlxSkinCustomControl::MouseDown(Btn, Shift, X, Y);
    if (FreePending()) return;
    if (!Focused() && !FEdit && CanFocus()) SetFocus();
    if (Btn != TMouseButton::mbLeft) return;
    const bool onButton = Button.MouseIn || PtInRect(Button.R, {X, Y});
    if (onButton || (PtInRect(CBItem.R, {X, Y}) && !FEdit) || FToolButtonStyle) {
        Button.Down = true;
        Invalidate();
        if (!IsPopupVisible()) {
            WasInLB = false;
            FLBDown = true;
            DropDown();
        } else {
            CloseUp(false);
        }
    } else if (IsPopupVisible()) {
        CloseUp(false);
    }
}

void TlxSkinCustomComboBox::MouseMove(TShiftState Shift, int X, int Y) {
    TlxSkinCustomControl::MouseMove(Shift, X, Y);
    if (FLBDown) {
        TrackListMouse();
        return;
    }
    const bool in = PtInRect(Button.R, {X, Y});
    if (in != Button.MouseIn) {
        Button.MouseIn = in;
        Invalidate();
    }
}

void TlxSkinCustomComboBox::MouseUp(TMouseButton Btn, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    if (FLBDown && WasInLB) {
        ReleaseCapture();
        FLBDown = false;
        TPoint p;
        GetCursorPos(p);
        TlxListBox* list = FListBox->ListBox();
        CloseUp(list->HandleAllocated() && WindowFromPoint(p) == list->WindowHandle());
        if (FreePending()) return;
    } else {
        // Released before reaching the list: it stays open for a click.
        FLBDown = false;
    }
    TlxSkinCustomControl::MouseUp(Btn, Shift, X, Y);
    if (FreePending()) return;
    if (Button.Down) {
        Button.Down = false;
        Invalidate();
    }
}

// ---- keys

void TlxSkinCustomComboBox::KeyDown(uint16_t& Key, TShiftState Shift) {
    TKeepAlive alive(this);
    TlxSkinCustomControl::KeyDown(Key, Shift);
    if (FreePending()) return;
    const int count = Items()->Count();
    const int page = std::max(FDropDownCount - 1, 1);
    const bool alt = Shift.Contains(ssAlt);
    switch (Key) {
    case VK_RETURN:
        if (IsPopupVisible()) CloseUp(true);
        break;
    case VK_ESCAPE:
        if (IsPopupVisible()) CloseUp(false);
        break;
    case VK_PRIOR:
        // Page up and page down move the same distance.
        if (count > 0) SetItemIndex(std::max(ItemIndex() - page, 0));
        break;
    case VK_NEXT:
        if (count > 0) SetItemIndex(std::min(ItemIndex() + page, count - 1));
        break;
    case VK_LEFT:
    case VK_UP:
        if (alt) {
            if (IsPopupVisible()) CloseUp(false);
        } else if (ItemIndex() > 0) {
            SetItemIndex(ItemIndex() - 1);
        }
        break;
    case VK_RIGHT:
    case VK_DOWN:
        if (alt) {
            if (!IsPopupVisible()) DropDown();
        } else if (ItemIndex() < count - 1) {
            SetItemIndex(ItemIndex() + 1);
        }
        break;
    }
}

void TlxSkinCustomComboBox::KeyPress(char32_t& Key) {
    TKeepAlive alive(this);
    TlxSkinCustomControl::KeyPress(Key);
    if (FreePending() || Key < 32) return;
    FindListItem(Key);
}

void TlxSkinCustomComboBox::FindListItem(char32_t Key) {
    if (!FListBox) return;
    TlxListBox* list = FListBox->ListBox();
    std::string search;
    if (FAutoComplete) {
        const uint64_t now = GetTickCount();
        if (now - FLastTime >= SearchWindowMs) FFilter.clear();
        FLastTime = now;
        Utf8Append(FFilter, Key);
        search = FFilter;
    } else {
        Utf8Append(search, Key);
    }
    if (search.empty()) return;
    // One letter walks through the items starting with it; more search from the start.
    const int match = list->FindPrefix(search, Utf8Length(search) == 1 ? list->ItemIndex() : -1);
    if (match >= 0) SetItemIndex(match);
}

void TlxSkinCustomComboBox::SelectPrior(bool Flag) {
    if (ItemIndex() <= 0) return;
    if (Flag)
        SetItemIndex(ItemIndex() - 1);
    else
        FListBox->ListBox()->SetItemIndex(ItemIndex() - 1);
}

void TlxSkinCustomComboBox::SelectNext(bool Flag) {
    if (ItemIndex() >= Items()->Count() - 1) return;
    if (Flag)
        SetItemIndex(ItemIndex() + 1);
    else
        FListBox->ListBox()->SetItemIndex(ItemIndex() + 1);
}

// ---- edit style

void TlxSkinCustomComboBox::SetStyle(TlxSkinCustomComboBoxStyle Value) {
    if (Value == FStyle && Designing()) return;
    FStyle = Value;
    if (Value == lxcbEditStyle) {
        if (!FEdit) CreateEditControl();
        if (!Designing()) {
            if (TabStop()) {
                SetTabStop(false);
                FEdit->SetTabStop(true);
            } else {
                FEdit->SetTabStop(false);
            }
        }
        FEdit->SetText(Text());
        if (Focused() && FEdit->CanFocus()) FEdit->SetFocus();
    } else {
        DestroyEditControl();
    }
    CalcRects();
    if (HandleAllocated()) RecreateWnd();
    Invalidate();
}

void TlxSkinCustomComboBox::DestroyEditControl() {
    TlxCustomEdit* edit = FEdit;
    if (!edit) return;
    FEdit.Set(nullptr);
    edit->SetVisible(false);
    edit->Free();
}

void TlxSkinCustomComboBox::CreateEditControl() {
    auto* edit = new TlxCustomEdit(this);
    FEdit.Set(edit);
    edit->SetParent(this);
    edit->SetColor(FDefaultColor);
    edit->SetAutoSize(false);
    edit->SetHideSelection(FHideSelection);
    edit->SetEditTransparent(false);
    edit->OnChange = [this](TObject*) { EditChange(); };
    FEditWindowProc = edit->WindowProc;
    edit->WindowProc = [this](TMessage& Message) { EditWindowProc(Message); };
    edit->OnEditCancelMode = [this](TControl* Sender) { EditCancelMode(Sender); };
    edit->OnKeyDown = [this](TObject*, uint16_t& Key, TShiftState Shift) {
        if (OnKeyDown) OnKeyDown(this, Key, Shift);
    };
    edit->OnKeyPress = [this](TObject*, char32_t& Key) {
        if (OnKeyPress) OnKeyPress(this, Key);
    };
    edit->OnKeyUp = [this](TObject*, uint16_t& Key, TShiftState Shift) {
        if (OnKeyUp) OnKeyUp(this, Key, Shift);
    };
    edit->SetCharCase(FCharCase);
    TFont* f = edit->Font();
    GetSkinData();
    if (!Skinned()) {
        f->Assign(*Font());
    } else {
        f->SetName(FontName);
        f->SetStyle(FontStyle);
        f->SetHeight(FontHeight);
        f->SetColor(FontColor);
    }
    edit->SetEditTransparent(Skinned());
    CalcRects();
}

void TlxSkinCustomComboBox::EditFontColour(TColor Colour) {
    if (!FEdit) return;
    FEdit->Font()->SetColor(Colour);
    FEdit->Invalidate();
}

void TlxSkinCustomComboBox::EditWindowProc(TMessage& Message) {
    TKeepAlive alive(this);
    const bool active = Skinned() && !ActiveSkinRect.IsEmpty();
    auto passOn = [&] {
        if (FEditWindowProc) FEditWindowProc(Message);
    };
    switch (Message.Msg) {
    case WM_SETFOCUS:
        if (active) EditFontColour(ActiveFontColor);
        passOn();
        return;
    case WM_KILLFOCUS:
        if (IsPopupVisible()) CloseUp(false);
        if (FreePending()) return;
        if (active) EditFontColour(FontColor);
        passOn();
        return;
    case WM_KEYDOWN: {
        const auto key = static_cast<uint16_t>(Message.WParam);
        const int count = Items()->Count();
        const int page = std::max(FDropDownCount - 1, 1);
        TlxListBox* list = FListBox->ListBox();
        switch (key) {
        case VK_RETURN:
        case VK_ESCAPE:
            if (IsPopupVisible()) CloseUp(key == VK_RETURN);
            break;
        case VK_PRIOR:
            if (IsPopupVisible() && count > 0) list->SetItemIndex(std::max(list->ItemIndex() - page, 0));
            break;
        case VK_NEXT:
            if (IsPopupVisible() && count > 0)
                list->SetItemIndex(std::min(list->ItemIndex() + page, count - 1));
            break;
        case VK_UP:
            EditSelectPrior(true);
            return;
        case VK_DOWN:
            EditSelectNext(true);
            return;
        }
        if (FreePending()) return;
        passOn();
        return;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        const auto key = static_cast<uint16_t>(Message.WParam);
        const TFontCharset charset = GetTextCharset();
        const bool cjk = charset == 128 || charset == 134 || charset == 136;
        if (Message.Msg == WM_SYSKEYUP && !cjk) break;
        if (cjk) {
            if (key == VK_DELETE || key == VK_BACK) break;
            FEdit->SetSelLength(0);
        } else if (key < 48) {
            break;
        }
        passOn();
        if (!FreePending() && FAutoComplete) EditAutoComplete();
        return;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        if (IsPopupVisible()) CloseUp(false);
        if (FreePending()) return;
        break;
    case WM_MOUSEWHEEL:
        if (static_cast<int16_t>(HiPart(Message.WParam)) > 0)
            EditSelectPrior(!IsPopupVisible());
        else
            EditSelectNext(!IsPopupVisible());
        if (FreePending()) return;
        break;
    }
    passOn();
}

// Up and Down behave alike: each commits the neighbouring item once (Text,
// OnClick, Change) and selects the edit's text; without Flag (the wheel while
// the list is open) only the highlight moves.
void TlxSkinCustomComboBox::EditSelectPrior(bool Flag) {
    if (ItemIndex() <= 0) return;
    if (!Flag) {
        FListBox->ListBox()->SetItemIndex(ItemIndex() - 1);
        return;
    }
    TKeepAlive alive(this);
    SetItemIndex(ItemIndex() - 1);
    if (!FreePending() && FEdit) FEdit->SelectAll();
}

void TlxSkinCustomComboBox::EditSelectNext(bool Flag) {
    if (ItemIndex() >= Items()->Count() - 1) return;
    if (!Flag) {
        FListBox->ListBox()->SetItemIndex(ItemIndex() + 1);
        return;
    }
    TKeepAlive alive(this);
    SetItemIndex(ItemIndex() + 1);
    if (!FreePending() && FEdit) FEdit->SelectAll();
}

void TlxSkinCustomComboBox::EditAutoComplete() {
    if (!FListBox || !FEdit) return;
    const uint64_t now = GetTickCount();
    if (now - FLastTime <= CompletionIntervalMs) return;
    FLastTime = now;
    const std::string typed = Text();
    if (typed.empty()) return;
    TlxListBox* list = FListBox->ListBox();
    const int typedLength = static_cast<int>(Utf8Length(typed));
    // From the start: the edit's change already selected the first match,
    // and a search after it would complete one letter to the second.
    const int match = list->FindPrefix(typed, -1);
    if (match < 0) return;
    TKeepAlive alive(this);
    SetItemIndex(match);
    if (FreePending() || !FEdit) return;
    // The completed rest stays selected, ready to be typed over.
    FEdit->SetSelStart(typedLength);
    FEdit->SetSelLength(static_cast<int>(Utf8Length(Text())) - typedLength);
}

void TlxSkinCustomComboBox::EditChange() {
    if (!FEdit) return;
    FromEdit = true;
    const std::string text = FEdit->Text();
    if (FListBox && !text.empty()) {
        TlxListBox* list = FListBox->ListBox();
        const int match = list->FindPrefix(text, -1);
        if (match >= 0) {
            if (FAutoComplete)
                list->SetItemIndex(match);
            else
                list->SetTopIndex(match);
        }
    }
    TKeepAlive alive(this);
    SetText(text);
    if (FreePending()) return;
    FromEdit = false;
}

// ---- messages

void TlxSkinCustomComboBox::WndProc(TMessage& Message) {
    TKeepAlive alive(this);
    switch (Message.Msg) {
    case CM_TEXTCHANGED:
        TlxSkinCustomControl::WndProc(Message);
        if (FStyle == lxcbEditStyle && FEdit && !FromEdit) FEdit->SetText(Text());
        if (FreePending()) return;
        if (OnChange) OnChange(this);
        if (FreePending()) return;
        if (FromEdit) Change();
        return;
    case CM_CANCELMODE:
        TlxSkinCustomControl::WndProc(Message);
        if (!IsOwnPart(reinterpret_cast<TControl*>(Message.LParam))) CloseUp(false);
        return;
    case CM_WANTSPECIALKEY:
        switch (Message.WParam) {
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            Message.Result = 1;
            return;
        }
        break;
    case WM_TIMER:
        TlxSkinCustomControl::WndProc(Message);
        if (Message.WParam != ListTimer || !FListBox) return;
        if (TimerMode == 1 && ItemIndex() >= 1)
            FListBox->ListBox()->SetItemIndex(ItemIndex() - 1);
        else if (TimerMode == 2 && ItemIndex() < Items()->Count() - 1)
            FListBox->ListBox()->SetItemIndex(ItemIndex() + 1);
        if (FListBox->ScrollBar()) FListBox->UpDateScrollBar();
        return;
    case WM_MOUSEWHEEL:
        // The inner edit has the wheel in the edit style.
        if (FEdit) return;
        if (static_cast<int16_t>(HiPart(Message.WParam)) > 0)
            SelectPrior(!IsPopupVisible());
        else
            SelectNext(!IsPopupVisible());
        return;
    case WM_SETFOCUS:
        if (FEdit) {
            if (FEdit->CanFocus()) FEdit->SetFocus();
            if (Skinned() && !ActiveSkinRect.IsEmpty()) {
                EditFontColour(ActiveFontColor);
                Invalidate();
            }
            return;
        }
        TlxSkinCustomControl::WndProc(Message);
        Invalidate();
        return;
    case WM_KILLFOCUS:
        TlxSkinCustomControl::WndProc(Message);
        if (FreePending()) return;
        if (FStyle == lxcbFixedStyle && IsPopupVisible()) CloseUp(false);
        if (FreePending()) return;
        Invalidate();
        if (FEdit && Skinned() && !ActiveSkinRect.IsEmpty()) EditFontColour(FontColor);
        return;
    case CM_ENABLEDCHANGED:
        TlxSkinCustomControl::WndProc(Message);
        if (FEdit)
            EditFontColour(!Enabled()   ? GetDisabledFontColor()
                           : !Skinned() ? DefaultFont()->Color()
                                        : FontColor);
        Invalidate();
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
        TlxSkinCustomControl::WndProc(Message);
        if (FreePending()) return;
        if (Message.LParam != reinterpret_cast<LPARAM>(static_cast<TControl*>(this))) return;
        const bool enter = Message.Msg == CM_MOUSEENTER;
        FMouseIn = enter;
        if (!enter && Button.MouseIn) {
            Button.MouseIn = false;
            Invalidate();
        }
        const bool active = Skinned() && !ActiveSkinRect.IsEmpty();
        if (active && FEdit && !FEdit->Focused()) EditFontColour(enter ? ActiveFontColor : FontColor);
        if (active || FToolButtonStyle) Invalidate();
        return;
    }
    case WM_SIZE:
        TlxSkinCustomControl::WndProc(Message);
        CalcRects();
        return;
    }
    TlxSkinCustomControl::WndProc(Message);
}

// ---- skin

TFontCharset TlxSkinCustomComboBox::GetTextCharset() {
    return SkinCharset(SkinData(), *DefaultFont());
}

TColor TlxSkinCustomComboBox::GetDisabledFontColor() {
    if (Skinned()) {
        TlxSkinData* sd = SkinData();
        const int i = sd->GetControlIndex("edit");
        if (i >= 0 && i < static_cast<int>(sd->CtrlList.size()))
            if (auto* d = dynamic_cast<TlxDataSkinEditControl*>(sd->CtrlList[i].get()))
                return d->DisabledFontColor;
    }
    return clGrayText;
}

void TlxSkinCustomComboBox::GetSkinData() {
    TlxSkinCustomControl::GetSkinData();
    auto* d = dynamic_cast<TlxDataSkinComboBox*>(Description());
    if (!d) return;
    ActiveSkinRect = d->ActiveSkinRect;
    ActiveFontColor = d->ActiveFontColor;
    FontName = d->FontName;
    FontStyle = d->FontStyle;
    FontHeight = d->FontHeight;
    SItemRect = d->SItemRect;
    FocusItemRect = d->FocusItemRect.IsEmpty() ? d->SItemRect : d->FocusItemRect;
    ActiveItemRect = d->ActiveItemRect;
    ItemLeftOffset = d->ItemLeftOffset;
    ItemRightOffset = d->ItemRightOffset;
    ItemTextRect = d->ItemTextRect;
    FontColor = d->FontColor;
    FocusFontColor = d->FocusFontColor;
    ButtonRect = d->ButtonRect;
    ActiveButtonRect = d->ActiveButtonRect;
    DownButtonRect = d->DownButtonRect;
    UnEnabledButtonRect = d->UnEnabledButtonRect;
    ListBoxName = d->ListBoxName;
    ItemStretchEffect = d->ItemStretchEffect;
    FocusItemStretchEffect = d->FocusItemStretchEffect;
    ShowFocus = d->ShowFocus;
}

void TlxSkinCustomComboBox::ChangeSkinData() {
    TlxSkinCustomControl::ChangeSkinData();
    CalcRects();
    if (FEdit) {
        TFont* f = FEdit->Font();
        if (Skinned() && FUseSkinFont) {
            f->SetName(FontName);
            f->SetStyle(FontStyle);
            f->SetHeight(FontHeight);
            f->SetColor(FontColor);
        } else {
            f->Assign(*DefaultFont());
            if (Skinned()) f->SetColor(FontColor);
        }
        if (Skinned() && !ActiveSkinRect.IsEmpty() && (FEdit->Focused() || FMouseIn))
            f->SetColor(ActiveFontColor);
        f->SetCharset(GetTextCharset());
        FEdit->SetEditTransparent(Skinned());
        if (!Enabled()) f->SetColor(GetDisabledFontColor());
    }
    Invalidate();
    if (FListBox) {
        FListBox->SetSkinDataName(Skinned() ? ListBoxName : "");
        FListBox->SetSkinData(SkinData());
        FListBox->UpDateScrollBar();
    }
    CalcRects();
    if (FEdit && Skinned()) {
        int w = Width(), h = Height();
        CalcSize(w, h);
        if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
    }
}

void TlxSkinCustomComboBox::DefaultFontChanged() {
    Font()->Assign(*DefaultFont());
}

void TlxSkinCustomComboBox::CalcSize(int& W, int& H) {
    if (FUseSkinSize) {
        TlxSkinCustomControl::CalcSize(W, H);
        return;
    }
    // Only the horizontal geometry follows the free size.
    if (!Skinned()) return;
    const TlxSkinGeometry& g = Geometry;
    Sized.ResizeMode = g.ResizeMode();
    Sized.Width = W;
    Sized.Height = H;
    Sized.NewLTPoint = g.LTPt;
    Sized.NewRTPoint = {W - (g.SkinRect.Width() - g.RTPt.X), g.RTPt.Y};
    Sized.NewClRect = g.ClRect;
    Sized.NewClRect.Right += W - g.SkinRect.Width();
}

void TlxSkinCustomComboBox::SetControlRegion() {
    if (FUseSkinSize) TlxSkinCustomControl::SetControlRegion();
}

void TlxSkinCustomComboBox::CalcRects() {
    const int w = Width(), h = Height();
    if (!Skinned() || FToolButtonStyle) {
        Button.R = {w - 19, 2, w - 2, h - 2};
        CBItem.R = {2, 2, Button.R.Left - 1, h - 2};
    } else {
        const TlxSkinGeometry& g = Geometry;
        const int dw = w - g.SkinRect.Width();
        Button.R = ButtonRect;
        // A button right of the right-top corner point keeps to the right edge.
        if (ButtonRect.Left >= g.RTPt.X) OffsetRect(Button.R, dw, 0);
        CBItem.R = g.ClRect;
        CBItem.R.Right += dw;
        if (!FUseSkinSize) {
            const int dh = h - g.SkinRect.Height();
            Button.R.Bottom += dh;
            CBItem.R.Bottom += dh;
        }
    }
    if (FEdit) {
        TBitmap scratch(1, 1);
        scratch.Canvas()->SetFont(*FEdit->Font());
        TEXTMETRIC tm{};
        GetTextMetrics(scratch.Canvas()->Handle(), &tm);
        const int eh = tm.tmHeight;
        FEdit->SetBounds(CBItem.R.Left, CBItem.R.Top + CBItem.R.Height() / 2 - eh / 2, CBItem.R.Width(), eh);
    }
}
