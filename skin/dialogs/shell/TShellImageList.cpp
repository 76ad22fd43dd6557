#include "skin/dialogs/shell/TShellImageList.h"

#include "skin/dialogs/shell/ShellViewContext.h"

TShellImageList::TShellImageList(TComponent* AOwner, int Size) : TCustomImageList(AOwner) {
    SetWidth(Size);
    SetHeight(Size);
    for (int i = 0; i < ShellIconCount; ++i)
        Add(&ShellIconBitmap(static_cast<TShellIcon>(i), Size), nullptr);
}

int TShellImageList::IndexOf(const TShellItem& Item, bool Open) {
    return static_cast<int>(ShellIconOf(Item, &ShellMimeDatabase(), Open));
}
