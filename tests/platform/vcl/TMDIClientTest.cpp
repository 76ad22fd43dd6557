#include "VclProbes.h"

#include "platform/vcl/TMDIClient.h"

#include <gtest/gtest.h>

namespace {

// An MDI parent at (100, 50), 400 x 300 without a frame, with a 30-pixel
// panel on top: its client window takes the rest.
class TMDIClientTest : public TVclFixture {
protected:
    void SetUp() override {
        TVclFixture::SetUp();
        Application->CreateForm(Main);
        Main->SetBorderStyle(bsNone);
        Main->SetFormStyle(fsMDIForm);
        Main->SetBounds(100, 50, 400, 300);
        auto* top = new TProbePanel(Main);
        top->SetParent(Main);
        top->SetAlign(alTop);
        top->SetHeight(30);
        Main->Show();
        Session.Pump();
    }
    TForm* Child(const char* Name, int X, int Y) {
        auto* f = new TForm(Application);
        f->SetName(Name);
        f->SetFormStyle(fsMDIChild);
        f->SetBounds(X, Y, 120, 90);
        f->OnActivate = [](TObject* S) {
            ProbeLog().push_back(static_cast<TForm*>(S)->Name() + " activate");
        };
        f->OnDeactivate = [](TObject* S) {
            ProbeLog().push_back(static_cast<TForm*>(S)->Name() + " deactivate");
        };
        f->Show();
        Session.Pump();
        return f;
    }
    std::vector<std::string> Names() {
        std::vector<std::string> n;
        for (int i = 0; i < Main->MDIChildCount(); ++i)
            n.push_back(Main->MDIChildren(i)->Name());
        return n;
    }
    TForm* Main = nullptr;
};

} // namespace

TEST_F(TMDIClientTest, ChildrenAreFramedWindowsInsideTheClientArea) {
    ASSERT_NE(Main->MDIClient(), nullptr);
    EXPECT_EQ(Main->MDIClient()->BoundsRect(), (TRect{0, 30, 400, 300}));
    TForm* a = Child("A", 10, 20);
    EXPECT_EQ(GetParent(a->Handle()), Main->ClientHandle());
    TRect r;
    GetWindowRect(a->Handle(), r);
    EXPECT_EQ(r, (TRect{110, 100, 230, 190}));
    // The platform frame stays the child's own.
    TRect client;
    GetClientRectInWindow(a->Handle(), client);
    EXPECT_GT(client.Top, 0);
    // Moving the window reports bounds in the client's coordinates.
    SetWindowPos(a->Handle(), nullptr, 40, 50, 120, 90, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(a->BoundsRect(), (TRect{40, 50, 160, 140}));
    a->Free();
    EXPECT_EQ(Main->MDIChildCount(), 0);
}

// The newest child is active and on top; a press on another brings that one
// forward; hiding the active child activates the next one.
TEST_F(TMDIClientTest, ActivationFollowsShowingPressesAndHiding) {
    TForm* a = Child("A", 0, 0);
    TForm* b = Child("B", 150, 0);
    EXPECT_EQ(Main->ActiveMDIChild(), b);
    EXPECT_EQ(Names(), (std::vector<std::string>{"B", "A"}));
    EXPECT_TRUE(b->Active());
    EXPECT_FALSE(a->Active());
    ProbeLog().clear();
    Session.Click(a->ClientToScreen({20, 20}));
    Session.Pump();
    EXPECT_EQ(Main->ActiveMDIChild(), a);
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(ProbeLog(), (std::vector<std::string>{"B deactivate", "A activate"}));
    a->Hide();
    EXPECT_EQ(Main->ActiveMDIChild(), b);
    b->Free();
    EXPECT_EQ(Main->ActiveMDIChild(), nullptr);
    EXPECT_EQ(Names(), (std::vector<std::string>{"A"}));
}

TEST_F(TMDIClientTest, FreeingTheParentFirstLeavesChildrenWithoutAWindow) {
    TForm* a = Child("A", 0, 0);
    TComponent::TKeepAlive alive(a);
    Main->Free();
    Main = nullptr;
    EXPECT_FALSE(a->HandleAllocated());
}
