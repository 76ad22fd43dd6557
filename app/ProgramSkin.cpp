#include "app/ProgramSkin.h"

#include "platform/vcl/TClassRegistry.h"
#include "platform/vcl/TScreen.h"
#include "skin/windows/TlxLumivex.h"

#include <vector>

namespace {

// Sets the component reference property AName of AComponent to AValue where
// its class has one and it differs.
void SetSkinReference(TComponent* AComponent, const char* AName, TlxSkinData* AValue) {
    const TClassInfo* info = ClassRegistry().ClassOf(AComponent);
    const TPropInfo* prop = info ? info->FindProperty(AName) : nullptr;
    if (!prop || prop->Kind != TPropKind::Reference || !prop->SetRef || !prop->GetRef) return;
    auto* object = static_cast<TPersistent*>(AComponent);
    if (prop->GetRef(object) != AValue) prop->SetRef(object, AValue);
}

} // namespace

TlxLumivex* AddDialogFormSkinning(TCustomForm* AForm) {
    AForm->HandleNeeded(); // the client size is measured inside the frame
    const int clientWidth = AForm->ClientWidth();
    const int clientHeight = AForm->ClientHeight();
    auto* lumivex = new TlxLumivex(AForm);
    lumivex->SetBorderIcons({TlxBorderIcon::biSystemMenu});
    lumivex->SetClientWidth(clientWidth);
    lumivex->SetClientHeight(clientHeight);
    // The built-in frame is not the platform's: keep the client as laid out.
    AForm->SetClientWidth(clientWidth);
    AForm->SetClientHeight(clientHeight);
    return lumivex;
}

void ApplyFormSkin(TCustomForm* AForm, TlxSkinData* ASkinData) {
    if (!AForm) return;
    // Collected first: a control may make or free components as it takes a skin.
    std::vector<TComponent*> components;
    for (int i = 0; i < AForm->ComponentCount(); ++i)
        components.push_back(AForm->Components(i));
    TlxLumivex* lumivex = FindFormSkinComponent(AForm);
    for (TComponent* component : components) {
        if (component == lumivex) continue;
        SetSkinReference(component, "SkinData", ASkinData);
        SetSkinReference(component, "CtrlSkinData", ASkinData);
    }
    // The frame last: its new size then meets controls that already have the skin.
    if (lumivex && lumivex->SkinData() != ASkinData) lumivex->SetSkinData(ASkinData);
}

void ApplyProgramSkin(TlxSkinData* ASkinData) {
    if (!Screen) return;
    std::vector<TCustomForm*> forms;
    for (int i = 0; i < Screen->FormCount(); ++i)
        forms.push_back(Screen->Forms(i));
    for (TCustomForm* form : forms)
        ApplyFormSkin(form, ASkinData);
}
