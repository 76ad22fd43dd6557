// MDI parents and children: the parent's client window, maximized children,
// the Window menu, arranging the children, and the inactive client panel.

#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinMainMenuBar.h"

#include "platform/base/Math.h"
#include "platform/gdi/TCanvas.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TTimer.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinRects.h"
#include "skin/windows/SkinObjectSupport.h"
#include "skin/windows/TlxClientInActivePanel.h"
#include "skin/windows/TlxSkinMDITabsBar.h"

#include <algorithm>
#include <cmath>

namespace {

const std::string ChildItemSuffix = "_LVXCHILDITEM";

TCustomForm* MainForm() {
    return Application ? Application->MainForm() : nullptr;
}

std::vector<TCustomForm*> MDIChildrenOf(TCustomForm* Form) {
    std::vector<TCustomForm*> list;
    if (Form)
        for (int i = 0; i < Form->MDIChildCount(); ++i)
            list.push_back(Form->MDIChildren(i));
    return list;
}

// The child name a Window-menu item stands for, or "" for other items.
bool ChildNameOfItem(const TMenuItem* Item, std::string& Name) {
    const std::string& n = Item->Name();
    const auto at = n.find(ChildItemSuffix);
    if (at == std::string::npos) return false;
    Name = n.substr(0, at) + n.substr(at + ChildItemSuffix.size());
    return true;
}

} // namespace

TRect GetMDIClientArea() {
    TCustomForm* main = MainForm();
    if (!main) return {};
    TRect r{0, 0, main->ClientWidth(), main->ClientHeight()};
    for (int i = 0; i < main->ControlCount(); ++i) {
        TControl* c = main->Controls(i);
        if (!c->Visible()) continue;
        switch (c->Align()) {
        case alLeft:
            r.Left = std::max(r.Left, c->Left() + c->Width());
            break;
        case alTop:
            r.Top = std::max(r.Top, c->Top() + c->Height());
            break;
        case alRight:
            r.Right = std::min(r.Right, c->Left());
            break;
        case alBottom:
            r.Bottom = std::min(r.Bottom, c->Top());
            break;
        default:
            break;
        }
    }
    return r;
}

TlxLumivex* FindMaximizedChildSkinComponent() {
    for (TCustomForm* f : MDIChildrenOf(MainForm()))
        if (TlxLumivex* c = FindFormSkinComponent(f); c && c->WindowState() == wsMaximized) return c;
    return nullptr;
}

TlxLumivex* FindActiveChildSkinComponent() {
    TCustomForm* main = MainForm();
    return main ? FindFormSkinComponent(main->ActiveMDIChild()) : nullptr;
}

// ---- The parent's client window

void TlxLumivex::SubclassMDIClient() {
    TMDIClient* client = FForm->MDIClient();
    if (!client || FClientControl.Get() == client) return;
    FClientControl.Set(client);
    FPrevClientProc = client->WindowProc;
    client->WindowProc = [this](TMessage& M) { MDIClientWindowProc(M); };
    NudgeFormWidth();
}

