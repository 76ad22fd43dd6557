#pragma once

#include "platform/base/Types.h"

#include <string>

class TCanvas;

// Text helpers of the skinned controls; the canvas supplies the font and
// colours. Text is UTF-8; cutting counts code points. The "W" routines
// measure through DrawText (so "&" prefixes count as DrawText shows them),
// the plain ones through the canvas's TextWidth.

// DrawText of the whole text into R; returns the text height. With
// DT_CALCRECT R receives the measured size.
int DrawWideText(TCanvas* Canvas, const std::string& Text, TRect& R, uint32_t Flags);
// The width (the widest line) and the height of the text measured by DrawText.
int CalcTextWidthW(TCanvas* Canvas, const std::string& Text);
int CalcTextHeightW(TCanvas* Canvas, const std::string& Text);

// Shortens Text to fit Width: text that fits stays; otherwise characters go
// from its end until the rest followed by "..." fits, down to "..." alone.
void CutTextToWidthW(TCanvas* Canvas, std::string& Text, int Width);
void CutTextToWidth(TCanvas* Canvas, std::string& Text, int Width);

// One left-aligned line vertically centred in R; nothing for an empty caption.
void DrawTextVCenter(TCanvas* Canvas, const std::string& Caption, const TRect& R);
// TextRect of the caption 2 pixels from R's left edge (plus Offset),
// vertically centred by its text height; nothing for an empty caption.
void TextRectVCenter(TCanvas* Canvas, const std::string& Caption, const TRect& R);
void TextRectVCenterOffset(TCanvas* Canvas, const std::string& Caption, const TRect& R, int Offset);
