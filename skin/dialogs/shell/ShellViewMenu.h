#pragma once

#include <functional>

class TPopupMenu;
struct TShellItem;

// The context menu of the shell views: Open, Rename (F2), New Folder,
// Refresh, Move to Trash, with these commands behind them.
struct TShellViewCommands {
    std::function<void()> Open, Rename, NewFolder, Refresh, Trash;
};

// The menu's item names, for finding them: "ShellOpen", "ShellRename",
// "ShellNewFolder", "ShellRefresh", "ShellTrash".
void AddShellViewMenuItems(TPopupMenu* Menu, TShellViewCommands Commands);

// Enables what applies to Item (the selected item; the current folder for
// New Folder and Refresh): places and the computer cannot be renamed or
// trashed, and new folders go only into a real folder.
void UpdateShellViewMenu(TPopupMenu* Menu, const TShellItem* Item, const TShellItem* Current = nullptr);
