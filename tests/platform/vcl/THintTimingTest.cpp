#include "VclProbes.h"

#include "platform/vcl/THintWindow.h"

#include <gtest/gtest.h>

namespace {

class THintTiming : public TVclFixture {
protected:
    bool HintShowing() {
        THintWindow* w = Application->HintWindow();
        return w && w->Active() && w->HandleAllocated() && IsWindowVisible(w->WindowHandle());
    }
};

} // namespace

TEST_F(THintTiming, ShowsAfterHintPauseAndHidesAfterHintHidePause) {
    Application->SetHintPause(400);
    Application->SetHintHidePause(1500);
    TForm* form = MakeForm(100, 100, 300, 200);
    auto* tip = new TProbePanel(form);
    tip->SetParent(form);
    tip->SetBounds(10, 10, 80, 40);
    tip->SetHint("Save|Saves the list");
    tip->SetShowHint(true);
    auto* other = new TProbePanel(form);
    other->SetParent(form);
    other->SetBounds(150, 10, 80, 40);
    form->Show();
    Session.Pump();

    Session.MouseMove(Centre(tip));
    Session.Pump();
    EXPECT_EQ(Application->Hint(), "Saves the list"); // the long part, at once
    Session.Advance(399);
    EXPECT_FALSE(HintShowing());
    Session.Advance(1);
    ASSERT_TRUE(HintShowing());
    EXPECT_EQ(Application->HintWindow()->Caption(), "Save");
    TRect r;
    GetWindowRect(Application->HintWindow()->WindowHandle(), r);
    EXPECT_GE(r.Top, Centre(tip).Y); // below the pointer
    Session.Advance(1499);
    EXPECT_TRUE(HintShowing());
    Session.Advance(1);
    EXPECT_FALSE(HintShowing());

    // Leaving before the pause ends shows nothing; a control without a hint clears the text.
    Session.MouseMove(Centre(other));
    Session.Pump();
    EXPECT_EQ(Application->Hint(), "");
    Session.MouseMove(Centre(tip));
    Session.Pump();
    Session.Advance(300);
    Session.MouseMove(Centre(other));
    Session.Pump();
    Session.Advance(1000);
    EXPECT_FALSE(HintShowing());

    // With ShowHint off nothing is shown at all.
    Application->SetShowHint(false);
    Session.MouseMove(Centre(tip));
    Session.Pump();
    Session.Advance(1000);
    EXPECT_FALSE(HintShowing());
}

TEST_F(THintTiming, APressEndsTheHintShownAndTheOneAwaited) {
    Application->SetHintPause(400);
    Application->SetHintHidePause(5000);
    TForm* form = MakeForm(100, 100, 300, 200);
    auto* tip = new TProbePanel(form);
    tip->SetParent(form);
    tip->SetBounds(10, 10, 80, 40);
    tip->SetHint("Settings");
    tip->SetShowHint(true);
    form->Show();
    Session.Pump();

    // Shown: a press takes it away at once (a menu opened by the press
    // must not have it over it).
    Session.MouseMove(Centre(tip));
    Session.Pump();
    Session.Advance(400);
    ASSERT_TRUE(HintShowing());
    Session.MouseDown(Centre(tip));
    Session.Pump();
    EXPECT_FALSE(HintShowing());
    Session.MouseUp(Centre(tip));
    Session.Pump();

    // Awaited: a press before the pause ends means none comes.
    Session.MouseMove({Centre(tip).X + 60, Centre(tip).Y});
    Session.Pump();
    Session.MouseMove(Centre(tip));
    Session.Pump();
    Session.Advance(200);
    Session.Click(Centre(tip));
    Session.Pump();
    Session.Advance(1000);
    EXPECT_FALSE(HintShowing());
}
