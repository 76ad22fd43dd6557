#pragma once

#include <string>
#include <string_view>

// The text with every byte sequence that is not valid UTF-8 replaced by U+FFFD,
// so names and library messages can be shown whatever bytes they carry.
std::string ValidUTF8(std::string_view text);
