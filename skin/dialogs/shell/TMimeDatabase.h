#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

// File type names from the shared MIME database: "globs2" maps names to
// types, "<type>.xml" holds each type's comment ("AVI video"). Only names are
// used (contents are never read). The files are untrusted: a malformed line
// is skipped, a type that is no plain "media/subtype" is ignored, and files
// are read up to a fixed size.
class TMimeDatabase {
public:
    TMimeDatabase() = default;
    // Reads dir/mime/globs2 of each data folder; earlier folders win.
    static TMimeDatabase Load(const std::vector<std::string>& dataDirs);
    // XDG_DATA_HOME (else ~/.local/share) and XDG_DATA_DIRS (else
    // /usr/local/share and /usr/share).
    static TMimeDatabase FromSystem();
    // A database of one globs2 text alone (no comments).
    static TMimeDatabase FromGlobs(std::string_view globs2);

    bool Empty() const { return FExtensions.empty() && FLiterals.empty() && FGlobs.empty(); }
    // The type of a file name, empty when none is known.
    std::string TypeOf(std::string_view name) const;
    // The type's comment, empty when the database has none.
    std::string Comment(const std::string& type) const;

private:
    struct TGlob {
        int Weight = 0;
        std::string Type;
        std::string Pattern;
        bool CaseSensitive = false;
    };
    void AddGlobs(std::string_view text);

    std::vector<std::string> FDirs;           // ".../mime" folders, in priority order
    std::map<std::string, TGlob> FExtensions; // "*.ext" globs by their folded ext
    std::map<std::string, TGlob> FLiterals;   // whole names
    std::vector<TGlob> FGlobs;                // the rest
    mutable std::map<std::string, std::string> FComments;
};
