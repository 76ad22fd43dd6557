#include "skin/dialogs/message/TlxSkinMessage.h"

#include "platform/gdi/TCanvas.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TImage.h"
#include "platform/vcl/TImageList.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCheckRadioBox.h"
#include "skin/controls/TlxSkinStdLabel.h"
#include "skin/dialogs/message/MessageIcons.h"
#include "skin/dialogs/message/MessageTexts.h"
#include "skin/dialogs/message/TlxMessageForm.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/SkinData.h"
#include "skin/windows/TlxLumivex.h"

#include <algorithm>

namespace {

constexpr int ButtonWidth = 70;
constexpr int ButtonGap = 10;
constexpr int LabelLeft = 50;
constexpr int LabelTop = 15;
// Space right of the text and around the button row.
constexpr int SideSpace = 40;

template <class D> D* DescriptionOf(TlxSkinData* SD, const std::string& Name) {
    if (!SD || SD->Empty) return nullptr;
    int i = SD->GetControlIndex(Name);
    return i < 0 ? nullptr : dynamic_cast<D*>(SD->CtrlList[i].get());
}

} // namespace

TlxSkinMessage::TlxSkinMessage(TComponent* AOwner) : TComponent(AOwner) {
    for (TFont* f : {&FDefaultFont, &FDefaultButtonFont}) {
        f->SetName("Arial");
        f->SetHeight(14);
        f->SetStyle({});
    }
}

int TlxSkinMessage::ButtonHeight() const {
    if (auto* d = DescriptionOf<TlxDataSkinButtonControl>(FCtrlSkinData.Get(), FButtonSkinDataName))
        return d->SkinRect.Height();
    return 25;
}

int TlxSkinMessage::MaxBoxWidth(TlxMessageForm* Form) const {
    // The skinning component's limit, else the work area of the monitor the
    // box will show on.
    if (int limit = Form->LVX->GetMaxWidth(); limit > 0) return limit;
    HWND near = Application && Application->MainForm() && Application->MainForm()->HandleAllocated()
                    ? Application->MainForm()->WindowHandle()
                    : Form->WindowHandle();
    TMonitorInfo info;
    if (WindowSystemReady() && GetMonitorInfo(MonitorFromWindow(near, MONITOR_DEFAULTTONEAREST), info) &&
        info.rcWork.Width() > 0)
        return info.rcWork.Width();
    return Screen ? Screen->Width() : 0;
}

