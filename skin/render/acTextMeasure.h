#pragma once
// Plain text output and the measuring the skinned controls lay their captions out with:
// the platform's formatted output (length limited), text sizes, line heights and texts
// shortened with "..." to a width. The format flags (DT_*) are the platform's and pass
// through unchanged, so prefixes ("&Close") and word breaks work as there.
#include <string>
#include <string_view>

#include "platform/gfx/Geometry.h"

namespace gfx {
class Font;
class Surface;
}  // namespace gfx

namespace skin {

// Longest text handed to the platform's output; longer texts are cut.
inline constexpr std::size_t acMaxTextOutput = 5460;

// The platform's formatted output of at most acMaxTextOutput characters of text in rect
// (DT_CALCRECT sets rect's right and bottom). Returns what the platform returns.
int DrawTextPlain(gfx::Surface& surface, std::u16string_view text, gfx::TRect& rect, unsigned format);

// The size of text in font: with wrap, laid out in a rectangle maxWidth wide with
// DT_CALCRECT added to format; otherwise its extent on one line. addOneLetter adds the
// width of "I".
gfx::TSize MeasureText(const gfx::Font& font, std::u16string_view text, unsigned format, bool addOneLetter,
                       int maxWidth, bool wrap);

// One line of font: exact gives the cell height without internal and external leading,
// otherwise the cell height + 6.
int TextLineHeight(const gfx::Font& font, bool exact);

// text in the surface's font, shortened to maxWidth: empty for a width below 1; unchanged
// when it fits; else cut at the end until the rest followed by "..." fits, and "..."
// appended (empty when no character is left).
std::u16string CutTextToWidth(const gfx::Surface& surface, std::u16string_view text, int maxWidth);

}  // namespace skin
