#pragma once

// Makes the MDI tab bar known to form descriptions (after RegisterSkinControls).
void RegisterMDITabsBar();
