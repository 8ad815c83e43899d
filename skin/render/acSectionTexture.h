#pragma once
// The texture layer of a section: an image entry laid over a rectangle by its DrawMode
// (tiled, stretched, along one side, anchored at a corner), masked textures in whole
// tiles, and the pattern overlay. Offsets of bg are relative to the bitmap written.
#include "skin/data/acSkinRecords.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/acBgInfo.h"
#include "skin/render/pixels/sColors.h"

namespace skin {

class TacSkinData;

// Texture fill modes (the texture entry's DrawMode).
enum TacTextureMode : int {
  tmTile = 0,             // tiled from the top-left corner, last row and column cut
  tmStretch = 1,          // stretched once
  tmTopRow = 2,           // one row of tiles along the top
  tmLeftColumn = 3,       // one column of tiles along the left
  tmStretchTop = 4,       // stretched along the top, its own height
  tmStretchLeft = 5,      // stretched along the left, its own width
  tmBottomRow = 6,        // one row of tiles along the bottom
  tmRightColumn = 7,      // one column of tiles along the right
  tmWholeTiles = 10,      // tiled as tmTile; masked textures: whole tiles only
  tmStretchRows = 11,     // each row of tiles stretched to the width
  tmStretchColumns = 12,  // each column of tiles stretched to the height
  tmTileBottomRight = 13  // tiled from the bottom-right corner, cut at the top and left
};

// The entry index names when it can serve as a texture: it exists, its pictures are in
// reach (own bitmap or the master bitmap), its area lies inside that bitmap and is at
// least one pixel each way, and its DrawMode is one of the fill modes (0 or 10 for a
// masked texture, whose tile is Width wide and half the area high). nullptr otherwise.
const TsMaskData* UsableTexture(const TacSkinData& data, int index);

// Fills r (inside dst) with a usable texture. A plain texture is copied or stretched by
// its mode; the part of r the mode leaves (beside a row or column of tiles) is returned
// for the colour, empty when none. A masked texture first gives r what lies behind (bg,
// with colour where nothing is known) and lays its tiles over it, key pixels showing
// what lies behind; it leaves nothing for the colour.
TRect FillTexture(Bitmap32* dst, const TRect& r, const TsMaskData& tex, const TacBgInfo& bg, TColor colour);

// The pattern overlay: a usable masked texture of mode 10 laid in whole tiles over r as it
// is; its key pixels and the strips right of and below the tiles take what lies behind
// (bg's bitmap when ready, else its known colour; left as they are when nothing is known).
void OverlayPattern(Bitmap32* dst, const TRect& r, const TsMaskData& tex, const TacBgInfo& bg);

// True when the entry is a mode-10 masked texture, the kind the overlay lays.
bool IsPatternOverlay(const TsMaskData& tex);

}  // namespace skin
