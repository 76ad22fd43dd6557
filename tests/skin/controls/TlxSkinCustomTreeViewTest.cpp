#include "skin/controls/TlxSkinCustomTreeView.h"

#include "platform/win/WinApi.h"
#include "skin/engine/DataSkinListControls.h"
#include "tests/support/skin/TSkinControlTest.h"

namespace {

class TlxSkinCustomTreeViewTest : public TSkinControlTest {
protected:
    TlxSkinCustomTreeView* Tree(int Nodes) {
        auto* t = Make<TlxSkinCustomTreeView>(10, 10, 120, 100);
        for (int i = 0; i < Nodes; ++i)
            t->Items()->Add(nullptr, "node " + std::to_string(i));
        VBar = Make<TlxSkinScrollBar>(130, 10, 17, 100);
        VBar->SetKind(sbVertical);
        HBar = Make<TlxSkinScrollBar>(10, 110, 120, 17);
        t->SetVScrollBar(VBar);
        t->SetHScrollBar(HBar);
        Session.Pump();
        return t;
    }
    TlxSkinScrollBar* VBar = nullptr;
    TlxSkinScrollBar* HBar = nullptr;
};

} // namespace

TEST_F(TlxSkinCustomTreeViewTest, TakesTheSkinsColoursAndPaintsItsImagesOnThem) {
    TTestSkin skin;
    auto& d = skin.Add<TlxDataSkinTreeView>("treeview");
    d.PictureIndex = -1;
    d.FontName = "Arial";
    d.FontHeight = 13;
    d.FontColor = 0x00FFFF;
    d.BGColor = 0x400000;
    skin.LoadInto(SD);
    auto* t = Tree(2);
    auto& images = *new TImageList(Form);
    t->SetImages(&images);
    t->SetSkinData(SD);
    EXPECT_EQ(t->Color(), TColor(0x400000));
    EXPECT_EQ(t->Font()->Color(), TColor(0x00FFFF));
    EXPECT_EQ(t->Font()->Height(), 13);
    EXPECT_EQ(images.BkColor(), TColor(0x400000));
    EXPECT_EQ(static_cast<uint32_t>(GetWindowLongPtr(t->Handle(), GWL_STYLE)) & (WS_VSCROLL | WS_HSCROLL),
              0u);
}

TEST_F(TlxSkinCustomTreeViewTest, TheBarsMirrorTheTreeAndScrollIt) {
    auto* t = Tree(3);
    EXPECT_FALSE(VBar->Visible());
    for (int i = 3; i < 30; ++i)
        t->Items()->Add(nullptr, "node " + std::to_string(i));
    Session.Pump();
    ASSERT_TRUE(VBar->Visible());
    EXPECT_EQ(VBar->Max(), 29);
    EXPECT_EQ(VBar->PageSize(), t->VisibleCount());

    VBar->SetPosition(4);
    EXPECT_EQ(t->TopItem(), t->Items()->Item(4));
    // Every scroll of the tree, the wheel's included, reaches the bar.
    t->Perform(WM_MOUSEWHEEL, MakeWParam(0, -120));
    EXPECT_EQ(VBar->Position(), 7);

    t->Items()->Item(0)->SetText(std::string(60, 'W'));
    Session.Pump();
    ASSERT_TRUE(HBar->Visible());
    EXPECT_TRUE(HBar->Both());
    HBar->SetPosition(20);
    EXPECT_EQ(t->ScrollX(), 20);

    t->Hide();
    EXPECT_FALSE(VBar->Visible());
    EXPECT_FALSE(HBar->Visible());
}

TEST_F(TlxSkinCustomTreeViewTest, AFreedBarIsForgottenAndAFreedViewNoLongerHearsItsBars) {
    auto* t = Tree(30);
    VBar->Free();
    EXPECT_EQ(t->VScrollBar(), nullptr);
    t->Items()->Add(nullptr, "more");
    t->Free();
    HBar->SetPosition(10); // would call into the freed view
    SUCCEED();
}
