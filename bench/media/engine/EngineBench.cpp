// Converting a 20 s 640x360 clip to mpeg4 + mp2 in AVI: the engine against a
// minimal transcode loop written here over the same library calls (same
// codecs, same settings), measured in the same run. "ratio" is the engine's
// time over the loop's; it should stay within 1.10.
//
// The second benchmark runs four engines at once against the same four
// conversions one after another; "ratio" is parallel over sequential time
// (at most 0.40 on 8 cores), "cores" the machine's hardware threads.

#include "media/AVBindings.h"
#include "media/TFFmpegLoader.h"
#include "media/engine/TCustomFFmpeg.h"
#include "tests/support/FixturePath.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
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

// The bare loop: demux, decode, convert audio samples to the encoder's
// format, encode, mux; encoders with the library's defaults, as the engine
// leaves them without options.
void MinimalTranscode(const std::string& AOutput) {
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
        p.dec->thread_count = 1;
        Check(av::avcodec_open2(p.dec, dc, nullptr), "open decoder");
        const AVCodec* ec = av::avcodec_find_encoder(par->codec_type == AVMEDIA_TYPE_VIDEO ? AV_CODEC_ID_MPEG4
                                                                                           : AV_CODEC_ID_MP2);
        p.enc = av::avcodec_alloc_context3(ec);
        p.enc->thread_count = 1;
        if (par->codec_type == AVMEDIA_TYPE_VIDEO) {
            p.enc->width = par->width;
            p.enc->height = par->height;
            p.enc->pix_fmt = AV_PIX_FMT_YUV420P;
            p.enc->time_base = AVRational{1, 25};
            p.enc->framerate = AVRational{25, 1};
        } else {
            p.enc->sample_rate = par->sample_rate;
            av::av_channel_layout_copy(&p.enc->ch_layout, &par->ch_layout);
            p.enc->sample_fmt = AV_SAMPLE_FMT_S16;
            p.enc->time_base = AVRational{1, par->sample_rate};
            Check(av::swr_alloc_set_opts2(&p.swr, &p.enc->ch_layout, p.enc->sample_fmt, p.enc->sample_rate,
                                          &p.dec->ch_layout, p.dec->sample_fmt, par->sample_rate, 0, nullptr),
                  "swr");
            Check(av::swr_init(p.swr), "swr init");
        }
        Check(av::avcodec_open2(p.enc, ec, nullptr), "open encoder");
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
    auto decode = [&](Pair& p, AVPacket* in) {
        av::avcodec_send_packet(p.dec, in);
        while (av::avcodec_receive_frame(p.dec, frame) >= 0) {
            if (p.swr) {
                av::av_frame_unref(conv);
                conv->format = p.enc->sample_fmt;
                conv->sample_rate = p.enc->sample_rate;
                av::av_channel_layout_copy(&conv->ch_layout, &p.enc->ch_layout);
                conv->nb_samples = frame->nb_samples;
                av::av_frame_get_buffer(conv, 0);
                av::swr_convert(p.swr, conv->data, conv->nb_samples, const_cast<const uint8_t**>(frame->data),
                                frame->nb_samples);
                conv->pts = p.next;
                p.next += conv->nb_samples;
                encode(p, conv);
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
        encode(p, nullptr);
    }
    av::av_write_trailer(oc);
    for (Pair& p : pairs) {
        av::avcodec_free_context(&p.dec);
        av::avcodec_free_context(&p.enc);
        av::swr_free(&p.swr);
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
std::unique_ptr<TCustomFFmpeg> PrepareEngine(const std::string& AOutput) {
    auto e = std::make_unique<TCustomFFmpeg>(1);
    e->Reset();
    e->SetVerbose(0);
    if (!e->OpenInputFile(Source())) throw std::runtime_error(e->LastErrMsg());
    e->SetOption("vcodec", "mpeg4");
    e->SetOption("acodec", "mp2");
    if (e->OpenOutputFile(AOutput, false) <= 0) throw std::runtime_error(e->LastErrMsg());
    return e;
}

void EngineTranscode(const std::string& AOutput) {
    auto e = PrepareEngine(AOutput);
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
        MinimalTranscode(Folder().File("minimal.avi"));
}
BENCHMARK(BM_MinimalTranscodeLoop)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_EngineTranscode(benchmark::State& state) {
    if (!LoadLibraries(state)) return;
    double engine = 0, minimal = 0;
    for (auto _ : state) {
        engine += Seconds([] { EngineTranscode(Folder().File("engine.avi")); });
        state.PauseTiming();
        minimal += Seconds([] { MinimalTranscode(Folder().File("minimal.avi")); });
        state.ResumeTiming();
    }
    state.counters["ratio"] = minimal > 0 ? engine / minimal : 0;
}
BENCHMARK(BM_EngineTranscode)->Unit(benchmark::kMillisecond)->Iterations(3);

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
