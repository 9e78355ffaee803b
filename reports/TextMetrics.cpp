#include "reports/TextMetrics.h"

#include <array>
#include <cstdint>

namespace zeb {
namespace {

constexpr double kUnitsPerEm = 2048.0;
// Ascent + descent + leading of the face, in the same units.
constexpr double kLineUnits = 1854.0 + 434.0 + 67.0;
constexpr int kEllipsisUnits = 2048;
constexpr int kOtherUnits = 1139;  // a character outside the table: an average letter
const std::string kEllipsis = "\xE2\x80\xA6";

// Characters 32 ("space") to 126 ("~").
constexpr std::array<std::uint16_t, 95> kRegular = {
    569,  569,  727,  1139, 1139, 1821, 1366, 391,  682,  682,  797,  1196, 569,  682,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 569,  569,  1196, 1196, 1196, 1139,
    2079, 1366, 1366, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1024, 1366, 1139, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 569,  569,  569,  961,  1139,
    682,  1139, 1139, 1024, 1139, 1139, 569,  1139, 1139, 455,  455,  1024, 455,  1706, 1139, 1139,
    1139, 1139, 682,  1024, 569,  1139, 1024, 1479, 1024, 1024, 1024, 684,  532,  684,  1196};
constexpr std::array<std::uint16_t, 95> kBold = {
    569,  682,  971,  1139, 1139, 1821, 1479, 487,  682,  682,  797,  1196, 569,  682,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 682,  682,  1196, 1196, 1196, 1251,
    1997, 1479, 1479, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1139, 1479, 1251, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 682,  569,  682,  1196, 1139,
    682,  1139, 1251, 1139, 1251, 1139, 682,  1251, 1251, 569,  569,  1139, 569,  1821, 1251, 1251,
    1251, 1251, 797,  1139, 682,  1251, 1139, 1593, 1139, 1139, 1024, 797,  573,  797,  1196};

double pixelsPerUnit(double pt) { return pt * 96.0 / 72.0 / kUnitsPerEm; }

// Length in bytes of the UTF-8 character that starts with `lead`.
std::size_t charLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;  // a stray continuation byte counts as one character
}

int charUnits(const std::string& text, std::size_t at, std::size_t length, bool bold) {
  const auto c = static_cast<unsigned char>(text[at]);
  if (length == 1) return (c >= 32 && c <= 126) ? (bold ? kBold : kRegular)[c - 32] : 0;
  if (text.compare(at, length, kEllipsis) == 0) return kEllipsisUnits;
  return kOtherUnits;
}

}  // namespace

double TextWidthPx(const std::string& text, double pt, bool bold) {
  long units = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = charLength(static_cast<unsigned char>(text[i]));
    units += charUnits(text, i, n, bold);
    i += n;
  }
  return static_cast<double>(units) * pixelsPerUnit(pt);
}

double LineHeightPx(double pt) { return kLineUnits * pixelsPerUnit(pt); }

std::string FitText(const std::string& text, double widthPx, double pt, bool bold) {
  const double scale = pixelsPerUnit(pt);
  double used = 0;
  std::size_t i = 0;
  for (; i < text.size();) {
    const std::size_t n = charLength(static_cast<unsigned char>(text[i]));
    used += charUnits(text, i, n, bold) * scale;
    if (used > widthPx) break;
    i += n;
  }
  if (i >= text.size()) return text;
  // Too wide: take back characters until the ellipsis fits beside the rest.
  const double room = widthPx - kEllipsisUnits * scale;
  used = 0;
  std::size_t keep = 0;
  for (std::size_t j = 0; j < text.size();) {
    const std::size_t n = charLength(static_cast<unsigned char>(text[j]));
    used += charUnits(text, j, n, bold) * scale;
    if (used > room) break;
    j += n;
    keep = j;
  }
  if (room < 0) return std::string();
  return text.substr(0, keep) + kEllipsis;
}

std::vector<std::string> WrapText(const std::string& text, double widthPx, double pt, bool bold) {
  std::vector<std::string> lines;
  std::string line;
  bool started = false;  // whether `line` holds a word yet
  auto finish = [&] {
    while (!line.empty() && line.back() == ' ') line.pop_back();
    lines.push_back(FitText(line, widthPx, pt, bold));
  };
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    start = end + 1;
    if (!started) {
      line = word;
      started = !word.empty();
      continue;
    }
    // Blanks between words stay as typed ("NOTE:  Though" keeps its two).
    std::string joined = line + " " + word;
    if (!word.empty() && TextWidthPx(joined, pt, bold) > widthPx) {
      finish();
      line = word;
    } else {
      line = std::move(joined);
    }
  }
  if (started || lines.empty()) finish();
  return lines;
}

}  // namespace zeb
