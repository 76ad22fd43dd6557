#include "PictureSet.h"

#include "AlphaPicture.h"
#include "Pictograms.h"

#include <cmath>

namespace {

struct TCategoryLook {
    int Id; // the category list id
    TPictogram Kind;
    TRgb Color;
};

// One look per entry of the category menu; the colour tells formats apart.
// clang-format off
constexpr TCategoryLook kCategories[] = {
    {0, TPictogram::Film, 0x3A6EA5},     {2, TPictogram::Film, 0x2F8F83},    {3, TPictogram::Film, 0x6A5AA8},
    {4, TPictogram::Flash, 0xC8553D},    {5, TPictogram::Tablet, 0x5B6B7C},  {6, TPictogram::Phone, 0x44546A},
    {7, TPictogram::Player, 0x7A8794},   {8, TPictogram::Console, 0x2B4C7E}, {9, TPictogram::Film, 0x4F8A3C},
    {10, TPictogram::Film, 0x8A6D3B},    {12, TPictogram::Film, 0x2C7BB6},   {13, TPictogram::Flash, 0xB23A48},
    {14, TPictogram::Disc, 0x5E4FA2},    {15, TPictogram::Monitor, 0x1F6F8B}, {17, TPictogram::Monitor, 0x3D5A80},
    {19, TPictogram::Console, 0x3B8D3B}, {20, TPictogram::Player, 0xA0522D}, {21, TPictogram::Camera, 0x5A5A66},
    {22, TPictogram::Film, 0x9C4A8B},    {24, TPictogram::Player, 0x6B8E23}, {25, TPictogram::Note, 0xD2691E},
    {26, TPictogram::Disc, 0x8B6F9E},    {27, TPictogram::Note, 0x2E86AB},   {29, TPictogram::Note, 0x7D5BA6},
    {31, TPictogram::Phone, 0x2A9D8F},   {32, TPictogram::Tablet, 0x35618F},
};
// clang-format on

// A rounded tile in the category's colour with its pictogram in white, at (X, Y).
void DrawCategoryTile(TSkinPainter& p, const TCategoryLook& Look, int X, int Y, int Size) {
    const int inset = Size / 16;
    TBoxStyle s;
    s.Top = Lighter(Look.Color, 0.25);
    s.Bottom = Darker(Look.Color, 0.15);
    s.Border = Darker(Look.Color, 0.35);
    s.Gloss = 0xFFFFFF;
    s.GlossAmount = 0.2;
    s.Radius = Size / 6;
    p.Box({X + inset, Y + inset, X + Size - inset, Y + Size - inset}, s);
    const double m = Size * 0.16;
    DrawPictogram(p, Look.Kind, X + m, Y + m, Size - 2 * m, 0xFFFFFF, Mix(s.Top, s.Bottom, 0.5));
}

TBitmap CategoryTile(const TCategoryLook& Look, int Size) {
    return AlphaPicture(Size, Size, [&](TSkinPainter& p) { DrawCategoryTile(p, Look, 0, 0, Size); });
}

// The empty file list: a dashed frame around a film with a plus badge, in the
// quiet grays of a list's background.
TBitmap ListPlaceholder() {
    const int w = 575, h = 227;
    return AlphaPicture(w, h, [&](TSkinPainter& p) {
        p.Fill({0, 0, w, h}, 0xFFFFFF);
        const TRgb dash = 0xB8C2CF;
        for (int x = 12; x < w - 12; x += 12) {
            p.Fill({x, 12, std::min(x + 6, w - 12), 14}, dash);
            p.Fill({x, h - 14, std::min(x + 6, w - 12), h - 12}, dash);
        }
        for (int y = 12; y < h - 12; y += 12) {
            p.Fill({12, y, 14, std::min(y + 6, h - 12)}, dash);
            p.Fill({w - 14, y, w - 12, std::min(y + 6, h - 12)}, dash);
        }
        const double size = 120, x = (w - size) / 2, y = (h - size) / 2;
        DrawPictogram(p, TPictogram::Film, x, y, size, 0xC9D1DC, 0xFFFFFF);
        p.Disc(x + size * 0.78, y + size * 0.74, 19, 0x8FB98F);
        p.Line(x + size * 0.78 - 10, y + size * 0.74, x + size * 0.78 + 10, y + size * 0.74, 5, 0xFFFFFF);
        p.Line(x + size * 0.78, y + size * 0.74 - 10, x + size * 0.78, y + size * 0.74 + 10, 5, 0xFFFFFF);
    });
}

// The link image: a globe, plain, lit under the mouse, and pressed.
TBitmap LinkPicture(TRgb Color, int Shift) {
    const int s = 20;
    return AlphaPicture(s, s, [&](TSkinPainter& p) {
        const double c = 10 + Shift;
        p.Disc(c, c, 8.5, Color);
        p.Line(c - 8, c, c + 8, c, 1.2, 0xFFFFFF);
        p.Line(c, c - 8, c, c + 8, 1.2, 0xFFFFFF);
        p.Ring(c, c, 4.2, 1.2, 0xFFFFFF);
    });
}

// The splash window's picture: a film turned into the pictograms of the
// devices it is converted for, over a deep blue.
TBitmap SplashPicture() {
    const int w = 518, h = 335;
    constexpr TCategoryLook devices[] = {
        {0, TPictogram::Phone, 0x2A9D8F},
        {0, TPictogram::Player, 0xA0522D},
        {0, TPictogram::Tablet, 0x35618F},
        {0, TPictogram::Disc, 0x5E4FA2},
    };
    return AlphaPicture(w, h, [&](TSkinPainter& p) {
        p.VerticalGradient({0, 0, w, h}, 0x2B5C8F, 0x102A46);
        p.Fill({0, h - 64, w, h - 63}, 0x4F7FAF);
        p.VerticalGradient({0, h - 63, w, h}, 0x18385A, 0x0C2036);
        DrawPictogram(p, TPictogram::Film, 44, 56, 150, 0xFFFFFF, 0x21496F);
        for (int i = 0; i < 3; ++i) {
            const double x = 222 + i * 26;
            p.Triangle(x, 104, x + 18, 131, x, 158, Mix(0x7FB2E5, 0xFFFFFF, i * 0.3));
        }
        for (int i = 0; i < 4; ++i)
            DrawCategoryTile(p, devices[i], 318 + (i % 2) * 82, 52 + (i / 2) * 82, 64);
        for (int i = 0; i < 5; ++i)
            p.Disc(w / 2 - 48 + i * 24, h - 32, 5, i == 0 ? 0xFFFFFF : 0x4F7FAF);
    });
}

// The preview panel's picture buttons: a round button with a white glyph,
// plain, lit under the mouse, and pressed (darker, one pixel down and right).
enum class TPreviewGlyph { Play, Pause, Stop, Mute, Unmute, Snapshot, Settings };

TBitmap PreviewButton(TPreviewGlyph Kind, TRgb Color, int Shift) {
    const int s = 26;
    return AlphaPicture(s, s, [&](TSkinPainter& p) {
        const double c = 12.5 + Shift;
        p.Disc(c, c, 12, Color);
        const TRgb ink = 0xFFFFFF;
        switch (Kind) {
        case TPreviewGlyph::Play:
            p.Triangle(c - 4, c - 6.5, c - 4, c + 6.5, c + 6.5, c, ink);
            break;
        case TPreviewGlyph::Pause:
            p.Line(c - 3, c - 6, c - 3, c + 6, 3, ink);
            p.Line(c + 3, c - 6, c + 3, c + 6, 3, ink);
            break;
        case TPreviewGlyph::Stop:
            for (double y = c - 5; y <= c + 5; y += 1)
                p.Line(c - 5, y, c + 5, y, 1.2, ink);
            break;
        case TPreviewGlyph::Mute:
        case TPreviewGlyph::Unmute:
            // A speaker; sounding waves beside it, or a cross when silenced.
            for (double y = c - 2.5; y <= c + 2.5; y += 1)
                p.Line(c - 7, y, c - 4, y, 1.2, ink);
            p.Triangle(c - 4.5, c - 2.5, c + 1, c - 7, c + 1, c + 7, ink);
            p.Triangle(c - 4.5, c - 2.5, c + 1, c + 7, c - 4.5, c + 2.5, ink);
            if (Kind == TPreviewGlyph::Mute) {
                p.Line(c + 3.5, c - 2.5, c + 3.5, c + 2.5, 1.3, ink);
                p.Line(c + 6.5, c - 5, c + 6.5, c + 5, 1.3, ink);
            } else {
                p.Line(c + 3, c - 3, c + 8, c + 3, 1.5, ink);
                p.Line(c + 3, c + 3, c + 8, c - 3, 1.5, ink);
            }
            break;
        case TPreviewGlyph::Snapshot:
            // A camera: body, viewfinder and lens.
            for (double y = c - 4; y <= c + 5; y += 1)
                p.Line(c - 7.5, y, c + 7.5, y, 1.2, ink);
            p.Line(c - 3, c - 5.5, c + 3, c - 5.5, 2, ink);
            p.Disc(c, c + 0.5, 3.6, Color);
            p.Disc(c, c + 0.5, 2, ink);
            break;
        case TPreviewGlyph::Settings:
            // A gear.
            for (int i = 0; i < 8; ++i) {
                const double a = i * 3.14159265358979 / 4;
                p.Line(c + 4 * std::cos(a), c + 4 * std::sin(a), c + 8 * std::cos(a), c + 8 * std::sin(a),
                       2.6, ink);
            }
            p.Disc(c, c, 5.5, ink);
            p.Disc(c, c, 2.4, Color);
            break;
        }
    });
}

} // namespace

