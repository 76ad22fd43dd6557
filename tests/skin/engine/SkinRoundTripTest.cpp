#include "SkinFixtures.h"
#include "SkinStreams.h"

#include "platform/base/Exception.h"
#include "platform/base/IniFile.h"
#include "platform/base/MemoryStream.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/gdi/TBitmap.h"
#include "skin/engine/CompressedStoredSkin.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinError.h"
#include "skin/engine/SkinFolder.h"
#include "skin/engine/SkinImage.h"
#include "skin/engine/SkinStore.h"
#include "skin/engine/ZlibStream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace {

std::string WrittenText(TlxSkinContent& content) {
    TMemIniFile ini("");
    content.WriteSkinIni(ini);
    return ini.Text();
}

TlxSkinContent ReadText(const std::string& text) {
    TMemIniFile ini("");
    ini.SetText(text);
    TlxSkinContent content;
    content.ReadSkinIni(ini);
    return content;
}

// FORMINFO geometries with a mask that the reading corrections change: corner
// points outside the client rectangle, hit-test points with a zero
// coordinate, a mask area apart from the client rectangle.
const char* const kMaskedFormInfos[] = {
    "clientrect=10,10,90,90\r\nlefttoppoint=2,3\r\nrighttoppoint=95,4\r\nleftbottompoint=1,99\r\n"
    "rightbottompoint=97,98\r\n",
    "clientrect=10,10,90,90\r\nlefttoppoint=2,3\r\nrightbottompoint=97,98\r\nhittestlefttoppoint=0,5\r\n"
    "hittestrightbottompoint=96,0\r\nmaskrectarea=20,0,30,95\r\n",
    "clientrect=10,10,90,90\r\nlefttoppoint=0,3\r\nrightbottompoint=0,98\r\n",
    "clientrect=50,50,10,10\r\nlefttoppoint=60,5\r\nrighttoppoint=5,60\r\nleftbottompoint=60,60\r\n"
    "rightbottompoint=70,70\r\n",
    "clientrect=4,20,96,76\r\nlefttoppoint=4,20\r\nrightbottompoint=4,76\r\n",
};

} // namespace

TEST(SkinRoundTrip, SavingAMaskedSkinReadsBackTheSame) {
    std::vector<std::string> formInfos(std::begin(kMaskedFormInfos), std::end(kMaskedFormInfos));
    // And random geometries, corners and client rectangle anywhere.
    std::mt19937 random(25);
    auto n = [&] { return std::to_string(random() % 12); };
    auto point = [&] { return n() + "," + n(); };
    for (int i = 0; i < 300; ++i)
        formInfos.push_back("clientrect=" + n() + "," + n() + "," + n() + "," + n() +
                            "\r\nlefttoppoint=" + point() + "\r\nrighttoppoint=" + point() +
                            "\r\nleftbottompoint=" + point() + "\r\nrightbottompoint=" + point() +
                            "\r\nhittestlefttoppoint=" + point() + "\r\nhittestrightbottompoint=" + point() +
                            "\r\nmaskrectarea=" + n() + "," + n() + "," + n() + "," + n() + "\r\n");
    for (const std::string& formInfo : formInfos) {
        SCOPED_TRACE(formInfo);
        TlxSkinContent first =
            ReadText(SkinText("", "count=0\r\n", "count=0\r\n", formInfo, "mask=m.bmp\r\n"));
        const std::string written = WrittenText(first);
        TlxSkinContent second = ReadText(written);
        ASSERT_EQ(WrittenText(second), written);
    }
}

namespace {

void Pack(const std::string& ini, const std::string& skn) {
    TlxCompressedStoredSkin stored(nullptr);
    ASSERT_TRUE(stored.LoadFromIniFile(ini));
    stored.SaveToCompressFile(skn);
}

void Unpack(const std::string& skn, const std::string& folder) {
    TlxCompressedStoredSkin stored(nullptr);
    stored.LoadFromCompressFile(skn);
    TlxSkinContent content;
    ASSERT_TRUE(stored.ReadContent(content));
    std::filesystem::create_directory(folder);
    StoreSkinToDisk(folder + "/skin.ini", content);
}

} // namespace

