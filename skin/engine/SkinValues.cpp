#include "skin/engine/SkinValues.h"

#include "platform/base/Exception.h"
#include "platform/base/IniFile.h"
#include "platform/base/Strings.h"
#include "platform/base/SysUtils.h"
#include "skin/engine/SkinError.h"

#include <array>
#include <vector>

namespace {

// Every field keeps only its digits; the count of fields must be exact.
std::vector<int> ParseFields(std::string_view text, size_t count) {
    std::vector<std::string> fields(1);
    for (char c : text) {
        if (c == ',')
            fields.emplace_back();
        else if (c >= '0' && c <= '9')
            fields.back() += c;
    }
    if (fields.size() != count)
        throw EConvertError("'" + std::string(text) + "' does not hold " + std::to_string(count) +
                            " comma-separated numbers");
    std::vector<int> values;
    for (const std::string& f : fields) {
        int v = 0;
        if (f.empty() || !TryStrToInt(f, v)) throw EConvertError("'" + f + "' is not a valid integer value");
        values.push_back(v);
    }
    return values;
}

constexpr std::array<const char*, 4> StyleWords{"fsbold", "fsitalic", "fsunderline", "fsstrikeout"};
constexpr std::array<TFontStyle, 4> Styles{fsBold, fsItalic, fsUnderline, fsStrikeOut};
constexpr std::array<const char*, 7> MorphWords{
    "mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient", "mkleftslide", "mkrightslide", "mkpush"};
constexpr std::array<const char*, 6> EffectWords{"iebrightness", "iedarkness",  "iegrayscale",
                                                 "ienoise",      "iesplitblur", "ieinvert"};
constexpr std::array<const char*, 7> CommandWords{"cmclose",   "cmmaximize", "cmminimize",      "cmsysmenu",
                                                  "cmdefault", "cmrollup",   "cmminimizetotray"};

void RequireNonNegative(const std::string& section, const std::string& ident,
                        std::initializer_list<int> values) {
    for (int v : values)
        if (v < 0)
            throw ESkinError(KeyPlace(section, ident) + "negative coordinates cannot be stored in a skin");
}

} // namespace

void ParsePoint(std::string_view text, TPoint& p) {
    std::vector<int> v = ParseFields(text, 2);
    p = {v[0], v[1]};
}

void ParseRect(std::string_view text, TRect& r) {
    std::vector<int> v = ParseFields(text, 4);
    r = {v[0], v[1], v[2], v[3]};
}

void ReadRect(TCustomIniFile& ini, const std::string& section, const std::string& ident, TRect& r) {
    try {
        ParseRect(ini.ReadString(section, ident, "0,0,0,0"), r);
    } catch (EConvertError& e) {
        e.SetMessage(KeyPlace(section, ident) + e.Message());
        throw;
    }
}

void ReadPoint(TCustomIniFile& ini, const std::string& section, const std::string& ident, TPoint& p) {
    try {
        ParsePoint(ini.ReadString(section, ident, "0,0"), p);
    } catch (EConvertError& e) {
        e.SetMessage(KeyPlace(section, ident) + e.Message());
        throw;
    }
}

std::string KeyPlace(std::string_view section, std::string_view ident) {
    return "[" + std::string(section) + "] " + std::string(ident) + ": ";
}

bool ReadBoolean(TCustomIniFile& ini, const std::string& section, const std::string& ident) {
    return ini.ReadInteger(section, ident, 0) == 1;
}

TFontStyles FontStylesFromText(std::string_view text) {
    TFontStyles styles;
    for (size_t i = 0; i < Styles.size(); ++i)
        if (text.find(StyleWords[i]) != std::string_view::npos) styles.Include(Styles[i]);
    return styles;
}

TFontStyles ReadFontStyles(TCustomIniFile& ini, const std::string& section, const std::string& ident) {
    return FontStylesFromText(ini.ReadString(section, ident, ""));
}

TAlignment AlignmentFromText(std::string_view text) {
    if (text == "tacenter") return taCenter;
    if (text == "taleftjustify") return taLeftJustify;
    return taRightJustify;
}

TAlignment ReadAlignment(TCustomIniFile& ini, const std::string& section, const std::string& ident) {
    return AlignmentFromText(ini.ReadString(section, ident, "tacenter"));
}

void ReadStrings(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                 TStrings& strings) {
    int n = ini.ReadInteger(section, ident + "count", 0);
    for (int i = 0; i < n; ++i)
        strings.Add(ini.ReadString(section, std::to_string(i), ""));
}

