// The program: the main window on the X display, until it closes.

#include "app/TForm1.h"
#include "platform/backend/x11/ChooseWindowBackend.h"
#include "platform/vcl/TApplication.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/dialogs/SkinDialogsRegistration.h"

#include <iostream>

int main() {
    if (!StartWindowSystem(std::cerr)) return 1;
    RegisterSkinControls();
    RegisterSkinDialogClasses();
    RegisterMainFormClass();
    try {
        Application->Initialize();
        Application->SetTitle("DuvavudeZaruvove");
        TForm1* Form1 = nullptr;
        Application->CreateForm(Form1);
        Application->Run();
    } catch (const Exception& e) {
        std::cerr << "duvavudezaruvove: " << e.Message() << "\n";
        return 1;
    }
    return 0;
}
