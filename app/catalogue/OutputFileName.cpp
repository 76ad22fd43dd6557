#include "app/catalogue/OutputFileName.h"

#include <filesystem>

namespace {

constexpr int MaxNumber = 10000;

// Two spellings of one path ("out//a.mp4", "out/./a.mp4") compare equal.
std::string Normal(std::string_view APath) {
    return std::filesystem::path(APath).lexically_normal().string();
}

std::string JoinPath(const std::string& AFolder, const std::string& AName) {
    if (AFolder.empty()) return AName;
    if (AFolder.back() == '/') return AFolder + AName;
    return AFolder + "/" + AName;
}

} // namespace

std::string FileNameOfPath(std::string_view APath) {
    const size_t slash = APath.rfind('/');
    return std::string(slash == std::string_view::npos ? APath : APath.substr(slash + 1));
}

std::string FileStem(std::string_view AFileName) {
    const size_t dot = AFileName.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return std::string(AFileName);
    return std::string(AFileName.substr(0, dot));
}

std::string OutputFileName(const TOutputNameRequest& ARequest, const TFileExistsFunc& AExists,
                           std::span<const std::string> ARowNames) {
    const std::string stem =
        JoinPath(ARequest.OutputFolder, FileStem(FileNameOfPath(ARequest.InputFileName)));
    const std::string input = Normal(ARequest.InputFileName);

    auto heldElsewhere = [&](const std::string& ACandidate) {
        const std::string normal = Normal(ACandidate);
        if (normal == input) return true;
        for (const std::string& name : ARowNames)
            if (Normal(name) == normal) return true;
        return false;
    };

    const std::string first = stem + ARequest.Extension;
    if (!heldElsewhere(first) && !(ARequest.Rename && AExists(first))) return first;

    for (int n = 1; n <= MaxNumber; ++n) {
        const std::string candidate = stem + "_" + std::to_string(n) + ARequest.Extension;
        if (!heldElsewhere(candidate) && !AExists(candidate)) return candidate;
    }
    return {};
}
