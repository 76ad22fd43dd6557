#pragma once

#include "platform/base/Set.h"
#include "platform/sys/WatchedFd.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

enum class TNotifyFilter {
    nfFileNameChange,
    nfDirNameChange,
    nfAttributeChange,
    nfSizeChange,
    nfWriteChange,
    nfSecurityChange,
};
using enum TNotifyFilter;
using TNotifyFilters = TSet<TNotifyFilter>;

// The process's one inotify descriptor, read on the GUI thread by the event
// loop (WatchedFd.h), and the watches on it. A folder watched by several
// subscribers has one kernel watch, counted. Changes are gathered per
// subscriber and reported once things have been quiet for QuietMs (at the
// latest MaxDelayMs after the first one), so a burst of changes gives a few
// calls, the last after the last change. GUI thread only: no locks.
class TShellWatchHub {
public:
    static constexpr int QuietMs = 50;
    static constexpr int MaxDelayMs = 250;

    // One watcher of a folder (and with subTree, of every folder below it).
    class TSubscription {
    public:
        ~TSubscription();
        TSubscription(const TSubscription&) = delete;
        TSubscription& operator=(const TSubscription&) = delete;
        // False once the folder went away (deleted, moved or unmounted): it
        // was reported once and nothing more comes.
        bool Active() const { return FActive; }

    private:
        friend class TShellWatchHub;
        TSubscription() = default;
        uint64_t FSerial = 0; // tells a live subscription from a new one at the same address
        TNotifyFilters FFilters;
        bool FSubTree = false;
        bool FActive = true;
        int FRootWd = -1;
        std::set<int> FWds;
        std::function<void()> FOnChange;
        bool FPending = false;
        std::chrono::steady_clock::time_point FFirst, FLast;
    };

    static TShellWatchHub& Instance();

    // Null when the folder cannot be watched (missing, not a folder, out of
    // kernel watches). onChange runs on the GUI thread, never after the
    // subscription is destroyed.
    std::unique_ptr<TSubscription> Subscribe(const std::string& folder, bool subTree, TNotifyFilters filters,
                                             std::function<void()> onChange);

    // Kernel watches held now (for tests: shared folders count once).
    size_t WatchCount() const { return FWatches.size(); }

private:
    struct TWatch {
        std::string Path;
        std::set<TSubscription*> Subscribers;
    };

    TShellWatchHub() = default;
    bool Open();
    void CloseIfIdle();
    int AddWatch(const std::string& path, TSubscription* s);
    void AddSubTree(const std::string& path, TSubscription* s);
    void ReleaseWatch(int wd, TSubscription* s);
    void Unsubscribe(TSubscription* s);
    void Deactivate(TSubscription* s);
    void ReadEvents();
    void Touch(TSubscription* s);
    void ArmTimer();
    void TimerFired();

    int FInotify = -1;
    int FTimer = -1;
    TFdWatchId FInotifyWatch = 0;
    TFdWatchId FTimerWatch = 0;
    std::map<int, TWatch> FWatches;
    std::set<TSubscription*> FSubscriptions;
    uint64_t FNextSerial = 1;
};
