#include "platform/base/Utf8.h"

namespace {

bool IsCont(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Length and value of a well-formed sequence at pos, or 0 when malformed.
size_t Decode(std::string_view s, size_t pos, char32_t& cp) {
    unsigned char c = static_cast<unsigned char>(s[pos]);
    size_t n;
    char32_t min;
    if (c < 0x80) {
        cp = c;
        return 1;
    } else if ((c & 0xE0) == 0xC0) {
        n = 2;
        cp = c & 0x1F;
        min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        n = 3;
        cp = c & 0x0F;
        min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        n = 4;
        cp = c & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (pos + n > s.size()) return 0;
    for (size_t i = 1; i < n; ++i) {
        unsigned char d = static_cast<unsigned char>(s[pos + i]);
        if (!IsCont(d)) return 0;
        cp = (cp << 6) | (d & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

} // namespace

size_t Utf8SeqLength(std::string_view s, size_t pos) {
    if (pos >= s.size()) return 0;
    char32_t cp;
    size_t n = Decode(s, pos, cp);
    return n ? n : 1;
}

char32_t Utf8Next(std::string_view s, size_t& pos) {
    if (pos >= s.size()) return 0;
    char32_t cp;
    size_t n = Decode(s, pos, cp);
    if (!n) {
        ++pos;
        return 0xFFFD;
    }
    pos += n;
    return cp;
}

size_t Utf8Length(std::string_view s) {
    size_t count = 0;
    for (size_t pos = 0; pos < s.size(); pos += Utf8SeqLength(s, pos))
        ++count;
    return count;
}

size_t Utf8ByteOffset(std::string_view s, size_t index) {
    size_t pos = 0;
    while (index > 0 && pos < s.size()) {
        pos += Utf8SeqLength(s, pos);
        --index;
    }
    return pos;
}

std::string Utf8Copy(std::string_view s, size_t start, size_t count) {
    size_t from = Utf8ByteOffset(s, start);
    size_t to = from;
    while (count > 0 && to < s.size()) {
        to += Utf8SeqLength(s, to);
        --count;
    }
    return std::string(s.substr(from, to - from));
}

void Utf8Append(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

std::string Utf8Encode(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text)
        Utf8Append(out, c);
    return out;
}

std::u32string Utf8Decode(std::string_view s) {
    std::u32string out;
    size_t pos = 0;
    while (pos < s.size())
        out += Utf8Next(s, pos);
    return out;
}
