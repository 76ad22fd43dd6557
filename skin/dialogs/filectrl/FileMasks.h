#pragma once

#include <string_view>

// File masks: "*" any run of characters, "?" any one character, "[a-z]" and
// "[!a-z]" sets; letters compare without case ("*.AVI" finds movie.avi).
// A mask ending in ".*" also takes names without a dot, so "*.*" takes every
// name. Names are bytes; malformed UTF-8 counts byte by byte.
bool MatchesMask(std::string_view name, std::string_view mask);

// A character of a file name without case: ASCII, Latin-1, Greek and
// Cyrillic capitals to small letters; others as they are.
char32_t FoldFileNameChar(char32_t c);

// Several masks separated by ";" (spaces around each are ignored): true when
// one of them matches. An empty list matches nothing.
bool MatchesMaskList(std::string_view name, std::string_view masks);
