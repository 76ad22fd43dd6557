#pragma once

// Finding font files: our substitution list first, then fontconfig.

#include "platform/base/Types.h"

#include <mutex>
#include <optional>
#include <string>
#include <string_view>

struct TFontMatch {
    std::string File;
    int Index = 0;
    std::string Family;
    bool SynthBold = false;   // bold was asked for and the face is not bold
    bool SynthItalic = false; // italic was asked for and the face is upright
};

// The family the name stands for here: "Arial" is Liberation Sans, "Tahoma"
// and "MS Sans Serif" DejaVu Sans, the Chinese system fonts Noto Sans CJK SC;
// other names stay as they are (fontconfig knows more aliases); an empty
// name means DejaVu Sans. Names compare ignoring ASCII case.
std::string SubstituteFontName(std::string_view name);

// The best face of the family; the character set steers the language
// (GB2312 and Big5 prefer Chinese faces). Never fails while any font is installed.
TFontMatch MatchFont(std::string_view name, bool bold, bool italic, Byte charset);

// A face holding the character, if any installed face has it (cached per character).
std::optional<TFontMatch> MatchFontForChar(char32_t ch);

// Serialises every use of FreeType and fontconfig.
std::recursive_mutex& FontMutex();
