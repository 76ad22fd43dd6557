#pragma once

struct AVFrame;

// Scales every sample of a writable audio frame by AVolume / 256 (256 keeps
// the level), planar or packed: integer formats saturate (u8 around 0x80),
// float formats are multiplied.
void ScaleSamples(AVFrame* AFrame, int AVolume);