TlxMessageForm* TlxSkinMessage::BuildForm(const TBoxContent& Box) {
    TlxSkinData* ctrlSD = FCtrlSkinData.Get();
    auto* form = new TlxMessageForm(Application, Box.X, Box.Y);
    TScopeGuard freeOnFailure([&] { form->Free(); });
    form->HelpFile = Box.HelpFile;
    form->LVX->SetSkinData(FSkinData.Get());
    form->LVX->SetMenusSkinData(ctrlSD);
    form->LVX->SetAlphaBlend(FAlphaBlend);
    form->LVX->SetAlphaBlendAnimation(FAlphaBlendAnimation);
    form->LVX->SetAlphaBlendValue(FAlphaBlendValue);

    const int buttonHeight = ButtonHeight();
    TMsgDlgButtons buttons = Box.Buttons;
    if (ExistingHelpFile(Box.HelpFile).empty()) buttons.Exclude(mbHelp);
    int n = 0;
    for (int b = 0; b < MsgDlgBtnCount; ++b)
        if (buttons.Contains(TMsgDlgBtn(b))) ++n;
    const int rowWidth = n == 0 ? 0 : n * ButtonWidth + n * ButtonGap - ButtonGap;

    form->SetCaption(Box.Caption);

    auto* label = new TlxSkinStdLabel(form);
    label->SetName("Message");
    label->SetParent(form);
    label->Font()->Assign(FDefaultFont);
    label->SetDefaultFont(FDefaultFont);
    label->SetUseSkinFont(FUseSkinFont);
    label->SetSkinDataName(FMessageLabelSkinDataName);
    label->SetSkinData(ctrlSD);
    label->SetAutoSize(true);
    label->SetCaption(Box.Msg);
    label->SetLeft(LabelLeft);
    label->SetTop(LabelTop);
    form->Message = label;
    // A text wider than the widest box is wrapped: the box grows in height.
    const int frameWidth = form->Width() - form->ClientWidth();
    const int maxClient = MaxBoxWidth(form) - frameWidth;
    if (maxClient > 0 && LabelLeft + label->Width() + SideSpace > maxClient) {
        label->SetWidth(std::max(maxClient - LabelLeft - SideSpace, 1));
        label->SetWordWrap(true);
    }
    const int labelRight = label->Left() + label->Width();

    auto* image = new TImage(form);
    image->SetName("Image");
    image->SetParent(form);
    int iconTop = label->Top() + label->Height() / 2 - 16;
    if (Box.Icon == TIconKind::ImageList) {
        if (Box.Images && Box.ImageIndex >= 0 && Box.ImageIndex < Box.Images->Count()) {
            TBitmap icon;
            Box.Images->GetBitmap(Box.ImageIndex, &icon);
            icon.SetAlphaFormat(afDefined);
            image->Picture()->SetGraphic(std::make_unique<TBitmap>(icon));
            image->SetBounds(5, iconTop, Box.Images->Width(), Box.Images->Height());
        } else {
            image->SetBounds(5, iconTop, 32, 32);
        }
    } else {
        iconTop = std::max(iconTop, 10);
        if (Box.Icon == TIconKind::Type) {
            TBitmap icon = MessageDialogIcon(Box.DlgType);
            if (!icon.Empty()) image->Picture()->SetGraphic(std::make_unique<TBitmap>(icon));
        }
        image->SetBounds(5, iconTop, MessageIconSize, MessageIconSize);
    }

    form->SetClientHeight(buttonHeight + label->Height() + 50);
    form->SetClientWidth(rowWidth < labelRight ? labelRight + SideSpace : rowWidth + SideSpace);

    if (Box.CheckBox && FShowAgainFlag) {
        form->SetClientHeight(form->ClientHeight() + 40);
        auto* check = new TlxSkinCheckRadioBox(form);
        check->SetName("checkbox");
        form->DisplayCheckBox = check;
        check->SetDefaultHeight(30);
        check->SetChecked(!FShowAgainFlagValue);
        check->SetParent(form);
        check->SetDefaultFont(FDefaultFont);
        check->SetUseSkinFont(FUseSkinFont);
        check->SetSkinData(ctrlSD);
        const int top = form->ClientHeight() - buttonHeight - 50;
        std::string caption = ShowFlagCaption;
        if (ctrlSD && ctrlSD->ResourceStrData()) {
            caption = SkinResourceText(ctrlSD, ShowFlagKey, "");
            if (caption.empty()) caption = ShowFlagCaption;
        }
        check->SetCaption(caption);
        // Measured in the font the box draws its caption in.
        TBitmap measure(1, 1);
        TFont* font = measure.Canvas()->Font();
        auto* d = check->SkinIndex() != -1
                      ? DescriptionOf<TlxDataSkinCheckRadioControl>(ctrlSD, check->SkinDataName())
                      : nullptr;
        if (d && FUseSkinFont) {
            font->SetName(d->FontName);
            font->SetHeight(d->FontHeight);
        } else {
            font->Assign(FDefaultFont);
        }
        const int tw = measure.Canvas()->TextWidth(caption);
        if (form->ClientWidth() < tw + 60) form->SetClientWidth(tw + 60);
        check->SetBounds(5, top, tw + 55, check->DefaultHeight());
    }

    const int maxWidth = MaxBoxWidth(form);
    if (maxWidth > 0 && form->Width() > maxWidth)
        form->SetWidth(maxWidth);
    else if (form->Width() < form->LVX->GetMinWidth())
        form->SetWidth(form->LVX->GetMinWidth());

    const TMsgDlgBtn defaultButton = buttons.Contains(mbOK)    ? mbOK
                                     : buttons.Contains(mbYes) ? mbYes
                                                               : mbRetry;
    const TMsgDlgBtn cancelButton = buttons.Contains(mbCancel) ? mbCancel
                                    : buttons.Contains(mbNo)   ? mbNo
                                                               : mbOK;
    int x = (form->ClientWidth() - rowWidth) / 2;
    for (int i = 0; i < MsgDlgBtnCount; ++i) {
        const auto b = TMsgDlgBtn(i);
        if (!buttons.Contains(b)) continue;
        auto* button = new TlxSkinButton(form);
        button->SetParent(form);
        button->SetName(MessageButtonNames[b]);
        button->SetCanFocused(true);
        button->SetCaption(GetMessageButtonCaption(b, ctrlSD));
        button->SetModalResult(MessageButtonResults[b]);
        button->SetDefault(b == defaultButton);
        button->SetCancel(b == cancelButton);
        button->SetDefaultHeight(buttonHeight);
        button->SetBounds(x, form->ClientHeight() - buttonHeight - 10, ButtonWidth, buttonHeight);
        button->SetDefaultFont(FDefaultButtonFont);
        button->SetUseSkinFont(FUseSkinFont);
        button->SetSkinDataName(FButtonSkinDataName);
        button->SetSkinData(ctrlSD);
        if (b == mbHelp) button->OnClick = [form](TObject* Sender) { form->HelpButtonClick(Sender); };
        x += ButtonWidth + ButtonGap;
    }
    freeOnFailure.Dismiss();
    return form;
}

