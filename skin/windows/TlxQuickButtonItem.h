#pragma once

#include "platform/base/Types.h"
#include "platform/vcl/TCollection.h"
#include "platform/vcl/TComponent.h"

#include <string>

class TlxLumivex;

// A small image button at the left end of a skinned caption.
class TlxQuickButtonItem : public TCollectionItem {
public:
    explicit TlxQuickButtonItem(TCollection* ACollection);
    void Assign(const TPersistent* Source) override;

    int ImageIndex() const { return FImageIndex; }
    virtual void SetImageIndex(int Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);
    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool Value);
    TNotifyEvent OnClick;

    // Where the caption last drew it (window coordinates of the form).
    TRect ItemRect;
    bool Active = false;
    bool Down = false;

protected:
    int FImageIndex = -1;
    std::string FHint;
    bool FEnabled = true;
    bool FVisible = true;
};

// The quick buttons of one form-skinning component; every change repaints
// the frame.
class TlxQuickButtonItems : public TCollection {
public:
    explicit TlxQuickButtonItems(TlxLumivex* ALVX);
    TlxQuickButtonItem* Items(int Index) const {
        return static_cast<TlxQuickButtonItem*>(TCollection::Items(Index));
    }
    TlxQuickButtonItem* Add() { return static_cast<TlxQuickButtonItem*>(TCollection::Add()); }
    TPersistent* GetOwner() const override;

    TlxLumivex* LVX;

protected:
    void Update(TCollectionItem* Item) override;
};
