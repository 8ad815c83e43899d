#include "platform/forms/Dialogs.h"

#include <algorithm>

#include "platform/ctl/Icons.h"
#include "platform/forms/TypInfo.h"
#include "platform/gfx/TextLayout.h"
#include "platform/win/IconApi.h"
#include "platform/ctl/SaveDialog.h"
#include "platform/forms/Application.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/SysUtils.h"
#include "platform/gfx/Surface.h"
#include "platform/win/ClipboardApi.h"
#include "platform/win/InputApi.h"
#include "platform/win/Keys.h"
#include "platform/win/WindowApi.h"

namespace forms {

const TEnumInfo& OpenOptionInfo() {
  static const TEnumInfo i{
      u"TOpenOption",
      {u"ofReadOnly",         u"ofOverwritePrompt",    u"ofHideReadOnly",        u"ofNoChangeDir",
       u"ofShowHelp",         u"ofNoValidate",         u"ofAllowMultiSelect",    u"ofExtensionDifferent",
       u"ofPathMustExist",    u"ofFileMustExist",      u"ofCreatePrompt",        u"ofShareAware",
       u"ofNoReadOnlyReturn", u"ofNoTestFileCreate",   u"ofNoNetworkButton",     u"ofNoLongNames",
       u"ofOldStyleDialog",   u"ofNoDereferenceLinks", u"ofEnableIncludeNotify", u"ofEnableSizing",
       u"ofDontAddToRecent",  u"ofForceShowHidden"}};
  return i;
}

namespace {

struct ButtonInfo {
  const char16_t* name;
  const char16_t* caption;
  TModalResult result;
};

const ButtonInfo kButtons[] = {{u"Yes", u"&Yes", mrYes},
                               {u"No", u"&No", mrNo},
                               {u"OK", u"OK", mrOk},
                               {u"Cancel", u"Cancel", mrCancel},
                               {u"Abort", u"&Abort", mrAbort},
                               {u"Retry", u"&Retry", mrRetry},
                               {u"Ignore", u"&Ignore", mrIgnore},
                               {u"All", u"&All", mrAll},
                               {u"NoToAll", u"N&o to All", mrNoToAll},
                               {u"YesToAll", u"Yes to &All", mrYesToAll},
                               {u"Help", u"&Help", mrNone},
                               {u"Close", u"&Close", mrClose}};

const char16_t* Caption(TMsgDlgType t) {
  switch (t) {
    case TMsgDlgType::mtWarning: return u"Warning";
    case TMsgDlgType::mtError: return u"Error";
    case TMsgDlgType::mtInformation: return u"Information";
    case TMsgDlgType::mtConfirmation: return u"Confirm";
    default: return nullptr;
  }
}

int IconOf(TMsgDlgType t) {
  switch (t) {
    case TMsgDlgType::mtWarning: return ctl::IDI_WARNING;
    case TMsgDlgType::mtError: return ctl::IDI_ERROR;
    case TMsgDlgType::mtInformation: return ctl::IDI_INFORMATION;
    case TMsgDlgType::mtConfirmation: return ctl::IDI_QUESTION;
    default: return 0;
  }
}

// The system icon as a picture: premultiplied 32-bit pixels.
// The icon drawn at size x size pixels.
std::unique_ptr<TBitmap> IconPicture(int id, int size) {
  ctl::HICON icon = ctl::LoadIcon(nullptr, id);
  if (!icon) return nullptr;
  auto b = std::make_unique<TBitmap>(size, size);
  win::DrawIconEx(&b->Surface(), 0, 0, icon, size, size);
  b->SetPixelFormat(TPixelFormat::pf32bit);
  b->SetAlphaFormat(TAlphaFormat::afPremultiplied);
  return b;
}

}  // namespace

TMessageForm::TMessageForm(TComponent* owner) : TForm(owner, TCreateNew{}) {
  // The box's font and sizes follow the screen's density (11 pixels at 96 dots per inch).
  Font()->SetName(u"Tahoma");
  Font()->SetHeight(MulDiv(-11, Screen->PixelsPerInch(), 96));
}

void TMessageForm::Dispatch(TMessage& m) {
  // Ctrl+C copies the box as text.
  if (m.Msg == CM_DIALOGCHAR || (m.Msg == win::WM_CHAR && m.WParam == 3)) {
    if (m.WParam == 3 && win::GetKeyState(win::VK_CONTROL) < 0) {
      std::u16string line = u"---------------------------\r\n";
      std::u16string text = line + GetText() + u"\r\n" + line;
      std::u16string buttons;
      for (int i = 0; i < ComponentCount(); ++i) {
        TComponent* c = Components(i);
        if (auto* l = dynamic_cast<TLabel*>(c)) text += l->Caption() + u"\r\n" + line;
        else if (auto* b = dynamic_cast<TButton*>(c)) buttons += StripHotkey(b->Caption()) + u"   ";
      }
      text += buttons + u"\r\n" + line;
      if (win::OpenClipboard(Handle())) {
        win::EmptyClipboard();
        win::SetClipboardText(text);
        win::CloseClipboard();
      }
      m.Result = 1;
      return;
    }
  }
  TForm::Dispatch(m);
}

TMessageForm* CreateMessageDialog(const std::u16string& msg, TMsgDlgType type, TMsgDlgButtons buttons) {
  auto* f = New<TMessageForm>(Application.Get());
  try {
    f->SetBorderStyle(TFormBorderStyle::bsDialog);
    f->SetPosition(TPosition::poScreenCenter);
    // Sizes in dialog units of the box's font.
    TSize avg = MeasureText(*f->Font(), u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    TSize du{avg.cx / 52, avg.cy};
    int hMargin = MulDiv(8, du.cx, 4), vMargin = MulDiv(8, du.cy, 8);
    int hSpacing = MulDiv(10, du.cx, 4), vSpacing = MulDiv(10, du.cy, 8);
    int buttonWidth = MulDiv(50, du.cx, 4), buttonHeight = MulDiv(14, du.cy, 8);
    int buttonSpacing = MulDiv(4, du.cx, 4);
    int count = 0;
    for (int i = 0; i < 12; ++i)
      if (buttons.Contains(static_cast<TMsgDlgBtn>(i))) {
        ++count;
        buttonWidth = std::max(buttonWidth, MeasureText(*f->Font(), StripHotkey(kButtons[i].caption)).cx + 8);
      }
    // The text wraps at half the screen's width.
    gfx::Surface measure;
    measure.SetFont(f->Font()->GfxFont());
    TRect textRect{0, 0, Screen->Width() / 2, 0};
    if (!msg.empty()) measure.DrawText(msg, textRect, gfx::DT_EXPANDTABS | gfx::DT_CALCRECT | gfx::DT_WORDBREAK);
    else textRect = {0, 0, 0, 0};
    int iconId = IconOf(type);
    const int iconSize = MulDiv(32, Screen->PixelsPerInch(), 96);
    int iconTextWidth = textRect.Right, iconTextHeight = textRect.Bottom;
    if (iconId) {
      iconTextWidth += iconSize + hSpacing;
      iconTextHeight = std::max(iconTextHeight, iconSize);
    }
    int groupWidth = count ? buttonWidth * count + buttonSpacing * (count - 1) : 0;
    f->SetClientWidth(std::max(iconTextWidth, groupWidth) + hMargin * 2);
    f->SetClientHeight(iconTextHeight + buttonHeight + vSpacing + vMargin * 2);
    const char16_t* caption = Caption(type);
    f->SetCaption(caption ? caption : Application->Title());
    if (iconId) {
      auto* image = New<TImage>(f);
      image->SetName(u"Image");
      image->SetParent(f);
      if (std::unique_ptr<TBitmap> pic = IconPicture(iconId, iconSize)) image->Picture()->SetGraphic(pic.get());
      image->SetBounds(hMargin, vMargin, iconSize, iconSize);
    }
    auto* label = New<TLabel>(f);
    label->SetName(u"Message");
    label->SetParent(f);
    label->SetWordWrap(true);
    label->SetCaption(msg);
    label->SetBounds(iconTextWidth - textRect.Right + hMargin, vMargin, textRect.Right, textRect.Bottom);
    TMsgDlgBtn def = buttons.Contains(TMsgDlgBtn::mbOK)    ? TMsgDlgBtn::mbOK
                     : buttons.Contains(TMsgDlgBtn::mbYes) ? TMsgDlgBtn::mbYes
                                                           : TMsgDlgBtn::mbRetry;
    TMsgDlgBtn cancel = buttons.Contains(TMsgDlgBtn::mbCancel) ? TMsgDlgBtn::mbCancel
                        : buttons.Contains(TMsgDlgBtn::mbNo)   ? TMsgDlgBtn::mbNo
                                                               : TMsgDlgBtn::mbOK;
    int x = (f->ClientWidth() - groupWidth) / 2;
    for (int i = 0; i < 12; ++i) {
      auto b = static_cast<TMsgDlgBtn>(i);
      if (!buttons.Contains(b)) continue;
      auto* button = New<TButton>(f);
      button->SetName(kButtons[i].name);
      button->SetParent(f);
      button->SetCaption(kButtons[i].caption);
      button->SetModalResult(kButtons[i].result);
      if (b == def) {
        button->SetDefault(true);
        f->SetActiveControl(button);
      }
      if (b == cancel) button->SetCancel(true);
      button->SetBounds(x, iconTextHeight + vMargin + vSpacing, buttonWidth, buttonHeight);
      x += buttonWidth + buttonSpacing;
    }
  } catch (...) {
    f->Free();
    throw;
  }
  return f;
}

int MessageDlg(const std::u16string& msg, TMsgDlgType type, TMsgDlgButtons buttons, int) {
  TMessageForm* f = CreateMessageDialog(msg, type, buttons);
  int result;
  try {
    result = f->ShowModal();
  } catch (...) {
    f->Free();
    throw;
  }
  f->Free();
  return result;
}

void ShowMessage(const std::u16string& msg) { MessageDlg(msg, TMsgDlgType::mtCustom, {TMsgDlgBtn::mbOK}); }

// --- TSaveDialog --------------------------------------------------------------------------------

TOpenDialog::TOpenDialog(TComponent* owner) : TCommonDialog(owner) {}

bool TSaveDialog::Execute() {
  ctl::OPENFILENAME ofn;
  if (TCustomForm* f = Screen->ActiveForm(); f && f->HandleAllocated()) ofn.hwndOwner = f->Handle();
  else ofn.hwndOwner = Application->MainFormHandle();
  // "name|pattern|name|pattern"
  std::vector<std::u16string> parts;
  for (std::size_t start = 0; start <= filter_.size() && !filter_.empty();) {
    std::size_t bar = filter_.find(u'|', start);
    parts.push_back(filter_.substr(start, bar == std::u16string::npos ? std::u16string::npos : bar - start));
    if (bar == std::u16string::npos) break;
    start = bar + 1;
  }
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) ofn.filters.push_back({parts[i], parts[i + 1]});
  ofn.nFilterIndex = filterIndex_;
  ofn.file = fileName_;
  ofn.initialDir = initialDir_;
  ofn.title = title_;
  ofn.defExt = defaultExt_;
  if (options_.Contains(TOpenOption::ofOverwritePrompt)) ofn.flags |= ctl::OFN_OVERWRITEPROMPT;
  if (options_.Contains(TOpenOption::ofHideReadOnly)) ofn.flags |= ctl::OFN_HIDEREADONLY;
  if (options_.Contains(TOpenOption::ofNoChangeDir)) ofn.flags |= ctl::OFN_NOCHANGEDIR;
  if (options_.Contains(TOpenOption::ofPathMustExist)) ofn.flags |= ctl::OFN_PATHMUSTEXIST;
  if (OnShow) OnShow(this);
  bool ok = RunTaskModal([&] { return ctl::GetSaveFileName(&ofn); });
  if (OnClose) OnClose(this);
  if (ok) {
    fileName_ = ofn.file;
    filterIndex_ = ofn.nFilterIndex;
  }
  return ok;
}

}  // namespace forms