std::string TlxSkinMessage::TypedCaption(TMsgDlgType DlgType, TlxSkinData* SkinData) {
    if (DlgType == mtCustom) return Application ? Application->Title() : std::string();
    return GetMessageDialogCaption(DlgType, SkinData);
}

TlxSkinMessage::TBoxContent TlxSkinMessage::TypeIconBox(const std::string& Msg, const std::string& Caption,
                                                        TMsgDlgType DlgType, TMsgDlgButtons Buttons, int X,
                                                        int Y, const std::string& HelpFile) {
    TBoxContent box;
    box.Msg = Msg;
    box.Caption = Caption;
    box.Icon = TIconKind::Type;
    box.DlgType = DlgType;
    box.Buttons = Buttons;
    box.X = X;
    box.Y = Y;
    box.CheckBox = true;
    box.HelpFile = HelpFile;
    return box;
}

TlxMessageForm* TlxSkinMessage::CreateTypedMessageForm(const std::string& Msg, TMsgDlgType DlgType,
                                                       TMsgDlgButtons Buttons, int X, int Y,
                                                       const std::string& HelpFile) {
    return BuildForm(
        TypeIconBox(Msg, TypedCaption(DlgType, FCtrlSkinData.Get()), DlgType, Buttons, X, Y, HelpFile));
}

TlxMessageForm* TlxSkinMessage::CreateCaptionedMessageForm(const std::string& Msg,
                                                           const std::string& ACaption, TMsgDlgType DlgType,
                                                           TMsgDlgButtons Buttons, int X, int Y,
                                                           const std::string& HelpFile) {
    return BuildForm(TypeIconBox(Msg, ACaption, DlgType, Buttons, X, Y, HelpFile));
}

TlxMessageForm* TlxSkinMessage::CreateImageMessageForm(const std::string& Msg, const std::string& ACaption,
                                                       TCustomImageList* AImages, int AImageIndex,
                                                       TMsgDlgButtons Buttons, int X, int Y,
                                                       const std::string& HelpFile) {
    TBoxContent box = TypeIconBox(Msg, ACaption, mtCustom, Buttons, X, Y, HelpFile);
    box.Icon = TIconKind::ImageList;
    box.Images = AImages;
    box.ImageIndex = AImageIndex;
    return BuildForm(box);
}

TlxMessageForm* TlxSkinMessage::CreateWideMessageForm(const std::string& Msg, TMsgDlgType DlgType,
                                                      TMsgDlgButtons Buttons, int X, int Y,
                                                      const std::string& HelpFile) {
    TBoxContent box =
        TypeIconBox(Msg, TypedCaption(DlgType, FCtrlSkinData.Get()), DlgType, Buttons, X, Y, HelpFile);
    box.CheckBox = false;
    return BuildForm(box);
}

std::string TlxSkinMessage::HelpFileOf(const std::string* HelpFileName) {
    if (HelpFileName) return *HelpFileName;
    return Application ? Application->HelpFile() : std::string();
}

