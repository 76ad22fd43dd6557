#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Text helpers of the option setters.
namespace EngineText {

std::string Trim(std::string_view s);
std::string LowerCase(std::string_view s);
bool StartsWith(std::string_view s, std::string_view prefix);
bool SameText(std::string_view a, std::string_view b);

// Whole-text conversions; text that is not a number raises EConvertError.
int StrToInt(const std::string& s);
int64_t StrToInt64(const std::string& s);
double StrToFloat(const std::string& s);

// Reads a number as strtol with base 0 does (decimal, 0x hex, leading 0 octal)
// from position pos; pos moves past it. False when no digit was read.
bool ReadCNumber(std::string_view s, size_t& pos, long& value);

// printf into a std::string.
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

} // namespace EngineText
