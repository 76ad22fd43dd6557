#pragma once

#include "platform/vcl/TWinControl.h"

#include <vector>

class TCustomForm;

// The client window of an MDI parent form: a child window filling what the
// form's aligned controls leave free. MDI children are forms whose windows
// are child windows of it, each with a frame of its own; it keeps track of
// which of them is active. The form creates and frees it.
class TMDIClient : public TWinControl {
public:
    explicit TMDIClient(TCustomForm* AForm);
    ~TMDIClient() override;

    TCustomForm* Form() const { return FForm; }
    // The MDI children with a window, topmost first.
    std::vector<TCustomForm*> Children() const;
    TCustomForm* ActiveChild() const { return FActiveChild; }
    // Brings Child to the top, gives it the focus and moves the active look
    // from the previous child to it.
    void ActivateChild(TCustomForm* Child);
    // Child was hidden or is going: the topmost other visible child becomes active.
    void ChildGone(TCustomForm* Child);

protected:
    void WndProc(TMessage& Message) override;
    void DestroyHandle() override;

private:
    TCustomForm* FForm;
    TCustomForm* FActiveChild = nullptr;
};
