// A native child window follows its host through every ancestor: a page
// control's other tab hides it, an ancestor moved by alignment moves it, and
// only what the ancestors' client areas leave of it shows. (Without Xlib's
// names here: they clash with the framework's.)

#include "X11Fixture.h"

#include "platform/vcl/TPageControl.h"
#include "platform/vcl/TTabSheet.h"
#include "platform/win/TNativeChildWindow.h"
#include "tests/platform/vcl/VclProbes.h"

#include <algorithm>

class TNativeChildFollowsX11 : public X11Fixture {
protected:
    void SetUp() override {
        X11Fixture::SetUp();
        if (IsSkipped()) return;
        ProbeLog().clear();
        FForm = new TForm(nullptr);
        FForm->SetBorderStyle(bsNone);
        FForm->SetBounds(50, 50, 400, 300);
    }
    void TearDown() override {
        // Forms go while the window system still runs.
        delete FForm;
        X11Fixture::TearDown();
    }
    TProbePanel* Panel(TWinControl* AParent, const char* AName, TColor AColor) {
        auto* p = new TProbePanel(FForm);
        p->SetName(AName);
        p->SetColor(AColor);
        p->SetParent(AParent);
        return p;
    }
    uint32_t ScreenPixel(TPoint P) { return Screenshot(Bounds(P.X, P.Y, 1, 1)).ScanLine(0)[0] & 0xFFFFFF; }

    TForm* FForm = nullptr;
};

TEST_F(TNativeChildFollowsX11, HiddenAndShownWithItsTabAndClicksGoToTheShownTab) {
    auto* pages = new TPageControl(FForm);
    pages->SetParent(FForm);
    pages->SetAlign(alClient);
    auto* videoPage = new TTabSheet(FForm);
    videoPage->SetPageControl(pages);
    auto* otherPage = new TTabSheet(FForm);
    otherPage->SetPageControl(pages);
    TProbePanel* host = Panel(videoPage, "Host", clBlue);
    host->SetAlign(alClient);
    TProbePanel* other = Panel(otherPage, "Other", clGreen);
    other->SetAlign(alClient);
    pages->SetActivePage(videoPage);
    FForm->Show();
    Pump();
    TNativeChildWindow native(host->Handle());
    const uintptr_t id = native.WindowId();
    ASSERT_NE(id, 0u);
    Pump();
    ASSERT_TRUE(WindowViewable(id));
    const TPoint place = WindowOnScreen(id);
    EXPECT_EQ(place, host->ClientToScreen({0, 0}));

    pages->SetActivePage(otherPage);
    Pump();
    EXPECT_FALSE(WindowViewable(id));
    // A press where the video was reaches the control of the shown tab.
    ProbeLog().clear();
    Click(other->ClientToScreen({other->Width() / 2, other->Height() / 2}));
    EXPECT_TRUE(PumpUntil(
        [] { return std::find(ProbeLog().begin(), ProbeLog().end(), "Other down") != ProbeLog().end(); }));
    EXPECT_EQ(std::count(ProbeLog().begin(), ProbeLog().end(), "Host down"), 0);

    pages->SetActivePage(videoPage);
    Pump();
    EXPECT_TRUE(WindowViewable(id));
    EXPECT_EQ(WindowOnScreen(id), place);
}

TEST_F(TNativeChildFollowsX11, MovesWithAnAncestorMovedByAlignment) {
    TProbePanel* bar = Panel(FForm, "Bar", clGray);
    bar->SetAlign(alTop);
    bar->SetHeight(40);
    TProbePanel* body = Panel(FForm, "Body", clWhite);
    body->SetAlign(alClient);
    TProbePanel* host = Panel(body, "Host", clBlue);
    host->SetBounds(10, 10, 200, 150);
    FForm->Show();
    Pump();
    TNativeChildWindow native(host->Handle());
    const uintptr_t id = native.WindowId();
    ASSERT_NE(id, 0u);
    EXPECT_EQ(WindowOnScreen(id), TPoint(50 + 10, 50 + 40 + 10));

    // Only the body moves (and shrinks); the host keeps its place in it.
    bar->SetHeight(80);
    Pump();
    EXPECT_EQ(host->ClientToScreen({0, 0}), TPoint(60, 140));
    EXPECT_EQ(WindowOnScreen(id), TPoint(60, 140));
    EXPECT_TRUE(WindowViewable(id));
}

TEST_F(TNativeChildFollowsX11, ShowsOnlyWhatItsAncestorsLeaveOfItAtItsWholeSize) {
    TProbePanel* frame = Panel(FForm, "Frame", clWhite);
    frame->SetBounds(20, 20, 100, 100);
    TProbePanel* host = Panel(frame, "Host", clBlue);
    host->SetBounds(10, 10, 200, 150);
    FForm->SetColor(clGreen);
    FForm->Show();
    Pump();
    TNativeChildWindow native(host->Handle());
    const uintptr_t id = native.WindowId();
    ASSERT_NE(id, 0u);
    // Another client draws into the whole window.
    FillWindow(id, 0xFF8000);
    FForm->Invalidate();
    Pump();

    EXPECT_EQ(WindowSize(id), (TSize{200, 150}));
    const TPoint frameOrigin = frame->ClientToScreen({0, 0});
    // Inside the frame the picture shows; beside and below it the form does.
    EXPECT_EQ(ScreenPixel({frameOrigin.X + 50, frameOrigin.Y + 50}), 0xFF8000u);
    EXPECT_EQ(ScreenPixel({frameOrigin.X + 150, frameOrigin.Y + 50}), 0x008000u);
    EXPECT_EQ(ScreenPixel({frameOrigin.X + 50, frameOrigin.Y + 130}), 0x008000u);

    // Moved wholly outside its frame, nothing of it shows.
    host->SetLeft(120);
    Pump();
    EXPECT_FALSE(WindowViewable(id));
    host->SetLeft(10);
    Pump();
    EXPECT_TRUE(WindowViewable(id));
}