std::string RectText(const TRect& r) {
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
           std::to_string(r.Bottom);
}

std::string PointText(const TPoint& p) {
    return std::to_string(p.X) + "," + std::to_string(p.Y);
}

std::string FontStylesText(TFontStyles styles) {
    std::string text;
    for (size_t i = 0; i < Styles.size(); ++i) {
        if (!styles.Contains(Styles[i])) continue;
        if (!text.empty()) text += ",";
        text += StyleWords[i];
    }
    return text;
}

const char* AlignmentWord(TAlignment alignment) {
    switch (alignment) {
    case taLeftJustify:
        return "taleftjustify";
    case taRightJustify:
        return "tarightjustify";
    default:
        return "tacenter";
    }
}

void WriteRect(TCustomIniFile& ini, const std::string& section, const std::string& ident, const TRect& r) {
    RequireNonNegative(section, ident, {r.Left, r.Top, r.Right, r.Bottom});
    ini.WriteString(section, ident, RectText(r));
}

void WritePoint(TCustomIniFile& ini, const std::string& section, const std::string& ident, const TPoint& p) {
    RequireNonNegative(section, ident, {p.X, p.Y});
    ini.WriteString(section, ident, PointText(p));
}

void WriteBoolean(TCustomIniFile& ini, const std::string& section, const std::string& ident, bool flag) {
    ini.WriteInteger(section, ident, flag ? 1 : 0);
}

void WriteFontStyles(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                     TFontStyles styles) {
    ini.WriteString(section, ident, FontStylesText(styles));
}

void WriteAlignment(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                    TAlignment alignment) {
    ini.WriteString(section, ident, AlignmentWord(alignment));
}

void WriteStrings(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                  const TStrings& strings) {
    ini.WriteInteger(section, ident + "count", strings.Count());
    for (int i = 0; i < strings.Count(); ++i)
        ini.WriteString(section, std::to_string(i), strings[i]);
}

TlxMorphKind MorphKindFromText(std::string_view text) {
    for (size_t i = 0; i < MorphWords.size(); ++i)
        if (text == MorphWords[i]) return static_cast<TlxMorphKind>(i);
    return mkDefault;
}

TlxStretchType StretchTypeFromText(std::string_view text) {
    if (text == "stfull") return lxstFull;
    if (text == "stvert") return lxstVert;
    return lxstHorz;
}

TlxInActiveEffect InActiveEffectFromText(std::string_view text) {
    for (size_t i = 0; i < EffectWords.size(); ++i)
        if (text == EffectWords[i]) return static_cast<TlxInActiveEffect>(i);
    return ieGrayScale;
}

// Only the first six words are compared; everything else, the seventh word
// included, is the tray command.
TlxStdCommand StdCommandFromText(std::string_view text) {
    for (size_t i = 0; i < 6; ++i)
        if (text == CommandWords[i]) return static_cast<TlxStdCommand>(i);
    return cmMinimizeToTray;
}

TlxMorphKind ReadMorphKind(TCustomIniFile& ini, const std::string& section, const std::string& ident) {
    return MorphKindFromText(ini.ReadString(section, ident, "mkdefault"));
}

TlxStretchType ReadStretchType(TCustomIniFile& ini, const std::string& section, const std::string& ident) {
    return StretchTypeFromText(ini.ReadString(section, ident, "stfull"));
}

TlxInActiveEffect ReadInActiveEffect(TCustomIniFile& ini, const std::string& section,
                                     const std::string& ident) {
    return InActiveEffectFromText(ini.ReadString(section, ident, "iebrightness"));
}

TlxStdCommand ReadStdCommand(TCustomIniFile& ini, const std::string& section, const std::string& ident) {
    return StdCommandFromText(ini.ReadString(section, ident, "cmdefault"));
}

const char* MorphKindWord(TlxMorphKind kind) {
    return MorphWords.at(static_cast<size_t>(kind));
}

const char* StretchTypeWord(TlxStretchType type) {
    switch (type) {
    case lxstHorz:
        return "sthorz";
    case lxstVert:
        return "stvert";
    default:
        return "stfull";
    }
}

const char* InActiveEffectWord(TlxInActiveEffect effect) {
    return EffectWords.at(static_cast<size_t>(effect));
}

const char* StdCommandWord(TlxStdCommand command) {
    return CommandWords.at(static_cast<size_t>(command));
}
