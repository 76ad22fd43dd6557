#pragma once

#include "platform/base/Object.h"
#include "platform/base/Stream.h"

#include <string>
#include <string_view>
#include <vector>

// A list of strings, each with an optional object pointer that the list does
// not own. Derived classes store the items (TStringList, a list box's items).
// Indexes are 0-based; a bad index raises EListError.
class TStrings : public TObject {
public:
    virtual int Count() const = 0;
    virtual std::string Get(int index) const = 0;
    virtual void Put(int index, const std::string& s);
    virtual TObject* Objects(int index) const;
    virtual void SetObjects(int index, TObject* obj);
    virtual void InsertObject(int index, const std::string& s, TObject* obj) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    // Returns the index the string went to.
    virtual int AddObject(const std::string& s, TObject* obj);
    virtual int IndexOf(std::string_view s) const;

    std::string Strings(int index) const { return Get(index); }
    std::string operator[](int index) const { return Get(index); }
    void SetStrings(int index, const std::string& s) { Put(index, s); }
    int Add(const std::string& s) { return AddObject(s, nullptr); }
    void Insert(int index, const std::string& s) { InsertObject(index, s, nullptr); }
    void Append(const std::string& s) { Add(s); }
    void AddStrings(const TStrings& other);
    void Move(int from, int to);
    virtual void Exchange(int a, int b);
    int IndexOfObject(const TObject* obj) const;
    virtual void Assign(const TStrings& source);
    bool Equals(const TStrings& other) const;

    // Each line followed by CRLF; reading splits at CRLF, LF or CR and a final
    // break adds no empty line.
    std::string Text() const;
    virtual void SetText(std::string_view text);

    // "name=value" lines. The name is the text before the first "=",
    // compared ignoring ASCII case; the first match wins; lines without "="
    // never match.
    std::string Names(int index) const;
    std::string ValueFromIndex(int index) const;
    int IndexOfName(std::string_view name) const;
    std::string Values(std::string_view name) const;
    // An empty value deletes the line; a new name is added at the end.
    void SetValues(std::string_view name, const std::string& value);

    // Items separated by Delimiter (and by blanks unless StrictDelimiter);
    // items holding a delimiter, blank or quote are quoted with QuoteChar.
    std::string DelimitedText() const;
    void SetDelimitedText(std::string_view text);
    std::string CommaText() const;
    void SetCommaText(std::string_view text);
    char Delimiter() const { return FDelimiter; }
    void SetDelimiter(char c) { FDelimiter = c; }
    char QuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(char c) { FQuoteChar = c; }
    bool StrictDelimiter() const { return FStrictDelimiter; }
    void SetStrictDelimiter(bool v) { FStrictDelimiter = v; }

    // UTF-8, a byte-order mark skipped on reading; saved with CRLF and no mark.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

    // Change notices are held back between BeginUpdate and the last EndUpdate,
    // which sends one.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

protected:
    virtual void SetUpdateState(bool /*updating*/) {}
    virtual int CompareStrings(std::string_view a, std::string_view b) const;

    int FUpdateCount = 0;
    char FDelimiter = ',';
    char FQuoteChar = '"';
    bool FStrictDelimiter = false;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };
using enum TDuplicates;

// The framework's string list, optionally kept sorted.
class TStringList : public TStrings {
public:
    TStringList() = default;
    TStringList(const TStringList& other);
    TStringList& operator=(const TStringList& other);

    int Count() const override { return int(FItems.size()); }
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    TObject* Objects(int index) const override;
    void SetObjects(int index, TObject* obj) override;
    void InsertObject(int index, const std::string& s, TObject* obj) override;
    void Delete(int index) override;
    void Clear() override;
    // In a sorted list the string goes to its place; Duplicates decides about an
    // equal one (ignored: the existing index; error: EListError).
    int AddObject(const std::string& s, TObject* obj) override;
    int IndexOf(std::string_view s) const override;
    void Exchange(int a, int b) override;
    void SetText(std::string_view text) override;
    void Assign(const TStrings& source) override;

    // Binary search of a sorted list: true when found; index is the match or the insertion point.
    bool Find(std::string_view s, int& index) const;
    virtual void Sort();
    void CustomSort(const std::function<int(const TStringList&, int, int)>& compare);

    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates value) { FDuplicates = value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value);

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool updating) override;
    int CompareStrings(std::string_view a, std::string_view b) const override;
    void Changing();
    void Changed();

private:
    struct Item {
        std::string S;
        TObject* Obj = nullptr;
    };
    void CheckIndex(int index, bool allowEnd = false) const;
    std::vector<Item> FItems;
    bool FSorted = false;
    bool FCaseSensitive = false;
    TDuplicates FDuplicates = dupIgnore;
};
