#include "tests/support/skin/TSkinControlTest.h"

#include "platform/gdi/TCanvas.h"

void TSkinControlTest::SetUp() {
    Application->Initialize();
    Form = new TSkinTestForm(nullptr);
    Form->SetBounds(0, 0, 400, 300);
    SD = new TlxSkinData(Form);
    Form->Show();
    Session.Pump();
}

void TSkinControlTest::TearDown() {
    Form->Free();
    while (Application->ComponentCount() > 0)
        Application->Components(Application->ComponentCount() - 1)->Free();
}

TBitmap TSkinControlTest::Shot(TControl* C) {
    Session.Pump();
    TBitmap all = Session.WindowShot(Form->Handle());
    const TPoint origin = Form->ScreenToClient(C->Parent()->ClientToScreen({C->Left(), C->Top()}));
    TBitmap out(C->Width(), C->Height());
    out.Canvas()->CopyRect({0, 0, C->Width(), C->Height()}, *all.Canvas(),
                           {origin.X, origin.Y, origin.X + C->Width(), origin.Y + C->Height()});
    return out;
}
