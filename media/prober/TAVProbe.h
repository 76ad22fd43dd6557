#pragma once

#include "media/MediaUtils.h"
#include "media/PictureToBitmap.h"
#include "media/prober/TCustomAVProbe.h"

#include <cstdint>

struct AVCodecContext;
struct AVFrame;
struct AVPacket;

// The library's picture types, in its order.
enum class TPictureType { ptUnknown, ptI, ptP, ptB, ptS, ptSI, ptSP, ptBI };
using enum TPictureType;

// The frame the prober holds. Times are microseconds from the stream's start
// (PTS) or the packet's own values in stream units (Original*).
struct TFrameInfo {
    int32_t PixFmt = -1;
    int32_t Width = -1;
    int32_t Height = -1;
    bool IsKeyFrame = false;
    TPictureType PictureType = ptUnknown;
    int64_t PTS = AV_NOPTS_VALUE;
    int64_t OriginalDTS = AV_NOPTS_VALUE;
    int64_t OriginalPTS = AV_NOPTS_VALUE;
    int32_t StreamIndex = -1;
    int64_t Position = -1; // byte position of the frame's packet in the file
    bool Ready = false;
    TAVPicture Picture;        // the planes, laid over Buffer
    uint8_t* Buffer = nullptr; // owned by the prober, library-allocated
    int32_t Size = 0;
};

// A prober that also seeks, decodes single video frames and copies the held
// frame into a bitmap. On an adopted context (SetFileHandle) seeking and
// decoding are refused: the owner reads the same context.
class TAVProbe : public TCustomAVProbe {
public:
    TAVProbe();
    ~TAVProbe() override;

    void CloseFile() override;

    // APTS in microseconds (bytes with TSeekFlag::sfByte). False with LastErrMsg when it
    // fails or lands at the end of the file (EOF is then True).
    bool Seek(int64_t APTS, TSeekFlags ASeekFlags = TSeekFlags());
    // The next frame of the stream. A negative index: the stream decoded
    // last, else the first video stream.
    bool Decode(int AStreamIndex = -1);
    bool DecodeNextKeyFrame(int AStreamIndex = -1);
    bool DecodePreviousFrame(int AStreamIndex = -1);
    bool DecodePreviousKeyFrame(int AStreamIndex = -1);
    // The held frame as a 32-bit bitmap of its size.
    bool CopyToBitmap(TBitmap& ABitmap);

    // EOF (the name is the C library's macro).
    bool Eof() const { return FEOF; }
    const TFrameInfo& FrameInfo() const { return FPicture; }
    // The file's current byte position; -1 without a file of its own.
    int64_t Position() const;

protected:
    void UpdateFileInfo() override;

private:
    bool CanSeek();
    bool IsStill() const;
    int CheckDecodeIndex(int AStreamIndex);
    bool OpenDecoder(int AIndex);
    void CloseDecoder();
    void ResetPicture();
    bool StoreFrame(const AVFrame* AFrame);
    int64_t StepDuration() const;

    AVCodecContext* FCodec = nullptr;
    int FCodecIndex = -1;
    TRGBConvertContext FRGBContext;
    int FSeekIndex = -1;
    int64_t FStartTime = -1;
    int FDecodeIndex = -1;
    bool FEOF = false;
    // The end of the file was met and the decoder told so: only its held-back
    // frames are left.
    bool FDraining = false;
    TFrameInfo FPicture;
    int64_t FLastPTS = AV_NOPTS_VALUE;
    int64_t FLastPos = -1;
    // Of the held frame, for the conversion to a bitmap.
    AVColorRange FColorRange = AVCOL_RANGE_UNSPECIFIED;
    AVColorSpace FColorSpace = AVCOL_SPC_UNSPECIFIED;
    AVFrame* FFrame = nullptr;
    AVPacket* FPacket = nullptr;
};
