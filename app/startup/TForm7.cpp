#include "app/startup/TForm7.h"

#include "platform/vcl/TClassRegistry.h"
#include "platform/vcl/TImage.h"
#include "resources/pictures/EmbeddedPictures.h"

void TForm7::Loaded() {
    TForm::Loaded();
    if (!Image1) return;
    auto picture = std::make_unique<TBitmap>();
    if (LoadEmbeddedPicture("splash", *picture)) Image1->Picture()->SetGraphic(std::move(picture));
}

void RegisterSplashFormClass() {
    RegisterClass<TForm7>("TForm7", "TForm").Field("Image1", &TForm7::Image1);
}
