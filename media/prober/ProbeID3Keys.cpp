#include "media/prober/ProbeID3Keys.h"

#include <string_view>

namespace {

struct ID3Key {
    std::string_view Key;
    std::string_view Name;
};

constexpr ID3Key ID3Keys[] = {
    {"TALB", "album"},     {"TAL", "album"},      {"TCOM", "composer"},  {"TCON", "genre"},
    {"TCO", "genre"},      {"TCOP", "copyright"}, {"TDRL", "date"},      {"TENC", "encoder"},
    {"TEN", "encoder"},    {"TIT2", "title"},     {"TT2", "title"},      {"TLAN", "language"},
    {"TPE1", "artist"},    {"TP1", "artist"},     {"TPOS", "disc"},      {"TPUB", "publisher"},
    {"TRCK", "track"},     {"TRK", "track"},      {"TSOA", "albumsort"}, {"TSOP", "authorsort"},
    {"TSOT", "titlesort"}, {"TYER", "year"},
};

} // namespace

std::string ID3KeyName(const std::string& AKey) {
    for (const ID3Key& k : ID3Keys)
        if (k.Key == AKey) return std::string(k.Name);
    return AKey;
}
