// Form descriptions: the text reader, the writer's text reading back as
// itself, and the description applied to a form of the standard controls.

#include "platform/backend/headless/THeadlessSession.h"
#include "platform/base/Exception.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TCustomForm.h"
#include "platform/vcl/TDescriptionReader.h"
#include "platform/vcl/TDescriptionWriter.h"
#include "tests/fuzz/FuzzTarget.h"

std::vector<std::string> FuzzSeeds() {
    return {"object Form1: TForm\n"
            "  Caption = 'Main'#9'form'\n"
            "  object Label1: TLabel\n"
            "    Left = 4\n    Top = -$10\n    Width = 90\n    Alignment = taRightJustify\n"
            "    Caption = 'A && B'\n  end\n"
            "  object List1: TListBox\n    Items.Strings = (\n      'first'\n      'second')\n  end\n"
            "  object Panel1: TPanel\n    Align = alClient\n    Anchors = [akLeft, akTop]\n  end\n"
            "end\n",
            "object A: T\n  X = (1 2.5 'x' [a, b] <item Y = {0A0B} end>)\n  Z = 1e3\n"
            "  inherited B: U\n  end\nend\n"};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    static THeadlessSession session;
    TDescObject description;
    try {
        description = TDescriptionReader::Parse(FuzzText(Data, Size));
    } catch (const EDescriptionError&) {
        return 0;
    }
    const std::string written = TDescriptionWriter::Write(description);
    try {
        FuzzCheck(TDescriptionWriter::Write(TDescriptionReader::Parse(written)) == written,
                  "the written description does not read back as itself");
    } catch (const EDescriptionError& e) {
        std::fprintf(stderr, "%s\n", e.Message().c_str());
        FuzzCheck(false, "the written description is refused");
    }

    Application->Initialize();
    TComponentPtr<TForm> form(new TForm(nullptr));
    try {
        TComponentReader::Read(form.get(), description);
    } catch (const Exception&) {
    }
    return 0;
}
