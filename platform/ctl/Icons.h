#pragma once
// The system icons the window system does not draw itself (error, warning, information
// and question, 32 x 32) and the small pictures of the standard dialogs (16 x 16), as
// window system icons (win::HICON): draw them with win::DrawIconEx, measure them with
// win::GetIconSize. They belong to the running window system and are made once per run.
#include "platform/win/Types.h"

namespace ctl {

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

// The icon of an IDI_ value above (win::IDI_APPLICATION too); null for an unknown one.
win::HICON LoadStandardIcon(int id);
// The IDI_ value of an icon LoadStandardIcon made, 0 for any other.
int StandardIconId(win::HICON icon);

}  // namespace ctl
