#include "FrameTest.h"

void TFrameTest::SetUp() {
    Application->Initialize();
    Form = new TForm(nullptr);
    Form->SetBounds(50, 40, 160, 90);
    SD = new TlxSkinData(Form);
    LVX = new TlxLumivex(Form);
    LVX->SetSkinData(SD);
    Form->Show();
    Session.Pump();
}

void TFrameTest::TearDown() {
    if (Form) Form->Free();
    Session.Pump();
}

void TFrameTest::Load(TFrameSkin& Skin) {
    Skin.Skin.LoadInto(SD);
    Session.Pump();
}

void TFrameTest::Resize(int W, int H) {
    Form->SetBounds(Form->Left(), Form->Top(), W, H);
    Session.Pump();
}

int TFrameTest::HitAt(int X, int Y) {
    return static_cast<int>(SendMessage(Form->Handle(), WM_NCHITTEST, 0, PointToLParam(Screen(X, Y))));
}

TPoint TFrameTest::Screen(int X, int Y) const {
    TRect r;
    GetWindowRect(Form->Handle(), r);
    return {r.Left + X, r.Top + Y};
}

TlxActiveSkinObject* TFrameTest::Object(const std::string& Name) const {
    int i = LVX->GetIndex(Name);
    return i < 0 ? nullptr : LVX->Objects(i);
}
