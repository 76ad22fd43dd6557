#include "skin/dialogs/picture/TlxSkinOpenPictureDialog.h"

#include "platform/gdi/ImageCodecs.h"
#include "platform/vcl/TImage.h"
#include "platform/vcl/TScreen.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCustomEdit.h"
#include "skin/controls/TlxSkinMenuSpeedButton.h"
#include "skin/controls/TlxSkinPanel.h"
#include "skin/controls/TlxSkinSpeedButton.h"
#include "skin/controls/TlxSkinSplitter.h"
#include "skin/controls/TlxSkinStdLabel.h"
#include "skin/dialogs/filectrl/TlxSkinFilterComboBox.h"
#include "skin/dialogs/message/TlxMessageForm.h"
#include "skin/dialogs/picture/TlxOpenPictureDlgForm.h"
#include "skin/dialogs/picture/TlxSkinSavePictureDialog.h"
#include "skin/dialogs/shell/TlxCustomShellListView.h"
#include "skin/engine/DataSkinControls.h"
#include "tests/skin/dialogs/DialogTestSkin.h"
#include "tests/skin/dialogs/open/DialogScript.h"
#include "tests/skin/dialogs/shell/ShellViewFixture.h"
#include "tests/support/pictures/GoldenPicture.h"

#include <sys/stat.h>

namespace {

// A picture in four colour quarters.
TBitmap Quarters(int W = 12, int H = 8) {
    TBitmap b(W, H);
    b.SetPixelFormat(pf24bit);
    const TColor colours[] = {0x2040E0, 0x30C040, 0xE08020, 0x202020};
    for (int q = 0; q < 4; ++q) {
        const int x = (q % 2) * W / 2, y = (q / 2) * H / 2;
        b.Canvas()->Brush()->SetColor(colours[q]);
        b.Canvas()->FillRect({x, y, x + W / 2, y + H / 2});
    }
    return b;
}

class TlxSkinOpenPictureDialogTest : public TShellViewTest {
protected:
    void SetUp() override {
        TShellViewTest::SetUp();
        MakeDir("p");
        const TBitmap q = Quarters();
        WriteFile("p/a.bmp", EncodeBmp(q, 24));
        WriteFile("p/b.jpg", EncodeJpeg(q, 90));
        WriteFile("p/c.png", EncodePng(q, false));
        WriteFile("p/d.gif", EncodeGif(q));
        const std::string png = EncodePng(q, false);
        WriteFile("p/broken.png", png.substr(0, png.size() / 2));
        WriteFile("p/fake.bmp", "BM but no bitmap at all");
        WriteFile("p/notes.txt", "just text");
        MakeDir("p/sub");
        mkfifo((Home + "/p/pipe").c_str(), 0644);
        Dialog = new TlxSkinOpenPictureDialog(Form);
    }
    bool Run(std::function<void(TlxOpenPictureDlgForm*)> Act, std::vector<TDialogStep> More = {}) {
        std::vector<TDialogStep> steps{OnForm<TlxOpenPictureDlgForm>(std::move(Act))};
        for (TDialogStep& s : More)
            steps.push_back(std::move(s));
        return RunDialog<bool>(
            Session, [&] { return Dialog->Execute(); }, std::move(steps), Form);
    }
    static TPoint Centre(TControl* C) { return C->ClientToScreen({C->Width() / 2, C->Height() / 2}); }
    static int Row(TlxCustomShellListView* L, const std::string& Name) {
        for (size_t i = 0; i < L->Folders().size(); ++i)
            if (L->Folders()[i].DisplayName == Name) return static_cast<int>(i);
        return -1;
    }
    static std::vector<std::string> Names(TlxCustomShellListView* L) {
        std::vector<std::string> names;
        for (const TShellItem& i : L->Folders())
            names.push_back(i.DisplayName);
        return names;
    }
    static bool MessageBoxShown() {
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (dynamic_cast<TlxMessageForm*>(Screen->Forms(i)) && Screen->Forms(i)->Visible()) return true;
        return false;
    }

    TlxSkinOpenPictureDialog* Dialog = nullptr;
};

} // namespace

