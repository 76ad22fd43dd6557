// skinshots OUTDIR: draws the main window, as it shows after start-up, under
// each of the program's skins on the headless window system and writes
// OUTDIR/<skin>.png, <skin> the name of the skin's compressed file in the
// skin list ("Porcelain" for "Porcelain.skn"). The window's
// settings file lives in a temporary folder that is removed afterwards.

#include "app/TForm1.h"
#include "platform/backend/headless/THeadlessSession.h"
#include "platform/base/Exception.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/gdi/TBitmap.h"
#include "platform/vcl/TApplication.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/controls/TlxSkinStatusPanel.h"
#include "skin/dialogs/SkinDialogsRegistration.h"
#include "skin/engine/CompressedSkinList.h"
#include "skin/engine/SkinListItem.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace fs = std::filesystem;

namespace {

// A file name from the skin's file name: letters, digits, "-" and "_" only.
std::string ShotName(const std::string& AName, int AIndex) {
    const bool plain = !AName.empty() && std::all_of(AName.begin(), AName.end(), [](unsigned char c) {
        return std::isalnum(c) || c == '-' || c == '_';
    });
    return plain ? AName : "skin" + std::to_string(AIndex);
}

void WritePng(const TBitmap& AImage, const fs::path& AOut) {
    const std::string png = EncodePng(AImage, false);
    std::ofstream file(AOut, std::ios::binary | std::ios::trunc);
    if (!file.write(png.data(), std::streamsize(png.size())) || !file.flush())
        throw Exception(AOut.string() + ": cannot write");
}

// A folder of its own below the system's temporary folder, removed on leaving.
class TScratchFolder {
public:
    TScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "skinshots-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw Exception("cannot make a temporary folder");
        FPath = pattern;
    }
    ~TScratchFolder() {
        std::error_code ec;
        fs::remove_all(FPath, ec);
    }
    const fs::path& Path() const { return FPath; }

private:
    fs::path FPath;
};

int Run(const fs::path& AOut) {
    fs::create_directories(AOut);
    const TScratchFolder scratch;
    fs::create_directories(scratch.Path() / "out");
    const std::string ini = (scratch.Path() / "option.ini").string();
    TSettings(ini).WriteOutputFolder((scratch.Path() / "out").string());
    TForm1::SettingsFileName = ini;

    RegisterSkinControls();
    RegisterSkinDialogClasses();
    RegisterMainFormClass();
    THeadlessSession session;
    Application->Initialize();
    TForm1* form = TCustomForm::Create<TForm1>(nullptr);
    form->Show();
    // The mouse away from the window: no control shows its hover look.
    session.MouseMove({form->Left() + form->Width() + 50, form->Top() + form->Height() + 50});
    session.Pump();
    int failed = 0;
    const int count = form->lxCompressedSkinList1->Skins()->Count();
    for (int i = 0; i < count; ++i) {
        const TlxSkinListItem* item = form->lxCompressedSkinList1->Skins()->GetItem(i);
        const std::string name = ShotName(fs::path(item->CompressedFileName()).stem().string(), i);
        if (!form->ApplySkin(i)) {
            std::cerr << name << ": " << form->lxSkinStatusPanel1->Caption() << "\n";
            ++failed;
            continue;
        }
        session.Pump();
        WritePng(session.WindowShot(form->Handle()), AOut / (name + ".png"));
        std::cout << (AOut / (name + ".png")).string() << "\n";
    }
    form->Free();
    session.Pump();
    return failed ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: skinshots OUTDIR\n";
        return 2;
    }
    // The preview panel's player must not open a window of its own.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    try {
        return Run(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "skinshots: " << e.what() << "\n";
        return 1;
    }
}
