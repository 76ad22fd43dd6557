#include "SkinDataRecorder.h"

#include "platform/vcl/TClassRegistry.h"
#include "skin/engine/SkinEngineRegistration.h"

std::vector<TSkinMessageRecord>& SkinMessageLog() {
    static std::vector<TSkinMessageRecord> log;
    return log;
}

std::string SkinMessageName(uint32_t Msg) {
    switch (Msg) {
    case WM_BEFORECHANGESKINDATA:
        return "before";
    case WM_CHANGESKINDATA:
        return "change";
    case WM_AFTERCHANGESKINDATA:
        return "after";
    case WM_CHANGERESSTRDATA:
        return "resstr";
    case WM_CHANGEFORMSKINNABLE:
        return "skinnable";
    case WM_CHANGELAYEREDBORDERS:
        return "layered";
    default:
        return "";
    }
}

std::string LoggedMessages(bool WithForms) {
    std::string out;
    for (const TSkinMessageRecord& r : SkinMessageLog()) {
        if (!out.empty()) out += ", ";
        if (WithForms) out += r.Form + " ";
        out += SkinMessageName(r.Msg);
    }
    return out;
}

TRecordingForm::TRecordingForm(TComponent* AOwner) : TForm(AOwner) {
    SetBorderStyle(bsNone);
    SetBounds(0, 0, 80, 60);
}

void TRecordingForm::WndProc(TMessage& M) {
    if (SkinMessageName(M.Msg).empty()) {
        TForm::WndProc(M);
        return;
    }
    auto* data = reinterpret_cast<TlxSkinData*>(M.WParam);
    SkinMessageLog().push_back({Name(), M.Msg, data->Empty, data->ChangeSkinDataProcess, data->SkinName,
                                data->GetControlIndex("BTN"), M.LParam});
    M.Result = 1;
    if (OnSkinMessage) OnSkinMessage(this, M.Msg);
}

void TComponentWatch::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove) std::erase(Items, AComponent);
}

void TlxSkinDataForms::SetUp() {
    SkinMessageLog().clear();
    Application->Initialize();
    RegisterSkinEngineClasses();
    RegisterClass<TRecordingForm>("TRecordingForm", "TForm");
}

void TlxSkinDataForms::TearDown() {
    // A test may have freed some of its forms already.
    while (!Forms->Items.empty())
        Forms->Items.back()->Free();
    while (Application->ComponentCount() > 0)
        Application->Components(Application->ComponentCount() - 1)->Free();
}
