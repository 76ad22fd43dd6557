#include "skin/dialogs/shell/ShellViewMenu.h"

#include "platform/vcl/TMenu.h"
#include "platform/win/WinConst.h"
#include "skin/dialogs/shell/ShellFileOps.h"
#include "skin/dialogs/shell/TShellItem.h"

namespace {

TMenuItem* Add(TPopupMenu* Menu, const char* Name, const char* Caption, std::function<void()> Command) {
    auto* item = new TMenuItem(Menu);
    item->SetName(Name);
    item->SetCaption(Caption);
    item->OnClick = [Command = std::move(Command)](TObject*) { Command(); };
    Menu->Items()->Add(item);
    return item;
}

TMenuItem* Find(TPopupMenu* Menu, const char* Name) {
    for (int i = 0; i < Menu->Items()->Count(); ++i)
        if (Menu->Items()->Items(i)->Name() == Name) return Menu->Items()->Items(i);
    return nullptr;
}

} // namespace

void AddShellViewMenuItems(TPopupMenu* Menu, TShellViewCommands Commands) {
    Add(Menu, "ShellOpen", "Open", std::move(Commands.Open));
    Add(Menu, "ShellRename", "Rename", std::move(Commands.Rename))->SetShortCut(VK_F2);
    Add(Menu, "ShellNewFolder", "New Folder", std::move(Commands.NewFolder));
    Add(Menu, "ShellRefresh", "Refresh", std::move(Commands.Refresh));
    Add(Menu, "", "-", [] {});
    Add(Menu, "ShellTrash", "Move to Trash", std::move(Commands.Trash));
}

void UpdateShellViewMenu(TPopupMenu* Menu, const TShellItem* Item, const TShellItem* Current) {
    const TShellItem* folder = Current ? Current : Item;
    const bool changeable = Item && CanRenameShellItem(*Item);
    if (TMenuItem* i = Find(Menu, "ShellOpen")) i->SetEnabled(Item != nullptr);
    if (TMenuItem* i = Find(Menu, "ShellRename")) i->SetEnabled(changeable);
    if (TMenuItem* i = Find(Menu, "ShellTrash")) i->SetEnabled(changeable);
    if (TMenuItem* i = Find(Menu, "ShellNewFolder")) i->SetEnabled(folder && folder->Kind == ikDirectory);
}
