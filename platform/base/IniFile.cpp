#include "platform/base/IniFile.h"

#include "platform/base/Exception.h"
#include "platform/base/FileStream.h"
#include "platform/base/SysUtils.h"

#include <charconv>
#include <cstdio>

TCustomIniFile::TCustomIniFile(std::string fileName) : FFileName(std::move(fileName)) {
    if (!FFileName.empty() && FileExists(FFileName)) {
        try {
            SetText(ReadFileToString(FFileName));
        } catch (const Exception&) {
            // An unreadable file reads as empty, like a missing one.
        }
    }
}

void TCustomIniFile::Section::AddEntry(Entry entry) {
    if (!entry.Comment) KeyIndex.try_emplace(LowerCase(entry.Key), Entries.size());
    Entries.push_back(std::move(entry));
}

void TCustomIniFile::Section::Reindex() {
    KeyIndex.clear();
    for (size_t i = 0; i < Entries.size(); ++i)
        if (!Entries[i].Comment) KeyIndex.try_emplace(LowerCase(Entries[i].Key), i);
}

TCustomIniFile::Section* TCustomIniFile::FindSection(std::string_view name) {
    auto it = FSectionIndex.find(LowerCase(name));
    return it == FSectionIndex.end() ? nullptr : &FSections[it->second];
}

const TCustomIniFile::Section* TCustomIniFile::FindSection(std::string_view name) const {
    return const_cast<TCustomIniFile*>(this)->FindSection(name);
}

TCustomIniFile::Section& TCustomIniFile::AddSection(std::string name) {
    FSectionIndex.emplace(LowerCase(name), FSections.size());
    FSections.push_back({std::move(name), {}, {}});
    return FSections.back();
}

void TCustomIniFile::ReindexSections() {
    FSectionIndex.clear();
    for (size_t i = 0; i < FSections.size(); ++i)
        FSectionIndex.try_emplace(LowerCase(FSections[i].Name), i);
}

const TCustomIniFile::Entry* TCustomIniFile::FindKey(const Section& s, std::string_view key) {
    auto it = s.KeyIndex.find(LowerCase(key));
    return it == s.KeyIndex.end() ? nullptr : &s.Entries[it->second];
}

std::string TCustomIniFile::ReadString(std::string_view section, std::string_view key,
                                       const std::string& def) const {
    const Section* s = FindSection(Trim(section));
    if (!s) return def;
    const Entry* e = FindKey(*s, Trim(key));
    return e ? e->Value : def;
}

int TCustomIniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
    return StrToIntDef(ReadString(section, key, ""), def);
}

bool TCustomIniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return StrToIntDef(ReadString(section, key, ""), def ? 1 : 0) != 0;
}

double TCustomIniFile::ReadFloat(std::string_view section, std::string_view key, double def) const {
    std::string s = ReadString(section, key, "");
    double v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return (ec == std::errc() && p == s.data() + s.size() && !s.empty()) ? v : def;
}

void TCustomIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::string sec = Trim(section), k = Trim(key), v = Trim(value);
    Section* s = FindSection(sec);
    if (!s) s = &AddSection(sec);
    Entry* e = const_cast<Entry*>(FindKey(*s, k));
    if (e)
        e->Value = v;
    else
        s->AddEntry({k, v, false});
    Modified();
}

void TCustomIniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void TCustomIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TCustomIniFile::WriteFloat(std::string_view section, std::string_view key, double value) {
    char buf[64];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, value);
    WriteString(section, key, std::string_view(buf, ec == std::errc() ? size_t(p - buf) : 0));
}

bool TCustomIniFile::SectionExists(std::string_view section) const {
    const Section* s = FindSection(Trim(section));
    if (!s) return false;
    for (const Entry& e : s->Entries)
        if (!e.Comment) return true;
    return false;
}

bool TCustomIniFile::ValueExists(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(Trim(section));
    return s && FindKey(*s, Trim(key));
}

void TCustomIniFile::EraseSection(std::string_view section) {
    std::string sec = Trim(section);
    const size_t before = FSections.size();
    std::erase_if(FSections, [&](const Section& s) { return SameText(s.Name, sec); });
    if (FSections.size() == before) return;
    ReindexSections();
    Modified();
}

void TCustomIniFile::DeleteKey(std::string_view section, std::string_view key) {
    Section* s = FindSection(Trim(section));
    if (!s) return;
    std::string k = Trim(key);
    for (auto it = s->Entries.begin(); it != s->Entries.end(); ++it) {
        if (!it->Comment && SameText(it->Key, k)) {
            s->Entries.erase(it);
            s->Reindex();
            Modified();
            return;
        }
    }
}

void TCustomIniFile::ReadSections(TStrings& strings) const {
    strings.BeginUpdate();
    strings.Clear();
    for (const Section& s : FSections)
        strings.Add(s.Name);
    strings.EndUpdate();
}

void TCustomIniFile::ReadSection(std::string_view section, TStrings& strings) const {
    strings.BeginUpdate();
    strings.Clear();
    if (const Section* s = FindSection(Trim(section)))
        for (const Entry& e : s->Entries)
            if (!e.Comment) strings.Add(e.Key);
    strings.EndUpdate();
}

void TCustomIniFile::ReadSectionValues(std::string_view section, TStrings& strings) const {
    strings.BeginUpdate();
    strings.Clear();
    if (const Section* s = FindSection(Trim(section)))
        for (const Entry& e : s->Entries)
            if (!e.Comment) strings.Add(e.Key + "=" + e.Value);
    strings.EndUpdate();
}

std::string TCustomIniFile::Text() const {
    std::string out;
    for (size_t i = 0; i < FSections.size(); ++i) {
        if (i) out += "\r\n";
        out += "[" + FSections[i].Name + "]\r\n";
        for (const Entry& e : FSections[i].Entries)
            out += (e.Comment ? e.Value : e.Key + "=" + e.Value) + "\r\n";
    }
    return out;
}

void TCustomIniFile::GetStrings(TStrings& strings) const {
    strings.SetText(Text());
}

void TCustomIniFile::SetStrings(const TStrings& strings) {
    SetText(strings.Text());
}

void TCustomIniFile::Clear() {
    FSections.clear();
    FSectionIndex.clear();
}

void TCustomIniFile::SetText(std::string_view text) {
    Clear();
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    TStringList lines;
    lines.SetText(text);
    Section* current = nullptr;
    for (int i = 0; i < lines.Count(); ++i) {
        std::string line = Trim(lines[i]);
        if (line.empty()) continue;
        if (line[0] == ';') {
            if (current) current->AddEntry({"", line, true});
            continue;
        }
        if (line[0] == '[') {
            size_t close = line.find(']');
            std::string name = Trim(
                std::string_view(line).substr(1, close == std::string::npos ? std::string::npos : close - 1));
            // A repeated section continues the first one of that name.
            current = FindSection(name);
            if (!current) current = &AddSection(std::move(name));
            continue;
        }
        size_t eq = line.find('=');
        if (!current || eq == std::string::npos) continue;
        current->AddEntry(
            {Trim(std::string_view(line).substr(0, eq)), Trim(std::string_view(line).substr(eq + 1)), false});
    }
}

void TCustomIniFile::UpdateFile() {
    if (FFileName.empty()) return;
    WriteFileAtomic(FFileName, Text());
}
