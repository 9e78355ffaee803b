#include "widgets/model/PointsField.h"

#include <algorithm>
#include <cmath>

#include "finance/Errors.h"
#include "finance/Regional.h"
#include "finance/TextForms.h"

namespace zeb {

namespace {

char Thousands() { return Regional().thousandsSeparator; }
char Point() { return Regional().decimalSeparator; }
int Len(const std::string& s) { return static_cast<int>(s.size()); }

bool IsCore(char c) { return c == '#' || c == '0' || c == ',' || c == '.'; }

// |value| in one mask section; `allZero` tells whether every shown digit is 0.
std::string FormatSection(long double value, const std::string& section, bool* allZero) {
  const auto first = std::find_if(section.begin(), section.end(), IsCore);
  if (first == section.end()) {
    *allZero = true;
    return section;
  }
  const auto last = std::find_if(section.rbegin(), section.rend(), IsCore).base();
  const std::string prefix(section.begin(), first), suffix(last, section.end());
  const std::string core(first, last);
  const auto dot = core.find('.');
  const std::string intMask = core.substr(0, dot);
  const std::string fracMask = dot == std::string::npos ? std::string() : core.substr(dot + 1);
  const int minInt = static_cast<int>(std::count(intMask.begin(), intMask.end(), '0'));
  const bool grouping = intMask.find(',') != std::string::npos;
  const int minDec = static_cast<int>(std::count(fracMask.begin(), fracMask.end(), '0'));
  const int maxDec = static_cast<int>(std::count_if(
      fracMask.begin(), fracMask.end(), [](char c) { return c == '0' || c == '#'; }));

  const std::string r = RoundDecimalText(PlainDecimalText(value, maxDec), maxDec, true);
  const auto rdot = r.find('.');
  std::string ip = r.substr(0, rdot);
  std::string fp = rdot == std::string::npos ? std::string() : r.substr(rdot + 1);
  *allZero = r.find_first_not_of("0.") == std::string::npos;
  while (Len(fp) > minDec && fp.back() == '0') fp.pop_back();
  if (ip == "0" && minInt == 0) ip.clear();
  if (Len(ip) < minInt) ip.insert(0, minInt - Len(ip), '0');
  std::string grouped;
  for (int i = 0; i < Len(ip); ++i) {
    if (grouping && i > 0 && (Len(ip) - i) % 3 == 0) grouped += Thousands();
    grouped += ip[i];
  }
  std::string out = prefix + grouped;
  if (!fp.empty()) {
    out += Point();
    out += fp;
  }
  return out + suffix;
}

long double ToNumber(const std::string& plain, bool negative) {
  std::string s = plain;
  for (char& c : s)
    if (c == '.') c = Point();
  const long double v = StrToExtended(s);
  return negative ? -v : v;
}

FieldEdit WithoutSelection(const FieldEdit& e) {
  if (!e.HasSelection()) return e;
  std::string t = e.text;
  t.erase(e.selStart, e.selLength);
  return FieldEdit::At(t, e.selStart);
}

}  // namespace

std::string FormatFloatMask(long double value, const std::string& positive,
                            const std::string& negative, const std::string& zero) {
  bool allZero = false;
  std::string out;
  if (value < 0 && !negative.empty()) {
    out = FormatSection(-value, negative, &allZero);
  } else {
    out = FormatSection(std::fabs(value), positive, &allZero);
    if (value < 0 && !allZero) out.insert(out.begin(), '-');
  }
  if (allZero && !zero.empty()) {
    bool ignored = false;
    return FormatSection(0, zero, &ignored);
  }
  if (allZero && value < 0 && !negative.empty()) return FormatSection(0, positive, &allZero);
  return out;
}

std::string PointsText(long double value, const PointsRules& rules) {
  const std::string overflow = OverflowText(rules.digits);
  if (!std::isfinite(value)) return overflow;
  const long double shown = rules.type == PointsType::Percentage ? value * 100 : value;
  const int places = std::clamp(rules.decimals, 0, 18);
  const std::string plain = PlainDecimalText(shown, places);
  if (plain.empty()) return overflow;
  const std::string kept = RoundDecimalText(plain, places, rules.rounding);
  long double v = 0;
  try {
    v = ToNumber(kept, shown < 0);
  } catch (const EConvertError&) {
    return overflow;
  }
  if (!std::isfinite(v) || std::fabs(v) >= 1e18L) return overflow;
  if (v == 0) v = 0;  // no negative zero
  std::string text;
  switch (rules.type) {
    case PointsType::General:
      text = FormatFloatMask(v, rules.positiveMask, rules.negativeMask, rules.zeroMask);
      break;
    case PointsType::Currency:
      text = FloatToText(static_cast<double>(v), FloatStyle::Currency, rules.digits, places);
      break;
    case PointsType::Percentage:
      text = FloatToText(static_cast<double>(v), FloatStyle::Fixed, rules.digits, places) + "%";
      break;
  }
  std::string lower = text;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  if (lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos) return overflow;
  return text;
}

std::string PointsEntryText(const std::string& shown, long double value) {
  if (IsOverflowText(shown)) return {};
  std::string out;
  for (char c : shown)
    if (IsDigit(c) || c == Point() || c == Thousands()) out += c;
  if (value < 0) out.insert(out.begin(), '-');
  return out;
}

int PointsMaxLength(const std::string& text, int digits) {
  return digits + (text.find(Point()) != std::string::npos ? 1 : 0) +
         (text.find('-') != std::string::npos ? 1 : 0);
}

KeyResult PointsKey(const FieldEdit& edit, FieldKey key, const PointsRules& rules) {
  const FieldEdit e = edit.Clamped();
  if (key.kind == EditKey::Backspace || key.kind == EditKey::Delete) {
    if (e.HasSelection()) return {WithoutSelection(e)};
    std::string t = e.text;
    if (key.kind == EditKey::Backspace) {
      if (e.caret == 0) return {e};
      t.erase(e.caret - 1, 1);
      return {FieldEdit::At(t, e.caret - 1)};
    }
    if (e.caret >= Len(t)) return {e};
    t.erase(e.caret, 1);
    return {FieldEdit::At(t, e.caret)};
  }
  const char ch = key.ch;
  const FieldEdit base = WithoutSelection(e);
  const bool accepted = IsDigit(ch) || ch == Thousands() ||
                        (ch == Point() && base.text.find(Point()) == std::string::npos) ||
                        (ch == '-' && base.text.find('-') == std::string::npos);
  if (!accepted) return {e};
  std::string t = base.text;
  t.insert(t.begin() + base.caret, ch);
  if (Len(t) > PointsMaxLength(t, rules.digits)) return {e, true};
  return {FieldEdit::At(t, base.caret + 1)};
}

KeyResult PointsPaste(const FieldEdit& edit, const std::string& clip, const PointsRules& rules) {
  FieldEdit e = WithoutSelection(edit.Clamped());
  bool refused = false;
  for (char c : clip) {
    const KeyResult r = PointsKey(e, FieldKey::Char(c), rules);
    refused = refused || r.refused;
    e = r.edit;
  }
  return {e, refused};
}

CutResult PointsCut(const FieldEdit& edit) {
  const FieldEdit e = edit.Clamped();
  if (!e.HasSelection()) return {e, {}};
  return {WithoutSelection(e), e.text.substr(e.selStart, e.selLength)};
}

PointsReading PointsRead(const std::string& text, const PointsRules& rules) {
  PointsReading r;
  std::string plain;
  for (char c : text)
    if (IsDigit(c) || c == Point()) plain += (c == Point() ? '.' : c);
  const bool negative = !text.empty() && (text.front() == '-' || text.back() == '-');
  if (plain == ".") {
    r.outcome = PointsReading::Outcome::Unreadable;
    return r;
  }
  if (!plain.empty()) {
    if (plain.front() == '.') plain.insert(plain.begin(), '0');
    if (plain.back() == '.') plain += '0';
    try {
      r.typed = ToNumber(plain, negative);
    } catch (const EConvertError&) {
      r.outcome = PointsReading::Outcome::Unreadable;
      return r;
    }
  }
  if (rules.validation && (r.typed < rules.min || r.typed > rules.max)) {
    r.outcome = PointsReading::Outcome::OutOfRange;
    return r;
  }
  r.stored = rules.type == PointsType::Percentage ? r.typed / 100 : r.typed;
  return r;
}

std::string PointsRangeMessage(const PointsRules& rules) {
  return "Value must be between " + FloatToStrGeneral(static_cast<double>(rules.min)) + " and " +
         FloatToStrGeneral(static_cast<double>(rules.max));
}

}  // namespace zeb
