// The system icons and the dialogs' small pictures, drawn with smooth shapes: the red
// error disc with its cross, the yellow warning triangle, the information and question
// speech balloons, a plain application window; a folder, a document and an up-one-folder
// picture at 16 x 16.
#include <map>

#include <string>

#include "platform/ctl/IconCanvas.h"
#include "platform/ctl/Icons.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/FontFace.h"
#include "platform/win/IconApi.h"
#include "platform/win/Positions.h"
#include "platform/win/WindowApi.h"

namespace ctl {

namespace {

using detail::IconCanvas;
using gfx::RGB;

constexpr gfx::TColor kShadow = RGB(0, 0, 0);

bool Known(int id) {
  switch (id) {
    case IDI_HAND:
    case IDI_QUESTION:
    case IDI_EXCLAMATION:
    case IDI_ASTERISK:
    case IDI_SMALL_FOLDER:
    case IDI_SMALL_DOCUMENT:
    case IDI_SMALL_UPFOLDER: return true;
    default: return false;
  }
}

bool Small(int id) { return id == IDI_SMALL_FOLDER || id == IDI_SMALL_DOCUMENT || id == IDI_SMALL_UPFOLDER; }

void ErrorIcon(IconCanvas& c) {
  c.Circle(17, 17.5, 14.2, kShadow, 0.22);
  c.Circle(15.5, 15.5, 14.5, RGB(128, 0, 0));
  c.Circle(15.5, 15.5, 13.3, RGB(224, 32, 32));
  c.Circle(12, 10.5, 8, RGB(255, 255, 255), 0.16);
  c.Capsule(10.5, 10.5, 20.5, 20.5, 2.1, RGB(255, 255, 255));
  c.Capsule(20.5, 10.5, 10.5, 20.5, 2.1, RGB(255, 255, 255));
}

void WarningIcon(IconCanvas& c) {
  c.Triangle(17.5, 4, 31.5, 30, 3.5, 30, kShadow, 0.22);
  c.Triangle(16, 1.5, 30.5, 28.5, 1.5, 28.5, RGB(0, 0, 0));
  c.Triangle(16, 4.8, 27.9, 26.9, 4.1, 26.9, RGB(255, 216, 0));
  c.Capsule(16, 10.5, 16, 18.5, 1.9, RGB(0, 0, 0));
  c.Circle(16, 23, 2.0, RGB(0, 0, 0));
}

// The speech balloon of the information and question icons.
void Balloon(IconCanvas& c) {
  c.Circle(17, 15, 13, kShadow, 0.2);
  c.Triangle(9, 22, 16, 25, 6.5, 31, kShadow, 0.2);
  c.Circle(15.5, 13.5, 13.2, RGB(96, 96, 96));
  c.Triangle(7.5, 20.5, 14.5, 24.5, 4.5, 29.5, RGB(96, 96, 96));
  c.Circle(15.5, 13.5, 12.2, RGB(255, 255, 255));
  c.Triangle(8.5, 20.5, 13.5, 23, 6.2, 27.5, RGB(255, 255, 255));
}

void InformationIcon(IconCanvas& c) {
  Balloon(c);
  gfx::TColor blue = RGB(0, 0, 200);
  c.Circle(15.5, 6.8, 2.2, blue);
  c.RoundRect(13.6, 10.2, 17.4, 20.8, 0.8, blue);
  c.RoundRect(11.8, 10.2, 17.4, 12, 0.5, blue);
  c.RoundRect(11.8, 19.2, 19.2, 21, 0.5, blue);
}

void QuestionIcon(IconCanvas& c) {
  Balloon(c);
  gfx::FontDesc d;
  d.height = -20;
  d.weight = gfx::FW_BOLD;
  gfx::Font font(d);
  gfx::FontFace& face = font.Face();
  int advance = face.Advance(U'?');
  c.Glyph(face, U'?', 16 - (advance + 1) / 2, 21, RGB(0, 0, 200));
}

void FolderIcon(IconCanvas& c) {
  gfx::TColor edge = RGB(128, 96, 0), body = RGB(255, 224, 120), light = RGB(255, 248, 200);
  c.Rect(1, 3, 7, 5, edge);
  c.Rect(2, 4, 6, 5, body);
  c.Rect(1, 5, 15, 14, edge);
  c.Rect(2, 6, 14, 13, body);
  c.Rect(2, 6, 14, 7, light);
  c.Rect(2, 7, 3, 13, light);
}

void DocumentIcon(IconCanvas& c) {
  gfx::TColor edge = RGB(96, 96, 96);
  c.Rect(3, 1, 10, 2, edge);
  c.Rect(3, 1, 4, 15, edge);
  c.Rect(3, 14, 14, 15, edge);
  c.Rect(13, 5, 14, 15, edge);
  c.Rect(4, 2, 10, 14, RGB(255, 255, 255));
  c.Rect(10, 5, 13, 14, RGB(255, 255, 255));
  for (int i = 0; i < 4; ++i) c.Pixel(10 + i, 1 + i, edge);
  c.Rect(10, 2, 11, 5, edge);
  c.Rect(10, 4, 13, 5, edge);
  c.Rect(11, 3, 12, 4, RGB(255, 255, 255));
  for (int y = 7; y <= 12; y += 2) c.Rect(5, y, 12, y + 1, RGB(160, 160, 160));
}

void UpFolderIcon(IconCanvas& c) {
  FolderIcon(c);
  gfx::TColor ink = RGB(0, 0, 0);
  c.Rect(8, 7, 10, 12, ink);
  c.Rect(6, 9, 12, 10, ink);
  c.Rect(7, 8, 11, 9, ink);
  c.Rect(10, 11, 13, 12, ink);
}

gfx::PixelBuffer Picture(int id) {
  IconCanvas c(Small(id) ? 16 : 32, Small(id) ? 16 : 32);
  switch (id) {
    case IDI_HAND: ErrorIcon(c); break;
    case IDI_EXCLAMATION: WarningIcon(c); break;
    case IDI_ASTERISK: InformationIcon(c); break;
    case IDI_QUESTION: QuestionIcon(c); break;
    case IDI_SMALL_FOLDER: FolderIcon(c); break;
    case IDI_SMALL_DOCUMENT: DocumentIcon(c); break;
    default: UpFolderIcon(c); break;
  }
  return c.Picture();
}

std::u16string PropName(int id) { return u"CtlStandardIcon" + std::u16string(1, static_cast<char16_t>(id)); }

constexpr const char16_t* kHolderClass = u"CtlStandardIcons";

// The icons hang on a message-only window of their own, so that they go with the window
// system that made them and a restarted one makes them again.
win::HWND Holder(bool create) {
  static win::HWND holder = nullptr;
  if (holder && win::IsWindow(holder) && win::GetClassName(holder) == kHolderClass) return holder;
  holder = nullptr;
  if (!create) return nullptr;
  win::WNDCLASSEX wc;
  if (!win::GetClassInfoEx(nullptr, kHolderClass, &wc)) {
    wc = win::WNDCLASSEX{};
    wc.lpfnWndProc = &win::DefWindowProc;
    wc.lpszClassName = kHolderClass;
    win::RegisterClassEx(wc);
  }
  holder = win::CreateWindowEx(0, kHolderClass, u"", 0, 0, 0, 0, 0, win::HWND_MESSAGE, nullptr, nullptr, nullptr);
  return holder;
}

}  // namespace

HICON LoadIcon(win::HINSTANCE, int id) {
  if (id == win::IDI_APPLICATION) return win::LoadIcon(nullptr, id);
  if (!Known(id)) return nullptr;
  win::HWND holder = Holder(true);
  std::u16string name = PropName(id);
  if (auto h = static_cast<win::HICON>(win::GetProp(holder, name.c_str()))) return h;
  gfx::PixelBuffer pic = Picture(id);
  win::HICON icon = win::CreateIconFromPixels(pic.View());
  if (icon) win::SetProp(holder, name.c_str(), icon);
  return icon;
}

int StandardIconId(win::HICON icon) {
  if (!icon) return 0;
  if (icon == win::LoadIcon(nullptr, win::IDI_APPLICATION)) return win::IDI_APPLICATION;
  win::HWND holder = Holder(false);
  for (int id : {IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK, IDI_SMALL_FOLDER, IDI_SMALL_DOCUMENT,
                 IDI_SMALL_UPFOLDER})
    if (holder && win::GetProp(holder, PropName(id).c_str()) == icon) return id;
  return 0;
}

bool DrawIcon(win::HDC dc, int x, int y, HICON icon) { return win::DrawIconEx(dc, x, y, icon, 0, 0) != win::FALSE; }

}  // namespace ctl
