#pragma once

#include "platform/base/Strings.h"
#include "platform/gdi/TFont.h"
#include "platform/vcl/TComponent.h"

#include <string>
#include <string_view>

// The texts of the skinned interface: one line per text, the key, "=" and
// the text. Whoever shows such a text asks GetResStr when its skin data has a
// table and uses its own built-in text otherwise.
class TlxResourceStrData : public TComponent {
public:
    // Filled with the default table; CharSet 1 (the default character set).
    explicit TlxResourceStrData(TComponent* AOwner);

    const TStringList& ResStrings() const { return FResStrs; }
    TStringList& ResStrings() { return FResStrs; }
    // Replaces the lines by a copy of Value; the list object stays the same.
    void SetResStrings(const TStrings& Value) { FResStrs.Assign(Value); }

    TFontCharset CharSet() const { return FCharSet; }
    void SetCharSet(TFontCharset Value) { FCharSet = Value; }

    // The text after the first "=" of the first line whose key (the part
    // before that "=") equals ResName ignoring case; empty when none does.
    std::string GetResStr(std::string_view ResName) const;

protected:
    TStringList FResStrs;
    TFontCharset FCharSet = 1;
};
