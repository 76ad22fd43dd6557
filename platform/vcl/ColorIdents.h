#pragma once

#include "platform/base/Color.h"
#include "platform/vcl/TDescription.h"

#include <optional>
#include <string>
#include <string_view>

// Colours in descriptions: the named colours as identifiers ("clBtnFace"),
// any other value as an integer.
std::optional<std::string> ColorToIdent(TColor Color);
std::optional<TColor> IdentToColor(std::string_view Ident);
TDescValue ColorToDesc(TColor Color);
TColor ColorFromDesc(const TDescValue& Value); // EConvertError on a bad value
