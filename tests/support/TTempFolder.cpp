#include "tests/support/TTempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

TTempFolder::TTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "duva-test-XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    FPath = std::string(made ? made : "/tmp") + "/";
}

TTempFolder::~TTempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(FPath, ec);
}

std::string TTempFolder::Link(const std::string& target, const std::string& name) const {
    std::filesystem::create_symlink(target, FPath + name);
    return FPath + name;
}

std::string TTempFolder::Write(const std::string& name, const std::string& content) const {
    std::ofstream(FPath + name, std::ios::binary) << content;
    return FPath + name;
}
