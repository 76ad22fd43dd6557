#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// UTF-8 text helpers. Characters are counted and cut as code points, never
// bytes. Malformed bytes count as one character each and decode to U+FFFD,
// so no helper reads past the text or loops forever.

// The byte length of the sequence starting at s[pos] (1 for a malformed or cut one).
size_t Utf8SeqLength(std::string_view s, size_t pos);

// Decodes the code point at s[pos] and moves pos past it.
char32_t Utf8Next(std::string_view s, size_t& pos);

// The number of code points.
size_t Utf8Length(std::string_view s);

// count code points from the 0-based code point index start (clamped to the text).
std::string Utf8Copy(std::string_view s, size_t start, size_t count = std::string::npos);

// The byte offset of the code point with the 0-based index (the text's size past the end).
size_t Utf8ByteOffset(std::string_view s, size_t index);

void Utf8Append(std::string& out, char32_t cp);
std::string Utf8Encode(std::u32string_view text);
std::u32string Utf8Decode(std::string_view s);

// Iterates code points: for (char32_t c : Utf8Chars(text)).
class Utf8Chars {
public:
    explicit Utf8Chars(std::string_view s) : FText(s) {}
    class iterator {
    public:
        iterator(std::string_view s, size_t pos) : FText(s), FPos(pos) {}
        char32_t operator*() const {
            size_t p = FPos;
            return Utf8Next(FText, p);
        }
        iterator& operator++() {
            FPos += Utf8SeqLength(FText, FPos);
            return *this;
        }
        bool operator!=(const iterator& o) const { return FPos != o.FPos; }
        size_t Offset() const { return FPos; }

    private:
        std::string_view FText;
        size_t FPos;
    };
    iterator begin() const { return {FText, 0}; }
    iterator end() const { return {FText, FText.size()}; }

private:
    std::string_view FText;
};
