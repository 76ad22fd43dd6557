#include "skin/dialogs/picture/PicturePreview.h"

#include "platform/base/Exception.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/gdi/TPicture.h"

#include <cerrno>
#include <memory>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class TFd {
public:
    explicit TFd(int Fd) : FFd(Fd) {}
    ~TFd() {
        if (FFd >= 0) close(FFd);
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int Get() const { return FFd; }

private:
    int FFd;
};

// Up to Count bytes from the file's current position; fewer at its end.
bool ReadUpTo(int Fd, std::string& Data, size_t Count) {
    const size_t start = Data.size();
    Data.resize(start + Count);
    size_t got = 0;
    while (got < Count) {
        const ssize_t n = read(Fd, Data.data() + start + got, Count - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    Data.resize(start + got);
    return true;
}

} // namespace

bool LoadPicturePreview(const std::string& FileName, TPicture& Picture) {
    // Opened without waiting for a writer: the check below refuses whatever
    // is no regular file.
    TFd fd(open(FileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (fd.Get() < 0 || fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    if (st.st_size <= 0 || st.st_size > kMaxPreviewFileBytes) return false;
    std::string data;
    constexpr size_t SignatureBytes = 16;
    if (!ReadUpTo(fd.Get(), data, SignatureBytes)) return false;
    const TImageFormat format = DetectImageFormat(data);
    if (format == ifUnknown) return false;
    try {
        if (!ReadUpTo(fd.Get(), data, static_cast<size_t>(st.st_size))) return false;
        std::unique_ptr<TBitmap> graphic = NewGraphicFor(format);
        DecodeImage(data, *graphic);
        Picture.SetGraphic(std::move(graphic));
        return true;
    } catch (const Exception&) {
        return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
}
