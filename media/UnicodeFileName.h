#pragma once

#include <string>
#include <string_view>

// File names reach the media libraries as bytes. A name the libraries might
// misread (any byte outside ASCII) travels as "unicode:utf8:" + its bytes and
// is opened by our own I/O context (MediaIO.h). Names are never cut.

inline constexpr std::string_view UnicodePrefix = "unicode:utf8:";

// False for URLs of the known protocols ("http:", "stream:", "unicode:" ...);
// otherwise true exactly when the name holds a byte outside ASCII.
bool NeedsUnicodeName(std::string_view AName);
// The name to hand to the libraries: prefixed when NeedsUnicodeName; a name
// that is no URL and has no "/" before its first colon ("a:b.avi") gets
// "file:" in front so the colon is not read as a protocol. A name that exists
// as a local file ("pipe:1.mp4" in the current folder) is always that file.
std::string FileNameToURL(std::string_view AName);
// The name to show: the prefix (or an added "file:") removed, invalid UTF-8 replaced.
std::string FileNameFromURL(std::string_view AURL);
// Kept for the loader: nothing to register with the 5.x libraries.
void RegisterUnicodeProtocol();
