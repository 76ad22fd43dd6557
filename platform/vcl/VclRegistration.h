#pragma once

// Registers the framework's own classes, enumerations and properties; the
// class registry runs it on first use.
void RegisterVclClasses();
