#pragma once

#include "platform/base/Color.h"
#include "platform/base/Types.h"

#include <cstdint>
#include <string>

class TCanvas;

// Text with a soft shadow, a glow halo or a fading mirror image, drawn onto a
// canvas with the canvas's own font. The effect is rendered as a mask into a
// temporary alpha bitmap (the text in pure red, blurred, red becoming alpha),
// given the effect colour and blended onto the canvas; then the text itself
// is drawn on top with a clear brush. Flags are DrawText formats, R is in
// canvas coordinates.

// The blurred text in ShadowColor moved by (Offset, Offset), then the text.
void DrawBlurShadowText(TCanvas* Canvas, const TRect& R, const std::string& Text, uint32_t Flags, int Offset,
                        TColor ShadowColor, int Radius);
// The same; returns the height DrawText gives for the text.
int DrawBlurShadowTextW(TCanvas* Canvas, const TRect& R, const std::string& Text, uint32_t Flags, int Offset,
                        TColor ShadowColor, int Radius);
// As the shadow, with the text stamped five times (centre and one pixel to
// each side) before blurring: a thicker halo.
void DrawBlurGlowText(TCanvas* Canvas, const TRect& R, const std::string& Text, uint32_t Flags, int Offset,
                      TColor GlowColor, int Radius);
// The caption halo: a red plate behind the text and nine stamps, blurred
// twice with radius 6 in a 12-pixel margin. Returns the text height.
int DrawVistaGlowText(TCanvas* Canvas, const TRect& R, const std::string& Text, uint32_t Flags,
                      TColor GlowColor);
// The text, and below it an upside-down copy in Color fading out downward,
// starting Offset pixels below the text's bottom.
void DrawReflectionText(TCanvas* Canvas, const TRect& R, const std::string& Text, uint32_t Flags, int Offset,
                        TColor Color);
void DrawReflectionTextW(TCanvas* Canvas, const TRect& R, const std::string& Text, uint32_t Flags, int Offset,
                         TColor Color);
