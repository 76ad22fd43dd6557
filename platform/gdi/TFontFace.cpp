#include "platform/gdi/TFontFace.h"

#include "platform/base/Math.h"
#include "platform/base/SysUtils.h"
#include "platform/base/Utf8.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <cmath>
#include <map>
#include <tuple>

namespace {

FT_Library Library() {
    // Made once and kept for the process: faces may still be used while statics are destroyed.
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        FT_Init_FreeType(&l);
        return l;
    }();
    return lib;
}

constexpr FT_Int32 kLoadFlags = FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_NORMAL;

} // namespace

std::shared_ptr<TFontFace> TFontFace::Get(const LOGFONT& lf) {
    std::lock_guard lock(FontMutex());
    // Underline and strike-out are drawn from the face's own LOGFONT, so
    // they are part of the key.
    using Key = std::tuple<std::string, int, bool, bool, int, bool, bool>;
    static auto* cache = new std::map<Key, std::shared_ptr<TFontFace>>;
    Key key{LowerCase(lf.lfFaceName), lf.lfHeight,        lf.lfWeight >= 600, lf.lfItalic != 0, lf.lfCharSet,
            lf.lfUnderline != 0,      lf.lfStrikeOut != 0};
    auto& slot = (*cache)[key];
    if (!slot) slot = std::shared_ptr<TFontFace>(new TFontFace(lf));
    return slot;
}

TFontFace::TFontFace(const LOGFONT& lf) : FLogFont(lf) {
    FMatch = MatchFont(lf.lfFaceName, lf.lfWeight >= 600, lf.lfItalic != 0, lf.lfCharSet);
    Face* primary = Open(FMatch);
    if (!primary) {
        // An unreadable match: fall back to the default family so text still shows.
        FMatch = MatchFont("", lf.lfWeight >= 600, lf.lfItalic != 0, DEFAULT_CHARSET);
        primary = Open(FMatch);
    }
    double wa = 0, wd = 0, upem = 1000;
    FT_Face f = primary ? primary->FT : nullptr;
    const TT_OS2* os2 = nullptr;
    if (f) {
        upem = f->units_per_EM ? f->units_per_EM : 1000;
        os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
        if (os2 && os2->usWinAscent + os2->usWinDescent > 0) {
            wa = os2->usWinAscent;
            wd = os2->usWinDescent;
        } else {
            wa = f->ascender;
            wd = -f->descender;
        }
    }
    if (wa + wd <= 0) {
        wa = 0.8 * upem;
        wd = 0.2 * upem;
    }
    int h = lf.lfHeight == 0 ? -12 : lf.lfHeight;
    if (h > 0) {
        // Whole pixels per em, as hinting is made for.
        FPixelSize = std::max<double>(1, double(Round(h * upem / (wa + wd))));
        FAscent = int(Round(wa * h / (wa + wd)));
        FDescent = h - FAscent;
    } else {
        FPixelSize = -h;
        FAscent = int(Round(wa * FPixelSize / upem));
        FDescent = int(Round(wd * FPixelSize / upem));
    }
    FInternalLeading = std::max(0, CellHeight() - int(Round(FPixelSize)));
    const double scale = FPixelSize / upem;
    if (f) {
        FT_Set_Char_Size(f, 0, FT_F26Dot6(std::lround(FPixelSize * 64)), 72, 72);
        FMaxCharWidth = int(Round(f->max_advance_width * scale));
        FUnderlineOffset = std::max(1, int(Round(-f->underline_position * scale)));
        FLineThickness = std::max(1, int(Round(f->underline_thickness * scale)));
        FStrikeOutOffset =
            os2 && os2->yStrikeoutPosition > 0 ? int(Round(os2->yStrikeoutPosition * scale)) : FAscent / 3;
        if (os2 && os2->xAvgCharWidth > 0) FAveCharWidth = int(Round(os2->xAvgCharWidth * scale));
    }
    if (FUnderlineOffset + FLineThickness > FDescent)
        FUnderlineOffset = std::max(0, FDescent - FLineThickness);
    if (FAveCharWidth <= 0) FAveCharWidth = std::max(1, GlyphFor(U'x').Advance);
    if (primary && primary->SynthBold) FMaxCharWidth += 1;
}

TFontFace::~TFontFace() {
    std::lock_guard lock(FontMutex());
    for (auto& f : FFaces)
        if (f->FT) FT_Done_Face(f->FT);
}

