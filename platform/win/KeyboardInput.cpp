// Keyboard input: key messages to the focus window (or, as system keys, to the active
// window when nothing has the focus), key state, and the key-to-character translation.
#include "platform/win/Input.h"
#include "platform/win/InputApi.h"
#include "platform/win/InputMode.h"
#include "platform/win/Internal.h"
#include "platform/win/Keys.h"
#include "platform/win/Messages.h"

namespace win {
namespace detail {

namespace {

bool Down(int vk) { return (S().keys[static_cast<std::size_t>(vk)] & 0x80) != 0; }

void SetKey(int vk, bool down) {
  auto& k = S().keys[static_cast<std::size_t>(vk & 0xFF)];
  if (down && !(k & 0x80)) k ^= 0x01;  // toggle on each press
  k = down ? (k | 0x80) : (k & 0x7F);
}

// Left/right variants keep the generic key in step.
void UpdateModifiers(int vk, bool down) {
  SetKey(vk, down);
  switch (vk) {
    case VK_LSHIFT:
    case VK_RSHIFT: SetKey(VK_SHIFT, Down(VK_LSHIFT) || Down(VK_RSHIFT)); break;
    case VK_LCONTROL:
    case VK_RCONTROL: SetKey(VK_CONTROL, Down(VK_LCONTROL) || Down(VK_RCONTROL)); break;
    case VK_LMENU:
    case VK_RMENU: SetKey(VK_MENU, Down(VK_LMENU) || Down(VK_RMENU)); break;
    default: break;
  }
}

int Generic(int vk) {
  switch (vk) {
    case VK_LSHIFT:
    case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU: return VK_MENU;
    default: return vk;
  }
}

// US layout, for keys whose character the backend did not give.
char16_t UsCharacter(int vk, bool shift, bool caps) {
  if (vk >= 'A' && vk <= 'Z') return static_cast<char16_t>((shift != caps) ? vk : vk + 32);
  if (vk >= '0' && vk <= '9') return shift ? u")!@#$%^&*("[vk - '0'] : static_cast<char16_t>(vk);
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return static_cast<char16_t>('0' + vk - VK_NUMPAD0);
  switch (vk) {
    case VK_SPACE: return u' ';
    case VK_OEM_1: return shift ? u':' : u';';
    case VK_OEM_PLUS: return shift ? u'+' : u'=';
    case VK_OEM_COMMA: return shift ? u'<' : u',';
    case VK_OEM_MINUS: return shift ? u'_' : u'-';
    case VK_OEM_PERIOD: return shift ? u'>' : u'.';
    case VK_OEM_2: return shift ? u'?' : u'/';
    case VK_OEM_3: return shift ? u'~' : u'`';
    case VK_OEM_4: return shift ? u'{' : u'[';
    case VK_OEM_5: return shift ? u'|' : u'\\';
    case VK_OEM_6: return shift ? u'}' : u']';
    case VK_OEM_7: return shift ? u'"' : u'\'';
    case VK_MULTIPLY: return u'*';
    case VK_ADD: return u'+';
    case VK_SUBTRACT: return u'-';
    case VK_DECIMAL: return u'.';
    case VK_DIVIDE: return u'/';
    default: return 0;
  }
}

}  // namespace

bool NoteKeyState(const InputEvent& e) {
  bool isChar = e.kind == InputEvent::Kind::Char;
  int vk = isChar ? VK_PACKET : (e.vk & 0xFF);
  bool wasDown = Down(vk);
  if (!isChar) UpdateModifiers(vk, e.kind == InputEvent::Kind::KeyDown);
  return wasDown;
}

void ConvertKey(const InputEvent& e, bool wasDown) {
  State& s = S();
  bool isChar = e.kind == InputEvent::Kind::Char;
  bool down = e.kind == InputEvent::Kind::KeyDown || isChar;
  int vk = isChar ? VK_PACKET : (e.vk & 0xFF);
  int gvk = Generic(vk);

  bool alt = Down(VK_MENU);
  bool ctrl = Down(VK_CONTROL);
  HWND target = s.focus && W(s.focus) ? s.focus : nullptr;
  bool sys = !isChar && ((alt && !ctrl) || gvk == VK_F10 || (gvk == VK_MENU && !ctrl));
  if (!target) {
    target = s.active && W(s.active) ? s.active : nullptr;
    sys = true;
  }
  if (!target) return;

  auto make = [&](bool keyDown) {
    LPARAM lp = 1;  // repeat count
    if (alt) lp |= LPARAM(1) << 29;
    if (keyDown && wasDown) lp |= LPARAM(1) << 30;
    if (!keyDown) lp |= (LPARAM(1) << 30) | (LPARAM(1) << 31);
    if (e.ch) lp |= static_cast<LPARAM>(e.ch) << kCharShift;
    if (!isChar && e.kind == InputEvent::Kind::KeyDown && e.ch == 0xFFFF) lp = (lp & 0xFFFFFFFF) | kNoTranslate;
    UINT msg = keyDown ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
    s.input.push_back(MSG{target, msg, static_cast<WPARAM>(gvk), lp, static_cast<DWORD>(Now()), s.cursorPos});
  };
  make(down);
  if (isChar) make(false);  // a typed character is a press and a release of its packet key
}

void ConvertInput(const InputEvent& e) {
  switch (e.kind) {
    case InputEvent::Kind::KeyDown:
    case InputEvent::Kind::KeyUp:
    case InputEvent::Kind::Char: {
      bool wasDown = NoteKeyState(e);
      if (!OfferToMode(e)) ConvertKey(e, wasDown);
      break;
    }
    case InputEvent::Kind::MouseMove:
    case InputEvent::Kind::MouseDown:
    case InputEvent::Kind::MouseUp:
    case InputEvent::Kind::Wheel:
      NoteMouseState(e);
      if (!OfferToMode(e)) ConvertMouse(e);
      break;
    default: ConvertWindowRequest(e); break;
  }
}

char16_t CharacterForKey(const MSG* msg) {
  if (msg->lParam & kNoTranslate) return 0;
  auto carried = static_cast<char16_t>((static_cast<std::uint64_t>(msg->lParam) >> kCharShift) & 0xFFFF);
  if (carried) return carried;
  auto vk = static_cast<int>(msg->wParam);
  bool ctrl = Down(VK_CONTROL), shift = Down(VK_SHIFT), alt = Down(VK_MENU);
  switch (vk) {
    case VK_RETURN: return ctrl ? u'\n' : u'\r';
    case VK_BACK: return ctrl ? 0x7F : u'\b';
    case VK_TAB: return ctrl ? 0 : u'\t';
    case VK_ESCAPE: return 0x1B;
    default: break;
  }
  if (ctrl && !alt) {
    if (vk >= 'A' && vk <= 'Z') return static_cast<char16_t>(vk - 'A' + 1);
    if (vk == VK_OEM_4) return 0x1B;
    if (vk == VK_OEM_5) return 0x1C;
    if (vk == VK_OEM_6) return 0x1D;
    return 0;
  }
  return UsCharacter(vk, shift, (S().keys[VK_CAPITAL] & 0x01) != 0);
}

}  // namespace detail

using namespace detail;

short GetKeyState(int vk) {
  BYTE k = S().keys[static_cast<std::size_t>(vk & 0xFF)];
  return static_cast<short>(((k & 0x80) ? 0x8000 : 0) | (k & 0x01));
}

short GetAsyncKeyState(int vk) { return static_cast<short>(GetKeyState(vk) & 0x8000); }

}  // namespace win
