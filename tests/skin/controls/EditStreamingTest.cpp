// The skinned edit and memo read from a stored window description and written back: their
// added properties, and the colour and font the skin supplies left out of the text.
#include <gtest/gtest.h>

#include <string>

#include "platform/forms/Filer.h"
#include "platform/win/MessageApi.h"
#include "skin/controls/acPadding.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sMemo.h"
#include "tests/skin/support/SkinManagerTestSupport.h"

namespace skin::test {

namespace {

// The program's manager, then an edit and a memo as the main window describes them.
std::string DescriptionWithEdits() {
  std::string text = ManagerDescription(StoredEmberfield());
  const std::string controls =
      "  object sEdit1: TsEdit\n"
      "    Left = 24\n"
      "    Top = 24\n"
      "    Width = 289\n"
      "    Height = 24\n"
      "    TabOrder = 1\n"
      "    TextHint = 'https://example.com/sitemap.xml'\n"
      "    Padding.Left = 3\n"
      "    VerticalAlignment = taVerticalCenter\n"
      "  end\n"
      "  object sMemo1: TsMemo\n"
      "    Left = 24\n"
      "    Top = 60\n"
      "    Width = 289\n"
      "    Height = 100\n"
      "    Font.Color = clBlack\n"
      "    ParentFont = False\n"
      "    ScrollBars = ssVertical\n"
      "    WordWrap = False\n"
      "    TabOrder = 0\n"
      "  end\n";
  // Before the form's closing line.
  text.insert(text.rfind("end\n"), controls);
  return text;
}

}  // namespace

class EditStreaming : public ManagerTest {};

TEST_F(EditStreaming, ReadFromADescriptionAndWrittenWithoutTheSkinsColours) {
  forms::RegisterClasses({&TsEdit::StaticClass(), &TsMemo::StaticClass()});
  TManagerTestForm* form = MakeForm(DescriptionWithEdits());
  auto* edit = dynamic_cast<TsEdit*>(form->FindComponent(u"sEdit1"));
  auto* memo = dynamic_cast<TsMemo*>(form->FindComponent(u"sMemo1"));
  ASSERT_TRUE(edit != nullptr && memo != nullptr);
  form->Show();
  win::RunUntilIdle();
  EXPECT_EQ(edit->TextHint(), u"https://example.com/sitemap.xml");
  EXPECT_EQ(edit->Padding()->Left(), 3);
  EXPECT_EQ(edit->VerticalAlignment(), forms::TVerticalAlignment::taVerticalCenter);
  EXPECT_TRUE(edit->SkinData()->Skinned());
  EXPECT_TRUE(memo->SkinData()->Skinned());
  EXPECT_NE(memo->Font()->Color(), forms::clBlack) << "the section's font colour replaces the stored one";

  const std::string written = forms::TWriter::WriteRootComponent(form);
  const std::size_t editAt = written.find("object sEdit1: TsEdit");
  const std::size_t memoAt = written.find("object sMemo1: TsMemo");
  ASSERT_TRUE(editAt != std::string::npos && memoAt != std::string::npos);
  const std::string editText = written.substr(editAt, memoAt - editAt);
  const std::string memoText = written.substr(memoAt);
  EXPECT_EQ(editText.find("Color ="), std::string::npos) << editText;
  EXPECT_NE(editText.find("Padding.Left = 3"), std::string::npos) << editText;
  EXPECT_NE(editText.find("VerticalAlignment = taVerticalCenter"), std::string::npos) << editText;
  EXPECT_EQ(memoText.find("Font.Color"), std::string::npos) << memoText;
  EXPECT_EQ(memoText.find("DisabledKind"), std::string::npos) << memoText;

  memo->SkinData()->SetCustomFont(true);
  EXPECT_NE(forms::TWriter::WriteRootComponent(form).find("Font.Color"), std::string::npos);
}

}  // namespace skin::test
