#pragma once
// Depreciation of a fixed asset: the depreciable amount D = cost - salvage is spread
// over N whole years (the period cut toward zero) by one of three methods. For year
// k = 1..N, with A(k-1) the depreciation of the years before (A(0) = 0):
//
//   beginning book value  B(k) = cost - A(k-1)
//   depreciation          d(k) by the method
//   total depreciation    A(k) = A(k-1) + d(k)
//
//   Straight Line             d(k) = D / N
//   Double Declining Balance  d(k) = B(k) x 2 / N, but once A(k-1) + B(k) x 2 / N
//                             reaches or passes D, d(k) = D - A(k-1), and every later
//                             year has d = 0 and A = D (no switch to straight line, so
//                             a schedule that never reaches D ends below it)
//   Sum of Years' Digits      d(k) = D x (N - k + 1) / S, S = N x (N + 1) / 2
//
// Worked example: cost 10,000.00, salvage 1,000.00, 5 years. Straight line takes
// 1,800.00 a year; double declining balance 4,000.00, 2,400.00, 1,440.00, 864.00 and
// 296.00 (capped in year 5); sum of years' digits 3,000.00, 2,400.00, 1,800.00,
// 1,200.00 and 600.00. Each totals 9,000.00, the total depreciated of all three.
//
// Arithmetic is in double precision, in the order of the formulas; amounts are rounded
// only for display. A period of 0 or less gives no years and no division. A period of
// more than 32,767 years (one grid row per year), or an amount that is not finite,
// throws EMathError before anything is built.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zeb {

// The items of rgDepreciationMethod, by index.
enum class DepreciationMethod { StraightLine = 0, DoubleDecliningBalance = 1, SumOfYearsDigits = 2 };

inline constexpr std::int32_t kMaxDepreciationYears = 32767;

struct DepreciationYear {
  double beginningBookValue = 0;
  double depreciation = 0;
  double totalDepreciation = 0;
};

struct DepreciationSchedule {
  double depreciable = 0;               // D, what "Total Depreciated" shows
  std::vector<DepreciationYear> years;  // years[k - 1] is year k
};

// The number of years of a period value: its whole part, 0 for a period of 0 or less.
// Throws EMathError for more than kMaxDepreciationYears or a period that is not a number.
std::int32_t DepreciationYears(double period);

DepreciationSchedule BuildDepreciationSchedule(double cost, double salvage, double period,
                                               DepreciationMethod method);

// A schedule row as the grid shows it: the year as plain digits, then the beginning
// book value, depreciation and total in the currency style with precision 15 and two
// decimals ($1,234.56, ($1,234.56)).
using DepreciationRowTexts = std::array<std::string, 4>;
DepreciationRowTexts DepreciationRowText(int year, const DepreciationYear& row);

// The amount texts of the grid: FloatToText(value, Currency, 15, 2), written straight
// from the cents where that gives the same text.
std::string DepreciationAmountText(double value);

}  // namespace zeb
