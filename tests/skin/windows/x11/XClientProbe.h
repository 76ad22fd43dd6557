#pragma once

#include "platform/base/Types.h"

#include <vector>

struct _XDisplay;

// What another client of the display sees and sends, kept apart from the
// framework's headers (Xlib's names clash with them).

// The bounding shape of window Id as the server holds it.
std::vector<TRect> BoundingShape(_XDisplay* Display, unsigned long Id);
// The window manager's close request (WM_DELETE_WINDOW) sent to window Id.
void SendCloseRequest(_XDisplay* Display, unsigned long Id);
// X errors our window system has seen so far.
unsigned long WindowSystemXErrors();
