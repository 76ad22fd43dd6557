#pragma once

#include <string>

class TBitmap;
class TlxSkinContent;

// Draws the control description Name of Content at Width x Height into Out,
// as a skinned control of that size paints it (SkinSizing.h): a description
// with corner points grows by its resize mode, and a dimension the mode keeps
// fixed takes the skin rectangle's size instead of the one asked for; a
// description without corner points stretches its skin rectangle. With a mask
// picture the pixels outside the control's region get alpha 0 (Out is then
// 32-bit). Raises Exception for a missing description, a missing picture or
// an empty skin rectangle.
void RenderSkinDescription(const TlxSkinContent& Content, const std::string& Name, int Width, int Height,
                           TBitmap& Out);
