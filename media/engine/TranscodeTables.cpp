#include "media/engine/TranscodeTables.h"

#include <mutex>

#include "media/TFFmpegLoader.h"
#include "media/engine/PacketFilterChain.h"

TAVInputStream::~TAVInputStream() {
    if (dec) {
        std::lock_guard lock(CodecLock);
        av::avcodec_free_context(&dec);
    }
    av::av_frame_free(&frame);
    av::av_frame_free(&work);
}

TAVOutputStream::TAVOutputStream() = default;

TAVOutputStream::~TAVOutputStream() {
    av::sws_freeContext(img_resample_ctx);
    av::av_frame_free(&pict_tmp);
    av::av_frame_free(&encode_frame);
    av::av_frame_free(&filtered);
    av::swr_free(&resample);
    av::av_channel_layout_uninit(&resample_in_layout);
    if (fifo) av::av_audio_fifo_free(fifo);
    av::av_frame_free(&audio_frame);
    if (conv_data) av::av_freep(&conv_data[0]);
    av::av_freep(&conv_data);
    av::av_packet_free(&pkt);
    if (logfile) fclose(logfile);
}

TTranscodeTables::TTranscodeTables() : pkt(av::av_packet_alloc()) {}

TTranscodeTables::~TTranscodeTables() {
    av::av_packet_free(&pkt);
    if (vstats_file) fclose(vstats_file);
}
