#pragma once

#include "platform/base/Types.h"

class TCanvas;
class TControl;

// Paints what lies behind Control into Canvas, at Control's own coordinates:
// its parent's background (and, for a parent that is not a form, the
// parent's own painting), then the visible windowless siblings that come
// before Control among the parent's controls and overlap it, each clipped to
// its bounds. Parent and siblings see csPaintCopy while they paint. Nothing
// without a control or a parent.
void DrawParentImage(TControl* Control, TCanvas* Canvas);
// The same moved by (-R.Left, -R.Top): the background under R of the control
// lands at the canvas origin.
void DrawParentImageOffset(TControl* Control, const TRect& R, TCanvas* Canvas);
