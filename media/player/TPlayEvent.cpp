#include "media/player/TPlayEvent.h"

void TPlayEvent::Put(TKind AKind, int64_t AValue) {
    std::lock_guard lock(FLock);
    if (AKind == ekPosition && !FItems.empty() && FItems.back().Kind == ekPosition)
        FItems.back().Value = AValue;
    else
        FItems.push_back({AKind, AValue});
    FEvent.SetEvent();
}

TPlayEvent::TItem TPlayEvent::Get() {
    std::lock_guard lock(FLock);
    if (FItems.empty()) return {};
    const TItem item = FItems.front();
    FItems.pop_front();
    if (FItems.empty()) FEvent.ResetEvent();
    return item;
}

size_t TPlayEvent::Count() const {
    std::lock_guard lock(FLock);
    return FItems.size();
}

void TPlayEvent::DropPositions() {
    std::lock_guard lock(FLock);
    std::erase_if(FItems, [](const TItem& AItem) { return AItem.Kind == ekPosition; });
    if (FItems.empty()) FEvent.ResetEvent();
}

void TPlayEvent::Clear() {
    std::lock_guard lock(FLock);
    FItems.clear();
    FEvent.ResetEvent();
}
