#pragma once
// Text forms of numbers and dates, and the parsers that read them back.
//
// Number to text: FloatToText(value, style, precision, decimals). The value is first
// rounded to `precision` significant digits (half away from zero, on its decimal
// expansion); when its integer part then has more digits than `precision` it is shown
// in scientific form instead. Then, with the United States settings:
//   Currency  $1,234.56, negative ($1,234.56)      precision 15, 2 decimals in grids
//   Number    1,234.560, negative -1,234.560       thousands separators
//   Fixed     1234.56, negative -1234.56           no thousands separators
//   General   shortest form with at most `precision` significant digits:
//             786.7, 100000, 0.1, 1E20
// Example: FloatToText(123456789.123, Currency, 10, 2) == "$123,456,789.10".
//
// Entry-field pictures: FormatMoneyPicture(value, decimals) is "#,##0." followed by
// `decimals` zeros: 123456.789 with 2 decimals is "123,456.79", 8.75 with 5 is "8.75000".
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

// Converts a plain decimal number: optional blanks, sign, digits, one decimal
// separator, digits, optional exponent. Anything else throws EConvertError
// ("'x' is not a valid floating point value").
double StrToFloat(const std::string& text);
// Like StrToFloat, in extended precision.
long double StrToExtended(const std::string& text);
// Converts a whole number that fits 32 bits; anything else throws EConvertError
// ("'x' is not a valid integer value").
std::int32_t StrToInt(const std::string& text);

// Fixed-point currency: 64-bit count of ten-thousandths.
struct Currency {
  std::int64_t tenThousandths = 0;
  double ToDouble() const { return static_cast<double>(tenThousandths) / 10000.0; }
  friend bool operator==(Currency, Currency) = default;
};

// Reads the first run of amount characters ("$", "+", "-", digits, separators) out of
// `text`. Throws EConvertError "<text> is not a valid currency value!" when the text
// holds none, and the conversion error when the run is not a number (as for "$1.00").
Currency TextToCurrency(const std::string& text);

// "$1,234.56" -> 1234.56: drops the first character, takes at most 20 characters,
// removes every ",", converts. Throws EConvertError when that is not a number.
double ChangeCurrencyStringToFloat(const std::string& text);

// "May 2004" -> "2004" (the text without its first 4 characters).
std::string ParseYear(const std::string& text);
// "May 2004" -> "May" (the text without its characters 4 to 8).
std::string ParseMonth(const std::string& text);

}  // namespace zeb
