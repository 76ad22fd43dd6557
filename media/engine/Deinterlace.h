#pragma once

#include "media/PictureToBitmap.h"

// Deinterlaces ASource into ADest (same format and size, separate buffers):
// the even lines are kept, every odd line becomes a vertical low-pass of its
// neighbours, (-1, 4, 2, 4, -1) / 8 rounded and clipped, lines beyond the
// edges repeating the edge line. Planar YUV 4:2:0, 4:2:2, 4:4:4, 4:1:1 and
// gray, width and height multiples of 4; False for anything else.
bool DeinterlacePicture(TAVPicture& ADest, const TAVPicture& ASource, AVPixelFormat APixFmt, int AWidth,
                        int AHeight);
