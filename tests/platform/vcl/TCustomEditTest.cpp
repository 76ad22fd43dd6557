#include "VclProbes.h"

#include "platform/gdi/Text.h"
#include "platform/vcl/TClipboard.h"
#include "platform/vcl/TCustomEdit.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// An edit that keeps Enter and Esc, as the multi-line style asks.
class TWantingEdit : public TEdit {
public:
    using TEdit::TEdit;

protected:
    void CreateParams(TCreateParams& Params) override {
        TEdit::CreateParams(Params);
        Params.Style |= ES_MULTILINE;
    }
};

// An edit painting its text over its parent.
class TClearEdit : public TEdit {
public:
    using TEdit::TEdit;

protected:
    void CreateParams(TCreateParams& Params) override {
        TEdit::CreateParams(Params);
        Params.ExStyle |= WS_EX_TRANSPARENT;
    }
};

// A parent painted in vertical stripes: red, blue, red, ... two pixels each.
class TStripedPanel : public TProbePanel {
public:
    using TProbePanel::TProbePanel;

protected:
    void Paint() override {
        for (int x = 0; x < Width(); x += 2) {
            Canvas()->Brush()->SetColor((x / 2) % 2 ? clBlue : clRed);
            Canvas()->FillRect({x, 0, x + 2, Height()});
        }
    }
};

class TCustomEditTest : public TVclFixture {
protected:
    TForm* Form = nullptr;
    void SetUp() override {
        TVclFixture::SetUp();
        SetCaretBlinkTime(0);
        Clipboard().SetAsText("");
        Form = MakeForm(0, 0, 300, 200);
        Form->SetColor(clWhite);
        Form->Font()->SetName("Arial");
        Form->Font()->SetHeight(-14);
        Form->Font()->SetColor(clBlack);
    }
    template <class T = TEdit> T* Edit(int X = 10, int Y = 10, int W = 120) {
        auto* e = new T(Form);
        e->SetParent(Form);
        e->SetBounds(X, Y, W, 22);
        return e;
    }
    void Chord(int Modifier, int Key) {
        Session.KeyDown(Modifier);
        Session.Key(Key);
        Session.KeyUp(Modifier);
    }
    // Steps separated by spaces: "T:abc" types, "Home", "End", "Left", "Right",
    // "Del", "Back", "Ins" press keys; prefixes "S-", "C-" and "CS-" hold Shift, Ctrl or both;
    // "C-a", "C-c", "C-x", "C-v", "C-z" are Ctrl with a letter.
    void Run(const std::string& Script) {
        std::istringstream in(Script);
        std::string step;
        while (in >> step) {
            if (step.rfind("T:", 0) == 0) {
                std::string text = step.substr(2);
                for (char& c : text)
                    if (c == '_') c = ' ';
                Session.Type(text);
                continue;
            }
            bool shift = false, ctrl = false;
            if (step.rfind("CS-", 0) == 0) {
                shift = ctrl = true;
                step = step.substr(3);
            } else if (step.rfind("S-", 0) == 0) {
                shift = true;
                step = step.substr(2);
            } else if (step.rfind("C-", 0) == 0) {
                ctrl = true;
                step = step.substr(2);
            }
            int key = step == "Home"     ? VK_HOME
                      : step == "End"    ? VK_END
                      : step == "Left"   ? VK_LEFT
                      : step == "Right"  ? VK_RIGHT
                      : step == "Del"    ? VK_DELETE
                      : step == "Back"   ? VK_BACK
                      : step == "Ins"    ? VK_INSERT
                      : step.size() == 1 ? std::toupper(static_cast<unsigned char>(step[0]))
                                         : 0;
            ASSERT_NE(key, 0) << step;
            if (shift) Session.KeyDown(VK_SHIFT);
            if (ctrl) Session.KeyDown(VK_CONTROL);
            Session.Key(key);
            if (ctrl) Session.KeyUp(VK_CONTROL);
            if (shift) Session.KeyUp(VK_SHIFT);
        }
        Session.Pump();
    }
    TBitmap Shot() { return Session.WindowShot(Form->Handle()); }
    // The edit's client area on screen compared with Expected (its size).
    int Differences(TControl* C, const TBitmap& Expected) {
        TBitmap shot = Shot();
        int n = 0;
        for (int y = 0; y < Expected.Height(); ++y)
            for (int x = 0; x < Expected.Width(); ++x)
                if (Pixel(shot, C->Left() + x, C->Top() + y) != Pixel(Expected, x, y)) ++n;
        return n;
    }
    int TextWidth(const std::string& S) {
        TBitmap b(1, 1);
        b.Canvas()->SetFont(*Form->Font());
        return b.Canvas()->TextWidth(S);
    }
    // Text drawn at (X, Y) on white, clipped to Clip.
    TBitmap Reference(const std::string& S, int X, int Y, TRect Clip, int W = 120, int H = 22) {
        TBitmap b(W, H);
        TCanvas* c = b.Canvas();
        c->Brush()->SetColor(clWhite);
        c->FillRect({0, 0, W, H});
        c->Brush()->SetStyle(bsClear);
        c->SetFont(*Form->Font());
        c->TextRect(Clip, X, Y, S);
        return b;
    }
};

} // namespace

