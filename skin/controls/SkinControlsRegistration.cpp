#include "skin/controls/SkinControlsRegistration.h"

#include "platform/base/MemoryStream.h"
#include "platform/vcl/TClassRegistry.h"
#include "skin/controls/SkinListsRegistration.h"
#include "skin/controls/SkinOfficeRegistration.h"
#include "skin/controls/SkinViewsRegistration.h"
#include "skin/controls/TlxGraphicSkinCustomControl.h"
#include "skin/controls/TlxSkinBevel.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCheckRadioBox.h"
#include "skin/controls/TlxSkinGroupBox.h"
#include "skin/controls/TlxSkinHint.h"
#include "skin/controls/TlxSkinImagesMenu.h"
#include "skin/controls/TlxSkinMenuSpeedButton.h"
#include "skin/controls/TlxSkinPaintPanel.h"
#include "skin/controls/TlxSkinPanel.h"
#include "skin/controls/TlxSkinScrollBar.h"
#include "skin/controls/TlxSkinScrollBox.h"
#include "skin/controls/TlxSkinSpeedButton.h"
#include "skin/controls/TlxSkinSplitter.h"
#include "skin/controls/TlxSkinStatusBar.h"
#include "skin/controls/TlxSkinStatusPanel.h"
#include "skin/controls/TlxSkinStdLabel.h"
#include "skin/controls/TlxSkinTextLabel.h"
#include "skin/controls/TlxSkinToolBar.h"
#include "skin/controls/TlxSkinUpDown.h"
#include "skin/engine/SkinEngineRegistration.h"

#include <string>

