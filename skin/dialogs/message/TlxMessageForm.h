#pragma once

#include "platform/vcl/TCustomForm.h"

#include <string>

class TlxLumivex;
class TlxSkinCheckRadioBox;
class TlxSkinStdLabel;

// X (and Y) below this place a message box in the middle of the screen.
constexpr int MessagePosCentred = -10001;

// The form of one skinned message box, built in code (no description) by
// TlxSkinMessage for one showing: the text label, the type icon, the
// optional check box and the row of buttons.
class TlxMessageForm : public TForm {
public:
    // A dialog-bordered form with key preview and its skinning component
    // (no frame buttons); X < -10000 centres it, otherwise its top-left
    // corner goes to (X, Y) on the screen.
    TlxMessageForm(TComponent* AOwner, int X, int Y);

    // Opens the help file (HelpFile, beside the program when relative) with
    // the desktop's handler; the box stays open.
    void HelpButtonClick(TObject* Sender);

    TlxLumivex* LVX = nullptr;
    TlxSkinCheckRadioBox* DisplayCheckBox = nullptr;
    TlxSkinStdLabel* Message = nullptr;
    int HelpContext = 0;
    std::string HelpFile;

protected:
    // The window manager's close request gives the cancel button's result,
    // or mrCancel when the box has no cancel button.
    void Dispatch(TMessage& Message) override;
    // The default button has the focus when the box shows.
    void DoShow() override;
};

// HelpFile resolved beside the program when relative; empty when no such
// file exists.
std::string ExistingHelpFile(const std::string& HelpFile);
