#include "app/MainFormSkinning.h"

#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinMainMenuBar.h"

TlxLumivex* AddMainFormSkinning(TCustomForm* AForm) {
    auto* lumivex = new TlxLumivex(AForm);
    lumivex->SetBorderIcons({TlxBorderIcon::biSystemMenu, TlxBorderIcon::biMinimize});
    lumivex->SetShowIcon(false);
    // The client size kept across frames of other skins.
    lumivex->SetClientWidth(870);
    lumivex->SetClientHeight(515);
    return lumivex;
}

void SetMainFormSkin(TlxLumivex* ALumivex, TlxSkinData* ASkinData) {
    if (ALumivex) ALumivex->SetSkinData(ASkinData);
}

void AttachMainMenuBar(TlxLumivex* ALumivex, TlxSkinMainMenuBar* ABar) {
    if (!ALumivex || !ABar) return;
    ABar->SetLumivex(ALumivex);
    ALumivex->SetMainMenuBar(ABar);
}
