#pragma once

#include "platform/vcl/TComponent.h"
#include "platform/vcl/TDescription.h"

#include <functional>
#include <string>
#include <string_view>

// Applies a form description to a root component: creates the components it
// names (owned by the root, nested in their parents), sets their properties,
// binds events to the root class's handlers, resolves references once the whole
// description is read, then calls Loaded once per component. Faults raise
// EDescriptionError naming the line.
class TComponentReader {
public:
    static void Read(TComponent* Root, const TDescObject& Description);
    static void ReadText(TComponent* Root, std::string_view Text);

    // Applies every embedded description of the root's class and its ancestors,
    // the farthest ancestor's first. False when none of them has one.
    static bool ReadInherited(TComponent* Root);

    // Clears every field of Root's class that points at Gone.
    static void ClearFieldsOf(TComponent* Root, TComponent* Gone);

    // Finds a component that is no root's own by its global name (a form, for
    // "Form2.ImageList1"); the screen installs it.
    static std::function<TComponent*(std::string_view Name)> FindGlobalComponent;
};
