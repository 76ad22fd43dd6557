#include "media/UnicodeFileName.h"

#include "media/UTF8Text.h"

#include <string>

#include <sys/stat.h>

namespace {

// Protocols whose URLs are never converted.
constexpr std::string_view KnownProtocols =
    ":unicode:stream:gopher:http:https:pipe:rtp:rtsp:rtmp:tcp:udp:ftp:mmsh:mmst:file:";

bool IsKnownProtocolURL(std::string_view name) {
    auto colon = name.find(':');
    if (colon == std::string_view::npos || colon == 0) return false;
    std::string key = ":" + std::string(name.substr(0, colon)) + ":";
    return KnownProtocols.find(key) != std::string_view::npos;
}

bool HasNonASCII(std::string_view name) {
    for (char c : name)
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    return false;
}

bool ExistsLocally(std::string_view name) {
    struct stat st {};
    return lstat(std::string(name).c_str(), &st) == 0;
}

} // namespace

bool NeedsUnicodeName(std::string_view AName) {
    return !IsKnownProtocolURL(AName) && HasNonASCII(AName);
}

std::string FileNameToURL(std::string_view AName) {
    // A local file named like a URL ("pipe:1.mp4", "http:x.mp4") is that
    // file: a protocol would read the standard input or go to the network.
    // Our own stream names are never files.
    if (IsKnownProtocolURL(AName) && AName.substr(0, 7) != "stream:" && ExistsLocally(AName))
        return HasNonASCII(AName) ? std::string(UnicodePrefix) + std::string(AName)
                                  : "file:" + std::string(AName);
    if (NeedsUnicodeName(AName)) return std::string(UnicodePrefix) + std::string(AName);
    if (!IsKnownProtocolURL(AName)) {
        auto colon = AName.find(':');
        if (colon != std::string_view::npos && AName.substr(0, colon).find('/') == std::string_view::npos)
            return "file:" + std::string(AName);
    }
    return std::string(AName);
}

std::string FileNameFromURL(std::string_view AURL) {
    if (AURL.size() > UnicodePrefix.size() && AURL.substr(0, UnicodePrefix.size()) == UnicodePrefix)
        return ValidUTF8(AURL.substr(UnicodePrefix.size()));
    if (AURL.substr(0, 5) == "file:") return ValidUTF8(AURL.substr(5));
    return ValidUTF8(AURL);
}

void RegisterUnicodeProtocol() {}
