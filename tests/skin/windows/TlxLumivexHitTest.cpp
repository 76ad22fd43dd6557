#include "FrameTest.h"

#include "platform/vcl/TImageList.h"

namespace {

struct THitCase {
    int X, Y, Hit;
    const char* What;
};

class TlxLumivexHitTest : public TFrameTest {
protected:
    void SetUp() override {
        TFrameTest::SetUp();
        // No hover tracking: each probe stands alone.
        LVX->PreviewMode = true;
    }
    void ExpectHits(std::initializer_list<THitCase> Cases, const char* Form) {
        for (const THitCase& c : Cases)
            EXPECT_EQ(HitAt(c.X, c.Y), c.Hit) << Form << ": " << c.What << " at " << c.X << "," << c.Y;
    }
};

// A 160 x 90 form; the skinned frame sizes within BorderW (3) of the mask's
// outline, inside the hit-test corner points (8, 8) and (152, 82).
TEST_F(TlxLumivexHitTest, SkinnedAndDefaultFrames) {
    ExpectHits({{1, 1, HTTOPLEFT, "corner"},
                {158, 1, HTTOPRIGHT, "corner"},
                {1, 88, HTBOTTOMLEFT, "corner"},
                {158, 88, HTBOTTOMRIGHT, "corner"},
                {1, 50, HTLEFT, "edge"},
                {80, 1, HTTOP, "edge"},
                {158, 50, HTRIGHT, "edge"},
                {80, 88, HTBOTTOM, "edge"},
                {60, 12, HTCAPTION, "caption"},
                {150, 10, HTOBJECT, "close button"},
                {80, 50, HTCLIENT, "client"}},
               "default");

    TFrameSkin skin;
    Load(skin);
    ExpectHits({{2, 2, HTTOPLEFT, "corner"},
                {157, 3, HTTOPRIGHT, "corner"},
                {3, 87, HTBOTTOMLEFT, "corner"},
                {158, 88, HTBOTTOMRIGHT, "corner"},
                {80, 1, HTTOP, "edge"},
                {80, 88, HTBOTTOM, "edge"},
                {2, 50, HTLEFT, "edge within the border probe"},
                {3, 50, HTOBJECT, "border beyond the probe"},
                {158, 50, HTRIGHT, "edge"},
                {30, 12, HTCAPTION, "caption"},
                {146, 10, HTOBJECT, "close button"},
                {80, 22, HTOBJECT, "frame between caption and client"},
                {80, 50, HTCLIENT, "client"}},
               "skinned");
}

TEST_F(TlxLumivexHitTest, MaximizedAndRolledUpFormsDoNotSize) {
    LVX->SetWindowState(wsMaximized);
    Session.Pump();
    ExpectHits({{1, 1, HTOBJECT, "corner"}, {60, 12, HTCAPTION, "caption"}}, "default maximized");
    LVX->SetWindowState(wsNormal);
    TFrameSkin skin;
    Load(skin);
    LVX->SetWindowState(wsMaximized);
    Session.Pump();
    ExpectHits({{2, 2, HTOBJECT, "corner"},
                {80, 1, HTOBJECT, "edge"},
                {30, 12, HTCAPTION, "caption"},
                {80, 50, HTCLIENT, "client"}},
               "skinned maximized");
    LVX->SetWindowState(wsNormal);
    LVX->SetRollUpState(true);
    Session.Pump();
    ASSERT_EQ(Form->Height(), 30);
    ExpectHits({{2, 2, HTOBJECT, "corner"}, {30, 12, HTCAPTION, "caption"}, {80, 27, HTOBJECT, "edge"}},
               "skinned rolled up");
}

// Quick buttons take the left end of the caption out of the draggable
// caption: two buttons of 16 x 16 images leave 2 x (16 + 8) pixels to the
// caption object, which handles presses there itself.
TEST_F(TlxLumivexHitTest, QuickButtonsAreNotCaption) {
    TFrameSkin skin;
    Load(skin);
    auto* images = new TImageList(Form);
    images->SetWidth(16);
    images->SetHeight(16);
    LVX->SetQuickImageList(images);
    LVX->QuickButtons()->Add();
    LVX->QuickButtons()->Add();
    Session.Pump();
    const TRect caption = Object("caption")->ObjectRect;
    const int quickEnd = caption.Left + 2 * (16 + 8), y = (caption.Top + caption.Bottom) / 2;
    ExpectHits({{caption.Left + 1, y, HTOBJECT, "first quick button"},
                {quickEnd - 1, y, HTOBJECT, "end of the quick buttons"},
                {quickEnd, y, HTCAPTION, "caption after them"}},
               "quick buttons");
}

} // namespace
