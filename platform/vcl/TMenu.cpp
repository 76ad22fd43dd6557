#include "platform/vcl/TMenu.h"

#include "platform/gdi/TBitmap.h"
#include "platform/vcl/TImageList.h"
#include "platform/win/WinConst.h"

#include <algorithm>
#include <unordered_set>

namespace {

// Commands in use; a new item takes the next free one.
struct TCommandPool {
    std::unordered_set<uint16_t> Used;
    uint16_t Next = 0;

    uint16_t Take() {
        do
            ++Next;
        while (Next == 0 || Used.count(Next));
        Used.insert(Next);
        return Next;
    }
};

TCommandPool& Commands() {
    static TCommandPool pool;
    return pool;
}

TMenuItem* FindCommand(TMenuItem* Item, uint16_t Command) {
    if (Item->Command() == Command) return Item;
    for (int i = 0; i < Item->Count(); ++i)
        if (TMenuItem* found = FindCommand(Item->Items(i), Command)) return found;
    return nullptr;
}

} // namespace

std::string ShortCutToText(TShortCut ShortCut) {
    const int key = ShortCut & 0xFF;
    std::string name;
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        name = std::string(1, static_cast<char>(key));
    else if (key >= VK_F1 && key <= VK_F1 + 23)
        name = "F" + std::to_string(key - VK_F1 + 1);
    else if (key >= VK_NUMPAD0 && key <= VK_NUMPAD0 + 9)
        name = "Num " + std::to_string(key - VK_NUMPAD0);
    else {
        switch (key) {
        case VK_BACK:
            name = "BkSp";
            break;
        case VK_TAB:
            name = "Tab";
            break;
        case VK_RETURN:
            name = "Enter";
            break;
        case VK_ESCAPE:
            name = "Esc";
            break;
        case VK_SPACE:
            name = "Space";
            break;
        case VK_PRIOR:
            name = "PgUp";
            break;
        case VK_NEXT:
            name = "PgDn";
            break;
        case VK_END:
            name = "End";
            break;
        case VK_HOME:
            name = "Home";
            break;
        case VK_LEFT:
            name = "Left";
            break;
        case VK_UP:
            name = "Up";
            break;
        case VK_RIGHT:
            name = "Right";
            break;
        case VK_DOWN:
            name = "Down";
            break;
        case VK_INSERT:
            name = "Ins";
            break;
        case VK_DELETE:
            name = "Del";
            break;
        default:
            return {};
        }
    }
    std::string text;
    if (ShortCut & scShift) text += "Shift+";
    if (ShortCut & scCtrl) text += "Ctrl+";
    if (ShortCut & scAlt) text += "Alt+";
    return text + name;
}

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(Commands().Take()) {}

TMenuItem::~TMenuItem() {
    Commands().Used.erase(FCommand);
    if (FParent) FParent->Remove(this);
    while (!FItems.empty()) {
        TMenuItem* last = FItems.back();
        FItems.pop_back();
        last->FParent = nullptr;
        last->Free();
    }
}

TMenuItem* TMenuItem::Items(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError("Menu index out of bounds (" + std::to_string(Index) + ")");
    return FItems[Index];
}

void TMenuItem::Add(TMenuItem* Item) {
    Insert(Count(), Item);
}

void TMenuItem::Insert(int Index, TMenuItem* Item) {
    if (!Item) return;
    if (Item->FParent) throw EComponentError("Menu item " + Item->Name() + " is already inserted");
    if (Index < 0 || Index > Count())
        throw EListError("Menu index out of bounds (" + std::to_string(Index) + ")");
    for (TMenuItem* p = this; p; p = p->FParent)
        if (p == Item) throw EComponentError("A menu item cannot hold itself");
    FItems.insert(FItems.begin() + Index, Item);
    Item->FParent = this;
    MenuChanged(true);
}

void TMenuItem::Delete(int Index) {
    TMenuItem* item = Items(Index);
    FItems.erase(FItems.begin() + Index);
    item->FParent = nullptr;
    MenuChanged(true);
}

