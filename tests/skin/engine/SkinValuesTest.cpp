#include "skin/engine/SkinValues.h"
#include "platform/base/Exception.h"
#include "platform/base/IniFile.h"
#include "platform/base/Strings.h"
#include "skin/engine/SkinError.h"
#include "skin/engine/SkinRects.h"

#include <gtest/gtest.h>

namespace {

// An ini holding one key "v" in section S with the given text, or no key.
TMemIniFile IniWith(const char* value) {
    TMemIniFile ini("");
    if (value) ini.WriteString("S", "v", value);
    return ini;
}

} // namespace

TEST(SkinValues, ParseRectKeepsOnlyDigitsAndNeedsFourFields) {
    struct {
        const char* text;
        TRect expected;
    } ok[] = {
        {"1,2,3,4", {1, 2, 3, 4}},      {" 1, 2, 3, 4", {1, 2, 3, 4}}, {"1, -2,3,4", {1, 2, 3, 4}},
        {"-5,0,10,007", {5, 0, 10, 7}}, {"1a,2b,3c,4d", {1, 2, 3, 4}},
    };
    for (const auto& c : ok) {
        TRect r;
        ParseRect(c.text, r);
        EXPECT_EQ(r, c.expected) << c.text;
    }
    const char* bad[] = {"", "1,2,3", "1,2,3,4,5", "1,,3,4", "a,b,c,d", "1,2,3,99999999999"};
    for (const char* text : bad) {
        TRect r{9, 9, 9, 9};
        EXPECT_THROW(ParseRect(text, r), EConvertError) << text;
        EXPECT_EQ(r, (TRect{9, 9, 9, 9})) << "nothing stored for " << text;
    }
}

TEST(SkinValues, ParsePointNeedsTwoFields) {
    TPoint p;
    ParsePoint("3, -4", p);
    EXPECT_EQ(p, (TPoint{3, 4}));
    for (const char* text : {"5", "1,2,3", ",", ""})
        EXPECT_THROW(ParsePoint(text, p), EConvertError) << text;
}

TEST(SkinValues, ReadRectAndPointDefaultToZeroOnlyWhenAbsent) {
    TMemIniFile absent = IniWith(nullptr);
    TRect r{1, 1, 1, 1};
    TPoint p{1, 1};
    ReadRect(absent, "S", "v", r);
    ReadPoint(absent, "S", "v", p);
    EXPECT_EQ(r, TRect{});
    EXPECT_EQ(p, TPoint{});
    TMemIniFile empty = IniWith("");
    EXPECT_THROW(ReadRect(empty, "S", "v", r), EConvertError);
    EXPECT_THROW(ReadPoint(empty, "S", "v", p), EConvertError);
}

TEST(SkinValues, FlagIsTrueOnlyForTheInteger1) {
    struct {
        const char* text;
        bool expected;
    } cases[] = {{"1", true},      {"01", true},    {"$1", true},   {"0x1", true},
                 {nullptr, false}, {"", false},     {"0", false},   {"2", false},
                 {"-1", false},    {"true", false}, {"1.0", false}, {"yes", false}};
    for (const auto& c : cases) {
        TMemIniFile ini = IniWith(c.text);
        EXPECT_EQ(ReadBoolean(ini, "S", "v"), c.expected) << (c.text ? c.text : "(absent)");
    }
}

