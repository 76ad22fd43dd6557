#include "media/TFFmpegLoader.h"

#include "media/AVBindings.h"
#include "media/TFFLogger.h"
#include "platform/base/Exception.h"
#include "platform/sys/DynamicLibrary.h"
#include "platform/sys/MainThread.h"
#include "platform/sys/ProgramFolder.h"

#include <array>
#include <atomic>
#include <cfenv>
#include <cstdarg>
#include <mutex>
#include <utility>
#include <vector>

#include <sys/stat.h>

namespace {

struct TBinding {
    const char* Name;
    void** Slot;
};

#define DUVA_FN(name) TBinding{#name, reinterpret_cast<void**>(&av::name)},
const TBinding AVUtilBindings[] = {
#include "media/bindings/avutil.inc"
};
const TBinding SwResampleBindings[] = {
#include "media/bindings/swresample.inc"
};
const TBinding SwScaleBindings[] = {
#include "media/bindings/swscale.inc"
};
const TBinding AVCodecBindings[] = {
#include "media/bindings/avcodec.inc"
};
const TBinding AVFormatBindings[] = {
#include "media/bindings/avformat.inc"
};
const TBinding AVFilterBindings[] = {
#include "media/bindings/avfilter.inc"
};
const TBinding AVDeviceBindings[] = {
#include "media/bindings/avdevice.inc"
};
#undef DUVA_FN
#define DUVA_FN(name) TBinding{#name, reinterpret_cast<void**>(&crt::name)},
const TBinding LibcBindings[] = {
#include "media/bindings/libc.inc"
};
#undef DUVA_FN
#define DUVA_FN(name) TBinding{#name, reinterpret_cast<void**>(&sdl::name)},
const TBinding SDLBindings[] = {
#include "media/bindings/sdl.inc"
};
#undef DUVA_FN

struct TLibraryItem {
    TLibrary Lib;
    const char* Name;
    int Version;
    const TBinding* Bindings;
    size_t BindingCount;
};

template <size_t N> constexpr size_t CountOf(const TBinding (&)[N]) {
    return N;
}

const TLibraryItem LibraryTable[LibraryCount] = {
    {TLibrary::avUtil, "avutil", LIBAVUTIL_VERSION_MAJOR, AVUtilBindings, CountOf(AVUtilBindings)},
    {TLibrary::swResample, "swresample", LIBSWRESAMPLE_VERSION_MAJOR, SwResampleBindings,
     CountOf(SwResampleBindings)},
    {TLibrary::swScale, "swscale", LIBSWSCALE_VERSION_MAJOR, SwScaleBindings, CountOf(SwScaleBindings)},
    {TLibrary::avCodec, "avcodec", LIBAVCODEC_VERSION_MAJOR, AVCodecBindings, CountOf(AVCodecBindings)},
    {TLibrary::avFormat, "avformat", LIBAVFORMAT_VERSION_MAJOR, AVFormatBindings, CountOf(AVFormatBindings)},
    {TLibrary::avFilter, "avfilter", LIBAVFILTER_VERSION_MAJOR, AVFilterBindings, CountOf(AVFilterBindings)},
    {TLibrary::avDevice, "avdevice", LIBAVDEVICE_VERSION_MAJOR, AVDeviceBindings, CountOf(AVDeviceBindings)},
    {TLibrary::myUtil, "c", 6, LibcBindings, CountOf(LibcBindings)},
    {TLibrary::lbSDL, "SDL-1.2", 0, SDLBindings, CountOf(SDLBindings)},
};

// libavfilter needs libpostproc, which has no row of its own: it is taken from
// the folder just before libavfilter when the folder holds it.
const char* const PostprocFile = "libpostproc.so.56";

struct TLibraryStatus {
    std::string Name; // replaces the built file name when set
    TModuleHandle Handle = nullptr;
    TModuleHandle Extra = nullptr; // libpostproc beside libavfilter
    bool Fixuped = false;
};

struct TLoaderState {
    std::recursive_mutex Lock;
    std::array<TLibraryStatus, LibraryCount> Status;
    std::string LastErrMsg;
    std::string LibraryPath = GetExePath() + "LibAV/";
    std::atomic<int> LiveObjects{0};
};

TLoaderState& State() {
    // Never destroyed: libraries stay loaded until the process ends.
    static TLoaderState* state = new TLoaderState;
    return *state;
}

std::string WithDelimiter(const std::string& folder) {
    if (folder.empty() || folder.back() == '/') return folder;
    return folder + "/";
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

// Folder first, then the system's search. No chdir and no environment edits:
// ld.so satisfies a library's dependencies from what is already loaded.
TModuleHandle LoadLibraryFromDir(const std::string& folder, const std::string& file, std::string& error) {
    if (!folder.empty() && FileExists(folder + file)) return LoadModule(folder + file, &error);
    return LoadModule(file, &error);
}

unsigned LinkedVersion(TLibrary lib) {
    switch (lib) {
    case TLibrary::avUtil:
        return av::avutil_version();
    case TLibrary::swResample:
        return av::swresample_version();
    case TLibrary::swScale:
        return av::swscale_version();
    case TLibrary::avCodec:
        return av::avcodec_version();
    case TLibrary::avFormat:
        return av::avformat_version();
    case TLibrary::avFilter:
        return av::avfilter_version();
    case TLibrary::avDevice:
        return av::avdevice_version();
    default:
        return 0;
    }
}

unsigned CompiledVersion(TLibrary lib) {
    switch (lib) {
    case TLibrary::avUtil:
        return LIBAVUTIL_VERSION_INT;
    case TLibrary::swResample:
        return LIBSWRESAMPLE_VERSION_INT;
    case TLibrary::swScale:
        return LIBSWSCALE_VERSION_INT;
    case TLibrary::avCodec:
        return LIBAVCODEC_VERSION_INT;
    case TLibrary::avFormat:
        return LIBAVFORMAT_VERSION_INT;
    case TLibrary::avFilter:
        return LIBAVFILTER_VERSION_INT;
    case TLibrary::avDevice:
        return LIBAVDEVICE_VERSION_INT;
    default:
        return 0;
    }
}

std::string Format(const char* fmt, ...) {
    char buf[4096];
    va_list args;
    va_start(args, fmt);
    vsnprintf(buf, sizeof buf, fmt, args);
    va_end(args);
    return buf;
}

// Empty when the bound library is the one we were compiled against (same
// major, at least our minor), else the failure text.
std::string CheckVersion(TLibrary lib, const std::string& path) {
    if (lib == TLibrary::myUtil) return {};
    unsigned major, minor, micro, wantMajor, wantMinor;
    if (lib == TLibrary::lbSDL) {
        const SDL_version* v = sdl::SDL_Linked_Version();
        major = v ? v->major : 0;
        minor = v ? v->minor : 0;
        micro = v ? v->patch : 0;
        wantMajor = 1;
        wantMinor = 2;
    } else {
        unsigned linked = LinkedVersion(lib), compiled = CompiledVersion(lib);
        major = linked >> 16;
        minor = (linked >> 8) & 0xff;
        micro = linked & 0xff;
        wantMajor = compiled >> 16;
        wantMinor = (compiled >> 8) & 0xff;
    }
    if (major == wantMajor && minor >= wantMinor) return {};
    return Format("Load library %s error: version mismatch (%u.%u.%u, expected major %u)", path.c_str(),
                  major, minor, micro, wantMajor);
}

void Unfix(const TLibraryItem& item) {
    for (size_t i = 0; i < item.BindingCount; ++i)
        *item.Bindings[i].Slot = nullptr;
}

// Binds every name; on the first missing one returns its text.
std::string Fixup(const TLibraryItem& item, TModuleHandle handle, const std::string& path) {
    for (size_t i = 0; i < item.BindingCount; ++i) {
        std::string error;
        void* address = ModuleSymbol(handle, item.Bindings[i].Name, &error);
        if (!address) {
            Unfix(item);
            return Format("Load function %s@%s error: %s", item.Bindings[i].Name, path.c_str(),
                          error.c_str());
        }
        *item.Bindings[i].Slot = address;
    }
    return {};
}

void UnloadOne(TLibrary lib) {
    auto& st = State().Status[static_cast<int>(lib)];
    if (st.Fixuped) {
        Unfix(LibraryTable[static_cast<int>(lib)]);
        st.Fixuped = false;
    }
    // The module stays mapped (no dlclose): the libraries keep allocations from
    // their start-up that would turn into leaks of an unmapped module, and a
    // later load gets the same module back. The cleared slots are what count.
    st.Handle = nullptr;
    st.Extra = nullptr;
}

void RequireSet(TLibraries libs) {
    if (libs.Empty()) throw Exception("The library set is empty.");
}

struct TFloatingPointGuard {
    fenv_t Saved;
    TFloatingPointGuard() {
        fegetenv(&Saved);
        // Every exception masked (glibc's default on x86-64); the rounding mode stays.
        fedisableexcept(FE_ALL_EXCEPT);
    }
    ~TFloatingPointGuard() { fesetenv(&Saved); }
};

} // namespace

TCriticalSection CodecLock;

namespace {
// Destroyed before CodecLock: waits for a codec being opened or closed.
struct TCodecLockExit {
    ~TCodecLockExit() {
        CodecLock.Enter();
        CodecLock.Leave();
    }
} CodecLockExit;

TFloatingPointGuard FloatingPointGuard;
} // namespace

TFFmpegLoader FFLoader;

std::string TFFmpegLoader::LibraryFileName(TLibrary lib) const {
    auto& state = State();
    std::lock_guard lock(state.Lock);
    const auto& st = state.Status[static_cast<int>(lib)];
    if (!st.Name.empty()) return st.Name;
    const auto& item = LibraryTable[static_cast<int>(lib)];
    return std::string("lib") + item.Name + ".so." + std::to_string(item.Version);
}

void TFFmpegLoader::SetLibraryName(TLibrary lib, const std::string& fileName) {
    auto& state = State();
    std::lock_guard lock(state.Lock);
    state.Status[static_cast<int>(lib)].Name = fileName;
}

bool TFFmpegLoader::Load(TLibrary lib) {
    auto& state = State();
    std::lock_guard lock(state.Lock);
    auto& st = state.Status[static_cast<int>(lib)];
    const auto& item = LibraryTable[static_cast<int>(lib)];

    std::string fileName = LibraryFileName(lib);
    std::string folder;
    std::string name = fileName;
    if (auto slash = fileName.rfind('/'); slash != std::string::npos) {
        folder = fileName.substr(0, slash + 1);
        name = fileName.substr(slash + 1);
    } else if (lib != TLibrary::myUtil) {
        // The C library always comes from the system.
        folder = WithDelimiter(state.LibraryPath);
    }
    const std::string path = folder + name;

    if (!st.Handle) {
        if (lib == TLibrary::avFilter && !folder.empty() && FileExists(folder + PostprocFile) && !st.Extra) {
            std::string ignored;
            st.Extra = LoadModule(folder + PostprocFile, &ignored);
        }
        std::string error;
        st.Handle = LoadLibraryFromDir(folder, name, error);
        if (!st.Handle) {
            state.LastErrMsg = Format("Load library %s error: %s", path.c_str(), error.c_str());
            UnloadOne(lib);
            return false;
        }
    }
    if (!st.Fixuped) {
        std::string error = Fixup(item, st.Handle, path);
        if (error.empty()) error = CheckVersion(lib, path);
        if (error.empty()) {
            st.Fixuped = true;
        } else {
            state.LastErrMsg = error;
            Unfix(item);
            UnloadOne(lib);
            return false;
        }
        try {
            if (lib == TLibrary::avUtil && FInstallLogger) GetFFLogger()->InstallAVLogCallback();
            if (lib == TLibrary::avDevice) av::avdevice_register_all();
        } catch (const std::exception& e) {
            state.LastErrMsg = e.what();
            UnloadOne(lib);
            return false;
        }
    }
    return st.Fixuped;
}

bool TFFmpegLoader::Load(TLibraries libs) {
    RequireSet(libs);
    auto& state = State();
    std::lock_guard lock(state.Lock);
    std::vector<TLibrary> loadedHere;
    for (int i = 0; i < LibraryCount; ++i) {
        auto lib = static_cast<TLibrary>(i);
        if (!libs.Contains(lib)) continue;
        bool before = Loaded(lib);
        if (!Load(lib)) {
            for (auto it = loadedHere.rbegin(); it != loadedHere.rend(); ++it)
                UnloadOne(*it);
            return false;
        }
        if (!before) loadedHere.push_back(lib);
    }
    return true;
}

bool TFFmpegLoader::LoadFrom(const std::string& APath, TLibraries libs) {
    auto& state = State();
    std::lock_guard lock(state.Lock);
    const std::string previous = state.LibraryPath;
    state.LibraryPath = APath;
    if (Load(libs)) return true;
    state.LibraryPath = previous;
    return false;
}

std::string TFFmpegLoader::NotLoadedText(TLibraries libs) const {
    // The prober's order of old: the codec and format libraries first.
    static const std::pair<TLibrary, const char*> Names[] = {{TLibrary::avCodec, "LibAVCodec"},
                                                             {TLibrary::avFormat, "LibAVFormat"},
                                                             {TLibrary::avUtil, "LibAVUtil"},
                                                             {TLibrary::swScale, "LibSwScale"},
                                                             {TLibrary::swResample, "LibSwResample"},
                                                             {TLibrary::avFilter, "LibAVFilter"},
                                                             {TLibrary::avDevice, "LibAVDevice"},
                                                             {TLibrary::myUtil, "LibC"},
                                                             {TLibrary::lbSDL, "LibSDL"}};
    for (const auto& [lib, name] : Names)
        if (libs.Contains(lib) && !Loaded(lib)) return std::string(name) + " not loaded.";
    return {};
}

bool TFFmpegLoader::Loaded(TLibrary lib) const {
    auto& state = State();
    std::lock_guard lock(state.Lock);
    const auto& st = state.Status[static_cast<int>(lib)];
    return st.Handle && st.Fixuped;
}

bool TFFmpegLoader::Loaded(TLibraries libs) const {
    RequireSet(libs);
    for (int i = 0; i < LibraryCount; ++i)
        if (libs.Contains(static_cast<TLibrary>(i)) && !Loaded(static_cast<TLibrary>(i))) return false;
    return true;
}

bool TFFmpegLoader::Unload(TLibrary lib) {
    return Unload(TLibraries{lib});
}

bool TFFmpegLoader::Unload(TLibraries libs) {
    RequireSet(libs);
    auto& state = State();
    std::lock_guard lock(state.Lock);
    if (state.LiveObjects > 0) {
        state.LastErrMsg = "Cannot unload the media libraries while a media component is in use.";
        return false;
    }
    if (!IsGuiThread()) {
        state.LastErrMsg = "The media libraries can only be unloaded on the GUI thread.";
        return false;
    }
    for (int i = LibraryCount - 1; i >= 0; --i)
        if (libs.Contains(static_cast<TLibrary>(i))) UnloadOne(static_cast<TLibrary>(i));
    return true;
}

std::string TFFmpegLoader::LastErrMsg() const {
    auto& state = State();
    std::lock_guard lock(state.Lock);
    return state.LastErrMsg;
}

std::string TFFmpegLoader::LibraryPath() const {
    auto& state = State();
    std::lock_guard lock(state.Lock);
    return state.LibraryPath;
}

void TFFmpegLoader::SetLibraryPath(const std::string& value) {
    auto& state = State();
    std::lock_guard lock(state.Lock);
    state.LibraryPath = value;
}

void TFFmpegLoader::AddLiveObject() {
    ++State().LiveObjects;
}
void TFFmpegLoader::RemoveLiveObject() {
    --State().LiveObjects;
}
int TFFmpegLoader::LiveObjects() const {
    return State().LiveObjects;
}
