// TsEdit: the frame. The client area is shrunk by the padding, the vertical alignment of
// the text line and the added glyph; the glyph answers as frame to the mouse, and frame
// clicks fire the click events.
#include <algorithm>

#include "platform/forms/StdCtrls.h"
#include "platform/win/HitCodes.h"
#include "platform/win/Messages.h"
#include "platform/win/Positions.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acAddedGlyph.h"
#include "skin/controls/acPadding.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sEdit.h"
#include "skin/data/acSkinData.h"

namespace skin {

namespace {

using forms::TMessage;

// The density and the spacing of the skin data the edit paints with (96 and 4 without).
struct DataMetrics {
  int PPI = 96;
  int Spacing = 4;
};

DataMetrics MetricsOf(TsCommonData& sd) {
  DataMetrics out;
  if (const TacSkinData* d = sd.GetCommonSkinData()) {
    out.PPI = d->PPI > 0 ? d->PPI : 96;
    out.Spacing = d->Spacing;
  }
  return out;
}

}  // namespace

int TsEdit::EditBorderWidth() const {
  int b = 0;
  if (BorderStyle() != forms::TBorderStyle::bsNone) b = Ctl3D() ? 2 : 1;
  if (BevelKind() != forms::TBevelKind::bkNone) {
    if (BevelOuter() != forms::TBevelCut::bvNone) ++b;
    if (BevelInner() != forms::TBevelCut::bvNone) ++b;
  }
  return b;
}

bool TsEdit::FrameRecalcPending() const { return (FCommonData->CtrlSkinState & cssFrameRecalc) != 0; }

void TsEdit::MarkFrameRecalc() { FCommonData->CtrlSkinState |= cssFrameRecalc; }

void TsEdit::ApplyPendingFrameRecalc() {
  if (FrameRecalcPending()) RecalcFrameNow();
}

void TsEdit::RecalcFrameNow() {
  if (!HandleAllocated()) return;
  FCommonData->CtrlSkinState &= ~static_cast<std::uint32_t>(cssFrameRecalc);
  win::SetWindowPos(
      Handle(), nullptr, 0, 0, 0, 0,
      win::SWP_FRAMECHANGED | win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOZORDER | win::SWP_NOACTIVATE);
}

// The insets from the padding and the vertical alignment. The free room is measured in
// the client height the platform left, not the outer height: the frame is not room for
// the text line.
void TsEdit::ComputeAddedPadding(int clientHeight) {
  const DataMetrics dm = MetricsOf(*FCommonData);
  FAddedPadding = FPadding->Scaled(dm.PPI);
  if (FVerticalAlignment == forms::TVerticalAlignment::taAlignTop) return;
  const int h = forms::FontMetrics(*Font()).tmHeight;
  const int room = clientHeight - h - FAddedPadding.Top - FAddedPadding.Bottom;
  if (room <= 0) return;
  FAddedPadding.Top += FVerticalAlignment == forms::TVerticalAlignment::taAlignBottom ? room : room / 2;
}

void TsEdit::WMNCCalcSize(TMessage& m) {
  forms::TEdit::WndProc(m);
  if (IsLoading()) {
    FAddedPadding = {0, 0, 0, 0};
    return;
  }
  win::RECT* client = m.WParam != 0 ? &reinterpret_cast<win::NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[0]
                                    : reinterpret_cast<win::RECT*>(m.LParam);
  if (client == nullptr) return;
  ComputeAddedPadding(client->Height());
  client->Left += FAddedPadding.Left;
  client->Top += FAddedPadding.Top;
  client->Right -= FAddedPadding.Right;
  client->Bottom -= FAddedPadding.Bottom;
  if (FAddedGlyph->Valid()) {
    const int room = FAddedGlyph->Width() + MetricsOf(*FCommonData).Spacing / 2;
    if (UseRightToLeftReading()) client->Right -= room;
    else client->Left += room;
  }
  client->Right = std::max(client->Right, client->Left);
  client->Bottom = std::max(client->Bottom, client->Top);
}

gfx::TRect TsEdit::AddedGlyphRect() {
  if (!FAddedGlyph->Valid()) return {0, 0, 0, 0};
  if (FAddedGlyphRect.Left >= 0) return FAddedGlyphRect;
  const int b = EditBorderWidth();
  const int w = FAddedGlyph->Width();
  const int left = UseRightToLeftReading() ? Width() - b - w - FPadding->Right() : b + FPadding->Left();
  FAddedGlyphRect = {left, b + FPadding->Top(), left + w, Height() - b - FPadding->Bottom()};
  return FAddedGlyphRect;
}

void TsEdit::WMNCHitTest(TMessage& m) {
  if (FAddedGlyph->Valid() && HandleAllocated()) {
    win::RECT wr{};
    win::GetWindowRect(Handle(), &wr);
    const win::POINT p = win::LParamToPoint(m.LParam);
    const gfx::TRect g = AddedGlyphRect();
    const int x = p.X - wr.Left, y = p.Y - wr.Top;
    if (x >= g.Left && x < g.Right && y >= g.Top && y < g.Bottom) {
      m.Result = win::HTBORDER;
      return;
    }
  }
  SelectionWatch(m);
}

void TsEdit::WMNCLButtonDown(TMessage& m) {
  NCDown = true;
  forms::TEdit::WndProc(m);
}

void TsEdit::WMNCLButtonUp(TMessage& m) {
  const bool fire = NCDown;
  NCDown = false;
  forms::TEdit::WndProc(m);
  if (fire && !IsDestroying()) Click();
}

void TsEdit::WMNCLButtonDblClk(TMessage& m) {
  forms::TEdit::WndProc(m);
  if (!IsDestroying()) DblClick();
}

}  // namespace skin
