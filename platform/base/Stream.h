#pragma once

#include "platform/base/Object.h"
#include "platform/base/Types.h"

#include <string>

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };
using enum TSeekOrigin;

// A sequence of bytes with a position. Read and Write move at most count
// bytes and return how many moved; ReadBuffer and WriteBuffer raise
// EReadError / EWriteError when fewer move.
class TStream : public TObject {
public:
    virtual Int64 Read(void* buffer, Int64 count) = 0;
    virtual Int64 Write(const void* buffer, Int64 count) = 0;
    // The new position; positions before the start raise EStreamError.
    virtual Int64 Seek(Int64 offset, TSeekOrigin origin) = 0;
    virtual Int64 Size();
    virtual void SetSize(Int64 size) = 0;

    Int64 Position() { return Seek(0, soCurrent); }
    void SetPosition(Int64 pos) { Seek(pos, soBeginning); }

    void ReadBuffer(void* buffer, Int64 count);
    void WriteBuffer(const void* buffer, Int64 count);
    // Copies count bytes from source's position; count 0 copies all of source
    // from its start. Returns the bytes copied; a short source raises EReadError.
    Int64 CopyFrom(TStream& source, Int64 count);

    // Reads everything from the position to the end.
    std::string ReadAll();
};
