#pragma once

class TBitmap;
class TlxSkinContent;

// One picture of a whole skin for review: buttons in their states, check
// boxes and radio buttons, edits, a combo box, a list with its scroll bar,
// tabs, a group box, scroll bars, a slider, up-down buttons, a status panel,
// a framed form with its caption buttons and menu bar, a popup menu and a
// hint, drawn from the skin's descriptions with Chinese captions in the
// skin's fonts and colours. Parts the skin lacks are left out.
void RenderContactSheet(const TlxSkinContent& Content, TBitmap& Out);
