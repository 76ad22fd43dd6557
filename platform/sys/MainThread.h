#pragma once

#include "platform/sys/TEvent.h"

#include <functional>

// The GUI-thread call service. One thread (the GUI thread) owns every window;
// other threads hand it work here.
//
// Joining it to a message loop (the window system does this):
//  - MainThreadWakeFd() is an eventfd that turns readable whenever a call is
//    queued. The loop polls it beside its own descriptors and then calls
//    CheckSynchronize(0). A loop without descriptors (headless) can register
//    SetMainThreadWakeHook to be told of new calls instead.
//  - SetMessagePumpHook registers the routine that dispatches pending window
//    messages without blocking. PumpMessages and WaitServing call it; until a
//    window system registers one it does nothing. Its argument holdInput asks
//    it to leave mouse and keyboard input queued (component waits pass true so
//    nothing re-enters the component being waited on).

using TThreadMethod = std::function<void()>;

// True on the GUI thread: the process's initial thread unless SetGuiThread
// named another one.
bool IsGuiThread();
// Makes the calling thread the GUI thread (tests that run a loop elsewhere).
void SetGuiThread();

// Runs method on the GUI thread and waits until it has run. On the GUI thread
// it runs at once (so handlers may re-enter). An exception thrown by the method
// is caught on the GUI thread and re-raised here, on the caller's thread.
void CallInMainThread(const TThreadMethod& method);

// Posts method to the GUI thread and returns at once; posted and blocking calls
// run in the order they were queued.
void QueueInMainThread(TThreadMethod method);

// On the GUI thread: runs the calls queued so far, one at a time, holding no
// lock while each runs. When none is queued, waits up to timeoutMs for one.
// Then runs the handlers of watched descriptors that are readable (WatchedFd.h);
// the wait also ends when one turns readable.
// Returns true when at least one call or handler ran. Elsewhere it does nothing.
// An exception escaping a posted call is swallowed (nobody waits for it).
bool CheckSynchronize(int timeoutMs = 0);

// Readable while calls are queued (see above). Never closed.
int MainThreadWakeFd();
void SetMainThreadWakeHook(std::function<void()> hook);

using TMessagePumpHook = std::function<void(bool holdInput)>;
void SetMessagePumpHook(TMessagePumpHook hook);

// Dispatches pending window messages and queued calls without blocking.
void PumpMessages();

// Waits for event. On the GUI thread the wait is cut into slices of sliceMs,
// between which queued calls and window messages are served (a worker may be
// waiting in CallInMainThread for us); elsewhere it is a plain wait.
// Negative timeout waits for ever.
TWaitResult WaitServing(TEvent& event, int timeoutMs = -1, int sliceMs = 10, bool holdInput = true);

// The same for any condition; returns the predicate's last value.
bool WaitServingFor(const std::function<bool()>& done, int timeoutMs = -1, int sliceMs = 10,
                    bool holdInput = true);
