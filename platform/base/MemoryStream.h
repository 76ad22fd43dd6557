#pragma once

#include "platform/base/Stream.h"

#include <string>
#include <string_view>
#include <vector>

// A stream in memory; writing past the end grows it.
class TMemoryStream : public TStream {
public:
    Int64 Read(void* buffer, Int64 count) override;
    Int64 Write(const void* buffer, Int64 count) override;
    Int64 Seek(Int64 offset, TSeekOrigin origin) override;
    Int64 Size() override { return Int64(FData.size()); }
    void SetSize(Int64 size) override;

    void* Memory() { return FData.data(); }
    const void* Memory() const { return FData.data(); }
    void Clear();
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream);
    // Raises EFOpenError / EFCreateError.
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);

protected:
    std::vector<char> FData;
    Int64 FPosition = 0;
};

// A memory stream over a string: DataString is the whole content.
class TStringStream : public TMemoryStream {
public:
    TStringStream() = default;
    explicit TStringStream(std::string_view data);
    std::string DataString() const { return std::string(FData.begin(), FData.end()); }
    void WriteString(std::string_view s) { WriteBuffer(s.data(), Int64(s.size())); }
    // count bytes from the position (fewer at the end).
    std::string ReadString(Int64 count);
};
