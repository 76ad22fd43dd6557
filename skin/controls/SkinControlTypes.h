#pragma once

// Enumerations and small records of the skinned controls.

#include "platform/base/Types.h"

// The built-in frame of panels and framed labels; bvNone draws none.
enum TlxSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };

// Where the panel's caption image stands: before the text, or pinned left.
enum TlxImagePosition { lxipDefault, lxipLeft };

// Ellipses of the standard label: none, at the end, in the middle of a path.
enum TlxEllipsType { lxetNone, lxetEndEllips, lxetPathEllips };

// Ellipsis of the framed label.
enum TlxEllipsType2 { lxetNoneEllips, lxetEllips };

// The orientation of a scroll bar.
enum TScrollBarKind { sbHorizontal, sbVertical };

// A small button inside a control (an up-down arrow, a combo's drop-down
// button, a list caption button, an edit's image button): its rectangle, the
// pointer over it, pressed.
struct TlxCBButtonX {
    TRect R;
    bool MouseIn = false;
    bool Down = false;
};
