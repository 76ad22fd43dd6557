#include "app/startup/StartupForms.h"

#include "app/startup/TForm2.h"
#include "app/startup/TForm5.h"
#include "app/startup/TForm6.h"
#include "app/startup/TForm7.h"

void RegisterStartupFormClasses() {
    RegisterSplashFormClass();
    RegisterAboutFormClass();
    RegisterOptionsFormClass();
    RegisterSettingsFormClass();
}
