#pragma once
// Painting: invalidation and validation, the WM_PAINT cycle, drawing surfaces of windows,
// printing a window into a surface, window regions and layered windows.
//
// A window's surface (an HDC, the drawing layer's gfx::Surface) draws into its top-level
// window's backing picture: the client or whole-window part of it, clipped to what of the
// window is visible there (parents' client areas, window regions, and the children and
// siblings that WS_CLIPCHILDREN and WS_CLIPSIBLINGS exclude). Surfaces from GetDC,
// GetWindowDC and BeginPaint are returned with ReleaseDC / EndPaint.
#include <optional>

#include "platform/gfx/Region.h"
#include "platform/win/Types.h"

namespace win {

struct PAINTSTRUCT {
  HDC hdc = nullptr;
  BOOL fErase = FALSE;  // the background still needs erasing (WM_ERASEBKGND returned 0)
  RECT rcPaint;         // bounds of the area to paint, client coordinates
};

constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_INTERNALPAINT = 0x0002;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_VALIDATE = 0x0008;
constexpr UINT RDW_NOINTERNALPAINT = 0x0010;
constexpr UINT RDW_NOERASE = 0x0020;
constexpr UINT RDW_NOCHILDREN = 0x0040;
constexpr UINT RDW_ALLCHILDREN = 0x0080;
constexpr UINT RDW_UPDATENOW = 0x0100;
constexpr UINT RDW_ERASENOW = 0x0200;
constexpr UINT RDW_FRAME = 0x0400;
constexpr UINT RDW_NOFRAME = 0x0800;

constexpr LPARAM PRF_CHECKVISIBLE = 0x0001;
constexpr LPARAM PRF_NONCLIENT = 0x0002;
constexpr LPARAM PRF_CLIENT = 0x0004;
constexpr LPARAM PRF_ERASEBKGND = 0x0008;
constexpr LPARAM PRF_CHILDREN = 0x0010;
constexpr LPARAM PRF_OWNED = 0x0020;

constexpr DWORD DCX_WINDOW = 0x0001;
constexpr DWORD DCX_CACHE = 0x0002;
constexpr DWORD DCX_CLIPCHILDREN = 0x0008;
constexpr DWORD DCX_CLIPSIBLINGS = 0x0010;
constexpr DWORD DCX_PARENTCLIP = 0x0020;
constexpr DWORD DCX_EXCLUDERGN = 0x0040;
constexpr DWORD DCX_INTERSECTRGN = 0x0080;

constexpr DWORD LWA_COLORKEY = 0x0001;
constexpr DWORD LWA_ALPHA = 0x0002;
constexpr DWORD ULW_COLORKEY = 0x0001;
constexpr DWORD ULW_ALPHA = 0x0002;
constexpr DWORD ULW_OPAQUE = 0x0004;

// Invalidation (client coordinates; null: the whole client area).
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL InvalidateRgn(HWND hwnd, const gfx::Region* rgn, BOOL erase);
BOOL ValidateRect(HWND hwnd, const RECT* rect);
BOOL ValidateRgn(HWND hwnd, const gfx::Region* rgn);
BOOL GetUpdateRect(HWND hwnd, RECT* out, BOOL erase);
// The update region in client coordinates; false when there is none.
bool GetUpdateRegion(HWND hwnd, gfx::Region* out);
BOOL UpdateWindow(HWND hwnd);
// `rect` / `rgn` in client coordinates (they may reach into the frame); both null: the
// whole window.
BOOL RedrawWindow(HWND hwnd, const RECT* rect, const gfx::Region* rgn, UINT flags);

// The paint cycle: BeginPaint sends a pending WM_NCPAINT, validates the update region,
// sends WM_ERASEBKGND when an erase is owed and returns a surface clipped to the region.
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps);

// Window surfaces: client (GetDC), whole window (GetWindowDC), or by flags.
HDC GetDC(HWND hwnd);
HDC GetWindowDC(HWND hwnd);
HDC GetDCEx(HWND hwnd, const gfx::Region* clip, DWORD flags);
int ReleaseDC(HWND hwnd, HDC dc);
HWND WindowFromDC(HDC dc);

// Window regions (window coordinates): they limit painting, hit testing and the picture
// on screen. std::nullopt removes the region.
int SetWindowRegion(HWND hwnd, std::optional<gfx::Region> rgn, BOOL redraw);
// 0 without a region, else the region's kind (SIMPLEREGION 2 / COMPLEXREGION 3).
int GetWindowRegion(HWND hwnd, gfx::Region* out);
// The same with the drawing layer's region handles, as on the platform: the window takes
// over `rgn` (it is deleted; null removes the region). GetWindowRgn copies into `rgn`.
int SetWindowRgn(HWND hwnd, HRGN rgn, BOOL redraw);
int GetWindowRgn(HWND hwnd, HRGN rgn);

// Layered windows (WS_EX_LAYERED top-level windows). Attributes: constant alpha and/or a
// colour key over the window's own painting.
BOOL SetLayeredWindowAttributes(HWND hwnd, gfx::TColor key, BYTE alpha, DWORD flags);
BOOL GetLayeredWindowAttributes(HWND hwnd, gfx::TColor* key, BYTE* alpha, DWORD* flags);
// Per-pixel alpha: the window shows `picture` (premultiplied B, G, R, A) from `srcPt`,
// with `constantAlpha` over it; `pos` and `size`, when given, move and size the window.
// ULW_OPAQUE ignores the picture's alpha; ULW_COLORKEY makes `key` transparent.
BOOL UpdateLayeredWindow(HWND hwnd, const POINT* pos, const SIZE* size, const gfx::PixelView& picture,
                         const POINT* srcPt, gfx::TColor key, BYTE constantAlpha, DWORD flags);

}  // namespace win
