// The message box: layout by content, the button sets and their answers.
#include <algorithm>
#include <vector>

#include "platform/ctl/ButtonApi.h"
#include "platform/ctl/ControlClasses.h"
#include "platform/ctl/DialogApi.h"
#include "platform/ctl/Icons.h"
#include "platform/ctl/MessageBox.h"
#include "platform/ctl/StaticApi.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/MenuApi.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/Metrics.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace ctl {

using namespace win;

namespace {

constexpr int kMargin = 11;
constexpr int kIconGap = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kMaxTextWidth = 420;
constexpr DWORD kBoxStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kBoxExStyle = WS_EX_DLGMODALFRAME;

struct ButtonDef {
  int id;
  const char16_t* label;
};

struct BoxLayout {
  std::u16string text;
  HICON icon = nullptr;
  std::vector<ButtonDef> buttons;
  int defaultIndex = 0;
  RECT iconRect;
  RECT textRect;
  std::vector<RECT> buttonRects;
  SIZE client;
};

std::vector<ButtonDef> ButtonsFor(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{IDOK, u"OK"}, {IDCANCEL, u"Cancel"}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, u"&Abort"}, {IDRETRY, u"&Retry"}, {IDIGNORE, u"&Ignore"}};
    case MB_YESNOCANCEL: return {{IDYES, u"&Yes"}, {IDNO, u"&No"}, {IDCANCEL, u"Cancel"}};
    case MB_YESNO: return {{IDYES, u"&Yes"}, {IDNO, u"&No"}};
    case MB_RETRYCANCEL: return {{IDRETRY, u"&Retry"}, {IDCANCEL, u"Cancel"}};
    default: return {{IDOK, u"OK"}};
  }
}

int IconFor(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONHAND: return IDI_HAND;
    case MB_ICONQUESTION: return IDI_QUESTION;
    case MB_ICONEXCLAMATION: return IDI_EXCLAMATION;
    case MB_ICONASTERISK: return IDI_ASTERISK;
    default: return 0;
  }
}

int TextWidthOf(const std::u16string& s, const gfx::Font& font) {
  gfx::Surface probe;
  probe.SetFont(font);
  return probe.TextExtent(s).cx;
}

// Places the icon, the text (wrapped at a readable width) and the centred button row.
BoxLayout Layout(const std::u16string& text, const std::u16string& caption, UINT type) {
  BoxLayout l;
  l.text = text;
  l.buttons = ButtonsFor(type);
  l.defaultIndex = std::min<int>(static_cast<int>((type & MB_DEFMASK) >> 8), static_cast<int>(l.buttons.size()) - 1);
  if (int id = IconFor(type)) l.icon = LoadIcon(nullptr, id);

  gfx::Surface probe;
  probe.SetFont(DialogFont()->value);
  RECT measured{0, 0, kMaxTextWidth, 0};
  unsigned format = gfx::DT_WORDBREAK | gfx::DT_EDITCONTROL | gfx::DT_NOPREFIX | gfx::DT_EXPANDTABS | gfx::DT_CALCRECT;
  if (!text.empty()) probe.DrawText(text, measured, format);
  int textW = text.empty() ? 0 : measured.Width(), textH = text.empty() ? 0 : measured.Height();

  int x = kMargin + (l.icon ? 32 + kIconGap : 4);
  int top = kMargin;
  int textY = top;
  if (l.icon) {
    l.iconRect = gfx::Bounds(kMargin, top, 32, 32);
    if (textH < 32) textY = top + (32 - textH) / 2;
  }
  l.textRect = gfx::Bounds(x, textY, textW, textH);
  int contentBottom = std::max(l.textRect.Bottom, l.icon ? l.iconRect.Bottom : top);

  int n = static_cast<int>(l.buttons.size());
  int rowW = n * kButtonWidth + (n - 1) * kButtonGap;
  gfx::FontDesc bold;
  bold.weight = gfx::FW_BOLD;
  int captionW = TextWidthOf(caption, gfx::Font(bold)) + 40;
  int width = std::max({l.textRect.Right + 2 * kMargin, rowW + 2 * kMargin, captionW, 140});
  int rowY = contentBottom + 16;
  int rowX = (width - rowW) / 2;
  for (int i = 0; i < n; ++i)
    l.buttonRects.push_back(gfx::Bounds(rowX + i * (kButtonWidth + kButtonGap), rowY, kButtonWidth, kButtonHeight));
  l.client = {width, rowY + kButtonHeight + kMargin};
  return l;
}

