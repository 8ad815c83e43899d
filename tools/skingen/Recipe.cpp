#include "tools/skingen/Recipe.h"

#include <algorithm>
#include <map>

#include "tools/skingen/SourceText.h"

namespace skingen {

namespace {

// Argument patterns of the drawing steps: 'n' a number, 'r' a radius (one number, or
// four separated by commas: top-left, top-right, bottom-right, bottom-left), 'i' a
// colour, '*' more points.
const std::map<std::string, std::string, std::less<>>& OpPatterns() {
  static const std::map<std::string, std::string, std::less<>> patterns = {
      {"fill", "i"},        {"clear", ""},       {"rect", "nnnni"},   {"box", "nnnnri"}, {"frame", "nnnnrni"},
      {"vgrad", "nnnnrii"}, {"line", "nnnnni"},  {"disc", "nnni"},    {"ring", "nnnni"}, {"arc", "nnnnnni"},
      {"poly", "i*"},       {"glow", "nnnnrni"}, {"noise", "nnnnnn"}, {"pixels", "nn"},
  };
  return patterns;
}

class TParser {
 public:
  TParser(const TPalette& palette, std::string_view fileName) : palette_(palette), file_(fileName) {}

  TRecipe Parse(std::string_view text);

 private:
  [[noreturn]] void Fail(const std::string& what) const { throw TSourceError(file_, line_, what); }
  double Number(const std::string& w) const {
    double v = 0;
    if (!ParseNumber(w, v)) Fail("\"" + w + "\" is not a number");
    return v;
  }
  int Int(const std::string& w) const {
    int v = 0;
    if (!ParseInt(w, v)) Fail("\"" + w + "\" is not a whole number");
    return v;
  }
  TInk Ink(const std::string& w) const {
    TInk ink;
    if (!palette_.ParseInk(w, ink)) Fail("\"" + w + "\" is not a colour (a palette name, #RRGGBB, /percent or none)");
    return ink;
  }
  void Expect(const std::vector<std::string>& w, std::size_t count, const char* form) const {
    if (w.size() != count) Fail(std::string("expected \"") + form + "\"");
  }

  void Radii(const std::string& w, double out[4]) const;
  void ParseFile(const std::vector<std::string>& w);
  void ParsePictureLine(TPictureRecipe& p, const std::vector<std::string>& w);
  TRecipeOp ParseOp(const std::vector<std::string>& w);
  void Check(TRecipe& r);

