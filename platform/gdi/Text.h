#pragma once

// Text output on device contexts: fonts through fontconfig and FreeType,
// grayscale anti-aliasing blended in the text colour. Text is UTF-8.

#include "platform/base/Types.h"
#include "platform/gdi/TDeviceContext.h"

#include <cstdint>
#include <string_view>

enum : uint32_t { ETO_OPAQUE = 0x0002, ETO_CLIPPED = 0x0004 };

// DrawText formats with their Windows numbers.
enum : uint32_t {
    DT_TOP = 0x0000,
    DT_LEFT = 0x0000,
    DT_CENTER = 0x0001,
    DT_RIGHT = 0x0002,
    DT_VCENTER = 0x0004,
    DT_BOTTOM = 0x0008,
    DT_WORDBREAK = 0x0010,
    DT_SINGLELINE = 0x0020,
    DT_EXPANDTABS = 0x0040,
    DT_TABSTOP = 0x0080,
    DT_NOCLIP = 0x0100,
    DT_EXTERNALLEADING = 0x0200,
    DT_CALCRECT = 0x0400,
    DT_NOPREFIX = 0x0800,
    DT_INTERNAL = 0x1000,
    DT_EDITCONTROL = 0x2000,
    DT_PATH_ELLIPSIS = 0x4000,
    DT_END_ELLIPSIS = 0x8000,
    DT_MODIFYSTRING = 0x10000,
    DT_RTLREADING = 0x20000,
    DT_WORD_ELLIPSIS = 0x40000,
    DT_NOFULLWIDTHCHARBREAK = 0x80000,
    DT_HIDEPREFIX = 0x100000,
    DT_PREFIXONLY = 0x200000,
};

struct TEXTMETRIC {
    int tmHeight = 0; // ascent + descent: the cell height
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0; // cell height minus the character height
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
    int tmWeight = 0;
    int tmOverhang = 0;
    Byte tmItalic = 0;
    Byte tmUnderlined = 0;
    Byte tmStruckOut = 0;
    Byte tmCharSet = 0;
};

// Draws text with its cell's top-left at (x, y) in the context's font and
// text colour; with the OPAQUE background mode the cell is first filled with
// the background colour.
bool TextOut(HDC dc, int x, int y, std::string_view text);
// ETO_CLIPPED clips to rect, ETO_OPAQUE fills rect with the background colour first.
bool ExtTextOut(HDC dc, int x, int y, uint32_t options, const TRect* rect, std::string_view text);
// The width and height (the cell height) of one line of text.
TSize GetTextExtent(HDC dc, std::string_view text);
bool GetTextExtentPoint32(HDC dc, std::string_view text, TSize* size);
bool GetTextMetrics(HDC dc, TEXTMETRIC* tm);

// Text in a rectangle, lines split at line breaks (and with DT_WORDBREAK at
// spaces). DT_VCENTER and DT_BOTTOM work only with DT_SINGLELINE. Without
// DT_NOPREFIX "&" underlines the next character and "&&" draws "&".
// DT_CALCRECT draws nothing and sets rect's right and bottom to the text's
// extent (the widest line). DT_EXPANDTABS uses stops every 8 average
// character widths. DT_END_ELLIPSIS and DT_PATH_ELLIPSIS cut lines that do
// not fit with "..." (at the end; in the middle of the last path part).
// Returns the height of the text.
int DrawText(HDC dc, std::string_view text, TRect& rect, uint32_t format);

// Text with tab stops: up to 10 positions relative to tabOrigin (more are
// ignored); no positions: stops every 8 average character widths; one: stops
// every that many pixels. Returns the extent drawn.
TSize TabbedTextOut(HDC dc, int x, int y, std::string_view text, int tabCount, const int* tabs,
                    int tabOrigin);
TSize GetTabbedTextExtent(HDC dc, std::string_view text, int tabCount, const int* tabs);
