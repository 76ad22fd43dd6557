#include "VclProbes.h"

#include "platform/vcl/Mouse.h"
#include "platform/vcl/TButtonBehaviour.h"
#include "platform/vcl/TCustomControl.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor PressedColor = clNavy;
constexpr TColor HotColor = clTeal;
constexpr TColor RestColor = clGray;

TColor LookOf(TVisualState State) {
    if (State.Contains(vsPressed)) return PressedColor;
    return State.Contains(vsHot) ? HotColor : RestColor;
}

// A windowed push button built the way the behaviour's header shows; its
// look is one colour per state.
class TPushButton : public TCustomControl {
public:
    explicit TPushButton(TComponent* AOwner) : TCustomControl(AOwner) {
        FTabStop = true;
        SetBounds(0, 0, 60, 30);
    }
    TButtonBehaviour FButton{this};
    int Clicks = 0;
    std::vector<TVisualState> Painted;

    void WndProc(TMessage& Message) override {
        bool click = FButton.Handle(Message);
        TCustomControl::WndProc(Message);
        if (click && !FreePending()) Click();
    }
    void Click() override {
        ++Clicks;
        TCustomControl::Click();
    }

protected:
    void VisualStateChanged(TVisualState) override { Invalidate(); }
    void Paint() override {
        Painted.push_back(VisualState());
        Canvas()->Brush()->SetColor(LookOf(VisualState()));
        Canvas()->FillRect(ClientRect());
    }
};

// The windowless kind (a speed button).
class TFlatButton : public TGraphicControl {
public:
    explicit TFlatButton(TComponent* AOwner) : TGraphicControl(AOwner) { SetBounds(0, 0, 60, 30); }
    TButtonBehaviour FButton{this};
    int Clicks = 0;

    void WndProc(TMessage& Message) override {
        bool click = FButton.Handle(Message);
        TGraphicControl::WndProc(Message);
        if (click && !FreePending()) Click();
    }
    void Click() override {
        ++Clicks;
        TGraphicControl::Click();
    }

protected:
    void VisualStateChanged(TVisualState) override { Invalidate(); }
    void Paint() override {
        Canvas()->Brush()->SetColor(LookOf(VisualState()));
        Canvas()->FillRect(ClientRect());
    }
};

// A control with two buttons as parts, left and right halves, like a scroll
// bar's arrows.
class TTwoArrows : public TCustomControl {
public:
    explicit TTwoArrows(TComponent* AOwner) : TCustomControl(AOwner) { SetBounds(0, 0, 100, 20); }
    TButtonBehaviour Left{this, [this] { return TRect{0, 0, Width() / 2, Height()}; }};
    TButtonBehaviour Right{this, [this] { return TRect{Width() / 2, 0, Width(), Height()}; }};
    std::vector<std::string> Clicks;

    void WndProc(TMessage& Message) override {
        bool left = Left.Handle(Message);
        bool right = Right.Handle(Message);
        TCustomControl::WndProc(Message);
        if (left) Clicks.push_back("left");
        if (right) Clicks.push_back("right");
    }

protected:
    void Paint() override {
        Canvas()->Brush()->SetColor(LookOf(Left.State()));
        Canvas()->FillRect({0, 0, Width() / 2, Height()});
        Canvas()->Brush()->SetColor(LookOf(Right.State()));
        Canvas()->FillRect({Width() / 2, 0, Width(), Height()});
    }
};

class TButtonBehaviourTest : public TVclFixture {
protected:
    void SetUp() override {
        TVclFixture::SetUp();
        Form = MakeForm(0, 0, 300, 200);
        Push = new TPushButton(Form);
        Push->SetParent(Form);
        Push->SetBounds(20, 20, 60, 30); // screen 20..80 x 20..50
        Flat = new TFlatButton(Form);
        Flat->SetParent(Form);
        Flat->SetBounds(120, 20, 60, 30); // screen 120..180 x 20..50
        Other = new TPushButton(Form);
        Other->SetParent(Form);
        Other->SetBounds(20, 100, 60, 30);
        Form->Show();
        Session.Pump();
        Push->SetFocus();
        Session.Pump();
    }
    TForm* Form = nullptr;
    TPushButton* Push = nullptr;
    TFlatButton* Flat = nullptr;
    TPushButton* Other = nullptr;
};

enum TStepKind { Move, Down, Up };
struct TStep {
    TStepKind Kind;
    int X, Y; // relative to the button's top left
    bool Pressed, Hot;
};
struct TMouseCase {
    const char* Name;
    std::vector<TStep> Steps;
    int Clicks;
};

