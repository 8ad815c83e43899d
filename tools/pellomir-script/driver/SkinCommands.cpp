#include "tools/pellomir-script/driver/SkinCommands.h"

#include <memory>

#include "platform/forms/Application.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "skin/data/acFolderPreview.h"
#include "skin/data/sSkinManager.h"
#include "tools/pellomir-script/driver/ScriptParser.h"

namespace script {

namespace {

// Posted to the application window to switch the skin from the program's own loop.
constexpr win::UINT kSwitchSkinMessage = win::WM_APP + 0x5C1;
// Identifies the driver's hook on the application window.
constexpr char kSwitchHookId = 0;

}  // namespace

void SendFolderPreview(const std::string& folder, int line) {
  std::string error;
  const std::unique_ptr<skin::TacFolderPreview> preview = skin::BuildFolderPreview(folder, error);
  if (!preview) throw ScriptError(line, "cannot send the preview: " + error);
  if (forms::Application->Handle() == nullptr) throw ScriptError(line, "the program has no application window");
  win::COPYDATASTRUCT cds{};
  cds.cbData = static_cast<win::DWORD>(preview->Buffer.size());
  cds.lpData = preview->Buffer.data();
  const win::LRESULT taken = win::SendMessage(forms::Application->Handle(), win::WM_COPYDATA, skin::acPreviewSender,
                                              reinterpret_cast<win::LPARAM>(&cds));
  if (taken == 0) throw ScriptError(line, "the program did not take the preview");
}

void SwitchSkin(bool on, int line) {
  if (skin::DefaultManager() == nullptr) throw ScriptError(line, "the program has no skin manager");
  // The hook runs once and removes itself; the manager may be gone by then (the program
  // closing).
  forms::Application->HookMainWindow(
      [](forms::TMessage& m) {
        if (m.Msg != kSwitchSkinMessage) return false;
        forms::Application->UnhookMainWindow(&kSwitchHookId);
        if (skin::TsSkinManager* manager = skin::DefaultManager()) manager->SetActive(m.WParam != 0);
        return true;
      },
      &kSwitchHookId);
  win::PostMessage(forms::Application->Handle(), kSwitchSkinMessage, on ? 1 : 0, 0);
}

}  // namespace script
