#pragma once

#include "platform/vcl/TImage.h"

#include <string>

// A picture that opens its URL when clicked (OpenLinkURL), with the hand
// cursor.
class TlxSkinLinkImage : public TImage {
public:
    explicit TlxSkinLinkImage(TComponent* AOwner);

    const std::string& URL() const { return FURL; }
    void SetURL(const std::string& Value) { FURL = Value; }

    // OnClick first, then the address is opened.
    void Click() override;

private:
    std::string FURL;
};
