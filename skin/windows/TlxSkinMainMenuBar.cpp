#include "skin/windows/TlxSkinMainMenuBar.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/vcl/TScreen.h"
#include "platform/vcl/TTimer.h"
#include "platform/win/WinApi.h"
#include "skin/controls/SkinControlMessages.h"
#include "skin/engine/DataSkinListControls.h"
#include "skin/engine/DataSkinObjects.h"
#include "skin/engine/DrawParentImage.h"
#include "skin/engine/SkinGlyphs.h"
#include "skin/engine/SkinImages.h"
#include "skin/engine/SkinRects.h"
#include "skin/windows/SkinObjectSupport.h"
#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinMainMenuBarButton.h"
#include "skin/windows/TlxSkinMainMenuBarItem.h"
#include "skin/windows/TlxSkinMenu.h"

#include <algorithm>
#include <set>

namespace {

// Letters and digits only: arrows and other keys never pick an item.
bool IsAccelKey(int Key) {
    return (Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z') || (Key >= 'a' && Key <= 'z');
}

// The active MDI child of the screen, else the first one; nullptr when none.
TCustomForm* ActiveMDIChild() {
    if (!Screen) return nullptr;
    if (TCustomForm* f = Screen->ActiveForm(); f && f->FormStyle() == fsMDIChild) return f;
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (Screen->Forms(i)->FormStyle() == fsMDIChild) return Screen->Forms(i);
    return nullptr;
}

template <class D> D* SkinObject(TlxSkinData* SD, const std::string& Name) {
    if (!SD || SD->Empty || Name.empty()) return nullptr;
    const int i = SD->GetIndex(Name);
    if (i < 0 || i >= static_cast<int>(SD->ObjectList.size())) return nullptr;
    return dynamic_cast<D*>(SD->ObjectList[i].get());
}

} // namespace

TlxSkinMainMenuBar::TlxSkinMainMenuBar(TComponent* AOwner) : TlxSkinControl(AOwner) {
    SetSkinDataName("mainmenubar");
    SetControlStyle(ControlStyle() + csDoubleClicks);
    FDefItemFont.SetName("Arial");
    FDefItemFont.SetStyle({});
    FDefItemFont.SetHeight(14);
    FDefItemFont.SetColor(clBtnText);
    MouseTimer = new TTimer(this);
    MouseTimer->SetEnabled(false);
    MouseTimer->SetInterval(50);
    MouseTimer->OnTimer = [this](TObject*) { CheckMouse(); };
    MorphTimer = new TTimer(this);
    MorphTimer->SetEnabled(false);
    MorphTimer->SetInterval(25);
    MorphTimer->OnTimer = [this](TObject*) { MorphTimerTick(); };
    AnimateTimer = new TTimer(this);
    AnimateTimer->SetEnabled(false);
    AnimateTimer->SetInterval(25);
    AnimateTimer->OnTimer = [this](TObject*) { AnimateTimerTick(); };
    SetAlign(alTop);
    SetBounds(Left(), Top(), Width(), FDefaultHeight);
}

TlxSkinMainMenuBar::~TlxSkinMainMenuBar() {
    ClearObjects();
}

// ---- Properties

void TlxSkinMainMenuBar::SetMainMenu(TMainMenu* Value) {
    FMainMenu.Set(Value);
    UpDateItems();
}

void TlxSkinMainMenuBar::SetLumivex(TlxLumivex* Value) {
    FLumivex.Set(Value);
}

void TlxSkinMainMenuBar::SetScrollMenu(bool Value) {
    if (FScrollMenu == Value) return;
    FScrollMenu = Value;
    CalcLayout();
    Invalidate();
}

void TlxSkinMainMenuBar::SetUseSkinFont(bool Value) {
    if (FUseSkinFont == Value) return;
    FUseSkinFont = Value;
    CalcLayout();
    Invalidate();
}

void TlxSkinMainMenuBar::SetDefItemFont(const TFont& Value) {
    FDefItemFont.Assign(Value);
    if (FSkinSupport) return;
    CalcLayout();
    Invalidate();
}

void TlxSkinMainMenuBar::SetDefaultWidth(int Value) {
    FDefaultWidth = Value;
    if (!FSkinSupport && Value > 0) SetWidth(Value);
}

void TlxSkinMainMenuBar::SetDefaultHeight(int Value) {
    FDefaultHeight = Value;
    if (!FSkinSupport && Value > 0) SetHeight(Value);
}

TlxSkinMainMenuBarItem* TlxSkinMainMenuBar::Items(int Index) const {
    return static_cast<TlxSkinMainMenuBarItem*>(ObjectList.at(FButtonsCount + Index).get());
}

TlxSkinMainMenuBarItem* TlxSkinMainMenuBar::FindItem(const TMenuItem* AMenuItem) const {
    for (int i = 0; i < ItemCount(); ++i)
        if (Items(i)->MenuItem == AMenuItem) return Items(i);
    return nullptr;
}

TlxSkinMainMenuBarButton* TlxSkinMainMenuBar::ButtonOf(int Command) const {
    for (int i = 0; i < FButtonsCount; ++i) {
        auto* b = static_cast<TlxSkinMainMenuBarButton*>(ObjectList[i].get());
        if (b->Command == Command) return b;
    }
    return nullptr;
}

TRect TlxSkinMainMenuBar::MarkerRect() const {
    return {FNewItemsRect.Right - 5, FNewItemsRect.Top, FNewItemsRect.Right, FNewItemsRect.Bottom};
}

// ---- Skin

void TlxSkinMainMenuBar::GetSkinData() {
    TlxSkinControl::GetSkinData();
    auto* d = dynamic_cast<TlxDataSkinMainMenuBar*>(Description());
    if (!d) {
        FIndex = -1;
        MenuBarItem = CloseButton = MaxButton = MinButton = SysMenuButton = {};
        Picture = nullptr;
        return;
    }
    SkinRect = d->SkinRect;
    ItemsRect = d->ItemsRect;
    MenuBarItem = d->MenuBarItem;
    CloseButton = d->CloseButton;
    MaxButton = d->MaxButton;
    MinButton = d->MinButton;
    SysMenuButton = d->SysMenuButton;
    TrackMarkColor = static_cast<TColor>(d->TrackMarkColor);
    TrackMarkActiveColor = static_cast<TColor>(d->TrackMarkActiveColor);
    Picture = SkinPicture(d->PictureIndex);
    StretchEffect = d->StretchEffect;
    FItemTransparent = d->ItemTransparent;
}

void TlxSkinMainMenuBar::BeforeChangeSkinData() {
    FSkinSupport = false;
    TlxSkinControl::BeforeChangeSkinData();
    ClearObjects();
}

void TlxSkinMainMenuBar::ChangeSkinData() {
    GetSkinData();
    FSkinSupport = FIndex != -1;
    CreateMenu();
    if (FSkinSupport && RectHeight(SkinRect) > 0)
        SetHeight(RectHeight(SkinRect));
    else if (!FSkinSupport && FDefaultHeight > 0)
        SetHeight(FDefaultHeight);
    CalcLayout();
    Invalidate();
}

void TlxSkinMainMenuBar::SetSkinData(TlxSkinData* Value) {
    TlxSkinControl::SetSkinData(Value);
    if (Value && !Value->Empty) return;
    // The objects may hold pictures of the skin that was: built anew.
    BeforeChangeSkinData();
    ChangeSkinData();
}

void TlxSkinMainMenuBar::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    GetSkinData();
    if (FIndex != -1 && RectHeight(SkinRect) > 0) AHeight = RectHeight(SkinRect);
    TlxSkinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TlxSkinMainMenuBar::Notification(TComponent* AComponent, TOperation Operation) {
    const bool wasSkin = Operation == opRemove && AComponent == SkinData();
    TlxSkinControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (wasSkin) {
        BeforeChangeSkinData();
        ChangeSkinData();
        return;
    }
    // The item of a menu item that is going goes with it.
    for (auto it = ObjectList.begin(); it != ObjectList.end(); ++it) {
        auto* item = dynamic_cast<TlxSkinMainMenuBarItem*>(it->get());
        if (!item || item->MenuItem != AComponent) continue;
        ObjectList.erase(it);
        FActiveObject = OldActiveObject = MouseCaptureObject = -1;
        CalcLayout();
        Invalidate();
        return;
    }
}

void TlxSkinMainMenuBar::CheckParentBackground() {
    if (FSkinSupport && SkinData() && SkinData()->MainMenuBarTransparent) Invalidate();
}

// ---- Building the objects

void TlxSkinMainMenuBar::ClearObjects() {
    FActiveObject = OldActiveObject = MouseCaptureObject = -1;
    FButtonsCount = 0;
    FMarkerActive = false;
    ObjectList.clear();
}

TMainMenu* TlxSkinMainMenuBar::GetChildMainMenu() {
    if (FMergeMenu) return FMergeMenu;
    TlxLumivex* k = FLumivex;
    if (!k || k->Form()->FormStyle() != fsMDIForm) return nullptr;
    TCustomForm* child = ActiveMDIChild();
    if (!child) return nullptr;
    for (int i = 0; i < child->ComponentCount(); ++i)
        if (auto* menu = dynamic_cast<TMainMenu*>(child->Components(i))) return menu;
    return nullptr;
}

std::vector<TMenuItem*> TlxSkinMainMenuBar::BarMenuItems(TMainMenu* Child) const {
    std::vector<TMenuItem*> out;
    TMenuItem* root = FMainMenu->Items();
    if (!Child) {
        for (int i = 0; i < root->Count(); ++i)
            out.push_back(root->Items(i));
        return out;
    }
    TMenuItem* childRoot = Child->Items();
    std::set<int> groups;
    for (int i = 0; i < childRoot->Count(); ++i)
        groups.insert(childRoot->Items(i)->GroupIndex());
    for (int i = 0; i < root->Count(); ++i)
        if (!groups.count(root->Items(i)->GroupIndex())) out.push_back(root->Items(i));
    for (int i = 0; i < childRoot->Count(); ++i)
        out.push_back(childRoot->Items(i));
    // Equal groups keep their menu order.
    std::stable_sort(out.begin(), out.end(), [](const TMenuItem* A, const TMenuItem* B) {
        return A->GroupIndex() < B->GroupIndex();
    });
    return out;
}

void TlxSkinMainMenuBar::CreateMenu() {
    ClearObjects();
    FChildMenuIn = false;
    if (!FMainMenu) return;
    TlxLumivex* k = FLumivex;
    TMainMenu* child =
        (k && k->Form()->FormStyle() == fsMDIForm) || FMergeMenu ? GetChildMainMenu() : nullptr;
    auto* d = SkinObject<TlxDataSkinMainMenuBarItem>(SkinData(), MenuBarItem);
    FChildMenuIn = child != nullptr;
    if (child) FScrollMenu = false;
    for (TMenuItem* mi : BarMenuItems(child)) {
        if (!mi->Visible()) continue;
        // Its item goes with it (Notification).
        mi->FreeNotification(this);
        ObjectList.push_back(std::make_unique<TlxSkinMainMenuBarItem>(this, d, mi));
    }
    if (FMDIChildMax) {
        CreateButtons();
        UpdateButtonsEnabled();
    }
    CalcLayout();
}

void TlxSkinMainMenuBar::UpDateItems() {
    CreateMenu();
    Invalidate();
    if (HandleAllocated()) MouseTimer->SetEnabled(true);
}

void TlxSkinMainMenuBar::UpDateEnabledItems() {
    for (int i = 0; i < ItemCount(); ++i) {
        TlxSkinMainMenuBarItem* item = Items(i);
        if (item->ItemVisible)
            item->Enabled = item->MenuItem->Enabled();
        else
            item->OldEnabled = item->MenuItem->Enabled();
    }
    Invalidate();
}

void TlxSkinMainMenuBar::Merge(TMainMenu* Menu) {
    FMergeMenu.Set(Menu);
    UpDateItems();
}

void TlxSkinMainMenuBar::UnMerge() {
    FMergeMenu.Set(nullptr);
    UpDateItems();
}

// ---- Child buttons

TlxLumivex* TlxSkinMainMenuBar::MaximizedChildComponent() const {
    TlxLumivex* k = FLumivex;
    TCustomForm* main = k ? k->Form() : GetParentForm(const_cast<TlxSkinMainMenuBar*>(this));
    return FindFormSkinComponent(FindMaximizedMDIChild(main));
}

void TlxSkinMainMenuBar::CreateButtons() {
    struct TSpec {
        const char* BuiltInName;
        const std::string* SkinName;
        TlxStdCommand Command;
    };
    const TSpec specs[] = {{"MinButton", &MinButton, cmMinimize},
                           {"MaxButton", &MaxButton, cmMaximize},
                           {"CloseButton", &CloseButton, cmClose},
                           {"SysMenuButton", &SysMenuButton, cmSysMenu}};
    for (const TSpec& s : specs) {
        const std::string name = FSkinSupport ? *s.SkinName : s.BuiltInName;
        auto* d = SkinObject<TlxDataSkinMainMenuBarButton>(SkinData(), name);
        ObjectList.insert(ObjectList.begin(), std::make_unique<TlxSkinMainMenuBarButton>(this, d, s.Command));
    }
    FButtonsCount = 4;
}

void TlxSkinMainMenuBar::UpdateButtonsEnabled() {
    TlxLumivex* child = MaximizedChildComponent();
    for (int i = 0; i < FButtonsCount; ++i)
        ObjectList[i]->Enabled = true;
    if (!child) return;
    const TlxBorderIcons icons = child->BorderIcons();
    if (auto* b = ButtonOf(cmMinimize); b && !icons.Contains(TlxBorderIcon::biMinimize)) b->Enabled = false;
    if (auto* b = ButtonOf(cmSysMenu); b && !icons.Contains(TlxBorderIcon::biSystemMenu)) b->Enabled = false;
}

void TlxSkinMainMenuBar::MDIChildMaximize() {
    if (FMDIChildMax) return;
    FMDIChildMax = true;
    FActiveObject = OldActiveObject = MouseCaptureObject = -1;
    CreateButtons();
    UpdateButtonsEnabled();
    CalcLayout();
    Invalidate();
}

void TlxSkinMainMenuBar::MDIChildRestore() {
    if (MaximizedChildComponent() ||
        FindMaximizedMDIChild(FLumivex ? FLumivex->Form() : GetParentForm(this))) {
        UpdateButtonsEnabled();
        Invalidate();
        return;
    }
    if (!FMDIChildMax) return;
    FMDIChildMax = false;
    ObjectList.erase(ObjectList.begin(), ObjectList.begin() + FButtonsCount);
    FButtonsCount = 0;
    FActiveObject = OldActiveObject = MouseCaptureObject = -1;
    CalcLayout();
    Invalidate();
}

void TlxSkinMainMenuBar::ReleaseSysMenuButton() {
    TlxSkinMainMenuBarButton* b = ButtonOf(cmSysMenu);
    if (!b || !b->FDown) return;
    b->FDown = false;
    if (FActiveObject < 0 || ObjectList[FActiveObject].get() != b) b->Active = b->FMouseIn = false;
    b->ReDraw();
}

// ---- Layout

void TlxSkinMainMenuBar::CalcLayout() {
    const int w = Width(), h = Height();
    if (FSkinSupport)
        FNewItemsRect = {ItemsRect.Left, ItemsRect.Top, w - (RectWidth(SkinRect) - ItemsRect.Right),
                         ItemsRect.Bottom};
    else
        FNewItemsRect = {2, 2, w - 2, h - 2};
    if (FMDIChildMax && FButtonsCount == 4) {
        // The system-menu button at the left end, then close, restore and
        // minimize from the right end inwards.
        auto place = [this](TlxMenuBarObject* B, int X) {
            const int areaH = RectHeight(FNewItemsRect);
            auto* button = static_cast<TlxSkinMainMenuBarButton*>(B);
            int bw = areaH, bh = areaH;
            if (button->FSkinSupport && !IsNullRect(button->SkinRect)) {
                bw = RectWidth(button->SkinRect);
                bh = RectHeight(button->SkinRect);
            }
            const int top = FNewItemsRect.Top + areaH / 2 - bh / 2;
            B->ObjectRect = {X, top, X + bw, top + bh};
            return bw;
        };
        FNewItemsRect.Left += place(ObjectList[0].get(), FNewItemsRect.Left) + 2;
        for (int i = 1; i < 4; ++i) {
            TlxMenuBarObject* b = ObjectList[i].get();
            const int bw = place(b, 0);
            OffsetRect(b->ObjectRect, FNewItemsRect.Right - bw, 0);
            FNewItemsRect.Right -= bw + 2;
        }
    }
    FScroll = false;
    const int limit = FNewItemsRect.Right - (FScrollMenu ? 5 : 0);
    int left = FNewItemsRect.Left;
    for (int i = 0; i < ItemCount(); ++i) {
        TlxSkinMainMenuBarItem* item = Items(i);
        const int iw = item->CalcWidth();
        if (iw <= 0) {
            item->ObjectRect = {};
            left = FNewItemsRect.Left;
            continue;
        }
        const int bottom =
            item->FSkinSupport ? FNewItemsRect.Top + RectHeight(item->SkinRect) : FNewItemsRect.Bottom;
        item->ObjectRect = {left, FNewItemsRect.Top, left + iw, bottom};
        left = item->ObjectRect.Right;
        if (item->ObjectRect.Right > limit) {
            FScroll = true;
            if (!item->ItemVisible) continue;
            item->ItemVisible = false;
            item->OldEnabled = item->Enabled;
            item->Enabled = false;
            item->Active = item->FMouseIn = false;
            if (FActiveObject == FButtonsCount + i) FActiveObject = -1;
        } else if (!item->ItemVisible) {
            // Back with the menu item's Enabled as it is now.
            item->ItemVisible = true;
            item->Enabled = item->MenuItem->Enabled();
        }
    }
    if (!FScroll) FMarkerActive = false;
}

void TlxSkinMainMenuBar::Resize() {
    TlxSkinControl::Resize();
    CalcLayout();
    Invalidate();
}

// ---- Painting

void TlxSkinMainMenuBar::CreateControlDefaultImage(TBitmap& B) {
    B.Fill(ColorToPixel(clBtnFace));
    PaintBar(B);
}

void TlxSkinMainMenuBar::CreateControlSkinImage(TBitmap& B) {
    TlxSkinData* sd = SkinData();
    if (sd && sd->MainMenuBarTransparent) {
        DrawParentImage(this, B.Canvas());
    } else if (Picture) {
        TBitmap strip;
        CreateHSkinImage(ItemsRect.Left, RectWidth(SkinRect) - ItemsRect.Right, &strip, Picture, SkinRect,
                         B.Width(), StretchEffect);
        if (!strip.Empty()) B.Canvas()->StretchDraw({0, 0, B.Width(), B.Height()}, &strip);
    }
    PaintBar(B);
}

void TlxSkinMainMenuBar::PaintBar(TBitmap& B) {
    CalcLayout();
    for (auto& o : ObjectList)
        o->Draw(B.Canvas());
    if (FScroll && FScrollMenu) DrawMarker(B.Canvas());
}

void TlxSkinMainMenuBar::DrawMarker(TCanvas* C) {
    TColor colour;
    if (FSkinSupport)
        colour = FMarkerActive ? TrackMarkActiveColor : TrackMarkColor;
    else
        colour = FMarkerActive ? clBtnText : clBtnShadow;
    const TRect r = MarkerRect();
    if (!FSkinSupport) {
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(clBtnFace);
        C->FillRect(r);
    }
    DrawArrowImage(C, r, colour, 2);
}

void TlxSkinMainMenuBar::DrawItem(TlxMenuBarObject* AObject) {
    if (!HandleAllocated() || !Showing()) return;
    if (FSkinSupport && FItemTransparent && dynamic_cast<TlxSkinMainMenuBarItem*>(AObject)) {
        Repaint();
        return;
    }
    PaintNow([AObject](TCanvas* C) { AObject->Draw(C); });
}

void TlxSkinMainMenuBar::PaintNow(const std::function<void(TCanvas*)>& Draw) {
    if (!HandleAllocated() || !Showing()) return;
    // A context of its own each time: the window may have moved or grown
    // since the last one.
    HDC dc = GetDC(Handle());
    if (!dc) return;
    TCanvas canvas;
    canvas.SetHandle(dc);
    Draw(&canvas);
    canvas.SetHandle(nullptr);
    ReleaseDC(Handle(), dc);
}

// ---- Mouse

void TlxSkinMainMenuBar::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_CLOSESKINMENU:
        ReleaseSysMenuButton();
        return;
    case WM_MOVE:
        TlxSkinControl::Dispatch(Message);
        if (Align() == alNone) CheckParentBackground();
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
        TlxSkinControl::Dispatch(Message);
        if (Message.LParam != reinterpret_cast<LPARAM>(static_cast<TControl*>(this))) return;
        if (Message.Msg == CM_MOUSEENTER) {
            MouseTimer->SetEnabled(true);
        } else {
            MouseTimer->SetEnabled(false);
            TestActiveObject(-1, -1);
        }
        return;
    }
    }
    TlxSkinControl::Dispatch(Message);
}

