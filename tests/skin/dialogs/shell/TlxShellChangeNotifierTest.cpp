#include "skin/dialogs/shell/TlxShellChangeNotifier.h"

#include "platform/sys/MainThread.h"

#include "tests/support/TTempFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// Serves the GUI thread's loop for a while (the notifier has no thread of its own).
void Serve(std::chrono::milliseconds duration) {
    auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end)
        CheckSynchronize(5);
}

// Long enough for a change to be reported (quiet time plus slack): how long
// a case waits to see that nothing comes.
constexpr auto kSettle = 300ms;

// Serves until count reaches at least expected (a loaded machine may be slow
// to get there), then a little longer so that an extra call would show.
int ServeForCalls(const int& count, int expected) {
    auto end = std::chrono::steady_clock::now() + 5s;
    while (count < expected && std::chrono::steady_clock::now() < end)
        CheckSynchronize(5);
    Serve(expected > 0 ? 100ms : kSettle);
    return count;
}

struct TCounter {
    int Calls = 0;
    bool AllOnGuiThread = true;
    std::chrono::steady_clock::time_point Last;
    TThreadMethod Handler() {
        return [this] {
            ++Calls;
            AllOnGuiThread = AllOnGuiThread && IsGuiThread();
            Last = std::chrono::steady_clock::now();
        };
    }
};

struct TNotifierFixture {
    TTempFolder Temp;
    std::string Dir = Temp.Path().substr(0, Temp.Path().size() - 1);
};

} // namespace

TEST(TlxShellChangeNotifier, NoWatchBeforeAHandlerThenOneCallPerFileOnTheGuiThread) {
    TNotifierFixture f;
    TCounter counter;
    TlxShellChangeNotifier notifier(nullptr);
    notifier.SetRoot(f.Dir);
    notifier.SetWatchSubTree(false);
    EXPECT_FALSE(notifier.Watching());
    EXPECT_EQ(TShellWatchHub::Instance().WatchCount(), 0u);
    f.Temp.Write("before-handler.txt", "x");
    Serve(50ms);

    notifier.SetOnChange(counter.Handler());
    EXPECT_TRUE(notifier.Watching());
    EXPECT_EQ(ServeForCalls(counter.Calls, 0), 0) << "a change before the handler is not reported";

    f.Temp.Write("one.txt", "x");
    EXPECT_EQ(ServeForCalls(counter.Calls, 1), 1);
    EXPECT_TRUE(counter.AllOnGuiThread);
}

TEST(TlxShellChangeNotifier, BurstGivesAFewCallsTheLastAfterTheLastFile) {
    TNotifierFixture f;
    TCounter counter;
    TlxShellChangeNotifier notifier(nullptr);
    notifier.SetRoot(f.Dir);
    notifier.SetWatchSubTree(false);
    notifier.SetOnChange(counter.Handler());

    std::atomic<bool> done{false};
    std::chrono::steady_clock::time_point lastFile;
    std::thread writer([&] {
        for (int i = 0; i < 500; ++i)
            std::ofstream(f.Dir + "/f" + std::to_string(i)) << i;
        lastFile = std::chrono::steady_clock::now();
        done = true;
    });
    while (!done)
        CheckSynchronize(5);
    writer.join();
    Serve(kSettle);
    EXPECT_GE(counter.Calls, 1);
    EXPECT_LE(counter.Calls, 10);
    EXPECT_GT(counter.Last, lastFile);
}

TEST(TlxShellChangeNotifier, SubFolderChangesOnlyWithWatchSubTree) {
    TNotifierFixture f;
    mkdir((f.Dir + "/sub").c_str(), 0755);
    TCounter flat, deep;
    TlxShellChangeNotifier flatNotifier(nullptr), deepNotifier(nullptr);
    flatNotifier.SetRoot(f.Dir);
    flatNotifier.SetWatchSubTree(false);
    flatNotifier.SetOnChange(flat.Handler());
    deepNotifier.SetRoot(f.Dir);
    deepNotifier.SetOnChange(deep.Handler()); // WatchSubTree is on by default
    f.Temp.Write("sub/inner.txt", "x");
    EXPECT_EQ(ServeForCalls(deep.Calls, 1), 1);
    Serve(kSettle);
    EXPECT_EQ(flat.Calls, 0);

    // A folder made after the watch started is watched too.
    mkdir((f.Dir + "/sub/new").c_str(), 0755);
    Serve(kSettle);
    deep.Calls = 0;
    f.Temp.Write("sub/new/deeper.txt", "x");
    EXPECT_EQ(ServeForCalls(deep.Calls, 1), 1);
    EXPECT_EQ(flat.Calls, 0);
}

