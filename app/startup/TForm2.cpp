#include "app/startup/TForm2.h"

#include "app/ProgramSkin.h"
#include "app/startup/ProgramVersion.h"
#include "platform/vcl/TClassRegistry.h"
#include "platform/vcl/TImage.h"
#include "resources/pictures/EmbeddedPictures.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinLinkLabel.h"
#include "skin/controls/TlxSkinStdLabel.h"

void TForm2::Loaded() {
    TForm::Loaded();
    lxLumivex1 = AddDialogFormSkinning(this);
    if (lblVersion) lblVersion->SetCaption(std::string("Ver:") + ProgramVersion);
    if (Image1) {
        auto picture = std::make_unique<TBitmap>();
        if (LoadEmbeddedPicture("about", *picture)) Image1->Picture()->SetGraphic(std::move(picture));
    }
}

void TForm2::lxSkinButton1Click(TObject*) {
    Close();
}

void RegisterAboutFormClass() {
    RegisterClass<TForm2>("TForm2", "TForm")
        .Field("Image1", &TForm2::Image1)
        .Field("lblProduct", &TForm2::lblProduct)
        .Field("lblVersion", &TForm2::lblVersion)
        .Field("lxSkinLinkLabel1", &TForm2::lxSkinLinkLabel1)
        .Field("lxSkinLinkLabel2", &TForm2::lxSkinLinkLabel2)
        .Field("lxSkinButton1", &TForm2::lxSkinButton1)
        .Handler("lxSkinButton1Click", &TForm2::lxSkinButton1Click);
}
