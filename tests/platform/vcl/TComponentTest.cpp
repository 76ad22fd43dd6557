#include "platform/vcl/TComponent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> gLog;

class TLogged : public TComponent {
public:
    explicit TLogged(TComponent* AOwner, std::string Tag = "")
        : TComponent(AOwner), FTagName(std::move(Tag)) {}
    ~TLogged() override { gLog.push_back("free " + FTagName); }
    std::string FTagName;
};

// Holds a reference to a component of another owner, as a control holds its image list.
class TUser : public TComponent {
public:
    using TComponent::TComponent;
    TComponent* Target() const { return FTarget; }
    void SetTarget(TComponent* Value) {
        if (FTarget) FTarget->RemoveFreeNotification(this);
        FTarget = Value;
        if (FTarget) FTarget->FreeNotification(this);
    }
    std::vector<std::string> Notices;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == FTarget) {
            Notices.push_back(
                "removed " + AComponent->Name() +
                (AComponent->ComponentState().Contains(csDestroying) ? " while destroying" : ""));
            FTarget = nullptr;
        }
    }

private:
    TComponent* FTarget = nullptr;
};

} // namespace

TEST(TComponent, OwnerFreesWhatItOwnsLastCreatedFirst) {
    gLog.clear();
    auto* owner = new TLogged(nullptr, "owner");
    new TLogged(owner, "a");
    auto* b = new TLogged(owner, "b");
    new TLogged(b, "b1");
    new TLogged(b, "b2");
    new TLogged(owner, "c");
    ASSERT_EQ(owner->ComponentCount(), 3);
    EXPECT_EQ(b->ComponentIndex(), 1);
    owner->Free();
    EXPECT_EQ(gLog,
              (std::vector<std::string>{"free c", "free b2", "free b1", "free b", "free a", "free owner"}));
}

TEST(TComponent, FreedComponentLeavesItsOwnerAndOwnerHearsOfIt) {
    TComponentPtr<TUser> owner(new TUser(nullptr));
    auto* x = new TComponent(owner.get());
    x->SetName("X");
    owner->SetTarget(x);
    x->Free();
    EXPECT_EQ(owner->ComponentCount(), 0);
    EXPECT_EQ(owner->Target(), nullptr);
}

TEST(TComponent, ReferenceToAnotherOwnersComponentIsClearedBeforeItDies) {
    TComponentPtr<TComponent> formA(new TComponent(nullptr));
    TComponentPtr<TComponent> formB(new TComponent(nullptr));
    auto* user = new TUser(formA.get());
    auto* list = new TComponent(formB.get());
    list->SetName("ImageList1");
    user->SetTarget(list);
    formB.reset();
    EXPECT_EQ(user->Target(), nullptr);
    EXPECT_EQ(user->Notices, std::vector<std::string>{"removed ImageList1 while destroying"});

    // The other way round: the user dies first and the list forgets it.
    TComponentPtr<TComponent> formC(new TComponent(nullptr));
    auto* list2 = new TComponent(formC.get());
    user->SetTarget(list2);
    formA.reset();
    formC.reset(); // would touch the freed user if the link were kept
}

TEST(TComponent, NamesAreIdentifiersUniqueWithinTheOwnerIgnoringCase) {
    TComponentPtr<TComponent> owner(new TComponent(nullptr));
    auto* a = new TComponent(owner.get());
    a->SetName("Button1");
    auto* b = new TComponent(owner.get());
    EXPECT_THROW(b->SetName("button1"), EComponentError);
    EXPECT_THROW(b->SetName("1abc"), EComponentError);
    EXPECT_THROW(b->SetName("a b"), EComponentError);
    b->SetName("Button2");
    EXPECT_EQ(owner->FindComponent("BUTTON2"), b);
    a->SetName("BUTTON1"); // renaming to itself in another case is allowed
    EXPECT_EQ(owner->FindComponent("missing"), nullptr);
    b->SetName("");
    EXPECT_EQ(b->Name(), "");
}

TEST(TComponent, FreeInsideAHandlerIsDeferredUntilTheHandlerReturns) {
    gLog.clear();
    auto* c = new TLogged(nullptr, "c");
    {
        TComponent::TKeepAlive alive(c);
        {
            TComponent::TKeepAlive nested(c);
            c->Free();
        }
        EXPECT_TRUE(gLog.empty());
        EXPECT_TRUE(c->FreePending());
    }
    EXPECT_EQ(gLog, std::vector<std::string>{"free c"});
}

TEST(TComponent, StateAndLoaded) {
    TComponentPtr<TComponent> c(new TComponent(nullptr));
    EXPECT_FALSE(c->ComponentState().Contains(csDesigning));
    c->BeginLoading();
    EXPECT_TRUE(c->ComponentState().Contains(csLoading));
    EXPECT_TRUE(c->ComponentState().Contains(csReading));
    c->EndLoading();
    EXPECT_FALSE(c->ComponentState().Contains(csReading));
    c->Loaded();
    EXPECT_FALSE(c->ComponentState().Contains(csLoading));
}

TEST(TComponent, ClassNameIsTheRuntimeClass) {
    TComponentPtr<TComponent> c(new TUser(nullptr));
    EXPECT_EQ(c->ClassName(), "TUser");
    TComponentPtr<TComponent> d(new TComponent(nullptr));
    EXPECT_EQ(d->ClassName(), "TComponent");
}