TEST_F(TCustomEditTest, InputScriptsGiveTextAndSelection) {
    struct Case {
        const char* script;
        const char* text;
        int selStart, selLength;
        const char* clipboard;
    } cases[] = {
        {"T:hello", "hello", 5, 0, ""},
        {"T:hello Home T:>", ">hello", 1, 0, ""},
        {"T:hello Left Left Back", "helo", 2, 0, ""},
        {"T:hello Home Del", "ello", 0, 0, ""},
        {"T:hello End Del Home Back", "hello", 0, 0, ""}, // nothing to delete at either end
        {"T:one_two_three C-Left", "one two three", 8, 0, ""},
        {"T:one_two_three C-Left C-Left", "one two three", 4, 0, ""},
        {"T:one_two_three Home C-Right C-Right", "one two three", 8, 0, ""},
        {"T:a.b Home C-Right", "a.b", 1, 0, ""}, // punctuation is a word of its own
        {"T:hello Home S-Right S-Right", "hello", 0, 2, ""},
        {"T:hello Home S-Right S-Right T:J", "Jllo", 1, 0, ""},
        {"T:hello S-Home", "hello", 0, 5, ""},
        {"T:hello S-Left S-Left Right", "hello", 5, 0, ""},
        {"T:hello S-Left S-Left Left", "hello", 3, 0, ""},
        {"T:one_two CS-Left", "one two", 4, 3, ""},
        {"T:abc C-a", "abc", 0, 3, ""},
        {"T:abc C-a C-c End C-v", "abcabc", 6, 0, "abc"},
        {"T:abc C-a C-x", "", 0, 0, "abc"},
        {"T:abc C-a C-x C-v C-v", "abcabc", 6, 0, "abc"},
        {"T:abc S-Home S-Del End S-Ins S-Ins", "abcabc", 6, 0, "abc"},
        {"T:abc Left S-Left C-Ins", "abc", 1, 1, "b"},
        {"T:abc C-z", "", 0, 0, ""},        // a run of typing is one step
        {"T:abc C-z C-z", "abc", 3, 0, ""}, // undoing twice redoes
        {"T:ab Left T:X C-z", "ab", 1, 0, ""},
        {"T:ab C-a Del C-z", "ab", 0, 2, ""},
        {"T:abc End S-Home Del", "", 0, 0, ""},
        {"T:abc C-a Back", "", 0, 0, ""},
    };
    for (const Case& c : cases) {
        TEdit* e = Edit();
        Form->Show();
        e->SetFocus();
        Session.Pump();
        Clipboard().SetAsText("");
        Run(c.script);
        EXPECT_EQ(e->Text(), c.text) << c.script;
        EXPECT_EQ(e->SelStart(), c.selStart) << c.script;
        EXPECT_EQ(e->SelLength(), c.selLength) << c.script;
        EXPECT_EQ(Clipboard().AsText(), c.clipboard) << c.script;
        e->Free();
    }
}

