#pragma once

// Registers the skinned window classes a form description may hold (the
// main menu and its bar). Each published property's stored default is the
// value the component's constructor gives it.
void RegisterSkinWindowClasses();
