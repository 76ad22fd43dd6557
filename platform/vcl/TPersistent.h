#pragma once

#include "platform/base/Object.h"

// An object whose state can be copied from another (Assign) and that can
// stand in a form description.
class TPersistent : public TObject {
public:
    // Copies Source into this object. A class that knows how to copy from
    // the source overrides Assign; otherwise the source is asked through
    // AssignTo; when neither knows, EConvertError is raised.
    virtual void Assign(const TPersistent* Source);

    // The object a nested persistent belongs to (a collection's owner, a
    // collection item's collection); names paths in messages.
    virtual TPersistent* GetOwner() const { return nullptr; }

protected:
    virtual void AssignTo(TPersistent* Dest) const;
};
