#include "app/startup/TForm5.h"

#include "app/settings/ProgramSettings.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCheckRadioBox.h"
#include "skin/controls/TlxSkinCustomComboBox.h"
#include "tests/app/startup/StartupFixture.h"
#include "tests/support/pictures/GoldenPicture.h"

#include <fstream>
#include <sstream>
#include <vector>

namespace {

class TForm5Test : public StartupFixture {
protected:
    TForm5Test() : FPrevious(SetProgramSettings(&Settings)) {}
    ~TForm5Test() override {
        if (Form) Form->Free();
        SetProgramSettings(FPrevious);
    }

    TForm5* Create() {
        Form = TCustomForm::Create<TForm5>(nullptr);
        return Form;
    }
    void ShowForm() {
        Form->Show();
        Session.Pump();
    }
    void ClickOn(TControl* control) {
        Session.Click(control->ClientToScreen({8, control->Height() / 2}));
        Session.Pump();
    }
    std::string IniText() const {
        std::ifstream in(IniName, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // Whether the file holds the line (ended as the file ends its lines).
    bool IniHas(const std::string& line) const {
        const std::string text = IniText();
        return text.find(line + "\r\n") != std::string::npos || text.find(line + "\n") != std::string::npos;
    }

    // The checked buttons of every group, as one row of flags.
    std::vector<bool> Checks() const {
        std::vector<bool> flags;
        for (TlxSkinCheckRadioBox* b : Radios())
            flags.push_back(b->Checked());
        return flags;
    }
    std::vector<TlxSkinCheckRadioBox*> Radios() const {
        return {Form->lxSkinCheckRadioBox1, Form->lxSkinCheckRadioBox2,  Form->lxSkinCheckRadioBox4,
                Form->lxSkinCheckRadioBox5, Form->lxSkinCheckRadioBox3,  Form->lxSkinCheckRadioBox6,
                Form->lxSkinCheckRadioBox9, Form->lxSkinCheckRadioBox10, Form->lxSkinCheckRadioBox11,
                Form->lxSkinCheckRadioBox12};
    }

    TForm5* Form = nullptr;

private:
    TSettings* FPrevious;
};

// Groups in Radios() order: after done 0-3, overwrite 4-5, priority 6-9.
const std::vector<bool> Defaults = {true, false, false, false, false, true, false, false, false, true};

} // namespace

TEST_F(TForm5Test, AFirstStartWritesTheDefaultsAndShowsThem) {
    Create();
    EXPECT_EQ(Form->Caption(), "选项");
    EXPECT_EQ(Checks(), Defaults);
    EXPECT_FALSE(Form->lxSkinCheckRadioBox8->Checked());
    EXPECT_EQ(Form->lxSkinComboBox2->ItemIndex(), 0);
    EXPECT_EQ(Form->lxSkinComboBox2->Items()->Count(), 19);
    EXPECT_FALSE(Form->lxSkinCheckRadioBox7->Visible());
    EXPECT_TRUE(Form->lxSkinCheckRadioBox7->Checked());
    for (const char* line : {"[Options]", "Thread_Count=1", "After_Done=0", "Show_Preview=0",
                             "Thread_Priority=3", "Overwrite_File=1"})
        EXPECT_TRUE(IniHas(line)) << line << "\n" << IniText();
    ShowForm();
    EXPECT_TRUE(MatchesGolden(Session.WindowShot(Form->Handle()), "app/startup/TForm5/options"));
}

TEST_F(TForm5Test, OpeningShowsTheStoredOptionsAndMendsUnusableOnes) {
    Folder.Write("option.ini", "[Options]\nThread_Count=5\nAfter_Done=2\nShow_Preview=1\nThread_Priority=9\n"
                               "Overwrite_File=0\n");
    Create();
    ShowForm();
    EXPECT_EQ(Checks(),
              (std::vector<bool>{false, false, true, false, true, false, false, false, false, true}));
    EXPECT_TRUE(Form->lxSkinCheckRadioBox8->Checked());
    EXPECT_EQ(Form->lxSkinComboBox2->Text(), "5");
    EXPECT_TRUE(IniHas("Thread_Priority=3")) << IniText();
    EXPECT_TRUE(Settings.Options().ShowPreview) << "the stored preview reaches the program at creation";
}

TEST_F(TForm5Test, EachRadioGroupIsExclusive) {
    Create();
    ShowForm();
    const std::vector<TlxSkinCheckRadioBox*> radios = Radios();
    const struct { int First, Count; } groups[] = {{0, 4}, {4, 2}, {6, 4}};
    for (const auto& group : groups)
        for (int i = group.First; i < group.First + group.Count; ++i) {
            std::vector<bool> expected = Checks();
            for (int k = group.First; k < group.First + group.Count; ++k)
                expected[k] = k == i;
            ClickOn(radios[i]);
            EXPECT_EQ(Checks(), expected) << radios[i]->Caption();
        }
}

TEST_F(TForm5Test, OkWritesTheOptionsAndCancelWritesNothing) {
    Create();
    ShowForm();
    const std::string stored = IniText();
    const TConversionOptions before = Settings.Options();
    auto change = [&] {
        ClickOn(Form->lxSkinCheckRadioBox2);
        ClickOn(Form->lxSkinCheckRadioBox3);
        ClickOn(Form->lxSkinCheckRadioBox9);
        ClickOn(Form->lxSkinCheckRadioBox8);
        Form->lxSkinComboBox2->SetItemIndex(6);
    };

    change();
    ClickOn(Form->lxSkinButton1); // 取消
    EXPECT_FALSE(Form->Visible());
    EXPECT_EQ(IniText(), stored);
    EXPECT_EQ(Settings.Options(), before);
    ShowForm();
    EXPECT_EQ(Checks(), Defaults) << "opened again, the form shows what is stored";
    EXPECT_FALSE(Form->lxSkinCheckRadioBox8->Checked());

    change();
    ClickOn(Form->lxSkinButton6); // 确定
    EXPECT_FALSE(Form->Visible());
    for (const char* line :
         {"Thread_Count=7", "After_Done=1", "Show_Preview=1", "Thread_Priority=0", "Overwrite_File=0"})
        EXPECT_TRUE(IniHas(line)) << line << "\n" << IniText();
    EXPECT_EQ(Settings.Options(), (TConversionOptions{7, 1, true, 0, 0}));
}

// The main window's conversion-settings page changes the same options; the
// form shows them when it opens next.
TEST_F(TForm5Test, ShowsWhatTheMainWindowChanged) {
    Create();
    ASSERT_TRUE(Settings.SetThreadCount(4));
    ASSERT_TRUE(Settings.SetShowPreview(true));
    ShowForm();
    EXPECT_EQ(Form->lxSkinComboBox2->Text(), "4");
    EXPECT_TRUE(Form->lxSkinCheckRadioBox8->Checked());
}
