#include "SkinFixtures.h"
#include "SkinStreams.h"

#include <gtest/gtest.h>

namespace {

// A skin image holding no pictures and the given description text.
std::string SknOf(const std::string& text) {
    return Head(3, Deflate(Int(3) + '\1' + '\1' + '\1' + Int(0) + text));
}

const std::string kButton = "count=1\r\n0=b:button\r\n";

} // namespace

// Every error names the file, and the section and key where there is one;
// validate and dump say the same.
TEST(SkintoolMessages, BrokenSkinsAreNamedByFileSectionAndKey) {
    struct {
        const char* what;
        std::string ini; // written as skin.ini when not empty
        std::string skn; // written as s.skn when not empty
        const char* message;
        bool picturesToo; // only validate reads the pictures of a folder
    } cases[] = {
        {"rectangle of one number", SkinText("[b]\r\nskinrect=5\r\n", "count=0\r\n", kButton), "",
         "skin.ini: [b] skinrect: '5' does not hold 4 comma-separated numbers", false},
        {"point of one number", SkinText("", "count=0\r\n", "count=0\r\n", "lefttoppoint=5\r\n"), "",
         "skin.ini: [FORMINFO] lefttoppoint: '5' does not hold 2 comma-separated numbers", false},
        {"rectangle field without digits",
         SkinText("", "count=0\r\n", "count=0\r\n", "clientrect=1,,2,3\r\n"), "",
         "skin.ini: [FORMINFO] clientrect: '' is not a valid integer value", false},
        {"picture name outside the folder",
         SkinText("", "count=0\r\n", "count=0\r\n", "borderwidth=0\r\n", "mask=../m.bmp\r\n"), "",
         "skin.ini: [PICTURES] mask: \"../m.bmp\" is not a plain picture file name", false},
        {"picture that is no bitmap",
         SkinText("", "count=0\r\n", "count=0\r\n", "borderwidth=0\r\n",
                  "activepicturescount=1\r\n0=bad.bmp\r\n"),
         "", "skin.ini: [PICTURES] 0: bad.bmp: ", true},
        {"missing picture",
         SkinText("", "count=0\r\n", "count=0\r\n", "borderwidth=0\r\n", "picture=none.bmp\r\n"), "",
         "skin.ini: [PICTURES] picture: none.bmp: ", true},
        {"corrupt compressed skin", "", Head(3, "not zlib"), "s.skn: compression error", false},
        {"rectangle in a compressed skin", "",
         SknOf(SkinText("[b]\r\nskinrect=1,2\r\n", "count=0\r\n", kButton)),
         "s.skn: [b] skinrect: '1,2' does not hold 4 comma-separated numbers", false},
        {"oversize picture in a compressed skin", "",
         Head(3, Deflate(Int(3) + '\1' + '\1' + '\1' + Int(1) + Bmp(9000, 2) +
                         Pictures("activepicturescount=1\r\n0=a.bmp\r\n"))),
         "s.skn: skin image: picture 0 is 9000x2 pixels", false},
        {"picture count against names", "", SknOf(Pictures("activepicturescount=1\r\n0=a.bmp\r\n")),
         "s.skn: [PICTURES] activepicturescount: names 1 pictures, but the skin image holds 0", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        WriteTextFile(folder.File("bad.bmp"), "BM but not a bitmap");
        std::string target;
        if (!c.ini.empty()) {
            target = folder.File("skin.ini");
            WriteTextFile(target, c.ini);
        } else {
            target = folder.File("s.skn");
            WriteTextFile(target, c.skn);
        }
        const std::string named = folder.Path() + "/" + c.message;
        const SkintoolRun validate = RunSkintool("validate " + target);
        EXPECT_EQ(validate.Status, 1);
        EXPECT_NE(validate.Output.find(named), std::string::npos) << validate.Output;
        if (c.picturesToo) continue;
        const SkintoolRun dump = RunSkintool("dump " + target);
        EXPECT_EQ(dump.Status, 1);
        EXPECT_NE(dump.Output.find("skintool: " + named), std::string::npos) << dump.Output;
    }
}

TEST(SkintoolMessages, LikelyMistakesAreWarnedOfWithoutFailing) {
    TempFolder folder;
    WriteTextFile(
        folder.File("skin.ini"),
        SkinText("[b]\r\npictureindex=0\r\nmaskpictureindex=1\r\nskinrect=-1,0,12,10\r\nmorphing=true\r\n"
                 "morphkind=mkslide\r\nfontstyle=fsbold,fsBold\r\nfontheight=ten\r\nframecount=$10\r\n"
                 "showfocus=1\r\n",
                 "count=0\r\n", "count=4\r\n0=b:button\r\n1=loose\r\n2=e:Edit\r\n3=gone:button\r\n",
                 "stretchtype=StFull\r\ninactiveeffect=iegrayscale\r\nmdibgstretchtype=stvert\r\n",
                 "picture=f.bmp\r\nmask=m.bmp\r\nactivepicturescount=2\r\n0=c.bmp\r\n1=cm.bmp\r\n"));
    WriteTextFile(folder.File("f.bmp"), Bmp(20, 20));
    WriteTextFile(folder.File("m.bmp"), Bmp(20, 19));
    WriteTextFile(folder.File("c.bmp"), Bmp(12, 10));
    WriteTextFile(folder.File("cm.bmp"), Bmp(12, 12));
    const std::string warnings[] = {
        "[FORMINFO] stretchtype: \"StFull\" is no stretch type word; reads as sthorz",
        "[SKINCONTROLS] 1: \"loose\" is not NAME:KIND; the entry creates nothing",
        "[SKINCONTROLS] 2: \"Edit\" is no kind word of this list; the entry creates nothing",
        "[b] skinrect: \"-1,0,12,10\" the reader keeps only the digits and reads 1,0,12,10",
        "[b] morphing: \"true\" reads as 0 (false); a flag is 1 or 0",
        "[b] morphkind: \"mkslide\" is no morph kind word; reads as mkdefault",
        "[b] fontstyle: \"fsbold,fsBold\" holds words other than fsbold, fsitalic, fsunderline and "
        "fsstrikeout; "
        "reads as \"fsbold\"",
        "[b] fontheight: \"ten\" is not a number; the default",
        "[PICTURES] mask: the mask is 20x19, the frame picture 20x20",
        "[b] maskpictureindex: the mask picture 1 is 12x12, the skin rectangle 11x10",
    };
    const std::string ini = folder.File("skin.ini");
    const SkintoolRun run = RunSkintool("validate " + ini);
    EXPECT_EQ(run.Status, 0) << run.Output;
    EXPECT_TRUE(run.Output.ends_with("\nok\n")) << run.Output;
    for (const std::string& w : warnings)
        EXPECT_NE(run.Output.find(ini + ": warning: " + w), std::string::npos) << w << "\n" << run.Output;
    // Words and numbers that read as written draw nothing.
    for (const char* quiet :
         {"inactiveeffect", "mdibgstretchtype", "framecount", "showfocus", "[SKINCONTROLS] 3"})
        EXPECT_EQ(run.Output.find(quiet), std::string::npos) << quiet;

    // A compressed skin: packing writes every word as it reads, which leaves
    // the masks to warn of; a description written otherwise warns as a folder.
    const std::string packed = folder.File("s.skn");
    ASSERT_EQ(RunSkintool("pack " + folder.Path() + " " + packed).Status, 0);
    const SkintoolRun fromPacked = RunSkintool("validate " + packed);
    EXPECT_EQ(fromPacked.Status, 0) << fromPacked.Output;
    EXPECT_EQ(fromPacked.Output,
              packed + ": warning: " + warnings[8] + "\n" + packed + ": warning: " + warnings[9] + "\nok\n");
    const std::string hand = folder.File("hand.skn");
    WriteTextFile(hand, SknOf(SkinText("", "count=0\r\n", "count=0\r\n", "stretchtype=StFull\r\n")));
    EXPECT_EQ(RunSkintool("validate " + hand).Output, hand + ": warning: " + warnings[0] + "\nok\n");
}
