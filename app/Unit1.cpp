#include "app/Unit1.h"

#include "app/ListFile.h"
#include "app/Unit2.h"
#include "app/XMLDocComponent.h"
#include "platform/base/NumberText.h"
#include "platform/base/Unicode.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/StdCtrls.h"
#include "platform/xml/DOMDocument.h"
#include "platform/xml/XMLHTTP.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sMemo.h"

namespace app {

TForm1* Form1 = nullptr;

namespace {

// The fetched text held no XML document, so there is no root element to list from.
class ENoSitemap : public base::Exception {
 public:
  explicit ENoSitemap(std::u16string message) : Exception("ENoSitemap", std::move(message)) {}
};

// Says in plain words why nothing can be listed, from what the server sent.
std::u16string NoSitemapMessage(const xml::XMLHTTP& request) {
  const long status = request.status();
  std::u16string answer = u"The server";
  if (status < 200 || status > 299) {
    answer += u" answered " + base::IntToText(status);
    if (std::u16string text = request.statusText(); !text.empty()) answer += u" " + text;
    answer += u" and";
  }
  if (request.responseBody().empty()) return answer + u" sent an empty page: there is no sitemap to list";
  return answer + u" sent a page that is not XML, so it holds no sitemap to list";
}

// Closes the list's batch update on every way out of the listing.
class ListUpdate {
 public:
  explicit ListUpdate(forms::TStrings* lines) : lines_(lines) { lines_->BeginUpdate(); }
  ~ListUpdate() { lines_->EndUpdate(); }
  ListUpdate(const ListUpdate&) = delete;
  ListUpdate& operator=(const ListUpdate&) = delete;

 private:
  forms::TStrings* lines_;
};

}  // namespace

std::u16string FoundCountCaption(int count) {
  return u" Полученный список URL. Найдено URL:   " + base::IntToText(count);
}

void TForm1::sBitBtn1Click(forms::TObject*) {
  const std::u16string address = sEdit1->Text();
  if (address.empty()) {
    forms::MessageDlg(u"", forms::TMsgDlgType::mtWarning, {forms::TMsgDlgBtn::mbOK});
    return;
  }
  forms::TStrings* lines = sMemo1->Lines();
  lines->Clear();

  xml::XMLHTTP request;
  request.open(u"GET", address, false);
  request.send();  // the window waits here until the whole answer has arrived
  std::shared_ptr<xml::DOMDocument> response = request.responseXML();

  try {
    XMLDocument1->LoadFromXML(response->xml());
  } catch (const base::Exception& e) {
    forms::ShowMessage(base::Utf8ToUtf16(e.ClassName()) + u"\r\n" + e.Message());
  }

  lines->Clear();
  ListUpdate update(lines);
  if (!XMLDocument1->DocumentElement()) throw ENoSitemap(NoSitemapMessage(request));
  const int count = XMLDocument1->DocumentElement().ChildNodes().Count();
  for (int i = 0; i < count; ++i) {
    xml::TXMLNode entry = XMLDocument1->DocumentElement().ChildNodes()[i];
    lines->Add(entry.ChildNodes()[u"loc"].Text());
  }
}

void TForm1::sMemo1Change(forms::TObject*) { sGroupBox2->SetCaption(FoundCountCaption(sMemo1->Lines()->Count())); }

void TForm1::sButton1Click(forms::TObject*) {
  if (!sSaveDialog1->Execute()) return;
  SaveListFile(sSaveDialog1->FileName() + u".txt", sMemo1->Lines()->Text());
}

void TForm1::sImage1Click(forms::TObject*) { Form2->ShowModal(); }

}  // namespace app
