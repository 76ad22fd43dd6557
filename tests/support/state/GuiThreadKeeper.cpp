// A case may make another thread the GUI thread (a loop run elsewhere): the
// next case starts on the main thread as the GUI thread again.
#include "platform/sys/MainThread.h"
#include "tests/support/ProcessState.h"

namespace {

class TGuiThreadKeeper : public TProcessStateKeeper {
public:
    TGuiThreadKeeper() { RegisterProcessStateKeeper(*this); }
    int Order() const override { return 0; }
    void Save() override { FWasGuiThread = IsGuiThread(); }
    void Restore() override {
        if (FWasGuiThread && !IsGuiThread()) SetGuiThread();
    }

private:
    bool FWasGuiThread = true;
};

TGuiThreadKeeper Keeper;

} // namespace
