#pragma once

// Runs a modal dialog call under the headless window system and acts on the
// dialog once it shows, as a user would.

#include "platform/backend/headless/THeadlessSession.h"
#include "platform/vcl/TApplication.h"

#include <functional>

// Calls Call; once a visible form of class F shows, runs Act on it once.
// When the form is still up long after Act, it is closed with Fallback so a
// broken test fails instead of hanging.
template <class F, class R>
R WhileShown(THeadlessSession& Session, const std::function<R()>& Call, const std::function<void(F*)>& Act,
             int Fallback = -1) {
    F* acted = nullptr;
    int idles = 0;
    Application->OnIdle = [&](TObject*, bool& Done) {
        Done = false;
        Session.Skip(5);
        if (acted) {
            if (++idles == 200)
                for (int i = 0; i < Screen->FormCount(); ++i)
                    if (Screen->Forms(i) == acted) acted->SetModalResult(Fallback);
            return;
        }
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (auto* f = dynamic_cast<F*>(Screen->Forms(i)); f && f->Visible()) {
                acted = f;
                Session.Pump();
                Act(f);
                return;
            }
    };
    struct TReset {
        ~TReset() { Application->OnIdle = nullptr; }
    } reset;
    return Call();
}
