#pragma once

#include "platform/vcl/TImageList.h"
#include "skin/dialogs/shell/ShellIcons.h"

// The shell views' pictures as an image list: image n is the TShellIcon of
// value n, at 16 or 32 pixels.
class TShellImageList : public TCustomImageList {
public:
    TShellImageList(TComponent* AOwner, int Size);

    // The image of an item (open: the open folder for folders).
    static int IndexOf(const TShellItem& Item, bool Open = false);
};