void TlxSkinMainMenuBar::CheckMouse() {
    TPoint p;
    if (!HandleAllocated() || !GetCursorPos(p)) return;
    p = ScreenToClient(p);
    if (!PtInRect(ClientRect(), p)) {
        MouseTimer->SetEnabled(false);
        TestActiveObject(-1, -1);
        return;
    }
    TestActiveObject(p.X, p.Y);
}

void TlxSkinMainMenuBar::TestActiveObject(int X, int Y) {
    TKeepAlive alive(this);
    OldActiveObject = FActiveObject;
    const TPoint p{X, Y};
    int found = -1;
    for (int i = 0; i < ObjectCount(); ++i) {
        if (MouseCaptureObject >= 0 && i != MouseCaptureObject) continue;
        TlxMenuBarObject* o = ObjectList[i].get();
        if (o->Enabled && PtInRect(o->ObjectRect, p)) {
            found = i;
            break;
        }
    }
    // Leaving the bar while a menu is open keeps its item highlighted.
    if (found < 0 && MenuActive && OldActiveObject >= FButtonsCount && OldActiveObject < ObjectCount())
        found = OldActiveObject;
    FActiveObject = found;
    if (found != OldActiveObject) {
        if (OldActiveObject >= 0 && OldActiveObject < ObjectCount() && ObjectList[OldActiveObject]->Enabled)
            ObjectList[OldActiveObject]->MouseLeave();
        if (FreePending()) return;
        if (found >= 0 && found < ObjectCount() && ObjectList[found]->Enabled)
            ObjectList[found]->MouseEnter();
        if (FreePending()) return;
    }
    if (FScroll && FScrollMenu) {
        const bool on = PtInRect(MarkerRect(), p);
        if (on != FMarkerActive) {
            FMarkerActive = on;
            PaintNow([this](TCanvas* C) { DrawMarker(C); });
        }
    }
}

