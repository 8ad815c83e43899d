// Window longs, procedure replacement, text and properties.
#include "WinTestSupport.h"

namespace wintest {
namespace {

// Three parties subclass one window in turn, each keeping the procedure it replaced and
// tagging the messages it sees, as the framework and the skin engine do.
std::vector<std::string> g_trail;
WNDPROC g_prevA = nullptr, g_prevB = nullptr;

LRESULT SubA(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_USER) g_trail.push_back("A");
  return CallWindowProc(g_prevA, h, m, w, l);
}
LRESULT SubB(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_USER) g_trail.push_back("B");
  if (m == WM_USER + 1) return 42;  // answered without passing on
  return CallWindowProc(g_prevB, h, m, w, l);
}

class WindowDataTest : public WinTest {};

TEST_F(WindowDataTest, SubclassChainsRunNewestFirstAndRestoreCleanly) {
  HWND w = MakeTop(0, 0, 10, 10, WS_POPUP);
  auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtr(w, GWLP_WNDPROC));
  ASSERT_EQ(original, &CALLBACK_Log);
  g_prevA = reinterpret_cast<WNDPROC>(SetWindowLongPtr(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubA)));
  g_prevB = reinterpret_cast<WNDPROC>(SetWindowLongPtr(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubB)));
  EXPECT_EQ(g_prevA, original);
  EXPECT_EQ(g_prevB, &SubA);
  g_trail.clear();
  ClearLog();
  SendMessage(w, WM_USER, 0, 0);
  EXPECT_EQ(g_trail, (std::vector<std::string>{"B", "A"}));
  EXPECT_EQ(Count(WM_USER, w), 1);  // reached the original procedure once
  EXPECT_EQ(SendMessage(w, WM_USER + 1, 0, 0), 42);
  // The last party restores first, then the first one: the original is back.
  SetWindowLongPtr(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_prevB));
  SetWindowLongPtr(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_prevA));
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtr(w, GWLP_WNDPROC)), original);
  g_trail.clear();
  SendMessage(w, WM_USER, 0, 0);
  EXPECT_TRUE(g_trail.empty());
  // A null procedure is refused.
  EXPECT_EQ(SetWindowLongPtr(w, GWLP_WNDPROC, 0), 0);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtr(w, GWLP_WNDPROC)), original);
}

// The window system does what the platform does and no more: a procedure slot holds one
// procedure, and each party keeps the one it replaced. When the first party restores
// first, it cuts the later one out, and the later one's restore puts the first one's
// procedure back although that party has left. Parties that may leave in any order must
// check that their procedure is the current one before restoring (the framework's
// controls offer JoinWindowProc instead).
TEST_F(WindowDataTest, SubclassesRestoredOutOfOrderCutTheLaterOneOut) {
  HWND w = MakeTop(0, 0, 10, 10, WS_POPUP);
  g_prevA = reinterpret_cast<WNDPROC>(SetWindowLongPtr(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubA)));
  g_prevB = reinterpret_cast<WNDPROC>(SetWindowLongPtr(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubB)));
  // A leaves first and restores what it replaced.
  EXPECT_EQ(SetWindowLongPtr(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_prevA)), reinterpret_cast<LONG_PTR>(&SubB));
  g_trail.clear();
  ClearLog();
  SendMessage(w, WM_USER, 0, 0);
  EXPECT_TRUE(g_trail.empty()) << "B, still subclassing, no longer sees the window's messages";
  EXPECT_EQ(Count(WM_USER, w), 1);
  // B leaves and restores what it replaced: A's procedure, although A has left.
  SetWindowLongPtr(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_prevB));
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtr(w, GWLP_WNDPROC)), &SubA);
  g_trail.clear();
  SendMessage(w, WM_USER, 0, 0);
  EXPECT_EQ(g_trail, (std::vector<std::string>{"A"}));
}

TEST_F(WindowDataTest, PropertiesLookUpByNameWithoutLetterCase) {
  HWND w = MakeTop(0, 0, 10, 10, WS_POPUP);
  int a = 1, b = 2;
  EXPECT_TRUE(SetProp(w, u"ACSDATA", &a));
  EXPECT_TRUE(SetProp(w, u"ACSBSC", &b));
  EXPECT_EQ(GetProp(w, u"acsdata"), &a);
  EXPECT_EQ(GetProp(w, u"ACSBSC"), &b);
  EXPECT_EQ(GetProp(w, u"ACS"), nullptr);
  SetProp(w, u"AcsData", &b);  // replaces
  EXPECT_EQ(GetProp(w, u"ACSDATA"), &b);
  EXPECT_EQ(RemoveProp(w, u"ACSDATA"), &b);
  EXPECT_EQ(GetProp(w, u"ACSDATA"), nullptr);
  EXPECT_EQ(RemoveProp(w, u"ACSDATA"), nullptr);
}

