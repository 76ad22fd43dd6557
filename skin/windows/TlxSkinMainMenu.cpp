#include "skin/windows/TlxSkinMainMenu.h"

#include "skin/engine/SkinData.h"

TlxSkinMainMenu::TlxSkinMainMenu(TComponent* AOwner) : TMainMenu(AOwner) {}

void TlxSkinMainMenu::SetSkinData(TlxSkinData* Value) {
    FSD.Set(Value);
}
