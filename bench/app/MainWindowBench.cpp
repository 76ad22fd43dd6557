// The main window under the headless window system, against an empty form of
// the same client size measured in the same run.
//
// BM_StartUp: creating the window from its description (the controller's
// start-up included: settings, catalogue, the six boxes, the stored skin) to
// its first paint.
// BM_Repaint: a full repaint of the shown window, every child included.
// "ratio" is the main window's time over the empty form's; "ms" the main
// window's own time per round (goals on this machine's class: start-up under
// 300 ms, repaint under 8 ms).

#include "app/TForm1.h"
#include "platform/backend/headless/THeadlessSession.h"
#include "platform/vcl/TApplication.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConst.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/dialogs/SkinDialogsRegistration.h"
#include "tests/support/TTempFolder.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

namespace {

using TClock = std::chrono::steady_clock;

double Seconds(TClock::time_point AFrom) {
    return std::chrono::duration<double>(TClock::now() - AFrom).count();
}

// The program's registrations and a settings file of its own, once.
void Prepare() {
    static const bool prepared = [] {
        static const TTempFolder folder;
        std::filesystem::create_directories(folder.Path() + "out");
        TSettings(folder.Path() + "option.ini").WriteOutputFolder(folder.Path() + "out");
        TForm1::SettingsFileName = folder.Path() + "option.ini";
        RegisterSkinControls();
        RegisterSkinDialogClasses();
        RegisterMainFormClass();
        Application->Initialize();
        return true;
    }();
    (void)prepared;
}

TForm* EmptyForm() {
    auto* form = new TForm(nullptr);
    form->HandleNeeded();
    form->SetClientWidth(870);
    form->SetClientHeight(515);
    return form;
}

template <class F> double TimeShown(THeadlessSession& ASession, F AMake) {
    const auto start = TClock::now();
    TForm* form = AMake();
    form->Show();
    ASession.Pump();
    const double seconds = Seconds(start);
    form->Free();
    ASession.Pump();
    return seconds;
}

double TimeRepaint(THeadlessSession& ASession, TForm* AForm) {
    const auto start = TClock::now();
    RedrawWindow(AForm->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ASession.Pump();
    return Seconds(start);
}

void BM_StartUp(benchmark::State& state) {
    Prepare();
    THeadlessSession session(false);
    double main = 0, empty = 0;
    for (auto _ : state) {
        main += TimeShown(session, [] { return TCustomForm::Create<TForm1>(nullptr); });
        empty += TimeShown(session, EmptyForm);
    }
    state.counters["ratio"] = empty > 0 ? main / empty : 0;
    state.counters["ms"] = 1000 * main / static_cast<double>(state.iterations());
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();

void BM_Repaint(benchmark::State& state) {
    Prepare();
    THeadlessSession session(false);
    TForm* main = TCustomForm::Create<TForm1>(nullptr);
    TForm* empty = EmptyForm();
    main->Show();
    empty->Show();
    session.Pump();
    double mainTime = 0, emptyTime = 0;
    for (auto _ : state) {
        mainTime += TimeRepaint(session, main);
        emptyTime += TimeRepaint(session, empty);
    }
    state.counters["ratio"] = emptyTime > 0 ? mainTime / emptyTime : 0;
    state.counters["ms"] = 1000 * mainTime / static_cast<double>(state.iterations());
    main->Free();
    empty->Free();
    session.Pump();
}
BENCHMARK(BM_Repaint)->Unit(benchmark::kMillisecond)->Iterations(200)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