TEST(SkinRoundTrip, PackUnpackAndSaveGiveIdenticalBytes) {
    bool first = true;
    for (const char* formInfo : kMaskedFormInfos) {
        SCOPED_TRACE(formInfo);
        TempFolder folder;
        WriteTextFile(
            folder.File("skin.ini"),
            SkinText("[b]\r\npictureindex=0\r\nmaskpictureindex=1\r\nskinrect=0,0,8,6\r\n", "count=0\r\n",
                     "count=1\r\n0=b:button\r\n", formInfo,
                     "picture=f.bmp\r\nmask=m.bmp\r\nactivepicturescount=2\r\n0=a.bmp\r\n1=am.bmp\r\n"));
        WriteTextFile(folder.File("f.bmp"), Bmp(20, 20, 0xFF336699));
        WriteTextFile(folder.File("m.bmp"), Bmp(20, 20, 0xFF000000));
        WriteTextFile(folder.File("a.bmp"), Bmp(8, 6, 0xFF123456));
        WriteTextFile(folder.File("am.bmp"), Bmp(8, 6, 0xFF000000));

        Pack(folder.File("skin.ini"), folder.File("1.skn"));
        Unpack(folder.File("1.skn"), folder.File("out"));
        Pack(folder.File("out/skin.ini"), folder.File("2.skn"));
        EXPECT_EQ(ReadTextFile(folder.File("2.skn")), ReadTextFile(folder.File("1.skn")));
        Unpack(folder.File("2.skn"), folder.File("out2"));
        EXPECT_EQ(ReadTextFile(folder.File("out2/skin.ini")), ReadTextFile(folder.File("out/skin.ini")));

        // The skin data object's own saving.
        TComponentPtr<TlxSkinData> sd(new TlxSkinData(nullptr));
        ASSERT_TRUE(sd->LoadFromCompressedFile(folder.File("1.skn"))) << sd->LastErrMsg();
        sd->SaveToCompressedFile(folder.File("3.skn"));
        EXPECT_EQ(ReadTextFile(folder.File("3.skn")), ReadTextFile(folder.File("1.skn")));
        sd->SaveToFile(folder.File("saved.ini"));
        ASSERT_TRUE(sd->LoadFromFile(folder.File("out/skin.ini"))) << sd->LastErrMsg();
        sd->SaveToFile(folder.File("again.ini"));
        EXPECT_EQ(ReadTextFile(folder.File("again.ini")), ReadTextFile(folder.File("saved.ini")));

        // The tool packs and unpacks alike (once: it runs the same library).
        if (!first) continue;
        first = false;
        ASSERT_EQ(RunSkintool("pack " + folder.File("skin.ini") + " " + folder.File("t1.skn")).Status, 0);
        EXPECT_EQ(ReadTextFile(folder.File("t1.skn")), ReadTextFile(folder.File("1.skn")));
        ASSERT_EQ(RunSkintool("unpack " + folder.File("t1.skn") + " " + folder.File("tout")).Status, 0);
        EXPECT_EQ(ReadTextFile(folder.File("tout/skin.ini")), ReadTextFile(folder.File("out/skin.ini")));
    }
}

// The reader's limits hold for every writer: what validates and packs loads.
TEST(SkinImageLimits, OversizePicturesAreRefusedAlikeByTheValidatorThePackerAndTheReader) {
    struct {
        const char* what;
        const char* pictures; // PICTURES lines naming "big.bmp"
        int w, h;
        std::string image; // the skin image as a packer would have written it
        const char* message;
    } cases[] = {
        {"frame picture too wide", "picture=big.bmp\r\n", 8193, 1,
         Int(3) + '\0' + Bmp(8193, 1) + '\1' + '\1' + Int(0) + Pictures("picture=big.bmp\r\n"),
         "skin image: the frame picture is 8193x1 pixels; a skin picture has 1 to 8192 pixels on each side"},
        {"mask too high", "mask=big.bmp\r\n", 2, 8193,
         Int(3) + '\1' + '\1' + '\0' + Bmp(2, 8193) + Int(0) + Pictures("mask=big.bmp\r\n"),
         "skin image: the mask is 2x8193 pixels"},
        {"numbered picture too wide", "activepicturescount=2\r\n0=a.bmp\r\n1=big.bmp\r\n", 9000, 2,
         Int(3) + '\1' + '\1' + '\1' + Int(2) + Bmp(2, 2) + Bmp(9000, 2) +
             Pictures("activepicturescount=2\r\n0=a.bmp\r\n1=big.bmp\r\n"),
         "skin image: picture 1 is 9000x2 pixels"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        WriteTextFile(folder.File("skin.ini"), Pictures(c.pictures));
        WriteTextFile(folder.File("a.bmp"), Bmp(2, 2));
        WriteTextFile(folder.File("big.bmp"), Bmp(c.w, c.h));

        const SkintoolRun validate = RunSkintool("validate " + folder.Path());
        EXPECT_EQ(validate.Status, 1);
        EXPECT_NE(validate.Output.find(c.message), std::string::npos) << validate.Output;
        const SkintoolRun pack = RunSkintool("pack " + folder.Path() + " " + folder.File("s.skn"));
        EXPECT_EQ(pack.Status, 1);
        EXPECT_NE(pack.Output.find(c.message), std::string::npos) << pack.Output;
        EXPECT_FALSE(std::filesystem::exists(folder.File("s.skn")));

        TStringStream in(c.image);
        TlxSkinContent content;
        try {
            ReadSkinImage(in, content);
            ADD_FAILURE() << "the reader took it";
        } catch (const ESkinError& e) {
            EXPECT_NE(e.Message().find(c.message), std::string::npos) << e.Message();
        }
    }
}

TEST(SkinImageLimits, AnImageTheReaderWouldNotInflateIsNotWritten) {
    TlxSkinContent content;
    content.FActivePicturesNames.Add("big.bmp");
    content.FActivePictures.push_back(std::make_unique<TBitmap>(8192, 2800)); // about 69 MB as a 24-bit BMP
    TMemoryStream out;
    try {
        WriteSkinImage(content, out);
        ADD_FAILURE() << "written";
    } catch (const ECompressionError& e) {
        EXPECT_EQ(e.Message(), InflateLimitText());
    }
    EXPECT_EQ(out.Size(), 0);

    // The reader's refusal, shown at a small limit, says the same.
    TStringStream packed(Deflate(std::string(5000, '\0')));
    TMemoryStream inflated;
    try {
        DecompressStream(inflated, packed, 4096);
        ADD_FAILURE() << "inflated";
    } catch (const EDecompressionError& e) {
        EXPECT_EQ(e.Message(), InflateLimitText(4096));
    }
    EXPECT_EQ(InflateLimitText(), "the skin data inflates to more than 64 MiB");
}
