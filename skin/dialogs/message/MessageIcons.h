#pragma once

#include "platform/gdi/TBitmap.h"
#include "skin/dialogs/message/MessageDlgTypes.h"

// The size of a message box's type icon.
constexpr int MessageIconSize = 32;

// The type icon of a message box (warning, error, information, question),
// drawn by the program itself at 32 x 32 with straight alpha (pf32bit,
// afDefined); no icon theme is read. mtCustom has none (an empty bitmap).
// The same pixels on every call.
TBitmap MessageDialogIcon(TMsgDlgType Type);
