#include "skin/windows/TlxSkinMDITabsBar.h"

#include "platform/vcl/TApplication.h"
#include "platform/vcl/TMenu.h"
#include "skin/controls/TlxSkinMenuSpeedButton.h"
#include "skin/controls/TlxSkinPopupMenu.h"
#include "skin/engine/DataSkinListControls.h"
#include "skin/engine/DrawParentImage.h"
#include "skin/engine/SkinImages.h"
#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinMenu.h"

#include <algorithm>

namespace {

constexpr int ListButtonWidth = 15;
const std::string BarItemSuffix = "_LVXCHILDITEMBAR";
const std::string HideItemSuffix = "_LVXCHILDITEMBARHIDE";

} // namespace

TlxSkinMDITabsBar::TlxSkinMDITabsBar(TComponent* AOwner) : TlxSkinControl(AOwner) {
    FControlStyle.Include(csCaptureMouse);
    SetBounds(FLeft, FTop, 150, 21);
    SetSkinDataName("tab");
    FDefaultFont.SetName("Arial");
    FDefaultFont.SetHeight(14);
    FDefaultFont.SetStyle({});
    FListMenu = new TlxSkinPopupMenu(this);
    FHideListMenu = new TlxSkinPopupMenu(this);
}

TlxSkinMDITabsBar::~TlxSkinMDITabsBar() {
    for (auto& t : ObjectList)
        if (t->Child) t->Child->RemoveFreeNotification(this);
    ObjectList.clear();
}

// ---- Properties

void TlxSkinMDITabsBar::SetShowCloseButtons(bool Value) {
    if (FShowCloseButtons == Value) return;
    FShowCloseButtons = Value;
    Invalidate();
}

void TlxSkinMDITabsBar::SetTabKind(TlxSkinMDITabKind Value) {
    if (FTabKind == Value) return;
    FTabKind = Value;
    if (Skinned()) ChangeSkinData();
}

void TlxSkinMDITabsBar::SetLumivex(TlxLumivex* Value) {
    FLumivex.Set(Value);
}

void TlxSkinMDITabsBar::SetDefaultHeight(int Value) {
    FDefaultHeight = Value;
    if (!Skinned() && Value > 0) SetHeight(Value);
}

bool TlxSkinMDITabsBar::Skinned() const {
    return FIndex != -1 && dynamic_cast<TlxDataSkinTabControl*>(Description());
}

int TlxSkinMDITabsBar::TabHeight() const {
    return FTabKind == lxtkButton ? Height() : Height() - FBottomOffset;
}

int TlxSkinMDITabsBar::GetCloseSize() const {
    if (!Skinned() || CloseButtonRect.IsEmpty()) return 14;
    return CloseButtonRect.Width();
}

// ---- Skin

void TlxSkinMDITabsBar::GetSkinData() {
    TlxSkinControl::GetSkinData();
    auto* d = dynamic_cast<TlxDataSkinTabControl*>(Description());
    if (!d) {
        FIndex = -1;
        Picture = nullptr;
        FBottomOffset = FActiveTabOffset = 0;
        return;
    }
    Picture = SkinPicture(d->PictureIndex);
    TabRect = d->TabRect;
    ActiveTabRect = d->ActiveTabRect.IsEmpty() ? d->TabRect : d->ActiveTabRect;
    MouseInTabRect = d->MouseInTabRect.IsEmpty() ? d->TabRect : d->MouseInTabRect;
    TabsBGRect = d->TabsBGRect;
    TabLeftOffset = d->TabLeftOffset;
    TabRightOffset = d->TabRightOffset;
    FontName = d->FontName;
    FontStyle = d->FontStyle;
    FontHeight = d->FontHeight;
    FontColor = d->FontColor;
    // The active tab takes the focused colour of the description.
    ActiveFontColor = d->FocusFontColor;
    MouseInFontColor = d->MouseInFontColor;
    TabStretchEffect = d->TabStretchEffect;
    CloseButtonRect = d->CloseButtonRect;
    ClosebuttonActiveRect =
        d->CloseButtonActiveRect.IsEmpty() ? d->CloseButtonRect : d->CloseButtonActiveRect;
    CloseButtonDownRect = d->CloseButtonDownRect.IsEmpty() ? ClosebuttonActiveRect : d->CloseButtonDownRect;
    ButtonTransparent = d->ButtonTransparent;
    ButtonTransparentColor = d->ButtonTransparentColor;
    LTPoint = d->LTPoint;
    RTPoint = d->RTPoint;
    LBPoint = d->LBPoint;
    RBPoint = d->RBPoint;
    ClRect = d->ClRect;
    SkinRect = d->SkinRect;
    LeftStretch = d->LeftStretch;
    TopStretch = d->TopStretch;
    RightStretch = d->RightStretch;
    BottomStretch = d->BottomStretch;
    StretchEffect = d->StretchEffect;
    StretchType = d->StretchType;
    // A skin's numbers are untrusted: no negative strip under the tabs.
    FBottomOffset = std::max(ClRect.Top, 0);
    FActiveTabOffset = std::max(ActiveTabRect.Height() - TabRect.Height(), 0);
}