void TMenuItem::Remove(TMenuItem* Item) {
    int i = IndexOf(Item);
    if (i >= 0) Delete(i);
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TMenuItem::Clear() {
    while (!FItems.empty()) {
        TMenuItem* last = FItems.back();
        Delete(Count() - 1);
        last->Free();
    }
}

int TMenuItem::MenuIndex() const {
    return FParent ? FParent->IndexOf(this) : -1;
}

void TMenuItem::SetMenuIndex(int Value) {
    if (!FParent) return;
    TMenuItem* parent = FParent;
    Value = std::clamp(Value, 0, parent->Count() - 1);
    if (Value == MenuIndex()) return;
    parent->FItems.erase(parent->FItems.begin() + MenuIndex());
    parent->FItems.insert(parent->FItems.begin() + Value, this);
    MenuChanged(true);
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* item = this;
    while (item->FParent)
        item = item->FParent;
    return item->FMenu;
}

TMenuItem* TMenuItem::FindByShortCut(TShortCut Value) {
    if (Value == 0) return nullptr;
    for (TMenuItem* item : FItems) {
        if (!item->FVisible || !item->FEnabled) continue;
        if (item->FShortCut == Value) return item;
        if (TMenuItem* inner = item->FindByShortCut(Value)) return inner;
    }
    return nullptr;
}

void TMenuItem::SetCaption(const std::string& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    MenuChanged(false);
}

void TMenuItem::SetEnabled(bool Value) {
    if (FEnabled == Value) return;
    FEnabled = Value;
    MenuChanged(false);
}

void TMenuItem::SetVisible(bool Value) {
    if (FVisible == Value) return;
    FVisible = Value;
    MenuChanged(true);
}

void TMenuItem::SetChecked(bool Value) {
    if (FChecked == Value) return;
    FChecked = Value;
    if (Value && FRadioItem && FParent)
        for (TMenuItem* sibling : FParent->FItems)
            if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex &&
                sibling->FChecked) {
                sibling->FChecked = false;
                sibling->MenuChanged(false);
            }
    MenuChanged(false);
}

void TMenuItem::SetRadioItem(bool Value) {
    if (FRadioItem == Value) return;
    FRadioItem = Value;
    MenuChanged(false);
}

void TMenuItem::SetGroupIndex(uint8_t Value) {
    if (FGroupIndex == Value) return;
    FGroupIndex = Value;
    MenuChanged(false);
}

void TMenuItem::SetShortCut(TShortCut Value) {
    if (FShortCut == Value) return;
    FShortCut = Value;
    MenuChanged(false);
}

void TMenuItem::SetImageIndex(int Value) {
    if (FImageIndex == Value) return;
    FImageIndex = Value;
    MenuChanged(false);
}

TBitmap* TMenuItem::Bitmap() {
    if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
    return FBitmap.get();
}

bool TMenuItem::HasBitmap() const {
    return FBitmap && !FBitmap->Empty();
}

void TMenuItem::RethinkLines() {
    // A separator is needed only between two visible items that are not lines.
    TMenuItem* pendingLine = nullptr;
    bool itemBefore = false;
    for (TMenuItem* item : FItems) {
        if (!item->IsLine()) {
            if (!item->FVisible) continue;
            if (pendingLine) pendingLine->FVisible = true;
            pendingLine = nullptr;
            itemBefore = true;
            continue;
        }
        item->FVisible = false;
        if (itemBefore && !pendingLine) pendingLine = item;
    }
}

void TMenuItem::Click() {
    if (!FEnabled || !OnClick) return;
    TKeepAlive alive(this);
    OnClick(this);
}

void TMenuItem::SetParentComponent(TComponent* Value) {
    if (FParent) FParent->Remove(this);
    if (auto* menu = dynamic_cast<TMenu*>(Value))
        menu->Items()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(Value))
        item->Add(this);
}

TComponent* TMenuItem::GetParentComponent() const {
    if (FParent && FParent->FMenu) return FParent->FMenu;
    return FParent;
}

void TMenuItem::MenuChanged(bool Rebuild) {
    TMenu* menu = GetParentMenu();
    if (!menu || !menu->OnChange) return;
    // Nobody listens to a menu that is being loaded or torn down with its form.
    auto quiet = [](TComponent* c) {
        return c && (c->ComponentState().Contains(csLoading) || c->ComponentState().Contains(csDestroying));
    };
    if (quiet(menu) || quiet(menu->Owner()) || ComponentState().Contains(csDestroying)) return;
    menu->OnChange(menu, this, Rebuild);
}

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(nullptr)) {
    FItems->FMenu = this;
}

TMenu::~TMenu() {
    FItems->FMenu = nullptr;
    FItems->Free();
}

void TMenu::SetImages(TCustomImageList* Value) {
    if (!FImages.Set(Value)) return;
    if (OnChange) OnChange(this, nullptr, false);
}

bool TMenu::DispatchCommand(uint16_t ACommand) {
    TMenuItem* item = FindCommand(FItems, ACommand);
    if (!item) return false;
    item->Click();
    return true;
}

bool TMenu::IsShortCut(TShortCut Value) {
    TMenuItem* item = FItems->FindByShortCut(Value);
    if (!item) return false;
    item->Click();
    return true;
}

namespace {
TPopupMenu::TPresenter& Presenter() {
    static TPopupMenu::TPresenter presenter;
    return presenter;
}
} // namespace

void TPopupMenu::Popup(int X, int Y) {
    TKeepAlive alive(this);
    FPopupPoint = {X, Y};
    if (OnPopup) OnPopup(this);
    if (FreePending()) return;
    if (Presenter()) Presenter()(this, X, Y);
}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
    FPopupComponent.Set(Value);
}

TPopupMenu::TPresenter TPopupMenu::SetPresenter(TPresenter Value) {
    std::swap(Presenter(), Value);
    return Value;
}
