#pragma once

#include "skin/dialogs/shell/TShellItem.h"

class TBitmap;
class TMimeDatabase;

// The pictures the shell views show beside their items, drawn in code at 16
// and 32 pixels: 32-bit bitmaps with straight alpha (transparent around the
// shape, so the bottom-left pixel is transparent too).
enum class TShellIcon {
    siPlaces,
    siComputer,
    siFixedDrive,
    siRemovableDrive,
    siOpticalDrive,
    siNetworkDrive,
    siFolder,
    siOpenFolder,
    siFile,
    siVideo,
    siAudio,
    siImage,
    siText,
};
using enum TShellIcon;
constexpr int ShellIconCount = static_cast<int>(TShellIcon::siText) + 1;

// The icon at 16 or 32 pixels (any other size gets the nearer of the two).
// Drawn on first use and kept; GUI thread only.
const TBitmap& ShellIconBitmap(TShellIcon icon, int size);

// The icon of an item: places, the computer and the volume kinds their own,
// folders the folder (open: the open folder), files by the media part of
// their MIME type, else by their extension.
TShellIcon ShellIconOf(const TShellItem& item, const TMimeDatabase* types, bool open = false);