const TMouseCase MouseCases[] = {
    {"PressAndReleaseOver",
     {{Move, 10, 10, false, true}, {Down, 10, 10, true, true}, {Up, 12, 12, false, true}},
     1},
    {"DraggedOffAndBack",
     {{Down, 10, 10, true, true},
      {Move, 100, 10, false, false},
      {Move, 10, -15, false, false},
      {Move, 50, 20, true, true},
      {Up, 50, 20, false, true}},
     1},
    {"ReleasedOff",
     {{Down, 10, 10, true, true}, {Move, 70, 10, false, false}, {Up, 70, 10, false, false}},
     0},
    {"PressedOffThenReleasedOver",
     {{Down, -10, 10, false, false}, {Move, 10, 10, false, false}, {Up, 10, 10, false, false}},
     0},
};

template <class T> void RunMouseCase(THeadlessSession& Session, T* Button, const TMouseCase& Case) {
    SCOPED_TRACE(Case.Name);
    int before = Button->Clicks;
    int step = 0;
    for (const TStep& s : Case.Steps) {
        SCOPED_TRACE(step++);
        TPoint p = Button->ClientToScreen({s.X, s.Y});
        if (s.Kind == Move) Session.MouseMove(p);
        if (s.Kind == Down) {
            Session.MouseMove(p);
            Session.MouseDown(p);
        }
        if (s.Kind == Up) {
            Session.MouseMove(p);
            Session.MouseUp(p);
        }
        Session.Pump();
        EXPECT_EQ(Button->FButton.Pressed(), s.Pressed);
        EXPECT_EQ(Button->VisualState().Contains(vsPressed), s.Pressed);
        EXPECT_EQ(Button->FButton.Hot(), s.Hot);
    }
    EXPECT_EQ(Button->Clicks - before, Case.Clicks);
    EXPECT_EQ(GetCaptureControl(), nullptr);
    Session.MouseMove({290, 190});
    Session.Pump();
}

} // namespace

TEST_F(TButtonBehaviourTest, MouseTable) {
    for (const TMouseCase& c : MouseCases) {
        RunMouseCase(Session, Push, c);
        RunMouseCase(Session, Flat, c);
    }
}

TEST_F(TButtonBehaviourTest, PaintingDrawsTheStateTheHandlersDecided) {
    Session.MouseMove(Centre(Push));
    Session.MouseDown(Centre(Push));
    Session.Pump();
    TBitmap shot = Session.Screenshot();
    EXPECT_EQ(Pixel(shot, 30, 30) & 0xFFFFFF, Rgb(PressedColor));
    Session.MouseMove({150, 35}); // onto the flat button, still held by the push button
    Session.Pump();
    shot = Session.Screenshot();
    EXPECT_EQ(Pixel(shot, 30, 30) & 0xFFFFFF, Rgb(RestColor));
    Session.MouseUp({150, 35});
    Session.Pump();
    EXPECT_EQ(Push->Clicks, 0);
    ASSERT_FALSE(Push->Painted.empty());
    EXPECT_FALSE(Push->Painted.back().Contains(vsPressed));
}

TEST_F(TButtonBehaviourTest, SpaceBarPressesAndClicksOnRelease) {
    Session.KeyDown(VK_SPACE);
    Session.Pump();
    EXPECT_TRUE(Push->VisualState().Contains(vsPressed));
    EXPECT_TRUE(Push->FButton.KeyHeld());
    EXPECT_EQ(Push->Clicks, 0);
    Session.KeyUp(VK_SPACE);
    Session.Pump();
    EXPECT_FALSE(Push->VisualState().Contains(vsPressed));
    EXPECT_EQ(Push->Clicks, 1);

    // Other keys do nothing.
    Session.Key('A');
    Session.Key(VK_RETURN);
    Session.Pump();
    EXPECT_EQ(Push->Clicks, 1);
}

