#include "tests/support/skin/TSkinTestForm.h"

#include "skin/controls/TlxSkinClient.h"
#include "skin/engine/SkinData.h"

TSkinTestForm::TSkinTestForm(TComponent* AOwner) : TForm(AOwner) {
    SetBorderStyle(bsNone);
}

void TSkinTestForm::WndProc(TMessage& M) {
    auto* sd = reinterpret_cast<TlxSkinData*>(M.WParam);
    switch (M.Msg) {
    case WM_BEFORECHANGESKINDATA:
        Messages.push_back("before");
        BeforeChangeSkinClients(this, sd);
        break;
    case WM_CHANGESKINDATA:
        Messages.push_back("change");
        ChangeSkinClients(this, sd);
        break;
    case WM_AFTERCHANGESKINDATA:
        Messages.push_back("after");
        break;
    default:
        TForm::WndProc(M);
        return;
    }
    M.Result = 1;
    if (OnSkinMessage) OnSkinMessage(M.Msg);
}
