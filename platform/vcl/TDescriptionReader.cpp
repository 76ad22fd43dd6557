#include "platform/vcl/TDescriptionReader.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <limits>

EDescriptionError::EDescriptionError(int ALine, const std::string& AMessage)
    : EReadError("Line " + std::to_string(ALine) + ": " + AMessage), FLine(ALine) {}

namespace {

enum class TTok { End, Ident, Integer, Float, String, Symbol };

struct TToken {
    TTok Kind = TTok::End;
    std::string Text; // identifier, decoded string, or the symbol
    int64_t Integer = 0;
    double Float = 0;
    int Line = 1;
};

void AppendUtf8(std::string& Out, uint32_t Cp) {
    if (Cp < 0x80) {
        Out += static_cast<char>(Cp);
    } else if (Cp < 0x800) {
        Out += static_cast<char>(0xC0 | (Cp >> 6));
        Out += static_cast<char>(0x80 | (Cp & 0x3F));
    } else if (Cp < 0x10000) {
        Out += static_cast<char>(0xE0 | (Cp >> 12));
        Out += static_cast<char>(0x80 | ((Cp >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (Cp & 0x3F));
    } else {
        Out += static_cast<char>(0xF0 | (Cp >> 18));
        Out += static_cast<char>(0x80 | ((Cp >> 12) & 0x3F));
        Out += static_cast<char>(0x80 | ((Cp >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (Cp & 0x3F));
    }
}

bool IsIdentStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool IsIdentChar(char c) {
    return IsIdentStart(c) || std::isdigit(static_cast<unsigned char>(c));
}

class TParser {
public:
    explicit TParser(std::string_view Text) : FText(Text) { Next(); }

    TDescObject ParseRoot() {
        TDescObject root = ParseObject();
        if (FTok.Kind != TTok::End) Fail(FTok.Line, "text after the final \"end\"");
        return root;
    }

private:
    [[noreturn]] void Fail(int Line, const std::string& Message) { throw EDescriptionError(Line, Message); }

    char Peek(size_t Ahead = 0) const { return FPos + Ahead < FText.size() ? FText[FPos + Ahead] : '\0'; }

    void SkipBlanks() {
        while (FPos < FText.size()) {
            char c = FText[FPos];
            if (c == '\n') {
                ++FLine;
            } else if (c != ' ' && c != '\t' && c != '\r') {
                break;
            }
            ++FPos;
        }
    }

    // A string is quoted runs and #nnn codes written next to each other.
    std::string ReadString() {
        std::string out;
        uint32_t pendingHigh = 0;
        auto flushHigh = [&] {
            if (pendingHigh) Fail(FLine, "unpaired surrogate character code");
        };
        for (;;) {
            char c = Peek();
            if (c == '\'') {
                flushHigh();
                ++FPos;
                for (;;) {
                    if (FPos >= FText.size() || Peek() == '\n' || Peek() == '\r')
                        Fail(FLine, "unterminated string");
                    char d = FText[FPos++];
                    if (d == '\'') {
                        if (Peek() == '\'') {
                            out += '\'';
                            ++FPos;
                            continue;
                        }
                        break;
                    }
                    out += d;
                }
            } else if (c == '#') {
                ++FPos;
                uint32_t code = 0;
                const char* first = FText.data() + FPos;
                const char* last = FText.data() + FText.size();
                std::from_chars_result r;
                if (Peek() == '$')
                    r = std::from_chars(first + 1, last, code, 16);
                else
                    r = std::from_chars(first, last, code, 10);
                if (r.ec != std::errc() || r.ptr == first || (Peek() == '$' && r.ptr == first + 1))
                    Fail(FLine, "bad character code after \"#\"");
                FPos = r.ptr - FText.data();
                if (code >= 0xD800 && code <= 0xDBFF) {
                    flushHigh();
                    pendingHigh = code;
                    continue;
                }
                if (code >= 0xDC00 && code <= 0xDFFF) {
                    if (!pendingHigh) Fail(FLine, "unpaired surrogate character code");
                    code = 0x10000 + ((pendingHigh - 0xD800) << 10) + (code - 0xDC00);
                    pendingHigh = 0;
                } else {
                    flushHigh();
                }
                if (code > 0x10FFFF) Fail(FLine, "character code out of range");
                AppendUtf8(out, code);
            } else {
                break;
            }
        }
        flushHigh();
        return out;
    }

    void Next() {
        SkipBlanks();
        FTok = TToken();
        FTok.Line = FLine;
        if (FPos >= FText.size()) return;
        char c = Peek();
        if (IsIdentStart(c)) {
            size_t start = FPos;
            while (IsIdentChar(Peek()) || (Peek() == '.' && IsIdentStart(Peek(1))))
                ++FPos;
            FTok.Kind = TTok::Ident;
            FTok.Text = std::string(FText.substr(start, FPos - start));
        } else if (c == '\'' || c == '#') {
            FTok.Kind = TTok::String;
            FTok.Text = ReadString();
            // 'abc' + 'def' continues a long string over lines.
            for (;;) {
                size_t save = FPos;
                int saveLine = FLine;
                SkipBlanks();
                if (Peek() == '+') {
                    ++FPos;
                    SkipBlanks();
                    if (Peek() != '\'' && Peek() != '#') Fail(FLine, "string expected after \"+\"");
                    FTok.Text += ReadString();
                } else {
                    FPos = save;
                    FLine = saveLine;
                    break;
                }
            }
        } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '$' ||
                   ((c == '-' || c == '+') &&
                    (std::isdigit(static_cast<unsigned char>(Peek(1))) || Peek(1) == '$'))) {
            ReadNumber();
        } else {
            ++FPos;
            FTok.Kind = TTok::Symbol;
            FTok.Text = std::string(1, c);
        }
    }

    void ReadNumber() {
        bool negative = false;
        if (Peek() == '-' || Peek() == '+') negative = FText[FPos++] == '-';
        const char* last = FText.data() + FText.size();
        if (Peek() == '$') {
            ++FPos;
            const char* first = FText.data() + FPos;
            uint64_t value = 0;
            auto r = std::from_chars(first, last, value, 16);
            if (r.ec != std::errc() || r.ptr == first) Fail(FLine, "bad hexadecimal number");
            // Written without a sign, the 64 bits are the value as they stand
            // ($FFFFFFFFFFFFFFFF is -1); a minus sign needs a value it can negate.
            if (negative && value > uint64_t(std::numeric_limits<int64_t>::max()))
                Fail(FLine, "number out of range");
            FPos = r.ptr - FText.data();
            FTok.Kind = TTok::Integer;
            FTok.Integer = negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
            return;
        }
        size_t start = FPos;
        while (std::isdigit(static_cast<unsigned char>(Peek())))
            ++FPos;
        bool isFloat = false;
        if (Peek() == '.' && std::isdigit(static_cast<unsigned char>(Peek(1)))) {
            isFloat = true;
            ++FPos;
            while (std::isdigit(static_cast<unsigned char>(Peek())))
                ++FPos;
        }
        if ((Peek() == 'e' || Peek() == 'E') &&
            (std::isdigit(static_cast<unsigned char>(Peek(1))) ||
             ((Peek(1) == '-' || Peek(1) == '+') && std::isdigit(static_cast<unsigned char>(Peek(2)))))) {
            isFloat = true;
            FPos += 2;
            while (std::isdigit(static_cast<unsigned char>(Peek())))
                ++FPos;
        }
        std::string digits(FText.substr(start, FPos - start));
        if (IsIdentStart(Peek())) Fail(FLine, "bad number \"" + digits + Peek() + "\"");
        if (isFloat) {
            FTok.Kind = TTok::Float;
            double value = 0;
            std::from_chars(digits.data(), digits.data() + digits.size(), value);
            FTok.Float = negative ? -value : value;
        } else {
            FTok.Kind = TTok::Integer;
            int64_t value = 0;
            auto r = std::from_chars(digits.data(), digits.data() + digits.size(), value);
            if (r.ec != std::errc()) Fail(FLine, "number out of range");
            FTok.Integer = negative ? -value : value;
        }
    }

    bool IsKeyword(const char* Word) const {
        if (FTok.Kind != TTok::Ident || FTok.Text.size() != std::char_traits<char>::length(Word))
            return false;
        for (size_t i = 0; i < FTok.Text.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(FTok.Text[i])) != Word[i]) return false;
        return true;
    }
    bool IsSymbol(char c) const { return FTok.Kind == TTok::Symbol && FTok.Text[0] == c; }

    void Expect(char c) {
        if (!IsSymbol(c)) Fail(FTok.Line, std::string("\"") + c + "\" expected" + Found());
        Next();
    }
    std::string ExpectIdent(const char* What) {
        if (FTok.Kind != TTok::Ident) Fail(FTok.Line, std::string(What) + " expected" + Found());
        std::string s = FTok.Text;
        Next();
        return s;
    }
    std::string Found() const {
        switch (FTok.Kind) {
        case TTok::End:
            return " but the text ends";
        case TTok::Ident:
        case TTok::Symbol:
            return " but \"" + FTok.Text + "\" found";
        default:
            return "";
        }
    }

    // Objects, lists and collections inside one another; deeper text is
    // refused before the recursion could exhaust the stack.
    static constexpr int kMaxNesting = 100;

    class TNesting {
    public:
        explicit TNesting(TParser& AParser) : FParser(AParser) {
            if (++FParser.FDepth > kMaxNesting)
                FParser.Fail(FParser.FTok.Line,
                             "nesting deeper than " + std::to_string(kMaxNesting) + " levels");
        }
        ~TNesting() { --FParser.FDepth; }
        TNesting(const TNesting&) = delete;
        TNesting& operator=(const TNesting&) = delete;

    private:
        TParser& FParser;
    };

    TDescObject ParseObject() {
        TNesting nesting(*this);
        TDescObject obj;
        obj.Line = FTok.Line;
        if (IsKeyword("inherited"))
            obj.Inherited = true;
        else if (!IsKeyword("object"))
            Fail(FTok.Line, "\"object\" expected" + Found());
        Next();
        std::string first = ExpectIdent("component name");
        if (IsSymbol(':')) {
            Next();
            obj.Name = first;
            obj.ClassName = ExpectIdent("class name");
        } else {
            obj.ClassName = first;
        }
        for (;;) {
            if (IsKeyword("end")) {
                Next();
                return obj;
            }
            if (IsKeyword("object") || IsKeyword("inherited")) {
                obj.Children.push_back(ParseObject());
                continue;
            }
            if (!obj.Children.empty() && FTok.Kind == TTok::Ident)
                Fail(FTok.Line, "property \"" + FTok.Text + "\" after a nested object");
            if (FTok.Kind != TTok::Ident) Fail(FTok.Line, "property name or \"end\" expected" + Found());
            obj.Properties.push_back(ParseProperty());
        }
    }

    TDescProperty ParseProperty() {
        TDescProperty p;
        p.Line = FTok.Line;
        p.Name = ExpectIdent("property name");
        Expect('=');
        p.Value = ParseValue();
        return p;
    }

    TDescValue ParseValue() {
        TDescValue v;
        v.Line = FTok.Line;
        switch (FTok.Kind) {
        case TTok::Integer:
            v = TDescValue::OfInteger(FTok.Integer);
            break;
        case TTok::Float:
            v = TDescValue::OfFloat(FTok.Float);
            break;
        case TTok::String:
            v = TDescValue::OfString(FTok.Text);
            break;
        case TTok::Ident:
            v = TDescValue::OfIdent(FTok.Text);
            break;
        case TTok::End:
            Fail(FTok.Line, "value expected but the text ends");
        case TTok::Symbol:
            if (IsSymbol('[')) return ParseSet();
            if (IsSymbol('(')) return ParseList();
            if (IsSymbol('<')) return ParseCollection();
            if (IsSymbol('{')) return ParseBinary();
            Fail(FTok.Line, "value expected" + Found());
        }
        v.Line = FTok.Line;
        Next();
        return v;
    }

    TDescValue ParseSet() {
        TDescValue v = TDescValue::OfSet({});
        v.Line = FTok.Line;
        Next();
        if (IsSymbol(']')) {
            Next();
            return v;
        }
        for (;;) {
            v.Elements.push_back(ExpectIdent("set element"));
            if (IsSymbol(']')) {
                Next();
                return v;
            }
            Expect(',');
        }
    }

    TDescValue ParseList() {
        TNesting nesting(*this);
        TDescValue v = TDescValue::OfList({});
        v.Line = FTok.Line;
        Next();
        while (!IsSymbol(')')) {
            if (FTok.Kind == TTok::End) Fail(FTok.Line, "\")\" expected but the text ends");
            v.List.push_back(ParseValue());
        }
        Next();
        return v;
    }

    TDescValue ParseCollection() {
        TNesting nesting(*this);
        TDescValue v;
        v.Kind = TDescValueKind::Collection;
        v.Line = FTok.Line;
        Next();
        while (!IsSymbol('>')) {
            if (!IsKeyword("item")) Fail(FTok.Line, "\"item\" or \">\" expected" + Found());
            TDescItem item;
            item.Line = FTok.Line;
            Next();
            while (!IsKeyword("end")) {
                if (FTok.Kind != TTok::Ident) Fail(FTok.Line, "property name or \"end\" expected" + Found());
                item.Properties.push_back(ParseProperty());
            }
            Next();
            v.Items.push_back(std::move(item));
        }
        Next();
        return v;
    }

    // Binary data is read straight from the text: hex digit pairs up to "}".
    TDescValue ParseBinary() {
        TDescValue v = TDescValue::OfBinary({});
        v.Line = FTok.Line;
        int high = -1;
        for (;;) {
            if (FPos >= FText.size()) Fail(FLine, "\"}\" expected but the text ends");
            char c = FText[FPos++];
            if (c == '}') break;
            if (c == '\n') {
                ++FLine;
                continue;
            }
            if (c == ' ' || c == '\t' || c == '\r') continue;
            int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                        : (c >= 'a' && c <= 'f')                    ? c - 'a' + 10
                        : (c >= 'A' && c <= 'F')                    ? c - 'A' + 10
                                                                    : -1;
            if (digit < 0) Fail(FLine, std::string("bad hexadecimal digit \"") + c + "\" in binary data");
            if (high < 0) {
                high = digit;
            } else {
                v.Bytes.push_back(static_cast<uint8_t>(high * 16 + digit));
                high = -1;
            }
        }
        if (high >= 0) Fail(FLine, "odd number of hexadecimal digits in binary data");
        Next();
        return v;
    }

    std::string_view FText;
    size_t FPos = 0;
    int FLine = 1;
    int FDepth = 0;
    TToken FTok;
};

} // namespace

TDescObject TDescriptionReader::Parse(std::string_view Text) {
    // A UTF-8 byte-order mark is allowed at the start.
    if (Text.substr(0, 3) == "\xEF\xBB\xBF") Text.remove_prefix(3);
    TParser parser(Text);
    return parser.ParseRoot();
}
