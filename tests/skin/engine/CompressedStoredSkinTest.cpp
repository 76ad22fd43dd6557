#include "SkinFixtures.h"
#include "SkinStreams.h"

#include "platform/base/Exception.h"
#include "platform/base/IniFile.h"
#include "platform/base/MemoryStream.h"
#include "platform/gdi/ImageCodecs.h"
#include "skin/engine/CompressedStoredSkin.h"
#include "skin/engine/SkinFolder.h"
#include "skin/engine/SkinImage.h"
#include "skin/engine/SkinStore.h"
#include "skin/engine/ZlibStream.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>

namespace {

std::string Pixels(const TBitmap& b) {
    return std::string(reinterpret_cast<const char*>(b.Bits()), size_t(b.Width() * b.Height()) * 4);
}

// Loads a compressed skin stream into a stored skin and parses it into a
// staged content; what a skin data object does.
bool LoadAll(const std::string& bytes, TlxCompressedStoredSkin& stored, TlxSkinContent& content) {
    TStringStream in(bytes);
    stored.LoadFromCompressStream(in);
    return stored.ReadContent(content);
}

// Loads the skin folder File and checks that it equals Expected: the same
// description text and the same pixels.
void ExpectSameSkin(const std::string& File, TlxSkinContent& Expected) {
    TlxSkinContent loaded;
    ASSERT_TRUE(LoadSkinFolder(File, loaded, ReadSkinBitmap));
    TMemIniFile a(""), b("");
    Expected.WriteSkinIni(a);
    loaded.WriteSkinIni(b);
    EXPECT_EQ(a.Text(), b.Text());
    EXPECT_EQ(Pixels(*loaded.FPicture), Pixels(*Expected.FPicture));
    EXPECT_EQ(Pixels(*loaded.FMask), Pixels(*Expected.FMask));
    EXPECT_TRUE(loaded.FInActivePicture->Empty());
    ASSERT_EQ(loaded.FActivePictures.size(), Expected.FActivePictures.size());
    for (size_t i = 0; i < loaded.FActivePictures.size(); ++i)
        EXPECT_EQ(Pixels(*loaded.FActivePictures[i]), Pixels(*Expected.FActivePictures[i]));
}

} // namespace

TEST(TlxCompressedStoredSkin, EmptyStoredSkinLayout) {
    TempFolder folder;
    TlxCompressedStoredSkin stored(nullptr);
    EXPECT_TRUE(stored.Empty());
    TMemoryStream out;
    stored.SaveToCompressStream(out);
    EXPECT_EQ(std::string(static_cast<const char*>(out.Memory()), size_t(out.Size())),
              std::string("\3\0\0\0\0\0\0\0", 8));
    stored.SaveToCompressFile(folder.File("e.skn"));
    EXPECT_FALSE(std::filesystem::exists(folder.File("e.skn")));
    TlxSkinContent content;
    out.SetPosition(0);
    stored.LoadFromCompressStream(out);
    EXPECT_TRUE(stored.Empty());
    EXPECT_FALSE(stored.ReadContent(content));
}

TEST(TlxCompressedStoredSkin, ReadsFromTheStartAndAcceptsVersion2AndDropsHigherVersions) {
    // A stream positioned in its middle is read from offset 0.
    TStringStream in(Head(3, Deflate(GoodImage())));
    in.SetPosition(11);
    TlxCompressedStoredSkin stored(nullptr);
    stored.LoadFromCompressStream(in);
    TlxSkinContent content;
    ASSERT_TRUE(stored.ReadContent(content));
    EXPECT_EQ(content.FPicture->Width(), 4);
    EXPECT_TRUE(content.FInActivePicture->Empty());
    ASSERT_EQ(content.FActivePictures.size(), 2u);
    EXPECT_EQ(content.FActivePictures[1]->Height(), 5);

    // Version 2 carries two more flagged pictures after the mask, dropped.
    const std::string v2 = Int(2) + '\1' + '\1' + '\1' + '\0' + Bmp(3, 3) + '\1' + Int(1) + Bmp(2, 2) +
                           Pictures("activepicturescount=1\r\n0=a.bmp\r\n");
    TlxSkinContent c2;
    ASSERT_TRUE(LoadAll(Head(3, Deflate(v2)), stored, c2));
    ASSERT_EQ(c2.FActivePictures.size(), 1u);
    EXPECT_EQ(c2.FActivePictures[0]->Width(), 2);
    EXPECT_TRUE(c2.FPicture->Empty());

    // Version 4 in the head: empty stored skin; inside the image: nothing read.
    TlxSkinContent c3;
    EXPECT_FALSE(LoadAll(Head(4, Deflate(GoodImage())), stored, c3));
    EXPECT_TRUE(stored.Empty());
    EXPECT_FALSE(LoadAll(Head(3, Deflate(Int(4) + GoodImage().substr(4))), stored, c3));
    EXPECT_FALSE(stored.Empty());
    EXPECT_TRUE(c3.FActivePicturesNames.Count() == 0 && c3.FPicture->Empty());
    EXPECT_TRUE(content.FActivePictures.size() == 2u && content.FActivePicturesNames.Count() == 2);
}

