#include "SkinDataRecorder.h"
#include "SkinFixtures.h"
#include "SkinStreams.h"

#include "platform/base/Exception.h"
#include "platform/base/IniFile.h"
#include "platform/gdi/ImageCodecs.h"
#include "skin/engine/CompressedStoredSkin.h"
#include "skin/engine/SkinError.h"

#include <filesystem>

namespace {

std::string Pixels(const TBitmap& b) {
    return std::string(reinterpret_cast<const char*>(b.Bits()), size_t(b.Width() * b.Height()) * 4);
}

void WritePatternBmp(const std::string& path, int w, int h, int seed) {
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.ScanLine(y)[x] = 0xFF000000u | uint32_t(x * 37 + y * 11 + seed * 1000);
    WriteTextFile(path, EncodeBmp(b, 24));
}

std::string DescriptionText(TlxSkinContent& c) {
    TMemIniFile ini("");
    c.WriteSkinIni(ini);
    return ini.Text();
}

// A previous skin that must survive every failed load untouched.
void ExpectPrevious(TlxSkinData& sd) {
    EXPECT_FALSE(sd.Empty);
    EXPECT_FALSE(sd.ChangeSkinDataProcess);
    EXPECT_EQ(sd.SkinName, "Previous");
    EXPECT_EQ(sd.GetControlIndex("BTN"), 0);
    EXPECT_EQ(sd.FActivePictures.size(), 1u);
    EXPECT_EQ(sd.FActivePicturesNames.Count(), 1);
}

} // namespace

TEST_F(TlxSkinDataForms, AFreshObjectHoldsNoSkin) {
    TRecordingForm* form = MakeForm("F");
    auto* sd = new TlxSkinData(form);
    EXPECT_TRUE(sd->Empty);
    EXPECT_FALSE(sd->ChangeSkinDataProcess);
    EXPECT_EQ(sd->GetControlIndex("BTN"), -1);
    EXPECT_EQ(sd->GetIndex("anything"), -1);
    EXPECT_EQ(sd->SkinColors()->cBtnFace(), 0u);
    EXPECT_EQ(sd->BGPictureIndex, -1);
    EXPECT_EQ(sd->MDIBGPictureIndex, -1);
    EXPECT_EQ(sd->FormMinWidth, 0);
    EXPECT_TRUE(sd->SkinnableForm() && sd->EnableSkinEffects() && sd->ShowButtonGlowFrames() &&
                sd->ShowCaptionButtonGlowFrames() && sd->ShowLayeredBorders());
    EXPECT_FALSE(sd->AnimationForAllWindows());
    EXPECT_EQ(sd->SkinIndex(), 0);
    EXPECT_EQ(sd->SkinList(), nullptr);
    // Clearing puts the system colours in.
    sd->ClearSkin();
    EXPECT_NE(sd->SkinColors()->cBtnFace(), 0u);
}

TEST_F(TlxSkinDataForms, AFailedLoadChangesNothingAndAnnouncesNothing) {
    TRecordingForm* form = MakeForm("F");
    auto* sd = new TlxSkinData(form);
    TlxCompressedStoredSkin* previous = new TlxCompressedStoredSkin(form);
    TStringStream in(NamedSkinStream("Previous"));
    previous->LoadFromCompressStream(in);
    ASSERT_TRUE(sd->LoadCompressedStoredSkin(previous));
    TlxSkinColors* colors = sd->SkinColors();
    TempFolder folder;

    for (const MalformedSkinStream& c : MalformedSkinStreams()) {
        SCOPED_TRACE(c.What);
        const std::string file = folder.File("bad.skn");
        WriteTextFile(file, c.Bytes);
        SkinMessageLog().clear();
        EXPECT_FALSE(sd->LoadFromCompressedFile(file));
        EXPECT_FALSE(sd->LastErrMsg().empty());
        EXPECT_EQ(LoggedMessages(), "");
        ExpectPrevious(*sd);
    }

    // Skin folders that cannot be read whole.
    WriteBmpFile(folder.File("a.bmp"), 2, 2);
    WriteTextFile(folder.File("notbmp.bmp"), "BMnot a picture");
    const struct {
        const char* What;
        std::string Pictures;
        std::string FormInfo;
    } folders[] = {
        {"a missing picture", "activepicturescount=2\r\n0=a.bmp\r\n1=missing.bmp\r\n", "borderwidth=0\r\n"},
        {"a picture that is no BMP", "picture=notbmp.bmp\r\nactivepicturescount=0\r\n", "borderwidth=0\r\n"},
        {"a picture outside the folder", "activepicturescount=1\r\n0=../a.bmp\r\n", "borderwidth=0\r\n"},
        {"a rectangle without digits", "activepicturescount=0\r\n", "clientrect=a,b,c,d\r\n"},
    };
    for (const auto& f : folders) {
        SCOPED_TRACE(f.What);
        const std::string ini = folder.File("skin.ini");
        WriteTextFile(ini, SkinText("", "count=0\r\n", "count=0\r\n", f.FormInfo, f.Pictures));
        SkinMessageLog().clear();
        EXPECT_FALSE(sd->LoadFromFile(ini));
        EXPECT_FALSE(sd->LastErrMsg().empty());
        EXPECT_EQ(LoggedMessages(), "");
        ExpectPrevious(*sd);
    }
    EXPECT_FALSE(sd->LoadFromFile(folder.File("none.ini")));
    ExpectPrevious(*sd);
    EXPECT_EQ(sd->SkinColors(), colors) << "the colour set keeps its identity";
}

