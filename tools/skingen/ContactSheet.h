#pragma once
// The contact sheet of a skin's pictures: every picture file enlarged, key pixels shown
// as a checkerboard, each image entry that the options name outlined with a number, and
// a legend of the numbers (section, key, picture, rectangle, states). For people to look
// at; nothing reads it back.
#include <vector>

#include "skin/render/pixels/Bitmap32.h"
#include "tools/skingen/OptionsSource.h"
#include "tools/skingen/PictureFiles.h"

namespace skingen {

skin::Bitmap32 PaintContactSheet(const std::vector<TPictureFile>& files, const std::vector<TImageUse>& images);

}  // namespace skingen
