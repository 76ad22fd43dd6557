#pragma once

#include "SkinPainter.h"

#include <span>

// What sets one skin apart: its palette, the roundness and gloss of its
// shapes, the weight of its glyphs and its font. Everything else is drawn
// from these by the same routines, so spacing and sizes agree in every skin.
struct TSkinDefinition {
    const char* Name;        // file and folder name
    const char* DisplayName; // shown in the skin selection
    const char* Description;

    TRgb Face;       // form and control surfaces
    TRgb Window;     // edit, list and menu backgrounds
    TRgb Text;       // text on Face and on buttons
    TRgb WindowText; // text on Window
    TRgb Accent;     // selection, focus and hot marks
    TRgb AccentText; // text on Accent
    TRgb ButtonTop, ButtonBottom, ButtonBorder;
    TRgb CaptionTop, CaptionBottom, CaptionText; // the active frame's caption bar
    TRgb FrameBorder;

    int Radius;         // corner radius of buttons, edits and boxes
    double Gloss;       // 0 (flat) to 1 (glassy upper half)
    double GlyphWeight; // stroke width of arrows and marks
    const char* Font;
    int FontHeight;
};

std::span<const TSkinDefinition> SkinDefinitions();
