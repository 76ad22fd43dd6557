#pragma once

class TCustomForm;
class TlxLumivex;
class TlxSkinData;
class TlxSkinMainMenuBar;

// Gives the main window its form-skinning component: the frame with a close
// and a minimise button and no icon. The component is owned by the form.
TlxLumivex* AddMainFormSkinning(TCustomForm* AForm);

// Draws the main window's frame from ASkinData.
void SetMainFormSkin(TlxLumivex* ALumivex, TlxSkinData* ASkinData);

// The menu bar opens its menus and takes the menu keys through ALumivex.
void AttachMainMenuBar(TlxLumivex* ALumivex, TlxSkinMainMenuBar* ABar);
