#pragma once
// The regional settings every text form uses: the United States forms, held here
// and nowhere else.
#include <array>
#include <string>

namespace zeb {

struct RegionalSettings {
  std::string currencySymbol = "$";
  char thousandsSeparator = ',';
  char decimalSeparator = '.';
  // Negative currency amounts are shown in parentheses: ($1,234.56).
  bool negativeCurrencyInParentheses = true;
  std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::array<std::string, 12> longMonthNames{"January", "February", "March",     "April",
                                             "May",     "June",     "July",      "August",
                                             "September", "October", "November", "December"};
};

const RegionalSettings& Regional();

}  // namespace zeb
