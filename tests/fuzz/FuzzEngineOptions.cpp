// The conversion engine's option strings: each "name=value" line of the input
// is set on one engine, as a task's ExtOptions are. A malformed value raises a
// clear error (the engine's own or a conversion error) and nothing else.

#include "media/TFFmpegLoader.h"
#include "media/engine/FFmpegException.h"
#include "media/engine/TCustomFFmpeg.h"
#include "media/task/ExtOptions.h"
#include "platform/base/Exception.h"
#include "tests/fuzz/FuzzTarget.h"

#include <cstdlib>

namespace {

// Options that reach outside the engine (files, modules, the process's log
// level) are left out: their effects are not the parser's.
bool ReachesOutside(const std::string& AName) {
    for (const char* name : {"vhook", "vstats", "vstats_file", "passlogfile", "loglevel", "v", "apre", "vpre",
                             "spre", "fpre", "target"})
        if (AName == name) return true;
    return false;
}

TCustomFFmpeg& Engine() {
    static TCustomFFmpeg* engine = [] {
        if (!FFLoader.Load(ComponentLibraries)) {
            std::fprintf(stderr, "media libraries not loaded: %s\n", FFLoader.LastErrMsg().c_str());
            std::abort();
        }
        return new TCustomFFmpeg(1);
    }();
    return *engine;
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    return {"qscale=3.5\nqscale= 3.5\naq=2\nadrift_threshold= 0.1\nmuxdelay=0.7\nmuxpreload= 1\n",
            "s=320x240\ncroptop=10\naspect=16:9\nr=30000/1001\nmap=0:1\nmap_meta_data=1:0\nitsscale=3:0.5\n",
            "t=00:00:10.5\nss=2\nitsoffset=-1.5\ntimestamp=2010-01-02 03:04:05Z\nmetadata=title=a=b\n",
            "intra_matrix=1,2,3\nstreamid=19:300\nvtag=DIVX\nvbsf=h264_mp4toannexb\nrc_override=0,10,3\n",
            "g=250\ncrf=23\npreset=veryfast\nsws_flags=bilinear\nb=800000\nab=128000\nnewvideo\n"};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    TCustomFFmpeg& e = Engine();
    e.Reset();
    for (const TExtOption& line : ParseExtOptions(FuzzText(Data, Size))) {
        const std::string name = LowerAscii(line.Name);
        if (ReachesOutside(name)) continue;
        try {
            e.SetOption(name, line.Value);
        } catch (const FFmpegException&) {
        } catch (const Exception&) {
        }
    }
    return 0;
}
