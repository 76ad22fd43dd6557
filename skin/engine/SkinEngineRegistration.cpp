#include "skin/engine/SkinEngineRegistration.h"

#include "platform/vcl/TClassRegistry.h"
#include "skin/engine/ResourceStrData.h"

void RegisterSkinEngineClasses() {
    RegisterClass<TlxResourceStrData>("TlxResourceStrData", "TComponent")
        .ObjectProperty("ResStrings", [](TlxResourceStrData* d) -> TStrings* { return &d->ResStrings(); })
        .Property("CharSet", &TlxResourceStrData::CharSet, &TlxResourceStrData::SetCharSet, TFontCharset(1));
}
