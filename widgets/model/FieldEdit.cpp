#include "widgets/model/FieldEdit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "finance/Regional.h"

namespace zeb {

FieldEdit FieldEdit::At(std::string text, int pos) {
  FieldEdit e;
  e.caret = std::clamp(pos, 0, static_cast<int>(text.size()));
  e.selStart = e.caret;
  e.text = std::move(text);
  return e;
}

FieldEdit FieldEdit::Clamped() const {
  FieldEdit e = *this;
  const int len = static_cast<int>(e.text.size());
  e.caret = std::clamp(e.caret, 0, len);
  e.selStart = std::clamp(e.selStart, 0, len);
  e.selLength = std::clamp(e.selLength, 0, len - e.selStart);
  return e;
}

std::string OverflowText(int width) { return std::string(std::max(width, 1), '*'); }

bool IsOverflowText(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c == '*'; });
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

namespace {
bool IsBlankOrControl(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u <= ' ' || u == 0x7f;
}
}  // namespace

std::optional<PastedAmount> ParsePastedAmount(const std::string& text) {
  const RegionalSettings& reg = Regional();
  std::size_t b = 0, e = text.size();
  while (b < e && IsBlankOrControl(text[b])) ++b;
  while (e > b && IsBlankOrControl(text[e - 1])) --e;
  std::string s = text.substr(b, e - b);
  PastedAmount out;
  // A spreadsheet's negative amount in parentheses: "($3.50)".
  if (s.size() >= 2 && s.front() == '(' && s.back() == ')') {
    s = s.substr(1, s.size() - 2);
    out.negative = true;
  }
  std::size_t i = 0;
  if (!out.negative && i < s.size() && s[i] == '-') {
    out.negative = true;
    ++i;
  }
  if (!reg.currencySymbol.empty() && s.compare(i, reg.currencySymbol.size(), reg.currencySymbol) == 0)
    i += reg.currencySymbol.size();
  // Integer part: digits, optionally grouped in threes.
  std::string digits;
  bool grouped = false;
  int groupLen = 0;  // digits since the last separator
  bool firstGroup = true;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (IsDigit(c)) {
      digits += c;
      ++groupLen;
      if (grouped && groupLen > 3) return std::nullopt;
    } else if (c == reg.thousandsSeparator) {
      if (groupLen == 0 || (firstGroup && groupLen > 3) || (!firstGroup && groupLen != 3))
        return std::nullopt;
      grouped = true;
      firstGroup = false;
      groupLen = 0;
    } else {
      break;
    }
  }
  if (grouped && groupLen != 3) return std::nullopt;
  std::string dec;
  if (i < s.size() && s[i] == reg.decimalSeparator) {
    for (++i; i < s.size() && IsDigit(s[i]); ++i) dec += s[i];
  }
  if (i != s.size()) return std::nullopt;
  if (digits.empty() && dec.empty()) return std::nullopt;
  const auto nz = digits.find_first_not_of('0');
  out.intDigits = nz == std::string::npos ? "0" : digits.substr(nz);
  out.decDigits = dec;
  return out;
}

std::string RoundDecimalText(const std::string& decimal, int places, bool round) {
  const auto dot = decimal.find('.');
  std::string ip = dot == std::string::npos ? decimal : decimal.substr(0, dot);
  std::string fp = dot == std::string::npos ? std::string() : decimal.substr(dot + 1);
  if (ip.empty()) ip.assign(1, '0');
  const bool up = round && static_cast<int>(fp.size()) > places && fp[places] >= '5';
  fp.resize(places, '0');
  std::string all = ip + fp;
  if (up) {
    int k = static_cast<int>(all.size()) - 1;
    while (k >= 0 && all[k] == '9') all[k--] = '0';
    if (k >= 0)
      ++all[k];
    else
      all.insert(all.begin(), '1');
  }
  const std::size_t intLen = all.size() - places;
  std::string out = all.substr(0, intLen);
  const auto nz = out.find_first_not_of('0');
  out = nz == std::string::npos ? "0" : out.substr(nz);
  if (places > 0) {
    out += '.';
    out += all.substr(intLen);
  }
  return out;
}

std::string PlainDecimalText(long double value, int places) {
  if (!std::isfinite(value)) return {};
  char buf[128];
  const int n = std::snprintf(buf, sizeof buf, "%.*Lf", std::clamp(places + 6, 0, 40),
                              std::fabs(value));
  if (n <= 0 || n >= static_cast<int>(sizeof buf)) return {};
  return buf;
}

}  // namespace zeb
