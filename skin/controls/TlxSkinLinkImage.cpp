#include "skin/controls/TlxSkinLinkImage.h"

#include "skin/controls/LinkOpener.h"

TlxSkinLinkImage::TlxSkinLinkImage(TComponent* AOwner) : TImage(AOwner) {
    SetCursor(crHandPoint);
}

void TlxSkinLinkImage::Click() {
    TKeepAlive alive(this);
    TImage::Click();
    OpenLinkURL(FURL);
}
