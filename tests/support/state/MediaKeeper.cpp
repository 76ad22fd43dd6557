// The media loader is process-wide: its folder, file names and logger
// setting, the libraries it holds loaded, and the logger the libraries write
// to. A case that loads libraries leaves them unloaded again (a later case
// may check what happens without them), and the logger as a fresh process
// has it.
#include "media/TFFLogger.h"
#include "media/TFFmpegLoader.h"
#include "media/player/TPlayerHost.h"
#include "tests/support/ProcessState.h"

#include <array>
#include <stdexcept>
#include <string>

namespace {

class TMediaKeeper : public TProcessStateKeeper {
public:
    TMediaKeeper() { RegisterProcessStateKeeper(*this); }
    int Order() const override { return 2; }

    void Save() override {
        FLibraryPath = FFLoader.LibraryPath();
        FInstallLogger = FFLoader.InstallLogger();
        for (int i = 0; i < LibraryCount; ++i) {
            FFileNames[i] = FFLoader.LibraryFileName(static_cast<TLibrary>(i));
            FLoaded[i] = FFLoader.Loaded(static_cast<TLibrary>(i));
        }
    }

    void Restore() override {
        // The logger exists once avutil was loaded with InstallLogger; asking
        // for it otherwise would make one a later case may not expect.
        if (FLoaded[static_cast<int>(TLibrary::avUtil)] || FFLoader.Loaded(TLibrary::avUtil)) {
            TFFLogger* logger = GetFFLogger();
            logger->OnLog = nullptr;
            logger->SetTriggerEventInMainThread(true);
            logger->SetLogLevel(llInfo); // the libraries' own default
        }
        FFLoader.SetLibraryPath(FLibraryPath);
        FFLoader.SetInstallLogger(FInstallLogger);
        TLibraries loadedHere;
        for (int i = 0; i < LibraryCount; ++i) {
            auto lib = static_cast<TLibrary>(i);
            if (FFLoader.LibraryFileName(lib) != FFileNames[i]) FFLoader.SetLibraryName(lib, "");
            if (FFLoader.LibraryFileName(lib) != FFileNames[i]) FFLoader.SetLibraryName(lib, FFileNames[i]);
            if (!FLoaded[i] && FFLoader.Loaded(lib)) loadedHere.Include(lib);
        }
        if (!loadedHere.Empty() && !FFLoader.Unload(loadedHere))
            throw std::runtime_error("the media libraries it loaded stay loaded: " + FFLoader.LastErrMsg());
    }

private:
    std::string FLibraryPath;
    bool FInstallLogger = true;
    std::array<std::string, LibraryCount> FFileNames;
    std::array<bool, LibraryCount> FLoaded{};
};

TMediaKeeper Keeper;

// The player writes SDL_WINDOWID and leaves alone a value it did not write
// last. It removes its own here, before the environment is put back (which
// would otherwise take the value from under it and make it someone else's).
class TPlayerWindowIdKeeper : public TProcessStateKeeper {
public:
    TPlayerWindowIdKeeper() { RegisterProcessStateKeeper(*this); }
    int Order() const override { return -2; }
    void Save() override {}
    void Restore() override { TPlayerHost::SetWindowIdVariable(0); }
};

TPlayerWindowIdKeeper WindowIdKeeper;

} // namespace
