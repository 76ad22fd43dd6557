#include "skin/dialogs/shell/TShellWatchHub.h"

#include "skin/dialogs/filectrl/FilePaths.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <memory>

#include <dirent.h>
#include <sys/inotify.h>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {

// Every kernel watch asks for all of these; each subscriber filters.
constexpr uint32_t kWatchMask = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB | IN_MODIFY |
                                IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR | IN_EXCL_UNLINK;

// A sub-tree watch stops growing here: the kernel's watches are a per-user
// budget shared with every other program.
constexpr size_t kMaxSubTreeWatches = 8192;

bool Wanted(uint32_t mask, TNotifyFilters filters) {
    bool dir = mask & IN_ISDIR;
    if (mask & (IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO))
        if (filters.Contains(dir ? nfDirNameChange : nfFileNameChange)) return true;
    if (mask & IN_ATTRIB)
        if (filters.Contains(nfAttributeChange) || filters.Contains(nfSecurityChange)) return true;
    if (mask & IN_MODIFY)
        if (filters.Contains(nfWriteChange) || (!dir && filters.Contains(nfSizeChange))) return true;
    return false;
}

struct TDirCloser {
    void operator()(DIR* d) const { closedir(d); }
};

} // namespace

TShellWatchHub::TSubscription::~TSubscription() {
    TShellWatchHub::Instance().Unsubscribe(this);
}

TShellWatchHub& TShellWatchHub::Instance() {
    // Lives for the whole process: subscriptions may die during static destruction.
    static TShellWatchHub* hub = new TShellWatchHub;
    return *hub;
}

bool TShellWatchHub::Open() {
    if (FInotify >= 0) return true;
    FInotify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (FInotify < 0) return false;
    FTimer = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (FTimer < 0) {
        close(FInotify);
        FInotify = -1;
        return false;
    }
    FInotifyWatch = WatchFd(FInotify, [this] { ReadEvents(); });
    FTimerWatch = WatchFd(FTimer, [this] { TimerFired(); });
    return true;
}

void TShellWatchHub::CloseIfIdle() {
    if (FInotify < 0 || !FSubscriptions.empty()) return;
    UnwatchFd(FInotifyWatch);
    UnwatchFd(FTimerWatch);
    close(FInotify);
    close(FTimer);
    FInotify = FTimer = -1;
    FInotifyWatch = FTimerWatch = 0;
    FWatches.clear();
}

int TShellWatchHub::AddWatch(const std::string& path, TSubscription* s) {
    int wd = inotify_add_watch(FInotify, path.c_str(), kWatchMask);
    if (wd < 0) return -1;
    // The same folder by another path gives the same descriptor: one watch,
    // counted. The latest path is kept (a folder moved inside a watched tree).
    TWatch& w = FWatches[wd];
    w.Path = path;
    w.Subscribers.insert(s);
    s->FWds.insert(wd);
    return wd;
}

void TShellWatchHub::AddSubTree(const std::string& path, TSubscription* s) {
    // Breadth first over real folders only (links are not followed).
    std::vector<std::string> queue{path};
    for (size_t i = 0; i < queue.size() && s->FWds.size() < kMaxSubTreeWatches; ++i) {
        std::unique_ptr<DIR, TDirCloser> dir(opendir(queue[i].c_str()));
        if (!dir) continue;
        while (dirent* e = readdir(dir.get())) {
            if (e->d_type != DT_DIR || !std::strcmp(e->d_name, ".") || !std::strcmp(e->d_name, ".."))
                continue;
            std::string sub = JoinPath(queue[i], e->d_name);
            if (AddWatch(sub, s) >= 0) queue.push_back(sub);
            if (s->FWds.size() >= kMaxSubTreeWatches) break;
        }
    }
}

void TShellWatchHub::ReleaseWatch(int wd, TSubscription* s) {
    s->FWds.erase(wd);
    auto it = FWatches.find(wd);
    if (it == FWatches.end()) return;
    it->second.Subscribers.erase(s);
    if (it->second.Subscribers.empty()) {
        inotify_rm_watch(FInotify, wd);
        FWatches.erase(it);
    }
}

std::unique_ptr<TShellWatchHub::TSubscription> TShellWatchHub::Subscribe(const std::string& folder,
                                                                         bool subTree, TNotifyFilters filters,
                                                                         std::function<void()> onChange) {
    if (!folder.starts_with('/') || !IsExistingDirectory(folder) || !Open()) return nullptr;
    std::unique_ptr<TSubscription> s(new TSubscription);
    s->FSerial = FNextSerial++;
    s->FFilters = filters;
    s->FSubTree = subTree;
    s->FOnChange = std::move(onChange);
    FSubscriptions.insert(s.get());
    s->FRootWd = AddWatch(folder, s.get());
    if (s->FRootWd < 0) return nullptr; // the destructor unsubscribes
    if (subTree) AddSubTree(folder, s.get());
    return s;
}

