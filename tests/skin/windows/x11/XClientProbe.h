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
// A compositing manager's stand-in: a window of Display that owns the
// screen's compositing selection; freeing it ends compositing.
unsigned long StartFakeCompositor(_XDisplay* Display);
void StopFakeCompositor(_XDisplay* Display, unsigned long Id);
// The viewable children of the root window, bottom first.
std::vector<unsigned long> ViewableRootStack(_XDisplay* Display);
// The bit depth of window Id.
int WindowDepth(_XDisplay* Display, unsigned long Id);
// A plain window of Display mapped and raised above all others at R.
unsigned long MapRaisedWindow(_XDisplay* Display, const TRect& R);
