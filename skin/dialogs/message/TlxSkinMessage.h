#pragma once

#include "platform/gdi/TFont.h"
#include "platform/vcl/TComponent.h"
#include "platform/vcl/TComponentRef.h"
#include "skin/dialogs/message/MessageDlgTypes.h"
#include "skin/engine/SkinData.h"

#include <functional>
#include <string>

class TCustomImageList;
class TlxMessageForm;

// Lets the owner move a box shown at a given position before it shows.
using TlxMessageSetShowPosEvent = std::function<void(int& AX, int& AY, int AWidth, int AHeight)>;

// A message box drawn by the skin: each call builds a fresh TlxMessageForm
// with the text, the type icon, an optional "do not show again" check box
// and a row of skinned buttons, shows it modally, frees it and returns the
// modal result of the button pressed.
//
// SkinData is the skin of the box's frame; CtrlSkinData that of its label,
// check box and buttons and the source of its texts (its string table, when
// it has one). X and Y are the screen position of the box's top-left corner.
// A text wider than the box may grow is wrapped, the box growing in height.
// The Help button shows only when the help file exists.
class TlxSkinMessage : public TComponent {
public:
    explicit TlxSkinMessage(TComponent* AOwner);

    int MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx);
    int MessageDlgPos(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx, int X,
                      int Y);
    int MessageDlgHelp(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
                       const std::string& HelpFileName);
    int MessageDlg2(const std::string& Msg, const std::string& ACaption, TMsgDlgType DlgType,
                    TMsgDlgButtons Buttons, int HelpCtx);
    int MessageDlgHelp2(const std::string& Msg, const std::string& ACaption, TMsgDlgType DlgType,
                        TMsgDlgButtons Buttons, int HelpCtx, const std::string& HelpFileName);
    int CustomMessageDlg(const std::string& Msg, const std::string& ACaption, TCustomImageList* AImages,
                         int AImageIndex, TMsgDlgButtons Buttons, int HelpCtx);
    int CustomMessageDlgPos(const std::string& Msg, const std::string& ACaption, TCustomImageList* AImages,
                            int AImageIndex, TMsgDlgButtons Buttons, int HelpCtx, int X, int Y);
    int CustomMessageDlgHelp(const std::string& Msg, const std::string& ACaption, TCustomImageList* AImages,
                             int AImageIndex, TMsgDlgButtons Buttons, int HelpCtx,
                             const std::string& HelpFileName);
    // The wide variants never show the check box.
    int WideMessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx);
    int WideMessageDlgPos(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
                          int X, int Y);

    // ---- Published properties
    bool ShowAgainFlag() const { return FShowAgainFlag; }
    void SetShowAgainFlag(bool Value) { FShowAgainFlag = Value; }
    // Whether the message is to be shown again: the check box starts ticked
    // when it is false, and every box with the check box stores the negation
    // of its state here.
    bool ShowAgainFlagValue() const { return FShowAgainFlagValue; }
    void SetShowAgainFlagValue(bool Value) { FShowAgainFlagValue = Value; }
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
    bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }
    Byte AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(Byte Value) { FAlphaBlendValue = Value; }
    TlxSkinData* SkinData() const { return FSkinData.Get(); }
    void SetSkinData(TlxSkinData* Value) { FSkinData.Set(Value); }
    TlxSkinData* CtrlSkinData() const { return FCtrlSkinData.Get(); }
    void SetCtrlSkinData(TlxSkinData* Value) { FCtrlSkinData.Set(Value); }
    const std::string& ButtonSkinDataName() const { return FButtonSkinDataName; }
    void SetButtonSkinDataName(const std::string& Value) { FButtonSkinDataName = Value; }
    const std::string& MessageLabelSkinDataName() const { return FMessageLabelSkinDataName; }
    void SetMessageLabelSkinDataName(const std::string& Value) { FMessageLabelSkinDataName = Value; }
    TFont* DefaultFont() { return &FDefaultFont; }
    void SetDefaultFont(const TFont& Value) { FDefaultFont.Assign(Value); }
    TFont* DefaultButtonFont() { return &FDefaultButtonFont; }
    void SetDefaultButtonFont(const TFont& Value) { FDefaultButtonFont.Assign(Value); }
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }

    TlxMessageSetShowPosEvent OnSetShowPos;

    // The box of each builder, finished and not shown; owned by the
    // application object. Open for tests of the layout.
    TlxMessageForm* CreateTypedMessageForm(const std::string& Msg, TMsgDlgType DlgType,
                                           TMsgDlgButtons Buttons, int X, int Y,
                                           const std::string& HelpFile = {});
    TlxMessageForm* CreateCaptionedMessageForm(const std::string& Msg, const std::string& ACaption,
                                               TMsgDlgType DlgType, TMsgDlgButtons Buttons, int X, int Y,
                                               const std::string& HelpFile = {});
    TlxMessageForm* CreateImageMessageForm(const std::string& Msg, const std::string& ACaption,
                                           TCustomImageList* AImages, int AImageIndex, TMsgDlgButtons Buttons,
                                           int X, int Y, const std::string& HelpFile = {});
    TlxMessageForm* CreateWideMessageForm(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                          int X, int Y, const std::string& HelpFile = {});

private:
    enum class TIconKind { None, Type, ImageList };
    struct TBoxContent {
        std::string Msg;
        std::string Caption;
        TIconKind Icon = TIconKind::None;
        TMsgDlgType DlgType = mtCustom;
        TCustomImageList* Images = nullptr;
        int ImageIndex = -1;
        TMsgDlgButtons Buttons;
        int X = 0, Y = 0;
        bool CheckBox = false;
        // The help file the box will open; without one the Help button is left out.
        std::string HelpFile;
    };
    // A box with the system icon of DlgType and the check box.
    static TBoxContent TypeIconBox(const std::string& Msg, const std::string& Caption, TMsgDlgType DlgType,
                                   TMsgDlgButtons Buttons, int X, int Y, const std::string& HelpFile);
    TlxMessageForm* BuildForm(const TBoxContent& Box);
    int ButtonHeight() const;
    // The widest the box may be.
    int MaxBoxWidth(TlxMessageForm* Form) const;
    // Sets the help context and file, lets the owner move a positioned box,
    // shows it, and frees it on every path.
    int Show(TlxMessageForm* Form, int HelpCtx, const std::string* HelpFileName, bool Positioned);
    static std::string TypedCaption(TMsgDlgType DlgType, TlxSkinData* SkinData);
    static std::string HelpFileOf(const std::string* HelpFileName);

    bool FShowAgainFlag = false;
    bool FShowAgainFlagValue = false;
    bool FAlphaBlend = false;
    bool FAlphaBlendAnimation = false;
    Byte FAlphaBlendValue = 200;
    TComponentRef<TlxSkinData> FSkinData{this};
    TComponentRef<TlxSkinData> FCtrlSkinData{this};
    std::string FButtonSkinDataName = "button";
    std::string FMessageLabelSkinDataName = "stdlabel";
    TFont FDefaultFont;
    TFont FDefaultButtonFont;
    bool FUseSkinFont = true;
};
