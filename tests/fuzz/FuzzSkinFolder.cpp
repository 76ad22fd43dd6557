// The skin folder reader. The input is the description file, then the
// picture files in the order the load asks for them, each part introduced by
// the separator below; a picture asked for beyond the parts is a missing file.
// A description that loads must also write and read back.

#include "platform/base/Exception.h"
#include "platform/base/FileStream.h"
#include "platform/base/IniFile.h"
#include "platform/gdi/ImageCodecs.h"
#include "skin/engine/SkinContent.h"
#include "skin/engine/SkinError.h"
#include "skin/engine/SkinFolder.h"
#include "tests/fuzz/FuzzTarget.h"
#include "tests/fuzz/SkinSeeds.h"

#include <filesystem>
#include <unistd.h>

namespace {

constexpr std::string_view kSeparator = "\n--picture--\n";

std::vector<std::string_view> Parts(std::string_view AText) {
    std::vector<std::string_view> parts;
    for (;;) {
        const size_t at = AText.find(kSeparator);
        parts.push_back(AText.substr(0, at));
        if (at == std::string_view::npos) return parts;
        AText.remove_prefix(at + kSeparator.size());
    }
}

const std::string& DescriptionFile() {
    static const std::string name = [] {
        const auto folder =
            std::filesystem::temp_directory_path() / ("duva-fuzz-skin-folder-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        return (folder / "skin.ini").string();
    }();
    return name;
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    std::string seed = SeedSkinText();
    for (const std::string& picture : SeedSkinPictures())
        seed += std::string(kSeparator) + picture;
    return {seed};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::vector<std::string_view> parts = Parts(FuzzText(Data, Size));
    WriteFileAtomic(DescriptionFile(), std::string(parts[0]));
    size_t next = 1;
    auto readPicture = [&](const std::string& APath, TBitmap& ABitmap) {
        if (next >= parts.size()) throw EFOpenError("Cannot open file \"" + APath + "\"");
        DecodeBmp(parts[next++], ABitmap);
    };
    TlxSkinContent content;
    try {
        if (!LoadSkinFolder(DescriptionFile(), content, readPicture)) return 0;
    } catch (const Exception&) {
        return 0;
    }

    TMemIniFile written("");
    try {
        content.WriteSkinIni(written);
    } catch (const ESkinError&) {
        return 0; // names the writer refuses, before it writes anything
    }
    TlxSkinContent again;
    try {
        again.ReadSkinIni(written);
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", e.Message().c_str());
        FuzzCheck(false, "a written description does not read back");
    }
    return 0;
}
