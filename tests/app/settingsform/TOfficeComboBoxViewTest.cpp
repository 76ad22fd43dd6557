#include "app/settingsform/TOfficeComboBoxView.h"

#include "app/settingsform/ProfileBoxFiller.h"
#include "skin/controls/TlxSkinCustomOfficeComboBox.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <string>
#include <vector>

namespace {

class TOfficeComboBoxViewTest : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        Box = Make<TlxSkinOfficeComboBox>(10, 10, 200, 40);
        Box->OnClick = [this](TObject*) { Events.push_back("click " + std::to_string(Box->ItemIndex())); };
        Box->OnChange = [this](TObject*) { Events.push_back("change " + std::to_string(Box->ItemIndex())); };
    }
    TlxSkinOfficeComboBox* Box = nullptr;
    std::vector<std::string> Events;
};

TEST_F(TOfficeComboBoxViewTest, TheCatalogueFillsAndSelectsARealBox) {
    TOfficeComboBoxView view(*Box);
    FillProfileBox(view, {{"MP4", "H.264 video", 2}, {"AVI", "Xvid video", -1}});
    ASSERT_EQ(view.ItemCount(), 2);
    EXPECT_EQ(Box->Items()->Items(0)->Title(), "MP4");
    EXPECT_EQ(Box->Items()->Items(0)->Caption(), "H.264 video");
    EXPECT_EQ(Box->Items()->Items(0)->ImageIndex(), 2);
    EXPECT_EQ(view.ItemIndex(), 0);
    EXPECT_EQ(Events, (std::vector<std::string>{"click 0", "change 0"}));
    // Outside the rows: nothing changes, nothing fires.
    view.SetItemIndex(2);
    view.SetItemIndex(-2);
    EXPECT_EQ(view.ItemIndex(), 0);
    EXPECT_EQ(Events.size(), 2u);
    view.SetItemIndex(-1);
    EXPECT_EQ(view.ItemIndex(), -1);
    // Refilled without profiles: empty, nothing selected, nothing fired.
    Events.clear();
    FillProfileBox(view, {});
    EXPECT_EQ(view.ItemCount(), 0);
    EXPECT_EQ(view.ItemIndex(), -1);
    EXPECT_TRUE(Events.empty());
}

} // namespace
