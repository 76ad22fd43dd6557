#pragma once

#include "app/TForm1.h"
#include "app/settings/TSettings.h"
#include "app/startup/StartupForms.h"
#include "platform/backend/headless/THeadlessSession.h"
#include "platform/vcl/TApplication.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/dialogs/SkinDialogsRegistration.h"
#include "tests/support/TTempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

// A headless window system, the program's classes registered, and a
// settings file of its own in a temporary folder (the main window's, and
// Settings on it), which is HOME meanwhile
// (the default output folder is made below it).
class StartupFixture : public testing::Test {
protected:
    StartupFixture() {
        if (const char* home = std::getenv("HOME")) FOldHome = home;
        ::setenv("HOME", Folder.Path().c_str(), 1);
        TForm1::SettingsFileName = IniName;
        RegisterSkinControls();
        RegisterSkinDialogClasses();
        RegisterMainFormClass();
        RegisterStartupFormClasses();
        Application->Initialize();
    }
    ~StartupFixture() override {
        TForm1::SettingsFileName.clear();
        if (FOldHome)
            ::setenv("HOME", FOldHome->c_str(), 1);
        else
            ::unsetenv("HOME");
    }

    // The forms of the given class the screen holds now.
    static int FormsOfClass(const std::string& ClassName) {
        int count = 0;
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (Screen->Forms(i)->ClassName() == ClassName) ++count;
        return count;
    }

    THeadlessSession Session;
    TTempFolder Folder;
    std::string IniName = Folder.Path() + "option.ini";
    TSettings Settings{IniName};

private:
    std::optional<std::string> FOldHome;
};
