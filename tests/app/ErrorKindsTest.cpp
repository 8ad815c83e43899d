// The error kinds the layers share are one type each: a handler written against one
// layer's name catches what another layer raised.
#include <gtest/gtest.h>

#include <type_traits>

#include "app/ListFile.h"
#include "platform/forms/Filer.h"
#include "platform/forms/Strings.h"
#include "skin/data/acFiles.h"
#include "skin/data/acSkinErrors.h"
#include "skin/data/sStoredSkins.h"

namespace {

TEST(SharedErrorKinds, ListErrorsOfTheSkinAndTheFrameworkCatchAlike) {
  skin::TsStoredSkins skins;
  EXPECT_THROW(skins.Delete(3), forms::EListError);
  forms::TStringList lines;
  EXPECT_THROW(lines.Delete(0), skin::EListError);
}

TEST(SharedErrorKinds, FileErrorsOfTheProgramAndTheSkinCatchAlike) {
  EXPECT_THROW(app::WriteNewFile(u"/no-such-folder-here/list.txt", "x"), skin::EFCreateError);
  try {
    skin::WriteWholeFile(u"c:\\Skins\\x.asz", {});
    ADD_FAILURE() << "no error";
  } catch (const app::EFCreateError& e) {
    EXPECT_EQ(e.Message(), u"Cannot create file \"c:\\Skins\\x.asz\". Invalid path");
  }
}

TEST(SharedErrorKinds, ReadErrorsOfTheSkinAndTheFrameworkCatchAlike) {
  static_assert(std::is_same_v<skin::EReadError, forms::EReadError>);
  EXPECT_THROW(skin::ReadWholeFile(u"/proc/self/exe", 1), forms::EReadError);
}

}  // namespace
