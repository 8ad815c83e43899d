#include "tools/pellomir-script/driver/SkinState.h"

#include "platform/base/Unicode.h"
#include "skin/data/sSkinManager.h"
#include "tools/pellomir-script/driver/Escaping.h"

namespace script {

std::string SkinStateLine() {
  const skin::TsSkinManager* m = skin::DefaultManager();
  if (m == nullptr) return "SKIN -";
  auto quoted = [](const std::u16string& s) { return "\"" + EscapeText(s, EscapeQuotes::Yes) + "\""; };
  const std::u16string name = m->Name().empty() ? u"-" : m->Name();
  return "SKIN " + EscapeText(name) + " active=" + (m->IsActive() ? "1" : "0") + " info=" + EscapeText(m->SkinInfo()) +
         " skin=" + quoted(m->SkinName()) + " path=" + quoted(m->SkinCommonInfo.SkinPath) +
         " directory=" + quoted(m->SkinDirectory());
}

}  // namespace script
