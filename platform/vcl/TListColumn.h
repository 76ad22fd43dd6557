#pragma once

#include "platform/base/Alignment.h"
#include "platform/vcl/TCollection.h"

#include <string>

class TCustomListView;

// A column of a list view in report style: its header caption, width,
// alignment and header image.
class TListColumn : public TCollectionItem {
public:
    explicit TListColumn(TCollection* ACollection);

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    std::string DisplayName() const override { return FCaption; }

private:
    std::string FCaption;
    int FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
    int FImageIndex = -1;
};

// The columns of a list view; every change reaches the view.
class TListColumns : public TOwnedCollection {
public:
    explicit TListColumns(TCustomListView* AOwner);
    TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
    TListColumn* Items(int Index) const { return static_cast<TListColumn*>(TCollection::Items(Index)); }
    TCustomListView* Owner() const { return FView; }

protected:
    void Update(TCollectionItem* Item) override;

private:
    TCustomListView* FView;
};