void TlxSkinMDITabsBar::ChangeSkinData() {
    TlxSkinControl::ChangeSkinData();
    FCloseSize = GetCloseSize();
    ApplyHeight();
    for (TlxSkinMenuSpeedButton* b : {FListButton, FHideListButton})
        if (b) b->SetSkinData(SkinData());
    Invalidate();
    Realign();
}

void TlxSkinMDITabsBar::ApplyHeight() {
    if (Skinned() && FUseSkinSize) {
        const int h = TabRect.Height() + (FTabKind == lxtkTab ? FBottomOffset : 0);
        if (h > 0) SetHeight(h);
    } else if (FDefaultHeight > 0) {
        SetHeight(FDefaultHeight);
    }
}

void TlxSkinMDITabsBar::AdjustClientRect(TRect& Rect) {
    TlxSkinControl::AdjustClientRect(Rect);
    if (Skinned() && FTabKind == lxtkTab) Rect.Bottom -= FBottomOffset;
}

void TlxSkinMDITabsBar::Notification(TComponent* AComponent, TOperation Operation) {
    TlxSkinControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FListButton) FListButton = nullptr;
    if (AComponent == FHideListButton) FHideListButton = nullptr;
    if (AComponent == FListMenu) FListMenu = nullptr;
    if (AComponent == FHideListMenu) FHideListMenu = nullptr;
    // A child freed without its tab being deleted takes the tab with it.
    if (auto* form = dynamic_cast<TCustomForm*>(AComponent)) {
        const bool had = std::any_of(ObjectList.begin(), ObjectList.end(),
                                     [form](const auto& t) { return t->Child == form; });
        while (had && std::any_of(ObjectList.begin(), ObjectList.end(),
                                  [form](const auto& t) { return t->Child == form; }))
            DeleteTab(form);
    }
}

void TlxSkinMDITabsBar::Dispatch(TMessage& Message) {
    TlxSkinControl::Dispatch(Message);
    switch (Message.Msg) {
    case CM_MOUSELEAVE:
        if (Message.LParam == reinterpret_cast<LPARAM>(static_cast<TControl*>(this))) TestTabs(-1, -1);
        break;
    case WM_CHECKPARENTBG:
        if (Skinned() && SkinData() && SkinData()->MDITabsTransparent) Invalidate();
        break;
    case WM_MOVE:
        if (Align() == alNone && Skinned() && SkinData() && SkinData()->MDITabsTransparent) Invalidate();
        break;
    }
}

// ---- Tabs

void TlxSkinMDITabsBar::AddTab(TCustomForm* Child) {
    if (!Child) return;
    ObjectList.push_back(std::make_unique<TlxMDITab>(this, Child));
    Child->FreeNotification(this);
    if (!FListButton) {
        FListButton = new TlxSkinMenuSpeedButton(this);
        FListButton->SetSkinDataName("resizetoolbutton");
        FListButton->SetSkinData(SkinData());
        FListButton->FDrawStandardArrow = true;
        FListButton->FArrowType = 4;
        FListButton->SetWidth(ListButtonWidth);
        FListButton->SetAlign(alLeft);
        FListButton->SetParent(this);
        FListButton->SetSkinPopupMenu(FListMenu);
        FListButton->OnShowTrackMenu = [this](TObject*) { RebuildMenu(FListMenu, false); };
    }
    Invalidate();
}

