#include "platform/gdi/FontMatch.h"

#include "platform/base/SysUtils.h"
#include "platform/gdi/GdiObjects.h"

#include <fontconfig/fontconfig.h>

#include <map>

namespace {

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

TFontMatch FromPattern(FcPattern* p, bool bold, bool italic) {
    TFontMatch m;
    FcChar8* s = nullptr;
    if (FcPatternGetString(p, FC_FILE, 0, &s) == FcResultMatch) m.File = reinterpret_cast<char*>(s);
    if (FcPatternGetString(p, FC_FAMILY, 0, &s) == FcResultMatch) m.Family = reinterpret_cast<char*>(s);
    int v = 0;
    if (FcPatternGetInteger(p, FC_INDEX, 0, &v) == FcResultMatch) m.Index = v;
    int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(p, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(p, FC_SLANT, 0, &slant);
    // fontconfig's own synthesis rules may already have marked the match as
    // bold or slanted (embolden, matrix); the face itself decides.
    FcBool embolden = FcFalse;
    FcPatternGetBool(p, FC_EMBOLDEN, 0, &embolden);
    FcMatrix* matrix = nullptr;
    bool slanted = FcPatternGetMatrix(p, FC_MATRIX, 0, &matrix) == FcResultMatch && matrix && matrix->xy != 0;
    m.SynthBold = bold && (weight < FC_WEIGHT_DEMIBOLD || embolden);
    m.SynthItalic = italic && (slant == FC_SLANT_ROMAN || slanted);
    return m;
}

void EnsureInit() {
    static bool done = [] { return FcInit() == FcTrue; }();
    (void)done;
}

} // namespace

std::recursive_mutex& FontMutex() {
    static auto* m = new std::recursive_mutex; // lives as long as the process: fonts may be used at exit
    return *m;
}

std::string SubstituteFontName(std::string_view name) {
    static const std::pair<const char*, const char*> kTable[] = {
        {"Arial", "Liberation Sans"},
        {"Tahoma", "DejaVu Sans"},
        {"MS Sans Serif", "DejaVu Sans"},
        {"MS Shell Dlg", "DejaVu Sans"},
        {"MS Shell Dlg 2", "DejaVu Sans"},
        {"宋体", "Noto Sans CJK SC"},
        {"SimSun", "Noto Sans CJK SC"},
        {"新宋体", "Noto Sans CJK SC"},
        {"NSimSun", "Noto Sans CJK SC"},
        {"微软雅黑", "Noto Sans CJK SC"},
        {"Microsoft YaHei", "Noto Sans CJK SC"},
    };
    std::string n = Trim(name);
    if (n.empty()) return "DejaVu Sans";
    for (auto& [from, to] : kTable)
        if (SameText(n, from)) return to;
    return n;
}

TFontMatch MatchFont(std::string_view name, bool bold, bool italic, Byte charset) {
    std::lock_guard lock(FontMutex());
    EnsureInit();
    Pattern pat(FcPatternCreate());
    std::string family = SubstituteFontName(name);
    FcPatternAddString(pat.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pat.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pat.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pat.get(), FC_SCALABLE, FcTrue);
    if (charset == GB2312_CHARSET)
        FcPatternAddString(pat.get(), FC_LANG, reinterpret_cast<const FcChar8*>("zh-cn"));
    if (charset == CHINESEBIG5_CHARSET)
        FcPatternAddString(pat.get(), FC_LANG, reinterpret_cast<const FcChar8*>("zh-tw"));
    FcConfigSubstitute(nullptr, pat.get(), FcMatchPattern);
    FcDefaultSubstitute(pat.get());
    FcResult result;
    Pattern match(FcFontMatch(nullptr, pat.get(), &result));
    if (!match) return {};
    return FromPattern(match.get(), bold, italic);
}

std::optional<TFontMatch> MatchFontForChar(char32_t ch) {
    std::lock_guard lock(FontMutex());
    static auto* cache = new std::map<char32_t, std::optional<TFontMatch>>;
    if (auto it = cache->find(ch); it != cache->end()) return it->second;
    EnsureInit();
    std::optional<TFontMatch> found;
    Pattern pat(FcPatternCreate());
    FcCharSet* cs = FcCharSetCreate();
    FcCharSetAddChar(cs, FcChar32(ch));
    FcPatternAddCharSet(pat.get(), FC_CHARSET, cs);
    FcCharSetDestroy(cs);
    FcPatternAddString(pat.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
    FcPatternAddBool(pat.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pat.get(), FcMatchPattern);
    FcDefaultSubstitute(pat.get());
    FcResult result;
    FcFontSet* set = FcFontSort(nullptr, pat.get(), FcTrue, nullptr, &result);
    if (set) {
        for (int i = 0; i < set->nfont && !found; ++i) {
            FcCharSet* fcs = nullptr;
            if (FcPatternGetCharSet(set->fonts[i], FC_CHARSET, 0, &fcs) == FcResultMatch &&
                FcCharSetHasChar(fcs, FcChar32(ch))) {
                Pattern full(FcFontRenderPrepare(nullptr, pat.get(), set->fonts[i]));
                if (full) found = FromPattern(full.get(), false, false);
            }
        }
        FcFontSetDestroy(set);
    }
    (*cache)[ch] = found;
    return found;
}
