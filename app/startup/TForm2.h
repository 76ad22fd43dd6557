#pragma once

#include "platform/vcl/TCustomForm.h"

class TImage;
class TlxLumivex;
class TlxSkinButton;
class TlxSkinLinkLabel;
class TlxSkinStdLabel;

// The about box: the product name, "Ver:" and the version, a picture, and
// links to the product's web site and support mail address. Shown modally.
class TForm2 : public TForm {
public:
    explicit TForm2(TComponent* AOwner) : TForm(AOwner) {}

    // The skinned frame, made once the description is read.
    TlxLumivex* lxLumivex1 = nullptr;
    TImage* Image1 = nullptr;
    TlxSkinStdLabel* lblProduct = nullptr;
    TlxSkinStdLabel* lblVersion = nullptr;
    TlxSkinLinkLabel* lxSkinLinkLabel1 = nullptr; // the web site
    TlxSkinLinkLabel* lxSkinLinkLabel2 = nullptr; // the support mail address
    TlxSkinButton* lxSkinButton1 = nullptr;       // "确定"

    void lxSkinButton1Click(TObject* Sender);

protected:
    // The frame, the picture and the version, once the description is read.
    void Loaded() override;
};

void RegisterAboutFormClass();
