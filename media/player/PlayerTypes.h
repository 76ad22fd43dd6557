#pragma once

#include <cstdint>
#include <string>

// The enumerations of the player component and its engine.

enum class TPlayState { psPlay, psPause, psResume, psStep, psStop, psEnd };
using enum TPlayState;

enum class TRepeatType { rtNone, rtStop, rtLoop };
using enum TRepeatType;

// What an audio-only file shows: nothing, the wave, or the spectrum.
enum class TShowAudio { saNone, saWave, saRDFT };
using enum TShowAudio;

// SDL's drivers on this platform: default (SDL chooses), pulse
// (adDirectSound), alsa (adWaveOut), dummy (no sound) and disk (raw samples
// into the file SDL_DISKAUDIOFILE names).
enum class TAudioDriver { adDefault, adDirectSound, adWaveOut, adDummy, adDisk };
using enum TAudioDriver;

// Default (SDL chooses), x11 (vdDirectDraw and vdGDI), dummy (in memory).
enum class TVideoDriver { vdDefault, vdDirectDraw, vdGDI, vdDummy };
using enum TVideoDriver;

enum Tav_sync_type { AV_SYNC_AUDIO_MASTER, AV_SYNC_VIDEO_MASTER, AV_SYNC_EXTERNAL_CLOCK };

// 0 (silent) to 128 (unchanged).
using TAudioVolume = int;

// The player's engine settings, copied into the engine when a file opens.
struct TPlayerSettings {
    int sws_flags = 4; // bicubic
    int frame_width = 0;
    int frame_height = 0;
    int frame_pix_fmt = -1;
    bool audio_disable = false;
    bool video_disable = false;
    bool display_disable = false;
    // One entry per media type: the n-th stream of that type, -1 any.
    int wanted_stream[5] = {-1, -1, -1, -1, -1};
    int seek_by_bytes = -1; // -1: decided per format
    Tav_sync_type av_sync_type = AV_SYNC_AUDIO_MASTER;
    int64_t start_time = INT64_MIN; // AV_NOPTS_VALUE
    int workaround_bugs = 1;
    bool fast = false;
    bool genpts = false;
    int lowres = 0;
    int idct_algo = 0;
    int skip_frame = 0;
    int skip_idct = 0;
    int skip_loop_filter = 0;
    int error_recognition = 1;
    int error_concealment = 3;
    int decoder_reorder_pts = -1;
    int framedrop = 1;
    int rdftspeed = 20;
    std::string vfilters; // the filter graph text, empty: none
    // How long opening may wait for a source that delivers too little
    // (a FIFO without a writer, a stalled network): microseconds, 0 none.
    int64_t open_timeout = 10000000;
};
