// The about box, the options form and the settings form on the program's
// skin: their frames and every skinned control paint from it, and a skin
// change reaches them while they are open.

#include "app/ProgramSkin.h"
#include "app/settings/ProgramSettings.h"
#include "app/startup/TForm2.h"
#include "app/startup/TForm5.h"
#include "app/startup/TForm6.h"
#include "platform/base/MemoryStream.h"
#include "resources/skins/EmbeddedSkinList.h"
#include "skin/controls/TlxSkinCheckRadioBox.h"
#include "skin/engine/CompressedSkinList.h"
#include "skin/engine/CompressedStoredSkin.h"
#include "skin/engine/SkinData.h"
#include "skin/windows/TlxLumivex.h"
#include "tests/app/startup/StartupFixture.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/SkinnedControls.h"

#include <functional>
#include <memory>

namespace {

bool SamePixels(const TBitmap& a, const TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if ((a.ScanLine(y)[x] & 0xFFFFFF) != (b.ScanLine(y)[x] & 0xFFFFFF)) return false;
    return true;
}

class SkinnedFormsTest : public StartupFixture {
protected:
    SkinnedFormsTest() : FPreviousSettings(SetProgramSettings(&Settings)) {
        LoadEmbeddedSkinList(List);
        SkinData.SetSkinList(&List);
    }
    ~SkinnedFormsTest() override {
        // The forms first: they refer to the skin.
        for (TCustomForm* form : Forms)
            form->Free();
        SetProgramSettings(FPreviousSettings);
    }

    template <class T> T* Make() {
        T* form = TCustomForm::Create<T>(nullptr);
        Forms.push_back(form);
        return form;
    }
    TBitmap Shot(TCustomForm* form) {
        Session.Pump();
        return Session.WindowShot(form->Handle());
    }
    // A skin change the way the skin command makes it.
    void UseSkin(int index) {
        SkinData.SetSkinIndex(index);
        ASSERT_EQ(SkinData.SkinIndex(), index);
        ApplyProgramSkin(&SkinData);
        Session.Pump();
    }

    TlxCompressedSkinList List{nullptr};
    TlxSkinData SkinData{nullptr};
    std::vector<TCustomForm*> Forms;

private:
    TSettings* FPreviousSettings;
};

struct FormCase {
    const char* Name;
    std::function<TCustomForm*(SkinnedFormsTest&)> Make;
};

} // namespace

// Each secondary form, shown, under two skins: its picture differs from the
// built-in look and between the skins, its frame comes from the skin, and
// under every one of the eleven skins each skinned control finds its
// description.
TEST_F(SkinnedFormsTest, EveryFormPaintsFromEachSkinAndNoControlKeepsTheBuiltInLook) {
    const std::vector<std::pair<const char*, TCustomForm*>> forms = {
        {"about box", Make<TForm2>()}, {"options form", Make<TForm5>()}, {"settings form", Make<TForm6>()}};
    for (const auto& [name, form] : forms) {
        SCOPED_TRACE(name);
        ASSERT_NE(FindFormSkinComponent(form), nullptr) << "carries its form-skinning component";
        form->Show();
        const TBitmap builtIn = Shot(form);
        form->Hide();
        std::vector<TBitmap> skinned;
        for (int index = 0; index < List.Skins()->Count(); ++index) {
            SCOPED_TRACE(index);
            UseSkin(index);
            EXPECT_EQ(FindFormSkinComponent(form)->SkinData(), &SkinData);
            EXPECT_EQ(ControlsPaintingBuiltIn(form, &SkinData), std::vector<std::string>{});
            if (index != 3 && index != 10) continue;
            form->Show();
            skinned.push_back(Shot(form));
            form->Hide();
            EXPECT_FALSE(SamePixels(skinned.back(), builtIn));
        }
        ASSERT_EQ(skinned.size(), 2u);
        EXPECT_FALSE(SamePixels(skinned[0], skinned[1]));
        ApplyProgramSkin(nullptr); // back to the built-in look for the next form
    }
}

// With the options form open and the about box hidden, a skin change redraws
// the open form as a form made under the new skin looks, and the hidden one
// follows too; a skin that fails to load changes nothing anywhere.
TEST_F(SkinnedFormsTest, ASkinChangeReachesEveryOpenFormAndABadSkinChangesNothing) {
    TForm5* options = Make<TForm5>();
    TForm2* about = Make<TForm2>();
    UseSkin(1);
    options->Show();
    const TBitmap before = Shot(options);

    // Only the skin data changes: the forms follow its announcement.
    SkinData.SetSkinIndex(6);
    const TBitmap after = Shot(options);
    EXPECT_FALSE(SamePixels(before, after));
    TForm5* fresh = Make<TForm5>();
    ApplyProgramSkin(&SkinData);
    fresh->Show();
    EXPECT_TRUE(SamePixels(after, Shot(fresh))) << "the open form looks as one made under the new skin";
    fresh->Hide();
    EXPECT_EQ(ControlsPaintingBuiltIn(about, &SkinData), std::vector<std::string>{});

    // A damaged item: the load fails, the skin and every form stay.
    TStringStream damaged(std::string("\3\0\0\0\17\0\0\0not zlib at all", 23));
    List.Skins()->Add()->Skin()->LoadFromCompressStream(damaged);
    const std::string skinName = SkinData.SkinName;
    SkinData.SetSkinIndex(List.Skins()->Count() - 1);
    Session.Pump();
    EXPECT_EQ(SkinData.SkinIndex(), 6);
    EXPECT_EQ(SkinData.SkinName, skinName);
    EXPECT_FALSE(SkinData.LastErrMsg().empty()) << "the reason is kept to be told";
    EXPECT_TRUE(SamePixels(after, Shot(options)));
    EXPECT_EQ(ControlsPaintingBuiltIn(options, &SkinData), std::vector<std::string>{});
}

// The options form and the about box under a generated skin.
TEST_F(SkinnedFormsTest, OptionsFormAndAboutBoxUnderAGeneratedSkinMatchTheirGoldens) {
    TForm5* options = Make<TForm5>();
    TForm2* about = Make<TForm2>();
    UseSkin(0);
    options->Show();
    EXPECT_TRUE(MatchesGolden(Shot(options), "app/startup/TForm5/options-skinned"));
    about->Show();
    EXPECT_TRUE(MatchesGolden(Shot(about), "app/startup/TForm2/about-skinned"));
}
