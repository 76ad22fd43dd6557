#pragma once

#include "platform/base/Types.h"
#include "platform/gdi/Gdi.h"
#include "skin/engine/SkinTypes.h"

class TBitmap;
class TlxDataSkinCustomControl;

// The one place where a skin description grows to a size. Every skinned
// control, the box frame and the tab body size their descriptions here, and
// `skintool render` draws through it, so the tool shows what a control paints.
//
// Use: take the geometry of a description (TlxSkinGeometry::Of), grow it to
// the size asked for (CalcSkinSize, which also snaps fixed dimensions back to
// the skin rectangle), then build the image (CreateSkinControlImage) and, for
// a description with a mask picture, the window region
// (CreateSkinControlRgn) from that result. All three are stateless.

// How a description grows, decided by its corner points.
enum class TlxResizeMode {
    None = -1,      // empty skin rectangle: nothing is drawn
    Fixed = 0,      // the size of the skin rectangle
    Both = 1,       // nine parts, free in both directions
    Horizontal = 2, // three parts, width free, height fixed
    Vertical = 3,   // three parts, height free, width fixed
};

// What a description says about growing. The corner points and ClRect are
// relative to the top-left corner of SkinRect (see SkinImages.h).
struct TlxSkinGeometry {
    TRect SkinRect;
    TPoint LTPt, RTPt, LBPt, RBPt;
    TRect ClRect;
    bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
    bool StretchEffect = false;
    TlxStretchType StretchType = lxstFull;

    static TlxSkinGeometry Of(const TlxDataSkinCustomControl& Description);

    // None for an empty skin rectangle; Both when both coordinates of RBPt are
    // non-zero; else Horizontal when RTPt has a non-zero coordinate; else
    // Vertical when LBPt has one; else Fixed.
    TlxResizeMode ResizeMode() const;
};

// A geometry grown to one size.
struct TlxSkinSize {
    TlxResizeMode ResizeMode = TlxResizeMode::None;
    // The size the control takes: the size asked for, with the fixed
    // dimensions of the mode replaced by the skin rectangle's.
    int Width = 0, Height = 0;
    // The corner points and the client rectangle in the control's
    // coordinates: the right points and the client's right edge move by the
    // growth in width, the bottom ones by the growth in height.
    TPoint NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint;
    TRect NewClRect;
};

// Grows G to Width x Height. With ResizeMode None the size stays and the new
// geometry is the skin's own.
TlxSkinSize CalcSkinSize(const TlxSkinGeometry& G, int Width, int Height);

// G at Width x Height with only the width free, whatever its mode (a framed
// label that does not take the skin's size): the right points and the
// client's right edge move by the growth in width, nothing moves down, and
// the size stays as asked. ResizeMode None as in CalcSkinSize.
TlxSkinSize CalcSkinSizeFreeWidth(const TlxSkinGeometry& G, int Width, int Height);

// Rectangle R of the skin (relative to SkinRect's top-left) placed on a
// control of Width x Height: the part of the skin R lies in decides whether it
// stays, moves with the right (bottom) edge or grows with the control. With
// ResizeMode Both the corner areas decide: R wholly in one corner moves with
// it; else its two corners, first match wins: left-top and right-bottom grow
// both ways, left-top and right-top grow in width, left-bottom and
// right-bottom grow in width and move down, left-top and left-bottom grow in
// height, right-top and right-bottom move right and grow in height. A strip
// grows R when it spans the free middle and moves it when it lies past it.
// Fixed and None leave R as it is.
TRect MapSkinRect(const TlxSkinGeometry& G, int Width, int Height, const TRect& R);

// The image of rectangle R of Picture at the size S (R is SkinRect or a
// state rectangle of the same geometry), into B: Fixed copies R (B the size
// of R); Both builds the nine-part image with the client drawn (B S.Width x
// S.Height); Horizontal and Vertical build the three-part strip whose ends
// are the parts before LTPt and after RTPt (LBPt). ResizeMode None leaves B
// as it is.
void CreateSkinControlImage(const TlxSkinGeometry& G, const TlxSkinSize& S, TBitmap* Picture, const TRect& R,
                            TBitmap& B);

// The window region of the control at the size S from its mask picture (the
// mask covers the skin rectangle): Fixed takes the mask's black pixels as
// they are; the other modes grow the mask with the image. Null without a
// mask, for ResizeMode None, and where CreateSkinRgn gives none. The caller
// owns the region.
HRGN CreateSkinControlRgn(const TlxSkinGeometry& G, const TlxSkinSize& S, TBitmap* Mask);
