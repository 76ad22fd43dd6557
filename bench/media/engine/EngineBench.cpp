// Converting a 20 s 640x360 clip: the engine against a minimal transcode
// loop written here over the same library calls (same codecs, same
// settings), measured in the same run. "ratio" is the engine's time over the
// loop's.
//  - BM_EngineTranscode: mpeg4 + mp2 in AVI, every codec on one thread (the
//    process runs on one processor); the goal is at most 1.10.
//  - BM_EngineX264Aac: libx264 + aac in MP4 on every core, the loop with the
//    libraries' automatic threading; the goal is at most 1.05.
//
// The third benchmark runs four engines at once against the same four
// conversions one after another; "ratio" is parallel over sequential time
// (at most 0.40 on 8 cores), "cores" the machine's hardware threads.

#include "bench/media/OneProcessor.h"
#include "media/AVBindings.h"
#include "media/TFFmpegLoader.h"
#include "media/engine/TCustomFFmpeg.h"
#include "tests/support/FixturePath.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <sched.h>
#include <stdexcept>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct BenchFolder {
    fs::path Path = fs::temp_directory_path() / ("duva-engine-bench-" + std::to_string(getpid()));
    BenchFolder() { fs::create_directories(Path); }
    ~BenchFolder() {
        std::error_code ignored;
        fs::remove_all(Path, ignored);
    }
    std::string File(const std::string& name) const { return (Path / name).string(); }
};

const BenchFolder& Folder() {
    static const BenchFolder folder;
    return folder;
}

const std::string& Source() {
    static const std::string source = FixturePath("long_20s.mkv");
    return source;
}

