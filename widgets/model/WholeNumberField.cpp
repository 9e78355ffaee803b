#include "widgets/model/WholeNumberField.h"

#include <algorithm>
#include <cmath>

#include "finance/Errors.h"
#include "finance/Regional.h"
#include "finance/TextForms.h"

namespace zeb {

namespace {

char Point() { return Regional().decimalSeparator; }
int Len(const std::string& s) { return static_cast<int>(s.size()); }

// A text left without any digit becomes "0" with the caret after it; an integer part
// left empty before the separator gets its "0" back.
FieldEdit Settled(std::string text, int caret) {
  if (text.find_first_of("0123456789") == std::string::npos) return FieldEdit::At("0", 1);
  const int intStart = text[0] == '-' ? 1 : 0;
  if (intStart >= Len(text) || text[intStart] == Point()) {
    text.insert(text.begin() + intStart, '0');
    if (caret > intStart) ++caret;
  }
  return FieldEdit::At(std::move(text), caret);
}

int IntegerDigits(const std::string& text) {
  const auto sep = text.find(Point());
  const std::string ip = text.substr(0, sep);
  return static_cast<int>(std::count_if(ip.begin(), ip.end(), IsDigit));
}

// Removing characters must not join the decimals to the integer part beyond its limit
// (deleting the separator of 1234567.50, say): such a removal is refused.
KeyResult Removed(const FieldEdit& e, int from, int count) {
  std::string t = e.text;
  t.erase(from, count);
  if (IntegerDigits(t) > kWholeNumberDigits) return {e, true};
  return {Settled(t, from)};
}

}  // namespace

std::string WholeNumberText(double value, int decimals) {
  decimals = std::clamp(decimals, 0, 9);
  const std::string plain = PlainDecimalText(value, decimals);
  if (plain.empty()) return OverflowText(kWholeNumberDigits);
  std::string r = RoundDecimalText(plain, decimals, true);
  const auto dot = r.find('.');
  if (static_cast<int>(dot == std::string::npos ? r.size() : dot) > kWholeNumberDigits)
    return OverflowText(kWholeNumberDigits);
  if (dot != std::string::npos) r[dot] = Point();
  const bool zero = r.find_first_not_of(std::string("0") + Point()) == std::string::npos;
  if (value < 0 && !zero) r.insert(r.begin(), '-');
  return r;
}

double WholeNumberValue(const std::string& text) {
  // Optional minus, digits, optionally a separator and more digits.
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') ++i;
  const std::size_t intStart = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  bool ok = i > intStart;
  if (ok && i < text.size() && text[i] == Point()) {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i;
  }
  ok = ok && i == text.size();
  if (!ok) throw EConvertError("'" + text + "' is not a valid floating point value");
  std::string number = text;
  if (number.back() == Point()) number += '0';
  return StrToFloat(number);
}

KeyResult WholeNumberKey(const FieldEdit& edit, FieldKey key, const WholeNumberRules& rules) {
  FieldEdit e = edit.Clamped();
  if (e.HasSelection()) {
    const KeyResult cleared = Removed(e, e.selStart, e.selLength);
    if (cleared.refused || key.kind != EditKey::Char) return cleared;
    e = cleared.edit;
  }
  std::string t = e.text;
  const int len = Len(t);
  int caret = e.caret;
  const int decimals = std::clamp(rules.decimals, 0, 9);

  if (key.kind == EditKey::Backspace) {
    if (caret == 0) return {e};
    return Removed(e, caret - 1, 1);
  }
  if (key.kind == EditKey::Delete) {
    if (caret >= len) return {e};
    return Removed(e, caret, 1);
  }

  const char ch = key.ch;
  const int intStart = (len > 0 && t[0] == '-') ? 1 : 0;
  const auto sepPos = t.find(Point());
  const int intEnd = sepPos == std::string::npos ? len : static_cast<int>(sepPos);

  if (IsDigit(ch)) {
    if (ch == '0' && caret <= intStart) return {e};
    if (intEnd - intStart == 1 && t[intStart] == '0' &&
        (caret == intStart || caret == intStart + 1)) {
      t[intStart] = ch;
      return {FieldEdit::At(t, intStart + 1)};
    }
    caret = std::max(caret, intStart);
    if (caret <= intEnd) {
      if (intEnd - intStart >= kWholeNumberDigits) return {e, true};
    } else if (len - intEnd - 1 >= decimals) {
      return {e, true};
    }
    t.insert(t.begin() + caret, ch);
    return {FieldEdit::At(t, caret + 1)};
  }
  if (ch == '-') {
    if (!(rules.minValue < 0)) return {e};
    if (intStart == 1) {
      t.erase(0, 1);
      return {FieldEdit::At(t, caret - 1)};
    }
    t.insert(t.begin(), '-');
    return {FieldEdit::At(t, caret + 1)};
  }
  if (ch == Point() && decimals > 0) {
    if (sepPos != std::string::npos) return {FieldEdit::At(t, intEnd + 1)};
    t += Point();
    t.append(decimals, '0');
    return {FieldEdit::At(t, len + 1)};
  }
  return {e};
}

KeyResult WholeNumberPaste(const FieldEdit& edit, const std::string& clip,
                           const WholeNumberRules& rules) {
  FieldEdit e = edit.Clamped();
  if (e.HasSelection()) {
    const KeyResult cleared = Removed(e, e.selStart, e.selLength);
    if (cleared.refused) return cleared;
    e = cleared.edit;
  }
  bool refused = false;
  for (char c : clip) {
    const KeyResult r = WholeNumberKey(e, FieldKey::Char(c), rules);
    refused = refused || r.refused;
    e = r.edit;
  }
  return {e, refused};
}

CutResult WholeNumberCut(const FieldEdit& edit, const WholeNumberRules& rules) {
  const FieldEdit e = edit.Clamped();
  if (!e.HasSelection()) return {e, {}};
  const KeyResult cleared = Removed(e, e.selStart, e.selLength);
  if (cleared.refused) return {e, {}};
  return {cleared.edit, e.text.substr(e.selStart, e.selLength)};
}

}  // namespace zeb
