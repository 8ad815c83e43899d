#pragma once
// The save-file dialog: a modal dialog of class "#32770" built from standard controls,
// so that each child can be recognised by its class: the folder box ("ComboBox") with
// the current folder and its parents, an up-one-folder button ("Button"), the list of
// the folder's subfolders and files ("ListBox"; double-click opens a folder), the file
// name box ("Edit", focused at start), the file type box ("ComboBox", when filters are
// given) and the Save and Cancel buttons. Typing a folder path (absolute, or relative to
// the current folder) and pressing Enter goes there; typing a pattern such as "*.txt"
// filters the list. Paths are native (UTF-16 text of UTF-8 file names).
#include <string>
#include <vector>

#include "platform/win/Types.h"

namespace ctl {

constexpr win::DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr win::DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr win::DWORD OFN_NOCHANGEDIR = 0x00000008;
constexpr win::DWORD OFN_PATHMUSTEXIST = 0x00000800;

// Child ids, as the classic dialog numbers them.
constexpr int IDC_SAVE_FOLDERLABEL = 0x0443;
constexpr int IDC_SAVE_FOLDER = 0x0471;
constexpr int IDC_SAVE_UP = 0x04A0;
constexpr int IDC_SAVE_LIST = 0x0460;
constexpr int IDC_SAVE_NAMELABEL = 0x0442;
constexpr int IDC_SAVE_NAME = 0x0480;
constexpr int IDC_SAVE_TYPELABEL = 0x0441;
constexpr int IDC_SAVE_TYPE = 0x0470;

struct FileFilter {
  std::u16string name;     // "Text files (*.txt)"
  std::u16string pattern;  // "*.txt", several separated by ";"
};

struct OPENFILENAME {
  win::HWND hwndOwner = nullptr;
  std::vector<FileFilter> filters;  // empty: no file type box, every file listed
  int nFilterIndex = 1;             // 1-based; in and out
  std::u16string file;              // in: the initial name (or path); out: the chosen full path
  std::u16string initialDir;        // empty: the current folder
  std::u16string title;             // empty: "Save As"
  std::u16string defExt;            // appended (after ".") to a name without an extension
  win::DWORD flags = 0;
};

// Shows the dialog modally; true with ofn->file set to the chosen full path when the user
// saves, false when the user cancels.
bool GetSaveFileName(OPENFILENAME* ofn);

}  // namespace ctl
