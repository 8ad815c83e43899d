#pragma once
// The program's pictures, each an original drawing at the size its window expects.
#include <string>
#include <vector>

#include "tools/picgen/PicCanvas.h"

namespace picgen {

PicCanvas InfoSign();       // 32 x 32: a blue disc with a white italic "i"
PicCanvas MakerLogo();      // 512 x 512: the maker's mark
PicCanvas PayServiceOne();  // 460 x 510: a donation service's logo (a heart in a box)
PicCanvas PayServiceTwo();  // 400 x 114: a second donation service's badge
PicCanvas CoffeeCup();      // 512 x 512: a steaming cup on a saucer

struct NamedPicture {
  std::string fileName;
  PicCanvas (*draw)();
};
const std::vector<NamedPicture>& AllPictures();

}  // namespace picgen
