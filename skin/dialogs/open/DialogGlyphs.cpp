#include "skin/dialogs/open/DialogGlyphs.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/dialogs/filectrl/FileCtrlGlyphs.h"

namespace {

constexpr TColor Key = 0xFF00FF;
constexpr TColor Ink = 0x202020;
constexpr TColor Green = 0x30A040;
constexpr TColor Blue = 0xC06030;

void Fill(TCanvas& C, TColor Colour, const TRect& R) {
    C.Brush()->SetColor(Colour);
    C.FillRect(R);
}

void Line(TCanvas& C, TColor Colour, int X1, int Y1, int X2, int Y2) {
    C.Pen()->SetColor(Colour);
    C.MoveTo(X1, Y1);
    C.LineTo(X2, Y2);
}

// An arrow of rows growing from the tip, then a shaft.
void ArrowLeft(TCanvas& C) {
    for (int i = 0; i < 6; ++i)
        Line(C, Green, 2 + i, 8 - i, 2 + i, 9 + i);
    Fill(C, Green, {8, 6, 14, 11});
}

void ArrowUp(TCanvas& C) {
    for (int i = 0; i < 6; ++i)
        Line(C, Green, 8 - i, 2 + i, 9 + i, 2 + i);
    Fill(C, Green, {6, 8, 11, 14});
}

void ListStyle(TCanvas& C) {
    for (int y = 2; y < 14; y += 4) {
        Fill(C, Blue, {2, y, 5, y + 3});
        Fill(C, Ink, {7, y + 1, 14, y + 2});
    }
}

void Stretch(TCanvas& C) {
    Fill(C, Ink, {1, 1, 15, 2});
    Fill(C, Ink, {1, 14, 15, 15});
    Fill(C, Ink, {1, 1, 2, 15});
    Fill(C, Ink, {14, 1, 15, 15});
    Line(C, Blue, 4, 4, 12, 12);
    Line(C, Blue, 11, 4, 3, 12);
    for (auto [x, y] : {std::pair{4, 4}, std::pair{10, 4}, std::pair{4, 10}, std::pair{10, 10}})
        Fill(C, Blue, {x, y, x + 2, y + 2});
}

// A folder with a spark at its top right corner.
void NewFolder(TCanvas& C) {
    Fill(C, 0x30A0E0, {1, 5, 13, 14});
    Fill(C, 0x2878B0, {1, 4, 6, 5});
    Line(C, 0x1E5A84, 1, 14, 13, 14);
    Line(C, Green, 12, 0, 12, 7);
    Line(C, Green, 9, 3, 16, 3);
}

} // namespace

bool LoadDialogGlyph(std::string_view Name, TBitmap& Glyph) {
    void (*draw)(TCanvas&) = nullptr;
    if (Name == "LX_BACK") draw = ArrowLeft;
    if (Name == "LX_UP") draw = ArrowUp;
    if (Name == "LX_LVSTYLE") draw = ListStyle;
    if (Name == "LX_STRETCH") draw = Stretch;
    if (Name == "LX_NEWFOLDER") draw = NewFolder;
    if (!draw) return LoadFileCtrlGlyph(Name, Glyph);
    TBitmap b(16, 16);
    b.SetPixelFormat(pf24bit);
    Fill(*b.Canvas(), Key, {0, 0, 16, 16});
    draw(*b.Canvas());
    Glyph.Assign(b);
    return true;
}
