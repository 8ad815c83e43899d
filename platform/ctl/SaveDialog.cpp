// The save-file dialog: its layout, navigation between folders and the chosen path.
#include <algorithm>

#include "platform/ctl/ButtonApi.h"
#include "platform/ctl/ClassicDraw.h"
#include "platform/ctl/ComboBoxApi.h"
#include "platform/ctl/ControlClasses.h"
#include "platform/ctl/DialogApi.h"
#include "platform/ctl/EditApi.h"
#include "platform/ctl/FolderListing.h"
#include "platform/ctl/Icons.h"
#include "platform/ctl/ListBoxApi.h"
#include "platform/ctl/MessageBox.h"
#include "platform/ctl/SaveDialog.h"
#include "platform/ctl/StaticApi.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/IconApi.h"
#include "platform/win/InputApi.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/Metrics.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace ctl {

using namespace win;
using namespace detail;

namespace {

constexpr int kWidth = 430;
constexpr int kItemHeight = 18;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

struct SaveState {
  OPENFILENAME* ofn = nullptr;
  std::u16string folder;
  std::u16string typedPattern;  // a pattern typed into the name box replaces the type's
  bool typeBox = false;
  std::vector<FolderEntry> entries;
};

// The name row and the type row below it; Save and Cancel stand beside them, so the
// dialog ends under the second row whether or not the type box is there.
constexpr int kNameRow = 214;
constexpr int kRowStep = 27;
constexpr int kButtonHeight = 23;
constexpr int kMargin = 10;
constexpr int kClientHeight = kNameRow + kRowStep + kButtonHeight + kMargin;

SaveState* StateOf(HWND dialog) { return reinterpret_cast<SaveState*>(GetWindowLongPtr(dialog, DWLP_USER)); }

std::u16string Patterns(HWND dialog, const SaveState& s) {
  if (!s.typedPattern.empty()) return s.typedPattern;
  if (!s.typeBox) return {};
  LRESULT i = SendDlgItemMessage(dialog, IDC_SAVE_TYPE, CB_GETCURSEL, 0, 0);
  if (i < 0 || i >= static_cast<LRESULT>(s.ofn->filters.size())) return {};
  return s.ofn->filters[static_cast<std::size_t>(i)].pattern;
}

void Fill(HWND dialog) {
  SaveState& s = *StateOf(dialog);
  HWND list = GetDlgItem(dialog, IDC_SAVE_LIST);
  SendMessage(list, WM_SETREDRAW, FALSE, 0);
  SendMessage(list, LB_RESETCONTENT, 0, 0);
  s.entries = ListFolder(s.folder, Patterns(dialog, s));
  for (const FolderEntry& e : s.entries) {
    LRESULT i = SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.name.c_str()));
    SendMessage(list, LB_SETITEMDATA, static_cast<WPARAM>(i), e.folder ? 1 : 0);
  }
  SendMessage(list, WM_SETREDRAW, TRUE, 0);
  HWND box = GetDlgItem(dialog, IDC_SAVE_FOLDER);
  SendMessage(box, CB_RESETCONTENT, 0, 0);
  for (const std::u16string& f : FolderChain(s.folder))
    SendMessage(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(f.c_str()));
  SendMessage(box, CB_SETCURSEL, static_cast<WPARAM>(SendMessage(box, CB_GETCOUNT, 0, 0) - 1), 0);
  EnableWindow(GetDlgItem(dialog, IDC_SAVE_UP), ParentFolder(s.folder) != s.folder ? TRUE : FALSE);
}

void GoTo(HWND dialog, const std::u16string& folder) {
  SaveState& s = *StateOf(dialog);
  if (!IsFolder(folder)) return;
  s.folder = folder;
  Fill(dialog);
}

// The entry the list's selection names, or null.
const FolderEntry* Selected(HWND dialog) {
  SaveState& s = *StateOf(dialog);
  LRESULT i = SendDlgItemMessage(dialog, IDC_SAVE_LIST, LB_GETCURSEL, 0, 0);
  return i >= 0 && i < static_cast<LRESULT>(s.entries.size()) ? &s.entries[static_cast<std::size_t>(i)] : nullptr;
}

std::u16string Trimmed(std::u16string t) {
  while (!t.empty() && (t.back() == u' ' || t.back() == u'\t')) t.pop_back();
  std::size_t lead = t.find_first_not_of(u" \t");
  return lead == std::u16string::npos ? std::u16string() : t.substr(lead);
}

