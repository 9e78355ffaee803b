#pragma once
// The text forms in which print routines put values on a report, and the table of a
// data-driven report as comma-separated values.
//
// Forms (United States settings):
//   ReportCurrency(1234.5)       "$1,234.50"   15 significant digits, negative ($1,234.50)
//   ReportShortCurrency(250000)  "$250,000.00" 10 significant digits
//   ReportRate3(7.25)            "7.250%"      thousands separators, three decimals
//   ReportPlainNumber(7.25)      "7.25"        shortest text, 15 significant digits
//   ReportPlainRate(7.25)        "7.25%"
//   ReportWholeNumber(360)       "360"
//
// CSV (RFC 4180): fields joined by ",", records ended by CRLF; a field holding a comma,
// a quote or a line break is put in quotes with its quotes doubled. Amounts are written
// as plain numbers: "$1,234.50" gives 1234.50 and "($1,234.50)" gives -1234.50; every
// other text is written as it stands. Blanks a grid pads its cells with are dropped.
#include <cstdint>
#include <string>
#include <vector>

namespace zeb {

std::string ReportCurrency(double value);
std::string ReportShortCurrency(double value);
std::string ReportRate3(double value);
std::string ReportPlainNumber(double value);
std::string ReportPlainRate(double value);
std::string ReportWholeNumber(std::int32_t value);

// "$1,234.50" -> "1234.50", "($5.00)" -> "-5.00", "1,234.560" -> "1234.560"; any
// other text comes back unchanged, without blanks at either end.
std::string PlainAmount(const std::string& text);
// One CSV field, quoted when it must be.
std::string CsvField(const std::string& text);
// `header` (when not empty) and then every row, amounts made plain.
std::string TableToCsv(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows);

}  // namespace zeb