TEST(TlxCompressedStoredSkin, MalformedInputsFailAndChangeNothing) {
    const std::string zgood = Deflate(GoodImage());
    for (const auto& c : MalformedSkinStreams()) {
        SCOPED_TRACE(c.What);
        TlxCompressedStoredSkin stored(nullptr);
        TStringStream previous(Head(3, zgood));
        stored.LoadFromCompressStream(previous);
        const std::string before(static_cast<const char*>(stored.CompressedStream().Memory()),
                                 size_t(stored.CompressedStream().Size()));
        TlxSkinContent content;
        content.SkinName = "previous";
        bool threw = false;
        try {
            TStringStream in(c.Bytes);
            stored.LoadFromCompressStream(in);
            stored.ReadContent(content);
        } catch (const Exception&) {
            threw = true;
        }
        EXPECT_TRUE(threw);
        // A failure in the head keeps the stored bytes; no failure touches
        // the content.
        const std::string what = c.What;
        if (what == "no head" || what == "head of 7 bytes" || what.starts_with("version") ||
            what == "negative count" || what == "count beyond the data") {
            EXPECT_EQ(std::string(static_cast<const char*>(stored.CompressedStream().Memory()),
                                  size_t(stored.CompressedStream().Size())),
                      before);
        }
        EXPECT_EQ(content.SkinName, "previous");
    }
}

TEST(TlxCompressedStoredSkin, FolderToSknAndBackKeepsValuesAndPixels) {
    TempFolder folder;
    const std::string ini = folder.File("skin.ini");
    WriteTextFile(ini, SkinText("[BUTTON1]\r\npictureindex=1\r\n", "count=0\r\n",
                                "count=1\r\n0=button:BUTTON1\r\n", "borderwidth=3\r\n",
                                "picture=f.bmp\r\ninactivepicture=\r\nmask=m.bmp\r\n"
                                "activepicturescount=2\r\n0=a.bmp\r\n1=b.bmp\r\n"));
    int n = 0;
    for (const char* name : {"f.bmp", "m.bmp", "a.bmp", "b.bmp"}) {
        TBitmap b(3 + n, 2 + n);
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x)
                b.ScanLine(y)[x] = 0xFF000000u | uint32_t(x * 40 + y * 7 + n * 1000);
        WriteTextFile(folder.File(name), EncodeBmp(b, 24));
        ++n;
    }
    TlxSkinContent original;
    ASSERT_TRUE(LoadSkinFolder(ini, original, ReadSkinBitmap));

    TlxCompressedStoredSkin stored(nullptr);
    ASSERT_TRUE(stored.LoadFromIniFile(ini));
    stored.SaveToCompressFile(folder.File("skin.skn"));
    TlxCompressedStoredSkin back(nullptr);
    back.LoadFromCompressFile(folder.File("skin.skn"));
    TlxSkinContent loaded;
    ASSERT_TRUE(back.ReadContent(loaded));

    TMemIniFile a(""), b("");
    original.WriteSkinIni(a);
    loaded.WriteSkinIni(b);
    EXPECT_EQ(a.Text(), b.Text());
    EXPECT_EQ(Pixels(*loaded.FPicture), Pixels(*original.FPicture));
    EXPECT_EQ(Pixels(*loaded.FMask), Pixels(*original.FMask));
    EXPECT_TRUE(loaded.FInActivePicture->Empty());
    ASSERT_EQ(loaded.FActivePictures.size(), 2u);
    for (size_t i = 0; i < 2; ++i)
        EXPECT_EQ(Pixels(*loaded.FActivePictures[i]), Pixels(*original.FActivePictures[i]));

    // Back to a folder, by the library and by the tool.
    std::filesystem::create_directory(folder.File("out"));
    StoreSkinToDisk(folder.File("out/skin.ini"), loaded);
    ExpectSameSkin(folder.File("out/skin.ini"), original);
    EXPECT_EQ(RunSkintool("pack " + folder.Path() + "/skin.ini " + folder.File("tool.skn")).Status, 0);
    EXPECT_EQ(RunSkintool("unpack " + folder.File("tool.skn") + " " + folder.File("tool")).Status, 0);
    ExpectSameSkin(folder.File("tool/skin.ini"), original);
    EXPECT_NE(RunSkintool("unpack " + folder.File("missing.skn") + " " + folder.File("x")).Status, 0);

    // A folder that is no skin description keeps what was stored.
    WriteTextFile(folder.File("no.ini"), "[VERSION]\r\nver=1\r\n");
    EXPECT_FALSE(back.LoadFromIniFile(folder.File("no.ini")));
    EXPECT_FALSE(back.Empty());
}
