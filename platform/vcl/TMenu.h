#pragma once

#include "platform/vcl/TComponent.h"
#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/VclTypes.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TMenu;
class TBitmap;
class TCanvas;
class TCustomImageList;

// How separators are tidied before a menu shows: maAutomatic hides a
// separator that starts or ends the list or follows another.
enum TMenuAutoFlag { maAutomatic, maManual };

// Draws an item in place of the menu's own caption and glyphs.
using TMenuDrawItemEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, const TRect& ARect, bool Selected)>;

// "Ctrl+S", "Shift+F1", "Alt+Enter"; empty for 0 or a key without a name.
std::string ShortCutToText(TShortCut ShortCut);

// A menu entry as data: the skinned menus draw and run it. A caption of "-"
// makes a separator. Items are owned by a component (usually the form) like
// any other, and nested in their parent item, which frees them with it.
class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    bool IsLine() const { return FCaption == "-"; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    // Checking a radio item unchecks the radio items of its group among its siblings.
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    // The item a double click on the menu's owner runs.
    bool Default() const { return FDefault; }
    void SetDefault(bool Value) { FDefault = Value; }
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool Value);
    uint8_t GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(uint8_t Value);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    // A picture of the item's own, made on first use; shown when not empty.
    TBitmap* Bitmap();
    bool HasBitmap() const;
    // The number TMenu::DispatchCommand finds the item by, unique among the
    // living items.
    uint16_t Command() const { return FCommand; }
    // Hides the separators that start or end the visible children or follow
    // another visible separator, and shows the others.
    void RethinkLines();

    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int Index) const;
    void Add(TMenuItem* Item);
    void Insert(int Index, TMenuItem* Item);
    void Delete(int Index);
    void Remove(TMenuItem* Item);
    int IndexOf(const TMenuItem* Item) const;
    void Clear();
    TMenuItem* Parent() const { return FParent; }
    int MenuIndex() const;
    void SetMenuIndex(int Value);
    TMenu* GetParentMenu() const;
    // The item with this shortcut in this item's tree, visible and enabled; nullptr when none.
    TMenuItem* FindByShortCut(TShortCut Value);

    // Runs OnClick when the item is enabled.
    virtual void Click();
    TNotifyEvent OnClick;
    TMenuDrawItemEvent OnDrawItem;

    void SetParentComponent(TComponent* Value) override;
    TComponent* GetParentComponent() const override;
    bool HasParent() const override { return true; }

protected:
    void MenuChanged(bool Rebuild);

private:
    friend class TMenu;
    TMenuItem* FParent = nullptr;
    TMenu* FMenu = nullptr; // set on a menu's root item
    std::vector<TMenuItem*> FItems;
    std::string FCaption;
    std::string FHint;
    bool FEnabled = true;
    bool FVisible = true;
    bool FChecked = false;
    bool FDefault = false;
    bool FRadioItem = false;
    uint8_t FGroupIndex = 0;
    TShortCut FShortCut = 0;
    int FImageIndex = -1;
    uint16_t FCommand;
    std::unique_ptr<TBitmap> FBitmap;
};

using TMenuChangeEvent = std::function<void(TObject* Sender, TMenuItem* Source, bool Rebuild)>;

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;

    // The invisible root whose children are the menu's entries.
    TMenuItem* Items() const { return FItems; }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    // Runs the click of the enabled item with this shortcut; false when none.
    bool IsShortCut(TShortCut Value);
    // Clicks the item of this menu whose Command is ACommand; false when none.
    bool DispatchCommand(uint16_t ACommand);
    TMenuAutoFlag AutoLineReduction() const { return FAutoLineReduction; }
    void SetAutoLineReduction(TMenuAutoFlag Value) { FAutoLineReduction = Value; }

    // Any change to an item (caption, state, items added or removed).
    TMenuChangeEvent OnChange;

protected:
private:
    friend class TMenuItem;
    TMenuItem* FItems;
    TComponentRef<TCustomImageList> FImages{this};
    TMenuAutoFlag FAutoLineReduction = maAutomatic;
};

class TMainMenu : public TMenu {
public:
    using TMenu::TMenu;
};

// A menu shown at a point. Popup raises OnPopup and then hands the menu to the
// installed presenter (the skinned popup menus); without one it shows nothing.
class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

    virtual void Popup(int X, int Y);
    TPoint PopupPoint() const { return FPopupPoint; }
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* Value);
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool Value) { FAutoPopup = Value; }
    TNotifyEvent OnPopup;

    using TPresenter = std::function<void(TPopupMenu* Menu, int X, int Y)>;
    static TPresenter SetPresenter(TPresenter Presenter);

protected:
    void SetPopupPoint(TPoint Value) { FPopupPoint = Value; }

private:
    TPoint FPopupPoint{-1, -1};
    TComponentRef<TComponent> FPopupComponent{this};
    bool FAutoPopup = true;
};