  const TPalette& palette_;
  std::string file_;
  int line_ = 0;
  TRecipe recipe_;
  std::vector<int> states_;  // the states following steps paint
  std::vector<std::pair<char, TInk>> legend_;
};

TRecipe TParser::Parse(std::string_view text) {
  const std::vector<std::string> lines = SourceLines(text);
  TPictureRecipe* picture = nullptr;
  TRecipeOp* pixels = nullptr;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    line_ = static_cast<int>(i) + 1;
    const std::string line = StripComment(lines[i]);
    if (line.empty()) continue;
    const std::vector<std::string> w = SplitWords(line);
    if (pixels) {
      if (w[0] == "endpixels") {
        if (pixels->Rows.empty()) Fail("a pixels block needs at least one row");
        pixels = nullptr;
        continue;
      }
      std::string row;
      for (const std::string& part : w) row += part;
      if (!pixels->Rows.empty() && row.size() != pixels->Rows.front().size())
        Fail("the rows of a pixels block differ in length");
      for (char c : row) {
        if (std::any_of(legend_.begin(), legend_.end(), [c](const auto& e) { return e.first == c; })) continue;
        std::string what = "the pixel character '";  // appended, not joined: GCC 12 warns falsely on a + c + b
        what += c;
        what += "' has no ink";
        Fail(what);
      }
      pixels->Rows.push_back(row);
      continue;
    }
    if (!picture) {
      if (w[0] == "file") {
        ParseFile(w);
      } else if (w[0] == "picture") {
        Expect(w, 2, "picture NAME");
        if (recipe_.FindPicture(w[1])) Fail("the picture \"" + w[1] + "\" is drawn twice");
        recipe_.Pictures.emplace_back();
        picture = &recipe_.Pictures.back();
        picture->Name = w[1];
        picture->Line = line_;
        states_.clear();
        legend_.clear();
      } else {
        Fail("expected \"file\" or \"picture\", found \"" + w[0] + "\"");
      }
      continue;
    }
    if (w[0] == "end") {
      if (picture->File.empty() || picture->Cell.cx <= 0 || picture->Cell.cy <= 0)
        Fail("the picture \"" + picture->Name + "\" needs \"place\" and \"cell\"");
      picture = nullptr;
      continue;
    }
    if (w[0] == "ink") {
      Expect(w, 3, "ink CHARACTER COLOUR");
      if (w[1].size() != 1) Fail("an ink is named by one character");
      legend_.emplace_back(w[1][0], Ink(w[2]));
      continue;
    }
    if (OpPatterns().count(w[0])) {
      picture->Ops.push_back(ParseOp(w));
      if (w[0] == "pixels") pixels = &picture->Ops.back();
      continue;
    }
    ParsePictureLine(*picture, w);
  }
  if (pixels) Fail("a pixels block is not closed with \"endpixels\"");
  if (picture) Fail("the picture \"" + picture->Name + "\" is not closed with \"end\"");
  Check(recipe_);
  return std::move(recipe_);
}

void TParser::Radii(const std::string& w, double out[4]) const {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = w.find(',', start);
    parts.push_back(w.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (parts.size() != 1 && parts.size() != 4) Fail("a radius is one number or four separated by commas");
  for (int i = 0; i < 4; ++i) {
    out[i] = Number(parts.size() == 1 ? parts[0] : parts[static_cast<std::size_t>(i)]);
    if (out[i] < 0) Fail("a radius is 0 or more");
  }
}

void TParser::ParseFile(const std::vector<std::string>& w) {
  Expect(w, 5, "file \"MEMBER NAME\" ID WIDTH HEIGHT");
  if (recipe_.FindFile(w[2])) Fail("the file id \"" + w[2] + "\" is used twice");
  TFileRecipe f;
  f.Name = w[1];
  f.Id = w[2];
  f.Size = {Int(w[3]), Int(w[4])};
  f.Line = line_;
  if (f.Size.cx <= 0 || f.Size.cy <= 0 || f.Size.cx > 4096 || f.Size.cy > 4096)
    Fail("a file is 1 to 4096 pixels wide and high");
  recipe_.Files.push_back(f);
}

void TParser::ParsePictureLine(TPictureRecipe& p, const std::vector<std::string>& w) {
  const std::string& k = w[0];
  if (k == "place") {
    Expect(w, 4, "place FILE X Y");
    if (!recipe_.FindFile(w[1])) Fail("no file has the id \"" + w[1] + "\"");
    p.File = w[1];
    p.At = {Int(w[2]), Int(w[3])};
  } else if (k == "cell") {
    Expect(w, 3, "cell WIDTH HEIGHT");
    p.Cell = {Int(w[1]), Int(w[2])};
    if (p.Cell.cx <= 0 || p.Cell.cy <= 0) Fail("a cell is at least 1 x 1");
  } else if (k == "states") {
    Expect(w, 2, "states N");
    p.States = Int(w[1]);
    if (p.States < 1 || p.States > 9) Fail("a picture has 1 to 9 states");
  } else if (k == "store") {
    Expect(w, 2, "store key|mask|alpha");
    if (w[1] == "key") p.Storage = TStorage::Key;
    else if (w[1] == "mask") p.Storage = TStorage::Mask;
    else if (w[1] == "alpha") p.Storage = TStorage::Alpha;
    else Fail("a picture is stored as key, mask or alpha");
  } else if (k == "kind") {
    Expect(w, 2, "kind border|texture|glyph|glow|pngglyph");
    static const std::map<std::string, TImageKind, std::less<>> kinds = {{"border", TImageKind::Border},
                                                                         {"texture", TImageKind::Texture},
                                                                         {"glyph", TImageKind::Glyph},
                                                                         {"glow", TImageKind::Glow},
                                                                         {"pngglyph", TImageKind::PngGlyph}};
    const auto it = kinds.find(w[1]);
    if (it == kinds.end()) Fail("unknown kind \"" + w[1] + "\"");
    p.Kind = it->second;
  } else if (k == "borders") {
    Expect(w, 5, "borders LEFT TOP RIGHT BOTTOM");
    for (int i = 0; i < 4; ++i) {
      p.Borders[i] = Int(w[1 + i]);
      if (p.Borders[i] < 0 || p.Borders[i] > 9999) Fail("a border is 0 to 9999 pixels wide");
    }
  } else if (k == "mode") {
    Expect(w, 2, "mode DRAWMODE");
    p.DrawMode = Int(w[1]);
    if (p.DrawMode < 0 || p.DrawMode > 99) Fail("a draw mode is 0 to 99");
  } else if (k == "round") {
    Expect(w, 2, "round RADIUS (or four: top-left,top-right,bottom-right,bottom-left)");
    Radii(w[1], p.Round);
  } else if (k == "derive") {
    Expect(w, 3, "derive PICTURE same|flipx|flipy|turnleft|turnright");
    if (!recipe_.FindPicture(w[1]) || w[1] == p.Name) Fail("\"" + w[1] + "\" is not a picture drawn before");
    static const std::map<std::string, TTransform, std::less<>> transforms = {{"same", TTransform::Same},
                                                                              {"flipx", TTransform::FlipX},
                                                                              {"flipy", TTransform::FlipY},
                                                                              {"turnleft", TTransform::TurnLeft},
                                                                              {"turnright", TTransform::TurnRight}};
    const auto it = transforms.find(w[2]);
    if (it == transforms.end()) Fail("unknown transform \"" + w[2] + "\"");
    p.DeriveFrom = w[1];
    p.Transform = it->second;
  } else if (k == "state") {
    if (w.size() < 2) Fail("expected \"state all\" or \"state N [N ...]\"");
    states_.clear();
    if (w.size() == 2 && w[1] == "all") return;
    for (std::size_t i = 1; i < w.size(); ++i) {
      const int s = Int(w[i]);
      if (s < 0 || s >= p.States) Fail("the picture has no state " + w[i] + " (give \"states\" first)");
      states_.push_back(s);
    }
  } else {
    Fail("unknown word \"" + k + "\"");
  }
}

TRecipeOp TParser::ParseOp(const std::vector<std::string>& w) {
  TRecipeOp op;
  op.Verb = w[0];
  op.States = states_;
  op.Line = line_;
  const std::string& pattern = OpPatterns().at(w[0]);
  if (op.Verb == "clear" && w.size() == 5) {
    for (int i = 1; i < 5; ++i) op.Numbers.push_back(Number(w[i]));
    return op;
  }
  if (op.Verb == "poly") {
    if (w.size() < 8 || (w.size() - 2) % 2 != 0)
      Fail("expected \"poly COLOUR X Y X Y X Y ...\" (three points or more)");
    op.Inks.push_back(Ink(w[1]));
    for (std::size_t i = 2; i < w.size(); ++i) op.Numbers.push_back(Number(w[i]));
    return op;
  }
  if (w.size() != pattern.size() + 1) Fail("\"" + op.Verb + "\" takes " + std::to_string(pattern.size()) + " values");
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == 'n') op.Numbers.push_back(Number(w[i + 1]));
    else if (pattern[i] == 'r') Radii(w[i + 1], op.Radii);
    else op.Inks.push_back(Ink(w[i + 1]));
  }
  if (op.Verb == "pixels") op.Legend = legend_;
  return op;
}

