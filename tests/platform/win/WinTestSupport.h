#pragma once
// Shared test support: a fresh headless window system per test, and a message log that
// windows of the logging class write to before passing messages on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win/Headless.h"
#include "platform/win/Win.h"

namespace wintest {

using namespace win;

struct Logged {
  HWND hwnd;
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
};

// Every window of the classes below appends its messages here.
std::vector<Logged>& Log();
void ClearLog();
// The logged messages as names ("WM_CREATE"), optionally only those of one window and
// without the noisy ones (WM_GETTEXT..., WM_SETCURSOR, WM_NCHITTEST, WM_GETMINMAXINFO is kept).
std::vector<std::string> Names(HWND only = nullptr, bool skipNoise = true);
std::string Name(UINT msg);
int Count(UINT msg, HWND only = nullptr);

// Registers "LogWindow" (logs, then DefWindowProc) with the given class style and a
// button-face background. Returns its name.
const char16_t* LogClass(UINT classStyle = 0);
LRESULT CALLBACK_Log(HWND, UINT, WPARAM, LPARAM);

// Registers a class with the procedure (and a system colour background, COLOR_x) unless
// it exists already.
void RegisterProc(const char16_t* name, WNDPROC proc, int backgroundColor = -1);

HWND MakeTop(int x, int y, int w, int h, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, DWORD ex = 0,
             HWND owner = nullptr, UINT classStyle = 0);
HWND MakeChild(HWND parent, int x, int y, int w, int h, DWORD style = WS_CHILD | WS_VISIBLE, int id = 0,
               UINT classStyle = 0);

// The colour of a screen pixel (0x00BBGGRR) in the presented screen.
gfx::TColor ScreenPixel(int x, int y);

class WinTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  HeadlessBackend* screen = nullptr;
};

}  // namespace wintest
