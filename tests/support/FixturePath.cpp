#include "tests/support/FixturePath.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

std::string FixtureFolder() {
    const char* dir = std::getenv("DUVA_BINARY_DIR");
    return std::string(dir && *dir ? dir : DUVA_DEFAULT_BINARY_DIR) + "/fixtures";
}

std::string FixturePath(std::string_view name) {
    std::string path = FixtureFolder() + "/" + std::string(name);
    if (!std::filesystem::exists(path))
        throw std::runtime_error("missing test fixture " + path +
                                 " (made by the duva_fixtures target: add it to mediafixtures' table)");
    return path;
}
