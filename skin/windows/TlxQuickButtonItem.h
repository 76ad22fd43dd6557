#pragma once

#include "platform/base/Types.h"
#include "platform/vcl/TCollection.h"

#include <string>

class TlxLumivex;

// A small image button at the left end of a skinned caption: an image of
// the component's QuickImageList, a hint and a click. Every change of a
// published value repaints the frame.
class TlxQuickButtonItem : public TCollectionItem {
public:
    explicit TlxQuickButtonItem(TCollection* ACollection);
    // From another item: the image, hint, enabled and visible (not OnClick).
    void Assign(const TPersistent* Source) override;

    int ImageIndex() const { return FImageIndex; }
    virtual void SetImageIndex(int Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);
    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool Value);
    // Sender is the caption object.
    TNotifyEvent OnClick;

    // Where the caption last drew the button (window coordinates of the form).
    TRect ItemRect;
    // The mouse is over it; it is pressed.
    bool Active = false;
    bool Down = false;

protected:
    int FImageIndex = -1;
    std::string FHint;
    bool FEnabled = true;
    bool FVisible = true;
};

// The quick buttons of one form-skinning component.
class TlxQuickButtonItems : public TCollection {
public:
    explicit TlxQuickButtonItems(TlxLumivex* ALVX);
    TlxQuickButtonItem* Items(int Index) const {
        return static_cast<TlxQuickButtonItem*>(TCollection::Items(Index));
    }
    TlxQuickButtonItem* Add() { return static_cast<TlxQuickButtonItem*>(TCollection::Add()); }
    TlxQuickButtonItem* Insert(int Index) {
        return static_cast<TlxQuickButtonItem*>(TCollection::Insert(Index));
    }
    TPersistent* GetOwner() const override;

    // The owning component (not owned).
    TlxLumivex* LVX;

protected:
    // Repaints the frame, except while the component is designed or loaded.
    void Update(TCollectionItem* Item) override;
};
