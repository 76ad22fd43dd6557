#include "skin/dialogs/shell/TlxShellChangeNotifier.h"

TlxCustomShellChangeNotifier::TlxCustomShellChangeNotifier(TComponent* AOwner) : TComponent(AOwner) {
    StartWatch();
}

TlxCustomShellChangeNotifier::~TlxCustomShellChangeNotifier() {
    // Dropping the subscription is what guarantees no handler runs later.
    FWatch.reset();
}

void TlxCustomShellChangeNotifier::SetNotifyFilters(TNotifyFilters Value) {
    FFilters = Value;
    OptionsChanged();
}

void TlxCustomShellChangeNotifier::SetRoot(const std::string& Value) {
    if (Value == FRoot) return;
    FRoot = Value;
    OptionsChanged();
}

void TlxCustomShellChangeNotifier::SetWatchSubTree(bool Value) {
    FWatchSubTree = Value;
    OptionsChanged();
}

void TlxCustomShellChangeNotifier::SetOnChange(TThreadMethod Value) {
    FOnChange = std::move(Value);
    if (!FOnChange)
        FWatch.reset();
    else if (!FWatch)
        StartWatch();
}

void TlxCustomShellChangeNotifier::OptionsChanged() {
    FWatch.reset();
    StartWatch();
}

void TlxCustomShellChangeNotifier::StartWatch() {
    if (!FOnChange) return;
    // The handler is read when the change is reported, so a later SetOnChange
    // takes effect without a new watch.
    FWatch = TShellWatchHub::Instance().Subscribe(FRoot, FWatchSubTree, FFilters, [this] {
        TThreadMethod handler = FOnChange;
        if (handler) handler();
    });
}
