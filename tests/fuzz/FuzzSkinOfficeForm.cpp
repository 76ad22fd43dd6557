// Form descriptions of the slider, the links, the office list and combo box
// and the images menu: read into a form, shown and painted, every images
// menu opened and closed. A slider's pictures arrive as file bytes, so a
// damaged one must stay a clear error.

#include "platform/backend/headless/THeadlessSession.h"
#include "platform/base/Exception.h"
#include "platform/base/MemoryStream.h"
#include "platform/gdi/TBitmap.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TCustomForm.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/controls/TlxSkinImagesMenu.h"
#include "tests/fuzz/FuzzTarget.h"

#include <cstdio>

namespace {

// A 6 x 4 bitmap as the hexadecimal bytes of its BMP file.
std::string BitmapHex() {
    TBitmap b(6, 4);
    TMemoryStream m;
    b.SaveToStream(m);
    std::string hex;
    const auto* p = static_cast<const uint8_t*>(m.Memory());
    for (int64_t i = 0; i < m.Size(); ++i) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", p[i]);
        hex += digits;
    }
    return hex;
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    return {
        "object Form1: TForm\n"
        "  object Position: TlxSkinSlider\n"
        "    Left = 4\n    Top = 4\n    Width = 150\n    Height = 40\n"
        "    MinValue = -5\n    MaxValue = 500\n    Increment = 25\n    Value = 100\n"
        "    Options = [soShowPoints, soRulerOpaque]\n"
        "    UserImages = {02}\n    ImageHRuler = {" +
            BitmapHex() +
            "}\n"
            "    EdgeSize = 2\n  end\n"
            "  object Home: TlxSkinLinkLabel\n    Caption = 'Home'\n    URL = 'https://example.com'\n"
            "    GlowEffect = True\n  end\n"
            "  object Profiles: TlxSkinOfficeListBox\n    Top = 50\n    ItemHeight = 20\n"
            "    Items = <\n      item\n        Caption = 'Video'\n        Header = True\n      end\n"
            "      item\n        Title = 'MP4'\n        Caption = 'H.264'\n        ImageIndex = 3\n      "
            "end>\n"
            "    ItemIndex = 1\n  end\n"
            "  object Category: TlxSkinOfficeComboBox\n    Top = 210\n    ToolButtonStyle = True\n"
            "    Items = <\n      item\n        Caption = 'iPod'\n      end>\n    ItemIndex = 0\n  end\n"
            "end\n",
        "object Form1: TForm\n"
        "  object Pictures: TImageList\n    Width = 6\n    Height = 4\n  end\n"
        "  object Grid: TlxSkinImagesMenu\n    Images = Pictures\n    ColumnsCount = 3\n"
        "    ImagesItems = <\n      item\n        Caption = 'Video'\n        Header = True\n      end\n"
        "      item\n        ImageIndex = 0\n      end\n"
        "      item\n        Caption = 'More'\n        Button = True\n        ImageIndex = 7\n      end>\n"
        "    ItemIndex = 1\n  end\n"
        "end\n"};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    static THeadlessSession session;
    static const bool registered = (RegisterSkinControls(), true);
    (void)registered;
    Application->Initialize();
    TComponentPtr<TForm> form(new TForm(nullptr));
    try {
        TComponentReader::ReadText(form.get(), FuzzText(Data, Size));
    } catch (const Exception&) {
        return 0;
    }
    form->Show();
    session.Pump();
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* grid = dynamic_cast<TlxSkinImagesMenu*>(form->Components(i))) {
            grid->PopupFromRect({10, 10, 40, 30});
            session.Pump();
            grid->Hide();
        }
    return 0;
}
