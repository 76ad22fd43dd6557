#pragma once

#include "platform/base/Set.h"
#include "platform/sys/TCriticalSection.h"

#include <string>

// The media libraries, in dependency order: every walk over a set loads in
// this order and unloads in reverse.
enum class TLibrary { avUtil, swResample, swScale, avCodec, avFormat, avFilter, avDevice, myUtil, lbSDL };
inline constexpr int LibraryCount = 9;

using TLibraries = TSet<TLibrary>;

// The sets of the media components. swResample is in every set: libavcodec needs it.
inline constexpr TLibraries ProbeLibraries{TLibrary::avUtil,  TLibrary::swResample, TLibrary::swScale,
                                           TLibrary::avCodec, TLibrary::avFormat,   TLibrary::myUtil};
inline constexpr TLibraries ComponentLibraries = ProbeLibraries + TLibraries{TLibrary::avFilter};
inline constexpr TLibraries PlayerLibraries = ComponentLibraries + TLibraries{TLibrary::lbSDL};

// Loads the media libraries at run time and binds every slot of AVBindings.h.
// Library files are versioned sonames ("libavcodec.so.59"), looked for first in
// LibraryPath and otherwise through the system's library search. The state is
// process-wide: every instance reads and writes the same table.
// Load and Unload run on the GUI thread, never overlapping a running component.
class TFFmpegLoader {
public:
    // True when the library is loaded and bound afterwards. Loading twice is harmless.
    bool Load(TLibrary lib);
    // Loads every member; on failure unloads only what this call loaded (members
    // loaded earlier, maybe for another component, stay). An empty set throws.
    bool Load(TLibraries libs);
    bool Loaded(TLibrary lib) const;
    bool Loaded(TLibraries libs) const;
    // Refused (false, LastErrMsg set) while a media component lives or off the GUI thread.
    bool Unload(TLibrary lib);
    bool Unload(TLibraries libs);
    // Loads libs with APath as the folder; a failed load leaves the folder as
    // it was, so one component's bad path does not move another's.
    bool LoadFrom(const std::string& APath, TLibraries libs);
    // Empty when every member is loaded, else the text naming the first
    // missing one ("LibAVCodec not loaded.").
    std::string NotLoadedText(TLibraries libs) const;

    // The text of the last failure; kept until the next one.
    std::string LastErrMsg() const;
    // The folder looked in first, with or without a trailing "/". Default: the
    // program's folder + "LibAV/".
    std::string LibraryPath() const;
    void SetLibraryPath(const std::string& value);
    // Install the log callback when avutil loads (default true).
    bool InstallLogger() const { return FInstallLogger; }
    void SetInstallLogger(bool value) { FInstallLogger = value; }

    // The file a library is loaded from: "lib" + name + ".so." + major, unless a
    // name was set (a bare file name, or a path whose folder replaces LibraryPath).
    std::string LibraryFileName(TLibrary lib) const;
    void SetLibraryName(TLibrary lib, const std::string& fileName);

    // Engines, probers and players count themselves here while they live.
    void AddLiveObject();
    void RemoveLiveObject();
    int LiveObjects() const;

private:
    bool FInstallLogger = true;
};

// The loader every media component uses; exists from start-up to exit.
extern TFFmpegLoader FFLoader;

// Serialises opening and closing codecs process-wide (avcodec_open2,
// avcodec_free_context, and the engine's avformat_find_stream_info). Nothing
// else runs under it, and nobody waits for the GUI thread while holding it.
extern TCriticalSection CodecLock;
