#include "widgets/model/MoneyField.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "finance/Regional.h"
#include "finance/TextForms.h"

namespace zeb {

namespace {

char Thousands() { return Regional().thousandsSeparator; }
char Point() { return Regional().decimalSeparator; }

int Len(const std::string& s) { return static_cast<int>(s.size()); }

// The text with the caret T characters from its end.
FieldEdit Place(const std::string& text, int t) { return FieldEdit::At(text, Len(text) - t); }

// The picture built here from the exact decimal text; used when the shared form is
// not in the expected shape.
std::string BuildMoneyText(long double value, int decimals) {
  const std::string plain = PlainDecimalText(value, decimals);
  if (plain.empty()) return {};
  const std::string r = RoundDecimalText(plain, decimals, true);
  const auto dot = r.find('.');
  const std::string ip = r.substr(0, dot);
  std::string grouped;
  for (int i = 0; i < Len(ip); ++i) {
    if (i > 0 && (Len(ip) - i) % 3 == 0) grouped += Thousands();
    grouped += ip[i];
  }
  const bool zero = r.find_first_not_of("0.") == std::string::npos;
  std::string out;
  if (value < 0 && !zero) out += '-';
  out += grouped;
  out += Point();
  out.append(r, dot + 1);
  return out;
}

std::string Reformat(const std::string& text, const MoneyRules& rules) {
  long double v = MoneyValue(text, rules.decimals);
  if (std::isnan(v)) v = 0;
  return MoneyText(v, rules);
}

// A text that is not in the display form (set from outside, or the overflow text) is
// brought into it; the caret then stands before the decimal separator.
FieldEdit Normalized(const FieldEdit& edit, const MoneyRules& rules) {
  if (IsMoneyText(edit.text, rules.decimals)) return edit.Clamped();
  std::string t = IsOverflowText(edit.text) ? MoneyText(0, rules) : Reformat(edit.text, rules);
  if (!IsMoneyText(t, rules.decimals)) t = MoneyText(0, rules);
  return MoneyEnter(t, rules);
}

// Clears the selection: integer digits and the sign go, decimals become 0, separators
// stay.
FieldEdit ClearSelection(const FieldEdit& e, const MoneyRules& rules) {
  const int len = Len(e.text);
  const int dec = static_cast<int>(e.text.rfind(Point()));
  std::string out;
  for (int i = 0; i < len; ++i) {
    const char c = e.text[i];
    if (i < e.selStart || i >= e.SelEnd()) {
      out += c;
    } else if (IsDigit(c)) {
      if (i > dec) out += '0';
    } else if (c != '-') {
      out += c;
    }
  }
  const std::string t = Reformat(out, rules);
  if (e.selStart <= dec && e.SelEnd() > dec) return Place(t, rules.decimals + 1);
  if (e.SelEnd() <= dec) return Place(t, len - e.SelEnd());
  return Place(t, len - e.selStart);
}

}  // namespace

bool SetMoneyDecimals(MoneyRules& rules, int decimals) {
  if (!(decimals > 0 && decimals < rules.maxLength - 1)) return false;
  rules.decimals = decimals;
  SetMoneyMaxLength(rules, rules.requestedMaxLength);
  return true;
}

bool SetMoneyMaxLength(MoneyRules& rules, int length) {
  if (!(length < 20 && length > rules.decimals + 1)) return false;
  rules.requestedMaxLength = length;
  rules.maxLength = length;
  if ((length - rules.decimals - 1) % 4 == 0) --rules.maxLength;
  return true;
}

bool IsMoneyText(const std::string& text, int decimals) {
  const int len = Len(text);
  int i = 0;
  const bool negative = i < len && text[i] == '-';
  if (negative) ++i;
  // Integer part: 1..3 digits, then groups of a separator and three digits.
  const int intStart = i;
  int run = 0;
  bool firstGroup = true;
  for (; i < len && text[i] != Point(); ++i) {
    if (IsDigit(text[i])) {
      ++run;
      if (run > 3) return false;
    } else if (text[i] == Thousands()) {
      if (run == 0 || (!firstGroup && run != 3)) return false;
      firstGroup = false;
      run = 0;
    } else {
      return false;
    }
  }
  if (run == 0 || (!firstGroup && run != 3)) return false;
  if (text[intStart] == '0' && i - intStart > 1) return false;  // leading zero
  if (i >= len) return false;
  ++i;  // the decimal separator
  if (len - i != decimals) return false;
  for (int k = i; k < len; ++k)
    if (!IsDigit(text[k])) return false;
  if (negative && text.find_first_of("123456789") == std::string::npos) return false;
  return true;
}

std::string MoneyText(long double value, const MoneyRules& rules) {
  if (!std::isfinite(value) || std::fabs(value) >= kMoneyOverflow) return OverflowText(rules.maxLength);
  std::string s = FormatMoneyPicture(value, rules.decimals);
  if (!s.empty() && s[0] == '-' && s.find_first_of("123456789") == std::string::npos) s.erase(0, 1);
  if (!IsMoneyText(s, rules.decimals)) s = BuildMoneyText(value, rules.decimals);
  if (!IsMoneyText(s, rules.decimals)) return OverflowText(rules.maxLength);
  return s;
}

long double MoneyValue(const std::string& text, int decimals) {
  if (IsOverflowText(text)) return std::numeric_limits<long double>::quiet_NaN();
  std::string s;
  for (char c : text)
    if (c != Thousands() && c != Point()) s += c;
  const bool negative = !s.empty() && s[0] == '-';
  std::string digits = negative ? s.substr(1) : s;
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) return 0;
  if (Len(digits) <= decimals) digits.insert(0, decimals + 1 - Len(digits), '0');
  const int cut = Len(digits) - decimals;
  std::string number;
  if (negative) number += '-';
  number.append(digits, 0, cut);
  number += Point();
  number.append(digits, cut);
  try {
    return StrToExtended(number);
  } catch (const EConvertError&) {
    return 0;
  }
}

