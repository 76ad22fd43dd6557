#include "tests/support/pictures/GoldenPicture.h"
#include "platform/gdi/ImageCodecs.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

std::string Folder(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    return value && *value ? value : fallback;
}

std::string GoldenFile(const std::string& name) {
    return Folder("DUVA_SOURCE_DIR", DUVA_DEFAULT_SOURCE_DIR) + "/tests/golden/" + name + ".png";
}

bool ReadFile(const std::string& path, std::string& data) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    data = text.str();
    return true;
}

void WritePng(const TBitmap& picture, const std::string& path) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << EncodePng(picture, false);
}

// Empty when the pictures agree, else what differs first and how much.
std::string Difference(const TBitmap& picture, const TBitmap& golden, int tolerance) {
    std::ostringstream out;
    if (picture.Width() != golden.Width() || picture.Height() != golden.Height()) {
        out << "the picture is " << picture.Width() << " x " << picture.Height() << ", the golden "
            << golden.Width() << " x " << golden.Height();
        return out.str();
    }
    long differing = 0;
    for (int y = 0; y < golden.Height(); ++y)
        for (int x = 0; x < golden.Width(); ++x) {
            const uint32_t a = picture.ScanLine(y)[x], b = golden.ScanLine(y)[x];
            bool same = true;
            for (int shift : {16, 8, 0})
                same = same && std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)) <= tolerance;
            if (same) continue;
            if (differing++ == 0)
                out << "first at (" << x << ", " << y << "): 0x" << std::hex << (a & 0xFFFFFF) << " for 0x"
                    << (b & 0xFFFFFF) << std::dec;
        }
    if (differing) out << "; " << differing << " pixels differ (tolerance " << tolerance << ")";
    return out.str();
}

} // namespace

testing::AssertionResult MatchesGolden(const TBitmap& picture, const std::string& name, int tolerance) {
    const std::string file = GoldenFile(name);
    const bool updating = std::getenv("DUVA_UPDATE_GOLDENS") != nullptr;
    std::string data, difference;
    TBitmap golden;
    if (!ReadFile(file, data)) {
        difference = "no golden";
    } else {
        try {
            DecodePng(data, golden);
            difference = Difference(picture, golden, tolerance);
        } catch (const std::exception& e) {
            difference = std::string("the golden cannot be read: ") + e.what();
        }
    }
    if (difference.empty()) return testing::AssertionSuccess();
    if (updating) {
        WritePng(picture, file);
        std::cout << "golden written: tests/golden/" << name << ".png (" << difference << ")" << std::endl;
        return testing::AssertionSuccess();
    }
    const std::string actual =
        Folder("DUVA_BINARY_DIR", DUVA_DEFAULT_BINARY_DIR) + "/golden-actual/" + name + ".png";
    WritePng(picture, actual);
    return testing::AssertionFailure()
           << "differs from golden " << file << ": " << difference << "\n  the picture taken: " << actual
           << "\n  (a wanted change: scripts/update-goldens)";
}
