// The whole window of a skinned form, frame and client, against goldens: the
// default frame and the test skin's frame, active and inactive, at two sizes.

#include "FrameTest.h"
#include "tests/support/pictures/GoldenPicture.h"

#include <string>

namespace {

class TlxLumivexGoldenTest : public TFrameTest {
protected:
    void SetUp() override {
        TFrameTest::SetUp();
        Form->SetCaption("Frame golden");
    }
    void TearDown() override {
        if (Other) Other->Free();
        TFrameTest::TearDown();
    }
    // Another form takes the activation away, far from this one.
    void Deactivate() {
        Other = new TForm(nullptr);
        Other->SetBounds(600, 400, 120, 80);
        Other->Show();
        Session.Pump();
        ASSERT_FALSE(Form->Active());
    }
    void Compare(const std::string& Look) {
        for (TSize2 s : {TSize2{160, 90}, TSize2{300, 140}}) {
            Resize(s.W, s.H);
            const std::string size = std::to_string(s.W) + "x" + std::to_string(s.H);
            EXPECT_TRUE(MatchesGolden(Session.WindowShot(Form->Handle()),
                                      "skin/windows/TlxLumivex/" + Look + "-" + size, 16));
        }
    }
    struct TSize2 {
        int W, H;
    };
    TForm* Other = nullptr;
};

TEST_F(TlxLumivexGoldenTest, DefaultFrame) {
    ASSERT_TRUE(Form->Active());
    Compare("default-active");
    Deactivate();
    Compare("default-inactive");
}

TEST_F(TlxLumivexGoldenTest, TestSkinFrame) {
    TFrameSkin skin;
    Load(skin);
    ASSERT_TRUE(Form->Active());
    Compare("skinned-active");
    Deactivate();
    Compare("skinned-inactive");
}

} // namespace
