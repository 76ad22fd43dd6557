#include "app/startup/TProgramStartup.h"

#include "app/TForm1.h"
#include "app/settings/ProgramSettings.h"
#include "app/settingsform/TSettingsFormModel.h"
#include "app/startup/TForm2.h"
#include "app/startup/TForm5.h"
#include "app/startup/TForm6.h"
#include "app/startup/TForm7.h"
#include "platform/vcl/TClassRegistry.h"
#include "platform/vcl/TImage.h"
#include "resources/pictures/EmbeddedPictures.h"
#include "skin/controls/TlxSkinCustomComboBox.h"
#include "skin/controls/TlxSkinCustomOfficeComboBox.h"
#include "skin/engine/SkinData.h"
#include "skin/windows/TlxLumivex.h"
#include "tests/app/startup/StartupFixture.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/SkinnedControls.h"

#include <functional>
#include <stdexcept>
#include <vector>

using Strings = std::vector<std::string>;

namespace {

class TProgramStartupTest : public StartupFixture {
protected:
    TProgramStartupTest() {
        Startup.OnFormCreated = [this](TCustomForm* form) {
            Created.push_back(form->ClassName());
            SplashAtCreation.push_back(Startup.Splash() && Startup.Splash()->Visible());
            if (form->ClassName() == FailOn) throw std::runtime_error("the form description is damaged");
            // The next form's OnCreate fails: it reads settings that are not there.
            if (form->ClassName() == "TForm2" && FailInOnCreate) SetProgramSettings(nullptr);
            if (form->ClassName() == "TForm1") Session.Skip(SlowMainWindowMs);
        };
        Startup.OnFailure = [this](const std::string& message) { Failures.push_back(message); };
    }
    ~TProgramStartupTest() override {
        for (TCustomForm* form :
             {static_cast<TCustomForm*>(Startup.Form6), static_cast<TCustomForm*>(Startup.Form5),
              static_cast<TCustomForm*>(Startup.Form2), static_cast<TCustomForm*>(Startup.Form1)})
            if (form) form->Free();
    }

    TProgramStartup Startup;
    Strings Created;
    std::vector<bool> SplashAtCreation;
    Strings Failures;
    std::string FailOn;
    bool FailInOnCreate = false;
    uint64_t SlowMainWindowMs = 0;

    // Every form of the program, its skinned controls (but the main
    // window's, which are its own tests') and the skinned dialog components
    // on them follow the main window's skin data.
    void ExpectEveryFormFollowsTheMainWindowsSkin() {
        TlxSkinData* skin = Startup.Form1->lxSkinData1;
        ASSERT_NE(skin, nullptr);
        int dialogs = 0;
        for (TCustomForm* form :
             {static_cast<TCustomForm*>(Startup.Form1), static_cast<TCustomForm*>(Startup.Form2),
              static_cast<TCustomForm*>(Startup.Form5), static_cast<TCustomForm*>(Startup.Form6)}) {
            SCOPED_TRACE(form->ClassName());
            ASSERT_NE(FindFormSkinComponent(form), nullptr);
            EXPECT_EQ(FindFormSkinComponent(form)->SkinData(), skin);
            if (form != Startup.Form1) EXPECT_EQ(ControlsPaintingBuiltIn(form, skin), Strings{});
            for (int i = 0; i < form->ComponentCount(); ++i) {
                TComponent* component = form->Components(i);
                const TClassInfo* info = ClassRegistry().ClassOf(component);
                const TPropInfo* ctrlSkin = info ? info->FindProperty("CtrlSkinData") : nullptr;
                if (!ctrlSkin) continue;
                ++dialogs;
                EXPECT_EQ(ctrlSkin->GetRef(static_cast<TPersistent*>(component)), skin)
                    << component->ClassName();
            }
        }
        EXPECT_GT(dialogs, 0) << "the main window's message box at least";
    }
};

} // namespace

