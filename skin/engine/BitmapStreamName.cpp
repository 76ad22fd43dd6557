#include "skin/engine/BitmapStreamName.h"

#include "platform/base/Exception.h"
#include "platform/base/Stream.h"
#include "platform/base/Utf8.h"

#include <cstdint>
#include <vector>

std::string ReadBitmapStreamName(TStream& Stream) {
    int32_t n = 0;
    Stream.ReadBuffer(&n, 4);
    if (n < 0 || int64_t(n) * 2 > Stream.Size() - Stream.Position()) throw EReadError("Stream read error");
    std::vector<uint16_t> units(static_cast<size_t>(n));
    if (n > 0) Stream.ReadBuffer(units.data(), int64_t(n) * 2);
    std::u32string text;
    for (size_t i = 0; i < units.size(); ++i) {
        char32_t c = units[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = 0xFFFD;
        text.push_back(c);
    }
    return Utf8Encode(text);
}

void WriteBitmapStreamName(TStream& Stream, const std::string& Name) {
    std::vector<uint16_t> units;
    for (char32_t c : Utf8Decode(Name)) {
        if (c >= 0x10000) {
            c -= 0x10000;
            units.push_back(uint16_t(0xD800 + (c >> 10)));
            units.push_back(uint16_t(0xDC00 + (c & 0x3FF)));
        } else {
            units.push_back(uint16_t(c));
        }
    }
    int32_t n = int32_t(units.size());
    Stream.WriteBuffer(&n, 4);
    if (n > 0) Stream.WriteBuffer(units.data(), int64_t(n) * 2);
}