void TlxSkinMainMenuBar::MouseMove(TShiftState Shift, int X, int Y) {
    TlxSkinControl::MouseMove(Shift, X, Y);
    MouseTimer->SetEnabled(true);
    TestActiveObject(X, Y);
}

void TlxSkinMainMenuBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TlxSkinControl::MouseDown(Button, Shift, X, Y);
    if (FreePending()) return;
    TestActiveObject(X, Y);
    if (FreePending()) return;
    const int i = FActiveObject;
    if (i >= 0 && i < ObjectCount()) {
        MouseCaptureObject = i;
        ObjectList[i]->MouseDown(X, Y, Button);
        if (FreePending()) return;
        if (Shift.Contains(ssDouble) && i < ObjectCount()) ObjectList[i]->DblClick();
        return;
    }
    if (FScroll && FScrollMenu && PtInRect(MarkerRect(), {X, Y})) PopupHiddenItems();
}

void TlxSkinMainMenuBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    const int i = MouseCaptureObject;
    if (i >= 0 && i < ObjectCount()) ObjectList[i]->MouseUp(X, Y, Button);
    if (FreePending()) return;
    MouseCaptureObject = -1;
    TlxSkinControl::MouseUp(Button, Shift, X, Y);
}

void TlxSkinMainMenuBar::PopupHiddenItems() {
    TlxLumivex* k = FLumivex;
    if (!k || !FMainMenu) return;
    int n = 0;
    TlxSkinMainMenuBarItem* firstHidden = nullptr;
    for (int i = 0; i < ItemCount(); ++i) {
        if (Items(i)->ItemVisible)
            ++n;
        else if (!firstHidden)
            firstHidden = Items(i);
    }
    if (!firstHidden) return;
    const TPoint origin = ClientToScreen({0, 0});
    TRect r = MarkerRect();
    OffsetRect(r, origin.X, origin.Y);
    TlxLumivex* kForm = k;
    TMainMenu* child = (kForm->Form()->FormStyle() == fsMDIForm) || FMergeMenu ? GetChildMainMenu() : nullptr;
    kForm->SkinMenuOpen();
    if (child) {
        k->SkinMenu->Popup2(nullptr, SkinData(), n, r, FMainMenu->Items(), child->Items(), false);
        return;
    }
    // From the first hidden item on: the menu also holds items the bar does
    // not show (invisible ones), so the bar's count is no menu index.
    k->SkinMenu->Popup(nullptr, SkinData(), firstHidden->MenuItem->MenuIndex(), r, FMainMenu->Items(), false);
}

