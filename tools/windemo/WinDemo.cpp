// windemo: one classic framed window on the desktop backend. It writes what happens to
// its log (--log FILE, else standard output), one line each:
//   shown LEFT TOP RIGHT BOTTOM CLOSE_X CLOSE_Y   when the window is on screen
//   moved LEFT TOP                                 after each move
//   closed                                         when the window is gone
// and exits with 0 when its window was closed.
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "platform/win/Win.h"
#include "platform/win/sdl/SdlBackend.h"

namespace {

using namespace win;

FILE* g_log = stdout;

void Log(const char* fmt, int a = 0, int b = 0, int c = 0, int d = 0, int e = 0, int f = 0) {
  std::fprintf(g_log, fmt, a, b, c, d, e, f);
  std::fputc('\n', g_log);
  std::fflush(g_log);
}

// The centre of the close button, found by asking the window what lies where.
POINT CloseButton(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  int left = -1, right = -1, top = -1, bottom = -1;
  for (int y = r.Top; y < r.Top + 40; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (SendMessage(hwnd, WM_NCHITTEST, 0, PointToLParam({x, y})) == HTCLOSE) {
        if (left < 0 || x < left) left = x;
        right = std::max(right, x);
        if (top < 0) top = y;
        bottom = y;
      }
  return {(left + right) / 2, (top + bottom) / 2};
}

LRESULT DemoProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  switch (m) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(h, &ps);
      RECT c;
      GetClientRect(h, &c);
      dc->FillRect(c, gfx::GetSysColor(gfx::COLOR_BTNFACE));
      gfx::FontDesc f;
      f.height = -11;
      dc->SetFont(gfx::Font(f));
      dc->SetBkMode(gfx::BkMode::Transparent);
      dc->SetTextColor(gfx::GetSysColor(gfx::COLOR_BTNTEXT));
      RECT t{16, 16, c.Right - 16, c.Bottom - 16};
      dc->DrawText(
          u"Drag the caption to move the window, a border to size it.\n"
          u"Alt+Space or the icon opens the system menu.\nThe close button ends the demo.",
          t, gfx::DT_LEFT | gfx::DT_WORDBREAK | gfx::DT_NOPREFIX);
      EndPaint(h, &ps);
      return 0;
    }
    case WM_MOVE: {
      RECT r;
      GetWindowRect(h, &r);
      Log("moved %d %d", r.Left, r.Top);
      break;
    }
    case WM_DESTROY:
      Log("closed");
      PostQuitMessage(0);
      return 0;
    default: break;
  }
  return DefWindowProc(h, m, w, l);
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--log") == 0 && i + 1 < argc) {
      g_log = std::fopen(argv[++i], "w");
      if (!g_log) {
        std::fprintf(stderr, "windemo: cannot write the log %s\n", argv[i]);
        return 2;
      }
    }
  }
  std::string error;
  auto backend = CreateSdlBackend(&error);
  if (!backend) {
    std::fprintf(stderr, "windemo: no display: %s\n", error.c_str());
    return 2;
  }
  Startup(std::move(backend));
  WNDCLASSEX wc;
  wc.lpfnWndProc = &DemoProc;
  wc.lpszClassName = u"WinDemo";
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  RegisterClassEx(wc);
  HWND w = CreateWindowEx(0, u"WinDemo", u"Pellomir window demo", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 120, 100, 480, 300,
                          nullptr, nullptr, nullptr, nullptr);
  RunUntilIdle();
  RECT r;
  GetWindowRect(w, &r);
  POINT close = CloseButton(w);
  Log("shown %d %d %d %d %d %d", r.Left, r.Top, r.Right, r.Bottom, close.X, close.Y);
  int code = RunMessageLoop();
  Shutdown();
  if (g_log != stdout) std::fclose(g_log);
  return code;
}