void Warn(HWND dialog, const std::u16string& text) {
  MessageBox(dialog, text, GetWindowText(dialog).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void OnSave(HWND dialog) {
  SaveState& s = *StateOf(dialog);
  HWND nameBox = GetDlgItem(dialog, IDC_SAVE_NAME);
  std::u16string typed = Trimmed(GetWindowText(nameBox));
  // Enter in the list, or with nothing typed, opens the folder chosen in the list.
  const FolderEntry* chosen = Selected(dialog);
  bool inList = GetFocus() == GetDlgItem(dialog, IDC_SAVE_LIST);
  if (chosen && chosen->folder && (inList || typed.empty())) {
    GoTo(dialog, ResolvePath(s.folder, chosen->name));
    return;
  }
  if (typed.empty()) return;
  if (HasWildcards(typed)) {
    s.typedPattern = typed;
    Fill(dialog);
    SendMessage(nameBox, EM_SETSEL, 0, -1);
    return;
  }
  std::u16string path = ResolvePath(s.folder, typed);
  if (IsFolder(path)) {
    GoTo(dialog, path);
    SetWindowText(nameBox, u"");
    return;
  }
  std::u16string parent = ParentFolder(path);
  if (!IsFolder(parent)) {
    Warn(dialog, u"The folder \"" + parent + u"\" does not exist.\r\nCheck the path and try again.");
    return;
  }
  if (!s.ofn->defExt.empty() && !HasExtension(path)) path += u"." + s.ofn->defExt;
  if ((s.ofn->flags & OFN_OVERWRITEPROMPT) && Exists(path)) {
    int answer = MessageBox(dialog, FileNameOf(path) + u" already exists.\r\nDo you want to replace it?",
                            u"Confirm Save As", MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2);
    if (answer != IDYES) return;
  }
  s.ofn->file = path;
  if (s.typeBox)
    s.ofn->nFilterIndex = static_cast<int>(SendDlgItemMessage(dialog, IDC_SAVE_TYPE, CB_GETCURSEL, 0, 0)) + 1;
  EndDialog(dialog, IDOK);
}

void DrawEntry(HWND dialog, const DRAWITEMSTRUCT& d) {
  SaveState& s = *StateOf(dialog);
  HDC dc = d.hDC;
  dc->FillRect(d.rcItem, gfx::GetSysColor(gfx::COLOR_WINDOW));
  if (d.itemID >= s.entries.size()) return;
  const FolderEntry& e = s.entries[d.itemID];
  int y = d.rcItem.Top + (d.rcItem.Height() - 16) / 2;
  DrawIcon(dc, d.rcItem.Left + 2, y, LoadIcon(nullptr, e.folder ? IDI_SMALL_FOLDER : IDI_SMALL_DOCUMENT));
  int level = dc->Save();
  dc->SetFont(DialogFont()->value);
  dc->SetBkMode(gfx::BkMode::Transparent);
  int textWidth = dc->TextExtent(e.name).cx;
  RECT label{d.rcItem.Left + 21, d.rcItem.Top + 1, std::min<int>(d.rcItem.Left + 25 + textWidth, d.rcItem.Right),
             d.rcItem.Bottom - 1};
  bool selected = (d.itemState & ODS_SELECTED) != 0;
  if (selected) dc->FillRect(label, gfx::GetSysColor(gfx::COLOR_HIGHLIGHT));
  dc->SetTextColor(gfx::GetSysColor(selected ? gfx::COLOR_HIGHLIGHTTEXT : gfx::COLOR_WINDOWTEXT));
  RECT t{label.Left + 2, label.Top, label.Right, label.Bottom};
  dc->DrawText(e.name, t, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX | gfx::DT_END_ELLIPSIS);
  dc->Restore(level);
  if (d.itemState & ODS_FOCUS) draw::DrawFocusRect(dc, label);
}

void Build(HWND dialog, SaveState& s) {
  const int labelW = 78, x = 8 + labelW + 4;
  CreateDialogItem(dialog, WC_STATIC, u"Save &in:", SS_LEFT | SS_CENTERIMAGE, gfx::Bounds(8, 10, labelW, 21),
                   IDC_SAVE_FOLDERLABEL);
  CreateDialogItem(dialog, WC_COMBOBOX, u"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP,
                   gfx::Bounds(x, 10, kWidth - x - 40, 240), IDC_SAVE_FOLDER);
  HWND up = CreateDialogItem(dialog, WC_BUTTON, u"Up One Level", BS_PUSHBUTTON | BS_ICON | WS_TABSTOP,
                             gfx::Bounds(kWidth - 34, 10, 26, 21), IDC_SAVE_UP);
  SendMessage(up, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(LoadIcon(nullptr, IDI_SMALL_UPFOLDER)));
  CreateDialogItem(dialog, WC_LISTBOX, u"",
                   LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                   gfx::Bounds(8, 40, kWidth - 16, 164), IDC_SAVE_LIST, WS_EX_CLIENTEDGE);
  int row = kNameRow;
  CreateDialogItem(dialog, WC_STATIC, u"File &name:", SS_LEFT | SS_CENTERIMAGE, gfx::Bounds(8, row, labelW, 21),
                   IDC_SAVE_NAMELABEL);
  HWND name = CreateDialogItem(dialog, WC_EDIT, FileNameOf(s.ofn->file), ES_AUTOHSCROLL | WS_TABSTOP,
                               gfx::Bounds(x, row, kWidth - x - 96, 21), IDC_SAVE_NAME, WS_EX_CLIENTEDGE);
  if (s.typeBox) {
    row += kRowStep;
    CreateDialogItem(dialog, WC_STATIC, u"Save as &type:", SS_LEFT | SS_CENTERIMAGE, gfx::Bounds(8, row, labelW, 21),
                     IDC_SAVE_TYPELABEL);
    HWND type = CreateDialogItem(dialog, WC_COMBOBOX, u"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                                 gfx::Bounds(x, row, kWidth - x - 96, 160), IDC_SAVE_TYPE);
    for (const FileFilter& f : s.ofn->filters)
      SendMessage(type, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(f.name.c_str()));
    int index = std::clamp(s.ofn->nFilterIndex, 1, static_cast<int>(s.ofn->filters.size())) - 1;
    SendMessage(type, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
  CreateDialogItem(dialog, WC_BUTTON, u"&Save", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP,
                   gfx::Bounds(kWidth - 88, kNameRow, 80, kButtonHeight), IDOK);
  CreateDialogItem(dialog, WC_BUTTON, u"Cancel", BS_PUSHBUTTON | WS_TABSTOP,
                   gfx::Bounds(kWidth - 88, kNameRow + kRowStep, 80, kButtonHeight), IDCANCEL);
  SendMessage(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(name), TRUE);
}

LRESULT SaveProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  SaveState* s = StateOf(dialog);
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtr(dialog, DWLP_USER, lParam);
      s = reinterpret_cast<SaveState*>(lParam);
      Build(dialog, *s);
      Fill(dialog);
      return FALSE;
    case WM_MEASUREITEM: {
      auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (m->CtlID != IDC_SAVE_LIST) return FALSE;
      m->itemHeight = kItemHeight;
      return TRUE;
    }
    case WM_DRAWITEM: {
      auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (!s || d->CtlID != IDC_SAVE_LIST) return FALSE;
      DrawEntry(dialog, *d);
      return TRUE;
    }
    case WM_COMMAND: {
      if (!s) return FALSE;
      int id = LOWORD(wParam), code = HIWORD(wParam);
      switch (id) {
        case IDOK: OnSave(dialog); return TRUE;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
        case IDC_SAVE_UP:
          if (code == BN_CLICKED) GoTo(dialog, ParentFolder(s->folder));
          return TRUE;
        case IDC_SAVE_FOLDER:
          if (code == CBN_SELCHANGE) {
            std::vector<std::u16string> chain = FolderChain(s->folder);
            LRESULT i = SendDlgItemMessage(dialog, IDC_SAVE_FOLDER, CB_GETCURSEL, 0, 0);
            if (i >= 0 && i < static_cast<LRESULT>(chain.size())) GoTo(dialog, chain[static_cast<std::size_t>(i)]);
          }
          return TRUE;
        case IDC_SAVE_TYPE:
          if (code == CBN_SELCHANGE) {
            s->typedPattern.clear();
            Fill(dialog);
          }
          return TRUE;
        case IDC_SAVE_LIST: {
          const FolderEntry* e = Selected(dialog);
          if (!e) return TRUE;
          if (code == LBN_SELCHANGE && !e->folder) SetDlgItemText(dialog, IDC_SAVE_NAME, e->name);
          if (code == LBN_DBLCLK) {
            if (e->folder) {
              GoTo(dialog, ResolvePath(s->folder, e->name));
            } else {
              SetDlgItemText(dialog, IDC_SAVE_NAME, e->name);
              OnSave(dialog);
            }
          }
          return TRUE;
        }
        default: return FALSE;
      }
    }
    default: return FALSE;
  }
}

}  // namespace

bool GetSaveFileName(OPENFILENAME* ofn) {
  if (!ofn) return false;
  SaveState state;
  state.ofn = ofn;
  state.typeBox = !ofn->filters.empty();
  // The starting folder: the one asked for, else the initial name's, else the current one.
  std::u16string start = ofn->initialDir;
  if (start.empty() || !IsFolder(start)) {
    std::u16string fromName =
        ofn->file.empty() ? std::u16string() : ParentFolder(ResolvePath(CurrentFolder(), ofn->file));
    start = !ofn->file.empty() && ofn->file.find(u'/') != std::u16string::npos && IsFolder(fromName) ? fromName
                                                                                                     : CurrentFolder();
  }
  state.folder = ResolvePath(start, u".");
  RECT outer{0, 0, kWidth, kClientHeight};
  AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
  HWND owner = ofn->hwndOwner ? GetAncestor(ofn->hwndOwner, GA_ROOT) : nullptr;
  DialogParams params;
  params.owner = owner;
  params.title = ofn->title.empty() ? u"Save As" : ofn->title;
  params.style = kStyle;
  params.exStyle = kExStyle;
  params.rect = CentredOn(owner, {outer.Width(), outer.Height()});
  params.proc = &SaveProc;
  params.param = reinterpret_cast<LPARAM>(&state);
  return DialogBox(params) == IDOK;
}

}  // namespace ctl
