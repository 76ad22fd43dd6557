#include "platform/vcl/VclRegistration.h"

#include "platform/vcl/TClassRegistry.h"

void RegisterVclClasses() {
    RegisterClass<TPersistent>("TPersistent");
    RegisterClass<TComponent>("TComponent", "TPersistent").Property("Tag", &TComponent::Tag, &TComponent::SetTag);
    RegisterClass<TCollectionItem>("TCollectionItem", "TPersistent");
}
