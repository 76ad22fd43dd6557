#pragma once

#include <string>

// One item of an office combo box: a heading, a line under it and a picture.
struct TOfficeItem {
    std::string Title;
    std::string Caption;
    int ImageIndex = -1;
    bool operator==(const TOfficeItem&) const = default;
};

// What the catalogue handlers need of an office combo box. Selecting an
// item, by code as by the user, fires the box's click event and then its
// change event; filling the list fires nothing.
class IOfficeComboBoxView {
public:
    virtual ~IOfficeComboBoxView() = default;
    virtual void ClearItems() = 0;
    virtual void AddItem(const TOfficeItem& AItem) = 0;
    virtual int ItemCount() const = 0;
    // -1 while none is selected.
    virtual int ItemIndex() const = 0;
    virtual void SetItemIndex(int AIndex) = 0;
};
