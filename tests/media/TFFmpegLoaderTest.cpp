#include "media/TFFmpegLoader.h"
#include "media/AVBindings.h"
#include "media/TFFLogger.h"
#include "platform/base/Exception.h"
#include "platform/sys/DynamicLibrary.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TTempFolder.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <functional>
#include <vector>

namespace {

const std::string SystemLibDir = "/usr/lib/x86_64-linux-gnu/";
const char* const SystemSonames[] = {"libavutil.so.57",   "libswresample.so.4", "libswscale.so.6",
                                     "libavcodec.so.59",  "libavformat.so.59",  "libavfilter.so.8",
                                     "libavdevice.so.59", "libpostproc.so.56",  "libSDL-1.2.so.0"};

void LinkAllBut(const TTempFolder& folder, const std::string& except) {
    for (const char* name : SystemSonames)
        if (except != name) folder.Link(SystemLibDir + name, name);
}

std::string Expect(bool ok, const std::string& what) {
    return ok ? std::string() : what + "; ";
}

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.rfind(prefix, 0) == 0;
}

std::string FileOf(const void* address) {
    return ModuleFileOfAddress(address);
}

} // namespace

// Each row runs in a child process of its own: what one load leaves in ld.so
// would decide the next row.
TEST(TFFmpegLoader, LoadsFromTheFolderOrTheSystemAndFailsCleanly) {
    struct Row {
        const char* Name;
        std::function<std::string(const TTempFolder&)> Body;
    };
    const std::vector<Row> rows = {
        {"folder of links: every library comes from the folder",
         [](const TTempFolder& dir) {
             LinkAllBut(dir, "");
             FFLoader.SetLibraryPath(dir.Path());
             std::string r;
             r += Expect(FFLoader.Load(PlayerLibraries), "load: " + FFLoader.LastErrMsg());
             r += Expect(FFLoader.Load(TLibrary::avDevice), "avdevice: " + FFLoader.LastErrMsg());
             r += Expect(FileOf(reinterpret_cast<void*>(av::avcodec_version)) ==
                             dir.Path() + "libavcodec.so.59",
                         "avcodec from " + FileOf(reinterpret_cast<void*>(av::avcodec_version)));
             r += Expect(StartsWith(FileOf(reinterpret_cast<void*>(av::avfilter_version)), dir.Path()),
                         "avfilter from " + FileOf(reinterpret_cast<void*>(av::avfilter_version)));
             r += Expect(StartsWith(FileOf(reinterpret_cast<void*>(sdl::SDL_Init)), dir.Path()), "SDL");
             // The C library always comes from the system.
             r += Expect(!StartsWith(FileOf(reinterpret_cast<void*>(crt::snprintf)), dir.Path()), "libc");
             r += Expect(av::avcodec_find_decoder(AV_CODEC_ID_PCM_S16LE) != nullptr, "decoder lookup");
             return r;
         }},
        {"no folder: everything comes from the system",
         [](const TTempFolder& dir) {
             FFLoader.SetLibraryPath(dir.Path() + "absent/");
             std::string r = Expect(FFLoader.Load(PlayerLibraries), "load: " + FFLoader.LastErrMsg());
             std::string file = FileOf(reinterpret_cast<void*>(av::avformat_version));
             r += Expect(file.find("libavformat.so.59") != std::string::npos && !StartsWith(file, dir.Path()),
                         "avformat from " + file);
             return r;
         }},
        {"decoy avfilter: the component set fails, the prober's set loaded before stays",
         [](const TTempFolder& dir) {
             LinkAllBut(dir, "libavfilter.so.8");
             dir.Write("libavfilter.so.8",
                       std::string(200, '#') + " a text file named like the filter library\n");
             FFLoader.SetLibraryPath(dir.Path());
             std::string r = Expect(FFLoader.Load(ProbeLibraries), "probe set: " + FFLoader.LastErrMsg());
             r += Expect(!FFLoader.Load(ComponentLibraries), "component set loaded");
             std::string msg = FFLoader.LastErrMsg();
             r += Expect(StartsWith(msg, "Load library " + dir.Path() + "libavfilter.so.8 error: "), msg);
             r += Expect(msg.find("invalid ELF header") != std::string::npos, msg);
             r += Expect(!FFLoader.Loaded(TLibrary::avFilter) && !FFLoader.Loaded(ComponentLibraries),
                         "avfilter counted as loaded");
             r += Expect(FFLoader.Loaded(ProbeLibraries), "probe set unloaded by the failure");
             r +=
                 Expect(av::avcodec_find_decoder(AV_CODEC_ID_PCM_S16LE) != nullptr, "prober's slots cleared");
             return r;
         }},
        {"failing set unloads only what it loaded itself",
         [](const TTempFolder& dir) {
             LinkAllBut(dir, "libavfilter.so.8");
             dir.Write("libavfilter.so.8", "");
             FFLoader.SetLibraryPath(dir.Path());
             std::string r = Expect(!FFLoader.Load(ComponentLibraries), "component set loaded");
             r += Expect(!FFLoader.Loaded(TLibrary::avUtil) && !FFLoader.Loaded(TLibrary::avCodec) &&
                             av::avcodec_open2 == nullptr,
                         "libraries of the failed call left loaded");
             return r;
         }},
        {"missing name: the module is closed with the function's text",
         [](const TTempFolder& dir) {
             dir.Link(DUVA_FAKES_DIR "/missing_symbol/libswscale.so.6", "libswscale.so.6");
             FFLoader.SetLibraryPath(dir.Path());
             std::string r = Expect(!FFLoader.Load(ProbeLibraries), "loaded");
             std::string msg = FFLoader.LastErrMsg();
             r += Expect(
                 StartsWith(msg, "Load function swscale_version@" + dir.Path() + "libswscale.so.6 error: "),
                 msg);
             r += Expect(!FFLoader.Loaded(TLibrary::swScale) && av::sws_scale == nullptr, "half bound");
             return r;
         }},
        {"older major version: the load fails with the version text",
         [](const TTempFolder& dir) {
             dir.Link(DUVA_FAKES_DIR "/old_version/libswresample.so.4", "libswresample.so.4");
             FFLoader.SetLibraryPath(dir.Path());
             std::string r = Expect(!FFLoader.Load(TLibrary::swResample), "loaded");
             std::string msg = FFLoader.LastErrMsg();
             r += Expect(msg == "Load library " + dir.Path() +
                                    "libswresample.so.4 error: version mismatch (3.9.100, expected major 4)",
                         msg);
             r += Expect(av::swr_alloc == nullptr, "slots left bound");
             return r;
         }},
        {"a replaced file name that does not exist",
         [](const TTempFolder& dir) {
             FFLoader.SetLibraryPath(dir.Path());
             FFLoader.SetLibraryName(TLibrary::avFilter, "libavfilter-missing.so.8");
             std::string r = Expect(!FFLoader.Load(TLibrary::avFilter), "loaded");
             std::string msg = FFLoader.LastErrMsg();
             r += Expect(StartsWith(msg, "Load library " + dir.Path() + "libavfilter-missing.so.8 error: "),
                         msg);
             r += Expect(msg.find("No such file") != std::string::npos, msg);
             return r;
         }},
        {"loading twice is harmless",
         [](const TTempFolder& dir) {
             FFLoader.SetLibraryPath(dir.Path());
             std::string r = Expect(FFLoader.Load(ComponentLibraries), FFLoader.LastErrMsg());
             auto first = av::avformat_open_input;
             r += Expect(FFLoader.Load(ComponentLibraries) && FFLoader.Load(TLibrary::avFormat),
                         "second load");
             r += Expect(av::avformat_open_input == first && first != nullptr, "slots changed");
             r += Expect(FFLoader.LastErrMsg().empty(), "error text " + FFLoader.LastErrMsg());
             return r;
         }},
        {"unload clears the slots and is refused while a component lives",
         [](const TTempFolder& dir) {
             FFLoader.SetLibraryPath(dir.Path());
             std::string r = Expect(FFLoader.Load(ProbeLibraries), FFLoader.LastErrMsg());
             FFLoader.AddLiveObject();
             r += Expect(!FFLoader.Unload(ProbeLibraries) && FFLoader.Loaded(ProbeLibraries),
                         "unloaded in use");
             r += Expect(!FFLoader.LastErrMsg().empty(), "no reason given");
             FFLoader.RemoveLiveObject();
             r += Expect(FFLoader.Unload(ProbeLibraries), "refused");
             r += Expect(!FFLoader.Loaded(TLibrary::avCodec) && av::avcodec_open2 == nullptr &&
                             av::av_log == nullptr,
                         "slots still set");
             r += Expect(FFLoader.Unload(TLibrary::lbSDL), "unloading a library never loaded");
             return r;
         }},
        {"without InstallLogger the library keeps its own callback",
         [](const TTempFolder&) {
             TFFLogger logger;
             int lines = 0;
             logger.OnLog = [&](void*, uint32_t, TLogLevel, const std::string&) { ++lines; };
             FFLoader.SetInstallLogger(false);
             std::string r = Expect(FFLoader.Load(TLibrary::avUtil), FFLoader.LastErrMsg());
             av::av_log_set_level(AV_LOG_QUIET); // the default callback would print it
             av::av_log(nullptr, AV_LOG_PANIC, "to the default callback\n");
             r += Expect(lines == 0, "the logger got a line");
             return r;
         }},
        {"with InstallLogger the process's logger is made and gets library lines",
         [](const TTempFolder&) {
             std::string r = Expect(FFLoader.Load(TLibrary::avUtil), FFLoader.LastErrMsg());
             TFFLogger* logger = GetFFLogger();
             int lines = 0;
             logger->OnLog = [&](void*, uint32_t, TLogLevel, const std::string&) { ++lines; };
             av::av_log(nullptr, AV_LOG_ERROR, "to our callback\n");
             r += Expect(lines == 1, "no line delivered");
             // Loading leaves the rounding mode alone.
             r += Expect(fegetround() == FE_TONEAREST, "rounding mode changed");
             return r;
         }},
    };
    for (const auto& row : rows) {
        TTempFolder folder;
        EXPECT_EQ(RunInChild([&] { return row.Body(folder); }), "") << row.Name;
    }
}