void TlxSkinMDITabsBar::DeleteTab(TCustomForm* Child) {
    auto it = std::find_if(ObjectList.begin(), ObjectList.end(),
                           [Child](const auto& t) { return t->Child == Child; });
    if (it == ObjectList.end()) return;
    if (ActiveTabIndex >= 0 && ActiveTabIndex < TabCount() && ObjectList[ActiveTabIndex]->Child == Child) {
        if (OnTabMouseLeave) OnTabMouseLeave(ObjectList[ActiveTabIndex].get());
        ActiveTabIndex = OldTabIndex = -1;
        it = std::find_if(ObjectList.begin(), ObjectList.end(),
                          [Child](const auto& t) { return t->Child == Child; });
        if (it == ObjectList.end()) return;
    }
    // A drag in progress ends: its tab indexes no longer hold.
    FDown = IsDrag = false;
    DragIndex = -1;
    DX = TabDX = 0;
    ObjectList.erase(it);
    if (ActiveTabIndex >= TabCount()) ActiveTabIndex = OldTabIndex = -1;
    if (std::none_of(ObjectList.begin(), ObjectList.end(),
                     [Child](const auto& t) { return t->Child == Child; }))
        Child->RemoveFreeNotification(this);
    if (ObjectList.empty() && FListButton) {
        TlxSkinMenuSpeedButton* b = FListButton;
        FListButton = nullptr;
        b->Free();
    }
    Invalidate();
}

void TlxSkinMDITabsBar::UpdateActiveTab() {
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    TCustomForm* active = main ? main->ActiveMDIChild() : nullptr;
    if (!active) return;
    for (auto& t : ObjectList)
        t->Active = t->Child == active;
    Invalidate();
}

void TlxSkinMDITabsBar::RefreshTab(TCustomForm* Child) {
    if (std::any_of(ObjectList.begin(), ObjectList.end(),
                    [Child](const auto& t) { return t->Child == Child; }))
        Invalidate();
}

int TlxSkinMDITabsBar::GetTabIndex(int X, int Y) const {
    for (int i = 0; i < TabCount(); ++i) {
        const TlxMDITab* t = ObjectList[i].get();
        const TRect& r = t->ObjectRect;
        if (t->Visible && X >= r.Left && X <= r.Right && Y >= r.Top && Y <= r.Bottom) return i;
    }
    return -1;
}

TlxMDITab* TlxSkinMDITabsBar::GetTab(int X, int Y) const {
    const int i = GetTabIndex(X, Y);
    return i < 0 ? nullptr : ObjectList[i].get();
}

// ---- Layout

void TlxSkinMDITabsBar::CalcTabRects() {
    if (ObjectList.empty()) return;
    FInVisibleCount = 0;
    const int n = TabCount();
    const int W = Width(), TH = TabHeight();
    const int w = std::min((W - ListButtonWidth) / n, FDefaultTabWidth);
    if (FMinTabWidth != 0 && w < FMinTabWidth) {
        const int fit = (W - 2 * ListButtonWidth) / FMinTabWidth;
        for (int i = 0; i < n; ++i) {
            TlxMDITab* t = ObjectList[i].get();
            t->Visible = i < fit;
            if (t->Visible) {
                t->ObjectRect = {ListButtonWidth + i * FMinTabWidth, 0,
                                 ListButtonWidth + (i + 1) * FMinTabWidth, TH};
            } else {
                t->ObjectRect = {0, 0, 0, 0};
                ++FInVisibleCount;
            }
        }
        FDragLimit = W - ListButtonWidth;
    } else {
        for (int i = 0; i < n; ++i) {
            ObjectList[i]->Visible = true;
            ObjectList[i]->ObjectRect = {ListButtonWidth + i * w, 0, ListButtonWidth + (i + 1) * w, TH};
        }
        if (w < FDefaultTabWidth) ObjectList.back()->ObjectRect.Right = W;
        FDragLimit = W;
    }
    if (IsDrag && DragIndex >= 0 && DragIndex < n) {
        TRect& r = ObjectList[DragIndex]->ObjectRect;
        OffsetRect(r, TabDX, 0);
        if (r.Right > FDragLimit) OffsetRect(r, FDragLimit - r.Right, 0);
        if (r.Left < 0) OffsetRect(r, -r.Left, 0);
    }
}

