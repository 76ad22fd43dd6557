#include "platform/vcl/VclRegistration.h"

#include "platform/base/Strings.h"
#include "platform/vcl/ComCtrlsRegistration.h"
#include "platform/vcl/StdCtrlsRegistration.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TClassRegistry.h"
#include "platform/vcl/TGraphicControl.h"
#include "platform/vcl/TImageList.h"
#include "platform/vcl/TMenu.h"
#include "platform/vcl/TTimer.h"

void RegisterVclClasses() {
    RegisterClass<TPersistent>("TPersistent");
    RegisterClass<TComponent>("TComponent", "TPersistent")
        .Property("Tag", &TComponent::Tag, &TComponent::SetTag);
    RegisterClass<TCollectionItem>("TCollectionItem", "TPersistent");
    // String lists appear in descriptions as "Items.Strings = ( ... )".
    RegisterClass<TStrings>("TStrings")
        .CustomProperty(
            "Strings",
            [](TStrings* s) {
                std::vector<std::string> lines;
                for (int i = 0; i < s->Count(); ++i)
                    lines.push_back(s->Get(i));
                return DescConvert::ToDesc(lines);
            },
            [](TStrings* s, const TDescValue& v) {
                auto lines = DescConvert::FromDesc<std::vector<std::string>>(v);
                s->BeginUpdate();
                s->Clear();
                for (const std::string& line : lines)
                    s->Add(line);
                s->EndUpdate();
            },
            TDescValue::OfList({}));

    RegisterClass<TCustomImageList>("TCustomImageList", "TComponent")
        .Property("Width", &TCustomImageList::Width, &TCustomImageList::SetWidth, 16)
        .Property("Height", &TCustomImageList::Height, &TCustomImageList::SetHeight, 16)
        .ColorProperty("BkColor", &TCustomImageList::BkColor, &TCustomImageList::SetBkColor, clNone);
    RegisterClass<TImageList>("TImageList", "TCustomImageList");

    RegisterClass<TMenuItem>("TMenuItem", "TComponent")
        .Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
        .Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
        .Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true)
        .Property("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex)
        .Property("Hint", &TMenuItem::Hint, &TMenuItem::SetHint)
        .Property("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex, -1)
        .Property("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem)
        .Property("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut)
        .Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible, true)
        .EventProperty("OnClick", &TMenuItem::OnClick);
    RegisterClass<TMenu>("TMenu", "TComponent")
        .ReferenceProperty("Images", &TMenu::Images, &TMenu::SetImages);
    RegisterClass<TMainMenu>("TMainMenu", "TMenu");
    RegisterClass<TPopupMenu>("TPopupMenu", "TMenu")
        .Property("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup, true)
        .EventProperty("OnPopup", &TPopupMenu::OnPopup);

    RegisterClass<TTimer>("TTimer", "TComponent")
        .Property("Enabled", &TTimer::Enabled, &TTimer::SetEnabled, true)
        .Property("Interval", &TTimer::Interval, &TTimer::SetInterval, 1000u)
        .EventProperty("OnTimer", &TTimer::OnTimer);

    RegisterEnum<TFontStyle>({{fsBold, "fsBold"},
                              {fsItalic, "fsItalic"},
                              {fsUnderline, "fsUnderline"},
                              {fsStrikeOut, "fsStrikeOut"}});
    RegisterEnum<TFontPitch>({{fpDefault, "fpDefault"}, {fpVariable, "fpVariable"}, {fpFixed, "fpFixed"}});
    TFont defaults;
    RegisterClass<TFont>("TFont")
        .Property("Charset", &TFont::Charset, &TFont::SetCharset, defaults.Charset())
        .ColorProperty("Color", &TFont::Color, &TFont::SetColor, defaults.Color())
        .Property("Height", &TFont::Height, &TFont::SetHeight, defaults.Height())
        .Property("Name", &TFont::Name, &TFont::SetName, defaults.Name())
        .Property("Pitch", &TFont::Pitch, &TFont::SetPitch, defaults.Pitch())
        .Property("Style", &TFont::Style, &TFont::SetStyle);
    RegisterClass<TSizeConstraints>("TSizeConstraints", "TPersistent")
        .Property("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight)
        .Property("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth)
        .Property("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight)
        .Property("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth);

    RegisterEnum<TAlign>({{alNone, "alNone"},
                          {alTop, "alTop"},
                          {alBottom, "alBottom"},
                          {alLeft, "alLeft"},
                          {alRight, "alRight"},
                          {alClient, "alClient"},
                          {alCustom, "alCustom"}});
    RegisterEnum<TAnchorKind>(
        {{akLeft, "akLeft"}, {akTop, "akTop"}, {akRight, "akRight"}, {akBottom, "akBottom"}});
    // Bounds come first so that later properties (alignment, anchors) see them.
    RegisterClass<TControl>("TControl", "TComponent")
        .Property("Left", &TControl::Left, &TControl::SetLeft)
        .AlwaysStored()
        .Property("Top", &TControl::Top, &TControl::SetTop)
        .AlwaysStored()
        .Property("Width", &TControl::Width, &TControl::SetWidth)
        .AlwaysStored()
        .Property("Height", &TControl::Height, &TControl::SetHeight)
        .AlwaysStored()
        .Property("Align", &TControl::Align, &TControl::SetAlign)
        .Property("Anchors", &TControl::Anchors, &TControl::SetAnchors, TAnchors{akLeft, akTop})
        .Property("AutoSize", &TControl::AutoSize, &TControl::SetAutoSize)
        .Property("Caption", &TControl::Caption, &TControl::SetCaption)
        // A colour taken from the parent is not the control's own: it is not written.
        .ColorProperty(
            "Color", [](TControl* c) { return c->ParentColor() ? TColor(clWindow) : c->Color(); },
            &TControl::SetColor, clWindow)
        .ObjectProperty("Constraints", &TControl::Constraints)
        .Property("Cursor", &TControl::Cursor, &TControl::SetCursor)
        .Property("Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
        .ObjectProperty("Font", &TControl::Font)
        .Property("Hint", &TControl::Hint, &TControl::SetHint)
        .Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, true)
        .Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true)
        .Property("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint, true)
        .ReferenceProperty("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
        .Property("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
        .Property("Visible", &TControl::Visible, &TControl::SetVisible, true)
        .EventProperty("OnClick", &TControl::OnClick)
        .EventProperty("OnDblClick", &TControl::OnDblClick)
        .EventProperty("OnMouseDown", &TControl::OnMouseDown)
        .EventProperty("OnMouseMove", &TControl::OnMouseMove)
        .EventProperty("OnMouseUp", &TControl::OnMouseUp)
        .EventProperty("OnResize", &TControl::OnResize);
    RegisterClass<TGraphicControl>("TGraphicControl", "TControl");
    RegisterClass<TWinControl>("TWinControl", "TControl")
        .Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder, -1)
        .Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
        .EventProperty("OnEnter", &TWinControl::OnEnter)
        .EventProperty("OnExit", &TWinControl::OnExit)
        .EventProperty("OnKeyDown", &TWinControl::OnKeyDown)
        .EventProperty("OnKeyPress", &TWinControl::OnKeyPress)
        .EventProperty("OnKeyUp", &TWinControl::OnKeyUp);
    RegisterClass<TCustomControl>("TCustomControl", "TWinControl");

    RegisterEnum<TFormStyle>({{fsNormal, "fsNormal"},
                              {fsMDIChild, "fsMDIChild"},
                              {fsMDIForm, "fsMDIForm"},
                              {fsStayOnTop, "fsStayOnTop"}});
    RegisterEnum<TFormBorderStyle>({{bsNone, "bsNone"},
                                    {bsSingle, "bsSingle"},
                                    {bsSizeable, "bsSizeable"},
                                    {bsDialog, "bsDialog"},
                                    {bsToolWindow, "bsToolWindow"},
                                    {bsSizeToolWin, "bsSizeToolWin"}});
    RegisterEnum<TBorderIcon>({{biSystemMenu, "biSystemMenu"},
                               {biMinimize, "biMinimize"},
                               {biMaximize, "biMaximize"},
                               {biHelp, "biHelp"}});
    RegisterEnum<TPosition>({{poDesigned, "poDesigned"},
                             {poDefault, "poDefault"},
                             {poDefaultPosOnly, "poDefaultPosOnly"},
                             {poDefaultSizeOnly, "poDefaultSizeOnly"},
                             {poScreenCenter, "poScreenCenter"},
                             {poDesktopCenter, "poDesktopCenter"},
                             {poMainFormCenter, "poMainFormCenter"},
                             {poOwnerFormCenter, "poOwnerFormCenter"}});
    RegisterClass<TCustomForm>("TCustomForm", "TCustomControl")
        .ColorProperty("Color", &TCustomForm::Color, &TCustomForm::SetColor, clBtnFace)
        .Property("ParentColor", &TCustomForm::ParentColor, &TCustomForm::SetParentColor, false)
        .Property("ParentFont", &TCustomForm::ParentFont, &TCustomForm::SetParentFont, false)
        .Property("Visible", &TCustomForm::Visible, &TCustomForm::SetVisible, false)
        .Property("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons,
                  TBorderIcons{biSystemMenu, biMinimize, biMaximize})
        .Property("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle, bsSizeable)
        .Property("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle)
        .Property("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview)
        .ReferenceProperty("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu)
        .ReferenceProperty("WindowMenu", &TCustomForm::WindowMenu, &TCustomForm::SetWindowMenu)
        .Property("Position", &TCustomForm::Position, &TCustomForm::SetPosition)
        .ReferenceProperty("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl)
        .EventProperty("OnActivate", &TCustomForm::OnActivate)
        .EventProperty("OnClose", &TCustomForm::OnClose)
        .EventProperty("OnCloseQuery", &TCustomForm::OnCloseQuery)
        .EventProperty("OnCreate", &TCustomForm::OnCreate)
        .EventProperty("OnDeactivate", &TCustomForm::OnDeactivate)
        .EventProperty("OnDestroy", &TCustomForm::OnDestroy)
        .EventProperty("OnHide", &TCustomForm::OnHide)
        .EventProperty("OnPaint", &TCustomForm::OnPaint)
        .EventProperty("OnShow", &TCustomForm::OnShow);
    RegisterClass<TForm>("TForm", "TCustomForm");
    RegisterStdControls();
    RegisterComCtrlsClasses();
}
