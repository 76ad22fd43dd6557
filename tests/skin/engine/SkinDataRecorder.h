#pragma once

// Forms that record the skin messages reaching them, in place of the
// form-skinning component, and a headless window system for the tests that
// use them.

#include "platform/backend/headless/THeadlessSession.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TCustomForm.h"
#include "skin/engine/SkinData.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// One skin message as a form saw it, with the announcing object's state at
// that moment.
struct TSkinMessageRecord {
    std::string Form;
    uint32_t Msg = 0;
    bool Empty = false;
    bool Process = false;
    std::string SkinName;
    int ButtonIndex = -1; // GetControlIndex("BTN") inside the handler
    intptr_t LParam = 0;
};

std::vector<TSkinMessageRecord>& SkinMessageLog();

// "before", "change", "after", "resstr", "skinnable", "layered".
std::string SkinMessageName(uint32_t Msg);

// The messages of the log as "<form> <name>" lines joined by ", ".
std::string LoggedMessages(bool WithForms = false);

// A form that logs every skin message (from any skin data object) and then
// runs OnSkinMessage, where a test may start other changes or free forms.
class TRecordingForm : public TForm {
public:
    explicit TRecordingForm(TComponent* AOwner);
    std::function<void(TRecordingForm* Self, uint32_t Msg)> OnSkinMessage;

    void WndProc(TMessage& M) override;
};

// The class name of the layered border windows, which hear nothing.
class TlxFormLayerWindow : public TRecordingForm {
public:
    using TRecordingForm::TRecordingForm;
};

// Keeps a list of components, each dropped from it when it is freed.
class TComponentWatch : public TComponent {
public:
    TComponentWatch() : TComponent(nullptr) {}
    void Add(TComponent* C) {
        Items.push_back(C);
        FreeNotification(C);
    }
    std::vector<TComponent*> Items;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
};

class TlxSkinDataForms : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A recording form on the screen, freed by TearDown unless freed before.
    template <class T = TRecordingForm> T* MakeForm(const std::string& Name) {
        T* form = new T(nullptr);
        form->SetName(Name);
        Forms->Add(form);
        return form;
    }

    THeadlessSession Session;
    TComponentPtr<TComponentWatch> Forms{new TComponentWatch};
};
