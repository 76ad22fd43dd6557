#include "skin/windows/TlxLumivex.h"
#include "skin/controls/TlxSkinPanel.h"
#include "skin/engine/SkinData.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <gtest/gtest.h>

namespace {

// A plain form carrying the component, beside the recording test form.
class TlxLumivexTest : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        Skinned = new TForm(nullptr);
        Skinned->SetBounds(50, 40, 300, 200);
        LVX = new TlxLumivex(Skinned);
    }
    void TearDown() override {
        if (Skinned) Skinned->Free();
        TSkinControlTest::TearDown();
    }

    TForm* Skinned = nullptr;
    TlxLumivex* LVX = nullptr;
};

TEST_F(TlxLumivexTest, IsFoundOnItsFormOnly) {
    EXPECT_EQ(FindFormSkinComponent(Skinned), LVX);
    EXPECT_EQ(FindFormSkinComponent(Form), nullptr);
    EXPECT_EQ(FindFormSkinComponent(nullptr), nullptr);
}

TEST_F(TlxLumivexTest, AnOwnerThatIsNoFormFailsConstruction) {
    TComponent owner(nullptr);
    EXPECT_THROW(TlxLumivex{&owner}, EInvalidCast);
    EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST_F(TlxLumivexTest, AnswersTheSkinnableQuery) {
    Skinned->Show();
    EXPECT_EQ(SendMessage(Skinned->Handle(), 45490), 12853);
    LVX->SetSkinnableForm(false);
    EXPECT_EQ(SendMessage(Skinned->Handle(), 45490), 12852);
}

// The skin messages reach the controls of the form through the component,
// in the order announced.
TEST_F(TlxLumivexTest, SkinMessagesReachTheControlsOfTheirSkin) {
    auto* other = new TlxSkinData(Skinned);
    auto* mine = new TlxSkinPanel(Skinned);
    mine->SetParent(Skinned);
    mine->SetSkinData(SD);
    auto* theirs = new TlxSkinPanel(Skinned);
    theirs->SetParent(Skinned);
    theirs->SetSkinData(other);
    LVX->SetSkinData(SD);
    Skinned->Show();
    std::vector<std::string> events;
    LVX->OnBeforeChangeSkinData = [&](TObject*) { events.push_back("before"); };
    LVX->OnChangeSkinData = [&](TObject*) { events.push_back("change"); };
    LVX->OnAfterChangeSkinData = [&](TObject*) { events.push_back("after"); };
    TTestSkin skin;
    skin.LoadInto(SD);
    EXPECT_EQ(events, (std::vector<std::string>{"before", "change", "after"}));
    events.clear();
    // Another skin's change keeps this frame; only the closing event is raised.
    skin.LoadInto(other);
    EXPECT_EQ(events, (std::vector<std::string>{"after"}));
}

} // namespace
