// The platform facade: fonts and text.
#include <algorithm>
#include <vector>

#include "platform/gfx/Gdi.h"

namespace gfx {
namespace {

std::u16string_view View(const char16_t* text, int count) {
  if (!text) return {};
  if (count < 0) return std::u16string_view(text);
  return std::u16string_view(text, static_cast<std::size_t>(count));
}

}  // namespace

HFONT CreateFontIndirectW(const LOGFONTW* lf) {
  if (!lf) return nullptr;
  FontDesc d;
  std::size_t n = 0;
  while (n < 32 && lf->lfFaceName[n]) ++n;
  d.face.assign(lf->lfFaceName, n);
  d.height = lf->lfHeight;
  d.weight = lf->lfWeight > 0 ? lf->lfWeight : FW_NORMAL;
  d.italic = lf->lfItalic != 0;
  d.underline = lf->lfUnderline != 0;
  d.strikeOut = lf->lfStrikeOut != 0;
  d.charSet = lf->lfCharSet;
  return new FontObject(Font(std::move(d)));
}

HFONT CreateFontW(int height, int width, int escapement, int orientation, int weight, unsigned italic,
                  unsigned underline, unsigned strikeOut, unsigned charSet, unsigned outPrecision,
                  unsigned clipPrecision, unsigned quality, unsigned pitchAndFamily, const char16_t* face) {
  LOGFONTW lf;
  lf.lfHeight = height;
  lf.lfWidth = width;
  lf.lfEscapement = escapement;
  lf.lfOrientation = orientation;
  lf.lfWeight = weight;
  lf.lfItalic = static_cast<std::uint8_t>(italic != 0);
  lf.lfUnderline = static_cast<std::uint8_t>(underline != 0);
  lf.lfStrikeOut = static_cast<std::uint8_t>(strikeOut != 0);
  lf.lfCharSet = static_cast<std::uint8_t>(charSet);
  lf.lfOutPrecision = static_cast<std::uint8_t>(outPrecision);
  lf.lfClipPrecision = static_cast<std::uint8_t>(clipPrecision);
  lf.lfQuality = static_cast<std::uint8_t>(quality);
  lf.lfPitchAndFamily = static_cast<std::uint8_t>(pitchAndFamily);
  const std::u16string_view name = View(face, -1);
  std::copy_n(name.begin(), std::min<std::size_t>(name.size(), 31), lf.lfFaceName);
  return CreateFontIndirectW(&lf);
}

int GetObjectW(HFONT font, int size, LOGFONTW* out) {
  if (!font || !out || size < static_cast<int>(sizeof(LOGFONTW))) return 0;
  const FontDesc& d = font->value.Desc();
  *out = LOGFONTW{};
  out->lfHeight = d.height;
  out->lfWeight = d.weight;
  out->lfItalic = d.italic;
  out->lfUnderline = d.underline;
  out->lfStrikeOut = d.strikeOut;
  out->lfCharSet = d.charSet;
  std::copy_n(d.face.begin(), std::min<std::size_t>(d.face.size(), 31), out->lfFaceName);
  return static_cast<int>(sizeof(LOGFONTW));
}

unsigned SetTextAlign(HDC dc, unsigned align) {
  if (!dc) return 0xFFFFFFFF;
  const unsigned old = dc->TextAlign();
  dc->SetTextAlign(align);
  return old;
}

unsigned GetTextAlign(HDC dc) { return dc ? dc->TextAlign() : 0xFFFFFFFF; }

bool TextOutW(HDC dc, int x, int y, const char16_t* text, int count) {
  if (!dc || (!text && count != 0)) return false;
  dc->TextOut(x, y, View(text, count));
  return true;
}

bool ExtTextOutW(HDC dc, int x, int y, unsigned options, const RECT* rect, const char16_t* text, int count,
                 const int* dx) {
  if (!dc) return false;
  dc->ExtTextOut(x, y, options, rect, View(text, count), dx);
  return true;
}

int DrawTextW(HDC dc, const char16_t* text, int count, RECT* rect, unsigned format) {
  if (!dc || !rect) return 0;
  return dc->DrawText(View(text, count), *rect, format);
}

bool GetTextExtentPoint32W(HDC dc, const char16_t* text, int count, SIZE* size) {
  if (!dc || !size) return false;
  *size = dc->TextExtent(View(text, count));
  return true;
}

bool GetTextExtentExPointW(HDC dc, const char16_t* text, int count, int maxExtent, int* fit, int* extents, SIZE* size) {
  if (!dc || !size) return false;
  std::vector<int> ext;
  *size = dc->TextExtentEx(View(text, count), maxExtent, fit, extents ? &ext : nullptr);
  if (extents) std::copy(ext.begin(), ext.end(), extents);
  return true;
}

bool GetTextMetricsW(HDC dc, TEXTMETRICW* tm) {
  if (!dc || !tm) return false;
  *tm = dc->GetTextMetrics();
  return true;
}

int GetTextFaceW(HDC dc, int size, char16_t* out) {
  if (!dc) return 0;
  const std::u16string& face = dc->GetFont().Desc().face;
  if (!out || size <= 0) return static_cast<int>(face.size()) + 1;
  const std::size_t n = std::min<std::size_t>(face.size(), static_cast<std::size_t>(size - 1));
  std::copy_n(face.begin(), n, out);
  out[n] = 0;
  return static_cast<int>(n);
}

}  // namespace gfx
