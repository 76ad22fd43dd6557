#include "skin/engine/ZlibStream.h"

#include "platform/base/Exception.h"

#include <algorithm>
#include <cstring>

namespace {

const char* const InvalidOperation = "Invalid stream operation";

int ZlibLevel(TCompressionLevel Level) {
    switch (Level) {
    case TCompressionLevel::clNone:
        return 0;
    case TCompressionLevel::clFastest:
        return 1;
    case TCompressionLevel::clDefault:
        return Z_DEFAULT_COMPRESSION;
    case TCompressionLevel::clMax:
        return 9;
    }
    return 9;
}

int CCheck(int Code) {
    if (Code < 0) throw ECompressionError("error");
    return Code;
}

int DCheck(int Code) {
    if (Code < 0) throw EDecompressionError("compression error");
    return Code;
}

} // namespace

TCustomZlibStream::TCustomZlibStream(TStream& Strm) : FStrm(Strm), FStrmPos(Strm.Position()) {}

void TCustomZlibStream::SetSize(Int64) {
    throw EStreamError(InvalidOperation);
}

TCompressionStream::TCompressionStream(TCompressionLevel CompressionLevel, TStream& Dest)
    : TCustomZlibStream(Dest) {
    FZRec.next_out = FBuffer;
    FZRec.avail_out = BufferSize;
    CCheck(deflateInit(&FZRec, ZlibLevel(CompressionLevel)));
}

TCompressionStream::~TCompressionStream() {
    try {
        Finish();
    } catch (...) {
        // A destructor reports nothing; callers that care call Finish.
    }
    if (!FFinished) deflateEnd(&FZRec);
}

void TCompressionStream::Finish() {
    if (FFinished) return;
    struct EndGuard {
        TCompressionStream* S;
        ~EndGuard() {
            deflateEnd(&S->FZRec);
            S->FFinished = true;
        }
    } guard{this};
    FZRec.next_in = nullptr;
    FZRec.avail_in = 0;
    if (FStrm.Position() != FStrmPos) FStrm.SetPosition(FStrmPos);
    for (;;) {
        int code = CCheck(deflate(&FZRec, Z_FINISH));
        if (FZRec.avail_out != 0 || code == Z_STREAM_END) break;
        FStrm.WriteBuffer(FBuffer, BufferSize);
        FZRec.next_out = FBuffer;
        FZRec.avail_out = BufferSize;
    }
    if (FZRec.avail_out < unsigned(BufferSize)) FStrm.WriteBuffer(FBuffer, BufferSize - FZRec.avail_out);
    FStrmPos = FStrm.Position();
}

Int64 TCompressionStream::Read(void*, Int64) {
    throw ECompressionError(InvalidOperation);
}

Int64 TCompressionStream::Write(const void* Buffer, Int64 Count) {
    if (FFinished) throw ECompressionError(InvalidOperation);
    if (Count <= 0) return 0;
    const unsigned char* in = static_cast<const unsigned char*>(Buffer);
    Int64 left = Count;
    if (FStrm.Position() != FStrmPos) FStrm.SetPosition(FStrmPos);
    while (left > 0) {
        uInt piece = uInt(std::min<Int64>(left, 1 << 30));
        FZRec.next_in = const_cast<unsigned char*>(in);
        FZRec.avail_in = piece;
        while (FZRec.avail_in > 0) {
            CCheck(deflate(&FZRec, Z_NO_FLUSH));
            if (FZRec.avail_out == 0) {
                FStrm.WriteBuffer(FBuffer, BufferSize);
                FZRec.next_out = FBuffer;
                FZRec.avail_out = BufferSize;
                FStrmPos = FStrm.Position();
                Progress();
            }
        }
        in += piece;
        left -= piece;
    }
    return Count;
}

Int64 TCompressionStream::Seek(Int64 Offset, TSeekOrigin Origin) {
    if (Offset == 0 && Origin == soCurrent) return Int64(FZRec.total_in);
    throw ECompressionError(InvalidOperation);
}

