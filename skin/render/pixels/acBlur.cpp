#include "skin/render/pixels/acBlur.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace skin {

int BlurKernelHalfSize(double radius) {
  if (!(radius > 0)) return 0;
  // Weights round(exp(-(i/r)^2 / 2)) for i = -16..16: each is 0 or 1.
  double w[33];
  double sum = 0;
  for (int i = -16; i <= 16; ++i) {
    const double x = i / radius;
    w[i + 16] = std::nearbyint(std::exp(-(x * x) / 2));
    sum += w[i + 16];
  }
  if (sum <= 0) return 0;
  for (double& v : w) v /= sum;
  // Trim from the outside while the weight left out stays below 1/510.
  double cut = 0;
  int k = 16;
  while (cut < 1.0 / 510.0 && k > 1) {
    cut += 2 * w[k + 16];
    --k;
  }
  return k < 1 ? 1 : k;
}

namespace {

// Every weight of the trimmed kernel is 1, so the blur is a moving average over
// n = 2K + 1 pixels; n is odd, so rounding half to even never meets a tie and
// (2 * sum + n) / (2 * n) is the exactly rounded average.
void BlurLine(const std::uint8_t* in, std::ptrdiff_t inStep, std::uint8_t* out, std::ptrdiff_t outStep, int len,
              int k) {
  const int n = 2 * k + 1;
  auto at = [&](int i) -> int {
    if (i < 0) i = 0;
    if (i >= len) i = len - 1;
    return in[i * inStep];
  };
  int sum = 0;
  for (int i = -k; i <= k; ++i) sum += at(i);
  for (int x = 0; x < len; ++x) {
    int v = (2 * sum + n) / (2 * n);
    if (v > 255) v = 255;
    out[x * outStep] = static_cast<std::uint8_t>(v);
    sum += at(x + k + 1) - at(x - k);
  }
}

}  // namespace

void BlurGray8(Bitmap32* bmp, double radius) {
  if (bmp == nullptr || bmp->Format() != gfx::PixelFormat::Gray8 || bmp->Empty()) return;
  const int k = BlurKernelHalfSize(radius);
  if (k == 0) return;
  const int w = bmp->Width(), h = bmp->Height();
  const std::ptrdiff_t stride = h > 1 ? bmp->Row8(1) - bmp->Row8(0) : w;
  std::vector<std::uint8_t> tmp(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y) BlurLine(bmp->Row8(y), 1, &tmp[static_cast<std::size_t>(y) * w], 1, w, k);
  for (int x = 0; x < w; ++x) BlurLine(&tmp[x], w, bmp->Row8(0) + x, stride, h, k);
}

}  // namespace skin
