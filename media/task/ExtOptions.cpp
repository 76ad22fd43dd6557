#include "media/task/ExtOptions.h"

#include <charconv>

#include "media/task/NoPts.h"

namespace {

std::string_view TrimControls(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32)
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32)
        s.remove_suffix(1);
    return s;
}

bool IsBlank(std::string_view s) {
    return TrimControls(s).empty();
}

void AppendLine(std::string& AExtOptions, const TExtOption& AOption) {
    AExtOptions += AOption.Name;
    AExtOptions += '=';
    AExtOptions += AOption.Value;
    AExtOptions += '\n';
}

} // namespace

std::vector<TExtOption> ParseExtOptions(std::string_view AText) {
    const std::string_view text = TrimControls(AText);
    std::string normal;
    normal.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            normal += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (text.compare(i, 6, "<CRLF>") == 0) {
            normal += '\n';
            i += 5;
        } else {
            normal += text[i];
        }
    }

    std::vector<TExtOption> lines;
    std::string_view rest = normal;
    while (!rest.empty()) {
        const size_t lf = rest.find('\n');
        const std::string_view line = rest.substr(0, lf);
        rest = lf == std::string_view::npos ? std::string_view{} : rest.substr(lf + 1);
        const size_t eq = line.find('=');
        TExtOption option{std::string(line.substr(0, eq)),
                          eq == std::string_view::npos ? std::string() : std::string(line.substr(eq + 1))};
        if (!IsBlank(option.Name)) lines.push_back(std::move(option));
    }
    return lines;
}

std::string LowerAscii(std::string_view AText) {
    std::string s(AText);
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

int64_t ExtOptionTime(std::string_view AText) {
    int64_t value = 0;
    const char* first = AText.data();
    const char* last = first + AText.size();
    if (first != last && *first == '+') ++first;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last || first == last) return kNoPts;
    return value;
}

TInputOptions InputOptionsFromText(std::string_view AText) {
    TInputOptions options;
    for (const TExtOption& line : ParseExtOptions(AText)) {
        if (LowerAscii(line.Name) == "timestart")
            options.TimeStart = ExtOptionTime(line.Value);
        else
            AppendLine(options.ExtOptions, line);
    }
    return options;
}

TOutputOptions OutputOptionsFromText(std::string_view AText) {
    TOutputOptions options;
    for (const TExtOption& line : ParseExtOptions(AText)) {
        const std::string name = LowerAscii(line.Name);
        if (name == "hook" || name == "customhook")
            options.CustomHook = true;
        else if (name == "join")
            options.Join = true;
        else if (name == "timestart")
            options.TimeStart = ExtOptionTime(line.Value);
        else if (name == "timelength")
            options.TimeLength = ExtOptionTime(line.Value);
        else
            AppendLine(options.ExtOptions, line);
    }
    return options;
}
