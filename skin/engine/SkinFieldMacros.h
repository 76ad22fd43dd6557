#pragma once

// Shorthands for the rows of the field tables; each table's source file
// defines C as the class the rows belong to. R is the default of a missing key,
// I the constructor value.
#include "skin/engine/SkinFields.h"

#define LX_INT(F, R, I) LX_FIELD(Integer, F, nullptr, R, I)
#define LX_INT_KEY(F, K, R, I) LX_FIELD(Integer, F, K, R, I)
#define LX_COLOR(F, R, I) LX_FIELD(Color, F, nullptr, R, I)
#define LX_COLOR_KEY(F, K, R, I) LX_FIELD(Color, F, K, R, I)
#define LX_FLAG(F, I) LX_FIELD(Boolean, F, nullptr, 0, I)
#define LX_RECT(F) LX_FIELD(Rect, F, nullptr, {}, {})
#define LX_RECT_KEY(F, K) LX_FIELD(Rect, F, K, {}, {})
#define LX_POINT_KEY(F, K) LX_FIELD(Point, F, K, {}, {})
#define LX_STR(F, R, I) LX_FIELD(String, F, nullptr, R, I)
#define LX_STR_KEY(F, K, R, I) LX_FIELD(String, F, K, R, I)
#define LX_STYLE(F) LX_FIELD(FontStyles, F, nullptr, {}, {})
#define LX_ALIGN(F, I) LX_FIELD(Alignment, F, nullptr, taCenter, I)
#define LX_MORPH(F) LX_FIELD(MorphKind, F, nullptr, mkDefault, mkDefault)
#define LX_STRETCH(F) LX_FIELD(StretchType, F, nullptr, lxstFull, lxstFull)
#define LX_COMMAND(F, I) LX_FIELD(StdCommand, F, nullptr, cmDefault, I)

// The frame geometry keys shared by several classes.
#define LX_CORNER_POINTS                                                                                     \
    LX_POINT_KEY(LTPoint, "lefttoppoint"), LX_POINT_KEY(RTPoint, "righttoppoint"),                           \
        LX_POINT_KEY(LBPoint, "leftbottompoint"), LX_POINT_KEY(RBPoint, "rightbottompoint")
