#pragma once

#include "platform/base/Strings.h"
#include "platform/base/Types.h"

#include <memory>
#include <string>
#include <vector>

class TListItems;
class TCustomListView;

enum TDisplayCode { drBounds, drIcon, drLabel, drSelectBounds };

// One row of a list view: caption, texts of the further columns, image,
// selection and focus. In owner-data views the items are filled on demand.
class TListItem {
public:
    explicit TListItem(TListItems* AOwner);
    ~TListItem();
    TListItem(const TListItem&) = delete;
    TListItem& operator=(const TListItem&) = delete;

    TListItems* Owner() const { return FOwner; }
    TCustomListView* ListView() const;
    int Index() const { return FIndex; }

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    // Texts of columns 1 and up.
    TStrings* SubItems() { return FSubItems.get(); }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    void* Data() const { return FData; }
    void SetData(void* Value) { FData = Value; }
    bool Selected() const;
    void SetSelected(bool Value);
    bool Focused() const;
    void SetFocused(bool Value);
    TRect DisplayRect(TDisplayCode Code) const;
    void MakeVisible(bool PartialOK);
    void Delete();

private:
    friend class TListItems;
    friend class TCustomListView;
    TListItems* FOwner;
    int FIndex = -1;
    std::string FCaption;
    std::unique_ptr<TStringList> FSubItems;
    int FImageIndex = -1;
    void* FData = nullptr;
    bool FSelected = false;
};

// The rows of a list view. An owner-data view keeps only a count (SetCount);
// Item then hands out one temporary item filled by the view's fetch.
class TListItems {
public:
    explicit TListItems(TCustomListView* AOwner);
    ~TListItems();
    TListItems(const TListItems&) = delete;
    TListItems& operator=(const TListItems&) = delete;

    TCustomListView* Owner() const { return FOwner; }
    int Count() const;
    void SetCount(int Value);
    TListItem* Item(int Index);
    TListItem* operator[](int Index) { return Item(Index); }
    TListItem* Add();
    TListItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    int IndexOf(const TListItem* Item) const;
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return FUpdateCount > 0; }

private:
    friend class TCustomListView;
    friend class TListItem;
    void Renumber(int From);
    TCustomListView* FOwner;
    std::vector<std::unique_ptr<TListItem>> FItems;
    int FCount = 0; // owner data
    std::unique_ptr<TListItem> FTemp;
    int FUpdateCount = 0;
};
