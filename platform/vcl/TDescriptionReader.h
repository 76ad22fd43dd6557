#pragma once

#include "platform/base/Exception.h"
#include "platform/vcl/TDescription.h"

#include <string>
#include <string_view>

// A fault in a form description; the message starts with "Line N: ".
class EDescriptionError : public EReadError {
public:
    EDescriptionError(int ALine, const std::string& AMessage);
    int Line() const { return FLine; }

private:
    int FLine;
};

// Parses the text form of a form description into its tree.
class TDescriptionReader {
public:
    static TDescObject Parse(std::string_view Text);
};
