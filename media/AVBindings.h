#pragma once

// Entry-point slots of the media libraries. Nothing here is linked: the loader
// (TFFmpegLoader) fills every slot by name after dlopen, and clears it when the
// library is unloaded. Media code calls av::avcodec_open2(...), sdl::SDL_Init(...).
//
// The names live in media/bindings/<library>.inc, one DUVA_FN(name) per line;
// every name listed is mandatory for its library. Add a name there and it gets
// a slot typed after the library's own header.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavcodec/avfft.h>
#include <libavcodec/bsf.h>
#include <libavdevice/avdevice.h>
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavformat/avformat.h>
#include <libavformat/avio.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/avstring.h>
#include <libavutil/avutil.h>
#include <libavutil/channel_layout.h>
#include <libavutil/cpu.h>
#include <libavutil/dict.h>
#include <libavutil/display.h>
#include <libavutil/eval.h>
#include <libavutil/fifo.h>
#include <libavutil/frame.h>
#include <libavutil/hwcontext.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libavutil/mathematics.h>
#include <libavutil/md5.h>
#include <libavutil/opt.h>
#include <libavutil/parseutils.h>
#include <libavutil/pixdesc.h>
#include <libavutil/rational.h>
#include <libavutil/samplefmt.h>
#include <libavutil/time.h>
#include <libavutil/timecode.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

// Some bound names are deprecated in the headers; the slot type still has to name them.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#define DUVA_FN(name) inline decltype(&::name) name = nullptr;

// FFmpeg: avutil, swresample, swscale, avcodec, avformat, avfilter, avdevice.
namespace av {
#include "media/bindings/avcodec.inc"
#include "media/bindings/avdevice.inc"
#include "media/bindings/avfilter.inc"
#include "media/bindings/avformat.inc"
#include "media/bindings/avutil.inc"
#include "media/bindings/swresample.inc"
#include "media/bindings/swscale.inc"
} // namespace av

// The C library, always the system's.
namespace crt {
#include "media/bindings/libc.inc"
} // namespace crt

// SDL 1.2.
namespace sdl {
#include "media/bindings/sdl.inc"
} // namespace sdl

#undef DUVA_FN
#pragma GCC diagnostic pop
