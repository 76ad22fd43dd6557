#pragma once

// Runs a modal dialog call under the headless window system and acts on each
// form it shows, in turn, as a user would: each step acts on a visible form
// of its class other than the one the step before acted on (a nested message
// box, then the dialog again once the box is gone). When the
// script is done or stuck for long, every visible form but the test's own
// is cancelled, so a broken test fails instead of hanging.

#include "platform/backend/headless/THeadlessSession.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TScreen.h"

#include <functional>
#include <vector>

struct TDialogStep {
    std::function<bool(TCustomForm*)> Matches;
    std::function<void(TCustomForm*)> Act;
};

template <class F> TDialogStep OnForm(std::function<void(F*)> Act) {
    return {[](TCustomForm* f) { return dynamic_cast<F*>(f) != nullptr; },
            [Act](TCustomForm* f) { Act(static_cast<F*>(f)); }};
}

template <class R>
R RunDialog(THeadlessSession& Session, const std::function<R()>& Call, std::vector<TDialogStep> Steps,
            TCustomForm* Keep = nullptr) {
    size_t next = 0;
    int idles = 0;
    TCustomForm* previous = nullptr;
    Application->OnIdle = [&](TObject*, bool& Done) {
        Done = false;
        Session.Skip(5);
        for (int i = 0; next < Steps.size() && i < Screen->FormCount(); ++i) {
            TCustomForm* f = Screen->Forms(i);
            if (f->Visible() && f != previous && Steps[next].Matches(f)) {
                previous = f;
                idles = 0;
                Session.Pump();
                Steps[next++].Act(f);
                return;
            }
        }
        if (++idles < 400) return;
        idles = 0;
        for (int i = Screen->FormCount() - 1; i >= 0; --i)
            if (TCustomForm* f = Screen->Forms(i); f != Keep && f->Visible()) {
                f->SetModalResult(mrCancel);
                break;
            }
    };
    struct TReset {
        ~TReset() { Application->OnIdle = nullptr; }
    } reset;
    return Call();
}