TEST_F(TCustomEditTest, MouseClickDragAndDoubleClickSelect) {
    TEdit* e = Edit();
    e->SetText("alpha beta.gamma");
    auto* other = new TProbeButton(Form);
    other->SetParent(Form);
    other->SetBounds(10, 60, 40, 20);
    other->SetTabOrder(0);
    Form->Show();
    Session.Pump();
    ASSERT_TRUE(other->Focused());
    const int y = e->ClientToScreen({0, 10}).Y;
    auto at = [&](const char* Prefix) { return e->ClientToScreen({TextWidth(Prefix), 10}).X; };

    // A click focuses and places the caret: no select-all.
    Session.Click({at("alp"), y});
    Session.Pump();
    EXPECT_TRUE(e->Focused());
    EXPECT_EQ(e->SelStart(), 3);
    EXPECT_EQ(e->SelLength(), 0);

    Session.Drag({at("al"), y}, {at("alpha be"), y});
    Session.Pump();
    EXPECT_EQ(e->SelStart(), 2);
    EXPECT_EQ(e->SelText(), "pha be");

    Session.KeyDown(VK_SHIFT);
    Session.Click({at("alpha beta.ga"), y});
    Session.KeyUp(VK_SHIFT);
    Session.Pump();
    EXPECT_EQ(e->SelText(), "pha beta.ga"); // Shift+click extends from the anchor

    Session.Click({at("alpha b") + 2, y});
    Session.Click({at("alpha b") + 2, y});
    Session.Pump();
    EXPECT_EQ(e->SelText(), "beta");

    // Entered by Tab, the whole text is selected.
    Session.Key(VK_TAB);
    Session.Pump();
    Session.Key(VK_TAB);
    Session.Pump();
    ASSERT_TRUE(e->Focused());
    EXPECT_EQ(e->SelLength(), 16);
}

TEST_F(TCustomEditTest, PastedLineBreaksNeverEnterTheEdit) {
    TEdit* e = Edit();
    Form->Show();
    e->SetFocus();
    Session.Pump();
    struct Case {
        const char* clip;
        const char* text;
    } cases[] = {{"ab\ncd", "ab cd"}, {"ab\r\n\r\ncd", "ab cd"}, {"\r\npath/to\r\n", "path/to"}, {"\n", ""}};
    for (const Case& c : cases) {
        e->SetText("");
        Clipboard().SetAsText(c.clip);
        e->PasteFromClipboard();
        EXPECT_EQ(e->Text(), c.text) << c.clip;
    }
    e->SetText("x\ny");
    EXPECT_EQ(e->Text(), "x y");
}

TEST_F(TCustomEditTest, ReadOnlyRefusesChangesAndKeepsCaretSelectionAndCopy) {
    TEdit* e = Edit();
    e->SetText("abc");
    e->SetReadOnly(true);
    int changes = 0;
    e->OnChange = [&](TObject*) { ++changes; };
    Form->Show();
    e->SetFocus();
    Session.Pump();
    Clipboard().SetAsText("zz");
    Run("End T:x Back Home Del C-v S-Ins C-z S-End C-x S-Del");
    EXPECT_EQ(e->Text(), "abc");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(e->SelStart(), 0); // the caret moved and selected
    EXPECT_EQ(e->SelLength(), 3);
    EXPECT_EQ(Clipboard().AsText(), "zz"); // no cut happened
    e->ClearSelection();
    EXPECT_EQ(e->Text(), "abc");
    Run("C-c");
    EXPECT_EQ(Clipboard().AsText(), "abc");
    // The program still sets the text.
    e->SetSelText("X");
    EXPECT_EQ(e->Text(), "X");
}

TEST_F(TCustomEditTest, PasswordCharMaxLengthAndCharCase) {
    TEdit* pw = Edit(10, 10);
    pw->SetPasswordChar('*');
    TEdit* shown = Edit(10, 40);
    shown->SetTabStop(false);
    Form->Show();
    pw->SetFocus();
    Session.Pump();
    Clipboard().SetAsText("keep");
    Run("T:secret C-a C-c S-Del C-x Ins");
    EXPECT_EQ(pw->Text(), "secret");
    EXPECT_EQ(Clipboard().AsText(), "keep"); // a password is never copied or cut
    Run("Home");
    // It shows stars, exactly as a plain edit showing stars.
    shown->SetText("******");
    Session.Pump();
    TBitmap s = Shot();
    int differing = 0;
    for (int y = 0; y < 22; ++y)
        for (int x = 2; x < 120; ++x) // the caret stands at x 0 of the focused edit
            if (Pixel(s, 10 + x, 10 + y) != Pixel(s, 10 + x, 40 + y)) ++differing;
    EXPECT_EQ(differing, 0);

    TEdit* limited = Edit(10, 70);
    limited->SetMaxLength(3);
    limited->SetFocus();
    Session.Pump();
    Run("T:abcdef");
    EXPECT_EQ(limited->Text(), "abc");
    Clipboard().SetAsText("xyz");
    Run("C-v");
    EXPECT_EQ(limited->Text(), "abc");
    Run("Left S-Left C-v");
    EXPECT_EQ(limited->Text(), "axc"); // a paste is cut to the room left

    TEdit* upper = Edit(10, 100);
    upper->SetCharCase(ecUpperCase);
    upper->SetFocus();
    Session.Pump();
    Run("T:abC-9");
    EXPECT_EQ(upper->Text(), "ABC-9");
    upper->SetCharCase(ecLowerCase);
    EXPECT_EQ(upper->Text(), "abc-9");
    upper->SetText("中文Ab");
    EXPECT_EQ(upper->Text(), "中文ab");
    EXPECT_EQ(upper->SelStart(), 0);
    upper->SelectAll();
    EXPECT_EQ(upper->SelLength(), 4); // code points, not bytes
}

