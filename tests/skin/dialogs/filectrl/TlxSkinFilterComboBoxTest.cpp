#include "skin/dialogs/filectrl/TlxSkinFilterComboBox.h"

#include "skin/dialogs/filectrl/TlxSkinFileListBox.h"
#include "tests/skin/dialogs/filectrl/FileCtrlFixture.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <string>
#include <vector>

namespace {

class TlxSkinFilterComboBoxTest : public TSkinControlTest {
protected:
    TlxSkinFilterComboBox* Combo(const std::string& Filter) {
        auto* c = Make<TlxSkinFilterComboBox>(10, 10, 160, 20);
        c->SetFilter(Filter);
        Session.Pump();
        return c;
    }
    static std::vector<std::string> Texts(TStrings* S) {
        std::vector<std::string> texts;
        for (int i = 0; i < S->Count(); ++i)
            texts.push_back(S->Get(i));
        return texts;
    }
};

} // namespace

TEST_F(TlxSkinFilterComboBoxTest, EntriesAndMaskFollowTheFilter) {
    auto* c = Make<TlxSkinFilterComboBox>(10, 10, 160, 20);
    EXPECT_EQ(Texts(c->Items()), std::vector<std::string>{"All files (*.*)"});
    EXPECT_EQ(c->Mask(), "*.*");

    c->SetFilter("Videos|*.avi;*.mp4|Text|*.txt|Dropped");
    EXPECT_EQ(Texts(c->Items()), (std::vector<std::string>{"Videos", "Text"}));
    EXPECT_EQ(c->MaskList(), (std::vector<std::string>{"*.avi;*.mp4", "*.txt"}));
    EXPECT_EQ(c->ItemIndex(), 0);
    EXPECT_EQ(c->Text(), "Videos");
    EXPECT_EQ(c->Mask(), "*.avi;*.mp4");

    // No selection: reading Mask selects the last entry.
    c->SetItemIndex(-1);
    EXPECT_EQ(c->Mask(), "*.txt");
    EXPECT_EQ(c->ItemIndex(), 1);

    c->SetFilter("no bar at all");
    EXPECT_EQ(c->Items()->Count(), 0);
    EXPECT_EQ(c->Mask(), "*.*");
}

TEST_F(TlxSkinFilterComboBoxTest, ALinkedFileListTakesTheMaskOfEachChoice) {
    TFileCtrlTree tree;
    auto* c = Combo("Videos|*.avi;*.mp4|Text|*.txt");
    auto* files = Make<TlxSkinFileListBox>(10, 40, 160, 150);
    files->SetDirectory(tree.B);
    c->SetFileList(files);
    EXPECT_EQ(files->FilterCombo(), c);
    int changes = 0;
    c->OnChange = [&](TObject*) { ++changes; };

    c->SetItemIndex(1);
    EXPECT_EQ(files->Mask(), "*.txt");
    EXPECT_EQ(Texts(files->Items()), std::vector<std::string>{"notes.txt"});
    EXPECT_EQ(changes, 1);
    // A new filter selects its first entry and passes its mask on.
    c->SetFilter("Clips|*.MP4|All|*.*");
    EXPECT_EQ(files->Mask(), "*.MP4");
    EXPECT_EQ(Texts(files->Items()), std::vector<std::string>{"clip.MP4"});

    // Linking the list to another combo takes it from this one.
    auto* other = Combo("All|*.*");
    other->SetFileList(files);
    EXPECT_EQ(c->FileList(), nullptr);
    EXPECT_EQ(files->FilterCombo(), other);
    files->Free();
    EXPECT_EQ(other->FileList(), nullptr);
    other->SetItemIndex(0);
}
