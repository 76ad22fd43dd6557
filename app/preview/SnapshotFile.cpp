#include "app/preview/SnapshotFile.h"

#include "platform/base/Exception.h"
#include "platform/base/ScopeGuard.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TPicture.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string ErrorText(int AErrno) {
    return std::strerror(AErrno);
}

bool NameTaken(const std::string& AName) {
    struct stat st;
    return ::lstat(AName.c_str(), &st) == 0 || errno != ENOENT;
}

// The whole of the data into the descriptor; errno set on failure.
bool WriteAll(int AFd, std::string_view AData) {
    size_t done = 0;
    while (done < AData.size()) {
        const ssize_t n = ::write(AFd, AData.data() + done, AData.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        done += size_t(n);
    }
    return true;
}

// Gives the complete temporary file the name, unless something holds it:
// 1 done, 0 the name is taken, -1 failed (errno set).
int TakeName(const std::string& ATemp, const std::string& AName) {
    if (::renameat2(AT_FDCWD, ATemp.c_str(), AT_FDCWD, AName.c_str(), RENAME_NOREPLACE) == 0) return 1;
    if (errno == EEXIST) return 0;
    if (errno != EINVAL && errno != ENOSYS) return -1;
    // A file system that cannot rename without replacing: a hard link fails
    // on an existing name as well.
    if (::link(ATemp.c_str(), AName.c_str()) == 0) {
        ::unlink(ATemp.c_str());
        return 1;
    }
    return errno == EEXIST ? 0 : -1;
}

} // namespace

std::string SnapshotBaseName(const std::string& AFileName) {
    return std::filesystem::path(AFileName).stem().string();
}

std::string SnapshotFileName(const std::string& AFolder, const std::string& ABase, int ANumber,
                             const std::string& AExtension) {
    std::string name = AFolder;
    if (!name.empty() && name.back() != '/') name += '/';
    return name + ABase + "_" + std::to_string(ANumber) + AExtension;
}

int FirstFreeSnapshotNumber(const std::string& AFolder, const std::string& ABase,
                            const std::string& AExtension) {
    int n = 1;
    while (NameTaken(SnapshotFileName(AFolder, ABase, n, AExtension)))
        ++n;
    return n;
}

std::string EncodeSnapshot(const TBitmap& AFrame, TSnapshotType AType) {
    switch (AType) {
    case TSnapshotType::JPG:
        return EncodeJpeg(AFrame, TJPEGImage().CompressionQuality());
    case TSnapshotType::GIF:
        return EncodeGif(AFrame);
    case TSnapshotType::PNG:
        return EncodePng(AFrame, false);
    case TSnapshotType::BMP:
        break;
    }
    return EncodeBmp(AFrame, 24);
}

std::string WriteNewSnapshotFile(const std::string& AFolder, const std::string& ABase,
                                 const std::string& AExtension, std::string_view AData,
                                 const std::function<void(const std::string& AName)>& ABeforeCommit) {
    std::string temp = SnapshotFileName(AFolder, ".snapshot", 0, ".tmp-XXXXXX");
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) throw EFCreateError("Cannot create a file in \"" + AFolder + "\". " + ErrorText(errno));
    bool placed = false;
    TScopeGuard removeTemp([&] {
        if (!placed) ::unlink(temp.c_str());
    });
    // A picture gets the permissions of any new file, not mkstemp's private ones.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    bool ok = WriteAll(fd, AData) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    const std::string first = SnapshotFileName(AFolder, ABase, 1, AExtension);
    if (!ok) throw EWriteError("Cannot write file \"" + first + "\". " + ErrorText(error));

    for (int n = FirstFreeSnapshotNumber(AFolder, ABase, AExtension);; ++n) {
        const std::string name = SnapshotFileName(AFolder, ABase, n, AExtension);
        if (ABeforeCommit) ABeforeCommit(name);
        const int taken = TakeName(temp, name);
        if (taken == 1) {
            placed = true;
            return name;
        }
        if (taken < 0) throw EWriteError("Cannot write file \"" + name + "\". " + ErrorText(errno));
    }
}
