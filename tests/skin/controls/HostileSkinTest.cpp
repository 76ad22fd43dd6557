// Every control of this folder painted from skins whose geometry is broken in
// the ways a hand-edited or hostile skin breaks it. Under the sanitizers this
// shows that no tiling divides by zero and nothing is read outside a picture.
#include "SkinControlProbes.h"

#include "skin/controls/TlxSkinBevel.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCustomComboBox.h"
#include "skin/controls/TlxSkinCustomEdit.h"
#include "skin/controls/TlxSkinCustomListBox.h"
#include "skin/controls/TlxSkinGroupBox.h"
#include "skin/controls/TlxSkinLabel.h"
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
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/DataSkinListControls.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <functional>
#include <iterator>

namespace {

struct TDamage {
    const char* Name;
    std::function<void(TlxDataSkinCustomControl&)> Apply;
};

const TDamage Damages[] = {
    {"zero-size client tile",
     [](TlxDataSkinCustomControl& d) {
         d.ClRect = {4, 4, 4, 16};
     }},
    {"zero-size corners",
     [](TlxDataSkinCustomControl& d) {
         d.LTPoint = {0, 0};
         d.ClRect = {0, 0, 20, 20};
     }},
    {"skin rect outside the picture",
     [](TlxDataSkinCustomControl& d) {
         d.SkinRect = {40, 10, 90, 70};
     }},
    {"skin rect far past the picture",
     [](TlxDataSkinCustomControl& d) {
         d.SkinRect = {900, 900, 99999, 99999};
     }},
    {"huge fixed skin rect",
     [](TlxDataSkinCustomControl& d) {
         d.SkinRect = {0, 0, 99999, 99999};
         d.LTPoint = d.RTPoint = d.LBPoint = d.RBPoint = {0, 0};
     }},
    {"client larger than the skin rect",
     [](TlxDataSkinCustomControl& d) {
         d.ClRect = {0, 0, 60, 60};
     }},
    {"crossing points",
     [](TlxDataSkinCustomControl& d) {
         d.LTPoint = {16, 16};
         d.RTPoint = {4, 12};
         d.LBPoint = {12, 4};
         d.RBPoint = {3, 3};
         d.ClRect = {16, 16, 4, 4};
     }},
    {"points beyond the skin rect",
     [](TlxDataSkinCustomControl& d) {
         d.RTPoint = {90, 4};
         d.LBPoint = {4, 90};
         d.RBPoint = {90, 90};
     }},
    {"stretched zero-size client",
     [](TlxDataSkinCustomControl& d) {
         d.ClRect = {4, 4, 16, 4};
         d.StretchEffect = true;
         d.StretchType = lxstHorz;
     }},
    {"horizontal strip with crossing ends",
     [](TlxDataSkinCustomControl& d) {
         d.LTPoint = {18, 0};
         d.RTPoint = {2, 0};
         d.LBPoint = d.RBPoint = {0, 0};
     }},
    {"vertical strip with crossing ends",
     [](TlxDataSkinCustomControl& d) {
         d.LTPoint = {0, 18};
         d.LBPoint = {0, 2};
         d.RTPoint = d.RBPoint = {0, 0};
     }},
    {"no picture",
     [](TlxDataSkinCustomControl& d) {
         d.PictureIndex = -1;
         d.SkinRect = {0, 0, 99999, 99999};
     }},
    {"picture index past the list",
     [](TlxDataSkinCustomControl& d) {
         d.PictureIndex = 7;
         d.MaskPictureIndex = 9;
     }},
    {"mask smaller than the skin rect", [](TlxDataSkinCustomControl& d) { d.MaskPictureIndex = 1; }},
};

// One test per damage, so that each stays short under the sanitizers.
class HostileSkinTest : public TSkinControlTest, public ::testing::WithParamInterface<size_t> {
protected:
    // Each control of this folder, on the form, following SD.
    std::vector<TControl*> MakeControls() {
        std::vector<TControl*> out;
        auto windowed = Make<TProbeSkinControl>(0, 0, 10, 10);
        windowed->SetSkinDataName("probe");
        out.push_back(windowed);
        auto framed = Make<TProbeSkinControl>(0, 0, 10, 10);
        framed->SetSkinDataName("probe");
        framed->SetForceBackground(true);
        out.push_back(framed);
        auto windowless = Make<TProbeGraphicSkinControl>(0, 0, 10, 10);
        windowless->SetSkinDataName("probe");
        out.push_back(windowless);
        for (int variant = 0; variant < 5; ++variant) {
            auto* p = Make<TlxSkinPanel>(0, 0, 10, 10);
            p->SetCaption("Caption");
            p->SetCaptionMode(variant != 0);
            p->SetCheckedMode(variant >= 2);
            p->SetRollUpMode(variant >= 2);
            p->SetBorderStyle(variant == 4 ? bvNone : bvFrame);
            p->SetTransparentMode(variant == 3);
            p->SetImagePosition(variant == 2 ? lxipLeft : lxipDefault);
            TBitmap glyph(5, 3);
            if (variant == 2) p->SetGlyph(glyph);
            out.push_back(p);
        }
        out.push_back(Make<TlxSkinPaintPanel>(0, 0, 10, 10));
        auto* group = Make<TlxSkinGroupBox>(0, 0, 10, 10);
        group->SetCaption("Group");
        out.push_back(group);
        for (int variant = 0; variant < 3; ++variant) {
            auto* bar = Make<TlxSkinScrollBar>(0, 0, 10, 10);
            bar->SetRange(0, variant == 2 ? INT32_MAX : 100, variant == 1 ? 20 : 0, 50);
            bar->SetCanFocused(variant == 2);
            if (variant == 1) bar->SetKind(sbVertical);
            out.push_back(bar);
        }
        for (bool useSkinSize : {true, false}) {
            auto* label = Make<TlxSkinLabel>(0, 0, 10, 10);
            label->SetCaption("Label");
            label->SetUseSkinSize(useSkinSize);
            label->SetAutoSize(true);
            label->SetShadowEffect(useSkinSize);
            label->SetReflectionEffect(true);
            label->SetEllipsType(lxetEllips);
            out.push_back(label);
        }
        auto* status = Make<TlxSkinStatusPanel>(0, 0, 10, 10);
        status->SetCaption("Status");
        TBitmap glyph(7, 3);
        status->SetGlyph(glyph);
        status->SetNumGlyphs(2);
        out.push_back(status);
        auto* stdLabel = Make<TlxSkinStdLabel>(0, 0, 10, 10);
        stdLabel->SetCaption("Standard");
        stdLabel->SetEllipsType(lxetPathEllips);
        stdLabel->SetEnabled(false);
        out.push_back(stdLabel);
        for (bool useSkinSize : {true, false}) {
            auto* button = Make<TlxSkinButton>(0, 0, 10, 10);
            button->SetCaption("&Button");
            button->SetUseSkinSize(useSkinSize);
            out.push_back(button);
            auto* speed = Make<TlxSkinSpeedButton>(0, 0, 10, 10);
            speed->SetCaption("&Tool");
            speed->SetUseSkinSize(useSkinSize);
            speed->SetFlat(!useSkinSize);
            out.push_back(speed);
        }
        auto* toolBar = Make<TlxSkinToolBar>(0, 0, 10, 10);
        Make<TlxSkinSpeedButton>(0, 0, 25, 25, toolBar);
        Make<TlxSkinSpeedButton>(400, 0, 25, 25, toolBar);
        toolBar->SetCanScroll(true);
        out.push_back(toolBar);
        auto* statusBar = Make<TlxSkinStatusBar>(0, 0, 10, 10);
        statusBar->SetSizeGrip(true);
        out.push_back(statusBar);
        auto* box = Make<TlxSkinScrollBox>(0, 0, 10, 10);
        Make<TCustomControl>(0, 0, 400, 400, box);
        box->SetVScrollBar(Make<TlxSkinScrollBar>(0, 0, 19, 100));
        box->SetHScrollBar(Make<TlxSkinScrollBar>(0, 0, 100, 19));
        out.push_back(box);
        auto* holder = Make<TCustomControl>(0, 0, 300, 200);
        auto* splitter = Make<TlxSkinSplitter>(0, 0, 10, 10, holder);
        splitter->SetAlign(alLeft);
        out.push_back(splitter);
        auto* bevel = Make<TlxSkinBevel>(0, 0, 10, 10);
        bevel->SetDividerMode(true);
        out.push_back(bevel);
        auto* textLabel = Make<TlxSkinTextLabel>(0, 0, 10, 10);
        textLabel->Lines()->Add("Text");
        textLabel->SetLayout(tlCenter);
        out.push_back(textLabel);
        for (bool useSkinFont : {true, false}) {
            auto* edit = Make<TlxSkinEdit>(0, 0, 10, 10);
            edit->SetText("Edit");
            edit->SetButtonMode(true);
            edit->SetSkinDataName(useSkinFont ? "edit" : "buttonedit");
            edit->SetUseSkinFont(useSkinFont);
            out.push_back(edit);
        }
        for (int variant = 0; variant < 2; ++variant) {
            auto* list = Make<TlxSkinListBox>(0, 0, 10, 10);
            for (int i = 0; i < 30; ++i)
                list->Items()->Add(std::string(i, 'W'));
            list->SetItemIndex(3);
            list->SetCaption("List");
            list->SetCaptionMode(true);
            list->SetShowCaptionButtons(variant == 0);
            list->SetHorizontalExtent(true);
            list->SetUseSkinItemHeight(variant == 0);
            list->TabWidths()->Add(variant == 0 ? "99999999999" : "-5");
            out.push_back(list);
        }
        for (int variant = 0; variant < 4; ++variant) {
            auto* combo = Make<TlxSkinComboBox>(0, 0, 10, 10);
            for (int i = 0; i < 12; ++i)
                combo->Items()->Add(std::string(i, 'W'));
            combo->SetItemIndex(2);
            combo->SetStyle(variant == 1 ? lxcbEditStyle : lxcbFixedStyle);
            combo->SetUseSkinSize(variant != 2);
            combo->SetToolButtonStyle(variant == 3);
            out.push_back(combo);
        }
        for (TControl* c : out) {
            if (auto* e = dynamic_cast<TlxSkinCustomEdit*>(c)) e->SetSkinData(SD);
            if (auto* l = dynamic_cast<TlxSkinStdLabel*>(c)) l->SetSkinData(SD);
            if (auto* l = dynamic_cast<TlxSkinTextLabel*>(c)) l->SetSkinData(SD);
            if (auto* s = dynamic_cast<TlxSkinSplitter*>(c)) s->SetSkinData(SD);
            if (auto* b = dynamic_cast<TlxSkinBevel*>(c)) b->SetSkinData(SD);
            if (auto* w = dynamic_cast<TlxSkinControl*>(c)) w->SetSkinData(SD);
            if (auto* g = dynamic_cast<TlxGraphicSkinControl*>(c)) g->SetSkinData(SD);
        }
        return out;
    }
};

} // namespace

