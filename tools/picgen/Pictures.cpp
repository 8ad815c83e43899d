#include "tools/picgen/Pictures.h"

#include <cmath>

namespace picgen {

PicCanvas InfoSign() {
  PicCanvas c(32, 32);
  const Box all{0, 0, 32, 32};
  c.Fill(all, Disc(16, 16, 15.5), Hex(0x174A9C));
  c.Fill(all, Disc(16, 16, 14.5), VerticalGradient(2, Hex(0x5B9BE6), 30, Hex(0x1D5FC0)));
  // A soft highlight in the upper half.
  c.Fill(all, Ellipse(16, 10, 10.5, 6.5), Hex(0xFFFFFF, 0.18));
  // The italic letter: a dot and a slanted stem with a small foot.
  c.Fill(all, Disc(18.6, 8.2, 2.4), Hex(0xFFFFFF));
  c.Fill(all,
         Polygon({{15.4, 12.6},
                  {20.2, 12.6},
                  {17.4, 24.0},
                  {19.6, 24.0},
                  {19.2, 26.0},
                  {11.8, 26.0},
                  {12.3, 24.0},
                  {13.6, 24.0},
                  {15.8, 14.6},
                  {14.9, 14.6}}),
         Hex(0xFFFFFF));
  return c;
}

PicCanvas MakerLogo() {
  PicCanvas c(512, 512);
  const Box all{0, 0, 512, 512};
  c.Fill(all, RoundRect({16, 16, 496, 496}, 104), VerticalGradient(16, Hex(0x1C8C8C), 496, Hex(0x0E4F5E)));
  c.Fill(all, RoundRect({16, 16, 496, 256}, 104), Hex(0xFFFFFF, 0.06));
  // An open ring, a bright point orbiting it and a stroke through the middle.
  c.Fill(all, And(Ring(256, 256, 116, 164), Not(Polygon({{256, 256}, {512, 40}, {512, 140}}))), Hex(0xF4F1E6));
  c.Fill(all, Disc(372, 150, 40), Hex(0xF29B38));
  c.Fill(all, Polygon({{178, 330}, {318, 170}, {342, 192}, {202, 352}}), Hex(0xF4F1E6));
  return c;
}

PicCanvas PayServiceOne() {
  PicCanvas c(460, 510);
  const Box all{0, 0, 460, 510};
  c.Fill(all, RoundRect({10, 10, 450, 500}, 80), VerticalGradient(10, Hex(0x8A4FD8), 500, Hex(0x5A2AA0)));
  // A heart: two discs and the point below them, its sides tangent to the discs.
  const double r = 70, cy = 190, tipX = 230, tipY = 350;
  auto tangent = [&](double cx, double side) {
    const double d = std::hypot(tipX - cx, tipY - cy);
    const double a = std::atan2(tipY - cy, tipX - cx) + side * std::acos(r / d);
    return std::pair<double, double>{cx + r * std::cos(a), cy + r * std::sin(a)};
  };
  const auto left = tangent(178, 1), right = tangent(282, -1);
  const Inside heart =
      Or(Or(Disc(178, cy, r), Disc(282, cy, r)), Polygon({left, {178, cy}, {282, cy}, right, {tipX, tipY}}));
  c.Fill(all, heart, Hex(0xFFFFFF));
  const int w = PicCanvas::TextWidth(u"Donora", u"DejaVu Sans", 64, true, false);
  c.FillText(u"Donora", u"DejaVu Sans", 64, true, false, (460 - w) / 2.0, 380, Hex(0xFFFFFF));
  return c;
}

PicCanvas PayServiceTwo() {
  PicCanvas c(400, 114);
  const Box all{0, 0, 400, 114};
  c.Fill(all, RoundRect({2, 2, 398, 112}, 55), VerticalGradient(2, Hex(0x2DB36B), 112, Hex(0x17804A)));
  // A coin with a tip of a leaf on it, then the service's name.
  c.Fill(all, Disc(57, 57, 40), Hex(0xFFFFFF));
  c.Fill(all, Ring(57, 57, 28, 33), Hex(0x17804A));
  c.Fill(all, Polygon({{45, 72}, {55, 40}, {72, 40}, {62, 72}}), Hex(0x17804A));
  c.FillText(u"Tiplio", u"DejaVu Sans", 62, true, true, 112, 16, Hex(0xFFFFFF));
  return c;
}

PicCanvas CoffeeCup() {
  PicCanvas c(512, 512);
  const Box all{0, 0, 512, 512};
  const Rgba brown = Hex(0x5B3A26);
  // Saucer.
  c.Fill(all, Ellipse(240, 440, 200, 44), Hex(0xD9D2C5));
  c.Fill(all, Ellipse(240, 432, 200, 40), Hex(0xF3EFE7));
  c.Fill(all, Ellipse(240, 430, 120, 20), Hex(0xDCD4C6));
  // Handle, then the cup's body: wide at the top, rounded at the bottom.
  c.Fill(all, Ring(368, 286, 34, 60), brown);
  c.Fill(all, Ring(368, 286, 40, 54), Hex(0xF7F3EC));
  const Inside body = Or(Polygon({{96, 196}, {384, 196}, {356, 360}, {124, 360}}), Ellipse(240, 356, 116, 72));
  c.Fill(all, And(body, Polygon({{0, 196}, {512, 196}, {512, 432}, {0, 432}})), brown);
  c.Fill(all,
         And(Or(Polygon({{106, 200}, {374, 200}, {348, 356}, {132, 356}}), Ellipse(240, 352, 106, 64)),
             Polygon({{0, 190}, {512, 190}, {512, 430}, {0, 430}})),
         VerticalGradient(200, Hex(0xFFFFFF), 416, Hex(0xE8E0D3)));
  // The coffee in the top opening.
  c.Fill(all, Ellipse(240, 196, 144, 30), brown);
  c.Fill(all, Ellipse(240, 198, 132, 22), Hex(0x3B2416));
  c.Fill(all, Ellipse(222, 194, 70, 8), Hex(0x7A5238, 0.8));
  // Steam.
  for (int i = 0; i < 3; ++i) {
    const double x0 = 190 + i * 50;
    c.Fill(all, Stroke([x0, i](double y) { return x0 + 14 * std::sin(y / 22.0 + i * 1.7); }, 40 + i * 12, 150, 7),
           Hex(0xA7A7A7, 0.75));
  }
  return c;
}

const std::vector<NamedPicture>& AllPictures() {
  static const std::vector<NamedPicture> all{{"InfoSign.png", &InfoSign},
                                             {"MakerLogo.png", &MakerLogo},
                                             {"PayServiceOne.png", &PayServiceOne},
                                             {"PayServiceTwo.png", &PayServiceTwo},
                                             {"CoffeeCup.png", &CoffeeCup}};
  return all;
}

}  // namespace picgen
