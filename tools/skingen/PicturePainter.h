#pragma once
// Paints the state pictures of a recipe picture: every drawing step on a cell of
// straight (not premultiplied) 32-bit pixels that starts fully transparent. Shapes are
// anti-aliased from their exact coverage (the drawing layer's coverage raster); colours
// are composed source-over. How the finished cells are stored is PictureFiles' concern.
#include <string_view>
#include <vector>

#include "platform/gfx/PixelBuffer.h"
#include "tools/skingen/Recipe.h"

namespace skingen {

// The state pictures of one picture, each Cell-sized, B, G, R, A with straight alpha.
using TStateCells = std::vector<gfx::PixelBuffer>;

// Paints every state of p. A derived picture starts from the transformed states of its
// source in painted (already painted earlier in the same run). Throws TSourceError for a
// step that cannot be painted (a pixels block outside the cell, a bad radius ...).
TStateCells PaintPicture(const TPictureRecipe& p, const TRecipe& recipe, const std::vector<TStateCells>& painted,
                         std::string_view fileName);

// How much of every pixel of a cell the rounded cell outline (radii: top-left,
// top-right, bottom-right, bottom-left) covers, 0..1, row by row.
std::vector<float> RoundedCellCoverage(gfx::TSize cell, const double radii[4]);

// The cells of a picture turned or mirrored as a derived picture asks.
TStateCells TransformCells(const TStateCells& cells, TTransform t);

}  // namespace skingen
