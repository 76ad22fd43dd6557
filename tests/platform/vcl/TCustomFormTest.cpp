#include "VclProbes.h"

#include "platform/vcl/TTimer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class TCustomFormFixture : public TVclFixture {
protected:
    TProbeButton* Button(TWinControl* Parent, const char* Name, int X, int Y) {
        auto* b = new TProbeButton(GetParentForm(Parent) ? static_cast<TComponent*>(GetParentForm(Parent))
                                                         : Parent);
        b->SetName(Name);
        b->SetParent(Parent);
        b->SetBounds(X, Y, 40, 20);
        return b;
    }
    TWinControl* Focused() { return TWinControl::FindControl(GetFocus()); }
    std::string FocusedName() {
        TWinControl* c = Focused();
        return c ? c->Name() : "none";
    }
};

} // namespace

TEST_F(TCustomFormFixture, TabCyclesByTabOrderSkippingWhatCannotTakeTheFocus) {
    TForm* form = MakeForm(0, 0, 300, 200);
    form->SetName("Form");
    auto* b1 = Button(form, "B1", 10, 10);
    auto* disabled = Button(form, "Disabled", 60, 10);
    auto* hidden = Button(form, "Hidden", 110, 10);
    auto* noStop = Button(form, "NoStop", 160, 10);
    auto* panel = new TProbePanel(form);
    panel->SetName("Panel");
    panel->SetParent(form);
    panel->SetBounds(10, 50, 200, 100);
    auto* inner = Button(panel, "Inner", 10, 10);
    auto* b0 = Button(form, "B0", 210, 10);
    b0->SetTabOrder(0);
    disabled->SetEnabled(false);
    hidden->SetVisible(false);
    noStop->SetTabStop(false);
    (void)b1;
    (void)inner;
    form->Show();
    Session.Pump();
    EXPECT_EQ(FocusedName(), "B0");
    std::vector<std::string> order;
    for (int i = 0; i < 4; ++i) {
        Session.Key(VK_TAB);
        Session.Pump();
        order.push_back(FocusedName());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"B1", "Inner", "B0", "B1"}));
    Session.KeyDown(VK_SHIFT);
    Session.Key(VK_TAB);
    Session.KeyUp(VK_SHIFT);
    Session.Pump();
    EXPECT_EQ(FocusedName(), "B0");
}

TEST_F(TCustomFormFixture, FocusChangesExitTheOldFirstAndReachEveryControl) {
    TForm* form = MakeForm(0, 0, 300, 200);
    auto* a = Button(form, "A", 10, 10);
    auto* panel = new TProbePanel(form);
    panel->SetName("Panel");
    panel->SetParent(form);
    panel->SetBounds(10, 50, 200, 100);
    auto* inner = Button(panel, "Inner", 10, 10);
    auto* graphic = new TProbeGraphic(form);
    graphic->SetName("Graphic");
    graphic->SetParent(panel);
    form->Show();
    Session.Pump();
    ProbeLog().clear();
    for (auto* c : std::vector<std::vector<std::string>*>{&a->FocusChanges, &panel->FocusChanges,
                                                          &inner->FocusChanges, &graphic->FocusChanges})
        c->clear();
    inner->SetFocus();
    Session.Pump();
    EXPECT_EQ(ProbeLog(), (std::vector<std::string>{"A CM_EXIT", "Panel CM_ENTER", "Inner CM_ENTER"}));
    for (auto* c : std::vector<std::vector<std::string>*>{&a->FocusChanges, &panel->FocusChanges,
                                                          &inner->FocusChanges, &graphic->FocusChanges})
        EXPECT_EQ(*c, std::vector<std::string>{"Inner"});
    EXPECT_TRUE(inner->Focused());
    EXPECT_EQ(form->ActiveControl(), inner);
}

