#pragma once

#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/TCustomEdit.h"
#include "skin/controls/TlxSkinPopupMenu.h"

#include <functional>

class TlxResourceStrData;

using TlxOnEditCancelMode = std::function<void(TControl* Sender)>;

// The single-line edit the skinned controls build on: no border of its own,
// optionally transparent over a skinned background, Enter and Esc handed to
// the form (after OnKeyPress) so its default and cancel buttons act, and its
// own context menu shown as a skinned popup menu whose captions come from the
// skin's string table. ReadOnly is the edit's own state: the caret, selection,
// Copy and Select All keep working and every change is refused.
class TlxCustomEdit : public TCustomMaskEdit {
public:
    explicit TlxCustomEdit(TComponent* AOwner);

    bool EditTransparent() const { return FEditTransparent; }
    void SetEditTransparent(bool Value);

    void Invalidate() override;

    // The context menu built for the last request; nullptr when none is open.
    TlxSkinPopupMenu* SysPopupMenu() const { return FSysPopupMenu; }

    TlxOnEditCancelMode OnEditCancelMode;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void Change() override;
    // The string table the context menu's captions come from; nullptr: the
    // built-in texts.
    virtual const TlxResourceStrData* MenuStrings() const;

    bool FDown = false;

private:
    bool Refreshing() const { return FEditTransparent; }
    void Refresh();
    void SetMargins();
    void Paste();
    void ShowContextMenu(TPoint P);
    void HandToForm(TMessage& Message);

    bool FEditTransparent = false;
    TComponentRef<TlxSkinPopupMenu> FSysPopupMenu{this};
};
