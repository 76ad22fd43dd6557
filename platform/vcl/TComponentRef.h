#pragma once

#include "platform/vcl/TComponent.h"

#include <functional>

// A component's reference to another component it does not own (an image
// list, a popup menu, skin data). Setting it registers the free notification
// with the target; when the target is freed (or leaves its owner) the holder's
// Notification clears the reference and then calls OnCleared, so no holder
// writes a setter-plus-Notification block of its own:
//
//     TComponentRef<TCustomImageList> FImages{this, [this] { NodesChanged(); }};
//     void SetImages(TCustomImageList* Value) { if (FImages.Set(Value)) NodesChanged(); }
//
// The notification with a target stays while any reference of the holder
// points at it, so two references to one target are both cleared.
class TComponentRefBase {
public:
    TComponentRefBase(const TComponentRefBase&) = delete;
    TComponentRefBase& operator=(const TComponentRefBase&) = delete;

protected:
    TComponentRefBase(TComponent* AHolder, std::function<void()> AOnCleared);
    ~TComponentRefBase();
    // Points at Value; false when it already did.
    bool Point(TComponent* Value);
    TComponent* Target() const { return FTarget; }

private:
    friend class TComponent;
    // The target is going: forget it, then tell the holder.
    void TargetRemoved();
    virtual void Cleared() = 0;
    void Release(TComponent* Old);

    TComponent* FHolder;
    TComponent* FTarget = nullptr;
    std::function<void()> FOnCleared;
};

template <class T> class TComponentRef : public TComponentRefBase {
public:
    explicit TComponentRef(TComponent* AHolder, std::function<void()> AOnCleared = {})
        : TComponentRefBase(AHolder, std::move(AOnCleared)) {}

    T* Get() const { return FValue; }
    operator T*() const { return FValue; }
    T* operator->() const { return FValue; }
    // False when the reference already pointed at Value.
    bool Set(T* Value) {
        if (!Point(Value)) return false;
        FValue = Value;
        return true;
    }

private:
    void Cleared() override { FValue = nullptr; }
    T* FValue = nullptr;
};
