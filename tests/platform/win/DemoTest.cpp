// The window system demo: a framed window with two children that paint themselves (a
// board of tiles and a push button), clicked through the headless event source. It
// writes windemo.png (the window) and windemo-screen.png next to the test program, and
// checks that the clicks show.
#include <string>

#include "platform/gfx/ClassicLook.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "WinTestSupport.h"

namespace wintest {
namespace {

constexpr int kTiles = 4, kTile = 56;
constexpr gfx::TColor kTileColor = gfx::RGB(230, 230, 224), kLitColor = gfx::RGB(255, 170, 40);

struct Board {
  static inline bool lit[kTiles][kTiles] = {};
  static inline POINT lastClick{-1, -1};
};
struct Button {
  static inline int presses = 0;
  static inline bool down = false;
};

void Text(HDC dc, const std::u16string& text, RECT r, unsigned format, gfx::TColor color, int height = -11,
          int weight = gfx::FW_NORMAL) {
  gfx::FontDesc f;
  f.height = height;
  f.weight = weight;
  dc->SetFont(gfx::Font(f));
  dc->SetBkMode(gfx::BkMode::Transparent);
  dc->SetTextColor(color);
  dc->DrawText(text, r, format | gfx::DT_NOPREFIX);
}

std::u16string Number(int v) {
  std::string s = std::to_string(v);
  return std::u16string(s.begin(), s.end());
}

LRESULT BoardProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  switch (m) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(h, &ps);
      RECT c;
      GetClientRect(h, &c);
      dc->FillRect(c, gfx::RGB(90, 110, 140));
      for (int y = 0; y < kTiles; ++y)
        for (int x = 0; x < kTiles; ++x) {
          RECT t = gfx::Bounds(4 + x * (kTile + 4), 4 + y * (kTile + 4), kTile, kTile);
          dc->FillRect(t, Board::lit[y][x] ? kLitColor : kTileColor);
          RECT edge = t;
          gfx::classic::Frame(*dc, edge, gfx::RGB(255, 255, 255), gfx::RGB(60, 60, 60));
          Text(dc, std::u16string(1, static_cast<char16_t>(u'A' + y * kTiles + x)), t,
               gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE, gfx::RGB(40, 40, 40), -16, gfx::FW_BOLD);
        }
      if (Board::lastClick.X >= 0) {
        POINT p = Board::lastClick;  // a small cross where the pointer went down
        dc->FillRect({p.X - 5, p.Y - 1, p.X + 6, p.Y + 2}, gfx::RGB(200, 0, 0));
        dc->FillRect({p.X - 1, p.Y - 5, p.X + 2, p.Y + 6}, gfx::RGB(200, 0, 0));
      }
      EndPaint(h, &ps);
      return 0;
    }
    case WM_LBUTTONDOWN: {
      POINT p = LParamToPoint(l);
      int x = (p.X - 4) / (kTile + 4), y = (p.Y - 4) / (kTile + 4);
      if (x >= 0 && y >= 0 && x < kTiles && y < kTiles) Board::lit[y][x] = !Board::lit[y][x];
      Board::lastClick = p;
      InvalidateRect(h, nullptr, FALSE);
      InvalidateRect(GetParent(h), nullptr, TRUE);  // the status line
      return 0;
    }
    default: return DefWindowProc(h, m, w, l);
  }
}

