#include "FrameTest.h"

#include "skin/windows/TlxSkinCaptionObject.h"

#include <vector>

namespace {

// Fades run on the virtual clock: the first step on the first timer tick
// after showing, then one every 6 ms, in fifteen steps of a fifteenth.
class TlxLumivexEffectsTest : public TFrameTest {
protected:
    void SetUp() override {
        Session.Backend().SetLayeredCapability(true);
        TFrameTest::SetUp();
        Form->Hide();
        Session.Pump();
    }
    bool Layered() const { return GetWindowLongPtr(Form->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED; }
    int Alpha() const {
        Byte alpha = 0;
        GetLayeredWindowAttributes(Form->Handle(), nullptr, &alpha, nullptr);
        return alpha;
    }
    // The alphas seen while the form stays layered, tick by tick.
    std::vector<int> FadeSteps() {
        std::vector<int> seen;
        Session.Advance(1);
        for (int i = 0; i < 40 && Layered(); ++i) {
            if (seen.empty() || seen.back() != Alpha()) seen.push_back(Alpha());
            Session.Advance(6);
        }
        return seen;
    }
};

TEST_F(TlxLumivexEffectsTest, AnimationFadesFromZeroToOpaqueAndDropsTheLayeredStyle) {
    LVX->SetAlphaBlendAnimation(true);
    Form->Show();
    Session.Pump();
    EXPECT_TRUE(Layered());
    EXPECT_EQ(Alpha(), 0);
    std::vector<int> want;
    for (int a = 17; a < 255; a += 17)
        want.push_back(a);
    EXPECT_EQ(FadeSteps(), want);
    EXPECT_FALSE(Layered());
}

TEST_F(TlxLumivexEffectsTest, ConstantTransparencyAfterTheFirstTick) {
    LVX->SetAlphaBlend(true);
    LVX->SetAlphaBlendValue(200);
    Form->Show();
    Session.Pump();
    EXPECT_EQ(Alpha(), 0);
    Session.Advance(1);
    EXPECT_TRUE(Layered());
    EXPECT_EQ(Alpha(), 200);
    LVX->SetAlphaBlend(false);
    EXPECT_FALSE(Layered());
}

TEST_F(TlxLumivexEffectsTest, AnimationForAllWindowsMakesAnInvisibleFormFadeToOpaque) {
    TFrameSkin skin;
    Load(skin);
    SD->SetAnimationForAllWindows(true);
    LVX->SetAlphaBlendValue(0);
    Form->Show();
    Session.Pump();
    EXPECT_EQ(LVX->AlphaBlendValue(), 255);
    EXPECT_EQ(FadeSteps().size(), 14u);
    EXPECT_FALSE(Layered());
}

// Hidden, or given a new skin, in the middle of a fade: the end state at once.
TEST_F(TlxLumivexEffectsTest, FadeReachesItsEndStateWhenInterrupted) {
    LVX->SetAlphaBlendAnimation(true);
    Form->Show();
    Session.Pump();
    Session.Advance(7);
    EXPECT_TRUE(Layered());
    Form->Hide();
    Session.Pump();
    EXPECT_FALSE(Layered());

    Form->Show();
    Session.Advance(7);
    TFrameSkin skin;
    Load(skin);
    EXPECT_FALSE(Layered());
    Session.Advance(200);
    EXPECT_FALSE(Layered());
}

// Without layered windows (no compositor) the form shows opaque at once.
TEST_F(TlxLumivexEffectsTest, NoCompositorNoFade) {
    Session.Backend().SetLayeredCapability(false);
    LVX->SetAlphaBlendAnimation(true);
    Form->Show();
    Session.Pump();
    EXPECT_FALSE(Layered());
}

// A skin change frames the form anew: new objects, no hover left over.
TEST_F(TlxLumivexEffectsTest, SkinChangeRecreatesObjectsAndResetsHover) {
    Form->Show();
    Session.Pump();
    TFrameSkin skin;
    Load(skin);
    TlxActiveSkinObject* close = Object("close");
    Session.MouseMove(Screen(146, 10));
    Session.Advance(60); // the hover timer
    ASSERT_TRUE(close->FMouseIn);
    TFrameSkin again(true);
    Load(again);
    EXPECT_NE(Object("sysmenu"), nullptr);
    EXPECT_FALSE(Object("close")->FMouseIn);
    EXPECT_EQ(HitAt(80, 50), HTCLIENT);
}

// A skin change of another skin data object leaves this form's frame as it
// was: the same objects (none of the other skin's), no hover reset.
TEST_F(TlxLumivexEffectsTest, AFormOnAnotherSkinKeepsItsFrame) {
    Form->Show();
    Session.Pump();
    TFrameSkin skin;
    Load(skin);
    TlxActiveSkinObject* close = Object("close");
    const int count = LVX->ObjectCount();
    Session.MouseMove(Screen(146, 10));
    Session.Advance(60);
    ASSERT_TRUE(close->FMouseIn);
    auto* otherSD = new TlxSkinData(Form);
    TFrameSkin other(true);
    other.Skin.LoadInto(otherSD);
    Session.Pump();
    EXPECT_EQ(Object("close"), close);
    EXPECT_EQ(LVX->ObjectCount(), count);
    EXPECT_EQ(Object("sysmenu"), nullptr) << "the other skin's objects";
    EXPECT_TRUE(close->FMouseIn);
    EXPECT_EQ(HitAt(80, 50), HTCLIENT);
}

// Switching a maximized form between the skinned and the platform frame
// restores it, switches and maximizes it again.
TEST_F(TlxLumivexEffectsTest, SwitchingTheFrameOfAMaximizedForm) {
    Form->Show();
    Session.Pump();
    TFrameSkin skin;
    Load(skin);
    LVX->SetWindowState(wsMaximized);
    LVX->SetSkinnableForm(false);
    EXPECT_TRUE(IsZoomed(Form->Handle()));
    EXPECT_TRUE(Form->Visible());
    LVX->SetSkinnableForm(true);
    EXPECT_FALSE(IsZoomed(Form->Handle()));
    EXPECT_EQ(LVX->WindowState(), wsMaximized);
    EXPECT_EQ(Form->BoundsRect(), (TRect{0, 0, 1024, 728}));
    LVX->SetWindowState(wsNormal);
    EXPECT_EQ(Form->BoundsRect(), (TRect{50, 40, 210, 130}));
}

} // namespace
