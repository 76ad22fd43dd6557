// Writing packets through an output stream's bitstream filters. The chains
// are built before the output headers, so that the parameters a filter
// changes reach the muxer, and are drained with an empty packet at the end.

#include "media/AVBindings.h"
#include "media/MediaUtils.h"
#include "media/engine/EngineLog.h"
#include "media/engine/EngineText.h"
#include "media/engine/PacketFilterChain.h"
#include "media/engine/TCustomFFmpeg.h"
#include "media/engine/TranscodeTables.h"

using namespace EngineText;

namespace {

const char* StreamCodecName(const TAVOutputStream& ost) {
    return ost.encoding_needed && ost.enc && ost.enc->codec ? ost.enc->codec->name : "copy";
}

} // namespace

void TCustomFFmpeg::InitPacketFilters(TTranscodeTables& T) {
    for (auto& o : T.ost) {
        TAVOutputStream& ost = *o;
        const TBitstreamFilterChain& items =
            Fbitstream_filters[static_cast<size_t>(ost.file_index)][static_cast<size_t>(ost.index)];
        if (items.empty()) continue;
        auto chain = std::make_unique<TPacketFilterChain>();
        std::string failed;
        const int r = chain->Init(items, ost.st->codecpar, ost.st->time_base, failed);
        if (r < 0)
            throw FFmpegException(AVErrorText(
                Format("%s failed for stream %d, codec %s", failed.c_str(), ost.index, StreamCodecName(ost)),
                r));
        ost.bsf = std::move(chain);
    }
}

void TCustomFFmpeg::FilterPacket(TAVOutputStream& ost, AVPacket* pkt, size_t ALevel) {
    TPacketFilterChain& chain = *ost.bsf;
    if (ALevel == chain.Size()) {
        if (!pkt) return;
        av::av_packet_rescale_ts(pkt, chain.OutTimeBase(), ost.st->time_base);
        MuxPacket(ost, pkt);
        return;
    }
    AVBSFContext* ctx = chain.Filter(ALevel);
    // The header may have changed the stream's time base since the chain was built.
    if (pkt && ALevel == 0) av::av_packet_rescale_ts(pkt, ost.st->time_base, ctx->time_base_in);
    int r = av::av_bsf_send_packet(ctx, pkt);
    if (r < 0) {
        FilterFailed(ost, ALevel, r);
        // A refused packet goes on as it was.
        if (pkt) FilterPacket(ost, pkt, ALevel + 1);
        return;
    }
    AVPacket* out = chain.Output(ALevel);
    for (;;) {
        r = av::av_bsf_receive_packet(ctx, out);
        if (r == AVERROR(EAGAIN) || r == AVERROR_EOF) break;
        if (r < 0) {
            FilterFailed(ost, ALevel, r);
            break;
        }
        FilterPacket(ost, out, ALevel + 1);
        av::av_packet_unref(out);
    }
    if (!pkt) FilterPacket(ost, nullptr, ALevel + 1);
}

void TCustomFFmpeg::FilterFailed(const TAVOutputStream& ost, size_t ALevel, int AError) {
    const std::string text =
        AVErrorText(Format("%s failed for stream %d, codec %s", ost.bsf->Name(ALevel).c_str(), ost.index,
                           StreamCodecName(ost)),
                    AError);
    if (Fexit_on_error) throw FFmpegException(text);
    Log(llError, text);
}

void TCustomFFmpeg::FlushPacketFilters(TAVOutputStream& ost) {
    if (ost.bsf) FilterPacket(ost, nullptr, 0);
}

void TCustomFFmpeg::MuxPacket(TAVOutputStream& ost, AVPacket* pkt) {
    AVFormatContext* oc = Foutput_files[static_cast<size_t>(ost.file_index)];
    pkt->stream_index = ost.index;
    const int r = av::av_interleaved_write_frame(oc, pkt);
    if (r < 0) throw FFmpegException(AVErrorText("av_interleaved_write_frame()", r));
    ++Foutput_packets[static_cast<size_t>(ost.file_index)];
}
