#pragma once

#include "platform/base/Set.h"

// How a text is styled and aligned; the values are the framework's ordinals.
enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
