#pragma once

#include "platform/base/Alignment.h"
#include "platform/base/Types.h"
#include "platform/gdi/TFont.h"
#include "skin/engine/SkinTypes.h"

#include <string>
#include <string_view>

class TCustomIniFile;
class TStrings;

// The value syntax of skin description files: readers and writers of every
// kind of value a description holds. Word comparisons are exact.

// Splits at commas, keeps only the digits of each field and converts them.
// A field without digits, or a number of fields other than two (four), raises
// EConvertError and leaves the target unchanged.
void ParsePoint(std::string_view text, TPoint& p);
void ParseRect(std::string_view text, TRect& r);

// Rectangles and points read by these raise EConvertError naming the section
// and key (KeyPlace) before the reason.
void ReadRect(TCustomIniFile& ini, const std::string& section, const std::string& ident, TRect& r);
void ReadPoint(TCustomIniFile& ini, const std::string& section, const std::string& ident, TPoint& p);
bool ReadBoolean(TCustomIniFile& ini, const std::string& section, const std::string& ident);
TFontStyles ReadFontStyles(TCustomIniFile& ini, const std::string& section, const std::string& ident);
TAlignment ReadAlignment(TCustomIniFile& ini, const std::string& section, const std::string& ident);
// Appends the list's lines to strings (which is not cleared).
void ReadStrings(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                 TStrings& strings);

// Rectangles and points are written with non-negative coordinates only: a
// negative one would read back as its absolute value, so it raises ESkinError.
void WriteRect(TCustomIniFile& ini, const std::string& section, const std::string& ident, const TRect& r);
void WritePoint(TCustomIniFile& ini, const std::string& section, const std::string& ident, const TPoint& p);
void WriteBoolean(TCustomIniFile& ini, const std::string& section, const std::string& ident, bool flag);
void WriteFontStyles(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                     TFontStyles styles);
void WriteAlignment(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                    TAlignment alignment);
void WriteStrings(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                  const TStrings& strings);

// The enumerations of the descriptions, read with their file default and
// fall-back rules, written as their words.
TlxMorphKind ReadMorphKind(TCustomIniFile& ini, const std::string& section, const std::string& ident);
TlxStretchType ReadStretchType(TCustomIniFile& ini, const std::string& section, const std::string& ident);
TlxInActiveEffect ReadInActiveEffect(TCustomIniFile& ini, const std::string& section,
                                     const std::string& ident);
TlxStdCommand ReadStdCommand(TCustomIniFile& ini, const std::string& section, const std::string& ident);

// "[SECTION] key: ", the start of every message about one value.
std::string KeyPlace(std::string_view section, std::string_view ident);

// The texts of values as the writers write them.
std::string RectText(const TRect& r);
std::string PointText(const TPoint& p);
std::string FontStylesText(TFontStyles styles);
const char* AlignmentWord(TAlignment alignment);
const char* MorphKindWord(TlxMorphKind kind);
const char* StretchTypeWord(TlxStretchType type);
const char* InActiveEffectWord(TlxInActiveEffect effect);
const char* StdCommandWord(TlxStdCommand command);

// The word readings alone (value present).
TFontStyles FontStylesFromText(std::string_view text);
TAlignment AlignmentFromText(std::string_view text);
TlxMorphKind MorphKindFromText(std::string_view text);
TlxStretchType StretchTypeFromText(std::string_view text);
TlxInActiveEffect InActiveEffectFromText(std::string_view text);
TlxStdCommand StdCommandFromText(std::string_view text);
