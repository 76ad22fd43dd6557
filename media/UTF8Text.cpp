#include "media/UTF8Text.h"

#include <cstdint>

std::string ValidUTF8(std::string_view text) {
    static constexpr char Replacement[] = "\xEF\xBF\xBD";
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        auto c = static_cast<uint8_t>(text[i]);
        size_t len = 0;
        uint32_t min = 0, cp = 0;
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            len = 2, min = 0x80, cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3, min = 0x800, cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4, min = 0x10000, cp = c & 0x07;
        }
        bool ok = len != 0 && i + len <= n;
        for (size_t k = 1; ok && k < len; ++k) {
            auto cc = static_cast<uint8_t>(text[i + k]);
            if ((cc & 0xC0) != 0x80)
                ok = false;
            else
                cp = (cp << 6) | (cc & 0x3F);
        }
        if (ok && (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))) ok = false;
        if (ok) {
            out.append(text.substr(i, len));
            i += len;
        } else {
            out += Replacement;
            ++i;
        }
    }
    return out;
}
