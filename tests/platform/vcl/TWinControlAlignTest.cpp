#include "VclProbes.h"

#include <gtest/gtest.h>

namespace {

// Snaps its height to 17 and its width to a multiple of 30, as a skinned
// control with a fixed-size skin does.
class TSnapper : public TProbeGraphic {
public:
    using TProbeGraphic::TProbeGraphic;
    int Calls = 0;
    void SetBounds(int L, int T, int W, int) override {
        ++Calls;
        TProbeGraphic::SetBounds(L, T, W / 30 * 30, 17);
    }
};

class TWinControlAlign : public TVclFixture {};

} // namespace

TEST_F(TWinControlAlign, SidesTakeTheirPlacesInOrder) {
    struct Child {
        TAlign Align;
        TRect Bounds;   // before aligning
        TRect Expected; // after
    };
    struct Case {
        const char* Name;
        std::vector<Child> Children;
    } cases[] = {
        {"top then bottom then client",
         {{alTop, {0, 0, 10, 10}, {0, 0, 200, 10}},
          {alBottom, {0, 0, 10, 15}, {0, 85, 200, 100}},
          {alClient, {5, 5, 6, 6}, {0, 10, 200, 85}}}},
        {"left and right share what top leaves",
         {{alLeft, {0, 0, 30, 5}, {0, 20, 30, 100}},
          {alTop, {0, 0, 5, 20}, {0, 0, 200, 20}},
          {alRight, {0, 0, 40, 5}, {160, 20, 200, 100}},
          {alNone, {7, 8, 17, 18}, {7, 8, 17, 18}}}},
        {"two tops stack by their position",
         {{alTop, {0, 50, 10, 60}, {0, 5, 200, 15}}, {alTop, {0, 0, 10, 5}, {0, 0, 200, 5}}}},
        {"client larger than what is left",
         {{alLeft, {0, 0, 250, 5}, {0, 0, 250, 100}}, {alClient, {0, 0, 1, 1}, {250, 0, 200, 100}}}},
    };
    for (const Case& c : cases) {
        auto* parent = Make<TProbePanel>();
        parent->SetBounds(0, 0, 200, 100);
        std::vector<TControl*> kids;
        parent->DisableAlign();
        for (const Child& k : c.Children) {
            auto* g = new TProbeGraphic(parent);
            g->SetParent(parent);
            g->SetBoundsRect(k.Bounds);
            g->SetAlign(k.Align);
            kids.push_back(g);
        }
        parent->EnableAlign();
        for (size_t i = 0; i < kids.size(); ++i) {
            TRect got = kids[i]->BoundsRect();
            TRect want = c.Children[i].Expected;
            if (want.Right < want.Left) want.Right = want.Left; // nothing left: width 0
            EXPECT_EQ(got, want) << c.Name << " child " << i << " got " << got.Left << "," << got.Top << ","
                                 << got.Right << "," << got.Bottom;
        }
    }
}

TEST_F(TWinControlAlign, AnchorsAndConstraintsFollowTheParent) {
    auto* parent = Make<TProbePanel>();
    parent->SetBounds(0, 0, 200, 100);
    struct Case {
        TAnchors Anchors;
        TRect Expected; // after the parent grows to 300 x 160
    } cases[] = {
        {{akLeft, akTop}, {10, 10, 30, 30}},
        {{akRight, akBottom}, {110, 70, 130, 90}},
        {{akLeft, akRight, akTop}, {10, 10, 130, 30}},
        {{akTop, akBottom}, {20, 10, 40, 90}}, // no horizontal anchor: keeps its centre's proportion
    };
    std::vector<TControl*> kids;
    for (const Case& c : cases) {
        auto* g = new TProbeGraphic(parent);
        g->SetParent(parent);
        g->SetBounds(10, 10, 20, 20);
        g->SetAnchors(c.Anchors);
        kids.push_back(g);
    }
    auto* limited = new TProbeGraphic(parent);
    limited->SetParent(parent);
    limited->Constraints()->SetMaxWidth(50);
    limited->Constraints()->SetMinHeight(30);
    limited->SetAlign(alBottom);
    parent->SetBounds(0, 0, 300, 160);
    for (size_t i = 0; i < kids.size(); ++i) {
        TRect got = kids[i]->BoundsRect();
        EXPECT_EQ(got, cases[i].Expected)
            << "case " << i << " got " << got.Left << "," << got.Top << "," << got.Right << "," << got.Bottom;
    }
    EXPECT_EQ(limited->BoundsRect(), (TRect{0, 130, 50, 160}));
}

TEST_F(TWinControlAlign, WritingAlignAgainRealignsAndAdjustedRectMayStartNegative) {
    auto* parent = Make<TProbePanel>();
    parent->SetBounds(0, 0, 100, 80);
    auto* top = new TProbeGraphic(parent);
    top->SetParent(parent);
    top->SetHeight(10);
    top->SetAlign(alTop);
    EXPECT_EQ(top->BoundsRect(), (TRect{0, 0, 100, 10}));
    parent->Margin = -5; // the client area reaches under a frame
    EXPECT_EQ(top->BoundsRect(), (TRect{0, 0, 100, 10}));
    top->SetAlign(alTop);
    EXPECT_EQ(top->BoundsRect(), (TRect{-5, -5, 105, 5}));
}

TEST_F(TWinControlAlign, AControlThatSnapsItsSizeDoesNotLoop) {
    auto* parent = Make<TProbePanel>();
    parent->SetBounds(0, 0, 100, 80);
    auto* snap = new TSnapper(parent);
    snap->SetParent(parent);
    auto* below = new TProbeGraphic(parent);
    below->SetParent(parent);
    below->SetAlign(alClient);
    snap->Calls = 0;
    snap->SetAlign(alTop);
    EXPECT_EQ(snap->BoundsRect(), (TRect{0, 0, 90, 17}));
    EXPECT_EQ(below->BoundsRect(), (TRect{0, 17, 100, 80}));
    EXPECT_LT(snap->Calls, 10);
    snap->Calls = 0;
    snap->SetAlign(alClient);
    below->SetAlign(alNone);
    EXPECT_EQ(snap->BoundsRect(), (TRect{0, 0, 90, 17}));
    EXPECT_LT(snap->Calls, 10);
}
