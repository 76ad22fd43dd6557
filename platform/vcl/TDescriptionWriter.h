#pragma once

#include "platform/vcl/TDescription.h"

#include <string>

// Writes a description tree in the text form the reader parses; a tree read
// from text written here comes back equal, and canonical text is reproduced
// byte for byte.
class TDescriptionWriter {
public:
    static std::string Write(const TDescObject& Root);
    static std::string QuoteString(const std::string& Value);
};
