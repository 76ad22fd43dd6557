#include "platform/vcl/TDescriptionReader.h"
#include "platform/vcl/TDescriptionWriter.h"

#include <gtest/gtest.h>

// Canonical text: what the writer produces, so it must come back byte for byte.
static const char* const Canonical = R"(object Form1: TForm1
  Left = -12
  Top = 127
  Caption = 'It''s'#13#10'视频'
  Ratio = 1.5
  Big = 2.5e+20
  Whole = 3.0
  Visible = False
  Color = clBtnFace
  Anchors = [akLeft, akTop]
  Empty = []
  Items.Strings = (
    'one'
    ''
    'three')
  Panels = <
    item
      Width = 50
      Text = 'a'
    end
    item
    end>
  Nothing = <>
  Data = {
    000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F
    20FF}
  object Panel1: TPanel
    Align = alTop
    inherited Button1: TButton
      OnClick = Button1Click
    end
  end
  object TTimer
  end
end
)";

TEST(TDescriptionReader, CanonicalTextRoundTripsByteForByte) {
    TDescObject root = TDescriptionReader::Parse(Canonical);
    EXPECT_EQ(TDescriptionWriter::Write(root), Canonical);

    EXPECT_EQ(root.Name, "Form1");
    EXPECT_EQ(root.ClassName, "TForm1");
    ASSERT_EQ(root.Properties.size(), 14u);
    EXPECT_EQ(root.Properties[0].Value.Integer, -12);
    EXPECT_EQ(root.Properties[1].Value.Integer, 127);
    EXPECT_EQ(root.Properties[2].Value.Text, "It's\r\n视频");
    EXPECT_EQ(root.Properties[3].Value.Float, 1.5);
    EXPECT_EQ(root.Properties[13].Value.Bytes.size(), 34u);
    EXPECT_EQ(root.Properties[13].Line, 24);
    ASSERT_EQ(root.Children.size(), 2u);
    EXPECT_TRUE(root.Children[0].Children[0].Inherited);
    EXPECT_EQ(root.Children[0].Children[0].Line, 29);
    EXPECT_EQ(root.Children[1].Name, "");
    EXPECT_EQ(root.Children[1].ClassName, "TTimer");
}

TEST(TDescriptionReader, StringForms) {
    struct Case {
        const char* Text;
        std::string Expected;
    } cases[] = {
        {"'abc'", "abc"},
        {"''", ""},
        {"''''", "'"},
        {"#65#66'c'#$44", "ABcD"},
        {"#35270#39057", "视频"},
        {"#55357#56832", "\xF0\x9F\x98\x80"}, // a surrogate pair is one character
        {"'ab' +\n    'cd'", "abcd"},
        {"'UTF-8 直接'", "UTF-8 直接"},
    };
    for (const Case& c : cases) {
        TDescObject o = TDescriptionReader::Parse(std::string("object A: T\n  S = ") + c.Text + "\nend\n");
        EXPECT_EQ(o.Properties.at(0).Value.Text, c.Expected) << c.Text;
        // And the writer's form reads back to the same string.
        TDescObject again = TDescriptionReader::Parse(TDescriptionWriter::Write(o));
        EXPECT_EQ(again, o) << c.Text;
    }
}