int TlxSkinMDITabsBar::GetDropIndex() const {
    if (ObjectList.empty() || TabDX == 0 || DragIndex < 0 || DragIndex >= TabCount()) return -1;
    const TRect& dragged = ObjectList[DragIndex]->ObjectRect;
    auto middle = [](const TRect& r) { return r.Left + r.Width() / 2; };
    int found = -1;
    if (TabDX > 0) {
        for (int i = DragIndex + 1; i < TabCount(); ++i)
            if (ObjectList[i]->Visible && middle(ObjectList[i]->ObjectRect) < dragged.Right) found = i;
    } else {
        for (int i = DragIndex - 1; i >= 0; --i)
            if (ObjectList[i]->Visible && middle(ObjectList[i]->ObjectRect) > dragged.Left) found = i;
    }
    return found;
}

// ---- Painting

void TlxSkinMDITabsBar::Paint() {
    TlxSkinControl::Paint();
    SetButtons();
}

void TlxSkinMDITabsBar::SetButtons() {
    if (FInVisibleCount > 0 && !FHideListButton) {
        FHideListButton = new TlxSkinMenuSpeedButton(this);
        FHideListButton->SetSkinDataName("resizetoolbutton");
        FHideListButton->SetSkinData(SkinData());
        FHideListButton->FDrawStandardArrow = true;
        FHideListButton->FArrowType = 2;
        FHideListButton->SetWidth(ListButtonWidth);
        FHideListButton->SetAlign(alRight);
        FHideListButton->SetParent(this);
        FHideListButton->SetSkinPopupMenu(FHideListMenu);
        FHideListButton->OnShowTrackMenu = [this](TObject*) { RebuildMenu(FHideListMenu, true); };
    } else if (FInVisibleCount == 0 && FHideListButton) {
        TlxSkinMenuSpeedButton* b = FHideListButton;
        FHideListButton = nullptr;
        b->Free();
    }
}

void TlxSkinMDITabsBar::CreateControlDefaultImage(TBitmap& B) {
    TCanvas* c = B.Canvas();
    c->Brush()->SetColor(clBtnFace);
    c->FillRect({0, 0, B.Width(), B.Height()});
    DrawTabs(c);
}

void TlxSkinMDITabsBar::CreateControlSkinImage(TBitmap& B) {
    TCanvas* c = B.Canvas();
    const int W = B.Width(), H = B.Height(), TH = TabHeight();
    if (SkinData() && SkinData()->MDITabsTransparent) {
        DrawParentImage(this, c);
    } else if (Picture && !TabsBGRect.IsEmpty() && !TabRect.IsEmpty() && TH > 0) {
        TBitmap cell(TabRect.Width(), TabRect.Height());
        cell.Canvas()->CopyRect({0, 0, cell.Width(), cell.Height()}, *Picture->Canvas(), TabsBGRect);
        const int bw = TabsBGRect.Width();
        for (int i = 0; i <= W / bw; ++i)
            c->StretchDraw({i * bw, 0, (i + 1) * bw, TH}, &cell);
    }
    if (FTabKind == lxtkTab && !SkinRect.IsEmpty() && Picture && FBottomOffset > 0) {
        TBitmap strip(0, 0);
        const TRect r{SkinRect.Left + LTPoint.X, SkinRect.Top, SkinRect.Left + RTPoint.X,
                      SkinRect.Top + ClRect.Top};
        CreateHSkinImage(LTPoint.X, SkinRect.Width() - RTPoint.X, &strip, Picture, r, W, TopStretch);
        if (!strip.Empty()) c->Draw(0, H - FBottomOffset, &strip);
    }
    DrawTabs(c);
}

void TlxSkinMDITabsBar::DrawTabs(TCanvas* C) {
    CalcTabRects();
    const bool dragging = FDown && DragIndex >= 0 && DragIndex < TabCount();
    for (int i = 0; i < TabCount(); ++i)
        if (ObjectList[i]->Visible && !(dragging && i == DragIndex)) ObjectList[i]->Draw(C);
    if (dragging && ObjectList[DragIndex]->Visible) ObjectList[DragIndex]->Draw(C);
    if (IsDrag) DrawDropMark(C);
}

