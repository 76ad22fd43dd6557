#include "tests/support/pictures/PixelArt.h"

const TPixelLegend& BasicPixelLegend() {
    static const TPixelLegend legend = {
        {'.', 0xFFFFFF}, {'#', 0x000000}, {'r', 0xFF0000}, {'g', 0x00FF00}, {'b', 0x0000FF}};
    return legend;
}

TPixelRows PixelArt(const TBitmap& b, const TPixelLegend& legend) {
    return PixelArt(b, TRect{0, 0, b.Width(), b.Height()}, legend);
}

TPixelRows PixelArt(const TBitmap& b, const TRect& area, const TPixelLegend& legend) {
    TPixelRows rows;
    for (int y = area.Top; y < area.Bottom; ++y) {
        std::string row;
        for (int x = area.Left; x < area.Right; ++x) {
            char letter = '?';
            for (const auto& [l, colour] : legend)
                if (PixelAt(b, x, y) == colour) {
                    letter = l;
                    break;
                }
            row += letter;
        }
        rows.push_back(row);
    }
    return rows;
}

TBitmap FromPixelArt(const TPixelRows& rows, const TPixelLegend& legend) {
    TBitmap b(rows.empty() ? 0 : int(rows[0].size()), int(rows.size()));
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            uint32_t colour = 0x808080;
            for (const auto& [l, c] : legend)
                if (l == rows[size_t(y)][size_t(x)]) {
                    colour = c;
                    break;
                }
            b.ScanLine(y)[x] = 0xFF000000u | colour;
        }
    return b;
}

std::string PixelArtSource(const TPixelRows& rows) {
    std::string s;
    for (const std::string& r : rows)
        s += "        \"" + r + "\",\n";
    return s;
}
