#include "app/startup/TProgramStartup.h"

#include "app/ProgramSkin.h"
#include "app/TForm1.h"
#include "app/settings/ProgramSettings.h"
#include "app/startup/TForm2.h"
#include "app/startup/TForm5.h"
#include "app/startup/TForm6.h"
#include "app/startup/TForm7.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TTimer.h"
#include "skin/dialogs/message/TlxSkinMessage.h"

#include <iostream>

TProgramStartup::TProgramStartup() : FPreviousSettings(InstalledProgramSettings()) {}

TProgramStartup::~TProgramStartup() {
    if (FSplash) FSplash->Free();
    SetProgramSettings(FPreviousSettings);
}

template <class T> void TProgramStartup::Create(T*& Form) {
    Application->CreateForm(Form);
    if (OnFormCreated) OnFormCreated(Form);
}

bool TProgramStartup::CreateForms() {
    Application->Initialize();
    Application->SetTitle("DuvavudeZaruvove");
    Application->SetHelpFile("help.chm");
    const int before = Application->ComponentCount();
    try {
        ShowSplash();
        Create(Form1);
        SetProgramSettings(&Form1->Settings());
        Create(Form2);
        Create(Form5);
        Create(Form6);
        Form1->SetSecondaryForms(Form2, Form5);
        // The main window took its stored skin when it was made; the forms
        // made after it follow the same skin.
        if (Form1->lxSkinData1) ApplyProgramSkin(Form1->lxSkinData1);
        return true;
    } catch (const std::exception& e) {
        SetProgramSettings(FPreviousSettings);
        FreeFormsFrom(before);
        ReportFailure(e.what());
        return false;
    }
}

void TProgramStartup::ShowSplash() {
    // Not through CreateForm: the first form made that way becomes the main form.
    FSplash = TCustomForm::Create<TForm7>(Application);
    if (OnFormCreated) OnFormCreated(FSplash);
    FSplash->Show();
    FSplash->Repaint();
    auto* timer = new TTimer(FSplash);
    timer->SetInterval(SplashMs);
    timer->OnTimer = [this](TObject*) { HideSplash(); };
}

void TProgramStartup::HideSplash() {
    if (!FSplash) return;
    TForm7* splash = FSplash;
    FSplash = nullptr;
    splash->Hide();
    // Freed once the timer's message has returned.
    splash->Release();
}

void TProgramStartup::WaitForSplash() {
    while (FSplash && !Application->Terminated())
        Application->HandleMessage();
}

void TProgramStartup::FreeFormsFrom(int AFirst) {
    // Every form made since, newest first: a form whose OnCreate failed is
    // owned by the application without any reference to it here.
    for (int i = Application->ComponentCount() - 1; i >= AFirst; --i)
        if (auto* form = dynamic_cast<TCustomForm*>(Application->Components(i))) form->Free();
    Form1 = nullptr;
    Form2 = nullptr;
    Form5 = nullptr;
    Form6 = nullptr;
    FSplash = nullptr;
}

void TProgramStartup::ReportFailure(const std::string& Message) {
    const std::string text = "DuvavudeZaruvove cannot start: " + Message;
    if (OnFailure) {
        OnFailure(text);
        return;
    }
    std::cerr << text << std::endl;
    auto* box = new TlxSkinMessage(Application);
    try {
        box->MessageDlg2(text, "DuvavudeZaruvove", mtError, TMsgDlgButtons{mbOK}, 0);
    } catch (const std::exception& e) {
        std::cerr << e.what() << std::endl;
    }
    box->Free();
}

int TProgramStartup::Run() {
    if (!CreateForms()) return 1;
    WaitForSplash();
    Application->Run();
    return 0;
}
