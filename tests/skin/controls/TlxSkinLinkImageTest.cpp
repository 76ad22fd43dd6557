#include "skin/controls/TlxSkinLinkImage.h"

#include "RecordingShellOpener.h"
#include "tests/support/skin/TSkinControlTest.h"

namespace {

class TlxSkinLinkImageTest : public TSkinControlTest {
protected:
    std::vector<std::string> Events;
    TRecordingShellOpener Opener{Events};
};

} // namespace

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
