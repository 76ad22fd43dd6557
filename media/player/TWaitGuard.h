#pragma once

// Counts a wait of the player's Open, Stop, Seek or stream switch, so
// handlers run inside it cannot re-enter them.
struct TWaitGuard {
    int& Depth;
    explicit TWaitGuard(int& ADepth) : Depth(ADepth) { ++Depth; }
    ~TWaitGuard() { --Depth; }
    TWaitGuard(const TWaitGuard&) = delete;
    TWaitGuard& operator=(const TWaitGuard&) = delete;
};
