#pragma once

// The small skinned buttons that grow to any size (the edit's push button,
// the combo box's drop-down button and tool-button face): a button
// description of the skin drawn as a nine-part image at the button's size.

#include <initializer_list>

class TBitmap;
class TlxSkinData;
class TlxDataSkinButtonControl;
struct TRect;

// The first of Names that the skin has as a button description; nullptr
// without a skin or when it has none of them.
TlxDataSkinButtonControl* FindButtonDescription(TlxSkinData* SD, std::initializer_list<const char*> Names);

// The picture of D for a state: pressed DownSkinRect, hot ActiveSkinRect,
// else SkinRect; an empty active picture falls back to SkinRect and an empty
// down picture to the active one.
TRect ButtonStateRect(const TlxDataSkinButtonControl& D, bool Pressed, bool Hot);

// R of D's picture into B at W x H: the corner points and the client
// rectangle move by the growth over D's skin rectangle. B is W x H afterwards;
// nothing is drawn without a picture.
void CreateResizedButtonImage(TlxSkinData* SD, const TlxDataSkinButtonControl& D, const TRect& R, int W,
                              int H, TBitmap& B);
