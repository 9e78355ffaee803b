#pragma once
// Text measuring for report layout, without a display: the advance widths of Arial
// (measured once from Liberation Sans, its metric twin, so widths match whichever of
// the two draws the page) in units of 1/2048 em.
//
// A text of `pt` points is `pt * 96 / 72` pixels high at 96 per inch, and each
// character advances width / 2048 of that. Example: "$0.00" in 8 pt regular is
// (1139 * 4 + 569) / 2048 * 10.667 = 26.7 pixels.
//
// FitText cuts a text that is wider than its room and ends it with "…", so a cut
// amount never reads as a shorter, different amount; WrapText breaks a text at blanks
// into lines that each fit (a word wider than the room is cut the same way).
#include <string>
#include <vector>

namespace zeb {

// The room a text object leaves at each side of its text, in pixels.
inline constexpr double kTextInset = 1.0;

// Width in pixels at 96 per inch of `text` (UTF-8) in Arial of `pt` points.
double TextWidthPx(const std::string& text, double pt, bool bold);
// Distance between two lines of Arial of `pt` points, in pixels.
double LineHeightPx(double pt);
// `text` when it fits `widthPx`, else its longest start that fits with "…" after it.
std::string FitText(const std::string& text, double widthPx, double pt, bool bold);
// `text` broken at blanks into lines no wider than `widthPx` (each fitted).
std::vector<std::string> WrapText(const std::string& text, double widthPx, double pt, bool bold);

}  // namespace zeb
