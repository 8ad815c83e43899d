// Lists of lines: TStringList's text, batches and change events, and a memo's lines over
// its own text (with and without a window): appending puts the line and CR LF at the
// end, every change is one change event, a batch stops repainting.
#include "FormsTestSupport.h"

#include "platform/base/NumberText.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/Strings.h"
#include "platform/win/PaintApi.h"
#include "platform/win/WindowApi.h"

namespace formstest {
using namespace forms;

TEST(StringList, TextJoinsWithCrLfAndSplitsAnyBreak) {
  TStringList l;
  l.Add(u"one");
  l.Add(u"");
  l.Add(u"три");
  EXPECT_EQ(l.Count(), 3);
  EXPECT_EQ(l.Text(), u"one\r\n\r\nтри\r\n");
  l.SetText(u"a\r\nb\nc\rd\r\n");
  EXPECT_EQ(l.Count(), 4);
  EXPECT_EQ(l[3], u"d");
  l.SetText(u"x\r\n\r\n");
  EXPECT_EQ(l.Count(), 2);  // a final break adds no line; an empty line before it counts
  l.SetText(u"");
  EXPECT_EQ(l.Count(), 0);
  l.SetText(u"no break");
  EXPECT_EQ(l.Text(), u"no break\r\n");
}

TEST(StringList, BatchesTellOnceAndEditsCheckBounds) {
  TStringList l;
  int changes = 0, changing = 0;
  l.OnChange = [&](TObject*) { ++changes; };
  l.OnChanging = [&](TObject*) { ++changing; };
  l.Add(u"a");
  EXPECT_EQ(changes, 1);
  l.BeginUpdate();
  l.BeginUpdate();
  l.Add(u"b");
  l.Add(u"c");
  l.EndUpdate();
  EXPECT_EQ(changes, 1);
  l.EndUpdate();
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(changing, 2);
  EXPECT_THROW(l.Get(3), EListError);
  EXPECT_THROW(l.Delete(-1), EListError);
  l.Move(0, 2);
  EXPECT_EQ(l.CommaText(), u"b,c,a");
  l.SetValue(u"Key", u"with blank");
  EXPECT_EQ(l.Values(u"key"), u"with blank");
  EXPECT_EQ(l.CommaText(), u"b,c,a,\"Key=with blank\"");
}

TEST(StringList, SortedFindsAndRefusesDuplicatesWhenAsked) {
  TStringList l;
  l.SetSorted(true);
  l.Add(u"pear");
  l.Add(u"Apple");
  l.Add(u"fig");
  l.Add(u"apple");  // ignored: same text without regard to case
  EXPECT_EQ(l.Text(), u"Apple\r\nfig\r\npear\r\n");
  int i;
  EXPECT_TRUE(l.Find(u"FIG", i));
  EXPECT_EQ(i, 1);
  l.SetDuplicates(TDuplicates::dupError);
  EXPECT_THROW(l.Add(u"pear"), EListError);
  EXPECT_THROW(l.Insert(0, u"x"), EListError);
}

class MemoLines : public FormsTest {
 protected:
  TMemo* Make(bool show) {
    auto* f = New<TForm>(Application.Get());
    f->SetBounds(0, 0, 300, 200);
    memo = New<TMemo>(f);
    memo->SetParent(f);
    memo->SetAlign(TAlign::alClient);
    memo->OnChange = [this](TObject*) { ++changes; };
    if (show) {
      f->Show();
      win::RunUntilIdle();
    }
    return memo;
  }
  TMemo* memo = nullptr;
  int changes = 0;
};

TEST_F(MemoLines, AddingLinesAppendsLineAndBreak) {
  for (bool shown : {false, true}) {
    changes = 0;
    TStrings* lines = Make(shown)->Lines();
    lines->Add(u"http://a");
    lines->Add(u"");
    lines->Add(u"http://c");
    EXPECT_EQ(memo->Text(), u"http://a\r\n\r\nhttp://c\r\n") << shown;
    EXPECT_EQ(lines->Count(), 3);
    EXPECT_EQ(lines->Get(2), u"http://c");
    EXPECT_EQ(changes, 3) << "one change per added line";
    lines->Clear();
    EXPECT_EQ(memo->Text(), u"");
    EXPECT_EQ(changes, 4);
    memo->SetText(u"no break at the end");
    lines->Add(u"next");
    EXPECT_EQ(memo->Text(), u"no break at the end\r\nnext\r\n");
    lines->Delete(0);
    EXPECT_EQ(memo->Text(), u"next\r\n");
    lines->Insert(0, u"first");
    lines->Put(1, u"second");
    EXPECT_EQ(memo->Text(), u"first\r\nsecond\r\n");
  }
}

TEST_F(MemoLines, ABatchHoldsRepaintingUntilItEnds) {
  TStrings* lines = Make(true)->Lines();
  int paints = 0;
  auto saved = memo->WindowProc;
  memo->WindowProc = [&](TMessage& m) {
    if (m.Msg == win::WM_PAINT) ++paints;
    saved(m);
  };
  lines->BeginUpdate();
  for (int i = 0; i < 200; ++i) lines->Add(u"line " + base::IntToText(i));
  win::RunUntilIdle();
  EXPECT_EQ(paints, 0);
  EXPECT_EQ(changes, 200);
  lines->EndUpdate();
  win::RunUntilIdle();
  EXPECT_GE(paints, 1);
  EXPECT_EQ(lines->Count(), 200);
  memo->WindowProc = saved;
}

TEST_F(MemoLines, LinesReadFromADescriptionAndTheTextHint) {
  Make(false);
  TStringList src;
  src.SetText(u"x\r\ny\r\n");
  memo->Lines()->Assign(&src);
  EXPECT_EQ(memo->Text(), u"x\r\ny\r\n");
  memo->SetTextHint(u"hint");
  memo->Parent()->Show();
  win::RunUntilIdle();
  EXPECT_EQ(memo->Lines()->Count(), 2);
  EXPECT_EQ(memo->TextHint(), u"hint");
}

}  // namespace formstest
