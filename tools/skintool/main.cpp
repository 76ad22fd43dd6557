// skintool: looks inside skin folders.
//   skintool dump SKIN        prints the parsed skin as canonical ini text
//   skintool validate [--complete] SKIN
//                             checks the skin: prints its problems (and fails)
//                             and the values it likely reads otherwise than meant;
//                             with --complete also every description the
//                             program looks up, with its class and pictures
//   skintool pack FOLDER FILE.skn    writes the skin as a compressed skin file
//   skintool unpack FILE.skn FOLDER  writes a compressed skin file as a skin folder
//   skintool render SKIN NAME WIDTHxHEIGHT OUT.png  draws one control description at a size
//   skintool render SKIN OUT.png     draws a contact sheet of the whole skin
// FOLDER is a skin folder holding one ".ini" description file, or that file;
// SKIN is such a folder or file, or a compressed skin file (".skn").

#include "platform/base/Exception.h"
#include "platform/base/FileStream.h"
#include "platform/base/IniFile.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/gdi/TBitmap.h"
#include "skin/engine/CompressedStoredSkin.h"
#include "skin/engine/SkinFolder.h"
#include "skin/engine/SkinFolderCheck.h"
#include "skin/engine/SkinRequiredNames.h"
#include "skin/engine/SkinStore.h"

#include "ContactSheet.h"
#include "Render.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <vector>

namespace fs = std::filesystem;

namespace {

int Usage() {
    std::cerr << "usage: skintool dump SKIN\n"
                 "       skintool validate [--complete] SKIN\n"
                 "       skintool pack FOLDER FILE.skn\n"
                 "       skintool unpack FILE.skn FOLDER\n"
                 "       skintool render SKIN NAME WIDTHxHEIGHT OUT.png\n"
                 "       skintool render SKIN OUT.png\n"
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

// Runs Action; an error it raises gets File in front unless it names it already.
template <typename F> auto NamingFile(const std::string& File, F Action) {
    try {
        return Action();
    } catch (Exception& e) {
        if (e.Message().rfind(File, 0) != 0) e.SetMessage(File + ": " + e.Message());
        throw;
    }
}

bool IsCompressedSkin(const std::string& path) {
    std::error_code ec;
    return !fs::is_directory(path, ec) && LowerCase(fs::path(path).extension().string()) == ".skn";
}

// A skin read whole, with the description text as written.
struct LoadedSkin {
    std::string File; // the description file or the compressed skin file
    TlxSkinContent Content;
    std::string Text;
};

void LoadCompressedSkin(const std::string& path, LoadedSkin& skin) {
    skin.File = path;
    TlxCompressedStoredSkin stored(nullptr);
    stored.LoadFromCompressFile(path);
    NamingFile(path, [&] {
        if (!stored.ReadContent(skin.Content, &skin.Text)) throw Exception("empty or of a newer version");
    });
}

// A skin folder (without Pictures only its description) or a compressed skin
// file. Every error names the file.
void LoadSkin(const std::string& path, LoadedSkin& skin, bool Pictures = true) {
    if (IsCompressedSkin(path)) return LoadCompressedSkin(path, skin);
    skin.File = DescriptionFile(path);
    if (!LoadSkinFolder(skin.File, skin.Content, Pictures ? TlxPictureReader(ReadSkinBitmap) : nullptr))
        throw Exception(skin.File + " is not a skin description: it needs the sections VERSION, PICTURES, "
                                    "FORMINFO, SKINOBJECTS and SKINCONTROLS, each with at least one key");
    skin.Text = NamingFile(skin.File, [&] { return ReadFileToString(skin.File); });
}

int Dump(const std::string& path) {
    LoadedSkin skin;
    LoadSkin(path, skin, false);
    TMemIniFile out("");
    NamingFile(skin.File, [&] { skin.Content.WriteSkinIni(out); });
    std::string text = out.Text();
    std::string lf;
    for (char c : text)
        if (c != '\r') lf += c;
    std::cout << lf;
    return 0;
}

// Problems fail the check; warnings only inform.
int Validate(const std::string& path, bool complete) {
    LoadedSkin skin;
    try {
        LoadSkin(path, skin);
    } catch (const Exception& e) {
        std::cout << "the skin does not load: " << e.Message() << "\n";
        return 1;
    }
    TMemIniFile ini("");
    ini.SetText(skin.Text);
    for (const std::string& w : SkinWarnings(ini, skin.Content))
        std::cout << skin.File << ": warning: " << w << "\n";
    std::vector<std::string> problems = CheckSkinContent(skin.Content);
    if (complete)
        for (std::string& p : CheckSkinCompleteness(skin.Content))
            problems.push_back(std::move(p));
    for (const std::string& p : problems)
        std::cout << skin.File << ": " << p << "\n";
    if (problems.empty()) std::cout << "ok\n";
    return problems.empty() ? 0 : 1;
}

int Pack(const std::string& file, const std::string& skn) {
    TlxCompressedStoredSkin stored(nullptr);
    if (!NamingFile(file, [&] { return stored.LoadFromIniFile(file); }))
        throw Exception(file + " is not a skin description");
    NamingFile(skn, [&] { stored.SaveToCompressFile(skn); });
    return 0;
}

int Unpack(const std::string& skn, const std::string& folder) {
    LoadedSkin skin;
    LoadCompressedSkin(skn, skin);
    std::error_code ec;
    fs::create_directories(folder, ec);
    const std::string ini = (fs::path(folder) / "skin.ini").string();
    NamingFile(ini, [&] { StoreSkinToDisk(ini, skin.Content); });
    return 0;
}

// The largest image render draws, per side.
constexpr int kMaxRenderSide = 8192;

void WritePng(const TBitmap& image, const std::string& out) {
    const std::string png = EncodePng(image, image.HasAlpha());
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    if (!file.write(png.data(), std::streamsize(png.size())) || !file.flush())
        throw Exception(out + ": cannot write");
}

int RenderSheet(const std::string& skin, const std::string& out) {
    LoadedSkin loaded;
    LoadSkin(skin, loaded);
    TBitmap image;
    RenderContactSheet(loaded.Content, image);
    WritePng(image, out);
    return 0;
}

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

    LoadedSkin loaded;
    LoadSkin(skin, loaded);

    TBitmap image;
    RenderSkinDescription(loaded.Content, name, width, height, image);
    WritePng(image, out);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return Usage();
    const std::string command = args[0];
    // validate's one option: the completeness check for the program's skins.
    const bool complete = command == "validate" && args.size() == 3 && args[1] == "--complete";
    if (complete) args.erase(args.begin() + 1);
    const bool twoArgs = command == "pack" || command == "unpack";
    const bool render = command == "render";
    if (!twoArgs && !render && command != "dump" && command != "validate") return Usage();
    const bool sheet = render && args.size() == 3;
    if (!sheet && args.size() != (render ? 5u : twoArgs ? 3u : 2u)) return Usage();
    try {
        if (sheet) return RenderSheet(args[1], args[2]);
        if (render) return Render(args[1], args[2], args[3], args[4]);
        if (command == "pack") return Pack(DescriptionFile(args[1]), args[2]);
        if (command == "unpack") return Unpack(args[1], args[2]);
        return command == "dump" ? Dump(args[1]) : Validate(args[1], complete);
    } catch (const Exception& e) {
        std::cerr << "skintool: " << e.Message() << "\n";
        return 1;
    }
}