void TlxLumivex::MDIClientWindowProc(TMessage& M) {
    TMDIClient* client = FClientControl;
    auto prev = [this, &M] {
        if (FPrevClientProc) FPrevClientProc(M);
    };
    switch (M.Msg) {
    case WM_SIZE: {
        prev();
        RefitMDIChildren();
        const bool logo = !FLogoBitMap.Empty();
        const bool mdiBG = HasSkin() && FSD->MDIBGPictureIndex != -1;
        const bool stretched =
            HasSkin() && ((FSD->StretchEffect && !mdiBG) || (FSD->MDIBGStretchEffect && mdiBG));
        if ((logo || stretched) && client && client->HandleAllocated())
            RedrawWindow(client->WindowHandle(), nullptr, nullptr,
                         RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
        return;
    }
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
        M.Result = 0;
        return;
    case WM_NCACTIVATE:
        M.Result = 1;
        return;
    case WM_ERASEBKGND: {
        M.Result = 1;
        auto dc = reinterpret_cast<HDC>(M.WParam);
        if (!dc) return;
        if (!HasSkin())
            PaintMDIBGDefault(dc);
        else if (FSD->MDIBGPictureIndex != -1)
            PaintBG3(dc);
        else if (FSD->BGPictureIndex == -1)
            PaintBG(dc);
        else
            PaintBG2(dc);
        return;
    }
    }
    prev();
}

void TlxLumivex::PaintMDIBGDefault(HDC DC) {
    TCanvas c;
    c.SetHandle(DC);
    c.Brush()->SetColor(clAppWorkSpace);
    c.FillRect(FForm->ClientRect());
    PaintLogo(&c, FForm->ClientRect());
    c.SetHandle(nullptr);
}

// ---- Messages between children and their parent

void TlxLumivex::MDIMessage(TMessage& M) {
    switch (M.Msg) {
    case WM_MDICHILDREFIT:
        if (IsMaximizedMDIChild()) {
            const TRect area = GetMDIClientArea();
            FForm->SetBounds(0, 0, area.Width(), area.Height());
        }
        break;
    case WM_MDICHILDMAXIMIZED:
        if (!IsMDIForm()) break;
        FMDIChildMaximized = true;
        // The maximized child's frame buttons move onto the menu bar.
        if (FMainMenuBar) FMainMenuBar->MDIChildMaximize();
        SendNCPaint();
        break;
    case WM_MDICHILDRESTORED:
        if (!IsMDIForm()) break;
        if (!FindMaximizedMDIChild(FForm)) FMDIChildMaximized = false;
        if (FMainMenuBar) FMainMenuBar->MDIChildRestore();
        SendNCPaint();
        break;
    }
}

namespace {

void SendToMainForm(uint32_t Msg) {
    TCustomForm* main = MainForm();
    if (main && main->HandleAllocated()) SendMessage(main->WindowHandle(), Msg);
}

} // namespace

void TlxLumivex::MaximizeMDIChild() {
    if (IsNullRect(OldBoundsRect)) OldBoundsRect = FForm->BoundsRect();
    MouseTimer->SetEnabled(false);
    TestActive(-1, -1, false);
    const TRect area = GetMDIClientArea();
    const TRect before = FForm->BoundsRect();
    // The frame goes: the whole window becomes client.
    if (HWND h = FormHandle())
        SetWindowPos(h, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    FForm->SetBounds(0, 0, area.Width(), area.Height());
    if (FForm->Width() == before.Width() && FForm->Height() == before.Height()) NudgeFormWidth();
    SendToMainForm(WM_MDICHILDMAXIMIZED);
    if (OnMaximize) OnMaximize(this);
}

void TlxLumivex::MDIChildRestored() {
    if (FWindowState == wsMaximized) return;
    if (HWND h = FormHandle())
        SetWindowPos(h, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    SendToMainForm(WM_MDICHILDRESTORED);
}

TPoint TlxLumivex::GetMDIMinimizedPosition() {
    const int MW = GetMinWidth(), MH = GetMinHeight();
    const TRect area = GetMDIClientArea();
    const int AW = area.Width(), AH = area.Height();
    auto taken = [this](int X, int Y) {
        for (TCustomForm* f : MDIChildrenOf(MainForm())) {
            if (f == FForm || !f->Visible()) continue;
            TlxLumivex* c = FindFormSkinComponent(f);
            if (c && c->WindowState() == wsMinimized && f->Left() == X && f->Top() == Y) return true;
        }
        return false;
    };
    int X = 0, Y = AH - MH;
    while (taken(X, Y)) {
        X += MW;
        if (X + MW > AW) {
            X = 0;
            Y -= MH;
        }
        if (Y < 0) return {0, AH - MH};
    }
    return {X, Y};
}

// ---- A child's life on the parent's Window menu

void TlxLumivex::AddChildToMenu(TCustomForm* Child) {
    TCustomForm* main = MainForm();
    if (!main || !FindFormSkinComponent(main) || !main->WindowMenu()) return;
    TMenuItem* menu = main->WindowMenu();
    const std::string name = Child->Name() + ChildItemSuffix;
    for (int i = 0; i < menu->Count(); ++i)
        if (menu->Items(i)->Name() == name) return;
    auto* item = new TMenuItem(this);
    item->SetName(name);
    item->SetCaption(Child->Caption());
    item->OnClick = [this](TObject* Sender) { MDIItemClick(Sender); };
    menu->Add(item);
}

void TlxLumivex::DeleteChildFromMenu(TCustomForm* Child) {
    TCustomForm* main = MainForm();
    if (!main || !FindFormSkinComponent(main) || !main->WindowMenu()) return;
    TMenuItem* menu = main->WindowMenu();
    const std::string name = Child->Name() + ChildItemSuffix;
    for (int i = 0; i < menu->Count(); ++i)
        if (menu->Items(i)->Name() == name) {
            TMenuItem* item = menu->Items(i);
            menu->Remove(item);
            item->Free();
            break;
        }
    // With no other child shown, no child item may stay behind.
    bool others = false;
    for (TCustomForm* f : MDIChildrenOf(main))
        others = others || (f != Child && f->Visible());
    if (others) return;
    for (int i = 0; i < menu->Count(); ++i)
        if (menu->Items(i)->Name().find(ChildItemSuffix) != std::string::npos) {
            TMenuItem* item = menu->Items(i);
            menu->Remove(item);
            item->Free();
            break;
        }
}

void TlxLumivex::UpDateChildCaptionInMenu(TCustomForm* Child) {
    TCustomForm* main = MainForm();
    if (!main || !FindFormSkinComponent(main) || !main->WindowMenu()) return;
    TMenuItem* menu = main->WindowMenu();
    for (int i = 0; i < menu->Count(); ++i) {
        std::string name;
        if (ChildNameOfItem(menu->Items(i), name) && name == Child->Name()) {
            menu->Items(i)->SetCaption(Child->Caption());
            return;
        }
    }
}

void TlxLumivex::UpDateChildActiveInMenu() {
    TCustomForm* main = MainForm();
    if (!main || !FindFormSkinComponent(main) || !main->WindowMenu()) return;
    TMenuItem* menu = main->WindowMenu();
    TCustomForm* active = main->ActiveMDIChild();
    for (int i = 0; i < menu->Count(); ++i) {
        std::string name;
        if (ChildNameOfItem(menu->Items(i), name))
            menu->Items(i)->SetChecked(active && name == active->Name());
    }
}

void TlxLumivex::MDIItemClick(TObject* Sender) {
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    std::string name;
    if (!item || !ChildNameOfItem(item, name)) return;
    for (TCustomForm* f : MDIChildrenOf(MainForm())) {
        if (f->Name() != name) continue;
        TComponent::TKeepAlive alive(f);
        if (TlxLumivex* c = FindFormSkinComponent(f); c && c->WindowState() == wsMinimized)
            c->SetWindowState(wsNormal);
        if (!f->FreePending()) f->Show();
    }
}

// ---- A child's life on the parent's tab bar

TlxSkinMDITabsBar* TlxLumivex::MDITabsBar() const {
    return static_cast<TlxSkinMDITabsBar*>(FMDITabsBar);
}

void TlxLumivex::SetMDITabsBar(TlxSkinMDITabsBar* Value) {
    if (FMDITabsBar == Value) return;
    if (FMDITabsBar) FMDITabsBar->RemoveFreeNotification(this);
    FMDITabsBar = Value;
    if (Value) Value->FreeNotification(this);
}

namespace {

TlxSkinMDITabsBar* MainTabsBar() {
    TlxLumivex* c = FindFormSkinComponent(MainForm());
    return c ? c->MDITabsBar() : nullptr;
}

} // namespace

void TlxLumivex::AddChildToBar(TCustomForm* Child) {
    TlxSkinMDITabsBar* bar = MainTabsBar();
    if (!bar) return;
    for (int i = 0; i < bar->TabCount(); ++i)
        if (bar->Tabs(i)->Child == Child) return;
    bool accept = true;
    if (OnAcceptToMDITabsBar) OnAcceptToMDITabsBar(this, accept);
    if (accept) bar->AddTab(Child);
}

void TlxLumivex::DeleteChildFromBar(TCustomForm* Child) {
    if (TlxSkinMDITabsBar* bar = MainTabsBar()) bar->DeleteTab(Child);
}

void TlxLumivex::RefreshMDIBarTab(TCustomForm* Child) {
    if (TlxSkinMDITabsBar* bar = MainTabsBar()) bar->RefreshTab(Child);
}

void TlxLumivex::UpdateMDITabsBar() {
    if (TlxSkinMDITabsBar* bar = MainTabsBar()) bar->UpdateActiveTab();
}

// ---- Child events

void TlxLumivex::MDIChildShowing(bool Showing) {
    if (Showing) {
        AddChildToMenu(FForm);
        AddChildToBar(FForm);
    } else {
        DeleteChildFromMenu(FForm);
        DeleteChildFromBar(FForm);
    }
}

void TlxLumivex::MDIChildActivated() {
    UpdateMDITabsBar();
    UpDateChildActiveInMenu();
}

void TlxLumivex::MDIChildDestroyed() {
    FWindowState = wsNormal;
    SendToMainForm(WM_MDICHILDRESTORED);
    UpdateMDITabsBar();
}

void TlxLumivex::MDIChildCaptionChanged() {
    UpDateChildCaptionInMenu(FForm);
    RefreshMDIBarTab(FForm);
}

// ---- Arranging the children

void TlxLumivex::RefitMDIChildren() {
    for (TCustomForm* f : MDIChildrenOf(FForm))
        if (f->HandleAllocated()) SendMessage(f->WindowHandle(), WM_MDICHILDREFIT);
    ArrangeMinimizedChildren();
}

void TlxLumivex::ArrangeMinimizedChildren() {
    for (TCustomForm* f : MDIChildrenOf(FForm)) {
        TlxLumivex* c = FindFormSkinComponent(f);
        if (!c || c->WindowState() != wsMinimized) continue;
        const TPoint p = c->GetMDIMinimizedPosition();
        f->SetBounds(p.X, p.Y, f->Width(), f->Height());
    }
}

void TlxLumivex::RestoreAll() {
    if (!IsMDIForm()) return;
    for (TCustomForm* f : MDIChildrenOf(FForm)) {
        TlxLumivex* c = FindFormSkinComponent(f);
        if (!c) continue;
        if (c->WindowState() != wsNormal) c->SetWindowState(wsNormal);
        if (c->WindowState() == wsNormal && c->RollUpState()) c->SetRollUpState(false);
    }
}

void TlxLumivex::MinimizeAll() {
    if (!IsMDIForm()) return;
    for (TCustomForm* f : MDIChildrenOf(FForm))
        if (TlxLumivex* c = FindFormSkinComponent(f)) c->SetWindowState(wsMinimized);
}

void TlxLumivex::MaximizeAll() {
    if (!IsMDIForm()) return;
    for (TCustomForm* f : MDIChildrenOf(FForm))
        if (TlxLumivex* c = FindFormSkinComponent(f)) c->SetWindowState(wsMaximized);
}

void TlxLumivex::CloseAll() {
    if (!IsMDIForm()) return;
    auto children = MDIChildrenOf(FForm);
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        TComponent::TKeepAlive alive(*it);
        (*it)->Close();
    }
}

// Columns from the right; the last children fill the right column from the
// bottom up, and the rows of each further column follow what is left.
void TlxLumivex::Tile() {
    if (!IsMDIForm()) return;
    RestoreAll();
    const auto children = MDIChildrenOf(FForm);
    const int count = static_cast<int>(children.size());
    int N = static_cast<int>(std::trunc(std::sqrt(static_cast<double>(count))));
    if (N < 1) return;
    int R = count / N;
    if (N * R < count) ++R;
    const TRect area = GetMDIClientArea();
    const int AW = area.Width(), AH = area.Height();
    const int CW = AW / N;
    int RH = AH / R;
    int X = AW, Y = AH;
    for (int i = count - 1; i >= 0; --i) {
        children[i]->SetBounds(std::max(X - CW, 0), std::max(Y - RH, 0), CW, RH);
        Y -= RH;
        if (Y - RH < 0) {
            Y = AH;
            X -= CW;
            N = std::max(N - 1, 1);
            R = std::max((i + N - 1) / N, 1);
            RH = AH / R;
        }
    }
}

void TlxLumivex::Cascade() {
    if (!IsMDIForm()) return;
    RestoreAll();
    const auto children = MDIChildrenOf(FForm);
    const int count = static_cast<int>(children.size());
    if (count == 0) return;
    const TRect area = GetMDIClientArea();
    const int AW = area.Width(), AH = area.Height();
    // A step of at least one pixel: a skin whose client starts at the top
    // would otherwise stack every child in one place and divide by zero.
    const int S = std::max(HasSkin() ? NewClRect.Top : GetDefCaptionHeight() + 3, 1);
    const int K = (AW - static_cast<int>(Round(AW * 0.8))) / S;
    const int steps = K > count ? count - 1 : K;
    const int W = std::max(AW - S * steps, GetMinWidth());
    const int H = std::max(AH - S * steps, GetMinHeight());
    int O = 0;
    for (int i = count - 1; i >= 0; --i) {
        TCustomForm* f = children[i];
        const bool fixed = f->BorderStyle() == bsSingle;
        const int w = fixed ? f->Width() : W, h = fixed ? f->Height() : H;
        if (O + w > AW || O + h > AH) O = 0;
        f->SetBounds(O, O, w, h);
        O += S;
    }
}

// ---- The inactive client panel

void TlxLumivex::ShowClientInActiveEffect() {
    if (FInActivePanel) FInActivePanel->HidePanel();
    if (!FInActivePanel) FInActivePanel = new TlxClientInActivePanel(this);
    FClientInActiveDraw = true;
    FInActivePanel->ShowPanel(FForm, FClientInActiveEffectType);
    FClientInActiveDraw = false;
}

void TlxLumivex::HideClientInActiveEffect() {
    if (!FInActivePanel) return;
    TlxClientInActivePanel* panel = FInActivePanel;
    FInActivePanel = nullptr;
    panel->HidePanel();
    panel->Free();
}
