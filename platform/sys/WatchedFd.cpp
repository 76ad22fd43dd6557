#include "platform/sys/WatchedFd.h"

#include "platform/sys/MainThread.h"

#include <algorithm>
#include <memory>
#include <mutex>

#include <cerrno>
#include <poll.h>

namespace {

struct TWatch {
    TFdWatchId Id = 0;
    int Fd = -1;
    TFdHandler Handler;
    bool Running = false;
};

// The table is only changed on the GUI thread; the lock keeps a stray reader
// on another thread (a loop asking WatchedFds) from seeing it half-changed.
struct TWatchTable {
    std::mutex Lock;
    std::vector<std::shared_ptr<TWatch>> Watches;
    TFdWatchId NextId = 1;
};

TWatchTable& Table() {
    static TWatchTable* table = new TWatchTable;
    return *table;
}

} // namespace

TFdWatchId WatchFd(int fd, TFdHandler handler) {
    if (fd < 0 || !handler) return 0;
    auto& t = Table();
    auto w = std::make_shared<TWatch>();
    w->Fd = fd;
    w->Handler = std::move(handler);
    std::lock_guard lock(t.Lock);
    w->Id = t.NextId++;
    t.Watches.push_back(w);
    return w->Id;
}

void UnwatchFd(TFdWatchId id) {
    auto& t = Table();
    std::lock_guard lock(t.Lock);
    std::erase_if(t.Watches, [id](const auto& w) { return w->Id == id; });
}

std::vector<int> WatchedFds() {
    auto& t = Table();
    std::lock_guard lock(t.Lock);
    std::vector<int> fds;
    for (const auto& w : t.Watches)
        fds.push_back(w->Fd);
    return fds;
}

bool ServeWatchedFds() {
    if (!IsGuiThread()) return false;
    auto& t = Table();
    std::vector<std::shared_ptr<TWatch>> watches;
    {
        std::lock_guard lock(t.Lock);
        if (t.Watches.empty()) return false;
        watches = t.Watches;
    }
    std::vector<pollfd> fds;
    for (const auto& w : watches)
        fds.push_back({w->Fd, POLLIN, 0});
    int r;
    do
        r = poll(fds.data(), fds.size(), 0);
    while (r < 0 && errno == EINTR);
    if (r <= 0) return false;
    bool ran = false;
    for (size_t i = 0; i < watches.size(); ++i) {
        if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
        auto& w = watches[i];
        {
            // An earlier handler of this pass may have unwatched this one.
            std::lock_guard lock(t.Lock);
            if (std::find(t.Watches.begin(), t.Watches.end(), w) == t.Watches.end()) continue;
        }
        if (w->Running) continue;
        w->Running = true;
        TFdHandler handler = w->Handler;
        try {
            handler();
        } catch (...) {
            // Nobody waits for a handler's failure; the loop goes on.
        }
        w->Running = false;
        ran = true;
    }
    return ran;
}