TEST(SkinValues, EnumerationWordsAreExactWithTheirOwnFallBacks) {
    // nullptr: the key is absent.
    struct {
        const char* text;
        TAlignment expected;
    } alignments[] = {{nullptr, taCenter},
                      {"tacenter", taCenter},
                      {"TACENTER", taRightJustify},
                      {"taleftjustify", taLeftJustify},
                      {"taLeftJustify", taRightJustify},
                      {"tarightjustify", taRightJustify},
                      {"", taRightJustify}};
    for (const auto& c : alignments) {
        TMemIniFile ini = IniWith(c.text);
        EXPECT_EQ(ReadAlignment(ini, "S", "v"), c.expected) << (c.text ? c.text : "(absent)");
    }

    struct {
        const char* text;
        TlxStretchType expected;
    } stretches[] = {{nullptr, lxstFull},  {"stfull", lxstFull}, {"StFull", lxstHorz}, {"sthorz", lxstHorz},
                     {"stHorz", lxstHorz}, {"stvert", lxstVert}, {"STVERT", lxstHorz}, {"", lxstHorz}};
    for (const auto& c : stretches) {
        TMemIniFile ini = IniWith(c.text);
        EXPECT_EQ(ReadStretchType(ini, "S", "v"), c.expected) << (c.text ? c.text : "(absent)");
    }

    struct {
        const char* text;
        TlxMorphKind expected;
    } morphs[] = {{nullptr, mkDefault}, {"mkpush", mkPush},         {"mkPush", mkDefault},
                  {"", mkDefault},      {"mkgradient", mkGradient}, {"mkrightslide", mkRightSlide}};
    for (const auto& c : morphs) {
        TMemIniFile ini = IniWith(c.text);
        EXPECT_EQ(ReadMorphKind(ini, "S", "v"), c.expected) << (c.text ? c.text : "(absent)");
    }

    struct {
        const char* text;
        TlxInActiveEffect expected;
    } effects[] = {{nullptr, ieBrightness},   {"iedarkness", ieDarkness}, {"ieinvert", ieInvert},
                   {"IeInvert", ieGrayScale}, {"", ieGrayScale},          {"blur", ieGrayScale}};
    for (const auto& c : effects) {
        TMemIniFile ini = IniWith(c.text);
        EXPECT_EQ(ReadInActiveEffect(ini, "S", "v"), c.expected) << (c.text ? c.text : "(absent)");
    }

    // Only the first six words are compared: the tray word itself and every
    // unknown word give the tray command.
    struct {
        const char* text;
        TlxStdCommand expected;
    } commands[] = {{nullptr, cmDefault},
                    {"cmclose", cmClose},
                    {"cmsysmenu", cmSysMenu},
                    {"cmrollup", cmRollUp},
                    {"CmClose", cmMinimizeToTray},
                    {"", cmMinimizeToTray},
                    {"cmminimizetotray", cmMinimizeToTray}};
    for (const auto& c : commands) {
        TMemIniFile ini = IniWith(c.text);
        EXPECT_EQ(ReadStdCommand(ini, "S", "v"), c.expected) << (c.text ? c.text : "(absent)");
    }
}

TEST(SkinValues, EnumerationWordsWrittenReadBack) {
    for (int i = 0; i <= mkPush; ++i)
        EXPECT_EQ(MorphKindFromText(MorphKindWord(TlxMorphKind(i))), TlxMorphKind(i));
    for (int i = 0; i <= lxstVert; ++i)
        EXPECT_EQ(StretchTypeFromText(StretchTypeWord(TlxStretchType(i))), TlxStretchType(i));
    for (int i = 0; i <= ieInvert; ++i)
        EXPECT_EQ(InActiveEffectFromText(InActiveEffectWord(TlxInActiveEffect(i))), TlxInActiveEffect(i));
    for (int i = 0; i <= cmMinimizeToTray; ++i)
        EXPECT_EQ(StdCommandFromText(StdCommandWord(TlxStdCommand(i))), TlxStdCommand(i));
    for (TAlignment a : {taLeftJustify, taRightJustify, taCenter})
        EXPECT_EQ(AlignmentFromText(AlignmentWord(a)), a);
}