TEST_F(TlxSkinDataForms, FolderToSknToFolderKeepsValuesAndPixels) {
    TempFolder folder;
    const std::string ini = folder.File("skin.ini");
    WriteTextFile(ini,
                  SkinText("[VERSION]\r\nskinname=Round\r\n[BTN]\r\npictureindex=1\r\n", "count=0\r\n",
                           "count=1\r\n0=BTN:button\r\n", "borderwidth=3\r\n",
                           "picture=f.bmp\r\nmask=m.bmp\r\nactivepicturescount=2\r\n0=a.bmp\r\n1=b.bmp\r\n"));
    int seed = 0;
    for (const char* name : {"f.bmp", "m.bmp", "a.bmp", "b.bmp"})
        WritePatternBmp(folder.File(name), 5, 3, seed++);

    TRecordingForm* form = MakeForm("F");
    auto* original = new TlxSkinData(form);
    ASSERT_TRUE(original->LoadFromFile(ini)) << original->LastErrMsg();
    original->SaveToCompressedFile(folder.File("round.skn"));
    auto* loaded = new TlxSkinData(form);
    ASSERT_TRUE(loaded->LoadFromCompressedFile(folder.File("round.skn"))) << loaded->LastErrMsg();
    std::filesystem::create_directory(folder.File("out"));
    loaded->StoreToDisk(folder.File("out/skin.ini"));
    auto* back = new TlxSkinData(form);
    ASSERT_TRUE(back->LoadFromFile(folder.File("out/skin.ini"))) << back->LastErrMsg();

    EXPECT_EQ(back->SkinName, "Round");
    EXPECT_EQ(back->BorderW, 3);
    EXPECT_EQ(DescriptionText(*back), DescriptionText(*original));
    EXPECT_EQ(Pixels(*back->FPicture), Pixels(*original->FPicture));
    EXPECT_EQ(Pixels(*back->FMask), Pixels(*original->FMask));
    EXPECT_TRUE(back->FInActivePicture->Empty());
    ASSERT_EQ(back->FActivePictures.size(), 2u);
    for (size_t i = 0; i < 2; ++i)
        EXPECT_EQ(Pixels(*back->FActivePictures[i]), Pixels(*original->FActivePictures[i]));
}

TEST_F(TlxSkinDataForms, NumberedPicturesAndTheirNamesStayInStep) {
    TempFolder folder;
    std::filesystem::create_directory(folder.File("sub"));
    WritePatternBmp(folder.File("a.bmp"), 2, 2, 1);
    WritePatternBmp(folder.File("sub/A.BMP"), 3, 3, 2);
    WritePatternBmp(folder.File("sub/b.bmp"), 4, 1, 3);
    WriteTextFile(folder.File("bad.bmp"), "BM?");
    TRecordingForm* form = MakeForm("F");
    auto* sd = new TlxSkinData(form);

    sd->AddBitMap(folder.File("a.bmp"));
    sd->AddBitMap(folder.File("sub/b.bmp"));
    ASSERT_EQ(sd->FActivePicturesNames.Count(), 2);
    EXPECT_EQ(sd->FActivePicturesNames[1], "b.bmp") << "the file-name part only";
    EXPECT_EQ(sd->FActivePictures[1]->Width(), 4);

    EXPECT_THROW(sd->AddBitMap(folder.File("sub/A.BMP")), ESkinError) << "the name is taken, ignoring case";
    EXPECT_THROW(sd->AddBitMap(folder.File("missing.bmp")), Exception);
    EXPECT_THROW(sd->AddBitMap(folder.File("bad.bmp")), Exception);
    EXPECT_EQ(sd->FActivePicturesNames.Count(), 2);
    EXPECT_EQ(sd->FActivePictures.size(), 2u);

    EXPECT_THROW(sd->DeleteBitMap(2), EListError);
    EXPECT_THROW(sd->DeleteBitMap(-1), EListError);
    sd->DeleteBitMap(0);
    ASSERT_EQ(sd->FActivePicturesNames.Count(), 1);
    EXPECT_EQ(sd->FActivePicturesNames[0], "b.bmp");
    EXPECT_EQ(sd->FActivePictures[0]->Width(), 4);
}
