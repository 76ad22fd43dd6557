#pragma once

#include <span>

// One entry of the category menu: its caption and the category list it
// offers. The list id is also the entry's picture in the menu's image list,
// so the category button shows the list's own picture.
struct TCategoryMenuEntry {
    const char* Caption;
    int CategoryListId;
};

constexpr int CategoryMenuCount = 26;

// The 26 entries in menu order.
std::span<const TCategoryMenuEntry> CategoryMenu();

// The `CategoryListId` offered by a menu entry; -1 for an entry outside the menu.
int CategoryMenuMap(int AMenuEntry);
