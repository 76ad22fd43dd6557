#include "platform/vcl/TComponent.h"

#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TComponentRef.h"

#include <algorithm>
#include <cctype>

bool IsValidIdent(std::string_view Ident) {
    if (Ident.empty()) return false;
    auto alpha = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; };
    if (!alpha(Ident[0])) return false;
    return std::all_of(Ident.begin(), Ident.end(),
                       [&](char c) { return alpha(c) || std::isdigit(static_cast<unsigned char>(c)); });
}

TComponent::TComponent(TComponent* AOwner) {
    if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
    Teardown();
}

void TComponent::Free() {
    if (FKeepAliveCount > 0) {
        FFreePending = true;
        return;
    }
    Teardown();
    delete this;
}

void TComponent::Teardown() {
    if (FTornDown) return;
    FTornDown = true;
    Destroying();
    RemoveNotifications();
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::Destroying() {
    FComponentState.Include(csDestroying);
}

void TComponent::RemoveNotifications() {
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        auto& theirs = other->FFreeNotifies;
        theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
        other->Notification(this, opRemove);
    }
}

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        TComponent* last = FComponents.back();
        RemoveComponent(last);
        last->Free();
    }
}

TComponent* TComponent::Components(int Index) const {
    if (Index < 0 || Index >= ComponentCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FComponents[Index];
}

int TComponent::ComponentIndex() const {
    if (!FOwner) return -1;
    auto& list = FOwner->FComponents;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TComponent::SetName(const std::string& NewName) {
    if (FName == NewName) return;
    if (!NewName.empty() && !IsValidIdent(NewName))
        throw EComponentError("\"" + NewName + "\" is not a valid component name");
    if (FOwner)
        FOwner->ValidateRename(this, FName, NewName);
    else
        ValidateRename(nullptr, FName, NewName);
    FName = NewName;
}

void TComponent::ValidateRename(TComponent* AComponent, const std::string& CurName,
                                const std::string& NewName) {
    if (!AComponent || SameText(CurName, NewName) || NewName.empty()) return;
    if (FindComponent(NewName)) throw EComponentError("A component named " + NewName + " already exists");
}

TComponent* TComponent::FindComponent(std::string_view AName) const {
    if (AName.empty()) return nullptr;
    for (TComponent* c : FComponents)
        if (SameText(c->FName, AName)) return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
    if (!AComponent || AComponent->FOwner == this) return;
    if (!AComponent->FName.empty()) ValidateRename(AComponent, "", AComponent->FName);
    if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
    FComponents.push_back(AComponent);
    AComponent->FOwner = this;
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
    if (!AComponent || AComponent->FOwner != this) return;
    Notification(AComponent, opRemove);
    // A form's field naming the component must not outlive it.
    if (!AComponent->FName.empty()) TComponentReader::ClearFieldsOf(this, AComponent);
    FComponents.erase(std::remove(FComponents.begin(), FComponents.end(), AComponent), FComponents.end());
    AComponent->FOwner = nullptr;
}

void TComponent::FreeNotification(TComponent* AComponent) {
    if (!AComponent || AComponent == this) return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end()) {
        FFreeNotifies.push_back(AComponent);
        AComponent->FreeNotification(this);
    }
    FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
    auto& mine = FFreeNotifies;
    mine.erase(std::remove(mine.begin(), mine.end(), AComponent), mine.end());
    if (AComponent) {
        auto& theirs = AComponent->FFreeNotifies;
        theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
    }
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent) {
        RemoveFreeNotification(AComponent);
        // A cleared reference's handler may set others.
        for (size_t i = FRefs.size(); i-- > 0;)
            if (i < FRefs.size() && FRefs[i]->Target() == AComponent) FRefs[i]->TargetRemoved();
    }
    // Owned components hear of each other's removal through their owner; the
    // list may shrink while a handler runs.
    for (size_t i = FComponents.size(); i-- > 0;) {
        if (i >= FComponents.size()) continue;
        FComponents[i]->Notification(AComponent, Operation);
    }
}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::GetChildren(const std::function<void(TComponent*)>&, TComponent*) {}

std::string TComponent::EventHandlerName(const std::string& EventName) const {
    auto it = FEventHandlerNames.find(EventName);
    return it == FEventHandlerNames.end() ? std::string() : it->second;
}

void TComponent::SetEventHandlerName(const std::string& EventName, const std::string& Handler) {
    if (Handler.empty())
        FEventHandlerNames.erase(EventName);
    else
        FEventHandlerNames[EventName] = Handler;
}

void TComponent::Loaded() {
    FComponentState.Exclude(csLoading);
}

void TComponent::BeginLoading() {
    FComponentState.Include(csLoading).Include(csReading);
}

void TComponent::EndLoading() {
    FComponentState.Exclude(csReading);
}

void TComponent::SetComponentStateItem(TComponentStateItem Item, bool On) {
    if (On)
        FComponentState.Include(Item);
    else
        FComponentState.Exclude(Item);
}

TComponent::TKeepAlive::TKeepAlive(TComponent* AComponent) : FComponent(AComponent) {
    if (FComponent) ++FComponent->FKeepAliveCount;
}

TComponent::TKeepAlive::~TKeepAlive() {
    if (!FComponent) return;
    if (--FComponent->FKeepAliveCount == 0 && FComponent->FFreePending) {
        FComponent->FFreePending = false;
        FComponent->Free();
    }
}