TEST_F(TProgramStartupTest, TheSplashShowsWhileTheFormsAreMadeInOrderAndGoesAfterASecond) {
    ASSERT_TRUE(Startup.CreateForms());
    EXPECT_EQ(Created, (Strings{"TForm7", "TForm1", "TForm2", "TForm5", "TForm6"}));
    EXPECT_EQ(SplashAtCreation, (std::vector<bool>{false, true, true, true, true}))
        << "shown at once, before the first form of the program";
    EXPECT_EQ(Application->MainForm(), Startup.Form1) << "the splash is no main form";
    EXPECT_EQ(Application->Title(), "DuvavudeZaruvove");
    EXPECT_EQ(Application->HelpFile(), "help.chm");
    for (TCustomForm* form :
         {static_cast<TCustomForm*>(Startup.Form1), static_cast<TCustomForm*>(Startup.Form2),
          static_cast<TCustomForm*>(Startup.Form5), static_cast<TCustomForm*>(Startup.Form6)})
        EXPECT_FALSE(form->Visible()) << form->ClassName();

    // Painted before any message was handled: its surface holds the picture.
    TForm7* splash = Startup.Splash();
    ASSERT_NE(splash, nullptr);
    const TPoint centred{Screen->Width() / 2 - 518 / 2, Screen->Height() / 2 - 335 / 2};
    EXPECT_EQ(splash->BoundsRect(), (TRect{centred.X, centred.Y, centred.X + 518, centred.Y + 335}));
    TBitmap picture;
    ASSERT_TRUE(LoadEmbeddedPicture("splash", picture));
    const TBitmap shot = Session.WindowShot(splash->Handle());
    for (TPoint p : {TPoint{10, 10}, TPoint{120, 130}, TPoint{400, 300}})
        EXPECT_EQ(shot.ScanLine(p.Y)[p.X] & 0xFFFFFF, picture.ScanLine(p.Y)[p.X] & 0xFFFFFF)
            << p.X << "," << p.Y;
    EXPECT_TRUE(MatchesGolden(shot, "app/startup/TForm7/splash"));

    Session.Advance(TProgramStartup::SplashMs - 1);
    ASSERT_EQ(Startup.Splash(), splash);
    EXPECT_TRUE(splash->Visible());
    Session.Advance(1);
    EXPECT_EQ(Startup.Splash(), nullptr);
    EXPECT_EQ(FormsOfClass("TForm7"), 0) << "hidden and freed";
    Startup.WaitForSplash(); // returns at once
}

// The splash time counts from its showing: a slow main window uses it up
// instead of adding to it.
TEST_F(TProgramStartupTest, CreatingTheFormsTakesNothingOnTopOfTheSplashTime) {
    SlowMainWindowMs = 400;
    ASSERT_TRUE(Startup.CreateForms());
    Session.Advance(TProgramStartup::SplashMs - SlowMainWindowMs - 1);
    EXPECT_NE(Startup.Splash(), nullptr);
    Session.Advance(1);
    EXPECT_EQ(Startup.Splash(), nullptr);
}

TEST_F(TProgramStartupTest, TheSettingsFormRunsItsStartUpHandlersOnceAndStaysHidden) {
    ASSERT_TRUE(Startup.CreateForms());
    Session.Advance(TProgramStartup::SplashMs);
    TForm6* form = Startup.Form6;
    EXPECT_EQ(form->CreateRuns(), 1);
    ASSERT_NE(form->Model(), nullptr);
    EXPECT_EQ(form->lxSkinOfficeComboBox2->Items()->Count(), 12);
    EXPECT_EQ(form->lxSkinOfficeComboBox2->ItemIndex(), 0);
    EXPECT_EQ(form->lxSkinOfficeComboBox1->Items()->Count(), 15) << "the first category's profiles";
    EXPECT_EQ(form->lxSkinOfficeComboBox1->ItemIndex(), 0);
    EXPECT_EQ(form->MainFields().All_Trant_Number, 100) << "the first profile's handler ran";
    EXPECT_FALSE(form->Visible());
}

TEST_F(TProgramStartupTest, AFormThatCannotBeMadeEndsTheStartWithAMessageAndNothingLeft) {
    for (const char* failing : {"TForm7", "TForm1", "TForm5", "TForm6"}) {
        SCOPED_TRACE(failing);
        FailOn = failing;
        Failures.clear();
        EXPECT_EQ(Startup.Run(), 1);
        ASSERT_EQ(Failures.size(), 1u);
        EXPECT_NE(Failures[0].find("the form description is damaged"), std::string::npos) << Failures[0];
        Session.Pump();
        for (const char* name : {"TForm7", "TForm1", "TForm2", "TForm5", "TForm6"})
            EXPECT_EQ(FormsOfClass(name), 0) << name;
        EXPECT_EQ(Application->MainForm(), nullptr);
        EXPECT_EQ(Startup.Splash(), nullptr);
    }
}

