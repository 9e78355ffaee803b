#pragma once
// The capitalization rate: a property's annual net operating income as a percentage of
// its value, for up to five properties. One of the three quantities is solved for, the
// other two are entered:
//
//   income  = rate x value / 100                              (no guard)
//   value   = income / rate x 100, and 0 when the income is 0
//   rate    = income / value x 100, and 0 when the value is 0
//
// Worked example: income 90,000.00 and value 1,000,000.00 give a rate of 9.00000; income
// 90,000.00 at 9 % gives a value of 1,000,000.00; 8.5 % of 2,000,000.00 is an income of
// 170,000.00.
//
// All five results are computed before the page writes any of them, so a failure
// (solving for the value with a rate of 0 and an income other than 0, a result that is
// not finite, or one whose text is longer than the fields' 16 characters, such as
// 99,999,999,999.99 or 100,000,000.00000) throws EMathError and changes no row.
// Arithmetic is in double precision, in the order of the formulas above.
#include <array>

namespace zeb {

// The items of rgCapRateSolveFor, by index.
enum class CapRateSolveFor { NetOperatingIncome = 0, Value = 1, CapitalizationRate = 2 };

inline constexpr int kCapRateRows = 5;
// The MaxLength of the page's fields: 9,999,999,999.99 and 99,999,999.99999 (a minus
// sign in front is not counted).
inline constexpr int kCapRateFieldLength = 16;

struct CapRateRow {
  double income = 0;
  double value = 0;
  double rate = 0;  // percent
};

using CapRateRows = std::array<CapRateRow, kCapRateRows>;

// The computed column of each row (the entered columns are left as they are).
std::array<double, kCapRateRows> SolveCapRates(CapRateSolveFor solveFor, const CapRateRows& rows);

}  // namespace zeb
