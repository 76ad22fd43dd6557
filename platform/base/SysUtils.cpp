#include "platform/base/SysUtils.h"

#include "platform/base/Exception.h"

#include <cctype>
#include <limits>

namespace {
bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}
char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}
char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}
} // namespace

std::string TrimLeft(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    return std::string(s.substr(i));
}

std::string TrimRight(std::string_view s) {
    size_t n = s.size();
    while (n > 0 && IsBlank(s[n - 1]))
        --n;
    return std::string(s.substr(0, n));
}

std::string Trim(std::string_view s) {
    size_t i = 0, n = s.size();
    while (i < n && IsBlank(s[i]))
        ++i;
    while (n > i && IsBlank(s[n - 1]))
        --n;
    return std::string(s.substr(i, n - i));
}

std::string LowerCase(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        c = Lower(c);
    return r;
}

std::string UpperCase(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        c = Upper(c);
    return r;
}

int CompareText(std::string_view a, std::string_view b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(Lower(a[i]));
        unsigned char y = static_cast<unsigned char>(Lower(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

std::string IntToStr(Int64 value) {
    return std::to_string(value);
}

std::string IntToHex(UInt64 value, int digits) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string r;
    do {
        r.insert(r.begin(), kHex[value & 15]);
        value >>= 4;
    } while (value);
    while (int(r.size()) < digits)
        r.insert(r.begin(), '0');
    return r;
}

bool TryStrToInt64(std::string_view text, Int64& value) {
    std::string s = Trim(text);
    size_t i = 0;
    bool neg = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) neg = s[i++] == '-';
    int base = 10;
    if (i < s.size() && s[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= s.size()) return false;
    UInt64 acc = 0;
    // Hexadecimal may fill all 64 bits (a colour written as $FF00000F); decimal stays signed.
    const UInt64 limit = base == 16 ? std::numeric_limits<UInt64>::max()
                                    : UInt64(std::numeric_limits<Int64>::max()) + (neg ? 1 : 0);
    for (; i < s.size(); ++i) {
        char c = s[i];
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return false;
        if (acc > (limit - d) / base) return false;
        acc = acc * base + d;
    }
    value = neg ? Int64(0 - acc) : Int64(acc);
    return true;
}

bool TryStrToInt(std::string_view s, int& value) {
    Int64 v;
    if (!TryStrToInt64(s, v)) return false;
    std::string t = Trim(s);
    bool hex = t.find('$') != std::string::npos || t.find('x') != std::string::npos ||
               t.find('X') != std::string::npos;
    // Hexadecimal text names the 32 bits (so $FFFFFFFF is -1), decimal must fit.
    if (hex && v >= 0 && v <= 0xFFFFFFFFLL) {
        value = int(uint32_t(v));
        return true;
    }
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return false;
    value = int(v);
    return true;
}

int StrToInt(std::string_view s) {
    int v;
    if (!TryStrToInt(s, v)) throw EConvertError("'" + std::string(s) + "' is not a valid integer value");
    return v;
}

int StrToIntDef(std::string_view s, int def) {
    int v;
    return TryStrToInt(s, v) ? v : def;
}

Int64 StrToInt64Def(std::string_view s, Int64 def) {
    Int64 v;
    return TryStrToInt64(s, v) ? v : def;
}
