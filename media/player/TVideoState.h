#pragma once

#include "media/AVBindings.h"
#include "media/player/PlayerTypes.h"
#include "media/player/TPacketQueue.h"
#include "platform/sys/TEvent.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TPlayerOwner;

// User events of the engine on SDL's queue (SDL 1.2 user-event numbers).
enum : uint8_t {
    FF_ALLOC_EVENT = SDL_USEREVENT, // 24: unused, skipped by the loop
    FF_REFRESH_EVENT = SDL_USEREVENT + 1,
    FF_QUIT_EVENT = SDL_USEREVENT + 2,
    FF_SCREEN_EVENT = SDL_USEREVENT + 3,
    FF_AUDIO_DISPLAY_EVENT = SDL_USEREVENT + 4, // data1: the mode, or -1 for the next one
};

constexpr int VIDEO_PICTURE_QUEUE_SIZE = 2;
constexpr int SUBPICTURE_QUEUE_SIZE = 4;
constexpr int SAMPLE_ARRAY_SIZE = 2 * 65536;

// A decoded picture waiting for display. Its due time is worked out when it
// reaches the head of the queue, so a pause never leaves stale due times.
struct TVideoPicture {
    AVFrame* Frame = nullptr; // yuv420p, owned
    double Pts = 0;           // seconds
    double Due = 0;           // seconds on the relative clock
    bool DueSet = false;
    double Duration = 0; // until the next picture is due, seconds
    int64_t Pos = -1;
    int Serial = 0;
};

// A decoded bitmap subtitle waiting for its time; palettes hold YUVA.
struct TSubPicture {
    double Pts = 0; // seconds
    AVSubtitle Sub{};
    int Serial = 0;
};

// A stream switch asked of the reading thread. Shared with the caller, who
// may stop waiting (the player closed) before the reading thread answers.
struct TStreamChange {
    AVMediaType Type = AVMEDIA_TYPE_UNKNOWN;
    int Index = -1;
    bool Ok = false;
    TEvent Done{true, false};
};

// The engine's state for one open file. Thread rules are written per group.
struct TVideoState {
    TVideoState(TPlayerOwner* AOwner, const TPlayerSettings& ASettings)
        : Owner(AOwner), Settings(ASettings) {}
    ~TVideoState();
    TVideoState(const TVideoState&) = delete;
    TVideoState& operator=(const TVideoState&) = delete;

    TPlayerOwner* const Owner;
    const TPlayerSettings Settings;
    std::string filename;
    const AVInputFormat* iformat = nullptr;

    std::thread parse_tid;   // reading
    std::thread video_tid;   // video decoding, started and joined by the reading thread
    std::thread refresh_tid; // posts refresh events

    // Control flags, written by the component and read by every thread.
    std::atomic<bool> abort_request{false};
    std::atomic<bool> paused{false};
    std::atomic<bool> seek_req{false};
    int seek_flags = 0; // with seek_pos and seek_rel: written before seek_req is set
    int64_t seek_pos = 0;
    int64_t seek_rel = 0;
    int seek_by_bytes = 0;
    AVFormatContext* ic = nullptr; // opened and closed by the reading thread
    AVIOInterruptCB interrupt{nullptr, nullptr};

    // Audio: the decoder and converter belong to SDL's audio thread once it runs.
    int audio_stream = -1;
    AVStream* audio_st = nullptr;
    AVCodecContext* audio_ctx = nullptr;
    TPacketQueue audioq;
    int audio_serial = 0;
    bool audio_draining = false;
    bool audio_drained = false;
    AVFrame* audio_frame = nullptr;
    SwrContext* swr_ctx = nullptr;
    AVSampleFormat swr_src_fmt = AV_SAMPLE_FMT_NONE;
    AVChannelLayout swr_src_layout{};
    int swr_src_rate = 0;
    AVChannelLayout audio_tgt_layout{}; // what SDL plays: S16 native, this layout, audio_tgt_freq
    int audio_tgt_freq = 0;
    int audio_hw_buf_size = 0;
    std::vector<uint8_t> audio_buf;
    int audio_buf_size = 0;
    int audio_buf_index = 0;
    bool audio_buf_silence = false; // audio_buf holds filler, not decoded sound
    double audio_clock = 0;         // time at the end of the data decoded last, seconds
    double audio_diff_cum = 0;
    double audio_diff_avg_coef = 0;
    double audio_diff_threshold = 0;
    int audio_diff_avg_count = 0;
    // Audio display: 0 none, 1 wave, 2 spectrum. Drawn by the play thread only.
    std::atomic<int> show_audio{0};
    // Samples for the audio display, written by the audio callback, read by
    // the play thread; under sample_lock.
    std::mutex sample_lock;
    std::vector<int16_t> sample_array;
    int sample_array_index = 0;
    int audio_write_buf_size = 0;   // bytes not yet handed to SDL when the callback returned
    double audio_callback_time = 0; // when the callback last returned
    // Play thread.
    int last_i_start = 0;
    RDFTContext* rdft = nullptr;
    int rdft_bits = 0;
    FFTSample* rdft_data = nullptr; // av_malloc'ed: the transform wants SIMD alignment
    int xpos = 0;

