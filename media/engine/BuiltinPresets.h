#pragma once

#include <string>
#include <vector>

// A named list of option lines ("name=value", separated by line feeds).
struct TOptionsPreset {
    std::string Name;
    std::string Value;
};

// The 36 built-in presets, in table order.
const std::vector<TOptionsPreset>& BuiltinPresets();