// ---- Timers

void TlxSkinMainMenuBar::MorphTimerTick() {
    bool any = false;
    for (auto& o : ObjectList) {
        if (o->EnableMorphing() && o->CanMorphing()) {
            o->DoMorphing();
            any = true;
        }
    }
    if (!any) MorphTimer->SetEnabled(false);
}

void TlxSkinMainMenuBar::AnimateTimerTick() {
    bool any = false;
    for (int i = 0; i < ItemCount(); ++i)
        any = Items(i)->AnimationStep() || any;
    if (!any) AnimateTimer->SetEnabled(false);
}

// ---- Keyboard (called by the form-skinning component)

std::vector<int> TlxSkinMainMenuBar::SelectableItems() const {
    std::vector<int> out;
    for (int i = 0; i < ItemCount(); ++i)
        if (Items(i)->Enabled && Items(i)->ItemVisible && !Items(i)->ObjectRect.IsEmpty())
            out.push_back(FButtonsCount + i);
    return out;
}

int TlxSkinMainMenuBar::DownItemIndex() const {
    for (int i = 0; i < ItemCount(); ++i)
        if (Items(i)->FDown) return FButtonsCount + i;
    return -1;
}

void TlxSkinMainMenuBar::EnterObject(int I) {
    OldActiveObject = FActiveObject;
    FActiveObject = I;
    ObjectList[I]->MouseEnter();
}

