#pragma once

class TCustomForm;
class TlxLumivex;

// Gives the main window its form-skinning component: the frame with a close
// and a minimise button and no icon. The component is owned by the form.
TlxLumivex* AddMainFormSkinning(TCustomForm* AForm);
