// Number and date text forms.
//
// Every rounding here works on the exact decimal expansion of the binary value: the
// value is written out in decimal digits, and the digit string is rounded half away
// from zero. 2.675 is really 2.67499999999999982236431605997... and so shows as 2.67;
// 0.125 is exact and shows as 0.13 with two decimals.
#include "finance/TextForms.h"

#include <algorithm>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "finance/Regional.h"

namespace zeb {

namespace {

// ---- Decimal digits of a binary value ------------------------------------------------

// A non-negative decimal number digits * 10^(exponent - digits.size() + 1): the first
// digit stands at the power `exponent`. `digits` has no leading zero unless it is "0".
struct Decimal {
  std::string digits;
  int exponent = 0;
};

bool IsZeroDigits(const std::string& digits) {
  return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
}

// Writes |value| with `significant` digits (correctly rounded to nearest) into `out`.
template <typename T>
void ScientificDigits(T value, int significant, Decimal& out) {
  // d.ddd...e+XXXXX: the digits, a point, "e", a sign and up to five exponent digits.
  const std::size_t size = static_cast<std::size_t>(significant) + 16;
  char stack[96];
  std::string heap;
  char* buf = stack;
  if (size > sizeof stack) {
    heap.resize(size);
    buf = heap.data();
  }
  const auto res =
      std::to_chars(buf, buf + size, std::fabs(value), std::chars_format::scientific, significant - 1);
  const char* e = std::find(buf, res.ptr, 'e');
  out.digits.clear();
  for (const char* p = buf; p != e; ++p)
    if (*p != '.') out.digits.push_back(*p);
  int exponent = 0;
  std::from_chars(e + 1 + (e[1] == '+'), res.ptr, exponent);
  out.exponent = exponent;
}

// An upper bound of the number of significant digits in the exact decimal expansion
// of a finite non-zero `value` whose first digit stands at the power `exponent`.
template <typename T>
int ExactDigitCount(T value, int exponent) {
  int binaryExponent = 0;
  std::frexp(std::fabs(value), &binaryExponent);
  // The lowest bit has the weight 2^(binaryExponent - mantissa bits); its expansion
  // ends that many places after the decimal point.
  constexpr int kBits = std::numeric_limits<T>::digits;
  const int fractionPlaces = std::max(0, kBits - binaryExponent);
  return std::max(1, exponent + 1 + fractionPlaces) + 2;
}

// Rounds |value| half away from zero at the power `place` (the lowest digit kept) and
// returns the result as a digit string N with |value| ~ N * 10^place ("0" for zero).
// `placeOf` gives `place` from the exponent of the first digit, as the significant-digit
// rule needs it.
template <typename T, typename PlaceOf>
std::string RoundDecimal(T value, PlaceOf placeOf, int& place) {
  Decimal d;
  if (value == 0) {
    place = placeOf(0);
    return "0";
  }
  // Eight digits beyond the type's own: a tail that still looks like a tie is rare.
  constexpr int kProbeDigits = std::numeric_limits<T>::max_digits10 + 8;
  ScientificDigits(value, kProbeDigits, d);
  place = placeOf(d.exponent);
  int keep = d.exponent - place + 1;  // digits kept
  const auto ambiguous = [&] {
    // The probe is itself rounded: a tail "5000..." may stand for "4999...9x".
    if (keep < 0 || keep >= static_cast<int>(d.digits.size())) return keep >= 0;
    if (d.digits[static_cast<std::size_t>(keep)] != '5') return false;
    return IsZeroDigits(d.digits.substr(static_cast<std::size_t>(keep) + 1));
  };
  if (ambiguous()) {
    ScientificDigits(value, ExactDigitCount(value, d.exponent + 1), d);  // exact
    place = placeOf(d.exponent);
    keep = d.exponent - place + 1;
  }
  if (keep < 0) return "0";
  std::string kept = d.digits.substr(0, static_cast<std::size_t>(keep));
  kept.resize(static_cast<std::size_t>(keep), '0');  // the exact expansion ended earlier
  const bool up = keep < static_cast<int>(d.digits.size()) && d.digits[static_cast<std::size_t>(keep)] >= '5';
  if (up) {
    int i = keep - 1;
    for (; i >= 0 && kept[static_cast<std::size_t>(i)] == '9'; --i) kept[static_cast<std::size_t>(i)] = '0';
    if (i >= 0)
      ++kept[static_cast<std::size_t>(i)];
    else
      kept.insert(kept.begin(), '1');
  }
  if (kept.empty() || IsZeroDigits(kept)) return "0";
  return kept;
}

// ---- Shaping the rounded digits ------------------------------------------------------

void AppendGrouped(std::string& out, const char* digits, std::size_t count, char separator) {
  for (std::size_t i = 0; i < count; ++i) {
    if (i && (count - i) % 3 == 0) out.push_back(separator);
    out.push_back(digits[i]);
  }
}

// The fixed-point text of N * 10^place with exactly `decimals` decimals (place >= -decimals).
void AppendFixed(std::string& out, const std::string& n, int place, int decimals, char thousands,
                 char decimalSeparator, bool grouped) {
  std::string all = n;
  if (place > 0) all.append(static_cast<std::size_t>(place), '0');
  const int fractionDigits = place < 0 ? -place : 0;
  if (static_cast<int>(all.size()) <= fractionDigits)
    all.insert(0, static_cast<std::size_t>(fractionDigits - static_cast<int>(all.size()) + 1), '0');
  const std::size_t intCount = all.size() - static_cast<std::size_t>(fractionDigits);
  if (grouped && thousands)
    AppendGrouped(out, all.data(), intCount, thousands);
  else
    out.append(all, 0, intCount);
  if (decimals > 0) {
    out.push_back(decimalSeparator);
    out.append(all, intCount, std::string::npos);
    out.append(static_cast<std::size_t>(decimals - fractionDigits), '0');
  }
}

// The general text of N * 10^place, trailing zeros dropped: plain, or d.dddE<exp> when
// the first digit stands at 10^precision or higher or below 10^-5 (0.00001 stays plain).
std::string GeneralBody(std::string n, int place, int precision, char decimalSeparator) {
  if (n == "0") return "0";
  while (n.size() > 1 && n.back() == '0') {
    n.pop_back();
    ++place;
  }
  const int exponent = static_cast<int>(n.size()) - 1 + place;
  std::string out;
  if (exponent >= precision || exponent < -5) {
    out.push_back(n[0]);
    if (n.size() > 1) {
      out.push_back(decimalSeparator);
      out.append(n, 1, std::string::npos);
    }
    out.push_back('E');
    out += std::to_string(exponent);
    return out;
  }
  if (place >= 0) {
    out = n;
    out.append(static_cast<std::size_t>(place), '0');
    return out;
  }
  const int fraction = -place;
  if (static_cast<int>(n.size()) > fraction) {
    out.assign(n, 0, n.size() - static_cast<std::size_t>(fraction));
    out.push_back(decimalSeparator);
    out.append(n, n.size() - static_cast<std::size_t>(fraction), std::string::npos);
  } else {
    out = "0";
    out.push_back(decimalSeparator);
    out.append(static_cast<std::size_t>(fraction - static_cast<int>(n.size())), '0');
    out += n;
  }
  return out;
}

void RequireFinite(long double value) {
  if (!std::isfinite(value)) throw EMathError("Invalid floating point operation");
}

// ---- Reading numbers -----------------------------------------------------------------

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The parts of a plain decimal number text; `valid` is false when the text is not one.
struct NumberText {
  bool valid = false;
  bool negative = false;
  std::string intDigits;
  std::string fracDigits;
  long long exponent = 0;  // saturated at +-10^9
};

NumberText ScanNumber(const std::string& text, char decimalSeparator) {
  NumberText n;
  std::size_t i = 0;
  const std::size_t size = text.size();
  while (i < size && IsBlank(text[i])) ++i;
  if (i < size && (text[i] == '+' || text[i] == '-')) n.negative = text[i++] == '-';
  while (i < size && IsDigit(text[i])) n.intDigits.push_back(text[i++]);
  if (i < size && text[i] == decimalSeparator) {
    ++i;
    while (i < size && IsDigit(text[i])) n.fracDigits.push_back(text[i++]);
  }
  if (n.intDigits.empty() && n.fracDigits.empty()) return n;
  if (i < size && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool negativeExponent = false;
    if (i < size && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
    if (i >= size || !IsDigit(text[i])) return n;
    while (i < size && IsDigit(text[i])) {
      n.exponent = std::min(n.exponent * 10 + (text[i++] - '0'), 1000000000LL);
    }
    if (negativeExponent) n.exponent = -n.exponent;
  }
  while (i < size && IsBlank(text[i])) ++i;
  n.valid = i == size;
  return n;
}

// Restores the floating-point flags on leaving: reading a text never leaves an
// overflow flag behind for an enclosing calculation to find.
class FlagGuard {
public:
  FlagGuard() { std::fegetexceptflag(&saved_, FE_ALL_EXCEPT); }
  ~FlagGuard() { std::fesetexceptflag(&saved_, FE_ALL_EXCEPT); }
  FlagGuard(const FlagGuard&) = delete;
  FlagGuard& operator=(const FlagGuard&) = delete;

private:
  std::fexcept_t saved_{};
};

EConvertError NotAFloat(const std::string& text) {
  return EConvertError("'" + text + "' is not a valid floating point value");
}

template <typename T>
T ConvertFloat(const std::string& text) {
  const NumberText n = ScanNumber(text, Regional().decimalSeparator);
  if (!n.valid) throw NotAFloat(text);
  // Rebuild a C-form text for from_chars, which reads no sign "+" and no regional point.
  std::string c;
  c.reserve(n.intDigits.size() + n.fracDigits.size() + 16);
  c.append(n.intDigits);
  if (c.empty()) c.push_back('0');
  if (!n.fracDigits.empty()) {
    c.push_back('.');
    c.append(n.fracDigits);
  }
  if (n.exponent != 0) {
    c.push_back('e');
    c.append(std::to_string(n.exponent));
  }
  FlagGuard flags;
  T value{};
  const auto res = std::from_chars(c.data(), c.data() + c.size(), value);
  if (res.ec == std::errc::result_out_of_range) {
    // Too small to hold is zero; too large is no number.
    const std::size_t first = n.intDigits.find_first_not_of('0');
    long long magnitude = n.exponent;
    if (first != std::string::npos)
      magnitude += static_cast<long long>(n.intDigits.size() - first);
    else
      magnitude -= static_cast<long long>(n.fracDigits.find_first_not_of('0'));
    if (magnitude > 0) throw NotAFloat(text);
    value = 0;
  } else if (res.ec != std::errc() || res.ptr != c.data() + c.size()) {
    throw NotAFloat(text);
  }
  return n.negative ? -value : value;
}

}  // namespace

// ---- Number to text ------------------------------------------------------------------

std::string FloatToText(double value, FloatStyle style, int precision, int decimals) {
  RequireFinite(value);
  precision = std::clamp(precision, 1, 20);
  decimals = std::clamp(decimals, 0, 20);
  const RegionalSettings& regional = Regional();
  const bool negative = std::signbit(value) && value != 0;
  int place = 0;

  if (style == FloatStyle::General) {
    const std::string n =
        RoundDecimal(value, [precision](int exponent) { return exponent - precision + 1; }, place);
    std::string body = GeneralBody(n, place, precision, regional.decimalSeparator);
    return negative && body != "0" ? "-" + body : body;
  }

  const std::string n = RoundDecimal(
      value, [precision, decimals](int exponent) { return std::max(-decimals, exponent - precision + 1); },
      place);
  const int intDigits = std::max(1, static_cast<int>(n.size()) + place);
  const bool shownNegative = negative && n != "0";
  if (n != "0" && intDigits > precision) {
    // Too many integer digits for the precision: the scientific general form.
    const std::string body = GeneralBody(n, place, precision, regional.decimalSeparator);
    return shownNegative ? "-" + body : body;
  }
  std::string out;
  out.reserve(32);
  switch (style) {
    case FloatStyle::Currency:
      if (shownNegative) out.push_back(regional.negativeCurrencyInParentheses ? '(' : '-');
      out += regional.currencySymbol;
      AppendFixed(out, n, place, decimals, regional.thousandsSeparator, regional.decimalSeparator, true);
      if (shownNegative && regional.negativeCurrencyInParentheses) out.push_back(')');
      break;
    case FloatStyle::Number:
    case FloatStyle::Fixed:
      if (shownNegative) out.push_back('-');
      AppendFixed(out, n, place, decimals, regional.thousandsSeparator, regional.decimalSeparator,
                  style == FloatStyle::Number);
      break;
    case FloatStyle::General:
      break;
  }
  return out;
}

std::string FloatToStrGeneral(double value) { return FloatToText(value, FloatStyle::General, 15, 0); }

std::string FormatMoneyPicture(long double value, int decimals) {
  RequireFinite(value);
  decimals = std::clamp(decimals, 0, 20);
  const RegionalSettings& regional = Regional();
  int place = 0;
  const auto placeOf = [decimals](int) { return -decimals; };
  // A value that a double holds exactly has the same expansion, and doubles are
  // quicker to write out.
  const double asDouble = static_cast<double>(value);
  const std::string n = static_cast<long double>(asDouble) == value ? RoundDecimal(asDouble, placeOf, place)
                                                                     : RoundDecimal(value, placeOf, place);
  std::string out;
  out.reserve(32);
  if (std::signbit(value) && n != "0") out.push_back('-');
  AppendFixed(out, n, place, decimals, regional.thousandsSeparator, regional.decimalSeparator, true);
  return out;
}

// ---- Text to number ------------------------------------------------------------------

long double StrToExtended(const std::string& text) { return ConvertFloat<long double>(text); }

double StrToFloat(const std::string& text) { return ConvertFloat<double>(text); }

std::int32_t StrToInt(const std::string& text) {
  std::size_t i = 0;
  const std::size_t size = text.size();
  while (i < size && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < size && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t firstDigit = i;
  std::int64_t magnitude = 0;
  bool tooLarge = false;
  while (i < size && IsDigit(text[i])) {
    magnitude = magnitude * 10 + (text[i++] - '0');
    if (magnitude > 2147483648LL) {
      tooLarge = true;
      magnitude = 2147483648LL;
    }
  }
  const bool hasDigits = i > firstDigit;
  while (i < size && IsBlank(text[i])) ++i;
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (!hasDigits || i != size || tooLarge || value > std::numeric_limits<std::int32_t>::max() ||
      value < std::numeric_limits<std::int32_t>::min())
    throw EConvertError("'" + text + "' is not a valid integer value");
  return static_cast<std::int32_t>(value);
}

Currency TextToCurrency(const std::string& text) {
  const RegionalSettings& regional = Regional();
  const char decimalSeparator = regional.decimalSeparator;
  const char thousands = regional.thousandsSeparator;
  const auto alwaysAccepted = [](char c) { return IsDigit(c) || c == '$' || c == '+' || c == '-'; };
  const auto notCurrency = [&] { return EConvertError(text + " is not a valid currency value!"); };

  std::size_t from = 0;
  while (from < text.size() && !alwaysAccepted(text[from]) && text[from] != decimalSeparator &&
         text[from] != thousands)
    ++from;
  if (from == text.size()) throw notCurrency();

  // The run: once it meets a decimal separator (after its first character), neither
  // separator belongs to the amount any more.
  std::string run(1, text[from]);
  bool separatorsAccepted = true;
  for (std::size_t i = from + 1; i < text.size(); ++i) {
    const char c = text[i];
    if (alwaysAccepted(c)) {
      run.push_back(c);
    } else if (separatorsAccepted && (c == decimalSeparator || c == thousands)) {
      run.push_back(c);
      if (c == decimalSeparator) separatorsAccepted = false;
    } else {
      break;
    }
  }
  run.erase(std::remove(run.begin(), run.end(), thousands), run.end());

  // Exact decimal conversion to ten-thousandths, rounded half away from zero.
  const NumberText n = ScanNumber(run, decimalSeparator);
  if (!n.valid) throw NotAFloat(run);
  std::string digits = n.intDigits + n.fracDigits;
  // The amount is digits * 10^shift ten-thousandths.
  long long shift = n.exponent - static_cast<long long>(n.fracDigits.size()) + 4;
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return Currency{0};
  digits.erase(0, first);
  // Keep the digits down to the ten-thousandth; the first one dropped decides.
  const long long keep = static_cast<long long>(digits.size()) + std::min(shift, 0LL);
  const bool roundUp = keep >= 0 && keep < static_cast<long long>(digits.size()) &&
                       digits[static_cast<std::size_t>(keep)] >= '5';
  // 922337203685477.5807 is the largest amount: 19 digits of ten-thousandths.
  if (keep + std::max(shift, 0LL) > 19) throw notCurrency();
  std::uint64_t magnitude = 0;
  for (long long k = 0; k < keep; ++k)
    magnitude = magnitude * 10 + static_cast<std::uint64_t>(digits[static_cast<std::size_t>(k)] - '0');
  for (long long k = 0; k < shift; ++k) magnitude *= 10;
  if (roundUp) ++magnitude;
  const std::uint64_t limit = n.negative ? 9223372036854775808ULL : 9223372036854775807ULL;
  if (magnitude > limit) throw notCurrency();
  if (n.negative)
    return Currency{magnitude == limit ? std::numeric_limits<std::int64_t>::min()
                                       : -static_cast<std::int64_t>(magnitude)};
  return Currency{static_cast<std::int64_t>(magnitude)};
}

double ChangeCurrencyStringToFloat(const std::string& text) {
  std::string s = text.size() > 1 ? text.substr(1, 20) : std::string();
  s.erase(std::remove(s.begin(), s.end(), ','), s.end());
  return StrToFloat(s);
}

std::string ParseYear(const std::string& text) { return text.size() > 4 ? text.substr(4) : std::string(); }

std::string ParseMonth(const std::string& text) {
  std::string s = text;
  if (s.size() > 3) s.erase(3, 5);
  return s;
}

}  // namespace zeb
