#pragma once
// Which skinned controls of a form would paint their built-in look under a
// skin: those that follow another skin (or none), and those whose skin holds
// no description under their SkinDataName.

#include <string>
#include <vector>

class TComponent;
class TlxSkinData;

// One line per skinned control owned by ARoot that does not paint from
// ASkinData: "<name> (<class>): <why>". Empty when every one does.
std::vector<std::string> ControlsPaintingBuiltIn(TComponent* ARoot, TlxSkinData* ASkinData);
