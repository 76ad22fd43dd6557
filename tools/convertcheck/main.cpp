// convertcheck: converts media files through one profile of the catalogue by
// the conversion road the program itself takes (the controller over the real
// converter, prober and library loader), for benchmarks and debugging.
//   convertcheck list
//       prints every profile: menu entry, row, key and caption
//   convertcheck [--threads N] [--priority P] [--libs FOLDER] convert PROFILE OUTDIR FILE...
//       converts the files into OUTDIR; PROFILE is a key ("1400") or a text
//       of the menu entry and caption ("DVD - PAL", "MP3音频"), the first
//       match taken. N files at once (1); P is "CPU利用方式：" 0 idle .. 3 normal (3).
// Prints each row's outcome and, when one did not finish, the log; the exit
// status is 0 when every file was converted.

#include "app/catalogue/CategoryMenu.h"
#include "app/catalogue/ProfileCaptionTable.h"
#include "app/catalogue/ProfileKey.h"
#include "app/conversion/TConversionController.h"
#include "app/conversion/TZorvexionConverter.h"
#include "media/TFFmpegLoader.h"
#include "media/task/TZorvexion.h"
#include "platform/sys/MainThread.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

int Usage() {
    std::cerr << "usage: convertcheck list\n"
                 "       convertcheck [--threads N] [--priority 0-3] [--libs FOLDER] convert PROFILE OUTDIR "
                 "FILE...\n"
                 "PROFILE is a profile key or a text of its menu entry and caption.\n";
    return 2;
}

struct TProfileChoice {
    int MenuEntry = -1;
    int Row = -1;
};