int TlxSkinMessage::Show(TlxMessageForm* Form, int HelpCtx, const std::string* HelpFileName,
                         bool Positioned) {
    auto finish = [&] {
        if (Form->DisplayCheckBox) FShowAgainFlagValue = !Form->DisplayCheckBox->Checked();
        Form->Free();
    };
    int result;
    try {
        Form->HelpContext = HelpCtx;
        if (HelpFileName) Form->HelpFile = *HelpFileName;
        if (Positioned && OnSetShowPos) {
            int x = Form->Left(), y = Form->Top();
            OnSetShowPos(x, y, Form->Width(), Form->Height());
            Form->SetLeft(x);
            Form->SetTop(y);
        }
        result = Form->ShowModal();
    } catch (...) {
        finish();
        throw;
    }
    finish();
    return result;
}

int TlxSkinMessage::MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                               int HelpCtx) {
    return Show(CreateTypedMessageForm(Msg, DlgType, Buttons, MessagePosCentred, MessagePosCentred,
                                       HelpFileOf(nullptr)),
                HelpCtx, nullptr, false);
}

int TlxSkinMessage::MessageDlgPos(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                  int HelpCtx, int X, int Y) {
    return Show(CreateTypedMessageForm(Msg, DlgType, Buttons, X, Y, HelpFileOf(nullptr)), HelpCtx, nullptr,
                true);
}

int TlxSkinMessage::MessageDlgHelp(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                   int HelpCtx, const std::string& HelpFileName) {
    return Show(
        CreateTypedMessageForm(Msg, DlgType, Buttons, MessagePosCentred, MessagePosCentred, HelpFileName),
        HelpCtx, &HelpFileName, false);
}

int TlxSkinMessage::MessageDlg2(const std::string& Msg, const std::string& ACaption, TMsgDlgType DlgType,
                                TMsgDlgButtons Buttons, int HelpCtx) {
    return Show(CreateCaptionedMessageForm(Msg, ACaption, DlgType, Buttons, MessagePosCentred,
                                           MessagePosCentred, HelpFileOf(nullptr)),
                HelpCtx, nullptr, false);
}

int TlxSkinMessage::MessageDlgHelp2(const std::string& Msg, const std::string& ACaption, TMsgDlgType DlgType,
                                    TMsgDlgButtons Buttons, int HelpCtx, const std::string& HelpFileName) {
    return Show(CreateCaptionedMessageForm(Msg, ACaption, DlgType, Buttons, MessagePosCentred,
                                           MessagePosCentred, HelpFileName),
                HelpCtx, &HelpFileName, false);
}

int TlxSkinMessage::CustomMessageDlg(const std::string& Msg, const std::string& ACaption,
                                     TCustomImageList* AImages, int AImageIndex, TMsgDlgButtons Buttons,
                                     int HelpCtx) {
    return Show(CreateImageMessageForm(Msg, ACaption, AImages, AImageIndex, Buttons, MessagePosCentred,
                                       MessagePosCentred, HelpFileOf(nullptr)),
                HelpCtx, nullptr, false);
}

int TlxSkinMessage::CustomMessageDlgPos(const std::string& Msg, const std::string& ACaption,
                                        TCustomImageList* AImages, int AImageIndex, TMsgDlgButtons Buttons,
                                        int HelpCtx, int X, int Y) {
    return Show(
        CreateImageMessageForm(Msg, ACaption, AImages, AImageIndex, Buttons, X, Y, HelpFileOf(nullptr)),
        HelpCtx, nullptr, true);
}

int TlxSkinMessage::CustomMessageDlgHelp(const std::string& Msg, const std::string& ACaption,
                                         TCustomImageList* AImages, int AImageIndex, TMsgDlgButtons Buttons,
                                         int HelpCtx, const std::string& HelpFileName) {
    return Show(CreateImageMessageForm(Msg, ACaption, AImages, AImageIndex, Buttons, MessagePosCentred,
                                       MessagePosCentred, HelpFileName),
                HelpCtx, &HelpFileName, false);
}

int TlxSkinMessage::WideMessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                   int HelpCtx) {
    return Show(CreateWideMessageForm(Msg, DlgType, Buttons, MessagePosCentred, MessagePosCentred,
                                      HelpFileOf(nullptr)),
                HelpCtx, nullptr, false);
}

int TlxSkinMessage::WideMessageDlgPos(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                      int HelpCtx, int X, int Y) {
    // The wide box offers no repositioning to the owner.
    return Show(CreateWideMessageForm(Msg, DlgType, Buttons, X, Y, HelpFileOf(nullptr)), HelpCtx, nullptr,
                false);
}