void TParser::Check(TRecipe& r) {
  for (const TPictureRecipe& p : r.Pictures) {
    line_ = p.Line;
    const TFileRecipe* f = r.FindFile(p.File);
    const gfx::TRect a = p.Area();
    if (a.Left < 0 || a.Top < 0 || a.Right > f->Size.cx || a.Bottom > f->Size.cy)
      Fail("the picture \"" + p.Name + "\" does not fit into \"" + f->Name + "\"");
    const int across = p.Borders[0] + p.Borders[2], down = p.Borders[1] + p.Borders[3];
    if ((across > 0 && across >= p.Cell.cx) || (down > 0 && down >= p.Cell.cy))
      Fail("the borders of \"" + p.Name + "\" leave no middle");
    if (!p.DeriveFrom.empty()) {
      const TPictureRecipe* s = r.FindPicture(p.DeriveFrom);
      const bool turned = p.Transform == TTransform::TurnLeft || p.Transform == TTransform::TurnRight;
      const gfx::TSize want = turned ? gfx::TSize{s->Cell.cy, s->Cell.cx} : s->Cell;
      if (want != p.Cell || s->States != p.States)
        Fail("\"" + p.Name + "\" needs the cell size and states of \"" + s->Name + "\" (turned when turned)");
    }
    for (const TPictureRecipe& q : r.Pictures) {
      if (&q == &p || q.File != p.File) continue;
      const gfx::TRect b = q.Area();
      if (!gfx::Intersect(a, b).IsEmpty()) Fail("the picture \"" + p.Name + "\" overlaps \"" + q.Name + "\"");
    }
  }
}

}  // namespace

gfx::TRect TPictureRecipe::Area() const {
  const int h = Storage == TStorage::Mask ? Cell.cy * 2 : Cell.cy;
  return gfx::Bounds(At.X, At.Y, Cell.cx * States, h);
}

const TFileRecipe* TRecipe::FindFile(std::string_view id) const {
  for (const TFileRecipe& f : Files)
    if (f.Id == id) return &f;
  return nullptr;
}

const TPictureRecipe* TRecipe::FindPicture(std::string_view name) const {
  for (const TPictureRecipe& p : Pictures)
    if (p.Name == name) return &p;
  return nullptr;
}

TRecipe ParseRecipe(std::string_view text, const TPalette& palette, std::string_view fileName) {
  return TParser(palette, fileName).Parse(text);
}

}  // namespace skingen
