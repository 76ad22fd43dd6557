#include "media/engine/PresetTranslation.h"

#include <cstring>

namespace {

struct TFlagItem {
    char Sign; // '+' or '-'
    std::string Name;
};

// "+a-b+c" into its items; an item without a sign counts as "+".
std::vector<TFlagItem> SplitFlags(const std::string& s) {
    std::vector<TFlagItem> items;
    size_t i = 0;
    while (i < s.size()) {
        char sign = '+';
        if (s[i] == '+' || s[i] == '-') sign = s[i++];
        size_t end = s.find_first_of("+-", i);
        if (end == std::string::npos) end = s.size();
        if (end > i) items.push_back({sign, s.substr(i, end - i)});
        i = end;
    }
    return items;
}

std::string JoinFlags(const std::vector<TFlagItem>& items) {
    std::string s;
    for (const TFlagItem& item : items) {
        s += item.Sign;
        s += item.Name;
    }
    return s;
}

struct TRename {
    const char* Old;
    const char* New;
};

// Option names that moved into libx264's private options under a new name.
const TRename Renamed[] = {
    {"me_method", "motion-est"},
    {"directpred", "direct-pred"},
    {"cqp", "qp"},
    {"wpredp", "weightp"},
};

// flags2 items that became libx264 Boolean options.
const TRename Flags2Items[] = {
    {"wpred", "weightb"},         {"dct8x8", "8x8dct"}, {"fastpskip", "fast-pskip"},
    {"mixed_refs", "mixed-refs"}, {"mbtree", "mbtree"},
};

const TRename PartitionItems[] = {
    {"parti8x8", "i8x8"}, {"parti4x4", "i4x4"}, {"partp8x8", "p8x8"},
    {"partp4x4", "p4x4"}, {"partb8x8", "b8x8"},
};

} // namespace

std::vector<TOptionLine> TranslatePresetLine(const std::string& AName, const std::string& AValue) {
    for (const TRename& r : Renamed)
        if (AName == r.Old) return {{r.New, AValue}};

    if (AName == "partitions") {
        std::string list;
        for (const TFlagItem& item : SplitFlags(AValue)) {
            if (item.Sign != '+') continue;
            for (const TRename& p : PartitionItems)
                if (item.Name == p.Old) list += (list.empty() ? "" : ",") + std::string(p.New);
        }
        return {{"partitions", list.empty() ? "none" : list}};
    }

    if (AName == "flags2") {
        std::vector<TOptionLine> lines;
        std::vector<TFlagItem> rest;
        for (const TFlagItem& item : SplitFlags(AValue)) {
            const char* on = item.Sign == '+' ? "1" : "0";
            bool moved = false;
            for (const TRename& f : Flags2Items)
                if (item.Name == f.Old) {
                    lines.emplace_back(f.New, on);
                    moved = true;
                }
            if (item.Name == "bpyramid") {
                lines.emplace_back("b-pyramid", item.Sign == '+' ? "normal" : "none");
                moved = true;
            }
            if (!moved) rest.push_back(item);
        }
        if (!rest.empty()) lines.emplace_back("flags2", JoinFlags(rest));
        return lines;
    }

    if (AName == "flags") {
        std::vector<TOptionLine> lines;
        std::vector<TFlagItem> rest;
        for (const TFlagItem& item : SplitFlags(AValue)) {
            if (item.Name == "scan_offset")
                lines.emplace_back("scan_offset", item.Sign == '+' ? "1" : "0");
            else
                rest.push_back(item);
        }
        if (!rest.empty()) lines.insert(lines.begin(), {"flags", JoinFlags(rest)});
        return lines;
    }

    return {{AName, AValue}};
}
