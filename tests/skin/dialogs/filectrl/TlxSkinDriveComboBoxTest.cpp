#include "skin/dialogs/filectrl/TlxSkinDriveComboBox.h"

#include "skin/controls/TlxPopupListBox.h"
#include "skin/dialogs/filectrl/TlxSkinDirectoryListBox.h"
#include "skin/dialogs/shell/MountTable.h"
#include "skin/dialogs/shell/TShellNamespace.h"
#include "tests/skin/dialogs/filectrl/FileCtrlFixture.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <string>
#include <vector>

namespace {

// Home, the root and one volume of each kind, from a mount-table text.
std::vector<TDriveRoot> FixtureRoots() {
    TShellEnvironment env;
    env.Home = "/home/me";
    env.Volumes = ParseMountTable("/dev/sda2 / ext4 rw 0 0\n"
                                  "/dev/sdb1 /media/me/Backup\\040Disk vfat rw 0 0\n"
                                  "/dev/sr0 /media/me/FILMS iso9660 ro 0 0\n"
                                  "//server/share /mnt/Share cifs rw 0 0\n"
                                  "/dev/sdc1 /data ext4 rw 0 0\n"
                                  "tmpfs /tmp tmpfs rw 0 0\n");
    return DriveRootsOf(env);
}

class TlxSkinDriveComboBoxTest : public TSkinControlTest {
protected:
    TlxSkinDriveComboBox* Combo(std::vector<TDriveRoot> Roots) {
        auto* c = Make<TlxSkinDriveComboBox>(10, 10, 160, 20);
        c->SetRoots(std::move(Roots));
        Session.Pump();
        return c;
    }
};

} // namespace

TEST_F(TlxSkinDriveComboBoxTest, ListsThePlacesByLabelCasedWithTheGlyphOfTheirKind) {
    auto* c = Combo(FixtureRoots());
    struct Row {
        const char* Lower;
        const char* Upper;
        const TBitmap* Glyph;
        const char* Path;
    } rows[] = {
        {"home", "HOME", &c->FixedBMP, "/home/me"},
        {"file system", "FILE SYSTEM", &c->FixedBMP, "/"},
        {"backup disk", "BACKUP DISK", &c->FloppyBMP, "/media/me/Backup Disk"},
        {"films", "FILMS", &c->CDROMBMP, "/media/me/FILMS"},
        {"share", "SHARE", &c->NetworkBMP, "/mnt/Share"},
        {"data", "DATA", &c->FixedBMP, "/data"},
    };
    ASSERT_EQ(c->Items()->Count(), 6);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(c->Items()->Get(i), rows[i].Lower);
        EXPECT_EQ(c->ItemGlyph(i), rows[i].Glyph);
        EXPECT_EQ(c->Roots()[i].Path, rows[i].Path);
    }
    c->SetDrive("/mnt/Share");
    c->SetTextCase(tcUpperCase);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(c->Items()->Get(i), rows[i].Upper);
    EXPECT_EQ(c->ItemIndex(), 4) << "the place stays selected after the refill";
    EXPECT_EQ(c->Drive(), "/mnt/Share");
    // The drive glyphs are 16 x 16 with a transparent bottom-left pixel.
    EXPECT_EQ(c->FixedBMP.Width(), 16);
    EXPECT_EQ(c->FixedBMP.Height(), 16);
    EXPECT_EQ(c->RAMBMP.Height(), 11);
    EXPECT_TRUE(c->CDROMBMP.Transparent());
}

TEST_F(TlxSkinDriveComboBoxTest, DriveSelectsThePlaceAndMovesTheLinkedDirectoryList) {
    TFileCtrlTree tree;
    auto* c = Combo(tree.Roots);
    auto* dirs = Make<TlxSkinDirectoryListBox>(10, 40, 160, 150);
    dirs->SetRoots(tree.Roots);
    dirs->SetDirectory(tree.B);
    c->SetDirList(dirs);
    EXPECT_EQ(dirs->DriveCombo(), c);
    EXPECT_EQ(c->Drive(), tree.Root);
    std::vector<std::string> changes;
    dirs->OnChange = [&](TObject*) { changes.push_back(dirs->Directory()); };

    // The same place again changes nothing; another moves the list to its root.
    c->SetDrive(tree.Root);
    EXPECT_TRUE(changes.empty());
    c->SetDrive("/");
    EXPECT_EQ(c->ItemIndex(), 1);
    EXPECT_EQ(changes, std::vector<std::string>{"/"});

    // Picking the place from the open list does the same.
    Session.Click(At(c, 150, 10));
    Session.Pump();
    ASSERT_TRUE(c->IsPopupVisible());
    TlxListBox* list = c->ListBox()->ListBox();
    const TRect r = list->ItemRect(0);
    Session.Click(At(list, r.Left + 20, r.Top + r.Height() / 2));
    Session.Pump();
    EXPECT_FALSE(c->IsPopupVisible());
    EXPECT_EQ(c->Drive(), tree.Root);
    EXPECT_EQ(dirs->Directory(), tree.Root);

    // A place not listed selects none.
    c->SetDrive("/nowhere");
    EXPECT_EQ(c->ItemIndex(), -1);
    EXPECT_EQ(c->Drive(), "");
    EXPECT_EQ(dirs->Directory(), tree.Root) << "no place: the list stays";

    dirs->Free();
    EXPECT_EQ(c->DirList(), nullptr);
    c->SetDrive("/");
    EXPECT_EQ(c->Drive(), "/");
}

TEST_F(TlxSkinDriveComboBoxTest, LooksBuiltInAndSkinnedClosedAndOpen) {
    for (const bool skinned : {false, true}) {
        SCOPED_TRACE(skinned);
        auto* c = Combo(FixtureRoots());
        c->SetDrive("/media/me/FILMS");
        if (skinned) {
            TTestSkin skin;
            AddFileCtrlSkin(skin);
            skin.LoadInto(SD);
            c->SetSkinData(SD);
        }
        const std::string name =
            std::string("skin/dialogs/TlxSkinDriveComboBox/") + (skinned ? "skinned" : "builtin");
        EXPECT_TRUE(MatchesGolden(Shot(c), name, 40));
        c->DropDown();
        Session.Pump();
        ASSERT_TRUE(c->IsPopupVisible());
        EXPECT_TRUE(MatchesGolden(Session.WindowShot(c->ListBox()->Handle()), name + "-open", 40));
        c->CloseUp(false);
        c->Free();
        Session.Pump();
    }
}
