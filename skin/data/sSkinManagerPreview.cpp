// TsSkinManager: the messages of the application window a default manager sees first,
// the live preview of a skin editor among them.
#include <algorithm>
#include <cstring>

#include "platform/base/Unicode.h"
#include "platform/forms/Application.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "skin/data/acPreviewSocket.h"
#include "skin/data/acSkinCommands.h"
#include "skin/data/sSkinManager.h"

namespace skin {

bool TsSkinManager::AppWindowHook(forms::TMessage& m) {
  if (m.Msg == win::WM_COPYDATA) {
    if (m.Result != 0 || copyingPreview_) return true;
    copyingPreview_ = true;
    const auto* cds = reinterpret_cast<const win::COPYDATASTRUCT*>(m.LParam);
    if (cds != nullptr && m.WParam == acPreviewSender && cds->lpData != nullptr) {
      const std::span<const std::uint8_t> data(static_cast<const std::uint8_t*>(cds->lpData), cds->cbData);
      // A block shorter than the buffer is taken as far as it goes; the rest reads as zeros.
      if (HasPreviewMagic(data)) {
        previewBuffer_->fill(0);
        std::copy_n(data.begin(), std::min(data.size(), previewBuffer_->size()), previewBuffer_->begin());
        win::PostMessage(forms::Application->Handle(), SkinCmdMessage, SkinCmdWParam(scApplyPreview), 0);
        m.Result = 1;
      }
    }
    copyingPreview_ = false;
    return true;
  }
  if (m.Msg == acPreviewSocketMessage) {
    if (listener_) listener_->Poll();
    return true;
  }
  if (m.Msg == SkinCmdMessage && SkinCmdOf(m.WParam) == scApplyPreview) {
    ApplyPreview();
    return true;
  }
  return false;
}

void TsSkinManager::ApplyPreview() {
  const std::optional<TacPreviewData> data = ReadPreviewBuffer(*previewBuffer_, base::SystemCodePage());
  if (!data) return;
  BeginUpdate();
  Settings.PreviewOptions = data->Options;
  struct DropPreview {
    TsSkinManager& m;
    ~DropPreview() {
      m.Settings.PreviewOptions.reset();
      // An error of the skin change must not leave the manager without updates.
      m.NoAutoUpdate = false;
    }
  } drop{*this};
  SetSkinDirectory(data->SkinDirectory);
  SetSkinName(data->SkinName);
  EndUpdate(true, false);
}

std::string TsSkinManager::PreviewSocketPath() const { return listener_ ? listener_->Path() : std::string(); }

}  // namespace skin