void TlxSkinMDITabsBar::DrawDropMark(TCanvas* C) {
    const int i = GetDropIndex();
    if (i < 0) return;
    const TRect& r = ObjectList[i]->ObjectRect;
    const int x = TabDX < 1 ? r.Left : r.Right;
    const int m = Height() / 2;
    C->Pen()->SetMode(TPenMode::pmNot);
    for (int dx = -1; dx <= 1; ++dx) {
        C->MoveTo(x + dx, 0);
        C->LineTo(x + dx, Height());
    }
    const TPoint right[] = {{x + 2, m}, {x + 5, m - 3}, {x + 5, m + 3}, {x + 2, m}};
    const TPoint left[] = {{x - 2, m}, {x - 5, m - 3}, {x - 5, m + 3}, {x - 2, m}};
    C->Polyline(right);
    C->Polyline(left);
    C->Pen()->SetMode(TPenMode::pmCopy);
}

// ---- Mouse

void TlxSkinMDITabsBar::TestTabs(int X, int Y) {
    CalcTabRects();
    ActiveTabIndex = GetTabIndex(X, Y);
    bool repaint = false;
    if (ActiveTabIndex != OldTabIndex) {
        if (OldTabIndex >= 0 && OldTabIndex < TabCount() && ObjectList[OldTabIndex]->Visible) {
            TlxMDITab* old = ObjectList[OldTabIndex].get();
            old->MouseIn = false;
            if (OnTabMouseLeave) OnTabMouseLeave(old);
        }
        if (ActiveTabIndex >= 0 && ObjectList[ActiveTabIndex]->Visible) {
            TlxMDITab* now = ObjectList[ActiveTabIndex].get();
            now->MouseIn = true;
            if (OnTabMouseEnter) OnTabMouseEnter(now);
        }
        if (FShowCloseButtons)
            for (int i = 0; i < TabCount(); ++i)
                if (i != ActiveTabIndex && ObjectList[i]->ButtonMouseIn)
                    ObjectList[i]->ButtonMouseIn = ObjectList[i]->ButtonMouseDown = false;
        OldTabIndex = ActiveTabIndex;
        repaint = true;
    }
    if (FShowCloseButtons && ActiveTabIndex >= 0 && ActiveTabIndex < TabCount()) {
        TlxMDITab* t = ObjectList[ActiveTabIndex].get();
        TRect b = t->ButtonRect;
        OffsetRect(b, t->ObjectRect.Left, t->ObjectRect.Top);
        const bool in = b.Contains({X, Y});
        if (in != t->ButtonMouseIn) {
            t->ButtonMouseIn = in;
            if (!in) t->ButtonMouseDown = false;
            repaint = true;
        }
    }
    if (repaint) Invalidate();
}

void TlxSkinMDITabsBar::OpenChildMenu(TlxMDITab* Tab, int X, int Y) {
    TlxLumivex* lvx = FLumivex;
    TlxLumivex* childLvx = FindFormSkinComponent(Tab->Child);
    if (!lvx || !childLvx) return;
    const TPoint p = ClientToScreen({X, Y});
    TlxSkinData* skin = lvx->MenusSkinData() ? lvx->MenusSkinData() : lvx->SkinData();
    lvx->SkinMenuOpen();
    lvx->SkinMenu->Popup(Parent(), skin, 0, {p.X, p.Y, p.X, p.Y}, childLvx->GetSystemMenuItems(), false);
}

void TlxSkinMDITabsBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TlxSkinControl::MouseDown(Button, Shift, X, Y);
    if (FreePending()) return;
    CalcTabRects();
    const int i = GetTabIndex(X, Y);
    if (i < 0) return;
    TlxMDITab* tab = ObjectList[i].get();
    auto stillThere = [this](TlxMDITab* t) {
        return std::any_of(ObjectList.begin(), ObjectList.end(), [t](const auto& o) { return o.get() == t; });
    };
    if (Button == TMouseButton::mbLeft) {
        TCustomForm* child = tab->Child;
        {
            TKeepAlive keepChild(child);
            child->Show();
            if (TlxLumivex* c = FindFormSkinComponent(child); c && c->WindowState() == wsMinimized)
                c->SetWindowState(wsNormal);
        }
        if (FreePending() || !stillThere(tab)) return;
        FDown = true;
        if (FMoveTabs) DragIndex = i;
        DX = X;
        TabDX = 0;
        if (OnTabMouseDown) OnTabMouseDown(Button, Shift, tab);
        if (FreePending() || !stillThere(tab)) return;
        if (FShowCloseButtons) {
            TRect b = tab->ButtonRect;
            OffsetRect(b, tab->ObjectRect.Left, tab->ObjectRect.Top);
            const bool onClose = b.Contains({X, Y});
            if (onClose) {
                FDown = false;
                DragIndex = -1;
            }
            tab->ButtonMouseIn = tab->ButtonMouseDown = onClose;
            Invalidate();
        }
    } else if (Button == TMouseButton::mbRight) {
        if (FSupportChildMenus) OpenChildMenu(tab, X, Y);
        if (FreePending() || !stillThere(tab)) return;
        if (OnTabMouseDown) OnTabMouseDown(Button, Shift, tab);
    }
}

