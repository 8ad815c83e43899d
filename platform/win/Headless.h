#pragma once
// Driving the window system on the headless backend, for tests, scripts and screenshots:
// each input call feeds the event source and runs the loop until idle.
#include <string>

#include "platform/gfx/PixelBuffer.h"
#include "platform/win/HeadlessBackend.h"
#include "platform/win/Types.h"

namespace win::headless {

// Restarts the window system on a fresh headless screen and returns it.
HeadlessBackend& Start(HeadlessBackend::Options options = {});
// The running headless backend (starts one when the window system runs on none).
HeadlessBackend& Screen();

void MouseMove(POINT screenPt);
void MouseDown(POINT screenPt, MouseButton button = MouseButton::Left);
void MouseUp(POINT screenPt, MouseButton button = MouseButton::Left);
void Click(POINT screenPt, MouseButton button = MouseButton::Left);
void DoubleClick(POINT screenPt);
void Wheel(POINT screenPt, int delta);
// `ch` is the character the key types; 0 lets the translation choose it.
void KeyDown(int vk, char16_t ch = 0);
void KeyUp(int vk);
void KeyPress(int vk, char16_t ch = 0);
// Each character arrives as text input (a packet key typed and released).
void TypeText(const std::u16string& text);

// While a Batch lives, the input calls above only queue their events; it runs them all
// when it ends. Needed to drive loops that wait for input inside one call, such as an
// open popup menu: `{ Batch b; KeyDown(VK_MENU); KeyPress(VK_SPACE); KeyPress(VK_ESCAPE); }`.
class Batch {
 public:
  Batch();
  ~Batch();
  Batch(const Batch&) = delete;
  Batch& operator=(const Batch&) = delete;
};

// Moves the virtual clock forward by `ms`, stopping at every timer due on the way so that
// timers fire at their times and in their order; runs until idle at the end.
void AdvanceTime(std::uint64_t ms);

// Pictures: the composed screen, or one window's own pixels (its part of its top-level
// window's picture, frame included), 32-bit B, G, R, A.
gfx::PixelBuffer CaptureScreen();
gfx::PixelBuffer CaptureWindow(HWND hwnd);
// The same written as PNG files (path in UTF-8); false when writing fails.
bool SaveScreenshot(const std::string& path);
bool SaveWindowShot(HWND hwnd, const std::string& path);

}  // namespace win::headless
