#pragma once

#include "platform/vcl/TCustomForm.h"

class TImage;

// The splash window: no border, centred on the desktop, filled by one picture.
class TForm7 : public TForm {
public:
    explicit TForm7(TComponent* AOwner) : TForm(AOwner) {}

    TImage* Image1 = nullptr;

protected:
    // Puts the program's splash picture into Image1 once the description is read.
    void Loaded() override;
};

void RegisterSplashFormClass();
