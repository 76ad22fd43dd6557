#include "skin/controls/TlxSkinLinkImage.h"

#include "platform/sys/Shell.h"
#include "tests/support/skin/TSkinControlTest.h"

namespace {

class TlxSkinLinkImageTest : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        FOld = SetShellOpener([this](const std::string& Target) {
            Events.push_back("open " + Target);
            return true;
        });
    }
    void TearDown() override {
        SetShellOpener(FOld);
        TSkinControlTest::TearDown();
    }
    std::vector<std::string> Events;

private:
    TShellOpener FOld;
};

TEST_F(TlxSkinLinkImageTest, AClickFiresOnClickThenOpensTheAddress) {
    auto* image = new TlxSkinLinkImage(Form);
    image->SetParent(Form);
    image->SetBounds(10, 10, 40, 30);
    EXPECT_EQ(image->Cursor(), crHandPoint);
    image->OnClick = [this](TObject*) { Events.push_back("click"); };
    Session.Click(At(image, 5, 5));
    Session.Pump();
    EXPECT_EQ(Events, (std::vector<std::string>{"click"}));
    image->SetURL("https://example.com/video");
    Session.Click(At(image, 5, 5));
    Session.Pump();
    EXPECT_EQ(Events, (std::vector<std::string>{"click", "click", "open https://example.com/video"}));
}

} // namespace
