#pragma once

#include <string_view>
#include <vector>

// The pieces of text between separators, empty ones included ("a;;b" gives
// "a", "", "b"; "" gives one empty piece). The views point into text.
inline std::vector<std::string_view> SplitText(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    for (;;) {
        size_t end = text.find(separator);
        pieces.push_back(text.substr(0, end));
        if (end == std::string_view::npos) return pieces;
        text.remove_prefix(end + 1);
    }
}
