#pragma once

#include "platform/base/Types.h"

#include <string>
#include <string_view>

// Small text helpers in the framework's names. Case rules are ASCII only.

std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);
std::string LowerCase(std::string_view s);
std::string UpperCase(std::string_view s);
// <0, 0, >0 comparing with ASCII case ignored.
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);

std::string IntToStr(Int64 value);
std::string IntToHex(UInt64 value, int digits);

// Decimal with an optional sign, or hexadecimal after "$" or "0x"; surrounding
// blanks allowed. False (and value untouched) for anything else or an overflow.
bool TryStrToInt(std::string_view s, int& value);
bool TryStrToInt64(std::string_view s, Int64& value);
// Raises EConvertError for text that is not an integer.
int StrToInt(std::string_view s);
int StrToIntDef(std::string_view s, int def);
Int64 StrToInt64Def(std::string_view s, Int64 def);
