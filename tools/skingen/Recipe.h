#pragma once
// The drawing recipe of a skin: which picture files the skin has and, for every picture,
// where it lies, how its state pictures are stored and the drawing steps of each state.
// Parsed from a line-based text (skins/<name>/Pictures.txt documents the syntax); the
// painting itself is PicturePainter's, the placing into files PictureFiles'.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/Geometry.h"
#include "tools/skingen/Palette.h"

namespace skingen {

// How the pixels of a picture are stored: a key colour marks the transparent pixels, a
// mask half below the pictures weights them, or the picture keeps its own alpha.
enum class TStorage { Key, Mask, Alpha };

// The image type the options give the picture (0 border ... 4 PNG glyph).
enum class TImageKind { Border = 0, Texture = 1, Glyph = 2, Glow = 3, PngGlyph = 4 };

// One drawing step of a state picture. Numbers are pixel coordinates of the state cell
// (pixel (x, y) covers [x, x + 1) x [y, y + 1)), sizes, radii, angles and amounts.
struct TRecipeOp {
  std::string Verb;
  std::vector<double> Numbers;
  double Radii[4] = {0, 0, 0, 0};  // corner radii: top-left, top-right, bottom-right, bottom-left
  std::vector<TInk> Inks;
  std::vector<std::string> Rows;              // "pixels": one string per row, one character per pixel
  std::vector<std::pair<char, TInk>> Legend;  // "pixels": the inks of the characters
  std::vector<int> States;                    // the states it paints; empty: all
  int Line = 0;
};

// A picture made from another one's state pictures.
enum class TTransform { Same, FlipX, FlipY, TurnLeft, TurnRight };

struct TPictureRecipe {
  std::string Name;
  std::string File;  // id of the picture file it lies in
  gfx::TPoint At;    // top-left corner of its area in that file
  gfx::TSize Cell;   // one state picture
  int States = 1;
  TStorage Storage = TStorage::Key;
  TImageKind Kind = TImageKind::Border;
  int Borders[4] = {0, 0, 0, 0};  // left, top, right, bottom
  int DrawMode = 0;
  // Corner radii of the picture's outline (top-left, top-right, bottom-right,
  // bottom-left): pixels that this rounded cell covers less than half become key pixels.
  double Round[4] = {0, 0, 0, 0};
  std::string DeriveFrom;  // a picture whose states this one starts from
  TTransform Transform = TTransform::Same;
  std::vector<TRecipeOp> Ops;
  int Line = 0;

  // The whole area in the file: the state pictures side by side, the mask half below.
  gfx::TRect Area() const;
};

struct TFileRecipe {
  std::string Id;
  std::string Name;  // the member name in the package
  gfx::TSize Size;
  int Line = 0;
};

struct TRecipe {
  std::vector<TFileRecipe> Files;
  std::vector<TPictureRecipe> Pictures;

  const TFileRecipe* FindFile(std::string_view id) const;
  const TPictureRecipe* FindPicture(std::string_view name) const;
};

// Reads a recipe; throws TSourceError naming the line of the first mistake. Checks the
// structure (known words, argument counts, colours, sizes inside their files, pictures
// that do not overlap); drawing steps are checked when they are painted.
TRecipe ParseRecipe(std::string_view text, const TPalette& palette, std::string_view fileName);

}  // namespace skingen
