#include "VclProbes.h"

#include <gtest/gtest.h>

namespace {

class TWinControlFocus : public TVclFixture {
protected:
    TProbeButton* Button(TWinControl* Parent, const char* Name, int X) {
        auto* b = new TProbeButton(GetParentForm(Parent));
        b->SetName(Name);
        b->SetParent(Parent);
        b->SetBounds(X, 10, 40, 20);
        return b;
    }
};

} // namespace

TEST_F(TWinControlFocus, HidingTheFocusedControlMovesTheFocusOnWithExitAndEnter) {
    TForm* form = MakeForm(0, 0, 300, 200);
    form->SetName("Form");
    auto* a = Button(form, "A", 10);
    auto* panel = new TProbePanel(form);
    panel->SetName("Panel");
    panel->SetParent(form);
    panel->SetBounds(10, 50, 200, 100);
    auto* inner = Button(panel, "Inner", 10);
    auto* b = Button(form, "B", 60);
    form->Show();
    Session.Pump();
    ASSERT_TRUE(a->Focused());

    ProbeLog().clear();
    a->Hide();
    Session.Pump();
    EXPECT_TRUE(inner->Focused()); // the next in tab order
    EXPECT_EQ(form->ActiveControl(), inner);
    EXPECT_EQ(ProbeLog(), (std::vector<std::string>{"A CM_EXIT", "Panel CM_ENTER", "Inner CM_ENTER"}));

    // Hiding a parent of the focused control moves the focus out of it.
    ProbeLog().clear();
    panel->Hide();
    Session.Pump();
    EXPECT_TRUE(b->Focused());
    EXPECT_EQ(ProbeLog(), (std::vector<std::string>{"Inner CM_EXIT", "Panel CM_EXIT", "B CM_ENTER"}));

    // With nothing left to take it, the form keeps the focus.
    ProbeLog().clear();
    b->Hide();
    Session.Pump();
    EXPECT_EQ(GetFocus(), form->Handle());
    EXPECT_EQ(ProbeLog(), (std::vector<std::string>{"B CM_EXIT"}));
    a->Show();
    Session.Pump();
    EXPECT_FALSE(a->Focused()); // showing does not take the focus back
}