void TShellWatchHub::Unsubscribe(TSubscription* s) {
    if (!FSubscriptions.erase(s)) return;
    for (int wd : std::set<int>(s->FWds))
        ReleaseWatch(wd, s);
    CloseIfIdle();
}

void TShellWatchHub::Deactivate(TSubscription* s) {
    for (int wd : std::set<int>(s->FWds))
        ReleaseWatch(wd, s);
    s->FActive = false;
}

void TShellWatchHub::Touch(TSubscription* s) {
    auto now = std::chrono::steady_clock::now();
    if (!s->FPending) s->FFirst = now;
    s->FPending = true;
    s->FLast = now;
}

void TShellWatchHub::ReadEvents() {
    alignas(inotify_event) char buffer[64 * 1024];
    for (;;) {
        ssize_t n = read(FInotify, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        for (ssize_t pos = 0; pos + static_cast<ssize_t>(sizeof(inotify_event)) <= n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(buffer + pos);
            pos += sizeof(inotify_event) + e->len;
            if (e->mask & IN_Q_OVERFLOW) {
                // Events were lost: everyone may have missed something.
                for (TSubscription* s : FSubscriptions)
                    if (s->FActive) Touch(s);
                continue;
            }
            auto it = FWatches.find(e->wd);
            if (it == FWatches.end()) continue;
            std::string path = it->second.Path;
            std::vector<TSubscription*> subscribers(it->second.Subscribers.begin(),
                                                    it->second.Subscribers.end());
            for (TSubscription* s : subscribers) {
                if (e->wd == s->FRootWd &&
                    (e->mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT | IN_IGNORED))) {
                    // The folder itself went away: reported once, then nothing more.
                    if (s->FActive) Touch(s);
                    Deactivate(s);
                    continue;
                }
                if (e->mask & (IN_DELETE_SELF | IN_UNMOUNT | IN_IGNORED)) {
                    // A sub-folder gone. (One moved keeps its watch: the kernel
                    // watches the folder, not its name, and its new parent may
                    // be in the tree too.)
                    ReleaseWatch(e->wd, s);
                    continue;
                }
                if (e->mask & IN_MOVE_SELF) continue;
                if (!s->FActive) continue;
                if (s->FSubTree && (e->mask & IN_ISDIR) && (e->mask & (IN_CREATE | IN_MOVED_TO)) &&
                    e->len > 0 && s->FWds.size() < kMaxSubTreeWatches) {
                    std::string sub = JoinPath(path, e->name);
                    if (AddWatch(sub, s) >= 0) AddSubTree(sub, s);
                }
                if (Wanted(e->mask, s->FFilters)) Touch(s);
            }
        }
    }
    ArmTimer();
}

void TShellWatchHub::ArmTimer() {
    if (FTimer < 0) return;
    using namespace std::chrono;
    auto due = steady_clock::time_point::max();
    for (TSubscription* s : FSubscriptions)
        if (s->FPending)
            due = std::min(due,
                           std::min(s->FLast + milliseconds(QuietMs), s->FFirst + milliseconds(MaxDelayMs)));
    itimerspec wake{};
    if (due != steady_clock::time_point::max()) {
        auto left = duration_cast<nanoseconds>(due - steady_clock::now()).count();
        left = std::max<long long>(left, 1); // zero would disarm the timer
        wake.it_value.tv_sec = left / 1000000000;
        wake.it_value.tv_nsec = left % 1000000000;
    }
    timerfd_settime(FTimer, 0, &wake, nullptr);
}

void TShellWatchHub::TimerFired() {
    uint64_t expirations;
    while (read(FTimer, &expirations, sizeof expirations) > 0) {
    }
    using namespace std::chrono;
    auto now = steady_clock::now();
    std::vector<std::pair<TSubscription*, uint64_t>> due;
    for (TSubscription* s : FSubscriptions)
        if (s->FPending &&
            (now >= s->FLast + milliseconds(QuietMs) || now >= s->FFirst + milliseconds(MaxDelayMs))) {
            s->FPending = false;
            due.emplace_back(s, s->FSerial);
        }
    for (auto [s, serial] : due) {
        // An earlier handler may have destroyed this subscription.
        if (!FSubscriptions.contains(s) || s->FSerial != serial) continue;
        std::function<void()> handler = s->FOnChange;
        if (handler) handler();
    }
    ArmTimer();
}
