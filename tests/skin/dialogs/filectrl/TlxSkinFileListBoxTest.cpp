#include "skin/dialogs/filectrl/TlxSkinFileListBox.h"

#include "platform/vcl/TCustomEdit.h"
#include "skin/controls/TlxListBox.h"
#include "skin/dialogs/filectrl/FilePaths.h"
#include "tests/skin/dialogs/filectrl/FileCtrlFixture.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

class TlxSkinFileListBoxTest : public TSkinControlTest {
protected:
    TlxSkinFileListBox* List() {
        auto* l = Make<TlxSkinFileListBox>(10, 10, 160, 180);
        l->SetDirectory(Tree.B);
        l->OnChange = [this](TObject*) { Events.push_back("change"); };
        Session.Pump();
        return l;
    }
    static std::vector<std::string> Texts(TlxSkinFileListBox* L) {
        std::vector<std::string> texts;
        for (int i = 0; i < L->Items()->Count(); ++i)
            texts.push_back(L->Items()->Get(i));
        return texts;
    }

    TFileCtrlTree Tree;
    std::vector<std::string> Events;
};

const std::string kBadName = "\xEF\xBF\xBD.avi"; // "\xff.avi" as shown

} // namespace

TEST_F(TlxSkinFileListBoxTest, FileTypeAndMaskChooseTheEntries) {
    const std::string cwd = CurrentDirectory();
    auto* l = List();
    using V = std::vector<std::string>;
    const V files = {"clip.MP4", "movie.avi", "notes.txt", kBadName};
    struct Case {
        const char* Name;
        TlxFileType Type;
        const char* Mask;
        V Expected;
    } cases[] = {
        {"normal: plain files only", {lxftNormal}, "*.*", files},
        {"folders too, the dot entries and a link to a folder included",
         {lxftDirectory, lxftNormal},
         "*.*",
         {"[..]", "[.]", "[c10]", "[c2]", "[link-to-c2]", "[Zed]", "clip.MP4", "movie.avi", "notes.txt",
          kBadName}},
        {"folders alone", {lxftDirectory}, "*.*", {"[..]", "[.]", "[c10]", "[c2]", "[link-to-c2]", "[Zed]"}},
        {"hidden files are asked for",
         {lxftHidden, lxftNormal},
         "*.*",
         {".dot.avi", "clip.MP4", "movie.avi", "notes.txt", kBadName}},
        {"a FIFO and a broken link are system entries",
         {lxftSystem, lxftNormal},
         "*.*",
         {"broken", "clip.MP4", "movie.avi", "notes.txt", "pipe", kBadName}},
        {"masks without case, several, an entry matching two listed once",
         {lxftNormal},
         "*.AVI; *.mp4;movie.*",
         {"clip.MP4", "movie.avi", kBadName}},
        {"a mask matching nothing", {lxftNormal}, "*.mkv", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        l->SetFileType(c.Type);
        l->SetMask(c.Mask);
        EXPECT_EQ(Texts(l), c.Expected);
    }
    EXPECT_EQ(CurrentDirectory(), cwd);
}

TEST_F(TlxSkinFileListBoxTest, ANameThatIsNotUtf8IsShownReplacedAndKeptAsItsBytes) {
    auto* l = List();
    l->SelectFileName("\xff.avi");
    ASSERT_GE(l->ItemIndex(), 0);
    EXPECT_EQ(l->Items()->Get(l->ItemIndex()), kBadName);
    EXPECT_EQ(l->FileName(), Tree.B + "/\xff.avi");
    EXPECT_TRUE(IsExistingFile(l->FileName()));
}

TEST_F(TlxSkinFileListBoxTest, TypedTextEntersFoldersSetsMasksAndSelectsFiles) {
    const char* home = std::getenv("HOME");
    const std::string savedHome = home ? home : "";
    setenv("HOME", Tree.Root.c_str(), 1);
    struct Case {
        const char* Text;
        std::string Directory, Mask, Selected;
    } cases[] = {
        {"*.txt", Tree.B, "*.txt", ""},
        {"[c2]", Tree.B + "/c2", "*.*", ""},
        {"c10", Tree.B + "/c10", "*.*", ""},
        {"c10/", Tree.B + "/c10", "*.*", ""},
        {"movie.avi", Tree.B, "*.*", "movie.avi"},
        {"NOTES.TXT", Tree.B, "*.*", "notes.txt"},
        {"nothing.xyz", Tree.B, "*.*", ""},
        {"", Tree.B, "*.*", ""},
        {"../b/Zed/../clip.MP4", Tree.B, "*.*", "clip.MP4"},
        {"~/a/b/movie.avi", Tree.B, "*.*", "movie.avi"},
        {"~/a/*.x", Tree.Root + "/a", "*.x", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        auto* l = List();
        l->ApplyFilePath(c.Text);
        EXPECT_EQ(l->Directory(), c.Directory);
        EXPECT_EQ(l->Mask(), c.Mask);
        EXPECT_EQ(l->SelectedFileName(), c.Selected);
        if (!c.Selected.empty()) {
            EXPECT_EQ(l->FileName(), JoinPath(c.Directory, c.Selected));
        }
        l->Free();
    }
    setenv("HOME", savedHome.c_str(), 1);
}

TEST_F(TlxSkinFileListBoxTest, AnExistingFileOutsideTheMaskBecomesTheMask) {
    auto* l = List();
    l->SetMask("*.avi");
    l->ApplyFilePath("notes.txt");
    EXPECT_EQ(l->Mask(), "notes.txt");
    EXPECT_EQ(Texts(l), std::vector<std::string>{"notes.txt"});
    EXPECT_EQ(l->SelectedFileName(), "notes.txt");
}

TEST_F(TlxSkinFileListBoxTest, AFolderThatCannotBeEnteredRaisesAndChangesNothing) {
    auto* l = List();
    const int count = l->Items()->Count();
    for (const std::string& bad :
         {Tree.B + "/missing/x.avi", std::string("/no/such/folder/"), Tree.B + "/pipe/"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(l->ApplyFilePath(bad), EInOutError);
        EXPECT_EQ(l->Directory(), Tree.B);
        EXPECT_EQ(l->Items()->Count(), count);
    }
}

TEST_F(TlxSkinFileListBoxTest, ALinkedEditMirrorsTheSelectionAndAClickSelects) {
    auto* l = List();
    auto* edit = Make<TEdit>(10, 200, 160, 22);
    l->SetFileEdit(edit);
    EXPECT_EQ(edit->Text(), "*.*") << "no selection shows the mask";
    Events.clear();

    const TRect r = l->ListBox()->ItemRect(1);
    Session.Click(At(l->ListBox(), r.Left + 10, r.Top + r.Height() / 2));
    Session.Pump();
    EXPECT_EQ(l->ItemIndex(), 1);
    EXPECT_EQ(edit->Text(), "movie.avi");
    EXPECT_EQ(Events, std::vector<std::string>{"change"});
    EXPECT_EQ(l->FileName(), Tree.B + "/movie.avi");
    // The same item again changes nothing.
    Session.Click(At(l->ListBox(), r.Left + 10, r.Top + r.Height() / 2));
    Session.Pump();
    EXPECT_EQ(Events.size(), 1u);

    edit->Free();
    EXPECT_EQ(l->FileEdit(), nullptr);
    l->SetMask("*.txt");
    EXPECT_EQ(l->ItemIndex(), -1);
}

TEST_F(TlxSkinFileListBoxTest, LooksBuiltInAndSkinned) {
    for (const bool skinned : {false, true}) {
        SCOPED_TRACE(skinned);
        auto* l = List();
        l->SetBounds(10, 10, 120, 100);
        l->SetFileType({lxftDirectory, lxftNormal});
        l->SetItemIndex(3);
        if (skinned) {
            TTestSkin skin;
            AddFileCtrlSkin(skin);
            skin.LoadInto(SD);
            l->SetSkinData(SD);
        }
        EXPECT_TRUE(MatchesGolden(
            Shot(l), std::string("skin/dialogs/TlxSkinFileListBox/") + (skinned ? "skinned" : "builtin"),
            40));
        l->Free();
    }
}
