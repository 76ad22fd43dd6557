// The main window's openers of the about box and the options form.

#include "app/TForm1.h"

void TForm1::SetSecondaryForms(TCustomForm* AAboutBox, TCustomForm* AOptionsForm) {
    FAboutBox.Set(AAboutBox);
    FOptionsForm.Set(AOptionsForm);
}

void TForm1::N5Click(TObject*) {
    if (FAboutBox) FAboutBox->ShowModal();
}

void TForm1::N24Click(TObject*) {
    if (FOptionsForm) FOptionsForm->ShowModal();
}

void TForm1::lxSkinButton19Click(TObject* Sender) {
    N24Click(Sender);
}
