#pragma once

// The picture dialogs' classes and properties for form descriptions.
void RegisterPictureDialogs();
