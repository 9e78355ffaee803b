#include "calculators/MortLib.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "finance/Errors.h"
#include "finance/FpuScope.h"
#include "finance/Tvm.h"

namespace zeb {

const char* const kAmortOutOfRangeMessage =
    "This amortization cannot be calculated with these values.\n\r\n\r"
    "Please use the edit boxes and radio buttons to\n\r"
    "indicate the amount of your extra payments.";

double CentRound(long double x) {
  const long double y = x * 100.0L + 0.5L;
  // Truncating through a 64-bit integer is exact below 2^63 and far cheaper than truncl.
  const long double whole =
      std::fabs(y) < 9.0e18L ? static_cast<long double>(static_cast<std::int64_t>(y)) : std::trunc(y);
  return static_cast<double>(whole / 100.0L);
}

// ---- building -----------------------------------------------------------------------

void TMortgage::Create(std::int32_t numPayments, double amount, double rate, std::int32_t periodsPerYear,
                       std::int32_t startMonth, std::int32_t startYear) {
  if (numPayments < 0) throw ERangeError("The number of payments cannot be negative");
  if (startMonth < 1 || startMonth > 12) throw ERangeError("The first payment month must be 1 to 12");
  NumPayments = numPayments;
  Amount = amount;
  Rate = rate;
  PeriodsPerYear = periodsPerYear;
  StartMonth = startMonth;
  StartYear = startYear;
  Month = startMonth;
  Year = startYear;
  Payments.assign(static_cast<size_t>(numPayments), TPayment{});  // the old rows go
  Calculate();
}

void TMortgage::Calculate() {
  FpuScope fpu;
  Month = StartMonth;
  Year = StartYear;
  const double r = static_cast<double>(static_cast<long double>(Rate) / PeriodsPerYear);
  Payment = CentRound(PeriodicPayment(NumPayments, Amount, r));

  double balance = Amount;
  double totalPrincipal = 0, totalInterest = 0;
  std::int32_t month = StartMonth;
  std::int32_t year = StartYear > 0 ? StartYear : 0;
  const long double rx = r;
  std::int32_t pmtNum = 0;
  for (TPayment& p : Payments) {
    const double interest = CentRound(static_cast<long double>(balance) * rx);
    p.PmtNum = ++pmtNum;
    p.Month = month;
    p.Year = year;
    if (balance == 0.0) {
      p.Interest = 0;
      p.Principal = 0;
      p.Balance = 0;
    } else {
      const double t = static_cast<double>(static_cast<long double>(Payment) - interest + p.Prepayment);
      p.Principal = t > balance ? balance : t;
      p.Interest = interest;
      balance = static_cast<double>(static_cast<long double>(balance) - p.Principal);
      p.Balance = balance;
    }
    totalPrincipal = static_cast<double>(static_cast<long double>(totalPrincipal) + p.Principal);
    totalInterest = static_cast<double>(static_cast<long double>(totalInterest) + p.Interest);
    p.TotalPrincipal = totalPrincipal;
    p.TotalInterest = totalInterest;
    // December is followed by January of the next year; years stay 0 when the start
    // year is 0 or less.
    if (++month > 12) {
      month = 1;
      if (year > 0 && year < std::numeric_limits<std::int32_t>::max()) ++year;
    }
  }
  Month = month;
  Year = year;
  fpu.check();
}

// ---- prepayments ----------------------------------------------------------------------

void TMortgage::report() const {
  if (sink_) sink_(kAmortOutOfRangeMessage);
}

bool TMortgage::SetPrepayment(std::int32_t pmtNo, double amount) {
  if (pmtNo < 1 || pmtNo > NumPayments) {
    report();
    return false;
  }
  Payments[static_cast<size_t>(pmtNo - 1)].Prepayment = amount;
  Calculate();
  return true;
}

int TMortgage::SetPrepayments(std::span<const TPrepaymentEntry> entries) {
  // Every recalculation starts afresh from the prepayment column, so the last one alone
  // decides the rows; the ones in between matter only if one of them could fail. None
  // can while no prepayment is negative: each balance then stays between zero and the
  // balance of the plain schedule, which was just calculated without failing. A negative
  // prepayment (only a document can bring one) can make the balance grow until an
  // intermediate calculation overflows, so such a batch is recalculated entry by entry.
  const bool stepwise = std::any_of(entries.begin(), entries.end(),
                                    [](const TPrepaymentEntry& e) { return !(e.Amount >= 0); });
  int outside = 0;
  bool written = false;
  for (const TPrepaymentEntry& e : entries) {
    if (e.PmtNo < 1 || e.PmtNo > NumPayments) {
      ++outside;
      report();  // once per entry, as SetPrepayment reports it
      continue;
    }
    Payments[static_cast<size_t>(e.PmtNo - 1)].Prepayment = e.Amount;
    if (stepwise) Calculate();
    else written = true;
  }
  if (written) Calculate();
  return outside;
}

void TMortgage::ClearPrepayments() {
  for (TPayment& p : Payments) p.Prepayment = 0;
  Calculate();
}

void TMortgage::SetPrepaymentsFrom(std::int32_t fromPmt, double amount) {
  if (fromPmt < 1 || fromPmt > NumPayments) throw ERangeError("Payment number out of range");
  for (std::int32_t i = fromPmt; i <= NumPayments; ++i) Payments[static_cast<size_t>(i - 1)].Prepayment = amount;
  Calculate();
  dropPass(amount);
}

bool TMortgage::SetPrepaymentRange(std::int32_t fromPmt, std::int32_t toPmt, double amount) {
  std::int64_t i = fromPmt;
  do {
    if (i < 1 || i > NumPayments) {
      report();
      return false;
    }
    Payments[static_cast<size_t>(i - 1)].Prepayment = amount;
    ++i;
  } while (i <= toPmt);
  Calculate();
  dropPass(amount);
  return true;
}

void TMortgage::dropPass(double amount) {
  // Only the column changes: principal and balance keep the prepayment they were
  // calculated with.
  for (TPayment& p : Payments)
    if (!(p.Balance > 0) || p.Balance < amount) p.Prepayment = 0;
}

// ---- texts ------------------------------------------------------------------------------

namespace {

// Writes the decimal digits of n (n >= 0) backwards ending at `end`; returns the start.
char* writeDigits(char* end, std::uint64_t n) {
  do {
    *--end = static_cast<char>('0' + n % 10);
    n /= 10;
  } while (n);
  return end;
}

std::string intText(std::int32_t n) {
  char buf[16];
  char* end = buf + sizeof buf;
  const bool neg = n < 0;
  char* s = writeDigits(
      end, neg ? 0ULL - static_cast<std::uint64_t>(static_cast<std::int64_t>(n)) : static_cast<std::uint64_t>(n));
  if (neg) *--s = '-';
  return std::string(s, end);
}

}  // namespace

bool PaymentAmountCents(double value, std::uint64_t& cents) {
  // value * 100 is exact in extended precision (53 + 7 bits), so rounding it to an
  // integer as printf rounds (the default mode: half to even) gives printf's digits.
  const long double scaled = std::fabs(static_cast<long double>(value) * 100.0L);
  if (!(scaled < 9.0e18L)) return false;
  cents = static_cast<std::uint64_t>(scaled);
  const long double frac = scaled - static_cast<long double>(cents);  // exact
  if (frac > 0.5L || (frac == 0.5L && (cents & 1U))) ++cents;
  return true;
}

std::string FormatPaymentAmount(double value) {
  char buf[48];
  int len;
  std::uint64_t cents = 0;
  if (PaymentAmountCents(value, cents)) {
    char* end = buf + sizeof buf;
    char* s = end;
    *--s = static_cast<char>('0' + cents % 10);
    cents /= 10;
    *--s = static_cast<char>('0' + cents % 10);
    cents /= 10;
    *--s = '.';
    s = writeDigits(s, cents);
    if (std::signbit(value)) *--s = '-';
    len = static_cast<int>(end - s);
    std::string out;
    out.reserve(15);
    if (len < 12) out.append(static_cast<size_t>(12 - len), ' ');
    out.append(s, static_cast<size_t>(std::min(len, 15)));
    if (out.size() > 15) out.resize(15);
    return out;
  }
  len = std::snprintf(buf, sizeof buf, "%12.2f", value);
  std::string out(buf, static_cast<size_t>(std::max(len, 0)));
  if (out.size() > 15) out.resize(15);
  return out;
}

TPaymentTexts FormatPayment(const TPayment& p) {
  TPaymentTexts t;
  t.PmtNum = intText(p.PmtNum);
  t.Month = intText(p.Month);
  t.Year = intText(p.Year);
  t.Principal = FormatPaymentAmount(p.Principal);
  t.Interest = FormatPaymentAmount(p.Interest);
  t.TotalPrincipal = FormatPaymentAmount(p.TotalPrincipal);
  t.TotalInterest = FormatPaymentAmount(p.TotalInterest);
  t.Prepayment = FormatPaymentAmount(p.Prepayment);
  t.Balance = FormatPaymentAmount(p.Balance);
  return t;
}

}  // namespace zeb
