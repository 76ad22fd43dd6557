#pragma once

#include <string>
#include <typeinfo>

// The root of classes that need their run-time class name (the design's ClassName).
class TObject {
public:
    virtual ~TObject() = default;
    // The unqualified name of the object's dynamic class ("TStringList").
    std::string ClassName() const;
};

// The unqualified name of a type.
std::string ClassNameOf(const std::type_info& type);

#include <functional>

// The design's plain event: a notification naming its sender.
using TNotifyEvent = std::function<void(TObject* Sender)>;
