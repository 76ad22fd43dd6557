#pragma once
// Pieces of the conversion-run tests: opening a conversion from option
// lists, running it, and the progress events it raised.

#include <sys/stat.h>

#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "tests/media/engine/EngineTestSupport.h"
#include "tests/media/engine/MediaReadBack.h"
#include "tests/support/FixturePath.h"

using TOptionList = std::vector<std::pair<std::string, std::string>>;

inline int64_t FileSizeOf(const std::string& name) {
    struct stat st {};
    return stat(name.c_str(), &st) == 0 ? st.st_size : -1;
}

// Input options, the input, output options, the output: as a user sets them.
inline void PrepareConversion(TCustomFFmpeg& E, const std::string& AInput, const TOptionList& AInputOptions,
                              const std::string& AOutput, const TOptionList& AOutputOptions) {
    for (const auto& [name, value] : AInputOptions)
        E.SetOption(name, value);
    ASSERT_TRUE(E.OpenInputFile(AInput)) << E.LastErrMsg();
    for (const auto& [name, value] : AOutputOptions)
        E.SetOption(name, value);
    ASSERT_GT(E.OpenOutputFile(AOutput, false), 0) << E.LastErrMsg();
}

struct TProgressRecord {
    int FileIndex;
    int FrameNumber;
    int FPS;
    float Quality;
    float BitRate;
    int64_t CurrentSize;
    int64_t CurrentDuration;
    int64_t TotalDuration;
    int64_t Clock; // microseconds, when raised
};

// Records every progress event of an engine (from any thread).
class TProgressLog {
public:
    void Attach(TCustomFFmpeg& E) {
        E.FOnProgress = [this](TCustomFFmpeg*, int AFileIndex, int AFrameNumber, int AFPS, float AQuality,
                               float ABitRate, int64_t ACurrentSize, int64_t ACurrentDuration,
                               int64_t ATotalDuration) {
            std::lock_guard lock(FLock);
            FEvents.push_back({AFileIndex, AFrameNumber, AFPS, AQuality, ABitRate, ACurrentSize,
                               ACurrentDuration, ATotalDuration, av::av_gettime_relative()});
        };
    }
    std::vector<TProgressRecord> Events() const {
        std::lock_guard lock(FLock);
        return FEvents;
    }

private:
    mutable std::mutex FLock;
    std::vector<TProgressRecord> FEvents;
};
