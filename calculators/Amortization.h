#pragma once
// The Amortization Schedules page's texts, without widgets: the month names, the
// prepayment list, the monthly grid rows and the annual rows.
//
// Prepayment list: one line per payment number, "<payment cell> <prepayment cell>", the
// prepayment cell replaced by "$0.00" when empty ("1 $5,000.00", "13 $0.00"). Reading a
// line back: the payment number is the text before the first blank (at most 15
// characters); the amount the rest (at most 25 characters) without its first character,
// the currency sign, read by TextToCurrency. Lines without a number are skipped.
//
// Monthly row: "1", "Jan 2000", then principal, interest, total principal, total
// interest, prepayment and balance in the currency form ("$5,057.53"), each taken from
// the engine's cent text (FormatPayment), so every amount on show is the engine's value
// rounded to cents. A row whose principal and balance both read 0 ends the grid.
//
// Annual rows are built from the monthly texts only, so their sums are sums of the cents
// on show: the first year holds 12 months for a January start down to 1 for December
// ("Mar - Dec 2000"), then full years ("Jan - Dec 2001"), then the months left over
// ("Jan - Feb 2030", or "Jan 2030" for one month).
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculators/MortLib.h"

namespace zeb {

// "Jan" .. "Dec", independent of the regional settings.
extern const std::array<const char*, 12> kAmortMonthNames;

// 1 for exactly "Jan" .. 12 for exactly "Dec" (case-sensitive); 0 for any other text.
int AmortMonthNumber(std::string_view text);

// The start month the page reads from its month text: the number of an exact month
// name; otherwise the month read before; January when none was read before.
int ResolveStartMonth(std::string_view text, int previous);

struct GridColumn {
  const char* heading;
  int width;
};
extern const std::array<GridColumn, 8> kMonthlyColumns;
extern const std::array<GridColumn, 5> kAnnualColumns;

// ---- prepayment list -----------------------------------------------------------------

std::string PrepaymentLine(std::string_view pmtCell, std::string_view prepaymentCell);

// The entry of one list line; nullopt for a line that is skipped. Throws EConvertError
// when the payment number or the amount cannot be read.
std::optional<TPrepaymentEntry> ParsePrepaymentLine(std::string_view line);

// Re-applies the list to a freshly built schedule: the same end state as one
// SetPrepayment per line in order (the same messages and errors), with a single
// recalculation. Each entry outside the schedule reports the engine's message, as
// SetPrepayment would. A line that cannot be read ends the list:
// the lines before it are applied, then its EConvertError (or ERangeError) is rethrown.
void ApplyPrepaymentList(TMortgage& mortgage, const std::vector<std::string>& lines);

// ---- monthly grid ----------------------------------------------------------------------

using MonthlyRowTexts = std::array<std::string, 8>;

// The currency cell of an engine amount, made from its cent text; `isZero` tells
// whether that text reads as 0.
std::string MonthlyAmountCell(double value, bool& isZero);

// The eight cells of an engine row; false when the row is not shown (principal and
// balance both read 0), which ends the grid.
bool FormatMonthlyRow(const TPayment& payment, MonthlyRowTexts& out);

// ---- annual grid -----------------------------------------------------------------------

using AnnualRowTexts = std::array<std::string, 5>;
using MonthlyCellReader = std::function<std::string(int col, int row)>;

// The annual rows (below the heading row) for a monthly grid of `paymentRows` payment
// rows whose cells `cell` reads. Empty when the first payment cell is empty or a single
// blank. Throws EConvertError when a cell does not read as the number it should be.
std::vector<AnnualRowTexts> BuildAnnualRows(int paymentRows, const MonthlyCellReader& cell);

}  // namespace zeb
