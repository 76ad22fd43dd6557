// A form sized by its frame on a real display keeps within its constraints
// (the frame is ours on X11: the window system's own size loop runs).

#include "X11Fixture.h"

#include "platform/vcl/TCustomForm.h"

TEST_F(X11Fixture, FormSizedByItsFrameKeepsItsMinimumSize) {
    auto* form = new TForm(nullptr);
    form->SetBorderStyle(bsSizeable);
    form->SetBounds(100, 100, 500, 400);
    form->Constraints()->SetMinWidth(400);
    form->Constraints()->SetMinHeight(300);
    form->Show();
    Pump();
    // The bottom-right corner dragged far inward, as far as 210 x 90.
    Drag({597, 497}, {310, 190}, 6);
    const bool settled = PumpUntil([&] { return GetCapture() == nullptr && form->Width() < 500; });
    EXPECT_TRUE(settled);
    Pump();
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 400, 300));
    TRect r;
    GetWindowRect(form->Handle(), r);
    EXPECT_EQ(r, Bounds(100, 100, 400, 300));
    delete form;
}
