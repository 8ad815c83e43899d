#pragma once
// The system icons the window system does not draw itself (error, warning, information
// and question, 32 x 32) and the small pictures of the standard dialogs (16 x 16), as
// window system icons: measure them with win::GetIconSize, draw them with DrawIcon or
// win::DrawIconEx. They belong to the running window system and are made once per run.
#include "platform/win/Types.h"

namespace ctl {

using HICON = win::HICON;

constexpr int IDI_HAND = 32513;
constexpr int IDI_ERROR = IDI_HAND;
constexpr int IDI_QUESTION = 32514;
constexpr int IDI_EXCLAMATION = 32515;
constexpr int IDI_WARNING = IDI_EXCLAMATION;
constexpr int IDI_ASTERISK = 32516;
constexpr int IDI_INFORMATION = IDI_ASTERISK;
// Small pictures of this layer (16 x 16).
constexpr int IDI_SMALL_FOLDER = 0x7E01;
constexpr int IDI_SMALL_DOCUMENT = 0x7E02;
constexpr int IDI_SMALL_UPFOLDER = 0x7E03;

// The icon of an IDI_ value above, or of win::IDI_APPLICATION (the instance is not
// used); null for an unknown one.
HICON LoadIcon(win::HINSTANCE instance, int id);
// The IDI_ value of an icon LoadIcon gave, 0 for any other.
int StandardIconId(HICON icon);
// Draws the icon in its own size with its top-left corner at (x, y).
bool DrawIcon(win::HDC dc, int x, int y, HICON icon);

}  // namespace ctl
