#pragma once

#include "platform/base/Exception.h"
#include "platform/base/Set.h"
#include "platform/base/SysUtils.h"
#include "platform/vcl/TPersistent.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TComponent;
class TComponentRefBase;

enum TOperation { opInsert, opRemove };

enum TComponentStateItem {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    // Exists for the design's tests of "not designing"; the program never sets it.
    csDesigning,
    csUpdating,
    csFreeNotification,
};
using TComponentState = TSet<TComponentStateItem>;

class EComponentError : public Exception {
public:
    using Exception::Exception;
};

// A named object in an ownership tree. An owner frees what it owns, last
// created first; removal notices clear every reference to a component before
// it dies. Destroy components through Free (or TComponentPtr): owned
// components then go while their owner is still whole, and a component that is
// kept alive by a running handler is freed when the handler returns.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    void Free();

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int Index) const;
    int ComponentIndex() const;

    const std::string& Name() const { return FName; }
    virtual void SetName(const std::string& NewName);
    intptr_t Tag() const { return FTag; }
    void SetTag(intptr_t Value) { FTag = Value; }

    TComponentState ComponentState() const { return FComponentState; }

    // Owned component of that name, compared ignoring ASCII case; nullptr when none.
    TComponent* FindComponent(std::string_view AName) const;
    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);
    void DestroyComponents();

    // AComponent is told (Notification opRemove) before this component dies, and
    // this one before AComponent dies.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    // The component a description nests this one in (a control's parent, a
    // menu item's parent item); the reader sets it, the writer asks for it.
    virtual void SetParentComponent(TComponent* Value);
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual bool HasParent() const { return false; }
    // Calls Proc for each component a description writes nested in this one.
    virtual void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root);

    // Name of the handler an event property was bound to by a description.
    std::string EventHandlerName(const std::string& EventName) const;
    void SetEventHandlerName(const std::string& EventName, const std::string& Handler);

    // Called once after a description has set every property of this component.
    virtual void Loaded();

    // Set and cleared by the description reader around reading a component.
    void BeginLoading();
    void EndLoading();

    // Keeps a component alive while code that may free it runs.
    class TKeepAlive {
    public:
        explicit TKeepAlive(TComponent* AComponent);
        ~TKeepAlive();
        TKeepAlive(const TKeepAlive&) = delete;
        TKeepAlive& operator=(const TKeepAlive&) = delete;

    private:
        TComponent* FComponent;
    };
    bool FreePending() const { return FFreePending; }

protected:
    // opRemove also clears this component's TComponentRef members that point
    // at AComponent; an override calls the inherited one first.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    virtual void ValidateRename(TComponent* AComponent, const std::string& CurName,
                                const std::string& NewName);
    // Called when destruction starts, while the object is still whole.
    virtual void Destroying();
    void SetComponentStateItem(TComponentStateItem Item, bool On);

private:
    friend class TComponentRefBase;
    void Teardown();
    void RemoveNotifications();

    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    std::vector<TComponentRefBase*> FRefs; // the TComponentRef members of this component
    std::string FName;
    intptr_t FTag = 0;
    TComponentState FComponentState;
    std::map<std::string, std::string> FEventHandlerNames;
    int FKeepAliveCount = 0;
    bool FFreePending = false;
    bool FTornDown = false;
};

struct TComponentDeleter {
    void operator()(TComponent* AComponent) const {
        if (AComponent) AComponent->Free();
    }
};
template <class T> using TComponentPtr = std::unique_ptr<T, TComponentDeleter>;

bool IsValidIdent(std::string_view Ident);
