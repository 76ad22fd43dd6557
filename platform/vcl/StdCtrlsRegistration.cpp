#include "platform/vcl/StdCtrlsRegistration.h"

#include "platform/base/MemoryStream.h"
#include "platform/vcl/TBevel.h"
#include "platform/vcl/TClassRegistry.h"
#include "platform/vcl/TCustomLabel.h"
#include "platform/vcl/TImage.h"
#include "platform/vcl/TSplitter.h"
#include "platform/vcl/TWinControl.h"

void RegisterStdControls() {
    RegisterEnum<TAlignment>({{taLeftJustify, "taLeftJustify"}, {taRightJustify, "taRightJustify"},
                              {taCenter, "taCenter"}});
    RegisterEnum<TTextLayout>({{tlTop, "tlTop"}, {tlCenter, "tlCenter"}, {tlBottom, "tlBottom"}});
    RegisterClass<TCustomLabel>("TCustomLabel", "TGraphicControl")
        .Property("Alignment", &TCustomLabel::Alignment, &TCustomLabel::SetAlignment)
        .Property("AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize, true)
        .ReferenceProperty("FocusControl", &TCustomLabel::FocusControl, &TCustomLabel::SetFocusControl)
        .Property("Layout", &TCustomLabel::Layout, &TCustomLabel::SetLayout)
        .Property("ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar, true)
        .Property("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent)
        .Property("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap);
    RegisterClass<TLabel>("TLabel", "TCustomLabel");

    RegisterEnum<TBevelShape>({{bsBox, "bsBox"}, {bsFrame, "bsFrame"}, {bsTopLine, "bsTopLine"},
                               {bsBottomLine, "bsBottomLine"}, {bsLeftLine, "bsLeftLine"},
                               {bsRightLine, "bsRightLine"}, {bsSpacer, "bsSpacer"}});
    RegisterEnum<TBevelStyle>({{bsLowered, "bsLowered"}, {bsRaised, "bsRaised"}});
    RegisterClass<TBevel>("TBevel", "TGraphicControl")
        .Property("Shape", &TBevel::Shape, &TBevel::SetShape)
        .Property("Style", &TBevel::Style, &TBevel::SetStyle);

    // A picture travels as the bytes of its own file format.
    RegisterClass<TPicture>("TPicture")
        .CustomProperty(
            "Data",
            [](TPicture* p) {
                TStringStream s;
                p->SaveToStream(s);
                std::string d = s.DataString();
                return TDescValue::OfBinary(std::vector<uint8_t>(d.begin(), d.end()));
            },
            [](TPicture* p, const TDescValue& v) {
                auto bytes = DescConvert::FromDesc<std::vector<uint8_t>>(v);
                if (bytes.empty()) {
                    p->Clear();
                    return;
                }
                TStringStream s(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
                p->LoadFromStream(s);
            },
            TDescValue::OfBinary({}));
    RegisterClass<TImage>("TImage", "TGraphicControl")
        .Property("Center", &TImage::Center, &TImage::SetCenter)
        .ObjectProperty("Picture", &TImage::Picture)
        .Property("Stretch", &TImage::Stretch, &TImage::SetStretch)
        .Property("Transparent", &TImage::Transparent, &TImage::SetTransparent);

    RegisterClass<TSplitter>("TSplitter", "TGraphicControl")
        .Property("Align", &TSplitter::Align, &TSplitter::SetAlign, alLeft)
        .Property("Cursor", &TSplitter::Cursor, &TSplitter::SetCursor, crSizeWE)
        .Property("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize, 30)
        .EventProperty("OnMoved", &TSplitter::OnMoved);
}
