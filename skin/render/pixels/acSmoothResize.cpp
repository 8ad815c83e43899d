#include "skin/render/pixels/acSmoothResize.h"

#include <cmath>
#include <cstring>
#include <numbers>

namespace skin {

double FilterSupport(int filter) {
  switch (filter) {
    case rfBox: return 0.51;
    case rfTriangle:
    case rfHermite: return 1.0;
    case rfBell: return 1.5;
    case rfBSpline: return 2.0;
    case rfLanczos3: return 3.0;
    default: return 2.0;  // Mitchell
  }
}

namespace {

double Sinc(double x) {
  if (x == 0.0) return 1.0;
  const double px = x * std::numbers::pi;
  return std::sin(px) / px;
}

}  // namespace

double FilterWeight(int filter, double x) {
  if (x < 0) x = -x;
  switch (filter) {
    case rfBox: return x <= 0.5 ? 1.0 : 0.0;
    case rfTriangle: return x < 1.0 ? 1.0 - x : 0.0;
    case rfHermite: return x < 1.0 ? (2 * x - 3) * x * x + 1 : 0.0;
    case rfBell:
      if (x < 0.5) return 0.75 - x * x;
      if (x < 1.5) return (x - 1.5) * (x - 1.5) / 2;
      return 0.0;
    case rfBSpline:
      if (x < 1.0) return x * x * (x / 2 - 1) + 2.0 / 3.0;
      if (x < 2.0) return (2 - x) * (2 - x) * (2 - x) / 6;
      return 0.0;
    case rfLanczos3: return x < 3.0 ? Sinc(x) * Sinc(x / 3.0) : 0.0;
    default:  // Mitchell, B = C = 1/3
      if (x < 1.0) return (7.0 / 6.0) * x * x * x - 2 * x * x + 8.0 / 9.0;
      if (x < 2.0) return -(7.0 / 18.0) * x * x * x + 2 * x * x - (10.0 / 3.0) * x + 16.0 / 9.0;
      return 0.0;
  }
}

std::vector<std::vector<ResampleTap>> ResampleTaps(int inLen, int outLen, int filter) {
  std::vector<std::vector<ResampleTap>> taps(static_cast<std::size_t>(outLen > 0 ? outLen : 0));
  if (inLen <= 0 || outLen <= 0) return taps;
  const double support = FilterSupport(filter);
  const double scale = outLen < inLen ? double(outLen) / inLen : 1.0;
  const double width = support / scale;
  for (int i = 0; i < outLen; ++i) {
    const double centre = double(i) * inLen / outLen;
    const int first = static_cast<int>(std::floor(centre - width));
    const int last = static_cast<int>(std::ceil(centre + width));
    auto& list = taps[static_cast<std::size_t>(i)];
    for (int j = first; j <= last; ++j) {
      const double x = std::fabs(centre - j) * scale;
      if (x >= support) continue;
      const double weight = FilterWeight(filter, x) * scale;
      if (weight == 0.0) continue;
      // Mirror indices at the edges; a very short input may need more than one reflection,
      // so the result is finally held inside the input.
      int k = j < 0 ? -j : (j >= inLen ? 2 * inLen - 1 - j : j);
      if (k < 0) k = 0;
      if (k >= inLen) k = inLen - 1;
      list.push_back({k, static_cast<int>(std::lround(weight * 65536.0))});
    }
  }
  return taps;
}

namespace {

inline std::uint32_t Apply(const std::vector<ResampleTap>& taps, const std::uint32_t* base, std::ptrdiff_t step) {
  std::int64_t sum[4] = {0, 0, 0, 0};
  for (const ResampleTap& t : taps) {
    const std::uint32_t p = base[t.index * step];
    sum[0] += std::int64_t(p & 0xFF) * t.weight;
    sum[1] += std::int64_t((p >> 8) & 0xFF) * t.weight;
    sum[2] += std::int64_t((p >> 16) & 0xFF) * t.weight;
    sum[3] += std::int64_t(p >> 24) * t.weight;
  }
  std::uint32_t out = 0;
  for (int c = 0; c < 4; ++c) {
    std::int64_t v = sum[c] / 65536;
    if (v < 0) v = 0;
    if (v > 255) v = 255;
    out |= std::uint32_t(v) << (8 * c);
  }
  return out;
}

}  // namespace

void SmoothResize(const Bitmap32* src, Bitmap32* dst, int newW, int filter, int newH) {
  if (src == nullptr || dst == nullptr || !src->Is32Bit()) return;
  if (newW <= 0 || newH <= 0) return;
  if (src->Width() < 2 || src->Height() < 2) return;
  const int sw = src->Width(), sh = src->Height();
  if (newW == sw && newH == sh) {
    if (dst == src) return;
    dst->SetFormat(gfx::PixelFormat::Bgra32);
    dst->SetSize(sw, sh);
    for (int y = 0; y < sh; ++y)
      std::memcpy(dst->Row(y), src->Row(y), sizeof(std::uint32_t) * static_cast<std::size_t>(sw));
    return;
  }

  // Rows first into an intermediate picture newW x sh, then columns into the result.
  Bitmap32 mid(newW, sh);
  const auto hTaps = ResampleTaps(sw, newW, filter);
  for (int y = 0; y < sh; ++y) {
    const std::uint32_t* s = src->Row(y);
    std::uint32_t* d = mid.Row(y);
    for (int x = 0; x < newW; ++x) d[x] = Apply(hTaps[static_cast<std::size_t>(x)], s, 1);
  }

  // dst may be src: finish into a fresh picture and move it over.
  Bitmap32 out(newW, newH);
  const auto vTaps = ResampleTaps(sh, newH, filter);
  const std::ptrdiff_t step = sh > 1 ? mid.Row(1) - mid.Row(0) : newW;
  for (int y = 0; y < newH; ++y) {
    std::uint32_t* d = out.Row(y);
    const auto& taps = vTaps[static_cast<std::size_t>(y)];
    for (int x = 0; x < newW; ++x) d[x] = Apply(taps, mid.Row(0) + x, step);
  }
  *dst = std::move(out);
}

}  // namespace skin
