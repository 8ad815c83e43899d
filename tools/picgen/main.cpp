// picgen: writes the program's pictures as PNG files into a folder.
//
//   picgen OUTPUT_DIR
#include <cstdio>
#include <filesystem>

#include "platform/base/Files.h"
#include "platform/gfx/ImageCodec.h"
#include "tools/picgen/Pictures.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: picgen OUTPUT_DIR\n");
    return 2;
  }
  std::error_code ec;
  std::filesystem::create_directories(argv[1], ec);
  for (const picgen::NamedPicture& p : picgen::AllPictures()) {
    gfx::PixelBuffer pixels = p.draw().ToPixels();
    const std::string path = std::string(argv[1]) + "/" + p.fileName;
    if (!base::WriteFileBytes(path, gfx::EncodePng(pixels.View()), base::FileReplace::InPlace).Ok()) {
      std::fprintf(stderr, "picgen: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
