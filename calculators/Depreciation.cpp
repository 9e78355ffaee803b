#include "calculators/Depreciation.h"

#include <cmath>
#include <limits>

#include "finance/Errors.h"
#include "finance/FpuScope.h"
#include "finance/Regional.h"
#include "finance/TextForms.h"

namespace zeb {
namespace {

void requireFinite(double x) {
  if (!std::isfinite(x)) throw EMathError("Invalid floating point operation");
}

}  // namespace

std::int32_t DepreciationYears(double period) {
  if (std::isnan(period)) throw EMathError("Invalid floating point operation");
  const double whole = std::trunc(period);
  if (whole <= 0) return 0;
  if (whole > kMaxDepreciationYears) throw EMathError("Floating point overflow");
  return static_cast<std::int32_t>(whole);
}

DepreciationSchedule BuildDepreciationSchedule(double cost, double salvage, double period,
                                               DepreciationMethod method) {
  FpuScope fpu;
  const std::int32_t n = DepreciationYears(period);
  DepreciationSchedule s;
  s.depreciable = cost - salvage;
  fpu.check();
  requireFinite(s.depreciable);
  const double d = s.depreciable;
  s.years.resize(static_cast<size_t>(n));

  const double sumOfDigits = static_cast<double>(n) * (n + 1) / 2;
  double accumulated = 0;
  bool reached = false;  // double declining balance: D is depreciated
  for (std::int32_t k = 1; k <= n; ++k) {
    DepreciationYear& y = s.years[static_cast<size_t>(k - 1)];
    y.beginningBookValue = cost - accumulated;
    switch (method) {
      case DepreciationMethod::StraightLine:
        y.depreciation = d / n;
        break;
      case DepreciationMethod::DoubleDecliningBalance:
        if (reached) {
          // Once D is reached, later years take nothing and the total is D.
          y.depreciation = 0;
          y.totalDepreciation = accumulated = d;
          continue;
        } else {
          const double declining = y.beginningBookValue * 2 / n;
          reached = accumulated + declining >= d;
          y.depreciation = reached ? d - accumulated : declining;
        }
        break;
      case DepreciationMethod::SumOfYearsDigits:
        y.depreciation = d * (n - k + 1) / sumOfDigits;
        break;
    }
    accumulated = accumulated + y.depreciation;
    y.totalDepreciation = accumulated;
  }
  fpu.check();
  for (const DepreciationYear& y : s.years) {
    requireFinite(y.beginningBookValue);
    requireFinite(y.depreciation);
    requireFinite(y.totalDepreciation);
  }
  return s;
}

std::string DepreciationAmountText(double value) {
  // Below 1e13 the cents are the first rounding place of the currency form with 15
  // digits, and value x 100 is exact in a 64-bit significand, so rounding it half away
  // from zero rounds the value's exact decimal expansion as the text form does.
  if constexpr (std::numeric_limits<long double>::digits >= 64) {
    if (std::fabs(value) < 1e13) {
      const long double cents = std::fabs(std::round(static_cast<long double>(value) * 100.0L));
      const RegionalSettings& regional = Regional();
      const bool negative = std::signbit(value) && cents != 0;
      auto whole = static_cast<std::uint64_t>(cents) / 100;
      const auto fraction = static_cast<unsigned>(static_cast<std::uint64_t>(cents) % 100);
      char digits[32];
      char* const end = digits + sizeof digits;
      char* p = end;
      int count = 0;
      do {
        if (count > 0 && count % 3 == 0) *--p = regional.thousandsSeparator;
        *--p = static_cast<char>('0' + whole % 10);
        whole /= 10;
        ++count;
      } while (whole != 0);
      std::string out;
      out.reserve(static_cast<size_t>(end - p) + regional.currencySymbol.size() + 5);
      if (negative) out.push_back(regional.negativeCurrencyInParentheses ? '(' : '-');
      out += regional.currencySymbol;
      out.append(p, end);
      out.push_back(regional.decimalSeparator);
      out.push_back(static_cast<char>('0' + fraction / 10));
      out.push_back(static_cast<char>('0' + fraction % 10));
      if (negative && regional.negativeCurrencyInParentheses) out.push_back(')');
      return out;
    }
  }
  return FloatToText(value, FloatStyle::Currency, 15, 2);
}

DepreciationRowTexts DepreciationRowText(int year, const DepreciationYear& row) {
  return {std::to_string(year), DepreciationAmountText(row.beginningBookValue),
          DepreciationAmountText(row.depreciation), DepreciationAmountText(row.totalDepreciation)};
}

}  // namespace zeb
