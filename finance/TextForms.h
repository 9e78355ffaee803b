#pragma once
// Text forms of numbers and dates, and the parsers that read them back.
//
// Number to text: FloatToText(value, style, precision, decimals). The value is rounded
// half away from zero on its exact decimal expansion (2.675 is 2.67499999999999982...
// and shows as 2.67; 0.125 is exact and shows as 0.13), once, at whichever comes first:
// the `precision`-th significant digit or the last of the `decimals` decimals. When its
// integer part then has more digits than `precision`, it is shown in the scientific
// general form instead (1E20, -1.2346E5), without currency symbol or parentheses.
// Then, with the United States settings:
//   Currency  $1,234.56, negative ($1,234.56)      precision 15, 2 decimals in grids
//   Number    1,234.560, negative -1,234.560       thousands separators
//   Fixed     1234.56, negative -1234.56           no thousands separators
//   General   shortest form with at most `precision` significant digits, trailing
//             zeros dropped: 786.7, 100000, 0.1, 1E20, 1E-6. Scientific ("d.dddE<n>",
//             no "+", no leading exponent zeros) when the first digit stands at
//             10^precision or higher, or below 10^-5 (0.00001 stays, 0.000001 is
//             1E-6).
//             `decimals` plays no part.
// Example: FloatToText(123456789.123, Currency, 10, 2) == "$123,456,789.10".
// A value that rounds to zero is shown without sign: -0.001 gives "$0.00", never
// "($0.00)" or "-0.00". Precision is taken in 1..20, decimals in 0..20.
// A NaN or infinite value is no number to show: it throws EMathError (it can only come
// from a failed calculation), so no text ever reads "nan" or "inf".
//
// Entry-field pictures: FormatMoneyPicture(value, decimals) is "#,##0." followed by
// `decimals` zeros: 123456.789 with 2 decimals is "123,456.79", 8.75 with 5 is "8.75000".
// Same rounding; negatives get a leading "-"; zero and values rounding to zero give
// "0.00" without sign; NaN or infinity throws EMathError.
//
// Text to number: StrToFloat / StrToInt throw EConvertError on a text that is not a
// number; TextToCurrency reads an amount out of a longer line (the prepayment list);
// ChangeCurrencyStringToFloat reads a "$1,234.56" grid cell; ParseYear and ParseMonth
// cut a "May 2004" date text at fixed positions.
#include <cstdint>
#include <string>

#include "finance/Errors.h"

namespace zeb {

enum class FloatStyle { General, Fixed, Number, Currency };

std::string FloatToText(double value, FloatStyle style, int precision, int decimals);

// The general form with 15 significant digits: the document file's value form.
std::string FloatToStrGeneral(double value);

// "#,##0.00"-style picture with `decimals` decimals (0 gives "#,##0").
std::string FormatMoneyPicture(long double value, int decimals);

// Converts a plain decimal number: optional blanks (space, tab), sign, digits, one
// decimal separator, digits, optional exponent ("E"/"e", optional sign, digits), blanks.
// Anything else (also "nan", "inf", hexadecimal) throws EConvertError
// ("'x' is not a valid floating point value"), as does a value too large for the type
// (1e999); a value too small for it (1e-999) reads as 0. Independent of the C locale;
// leaves the floating-point flags as it found them.
double StrToFloat(const std::string& text);
// Like StrToFloat, in extended precision.
long double StrToExtended(const std::string& text);
// Converts a whole number (optional blanks, sign, digits, blanks) that fits 32 bits;
// anything else, a value outside -2147483648..2147483647 included (it never wraps),
// throws EConvertError ("'x' is not a valid integer value").
std::int32_t StrToInt(const std::string& text);

// Fixed-point currency: 64-bit count of ten-thousandths.
struct Currency {
  std::int64_t tenThousandths = 0;
  double ToDouble() const { return static_cast<double>(tenThousandths) / 10000.0; }
  friend bool operator==(Currency, Currency) = default;
};

// Reads the first run of amount characters ("$", "+", "-", digits, separators) out of
// `text`; once the run meets a decimal separator after its first character, neither
// separator belongs to it any more ("1.234.56" gives 1.234). Thousands separators are
// dropped and the rest converted exactly, rounded half away from zero to ten-thousandths
// (0.00005 gives 0.0001). Throws EConvertError "<text> is not a valid currency value!"
// when the text holds no amount character or the amount is beyond the 64-bit range of
// ten-thousandths (never a wrapped number), and "'<run>' is not a valid floating point
// value" when the run is not a number (as for "$1.00").
Currency TextToCurrency(const std::string& text);

// "$1,234.56" -> 1234.56: drops the first character, takes at most 20 characters,
// removes every ",", converts with StrToFloat. Throws EConvertError when that is not a
// number ("($1.00)", "", "$").
double ChangeCurrencyStringToFloat(const std::string& text);

// "May 2004" -> "2004" (the text without its first 4 characters; "" when shorter).
std::string ParseYear(const std::string& text);
// "May 2004" -> "May" (the text without its characters 4 to 8, counted from 1; a text
// of three characters or fewer comes back unchanged). Neither checks the text.
std::string ParseMonth(const std::string& text);

}  // namespace zeb
