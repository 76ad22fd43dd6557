#include "VclProbes.h"

#include <gtest/gtest.h>

namespace {

class TScreenTest : public TVclFixture {};

} // namespace

TEST_F(TScreenTest, MonitorsAndWorkAreaComeFromTheWindowSystem) {
    // The default: one 1024 x 768 monitor with a task bar of 40 pixels.
    EXPECT_EQ(Screen->MonitorCount(), 1);
    EXPECT_EQ(Screen->Width(), 1024);
    EXPECT_EQ(Screen->Height(), 768);
    EXPECT_EQ(Screen->WorkAreaRect(), (TRect{0, 0, 1024, 728}));

    // A secondary monitor left of a primary one whose task bar is at the top.
    Session.Backend().SetMonitors({
        {{-800, 100, 0, 700}, {-800, 100, 0, 700}, false},
        {{0, 0, 1280, 1024}, {0, 30, 1280, 1024}, true},
    });
    ASSERT_EQ(Screen->MonitorCount(), 2);
    TMonitor left = Screen->Monitors(0), primary = Screen->Monitors(1);
    EXPECT_EQ(left.MonitorNum, 0);
    EXPECT_EQ(left.BoundsRect, (TRect{-800, 100, 0, 700}));
    EXPECT_FALSE(left.Primary);
    EXPECT_EQ(primary.MonitorNum, 1);
    EXPECT_EQ(primary.BoundsRect, (TRect{0, 0, 1280, 1024}));
    EXPECT_EQ(primary.WorkareaRect, (TRect{0, 30, 1280, 1024}));
    EXPECT_TRUE(primary.Primary);
    // Width, Height and the work area are the primary monitor's.
    EXPECT_EQ(Screen->Width(), 1280);
    EXPECT_EQ(Screen->Height(), 1024);
    EXPECT_EQ(Screen->WorkAreaRect(), (TRect{0, 30, 1280, 1024}));
    EXPECT_THROW(Screen->Monitors(2), EListError);
    EXPECT_THROW(Screen->Monitors(-1), EListError);

    // A screen-centred form centres in the primary work area.
    TForm* form = Make<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 200, 100);
    form->SetPosition(poScreenCenter);
    form->Show();
    Session.Pump();
    EXPECT_EQ(form->Left(), 640 - 100);
}
