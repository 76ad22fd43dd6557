#pragma once
// Process-wide state a test may leave changed behind it: which thread is the
// GUI thread, the global Application, the media loader's settings and loaded
// libraries. Each kind has a keeper; the test programs' main takes every
// keeper's snapshot before a case and restores it after, so the cases of a
// program pass together and in any order, not only one per process.

// A keeper lives as long as the program (a static object) and registers
// itself once. Keepers restore in ascending Order (lower layers first: the
// GUI thread before anything that must be undone on it).
class TProcessStateKeeper {
public:
    virtual ~TProcessStateKeeper() = default;
    virtual int Order() const = 0;
    virtual void Save() = 0;
    // Throws (std::exception) when the state cannot be put back; the case
    // that changed it then fails.
    virtual void Restore() = 0;
};

void RegisterProcessStateKeeper(TProcessStateKeeper& keeper);

// Adds the listener that saves before and restores after each case. The
// shared main calls it; a program with its own main calls it after
// testing::InitGoogleTest.
void InstallProcessStateListener();
