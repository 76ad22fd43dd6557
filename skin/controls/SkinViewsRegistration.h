#pragma once

// Registers the skinned tree and list views and the skinned page control and
// tab sheets for form descriptions (from RegisterSkinControls).
void RegisterSkinViewClasses();
