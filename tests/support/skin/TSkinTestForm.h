#pragma once

#include "platform/vcl/TCustomForm.h"

#include <functional>
#include <string>
#include <vector>

// Stands in for the form-skinning component: passes the skin messages of
// any skin data object to the form's skinned controls (WM_BEFORECHANGESKINDATA
// to BeforeChangeSkinData, WM_CHANGESKINDATA to ChangeSkinData) and records
// them by name ("before", "change", "after"). OnSkinMessage runs after the
// controls were called, where a test may paint in the middle of a change.
class TSkinTestForm : public TForm {
public:
    explicit TSkinTestForm(TComponent* AOwner);

    std::vector<std::string> Messages;
    std::function<void(uint32_t Msg)> OnSkinMessage;

    void WndProc(TMessage& M) override;
};
