// Layered borders on a real X server: none without a compositing manager;
// with one (taken while the program runs) four alpha windows stacked just
// above their form, never above another program's window.

#include "X11Fixture.h"
#include "XClientProbe.h"

#include "../LayeredSkin.h"
#include "platform/vcl/TApplication.h"
#include "skin/engine/SkinData.h"
#include "skin/windows/TlxFormLayerBorder.h"
#include "skin/windows/TlxFormLayerWindow.h"
#include "skin/windows/TlxLumivex.h"

#include <algorithm>
#include <vector>

namespace {

class LayeredBorderX11Test : public X11Fixture {
protected:
    void SetUp() override {
        X11Fixture::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        Application->Initialize();
        Form = new TForm(nullptr);
        Form->SetBorderStyle(bsSizeable);
        Form->SetBounds(100, 100, 300, 200);
        SD = new TlxSkinData(Form);
        LVX = new TlxLumivex(Form);
        LVX->SetSkinData(SD);
        Skin.Skin.LoadInto(SD);
        Form->Show();
        Pump();
    }
    void TearDown() override {
        if (Form) Form->Free();
        Form = nullptr;
        if (!IsSkipped()) Pump();
        X11Fixture::TearDown();
    }
    TlxFormLayerBorder* Border() { return LVX->FBorderLayer; }
    // The X windows of the strips, top, bottom, left, right.
    std::vector<unsigned long> Strips() {
        std::vector<unsigned long> out;
        for (TlxFormLayerWindow* w :
             {Border()->TopBorder, Border()->BottomBorder, Border()->LeftBorder, Border()->RightBorder})
            if (w) out.push_back(Backend().WindowOf(w->Handle()));
        return out;
    }
    // The viewable windows from the form's upwards, top first.
    std::vector<unsigned long> FromFormUp() {
        std::vector<unsigned long> stack = ViewableRootStack(Other());
        auto form = std::find(stack.begin(), stack.end(), Backend().WindowOf(Form->Handle()));
        std::vector<unsigned long> out(form, stack.end());
        std::reverse(out.begin(), out.end());
        return out;
    }

    TLayeredSkin Skin;
    TForm* Form = nullptr;
    TlxSkinData* SD = nullptr;
    TlxLumivex* LVX = nullptr;
};

TEST_F(LayeredBorderX11Test, OnlyWhileADisplayCompositesAndJustAboveTheForm) {
    // Xvfb alone does not composite: the frame is drawn as without the border.
    EXPECT_FALSE(LayeredWindowsSupported());
    EXPECT_FALSE(Border()->Visible());
    EXPECT_TRUE(Strips().empty());
    const unsigned long form = Backend().WindowOf(Form->Handle());
    EXPECT_EQ(FromFormUp(), (std::vector<unsigned long>{form}));

    const unsigned long cm = StartFakeCompositor(Other());
    ASSERT_TRUE(PumpUntil([&] { return Border()->Visible(); }));
    Pump();
    std::vector<unsigned long> strips = Strips();
    ASSERT_EQ(strips.size(), 4u);
    for (unsigned long s : strips)
        EXPECT_EQ(WindowDepth(Other(), s), 32);
    std::vector<unsigned long> want = strips;
    want.push_back(form);
    EXPECT_EQ(FromFormUp(), want);

    // Another program's window raised over the form covers its border too,
    // and stays over it when the form moves and restacks.
    const unsigned long other = MapRaisedWindow(Other(), Bounds(150, 150, 100, 100));
    Form->SetBounds(120, 110, 300, 200);
    Pump();
    Form->BringToFront();
    Pump();
    std::vector<unsigned long> up = FromFormUp();
    ASSERT_FALSE(up.empty());
    EXPECT_EQ(up.front(), other) << "never above another program's window";
    EXPECT_EQ(std::vector<unsigned long>(up.end() - 5, up.end()), want) << "still just above the form";

    StopFakeCompositor(Other(), cm);
    EXPECT_TRUE(PumpUntil([&] { return !Border()->Visible(); }));
    EXPECT_TRUE(Strips().empty());
}

} // namespace
