#pragma once
// The live preview of a skin folder, as a skin author sends it: the preview buffer with
// the folder's name as the skin name, its parent as the skin directory and the text of its
// Options.dat (found ignoring letter case) as the options text. Shared by the sender tool
// and the script driver, so both hand the program the same bytes.
#include <memory>
#include <string>

#include "skin/data/acSkinPreview.h"

namespace skin {

struct TacFolderPreview {
  TacPreviewData Data;
  TacPreviewBuffer Buffer{};
};

// The largest Options.dat read (far above what the buffer holds, so that a longer text is
// refused for its length, not cut).
inline constexpr std::uint64_t acFolderOptionsMaxFile = 1u << 20;

// Builds the preview of the folder (a path in the native encoding, UTF-8). No value, and a
// readable reason in `error`, when the folder is missing, holds no readable Options.dat,
// or a field does not fit the buffer.
std::unique_ptr<TacFolderPreview> BuildFolderPreview(const std::string& folder, std::string& error);

}  // namespace skin
