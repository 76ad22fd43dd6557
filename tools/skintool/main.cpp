// skintool: looks inside skin folders.
//   skintool dump FOLDER      prints the parsed skin as canonical ini text
//   skintool validate FOLDER  checks the skin and prints its problems
//   skintool pack FOLDER FILE.skn    writes the skin as a compressed skin file
//   skintool unpack FILE.skn FOLDER  writes a compressed skin file as a skin folder
// FOLDER is a skin folder holding one ".ini" description file, or that file.

#include "platform/base/Exception.h"
#include "platform/base/IniFile.h"
#include "platform/base/SysUtils.h"
#include "skin/engine/CompressedStoredSkin.h"
#include "skin/engine/SkinFolder.h"
#include "skin/engine/SkinStore.h"
#include "skin/engine/SkinFolderCheck.h"

#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

namespace {

int Usage() {
    std::cerr << "usage: skintool dump FOLDER\n"
                 "       skintool validate FOLDER\n"
                 "       skintool pack FOLDER FILE.skn\n"
                 "       skintool unpack FILE.skn FOLDER\n"
                 "FOLDER is a skin folder with one .ini description file, or that file.\n";
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

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    const bool twoArgs = command == "pack" || command == "unpack";
    if (!twoArgs && command != "dump" && command != "validate") return Usage();
    if (argc != (twoArgs ? 4 : 3)) return Usage();
    try {
        if (command == "pack") return Pack(DescriptionFile(argv[2]), argv[3]);
        if (command == "unpack") return Unpack(argv[2], argv[3]);
        std::string file = DescriptionFile(argv[2]);
        return command == "dump" ? Dump(file) : Validate(file);
    } catch (const Exception& e) {
        std::cerr << "skintool: " << e.Message() << "\n";
        return 1;
    }
}
