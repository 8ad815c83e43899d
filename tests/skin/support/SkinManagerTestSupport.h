#pragma once
// Helpers for the skin manager tests: a fresh headless window system and application per
// test, a form class whose stored description carries a manager, and that description
// with the stored Emberfield package as its internal skin.
#include <gtest/gtest.h>

#include <string>

#include "platform/forms/Application.h"
#include "platform/forms/ClassBuilder.h"
#include "platform/forms/Filer.h"
#include "platform/forms/Forms.h"
#include "platform/win/Headless.h"
#include "skin/data/acSkinMessages.h"
#include "skin/data/sSkinManager.h"
#include "tests/skin/support/SkinLoaderTestSupport.h"

namespace skin::test {

// A form that carries a skin manager in its description.
class TManagerTestForm : public forms::TForm {
  FORMS_CLASS(TManagerTestForm)
 public:
  using forms::TForm::TForm;
  TsSkinManager* sSkinManager1 = nullptr;
};

// The hexadecimal text of bytes, in lines as descriptions write binary values.
inline std::string HexLines(const TacBytes& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i % 32 == 0) out += "\n      ";
    out += digits[bytes[i] >> 4];
    out += digits[bytes[i] & 15];
  }
  return out;
}

// The program's manager settings around an internal skin made of package; extra lines
// go into the manager's object before the skin name.
inline std::string ManagerDescription(const TacBytes& package, const std::string& extra = "",
                                      const std::string& skinName = "Emberfield (internal)") {
  std::string text =
      "object ManagerTestForm: TManagerTestForm\n"
      "  Caption = 'Manager'\n"
      "  ClientHeight = 120\n"
      "  ClientWidth = 200\n"
      "  object sSkinManager1: TsSkinManager\n"
      "    ButtonsOptions.OldGlyphsMode = True\n"
      "    InternalSkins = <\n"
      "      item\n"
      "        Name = 'Emberfield (internal)'\n"
      "        Version = 14.01\n"
      "        Author = 'Pellomir team'\n"
      "        Data = {" +
      HexLines(package) +
      "}\n"
      "        OriginName = 'Emberfield.asz'\n"
      "      end>\n"
      "    SkinDirectory = 'c:\\Skins'\n" +
      extra + "    SkinName = '" + skinName +
      "'\n"
      "    SkinInfo = '14.01'\n"
      "    ThirdParty.ThirdEdits = ' '#13#10\n"
      "    ThirdParty.ThirdButtons = 'TButton'#13#10\n"
      "  end\n"
      "end\n";
  return text;
}

class ManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win::headless::Start();
    forms::TApplicationRef::Reset();
    SkinEngineStartup({});
    forms::RegisterClass(TManagerTestForm::StaticClass());
    DefaultSkinMessages().Clear();
  }
  void TearDown() override {
    forms::TApplicationRef::Reset();
    EXPECT_EQ(DefaultManager(), nullptr) << "a manager outlived its form";
    SkinEngineShutdown();
  }
  // Makes the test form from a description.
  TManagerTestForm* MakeForm(const std::string& description) {
    forms::RegisterDescription(u"ManagerTest.form", description);
    TManagerTestForm* f = nullptr;
    forms::Application->CreateForm(f);
    return f;
  }
  TsSkinManager* MakeProgramManager() {
    TManagerTestForm* f = MakeForm(ManagerDescription(StoredEmberfield()));
    EXPECT_NE(f->sSkinManager1, nullptr);
    return f->sSkinManager1;
  }
};

}  // namespace skin::test