TEST_F(TlxSkinOpenPictureDialogTest, PreviewsEachPictureKindAndNoPreviewForAnythingElse) {
    Dialog->SetFileName(Home + "/p/");
    Dialog->SetFilter("All files|*.*");
    struct TCase {
        const char* Name;
        bool Preview;
    };
    const TCase cases[] = {
        {"a.bmp", true},       {"b.jpg", true},     {"c.png", true},      {"d.gif", true},
        {"broken.png", false}, {"fake.bmp", false}, {"notes.txt", false}, {"pipe", false},
    };
    std::string afterFolder;
    bool boxShown = false;
    const bool ok = Run([&](TlxOpenPictureDlgForm* f) {
        for (const TCase& c : cases) {
            SCOPED_TRACE(c.Name);
            f->FileListView->SetItemIndex(Row(f->FileListView, c.Name));
            Session.Pump();
            boxShown = boxShown || MessageBoxShown();
            EXPECT_EQ(f->FileNameEdit->Text(), c.Name);
            EXPECT_EQ(f->NoPreview(), !c.Preview);
            EXPECT_EQ(f->NoPreviewLabel->Caption(), "no preview");
            EXPECT_EQ(f->Image->Visible(), c.Preview);
            if (c.Preview) {
                EXPECT_EQ(f->Image->Picture()->Width(), 12);
                EXPECT_EQ(f->Image->BoundsRect(), (TRect{0, 0, 12, 8}));
            }
        }
        f->FileListView->SetItemIndex(Row(f->FileListView, "sub"));
        afterFolder = f->FileNameEdit->Text();
        EXPECT_FALSE(f->Image->Visible() && f->Image->Width() > 0)
            << "a folder shrinks the preview to nothing";
        EXPECT_FALSE(f->NoPreview());
        f->FileListView->SetItemIndex(Row(f->FileListView, "c.png"));
        Session.Click(Centre(f->OpenButton));
    });
    EXPECT_TRUE(ok);
    EXPECT_FALSE(boxShown) << "no error box for a file that is no picture";
    EXPECT_TRUE(Errors.empty());
    EXPECT_EQ(afterFolder, "");
    EXPECT_EQ(Dialog->FileName(), Home + "/p/c.png");
}

TEST_F(TlxSkinOpenPictureDialogTest, DefaultsAndTheDefaultFilterListOnlyItsKinds) {
    WriteFile("p/e.ico");
    WriteFile("p/f.wmf");
    Dialog->SetFileName(Home + "/p/");
    std::vector<std::string> names;
    std::string caption;
    TSize client;
    int panelWidth = 0;
    Run([&](TlxOpenPictureDlgForm* f) {
        names = Names(f->FileListView);
        caption = f->Caption();
        client = {f->ClientWidth(), f->ClientHeight()};
        panelWidth = f->ImagePanel->Width();
        EXPECT_LT(f->Splitter->Left(), f->ImagePanel->Left());
        EXPECT_LT(f->FileListViewPanel->Left(), f->Splitter->Left());
        EXPECT_LT(f->StretchButton->Left(), f->StyleToolButton->Left());
        EXPECT_GT(f->StretchButton->Left(), f->NewFolderToolButton->Left());
        f->SetModalResult(mrCancel);
    });
    EXPECT_EQ(names, (std::vector<std::string>{"sub", "a.bmp", "e.ico", "f.wmf", "fake.bmp"}));
    EXPECT_EQ(caption, "Open picture");
    EXPECT_EQ(client, (TSize{550, 290}));
    EXPECT_EQ(panelWidth, 190);
    EXPECT_EQ(Dialog->AlphaBlendValue(), 200);
}

