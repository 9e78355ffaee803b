#include "widgets/model/PictureField.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "finance/Errors.h"
#include "finance/Regional.h"
#include "finance/TextForms.h"

namespace zeb {

namespace {

char Thousands() { return Regional().thousandsSeparator; }
char Point() { return Regional().decimalSeparator; }
int Len(const std::string& s) { return static_cast<int>(s.size()); }
bool IsSlot(char m) { return m == '#' || m == 'i'; }

std::string StripLeadingZeros(const std::string& digits) {
  const auto nz = digits.find_first_not_of('0');
  return nz == std::string::npos ? std::string(1, '0') : digits.substr(nz);
}

PictureNumber Canonical(PictureNumber n, const PictureLayout& layout) {
  n.intDigits = StripLeadingZeros(n.intDigits);
  n.decDigits.resize(layout.decSlots, '0');
  return n;
}

// Where the caret stands among the digits: in the integer part with `pos` digits to
// its right, or among the decimals with `pos` decimals to its left.
struct Spot {
  bool decimals = false;
  int pos = 0;
};

Spot Locate(const std::string& text, int caret, const PictureLayout& layout, int intCount) {
  if (layout.decPos >= 0 && caret > layout.decPos)
    return {true, std::clamp(std::min(caret, layout.numEnd) - layout.decPos - 1, 0, layout.decSlots)};
  const int end = layout.IntEnd();
  int right = 0;
  for (int p = std::max(caret, 0); p < end && p < Len(text); ++p)
    if (IsDigit(text[p])) ++right;
  return {false, std::min(right, intCount)};
}

int CaretOf(const std::string& text, Spot spot, const PictureLayout& layout) {
  if (spot.decimals) return layout.decPos + 1 + spot.pos;
  int p = layout.IntEnd();
  for (int seen = 0; seen < spot.pos && p > 0;) {
    --p;
    if (IsDigit(text[p])) ++seen;
  }
  return p;
}

// The state the keys work on: the number and the caret's spot.
struct Working {
  PictureNumber number;
  Spot spot;
  bool selection = false;
  int selStart = 0, selEnd = 0;
  std::string text;
  int caret = 0;
};

Working Prepare(const FieldEdit& edit, const PictureRules& rules) {
  const PictureLayout& layout = rules.layout;
  Working w;
  const PictureReading reading = ReadPicture(edit.text, layout);
  if (reading.status == PictureStatus::Number) {
    const PictureNumber n = Canonical(reading.number, layout);
    const auto shown = RenderPicture(n, layout);
    if (shown && *shown == edit.text) {
      w.number = n;
      w.text = edit.text;
      const int len = Len(w.text);
      w.caret = std::clamp(edit.caret, 0, len);
      w.selStart = std::clamp(edit.selStart, 0, len);
      w.selEnd = std::clamp(edit.SelEnd(), w.selStart, len);
      w.selection = w.selEnd > w.selStart;
      w.spot = Locate(w.text, w.caret, layout, Len(n.intDigits));
      return w;
    }
    if (shown) {
      w.number = n;
      w.text = *shown;
    }
  }
  if (w.text.empty()) {
    w.number = Canonical(PictureNumber{}, layout);
    w.text = RenderPicture(w.number, layout).value_or(OverflowText(layout.Width()));
  }
  w.spot = Spot{false, 0};
  w.caret = CaretOf(w.text, w.spot, layout);
  return w;
}

FieldEdit Finish(const PictureNumber& n, Spot spot, const PictureLayout& layout) {
  const std::string text = RenderPicture(n, layout).value_or(OverflowText(layout.Width()));
  return FieldEdit::At(text, CaretOf(text, spot, layout));
}

// Clears the selection: its integer digits and sign go, its decimals become 0.
void ClearSelection(Working& w, const PictureLayout& layout) {
  const int intEnd = layout.IntEnd();
  std::string kept;
  int digitIndex = 0;
  int rightOfSel = 0;
  for (int p = 0; p < intEnd && p < Len(w.text); ++p) {
    if (!IsDigit(w.text[p])) continue;
    const bool inSel = p >= w.selStart && p < w.selEnd;
    if (!inSel) kept += w.text[p];
    if (!inSel && p >= w.selEnd) ++rightOfSel;
    ++digitIndex;
  }
  for (int p = std::max(w.selStart, 0); p < w.selEnd && p < Len(w.text); ++p)
    if (w.text[p] == '-') w.number.negative = false;
  if (layout.decPos >= 0) {
    for (int k = 0; k < layout.decSlots; ++k) {
      const int p = layout.decPos + 1 + k;
      if (p >= w.selStart && p < w.selEnd) w.number.decDigits[k] = '0';
    }
  }
  w.number.intDigits = StripLeadingZeros(kept.empty() ? std::string("0") : kept);
  const int n = Len(w.number.intDigits);
  if (layout.decPos >= 0 && w.selStart <= layout.decPos && w.selEnd > layout.decPos)
    w.spot = {false, 0};
  else if (layout.decPos < 0 || w.selEnd <= layout.decPos)
    w.spot = {false, std::min(rightOfSel, n)};
  else
    w.spot = {true, std::clamp(w.selStart - layout.decPos - 1, 0, layout.decSlots)};
  w.selection = false;
}

}  // namespace

PictureLayout ParsePictureMask(const std::string& mask) {
  PictureLayout l;
  l.mask = mask;
  for (int p = 0; p < Len(mask); ++p) {
    const char m = mask[p];
    if (m == '.' && l.decPos < 0) {
      l.decPos = p;
    } else if (IsSlot(m)) {
      (l.decPos >= 0 ? l.decSlots : l.intSlots)++;
      l.numEnd = p + 1;
    } else if (m == '$') {
      l.currency = true;
    }
  }
  if (l.decPos >= 0) l.numEnd = std::max(l.numEnd, l.decPos + 1);
  return l;
}

std::optional<std::string> RenderPicture(const PictureNumber& number, const PictureLayout& layout) {
  const std::string& mask = layout.mask;
  const int width = layout.Width();
  std::string out(width, ' ');
  for (int p = layout.numEnd; p < width; ++p) out[p] = mask[p] == '.' ? Point() : mask[p];
  if (layout.decPos >= 0) {
    out[layout.decPos] = Point();
    int k = 0;
    for (int p = layout.decPos + 1; p < layout.numEnd; ++p) {
      if (IsSlot(mask[p]))
        out[p] = k < Len(number.decDigits) ? number.decDigits[k++] : '0';
      else
        out[p] = mask[p] == ',' ? Thousands() : mask[p];
    }
  }
  std::string digits = StripLeadingZeros(number.intDigits);
  if (layout.intSlots == 0 && digits == "0") digits.clear();
  const int n = Len(digits);
  int p = layout.IntEnd() - 1;
  int k = 0;
  while (p >= 0) {
    const char m = mask[p];
    if (IsSlot(m) && k < n) {
      out[p--] = digits[n - 1 - k++];
    } else if (m == ',' && k > 0 && k < n) {
      out[p--] = Thousands();
    } else {
      break;
    }
  }
  if (k < n) return std::nullopt;
  std::string prefix;
  if (number.negative) prefix += '-';
  if (layout.currency) prefix += Regional().currencySymbol;
  if (Len(prefix) > p + 1) return std::nullopt;
  std::copy(prefix.begin(), prefix.end(), out.begin() + (p + 1 - Len(prefix)));
  return out;
}

std::string PictureText(long double value, const PictureLayout& layout) {
  const std::string overflow = OverflowText(layout.Width());
  const std::string plain = PlainDecimalText(value, layout.decSlots);
  if (plain.empty()) return overflow;
  const std::string r = RoundDecimalText(plain, layout.decSlots, true);
  const auto dot = r.find('.');
  PictureNumber n;
  n.intDigits = r.substr(0, dot);
  n.decDigits = dot == std::string::npos ? std::string() : r.substr(dot + 1);
  n.negative = value < 0 && r.find_first_not_of("0.") != std::string::npos;
  return RenderPicture(n, layout).value_or(overflow);
}

PictureReading ReadPicture(const std::string& text, const PictureLayout& layout) {
  PictureReading r;
  if (IsOverflowText(text)) {
    r.status = PictureStatus::Overflow;
    return r;
  }
  std::string s;
  for (char c : text)
    if (c != ' ' && c != Thousands()) s += c;
  const std::string& symbol = Regional().currencySymbol;
  if (layout.currency && !symbol.empty()) {
    const auto at = s.find(symbol);
    if (at != std::string::npos) s.erase(at, symbol.size());
  }
  for (int p = layout.numEnd; p < layout.Width(); ++p) {
    const char m = layout.mask[p];
    if (m == '.' || IsSlot(m)) continue;
    const auto at = s.rfind(m);
    if (at != std::string::npos) s.erase(at, 1);
  }
  if (s.empty()) {
    r.status = PictureStatus::Blank;
    return r;
  }
  std::size_t i = 0;
  if (s[i] == '-') {
    r.number.negative = true;
    ++i;
  }
  std::string ip, dp;
  while (i < s.size() && IsDigit(s[i])) ip += s[i++];
  if (i < s.size() && s[i] == Point()) {
    for (++i; i < s.size() && IsDigit(s[i]);) dp += s[i++];
  }
  if (i != s.size() || (ip.empty() && dp.empty())) {
    r.status = PictureStatus::Malformed;
    return r;
  }
  r.status = PictureStatus::Number;
  r.number.intDigits = StripLeadingZeros(ip);
  r.number.decDigits = dp;
  return r;
}

long double PictureNumberValue(const PictureNumber& number) {
  std::string s;
  if (number.negative) s += '-';
  s += number.intDigits.empty() ? std::string("0") : number.intDigits;
  if (!number.decDigits.empty()) {
    s += Point();
    s += number.decDigits;
  }
  return StrToExtended(s);
}

bool PictureRules::Refuses(long double value) const {
  return low <= 0 && high >= 0 && (value < low || value > high);
}

FieldEdit PictureEnter(const std::string& text, const PictureRules& rules) {
  if (IsOverflowText(text)) return FieldEdit::At(text, Len(text));
  const Working w = Prepare(FieldEdit::At(text, 0), rules);
  return FieldEdit::At(w.text, CaretOf(w.text, Spot{false, 0}, rules.layout));
}

KeyResult PictureKey(const FieldEdit& edit, FieldKey key, const PictureRules& rules) {
  const PictureLayout& layout = rules.layout;
  Working w = Prepare(edit, rules);
  const FieldEdit before = [&] {
    FieldEdit e = FieldEdit::At(w.text, w.caret);
    if (w.selection) {
      e.selStart = w.selStart;
      e.selLength = w.selEnd - w.selStart;
      e.caret = w.caret;
    }
    return e;
  }();
  const char ch = key.ch;
  if (key.kind == EditKey::Char) {
    const bool point = ch == '.' && layout.decPos >= 0;
    if (!(IsDigit(ch) || ch == ' ' || ch == '-' || point)) return {before};
    if (point) return {Finish(w.number, Spot{true, 0}, layout)};
  }
  if (w.selection) {
    ClearSelection(w, layout);
    if (key.kind != EditKey::Char) return {Finish(w.number, w.spot, layout)};
  }
  PictureNumber& n = w.number;
  Spot& s = w.spot;
  const int count = Len(n.intDigits);
  const int at = count - s.pos;  // index in intDigits of the first digit right of the caret
  bool growing = false;

  switch (key.kind) {
    case EditKey::Char:
      if (IsDigit(ch)) {
        if (s.decimals) {
          if (s.pos >= layout.decSlots) return {Finish(n, s, layout)};
          n.decDigits[s.pos++] = ch;
        } else if (n.intDigits == "0" && s.pos <= 1) {
          n.intDigits = std::string(1, ch);
          s.pos = 0;
        } else {
          n.intDigits.insert(n.intDigits.begin() + at, ch);
          n.intDigits = StripLeadingZeros(n.intDigits);
          s.pos = std::min(s.pos, Len(n.intDigits));
        }
        growing = true;
      } else if (ch == ' ') {
        if (s.decimals) {
          if (s.pos < layout.decSlots) n.decDigits[s.pos++] = '0';
        } else {
          n.intDigits = StripLeadingZeros(s.pos > 0 ? n.intDigits.substr(at) : std::string("0"));
          n.negative = false;
          s.pos = std::min(s.pos, Len(n.intDigits));
        }
      } else {  // '-'
        n.negative = !n.negative;
        growing = true;
      }
      break;
    case EditKey::Backspace:
      if (s.decimals) {
        if (s.pos == 0) {
          n.intDigits.pop_back();
          s = Spot{false, 0};
        } else {
          n.decDigits[--s.pos] = '0';
        }
      } else if (s.pos < count) {
        n.intDigits.erase(at - 1, 1);
      } else if (n.negative && w.caret > 0 && w.text[w.caret - 1] == '-') {
        n.negative = false;
      }
      break;
    case EditKey::Delete:
      if (s.decimals) {
        if (s.pos < layout.decSlots) n.decDigits[s.pos++] = '0';
      } else if (n.negative && s.pos == count && w.caret < Len(w.text) && w.text[w.caret] == '-') {
        n.negative = false;
      } else if (s.pos > 0) {
        n.intDigits.erase(at, 1);
        --s.pos;
      } else if (layout.decSlots > 0) {
        n.decDigits[0] = '0';
        s = Spot{true, 1};
      }
      break;
  }
  n.intDigits = StripLeadingZeros(n.intDigits);
  if (!s.decimals) s.pos = std::min(s.pos, Len(n.intDigits));
  const auto shown = RenderPicture(n, layout);
  if (!shown || (growing && rules.Refuses(PictureNumberValue(n)))) return {before, true};
  return {FieldEdit::At(*shown, CaretOf(*shown, s, layout))};
}

KeyResult PicturePaste(const FieldEdit& edit, const std::string& clip, const PictureRules& rules) {
  const PictureLayout& layout = rules.layout;
  const Working w = Prepare(edit, rules);
  const FieldEdit before = FieldEdit::At(w.text, w.caret);
  const auto amount = ParsePastedAmount(clip);
  if (!amount || Len(amount->intDigits) > layout.intSlots + 1) return {before, true};
  if (layout.decSlots == 0 && amount->decDigits.find_first_not_of('0') != std::string::npos)
    return {before, true};
  std::string decimal = amount->intDigits;
  decimal += '.';
  decimal += amount->decDigits;
  const std::string r = RoundDecimalText(decimal, layout.decSlots, true);
  const auto dot = r.find('.');
  PictureNumber n;
  n.intDigits = r.substr(0, dot);
  n.decDigits = dot == std::string::npos ? std::string() : r.substr(dot + 1);
  n.negative = amount->negative && r.find_first_not_of("0.") != std::string::npos;
  const auto shown = RenderPicture(n, layout);
  if (!shown || rules.Refuses(PictureNumberValue(n))) return {before, true};
  return {FieldEdit::At(*shown, CaretOf(*shown, Spot{false, 0}, layout))};
}

CutResult PictureCut(const FieldEdit& edit, const PictureRules& rules) {
  Working w = Prepare(edit, rules);
  if (!w.selection) return {FieldEdit::At(w.text, w.caret), {}};
  const std::string cut = w.text.substr(w.selStart, w.selEnd - w.selStart);
  ClearSelection(w, rules.layout);
  return {Finish(w.number, w.spot, rules.layout), cut};
}

}  // namespace zeb
