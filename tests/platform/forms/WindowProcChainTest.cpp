// Joining a control's window procedure chain by id: newest first, leaving in any order
// (also from inside a message) keeps the others joined, a hook may swallow a message or
// work after the rest of the chain, and the old save-and-restore way still sits on top.
#include <string>
#include <vector>

#include "FormsTestSupport.h"
#include "platform/forms/Forms.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/WindowApi.h"

namespace formstest {
using namespace forms;

constexpr UINT kProbe = win::WM_USER + 40;

class WindowProcChain : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    form = New<TForm>(Application.Get());
    form->SetBounds(50, 50, 300, 200);
    edit = New<TEdit>(form);
    edit->SetParent(form);
    trail.clear();
  }
  // A hook that notes its name and passes the message on.
  TWndHook Note(const std::string& name) {
    return [this, name](TMessage& m, const TWndNext& next) {
      if (m.Msg == kProbe) trail.push_back(name);
      next(m);
    };
  }
  // Sends the probe through the edit's chain: the trail shows who saw it.
  std::vector<std::string> Probe() {
    trail.clear();
    edit->Perform(kProbe);
    return trail;
  }
  TForm* form = nullptr;
  TEdit* edit = nullptr;
  std::vector<std::string> trail;
  int a = 0, b = 0, c = 0;  // the parties' ids
};

using Trail = std::vector<std::string>;

TEST_F(WindowProcChain, HooksRunNewestFirstAndLeaveInAnyOrder) {
  edit->JoinWindowProc(&a, Note("A"));
  edit->JoinWindowProc(&b, Note("B"));
  edit->JoinWindowProc(&c, Note("C"));
  EXPECT_EQ(Probe(), (Trail{"C", "B", "A"}));
  EXPECT_TRUE(edit->InWindowProc(&b));
  // The oldest leaves first: the later ones stay joined.
  edit->LeaveWindowProc(&a);
  EXPECT_EQ(Probe(), (Trail{"C", "B"}));
  EXPECT_FALSE(edit->InWindowProc(&a));
  // Then the middle one, then the newest.
  edit->LeaveWindowProc(&b);
  EXPECT_EQ(Probe(), (Trail{"C"}));
  edit->LeaveWindowProc(&c);
  EXPECT_TRUE(Probe().empty());
  edit->LeaveWindowProc(&c);  // leaving twice does nothing
  // Joining again with the same id moves the hook to the front.
  edit->JoinWindowProc(&a, Note("A"));
  edit->JoinWindowProc(&b, Note("B"));
  edit->JoinWindowProc(&a, Note("A2"));
  EXPECT_EQ(Probe(), (Trail{"A2", "B"}));
}

TEST_F(WindowProcChain, WindowMessagesPassThroughToTheControl) {
  form->Show();
  win::RunUntilIdle();
  std::vector<UINT> seen;
  edit->JoinWindowProc(&a, [&](TMessage& m, const TWndNext& next) {
    if (m.Msg == win::WM_SETTEXT) seen.push_back(m.Msg);
    next(m);
  });
  edit->JoinWindowProc(&b, Note("B"));
  edit->SetText(u"joined");
  EXPECT_EQ(win::GetWindowText(edit->Handle()), u"joined");  // reached the standard edit
  EXPECT_EQ(seen.size(), 1u);
  // Out of order, the remaining hook still sees the window's messages.
  edit->LeaveWindowProc(&a);
  edit->JoinWindowProc(&c, [&](TMessage& m, const TWndNext& next) {
    if (m.Msg == win::WM_GETTEXTLENGTH) seen.push_back(m.Msg);
    next(m);
  });
  edit->LeaveWindowProc(&b);
  EXPECT_EQ(win::GetWindowTextLength(edit->Handle()), 6);
  EXPECT_EQ(seen.back(), win::WM_GETTEXTLENGTH);
}

TEST_F(WindowProcChain, AHookSwallowsOrWorksAfterTheRest) {
  edit->JoinWindowProc(&a, Note("A"));
  edit->JoinWindowProc(&b, [this](TMessage& m, const TWndNext& next) {
    if (m.Msg != kProbe) return next(m);
    trail.push_back("B before");
    next(m);
    trail.push_back("B after");
    m.Result = 7;
  });
  EXPECT_EQ(Probe(), (Trail{"B before", "A", "B after"}));
  EXPECT_EQ(edit->Perform(kProbe), 7);
  edit->JoinWindowProc(&c, [this](TMessage& m, const TWndNext& next) {
    if (m.Msg == kProbe) {
      trail.push_back("C swallows");
      m.Result = 3;
      return;
    }
    next(m);
  });
  EXPECT_EQ(Probe(), (Trail{"C swallows"}));
  EXPECT_EQ(edit->Perform(kProbe), 3);
}

TEST_F(WindowProcChain, LeavingInsideAMessageTakesEffectAtOnce) {
  edit->JoinWindowProc(&a, Note("A"));
  edit->JoinWindowProc(&b, Note("B"));
  // C makes A leave while the message runs: A is skipped later in this very message.
  edit->JoinWindowProc(&c, [this](TMessage& m, const TWndNext& next) {
    if (m.Msg == kProbe) {
      trail.push_back("C");
      edit->LeaveWindowProc(&a);
      edit->LeaveWindowProc(&c);  // and leaves itself, but still passes this one on
    }
    next(m);
  });
  EXPECT_EQ(Probe(), (Trail{"C", "B"}));
  EXPECT_EQ(Probe(), (Trail{"B"}));
  // A hook joined inside a message sees the next one.
  edit->JoinWindowProc(&a, [this](TMessage& m, const TWndNext& next) {
    if (m.Msg == kProbe) {
      trail.push_back("A");
      edit->JoinWindowProc(&c, Note("C"));
    }
    next(m);
  });
  EXPECT_EQ(Probe(), (Trail{"A", "B"}));
  EXPECT_EQ(Probe(), (Trail{"C", "A", "B"}));
}

TEST_F(WindowProcChain, SavedAndRestoredWindowProcSitsAboveTheJoinedHooks) {
  edit->JoinWindowProc(&a, Note("A"));
  TWndMethod saved = edit->WindowProc;
  edit->WindowProc = [&](TMessage& m) {
    if (m.Msg == kProbe) trail.push_back("raw");
    saved(m);
  };
  edit->JoinWindowProc(&b, Note("B"));  // joined later, still below the raw one
  EXPECT_EQ(Probe(), (Trail{"raw", "B", "A"}));
  edit->LeaveWindowProc(&a);  // leaving under a raw party does not disturb it
  EXPECT_EQ(Probe(), (Trail{"raw", "B"}));
  edit->WindowProc = saved;
  EXPECT_EQ(Probe(), (Trail{"B"}));
}

TEST_F(WindowProcChain, AControlFreedInsideAHookEndsTheChainSafely) {
  bool after = false;
  edit->JoinWindowProc(&a, [&](TMessage& m, const TWndNext& next) {
    if (m.Msg == kProbe) {
      edit->Free();  // the control and its hook list go while this hook runs
      edit = nullptr;
      after = true;
      return;
    }
    next(m);
  });
  win::HWND h = edit->Handle();
  win::SendMessage(h, kProbe, 0, 0);  // a window message: the window goes with the control
  EXPECT_TRUE(after);
  EXPECT_FALSE(win::IsWindow(h));
}

}  // namespace formstest
