#include "platform/base/Strings.h"

#include "platform/base/Exception.h"
#include "platform/base/FileStream.h"
#include "platform/base/SysUtils.h"

#include <algorithm>
#include <numeric>

void TStrings::Put(int index, const std::string& s) {
    TObject* obj = Objects(index);
    Delete(index);
    InsertObject(index, s, obj);
}

TObject* TStrings::Objects(int) const {
    return nullptr;
}
void TStrings::SetObjects(int, TObject*) {}

int TStrings::AddObject(const std::string& s, TObject* obj) {
    int index = Count();
    InsertObject(index, s, obj);
    return index;
}

int TStrings::CompareStrings(std::string_view a, std::string_view b) const {
    return CompareText(a, b);
}

int TStrings::IndexOf(std::string_view s) const {
    for (int i = 0, n = Count(); i < n; ++i)
        if (CompareStrings(Get(i), s) == 0) return i;
    return -1;
}

int TStrings::IndexOfObject(const TObject* obj) const {
    for (int i = 0, n = Count(); i < n; ++i)
        if (Objects(i) == obj) return i;
    return -1;
}

void TStrings::AddStrings(const TStrings& other) {
    BeginUpdate();
    for (int i = 0, n = other.Count(); i < n; ++i)
        AddObject(other.Get(i), other.Objects(i));
    EndUpdate();
}

void TStrings::Move(int from, int to) {
    if (from == to) return;
    BeginUpdate();
    std::string s = Get(from);
    TObject* obj = Objects(from);
    Delete(from);
    InsertObject(to, s, obj);
    EndUpdate();
}

void TStrings::Exchange(int a, int b) {
    BeginUpdate();
    std::string sa = Get(a), sb = Get(b);
    TObject *oa = Objects(a), *ob = Objects(b);
    Put(a, sb);
    SetObjects(a, ob);
    Put(b, sa);
    SetObjects(b, oa);
    EndUpdate();
}

void TStrings::Assign(const TStrings& source) {
    if (&source == this) return;
    BeginUpdate();
    Clear();
    AddStrings(source);
    FDelimiter = source.FDelimiter;
    FQuoteChar = source.FQuoteChar;
    FStrictDelimiter = source.FStrictDelimiter;
    EndUpdate();
}

bool TStrings::Equals(const TStrings& other) const {
    if (Count() != other.Count()) return false;
    for (int i = 0, n = Count(); i < n; ++i)
        if (Get(i) != other.Get(i)) return false;
    return true;
}

std::string TStrings::Text() const {
    std::string r;
    for (int i = 0, n = Count(); i < n; ++i) {
        r += Get(i);
        r += "\r\n";
    }
    return r;
}

void TStrings::SetText(std::string_view text) {
    BeginUpdate();
    Clear();
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            Add(std::string(text.substr(pos)));
            break;
        }
        Add(std::string(text.substr(pos, end - pos)));
        pos = end + 1;
        if (text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
    }
    EndUpdate();
}

std::string TStrings::Names(int index) const {
    std::string s = Get(index);
    size_t eq = s.find('=');
    return eq == std::string::npos ? std::string() : s.substr(0, eq);
}

std::string TStrings::ValueFromIndex(int index) const {
    std::string s = Get(index);
    size_t eq = s.find('=');
    return eq == std::string::npos ? std::string() : s.substr(eq + 1);
}

int TStrings::IndexOfName(std::string_view name) const {
    for (int i = 0, n = Count(); i < n; ++i) {
        std::string s = Get(i);
        size_t eq = s.find('=');
        if (eq != std::string::npos && SameText(std::string_view(s).substr(0, eq), name)) return i;
    }
    return -1;
}

