// Damaged live previews sent to the running program: the stored skin's folder with its
// options text and pictures damaged at random (a seeded generator, so every case can be
// made again: PELLOMIR_MUTATION_SEED and PELLOMIR_MUTATION_COUNT choose other runs), each
// handed over as the script driver's `preview` does. After every one the program must
// still run and reach idle, show either the new skin or a skin message box (which the
// test reads and closes), and keep the text typed into the address field. A watchdog ends
// the run with the case that hangs.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "app/Program.h"
#include "app/Unit1.h"
#include "platform/base/Unicode.h"
#include "platform/forms/Application.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/Headless.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sMemo.h"
#include "skin/data/sSkinManager.h"
#include "tests/skin/support/SkinFolderTestSupport.h"
#include "tools/pellomir-script/driver/SkinCommands.h"

namespace scripttest {
namespace {

namespace fs = std::filesystem;
using skin::test::WriteStoredSkinFolder;

#if defined(PELLOMIR_SANITIZE)
constexpr int kDefaultCases = 150;
constexpr int kHangSeconds = 120;
#else
constexpr int kDefaultCases = 2000;
constexpr int kHangSeconds = 30;
#endif
constexpr unsigned kDefaultSeed = 20261211;

int EnvNumber(const char* name, int fallback) {
  const char* v = std::getenv(name);
  return v ? std::atoi(v) : fallback;
}

using Files = std::map<std::string, std::string>;  // name -> bytes

// Damages a skin folder's files in one to four ways and says how.
class Mutator {
 public:
  explicit Mutator(unsigned seed) : rng_(seed) {}

  Files Damage(const Files& sound, std::string& how) {
    Files f = sound;
    const int steps = Pick(1, 4);
    for (int i = 0; i < steps; ++i) {
      if (Pick(0, 9) < 7) DamageOptions(f["Options.dat"], how);
      else DamagePicture(f, how);
    }
    return f;
  }

 private:
  int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  std::size_t At(std::size_t size) { return size == 0 ? 0 : static_cast<std::size_t>(Pick(0, int(size) - 1)); }

  std::vector<std::pair<std::size_t, std::size_t>> Lines(const std::string& t) {
    std::vector<std::pair<std::size_t, std::size_t>> lines;
    for (std::size_t p = 0; p < t.size();) {
      std::size_t e = t.find('\n', p);
      e = e == std::string::npos ? t.size() : e + 1;
      lines.emplace_back(p, e - p);
      p = e;
    }
    return lines;
  }

  std::string HostileValue() {
    static const char* const kValues[] = {"",
                                          "-1",
                                          "0",
                                          "2147483647",
                                          "-2147483648",
                                          "4294967296",
                                          "99999999999999999999999",
                                          "&",
                                          "&0",
                                          "&99999999999999999999999999999999999999999999",
                                          "&-001-001-001-001-001-001-001-001",
                                          "@",
                                          "@0,0,-5,-5",
                                          "~",
                                          "!",
                                          "^",
                                          "0x7FFFFFFF",
                                          "1e308",
                                          "NaN",
                                          "MISSING.PNG",
                                          "MASTER COPY.PNG",
                                          "..\\..\\..\\etc\\passwd",
                                          ",,,,,,",
                                          "=",
                                          "\xff\xfe\xfd"};
    const int k = Pick(0, int(std::size(kValues)));
    if (k == int(std::size(kValues))) return std::string(static_cast<std::size_t>(Pick(200, 3000)), '9');
    return kValues[k];
  }

  void DamageOptions(std::string& t, std::string& how) {
    auto lines = Lines(t);
    if (lines.empty()) return;
    switch (Pick(0, 7)) {
      case 0: {  // bytes flipped
        const int n = Pick(1, 8);
        for (int i = 0; i < n; ++i) t[At(t.size())] = static_cast<char>(Pick(1, 255));
        how += " flip" + std::to_string(n);
        break;
      }
      case 1: {  // a line dropped
        auto [p, n] = lines[At(lines.size())];
        t.erase(p, n);
        how += " dropline@" + std::to_string(p);
        break;
      }
      case 2: {  // a line repeated elsewhere
        auto [p, n] = lines[At(lines.size())];
        const std::string line = t.substr(p, n);
        t.insert(lines[At(lines.size())].first, line);
        how += " dupline@" + std::to_string(p);
        break;
      }
      case 3:
      case 4: {  // a value replaced by a hostile one
        for (int tries = 0; tries < 20; ++tries) {
          auto [p, n] = lines[At(lines.size())];
          const std::size_t eq = t.find('=', p);
          if (eq == std::string::npos || eq >= p + n) continue;
          std::size_t end = p + n;
          while (end > eq + 1 && (t[end - 1] == '\n' || t[end - 1] == '\r')) --end;
          const std::string v = HostileValue();
          t.replace(eq + 1, end - eq - 1, v);
          how += " value@" + std::to_string(p) + "=" + v.substr(0, 20);
          break;
        }
        break;
      }
      case 5: {  // cut short
        const std::size_t at = At(t.size());
        t.resize(at);
        how += " cut@" + std::to_string(at);
        break;
      }
      case 6: {  // a broken section header
        static const char* const kHeads[] = {"[\r\n",
                                             "[]\r\n",
                                             "[FORM\r\n",
                                             "[GLOBALINFO]\r\n",
                                             "[BUTTON]\r\n",
                                             "[FORM]\r\nSTATES=-7\r\n",
                                             "[EDIT]\r\nSTATES=100000\r\n"};
        const char* h = kHeads[Pick(0, int(std::size(kHeads)) - 1)];
        t.insert(lines[At(lines.size())].first, h);
        how += " head";
        break;
      }
      default: {  // two lines swapped
        auto a = lines[At(lines.size())], b = lines[At(lines.size())];
        if (a.first > b.first) std::swap(a, b);
        if (a.first + a.second > b.first) break;
        const std::string la = t.substr(a.first, a.second), lb = t.substr(b.first, b.second);
        t.replace(b.first, b.second, la);
        t.replace(a.first, a.second, lb);
        how += " swap";
        break;
      }
    }
  }

