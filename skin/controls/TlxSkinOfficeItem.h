#pragma once

#include "platform/base/Object.h"
#include "platform/base/Types.h"
#include "platform/vcl/TCollection.h"

#include <string>

// One row of an office list: a group header (a centred caption on a skin
// strip) or an ordinary row with an optional bold title line, an optional
// image and a word-wrapped caption. ItemRect, IsVisible and Active are the
// list's layout and highlight, set by the list.
class TlxSkinOfficeItem : public TCollectionItem {
public:
    explicit TlxSkinOfficeItem(TCollection* ACollection);

    int ImageIndex() const { return FImageIndex; }
    virtual void SetImageIndex(int Value);
    const std::string& Title() const { return FTitle; }
    virtual void SetTitle(const std::string& Value);
    const std::string& Caption() const { return FCaption; }
    virtual void SetCaption(const std::string& Value);
    // The application's own; not stored, not copied by Assign.
    void* Data() const { return FData; }
    virtual void SetData(void* Value) { FData = Value; }
    // A disabled row cannot be hit, selected or reached by the keys.
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);
    bool Header() const { return FHeader; }
    virtual void SetHeader(bool Value);

    // Copies image, caption, title, enabled state and header flag from
    // another office item.
    void Assign(const TPersistent* Source) override;

    // When the row becomes the list's item; Sender is the list.
    TNotifyEvent OnClick;

    TRect ItemRect;
    bool IsVisible = false;
    bool Active = false;

private:
    int FImageIndex = -1;
    std::string FTitle;
    std::string FCaption;
    bool FEnabled = true;
    void* FData = nullptr;
    bool FHeader = false;
};
