#pragma once
// The script commands that change the running program's skin: `preview FOLDER` hands the
// application window a skin editor's live preview of a folder, `skin on` / `skin off` set
// the default skin manager's Active. Each only starts the change; the runner then lets the
// program handle it until the program is idle again (a skin message box it shows is then
// up and takes the next commands).
#include <string>

namespace script {

// Builds the folder's preview buffer (the one tools/skinsend sends) and delivers it as the
// copy-data message to the application window. Throws ScriptError when the folder cannot
// be sent or the program does not take it.
void SendFolderPreview(const std::string& folder, int line);

// Sets Active of the default manager from the program's own loop (so a box the change
// shows runs its loop as the program's, not inside the driver). Throws ScriptError
// without a manager.
void SwitchSkin(bool on, int line);

}  // namespace script
