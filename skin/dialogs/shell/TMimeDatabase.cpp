#include "skin/dialogs/shell/TMimeDatabase.h"

#include "skin/dialogs/filectrl/FileMasks.h"
#include "skin/dialogs/filectrl/FilePaths.h"
#include "skin/dialogs/filectrl/SplitText.h"

#include "platform/base/SysUtils.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace {

// The database's files are a few hundred kilobytes; more is not a database.
constexpr std::streamsize kMaxFileBytes = 8 << 20;

std::string ReadLimited(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::string text;
    char chunk[65536];
    while (in && static_cast<std::streamsize>(text.size()) < kMaxFileBytes) {
        in.read(chunk, sizeof chunk);
        text.append(chunk, static_cast<size_t>(in.gcount()));
    }
    if (static_cast<std::streamsize>(text.size()) > kMaxFileBytes) text.resize(kMaxFileBytes);
    return text;
}

// "media/subtype" of letters, digits and ".+-_" only: the type names a file
// below the database folder, so nothing else may pass.
bool IsPlainType(std::string_view type) {
    size_t slash = type.find('/');
    if (slash == std::string_view::npos || slash == 0 || slash + 1 >= type.size()) return false;
    if (type.find('/', slash + 1) != std::string_view::npos || type.size() > 255) return false;
    if (type[0] == '.' || type[slash + 1] == '.') return false;
    return std::all_of(type.begin(), type.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
               c == '+' || c == '-' || c == '_' || c == '/';
    });
}

std::string DecodeEntities(std::string_view s) {
    static const std::pair<std::string_view, char> entities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    std::string out;
    for (size_t i = 0; i < s.size();) {
        bool done = false;
        if (s[i] == '&')
            for (auto [name, c] : entities)
                if (s.substr(i).starts_with(name)) {
                    out.push_back(c);
                    i += name.size();
                    done = true;
                    break;
                }
        if (!done) out.push_back(s[i++]);
    }
    return out;
}

std::vector<std::string> SplitDirs(const char* value, const char* fallback) {
    std::string list = value && *value ? value : fallback;
    std::vector<std::string> dirs;
    for (std::string_view dir : SplitText(list, ':'))
        if (dir.starts_with('/')) dirs.emplace_back(dir);
    return dirs;
}

} // namespace

TMimeDatabase TMimeDatabase::Load(const std::vector<std::string>& dataDirs) {
    TMimeDatabase db;
    for (const std::string& dir : dataDirs) {
        std::string mimeDir = JoinPath(dir, "mime");
        db.FDirs.push_back(mimeDir);
        db.AddGlobs(ReadLimited(JoinPath(mimeDir, "globs2")));
    }
    return db;
}

TMimeDatabase TMimeDatabase::FromGlobs(std::string_view globs2) {
    TMimeDatabase db;
    db.AddGlobs(globs2);
    return db;
}

TMimeDatabase TMimeDatabase::FromSystem() {
    std::vector<std::string> dirs;
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/')
        dirs.push_back(dataHome);
    else if (const char* home = std::getenv("HOME"); home && home[0] == '/')
        dirs.push_back(JoinPath(home, ".local/share"));
    for (std::string& d : SplitDirs(std::getenv("XDG_DATA_DIRS"), "/usr/local/share:/usr/share"))
        dirs.push_back(std::move(d));
    return Load(dirs);
}

void TMimeDatabase::AddGlobs(std::string_view text) {
    for (std::string_view line : SplitText(text, '\n')) {
        if (line.empty() || line.front() == '#') continue;
        // weight:type:pattern[:flags[:...]]
        size_t c1 = line.find(':');
        size_t c2 = c1 == std::string_view::npos ? c1 : line.find(':', c1 + 1);
        if (c2 == std::string_view::npos) continue;
        size_t c3 = line.find(':', c2 + 1);
        TGlob glob;
        std::string_view weight = line.substr(0, c1);
        if (weight.empty() || weight.size() > 3 || !std::all_of(weight.begin(), weight.end(), ::isdigit))
            continue;
        glob.Weight = std::atoi(std::string(weight).c_str());
        glob.Type = std::string(line.substr(c1 + 1, c2 - c1 - 1));
        glob.Pattern = std::string(line.substr(c2 + 1, c3 == std::string_view::npos ? c3 : c3 - c2 - 1));
        if (c3 != std::string_view::npos) glob.CaseSensitive = line.substr(c3 + 1).starts_with("cs");
        if (!IsPlainType(glob.Type) || glob.Pattern.empty()) continue;

        // The first entry wins: folders are read in priority order, and each
        // file lists its globs heaviest first.
        auto keep = [&](std::map<std::string, TGlob>& table, const std::string& key) {
            table.emplace(key, glob);
        };
        std::string_view p = glob.Pattern;
        bool simpleExt = p.starts_with("*.") && p.find_first_of("*?[", 2) == std::string_view::npos;
        bool literal = p.find_first_of("*?[") == std::string_view::npos;
        if (simpleExt && !glob.CaseSensitive)
            keep(FExtensions, LowerCase(p.substr(2)));
        else if (literal)
            keep(FLiterals, glob.Pattern);
        else if (FGlobs.size() < 4096)
            FGlobs.push_back(glob);
    }
}

std::string TMimeDatabase::TypeOf(std::string_view name) const {
    if (auto it = FLiterals.find(std::string(name)); it != FLiterals.end()) return it->second.Type;
    // The longest extension first: "a.tar.gz" is "tar.gz" before "gz".
    std::string lower = LowerCase(name);
    for (size_t dot = lower.find('.'); dot != std::string::npos; dot = lower.find('.', dot + 1))
        if (auto it = FExtensions.find(lower.substr(dot + 1)); it != FExtensions.end())
            return it->second.Type;
    const TGlob* best = nullptr;
    for (const TGlob& g : FGlobs) {
        // (Case-sensitive globs are rare; they match without case here too.)
        if (MatchesMask(name, g.Pattern) && (!best || g.Weight > best->Weight)) best = &g;
    }
    return best ? best->Type : std::string();
}

std::string TMimeDatabase::Comment(const std::string& type) const {
    if (!IsPlainType(type)) return {};
    if (auto it = FComments.find(type); it != FComments.end()) return it->second;
    std::string comment;
    for (const std::string& dir : FDirs) {
        std::string xml = ReadLimited(JoinPath(dir, type + ".xml"));
        // The untranslated comment: the element without attributes.
        size_t open = xml.find("<comment>");
        if (open == std::string::npos) continue;
        size_t close = xml.find("</comment>", open);
        if (close == std::string::npos) continue;
        comment = DecodeEntities(std::string_view(xml).substr(open + 9, close - open - 9));
        break;
    }
    FComments.emplace(type, comment);
    return comment;
}
