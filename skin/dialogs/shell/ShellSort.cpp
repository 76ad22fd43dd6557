#include "skin/dialogs/shell/ShellSort.h"

#include "skin/dialogs/filectrl/FileMasks.h"
#include "skin/dialogs/shell/ShellDetails.h"
#include "skin/dialogs/shell/TMimeDatabase.h"

#include "platform/base/Utf8.h"

#include <algorithm>
#include <numeric>

namespace {

bool IsDigit(char32_t c) {
    return c >= '0' && c <= '9';
}

template <typename T> int Sign(T a, T b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}

} // namespace

int NaturalCompare(std::string_view a, std::string_view b) noexcept {
    // Each name is a row of tokens: a run of digits (ordered by value, as if
    // it were the character "0"), or one folded character. Comparing the
    // rows token by token is a total order, so sorting with it is sound.
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        size_t ni = i, nj = j;
        char32_t ca = Utf8Next(a, ni);
        char32_t cb = Utf8Next(b, nj);
        if (IsDigit(ca) && IsDigit(cb)) {
            size_t ea = i, eb = j;
            while (ea < a.size() && IsDigit(static_cast<unsigned char>(a[ea])))
                ++ea;
            while (eb < b.size() && IsDigit(static_cast<unsigned char>(b[eb])))
                ++eb;
            std::string_view da = a.substr(i, ea - i), db = b.substr(j, eb - j);
            while (da.size() > 1 && da.front() == '0')
                da.remove_prefix(1);
            while (db.size() > 1 && db.front() == '0')
                db.remove_prefix(1);
            if (da.size() != db.size()) return da.size() < db.size() ? -1 : 1;
            if (int c = da.compare(db)) return c < 0 ? -1 : 1;
            i = ea;
            j = eb;
            continue;
        }
        char32_t ka = IsDigit(ca) ? U'0' : FoldFileNameChar(ca);
        char32_t kb = IsDigit(cb) ? U'0' : FoldFileNameChar(cb);
        if (ka != kb) return ka < kb ? -1 : 1;
        i = ni;
        j = nj;
    }
    return Sign(a.size() - i != 0, b.size() - j != 0);
}

int CompareShellItems(const TShellItem& a, const TShellItem& b) noexcept {
    if (a.IsFolder() != b.IsFolder()) return a.IsFolder() ? -1 : 1;
    if (int c = NaturalCompare(a.DisplayName, b.DisplayName)) return c;
    std::string_view na(a.Path), nb(b.Path);
    na.remove_prefix(std::min(na.size(), na.find_last_of('/') + 1));
    nb.remove_prefix(std::min(nb.size(), nb.find_last_of('/') + 1));
    if (int c = na.compare(nb)) return c < 0 ? -1 : 1;
    if (int c = a.Path.compare(b.Path)) return c < 0 ? -1 : 1;
    return Sign(static_cast<int>(a.Kind), static_cast<int>(b.Kind));
}

void SortShellItems(std::vector<TShellItem>& items, TShellSortColumn column, bool descending,
                    const TMimeDatabase* types) {
    // Keys are taken once, before sorting: the comparison itself never
    // touches the file system and cannot throw.
    std::vector<std::string> typeNames;
    if (column == scType) {
        typeNames.reserve(items.size());
        for (const TShellItem& item : items)
            typeNames.push_back(ShellTypeName(item, types));
    }
    std::vector<size_t> order(items.size());
    std::iota(order.begin(), order.end(), 0);
    auto compare = [&](size_t x, size_t y) noexcept {
        const TShellItem& a = items[x];
        const TShellItem& b = items[y];
        int c = 0;
        if (a.IsFolder() != b.IsFolder())
            c = a.IsFolder() ? -1 : 1;
        else if (column == scSize && !a.IsFolder())
            c = Sign(a.Stat.Size, b.Stat.Size);
        else if (column == scType && !a.IsFolder())
            c = NaturalCompare(typeNames[x], typeNames[y]);
        else if (column == scModified)
            c = Sign(a.Stat.ModifiedSec, b.Stat.ModifiedSec);
        if (c == 0) c = CompareShellItems(a, b);
        return descending ? c > 0 : c < 0;
    };
    std::sort(order.begin(), order.end(), compare);
    std::vector<TShellItem> sorted;
    sorted.reserve(items.size());
    for (size_t i : order)
        sorted.push_back(std::move(items[i]));
    items = std::move(sorted);
}
