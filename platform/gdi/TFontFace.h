#pragma once

#include "platform/gdi/FontMatch.h"
#include "platform/gdi/GdiObjects.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct FT_FaceRec_;

// A font resolved to a face and sized, with its glyphs cached. Rendering
// settings (fixed here, so pictures of text are stable): FreeType's default
// hinting for the face, grayscale anti-aliasing (FT_RENDER_MODE_NORMAL),
// embedded bitmaps off, advances rounded to whole pixels, no kerning.
//
// Sizes: a positive LOGFONT height is the cell (ascent plus descent, from the
// face's Windows ascent and descent, else its typographic ones) and the em
// size follows from it; a negative height is the em size (the character
// height). Bold and italic are synthesised when the face has none. A
// character the face lacks comes from a CJK face, else from any installed
// face that has it; only a character no face has shows the face's box.
class TFontFace {
public:
    // The shared face for a description (made on first use, kept for the process).
    static std::shared_ptr<TFontFace> Get(const LOGFONT& lf);
    ~TFontFace();
    TFontFace(const TFontFace&) = delete;
    TFontFace& operator=(const TFontFace&) = delete;

    struct Glyph {
        int Left = 0; // from the pen position to the bitmap's left edge
        int Top = 0;  // from the baseline up to the bitmap's top row
        int Width = 0;
        int Rows = 0;
        int Advance = 0;               // pixels
        bool Missing = false;          // no installed face has the character
        std::vector<uint8_t> Coverage; // Width * Rows, 0..255
    };
    // The glyph for a character, rendered on first use. The reference stays valid.
    const Glyph& GlyphFor(char32_t ch);
    // The sum of the advances of a UTF-8 text's characters.
    int TextWidth(std::string_view text);

    int Ascent() const { return FAscent; }
    int Descent() const { return FDescent; }
    int CellHeight() const { return FAscent + FDescent; }
    int InternalLeading() const { return FInternalLeading; }
    int AveCharWidth() const { return FAveCharWidth; }
    int MaxCharWidth() const { return FMaxCharWidth; }
    // Pixels below the baseline where the underline's top row is, and its thickness.
    int UnderlineOffset() const { return FUnderlineOffset; }
    int LineThickness() const { return FLineThickness; }
    // Pixels above the baseline of the strike-out line's top row.
    int StrikeOutOffset() const { return FStrikeOutOffset; }
    const LOGFONT& LogFont() const { return FLogFont; }
    const TFontMatch& Match() const { return FMatch; }

private:
    struct Face {
        FT_FaceRec_* FT = nullptr;
        bool SynthBold = false, SynthItalic = false;
    };
    TFontFace(const LOGFONT& lf);
    Face* Open(const TFontMatch& m);
    Face* FaceFor(char32_t ch, unsigned& glyphIndex);
    void Render(Face& face, unsigned glyphIndex, Glyph& g);

    LOGFONT FLogFont;
    TFontMatch FMatch;
    double FPixelSize = 12;
    std::vector<std::unique_ptr<Face>> FFaces; // [0] the primary
    std::unordered_map<std::string, Face*> FFaceByFile;
    std::unordered_map<char32_t, Glyph> FGlyphs;
    bool FTriedCjk = false;
    Face* FCjk = nullptr;
    int FAscent = 0, FDescent = 0, FInternalLeading = 0, FAveCharWidth = 0, FMaxCharWidth = 0;
    int FUnderlineOffset = 1, FLineThickness = 1, FStrikeOutOffset = 0;
};
