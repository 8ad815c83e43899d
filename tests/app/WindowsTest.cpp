// The two windows as the user meets them: the main window's place, size, frame and focus
// at start; the info window opening modally over it, its links, its close button and the
// keys that do and do not close it.
#include "AppTestSupport.h"

#include "app/WebAddresses.h"
#include "platform/base/Unicode.h"
#include "platform/forms/Application.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/InputApi.h"
#include "platform/win/Keys.h"
#include "platform/win/MessageApi.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acImage.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sMemo.h"

namespace apptest {
namespace {

namespace hl = win::headless;

class Windows : public AppTest {
 protected:
  // Clicks the info picture; `whileOpen` runs once the info window is up, and must queue
  // input that closes it.
  void OpenInfo(std::function<void()> whileOpen) {
    WhenWaiting(std::move(whileOpen));
    hl::Click(At(f1->sImage1, 16, 16));
  }
};

TEST_F(Windows, TheMainWindowOpensAtTheTopLeftWithItsFixedSize) {
  win::RECT r;
  win::GetWindowRect(f1->Handle(), &r);
  EXPECT_EQ(r.Left, 0);
  EXPECT_EQ(r.Top, 0);
  EXPECT_EQ(r.Right - r.Left, 670);
  EXPECT_EQ(r.Bottom - r.Top, 585);
  EXPECT_EQ(f1->ClientWidth(), 654);
  EXPECT_EQ(f1->ClientHeight(), 546);
  EXPECT_EQ(f1->Caption(), u"Pellomir by Orvanta V1.0");
  EXPECT_EQ(forms::Application->Title(), u"Pellomir");
  EXPECT_EQ(f1->sMemo1->Width(), 650);
  EXPECT_EQ(f1->sMemo1->Height(), 372);
  EXPECT_EQ(f1->sGroupBox3->Top(), 457);
  EXPECT_FALSE(f2->Visible()) << "the info window waits hidden";
  EXPECT_EQ(forms::Screen->ActiveControl(), f1->sBitBtn1);
  // Resizing from the frame is held to the fixed size.
  f1->SetBounds(0, 0, 900, 700);
  win::GetWindowRect(f1->Handle(), &r);
  EXPECT_EQ(r.Right - r.Left, 670);
  EXPECT_EQ(r.Bottom - r.Top, 585);
}

TEST_F(Windows, TabGoesThroughTheControlsInTheirOrder) {
  std::vector<forms::TWinControl*> seen;
  for (int i = 0; i < 4; ++i) {
    seen.push_back(forms::Screen->ActiveControl());
    hl::KeyPress(win::VK_TAB);
  }
  EXPECT_EQ(seen, (std::vector<forms::TWinControl*>{f1->sBitBtn1, f1->sEdit1, f1->sButton1, f1->sMemo1}));
}

TEST_F(Windows, EnterInTheAddressBoxDoesNothing) {
  f1->sEdit1->SetFocus();
  f1->sEdit1->SetText(u"http://127.0.0.1:1/never");
  hl::KeyPress(win::VK_RETURN);
  EXPECT_EQ(f1->sMemo1->Text(), u"");
  EXPECT_EQ(forms::Screen->ActiveForm(), f1);
}

TEST_F(Windows, TheInfoWindowOpensModallyOverTheMainWindowAndEnterClosesIt) {
  bool checked = false;
  OpenInfo([&] {
    checked = true;
    EXPECT_TRUE(f2->Visible());
    EXPECT_EQ(forms::Screen->ActiveForm(), f2);
    EXPECT_FALSE(win::IsWindowEnabled(f1->Handle())) << "the main window takes no input meanwhile";
    EXPECT_EQ(forms::Screen->ActiveControl(), f2->sBitBtn1);
    EXPECT_EQ(f2->sBitBtn1->Caption(), u"&Close");
    win::RECT a, b;
    win::GetWindowRect(f1->Handle(), &a);
    win::GetWindowRect(f2->Handle(), &b);
    EXPECT_NEAR((a.Left + a.Right) / 2, (b.Left + b.Right) / 2, 1) << "centred over the main window";
    EXPECT_NEAR((a.Top + a.Bottom) / 2, (b.Top + b.Bottom) / 2, 1);
    EXPECT_EQ(f2->ClientWidth(), 461);
    EXPECT_EQ(f2->ClientHeight(), 499);
    QueueKey(win::VK_RETURN);
  });
  EXPECT_TRUE(checked);
  EXPECT_FALSE(f2->Visible());
  EXPECT_TRUE(win::IsWindowEnabled(f1->Handle()));
  EXPECT_EQ(forms::Screen->ActiveForm(), f1);
  // Opening it again shows the same window, again over the main window.
  OpenInfo([&] { QueueKey(win::VK_SPACE); });
  EXPECT_FALSE(f2->Visible());
}

TEST_F(Windows, EscapeDoesNotCloseTheInfoWindow) {
  bool stillOpen = false;
  WhenWaiting([&] { QueueKey(win::VK_ESCAPE); });
  WhenWaiting([&] {
    stillOpen = f2->Visible();
    win::PostMessage(f2->Handle(), win::WM_CLOSE, 0, 0);
  });
  hl::Click(At(f1->sImage1, 16, 16));
  EXPECT_TRUE(stillOpen) << "Escape left it open";
  EXPECT_FALSE(f2->Visible()) << "closing it from its frame works";
}

TEST_F(Windows, TheLinkPicturesOpenTheirPagesAndTheCupDoesNothing) {
  OpenInfo([&] {
    hl::Batch batch;
    hl::Click(At(f2->sImage1, 25, 25));
    hl::Click(At(f2->sImage2, 36, 36));
    hl::Click(At(f2->sImage3, 65, 16));
    hl::Click(At(f2->sImage4, 28, 26));
    hl::Click(At(f2->sBitBtn1, 40, 16));
  });
  ASSERT_EQ(launched.size(), 3u);
  EXPECT_EQ(launched[0], (std::vector<std::string>{"xdg-open", base::Utf16ToUtf8(app::kMakerPage)}));
  EXPECT_EQ(launched[1], (std::vector<std::string>{"xdg-open", base::Utf16ToUtf8(app::kDonationPageOne)}));
  EXPECT_EQ(launched[2], (std::vector<std::string>{"xdg-open", base::Utf16ToUtf8(app::kDonationPageTwo)}));
  EXPECT_EQ(f2->sImage1->Cursor(), forms::crHandPoint);
  EXPECT_EQ(f2->sImage2->Cursor(), forms::crHandPoint);
  EXPECT_EQ(f2->sImage3->Cursor(), forms::crHandPoint);
  EXPECT_EQ(f2->sImage4->Cursor(), forms::crDefault);
  EXPECT_FALSE(f2->Visible());
}

TEST_F(Windows, ThePicturesAreThereWithTheirSizes) {
  EXPECT_EQ(f1->sImage1->Picture()->Width(), 32);
  EXPECT_EQ(f1->sImage1->Picture()->Height(), 32);
  EXPECT_EQ(f2->sImage1->Picture()->Width(), 512);
  EXPECT_EQ(f2->sImage2->Picture()->Width(), 460);
  EXPECT_EQ(f2->sImage2->Picture()->Height(), 510);
  EXPECT_EQ(f2->sImage3->Picture()->Width(), 400);
  EXPECT_EQ(f2->sImage3->Picture()->Height(), 114);
  EXPECT_EQ(f2->sImage4->Picture()->Height(), 512);
  EXPECT_TRUE(f2->sStickyLabel1->Caption().starts_with(u"Pellomir.\r\n\r\nОписание:\r\n"));
  EXPECT_TRUE(f2->sStickyLabel1->Caption().ends_with(u"угостить автора \r\nчашечкой ароматного кофе."));
}

TEST_F(Windows, EveryLineOfTheInfoTextFitsItsLabel) {
  for (skin::TsStickyLabel* label : {f2->sStickyLabel1, f2->sStickyLabel2}) {
    const std::u16string text = label->Caption();
    int lines = 0;
    for (std::size_t start = 0; start <= text.size(); ++lines) {
      std::size_t end = text.find(u"\r\n", start);
      if (end == std::u16string::npos) end = text.size();
      const std::u16string line = text.substr(start, end - start);
      EXPECT_LE(forms::MeasureText(*label->Font(), line).cx, label->Width()) << base::Utf16ToUtf8(line);
      start = end + 2;
    }
    EXPECT_LE(lines * forms::FontMetrics(*label->Font()).tmHeight, label->Height()) << "the lines fit its height";
  }
}

}  // namespace
}  // namespace apptest