TEST_F(TCustomEditTest, OnChangeFiresOncePerChange) {
    TEdit* e = Edit();
    int changes = 0;
    e->OnChange = [&](TObject*) { ++changes; };
    Form->Show();
    e->SetFocus();
    Session.Pump();
    struct Step {
        const char* script;
        int changes;
    } steps[] = {
        {"T:abc", 3},   {"Home Back", 0}, {"End Del", 0}, {"C-x", 0}, // nothing selected
        {"C-a C-x", 1}, {"C-v", 1},       {"C-z", 1},     {"Left Right S-Left", 0},
        {"T:Z", 1},
    };
    for (const Step& s : steps) {
        changes = 0;
        Run(s.script);
        EXPECT_EQ(changes, s.changes) << s.script;
    }
    changes = 0;
    Clipboard().SetAsText("");
    Run("C-v");
    e->SetText(e->Text());
    EXPECT_EQ(changes, 0);
    e->SetText("new");
    EXPECT_EQ(changes, 1);
    e->SetSelStart(1);
    e->SetSelLength(1);
    e->SetSelText("E");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(e->Text(), "nEw");
}

TEST_F(TCustomEditTest, EnterAndEscGoToTheFormUnlessWantedArrowsStay) {
    auto* ok = new TProbeButton(Form);
    ok->SetParent(Form);
    ok->SetBounds(10, 150, 40, 20);
    ok->Default = true;
    ok->Cancel = true;
    ok->SetTabStop(false);
    TEdit* plain = Edit(10, 10);
    TEdit* second = Edit(10, 40);
    auto* wanting = Edit<TWantingEdit>(10, 70);
    char32_t pressed = 0;
    wanting->OnKeyPress = [&](TObject*, char32_t& Key) { pressed = Key; };
    Form->Show();
    plain->SetFocus();
    Session.Pump();
    Session.Key(VK_RETURN);
    Session.Key(VK_ESCAPE);
    Session.Pump();
    EXPECT_EQ(ok->Clicks, 2);
    Run("T:ab Left Right Left");
    EXPECT_TRUE(plain->Focused()); // arrows move the caret, not the focus
    EXPECT_EQ(plain->SelStart(), 1);
    (void)second;

    wanting->SetFocus();
    Session.Pump();
    Session.Key(VK_RETURN);
    Session.Pump();
    EXPECT_EQ(ok->Clicks, 2);
    EXPECT_EQ(pressed, U'\r');
    EXPECT_EQ(wanting->Text(), ""); // a single line even when it keeps Enter
}

TEST_F(TCustomEditTest, MarginsAlignmentScrollingMatchGoldens) {
    const TRect whole{0, 0, 120, 22};
    TEdit* margin = Edit(10, 10);
    margin->SetText("abc");
    margin->Perform(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MakeLParam(5, 7));
    TEdit* right = Edit(10, 40);
    right->SetText("abc");
    right->SetAlignment(taRightJustify);
    right->Perform(EM_SETMARGINS, EC_RIGHTMARGIN, MakeLParam(0, 7));
    TEdit* centre = Edit(10, 70);
    centre->SetText("abc");
    centre->SetAlignment(taCenter);
    // A long text in a formatting rect narrower than the client, the caret at the end.
    TEdit* scrolled = Edit(10, 100);
    const std::string longText = "The quick brown fox jumps";
    scrolled->SetText(longText);
    TRect fmt{10, 3, 70, 20};
    scrolled->Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&fmt));
    scrolled->SetSelStart(static_cast<int>(longText.size()));
    for (TEdit* e : {margin, right, centre, scrolled})
        e->SetTabStop(false);
    Form->Show();
    Session.Pump();

    const int w = TextWidth("abc");
    EXPECT_EQ(Differences(margin, Reference("abc", 5, 0, {5, 0, 113, 22})), 0);
    EXPECT_EQ(Differences(right, Reference("abc", 120 - 7 - 1 - w, 0, {0, 0, 113, 22})), 0);
    EXPECT_EQ(Differences(centre, Reference("abc", 60 - w / 2, 0, whole)), 0);
    const int full = TextWidth(longText);
    EXPECT_EQ(scrolled->ScrollOffset(), full - 59);
    EXPECT_EQ(Differences(scrolled, Reference(longText, 10 - (full - 59), 3, fmt)), 0);

    // Home scrolls back to the start.
    scrolled->SetSelStart(0);
    Session.Pump();
    EXPECT_EQ(scrolled->ScrollOffset(), 0);
    EXPECT_EQ(Differences(scrolled, Reference(longText, 10, 3, fmt)), 0);
}

