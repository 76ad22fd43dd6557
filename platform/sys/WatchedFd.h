#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// Descriptors the GUI thread's loop watches beside its own. When one turns
// readable its handler runs on the GUI thread, from CheckSynchronize: so from
// the window system's loop (both backends) and from every wait that serves
// queued calls. No thread is involved.
//
// A handler must consume what made its descriptor readable, or it runs again
// on the next pass. It may watch and unwatch descriptors, its own included;
// it is not re-entered while it runs (a nested wait inside it skips it).

using TFdHandler = std::function<void()>;
using TFdWatchId = uint64_t;

// GUI thread only. The descriptor stays the caller's: unwatch it before
// closing it. Returns 0 for a negative descriptor or an empty handler.
TFdWatchId WatchFd(int fd, TFdHandler handler);
// Once it returns the handler is never called again (unless it is running
// now, further up this thread's stack). Unknown ids are ignored.
void UnwatchFd(TFdWatchId id);

// The watched descriptors, for a loop's poll.
std::vector<int> WatchedFds();

// Polls the watched descriptors without waiting and runs the handlers of the
// readable ones. True when a handler ran. Only on the GUI thread.
bool ServeWatchedFds();
