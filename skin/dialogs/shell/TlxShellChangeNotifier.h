#pragma once

#include "skin/dialogs/shell/TShellWatchHub.h"

#include "platform/sys/MainThread.h"
#include "platform/vcl/TComponent.h"

#include <memory>
#include <string>

// Watches one folder and calls OnChange on the GUI thread when it changes.
// No thread of its own: the change reaches the GUI thread through the event
// loop (TShellWatchHub). A watch exists only while a handler is set and the
// folder can be watched; a folder that cannot be watched (missing, empty
// root, no folder) is silently never reported. GUI thread only.
class TlxCustomShellChangeNotifier : public TComponent {
public:
    explicit TlxCustomShellChangeNotifier(TComponent* AOwner);
    ~TlxCustomShellChangeNotifier() override;

    TNotifyFilters NotifyFilters() const { return FFilters; }
    void SetNotifyFilters(TNotifyFilters Value);
    // An absolute folder path; the same bytes again change nothing.
    const std::string& Root() const { return FRoot; }
    void SetRoot(const std::string& Value);
    bool WatchSubTree() const { return FWatchSubTree; }
    void SetWatchSubTree(bool Value);
    const TThreadMethod& OnChange() const { return FOnChange; }
    void SetOnChange(TThreadMethod Value);

    // True while a watch is held: a handler is set, the folder could be
    // watched and has not gone away (a deleted folder is reported once).
    bool Watching() const { return FWatch && FWatch->Active(); }

protected:
    void OptionsChanged();
    void StartWatch();

    TNotifyFilters FFilters{nfFileNameChange, nfDirNameChange};
    bool FWatchSubTree = true;
    std::string FRoot = "/";
    TThreadMethod FOnChange;
    std::unique_ptr<TShellWatchHub::TSubscription> FWatch;
};

class TlxShellChangeNotifier : public TlxCustomShellChangeNotifier {
public:
    using TlxCustomShellChangeNotifier::TlxCustomShellChangeNotifier;
};