float TCompressionStream::CompressionRate() const {
    if (FZRec.total_in == 0) return 0;
    return (1.0f - float(FZRec.total_out) / float(FZRec.total_in)) * 100.0f;
}

TDecompressionStream::TDecompressionStream(TStream& Source) : TCustomZlibStream(Source) {
    FZRec.next_in = FBuffer;
    FZRec.avail_in = 0;
    DCheck(inflateInit(&FZRec));
}

TDecompressionStream::~TDecompressionStream() {
    inflateEnd(&FZRec);
}

Int64 TDecompressionStream::Read(void* Buffer, Int64 Count) {
    if (Count <= 0) return 0;
    unsigned char* out = static_cast<unsigned char*>(Buffer);
    Int64 produced = 0;
    if (FStrm.Position() != FStrmPos) FStrm.SetPosition(FStrmPos);
    while (produced < Count && !FEnded) {
        if (FZRec.avail_in == 0) {
            Int64 got = FStrm.Read(FBuffer, BufferSize);
            if (got <= 0) break;
            FZRec.next_in = FBuffer;
            FZRec.avail_in = uInt(got);
            FStrmPos = FStrm.Position();
            Progress();
        }
        uInt want = uInt(std::min<Int64>(Count - produced, 1 << 30));
        FZRec.next_out = out + produced;
        FZRec.avail_out = want;
        int code = inflate(&FZRec, Z_NO_FLUSH);
        if (code == Z_NEED_DICT) code = Z_DATA_ERROR;
        DCheck(code);
        produced += want - FZRec.avail_out;
        if (code == Z_STREAM_END) FEnded = true;
    }
    return produced;
}

Int64 TDecompressionStream::Write(const void*, Int64) {
    throw EDecompressionError(InvalidOperation);
}

Int64 TDecompressionStream::Seek(Int64 Offset, TSeekOrigin Origin) {
    if (Offset == 0 && Origin == soBeginning) {
        DCheck(inflateReset(&FZRec));
        FZRec.next_in = FBuffer;
        FZRec.avail_in = 0;
        FEnded = false;
        FStrm.SetPosition(0);
        FStrmPos = 0;
        return 0;
    }
    Int64 skip = -1;
    if (Origin == soCurrent && Offset >= 0)
        skip = Offset;
    else if (Origin == soBeginning && Offset >= Int64(FZRec.total_out))
        skip = Offset - Int64(FZRec.total_out);
    if (skip < 0) throw EDecompressionError(InvalidOperation);
    unsigned char piece[BufferSize];
    while (skip > 0) {
        Int64 got = Read(piece, std::min<Int64>(skip, BufferSize));
        if (got <= 0) break;
        skip -= got;
    }
    return Int64(FZRec.total_out);
}

void CompressStream(TStream& Source, TStream& Dest) {
    TCompressionStream z(TCompressionLevel::clMax, Dest);
    Source.SetPosition(0);
    char piece[8192];
    for (;;) {
        Int64 got = Source.Read(piece, sizeof piece);
        if (got <= 0) break;
        z.WriteBuffer(piece, got);
    }
    z.Finish();
}

void DecompressStream(TStream& Dest, TStream& Source, Int64 MaxSize) {
    Source.SetPosition(0);
    TDecompressionStream z(Source);
    char piece[4096];
    Int64 total = 0;
    for (;;) {
        Int64 got = z.Read(piece, sizeof piece);
        if (got <= 0) break;
        total += got;
        if (total > MaxSize) throw EDecompressionError(InflateLimitText(MaxSize));
        Dest.WriteBuffer(piece, got);
    }
    if (!z.StreamEnded()) throw EDecompressionError("compression error");
}

std::string InflateLimitText(Int64 MaxSize) {
    constexpr Int64 MiB = 1024 * 1024;
    const std::string size =
        MaxSize % MiB == 0 ? std::to_string(MaxSize / MiB) + " MiB" : std::to_string(MaxSize) + " bytes";
    return "the skin data inflates to more than " + size;
}