TEST_P(HostileSkinTest, EveryControlPaintsTheDamagedSkinAtEverySize) {
    std::vector<TControl*> controls = MakeControls();
    {
        const TDamage& damage = Damages[GetParam()];
        SCOPED_TRACE(damage.Name);
        TTestSkin skin;
        int picture = skin.AddPicture(TTestSkin::StandardPicture());
        TBitmap smallMask(3, 3);
        smallMask.Fill(0xFF000000);
        skin.AddPicture(smallMask);
        for (const char* name : {"probe", "panel", "groupbox", "toolpanel", "statusbar"}) {
            auto& d = skin.Add<TlxDataSkinPanelControl>(name);
            TTestSkin::SetNinePart(d, picture);
            d.MaskPictureIndex = 1;
            d.CaptionRect = {0, 0, 20, 4};
            d.CheckImageRect = {40, 0, 99999, 5};
            d.MarkFrameRect = {47, 23, 60, 60};
            d.FrameRect = {0, 0, 30, 10};
            d.FrameTextRect = {0, 0, 40, 10};
            d.FrameLeftOffset = d.FrameRightOffset = 50;
            d.BGPictureIndex = name[0] == 'g' ? 0 : -1;
            d.GripperRect = {40, 10, 99999, 99999};
            damage.Apply(d);
        }
        for (const char* name : {"label", "statuspanel"}) {
            auto& d = skin.Add<TlxDataSkinLabelControl>(name);
            TTestSkin::SetNinePart(d, picture);
            damage.Apply(d);
            d.FontHeight = 200000;
        }
        for (const char* name : {"button", "toolbutton", "resizebutton"}) {
            auto& d = skin.Add<TlxDataSkinButtonControl>(name);
            TTestSkin::SetNinePart(d, picture);
            damage.Apply(d);
            d.ActiveSkinRect = {900, 900, 99999, 99999};
            d.DownSkinRect = {40, 20, 10, 5};
            d.AnimateSkinRect = {0, 0, 99999, 3};
            d.FrameCount = 100000;
            d.AnimateInterval = 7;
            d.Morphing = true;
            d.GlowLayerPictureIndex = 1;
            d.GlowLayerMaskPictureIndex = 0;
            d.GlowLayerOffsetLeft = d.GlowLayerOffsetTop = 99999;
        }
        auto& scrollBox = skin.Add<TlxDataSkinScrollBoxControl>("scrollbox");
        TTestSkin::SetNinePart(scrollBox, picture);
        damage.Apply(scrollBox);
        scrollBox.BGPictureIndex = 9;
        auto& split = skin.Add<TlxDataSkinSplitterControl>("vsplitter");
        TTestSkin::SetNinePart(split, picture);
        damage.Apply(split);
        split.GripperRect = {40, 20, 99999, 99999};
        split.GripperTransparent = true;
        skin.Add<TlxDataSkinBevel>("bevel");
        for (const char* name : {"edit", "buttonedit"}) {
            auto& d = skin.Add<TlxDataSkinEditControl>(name);
            TTestSkin::SetNinePart(d, picture);
            damage.Apply(d);
            d.ActiveSkinRect = {10, 10, 99999, 20};
            d.ButtonRect = {0, 2, 99999, 8};
            d.ActiveButtonRect = d.DownButtonRect = {40, 20, 900, 900};
            d.FontHeight = 500;
        }
        auto& list = skin.Add<TlxDataSkinListBox>("listbox");
        TTestSkin::SetNinePart(list, picture);
        damage.Apply(list);
        list.SItemRect = {0, 0, 99999, 0};
        list.ActiveItemRect = {40, 20, 900, 900};
        list.ItemLeftOffset = 5000;
        list.ItemRightOffset = -7;
        list.ItemTextRect = {0, 0, 1, 1};
        list.CaptionRect = {0, 0, 99999, 3};
        list.UpButtonRect = {10, 0, 30, 99999};
        list.ActiveUpButtonRect = {40, 0, 99999, 5};
        list.DisabledButtonsRect = {0, 0, 99999, 99999};
        list.ButtonsArea = {0, 0, 500, 500};
        list.VScrollBarName = "hscrollbar";
        list.BothScrollBarName = "listbox";
        auto& combo = skin.Add<TlxDataSkinComboBox>("combobox");
        TTestSkin::SetNinePart(combo, picture);
        damage.Apply(combo);
        combo.SItemRect = {0, 0, 99999, 3};
        combo.FocusItemRect = {40, 20, 900, 900};
        combo.ItemLeftOffset = 4000;
        combo.ItemTextRect = {0, 0, 1, 99999};
        combo.ButtonRect = {0, 0, 99999, 99999};
        combo.ActiveSkinRect = {10, 10, 99999, 12};
        combo.ListBoxName = "listbox";
        auto& resize = skin.Add<TlxDataSkinButtonControl>("combobutton");
        TTestSkin::SetNinePart(resize, picture);
        damage.Apply(resize);
        resize.MenuMarkerRect = {40, 0, 99999, 99999};
        auto& editButton = skin.Add<TlxDataSkinButtonControl>("editbutton");
        TTestSkin::SetNinePart(editButton, picture);
        damage.Apply(editButton);
        auto& std = skin.Add<TlxDataSkinStdLabelControl>("stdlabel");
        std.FontHeight = -3;
        std.SkinRect = {0, 0, 99999, 99999};
        auto& bar = skin.Add<TlxDataSkinScrollBarControl>("hscrollbar");
        TTestSkin::SetNinePart(bar, picture);
        damage.Apply(bar);
        bar.TrackArea = {0, 0, 99999, 5};
        bar.UpButtonRect = {40, 10, 99999, 30};
        bar.ActiveUpButtonRect = {900, 900, 950, 950};
        bar.DownButtonRect = {0, 0, 0, 17};
        bar.ThumbRect = {44, 0, 48, 0};
        bar.ActiveThumbRect = {30, 20, 60, 90};
        bar.ThumbOffset1 = bar.ThumbOffset2 = 1000;
        bar.ThumbMinSize = 2147483647;
        bar.ThumbMinPageSize = 3;
        bar.GlyphRect = {47, 23, 200, 200};
        skin.LoadInto(SD);
        for (TSize size : {TSize{0, 0}, TSize{1, 1}, TSize{7, 5}, TSize{60, 40}, TSize{300, 200}}) {
            for (TControl* c : controls) {
                c->SetBounds(0, 0, size.cx, size.cy);
                c->Repaint();
            }
            Session.Pump();
        }
        // Hot, fading, animated and pressed buttons paint too.
        for (TControl* c : controls)
            if (dynamic_cast<TlxSkinButton*>(c) || dynamic_cast<TlxSkinSpeedButton*>(c)) {
                c->SetBounds(0, 0, 80, 30);
                Session.MouseMove(c->ClientToScreen({5, 5}));
                Session.Advance(20);
                Session.MouseDown(c->ClientToScreen({5, 5}));
                Session.Pump();
                Session.MouseMove({390, 290});
                Session.MouseUp({390, 290});
                Session.Pump();
            }
        // The tool bar's scroll buttons hot and pressed.
        for (TControl* c : controls)
            if (auto* bar = dynamic_cast<TlxSkinToolBar*>(c)) {
                bar->SetBounds(0, 0, 120, 30);
                const TPoint right = bar->ClientToScreen({bar->ClientWidth() + 5, 5});
                Session.MouseMove(right);
                Session.Click(right);
                Session.Pump();
            }
        // Open lists paint too.
        for (TControl* c : controls)
            if (auto* combo = dynamic_cast<TlxSkinComboBox*>(c)) {
                combo->SetBounds(0, 0, 120, 24);
                combo->DropDown();
                Session.Pump();
                combo->CloseUp(false);
            }
        // Hot and pressed parts of the bars paint too.
        for (TControl* c : controls)
            if (auto* bar = dynamic_cast<TlxSkinScrollBar*>(c)) {
                bar->SetBounds(0, 0, 120, 40);
                Session.MouseMove(bar->ClientToScreen({5, 5}));
                Session.MouseDown(bar->ClientToScreen({5, 5}));
                Session.Pump();
                Session.MouseMove(bar->ClientToScreen({60, 5}));
                Session.MouseUp(bar->ClientToScreen({60, 5}));
                Session.Pump();
            }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDamage, HostileSkinTest, ::testing::Range<size_t>(0, std::size(Damages)));