TEST(TDescriptionReader, ErrorsNameTheLine) {
    struct Case {
        const char* Text;
        int Line;
        const char* Part;
    } cases[] = {
        {"object A: T\n  X = 'open\nend\n", 2, "unterminated string"},
        {"object A: T\n  X = 1\n  Y 2\nend\n", 3, "\"=\" expected"},
        {"object A: T\n  X = [a b]\nend\n", 2, "\",\" expected"},
        {"object A: T\n  X = {0G}\nend\n", 2, "bad hexadecimal digit"},
        {"object A: T\n  X = {\n    012}\nend\n", 3, "odd number"},
        {"object A: T\n  X = 1\n", 3, "text ends"},
        {"object A: T\nend\nextra\n", 3, "after the final"},
        {"thing A: T\nend\n", 1, "\"object\" expected"},
        {"object A: T\n  X = #55357\nend\n", 2, "surrogate"},
        {"object A: T\n  X = 12abc\nend\n", 2, "bad number"},
        {"object A: T\n  X = <\n    item\n      Y = )\n    end>\nend\n", 4, "value expected"},
        {"object A: T\n  object B: U\n  end\n  X = 1\nend\n", 4, "after a nested object"},
        {"object A: T\n  X = -$8000000000000000\nend\n", 2, "number out of range"},
        {"object A: T\n  X = -$FFFFFFFFFFFFFFFF\nend\n", 2, "number out of range"},
        {"object A: T\n  X = -9223372036854775808\nend\n", 2, "number out of range"},
    };
    for (const Case& c : cases) {
        try {
            TDescriptionReader::Parse(c.Text);
            ADD_FAILURE() << "no error for " << c.Text;
        } catch (const EDescriptionError& e) {
            EXPECT_EQ(e.Line(), c.Line) << c.Text << ": " << e.Message();
            EXPECT_NE(e.Message().find(c.Part), std::string::npos) << e.Message();
            EXPECT_EQ(e.Message().rfind("Line " + std::to_string(c.Line) + ": ", 0), 0u) << e.Message();
        }
    }
}

TEST(TDescriptionReader, LooseLayoutAndByteOrderMarkAreAccepted) {
    TDescObject o = TDescriptionReader::Parse("\xEF\xBB\xBFOBJECT A:T\r\n X=-$10 Y=(1 2.5 'x' [a]) END");
    ASSERT_EQ(o.Properties.size(), 2u);
    EXPECT_EQ(o.Properties[0].Value.Integer, -16);
    ASSERT_EQ(o.Properties[1].Value.List.size(), 4u);
    EXPECT_EQ(o.Properties[1].Value.List[3].Kind, TDescValueKind::Set);
}

// Numbers at the ends of the 64-bit range: unsigned hexadecimal keeps its bits,
// a negated one must fit.
TEST(TDescriptionReader, HexadecimalAtTheEndsOfTheRange) {
    TDescObject o = TDescriptionReader::Parse(
        "object A: T\n  X = $FFFFFFFFFFFFFFFF\n  Y = -$7FFFFFFFFFFFFFFF\n  Z = 9223372036854775807\nend\n");
    EXPECT_EQ(o.Properties[0].Value.Integer, -1);
    EXPECT_EQ(o.Properties[1].Value.Integer, -INT64_MAX);
    EXPECT_EQ(o.Properties[2].Value.Integer, INT64_MAX);
}

// Deep nesting of lists, collections or objects is refused with the line it
// passes the limit on, not followed until the stack runs out.
TEST(TDescriptionReader, NestingIsLimited) {
    std::string collections;
    for (int i = 0; i < 200; ++i)
        collections += "<item X = ";
    std::string objects = "object A: T\n";
    for (int i = 0; i < 150; ++i)
        objects += "object B" + std::to_string(i) + ": T\n";
    const struct {
        std::string Text;
        int Line;
    } cases[] = {
        {"object A: T\n  X = " + std::string(20000, '(') + "\nend\n", 2},
        {"object A: T\n  X =\n" + collections + "\nend\n", 3},
        {objects, 101},
    };
    for (const auto& c : cases) {
        try {
            TDescriptionReader::Parse(c.Text);
            ADD_FAILURE() << "no error for " << c.Text.substr(0, 40);
        } catch (const EDescriptionError& e) {
            EXPECT_EQ(e.Message(), "Line " + std::to_string(c.Line) + ": nesting deeper than 100 levels");
        }
    }
    std::string deepest = "object A: T\n  X = " + std::string(99, '(') + std::string(99, ')') + "\nend\n";
    EXPECT_EQ(TDescriptionReader::Parse(deepest).Properties.size(), 1u);
}
