#pragma once
// One whole conversion with a fresh engine, inline in the test's thread, and
// packet-level reading of its output.

#include <string>
#include <vector>

#include "tests/media/engine/RunTestSupport.h"

struct TConversionResult {
    bool Opened = false; // input and output opened
    bool Finished = false;
    std::string FatalMessage; // or why opening failed
};

inline TConversionResult RunConversion(const std::string& AInput, const std::string& AOutput,
                                       const TOptionList& AOutputOptions,
                                       const TOptionList& AInputOptions = {}) {
    TConversionResult r;
    TCustomFFmpeg e(20);
    e.Reset();
    for (const auto& [name, value] : AInputOptions)
        e.SetOption(name, value);
    if (!e.OpenInputFile(AInput)) {
        r.FatalMessage = e.LastErrMsg();
        return r;
    }
    for (const auto& [name, value] : AOutputOptions)
        e.SetOption(name, value);
    if (e.OpenOutputFile(AOutput, false) <= 0) {
        r.FatalMessage = e.LastErrMsg();
        return r;
    }
    r.Opened = true;
    e.StartConvert(false);
    r.Finished = e.Finished() && !e.FatalException();
    r.FatalMessage = e.FatalMessage();
    return r;
}

struct TPacketRecord {
    double Time = 0;     // pts in seconds (dts when no pts)
    double Duration = 0; // seconds
    std::vector<uint8_t> Data;
};

// Every packet of the first stream of AType, as stored; empty when the file
// does not open or has no such stream.
inline std::vector<TPacketRecord> ReadPackets(const std::string& AFileName, AVMediaType AType,
                                              std::vector<uint8_t>* AExtradata = nullptr) {
    std::vector<TPacketRecord> packets;
    AVFormatContext* ic = nullptr;
    if (av::avformat_open_input(&ic, AFileName.c_str(), nullptr, nullptr) < 0) return packets;
    if (av::avformat_find_stream_info(ic, nullptr) >= 0) {
        const int index = av::av_find_best_stream(ic, AType, -1, -1, nullptr, 0);
        if (index >= 0) {
            const AVStream* st = ic->streams[index];
            if (AExtradata)
                AExtradata->assign(st->codecpar->extradata,
                                   st->codecpar->extradata + st->codecpar->extradata_size);
            AVPacket* pkt = av::av_packet_alloc();
            while (av::av_read_frame(ic, pkt) >= 0) {
                if (pkt->stream_index == index) {
                    TPacketRecord p;
                    const int64_t t = pkt->pts != AV_NOPTS_VALUE ? pkt->pts : pkt->dts;
                    p.Time = static_cast<double>(t) * av_q2d(st->time_base);
                    p.Duration = static_cast<double>(pkt->duration) * av_q2d(st->time_base);
                    p.Data.assign(pkt->data, pkt->data + pkt->size);
                    packets.push_back(std::move(p));
                }
                av::av_packet_unref(pkt);
            }
            av::av_packet_free(&pkt);
        }
    }
    av::avformat_close_input(&ic);
    return packets;
}
