#include "platform/win/Headless.h"

#include <cstring>
#include <memory>

#include "platform/base/Files.h"
#include "platform/gfx/ImageCodec.h"
#include "platform/win/Compositor.h"
#include "platform/win/Internal.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Session.h"

namespace win::headless {
using namespace win::detail;

namespace {

void Feed(InputEvent e) {
  Screen().Push(e);
  if (S().batchDepth == 0) RunUntilIdle();
}

}  // namespace

HeadlessBackend& Start(HeadlessBackend::Options options) {
  auto b = std::make_unique<HeadlessBackend>(options);
  HeadlessBackend& ref = *b;
  Startup(std::move(b));
  return ref;
}

HeadlessBackend& Screen() {
  auto* h = dynamic_cast<HeadlessBackend*>(&CurrentBackend());
  return h ? *h : Start();
}

void MouseMove(POINT pt) { Feed(InputEvent::MouseMove(pt)); }
void MouseDown(POINT pt, MouseButton b) { Feed(InputEvent::MouseDown(pt, b)); }
void MouseUp(POINT pt, MouseButton b) { Feed(InputEvent::MouseUp(pt, b)); }

void Click(POINT pt, MouseButton b) {
  MouseMove(pt);
  MouseDown(pt, b);
  MouseUp(pt, b);
}

void DoubleClick(POINT pt) {
  Click(pt);
  Click(pt);
}

void Wheel(POINT pt, int delta) { Feed(InputEvent::Wheel(pt, delta)); }

void KeyDown(int vk, char16_t ch) { Feed(InputEvent::KeyDown(vk, ch)); }

void KeyUp(int vk) { Feed(InputEvent::KeyUp(vk)); }

void KeyPress(int vk, char16_t ch) {
  KeyDown(vk, ch);
  KeyUp(vk);
}

void TypeText(const std::u16string& text) {
  for (char16_t c : text) Screen().Push(InputEvent::Char(c));
  if (S().batchDepth == 0) RunUntilIdle();
}

Batch::Batch() { ++S().batchDepth; }

Batch::~Batch() {
  // A restart inside the scope began a new state with no scope open.
  if (!HasState() || S().batchDepth == 0) return;
  if (--S().batchDepth == 0) RunUntilIdle();
}

void AdvanceTime(std::uint64_t ms) {
  HeadlessBackend& b = Screen();
  std::uint64_t end = b.Now() + ms;
  RunUntilIdle();
  for (;;) {
    std::optional<std::uint64_t> next = NextDeadline();
    if (!next || *next > end) break;
    if (*next > b.Now()) b.Advance(*next - b.Now());
    RunUntilIdle();
  }
  if (end > b.Now()) b.Advance(end - b.Now());
  RunUntilIdle();
}

gfx::PixelBuffer CaptureScreen() {
  S().compositor->Present();
  return Screen().Screen();
}

gfx::PixelBuffer CaptureWindow(HWND hwnd) {
  Window* w = W(hwnd);
  if (!w) return {};
  Window* top = TopLevelOf(w);
  gfx::TPoint off = OffsetInTopLevel(w);
  gfx::TRect r = gfx::Intersect(gfx::Bounds(off.X, off.Y, w->rect.Width(), w->rect.Height()),
                                {0, 0, top->paint.backing.Width(), top->paint.backing.Height()});
  gfx::PixelBuffer out(r.Width(), r.Height());
  for (int y = 0; y < r.Height(); ++y)
    std::memcpy(out.Row(y), top->paint.backing.Row32(r.Top + y) + r.Left, static_cast<std::size_t>(r.Width()) * 4);
  return out;
}

}  // namespace win::headless

namespace win::headless {

namespace {

bool SavePng(gfx::PixelBuffer pic, const std::string& path) {
  // Screens and windows are opaque pictures: the file carries no transparency.
  for (int y = 0; y < pic.Height(); ++y)
    for (int x = 0; x < pic.Width(); ++x) pic.Row32(y)[x] |= 0xFF000000u;
  std::vector<std::uint8_t> png = gfx::EncodePng(pic.View());
  return !png.empty() && base::WriteFileBytes(path, png, base::FileReplace::InPlace).Ok();
}

}  // namespace

bool SaveScreenshot(const std::string& path) { return SavePng(CaptureScreen(), path); }

bool SaveWindowShot(HWND hwnd, const std::string& path) {
  gfx::PixelBuffer pic = CaptureWindow(hwnd);
  return !pic.Empty() && SavePng(std::move(pic), path);
}

}  // namespace win::headless