TEST_F(TButtonBehaviourTest, APressEndsWithoutAClickWhenInterrupted) {
    struct TInterruption {
        const char* Name;
        bool Keyboard;
        std::function<void()> Do;
    };
    const TInterruption interruptions[] = {
        {"focus moves", true, [this] { Other->SetFocus(); }},
        {"another control pressed", true,
         [this] {
             Session.MouseDown(Centre(Other));
             Session.MouseUp(Centre(Other));
         }},
        {"disabled", true, [this] { Push->SetEnabled(false); }},
        {"disabled", false, [this] { Push->SetEnabled(false); }},
        {"capture taken", false, [this] { SetCaptureControl(Other); }},
        {"capture released by the window system", false, [] { ReleaseCapture(); }},
    };
    for (const TInterruption& i : interruptions) {
        SCOPED_TRACE(std::string(i.Name) + (i.Keyboard ? " (space)" : " (mouse)"));
        Push->SetEnabled(true);
        Push->SetFocus();
        Session.Pump();
        int before = Push->Clicks;
        if (i.Keyboard) {
            Session.KeyDown(VK_SPACE);
        } else {
            Session.MouseMove(Centre(Push));
            Session.MouseDown(Centre(Push));
        }
        Session.Pump();
        ASSERT_TRUE(Push->FButton.Pressed());
        i.Do();
        Session.Pump();
        EXPECT_FALSE(Push->FButton.Pressed());
        EXPECT_FALSE(Push->VisualState().Contains(vsPressed));
        if (i.Keyboard)
            Session.KeyUp(VK_SPACE);
        else
            Session.MouseUp(Centre(Push));
        Session.Pump();
        EXPECT_EQ(Push->Clicks, before);
        SetCaptureControl(nullptr);
    }
}

TEST_F(TButtonBehaviourTest, AWindowlessButtonHearsOfTheCaptureLoss) {
    for (bool byWindowSystem : {false, true}) {
        SCOPED_TRACE(byWindowSystem);
        Session.MouseMove(Centre(Flat));
        Session.MouseDown(Centre(Flat));
        Session.Pump();
        ASSERT_EQ(GetCaptureControl(), Flat);
        ASSERT_TRUE(Flat->FButton.Pressed());
        if (byWindowSystem)
            ReleaseCapture();
        else
            SetCaptureControl(Other);
        Session.Pump();
        EXPECT_FALSE(Flat->FButton.Pressed());
        EXPECT_NE(GetCaptureControl(), Flat);
        SetCaptureControl(nullptr);
        Session.MouseUp(Centre(Flat));
        Session.Pump();
        EXPECT_EQ(Flat->Clicks, 0);
    }
}

TEST_F(TButtonBehaviourTest, AClickMayFreeTheButton) {
    Flat->OnClick = [](TObject* Sender) { static_cast<TControl*>(Sender)->Free(); };
    Push->OnClick = [](TObject* Sender) { static_cast<TControl*>(Sender)->Free(); };
    Session.Click(Centre(Flat));
    Session.Pump();
    Session.KeyDown(VK_SPACE);
    Session.KeyUp(VK_SPACE);
    Session.Pump();
    EXPECT_EQ(Form->ControlCount(), 1);
}

TEST_F(TButtonBehaviourTest, PartsKeepTheirOwnStateAndLeaveTheControlsAlone) {
    auto* arrows = new TTwoArrows(Form);
    arrows->SetParent(Form);
    arrows->SetBounds(100, 150, 100, 20); // halves at screen 100..150 and 150..200
    Session.Pump();

    Session.MouseMove({110, 160});
    Session.Pump();
    EXPECT_TRUE(arrows->Left.Hot());
    EXPECT_FALSE(arrows->Right.Hot());
    EXPECT_EQ(Pixel(Session.Screenshot(), 110, 160) & 0xFFFFFF, Rgb(HotColor));

    Session.MouseDown({110, 160});
    Session.Pump();
    EXPECT_TRUE(arrows->Left.Pressed());
    EXPECT_TRUE(arrows->Left.State().Contains(vsPressed));
    EXPECT_FALSE(arrows->VisualState().Contains(vsPressed));
    EXPECT_EQ(Pixel(Session.Screenshot(), 110, 160) & 0xFFFFFF, Rgb(PressedColor));

    Session.MouseMove({180, 160}); // onto the other part while held: neither is pressed
    Session.Pump();
    EXPECT_FALSE(arrows->Left.Pressed());
    EXPECT_FALSE(arrows->Right.Pressed());
    Session.MouseUp({180, 160});
    Session.Pump();
    EXPECT_TRUE(arrows->Clicks.empty());

    Session.Click({180, 160});
    Session.Pump();
    EXPECT_EQ(arrows->Clicks, std::vector<std::string>{"right"});

    // The keyboard presses no part.
    arrows->SetFocus();
    Session.KeyDown(VK_SPACE);
    Session.Pump();
    EXPECT_FALSE(arrows->Left.Pressed() || arrows->Right.Pressed());
    Session.KeyUp(VK_SPACE);
}
