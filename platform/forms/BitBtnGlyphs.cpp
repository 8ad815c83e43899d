// The standard glyphs of the bit buttons' kinds, drawn as 18 x 18 pictures in the 16
// colours of the classic palette on an olive background (their transparent colour), and
// their disabled frames, made from the normal ones in the embossed grey look.
#include <array>

#include "platform/forms/Buttons.h"

namespace forms {

namespace {

constexpr int kSize = 18;
using Art = std::array<const char*, kSize>;

TColor PaletteColor(char c) {
  switch (c) {
    case 'k': return clBlack;
    case 'w': return clWhite;
    case 'g': return clGray;
    case 's': return clSilver;
    case 'G': return clGreen;
    case 'L': return clLime;
    case 'm': return clMaroon;
    case 'R': return clRed;
    case 'n': return clNavy;
    case 'B': return clBlue;
    case 'y': return clYellow;
    case 'o': return clOlive;
    case 'p': return clPurple;
    case 't': return clTeal;
    case 'c': return clAqua;
    default: return clOlive;  // '.': the background
  }
}

// clang-format off
const Art kCheck = {
    "..................",
    "..................",
    "..................",
    "..............G...",
    ".............GLG..",
    "............GLLG..",
    "...........GLLG...",
    "..G.......GLLG....",
    ".GLG.....GLLG.....",
    ".GLLG...GLLG......",
    "..GLLG.GLLG.......",
    "...GLLGLLG........",
    "....GLLLG.........",
    ".....GLG..........",
    "......G...........",
    "..................",
    "..................",
    ".................."};
const Art kCross = {
    "..................",
    "..................",
    "..................",
    "...m........m.....",
    "..mRm......mRm....",
    "...mRm....mRm.....",
    "....mRm..mRm......",
    ".....mRmmRm.......",
    "......mRRm........",
    "......mRRm........",
    ".....mRmmRm.......",
    "....mRm..mRm......",
    "...mRm....mRm.....",
    "..mRm......mRm....",
    "...m........m.....",
    "..................",
    "..................",
    ".................."};
const Art kHelp = {
    "..................",
    "......nnnnn.......",
    ".....nBBBBBn......",
    "....nBBnnnBBn.....",
    "....nBBn..nBBn....",
    ".....nn...nBBn....",
    ".........nBBn.....",
    "........nBBn......",
    ".......nBBn.......",
    ".......nBBn.......",
    ".......nBBn.......",
    "........nn........",
    "..................",
    ".......nBBn.......",
    ".......nBBn.......",
    "........nn........",
    "..................",
    ".................."};
const Art kNo = {
    "..................",
    "......mmmmmm......",
    "....mmRRRRRRmm....",
    "...mRRmmmmmmRRm...",
    "..mRRm......mRRm..",
    "..mRm......mRRRm..",
    ".mRRm.....mRRmRRm.",
    ".mRm.....mRRm.mRm.",
    ".mRm....mRRm..mRm.",
    ".mRm...mRRm...mRm.",
    ".mRm..mRRm....mRm.",
    ".mRRmmRRm....mRRm.",
    "..mRRRRm.....mRm..",
    "..mRRRm.....mRRm..",
    "...mRRmmmmmmRRm...",
    "....mmRRRRRRmm....",
    "......mmmmmm......",
    ".................."};
const Art kClose = {
    "..................",
    ".kkkkkkkkk........",
    ".kwwwwwwgk........",
    ".kwtttttgk........",
    ".kwtttttgk....G...",
    ".kwtttttgk....GG..",
    ".kwtttttgkGGGGGLG.",
    ".kwttttygkGLLLLLLG",
    ".kwtttttgkGGGGGLG.",
    ".kwtttttgk....GG..",
    ".kwtttttgk....G...",
    ".kwtttttgk........",
    ".kwtttttgk........",
    ".kwtttttgk........",
    ".kgggggggk........",
    ".kkkkkkkkk........",
    "..................",
    ".................."};
const Art kAbort = {
    "..................",
    "......kkkkkk......",
    ".....kRRRRRRk.....",
    "....kRRRRRRRRk....",
    "...kRRRRRRRRRRk...",
    "..kRRwRRRRRRwRRk..",
    "..kRRwwRRRRwwRRk..",
    "..kRRRwwRRwwRRRk..",
    "..kRRRRwwwwRRRRk..",
    "..kRRRRwwwwRRRRk..",
    "..kRRRwwRRwwRRRk..",
    "..kRRwwRRRRwwRRk..",
    "..kRRwRRRRRRwRRk..",
    "...kRRRRRRRRRRk...",
    "....kRRRRRRRRk....",
    ".....kRRRRRRk.....",
    "......kkkkkk......",
    ".................."};
const Art kRetry = {
    "..................",
    "..................",
    ".......GGGGG......",
    ".....GGLLLLLGG....",
    "....GLLGGGGGLLG.G.",
    "...GLLG.....GLLGG.",
    "...GLG.......GLLG.",
    "..GLLG......GLLLG.",
    "..GLG......GGGGGG.",
    "..GLG.............",
    "..GLG.......GLG...",
    "..GLLG.....GLLG...",
    "...GLG.....GLG....",
    "...GLLG...GLLG....",
    "....GLLGGGLLG.....",
    ".....GGLLLLGG.....",
    ".......GGGG.......",
    ".................."};
const Art kIgnore = {
    "..................",
    "..................",
    "........nnn.......",
    ".......nBBBn......",
    "......nBn.nBn.....",
    ".....nBn...nBn....",
    "....nBn.....nBn...",
    "...nBn.......nBn.n",
    "..nBn.........nBnB",
    "..nn...........nBB",
    "..............nBBB",
    "..................",
    "kkkkkkkkkkkkkkkkkk",
    "gggggggggggggggggg",
    "..................",
    "..................",
    "..................",
    ".................."};
const Art kAll = {
    "..................",
    "..................",
    "..........G....G..",
    ".........GLG..GLG.",
    "........GLLG.GLLG.",
    ".......GLLG.GLLG..",
    "..G...GLLG.GLLG...",
    ".GLG.GLLG.GLLG....",
    ".GLLGLLG.GLLG.....",
    "..GLLLG.GLLG......",
    "...GLG.GLLG.......",
    "....G.GLLG........",
    "......GLG.........",
    ".......G..........",
    "..................",
    "..................",
    "..................",
    ".................."};
// clang-format on

const Art* ArtOf(TBitBtnKind k) {
  switch (k) {
    case TBitBtnKind::bkOK:
    case TBitBtnKind::bkYes: return &kCheck;
    case TBitBtnKind::bkCancel: return &kCross;
    case TBitBtnKind::bkHelp: return &kHelp;
    case TBitBtnKind::bkNo: return &kNo;
    case TBitBtnKind::bkClose: return &kClose;
    case TBitBtnKind::bkAbort: return &kAbort;
    case TBitBtnKind::bkRetry: return &kRetry;
    case TBitBtnKind::bkIgnore: return &kIgnore;
    case TBitBtnKind::bkAll: return &kAll;
    default: return nullptr;
  }
}

std::uint32_t Pixel(TColor c) {
  TColor rgb = ColorToRGB(c);
  return 0xFF000000u | (gfx::GetRValue(rgb) << 16) | (gfx::GetGValue(rgb) << 8) | gfx::GetBValue(rgb);
}

}  // namespace

std::unique_ptr<TBitmap> StandardGlyph(TBitBtnKind kind) {
  const Art* art = ArtOf(kind);
  if (!art) return nullptr;
  auto b = std::make_unique<TBitmap>(2 * kSize, kSize);
  const std::uint32_t bg = Pixel(clOlive);
  // Frame 0: the picture; frame 1: the disabled look (dark pixels grey with a white
  // shadow one pixel down and right, everything else background).
  for (int y = 0; y < kSize; ++y) {
    std::uint32_t* row = b->ScanLine(y);
    for (int x = 0; x < 2 * kSize; ++x) row[x] = bg;
  }
  auto dark = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= kSize || y >= kSize) return false;
    char c = (*art)[y][x];
    if (c == '.' || c == '\0') return false;
    TColor rgb = ColorToRGB(PaletteColor(c));
    int lum = (gfx::GetRValue(rgb) * 30 + gfx::GetGValue(rgb) * 59 + gfx::GetBValue(rgb) * 11) / 100;
    return lum < 192;
  };
  for (int y = 0; y < kSize; ++y) {
    const char* line = (*art)[y];
    for (int x = 0; x < kSize && line[x]; ++x)
      if (line[x] != '.') b->ScanLine(y)[x] = Pixel(PaletteColor(line[x]));
    for (int x = 0; x < kSize; ++x) {
      if (dark(x, y)) b->ScanLine(y)[kSize + x] = Pixel(clGray);
      else if (dark(x - 1, y - 1)) b->ScanLine(y)[kSize + x] = Pixel(clWhite);
    }
  }
  b->SetPixelFormat(TPixelFormat::pf4bit);
  return b;
}

