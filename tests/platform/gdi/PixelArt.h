#pragma once

#include "platform/gdi/TBitmap.h"

#include <string>
#include <vector>

// Small pictures written as text, one character per pixel, for golden
// comparisons: '.' white, '#' black, 'r' red, 'g' green, 'b' blue, '?' anything else.
inline std::vector<std::string> PixelArt(const TBitmap& b) {
    std::vector<std::string> rows;
    for (int y = 0; y < b.Height(); ++y) {
        std::string row;
        for (int x = 0; x < b.Width(); ++x) {
            switch (b.ScanLine(y)[x] & 0xFFFFFF) {
            case 0xFFFFFF:
                row += '.';
                break;
            case 0x000000:
                row += '#';
                break;
            case 0xFF0000:
                row += 'r';
                break;
            case 0x00FF00:
                row += 'g';
                break;
            case 0x0000FF:
                row += 'b';
                break;
            default:
                row += '?';
                break;
            }
        }
        rows.push_back(row);
    }
    return rows;
}

// A bitmap whose pixels are read from text in the same letters.
inline TBitmap FromPixelArt(const std::vector<std::string>& rows) {
    TBitmap b(rows.empty() ? 0 : int(rows[0].size()), int(rows.size()));
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            uint32_t c = 0x808080;
            switch (rows[size_t(y)][size_t(x)]) {
            case '.':
                c = 0xFFFFFF;
                break;
            case '#':
                c = 0x000000;
                break;
            case 'r':
                c = 0xFF0000;
                break;
            case 'g':
                c = 0x00FF00;
                break;
            case 'b':
                c = 0x0000FF;
                break;
            }
            b.ScanLine(y)[x] = 0xFF000000u | c;
        }
    return b;
}
