#include "media/engine/EngineText.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "platform/base/Exception.h"

namespace EngineText {

std::string Trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ')
        --e;
    return std::string(s.substr(b, e - b));
}

std::string LowerCase(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

bool SameText(std::string_view a, std::string_view b) {
    return LowerCase(a) == LowerCase(b);
}

namespace {

[[noreturn]] void NotInteger(const std::string& s) {
    throw EConvertError("'" + s + "' is not a valid integer value");
}

} // namespace

int64_t StrToInt64(const std::string& s) {
    if (s.empty() || isspace(static_cast<unsigned char>(s[0]))) NotInteger(s);
    errno = 0;
    char* end = nullptr;
    long long v = strtoll(s.c_str(), &end, 10);
    if (end == s.c_str() || *end != '\0' || errno == ERANGE) NotInteger(s);
    return v;
}

int StrToInt(const std::string& s) {
    int64_t v = StrToInt64(s);
    if (v < INT_MIN || v > INT_MAX) NotInteger(s);
    return static_cast<int>(v);
}

double StrToFloat(const std::string& s) {
    // A leading blank is refused as StrToInt refuses it; strtod would skip it.
    if (s.empty() || isspace(static_cast<unsigned char>(s[0])))
        throw EConvertError("'" + s + "' is not a valid floating point value");
    // LC_NUMERIC stays "C" process-wide, so strtod reads a dot.
    char* end = nullptr;
    const double v = strtod(s.c_str(), &end);
    if (end == s.c_str() || *end != '\0')
        throw EConvertError("'" + s + "' is not a valid floating point value");
    return v;
}

bool ReadCNumber(std::string_view s, size_t& pos, long& value) {
    std::string rest(s.substr(pos < s.size() ? pos : s.size()));
    char* end = nullptr;
    errno = 0;
    value = strtol(rest.c_str(), &end, 0);
    if (end == rest.c_str()) {
        value = 0;
        return false;
    }
    pos += static_cast<size_t>(end - rest.c_str());
    return true;
}

std::string Format(const char* fmt, ...) {
    va_list ap, ap2;
    va_start(ap, fmt);
    va_copy(ap2, ap);
    int n = vsnprintf(nullptr, 0, fmt, ap);
    va_end(ap);
    std::string r(n > 0 ? static_cast<size_t>(n) : 0, '\0');
    if (n > 0) vsnprintf(r.data(), r.size() + 1, fmt, ap2);
    va_end(ap2);
    return r;
}

} // namespace EngineText