void TlxSkinMainMenuBar::EnterMenuMode() {
    TKeepAlive alive(this);
    MenuActive = true;
    int target = -1;
    for (int i = 0; i < ItemCount() && target < 0; ++i)
        if (Items(i)->Active) target = FButtonsCount + i;
    if (target < 0) {
        const std::vector<int> selectable = SelectableItems();
        if (!selectable.empty())
            target = selectable.front();
        else if (ItemCount() > 0)
            target = FButtonsCount;
    }
    if (target >= 0) EnterObject(target);
    if (FreePending()) return;
    if (TlxLumivex* k = FLumivex) {
        k->HookApplicationMessages();
        k->InMainMenu = true;
        if (k->OnMainMenuEnter) k->OnMainMenuEnter(this);
    }
}

void TlxSkinMainMenuBar::NextItem() {
    const std::vector<int> s = SelectableItems();
    if (s.empty()) return;
    TKeepAlive alive(this);
    for (size_t k = 0; k < s.size(); ++k) {
        TlxMenuBarObject* o = ObjectList[s[k]].get();
        if (!o->Active && !o->FDown) continue;
        o->MouseLeave();
        if (FreePending()) return;
        EnterObject(s[(k + 1) % s.size()]);
        return;
    }
    EnterObject(s.front());
}

