#pragma once

#include "platform/base/Types.h"

// 0x00BBGGRR; 0xFF000000 plus an index names a system colour.
using TColor = int32_t;

constexpr TColor RGB(Byte r, Byte g, Byte b) {
    return TColor(r | (g << 8) | (b << 16));
}
constexpr Byte GetRValue(TColor c) {
    return Byte(c & 0xFF);
}
constexpr Byte GetGValue(TColor c) {
    return Byte((c >> 8) & 0xFF);
}
constexpr Byte GetBValue(TColor c) {
    return Byte((c >> 16) & 0xFF);
}

constexpr TColor clSystemColor = TColor(0xFF000000);
constexpr TColor SystemColor(int index) {
    return TColor(0xFF000000u | Cardinal(index));
}

constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clActiveBorder = SystemColor(10);
constexpr TColor clInactiveBorder = SystemColor(11);
constexpr TColor clAppWorkSpace = SystemColor(12);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);
constexpr TColor clHotLight = SystemColor(26);
constexpr TColor clGradientActiveCaption = SystemColor(27);
constexpr TColor clGradientInactiveCaption = SystemColor(28);
constexpr TColor clMenuHighlight = SystemColor(29);
constexpr TColor clMenuBar = SystemColor(30);

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// The plain RGB value of a colour: system colours from the fixed table, other
// values with the high byte cleared.
TColor ColorToRGB(TColor color);

// The system colour table entry for an index (COLOR_BTNFACE is 15); black for unknown indexes.
TColor GetSysColor(int index);

// The skin engine's 32-bit pixel 0xAARRGGBB of an RGB colour.
inline Cardinal ColorToPixel(TColor c, Byte alpha = 255) {
    c = ColorToRGB(c);
    return (Cardinal(alpha) << 24) | (Cardinal(GetRValue(c)) << 16) | (Cardinal(GetGValue(c)) << 8) |
           GetBValue(c);
}
inline TColor PixelToColor(Cardinal p) {
    return RGB(Byte(p >> 16), Byte(p >> 8), Byte(p));
}
