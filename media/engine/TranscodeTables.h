#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "media/AVBindings.h"
#include "media/VideoFilterGraph.h"

class TPacketFilterChain;

// The per-run tables the transcode loop works on: one record per input file,
// one per input stream (in file order) and one per output stream (in output
// entry order), each output stream tied to the input stream feeding it.
// Every library object a record holds is freed with the record.

struct TAVInputFile {
    bool eof_reached = false;
    int ist_index = 0;  // first stream of the file in the input-stream table
    int nb_streams = 0; // streams when the run started
    // The file was opened with a seek: frames before the wanted start (from
    // the key frame in front of it) are decoded but not delivered.
    bool seeked = false;
};

struct TAVInputStream {
    TAVInputStream() = default;
    TAVInputStream(const TAVInputStream&) = delete;
    TAVInputStream& operator=(const TAVInputStream&) = delete;
    ~TAVInputStream();

    int file_index = 0;
    int index = 0; // stream index in its file
    AVStream* st = nullptr;
    bool discard = true; // until an output uses the stream
    bool decoding_needed = false;
    AVCodecContext* dec = nullptr;     // owned
    AVFrame* frame = nullptr;          // the frame being delivered
    AVFrame* work = nullptr;           // a writable copy when the samples are changed (volume)
    int64_t start = 0;                 // clock at set-up, for rate emulation
    int64_t next_pts = AV_NOPTS_VALUE; // microseconds
    int64_t pts = 0;                   // microseconds
    bool is_start = true;              // until audio synchronisation has acted
    bool is_past_recording_time = false;
    bool decoder_flushed = false;
};

struct TAVOutputStream {
    TAVOutputStream();
    TAVOutputStream(const TAVOutputStream&) = delete;
    TAVOutputStream& operator=(const TAVOutputStream&) = delete;
    ~TAVOutputStream();

    int file_index = 0;
    int index = 0;        // stream index in its output file
    int source_index = 0; // feeding input stream
    int sync_ist = 0;     // input stream whose clock drives synchronisation
    AVStream* st = nullptr;
    AVCodecContext* enc = nullptr; // the engine's setup owns it
    bool encoding_needed = false;
    int frame_number = 0;
    int64_t sync_opts = 0; // next output time in encoder time-base units
    bool show_fps = true;
    float quality = -1;    // last coded picture's quality (lambda), -1 when unknown
    int64_t copy_time = 0; // end of the last copied packet, microseconds

    // Video.
    bool video_crop = false;
    bool video_resample = false;
    SwsContext* img_resample_ctx = nullptr;
    AVFrame* pict_tmp = nullptr;
    AVFrame* encode_frame = nullptr; // refers to the picture being encoded
    int resample_width = 0, resample_height = 0, resample_pix_fmt = -1;
    int topBand = 0, bottomBand = 0, leftBand = 0, rightBand = 0;
    std::unique_ptr<TVideoFilterGraph> graph; // with the user's video filters
    int filter_width = 0, filter_height = 0;  // the size the graph scales to before the user's filters
    AVFrame* filtered = nullptr;              // a picture taken from the graph

    // Audio.
    SwrContext* resample = nullptr;
    int resample_in_fmt = -1, resample_in_rate = 0;
    AVChannelLayout resample_in_layout{};
    AVAudioFifo* fifo = nullptr;
    AVFrame* audio_frame = nullptr;
    uint8_t** conv_data = nullptr; // resampler output, grown only
    int conv_cap = 0;              // its size in samples
    bool audio_started = false;    // sync_opts was taken from the first block

    AVPacket* pkt = nullptr;
    bool encoder_flushed = false;

    // Bitstream filters the stream's packets pass before the muxer; null when none.
    std::unique_ptr<TPacketFilterChain> bsf;
    // Two-pass statistics file of a first pass (the encoder's stats_out text).
    FILE* logfile = nullptr;
    // What the last video packet showed, for the statistics file: its size
    // (0 when the current video stage has given none yet), picture type and
    // the encoder's luma error when it computes PSNR (-1 when not known).
    int stage_size = 0;
    int last_pict_type = 0;
    int64_t last_error = -1;
};

// Output time of a stream in seconds: for choosing the next input, for
// reports, and where the next joined input starts.
inline double OutputTime(const TAVOutputStream& ost) {
    if (ost.encoding_needed && ost.enc && ost.enc->time_base.den)
        return static_cast<double>(ost.sync_opts) * av_q2d(ost.enc->time_base);
    return static_cast<double>(ost.copy_time) / AV_TIME_BASE;
}

struct TTranscodeTables {
    std::vector<TAVInputFile> files;
    std::vector<std::unique_ptr<TAVInputStream>> ist;
    std::vector<std::unique_ptr<TAVOutputStream>> ost;
    AVPacket* pkt = nullptr; // the packet being read
    // Join mode: per input file, the input stream feeding each output stream
    // while that file has its turn (row 0 is the first input's choice).
    std::vector<std::vector<int>> join_sources;
    FILE* vstats_file = nullptr;       // opened on the first video statistics line
    std::vector<uint8_t> subtitle_out; // encoded subtitles, allocated on first use

    TTranscodeTables();
    ~TTranscodeTables();
    TTranscodeTables(const TTranscodeTables&) = delete;
    TTranscodeTables& operator=(const TTranscodeTables&) = delete;
};
