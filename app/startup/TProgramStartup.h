#pragma once

#include <cstdint>
#include <functional>
#include <string>

class TCustomForm;
class TForm1;
class TForm2;
class TForm5;
class TForm6;
class TForm7;
class TSettings;
class TTimer;

// The program's start: the application's title and help file, the splash
// window shown and painted at once, the forms created in the order main
// window, about box, options form, settings form (each running its OnCreate),
// the splash hidden and freed SplashMs after it appeared, then the message
// loop until the main window closes.
//
// The splash time counts from the moment the splash appeared, and messages
// are served meanwhile: creating the forms takes nothing from the user on
// top of it, and the splash repaints while it waits. A form that cannot be
// created ends the start with a clear message, every form made so far freed.
//
// The main window's settings are the program's (ProgramSettings) from its
// creation on, while this object lives: the options form reads and writes
// the options the main window shows.
class TProgramStartup {
public:
    static constexpr uint32_t SplashMs = 1000;

    TProgramStartup();
    ~TProgramStartup();
    TProgramStartup(const TProgramStartup&) = delete;
    TProgramStartup& operator=(const TProgramStartup&) = delete;

    // The start up to the wait: false when a form could not be created (the
    // failure reported through OnFailure, nothing of the start left).
    bool CreateForms();
    // Serves messages until the splash has gone.
    void WaitForSplash();
    // The whole start and the message loop; the process's exit code.
    int Run();

    // The splash while it shows; null once it has gone.
    TForm7* Splash() const { return FSplash; }
    TForm1* Form1 = nullptr;
    TForm2* Form2 = nullptr;
    TForm5* Form5 = nullptr;
    TForm6* Form6 = nullptr;

    // Told after each form of the program has been created (the splash too).
    std::function<void(TCustomForm* Form)> OnFormCreated;
    // Tells the user why the program cannot start; by default a message box
    // and a line on standard error.
    std::function<void(const std::string& Message)> OnFailure;

private:
    template <class T> void Create(T*& Form);
    void ShowSplash();
    void HideSplash();
    // Frees the application's forms from index AFirst of its components on.
    void FreeFormsFrom(int AFirst);
    void ReportFailure(const std::string& Message);

    TSettings* FPreviousSettings = nullptr;
    TForm7* FSplash = nullptr;
};
