// Putting an antialiased glyph image on a canvas.
#pragma once

#include "platform/raster/canvas.h"
#include "platform/text/font_face.h"

namespace text {

// `over` laid on `under` with `coverage` from 0 (all under) to 255 (all over), per channel.
raster::Pixel Blend(raster::Pixel under, raster::Pixel over, int coverage);

// Draws the glyph's image with its top-left pixel at (x, y), in `color` mixed with what the
// canvas already holds there by the glyph's coverage. Only pixels the canvas may write change.
void BlendGlyph(const raster::Canvas& canvas, const Glyph& glyph, int x, int y,
                raster::Pixel color);

}  // namespace text
