#include "skin/dialogs/filectrl/FileCtrlGlyphs.h"

#include "platform/gdi/TBitmap.h"

#include <array>
#include <cstdint>

namespace {

// '.' is the transparent key; the others name opaque colours (0xRRGGBB).
uint32_t PixelOf(char c) {
    switch (c) {
    case '#':
        return 0x000000;
    case 'd':
        return 0x404040;
    case 's':
        return 0x808080;
    case 'l':
        return 0xC0C0C0;
    case 'w':
        return 0xFFFFFF;
    case 'y':
        return 0xF0C850;
    case 'Y':
        return 0xC89628;
    case 'b':
        return 0x3060C0;
    case 'g':
        return 0x20A040;
    case 'r':
        return 0xD03020;
    default:
        return 0xFF00FF;
    }
}

struct TGlyphArt {
    std::string_view Name;
    std::array<std::string_view, 16> Rows;
    int Height;
};

// clang-format off
constexpr TGlyphArt kGlyphs[] = {
    {"LX_FLOPPY", {
        "................",
        ".##############.",
        ".#dd#wwwwww#dd#.",
        ".#dd#wwwwww#dd#.",
        ".#dd#wwwwww#dd#.",
        ".#dd#wwwwww#dd#.",
        ".#dd########dd#.",
        ".#dddddddddddd#.",
        ".#dd########dd#.",
        ".#dd#ll##ll#dd#.",
        ".#dd#ll##ll#dd#.",
        ".#dd#ll##ll#dd#.",
        ".#dd#llllll#dd#.",
        ".##############.",
        "................",
        "................"}, 16},
    {"LX_HARD", {
        "................",
        "................",
        "................",
        "................",
        "..############..",
        ".#llllllllllll#.",
        ".#lwwwwwwwwwwl#.",
        ".#llllllllllll#.",
        ".#ssssssssssss#.",
        ".#ssssssssgsds#.",
        ".#ssssssssssss#.",
        ".##############.",
        "................",
        "................",
        "................",
        "................"}, 16},
    {"LX_NETWORK", {
        "................",
        "..############..",
        ".#llllllllllll#.",
        ".#lwwwwwwwwwwl#.",
        ".#ssssssssssss#.",
        ".#ssssssssgsds#.",
        ".##############.",
        ".......##.......",
        ".......##.......",
        ".......##.......",
        "..############..",
        "..#..........#..",
        ".###........###.",
        ".#b#........#b#.",
        ".###........###.",
        "................"}, 16},
    {"LX_CDROM", {
        "................",
        ".....######.....",
        "...##llllll##...",
        "..#lllwwwllll#..",
        ".#lllwwwlllll#..",
        ".#llwwwlllllll#.",
        "#lllll###lllll#.",
        "#lllll#.#lllll#.",
        "#lllll###lllll#.",
        ".#lllllllllll#..",
        ".#llllllllsss#..",
        "..#llllllsss#...",
        "...##llllll##...",
        ".....######.....",
        "................",
        "................"}, 16},
    {"LX_RAM", {
        "................",
        ".##############.",
        ".#gggggggggggg#.",
        ".#g##g##g##g#g#.",
        ".#g##g##g##g#g#.",
        ".#gggggggggggg#.",
        ".##############.",
        "..Y.Y.Y.Y.Y.Y...",
        "..Y.Y.Y.Y.Y.Y...",
        "................",
        "................"}, 11},
    {"LX_OPENFOLDER", {
        "................",
        "................",
        ".#####..........",
        "#yyyyy#.........",
        "#yyyyyy######...",
        "#yyyyyyyyyyy#...",
        "#yyy#########...",
        "#yy#YYYYYYYYY#..",
        "#y#YYYYYYYYY#...",
        "#y#YYYYYYYYY#...",
        "##YYYYYYYYY#....",
        "##YYYYYYYYY#....",
        "###########.....",
        "................",
        "................"}, 15},
    {"LX_CLOSEDFOLDER", {
        "................",
        "................",
        ".#####..........",
        "#yyyyy#.........",
        "#yyyyyy#######..",
        "#YYYYYYYYYYYYY#.",
        "#yyyyyyyyyyyyy#.",
        "#yyyyyyyyyyyyy#.",
        "#yyyyyyyyyyyyy#.",
        "#yyyyyyyyyyyyy#.",
        "#yyyyyyyyyyyyy#.",
        "#yyyyyyyyyyyyy#.",
        "###############.",
        "................",
        "................"}, 15},
    {"LX_CURRENTFOLDER", {
        "................",
        "................",
        ".#####..........",
        "#yyyyy#.........",
        "#yyyyyy######...",
        "#yyyyyyyyyyy#...",
        "#yyy#########...",
        "#yy#YYYYYYYYY#..",
        "#y#YYYrrrYYY#...",
        "#y#YYrrrrrYY#...",
        "##YYYYrrrYY#....",
        "##YYYYYYYYY#....",
        "###########.....",
        "................",
        "................"}, 15},
    {"LX_NEWFOLDER", {
        "................",
        "..........g.....",
        "......g..ggg..g.",
        ".......g.ggg.g..",
        ".#####..ggggg...",
        "#yyyyy#ggg.ggg..",
        "#yyyyyy#ggggg#..",
        "#YYYYYYYYggg#Y#.",
        "#yyyyyyyyygyyy#.",
        "#yyyyyyyyyyyyy#.",
        "#yyyyyyyyyyyyy#.",
        "#yyyyyyyyyyyyy#.",
        "#yyyyyyyyyyyyy#.",
        "###############.",
        "................",
        "................"}, 16},
};
// clang-format on

} // namespace

bool LoadFileCtrlGlyph(std::string_view Name, TBitmap& Glyph) {
    for (const TGlyphArt& art : kGlyphs) {
        if (art.Name != Name) continue;
        TBitmap b(16, art.Height);
        b.SetPixelFormat(pf24bit);
        for (int y = 0; y < art.Height; ++y) {
            uint32_t* row = b.ScanLine(y);
            for (int x = 0; x < 16; ++x)
                row[x] = 0xFF000000u | PixelOf(art.Rows[y][x]);
        }
        Glyph.Assign(b);
        return true;
    }
    return false;
}
