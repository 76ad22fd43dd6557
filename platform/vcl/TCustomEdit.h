#pragma once

#include "platform/base/Alignment.h"
#include "platform/vcl/StdCtrlsConst.h"
#include "platform/vcl/TWinControl.h"

#include <string>
#include <vector>

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// The single-line edit. Its text, selection and one-level undo live in the
// control; keys, characters, the mouse and the clipboard messages (WM_CUT,
// WM_COPY, WM_PASTE, WM_CLEAR, WM_UNDO and the EM_ messages) reach them
// through the control's default handling, so a descendant may intercept any
// of them before they act. Positions count code points.
//
// The window style steers it as a native edit would: ES_LEFT, ES_RIGHT or
// ES_CENTER place the text, ES_MULTILINE makes the edit keep Enter and Esc
// (a single-line edit still never takes a line break), and WS_EX_TRANSPARENT
// paints the text over the parent's picture instead of a background.
class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* AOwner);

    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    std::string SelText() const;
    // Replaces the selection (the program's edit: not refused by ReadOnly).
    void SetSelText(const std::string& Value);
    void SelectAll();
    void ClearSelection() { Perform(WM_CLEAR); }
    void CutToClipboard() { Perform(WM_CUT); }
    void CopyToClipboard() { Perform(WM_COPY); }
    void PasteFromClipboard() { Perform(WM_PASTE); }
    void Undo() { Perform(WM_UNDO); }
    bool CanUndo() const { return FUndo.Valid; }
    void ClearUndo() { FUndo.Valid = false; }
    void Clear() { SetText(""); }

    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool Value) { FAutoSelect = Value; }
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase Value);
    // 0: the text is shown as it is.
    char32_t PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char32_t Value);
    // 0: no limit.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);

    // The rectangle the text is laid out in (client coordinates).
    TRect FormatRect() const;
    // The client x of the caret (for tests and owners drawing their own caret).
    int CaretX();
    int ScrollOffset() const { return FScrollX; }

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DefaultHandler(TMessage& Message) override;
    void PaintWindow(HDC DC) override;
    // What lies behind the text: the parent's picture when transparent,
    // else the edit's colour. A descendant with a picture of its own paints it here.
    virtual void PaintBackground(HDC DC, const TRect& Client);
    void WMEraseBkgnd(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void DoEnter() override;
    // The text changed (by the user or the program).
    virtual void Change();

    // The text as shown: password characters in place of the text.
    std::u32string DisplayText() const;
    uint32_t EditStyle() const;
    bool EditTransparent() const;

    std::u32string FChars;
    int FCaret = 0;  // the moving end of the selection
    int FAnchor = 0; // the fixed end
    int FScrollX = 0;
    int FLeftMargin = 0;
    int FRightMargin = 0;
    bool FHasFormatRect = false;
    TRect FFormatRect;
    bool FAutoSelect = true;
    bool FHideSelection = true;
    TEditCharCase FCharCase = ecNormal;
    char32_t FPasswordChar = 0;
    int FMaxLength = 0;
    bool FReadOnly = false;
    TAlignment FAlignment = taLeftJustify;

private:
    struct TUndo {
        bool Valid = false;
        std::u32string Chars;
        int Caret = 0;
        int Anchor = 0;
    };
    enum class TEditKind { Other, Typing };

    // Replaces the selection by Chars as the user's edit; false when nothing changed.
    bool ReplaceSelection(std::u32string Chars, TEditKind Kind);
    void Commit(bool TextChanged);
    void SetSelection(int Anchor, int Caret);
    void KeyDownDefault(uint16_t Key);
    void CharDefault(char32_t Ch);
    void MouseDefault(TMessage& Message);
    int PositionAt(int X);
    int WordStart(int Pos) const;
    int WordEnd(int Pos) const;
    int TextX(int Pos);
    int TextLeft();
    void UpdateLayout();
    void UpdateCaret();
    void LayoutNeeded();
    std::u32string ApplyCharCase(std::u32string S) const;

    TUndo FUndo;
    TEditKind FLastEdit = TEditKind::Other;
    std::vector<int> FCharX; // x of every position in the display text
    bool FLayoutValid = false;
    int FLineHeight = 0;
    bool FSettingText = false;
    bool FMouseSelecting = false;
    bool FCaretCreated = false;
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
};

// The edit as masked edits are used here: the mask is kept and published, and
// input is not checked against it.
class TCustomMaskEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
    const std::string& EditMask() const { return FEditMask; }
    void SetEditMask(const std::string& Value) { FEditMask = Value; }

protected:
    std::string FEditMask;
};

class TMaskEdit : public TCustomMaskEdit {
public:
    using TCustomMaskEdit::TCustomMaskEdit;
};
