#pragma once

#include "platform/base/Stream.h"

#include <functional>
#include <string>

// Open modes (the share flags are accepted and ignored: POSIX has no share locks).
enum : Word {
    fmOpenRead = 0x0000,
    fmOpenWrite = 0x0001,
    fmOpenReadWrite = 0x0002,
    fmShareCompat = 0x0000,
    fmShareExclusive = 0x0010,
    fmShareDenyWrite = 0x0020,
    fmShareDenyRead = 0x0030,
    fmShareDenyNone = 0x0040,
    fmCreate = 0xFF00,
};

// A stream on a file. fmCreate creates or truncates it (EFCreateError on
// failure); the open modes raise EFOpenError for a file that cannot be opened.
class TFileStream : public TStream {
public:
    TFileStream(const std::string& fileName, Word mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    Int64 Read(void* buffer, Int64 count) override;
    Int64 Write(const void* buffer, Int64 count) override;
    Int64 Seek(Int64 offset, TSeekOrigin origin) override;
    void SetSize(Int64 size) override;

    const std::string& FileName() const { return FFileName; }
    int Handle() const { return FHandle; }

private:
    std::string FFileName;
    int FHandle = -1;
};

// True when the path names an existing regular file.
bool FileExists(const std::string& fileName);

// Writes data to a temporary file beside fileName, flushes it to the disk and
// renames it over the target, so a crash or a full disk leaves either the old
// or the new file, never half of one. Raises EFCreateError / EWriteError; on
// failure the temporary file is removed and the old file stays as it was.
// beforeReplace, when set, runs once the temporary file is complete and just
// before it replaces the target (tests use it to interrupt a write there); an
// exception from it abandons the write like a failure.
void WriteFileAtomic(const std::string& fileName, std::string_view data,
                     const std::function<void(const std::string& tempName)>& beforeReplace = {});

// The whole file; raises EFOpenError.
std::string ReadFileToString(const std::string& fileName);
