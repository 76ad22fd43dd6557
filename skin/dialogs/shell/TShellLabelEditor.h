#pragma once

#include "platform/vcl/TCustomEdit.h"

#include <functional>
#include <string>

// The in-place editor of an item's label in the shell views. Enter commits,
// Escape cancels, and losing the focus commits. It keeps Enter and Escape for
// itself, so while it is open a dialog's default and cancel buttons never
// see them. It lives as a hidden child of its view between edits.
class TShellLabelEditor : public TCustomEdit {
public:
    using TCommitEvent = std::function<void(const std::string& Text)>;

    explicit TShellLabelEditor(TWinControl* View);

    // Opens over R (client coordinates of the view) with Text selected.
    // OnCommit runs once with the text when the edit is committed, never on
    // a cancel.
    void Start(const TRect& R, const std::string& Text, TCommitEvent OnCommit);
    void Commit() { Finish(true, true); }
    void Cancel() { Finish(false, true); }
    bool Editing() const { return FEditing; }

protected:
    void WndProc(TMessage& Message) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;

private:
    void Finish(bool Accept, bool Refocus);

    TWinControl* FView;
    bool FEditing = false;
    TCommitEvent FOnCommit;
};
