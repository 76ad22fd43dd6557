#pragma once

class TCustomForm;
class TlxLumivex;
class TlxSkinData;

// The program has one skin (the main window's skin data) that every form,
// every skinned control and every skinned dialog follows. The skin data
// announces each change of skin to every open form, so a form on the
// program's skin follows every switch by itself; these functions put forms
// on it.

// Gives a dialog-like form of the program (about box, options form, settings
// form) its form-skinning component: a frame with only the close button, and
// the form's present client size kept under every skin's frame. The
// component is owned by the form.
TlxLumivex* AddDialogFormSkinning(TCustomForm* AForm);

// Puts AForm on ASkinData: every skinned control and skinned dialog component
// the form owns (their SkinData and, for dialogs, CtrlSkinData), then its
// form-skinning component. What already follows ASkinData is left alone, so
// the call costs nothing when nothing changes. ASkinData nullptr gives the
// built-in look back.
void ApplyFormSkin(TCustomForm* AForm, TlxSkinData* ASkinData);

// ApplyFormSkin for every form the application has, shown or hidden.
void ApplyProgramSkin(TlxSkinData* ASkinData);