TEST_F(TProgramStartupTest, AFormWhoseOwnCreationFailsIsNotLeftBehind) {
    FailInOnCreate = true;
    EXPECT_EQ(Startup.Run(), 1);
    ASSERT_EQ(Failures.size(), 1u);
    EXPECT_NE(Failures[0].find("settings are not open"), std::string::npos) << Failures[0];
    for (const char* name : {"TForm7", "TForm1", "TForm2", "TForm5"})
        EXPECT_EQ(FormsOfClass(name), 0) << name;
}

// One set of options: what the options form reads at start and writes on
// OK is what the main window's conversion runs with.
TEST_F(TProgramStartupTest, TheMainWindowRunsWithTheOptionsTheOptionsFormKeeps) {
    Folder.Write("option.ini", "[Options]\nThread_Count=3\nShow_Preview=1\n");
    ASSERT_TRUE(Startup.CreateForms());
    EXPECT_EQ(Startup.Form1->Controller().ThreadCount, 3);
    Startup.Form5->lxSkinComboBox2->SetItemIndex(4);
    Startup.Form5->lxSkinButton6Click(nullptr);
    EXPECT_EQ(Startup.Form1->Controller().ThreadCount, 5);
    EXPECT_EQ(Startup.Form1->lxSkinComboBox7->Text(), "5") << "the page shows what the form wrote";

    Startup.Form1->lxSkinComboBox7->SetItemIndex(8); // the page's box, as the user picks "9"
    Startup.Form5->FormShow(nullptr);
    EXPECT_EQ(Startup.Form5->lxSkinComboBox2->Text(), "9") << "the form shows what the page wrote";
}

TEST_F(TProgramStartupTest, TheMainWindowOpensTheAboutBoxAndTheOptionsFormModally) {
    ASSERT_TRUE(Startup.CreateForms());
    Session.Advance(TProgramStartup::SplashMs);
    Startup.Form1->Show();
    Session.Pump();
    struct {
        TCustomForm* Form;
        std::function<void()> Open;
        std::function<void()> Close;
    } cases[] = {
        {Startup.Form2, [&] { Startup.Form1->N5Click(nullptr); },
         [&] { Startup.Form2->lxSkinButton1Click(nullptr); }},
        {Startup.Form5, [&] { Startup.Form1->N24Click(nullptr); },
         [&] { Startup.Form5->lxSkinButton1Click(nullptr); }},
        {Startup.Form5, [&] { Startup.Form1->lxSkinButton19Click(nullptr); },
         [&] { Startup.Form5->lxSkinButton6Click(nullptr); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Form->ClassName());
        bool shownModally = false;
        Application->OnIdle = [&](TObject*, bool& Done) {
            Done = false;
            Application->OnIdle = nullptr;
            shownModally = c.Form->Visible() && c.Form->FormState().Contains(fsModal);
            c.Close();
        };
        c.Open();
        Application->OnIdle = nullptr;
        EXPECT_TRUE(shownModally);
        EXPECT_FALSE(c.Form->Visible());
    }
}

// A skin the main window takes while it is made (the stored one) reaches the
// forms made after it; the first skin chosen later reaches every form and
// every skinned dialog component on them.
TEST_F(TProgramStartupTest, TheMainWindowsSkinReachesEveryFormOfTheProgramAndItsDialogs) {
    Startup.OnFormCreated = [this](TCustomForm* form) {
        if (form == Startup.Form1) Startup.Form1->ApplySkin(4);
    };
    ASSERT_TRUE(Startup.CreateForms());
    Session.Advance(TProgramStartup::SplashMs);
    ExpectEveryFormFollowsTheMainWindowsSkin();
}

TEST_F(TProgramStartupTest, TheStoredSkinAndTheNextOneChosenReachEveryFormOfTheProgramAndItsDialogs) {
    ASSERT_TRUE(Startup.CreateForms());
    Session.Advance(TProgramStartup::SplashMs);
    // The first start stores no skin yet: the first one.
    EXPECT_EQ(Startup.Form1->lxSkinData1->SkinIndex(), 0);
    ExpectEveryFormFollowsTheMainWindowsSkin();
    Startup.Form1->ApplySkin(7);
    ExpectEveryFormFollowsTheMainWindowsSkin();
    EXPECT_EQ(Startup.Form1->lxSkinData1->SkinIndex(), 7);
}
