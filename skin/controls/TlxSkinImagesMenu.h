#pragma once

#include "platform/base/Types.h"
#include "platform/gdi/TFont.h"
#include "platform/vcl/TComponent.h"
#include "platform/vcl/TComponentRef.h"
#include "skin/controls/TlxImagesMenuItem.h"

#include <memory>

class TCustomImageList;
class TlxSkinData;
class TlxSkinHint;
class TlxSkinImagesMenuPopupWindow;

// A drop-down grid of picture cells (with optional full-width buttons and
// header rows) drawn from the skin's popup-window description or in a
// built-in look. Choosing a cell sets ItemIndex, closes the grid and raises
// the item's OnClick, OnItemClick and, when the index changed since the grid
// opened, OnInternalChange and OnChange.
class TlxSkinImagesMenu : public TComponent {
public:
    explicit TlxSkinImagesMenu(TComponent* AOwner);
    ~TlxSkinImagesMenu() override;

    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    TlxImagesMenuItems* ImagesItems() const { return FImagesItems.get(); }
    void SetImagesItems(const TlxImagesMenuItems* Value) { FImagesItems->Assign(Value); }
    // A plain field: writing it raises no event.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value) { FItemIndex = Value; }
    int ColumnsCount() const { return FColumnsCount; }
    // Takes only 1 to 50.
    void SetColumnsCount(int Value);
    bool ShowSelectedItem() const { return FShowSelectedItem; }
    void SetShowSelectedItem(bool Value) { FShowSelectedItem = Value; }
    bool ShowHints() const { return FShowHints; }
    void SetShowHints(bool Value) { FShowHints = Value; }
    // Shows the items' hints while the pointer is over them.
    TlxSkinHint* SkinHint() const { return FSkinHint.Get(); }
    void SetSkinHint(TlxSkinHint* Value);
    TlxSkinData* SkinData() const { return FSD; }
    void SetSkinData(TlxSkinData* Value);
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
    TFont* DefaultFont() { return &FDefaultFont; }
    void SetDefaultFont(const TFont& Value) { FDefaultFont.Assign(Value); }
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
    Byte AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(Byte Value) { FAlphaBlendValue = Value; }
    bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }

    // The item at ItemIndex; nullptr when ItemIndex is negative or past the
    // items.
    TlxImagesMenuItem* SelectedItem() const;

    // Opens the grid below the screen point (the empty rectangle X, Y, X, Y).
    void Popup(int X, int Y);
    // Opens the grid below R (above it when it does not fit below). An open
    // grid is closed first without a choice. Without images nothing opens
    // and only OnMenuPopup fires.
    void PopupFromRect(const TRect& R);
    // Closes an open grid without a choice.
    void Hide();
    // The open grid window; nullptr while closed.
    TlxSkinImagesMenuPopupWindow* PopupWindow() const { return FPopupWindow; }

    // The grid window closed (it is already hidden and has let the mouse
    // and the keys go): frees it and raises the events. AProcessEvents: a
    // choice was made.
    void CloseUp(bool AProcessEvents);

    TNotifyEvent OnItemClick, OnChange, OnMenuPopup, OnMenuClose;
    // For the control that shows the menu's choice.
    TNotifyEvent OnInternalChange, OnInternalMenuClose;

protected:
    void Destroying() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TComponentRef<TCustomImageList> FImages{this};
    std::unique_ptr<TlxImagesMenuItems> FImagesItems;
    int FItemIndex = -1;
    int FColumnsCount = 1;
    bool FShowSelectedItem = true;
    bool FShowHints = true;
    TComponentRef<TlxSkinData> FSD{this};
    TComponentRef<TlxSkinHint> FSkinHint{this};
    bool FUseSkinFont = true;
    TFont FDefaultFont;
    bool FAlphaBlend = false;
    Byte FAlphaBlendValue = 200;
    bool FAlphaBlendAnimation = false;
    TlxSkinImagesMenuPopupWindow* FPopupWindow = nullptr;
    int FOldItemIndex = -1;
};