TEST_F(TlxSkinOpenPictureDialogTest, StretchStateAndPanelWidthAreRemembered) {
    Dialog->SetFileName(Home + "/p/c.png");
    Dialog->SetFilter("Pictures|*.png");
    TRect stretched;
    Run([&](TlxOpenPictureDlgForm* f) {
        EXPECT_FALSE(f->StretchButton->Down());
        EXPECT_FALSE(f->NoPreview()) << "the offered file is previewed";
        EXPECT_EQ(f->Image->Width(), 12);
        Session.Click(Centre(f->StretchButton));
        Session.Pump();
        stretched = f->Image->BoundsRect();
        const TPoint grip = Centre(f->Splitter);
        Session.Drag(grip, {grip.X - 40, grip.Y});
        Session.Pump();
        f->SetModalResult(mrCancel);
    });
    EXPECT_TRUE(Dialog->DialogStretch());
    EXPECT_EQ(Dialog->ImagePanelWidth(), 230);
    EXPECT_GT(stretched.Width(), 100) << "a stretched picture fills the box";

    struct TCase {
        bool StretchPicture, Clicked, DownAtOpen, Remembered;
    };
    for (const TCase c : {TCase{false, true, true, false}, TCase{false, false, false, false},
                          TCase{true, false, true, true}, TCase{true, true, true, false}}) {
        SCOPED_TRACE(testing::Message() << c.StretchPicture << c.Clicked);
        Dialog->SetStretchPicture(c.StretchPicture);
        bool down = false;
        int width = 0;
        TRect bounds;
        Run([&](TlxOpenPictureDlgForm* f) {
            down = f->StretchButton->Down();
            width = f->ImagePanel->Width();
            if (c.Clicked) {
                Session.Click(Centre(f->StretchButton));
                Session.Pump();
                bounds = f->Image->BoundsRect();
            }
            f->SetModalResult(mrCancel);
        });
        EXPECT_EQ(down, c.DownAtOpen);
        EXPECT_EQ(width, 230);
        if (c.Clicked && !c.StretchPicture) {
            EXPECT_EQ(bounds, (TRect{0, 0, 12, 8})) << "unstretched again";
        }
        EXPECT_EQ(Dialog->DialogStretch(), c.Remembered);
    }
}

TEST_F(TlxSkinOpenPictureDialogTest, AnOfferedFileThatIsNoPictureOpensWithNoPreview) {
    Dialog->SetFileName(Home + "/p/broken.png");
    bool noPreview = false;
    const bool ok = Run([&](TlxOpenPictureDlgForm* f) {
        noPreview = f->NoPreview();
        f->SetModalResult(mrCancel);
    });
    EXPECT_FALSE(ok);
    EXPECT_TRUE(noPreview);
}

TEST_F(TlxSkinOpenPictureDialogTest, TheSaveVariantAddsTheSelectedFiltersExtensionAndAsksOnThatName) {
    Dialog->Free();
    auto* save = new TlxSkinSavePictureDialog(Form);
    Dialog = save;
    WriteFile("p/snap.bmp");
    save->SetFilter("Bitmaps|*.bmp|JPEG pictures|*.jpg");
    save->SetOverwritePromt(true);
    for (int index : {1, 2}) {
        save->SetFileName(Home + "/p/");
        save->SetFilterIndex(index);
        std::string caption, button;
        bool asked = false;
        std::vector<TDialogStep> question;
        if (index == 1)
            question.push_back(OnForm<TlxMessageForm>([&](TlxMessageForm* m) {
                asked = true;
                m->SetModalResult(mrOk);
            }));
        const bool ok = Run(
            [&](TlxOpenPictureDlgForm* f) {
                caption = f->Caption();
                button = f->OpenButton->Caption();
                f->FileNameEdit->SetText("snap");
                Session.Click(Centre(f->OpenButton));
            },
            std::move(question));
        EXPECT_TRUE(ok);
        EXPECT_EQ(asked, index == 1) << "only snap.bmp exists";
        EXPECT_EQ(caption, "Save file");
        EXPECT_EQ(button, "&Save");
        EXPECT_EQ(save->FileName(), Home + (index == 1 ? "/p/snap.bmp" : "/p/snap.jpg"));
    }
}

TEST_F(TlxSkinOpenPictureDialogTest, GoldenDialogInTheBuiltInLookAndTheTestSkin) {
    WriteFile("p/big.png", EncodePng(Quarters(120, 80), false));
    Dialog->SetFileName(Home + "/p/big.png");
    Dialog->SetFilter("Pictures|*.bmp;*.png|All files|*.*");
    for (bool skinned : {false, true}) {
        SCOPED_TRACE(skinned ? "test skin" : "built-in");
        if (skinned) {
            TlxSkinData* skinData = NewDialogTestSkin(Form);
            Dialog->SetSkinData(skinData);
            Dialog->SetCtrlSkinData(skinData);
        }
        TBitmap shot;
        Run([&](TlxOpenPictureDlgForm* f) {
            Session.Pump();
            shot = Session.WindowShot(f->Handle());
            f->SetModalResult(mrCancel);
        });
        EXPECT_TRUE(MatchesGolden(
            shot, std::string("skin/dialogs/picture/dialog-") + (skinned ? "test-skin" : "built-in"), 8));
    }
}