TEST_F(TCustomEditTest, TransparentTextOverAPatternedParentAndPaintingIntoAContext) {
    auto* panel = new TStripedPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(0, 0, 300, 100);
    auto* e = new TClearEdit(Form);
    e->SetParent(panel);
    e->SetBounds(11, 10, 120, 22); // an odd left: the stripes must stay in place
    e->SetText("Wm");
    e->SetTabStop(false);
    Form->Show();
    Session.Pump();

    TBitmap expected(120, 22);
    TCanvas* c = expected.Canvas();
    for (int x = -1; x < 120; x += 2) {
        c->Brush()->SetColor(((x + 11) / 2) % 2 ? clBlue : clRed);
        c->FillRect({x, 0, x + 2, 22});
    }
    c->Brush()->SetStyle(bsClear);
    c->SetFont(*Form->Font());
    c->TextOut(0, 0, "Wm");
    EXPECT_EQ(Differences(e, expected), 0);

    // Painting into a supplied context gives the same picture.
    TBitmap copy(120, 22);
    HDC dc = CreateBitmapDC(&copy);
    e->PaintTo(dc, 0, 0);
    DeleteDC(dc);
    int differing = 0;
    for (int y = 0; y < 22; ++y)
        for (int x = 0; x < 120; ++x)
            if (Pixel(copy, x, y) != Pixel(expected, x, y)) ++differing;
    EXPECT_EQ(differing, 0);

    // A new text leaves no trace of the old one.
    e->SetText("i");
    Session.Pump();
    TBitmap again(120, 22);
    TCanvas* a = again.Canvas();
    for (int x = -1; x < 120; x += 2) {
        a->Brush()->SetColor(((x + 11) / 2) % 2 ? clBlue : clRed);
        a->FillRect({x, 0, x + 2, 22});
    }
    a->Brush()->SetStyle(bsClear);
    a->SetFont(*Form->Font());
    a->TextOut(0, 0, "i");
    EXPECT_EQ(Differences(e, again), 0);
}

TEST_F(TCustomEditTest, CaretAndSelectionShowWithTheFocus) {
    TEdit* e = Edit(10, 10);
    e->SetText("abcdef");
    e->SetTabStop(false);
    TEdit* kept = Edit(10, 40);
    kept->SetText("abcdef");
    kept->SetHideSelection(false);
    kept->SetTabStop(false);
    Form->Show();
    Session.Pump();
    e->SetSelStart(1);
    e->SetSelLength(2);
    kept->SetSelStart(1);
    kept->SetSelLength(2);
    Session.Pump();
    const int inSel = TextWidth("a") + 2;
    // Unfocused: the selection shows only where HideSelection is off.
    EXPECT_EQ(Pixel(Shot(), 10 + inSel, 10 + 1), Rgb(clWhite));
    EXPECT_EQ(Pixel(Shot(), 10 + inSel, 40 + 1), Rgb(clHighlight));
    EXPECT_FALSE(CaretVisible());

    e->SetFocus();
    Session.Pump();
    EXPECT_EQ(e->SelLength(), 6); // entered from the program: all selected
    e->SetSelStart(3);
    Session.Pump();
    EXPECT_TRUE(CaretVisible());
    TPoint caret;
    GetCaretPos(caret);
    EXPECT_EQ(caret.X, TextWidth("abc"));
    EXPECT_EQ(caret.X, e->CaretX());
    Run("S-Left");
    EXPECT_EQ(Pixel(Shot(), 10 + TextWidth("ab") + 1, 10 + 1), Rgb(clHighlight));

    kept->SetFocus();
    Session.Pump();
    EXPECT_EQ(Pixel(Shot(), 10 + TextWidth("ab") + 1, 10 + 1), Rgb(clWhite)); // hidden again
}
