// Every control of this folder painted from skins whose geometry is broken in
// the ways a hand-edited or hostile skin breaks it. Under the sanitizers this
// shows that no tiling divides by zero and nothing is read outside a picture.
#include "SkinControlProbes.h"

#include "skin/engine/DataSkinControls.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <functional>

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

class HostileSkinTest : public TSkinControlTest {
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
        for (TControl* c : out) {
            if (auto* w = dynamic_cast<TlxSkinControl*>(c)) w->SetSkinData(SD);
            if (auto* g = dynamic_cast<TlxGraphicSkinControl*>(c)) g->SetSkinData(SD);
        }
        return out;
    }
};

} // namespace

TEST_F(HostileSkinTest, EveryControlPaintsEveryDamagedSkinAtEverySize) {
    std::vector<TControl*> controls = MakeControls();
    for (const TDamage& damage : Damages) {
        SCOPED_TRACE(damage.Name);
        TTestSkin skin;
        int picture = skin.AddPicture(TTestSkin::StandardPicture());
        TBitmap smallMask(3, 3);
        smallMask.Fill(0xFF000000);
        skin.AddPicture(smallMask);
        for (const char* name : {"probe"}) {
            auto& d = skin.Add<TlxDataSkinPanelControl>(name);
            TTestSkin::SetNinePart(d, picture);
            d.MaskPictureIndex = 1;
            damage.Apply(d);
        }
        skin.LoadInto(SD);
        for (TSize size : {TSize{0, 0}, TSize{1, 1}, TSize{7, 5}, TSize{60, 40}, TSize{300, 200}}) {
            for (TControl* c : controls) {
                c->SetBounds(0, 0, size.cx, size.cy);
                c->Repaint();
            }
            Session.Pump();
        }
    }
}
