#pragma once

#include <utility>

// Runs an action when the scope ends, by return or by exception: the
// cleanup a "catch (...) { cleanup; throw; }" block would otherwise repeat.
// Dismiss() keeps the action from running, for cleanup wanted only on
// failure:
//
//     TScopeGuard freeOnFailure([&] { Form->Free(); });
//     Form->Load();          // may raise
//     freeOnFailure.Dismiss();
//
// The action must not raise: it may run while an exception unwinds.
template <class F> class TScopeGuard {
public:
    explicit TScopeGuard(F Action) : FAction(std::move(Action)) {}
    ~TScopeGuard() {
        if (FActive) FAction();
    }
    TScopeGuard(const TScopeGuard&) = delete;
    TScopeGuard& operator=(const TScopeGuard&) = delete;

    void Dismiss() { FActive = false; }

private:
    F FAction;
    bool FActive = true;
};
