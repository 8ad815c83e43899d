#pragma once
// Shared support of the control tests: a fresh headless window system with the control
// classes, a parent window that records the notifications its controls send, and small
// helpers to make controls and drive them.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/base/Unicode.h"
#include "platform/ctl/Ctl.h"
#include "platform/win/Headless.h"
#include "platform/win/Win.h"

namespace ctltest {

using namespace win;

struct Notice {
  UINT msg;  // WM_COMMAND, WM_VSCROLL, WM_HSCROLL, WM_DRAWITEM, WM_SYSCOMMAND
  WORD id;
  WORD code;  // notification, SB_ code, owner-draw item state, or system command
  int pos;    // SB_ position (high word); owner-draw control type
  HWND from;
};

class CtlTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A visible, active top-level parent (client 400 x 300 at (100, 100)) that records
  // notifications.
  HWND Parent();
  HWND Make(const char16_t* cls, const std::u16string& text, DWORD style, int x, int y, int w, int h, int id = 100,
            DWORD exStyle = 0);
  static std::vector<Notice>& Notices();
  int CountNotices(WORD code, UINT msg = WM_COMMAND) const;
  // The screen point of a client point of a window.
  static POINT Screen(HWND hwnd, int x, int y);
  static std::u16string Text(HWND hwnd);

  HeadlessBackend* screen = nullptr;
  HWND parent = nullptr;
};

// Runs `action` inside the modal loop of the next dialog ("#32770") that is activated
// for the first time, once that loop takes its messages; the dialog is then the active
// window. Actions wait in order, one per dialog.
void WhenModal(std::function<void()> action);

// Registers a window class once per window system run (background: a COLOR_ index, or -1).
void RegisterTestClass(const char16_t* name, WNDPROC proc, int background = -1);

// Key helpers: a key pressed with modifiers held.
void PressWith(int vk, bool ctrl, bool shift = false);

}  // namespace ctltest