TEST(TFFmpegLoader, FileNamesAreVersionedSonames) {
    const std::pair<TLibrary, const char*> names[] = {
        {TLibrary::avUtil, "libavutil.so.57"},     {TLibrary::swResample, "libswresample.so.4"},
        {TLibrary::swScale, "libswscale.so.6"},    {TLibrary::avCodec, "libavcodec.so.59"},
        {TLibrary::avFormat, "libavformat.so.59"}, {TLibrary::avFilter, "libavfilter.so.8"},
        {TLibrary::avDevice, "libavdevice.so.59"}, {TLibrary::myUtil, "libc.so.6"},
        {TLibrary::lbSDL, "libSDL-1.2.so.0"}};
    for (auto [lib, file] : names)
        EXPECT_EQ(FFLoader.LibraryFileName(lib), file);
    EXPECT_FALSE(ProbeLibraries.Contains(TLibrary::avFilter));
    EXPECT_TRUE(ComponentLibraries.Contains(TLibrary::avFilter));
    EXPECT_TRUE(ProbeLibraries.Contains(TLibrary::swResample));
    EXPECT_TRUE(PlayerLibraries.Contains(TLibrary::lbSDL));
    EXPECT_FALSE(PlayerLibraries.Contains(TLibrary::avDevice));
    EXPECT_EQ(FFLoader.LibraryPath(), std::string(std::getenv("DUVA_BINARY_DIR")) + "/bin/LibAV/");
    EXPECT_THROW(FFLoader.Load(TLibraries{}), Exception);
    EXPECT_THROW(FFLoader.Loaded(TLibraries{}), Exception);
}

TEST(TFFmpegLoader, DefaultFolderBesideTheProgramServes) {
    // Libraries an earlier case loaded from elsewhere stay in ld.so.
    if (RunCaseInFreshProcess()) return;
    ASSERT_TRUE(FFLoader.Load(PlayerLibraries)) << FFLoader.LastErrMsg();
    EXPECT_EQ(FileOf(reinterpret_cast<void*>(av::avutil_version)),
              FFLoader.LibraryPath() + "libavutil.so.57");
}