void TlxSkinMainMenuBar::PrevItem() {
    const std::vector<int> s = SelectableItems();
    if (s.empty()) return;
    TKeepAlive alive(this);
    for (size_t k = s.size(); k-- > 0;) {
        TlxMenuBarObject* o = ObjectList[s[k]].get();
        if (!o->Active && !o->FDown) continue;
        o->MouseLeave();
        if (FreePending()) return;
        EnterObject(s[(k + s.size() - 1) % s.size()]);
        return;
    }
    EnterObject(s.back());
}

bool TlxSkinMainMenuBar::ProcessAccel(int Key) {
    TlxLumivex* k = FLumivex;
    if (!k || ObjectList.empty() || !IsAccelKey(Key)) return false;
    TCustomForm* form = GetParentForm(this);
    if (!form || !form->Visible()) return false;
    TKeepAlive alive(this);
    for (int i : SelectableItems()) {
        auto* item = static_cast<TlxSkinMainMenuBarItem*>(ObjectList[i].get());
        if (!IsAccel(static_cast<char32_t>(Key), item->MenuItem->Caption())) continue;
        for (int j = FButtonsCount; j < ObjectCount(); ++j)
            if (j != i && ObjectList[j]->Active) ObjectList[j]->MouseLeave();
        if (FreePending()) return true;
        EnterObject(i);
        if (FreePending()) return true;
        if (!(k->InMenu && item->HasChildren()) && i < ObjectCount() && ObjectList[i].get() == item)
            item->MouseDown(0, 0, TMouseButton::mbLeft);
        return true;
    }
    return false;
}

