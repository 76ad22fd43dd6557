#include "media/MediaIO.h"

#include "media/UnicodeFileName.h"

#include <atomic>
#include <cerrno>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int BufferSize = 64 * 1024;
constexpr int FifoSliceMs = 100;

struct TFileIO {
    int Fd = -1;
    bool Fifo = false;
    bool GotData = false;
    AVIOInterruptCB Interrupt{nullptr, nullptr};
};

bool Interrupted(const TFileIO& io) {
    return io.Interrupt.callback && io.Interrupt.callback(io.Interrupt.opaque);
}

// The file-system name behind a URL we handle.
std::string PathOf(std::string_view url) {
    if (url.substr(0, UnicodePrefix.size()) == UnicodePrefix)
        return std::string(url.substr(UnicodePrefix.size()));
    if (url.substr(0, 5) == "file:") return std::string(url.substr(5));
    return std::string(url);
}

bool IsFifo(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
}

int FileRead(void* opaque, uint8_t* buf, int size) {
    auto& io = *static_cast<TFileIO*>(opaque);
    for (;;) {
        ssize_t n = read(io.Fd, buf, static_cast<size_t>(size));
        if (n > 0) {
            io.GotData = true;
            return static_cast<int>(n);
        }
        if (n == 0 && !(io.Fifo && !io.GotData)) return AVERROR_EOF;
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && !(io.Fifo && (errno == EAGAIN || errno == EWOULDBLOCK))) return AVERROR(errno);
        // A FIFO without data (or still without a writer): wait in slices, watching the stop flag.
        if (Interrupted(io)) return AVERROR_EXIT;
        pollfd pfd{io.Fd, POLLIN, 0};
        int r = poll(&pfd, 1, FifoSliceMs);
        if (r > 0 && (pfd.revents & POLLHUP) && !(pfd.revents & POLLIN))
            usleep(FifoSliceMs * 1000); // no writer yet: poll reports hang-up at once
    }
}

int FileWrite(void* opaque, uint8_t* buf, int size) {
    auto& io = *static_cast<TFileIO*>(opaque);
    int done = 0;
    while (done < size) {
        ssize_t n = write(io.Fd, buf + done, static_cast<size_t>(size - done));
        if (n < 0) {
            if (errno == EINTR) continue;
            return AVERROR(errno);
        }
        done += static_cast<int>(n);
    }
    return done;
}

int64_t FileSeek(void* opaque, int64_t offset, int whence) {
    auto& io = *static_cast<TFileIO*>(opaque);
    whence &= ~AVSEEK_FORCE;
    if (whence == AVSEEK_SIZE) {
        struct stat st {};
        if (fstat(io.Fd, &st) != 0) return AVERROR(errno);
        return st.st_size;
    }
    off_t r = lseek(io.Fd, offset, whence);
    return r < 0 ? AVERROR(errno) : r;
}

using TIOOpen = int (*)(AVFormatContext*, AVIOContext**, const char*, int, AVDictionary**);
using TIOClose = int (*)(AVFormatContext*, AVIOContext*);
// The library's own routines, the same for every context; taken from the first one we hook.
std::atomic<TIOOpen> DefaultIOOpen{nullptr};
std::atomic<TIOClose> DefaultIOClose{nullptr};

int HookedIOOpen(AVFormatContext* s, AVIOContext** pb, const char* url, int flags, AVDictionary** options) {
    if (url && UsesFileIO(url)) return OpenFileIO(pb, url, flags, &s->interrupt_callback);
    TIOOpen fallback = DefaultIOOpen.load();
    return fallback ? fallback(s, pb, url, flags, options) : AVERROR(ENOSYS);
}

int HookedIOClose(AVFormatContext* s, AVIOContext* pb) {
    if (IsFileIO(pb)) {
        CloseFileIO(&pb);
        return 0;
    }
    TIOClose fallback = DefaultIOClose.load();
    if (fallback) return fallback(s, pb);
    return av::avio_close(pb);
}

} // namespace

bool UsesFileIO(std::string_view url) {
    if (url.substr(0, UnicodePrefix.size()) == UnicodePrefix) return true;
    std::string path = PathOf(url);
    return (url.substr(0, 5) == "file:" || url.find(':') == std::string_view::npos) && IsFifo(path);
}

bool IsFileIO(const AVIOContext* pb) {
    return pb && pb->read_packet == FileRead;
}