  void DamagePicture(Files& f, std::string& how) {
    std::vector<std::string> names;
    for (const auto& [name, bytes] : f)
      if (name != "Options.dat") names.push_back(name);
    if (names.empty()) return;
    const std::string name = names[At(names.size())];
    std::string& b = f[name];
    switch (Pick(0, 5)) {
      case 0:
        b.resize(At(b.size()));
        how += " picture-cut:" + name;
        break;
      case 1: {
        const int n = Pick(1, 16);
        // Mostly in the header, where sizes and formats are.
        for (int i = 0; i < n; ++i)
          b[Pick(0, 1) ? At(std::min<std::size_t>(b.size(), 64)) : At(b.size())] ^= char(Pick(1, 255));
        how += " picture-flip:" + name;
        break;
      }
      case 2:
        f.erase(name);
        how += " picture-gone:" + name;
        break;
      case 3:
        b.clear();
        how += " picture-empty:" + name;
        break;
      case 4: {
        // Huge dimensions: PNG IHDR width/height at 16..23, BMP width/height at 18..25.
        for (std::size_t i = 16; i < 26 && i < b.size(); ++i) b[i] = char(0x7F);
        how += " picture-huge:" + name;
        break;
      }
      default:
        b = f.count("BTNHUGE.BMP") ? f["BTNHUGE.BMP"] : std::string("BM");
        how += " picture-swapped:" + name;
        break;
    }
  }