HANDLE g_propAtNcDestroy = nullptr;
LRESULT PropReader(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_NCDESTROY) g_propAtNcDestroy = GetProp(h, u"P");
  return DefWindowProc(h, m, w, l);
}

TEST_F(WindowDataTest, PropertiesLiveUntilNcDestroy) {
  RegisterProc(u"PropReader", &PropReader);
  HWND w = CreateWindowEx(0, u"PropReader", u"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  int v = 0;
  SetProp(w, u"P", &v);
  DestroyWindow(w);
  EXPECT_EQ(g_propAtNcDestroy, &v);
}

TEST_F(WindowDataTest, LongsStylesAndExtraBytes) {
  HWND w = MakeTop(0, 0, 10, 10, WS_POPUP);
  SetWindowLongPtr(w, GWLP_USERDATA, 1234);
  EXPECT_EQ(GetWindowLongPtr(w, GWLP_USERDATA), 1234);
  SetWindowLongPtr(w, 8, 77);  // the class has 16 extra bytes
  EXPECT_EQ(GetWindowLongPtr(w, 8), 77);
  EXPECT_EQ(SetWindowLongPtr(w, 12, 5), 0);  // would run past the extra bytes
  ClearLog();
  LONG_PTR old = SetWindowLongPtr(w, GWL_STYLE, static_cast<LONG>(WS_POPUP | WS_BORDER));
  EXPECT_EQ(static_cast<DWORD>(old), WS_POPUP | WS_CLIPSIBLINGS);
  EXPECT_EQ(Names(w), (std::vector<std::string>{"WM_STYLECHANGING", "WM_STYLECHANGED"}));
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtr(w, GWL_STYLE)), WS_POPUP | WS_BORDER);
}

TEST_F(WindowDataTest, TextGoesThroughMessages) {
  HWND w = MakeTop(0, 0, 10, 10, WS_POPUP);
  ClearLog();
  SetWindowText(w, u"Pellomir by Orvanta V1.0");
  EXPECT_EQ(Count(WM_SETTEXT, w), 1);
  EXPECT_EQ(GetWindowText(w), u"Pellomir by Orvanta V1.0");
  EXPECT_EQ(GetWindowTextLength(w), 24);
  char16_t small[5];
  EXPECT_EQ(SendMessage(w, WM_GETTEXT, 5, reinterpret_cast<LPARAM>(small)), 4);
  EXPECT_EQ(std::u16string(small), u"Pell");
}

TEST_F(WindowDataTest, ClassLongsCanBeChanged) {
  HWND w = MakeTop(0, 0, 10, 10, WS_POPUP);
  auto brush = reinterpret_cast<HBRUSH>(std::uintptr_t(gfx::COLOR_WINDOW + 1));
  SetClassLongPtr(w, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush));
  EXPECT_EQ(reinterpret_cast<HBRUSH>(GetClassLongPtr(w, GCLP_HBRBACKGROUND)), brush);
  gfx::TColor c;
  ASSERT_TRUE(BrushColor(brush, &c));
  EXPECT_EQ(c, gfx::GetSysColor(gfx::COLOR_WINDOW));
  SetClassLongPtr(w, GCLP_HBRBACKGROUND,
                  reinterpret_cast<LONG_PTR>(reinterpret_cast<HBRUSH>(std::uintptr_t(gfx::COLOR_BTNFACE + 1))));
}

}  // namespace
}  // namespace wintest

namespace wintest {
namespace {

TEST_F(WindowDataTest, ClassesWithLiveWindowsStayRegistered) {
  HWND w = MakeTop(0, 0, 10, 10, WS_POPUP);
  EXPECT_FALSE(UnregisterClass(u"LOGWINDOW"));
  DestroyWindow(w);
  EXPECT_TRUE(UnregisterClass(u"LogWindow"));
  WNDCLASSEX wc;
  EXPECT_FALSE(GetClassInfoEx(nullptr, u"LogWindow", &wc));
  EXPECT_FALSE(UnregisterClass(u"#32770"));  // system classes stay
}

TEST_F(WindowDataTest, SetParentMovesAChildBetweenParents) {
  HWND a = MakeTop(0, 0, 200, 200, WS_POPUP | WS_VISIBLE);
  HWND b = MakeTop(300, 0, 200, 200, WS_POPUP | WS_VISIBLE);
  HWND c = MakeChild(a, 10, 10, 20, 20);
  EXPECT_EQ(SetParent(c, b), a);
  EXPECT_EQ(GetParent(c), b);
  EXPECT_EQ(GetWindow(a, GW_CHILD), nullptr);
  EXPECT_TRUE(IsWindowVisible(c));
  RECT r;
  GetWindowRect(c, &r);
  EXPECT_EQ(r, (RECT{310, 10, 330, 30}));  // same place in the new parent's client area
  EXPECT_EQ(SetParent(b, c), nullptr);     // a window cannot move under its own child
}

}  // namespace
}  // namespace wintest
