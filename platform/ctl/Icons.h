#pragma once
// The system icons (error, warning, information, question, 32 x 32) and the small
// pictures of the standard dialogs (16 x 16), drawn with the drawing layer at any
// position. An HICON names one of them; there are no icon resources to load.
#include "platform/win/Types.h"

struct HICON__;

namespace ctl {

using HICON = HICON__*;

constexpr int IDI_APPLICATION = 32512;
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

// The icon of an IDI_ value (the instance is ignored); null for an unknown one.
HICON LoadIcon(win::HINSTANCE instance, int id);
// The IDI_ value of an icon, 0 for none.
int IconId(HICON icon);
// The icon's size in pixels.
win::SIZE IconSize(HICON icon);
// Draws the icon with its top-left corner at (x, y); false for a null icon.
bool DrawIcon(win::HDC dc, int x, int y, HICON icon);

}  // namespace ctl
