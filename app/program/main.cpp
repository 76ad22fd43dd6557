// The program: the splash, the forms, and the main window until it closes.

#include "app/TForm1.h"
#include "app/startup/StartupForms.h"
#include "app/startup/TProgramStartup.h"
#include "platform/backend/x11/ChooseWindowBackend.h"
#include "platform/vcl/TApplication.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/dialogs/SkinDialogsRegistration.h"

#include <iostream>

int main() {
    if (!StartWindowSystem(std::cerr)) return 1;
    RegisterSkinControls();
    // The dialogs' registration takes in the skinned windows' classes.
    RegisterSkinDialogClasses();
    RegisterMainFormClass();
    RegisterStartupFormClasses();
    int code = 1;
    try {
        TProgramStartup startup;
        code = startup.Run();
    } catch (const Exception& e) {
        std::cerr << "duvavudezaruvove: " << e.Message() << "\n";
        return 1;
    }
    return code;
}
