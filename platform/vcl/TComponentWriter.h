#pragma once

#include "platform/vcl/TComponent.h"
#include "platform/vcl/TDescription.h"

#include <string>

// Turns a root component and the components it owns back into a form
// description: every published property that differs from its default, nested
// components under the component they are nested in, in creation order.
class TComponentWriter {
public:
    static TDescObject Write(TComponent* Root);
    static std::string WriteText(TComponent* Root);
};