FieldEdit MoneyEnter(const std::string& text, const MoneyRules& rules) {
  std::string t = text;
  if (!IsMoneyText(t, rules.decimals)) {
    t = IsOverflowText(t) ? t : Reformat(t, rules);
    if (IsOverflowText(t)) return FieldEdit::At(t, 0);
  }
  return Place(t, rules.decimals + 1);
}

KeyResult MoneyKey(const FieldEdit& edit, FieldKey key, const MoneyRules& rules) {
  const int d = rules.decimals;
  FieldEdit e = Normalized(edit, rules);
  if (key.kind == EditKey::Char) {
    if (key.ch == '.' || key.ch == ',') return {Place(e.text, d)};
    if (key.ch == '-' && rules.allowNegative && !IsOverflowText(e.text)) {
      const int T = Len(e.text) - (e.HasSelection() ? e.SelEnd() : e.caret);
      const std::string nt = MoneyText(-MoneyValue(e.text, d), rules);
      if (Len(nt) > rules.maxLength) return {e, true};
      return {Place(nt, std::min(T, Len(nt)))};
    }
    if (!IsDigit(key.ch)) return {e};
  }
  if (e.HasSelection()) {
    e = ClearSelection(e, rules);
    if (key.kind != EditKey::Char) return {e};
  }
  std::string t = e.text;
  const int len = Len(t);
  const int caret = e.caret;
  const int T = len - caret;

  switch (key.kind) {
    case EditKey::Char: {
      if (T > d) {
        if (len >= rules.maxLength) return {e};
        const int pos = (caret == 0 && t[0] == '-') ? 1 : caret;
        t.insert(t.begin() + pos, key.ch);
        const std::string nt = Reformat(t, rules);
        if (Len(nt) > rules.maxLength || IsOverflowText(nt)) return {e};
        return {Place(nt, len - pos)};
      }
      if (T >= 1) {
        t[caret] = key.ch;
        return {Place(Reformat(t, rules), T - 1)};
      }
      return {e};
    }
    case EditKey::Backspace: {
      if (T > d) {
        if (caret == 0) return {e};
        int del = caret - 1;
        if (t[del] == Thousands()) {
          if (del == 0) return {e};
          --del;
        }
        t.erase(del, 1);
        return {Place(Reformat(t, rules), T)};
      }
      if (T == d) {
        const int del = caret - 2;
        if (del < 0 || !IsDigit(t[del])) return {e};
        t.erase(del, 1);
        return {Place(Reformat(t, rules), d + 1)};
      }
      t[caret - 1] = '0';
      return {Place(Reformat(t, rules), T + 1)};
    }
    case EditKey::Delete: {
      if (T > d + 1) {
        if (t[caret] == Thousands()) {
          t.erase(caret + 1, 1);
          return {Place(Reformat(t, rules), T - 2)};
        }
        t.erase(caret, 1);
        return {Place(Reformat(t, rules), T - 1)};
      }
      if (T == d + 1) {
        t[caret + 1] = '0';
        return {Place(Reformat(t, rules), d - 1)};
      }
      if (T >= 1) {
        t[caret] = '0';
        return {Place(Reformat(t, rules), T - 1)};
      }
      return {e};
    }
  }
  return {e};
}

KeyResult MoneyPaste(const FieldEdit& edit, const std::string& clip, const MoneyRules& rules) {
  const FieldEdit e = Normalized(edit, rules);
  const auto amount = ParsePastedAmount(clip);
  if (!amount || amount->intDigits.size() > 18) return {e, true};
  std::string decimal = amount->intDigits;
  decimal += '.';
  decimal += amount->decDigits;
  const std::string rounded = RoundDecimalText(decimal, rules.decimals, true);
  // A pasted minus or parentheses go the way of a typed minus, so the clipboard never
  // gives an amount the keyboard could not.
  std::string number;
  if (amount->negative && rules.allowNegative) number += '-';
  number += rounded;
  for (char& c : number)
    if (c == '.') c = Point();
  long double v = 0;
  try {
    v = StrToExtended(number);
  } catch (const EConvertError&) {
    return {e, true};
  }
  const std::string t = MoneyText(v, rules);
  if (IsOverflowText(t) || Len(t) > rules.maxLength) return {e, true};
  return {MoneyEnter(t, rules)};
}

CutResult MoneyCut(const FieldEdit& edit, const MoneyRules& rules) {
  const FieldEdit e = Normalized(edit, rules);
  if (!e.HasSelection()) return {e, {}};
  return {ClearSelection(e, rules), e.text.substr(e.selStart, e.selLength)};
}

}  // namespace zeb