namespace {

// The skinned hint, and the images menu with its entries before ItemIndex,
// which names one of them.
void RegisterImagesMenu() {
    using M = TlxSkinImagesMenu;
    RegisterClass<TlxImagesMenuItem>("TlxImagesMenuItem", "TCollectionItem")
        .Property("Button", &TlxImagesMenuItem::Button, &TlxImagesMenuItem::SetButton)
        .Property("Header", &TlxImagesMenuItem::Header, &TlxImagesMenuItem::SetHeader)
        .Property("Caption", &TlxImagesMenuItem::Caption, &TlxImagesMenuItem::SetCaption)
        .Property("Hint", &TlxImagesMenuItem::Hint, &TlxImagesMenuItem::SetHint)
        .Property("ImageIndex", &TlxImagesMenuItem::ImageIndex, &TlxImagesMenuItem::SetImageIndex, -1)
        .EventProperty("OnClick", &TlxImagesMenuItem::OnClick);
    RegisterClass<TlxImagesMenuItems>("TlxImagesMenuItems", "TCollection");
    RegisterClass<TlxSkinHint>("TlxSkinHint", "TComponent")
        .Property("LineSeparator", &TlxSkinHint::LineSeparator, &TlxSkinHint::SetLineSeparator,
                  std::string("@"))
        .ReferenceProperty("SkinData", &TlxSkinHint::SkinData, &TlxSkinHint::SetSkinData)
        .Property("Active", &TlxSkinHint::Active, &TlxSkinHint::SetActive, true)
        .Property("AlphaBlend", &TlxSkinHint::AlphaBlend, &TlxSkinHint::SetAlphaBlend)
        .Property("AlphaBlendValue", &TlxSkinHint::AlphaBlendValue, &TlxSkinHint::SetAlphaBlendValue)
        .Property("AlphaBlendAnimation", &TlxSkinHint::AlphaBlendAnimation,
                  &TlxSkinHint::SetAlphaBlendAnimation)
        .ObjectProperty("DefaultFont", &TlxSkinHint::DefaultFont)
        .Property("UseSkinFont", &TlxSkinHint::UseSkinFont, &TlxSkinHint::SetUseSkinFont, true);
    RegisterClass<M>("TlxSkinImagesMenu", "TComponent")
        .ReferenceProperty("Images", &M::Images, &M::SetImages)
        .CollectionProperty("ImagesItems", &M::ImagesItems)
        .Property("ItemIndex", &M::ItemIndex, &M::SetItemIndex, -1)
        .Property("ColumnsCount", &M::ColumnsCount, &M::SetColumnsCount, 1)
        .Property("ShowSelectedItem", &M::ShowSelectedItem, &M::SetShowSelectedItem, true)
        .Property("ShowHints", &M::ShowHints, &M::SetShowHints, true)
        .ReferenceProperty("SkinHint", &M::SkinHint, &M::SetSkinHint)
        .ReferenceProperty("SkinData", &M::SkinData, &M::SetSkinData)
        .Property("UseSkinFont", &M::UseSkinFont, &M::SetUseSkinFont, true)
        .ObjectProperty("DefaultFont", &M::DefaultFont)
        .Property("AlphaBlend", &M::AlphaBlend, &M::SetAlphaBlend)
        .Property("AlphaBlendValue", &M::AlphaBlendValue, &M::SetAlphaBlendValue, Byte{200})
        .Property("AlphaBlendAnimation", &M::AlphaBlendAnimation, &M::SetAlphaBlendAnimation)
        .EventProperty("OnItemClick", &M::OnItemClick)
        .EventProperty("OnChange", &M::OnChange)
        .EventProperty("OnMenuPopup", &M::OnMenuPopup)
        .EventProperty("OnMenuClose", &M::OnMenuClose);
}

// A bitmap travels as the bytes of a BMP file; an empty one as none.
void RegisterBitmap() {
    RegisterClass<TBitmap>("TBitmap").CustomProperty(
        "Data",
        [](TBitmap* b) {
            if (b->Empty()) return TDescValue::OfBinary({});
            TMemoryStream s;
            b->SaveToStream(s);
            const auto* p = static_cast<const uint8_t*>(s.Memory());
            return TDescValue::OfBinary(std::vector<uint8_t>(p, p + s.Size()));
        },
        [](TBitmap* b, const TDescValue& v) {
            auto bytes = DescConvert::FromDesc<std::vector<uint8_t>>(v);
            if (bytes.empty()) {
                b->SetSize(0, 0);
                return;
            }
            TStringStream s(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
            b->LoadFromStream(s);
        },
        TDescValue::OfBinary({}));
}

// What the windowed and the windowless bases publish (TlxSkinBase).
template <class T> void RegisterSkinBase(const std::string& Name, const std::string& Parent) {
    RegisterClass<T>(Name, Parent)
        .ReferenceProperty("SkinData", &T::SkinData, &T::SetSkinData)
        .Property("SkinDataName", &T::SkinDataName, &T::SetSkinDataName)
        .Property("HintTitle", &T::HintTitle, &T::SetHintTitle)
        .Property("HintImageIndex", &T::HintImageIndex, &T::SetHintImageIndex)
        .ReferenceProperty("HintImageList", &T::HintImageList, &T::SetHintImageList)
        .EventProperty("OnMouseEnter", &T::OnMouseEnter)
        .EventProperty("OnMouseLeave", &T::OnMouseLeave);
}

// What the custom bases add (TlxSkinCustomBase).
template <class T> void RegisterSkinCustomBase(const std::string& Name, const std::string& Parent) {
    RegisterClass<T>(Name, Parent)
        .ObjectProperty("DefaultFont", &T::DefaultFont)
        .Property("DefaultWidth", &T::DefaultWidth, &T::SetDefaultWidth)
        .Property("DefaultHeight", &T::DefaultHeight, &T::SetDefaultHeight)
        .Property("UseSkinFont", &T::UseSkinFont, &T::SetUseSkinFont, true);
}

// The description name a class's constructor picks, published again with
// that default.
template <class T>
TClassBuilder<T> RegisterNamed(const std::string& Name, const std::string& Parent,
                               const std::string& SkinDataName) {
    return RegisterClass<T>(Name, Parent)
        .Property("SkinDataName", &T::SkinDataName, &T::SetSkinDataName, SkinDataName);
}

void RegisterBases() {
    RegisterSkinBase<TlxSkinControl>("TlxSkinControl", "TCustomControl");
    RegisterSkinCustomBase<TlxSkinCustomControl>("TlxSkinCustomControl", "TlxSkinControl");
    RegisterSkinBase<TlxGraphicSkinControl>("TlxGraphicSkinControl", "TGraphicControl");
    RegisterSkinCustomBase<TlxGraphicSkinCustomControl>("TlxGraphicSkinCustomControl",
                                                        "TlxGraphicSkinControl");
}

void RegisterButtons() {
    RegisterEnum<TlxButtonLayout>({{blGlyphLeft, "blGlyphLeft"},
                                   {blGlyphRight, "blGlyphRight"},
                                   {blGlyphTop, "blGlyphTop"},
                                   {blGlyphBottom, "blGlyphBottom"}});
    // A group turns CanFocused off: the group is read first and CanFocused
    // is always written after it, so a designed CanFocused holds.
    RegisterNamed<TlxSkinButton>("TlxSkinButton", "TlxSkinCustomControl", "button")
        .Property("TabStop", &TlxSkinButton::TabStop, &TlxSkinButton::SetTabStop, true)
        .ReferenceProperty("ImageList", &TlxSkinButton::ImageList, &TlxSkinButton::SetImageList)
        .Property("ImageIndex", &TlxSkinButton::ImageIndex, &TlxSkinButton::SetImageIndex, -1)
        .Property("AlwaysShowLayeredFrame", &TlxSkinButton::AlwaysShowLayeredFrame,
                  &TlxSkinButton::SetAlwaysShowLayeredFrame)
        .Property("UseSkinSize", &TlxSkinButton::UseSkinSize, &TlxSkinButton::SetUseSkinSize, true)
        .Property("UseSkinFontColor", &TlxSkinButton::UseSkinFontColor, &TlxSkinButton::SetUseSkinFontColor,
                  true)
        .Property("RepeatMode", &TlxSkinButton::RepeatMode, &TlxSkinButton::SetRepeatMode)
        .Property("RepeatInterval", &TlxSkinButton::RepeatInterval, &TlxSkinButton::SetRepeatInterval, 100)
        .Property("AllowAllUp", &TlxSkinButton::AllowAllUp, &TlxSkinButton::SetAllowAllUp)
        .Property("GroupIndex", &TlxSkinButton::GroupIndex, &TlxSkinButton::SetGroupIndex)
        .Property("CanFocused", &TlxSkinButton::CanFocused, &TlxSkinButton::SetCanFocused, true)
        .AlwaysStored()
        .Property("Down", &TlxSkinButton::Down, &TlxSkinButton::SetDown)
        .ObjectProperty("Glyph", &TlxSkinButton::Glyph)
        .Property("NumGlyphs", &TlxSkinButton::NumGlyphs, &TlxSkinButton::SetNumGlyphs, 1)
        .Property("Margin", &TlxSkinButton::Margin, &TlxSkinButton::SetMargin, -1)
        // 1 when built: a designed 4 is written too.
        .Property("Spacing", &TlxSkinButton::Spacing, &TlxSkinButton::SetSpacing, 1)
        .Property("Layout", &TlxSkinButton::Layout, &TlxSkinButton::SetLayout, blGlyphLeft)
        .Property("Cancel", &TlxSkinButton::Cancel, &TlxSkinButton::SetCancel)
        .Property("Default", &TlxSkinButton::Default, &TlxSkinButton::SetDefault)
        .Property("ModalResult", &TlxSkinButton::ModalResult, &TlxSkinButton::SetModalResult)
        .EventProperty("OnPaint", &TlxSkinButton::OnPaint);

    // Flat before Transparent, which it sets; the widths before ShowCaption,
    // which takes one of them.
    RegisterNamed<TlxSkinSpeedButton>("TlxSkinSpeedButton", "TlxGraphicSkinCustomControl", "toolbutton")
        .ReferenceProperty("ImageList", &TlxSkinSpeedButton::ImageList, &TlxSkinSpeedButton::SetImageList)
        .Property("ImageIndex", &TlxSkinSpeedButton::ImageIndex, &TlxSkinSpeedButton::SetImageIndex)
        .Property("UseSkinSize", &TlxSkinSpeedButton::UseSkinSize, &TlxSkinSpeedButton::SetUseSkinSize, true)
        .Property("UseSkinFontColor", &TlxSkinSpeedButton::UseSkinFontColor,
                  &TlxSkinSpeedButton::SetUseSkinFontColor, true)
        .Property("WidthWithCaption", &TlxSkinSpeedButton::WidthWithCaption,
                  &TlxSkinSpeedButton::SetWidthWithCaption)
        .Property("WidthWithoutCaption", &TlxSkinSpeedButton::WidthWithoutCaption,
                  &TlxSkinSpeedButton::SetWidthWithoutCaption)
        .Property("ShowCaption", &TlxSkinSpeedButton::ShowCaption, &TlxSkinSpeedButton::SetShowCaption, true)
        .Property("RepeatMode", &TlxSkinSpeedButton::RepeatMode, &TlxSkinSpeedButton::SetRepeatMode)
        .Property("RepeatInterval", &TlxSkinSpeedButton::RepeatInterval,
                  &TlxSkinSpeedButton::SetRepeatInterval, 100)
        .Property("Flat", &TlxSkinSpeedButton::Flat, &TlxSkinSpeedButton::SetFlat)
        .Property("Transparent", &TlxSkinSpeedButton::Transparent, &TlxSkinSpeedButton::SetTransparent)
        .Property("AllowAllUp", &TlxSkinSpeedButton::AllowAllUp, &TlxSkinSpeedButton::SetAllowAllUp)
        .Property("GroupIndex", &TlxSkinSpeedButton::GroupIndex, &TlxSkinSpeedButton::SetGroupIndex)
        .Property("Down", &TlxSkinSpeedButton::Down, &TlxSkinSpeedButton::SetDown)
        .ObjectProperty("Glyph", &TlxSkinSpeedButton::Glyph)
        .Property("NumGlyphs", &TlxSkinSpeedButton::NumGlyphs, &TlxSkinSpeedButton::SetNumGlyphs, 1)
        .Property("Margin", &TlxSkinSpeedButton::Margin, &TlxSkinSpeedButton::SetMargin, -1)
        .Property("Spacing", &TlxSkinSpeedButton::Spacing, &TlxSkinSpeedButton::SetSpacing, 1)
        .Property("Layout", &TlxSkinSpeedButton::Layout, &TlxSkinSpeedButton::SetLayout, blGlyphLeft)
        .ReferenceProperty("SkinImagesMenu", &TlxSkinSpeedButton::SkinImagesMenu,
                           &TlxSkinSpeedButton::SetSkinImagesMenu)
        .Property("UseImagesMenuImage", &TlxSkinSpeedButton::UseImagesMenuImage,
                  &TlxSkinSpeedButton::SetUseImagesMenuImage)
        .Property("UseImagesMenuCaption", &TlxSkinSpeedButton::UseImagesMenuCaption,
                  &TlxSkinSpeedButton::SetUseImagesMenuCaption)
        .EventProperty("OnPaint", &TlxSkinSpeedButton::OnPaint);
    RegisterImagesMenu();
    RegisterEnum<TlxTrackPosition>({{lxtpRight, "lxtpRight"}, {lxtpBottom, "lxtpBottom"}});
    RegisterClass<TlxSkinPopupMenu>("TlxSkinPopupMenu", "TPopupMenu");
    RegisterNamed<TlxSkinMenuSpeedButton>("TlxSkinMenuSpeedButton", "TlxSkinSpeedButton", "toolmenubutton")
        .Property("NewStyle", &TlxSkinMenuSpeedButton::NewStyle, &TlxSkinMenuSpeedButton::SetNewStyle)
        .Property("TrackPosition", &TlxSkinMenuSpeedButton::TrackPosition,
                  &TlxSkinMenuSpeedButton::SetTrackPosition, lxtpRight)
        .ReferenceProperty("SkinPopupMenu", &TlxSkinMenuSpeedButton::SkinPopupMenu,
                           &TlxSkinMenuSpeedButton::SetSkinPopupMenu)
        .Property("TrackButtonMode", &TlxSkinMenuSpeedButton::TrackButtonMode,
                  &TlxSkinMenuSpeedButton::SetTrackButtonMode)
        .EventProperty("OnShowTrackMenu", &TlxSkinMenuSpeedButton::OnShowTrackMenu)
        .EventProperty("OnHideTrackMenu", &TlxSkinMenuSpeedButton::OnHideTrackMenu);

    RegisterEnum<TCheckBoxState>(
        {{cbUnchecked, "cbUnchecked"}, {cbChecked, "cbChecked"}, {cbGrayed, "cbGrayed"}});
    // Checked before State: a grayed box keeps its third state.
    RegisterNamed<TlxSkinCheckRadioBox>("TlxSkinCheckRadioBox", "TlxSkinCustomControl", "checkbox")
        .Property("WordWrap", &TlxSkinCheckRadioBox::WordWrap, &TlxSkinCheckRadioBox::SetWordWrap)
        .Property("AllowGrayed", &TlxSkinCheckRadioBox::AllowGrayed, &TlxSkinCheckRadioBox::SetAllowGrayed)
        .ReferenceProperty("Images", &TlxSkinCheckRadioBox::Images, &TlxSkinCheckRadioBox::SetImages)
        .Property("ImageIndex", &TlxSkinCheckRadioBox::ImageIndex, &TlxSkinCheckRadioBox::SetImageIndex)
        .Property("Flat", &TlxSkinCheckRadioBox::Flat, &TlxSkinCheckRadioBox::SetFlat, true)
        .Property("UseSkinFontColor", &TlxSkinCheckRadioBox::UseSkinFontColor,
                  &TlxSkinCheckRadioBox::SetUseSkinFontColor, true)
        .Property("CanFocused", &TlxSkinCheckRadioBox::CanFocused, &TlxSkinCheckRadioBox::SetCanFocused, true)
        .Property("Radio", &TlxSkinCheckRadioBox::Radio, &TlxSkinCheckRadioBox::SetRadio)
        .Property("GroupIndex", &TlxSkinCheckRadioBox::GroupIndex, &TlxSkinCheckRadioBox::SetGroupIndex)
        .Property("Checked", &TlxSkinCheckRadioBox::Checked, &TlxSkinCheckRadioBox::SetChecked)
        .Property("State", &TlxSkinCheckRadioBox::State, &TlxSkinCheckRadioBox::SetState, cbUnchecked);

    RegisterEnum<TUDOrientation>({{udHorizontal, "udHorizontal"}, {udVertical, "udVertical"}});
    // Min and Max before Position, which must lie between them.
    RegisterNamed<TlxSkinUpDown>("TlxSkinUpDown", "TlxSkinCustomControl", "hupdown")
        .Property("UseSkinSize", &TlxSkinUpDown::UseSkinSize, &TlxSkinUpDown::SetUseSkinSize, true)
        .Property("Orientation", &TlxSkinUpDown::Orientation, &TlxSkinUpDown::SetOrientation, udHorizontal)
        .Property("Increment", &TlxSkinUpDown::Increment, &TlxSkinUpDown::SetIncrement, 1)
        .Property("Min", &TlxSkinUpDown::Min, &TlxSkinUpDown::SetMin)
        .Property("Max", &TlxSkinUpDown::Max, &TlxSkinUpDown::SetMax, 100)
        .Property("Position", &TlxSkinUpDown::Position, &TlxSkinUpDown::SetPosition)
        .EventProperty("OnUpButtonClick", &TlxSkinUpDown::OnUpButtonClick)
        .EventProperty("OnDownButtonClick", &TlxSkinUpDown::OnDownButtonClick)
        .EventProperty("OnChange", &TlxSkinUpDown::OnChange);
}

void RegisterPanels() {
    RegisterEnum<TlxSkinBorderStyle>(
        {{bvFrame, "bvFrame"}, {bvRaised, "bvRaised"}, {bvLowered, "bvLowered"}, {bvNone, "bvNone"}});
    RegisterEnum<TlxImagePosition>({{lxipDefault, "lxipDefault"}, {lxipLeft, "lxipLeft"}});
    // CheckedMode and Checked before the roll-up, which folds the panel.
    RegisterNamed<TlxSkinPanel>("TlxSkinPanel", "TlxSkinCustomControl", "panel")
        .Property("BorderStyle", &TlxSkinPanel::BorderStyle, &TlxSkinPanel::SetBorderStyle, bvFrame)
        .Property("CaptionMode", &TlxSkinPanel::CaptionMode, &TlxSkinPanel::SetCaptionMode)
        .Property("DefaultCaptionHeight", &TlxSkinPanel::DefaultCaptionHeight,
                  &TlxSkinPanel::SetDefaultCaptionHeight, 22)
        .Property("DefaultAlignment", &TlxSkinPanel::DefaultAlignment, &TlxSkinPanel::SetDefaultAlignment,
                  taLeftJustify)
        .Property("RibbonStyle", &TlxSkinPanel::RibbonStyle, &TlxSkinPanel::SetRibbonStyle)
        .ObjectProperty("Glyph", &TlxSkinPanel::Glyph)
        .Property("NumGlyphs", &TlxSkinPanel::NumGlyphs, &TlxSkinPanel::SetNumGlyphs, 1)
        .ReferenceProperty("CaptionImageList", &TlxSkinPanel::CaptionImageList,
                           &TlxSkinPanel::SetCaptionImageList)
        .Property("CaptionImageIndex", &TlxSkinPanel::CaptionImageIndex, &TlxSkinPanel::SetCaptionImageIndex,
                  -1)
        .Property("ImagePosition", &TlxSkinPanel::ImagePosition, &TlxSkinPanel::SetImagePosition, lxipDefault)
        .Property("Spacing", &TlxSkinPanel::Spacing, &TlxSkinPanel::SetSpacing, 2)
        .Property("CheckedMode", &TlxSkinPanel::CheckedMode, &TlxSkinPanel::SetCheckedMode)
        .Property("AutoEnabledControls", &TlxSkinPanel::AutoEnabledControls,
                  &TlxSkinPanel::SetAutoEnabledControls, true)
        .Property("Checked", &TlxSkinPanel::Checked, &TlxSkinPanel::SetChecked)
        .Property("RollUpMode", &TlxSkinPanel::RollUpMode, &TlxSkinPanel::SetRollUpMode)
        .Property("RollUpState", &TlxSkinPanel::RollUpState, &TlxSkinPanel::SetRollUpState)
        .Property("TransparentMode", &TlxSkinPanel::TransparentMode, &TlxSkinPanel::SetTransparentMode)
        .EventProperty("OnChecked", &TlxSkinPanel::OnChecked)
        .EventProperty("OnChangeRollUpState", &TlxSkinPanel::OnChangeRollUpState);
    RegisterClass<TlxSkinPaintPanel>("TlxSkinPaintPanel", "TlxSkinPanel")
        .EventProperty("OnPanelPaint", &TlxSkinPaintPanel::OnPanelPaint);
    RegisterNamed<TlxSkinGroupBox>("TlxSkinGroupBox", "TlxSkinPanel", "groupbox")
        .Property("CaptionMode", &TlxSkinGroupBox::CaptionMode, &TlxSkinGroupBox::SetCaptionMode, true);

    // The caption widths before ShowCaptions, which takes one of them.
    RegisterNamed<TlxSkinToolBar>("TlxSkinToolBar", "TlxSkinPanel", "toolpanel")
        .Property("BorderStyle", &TlxSkinToolBar::BorderStyle, &TlxSkinToolBar::SetBorderStyle, bvNone)
        .Property("DefaultHeight", &TlxSkinToolBar::DefaultHeight, &TlxSkinToolBar::SetDefaultHeight)
        .Property("AdjustControls", &TlxSkinToolBar::AdjustControls, &TlxSkinToolBar::SetAdjustControls, true)
        .Property("CanScroll", &TlxSkinToolBar::CanScroll, &TlxSkinToolBar::SetCanScroll)
        .Property("HotScroll", &TlxSkinToolBar::HotScroll, &TlxSkinToolBar::SetHotScroll)
        .Property("ScrollOffset", &TlxSkinToolBar::ScrollOffset, &TlxSkinToolBar::SetScrollOffset)
        .Property("ScrollTimerInterval", &TlxSkinToolBar::ScrollTimerInterval,
                  &TlxSkinToolBar::SetScrollTimerInterval, 50)
        .Property("Flat", &TlxSkinToolBar::Flat, &TlxSkinToolBar::SetFlat)
        .Property("AutoShowHideCaptions", &TlxSkinToolBar::AutoShowHideCaptions,
                  &TlxSkinToolBar::SetAutoShowHideCaptions)
        .Property("WidthWithCaptions", &TlxSkinToolBar::WidthWithCaptions,
                  &TlxSkinToolBar::SetWidthWithCaptions)
        .Property("WidthWithoutCaptions", &TlxSkinToolBar::WidthWithoutCaptions,
                  &TlxSkinToolBar::SetWidthWithoutCaptions)
        .Property("ShowCaptions", &TlxSkinToolBar::ShowCaptions, &TlxSkinToolBar::SetShowCaptions)
        .ReferenceProperty("Images", &TlxSkinToolBar::Images, &TlxSkinToolBar::SetImages)
        .ReferenceProperty("HotImages", &TlxSkinToolBar::HotImages, &TlxSkinToolBar::SetHotImages)
        .ReferenceProperty("DisabledImages", &TlxSkinToolBar::DisabledImages,
                           &TlxSkinToolBar::SetDisabledImages);
    RegisterNamed<TlxSkinStatusBar>("TlxSkinStatusBar", "TlxSkinPanel", "statusbar")
        .Property("Align", &TlxSkinStatusBar::Align, &TlxSkinStatusBar::SetAlign, alBottom)
        .Property("BorderStyle", &TlxSkinStatusBar::BorderStyle, &TlxSkinStatusBar::SetBorderStyle, bvNone)
        .Property("SizeGrip", &TlxSkinStatusBar::SizeGrip, &TlxSkinStatusBar::SetSizeGrip);

    RegisterNamed<TlxSkinScrollBox>("TlxSkinScrollBox", "TlxSkinCustomControl", "scrollbox")
        .ColorProperty(
            "Color", [](TControl* c) { return c->ParentColor() ? TColor(clWindow) : c->Color(); },
            &TControl::SetColor, clWindow)
        .Property("BorderStyle", &TlxSkinScrollBox::BorderStyle, &TlxSkinScrollBox::SetBorderStyle, bvFrame)
        .Property("CanFocused", &TlxSkinScrollBox::CanFocused, &TlxSkinScrollBox::SetCanFocused)
        .ReferenceProperty("VScrollBar", &TlxSkinScrollBox::VScrollBar, &TlxSkinScrollBox::SetVScrollBar)
        .ReferenceProperty("HScrollBar", &TlxSkinScrollBox::HScrollBar, &TlxSkinScrollBox::SetHScrollBar);
    RegisterClass<TlxSkinSplitter>("TlxSkinSplitter", "TSplitter")
        .ReferenceProperty("SkinData", &TlxSkinSplitter::SkinData, &TlxSkinSplitter::SetSkinData)
        .Property("SkinDataName", &TlxSkinSplitter::SkinDataName, &TlxSkinSplitter::SetSkinDataName,
                  std::string("vsplitter"))
        .Property("DefaultSize", &TlxSkinSplitter::DefaultSize, &TlxSkinSplitter::SetDefaultSize, 10)
        .Property("Transparent", &TlxSkinSplitter::Transparent, &TlxSkinSplitter::SetTransparent)
        .EventProperty("OnDblClick", &TlxSkinSplitter::OnDblClick);
    RegisterClass<TlxSkinBevel>("TlxSkinBevel", "TBevel")
        .ReferenceProperty("SkinData", &TlxSkinBevel::SkinData, &TlxSkinBevel::SetSkinData)
        .Property("SkinDataName", &TlxSkinBevel::SkinDataName, &TlxSkinBevel::SetSkinDataName,
                  std::string("bevel"))
        .Property("DividerMode", &TlxSkinBevel::DividerMode, &TlxSkinBevel::SetDividerMode);

    RegisterEnum<TScrollBarKind>({{sbHorizontal, "sbHorizontal"}, {sbVertical, "sbVertical"}});
    // The range before PageSize and Position, which it bounds; the pair's
    // description name before Both, which switches to it.
    RegisterNamed<TlxSkinScrollBar>("TlxSkinScrollBar", "TlxSkinCustomControl", "hscrollbar")
        .Property("DefaultHeight", &TlxSkinScrollBar::DefaultHeight, &TlxSkinScrollBar::SetDefaultHeight, 19)
        .Property("Kind", &TlxSkinScrollBar::Kind, &TlxSkinScrollBar::SetKind, sbHorizontal)
        .Property("Min", &TlxSkinScrollBar::Min, &TlxSkinScrollBar::SetMin)
        .Property("Max", &TlxSkinScrollBar::Max, &TlxSkinScrollBar::SetMax, 100)
        .Property("PageSize", &TlxSkinScrollBar::PageSize, &TlxSkinScrollBar::SetPageSize)
        .Property("Position", &TlxSkinScrollBar::Position, &TlxSkinScrollBar::SetPosition)
        .Property("SmallChange", &TlxSkinScrollBar::SmallChange, &TlxSkinScrollBar::SetSmallChange, 1)
        .Property("LargeChange", &TlxSkinScrollBar::LargeChange, &TlxSkinScrollBar::SetLargeChange, 1)
        .Property("CanFocused", &TlxSkinScrollBar::CanFocused, &TlxSkinScrollBar::SetCanFocused)
        .Property("BothMarkerWidth", &TlxSkinScrollBar::BothMarkerWidth,
                  &TlxSkinScrollBar::SetBothMarkerWidth, 19)
        .Property("BothSkinDataName", &TlxSkinScrollBar::BothSkinDataName,
                  &TlxSkinScrollBar::SetBothSkinDataName, std::string("bothhscrollbar"))
        .Property("Both", &TlxSkinScrollBar::Both, &TlxSkinScrollBar::SetBoth)
        .EventProperty("OnChange", &TlxSkinScrollBar::OnChange)
        .EventProperty("OnLastChange", &TlxSkinScrollBar::OnLastChange)
        .EventProperty("OnUpButtonClick", &TlxSkinScrollBar::OnUpButtonClick)
        .EventProperty("OnDownButtonClick", &TlxSkinScrollBar::OnDownButtonClick)
        .EventProperty("OnPageUp", &TlxSkinScrollBar::OnPageUp)
        .EventProperty("OnPageDown", &TlxSkinScrollBar::OnPageDown);
}

void RegisterLabels() {
    RegisterEnum<TlxEllipsType>(
        {{lxetNone, "lxetNone"}, {lxetEndEllips, "lxetEndEllips"}, {lxetPathEllips, "lxetPathEllips"}});
    RegisterEnum<TlxEllipsType2>({{lxetNoneEllips, "lxetNoneEllips"}, {lxetEllips, "lxetEllips"}});

    RegisterNamed<TlxSkinLabel>("TlxSkinLabel", "TlxSkinCustomControl", "label")
        .Property("ShadowEffect", &TlxSkinLabel::ShadowEffect, &TlxSkinLabel::SetShadowEffect)
        .ColorProperty("ShadowColor", &TlxSkinLabel::ShadowColor, &TlxSkinLabel::SetShadowColor, clBlack)
        .Property("ShadowOffset", &TlxSkinLabel::ShadowOffset, &TlxSkinLabel::SetShadowOffset)
        .Property("ShadowSize", &TlxSkinLabel::ShadowSize, &TlxSkinLabel::SetShadowSize, 3)
        .Property("ReflectionEffect", &TlxSkinLabel::ReflectionEffect, &TlxSkinLabel::SetReflectionEffect)
        .Property("ReflectionOffset", &TlxSkinLabel::ReflectionOffset, &TlxSkinLabel::SetReflectionOffset, -5)
        .Property("EllipsType", &TlxSkinLabel::EllipsType, &TlxSkinLabel::SetEllipsType, lxetNoneEllips)
        .Property("UseSkinSize", &TlxSkinLabel::UseSkinSize, &TlxSkinLabel::SetUseSkinSize, true)
        .Property("UseSkinFontColor", &TlxSkinLabel::UseSkinFontColor, &TlxSkinLabel::SetUseSkinFontColor,
                  true)
        .Property("BorderStyle", &TlxSkinLabel::BorderStyle, &TlxSkinLabel::SetBorderStyle, bvFrame)
        .Property("Alignment", &TlxSkinLabel::Alignment, &TlxSkinLabel::SetAlignment, taLeftJustify);
    RegisterNamed<TlxSkinStatusPanel>("TlxSkinStatusPanel", "TlxSkinLabel", "statuspanel")
        .ReferenceProperty("ImageList", &TlxSkinStatusPanel::ImageList, &TlxSkinStatusPanel::SetImageList)
        .Property("ImageIndex", &TlxSkinStatusPanel::ImageIndex, &TlxSkinStatusPanel::SetImageIndex, -1)
        .Property("NumGlyphs", &TlxSkinStatusPanel::NumGlyphs, &TlxSkinStatusPanel::SetNumGlyphs, 1)
        .ObjectProperty("Glyph", &TlxSkinStatusPanel::Glyph);

    RegisterClass<TlxSkinStdLabel>("TlxSkinStdLabel", "TCustomLabel")
        .Property("Transparent", &TlxSkinStdLabel::Transparent, &TlxSkinStdLabel::SetTransparent, true)
        .Property("EllipsType", &TlxSkinStdLabel::EllipsType, &TlxSkinStdLabel::SetEllipsType, lxetNone)
        .Property("UseSkinFont", &TlxSkinStdLabel::UseSkinFont, &TlxSkinStdLabel::SetUseSkinFont, true)
        .Property("UseSkinColor", &TlxSkinStdLabel::UseSkinColor, &TlxSkinStdLabel::SetUseSkinColor, true)
        .ObjectProperty("DefaultFont", &TlxSkinStdLabel::DefaultFont)
        .ReferenceProperty("SkinData", &TlxSkinStdLabel::SkinData, &TlxSkinStdLabel::SetSkinData)
        .Property("SkinDataName", &TlxSkinStdLabel::SkinDataName, &TlxSkinStdLabel::SetSkinDataName,
                  std::string("stdlabel"));
    RegisterClass<TlxSkinTextLabel>("TlxSkinTextLabel", "TGraphicControl")
        .Property("AutoSize", &TlxSkinTextLabel::AutoSize, &TlxSkinTextLabel::SetAutoSize, true)
        .Property("UseSkinFont", &TlxSkinTextLabel::UseSkinFont, &TlxSkinTextLabel::SetUseSkinFont, true)
        .Property("UseSkinColor", &TlxSkinTextLabel::UseSkinColor, &TlxSkinTextLabel::SetUseSkinColor, true)
        .ObjectProperty("Lines", [](TlxSkinTextLabel* l) -> TStrings* { return l->Lines(); })
        .ObjectProperty("DefaultFont", &TlxSkinTextLabel::DefaultFont)
        .ReferenceProperty("SkinData", &TlxSkinTextLabel::SkinData, &TlxSkinTextLabel::SetSkinData)
        .Property("SkinDataName", &TlxSkinTextLabel::SkinDataName, &TlxSkinTextLabel::SetSkinDataName,
                  std::string("stdlabel"))
        .Property("Alignment", &TlxSkinTextLabel::Alignment, &TlxSkinTextLabel::SetAlignment, taLeftJustify)
        .Property("Layout", &TlxSkinTextLabel::Layout, &TlxSkinTextLabel::SetLayout, tlTop)
        .Property("WordWrap", &TlxSkinTextLabel::WordWrap, &TlxSkinTextLabel::SetWordWrap);
}

} // namespace

void RegisterSkinControls() {
    RegisterSkinEngineClasses();
    RegisterBitmap();
    RegisterBases();
    RegisterButtons();
    RegisterPanels();
    RegisterLabels();
    RegisterSkinViewClasses();
    RegisterSkinOfficeClasses();
    RegisterSkinListClasses();
}