double Seconds(auto&& body) {
    const auto start = std::chrono::steady_clock::now();
    body();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Check(int r, const char* what) {
    if (r < 0) throw std::runtime_error(what);
}

// What a conversion makes of the clip: the codecs, and the codec threads
// (0: the libraries' automatic choice).
struct Target {
    AVCodecID Video;
    AVCodecID Audio;
    AVSampleFormat SampleFormat;
    int Threads;
    const char* VideoName;
    const char* AudioName;
    const char* Extension;
};
const Target Mpeg4Mp2{AV_CODEC_ID_MPEG4, AV_CODEC_ID_MP2, AV_SAMPLE_FMT_S16, 1, "mpeg4", "mp2", ".avi"};
const Target X264Aac{AV_CODEC_ID_H264, AV_CODEC_ID_AAC, AV_SAMPLE_FMT_FLTP, 0, "libx264", "aac", ".mp4"};

// The bare loop: demux, decode, convert audio samples to the encoder's
// format and frame size, encode, mux; encoders with the library's defaults,
// as the engine leaves them without options.
void MinimalTranscode(const std::string& AOutput, const Target& ATarget) {
    AVFormatContext* ic = nullptr;
    Check(av::avformat_open_input(&ic, Source().c_str(), nullptr, nullptr), "open input");
    Check(av::avformat_find_stream_info(ic, nullptr), "stream info");
    AVFormatContext* oc = nullptr;
    Check(av::avformat_alloc_output_context2(&oc, nullptr, nullptr, AOutput.c_str()), "output");
    struct Pair {
        AVCodecContext* dec = nullptr;
        AVCodecContext* enc = nullptr;
        AVStream* st = nullptr;
        SwrContext* swr = nullptr;
        AVAudioFifo* fifo = nullptr;
        int64_t next = 0;
    };
    std::vector<Pair> pairs(ic->nb_streams);
    for (unsigned i = 0; i < ic->nb_streams; ++i) {
        const AVCodecParameters* par = ic->streams[i]->codecpar;
        Pair& p = pairs[i];
        const AVCodec* dc = av::avcodec_find_decoder(par->codec_id);
        p.dec = av::avcodec_alloc_context3(dc);
        av::avcodec_parameters_to_context(p.dec, par);
        p.dec->pkt_timebase = ic->streams[i]->time_base;
        p.dec->thread_count = ATarget.Threads;
        Check(av::avcodec_open2(p.dec, dc, nullptr), "open decoder");
        const AVCodec* ec = av::avcodec_find_encoder_by_name(
            par->codec_type == AVMEDIA_TYPE_VIDEO ? ATarget.VideoName : ATarget.AudioName);
        if (!ec) throw std::runtime_error("no encoder");
        p.enc = av::avcodec_alloc_context3(ec);
        p.enc->thread_count = ATarget.Threads;
        if (par->codec_type == AVMEDIA_TYPE_VIDEO) {
            p.enc->width = par->width;
            p.enc->height = par->height;
            p.enc->pix_fmt = AV_PIX_FMT_YUV420P;
            p.enc->time_base = AVRational{1, 25};
            p.enc->framerate = AVRational{25, 1};
        } else {
            p.enc->sample_rate = par->sample_rate;
            av::av_channel_layout_copy(&p.enc->ch_layout, &par->ch_layout);
            p.enc->sample_fmt = ATarget.SampleFormat;
            p.enc->time_base = AVRational{1, par->sample_rate};
            Check(av::swr_alloc_set_opts2(&p.swr, &p.enc->ch_layout, p.enc->sample_fmt, p.enc->sample_rate,
                                          &p.dec->ch_layout, p.dec->sample_fmt, par->sample_rate, 0, nullptr),
                  "swr");
            Check(av::swr_init(p.swr), "swr init");
        }
        if (oc->oformat->flags & AVFMT_GLOBALHEADER) p.enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        Check(av::avcodec_open2(p.enc, ec, nullptr), "open encoder");
        if (p.swr) p.fifo = av::av_audio_fifo_alloc(p.enc->sample_fmt, p.enc->ch_layout.nb_channels, 1);
        p.st = av::avformat_new_stream(oc, nullptr);
        av::avcodec_parameters_from_context(p.st->codecpar, p.enc);
        p.st->time_base = p.enc->time_base;
    }
    Check(av::avio_open2(&oc->pb, AOutput.c_str(), AVIO_FLAG_WRITE, nullptr, nullptr), "avio");
    Check(av::avformat_write_header(oc, nullptr), "header");

    AVPacket* pkt = av::av_packet_alloc();
    AVPacket* out = av::av_packet_alloc();
    AVFrame* frame = av::av_frame_alloc();
    AVFrame* conv = av::av_frame_alloc();
    auto encode = [&](Pair& p, AVFrame* f) {
        av::avcodec_send_frame(p.enc, f);
        while (av::avcodec_receive_packet(p.enc, out) >= 0) {
            av::av_packet_rescale_ts(out, p.enc->time_base, p.st->time_base);
            out->stream_index = p.st->index;
            Check(av::av_interleaved_write_frame(oc, out), "write");
        }
    };
    // Audio goes through a FIFO, so the encoder gets exactly its frame size
    // (any size when it has none); at the end the rest goes as it is.
    auto encode_audio = [&](Pair& p, bool AFlush) {
        const int size = p.enc->frame_size > 0 ? p.enc->frame_size : 1152;
        while (av::av_audio_fifo_size(p.fifo) >= size || (AFlush && av::av_audio_fifo_size(p.fifo) > 0)) {
            av::av_frame_unref(conv);
            conv->format = p.enc->sample_fmt;
            conv->sample_rate = p.enc->sample_rate;
            av::av_channel_layout_copy(&conv->ch_layout, &p.enc->ch_layout);
            conv->nb_samples = std::min(size, av::av_audio_fifo_size(p.fifo));
            av::av_frame_get_buffer(conv, 0);
            av::av_audio_fifo_read(p.fifo, reinterpret_cast<void**>(conv->data), conv->nb_samples);
            conv->pts = p.next;
            p.next += conv->nb_samples;
            encode(p, conv);
        }
    };
    auto decode = [&](Pair& p, AVPacket* in) {
        av::avcodec_send_packet(p.dec, in);
        while (av::avcodec_receive_frame(p.dec, frame) >= 0) {
            if (p.swr) {
                const int out = av::swr_get_out_samples(p.swr, frame->nb_samples);
                Check(av::av_audio_fifo_realloc(p.fifo, av::av_audio_fifo_size(p.fifo) + out), "fifo");
                uint8_t** data = nullptr;
                av::av_samples_alloc_array_and_samples(&data, nullptr, p.enc->ch_layout.nb_channels, out,
                                                       p.enc->sample_fmt, 0);
                const int got = av::swr_convert(p.swr, data, out, const_cast<const uint8_t**>(frame->data),
                                                frame->nb_samples);
                if (got > 0) av::av_audio_fifo_write(p.fifo, reinterpret_cast<void**>(data), got);
                av::av_freep(&data[0]);
                av::av_freep(&data);
                encode_audio(p, false);
            } else {
                frame->pts = p.next++;
                frame->pict_type = AV_PICTURE_TYPE_NONE;
                encode(p, frame);
            }
            av::av_frame_unref(frame);
        }
    };
    while (av::av_read_frame(ic, pkt) >= 0) {
        decode(pairs[static_cast<size_t>(pkt->stream_index)], pkt);
        av::av_packet_unref(pkt);
    }
    for (Pair& p : pairs) {
        decode(p, nullptr);
        if (p.fifo) encode_audio(p, true);
        encode(p, nullptr);
    }
    av::av_write_trailer(oc);
    for (Pair& p : pairs) {
        av::avcodec_free_context(&p.dec);
        av::avcodec_free_context(&p.enc);
        av::swr_free(&p.swr);
        if (p.fifo) av::av_audio_fifo_free(p.fifo);
    }
    av::av_frame_free(&conv);
    av::av_frame_free(&frame);
    av::av_packet_free(&out);
    av::av_packet_free(&pkt);
    av::avio_closep(&oc->pb);
    av::avformat_free_context(oc);
    av::avformat_close_input(&ic);
}

// One conversion through the engine, inline or on its worker.
std::unique_ptr<TCustomFFmpeg> PrepareEngine(const std::string& AOutput, const Target& ATarget = Mpeg4Mp2) {
    auto e = std::make_unique<TCustomFFmpeg>(1);
    e->Reset();
    e->SetVerbose(0);
    if (!e->OpenInputFile(Source())) throw std::runtime_error(e->LastErrMsg());
    e->SetOption("vcodec", ATarget.VideoName);
    e->SetOption("acodec", ATarget.AudioName);
    if (e->OpenOutputFile(AOutput, false) <= 0) throw std::runtime_error(e->LastErrMsg());
    return e;
}

void EngineTranscode(const std::string& AOutput, const Target& ATarget = Mpeg4Mp2) {
    auto e = PrepareEngine(AOutput, ATarget);
    e->StartConvert(false);
    if (e->FatalException()) throw std::runtime_error(e->FatalMessage());
}

bool LoadLibraries(benchmark::State& state) {
    if (FFLoader.Load(ComponentLibraries)) return true;
    state.SkipWithError(FFLoader.LastErrMsg().c_str());
    return false;
}

void BM_MinimalTranscodeLoop(benchmark::State& state) {
    if (!LoadLibraries(state)) return;
    for (auto _ : state)
        MinimalTranscode(Folder().File("minimal.avi"), Mpeg4Mp2);
}
BENCHMARK(BM_MinimalTranscodeLoop)->Unit(benchmark::kMillisecond)->Iterations(3);

// The engine's time over the loop's for one target, in the same run.
void CompareWithLoop(benchmark::State& state, const Target& ATarget) {
    if (!LoadLibraries(state)) return;
    const std::string engine_file = Folder().File(std::string("engine") + ATarget.Extension);
    const std::string loop_file = Folder().File(std::string("minimal") + ATarget.Extension);
    double engine = 0, minimal = 0;
    for (auto _ : state) {
        engine += Seconds([&] { EngineTranscode(engine_file, ATarget); });
        state.PauseTiming();
        minimal += Seconds([&] { MinimalTranscode(loop_file, ATarget); });
        state.ResumeTiming();
    }
    state.counters["ratio"] = minimal > 0 ? engine / minimal : 0;
    // Similar sizes show the two made the same kind of file.
    state.counters["size_ratio"] = double(fs::file_size(engine_file)) / double(fs::file_size(loop_file));
}

void BM_EngineTranscode(benchmark::State& state) {
    const OneProcessor one;
    CompareWithLoop(state, Mpeg4Mp2);
}
BENCHMARK(BM_EngineTranscode)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_EngineX264Aac(benchmark::State& state) {
    CompareWithLoop(state, X264Aac);
    state.counters["cores"] = std::thread::hardware_concurrency();
}
BENCHMARK(BM_EngineX264Aac)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_FourEnginesAtOnce(benchmark::State& state) {
    if (!LoadLibraries(state)) return;
    double parallel = 0, sequential = 0;
    for (auto _ : state) {
        parallel += Seconds([] {
            std::vector<std::unique_ptr<TCustomFFmpeg>> engines;
            std::vector<std::unique_ptr<TEvent>> ended;
            for (int k = 0; k < 4; ++k) {
                engines.push_back(PrepareEngine(Folder().File("p" + std::to_string(k) + ".avi")));
                ended.push_back(std::make_unique<TEvent>(true, false));
                TEvent* done = ended.back().get();
                engines.back()->FOnTerminate = [done](TCustomFFmpeg*) { done->SetEvent(); };
            }
            for (auto& e : engines)
                e->StartConvert(true);
            for (size_t k = 0; k < engines.size(); ++k) {
                ended[k]->WaitFor();
                engines[k].reset();
            }
        });
        state.PauseTiming();
        sequential += Seconds([] {
            for (int k = 0; k < 4; ++k)
                EngineTranscode(Folder().File("s" + std::to_string(k) + ".avi"));
        });
        state.ResumeTiming();
    }
    state.counters["ratio"] = sequential > 0 ? parallel / sequential : 0;
    state.counters["cores"] = std::thread::hardware_concurrency();
}
BENCHMARK(BM_FourEnginesAtOnce)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