LRESULT ButtonProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  switch (m) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(h, &ps);
      RECT c;
      GetClientRect(h, &c);
      dc->FillRect(c, gfx::GetSysColor(gfx::COLOR_BTNFACE));
      RECT e = c;
      using gfx::classic::Sys;
      if (Button::down) gfx::classic::Frame(*dc, e, Sys(gfx::COLOR_3DDKSHADOW), Sys(gfx::COLOR_BTNHIGHLIGHT));
      else gfx::classic::DrawEdge(*dc, e, gfx::classic::Edge::Raised);
      RECT t = Button::down ? c.Offset(1, 1) : c;
      Text(dc, u"Pressed " + Number(Button::presses) + u" times", t,
           gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE, gfx::GetSysColor(gfx::COLOR_BTNTEXT), -13);
      EndPaint(h, &ps);
      return 0;
    }
    case WM_LBUTTONDOWN:
      Button::down = true;
      SetCapture(h);
      InvalidateRect(h, nullptr, FALSE);
      return 0;
    case WM_LBUTTONUP:
      if (Button::down) {
        Button::down = false;
        ReleaseCapture();
        RECT c;
        GetClientRect(h, &c);
        if (c.Contains(LParamToPoint(l))) ++Button::presses;
        InvalidateRect(h, nullptr, FALSE);
      }
      return 0;
    default: return DefWindowProc(h, m, w, l);
  }
}

LRESULT MainProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    std::u16string status = u"Click a tile or the button.";
    if (Board::lastClick.X >= 0)
      status =
          u"Last click on the board at (" + Number(Board::lastClick.X) + u", " + Number(Board::lastClick.Y) + u").";
    Text(dc, status, {272, 100, 500, 130}, gfx::DT_LEFT | gfx::DT_SINGLELINE, gfx::GetSysColor(gfx::COLOR_WINDOWTEXT));
    EndPaint(h, &ps);
    return 0;
  }
  return DefWindowProc(h, m, w, l);
}

class DemoTest : public WinTest {};

TEST_F(DemoTest, ClickedTileAndButtonShowInTheScreenshot) {
  RegisterProc(u"DemoMain", &MainProc, gfx::COLOR_BTNFACE);
  RegisterProc(u"DemoBoard", &BoardProc, gfx::COLOR_BTNFACE);
  RegisterProc(u"DemoButton", &ButtonProc, gfx::COLOR_BTNFACE);
  HWND top =
      CreateWindowEx(0, u"DemoMain", u"Pellomir window system demo", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                     40, 40, 540, 320, nullptr, nullptr, nullptr, nullptr);
  HWND board =
      CreateWindowEx(WS_EX_CLIENTEDGE, u"DemoBoard", u"", WS_CHILD | WS_VISIBLE, 12, 12, 4 + kTiles * (kTile + 4) + 4,
                     4 + kTiles * (kTile + 4) + 4, top, nullptr, nullptr, nullptr);
  HWND button =
      CreateWindowEx(0, u"DemoButton", u"", WS_CHILD | WS_VISIBLE, 272, 12, 180, 44, top, nullptr, nullptr, nullptr);
  RunUntilIdle();

  // Click tile G (row 1, column 2) and press the button twice.
  POINT tile{4 + 2 * (kTile + 4) + 20, 4 + 1 * (kTile + 4) + 30};
  POINT onScreen = tile;
  ClientToScreen(board, &onScreen);
  headless::Click(onScreen);
  POINT b{90, 22};
  ClientToScreen(button, &b);
  headless::Click(b);
  headless::Click(b);

  const char* dir = std::getenv("PELLOMIR_BUILD_DIR");
  std::string base = dir ? std::string(dir) + "/" : std::string();
  ASSERT_TRUE(headless::SaveWindowShot(top, base + "windemo.png"));
  ASSERT_TRUE(headless::SaveScreenshot(base + "windemo-screen.png"));

  EXPECT_TRUE(Board::lit[1][2]);
  EXPECT_EQ(Button::presses, 2);
  POINT inTile{4 + 2 * (kTile + 4) + 4, 4 + 1 * (kTile + 4) + 4};
  ClientToScreen(board, &inTile);
  EXPECT_EQ(ScreenPixel(inTile.X, inTile.Y), kLitColor);
  EXPECT_EQ(ScreenPixel(onScreen.X, onScreen.Y), gfx::RGB(200, 0, 0));  // the click mark
  POINT other{4 + 4, 4 + 4};
  ClientToScreen(board, &other);
  EXPECT_EQ(ScreenPixel(other.X, other.Y), kTileColor);
}

}  // namespace
}  // namespace wintest
