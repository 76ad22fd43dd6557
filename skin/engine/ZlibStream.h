#pragma once

#include "platform/base/Stream.h"

#include <zlib.h>

#include <functional>
#include <string>

enum class TCompressionLevel { clNone, clFastest, clDefault, clMax };
// Qualified: clNone and clDefault are colour names too.

// The shared part of the two zlib streams: the stream written to or read from
// (not owned), the position in it where the next block goes or comes from, and
// a block buffer of 8192 bytes.
class TCustomZlibStream : public TStream {
public:
    explicit TCustomZlibStream(TStream& Strm);

    std::function<void(TObject* Sender)> FOnProgress;

    Int64 Size() override { return -1; }
    void SetSize(Int64) override;

protected:
    virtual void Progress() {
        if (FOnProgress) FOnProgress(this);
    }

    static constexpr int BufferSize = 8192;
    TStream& FStrm;
    Int64 FStrmPos;
    z_stream FZRec{};
    unsigned char FBuffer[BufferSize];
};

// Write-only: what is written comes out zlib-compressed into the destination.
// Finish ends the zlib stream and reports failure by raising; the destructor
// finishes too when nobody did, but swallows any error.
class TCompressionStream : public TCustomZlibStream {
public:
    TCompressionStream(TCompressionLevel CompressionLevel, TStream& Dest);
    ~TCompressionStream() override;

    Int64 Read(void* Buffer, Int64 Count) override;
    Int64 Write(const void* Buffer, Int64 Count) override;
    // Only Seek(0, soCurrent): the number of bytes taken in so far.
    Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;

    void Finish();
    // The percentage saved; 0 before the first write.
    float CompressionRate() const;

private:
    bool FFinished = false;
};

// Read-only: reads inflate the zlib stream found in the source from its
// position at creation.
class TDecompressionStream : public TCustomZlibStream {
public:
    explicit TDecompressionStream(TStream& Source);
    ~TDecompressionStream() override;

    Int64 Read(void* Buffer, Int64 Count) override;
    Int64 Write(const void* Buffer, Int64 Count) override;
    // Seek(0, soBeginning) restarts; forward seeks skip by reading; anything
    // else raises EDecompressionError.
    Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;

    // True once the zlib stream reported its end.
    bool StreamEnded() const { return FEnded; }

private:
    bool FEnded = false;
};

// Compresses all of Source at the highest level into Dest.
void CompressStream(TStream& Source, TStream& Dest);

// The most a compressed skin may inflate to.
constexpr Int64 MaxInflatedSize = 64 * 1024 * 1024;

// Inflates all of Source (from its start) into Dest. Raises
// EDecompressionError when the zlib stream is corrupt, ends before its end
// mark, or would inflate to more than MaxSize bytes (InflateLimitText).
void DecompressStream(TStream& Dest, TStream& Source, Int64 MaxSize = MaxInflatedSize);

// The text of the error for data that inflates past MaxSize bytes; writers
// that refuse such data say the same.
std::string InflateLimitText(Int64 MaxSize = MaxInflatedSize);
