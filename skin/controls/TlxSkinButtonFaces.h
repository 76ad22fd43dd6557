#pragma once

#include "platform/base/Color.h"
#include "platform/base/Types.h"
#include "platform/gdi/TFont.h"
#include "skin/engine/SkinSizing.h"
#include "skin/engine/SkinTypes.h"

#include <functional>
#include <string>

class TBitmap;
class TCanvas;
class TlxDataSkinButtonControl;
class TObject;

// The owner-drawing callback of the buttons: R is the content rectangle;
// clearing DrawDefault leaves the content to the handler.
using TlxButtonPaintEvent = std::function<void(TObject* Sender, TCanvas* Cnvs, const TRect& R, bool ADown,
                                               bool AMouseIn, bool& DrawDefault)>;

// Which of the five looks a button shows; decided from the button's state in
// one place (Look) and read by both drawing routines.
enum class TlxButtonLook { Normal, Hot, Focused, Pressed, Disabled, HotAfterFade };

// What the push button and the speed button copy from a button description:
// the caption fonts, the state images, the cross-fade and the frame
// animation, and the menu markers of the buttons with a drop-down part; and
// the steps both take on them. A button holds these as fields of its own.
class TlxSkinButtonFaces {
protected:
    // Copies D, with the fall-backs: no hot image is the normal one
    // (SkinRect), no pressed image the hot one, no hot or pressed marker the
    // one before it; a disabled caption colour equal to the normal one is
    // grey. An animation without frames is none.
    void CopyFaces(const TlxDataSkinButtonControl& D, const TRect& SkinRect);
    // Frame N (1-based) of the animation strip: side by side when SkinRect is
    // narrower than the strip, else one below the other.
    TRect AnimationFrame(const TRect& SkinRect, int N) const;
    // The caption colour of a state; the font's own without UseSkinFontColor.
    TColor CaptionColor(bool Enabled, bool UseSkinFontColor, const TFont& Default, bool IsDown,
                        bool IsActive) const;

    // The glyph frame of a state: 3 pressed, 4 hot, 2 disabled, else 1, as
    // far as the strip has them.
    static int GlyphFrame(bool IsDown, bool IsActive, bool Enabled, int NumGlyphs);
    // One 20 ms step of a cross-fade toward Target (0 or 1), 0.2 at a time;
    // true when it arrived (Kf is then exactly the target).
    static bool MorphTowards(double& Kf, double Target);
    // The background of a state image into B: rectangle R of P grown by the
    // skin's sizing (Sized) when the button keeps the skin's size, else
    // fitted to B by the resize mode. Returns the content rectangle.
    static TRect DrawFaceBackground(TBitmap& B, TBitmap* P, const TRect& R, bool KeepsSkinSize,
                                    const TlxSkinGeometry& G, const TlxSkinSize& Sized);
    // The client rectangle of a button of W x H that does not keep the
    // skin's size: ClRect grown by the size difference.
    static TRect GrownClient(const TlxSkinGeometry& G, int W, int H);
    // Normal faded into Hot at Kf by MorphKind, drawn at (0, 0).
    void DrawMorphed(TCanvas& C, const TBitmap& Normal, const TBitmap& Hot, double Kf) const;

    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight = 0;
    TColor FontColor = clBtnText, ActiveFontColor = clBtnText, DownFontColor = clBtnText;
    TColor DisabledFontColor = clBtnShadow;
    TRect ActiveSkinRect, DownSkinRect, DisabledSkinRect, AnimateSkinRect;
    int FrameCount = 0, AnimateInterval = 0;
    bool Morphing = false;
    TlxMorphKind MorphKind = mkDefault;
    TRect MenuMarkerFlatRect, MenuMarkerRect, MenuMarkerActiveRect, MenuMarkerDownRect;
    TColor MenuMarkerTransparentColor = clNone;
};