TEST_F(TCustomFormFixture, DialogKeysReachTheDefaultButtonUnlessTheFocusedControlClaimsThem) {
    TForm* form = MakeForm(0, 0, 300, 200);
    auto* edit = Button(form, "Edit", 10, 10);
    auto* ok = Button(form, "OK", 60, 10);
    auto* cancel = Button(form, "Cancel", 110, 10);
    auto* save = Button(form, "Save", 160, 10);
    ok->Default = true;
    cancel->Cancel = true;
    save->SetCaption("&Save");
    form->Show();
    edit->SetFocus();
    Session.Pump();
    Session.Key(VK_RETURN);
    Session.Key(VK_ESCAPE);
    Session.Pump();
    EXPECT_EQ(ok->Clicks, 1);
    EXPECT_EQ(cancel->Clicks, 1);
    EXPECT_TRUE(edit->KeysDown.empty());

    // Arrows move the focus, unless the focused control wants them.
    Session.Key(VK_RIGHT);
    Session.Pump();
    EXPECT_EQ(FocusedName(), "OK");
    edit->SetFocus();
    edit->WantsArrows = true;
    Session.Key(VK_RIGHT);
    Session.Pump();
    EXPECT_EQ(FocusedName(), "Edit");
    EXPECT_EQ(edit->KeysDown, std::vector<uint16_t>{VK_RIGHT});

    // Alt+S reaches the owner of the accelerator.
    Session.KeyDown(VK_MENU);
    Session.Key('S');
    Session.KeyUp(VK_MENU);
    Session.Pump();
    EXPECT_EQ(save->Clicks, 1);
}

TEST_F(TCustomFormFixture, APressSendsCancelModeToTheFocusedControlBeforeItArrives) {
    TForm* form = MakeForm(0, 0, 300, 200);
    auto* focused = Button(form, "Focused", 10, 10);
    auto* other = Button(form, "Other", 60, 10);
    auto* graphic = new TProbeGraphic(form);
    graphic->SetName("Graphic");
    graphic->SetParent(form);
    graphic->SetBounds(10, 100, 30, 30);
    (void)other;
    form->Show();
    focused->SetFocus();
    Session.MouseMove(Centre(graphic));
    Session.Pump();
    ProbeLog().clear();
    Session.MouseDown(Centre(graphic));
    Session.MouseUp(Centre(graphic));
    Session.Pump();
    ASSERT_GE(ProbeLog().size(), 2u);
    EXPECT_EQ(ProbeLog()[0], "Focused CM_CANCELMODE from Graphic");
    EXPECT_EQ(ProbeLog()[1], "Graphic down");
}

TEST_F(TCustomFormFixture, ShowModalReturnsTheButtonsResultWhileOtherFormsTakeNoInputAndTimersTick) {
    TForm* main = MakeForm(0, 0, 300, 200);
    auto* mainButton = Button(main, "MainButton", 10, 10);
    main->Show();
    Session.Pump();
    TForm* dialog = MakeForm(400, 0, 200, 100);
    auto* ok = Button(dialog, "OK", 10, 10);
    ok->ModalResult = mrOk;
    auto* timer = new TTimer(dialog);
    timer->SetInterval(10);
    int ticks = 0;
    timer->OnTimer = [&](TObject*) {
        if (++ticks == 3) {
            Session.Click(Centre(mainButton)); // ignored: the main form is disabled
            Session.Click(Centre(ok));
        }
    };
    Application->OnIdle = [&](TObject*, bool& Done) {
        Session.Skip(5);
        Done = false;
    };
    TModalResult result = dialog->ShowModal();
    Application->OnIdle = nullptr;
    EXPECT_EQ(result, mrOk);
    EXPECT_GE(ticks, 3);
    EXPECT_EQ(ok->Clicks, 1);
    EXPECT_EQ(mainButton->Clicks, 0);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));
}