TFontFace::Face* TFontFace::Open(const TFontMatch& m) {
    if (m.File.empty()) return nullptr;
    std::string key = m.File + "#" + std::to_string(m.Index);
    if (auto it = FFaceByFile.find(key); it != FFaceByFile.end()) return it->second;
    FT_Face ft = nullptr;
    Face* result = nullptr;
    if (FT_New_Face(Library(), m.File.c_str(), m.Index, &ft) == 0) {
        if (!FFaces.empty()) FT_Set_Char_Size(ft, 0, FT_F26Dot6(std::lround(FPixelSize * 64)), 72, 72);
        auto face = std::make_unique<Face>();
        face->FT = ft;
        const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2));
        const bool isBold = (ft->style_flags & FT_STYLE_FLAG_BOLD) || (os2 && os2->usWeightClass >= 600);
        const bool isItalic = (ft->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
        face->SynthBold = (m.SynthBold || FLogFont.lfWeight >= 600) && !isBold;
        face->SynthItalic = (m.SynthItalic || FLogFont.lfItalic) && !isItalic;
        result = face.get();
        FFaces.push_back(std::move(face));
    }
    FFaceByFile[key] = result;
    return result;
}

TFontFace::Face* TFontFace::FaceFor(char32_t ch, unsigned& glyphIndex) {
    Face* primary = FFaces.empty() ? nullptr : FFaces[0].get();
    if (primary && (glyphIndex = FT_Get_Char_Index(primary->FT, FT_ULong(ch))) != 0) return primary;
    const bool bold = FLogFont.lfWeight >= 600, italic = FLogFont.lfItalic != 0;
    if (!FTriedCjk) {
        FTriedCjk = true;
        TFontMatch m = MatchFont("Noto Sans CJK SC", bold, italic, GB2312_CHARSET);
        FCjk = Open(m);
    }
    if (FCjk && (glyphIndex = FT_Get_Char_Index(FCjk->FT, FT_ULong(ch))) != 0) return FCjk;
    if (auto m = MatchFontForChar(ch)) {
        m->SynthBold = bold;
        m->SynthItalic = italic;
        if (Face* f = Open(*m); f && (glyphIndex = FT_Get_Char_Index(f->FT, FT_ULong(ch))) != 0) return f;
    }
    glyphIndex = 0;
    return primary;
}

void TFontFace::Render(Face& face, unsigned glyphIndex, Glyph& g) {
    FT_Face f = face.FT;
    if (FT_Load_Glyph(f, glyphIndex, kLoadFlags) != 0) return;
    FT_GlyphSlot slot = f->glyph;
    if (face.SynthBold) FT_GlyphSlot_Embolden(slot);
    if (face.SynthItalic) FT_GlyphSlot_Oblique(slot);
    g.Advance = int((slot->advance.x + 32) >> 6);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return;
    const FT_Bitmap& bm = slot->bitmap;
    if (bm.pixel_mode != FT_PIXEL_MODE_GRAY) return;
    g.Left = slot->bitmap_left;
    g.Top = slot->bitmap_top;
    g.Width = int(bm.width);
    g.Rows = int(bm.rows);
    g.Coverage.resize(size_t(g.Width) * size_t(g.Rows));
    for (int y = 0; y < g.Rows; ++y) {
        const unsigned char* src = bm.pitch >= 0 ? bm.buffer + size_t(y) * size_t(bm.pitch)
                                                 : bm.buffer + size_t(g.Rows - 1 - y) * size_t(-bm.pitch);
        std::copy(src, src + g.Width, g.Coverage.begin() + long(size_t(y) * size_t(g.Width)));
    }
}

const TFontFace::Glyph& TFontFace::GlyphFor(char32_t ch) {
    std::lock_guard lock(FontMutex());
    if (auto it = FGlyphs.find(ch); it != FGlyphs.end()) return it->second;
    Glyph& g = FGlyphs[ch];
    if (ch == U'\r' || ch == U'\n') return g; // line breaks take no room
    if (ch == U'\t') {
        g.Advance = GlyphFor(U' ').Advance;
        return g;
    }
    unsigned index = 0;
    Face* face = FaceFor(ch, index);
    g.Missing = index == 0;
    if (face) Render(*face, index, g);
    return g;
}

int TFontFace::TextWidth(std::string_view text) {
    int w = 0;
    for (char32_t ch : Utf8Chars(text))
        w += GlyphFor(ch).Advance;
    return w;
}
