// shaped_window_probe: one frameless window on the desktop backend whose window region
// leaves out three-pixel steps at its four corners, filled with one colour. For the
// shape end-to-end test, it writes to standard output, one line each:
//   shown LEFT TOP RIGHT BOTTOM   when the window is on screen
//   unshaped                      after the first click (the region is taken away)
//   closed                        after the second click (the window is destroyed)
// and exits with 0 when its window is gone.
#include <cstdio>
#include <optional>
#include <vector>

#include "platform/gfx/Region.h"
#include "platform/gfx/Surface.h"
#include "platform/win/Win.h"
#include "platform/win/sdl/SdlBackend.h"

namespace {

using namespace win;

constexpr gfx::TColor kFill = gfx::RGB(200, 40, 40);
int clicks = 0;

void Log(const char* line) {
  std::puts(line);
  std::fflush(stdout);
}

// The window minus the corner steps: rows 0, 1 and 2 lose 3, 2 and 1 pixels at each end.
gfx::Region CutCorners(int w, int h) {
  std::vector<gfx::TRect> rows;
  for (int i = 0; i < 3; ++i) {
    int cut = 3 - i;
    rows.push_back({cut, i, w - cut, i + 1});
    rows.push_back({cut, h - 1 - i, w - cut, h - i});
  }
  rows.push_back({0, 3, w, h - 3});
  return gfx::Region::FromRects(rows.data(), rows.size());
}

LRESULT ProbeProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  switch (m) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(h, &ps);
      RECT c;
      GetClientRect(h, &c);
      dc->FillRect(c, kFill);
      EndPaint(h, &ps);
      return 0;
    }
    case WM_LBUTTONUP:
      if (++clicks == 1) {
        SetWindowRegion(h, std::nullopt, TRUE);
        Log("unshaped");
      } else {
        DestroyWindow(h);
      }
      return 0;
    case WM_DESTROY:
      Log("closed");
      PostQuitMessage(0);
      return 0;
    default: break;
  }
  return DefWindowProc(h, m, w, l);
}

}  // namespace

int main() {
  std::string error;
  auto backend = CreateSdlBackend(&error);
  if (!backend) {
    std::fprintf(stderr, "shaped_window_probe: no display: %s\n", error.c_str());
    return 2;
  }
  Startup(std::move(backend));
  WNDCLASSEX wc;
  wc.lpfnWndProc = &ProbeProc;
  wc.lpszClassName = u"ShapedWindowProbe";
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  RegisterClassEx(wc);
  const int left = 200, top = 150, width = 240, height = 160;
  HWND w = CreateWindowEx(0, u"ShapedWindowProbe", u"Shaped window probe", WS_POPUP, left, top, width, height, nullptr,
                          nullptr, nullptr, nullptr);
  SetWindowRegion(w, CutCorners(width, height), FALSE);
  ShowWindow(w, SW_SHOW);
  RunUntilIdle();
  RECT r;
  GetWindowRect(w, &r);
  std::printf("shown %d %d %d %d\n", r.Left, r.Top, r.Right, r.Bottom);
  std::fflush(stdout);
  int code = RunMessageLoop();
  Shutdown();
  return code;
}
