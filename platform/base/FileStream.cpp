#include "platform/base/FileStream.h"

#include "platform/base/Exception.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string ErrText() {
    return std::strerror(errno);
}
} // namespace

TFileStream::TFileStream(const std::string& fileName, Word mode) : FFileName(fileName) {
    if (mode == fmCreate || (mode & 0xFF00) == fmCreate) {
        FHandle = ::open(fileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (FHandle < 0) throw EFCreateError("Cannot create file \"" + fileName + "\". " + ErrText());
        return;
    }
    int flags = O_CLOEXEC;
    switch (mode & 3) {
    case fmOpenWrite:
        flags |= O_WRONLY;
        break;
    case fmOpenReadWrite:
        flags |= O_RDWR;
        break;
    default:
        flags |= O_RDONLY;
        break;
    }
    FHandle = ::open(fileName.c_str(), flags);
    if (FHandle >= 0) {
        struct stat st;
        if (::fstat(FHandle, &st) == 0 && S_ISDIR(st.st_mode)) {
            ::close(FHandle);
            FHandle = -1;
            errno = EISDIR;
        }
    }
    if (FHandle < 0) throw EFOpenError("Cannot open file \"" + fileName + "\". " + ErrText());
}

TFileStream::~TFileStream() {
    if (FHandle >= 0) ::close(FHandle);
}

Int64 TFileStream::Read(void* buffer, Int64 count) {
    Int64 done = 0;
    while (done < count) {
        ssize_t n = ::read(FHandle, static_cast<char*>(buffer) + done, size_t(count - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += n;
    }
    return done;
}

Int64 TFileStream::Write(const void* buffer, Int64 count) {
    Int64 done = 0;
    while (done < count) {
        ssize_t n = ::write(FHandle, static_cast<const char*>(buffer) + done, size_t(count - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += n;
    }
    return done;
}

Int64 TFileStream::Seek(Int64 offset, TSeekOrigin origin) {
    int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
    off_t r = ::lseek(FHandle, off_t(offset), whence);
    if (r < 0) throw EStreamError("Seek error on \"" + FFileName + "\". " + ErrText());
    return Int64(r);
}

void TFileStream::SetSize(Int64 size) {
    if (::ftruncate(FHandle, off_t(size)) != 0)
        throw EStreamError("Cannot set the size of \"" + FFileName + "\"");
    if (Position() > size) Seek(size, soBeginning);
}

bool FileExists(const std::string& fileName) {
    struct stat st;
    return ::stat(fileName.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void WriteFileAtomic(const std::string& fileName, std::string_view data,
                     const std::function<void(const std::string& tempName)>& beforeReplace) {
    std::string tmp = fileName + ".tmp-XXXXXX";
    int fd = ::mkstemp(tmp.data());
    if (fd < 0) throw EFCreateError("Cannot create file \"" + fileName + "\". " + ErrText());
    size_t done = 0;
    bool ok = true;
    while (done < data.size()) {
        ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            ok = false;
            break;
        }
        done += size_t(n);
    }
    // Keep the permissions of a file being replaced; a new file gets the usual ones.
    struct stat st;
    mode_t perm = 0666;
    if (::stat(fileName.c_str(), &st) == 0)
        perm = st.st_mode & 07777;
    else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        perm &= ~mask;
    }
    ::fchmod(fd, perm);
    if (ok && ::fsync(fd) != 0) ok = false;
    int savedErrno = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        savedErrno = errno;
    }
    errno = savedErrno;
    if (ok && beforeReplace) {
        try {
            beforeReplace(tmp);
        } catch (...) {
            ::unlink(tmp.c_str());
            throw;
        }
    }
    if (!ok || ::rename(tmp.c_str(), fileName.c_str()) != 0) {
        std::string err = ErrText();
        ::unlink(tmp.c_str());
        throw EWriteError("Cannot write file \"" + fileName + "\". " + err);
    }
}

std::string ReadFileToString(const std::string& fileName) {
    TFileStream f(fileName, fmOpenRead);
    return f.ReadAll();
}
