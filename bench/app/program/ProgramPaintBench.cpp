// The painting of the running program on the headless screen, each road ending with the
// composed screen presented:
//   BM_MainWindowFullRepaint  the whole main window made stale, as after a skin change,
//                             and repainted (frame, client, every control, composed);
//   BM_MainWindowCopyFloor    a plain copy of the main window's 670 x 585 pixels, the floor;
//   BM_HoverRepaint           the pointer moved onto the fetch button, to its first hot
//                             picture on the screen;
//   BM_SkinPreviewRepaint     a live preview of the stored skin's own folder (unpacked to a
//                             temporary folder), to the whole window repainted.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/Program.h"
#include "app/Unit1.h"
#include "platform/forms/Application.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/Headless.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "skin/controls/sEdit.h"
#include "skin/data/acFolderPreview.h"
#include "skin/data/sSkinManager.h"
#include "tests/skin/support/SkinFolderTestSupport.h"

namespace {

namespace fs = std::filesystem;

// The program started on a fresh headless screen (virtual clock) with its main window
// shown and idle.
class ProgramOnScreen {
 public:
  ProgramOnScreen() {
    setenv("PELLOMIR_SOURCE_DIR", PELLOMIR_BENCH_SOURCE_DIR, 0);
    win::headless::Start();
    forms::TApplicationRef::Reset();
    app::StartProgram("/usr/bin/pellomir", {});
    app::Form1->Show();
    win::RunUntilIdle();
  }
  ~ProgramOnScreen() { app::EndProgram(); }
  ProgramOnScreen(const ProgramOnScreen&) = delete;
  ProgramOnScreen& operator=(const ProgramOnScreen&) = delete;
};

bool Skinned(benchmark::State& state) {
  skin::TsSkinManager* m = skin::DefaultManager();
  if (m != nullptr && m->IsActive()) return true;
  state.SkipWithError("the program's skin is not active");
  return false;
}

void BM_MainWindowFullRepaint(benchmark::State& state) {
  ProgramOnScreen program;
  if (!Skinned(state)) return;
  skin::TsSkinManager* m = skin::DefaultManager();
  for (auto _ : state) {
    // What a skin change ends with: every cache stale, every window redrawn with its frame.
    m->RepaintForms(false);
    win::RunUntilIdle();
  }
  state.counters["px"] = app::Form1->Width() * app::Form1->Height();
}
BENCHMARK(BM_MainWindowFullRepaint)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MainWindowCopyFloor(benchmark::State& state) {
  constexpr int kWidth = 670, kHeight = 585;
  std::vector<std::uint32_t> from(kWidth * kHeight, 0x5A7893), to(kWidth * kHeight);
  for (auto _ : state) {
    // Row by row, as a composed surface reaches the screen.
    for (int y = 0; y < kHeight; ++y)
      std::memcpy(to.data() + y * kWidth, from.data() + y * kWidth, kWidth * sizeof(std::uint32_t));
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MainWindowCopyFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

constexpr int kMaxHoverSteps = 100, kHoverStepMs = 5;

bool SamePixels(const gfx::PixelBuffer& a, const gfx::PixelBuffer& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    if (std::memcmp(a.Row32(y), b.Row32(y), static_cast<std::size_t>(a.Width()) * 4) != 0) return false;
  return true;
}

void BM_HoverRepaint(benchmark::State& state) {
  ProgramOnScreen program;
  if (!Skinned(state)) return;
  const forms::TControl* button = app::Form1->sBitBtn1;
  const forms::TControl* edit = app::Form1->sEdit1;
  const gfx::TPoint onButton = button->ClientToScreen({button->Width() / 2, button->Height() / 2});
  const gfx::TPoint onEdit = edit->ClientToScreen({edit->Width() / 2, edit->Height() / 2});
  // As a user would: the address box clicked first, so that only the pointer makes the
  // button hot.
  win::headless::Click(onEdit);
  win::headless::AdvanceTime(1000);
  const win::HWND h = app::Form1->sBitBtn1->Handle();
  const gfx::PixelBuffer normal = win::headless::CaptureWindow(h);
  for (auto _ : state) {
    win::headless::MouseMove(onButton);
    // The hot look fades in on timers: program time moves on until its first picture shows.
    int steps = 0;
    while (SamePixels(win::headless::CaptureWindow(h), normal) && ++steps < kMaxHoverSteps)
      win::headless::AdvanceTime(kHoverStepMs);
    if (steps == kMaxHoverSteps) {
      state.SkipWithError("the button does not turn hot");
      break;
    }
    state.PauseTiming();
    // Off again, with time enough for the fade out and the hot check.
    win::headless::MouseMove(onEdit);
    win::headless::AdvanceTime(1000);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_HoverRepaint)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_SkinPreviewRepaint(benchmark::State& state) {
  const fs::path dir = fs::temp_directory_path() / ("pellomir-bench-preview-" + std::to_string(getpid()));
  fs::remove_all(dir);
  {
    ProgramOnScreen program;
    skin::test::WriteStoredSkinFolder(dir / "Emberfield");
    std::string error;
    const std::unique_ptr<skin::TacFolderPreview> preview =
        skin::BuildFolderPreview((dir / "Emberfield").string(), error);
    if (!preview) state.SkipWithError(error.c_str());
    if (preview && Skinned(state)) {
      win::COPYDATASTRUCT cds{};
      cds.cbData = static_cast<win::DWORD>(preview->Buffer.size());
      cds.lpData = preview->Buffer.data();
      const win::HWND appWindow = forms::Application->Handle();
      for (auto _ : state) {
        win::SendMessage(appWindow, win::WM_COPYDATA, skin::acPreviewSender, reinterpret_cast<win::LPARAM>(&cds));
        win::RunUntilIdle();
      }
      if (!skin::DefaultManager()->IsActive() || skin::DefaultManager()->SkinName() != u"Emberfield")
        state.SkipWithError("the preview was not taken");
    }
  }
  fs::remove_all(dir);
}
BENCHMARK(BM_SkinPreviewRepaint)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
