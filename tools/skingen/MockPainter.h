#pragma once
// A rough painter of skin sections and images for the mock-ups and the preview: section
// backgrounds (colour, gradient, texture, see-through), nine-slice border images (tiled
// or stretched, masked, keyed or with alpha), single state pictures, captions and the
// line arrows of scroll buttons. It follows the engine's rules closely enough to judge a
// skin by eye; it is not the engine, and the engine does not use it.
#include <string_view>

#include "skin/render/pixels/Bitmap32.h"
#include "tools/skingen/SkinLook.h"

namespace skingen {

enum class TArrowSide { Up, Down };

class TMockPainter {
 public:
  explicit TMockPainter(const TSkinLook& look) : look_(look) {}

  // Paints a section in a state into r of dst: its background over what dst holds, then
  // its border image; key pixels in the border's corners keep what dst held before.
  void Section(skin::Bitmap32& dst, const skin::TRect& r, std::u16string_view section, int state,
               bool withBorder = true) const;
  // The background layers of a section alone.
  void Background(skin::Bitmap32& dst, const skin::TRect& r, std::u16string_view section, int state) const;
  // A border image as a nine-slice frame over r; behind (dst-sized, may be null) gives
  // the pixels that key pixels in corners show.
  void Slices(skin::Bitmap32& dst, const skin::TRect& r, const TLookImage& img, int state,
              const skin::Bitmap32* behind) const;
  // One state picture of an image at a point.
  void Glyph(skin::Bitmap32& dst, skin::TPoint at, const TLookImage& img, int state) const;
  // Text in a colour (0x00BBGGRR) with Tahoma of the given pixel height (negative: em).
  void Text(skin::Bitmap32& dst, skin::TRect r, std::u16string_view text, skin::TColor colour, int height,
            unsigned format, int weight = 400) const;
  // The line arrow of scroll buttons (two strokes of width 2), centred in r.
  void Arrow(skin::Bitmap32& dst, const skin::TRect& r, skin::TColor colour, TArrowSide side) const;

  const TSkinLook& Look() const { return look_; }

 private:
  const TSkinLook& look_;
};

}  // namespace skingen
