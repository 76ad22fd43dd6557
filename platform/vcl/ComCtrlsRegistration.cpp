#include "platform/vcl/ComCtrlsRegistration.h"

#include "platform/vcl/TClassRegistry.h"
#include "platform/vcl/TPageControl.h"
#include "platform/vcl/TTabSheet.h"

void RegisterComCtrlsClasses() {
    RegisterEnum<TTabPosition>({{tpTop, "tpTop"}, {tpBottom, "tpBottom"}, {tpLeft, "tpLeft"}, {tpRight, "tpRight"}});
    RegisterEnum<TTabStyle>({{tsTabs, "tsTabs"}, {tsButtons, "tsButtons"}, {tsFlatButtons, "tsFlatButtons"}});
    RegisterClass<TPageControl>("TPageControl", "TCustomControl")
        .ColorProperty("Color", &TPageControl::Color, &TPageControl::SetColor, clBtnFace)
        .Property("ParentColor", &TPageControl::ParentColor, &TPageControl::SetParentColor, false)
        .Property("TabStop", &TPageControl::TabStop, &TPageControl::SetTabStop, true)
        .ReferenceProperty("Images", &TPageControl::Images, &TPageControl::SetImages)
        .Property("MultiLine", &TPageControl::MultiLine, &TPageControl::SetMultiLine)
        .Property("Style", &TPageControl::Style, &TPageControl::SetStyle)
        .Property("TabHeight", &TPageControl::TabHeight, &TPageControl::SetTabHeight)
        .Property("TabPosition", &TPageControl::TabPosition, &TPageControl::SetTabPosition)
        .Property("TabWidth", &TPageControl::TabWidth, &TPageControl::SetTabWidth)
        .ReferenceProperty("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage)
        .EventProperty("OnChange", &TPageControl::OnChange)
        .EventProperty("OnChanging", &TPageControl::OnChanging);
    RegisterClass<TTabSheet>("TTabSheet", "TCustomControl")
        .Property("Align", &TTabSheet::Align, &TTabSheet::SetAlign, alClient)
        .Property("Visible", &TTabSheet::Visible, &TTabSheet::SetVisible, false)
        .Property("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex, -1)
        .Property("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible, true);
}
