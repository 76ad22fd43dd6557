// The global Application keeps what a case did to it: terminated, a main
// form, handlers, the message hook of a window system that has since gone.
// Each case gets a fresh one, made as at start-up.
#include "platform/vcl/TApplication.h"
#include "tests/support/ProcessState.h"

namespace {

class TApplicationKeeper : public TProcessStateKeeper {
public:
    TApplicationKeeper() { RegisterProcessStateKeeper(*this); }
    int Order() const override { return 1; }
    void Save() override {}
    void Restore() override {
        if (Application) Application->Free();
        Application = new TApplication(nullptr);
    }
};

TApplicationKeeper Keeper;

} // namespace