std::vector<TNamedPicture> PictureSet() {
    std::vector<TNamedPicture> set;
    const std::pair<const char*, TToolGlyph> tools[] = {
        {"add", TToolGlyph::Add},       {"remove", TToolGlyph::Remove},   {"clear", TToolGlyph::Clear},
        {"skin", TToolGlyph::Skin},     {"website", TToolGlyph::WebSite}, {"options", TToolGlyph::Options},
        {"start", TToolGlyph::Start},   {"stop", TToolGlyph::Stop},       {"pause", TToolGlyph::Pause},
        {"resume", TToolGlyph::Resume},
    };
    for (const auto& [name, kind] : tools) {
        TBitmap glyph = AlphaPicture(32, 32, [kind](TSkinPainter& p) { DrawToolGlyph(p, kind, 32); });
        set.push_back({std::string("tool-") + name + "-disabled", DisabledPicture(glyph)});
        set.push_back({std::string("tool-") + name, std::move(glyph)});
    }
    set.push_back({"list-placeholder", ListPlaceholder()});
    for (const TCategoryLook& look : kCategories) {
        set.push_back({"category-" + std::to_string(look.Id), CategoryTile(look, 48)});
        set.push_back({"profile-" + std::to_string(look.Id), CategoryTile(look, 32)});
    }
    set.push_back({"link-normal", LinkPicture(0x2F74C0, 0)});
    set.push_back({"link-hot", LinkPicture(0x4A9BE8, 0)});
    set.push_back({"link-down", LinkPicture(0x1F5490, 1)});
    set.push_back({"splash", SplashPicture()});
    set.push_back({"about", CategoryTile({0, TPictogram::Film, 0x3A6EA5}, 64)});
    const std::pair<const char*, TPreviewGlyph> preview[] = {
        {"play", TPreviewGlyph::Play},         {"pause", TPreviewGlyph::Pause},
        {"stop", TPreviewGlyph::Stop},         {"mute", TPreviewGlyph::Mute},
        {"unmute", TPreviewGlyph::Unmute},     {"snapshot", TPreviewGlyph::Snapshot},
        {"settings", TPreviewGlyph::Settings},
    };
    for (const auto& [name, kind] : preview) {
        set.push_back({std::string("preview-") + name, PreviewButton(kind, 0x2F74C0, 0)});
        set.push_back({std::string("preview-") + name + "-hot", PreviewButton(kind, 0x4A9BE8, 0)});
        set.push_back({std::string("preview-") + name + "-down", PreviewButton(kind, 0x1F5490, 1)});
    }
    return set;
}
