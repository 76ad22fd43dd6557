#pragma once

#include <string>
#include <vector>

#include "media/AVBindings.h"
#include "media/engine/EngineTypes.h"

// The bitstream filters of one output stream, in the order they were given.
// Built before the output header: the stream's codec parameters become what
// the last filter gives (aac_adtstoasc, for one, makes the header the muxer
// needs). Every filter has a packet of its own for what it hands on.
class TPacketFilterChain {
public:
    TPacketFilterChain() = default;
    ~TPacketFilterChain();
    TPacketFilterChain(const TPacketFilterChain&) = delete;
    TPacketFilterChain& operator=(const TPacketFilterChain&) = delete;

    // Creates and initialises the filters over AParams and ATimeBase, then
    // replaces AParams by the last filter's output parameters. On failure
    // the result is negative and AFailedName names the filter that failed.
    int Init(const TBitstreamFilterChain& AItems, AVCodecParameters* AParams, AVRational ATimeBase,
             std::string& AFailedName);

    bool Empty() const { return FFilters.empty(); }
    size_t Size() const { return FFilters.size(); }
    AVBSFContext* Filter(size_t AIndex) const { return FFilters[AIndex].Context; }
    const std::string& Name(size_t AIndex) const { return FFilters[AIndex].Name; }
    AVPacket* Output(size_t AIndex) const { return FFilters[AIndex].Output; }
    // The time base of the packets leaving the last filter.
    AVRational OutTimeBase() const;

private:
    struct TFilter {
        std::string Name;
        AVBSFContext* Context = nullptr;
        AVPacket* Output = nullptr;
    };
    std::vector<TFilter> FFilters;
    void Free();
};
