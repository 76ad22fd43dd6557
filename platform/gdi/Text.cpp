#include "platform/gdi/Text.h"

bool TextOut(HDC, int, int, std::string_view) { return false; }
bool ExtTextOut(HDC, int, int, uint32_t, const TRect*, std::string_view) { return false; }
TSize GetTextExtent(HDC, std::string_view) { return {}; }
bool GetTextExtentPoint32(HDC, std::string_view, TSize*) { return false; }
bool GetTextMetrics(HDC, TEXTMETRIC*) { return false; }
int DrawText(HDC, std::string_view, TRect&, uint32_t) { return 0; }
TSize TabbedTextOut(HDC, int, int, std::string_view, int, const int*, int) { return {}; }
TSize GetTabbedTextExtent(HDC, std::string_view, int, const int*) { return {}; }
