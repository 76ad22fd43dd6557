#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/TImageList.h"
#include "platform/vcl/TListView.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class THolder : public TComponent {
public:
    using TComponent::TComponent;
    TComponentRef<TComponent> First{this, [this] { ++FirstCleared; }};
    TComponentRef<TComponent> Second{this};
    int FirstCleared = 0;
};

} // namespace

TEST(TComponentRef, ClearsItselfAndTellsItsHolderWhenTheTargetGoes) {
    TComponentPtr<THolder> holder(new THolder(nullptr));
    auto* target = new TComponent(nullptr);
    EXPECT_TRUE(holder->First.Set(target));
    EXPECT_FALSE(holder->First.Set(target));
    EXPECT_EQ(holder->First.Get(), target);
    target->Free();
    EXPECT_EQ(holder->First.Get(), nullptr);
    EXPECT_EQ(holder->FirstCleared, 1);

    // Pointed elsewhere first, the old target's end is no longer heard of.
    auto* old = new TComponent(nullptr);
    auto* other = new TComponent(nullptr);
    holder->First.Set(old);
    holder->First.Set(other);
    old->Free();
    EXPECT_EQ(holder->First.Get(), other);
    EXPECT_EQ(holder->FirstCleared, 1);
    other->Free();
    EXPECT_EQ(holder->FirstCleared, 2);
}

TEST(TComponentRef, TwoReferencesToOneTargetBothHoldUntilItGoes) {
    TComponentPtr<THolder> holder(new THolder(nullptr));
    auto* target = new TComponent(nullptr);
    holder->First.Set(target);
    holder->Second.Set(target);
    // Letting one go keeps the notification the other still needs.
    holder->First.Set(nullptr);
    target->Free();
    EXPECT_EQ(holder->Second.Get(), nullptr);
    EXPECT_EQ(holder->FirstCleared, 0);
}

TEST(TComponentRef, AHolderFreedFirstLeavesTheTargetWithoutANotice) {
    auto* target = new TComponent(nullptr);
    {
        TComponentPtr<THolder> holder(new THolder(nullptr));
        holder->First.Set(target);
    }
    target->Free(); // would reach the freed holder if its notification stayed
}

// The list view's small and large images may be one list: clearing one of
// them must not leave the other pointing at the list once it is freed.
TEST(TComponentRef, ListViewKeepsBothImageReferencesSafe) {
    TComponentPtr<TListView> view(new TListView(nullptr));
    auto* images = new TImageList(nullptr);
    view->SetSmallImages(images);
    view->SetLargeImages(images);
    view->SetSmallImages(nullptr);
    images->Free();
    EXPECT_EQ(view->LargeImages(), nullptr);
}
