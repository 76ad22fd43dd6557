#include "app/settings/TSettingsFile.h"

#include "platform/base/Exception.h"
#include "platform/base/FileStream.h"
#include "platform/base/Utf8.h"

#include <cerrno>
#include <cstdio>
#include <optional>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The advisory lock of a folder, held for one access.
class TFolderLock {
public:
    explicit TFolderLock(const std::string& fileName) {
        auto slash = fileName.rfind('/');
        std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : fileName.substr(0, slash);
        FHandle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        // Without a lock (a folder that cannot be opened, a file system without
        // locks) every write is still atomic; only concurrent keys may be lost.
        if (FHandle >= 0)
            while (::flock(FHandle, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~TFolderLock() {
        if (FHandle >= 0) ::close(FHandle);
    }
    TFolderLock(const TFolderLock&) = delete;
    TFolderLock& operator=(const TFolderLock&) = delete;

private:
    int FHandle = -1;
};

bool IsUtf8(std::string_view text) {
    for (size_t pos = 0; pos < text.size();) {
        size_t len = Utf8SeqLength(text, pos);
        if (len == 1 && static_cast<unsigned char>(text[pos]) >= 0x80) return false;
        pos += len;
    }
    return true;
}

// Text that an ini reader can make sense of: UTF-8 without NUL characters,
// and either blank or holding at least one section.
bool IsSettingsText(std::string_view text) {
    if (text.find('\0') != std::string_view::npos || !IsUtf8(text)) return false;
    bool blank = true;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        size_t first = line.find_first_not_of(" \t\f\v");
        if (first != std::string_view::npos) {
            if (line.substr(first, 3) == "\xEF\xBB\xBF") first = line.find_first_not_of(" \t\f\v", first + 3);
            if (first != std::string_view::npos) {
                if (line[first] == '[') return true;
                blank = false;
            }
        }
        start = end + 1;
    }
    return blank;
}

enum class TReadResult { Missing, Read, Broken };

// Reads at most MaxFileSize bytes of the file into text.
TReadResult ReadSettingsText(const std::string& fileName, std::string& text) {
    int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? TReadResult::Missing : TReadResult::Broken;
    struct stat st;
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= TSettingsFile::MaxFileSize;
    if (ok) {
        text.resize(size_t(st.st_size));
        size_t done = 0;
        while (done < text.size()) {
            ssize_t n = ::read(fd, text.data() + done, text.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            done += size_t(n);
        }
        // A file that grew meanwhile is not one this program wrote.
        char extra;
        ok = done == text.size() && ::read(fd, &extra, 1) == 0;
    }
    ::close(fd);
    return ok && IsSettingsText(text) ? TReadResult::Read : TReadResult::Broken;
}

std::optional<std::string> SetAside(const std::string& fileName) {
    for (int n = 1;; ++n) {
        std::string name = fileName + ".broken-" + std::to_string(n);
        struct stat st;
        if (::lstat(name.c_str(), &st) == 0) continue;
        if (::rename(fileName.c_str(), name.c_str()) != 0) return std::nullopt;
        return name;
    }
}

} // namespace

TSettingsFile::TSettingsFile(std::string fileName, std::string defaults)
    : FFileName(std::move(fileName)), FDefaults(std::move(defaults)) {}

void TSettingsFile::Update(const TChange& change) {
    FSetAsideName.clear();
    TFolderLock lock(FFileName);

    std::string text;
    TReadResult read = ReadSettingsText(FFileName, text);
    bool existed = read != TReadResult::Missing;
    bool dirty = false;
    TMemIniFile ini("");
    if (read == TReadResult::Broken) {
        std::optional<std::string> aside = SetAside(FFileName);
        if (!aside) {
            throw EWriteError("Cannot keep the unreadable settings file \"" + FFileName +
                              "\" aside; it was left as it is.");
        }
        FSetAsideName = *aside;
        ini.SetText(FDefaults);
        dirty = true;
    } else {
        ini.SetText(text);
    }
    if (change(ini, existed)) dirty = true;
    if (dirty) WriteFileAtomic(FFileName, ini.Text(), FBeforeReplace);
}
