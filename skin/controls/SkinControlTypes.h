#pragma once

// Enumerations of the skinned controls' properties.

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