std::u16string KindCaption(TBitBtnKind kind) {
  switch (kind) {
    case TBitBtnKind::bkOK: return u"OK";
    case TBitBtnKind::bkCancel: return u"Cancel";
    case TBitBtnKind::bkHelp: return u"&Help";
    case TBitBtnKind::bkYes: return u"&Yes";
    case TBitBtnKind::bkNo: return u"&No";
    case TBitBtnKind::bkClose: return u"&Close";
    case TBitBtnKind::bkAbort: return u"Abort";
    case TBitBtnKind::bkRetry: return u"&Retry";
    case TBitBtnKind::bkIgnore: return u"&Ignore";
    case TBitBtnKind::bkAll: return u"&All";
    default: return {};
  }
}

TModalResult KindModalResult(TBitBtnKind kind) {
  switch (kind) {
    case TBitBtnKind::bkOK: return mrOk;
    case TBitBtnKind::bkCancel: return mrCancel;
    case TBitBtnKind::bkYes: return mrYes;
    case TBitBtnKind::bkNo: return mrNo;
    case TBitBtnKind::bkAbort: return mrAbort;
    case TBitBtnKind::bkRetry: return mrRetry;
    case TBitBtnKind::bkIgnore: return mrIgnore;
    case TBitBtnKind::bkAll: return mrAll;
    default: return mrNone;
  }
}

}  // namespace forms
