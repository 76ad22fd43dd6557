#include "skin/dialogs/filectrl/FileMasks.h"

#include "skin/dialogs/filectrl/SplitText.h"

#include "platform/base/Utf8.h"

#include <string>

char32_t FoldFileNameChar(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + ('a' - 'A');
    // Latin-1, Greek and Cyrillic capitals: enough for file names, and cheap.
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||
        (c >= 0x410 && c <= 0x42F))
        return c + 0x20;
    return c;
}

namespace {

// A set "[...]" at mask[pos] (pos at "["). Sets matched and moves pos past
// the "]"; false when the mask has no closing "]".
bool MatchSet(std::u32string_view mask, size_t& pos, char32_t c, bool& matched) {
    size_t i = pos + 1;
    bool negate = i < mask.size() && (mask[i] == '!' || mask[i] == '^');
    if (negate) ++i;
    bool found = false;
    bool first = true;
    for (; i < mask.size() && (mask[i] != ']' || first); first = false) {
        char32_t lo = FoldFileNameChar(mask[i]);
        char32_t hi = lo;
        if (i + 2 < mask.size() && mask[i + 1] == '-' && mask[i + 2] != ']') {
            hi = FoldFileNameChar(mask[i + 2]);
            i += 3;
        } else {
            ++i;
        }
        if (c >= lo && c <= hi) found = true;
    }
    if (i >= mask.size()) return false;
    pos = i + 1;
    matched = found != negate;
    return true;
}

// Iterative matching with one backtrack point per "*": linear in practice and
// never recursive, so a hostile mask cannot exhaust the stack.
bool Match(std::u32string_view name, std::u32string_view mask) {
    size_t n = 0, m = 0;
    size_t starMask = std::u32string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size()) {
            char32_t mc = mask[m];
            if (mc == '*') {
                starMask = m++;
                starName = n;
                continue;
            }
            if (mc == '?') {
                ++m;
                ++n;
                continue;
            }
            if (mc == '[') {
                size_t next = m;
                bool matched = false;
                if (MatchSet(mask, next, FoldFileNameChar(name[n]), matched)) {
                    if (matched) {
                        m = next;
                        ++n;
                        continue;
                    }
                } else if (FoldFileNameChar(name[n]) == '[') {
                    ++m;
                    ++n;
                    continue;
                }
            } else if (FoldFileNameChar(mc) == FoldFileNameChar(name[n])) {
                ++m;
                ++n;
                continue;
            }
        }
        if (starMask == std::u32string_view::npos) return false;
        m = starMask + 1;
        n = ++starName;
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

} // namespace

bool MatchesMask(std::string_view name, std::string_view mask) {
    if (mask.empty()) return false;
    std::u32string n = Utf8Decode(name);
    std::u32string m = Utf8Decode(mask);
    if (Match(n, m)) return true;
    if (m.size() >= 2 && m.ends_with(U".*") && n.find(U'.') == std::u32string::npos)
        return Match(n, std::u32string_view(m).substr(0, m.size() - 2));
    return false;
}

bool MatchesMaskList(std::string_view name, std::string_view masks) {
    for (std::string_view mask : SplitText(masks, ';')) {
        while (!mask.empty() && mask.front() == ' ')
            mask.remove_prefix(1);
        while (!mask.empty() && mask.back() == ' ')
            mask.remove_suffix(1);
        if (!mask.empty() && MatchesMask(name, mask)) return true;
    }
    return false;
}