std::string Lower(std::string AText) {
    std::transform(AText.begin(), AText.end(), AText.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return AText;
}

std::optional<int> Number(const std::string& AText) {
    int value = 0;
    const auto [end, ec] = std::from_chars(AText.data(), AText.data() + AText.size(), value);
    if (ec != std::errc() || end != AText.data() + AText.size()) return std::nullopt;
    return value;
}

template <typename F> void ForEachProfile(F AVisit) {
    for (int entry = 0; entry < CategoryMenuCount; ++entry) {
        const auto captions = ProfileCaptions(CategoryMenuMap(entry));
        for (int row = 0; row < static_cast<int>(captions.size()); ++row)
            if (!AVisit(entry, row, MenuProfileKey(entry, row), std::string(CategoryMenu()[entry].Caption),
                        std::string(captions[static_cast<std::size_t>(row)])))
                return;
    }
}

std::optional<TProfileChoice> FindProfile(const std::string& AText) {
    const std::optional<int> key = Number(AText);
    const std::string wanted = Lower(AText);
    std::optional<TProfileChoice> found;
    ForEachProfile(
        [&](int AEntry, int ARow, int AKey, const std::string& AMenu, const std::string& ACaption) {
            if (key ? AKey == *key : Lower(AMenu + " " + ACaption).find(wanted) != std::string::npos)
                found = TProfileChoice{AEntry, ARow};
            return !found;
        });
    return found;
}

// The dialogs of a run without a window: the files come from the command line.
class TCommandLineDialogs : public IConversionDialogs {
public:
    std::vector<std::string> Files;
    int Failures = 0;

    std::optional<std::string> OpenFile() override { return std::nullopt; }
    std::optional<std::vector<std::string>> OpenFiles() override { return Files; }
    std::optional<std::string> SelectDirectory() override { return std::nullopt; }
    std::optional<std::string> SelectOutputDirectory() override { return std::nullopt; }
    void SetOpenFilter(const std::string&, int) override {}
    void ShowInformation(const std::string& AText) override { std::cerr << AText << "\n"; }
    void ShowTaskFailure(const std::string& AText) override {
        ++Failures;
        std::cerr << "failed: " << AText << "\n";
    }
};

// Nothing is opened and nothing powered off after a check run.
class TNoDesktop : public IDesktopServices {
public:
    bool OpenFolder(const std::string&) override { return true; }
    bool PowerOff() override { return true; }
};

int List() {
    ForEachProfile([](int AEntry, int ARow, int AKey, const std::string& AMenu, const std::string& ACaption) {
        std::cout << AEntry << "\t" << ARow << "\t" << AKey << "\t" << AMenu << "\t" << ACaption << "\n";
        return true;
    });
    return 0;
}

int Convert(const std::string& AProfile, const std::string& AOutDir, std::vector<std::string> AFiles,
            int AThreads, int APriority, const std::string& ALibs) {
    const auto profile = FindProfile(AProfile);
    if (!profile) {
        std::cerr << "convertcheck: no profile matches \"" << AProfile << "\" (see convertcheck list)\n";
        return 2;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(AOutDir, ec)) {
        std::cerr << "convertcheck: " << AOutDir << " is no folder\n";
        return 2;
    }
    for (std::string& file : AFiles)
        file = std::filesystem::absolute(file, ec).string();

    TZorvexion zorvex;
    TZorvexionConverter converter(zorvex);
    TZorvexionProber prober(zorvex);
    TCommandLineDialogs dialogs;
    TNoDesktop desktop;
    TConversionController controller(converter, prober, dialogs, desktop);
    controller.LibraryFolder = ALibs.empty() ? FFLoader.LibraryPath() : ALibs;
    controller.OutputFolder = std::filesystem::absolute(AOutDir, ec).string();
    controller.Initialize();
    controller.lxSkinImagesMenu1Change(profile->MenuEntry);
    controller.lxSkinOfficeComboBox1Change(profile->Row);
    std::cout << "profile: " << CategoryMenu()[profile->MenuEntry].Caption << " / "
              << controller.ProfileItems()[static_cast<std::size_t>(profile->Row)] << "\n";

    // The first file ends as the last row; the list shows them in that order.
    std::reverse(AFiles.begin(), AFiles.end());
    dialogs.Files = AFiles;
    controller.Button8Click();
    if (!controller.StatusText().empty()) std::cerr << controller.StatusText() << "\n";
    if (controller.Files().Empty()) {
        for (const std::string& line : controller.Log().Lines())
            std::cerr << line << "\n";
        return 1;
    }

    controller.ThreadCount = std::max(1, AThreads);
    controller.PriorityIndex = APriority;
    if (!controller.btnStartClick()) {
        std::cerr << controller.StatusText() << "\n";
        return 1;
    }
    WaitServingFor([&] { return controller.State() == TRunState::Finished; });

    bool allDone = static_cast<std::size_t>(controller.Files().Count()) == AFiles.size();
    for (int i = 0; i < controller.Files().Count(); ++i) {
        const std::string& progress = controller.Files().Text(i, fcProgress);
        allDone = allDone && progress == "100%";
        std::cout << controller.Files().Text(i, fcInputFile) << " -> " << controller.OutputFolder << "/"
                  << controller.Files().Text(i, fcOutputFile) << ": " << (progress.empty() ? "-" : progress)
                  << "\n";
    }
    std::cout << controller.StatusText() << "\n";
    if (!allDone)
        for (const std::string& line : controller.Log().Lines())
            std::cerr << line << "\n";
    return allDone ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    int threads = 1;
    int priority = 3;
    std::string libs;
    std::size_t i = 0;
    for (; i + 1 < args.size() && args[i].rfind("--", 0) == 0; i += 2) {
        const std::optional<int> value = Number(args[i + 1]);
        if (args[i] == "--threads" && value && *value >= 1 && *value <= 19)
            threads = *value;
        else if (args[i] == "--priority" && value && *value >= 0 && *value <= 3)
            priority = *value;
        else if (args[i] == "--libs")
            libs = args[i + 1];
        else
            return Usage();
    }
    if (i < args.size() && args[i] == "list" && i + 1 == args.size()) return List();
    if (i + 4 <= args.size() && args[i] == "convert")
        return Convert(args[i + 1], args[i + 2], {args.begin() + static_cast<long>(i) + 3, args.end()},
                       threads, priority, libs);
    return Usage();
}
