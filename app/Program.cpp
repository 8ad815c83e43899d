// Start-up and shutdown of the program: registration of the classes and descriptions the
// windows are made from, the application object, the two forms, the message loop, and
// freeing everything again so that the window system is left as it was found.
#include "app/Program.h"

#include <cstdio>

#include "RegisterAppDescriptions.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/XMLDocComponent.h"
#include "platform/base/TextCase.h"
#include "platform/base/Unicode.h"
#include "platform/forms/Application.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/TypInfo.h"
#include "skin/controls/ControlClasses.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sMemo.h"
#include "skin/data/acSkinMessageBoxes.h"
#include "skin/data/sSkinManager.h"
#include "skin/windows/acDials.h"
#include "skin/windows/sDialogs.h"

namespace app {

namespace {

std::vector<std::string> g_params;

// The classes the descriptions name, and the descriptions themselves (once per process;
// registering again is harmless but needless).
void RegisterProgramClasses() {
  static const bool once = [] {
    forms::RegisterClasses({&TForm1::StaticClass(), &TForm2::StaticClass(), &TXMLDocument::StaticClass(),
                            &forms::TGroupBox::StaticClass(), &forms::TBitBtn::StaticClass(),
                            &forms::TButton::StaticClass(), &forms::TEdit::StaticClass(), &forms::TMemo::StaticClass(),
                            &forms::TImage::StaticClass(), &forms::TPanel::StaticClass(), &forms::TLabel::StaticClass(),
                            &forms::TSaveDialog::StaticClass(), &skin::TsGroupBox::StaticClass(),
                            &skin::TsBitBtn::StaticClass(), &skin::TsButton::StaticClass(),
                            &skin::TsEdit::StaticClass(), &skin::TsMemo::StaticClass()});
    forms::RegisterClass(skin::TsSaveDialog::StaticClass());
    skin::RegisterPanelImageLabelClasses();
    RegisterAppDescriptions();
    return true;
  }();
  (void)once;
}

}  // namespace

const std::vector<std::string>& ProgramParams() { return g_params; }

std::u16string ProgramTitle(const std::string& exePath) {
  std::u16string title = forms::TitleFromExeName(base::Utf8ToUtf16(exePath));
  if (!title.empty()) title[0] = base::ToUpperUi(title[0]);
  return title;
}

void StartProgram(const std::string& exePath, const std::vector<std::string>& params) {
  RegisterProgramClasses();
  g_params = params;
  // The skin engine's process start (its classes, "/acver", "/acpreview"); its boxes are
  // the framework's message boxes while the program runs.
  static skin::TacFormsMessageSink skinBoxes;
  skin::SetSkinMessageSink(&skinBoxes);
  std::vector<std::u16string> params16;
  for (const std::string& p : params) params16.push_back(base::Utf8ToUtf16(p));
  skin::SkinEngineStartup(params16);
  // Every form the program activates (its two windows and its message boxes) gets the
  // skin's frame, title band and background from here on.
  skin::InitWindowSkinning();
  forms::Application->SetExeName(base::Utf8ToUtf16(exePath));
  forms::Application->SetTitle(ProgramTitle(exePath));
  forms::Application->Initialize();
  forms::Application->SetMainFormOnTaskBar(true);
  forms::Application->CreateForm(Form1);
  forms::Application->CreateForm(Form2);
}

void EndProgram() {
  forms::TApplicationRef::Reset();
  Form1 = nullptr;
  Form2 = nullptr;
  g_params.clear();
  skin::SkinEngineShutdown();
}

int RunProgram(const std::string& exePath, const std::vector<std::string>& params) {
  struct Scope {
    ~Scope() { EndProgram(); }
  } scope;
  try {
    StartProgram(exePath, params);
  } catch (const std::exception& e) {
    // The windows come from descriptions built into the program: failing here is a fault
    // of the build, reported where a developer looks.
    std::fprintf(stderr, "pellomir: the program could not start: %s\n", e.what());
    return 1;
  }
  forms::Application->Run();
  return 0;
}

}  // namespace app
