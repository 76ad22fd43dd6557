#pragma once

#include "platform/sys/TEvent.h"

#include <cstdint>
#include <deque>
#include <mutex>

// The player's event queue between the engine threads (producers) and the
// event thread (the one consumer). Consecutive positions coalesce into the
// latest; states and the end item are never merged or dropped, so a slow
// handler still sees every state change, in order.
class TPlayEvent {
public:
    enum TKind { ekNone = 0, ekPosition = 1, ekState = 2, ekEnd = 3 };
    struct TItem {
        TKind Kind = ekNone;
        int64_t Value = 0; // microseconds, or the TPlayState
    };

    void Put(TKind AKind, int64_t AValue);
    // The oldest item, or kind ekNone when empty.
    TItem Get();
    // Signalled while items are queued.
    TEvent& Event() { return FEvent; }
    size_t Count() const;
    // Drops the positions not delivered yet (they are stale after a seek).
    void DropPositions();
    void Clear();

private:
    mutable std::mutex FLock;
    TEvent FEvent{true, false};
    std::deque<TItem> FItems;
};