void TlxSkinMDITabsBar::MouseMove(TShiftState Shift, int X, int Y) {
    TlxSkinControl::MouseMove(Shift, X, Y);
    if (FDown && DragIndex >= 0 && X != DX) IsDrag = true;
    if (IsDrag) {
        TabDX = X - DX;
        Invalidate();
    } else {
        TestTabs(X, Y);
    }
}

// A close button acts only when the left button went down and came up on the
// same tab's close button: a release after a drag, or one whose press was
// elsewhere, closes nothing.
void TlxSkinMDITabsBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TlxSkinControl::MouseUp(Button, Shift, X, Y);
    if (FreePending()) return;
    FDown = false;
    if (IsDrag) {
        CalcTabRects();
        const int drop = GetDropIndex();
        IsDrag = false;
        if (drop != -1 && drop != DragIndex) {
            auto moving = std::move(ObjectList[DragIndex]);
            ObjectList.erase(ObjectList.begin() + DragIndex);
            ObjectList.insert(ObjectList.begin() + drop, std::move(moving));
        }
        DragIndex = -1;
        DX = TabDX = 0;
        ActiveTabIndex = OldTabIndex = -1;
        for (auto& t : ObjectList)
            t->ButtonMouseDown = false;
        Repaint();
        TestTabs(X, Y);
        return;
    }
    DragIndex = -1;
    CalcTabRects();
    TlxMDITab* tab = GetTab(X, Y);
    if (tab && OnTabMouseUp) {
        OnTabMouseUp(Button, Shift, tab);
        if (FreePending()) return;
        tab = GetTab(X, Y);
    }
    if (!FShowCloseButtons || Button != TMouseButton::mbLeft) return;
    bool close = false;
    if (tab) {
        TRect b = tab->ButtonRect;
        OffsetRect(b, tab->ObjectRect.Left, tab->ObjectRect.Top);
        close = tab->ButtonMouseDown && b.Contains({X, Y});
        tab->ButtonMouseIn = b.Contains({X, Y});
    }
    for (auto& t : ObjectList)
        t->ButtonMouseDown = false;
    Invalidate();
    if (close) {
        TCustomForm* child = tab->Child;
        TKeepAlive keepChild(child);
        child->Close();
    }
}

// ---- List menus

void TlxSkinMDITabsBar::RebuildMenu(TlxSkinPopupMenu* Menu, bool HiddenOnly) {
    if (!Menu) return;
    CalcTabRects();
    Menu->Items()->Clear();
    for (auto& t : ObjectList) {
        if (HiddenOnly && t->Visible) continue;
        auto* item = new TMenuItem(nullptr);
        item->SetName(t->Child->Name() + (HiddenOnly ? HideItemSuffix : BarItemSuffix));
        item->SetCaption(t->Child->Caption());
        item->SetRadioItem(true);
        item->SetGroupIndex(0);
        item->SetChecked(t->Active);
        item->OnClick = [this](TObject* Sender) { MenuItemClick(Sender); };
        Menu->Items()->Add(item);
    }
}

void TlxSkinMDITabsBar::MenuItemClick(TObject* Sender) {
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    TlxLumivex* lvx = FLumivex;
    if (!item || !lvx) return;
    std::string name = item->Name();
    for (const std::string& suffix : {HideItemSuffix, BarItemSuffix})
        if (const auto at = name.find(suffix); at != std::string::npos) {
            name.erase(at, suffix.size());
            break;
        }
    TCustomForm* form = lvx->Form();
    std::vector<TCustomForm*> children;
    for (int i = 0; i < form->MDIChildCount(); ++i)
        children.push_back(form->MDIChildren(i));
    for (TCustomForm* f : children) {
        if (f->Name() != name) continue;
        TKeepAlive keep(f);
        if (TlxLumivex* c = FindFormSkinComponent(f); c && c->WindowState() == wsMinimized)
            c->SetWindowState(wsNormal);
        if (!f->FreePending()) f->Show();
    }
}