TEST(TlxShellChangeNotifier, FiltersDecideWhichChangesCount) {
    struct Case {
        const char* Name;
        TNotifyFilters Filters;
        void (*Change)(const std::string& dir);
        bool Reported;
    };
    auto createFile = [](const std::string& d) { std::ofstream(d + "/new.txt") << "x"; };
    auto makeFolder = [](const std::string& d) { mkdir((d + "/newdir").c_str(), 0755); };
    auto chmodFile = [](const std::string& d) { chmod((d + "/existing.txt").c_str(), 0600); };
    auto appendFile = [](const std::string& d) {
        std::ofstream(d + "/existing.txt", std::ios::app) << "more";
    };
    auto renameFile = [](const std::string& d) {
        rename((d + "/existing.txt").c_str(), (d + "/moved.txt").c_str());
    };
    const Case cases[] = {
        {"file name: new file", {nfFileNameChange}, createFile, true},
        {"file name: rename", {nfFileNameChange}, renameFile, true},
        {"file name: new folder", {nfFileNameChange}, makeFolder, false},
        {"dir name: new folder", {nfDirNameChange}, makeFolder, true},
        {"dir name: new file", {nfDirNameChange}, createFile, false},
        {"attributes: chmod", {nfAttributeChange}, chmodFile, true},
        {"security: chmod", {nfSecurityChange}, chmodFile, true},
        {"file name: chmod", {nfFileNameChange}, chmodFile, false},
        {"write: append", {nfWriteChange}, appendFile, true},
        {"size: append", {nfSizeChange}, appendFile, true},
        {"dir name: append", {nfDirNameChange}, appendFile, false},
    };
    for (const Case& c : cases) {
        TNotifierFixture f;
        f.Temp.Write("existing.txt", "x");
        TCounter counter;
        TlxShellChangeNotifier notifier(nullptr);
        notifier.SetRoot(f.Dir);
        notifier.SetWatchSubTree(false);
        notifier.SetNotifyFilters(c.Filters);
        notifier.SetOnChange(counter.Handler());
        c.Change(f.Dir);
        EXPECT_EQ(ServeForCalls(counter.Calls, c.Reported ? 1 : 0), c.Reported ? 1 : 0) << c.Name;
    }
}

TEST(TlxShellChangeNotifier, RootChangeMovesTheWatch) {
    TNotifierFixture a, b;
    TCounter counter;
    TlxShellChangeNotifier notifier(nullptr);
    notifier.SetWatchSubTree(false);
    notifier.SetRoot(a.Dir);
    notifier.SetOnChange(counter.Handler());
    notifier.SetRoot(b.Dir);
    EXPECT_EQ(TShellWatchHub::Instance().WatchCount(), 1u);
    a.Temp.Write("old.txt", "x");
    EXPECT_EQ(ServeForCalls(counter.Calls, 0), 0);
    b.Temp.Write("new.txt", "x");
    EXPECT_EQ(ServeForCalls(counter.Calls, 1), 1);

    notifier.SetRoot(b.Dir + "/missing");
    EXPECT_FALSE(notifier.Watching()) << "a folder that cannot be watched is silently not watched";
    notifier.SetRoot("");
    EXPECT_FALSE(notifier.Watching());
}

TEST(TlxShellChangeNotifier, TwoNotifiersShareOneWatchAndOutliveEachOther) {
    TNotifierFixture f;
    TCounter first, second;
    auto one = std::make_unique<TlxShellChangeNotifier>(nullptr);
    TlxShellChangeNotifier two(nullptr);
    for (TlxShellChangeNotifier* n : {one.get(), &two}) {
        n->SetRoot(f.Dir);
        n->SetWatchSubTree(false);
    }
    one->SetOnChange(first.Handler());
    two.SetOnChange(second.Handler());
    EXPECT_EQ(TShellWatchHub::Instance().WatchCount(), 1u);

    f.Temp.Write("a.txt", "x");
    // Destroyed with its change pending: its handler never runs.
    Serve(5ms);
    one.reset();
    EXPECT_EQ(ServeForCalls(second.Calls, 1), 1);
    EXPECT_EQ(first.Calls, 0);
    EXPECT_EQ(TShellWatchHub::Instance().WatchCount(), 1u);

    f.Temp.Write("b.txt", "x");
    EXPECT_EQ(ServeForCalls(second.Calls, 2), 2);
}

TEST(TlxShellChangeNotifier, DeletedFolderIsReportedOnceThenInactive) {
    TNotifierFixture f;
    std::string watched = f.Dir + "/watched";
    mkdir(watched.c_str(), 0755);
    TCounter counter;
    TlxShellChangeNotifier notifier(nullptr);
    notifier.SetRoot(watched);
    notifier.SetWatchSubTree(false);
    notifier.SetOnChange(counter.Handler());
    rmdir(watched.c_str());
    EXPECT_EQ(ServeForCalls(counter.Calls, 1), 1);
    EXPECT_FALSE(notifier.Watching());
    mkdir(watched.c_str(), 0755);
    std::ofstream(watched + "/x") << "x";
    Serve(kSettle);
    EXPECT_EQ(counter.Calls, 1);
}

TEST(TlxShellChangeNotifier, HandlerMayDestroyItsNotifier) {
    TNotifierFixture f;
    int calls = 0;
    auto notifier = std::make_unique<TlxShellChangeNotifier>(nullptr);
    notifier->SetRoot(f.Dir);
    notifier->SetWatchSubTree(false);
    notifier->SetOnChange([&] {
        ++calls;
        notifier.reset();
    });
    f.Temp.Write("a.txt", "x");
    EXPECT_EQ(ServeForCalls(calls, 1), 1);
    EXPECT_EQ(TShellWatchHub::Instance().WatchCount(), 0u);
}