  std::mt19937 rng_;
};

// The message box in front, when one is up.
forms::TCustomForm* FrontBox() {
  forms::TCustomForm* f = forms::Screen->ActiveForm();
  return f != nullptr && f->ClassName() == u"TMessageForm" ? f : nullptr;
}

std::u16string BoxText(forms::TCustomForm* box) {
  for (int i = 0; i < box->ControlCount(); ++i)
    if (box->Controls(i)->ClassName() == u"TLabel") return box->Controls(i)->Caption();
  return {};
}

void WriteFolder(const fs::path& folder, const Files& files, Files& onDisk) {
  fs::create_directories(folder);
  for (auto it = onDisk.begin(); it != onDisk.end();) {
    if (files.count(it->first) == 0) {
      fs::remove(folder / it->first);
      it = onDisk.erase(it);
    } else {
      ++it;
    }
  }
  for (const auto& [name, bytes] : files) {
    auto it = onDisk.find(name);
    if (it != onDisk.end() && it->second == bytes) continue;
    std::ofstream(folder / name, std::ios::binary | std::ios::trunc) << bytes;
    onDisk[name] = bytes;
  }
}

Files ReadFolder(const fs::path& folder) {
  Files f;
  for (const auto& e : fs::directory_iterator(folder)) {
    std::ifstream in(e.path(), std::ios::binary);
    f[e.path().filename().string()] = std::string(std::istreambuf_iterator<char>(in), {});
  }
  return f;
}

TEST(SkinMutationScript, DamagedPreviewsNeitherCrashNorHangNorLoseTypedText) {
  const unsigned seed = static_cast<unsigned>(EnvNumber("PELLOMIR_MUTATION_SEED", kDefaultSeed));
  const int cases = EnvNumber("PELLOMIR_MUTATION_COUNT", kDefaultCases);
  const fs::path dir = fs::temp_directory_path() / ("pellomir-mutation-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  WriteStoredSkinFolder(dir / "sound");
  const Files sound = ReadFolder(dir / "sound");
  Mutator mutator(seed);

  // The watchdog: a case that does not reach idle in time ends the run, naming it.
  std::atomic<int> progress{0};
  std::atomic<bool> finished{false};
  std::string current;  // the case's description (read by the watchdog only to print it)
  std::thread watchdog([&] {
    int last = -1, still = 0;
    while (!finished) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      const int now = progress;
      still = now == last ? still + 1 : 0;
      last = now;
      if (still > kHangSeconds * 10) {
        std::fprintf(stderr, "HANG: seed %u case %d:%s\n", seed, now, current.c_str());
        std::fflush(stderr);
        std::_Exit(1);
      }
    }
  });

  win::headless::Start();
  forms::TApplicationRef::Reset();
  const std::u16string typed = u"https://example.org/sitemap.xml";
  Files onDisk;
  fs::path folder;
  int index = -1, boxesInCase = 0, boxesTotal = 0, newSkinShown = 0;
  bool sent = false, closing = false, soundTakenAtEnd = false;
  auto fail = [&](const std::string& what) {
    ADD_FAILURE() << "seed " << seed << " case " << index << ":" << current << ": " << what;
  };

  win::headless::Screen().onIdle = [&](std::optional<std::uint64_t>) {
    if (closing) {
      // Every loop, modal ones included, ends on a quit.
      win::PostQuitMessage(0);
      return true;
    }
    auto& screen = win::headless::Screen();
    if (index == -1) {
      // First the user types the address.
      app::Form1->sEdit1->SetFocus();
      for (char16_t c : typed) screen.Push(win::InputEvent::Char(c));
      index = 0;
      return true;
    }
    if (forms::TCustomForm* box = FrontBox()) {
      const std::u16string title = box->Caption(), text = BoxText(box);
      if (title != u"Warning" && title != u"Error" && title != u"Information" && title != u"Pellomir")
        fail("a box titled \"" + base::Utf16ToUtf8(title) + "\"");
      if (text.empty()) fail("a box without text");
      if (++boxesInCase > 20) {
        fail("boxes do not end");
        closing = true;
        win::PostQuitMessage(0);
      }
      ++boxesTotal;
      // Closed as its OK button would; the posted message wakes its loop to see that.
      box->SetModalResult(forms::mrOk);
      win::PostMessage(box->Handle(), win::WM_NULL, 0, 0);
      return true;
    }
    if (sent) {
      // The case has settled: the program is idle with no box up.
      ++progress;
      if (app::Form1->sEdit1->Text() != typed) fail("the typed address changed");
      if (app::Form1->sMemo1->Lines()->Count() != 0) fail("the list changed");
      skin::TsSkinManager* m = skin::DefaultManager();
      if (m == nullptr) {
        fail("the manager is gone");
        closing = true;
      } else if (boxesInCase == 0 && m->SkinName() != base::Utf8ToUtf16(folder.filename().string())) {
        fail("no box and yet the skin was not changed");
      } else if (m->SkinName() == base::Utf8ToUtf16(folder.filename().string())) {
        ++newSkinShown;
      }
      if (m != nullptr && index == cases) soundTakenAtEnd = boxesInCase == 0 && m->IsActive();
      sent = false;
      ++index;
    }
    if (closing || index > cases || ::testing::Test::HasFailure()) {
      closing = true;
      win::PostMessage(app::Form1->Handle(), win::WM_CLOSE, 0, 0);
      return true;
    }
    // The next case: a damaged folder under a new name (the last one undamaged, to see the
    // program take a sound skin again).
    current.clear();
    const Files files = index == cases ? sound : mutator.Damage(sound, current);
    const fs::path next = dir / ("Mutant-" + std::to_string(index));
    if (!folder.empty()) fs::rename(folder, next);
    folder = next;
    WriteFolder(folder, files, onDisk);
    boxesInCase = 0;
    // Half the cases with the pointer over the fetch button, so its hot look paints too.
    const forms::TControl* b = app::Form1->sBitBtn1;
    const gfx::TPoint over = b->ClientToScreen({b->Width() / 2, b->Height() / 2});
    screen.Push(win::InputEvent::MouseMove(index % 2 ? over : gfx::TPoint{over.X, over.Y + 200}));
    try {
      script::SendFolderPreview(folder.string(), 0);
      sent = true;
    } catch (const std::exception&) {
      // A folder the sender cannot send (its options text gone or too long) is not a case.
      ++index;
    }
    return true;
  };
  const int status = app::RunProgram("/usr/bin/pellomir", {});
  win::headless::Screen().onIdle = nullptr;
  finished = true;
  watchdog.join();
  fs::remove_all(dir);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(index, cases + 1) << "every case ran";
  EXPECT_TRUE(soundTakenAtEnd) << "the sound skin sent last is taken without a box";
  EXPECT_GT(boxesTotal, 0) << "some damage is reported";
  EXPECT_GT(newSkinShown, cases / 10) << "some damaged skins still load";
  RecordProperty("boxes", boxesTotal);
  RecordProperty("loaded", newSkinShown);
  std::printf("%d damaged previews (seed %u): %d boxes, %d taken as the new skin\n", cases, seed, boxesTotal,
              newSkinShown);
}

}  // namespace
}  // namespace scripttest