bool TlxSkinMainMenuBar::ExecuteActiveItem() {
    TlxLumivex* k = FLumivex;
    if (!k) return false;
    for (int i = 0; i < ItemCount(); ++i) {
        TlxSkinMainMenuBarItem* item = Items(i);
        if ((item->FDown && !item->HasChildren()) || (item->Active && !k->InMenu)) {
            item->Active = false;
            item->MouseDown(0, 0, TMouseButton::mbLeft);
            return true;
        }
    }
    return false;
}

void TlxSkinMainMenuBar::ReleaseDownItem() {
    for (int i = 0; i < ItemCount(); ++i) {
        TlxSkinMainMenuBarItem* item = Items(i);
        if (!item->FDown) continue;
        item->Active = true;
        item->FDown = false;
        DrawItem(item);
        return;
    }
}

void TlxSkinMainMenuBar::LeaveMenuMode() {
    MenuActive = false;
    for (int i = 0; i < ItemCount(); ++i) {
        TlxSkinMainMenuBarItem* item = Items(i);
        if (!item->FDown && !item->Active) continue;
        item->Active = item->FMouseIn = item->FDown = false;
        if (item->EnableAnimation() && !item->InActiveAnimation) {
            item->CurrentFrame = 0;
            DrawItem(item);
        } else {
            item->ReDraw();
        }
        break;
    }
    FActiveObject = OldActiveObject = -1;
}
