#include "skin/engine/ResourceStrData.h"

#include "platform/vcl/TComponentReader.h"
#include "skin/engine/SkinEngineRegistration.h"

#include <gtest/gtest.h>

TEST(TlxResourceStrData, DefaultTableInItsFixedOrder) {
    TComponentPtr<TlxResourceStrData> owner(new TlxResourceStrData(nullptr));
    TlxResourceStrData& table = *owner;
    const TStringList& lines = table.ResStrings();
    ASSERT_EQ(lines.Count(), 131);
    EXPECT_EQ(lines[0], "MI_MINCAPTION=Mi&nimize");
    EXPECT_EQ(lines[12], "RESTORE_HINT=Restore");
    EXPECT_EQ(lines[13], "EDIT_UNDO=Undo");
    EXPECT_EQ(lines[19], "MSG_BTN_YES=&Yes");
    EXPECT_EQ(lines[52], "MSG_CAP_SHOWFLAG=Do not display this message again");
    EXPECT_EQ(lines[53], "CALC_CAP=Calculator");
    EXPECT_EQ(lines[69], "FLV_NAME=Name");
    EXPECT_EQ(lines[77], "PRNDLG_NAME=Name:");
    EXPECT_EQ(lines[107], "FIND_NEXT=Find next");
    EXPECT_EQ(lines[116], "FIND_REPLACE_All=Replace All");
    EXPECT_EQ(lines[121], "DBNAV_FIRST=FIRST");
    EXPECT_EQ(lines[130], "DBNAV_REFRESH=REFRESH");
    EXPECT_EQ(table.CharSet(), 1);
    // Every line is a key and a text.
    for (int i = 0; i < lines.Count(); ++i)
        EXPECT_NE(lines[i].find('='), std::string::npos) << lines[i];
}

TEST(TlxResourceStrData, GetResStr) {
    TComponentPtr<TlxResourceStrData> owner(new TlxResourceStrData(nullptr));
    TlxResourceStrData& table = *owner;
    EXPECT_EQ(table.GetResStr("mi_mincaption"), "Mi&nimize");
    EXPECT_EQ(table.GetResStr("FLV_LOOKIN"), "Look in: ");
    EXPECT_EQ(table.GetResStr("find_replace_all"), "Replace All");
    EXPECT_EQ(table.GetResStr("NO_SUCH_KEY"), "");
    EXPECT_EQ(table.GetResStr(""), "");

    TStringList lines;
    lines.Add("EQ=a=b");
    lines.Add("DUP=first");
    lines.Add("dup=second");
    lines.Add("NOEQUALS");
    lines.Add("EMPTY=");
    table.SetResStrings(lines);
    const TStringList* before = &table.ResStrings();
    EXPECT_EQ(table.GetResStr("eq"), "a=b");
    EXPECT_EQ(table.GetResStr("Dup"), "first");
    EXPECT_EQ(table.GetResStr("NOEQUALS"), "");
    EXPECT_EQ(table.GetResStr("EMPTY"), "");
    EXPECT_EQ(table.GetResStr("MI_MINCAPTION"), "") << "the old lines are replaced";

    table.SetResStrings(TStringList());
    EXPECT_EQ(&table.ResStrings(), before);
    EXPECT_EQ(table.ResStrings().Count(), 0);
    EXPECT_EQ(table.GetResStr("EQ"), "");
}

TEST(TlxResourceStrData, ReadFromAFormDescription) {
    RegisterSkinEngineClasses();
    TComponentPtr<TlxResourceStrData> table(new TlxResourceStrData(nullptr));
    TComponentReader::ReadText(table.get(), "object Strings: TlxResourceStrData\n"
                                            "  CharSet = 134\n"
                                            "  ResStrings.Strings = (\n"
                                            "    'MI_MINCAPTION=\u6700\u5c0f\u5316'\n"
                                            "    'FLV_LOOKIN=Look in: ')\n"
                                            "end\n");
    EXPECT_EQ(table->CharSet(), 134);
    EXPECT_EQ(table->ResStrings().Count(), 2);
    EXPECT_EQ(table->GetResStr("mi_mincaption"), "\u6700\u5c0f\u5316");
    EXPECT_EQ(table->GetResStr("FLV_LOOKIN"), "Look in: ");
}
