#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "media/task/TInputOptions.h"
#include "media/task/TOutputOptions.h"

// One "name=value" line of an ExtOptions text.
struct TExtOption {
    std::string Name;
    std::string Value;
    bool operator==(const TExtOption&) const = default;
};

// Splits an ExtOptions text into its lines: blanks and control characters
// are cut from both ends of the whole text; CR LF, CR, LF and the literal
// "<CRLF>" separate lines; the name is the text before the first "=", the
// value the rest (no "=": empty value); neither is trimmed. Lines whose name
// is blank are dropped.
std::vector<TExtOption> ParseExtOptions(std::string_view AText);

// Lower-cases the letters A to Z only.
std::string LowerAscii(std::string_view AText);

// A decimal 64-bit integer, or AV_NOPTS_VALUE when the text is no number.
int64_t ExtOptionTime(std::string_view AText);

// The text forms of AddTask / AddInputFile and SetOutputFile: a record set
// to its not-set values, with "TimeStart" (inputs), "Hook", "CustomHook",
// "Join", "TimeStart", "TimeLength" (outputs) taken into fields and every
// other line kept in ExtOptions.
TInputOptions InputOptionsFromText(std::string_view AText);
TOutputOptions OutputOptionsFromText(std::string_view AText);
