#include "skin/controls/SkinControlsRegistration.h"

#include "platform/base/Exception.h"
#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TComponentWriter.h"
#include "skin/controls/TlxSkinCustomOfficeComboBox.h"
#include "skin/controls/TlxSkinCustomSlider.h"
#include "skin/controls/TlxSkinLinkLabel.h"
#include "skin/controls/TlxSkinOfficeListBox.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <string>
#include <vector>

namespace {

class SkinOfficeRegistrationTest : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        RegisterSkinControls();
    }
    void TearDown() override {
        for (TForm* f : Forms)
            f->Free();
        TSkinControlTest::TearDown();
    }
    TForm* NewForm() {
        Forms.push_back(new TForm(nullptr));
        return Forms.back();
    }
    TForm* Read(const std::string& Text) {
        TForm* f = NewForm();
        TComponentReader::ReadText(f, Text);
        return f;
    }
    template <class T> T* Make(TForm* F, const char* Name) {
        auto* c = new T(F);
        c->SetName(Name);
        c->SetParent(F);
        return c;
    }
    static int Occurrences(const std::string& Text, const std::string& Word) {
        int n = 0;
        for (size_t at = Text.find(Word); at != std::string::npos; at = Text.find(Word, at + 1))
            ++n;
        return n;
    }
    std::vector<TForm*> Forms;
};

TEST_F(SkinOfficeRegistrationTest, OnlyTheApplicationsSliderPicturesTravelWithTheForm) {
    TForm* f = NewForm();
    auto* s = Make<TlxSkinSlider>(f, "Position");
    TBitmap ruler(16, 6);
    FillPixels(ruler, {0, 0, 16, 6}, 0xFF00FF);
    FillPixels(ruler, {2, 1, 14, 5}, 0x2040E0);
    s->SetImage(siHRuler, &ruler);
    s->SetEdgeSize(5); // allowed by the 16 pixels of the application's ruler
    s->SetRange(0, 1000);
    s->SetIncrement(50);
    s->SetValue(250);
    s->SetOptions({soSmooth, soRulerOpaque});
    Make<TlxSkinSlider>(f, "Plain");
    const std::string text = TComponentWriter::WriteText(f);
    EXPECT_EQ(Occurrences(text, "UserImages"), 1);
    EXPECT_EQ(Occurrences(text, "ImageHRuler"), 1);
    EXPECT_EQ(Occurrences(text, "ImageHThumb"), 0);

    TForm* g = Read(text);
    auto* r = dynamic_cast<TlxSkinSlider*>(g->FindComponent("Position"));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->UserImages(), TlxSliderImages{siHRuler});
    ASSERT_EQ(r->ImageHRuler()->Width(), 16);
    EXPECT_EQ(r->ImageHRuler()->ScanLine(3)[8] & 0xFFFFFF, 0x2040E0u);
    EXPECT_EQ(r->EdgeSize(), 5);
    EXPECT_EQ(r->MaxValue(), 1000);
    EXPECT_EQ(r->Increment(), 50);
    EXPECT_EQ(r->Value(), 250);
    EXPECT_EQ(r->Options(), (TlxSliderOptions{soSmooth, soRulerOpaque}));
    EXPECT_EQ(r->RulerRect().Height(), 6);
    auto* plain = dynamic_cast<TlxSkinSlider*>(g->FindComponent("Plain"));
    ASSERT_NE(plain, nullptr);
    EXPECT_TRUE(plain->UserImages().Empty());
    EXPECT_EQ(plain->ImageHRuler()->Width(), 10);
    EXPECT_EQ(TComponentWriter::WriteText(g), text);
}

TEST_F(SkinOfficeRegistrationTest, ADamagedSliderPictureIsAClearError) {
    const char* text = "object Form1: TForm\n"
                       "  object S: TlxSkinSlider\n"
                       "    UserImages = {01}\n"
                       "    ImageHThumb = {424D0000}\n"
                       "  end\n"
                       "end\n";
    EXPECT_THROW(Read(text), Exception);
}

TEST_F(SkinOfficeRegistrationTest, OfficeRowsLinksAndTheirSettingsReadBack) {
    TForm* f = NewForm();
    auto* l = Make<TlxSkinOfficeListBox>(f, "Profiles");
    l->SetItemHeight(44);
    l->SetShowLines(true);
    TlxSkinOfficeItem* header = l->Items()->Add();
    header->SetCaption("Video");
    header->SetHeader(true);
    TlxSkinOfficeItem* row = l->Items()->Add();
    row->SetTitle("MP4");
    row->SetCaption("H.264 + AAC");
    row->SetImageIndex(3);
    row->SetEnabled(false);
    l->Items()->Add()->SetCaption("AVI");
    l->SetItemIndex(2);
    auto* link = new TlxSkinLinkLabel(f);
    link->SetName("Home");
    link->SetParent(f);
    link->SetURL("https://example.com");
    link->SetGlowEffect(true);
    link->SetUseUnderLine(false);
    auto* combo = Make<TlxSkinOfficeComboBox>(f, "Category");
    combo->SetToolButtonStyle(true);
    combo->SetListBoxItemHeight(50);
    combo->Items()->Add()->SetCaption("iPod");
    combo->Items()->Add()->SetCaption("PSP");
    combo->SetItemIndex(1);
    const std::string text = TComponentWriter::WriteText(f);

    std::vector<std::string> clicks;
    TForm* g = Read(text);
    auto* r = dynamic_cast<TlxSkinOfficeListBox*>(g->FindComponent("Profiles"));
    ASSERT_NE(r, nullptr);
    ASSERT_EQ(r->Items()->Count(), 3);
    EXPECT_TRUE(r->Items()->Items(0)->Header());
    EXPECT_EQ(r->Items()->Items(1)->Title(), "MP4");
    EXPECT_EQ(r->Items()->Items(1)->Caption(), "H.264 + AAC");
    EXPECT_EQ(r->Items()->Items(1)->ImageIndex(), 3);
    EXPECT_FALSE(r->Items()->Items(1)->Enabled());
    EXPECT_EQ(r->ItemIndex(), 2);
    EXPECT_TRUE(r->Items()->Items(2)->Active);
    EXPECT_EQ(r->ItemHeight(), 44);
    EXPECT_TRUE(r->ShowLines());
    auto* home = dynamic_cast<TlxSkinLinkLabel*>(g->FindComponent("Home"));
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(home->URL(), "https://example.com");
    EXPECT_TRUE(home->GlowEffect());
    EXPECT_FALSE(home->UseUnderLine());
    auto* category = dynamic_cast<TlxSkinOfficeComboBox*>(g->FindComponent("Category"));
    ASSERT_NE(category, nullptr);
    EXPECT_TRUE(category->ToolButtonStyle());
    EXPECT_EQ(category->ListBoxItemHeight(), 50);
    ASSERT_EQ(category->Items()->Count(), 2);
    EXPECT_EQ(category->ItemIndex(), 1);
    EXPECT_EQ(TComponentWriter::WriteText(g), text);
}

} // namespace
