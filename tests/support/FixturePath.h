#pragma once
// Where the generated media fixtures are: $DUVA_BINARY_DIR/fixtures (the
// build folder when run by hand).

#include <string>
#include <string_view>

// The full path of a generated fixture. A missing fixture throws, so the test
// stops at once with a message naming the file and the target that makes it.
std::string FixturePath(std::string_view name);

// The folder of the fixtures.
std::string FixtureFolder();
