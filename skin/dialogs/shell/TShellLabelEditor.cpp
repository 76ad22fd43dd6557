#include "skin/dialogs/shell/TShellLabelEditor.h"

#include "platform/win/WinConst.h"

TShellLabelEditor::TShellLabelEditor(TWinControl* View) : TCustomEdit(View), FView(View) {
    SetVisible(false);
    SetParent(View);
}

void TShellLabelEditor::Start(const TRect& R, const std::string& Text, TCommitEvent OnCommit) {
    if (FEditing) Finish(false, false);
    FOnCommit = std::move(OnCommit);
    SetBounds(R.Left, R.Top, std::max(R.Right - R.Left, 40), std::max(R.Bottom - R.Top, 16));
    SetText(Text);
    FEditing = true;
    Show();
    SetFocus();
    SelectAll();
}

void TShellLabelEditor::Finish(bool Accept, bool Refocus) {
    if (!FEditing) return;
    FEditing = false;
    TCommitEvent commit = std::move(FOnCommit);
    FOnCommit = nullptr;
    const std::string text = Text();
    TKeepAlive alive(this);
    Hide();
    if (Refocus && FView->CanFocus()) FView->SetFocus();
    if (Accept && commit && !FreePending()) commit(text);
}

void TShellLabelEditor::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        TCustomEdit::WndProc(Message);
        if (FEditing) Message.Result |= DLGC_WANTALLKEYS;
        return;
    case WM_KILLFOCUS: {
        TKeepAlive alive(this);
        TCustomEdit::WndProc(Message);
        if (!FreePending()) Finish(true, false);
        return;
    }
    default:
        TCustomEdit::WndProc(Message);
    }
}

void TShellLabelEditor::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (FEditing && (Key == VK_RETURN || Key == VK_ESCAPE)) {
        const bool accept = Key == VK_RETURN;
        Key = 0;
        Finish(accept, true);
        return;
    }
    TCustomEdit::KeyDown(Key, Shift);
}
