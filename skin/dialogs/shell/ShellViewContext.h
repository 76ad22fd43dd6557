#pragma once

#include "platform/vcl/TComponentRef.h"
#include "skin/dialogs/shell/TShellNamespace.h"

#include <optional>

class TMimeDatabase;

// What every shell view of the process browses: one namespace, made from
// the system at first use, and the MIME database its type names and icons
// come from. GUI thread only.
const TShellNamespace& ShellNamespace();
// Replaces the namespace (a program that wants other places, and tests);
// nullopt goes back to the system's. Views read it at their next listing.
void SetShellEnvironment(std::optional<TShellEnvironment> Environment);

const TMimeDatabase& ShellMimeDatabase();

// The item a typed or stored path names: "~" and "~/..." below home, an
// absolute path worked out by text, and the namespace's own names of places
// and the computer. Empty when it names nothing the views can show.
std::optional<TShellItem> ShellItemOfPath(const std::string& Text);

// The nearest folder of item's route that still exists (the item itself
// when it does; places at the worst). Never blocks on a volume: only folders
// on the route are stat'ed, and a volume's mount point is taken as it is.
TShellItem NearestExistingFolder(const TShellItem& Item);

// Whether a folder item can still be listed: places, the computer and a
// network volume (never stat'ed) always; a directory while it exists.
bool ShellFolderExists(const TShellItem& Item);

// Root names and paths compare without case.
bool SameShellRoot(const std::string& A, const std::string& B);

// Sets a view's updating flag for its lifetime, then puts the old value back.
class TShellUpdating {
public:
    explicit TShellUpdating(bool& Flag) : FFlag(Flag), FSaved(Flag) { FFlag = true; }
    ~TShellUpdating() { FFlag = FSaved; }
    TShellUpdating(const TShellUpdating&) = delete;
    TShellUpdating& operator=(const TShellUpdating&) = delete;

private:
    bool& FFlag;
    bool FSaved;
};

// Links Self to Value through Link: the view linked before forgets Self, and
// Value adopts Self's root and links back (Back, SetBack: Value's link to
// views of Self's kind). The same view again changes nothing.
template <class A, class B>
void LinkShellView(A* Self, TComponentRef<B>& Link, B* Value, A* (B::*Back)() const, void (B::*SetBack)(A*)) {
    B* old = Link.Get();
    if (Value == old) return;
    Link.Set(Value);
    if (old && (old->*Back)() == Self) (old->*SetBack)(nullptr);
    if (Value) {
        Value->SetRoot(Self->Root());
        (Value->*SetBack)(Self);
    }
}