bool HasButton(const BoxLayout& l, int id) {
  return std::any_of(l.buttons.begin(), l.buttons.end(), [id](const ButtonDef& b) { return b.id == id; });
}

LRESULT BoxProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* l = reinterpret_cast<BoxLayout*>(GetWindowLongPtr(dialog, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG: {
      l = reinterpret_cast<BoxLayout*>(lParam);
      SetWindowLongPtr(dialog, DWLP_USER, lParam);
      if (l->icon) {
        HWND icon = CreateDialogItem(dialog, WC_STATIC, u"", SS_ICON, l->iconRect, IDC_MSGBOX_ICON);
        SendMessage(icon, STM_SETICON, reinterpret_cast<WPARAM>(l->icon), 0);
      }
      CreateDialogItem(dialog, WC_STATIC, l->text, SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, l->textRect,
                       IDC_MSGBOX_TEXT);
      HWND def = nullptr;
      for (std::size_t i = 0; i < l->buttons.size(); ++i) {
        bool isDefault = static_cast<int>(i) == l->defaultIndex;
        HWND b = CreateDialogItem(dialog, WC_BUTTON, l->buttons[i].label,
                                  WS_TABSTOP | (i == 0 ? WS_GROUP : 0) | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                                  l->buttonRects[i], l->buttons[i].id);
        if (isDefault) def = b;
      }
      SendMessage(dialog, DM_SETDEFID, static_cast<WPARAM>(l->buttons[static_cast<std::size_t>(l->defaultIndex)].id),
                  0);
      // Without Cancel (and not OK alone) the box cannot be closed: its close box is grey.
      bool closable = HasButton(*l, IDCANCEL) || (l->buttons.size() == 1 && l->buttons[0].id == IDOK);
      if (!closable)
        EnableMenuItem(GetSystemMenu(dialog, FALSE), static_cast<UINT>(SC_CLOSE), MF_BYCOMMAND | MF_GRAYED);
      SendMessage(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(def), TRUE);
      return FALSE;
    }
    case WM_COMMAND: {
      if (!l) return FALSE;
      int id = LOWORD(wParam);
      if (id == IDCANCEL && !HasButton(*l, IDCANCEL)) {
        // Escape and the close box answer Cancel where there is one, OK where OK is alone.
        if (l->buttons.size() == 1 && l->buttons[0].id == IDOK) EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (HasButton(*l, id)) EndDialog(dialog, id);
      return TRUE;
    }
    default: return FALSE;
  }
}

}  // namespace

int MessageBox(HWND owner, const std::u16string& text, const char16_t* caption, UINT type) {
  std::u16string title = caption ? caption : u"Error";
  BoxLayout layout = Layout(text, title, type);
  RECT outer{0, 0, layout.client.cx, layout.client.cy};
  AdjustWindowRectEx(&outer, kBoxStyle, FALSE, kBoxExStyle);
  if (owner) owner = GetAncestor(owner, GA_ROOT);
  DialogParams params;
  params.owner = owner;
  params.title = title;
  params.style = kBoxStyle;
  params.exStyle = kBoxExStyle;
  params.rect = CentredOn(owner, {outer.Width(), outer.Height()});
  params.proc = &BoxProc;
  params.param = reinterpret_cast<LPARAM>(&layout);
  LRESULT r = DialogBox(params);
  return r > 0 ? static_cast<int>(r) : 0;
}

}  // namespace ctl
