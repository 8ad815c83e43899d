// One page step of a standard multi-line edit with a skinned vertical bar: the request
// sent the way the bar sends it (between scBeforeScroll and scAfterScroll) and the
// repaint of the edit and its bar that follows. The list lengths show whether the step
// stays independent of the list's length.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/skin/StoredSkinBench.h"
#include "platform/ctl/ControlClasses.h"
#include "platform/ctl/EditApi.h"
#include "platform/forms/Application.h"
#include "platform/forms/Forms.h"
#include "platform/win/Headless.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/data/sSkinManager.h"
#include "skin/windows/acEditWnd.h"
#include "skin/windows/acScrollTracking.h"

namespace skin::bench {

namespace {

struct EditScene {
  forms::TForm* form = nullptr;
  win::HWND edit = nullptr;
  std::unique_ptr<TacEditWnd> adapter;
  bool ok = false;

  explicit EditScene(int lines) {
    win::headless::Start();
    forms::TApplicationRef::Reset();
    SkinEngineStartup({});
    form = forms::New<forms::TForm>(forms::Application.Get());
    form->SetBounds(0, 0, 560, 480);
    auto* manager = new TsSkinManager(form);
    if (!LoadStoredSkin(*manager)) return;
    form->Show();
    ctl::RegisterControlClasses();
    edit = win::CreateWindowEx(win::WS_EX_CLIENTEDGE, u"Edit", u"",
                               win::WS_CHILD | win::WS_VISIBLE | win::WS_VSCROLL | ctl::ES_MULTILINE, 8, 8, 489, 392,
                               form->Handle(), nullptr, nullptr, nullptr);
    std::u16string text;
    for (int i = 0; i < lines; ++i) {
      std::string line = "https://example.org/page/" + std::to_string(i) + "\r\n";
      text.append(line.begin(), line.end());
    }
    win::SetWindowText(edit, text.c_str());
    adapter = std::make_unique<TacEditWnd>(edit, TacSkinParams{}, manager, nullptr);
    win::RunUntilIdle();
    ok = adapter->CanPaintBars();
  }
  ~EditScene() {
    adapter.reset();
    forms::TApplicationRef::Reset();
    SkinEngineShutdown();
  }
};

void BM_EditPageStep(benchmark::State& state) {
  EditScene scene(static_cast<int>(state.range(0)));
  if (!scene.ok) {
    state.SkipWithError("the stored skin did not load");
    return;
  }
  TacScrollBar& sb = scene.adapter->sBarVert;
  bool down = true;
  for (auto _ : state) {
    win::SCROLLINFO si;
    si.fMask = win::SIF_ALL;
    win::GetScrollInfo(scene.edit, win::SB_VERT, &si);
    if (down && si.nPos + static_cast<int>(si.nPage) > si.nMax) down = false;
    if (!down && si.nPos == 0) down = true;
    SendScrollNotification(*scene.adapter, sb, down ? win::SB_PAGEDOWN : win::SB_PAGEUP, si.nPos);
    win::RedrawWindow(scene.edit, nullptr, nullptr,
                      win::RDW_INVALIDATE | win::RDW_FRAME | win::RDW_ERASE | win::RDW_UPDATENOW);
  }
}
BENCHMARK(BM_EditPageStep)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// One pointer move of a thumb drag through a 100,000-line edit: the bar repainted with the
// thumb at the pointer, SB_THUMBTRACK sent, the edit scrolled and repainted.
void BM_EditDragStep(benchmark::State& state) {
  EditScene scene(100000);
  if (!scene.ok) {
    state.SkipWithError("the stored skin did not load");
    return;
  }
  TacScrollWnd& w = *scene.adapter;
  win::RECT wr;
  win::GetWindowRect(scene.edit, &wr);
  const gfx::TRect r = w.BarRect(w.sBarVert);
  const int x = wr.Left + (r.Left + r.Right) / 2;
  const int grab = wr.Top + r.Top + w.ButtonLength(w.sBarVert) + 4;
  win::headless::MouseMove({x, grab});
  win::headless::MouseDown({x, grab});
  int step = 0;
  for (auto _ : state) {
    step = (step + 7) % (r.Height() - 60);
    win::headless::MouseMove({x, grab + step});
  }
  win::headless::MouseUp({x, grab});
}
BENCHMARK(BM_EditDragStep)->Unit(benchmark::kMicrosecond);

// The bar alone: both bars and the corner painted onto the window's surface.
void BM_ScrollBarPaint(benchmark::State& state) {
  EditScene scene(100000);
  if (!scene.ok) {
    state.SkipWithError("the stored skin did not load");
    return;
  }
  for (auto _ : state) scene.adapter->PaintBars();
}
BENCHMARK(BM_ScrollBarPaint)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace skin::bench