TEST_F(TCustomFormFixture, AModalFormIsOwnedByTheActiveWindowCentredOnItsMonitorAndGivesTheFocusBack) {
    // Two monitors side by side; the owner lies on the second.
    Session.Backend().SetMonitors(
        {{{0, 0, 800, 600}, {0, 0, 800, 560}, true}, {{800, 0, 2080, 1024}, {800, 0, 2080, 984}, false}});
    TForm* main = MakeForm(900, 100, 300, 200);
    Button(main, "First", 10, 10);
    auto* second = Button(main, "Second", 60, 10);
    auto* panel = new TProbePanel(main);
    panel->SetParent(main);
    panel->SetBounds(10, 50, 100, 100);
    main->Show();
    Session.Pump();
    second->SetFocus();
    TForm* dialog = MakeForm(0, 0, 200, 100);
    dialog->SetPosition(poScreenCenter);
    auto* ok = Button(dialog, "OK", 10, 10);
    ok->ModalResult = mrOk;
    ok->Default = true;
    HWND ownerWhileShown = nullptr;
    TRect boundsWhileShown;
    int paintsWhileShown = 0;
    std::string focusWhileShown;
    int step = 0;
    Application->OnIdle = [&](TObject*, bool&) {
        if (step++ != 0) return;
        ownerWhileShown = GetWindow(dialog->Handle(), GW_OWNER);
        boundsWhileShown = dialog->BoundsRect();
        focusWhileShown = FocusedName();
        // The disabled owner still paints.
        int before = panel->Paints;
        panel->Invalidate();
        Session.Pump();
        paintsWhileShown = panel->Paints - before;
        Session.Click(Centre(second)); // ignored
        Session.Key(VK_RETURN);        // the default OK button
    };
    TModalResult result = dialog->ShowModal();
    Application->OnIdle = nullptr;
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(ownerWhileShown, main->Handle());
    EXPECT_EQ(boundsWhileShown, Bounds(800 + 640 - 100, 512 - 50, 200, 100));
    EXPECT_EQ(focusWhileShown, "OK");
    EXPECT_EQ(paintsWhileShown, 1);
    EXPECT_EQ(second->Clicks, 0);
    EXPECT_EQ(GetActiveWindow(), main->Handle());
    EXPECT_EQ(FocusedName(), "Second");
    EXPECT_EQ(GetWindow(dialog->Handle(), GW_OWNER), nullptr);
}

TEST_F(TCustomFormFixture, AModalFormClosedByTheDisplayOrAQuitRequestGivesCancel) {
    TForm* main = MakeForm(0, 0, 300, 200);
    main->Show();
    Session.Pump();
    for (bool quit : {false, true}) {
        SCOPED_TRACE(quit ? "quit request" : "close request");
        TForm* dialog = MakeForm(400, 0, 200, 100);
        Application->OnIdle = [&](TObject*, bool&) {
            if (quit)
                Application->Terminate();
            else
                QueueRawInput({.Kind = TRawInputKind::riClose, .Pos = {}, .Window = dialog->Handle()});
        };
        EXPECT_EQ(dialog->ShowModal(), mrCancel);
        Application->OnIdle = nullptr;
        EXPECT_FALSE(dialog->Visible());
        EXPECT_TRUE(IsWindowEnabled(main->Handle()));
    }
}

TEST_F(TCustomFormFixture, ANestedModalFormReturnsToTheOuterLoop) {
    TForm* main = MakeForm(0, 0, 300, 200);
    main->Show();
    Session.Pump();
    TForm* outer = MakeForm(350, 0, 200, 100);
    auto* open = Button(outer, "Open", 10, 10);
    auto* outerOk = Button(outer, "OuterOK", 60, 10);
    outerOk->ModalResult = mrOk;
    TForm* inner = MakeForm(600, 0, 200, 100);
    auto* innerNo = Button(inner, "InnerNo", 10, 10);
    innerNo->ModalResult = mrNo;
    std::vector<std::string> steps;
    open->OnClick = [&](TObject*) {
        steps.push_back("inner " + std::to_string(inner->ShowModal()));
        steps.push_back(std::string("outer enabled ") + (IsWindowEnabled(outer->Handle()) ? "yes" : "no") +
                        ", main enabled " + (IsWindowEnabled(main->Handle()) ? "yes" : "no"));
    };
    int idle = 0;
    Application->OnIdle = [&](TObject*, bool&) {
        switch (idle++) {
        case 0:
            Session.Click(Centre(open));
            break;
        case 1:
            Session.Click(Centre(outerOk)); // the outer form takes no input now
            Session.Click(Centre(innerNo));
            break;
        case 2:
            Session.Click(Centre(outerOk));
            break;
        }
    };
    steps.push_back("outer " + std::to_string(outer->ShowModal()));
    Application->OnIdle = nullptr;
    EXPECT_EQ(steps, (std::vector<std::string>{"inner 7", "outer enabled yes, main enabled no", "outer 1"}));
    EXPECT_EQ(outerOk->Clicks, 1);
}

