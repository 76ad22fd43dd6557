#include "platform/base/MemoryStream.h"

#include "platform/base/Exception.h"
#include "platform/base/FileStream.h"

#include <cstring>

Int64 TMemoryStream::Read(void* buffer, Int64 count) {
    if (count <= 0 || FPosition >= Int64(FData.size())) return 0;
    Int64 n = std::min<Int64>(count, Int64(FData.size()) - FPosition);
    std::memcpy(buffer, FData.data() + FPosition, size_t(n));
    FPosition += n;
    return n;
}

Int64 TMemoryStream::Write(const void* buffer, Int64 count) {
    if (count <= 0) return 0;
    if (FPosition + count > Int64(FData.size())) FData.resize(size_t(FPosition + count));
    std::memcpy(FData.data() + FPosition, buffer, size_t(count));
    FPosition += count;
    return count;
}

Int64 TMemoryStream::Seek(Int64 offset, TSeekOrigin origin) {
    Int64 base = origin == soBeginning ? 0 : origin == soCurrent ? FPosition : Int64(FData.size());
    Int64 pos = base + offset;
    if (pos < 0) throw EStreamError("Seek before the start of the stream");
    FPosition = pos;
    return pos;
}

void TMemoryStream::SetSize(Int64 size) {
    if (size < 0) throw EStreamError("Negative stream size");
    FData.resize(size_t(size));
    if (FPosition > size) FPosition = size;
}

void TMemoryStream::Clear() {
    FData.clear();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& stream) {
    stream.SetPosition(0);
    Int64 n = stream.Size();
    SetSize(n);
    if (n) stream.ReadBuffer(FData.data(), n);
    FPosition = 0;
}

void TMemoryStream::SaveToStream(TStream& stream) {
    if (!FData.empty()) stream.WriteBuffer(FData.data(), Int64(FData.size()));
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
    TFileStream f(fileName, fmOpenRead);
    LoadFromStream(f);
}

void TMemoryStream::SaveToFile(const std::string& fileName) {
    TFileStream f(fileName, fmCreate);
    SaveToStream(f);
}

TStringStream::TStringStream(std::string_view data) : TMemoryStream() {
    FData.assign(data.begin(), data.end());
}

std::string TStringStream::ReadString(Int64 count) {
    std::string s;
    if (count <= 0) return s;
    s.resize(size_t(std::min<Int64>(count, std::max<Int64>(0, Size() - FPosition))));
    s.resize(size_t(Read(s.data(), Int64(s.size()))));
    return s;
}
