#include "media/prober/TAVProbe.h"

#include "media/AVBindings.h"
#include "media/TFFmpegLoader.h"

#include <cinttypes>
#include <cstdio>
#include <mutex>
#include <strings.h>

namespace {

constexpr AVRational kMicroseconds{1, 1000000};
// DecodePreviousKeyFrame doubles its step back per attempt and gives up after
// this many: enough to cross any GOP of a file of days, never an endless loop.
constexpr int kPreviousKeyFrameAttempts = 16;

std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Printf(const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

} // namespace

TAVProbe::TAVProbe() = default;

TAVProbe::~TAVProbe() {
    TAVProbe::CloseFile();
}

void TAVProbe::CloseFile() {
    FSeekIndex = -1;
    FStartTime = -1;
    FDecodeIndex = -1;
    FEOF = false;
    ResetPicture();
    FLastPTS = AV_NOPTS_VALUE;
    FLastPos = -1;
    CloseDecoder();
    ClearRGBContext(FRGBContext);
    // Nothing of the libraries outlives the file, so a closed prober never
    // keeps them loaded.
    if (FPicture.Buffer) av::av_free(FPicture.Buffer);
    FPicture.Buffer = nullptr;
    FPicture.Size = 0;
    if (FFrame) av::av_frame_free(&FFrame);
    if (FPacket) av::av_packet_free(&FPacket);
    TCustomAVProbe::CloseFile();
}

void TAVProbe::UpdateFileInfo() {
    TCustomAVProbe::UpdateFileInfo();
    if (!FFileHandle) return;
    FSeekIndex = FFirstVideoStreamIndex >= 0 ? FFirstVideoStreamIndex : FFirstAudioStreamIndex;
    const int64_t start = FSeekIndex >= 0 ? Info().Streams[size_t(FSeekIndex)].StartTime : Info().StartTime;
    FStartTime = start == AV_NOPTS_VALUE ? 0 : start;
}

int64_t TAVProbe::Position() const {
    if (!FFileHandle || !FOwnHandle || !FFileHandle->pb) return -1;
    return av::avio_seek(FFileHandle->pb, 0, SEEK_CUR);
}

void TAVProbe::ResetPicture() {
    // The buffer is kept for the next frame.
    uint8_t* buffer = FPicture.Buffer;
    const int32_t size = FPicture.Size;
    FPicture = TFrameInfo();
    FPicture.Buffer = buffer;
    FPicture.Size = size;
}

void TAVProbe::CloseDecoder() {
    if (FCodec) {
        std::lock_guard lock(CodecLock);
        av::avcodec_free_context(&FCodec);
    }
    FCodecIndex = -1;
    FDraining = false;
}

// Stills: the image2 demuxer and the image pipes (png_pipe ...) a single
// picture is probed as.
bool TAVProbe::IsStill() const {
    const std::string name = FormatName();
    return strcasecmp(name.c_str(), "image2") == 0 ||
           (name.size() > 5 && strcasecmp(name.c_str() + name.size() - 5, "_pipe") == 0);
}

bool TAVProbe::CanSeek() {
    if (!FFileHandle) {
        ReportProblem(llWarning, "file not loaded.");
        return false;
    }
    if (!FOwnHandle) {
        ReportProblem(llWarning, "file cannot be seeked, handle is readonly.");
        return false;
    }
    if (IsStill()) {
        ReportProblem(llInfo, "\"image2\" format cannot to be seeked.");
        return false;
    }
    return true;
}

bool TAVProbe::Seek(int64_t APTS, TSeekFlags ASeekFlags) {
    if (!CanSeek()) return false;
    AVFormatContext* fc = FFileHandle;
    // Traces only: they must not replace the reason of a failure in LastErrMsg.
    if (fc->pb) GetFFLogger()->Log(this, llDebug, "currunt position %" PRId64 " bytes", Position());

    int64_t target = APTS < 0 ? 0 : APTS;
    if (!ASeekFlags.Contains(TSeekFlag::sfByte)) {
        if (FSeekIndex >= 0)
            target = av::av_rescale_q(target, kMicroseconds, Info().Streams[size_t(FSeekIndex)].TimeBase);
        if (FStartTime > 0) target += FStartTime;
    }
    if (FCodec) av::avcodec_flush_buffers(FCodec);
    FDraining = false;
    FEOF = false;
    ResetPicture();

    int err;
    const AVInputFormat* format = fc->iformat;
    if (APTS <= 0 && !ASeekFlags.Contains(TSeekFlag::sfByte) && format &&
        (format->flags & AVFMT_TS_DISCONT) && !(format->flags & AVFMT_NO_BYTE_SEEK)) {
        // MPEG program and transport streams seek by decoding time, which
        // with B-frames lies before the first picture's time: a seek to that
        // time lands on the second group. The start is the first byte.
        err = av::av_seek_frame(fc, -1, 0, AVSEEK_FLAG_BYTE | AVSEEK_FLAG_BACKWARD);
    } else if (APTS > 0) {
        err = av::av_seek_frame(fc, FSeekIndex, target, SeekFlagsToInt(ASeekFlags));
    } else {
        err = av::av_seek_frame(fc, FSeekIndex, target, SeekFlagsToInt(ASeekFlags + TSeekFlag::sfBackward));
        if (err < 0)
            err =
                av::av_seek_frame(fc, FSeekIndex, target, SeekFlagsToInt(ASeekFlags - TSeekFlag::sfBackward));
    }
    bool result = true;
    if (err < 0) {
        ReportProblem(llError,
                      ASeekFlags.Contains(TSeekFlag::sfByte)
                          ? Printf("could not seek to position %" PRId64 " bytes", APTS)
                          : Printf("could not seek to position %0.3f seconds", double(APTS) / 1000000));
        result = false;
    }
    if (fc->pb) {
        GetFFLogger()->Log(this, llDebug, "seek to position %" PRId64 " bytes", Position());
        if (av::avio_feof(fc->pb)) {
            if (err >= 0) ReportProblem(llInfo, "stream eof reached.");
            FEOF = true;
            return false;
        }
    }
    return result;
}

int TAVProbe::CheckDecodeIndex(int AStreamIndex) {
    if (!FFileHandle) {
        ReportProblem(llWarning, "file not loaded.");
        return -1;
    }
    if (!FOwnHandle) {
        ReportProblem(llWarning, "file cannot be seeked, handle is readonly.");
        return -1;
    }
    int index = AStreamIndex;
    if (index < 0) {
        index = FDecodeIndex >= 0 ? FDecodeIndex : FFirstVideoStreamIndex;
        if (index < 0) {
            ReportProblem(llError, "no video stream.");
            return -1;
        }
    } else if (index >= FStreamCount) {
        ReportProblem(llError, Printf("stream index #%d is invalid.", index));
        return -1;
    } else if (Info().Streams[size_t(index)].Type != AVMEDIA_TYPE_VIDEO) {
        ReportProblem(llError, Printf("stream #%d is not video stream.", index));
        return -1;
    }
    if (index != FDecodeIndex) {
        ResetPicture();
        FDecodeIndex = index;
    }
    return index;
}

bool TAVProbe::OpenDecoder(int AIndex) {
    const AVStream* st = FFileHandle->streams[AIndex];
    const AVCodecParameters* par = st->codecpar;
    if (par->width <= 0 || par->height <= 0) {
        ReportProblem(llError, "frame size of codec is invalid.");
        return false;
    }
    if (FCodec && FCodecIndex == AIndex) return true;
    CloseDecoder();
    if (!FFrame) FFrame = av::av_frame_alloc();
    if (!FPacket) FPacket = av::av_packet_alloc();
    const AVCodec* codec = av::avcodec_find_decoder(par->codec_id);
    if (!codec) {
        ReportProblem(llError, Printf("Unsupported codec (id=%d) for input file stream #%d",
                                      int(par->codec_id), AIndex));
        return false;
    }
    AVCodecContext* ctx = av::avcodec_alloc_context3(codec);
    int err = ctx && FFrame && FPacket ? av::avcodec_parameters_to_context(ctx, par) : AVERROR(ENOMEM);
    if (err >= 0) {
        ctx->pkt_timebase = Info().Streams[size_t(AIndex)].TimeBase;
        // One thread: a single frame at a time, and no frame-thread delay.
        ctx->thread_count = 1;
        std::lock_guard lock(CodecLock);
        err = av::avcodec_open2(ctx, codec, nullptr);
    }
    if (err < 0) {
        if (ctx) {
            std::lock_guard lock(CodecLock);
            av::avcodec_free_context(&ctx);
        }
        ReportProblem(llError, Printf("Error while opening codec for input file stream #%d", AIndex));
        return false;
    }
    FCodec = ctx;
    FCodecIndex = AIndex;
    return true;
}

bool TAVProbe::Decode(int AStreamIndex) {
    const int index = CheckDecodeIndex(AStreamIndex);
    if (index < 0) return false;
    if (FPicture.Ready && IsStill()) return true; // a still picture is decoded once
    if (FEOF) {
        ReportProblem(llInfo, "stream eof reached.");
        return false;
    }
    if (!OpenDecoder(index)) return false;
    for (;;) {
        // A packet may give several frames, and the decoder may hold some
        // back: take what it has before reading on.
        int err = av::avcodec_receive_frame(FCodec, FFrame);
        if (err >= 0) {
            const bool stored = StoreFrame(FFrame);
            av::av_frame_unref(FFrame);
            if (stored) return true;
            continue;
        }
        if (err == AVERROR_EOF || FDraining) break;
        // EAGAIN, or a broken frame: go on with the next packet.
        err = av::av_read_frame(FFileHandle, FPacket);
        if (err < 0) {
            // End of the file (or a read error): drain the decoder once, so
            // the frames it held back are still reached.
            FDraining = true;
            av::avcodec_send_packet(FCodec, nullptr);
            continue;
        }
        if (FPacket->stream_index == index)
            av::avcodec_send_packet(FCodec, FPacket); // a bad packet is skipped
        av::av_packet_unref(FPacket);
    }
    ReportProblem(llInfo, "stream eof reached.");
    FEOF = true;
    return false;
}

bool TAVProbe::StoreFrame(const AVFrame* AFrame) {
    const AVPixelFormat format = AVPixelFormat(AFrame->format);
    const int size = av::av_image_get_buffer_size(format, AFrame->width, AFrame->height, 1);
    if (size <= 0) return false;
    if (!FPicture.Buffer || FPicture.Size < size) {
        av::av_free(FPicture.Buffer);
        FPicture.Size = 0;
        FPicture.Buffer = static_cast<uint8_t*>(av::av_malloc(size_t(size)));
        if (!FPicture.Buffer) return false;
        FPicture.Size = size;
    }
    const TProbeStream& st = Info().Streams[size_t(FDecodeIndex)];
    FPicture.PixFmt = format;
    FPicture.Width = AFrame->width;
    FPicture.Height = AFrame->height;
    FPicture.IsKeyFrame = AFrame->key_frame == 1;
    FPicture.PictureType =
        AFrame->pict_type >= 0 && AFrame->pict_type <= 7 ? TPictureType(AFrame->pict_type) : ptUnknown;
    const int64_t time = AFrame->best_effort_timestamp;
    if (FPicture.PTS != AV_NOPTS_VALUE) FLastPTS = FPicture.PTS;
    if (time == AV_NOPTS_VALUE) {
        FPicture.PTS = AV_NOPTS_VALUE;
    } else {
        const int64_t start = st.StartTime == AV_NOPTS_VALUE ? 0 : st.StartTime;
        FPicture.PTS = av::av_rescale_q(time - start, st.TimeBase, kMicroseconds);
        GetFFLogger()->Log(this, llDebug, "decode PTS: %0.3f", double(FPicture.PTS) / 1000000);
    }
    FPicture.OriginalDTS = AFrame->pkt_dts;
    FPicture.OriginalPTS = AFrame->pts;
    FPicture.StreamIndex = FDecodeIndex;
    if (FPicture.Position >= 0) FLastPos = FPicture.Position;
    FPicture.Position = AFrame->pkt_pos;
    av::av_image_fill_arrays(FPicture.Picture.data, FPicture.Picture.linesize, FPicture.Buffer, format,
                             AFrame->width, AFrame->height, 1);
    av::av_image_copy(FPicture.Picture.data, FPicture.Picture.linesize,
                      const_cast<const uint8_t**>(AFrame->data), AFrame->linesize, format, AFrame->width,
                      AFrame->height);
    FColorRange = AFrame->color_range;
    FColorSpace = AFrame->colorspace;
    FPicture.Ready = true;
    GetFFLogger()->Log(this, llDebug,
                       "pkt.st_idx=%d, dts=%" PRId64 ", pts=%" PRId64 ", flags=%d, pict_type=%d",
                       FDecodeIndex, AFrame->pkt_dts, AFrame->pts, AFrame->flags, int(AFrame->pict_type));
    return true;
}

int64_t TAVProbe::StepDuration() const {
    return FrameDuration(Info().Streams[size_t(FDecodeIndex)].RealFrameRate);
}

bool TAVProbe::DecodeNextKeyFrame(int AStreamIndex) {
    const int index = CheckDecodeIndex(AStreamIndex);
    if (index < 0) return false;
    int64_t target = StepDuration();
    if (FPicture.PTS != AV_NOPTS_VALUE && FPicture.PTS > 0) target += FPicture.PTS;
    return Seek(target, TSeekFlags()) && Decode(index);
}

bool TAVProbe::DecodePreviousKeyFrame(int AStreamIndex) {
    const int index = CheckDecodeIndex(AStreamIndex);
    if (index < 0) return false;
    const int64_t step = StepDuration();
    int64_t reference = FPicture.PTS != AV_NOPTS_VALUE ? FPicture.PTS : FLastPTS;
    if (reference == AV_NOPTS_VALUE) {
        const int64_t duration = Info().Duration;
        reference = duration == AV_NOPTS_VALUE || duration < 0 ? 0 : duration;
    }
    const int64_t position = FPicture.Position >= 0 ? FPicture.Position : FLastPos;
    int64_t back = step;
    for (int attempt = 0; attempt < kPreviousKeyFrameAttempts; ++attempt, back *= 2) {
        Seek(reference - back, TSeekFlags{TSeekFlag::sfBackward});
        // The seek did not move back: step further before decoding anything.
        if (Position() >= position && position > 0 && reference >= back) continue;
        if (Decode(index)) {
            if (FPicture.PTS < reference || FPicture.PTS <= 0) return true;
        } else if (reference < back) {
            break;
        }
    }
    FLastErrMsg = "Could not seek to the previous key-frame. " + FLastErrMsg;
    return false;
}

bool TAVProbe::DecodePreviousFrame(int AStreamIndex) {
    const int index = CheckDecodeIndex(AStreamIndex);
    if (index < 0) return false;
    const int64_t step = StepDuration();
    const int64_t current = FPicture.PTS != AV_NOPTS_VALUE ? FPicture.PTS : FLastPTS;
    const int64_t limit = (current != AV_NOPTS_VALUE ? current : 0) - 2 * step;
    if (!DecodePreviousKeyFrame(index)) return false;
    while (FPicture.PTS == AV_NOPTS_VALUE || FPicture.PTS <= limit)
        if (!Decode(index)) return false;
    return true;
}

bool TAVProbe::CopyToBitmap(TBitmap& ABitmap) {
    if (!FPicture.Ready) {
        ReportProblem(llError, "picture not ready, please decode first");
        return false;
    }
    if (PictureToBitmap(FRGBContext, FPicture.Picture, AVPixelFormat(FPicture.PixFmt), FPicture.Width,
                        FPicture.Height, FColorRange, FColorSpace) &&
        FRGBContext.Bitmap) {
        ABitmap = *FRGBContext.Bitmap;
        return true;
    }
    ABitmap.SetSize(FPicture.Width, FPicture.Height);
    ABitmap.Fill(0xff000000);
    av::av_log(nullptr, AV_LOG_ERROR, "convert picture to bitmap failed\n");
    return false;
}
