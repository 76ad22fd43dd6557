#include "tests/support/skin/SkinnedControls.h"

#include "platform/vcl/TClassRegistry.h"
#include "skin/controls/TlxSkinClient.h"
#include "skin/engine/SkinData.h"

std::vector<std::string> ControlsPaintingBuiltIn(TComponent* ARoot, TlxSkinData* ASkinData) {
    std::vector<std::string> found;
    for (int i = 0; i < ARoot->ComponentCount(); ++i) {
        TComponent* component = ARoot->Components(i);
        auto* client = dynamic_cast<TlxSkinClient*>(component);
        if (!client) continue;
        const std::string who = component->Name() + " (" + component->ClassName() + ")";
        if (client->SkinData() != ASkinData) {
            found.push_back(who + ": follows another skin");
            continue;
        }
        const TClassInfo* info = ClassRegistry().ClassOf(component);
        const TPropInfo* name = info ? info->FindProperty("SkinDataName") : nullptr;
        if (!name || !name->Get) {
            found.push_back(who + ": has no SkinDataName");
            continue;
        }
        const std::string skinDataName = name->Get(static_cast<TPersistent*>(component)).Text;
        if (!ASkinData || ASkinData->Empty || ASkinData->GetControlIndex(skinDataName) < 0)
            found.push_back(who + ": no description \"" + skinDataName + "\"");
    }
    return found;
}
