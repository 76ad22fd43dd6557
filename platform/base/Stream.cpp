#include "platform/base/Stream.h"

#include "platform/base/Exception.h"

#include <vector>

Int64 TStream::Size() {
    Int64 pos = Seek(0, soCurrent);
    Int64 end = Seek(0, soEnd);
    Seek(pos, soBeginning);
    return end;
}

void TStream::ReadBuffer(void* buffer, Int64 count) {
    if (count < 0 || Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, Int64 count) {
    if (count < 0 || Write(buffer, count) != count) throw EWriteError("Stream write error");
}

Int64 TStream::CopyFrom(TStream& source, Int64 count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    const Int64 total = count;
    std::vector<char> buf(size_t(std::min<Int64>(std::max<Int64>(count, 1), 1 << 16)));
    while (count > 0) {
        Int64 n = std::min<Int64>(count, Int64(buf.size()));
        source.ReadBuffer(buf.data(), n);
        WriteBuffer(buf.data(), n);
        count -= n;
    }
    return total;
}

std::string TStream::ReadAll() {
    Int64 remaining = Size() - Position();
    std::string s;
    if (remaining <= 0) return s;
    s.resize(size_t(remaining));
    s.resize(size_t(Read(s.data(), remaining)));
    return s;
}