int OpenFileIO(AVIOContext** pb, std::string_view url, int flags, const AVIOInterruptCB* interrupt) {
    *pb = nullptr;
    const std::string path = PathOf(url);
    const bool writing = (flags & AVIO_FLAG_WRITE) != 0;
    int oflags = O_CLOEXEC;
    if (writing)
        oflags |= ((flags & AVIO_FLAG_READ) ? O_RDWR : O_WRONLY) | O_CREAT | O_TRUNC;
    else
        oflags |= O_RDONLY;
    const bool fifo = !writing && IsFifo(path);
    if (fifo) oflags |= O_NONBLOCK;
    int fd;
    do {
        fd = open(path.c_str(), oflags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return AVERROR(errno);

    auto* io = new TFileIO;
    io->Fd = fd;
    io->Fifo = fifo;
    if (interrupt) io->Interrupt = *interrupt;
    auto* buffer = static_cast<unsigned char*>(av::av_malloc(BufferSize));
    AVIOContext* ctx = buffer ? av::avio_alloc_context(buffer, BufferSize, writing ? 1 : 0, io, FileRead,
                                                       FileWrite, fifo ? nullptr : FileSeek)
                              : nullptr;
    if (!ctx) {
        av::av_free(buffer);
        close(fd);
        delete io;
        return AVERROR(ENOMEM);
    }
    ctx->seekable = fifo ? 0 : AVIO_SEEKABLE_NORMAL;
    *pb = ctx;
    return 0;
}

void CloseFileIO(AVIOContext** pb) {
    if (!pb || !*pb) return;
    AVIOContext* ctx = *pb;
    if (ctx->write_flag) av::avio_flush(ctx);
    auto* io = static_cast<TFileIO*>(ctx->opaque);
    if (io) {
        close(io->Fd);
        delete io;
    }
    av::av_freep(&ctx->buffer);
    av::avio_context_free(pb);
}

void InstallIOHooks(AVFormatContext* s) {
    if (!s || s->io_open == HookedIOOpen) return;
    if (s->io_open && !DefaultIOOpen.load()) DefaultIOOpen = s->io_open;
    if (s->io_close2 && !DefaultIOClose.load()) DefaultIOClose = s->io_close2;
    s->io_open = HookedIOOpen;
    s->io_close2 = HookedIOClose;
}

int OpenMediaInput(AVFormatContext** ic, std::string_view fileName, const AVInputFormat* fmt,
                   AVDictionary** options, const AVIOInterruptCB* interrupt) {
    const std::string url = FileNameToURL(fileName);
    AVFormatContext* ctx = *ic ? *ic : av::avformat_alloc_context();
    *ic = nullptr;
    if (!ctx) return AVERROR(ENOMEM);
    if (interrupt) ctx->interrupt_callback = *interrupt;
    InstallIOHooks(ctx);
    AVIOContext* own = nullptr;
    if (!ctx->pb && UsesFileIO(url)) {
        int r = OpenFileIO(&own, url, AVIO_FLAG_READ, &ctx->interrupt_callback);
        if (r < 0) {
            av::avformat_free_context(ctx);
            return r;
        }
        ctx->pb = own; // avformat_open_input marks it AVFMT_FLAG_CUSTOM_IO
    }
    int r = av::avformat_open_input(&ctx, url.c_str(), fmt, options);
    if (r < 0) {
        CloseFileIO(&own); // the context itself was freed by the library
        return r;
    }
    *ic = ctx;
    return 0;
}

void CloseMediaInput(AVFormatContext** ic) {
    if (!ic || !*ic) return;
    AVIOContext* pb = (*ic)->pb;
    const bool own = IsFileIO(pb) && ((*ic)->flags & AVFMT_FLAG_CUSTOM_IO);
    av::avformat_close_input(ic);
    if (own) CloseFileIO(&pb);
}

int CheckMediaOutput(AVFormatContext* oc, std::string_view fileName, const AVIOInterruptCB* interrupt) {
    if (interrupt) oc->interrupt_callback = *interrupt;
    InstallIOHooks(oc);
    if (oc->oformat && (oc->oformat->flags & AVFMT_NOFILE)) return 0;
    const std::string url = FileNameToURL(fileName);
    const bool local = url.substr(0, UnicodePrefix.size()) == UnicodePrefix || url.substr(0, 5) == "file:" ||
                       url.find(':') == std::string::npos;
    if (!local) return 0;
    const std::string path = PathOf(url);
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return AVERROR(EISDIR);
        return access(path.c_str(), W_OK) == 0 ? 0 : AVERROR(errno);
    }
    if (errno != ENOENT) return AVERROR(errno);
    // A new file: its folder must exist and take new entries.
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    if (stat(folder.c_str(), &st) != 0) return AVERROR(errno);
    if (!S_ISDIR(st.st_mode)) return AVERROR(ENOTDIR);
    return access(folder.c_str(), W_OK | X_OK) == 0 ? 0 : AVERROR(errno);
}

int OpenMediaOutput(AVFormatContext* oc, std::string_view fileName, const AVIOInterruptCB* interrupt,
                    AVDictionary** options) {
    if (interrupt) oc->interrupt_callback = *interrupt;
    InstallIOHooks(oc);
    if (oc->oformat && (oc->oformat->flags & AVFMT_NOFILE)) return 0;
    const std::string url = FileNameToURL(fileName);
    if (UsesFileIO(url)) {
        int r = OpenFileIO(&oc->pb, url, AVIO_FLAG_WRITE, &oc->interrupt_callback);
        if (r >= 0) oc->flags |= AVFMT_FLAG_CUSTOM_IO;
        return r;
    }
    return av::avio_open2(&oc->pb, url.c_str(), AVIO_FLAG_WRITE, &oc->interrupt_callback, options);
}

void CloseMediaOutput(AVFormatContext* oc) {
    if (!oc || !oc->pb) return;
    if (IsFileIO(oc->pb))
        CloseFileIO(&oc->pb);
    else if (!(oc->oformat && (oc->oformat->flags & AVFMT_NOFILE)))
        av::avio_closep(&oc->pb);
}