    // Video: the decoder belongs to the video thread.
    int video_stream = -1;
    AVStream* video_st = nullptr;
    AVCodecContext* video_ctx = nullptr;
    TPacketQueue videoq;
    AVFilterGraph* graph = nullptr;
    AVFilterContext* in_video_filter = nullptr;
    AVFilterContext* out_video_filter = nullptr;
    int graph_w = 0, graph_h = 0, graph_fmt = -1;
    double video_clock = 0;            // pts of the picture queued last plus its duration
    std::atomic<float> skip_frames{1}; // read by the video thread, adjusted by the display
    float skip_frames_index = 0;
    int64_t faulty_pts = 0, faulty_dts = 0;
    int64_t last_dts_for_fault_detection = INT64_MIN, last_pts_for_fault_detection = INT64_MIN;

    // The picture queue, under pictq_mutex.
    std::mutex pictq_mutex;
    std::condition_variable pictq_cond;
    TVideoPicture pictq[VIDEO_PICTURE_QUEUE_SIZE];
    int pictq_size = 0, pictq_rindex = 0, pictq_windex = 0;

    // Display timing: the play thread, and the component under its data lock.
    double frame_timer = 0;
    double frame_last_pts = 0;
    bool frame_last_pts_set = false;
    double frame_last_delay = 0;
    std::atomic<bool> refresh{false};

    // Clocks, under clock_lock.
    std::mutex clock_lock;
    double video_current_pts = 0;
    double video_current_pts_drift = 0;
    bool video_clock_set = false;
    int64_t video_current_pos = -1;
    double audio_device_pts = 0;   // the device's position at audio_device_time
    double audio_device_time = 0;  // when the audio callback last ran
    double audio_device_limit = 0; // where the clock stops while no sound is left
    bool audio_clock_anchored = false;
    double paused_at = 0; // when the pause began (relative clock)
    double external_clock = 0;
    double external_clock_time = 0;

    // Display: the play thread only (CurrentFrame reads displayed under displayed_lock).
    SDL_Surface* screen = nullptr;
    SDL_Overlay* overlay = nullptr;
    int width = 0, height = 0, xleft = 0, ytop = 0;
    std::mutex displayed_lock;
    AVFrame* displayed = nullptr;
    double displayed_pts = 0;
    int displayed_serial = 0;

    // Subtitles: the decoder belongs to the subtitle thread.
    int subtitle_stream = -1;
    AVStream* subtitle_st = nullptr;
    AVCodecContext* subtitle_ctx = nullptr;
    TPacketQueue subtitleq;
    std::thread subtitle_tid;
    std::atomic<bool> subtitle_stream_changed{false};
    // Decoded subtitle pictures, under subpq_mutex.
    std::mutex subpq_mutex;
    std::condition_variable subpq_cond;
    TSubPicture subpq[SUBPICTURE_QUEUE_SIZE];
    int subpq_size = 0, subpq_rindex = 0, subpq_windex = 0;

    // Component additions.
    std::atomic<int> Opened{0}; // 0 opening, 1 opened, -1 failed, -2 failed and the reader ended
    int64_t open_deadline = 0;  // relative clock; opening is given up after it (0: never)
    std::atomic<bool> open_timed_out{false};
    int64_t StartTime = AV_NOPTS_VALUE;
    int64_t Duration = -1;
    int64_t AudioDuration = -1;
    bool IsImage2 = false;
    bool IsDevice = false;
    std::atomic<bool> ErrorEOF{false};
    std::atomic<bool> EventEOF{false};
    std::atomic<bool> ReachEOF{false};
    std::atomic<bool> Reading{false};
    std::atomic<int> open_paused{0};
    std::atomic<bool> seek_paused{false};
    std::atomic<int> seek_serial{0}; // the serial of the pictures after the pending seek
    // Opened by the component once it has looked at the context: demuxing starts then.
    TEvent ReadGate{true, false};

    // Stepping: the next picture shown pauses the engine again.
    std::atomic<bool> step{false};
    // A pending stream switch, taken by the reading thread.
    std::mutex change_lock;
    std::shared_ptr<TStreamChange> change_request;
    // The end of the play window (PlayTime) is acted on once per pass.
    bool play_end_armed = true;

    // psPause of a paused open may be due before the play thread reported psPlay.
    std::mutex open_pause_lock;
    bool play_started = false;
    bool pause_due = false;
};
