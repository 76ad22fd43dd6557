#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

extern "C" {
#include <libavutil/rational.h>
}

struct AVCodec;
struct AVCodecContext;
struct AVDictionary;
class TBitmap;
class TCustomFFmpeg;

// Streams per file everywhere in the engine: stream indexes run from 0 to 19.
inline constexpr int MAX_STREAMS = 20;
// Capacity bounds of one engine (input files, output files).
inline constexpr int MIN_MAX_FILES = 1;
inline constexpr int MAX_MAX_FILES = 512;

struct TAVStreamMap {
    int file_index = 0;
    int stream_index = 0;
    int sync_file_index = 0;
    int sync_stream_index = 0;
};

struct TAVMetaDataMap {
    int out_file = 0;
    int in_file = 0;
};

// One entry of a pending or assigned bitstream-filter chain: the filter's
// name as this library knows it, and the text after "=" (empty when none).
struct TBitstreamFilterItem {
    std::string Name;
    std::string Args;
};
using TBitstreamFilterChain = std::vector<TBitstreamFilterItem>;

enum class TPostHook : uint8_t { phPreview, phBitmap, phHBITMAP };

// A set of TPostHook.
class TPostHooks {
public:
    TPostHooks() = default;
    TPostHooks(std::initializer_list<TPostHook> hooks) {
        for (TPostHook h : hooks)
            Include(h);
    }
    void Include(TPostHook h) { FBits |= Bit(h); }
    void Exclude(TPostHook h) { FBits &= static_cast<uint8_t>(~Bit(h)); }
    bool Contains(TPostHook h) const { return (FBits & Bit(h)) != 0; }
    bool Empty() const { return FBits == 0; }
    bool operator==(const TPostHooks&) const = default;

private:
    static uint8_t Bit(TPostHook h) { return static_cast<uint8_t>(1u << static_cast<unsigned>(h)); }
    uint8_t FBits = 0;
};

// What opening an output prepared for one of its streams. The encoder context
// carries every setting of the stream; the run opens it with Options (the
// codec-private values such as libx264's "crf") or copies the input stream.
struct TOutputStreamSetup {
    AVCodecContext* Encoder = nullptr; // owned; null for a copied stream
    const AVCodec* Codec = nullptr;    // the encoder, null when none was found
    AVDictionary* Options = nullptr;   // owned; for avcodec_open2
    bool StreamCopy = false;
};

// Engine events. Sender is the engine raising them.
using TProgressEvent = std::function<void(TCustomFFmpeg* Sender, int AFileIndex, int AFrameNumber, int AFPS,
                                          float AQuality, float ABitRate, int64_t ACurrentSize,
                                          int64_t ACurrentDuration, int64_t ATotalDuration)>;
using TPreviewBitmapEvent =
    std::function<void(TCustomFFmpeg* Sender, TBitmap* ABitmap, int AFrameNumber, int64_t APTS)>;
using TCustomHookEvent = std::function<void(TCustomFFmpeg* Sender, TBitmap* ABitmap, int AFrameNumber,
                                            int64_t APTS, bool& AUpdate, bool& AStopHook)>;
using TEngineNotifyEvent = std::function<void(TCustomFFmpeg* Sender)>;
