#pragma once

// Makes the skin engine's components known to form descriptions (their class
// names and published properties). Safe to call more than once.
void RegisterSkinEngineClasses();
