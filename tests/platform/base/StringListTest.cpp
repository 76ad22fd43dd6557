#include "platform/base/Exception.h"
#include "platform/base/MemoryStream.h"
#include "platform/base/Strings.h"

#include <gtest/gtest.h>

TEST(TStringList, TextWritesCrlfAndReadsLfCrlfOrCr) {
    TStringList l;
    l.SetText("a\r\nb\nc\rd\n");
    ASSERT_EQ(l.Count(), 4);
    EXPECT_EQ(l[3], "d");
    EXPECT_EQ(l.Text(), "a\r\nb\r\nc\r\nd\r\n");
    l.SetText("x\n\ny"); // an empty line in the middle stays
    EXPECT_EQ(l.Count(), 3);
    l.SetText("");
    EXPECT_EQ(l.Count(), 0);

    TStringStream bom("\xEF\xBB\xBFone\r\ntwo");
    l.LoadFromStream(bom);
    EXPECT_EQ(l[0], "one");
}

TEST(TStringList, NamesAndValues) {
    TStringList l;
    l.SetText("Key=1\nplain\nkey=2\n=empty\nother=a=b\n");
    struct {
        const char* name;
        const char* value;
        int index;
    } cases[] = {
        {"KEY", "1", 0},     // case-insensitive, first match wins
        {"plain", "", -1},   // a line without "=" never matches
        {"other", "a=b", 4}, // split at the first "="
        {"", "empty", 3},    {"missing", "", -1},
    };
    for (auto c : cases) {
        EXPECT_EQ(l.IndexOfName(c.name), c.index) << c.name;
        EXPECT_EQ(l.Values(c.name), c.value) << c.name;
    }
    EXPECT_EQ(l.Names(1), "");
    l.SetValues("key", "9");
    EXPECT_EQ(l[0], "key=9");
    l.SetValues("new", "v");
    EXPECT_EQ(l[l.Count() - 1], "new=v");
    l.SetValues("new", ""); // an empty value removes the line
    EXPECT_EQ(l.IndexOfName("new"), -1);
}

TEST(TStringList, SortedListsAndDuplicates) {
    TStringList l;
    l.SetSorted(true);
    l.Add("b");
    l.Add("C");
    l.Add("a");
    EXPECT_EQ(l.CommaText(), "a,b,C");
    EXPECT_EQ(l.Add("B"), 1); // dupIgnore: the existing index
    EXPECT_EQ(l.Count(), 3);
    l.SetDuplicates(dupError);
    EXPECT_THROW(l.Add("a"), EListError);
    l.SetDuplicates(dupAccept);
    l.Add("a");
    EXPECT_EQ(l.Count(), 4);
    EXPECT_EQ(l.IndexOf("A"), 0);
    EXPECT_THROW(l.Insert(0, "z"), EListError);
    EXPECT_THROW(l.Get(4), EListError);
    EXPECT_THROW(l.Delete(-1), EListError);
}

TEST(TStringList, ChangeNoticesAssignAndEditing) {
    TStringList l;
    int changes = 0;
    l.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &l);
        ++changes;
    };
    l.Add("one");
    l.Insert(0, "zero");
    EXPECT_EQ(changes, 2);
    l.BeginUpdate();
    l.Add("two");
    l.Delete(0);
    l.EndUpdate();
    EXPECT_EQ(changes, 3); // one notice for the whole update
    EXPECT_EQ(l.Text(), "one\r\ntwo\r\n");

    TStringList copy;
    copy.Add("old");
    copy.Assign(l);
    EXPECT_TRUE(copy.Equals(l));
    copy.Move(0, 1);
    EXPECT_EQ(copy[0], "two");
    copy.SetCommaText("a, \"b c\",\"d\"\"e\"");
    ASSERT_EQ(copy.Count(), 3);
    EXPECT_EQ(copy[1], "b c");
    EXPECT_EQ(copy[2], "d\"e");
    EXPECT_EQ(copy.CommaText(), "a,\"b c\",\"d\"\"e\"");
}
