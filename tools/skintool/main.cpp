// skintool: looks inside skin folders.
//   skintool dump FOLDER      prints the parsed skin as canonical ini text
//   skintool validate FOLDER  checks the skin and prints its problems
//   skintool pack FOLDER FILE.skn    writes the skin as a compressed skin file
//   skintool unpack FILE.skn FOLDER  writes a compressed skin file as a skin folder
//   skintool render SKIN NAME WIDTHxHEIGHT OUT.png  draws one control description at a size
// FOLDER is a skin folder holding one ".ini" description file, or that file;
// SKIN is such a folder or file, or a compressed skin file (".skn").

#include "platform/base/Exception.h"
#include "platform/base/IniFile.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/gdi/TBitmap.h"
#include "skin/engine/CompressedStoredSkin.h"
#include "skin/engine/SkinFolder.h"
#include "skin/engine/SkinFolderCheck.h"
#include "skin/engine/SkinStore.h"

#include "Render.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>

namespace fs = std::filesystem;

namespace {

int Usage() {
    std::cerr << "usage: skintool dump FOLDER\n"
                 "       skintool validate FOLDER\n"
                 "       skintool pack FOLDER FILE.skn\n"
                 "       skintool unpack FILE.skn FOLDER\n"
                 "       skintool render SKIN NAME WIDTHxHEIGHT OUT.png\n"
                 "FOLDER is a skin folder with one .ini description file, or that file;\n"
                 "SKIN is such a folder or file, or a compressed skin file (.skn).\n";
    return 2;
}

// The description file of a skin folder, or the file itself.
std::string DescriptionFile(const std::string& path) {
    std::error_code ec;
    if (!fs::is_directory(path, ec)) {
        if (!fs::is_regular_file(path, ec)) throw Exception(path + ": no such file or folder");
        return path;
    }
    std::string found;
    for (const auto& entry : fs::directory_iterator(path)) {
        if (!entry.is_regular_file() || LowerCase(entry.path().extension().string()) != ".ini") continue;
        if (!found.empty()) throw Exception(path + ": more than one .ini file; name the description file");
        found = entry.path().string();
    }
    if (found.empty()) throw Exception(path + ": no .ini description file");
    return found;
}

int Dump(const std::string& file) {
    TlxSkinContent content;
    if (!LoadSkinFolder(file, content, nullptr)) throw Exception(file + " is not a skin description");
    TMemIniFile out("");
    content.WriteSkinIni(out);
    std::string text = out.Text();
    std::string lf;
    for (char c : text)
        if (c != '\r') lf += c;
    std::cout << lf;
    return 0;
}

int Validate(const std::string& file) {
    std::vector<std::string> problems = CheckSkinFolder(file, ReadSkinBitmap);
    for (const std::string& p : problems)
        std::cout << p << "\n";
    if (problems.empty()) std::cout << "ok\n";
    return problems.empty() ? 0 : 1;
}

int Pack(const std::string& file, const std::string& skn) {
    TlxCompressedStoredSkin stored(nullptr);
    if (!stored.LoadFromIniFile(file)) throw Exception(file + " is not a skin description");
    stored.SaveToCompressFile(skn);
    return 0;
}

int Unpack(const std::string& skn, const std::string& folder) {
    TlxCompressedStoredSkin stored(nullptr);
    stored.LoadFromCompressFile(skn);
    TlxSkinContent content;
    if (!stored.ReadContent(content)) throw Exception(skn + ": empty or of a newer version");
    std::error_code ec;
    fs::create_directories(folder, ec);
    StoreSkinToDisk((fs::path(folder) / "skin.ini").string(), content);
    return 0;
}

// The largest image render draws, per side.
constexpr int kMaxRenderSide = 8192;

int Render(const std::string& skin, const std::string& name, const std::string& size,
           const std::string& out) {
    std::smatch m;
    if (!std::regex_match(size, m, std::regex("([0-9]{1,9})x([0-9]{1,9})")))
        throw Exception("size \"" + size + "\" is not WIDTHxHEIGHT");
    const int width = std::stoi(m[1]);
    const int height = std::stoi(m[2]);
    if (width < 1 || height < 1 || width > kMaxRenderSide || height > kMaxRenderSide)
        throw Exception("size " + size + " is outside 1x1 .. " + std::to_string(kMaxRenderSide) + "x" +
                        std::to_string(kMaxRenderSide));

    TlxSkinContent content;
    std::error_code ec;
    if (!fs::is_directory(skin, ec) && LowerCase(fs::path(skin).extension().string()) == ".skn") {
        TlxCompressedStoredSkin stored(nullptr);
        stored.LoadFromCompressFile(skin);
        if (!stored.ReadContent(content)) throw Exception(skin + ": empty or of a newer version");
    } else {
        const std::string file = DescriptionFile(skin);
        if (!LoadSkinFolder(file, content, ReadSkinBitmap))
            throw Exception(file + " is not a skin description");
    }

    TBitmap image;
    RenderSkinDescription(content, name, width, height, image);
    const std::string png = EncodePng(image, image.HasAlpha());
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    if (!file.write(png.data(), std::streamsize(png.size())) || !file.flush())
        throw Exception(out + ": cannot write");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    const bool twoArgs = command == "pack" || command == "unpack";
    const bool render = command == "render";
    if (!twoArgs && !render && command != "dump" && command != "validate") return Usage();
    if (argc != (render ? 6 : twoArgs ? 4 : 3)) return Usage();
    try {
        if (render) return Render(argv[2], argv[3], argv[4], argv[5]);
        if (command == "pack") return Pack(DescriptionFile(argv[2]), argv[3]);
        if (command == "unpack") return Unpack(argv[2], argv[3]);
        std::string file = DescriptionFile(argv[2]);
        return command == "dump" ? Dump(file) : Validate(file);
    } catch (const Exception& e) {
        std::cerr << "skintool: " << e.Message() << "\n";
        return 1;
    }
}
