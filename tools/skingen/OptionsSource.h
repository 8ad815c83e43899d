#pragma once
// The options source of a skin: the text of OPTIONS.DAT with placeholders in braces that
// the generator fills from the palette and the recipe, so that colours and picture
// places are written once. In a value:
//   {name}        a palette colour as the options store colours (decimal 0x00BBGGRR)
//   {name:argb}   a palette colour as an opaque ARGB value (signed decimal)
//   {^picture}    a border image of the master bitmap:  ^L^T^R^B^WL^WT^WR^WB^IC^MT^DM^W
//   {&picture}    the canonical form of a master bitmap picture
//   {@picture}    a glyph of the master bitmap:         @L@T@R@B@IC@MT
//   {~picture}    a texture of the master bitmap:       ~L~T~R~B~DM~MT
//   {!picture}    a picture in a file of its own:       !FILE!IC!MT!IT!F5!F6!F7!F8!DM
// "#" comment lines are dropped; "KEY = VALUE" lines are written "KEY=VALUE"; lines end
// in CR LF.
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/Geometry.h"
#include "tools/skingen/Palette.h"
#include "tools/skingen/Recipe.h"

namespace skingen {

// An image reference the options make, for the contact sheet and the checks.
struct TImageUse {
  std::string Section;
  std::string Key;
  std::string Picture;
  std::string Value;  // as written into OPTIONS.DAT
};

struct TOptionsText {
  std::string Text;  // OPTIONS.DAT, 8-bit, CR LF
  std::vector<TImageUse> Images;
};

// Expands an options source; throws TSourceError for an unknown colour or picture, a
// picture that does not suit the syntax asked for (a glyph written as a border image, a
// master picture written as a file, ...) and lines that are neither sections nor keys.
TOptionsText ExpandOptions(std::string_view source, const TPalette& palette, const TRecipe& recipe,
                           std::string_view fileName);

// The reference of one picture in one syntax ('^', '&', '@', '~' or '!'); an empty
// result and a reason in why when the picture does not suit it. masterFile is the id of
// the master bitmap's file.
std::string FormatImageRef(char syntax, const TPictureRecipe& p, const TRecipe& recipe, std::string_view masterFile,
                           std::string& why);

}  // namespace skingen
