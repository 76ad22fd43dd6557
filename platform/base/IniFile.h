#pragma once

#include "platform/base/Object.h"
#include "platform/base/Strings.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Ini files held in memory. Section and key names compare ignoring ASCII
// case; names and values are trimmed; lines starting with ";" are comments
// (kept when the file is written back); quotes are not stripped; of duplicate
// keys the first wins; keys before the first section are ignored. Text is
// UTF-8, read with or without a byte-order mark, written without one and with
// CRLF. Writing to disk goes through a temporary file and a rename.
class TCustomIniFile : public TObject {
public:
    // Reads fileName when it exists (an empty name or a missing file start empty).
    explicit TCustomIniFile(std::string fileName);

    const std::string& FileName() const { return FFileName; }

    // The default only for an absent key; a present empty value reads as "".
    std::string ReadString(std::string_view section, std::string_view key, const std::string& def) const;
    // Decimal, "$hex" or "0xhex"; anything else gives the default.
    int ReadInteger(std::string_view section, std::string_view key, int def) const;
    // An integer other than 0 is true; a value that is no integer gives the default.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;
    double ReadFloat(std::string_view section, std::string_view key, double def) const;

    // New keys are appended to their section (a new section to the file);
    // rewritten keys stay in place.
    virtual void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    void WriteFloat(std::string_view section, std::string_view key, double value);

    // A section exists when it holds at least one key.
    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    virtual void EraseSection(std::string_view section);
    virtual void DeleteKey(std::string_view section, std::string_view key);

    void ReadSections(TStrings& strings) const;
    void ReadSection(std::string_view section, TStrings& strings) const;
    void ReadSectionValues(std::string_view section, TStrings& strings) const;

    // The whole content as the file would hold it; SetStrings replaces it.
    void GetStrings(TStrings& strings) const;
    void SetStrings(const TStrings& strings);
    std::string Text() const;
    void SetText(std::string_view text);
    void Clear();

    // Writes the content to FileName (EFCreateError / EWriteError on failure).
    virtual void UpdateFile();

protected:
    virtual void Modified() {}

private:
    struct Entry {
        std::string Key; // empty for a comment line
        std::string Value;
        bool Comment = false;
    };
    // Lookups go through indexes by lower-cased name, so reading a file and
    // reading every key of it take time in proportion to its size.
    struct Section {
        std::string Name;
        std::vector<Entry> Entries;
        std::unordered_map<std::string, size_t> KeyIndex; // the first entry of each key
        void AddEntry(Entry entry);
        void Reindex();
    };
    Section* FindSection(std::string_view name);
    const Section* FindSection(std::string_view name) const;
    Section& AddSection(std::string name);
    void ReindexSections();
    static const Entry* FindKey(const Section& s, std::string_view key);

    std::string FFileName;
    std::vector<Section> FSections;
    std::unordered_map<std::string, size_t> FSectionIndex;
};

// Changes stay in memory until UpdateFile.
class TMemIniFile : public TCustomIniFile {
public:
    using TCustomIniFile::TCustomIniFile;
};

// Every change is written through to the file at once.
class TIniFile : public TCustomIniFile {
public:
    using TCustomIniFile::TCustomIniFile;

protected:
    void Modified() override { UpdateFile(); }
};