std::string TStrings::Values(std::string_view name) const {
    int i = IndexOfName(name);
    return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStrings::SetValues(std::string_view name, const std::string& value) {
    int i = IndexOfName(name);
    if (value.empty()) {
        if (i >= 0) Delete(i);
        return;
    }
    std::string line = std::string(name) + "=" + value;
    if (i < 0)
        Add(line);
    else
        Put(i, line);
}

std::string TStrings::DelimitedText() const {
    std::string r;
    for (int i = 0, n = Count(); i < n; ++i) {
        std::string s = Get(i);
        bool quote = s.empty() && n == 1;
        for (char c : s)
            if (c == FDelimiter || c == FQuoteChar ||
                (!FStrictDelimiter && static_cast<unsigned char>(c) <= ' '))
                quote = true;
        if (i) r += FDelimiter;
        if (quote) {
            r += FQuoteChar;
            for (char c : s) {
                if (c == FQuoteChar) r += FQuoteChar;
                r += c;
            }
            r += FQuoteChar;
        } else {
            r += s;
        }
    }
    return r;
}

void TStrings::SetDelimitedText(std::string_view text) {
    auto isBlank = [&](char c) { return !FStrictDelimiter && static_cast<unsigned char>(c) <= ' '; };
    BeginUpdate();
    Clear();
    size_t p = 0, n = text.size();
    while (p < n && isBlank(text[p]))
        ++p;
    while (p < n) {
        std::string item;
        if (text[p] == FQuoteChar) {
            ++p;
            while (p < n) {
                if (text[p] == FQuoteChar) {
                    if (p + 1 < n && text[p + 1] == FQuoteChar) {
                        item += FQuoteChar;
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                item += text[p++];
            }
        } else {
            while (p < n && text[p] != FDelimiter && !isBlank(text[p]))
                item += text[p++];
        }
        Add(item);
        while (p < n && isBlank(text[p]))
            ++p;
        if (p < n && text[p] == FDelimiter) {
            ++p;
            while (p < n && isBlank(text[p]))
                ++p;
            if (p == n) Add("");
        }
    }
    EndUpdate();
}

std::string TStrings::CommaText() const {
    TStrings& self = const_cast<TStrings&>(*this);
    char d = FDelimiter, q = FQuoteChar;
    bool strict = FStrictDelimiter;
    self.FDelimiter = ',';
    self.FQuoteChar = '"';
    self.FStrictDelimiter = false;
    std::string r = DelimitedText();
    self.FDelimiter = d;
    self.FQuoteChar = q;
    self.FStrictDelimiter = strict;
    return r;
}

void TStrings::SetCommaText(std::string_view text) {
    char d = FDelimiter, q = FQuoteChar;
    bool strict = FStrictDelimiter;
    FDelimiter = ',';
    FQuoteChar = '"';
    FStrictDelimiter = false;
    SetDelimitedText(text);
    FDelimiter = d;
    FQuoteChar = q;
    FStrictDelimiter = strict;
}

void TStrings::LoadFromStream(TStream& stream) {
    std::string data = stream.ReadAll();
    std::string_view v(data);
    if (v.size() >= 3 && v.substr(0, 3) == "\xEF\xBB\xBF") v.remove_prefix(3);
    SetText(v);
}

void TStrings::SaveToStream(TStream& stream) const {
    std::string t = Text();
    stream.WriteBuffer(t.data(), Int64(t.size()));
}

void TStrings::LoadFromFile(const std::string& fileName) {
    TFileStream f(fileName, fmOpenRead);
    LoadFromStream(f);
}

void TStrings::SaveToFile(const std::string& fileName) const {
    WriteFileAtomic(fileName, Text());
}

void TStrings::BeginUpdate() {
    if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

// ---------------------------------------------------------------------------

TStringList::TStringList(const TStringList& other) : TStrings() {
    FItems = other.FItems;
    FSorted = other.FSorted;
    FCaseSensitive = other.FCaseSensitive;
    FDuplicates = other.FDuplicates;
    FDelimiter = other.FDelimiter;
    FQuoteChar = other.FQuoteChar;
    FStrictDelimiter = other.FStrictDelimiter;
}

TStringList& TStringList::operator=(const TStringList& other) {
    if (this != &other) Assign(other);
    return *this;
}

void TStringList::CheckIndex(int index, bool allowEnd) const {
    if (index < 0 || index > int(FItems.size()) || (!allowEnd && index == int(FItems.size())))
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

std::string TStringList::Get(int index) const {
    CheckIndex(index);
    return FItems[size_t(index)].S;
}

void TStringList::Put(int index, const std::string& s) {
    if (FSorted) throw EListError("Operation not allowed on sorted list");
    CheckIndex(index);
    Changing();
    FItems[size_t(index)].S = s;
    Changed();
}

TObject* TStringList::Objects(int index) const {
    CheckIndex(index);
    return FItems[size_t(index)].Obj;
}

void TStringList::SetObjects(int index, TObject* obj) {
    CheckIndex(index);
    Changing();
    FItems[size_t(index)].Obj = obj;
    Changed();
}

void TStringList::InsertObject(int index, const std::string& s, TObject* obj) {
    if (FSorted) throw EListError("Operation not allowed on sorted list");
    CheckIndex(index, true);
    Changing();
    FItems.insert(FItems.begin() + index, Item{s, obj});
    Changed();
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    Changing();
    FItems.erase(FItems.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (FItems.empty()) return;
    Changing();
    FItems.clear();
    Changed();
}

int TStringList::AddObject(const std::string& s, TObject* obj) {
    if (!FSorted) {
        int index = Count();
        InsertObject(index, s, obj);
        return index;
    }
    int index;
    if (Find(s, index)) {
        if (FDuplicates == dupIgnore) return index;
        if (FDuplicates == dupError) throw EListError("String list does not allow duplicates");
        while (index < Count() && CompareStrings(FItems[size_t(index)].S, s) == 0)
            ++index;
    }
    Changing();
    FItems.insert(FItems.begin() + index, Item{s, obj});
    Changed();
    return index;
}

int TStringList::IndexOf(std::string_view s) const {
    if (!FSorted) return TStrings::IndexOf(s);
    int index;
    return Find(s, index) ? index : -1;
}

bool TStringList::Find(std::string_view s, int& index) const {
    int lo = 0, hi = Count() - 1;
    bool found = false;
    while (lo <= hi) {
        int mid = (lo + hi) / 2;
        int c = CompareStrings(FItems[size_t(mid)].S, s);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0) found = true; // keep going left: the first equal one
        }
    }
    index = lo;
    return found;
}

void TStringList::Exchange(int a, int b) {
    CheckIndex(a);
    CheckIndex(b);
    Changing();
    std::swap(FItems[size_t(a)], FItems[size_t(b)]);
    Changed();
}

void TStringList::SetText(std::string_view text) {
    TStrings::SetText(text);
}

void TStringList::Assign(const TStrings& source) {
    if (&source == this) return;
    BeginUpdate();
    if (auto* list = dynamic_cast<const TStringList*>(&source)) {
        FItems.clear();
        FSorted = false;
        for (const Item& it : list->FItems)
            FItems.push_back(it);
        FCaseSensitive = list->FCaseSensitive;
        FDuplicates = list->FDuplicates;
        FSorted = list->FSorted;
        FDelimiter = list->FDelimiter;
        FQuoteChar = list->FQuoteChar;
        FStrictDelimiter = list->FStrictDelimiter;
    } else {
        TStrings::Assign(source);
    }
    EndUpdate();
}

void TStringList::Sort() {
    CustomSort([](const TStringList& list, int a, int b) {
        return list.CompareStrings(list.FItems[size_t(a)].S, list.FItems[size_t(b)].S);
    });
}

void TStringList::CustomSort(const std::function<int(const TStringList&, int, int)>& compare) {
    if (Count() < 2) return;
    Changing();
    std::vector<int> order(FItems.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
    std::vector<Item> sorted;
    sorted.reserve(FItems.size());
    for (int i : order)
        sorted.push_back(FItems[size_t(i)]);
    FItems = std::move(sorted);
    Changed();
}

void TStringList::SetSorted(bool value) {
    if (value == FSorted) return;
    if (value) Sort();
    FSorted = value;
}

void TStringList::SetCaseSensitive(bool value) {
    if (value == FCaseSensitive) return;
    FCaseSensitive = value;
    if (FSorted) Sort();
}

int TStringList::CompareStrings(std::string_view a, std::string_view b) const {
    if (FCaseSensitive) return a.compare(b) < 0 ? -1 : a.compare(b) > 0 ? 1 : 0;
    return CompareText(a, b);
}

void TStringList::SetUpdateState(bool updating) {
    if (updating) {
        if (OnChanging) OnChanging(this);
    } else {
        if (OnChange) OnChange(this);
    }
}

void TStringList::Changing() {
    if (FUpdateCount == 0 && OnChanging) OnChanging(this);
}

void TStringList::Changed() {
    if (FUpdateCount == 0 && OnChange) OnChange(this);
}
