#include "VclProbes.h"

#include <gtest/gtest.h>

namespace {

class TControlMouse : public TVclFixture {
protected:
    void SetUp() override {
        TVclFixture::SetUp();
        Form = MakeForm(0, 0, 300, 200);
        Form->SetName("Form");
        A = new TProbePanel(Form);
        A->SetName("A");
        A->SetParent(Form);
        A->SetBounds(50, 50, 150, 100);
        B = new TProbeGraphic(A);
        B->SetName("B");
        B->SetParent(A);
        B->SetBounds(20, 20, 40, 40);
        C = new TProbeGraphic(A);
        C->SetName("C");
        C->SetParent(A);
        C->SetBounds(90, 20, 40, 40);
        C->SetEnabled(false);
        Form->Show();
        Session.Pump();
        ProbeLog().clear();
    }
    void MoveTo(int X, int Y) {
        Session.MouseMove({X, Y});
        Session.Pump();
    }
    TForm* Form = nullptr;
    TProbePanel* A = nullptr;
    TProbeGraphic* B = nullptr;
    TProbeGraphic* C = nullptr;
};

} // namespace

TEST_F(TControlMouse, EnterAndLeaveFollowTheDeepestControl) {
    MoveTo(10, 10);   // the form
    MoveTo(60, 60);   // A
    MoveTo(75, 75);   // B
    MoveTo(80, 80);   // B
    MoveTo(120, 60);  // A again
    MoveTo(150, 80);  // C, disabled: its parent gets the move
    MoveTo(190, 140); // A
    EXPECT_EQ(ProbeLog(), (std::vector<std::string>{"A enter", "A move", "A leave", "B enter", "B move",
                                                    "B move", "B leave", "A enter", "A move", "A leave",
                                                    "C enter", "A move", "C leave", "A enter", "A move"}));
}

TEST_F(TControlMouse, CapturedControlGetsLeaveAndStillTheMoves) {
    MoveTo(60, 60);
    Session.MouseDown({60, 60});
    Session.Pump();
    MoveTo(20, 20);   // off A, still captured
    MoveTo(250, 190); // further
    Session.MouseUp({250, 190});
    Session.Pump();
    EXPECT_EQ(ProbeLog(), (std::vector<std::string>{"A enter", "A move", "A down", "A leave", "A move",
                                                    "A move", "A up"}));

    // A windowless control keeps the moves too while its press holds the capture.
    ProbeLog().clear();
    MoveTo(75, 75);
    Session.MouseDown({75, 75});
    Session.Pump();
    MoveTo(5, 5);
    Session.MouseUp({5, 5});
    Session.Pump();
    EXPECT_EQ(ProbeLog(),
              (std::vector<std::string>{"B enter", "B move", "B down", "B leave", "B move", "B up"}));
}

TEST_F(TControlMouse, AClickNeedsPressAndReleaseOnTheControl) {
    int clicks = 0;
    B->OnClick = [&](TObject*) { ++clicks; };
    Session.Click({75, 75});
    Session.Pump();
    EXPECT_EQ(clicks, 1);
    Session.MouseDown({75, 75});
    Session.MouseUp({150, 140}); // released elsewhere
    Session.Pump();
    EXPECT_EQ(clicks, 1);
    Session.Click({150, 80}); // on the disabled C: the press goes to A
    Session.Pump();
    EXPECT_EQ(clicks, 1);
}
