#include "platform/vcl/TComponentRef.h"

#include <algorithm>

TComponentRefBase::TComponentRefBase(TComponent* AHolder, std::function<void()> AOnCleared)
    : FHolder(AHolder), FOnCleared(std::move(AOnCleared)) {
    FHolder->FRefs.push_back(this);
}

TComponentRefBase::~TComponentRefBase() {
    auto& refs = FHolder->FRefs;
    refs.erase(std::remove(refs.begin(), refs.end(), this), refs.end());
    Release(FTarget);
}

bool TComponentRefBase::Point(TComponent* Value) {
    if (Value == FTarget) return false;
    TComponent* old = FTarget;
    FTarget = Value;
    if (Value) FHolder->FreeNotification(Value);
    Release(old);
    return true;
}

void TComponentRefBase::Release(TComponent* Old) {
    if (!Old) return;
    const auto& refs = FHolder->FRefs;
    bool stillReferred =
        std::any_of(refs.begin(), refs.end(), [&](const TComponentRefBase* r) { return r->FTarget == Old; });
    if (!stillReferred) FHolder->RemoveFreeNotification(Old);
}

void TComponentRefBase::TargetRemoved() {
    FTarget = nullptr;
    Cleared();
    if (FOnCleared) FOnCleared();
}