TEST(SkinValues, FontStylesAreSubstringsInBothDirections) {
    EXPECT_EQ(FontStylesFromText("fsbold,fsunderline"), (TFontStyles{fsBold, fsUnderline}));
    EXPECT_EQ(FontStylesFromText("xfsitalicfsstrikeout"), (TFontStyles{fsItalic, fsStrikeOut}));
    EXPECT_TRUE(FontStylesFromText("bold").Empty());
    EXPECT_TRUE(FontStylesFromText("FSBOLD").Empty());

    TMemIniFile ini("");
    WriteFontStyles(ini, "S", "none", {});
    WriteFontStyles(ini, "S", "two", {fsUnderline, fsBold});
    WriteFontStyles(ini, "S", "all", {fsStrikeOut, fsItalic, fsBold, fsUnderline});
    EXPECT_EQ(ini.ReadString("S", "none", "?"), "");
    EXPECT_EQ(ini.ReadString("S", "two", ""), "fsbold,fsunderline");
    EXPECT_EQ(ini.ReadString("S", "all", ""), "fsbold,fsitalic,fsunderline,fsstrikeout");
    EXPECT_EQ(ReadFontStyles(ini, "S", "all"), (TFontStyles{fsBold, fsItalic, fsUnderline, fsStrikeOut}));
}

TEST(SkinValues, WritersRefuseNegativeCoordinates) {
    TMemIniFile ini("");
    WriteRect(ini, "S", "r", {0, 1, 2, 3});
    WritePoint(ini, "S", "p", {4, 5});
    WriteBoolean(ini, "S", "t", true);
    WriteBoolean(ini, "S", "f", false);
    WriteAlignment(ini, "S", "a", taLeftJustify);
    EXPECT_EQ(ini.ReadString("S", "r", ""), "0,1,2,3");
    EXPECT_EQ(ini.ReadString("S", "p", ""), "4,5");
    EXPECT_EQ(ini.ReadString("S", "t", ""), "1");
    EXPECT_EQ(ini.ReadString("S", "f", ""), "0");
    EXPECT_EQ(ini.ReadString("S", "a", ""), "taleftjustify");

    EXPECT_THROW(WriteRect(ini, "S", "r", {0, 0, -1, 5}), ESkinError);
    EXPECT_THROW(WritePoint(ini, "S", "p", {-3, 0}), ESkinError);
    EXPECT_EQ(ini.ReadString("S", "r", ""), "0,1,2,3");
}

TEST(SkinValues, StringListsAppendInKeyOrder) {
    TMemIniFile ini("");
    ini.WriteString("S", "1", "second");
    ini.WriteString("S", "itemscount", "2");
    ini.WriteString("S", "0", "first");
    TStringList lines;
    lines.Add("kept");
    ReadStrings(ini, "S", "items", lines);
    ASSERT_EQ(lines.Count(), 3);
    EXPECT_EQ(lines[0], "kept");
    EXPECT_EQ(lines[1], "first");
    EXPECT_EQ(lines[2], "second");

    TMemIniFile out("");
    WriteStrings(out, "P", "names", lines);
    EXPECT_EQ(out.ReadInteger("P", "namescount", 0), 3);
    EXPECT_EQ(out.ReadString("P", "2", ""), "second");
}

TEST(SkinRects, PointInRectIsInclusiveWhileRectInRectIsNot) {
    const TRect r{0, 0, 10, 10};
    EXPECT_TRUE(PointInRect(r, {10, 10}));
    EXPECT_TRUE(PointInRect(r, {0, 0}));
    EXPECT_FALSE(PointInRect(r, {11, 5}));
    EXPECT_FALSE(PointInRect(r, {5, -1}));

    EXPECT_TRUE(RectInRect({1, 1, 9, 9}, r));
    EXPECT_FALSE(RectInRect({0, 0, 10, 10}, r));
    EXPECT_FALSE(RectInRect({0, 0, 9, 10}, r));
    EXPECT_TRUE(RectInRect({0, 0, 9, 9}, r));

    EXPECT_TRUE(IsNullRect({0, 0, 0, 5}));
    EXPECT_TRUE(IsNullRect({5, 5, 4, 9}));
    EXPECT_FALSE(IsNullRect({0, 0, 1, 1}));
    EXPECT_EQ(NullRect(), TRect{});
    EXPECT_EQ(RectWidth({8, 0, 3, 0}), -5);
}