TEST_F(TCustomFormFixture, AFormPlacedInsideAnotherIsAChildWindowWithItsFrame) {
    TForm* outer = MakeForm(100, 100, 300, 200);
    outer->Show();
    Session.Pump();
    auto* inner = new TForm(outer);
    inner->SetBorderStyle(bsSingle);
    inner->SetParent(outer);
    inner->SetBounds(20, 30, 150, 100);
    inner->SetEnabled(false);
    inner->Show();
    Session.Pump();
    EXPECT_TRUE(IsChild(outer->Handle(), inner->Handle()));
    EXPECT_EQ(GetActiveWindow(), outer->Handle());
    EXPECT_GT(inner->ClientToScreen({0, 0}).X, 120) << "a frame around the client";
    EXPECT_LT(inner->ClientWidth(), 150);
    const auto tops = GetChildWindows(nullptr);
    EXPECT_EQ(std::count(tops.begin(), tops.end(), inner->Handle()), 0);
    // A modal form elsewhere leaves the child's state to its holder.
    TForm* dialog = MakeForm(450, 0, 100, 50);
    Application->OnIdle = [&](TObject*, bool&) { dialog->SetModalResult(mrOk); };
    dialog->ShowModal();
    Application->OnIdle = nullptr;
    EXPECT_FALSE(IsWindowEnabled(inner->Handle()));
}

TEST_F(TCustomFormFixture, AFormClosedFromItsButtonsOnClickIsFreedAfterTheHandler) {
    auto* form = new TForm(Application);
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 200, 100);
    auto* button = Button(form, "Close", 10, 10);
    bool destroyed = false;
    bool aliveAfterClose = false;
    form->OnDestroy = [&](TObject*) { destroyed = true; };
    form->OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };
    button->OnClick = [&](TObject*) {
        form->Close();
        aliveAfterClose = !destroyed && button->Caption().empty();
    };
    form->Show();
    Session.Pump();
    Session.Click(Centre(button));
    Session.Pump();
    EXPECT_TRUE(aliveAfterClose);
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(Application->ComponentCount(), 0);
}

TEST_F(TCustomFormFixture, RecreateWndKeepsIdentityTextFocusAndChildren) {
    TForm* form = MakeForm(0, 0, 300, 200);
    auto* panel = new TProbePanel(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 200, 100);
    panel->SetCaption("panel text");
    auto* inner = Button(panel, "Inner", 10, 10);
    form->Show();
    inner->SetFocus();
    Session.Pump();
    HWND before = panel->Handle();
    panel->RecreateWnd();
    Session.Pump();
    EXPECT_NE(panel->Handle(), before);
    EXPECT_EQ(GetWindowText(panel->Handle()), "panel text");
    EXPECT_EQ(inner->Parent(), panel);
    EXPECT_TRUE(IsChild(panel->Handle(), inner->Handle()));
    EXPECT_TRUE(inner->Focused());
}

TEST_F(TCustomFormFixture, TimerTicksOnTheVirtualClock) {
    auto* timer = Make<TTimer>();
    int ticks = 0;
    timer->OnTimer = [&](TObject*) { ++ticks; };
    timer->SetInterval(100);
    Session.Advance(350);
    EXPECT_EQ(ticks, 3);
    timer->SetEnabled(false);
    Session.Advance(500);
    EXPECT_EQ(ticks, 3);
}

// The user's sizing keeps within the form's constraints, whichever edge is
// dragged: the dragged edges stop, the others stay.
TEST_F(TCustomFormFixture, SizingByTheFrameKeepsWithinTheConstraints) {
    struct TCase {
        const char* Name;
        TPoint From, To;
        TRect Expected;
    } cases[] = {
        {"bottom-right inward", {597, 497}, {300, 190}, Bounds(100, 100, 400, 300)},
        {"top-left inward", {101, 101}, {500, 480}, Bounds(200, 200, 400, 300)},
        {"bottom-right outward", {597, 497}, {900, 900}, Bounds(100, 100, 600, 450)},
        {"right inward", {598, 300}, {150, 300}, Bounds(100, 100, 400, 400)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TForm* form = MakeForm(100, 100, 500, 400);
        form->SetBorderStyle(bsSizeable);
        form->Constraints()->SetMinWidth(400);
        form->Constraints()->SetMinHeight(300);
        form->Constraints()->SetMaxWidth(600);
        form->Constraints()->SetMaxHeight(450);
        form->Show();
        Session.Pump();
        Session.Drag(c.From, c.To);
        Session.Pump();
        EXPECT_EQ(form->BoundsRect(), c.Expected);
        TRect r;
        GetWindowRect(form->Handle(), r);
        EXPECT_EQ(r, c.Expected);
        form->Free();
        Owned.erase(std::remove(Owned.begin(), Owned.end(), form), Owned.end());
    }
}
