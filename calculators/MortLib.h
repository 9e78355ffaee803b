#pragma once
// MortLib: the amortization engine. One TMortgage per schedule; it owns its rows.
//
// A loan of Amount at the annual rate Rate (a fraction: 0.0875 for 8.75 %) is repaid by
// NumPayments level payments, the first in StartMonth / StartYear. With the periodic
// rate r = Rate / PeriodsPerYear:
//
//     Payment  = cents(PeriodicPayment(NumPayments, Amount, r))
//     interest = cents(balance * r)                  for each row, in order
//     t        = Payment - interest + Prepayment     (cut to the balance when larger)
//     balance  = balance - Principal
//
// The cent rule: cents(x) = trunc(x * 100 + 0.5) / 100, evaluated in extended precision
// and stored as a double (half up for positive amounts, toward zero for negative ones).
// Principal, totals and balance are not rounded further. A schedule paid off early keeps
// its later rows with zero principal, interest and balance (the totals carry forward).
//
// Worked example: 100,000.00 at 8.75 % over 360 payments from January 2000:
//     Payment 786.70; row 1: principal 57.53, interest 729.17, balance 99,942.47;
//     balance after payment 360: 0.97.
// With 5,000.00 prepaid on payments 1 to 12, row 1 is principal 5,057.53, interest
// 729.17, balance 94,942.47, and row 13 (January 2001) principal 518.25.
//
// Errors: floating-point failures (a rate of -1200 % or less makes PeriodicPayment take
// the logarithm of a non-positive number) throw EMathError. A negative number of
// payments, or a start month outside 1..12, throws ERangeError and leaves the schedule
// as it was. A prepayment aimed at a payment the schedule does not have is reported
// through the message sink (the engine itself shows nothing) and changes nothing.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace zeb {

// One row of the schedule. A new row has every field zero; Prepayment is the only
// input field and survives recalculation.
struct TPayment {
  std::int32_t PmtNum = 0;
  std::int32_t Month = 0;  // 1 = January
  std::int32_t Year = 0;   // 0 when the start year is 0 or less
  double Principal = 0;    // prepayment included
  double Interest = 0;
  double TotalPrincipal = 0;
  double TotalInterest = 0;
  double Prepayment = 0;
  double Balance = 0;
};

// The three lines of the out-of-range message; line breaks are line feed + carriage
// return, with an empty line after the first.
extern const char* const kAmortOutOfRangeMessage;

// The cent rule of the engine.
double CentRound(long double x);

// One entry of a prepayment batch.
struct TPrepaymentEntry {
  std::int32_t PmtNo = 0;
  double Amount = 0;
};

class TMortgage {
public:
  using TMessageSink = std::function<void(const std::string& message)>;

  TMortgage() = default;

  // Fields, in declaration order.
  std::int32_t NumPayments = 0;
  std::int32_t PeriodsPerYear = 0;
  std::int32_t Month = 0;  // running calendar: working state of Calculate
  std::int32_t Year = 0;
  double Amount = 0;
  double Rate = 0;
  double Payment = 0;
  std::vector<TPayment> Payments;  // payment 1 first; NumPayments rows

  // The month and year of the first payment: every calculation restarts from them.
  std::int32_t StartMonth = 0;
  std::int32_t StartYear = 0;

  // Replaces the rows by NumPayments zeroed rows and calculates. Throws ERangeError
  // (nothing changed) when numPayments < 0 or startMonth is not 1..12.
  void Create(std::int32_t numPayments, double amount, double rate, std::int32_t periodsPerYear,
              std::int32_t startMonth, std::int32_t startYear);
  // Recomputes every row from the prepayment column.
  void Calculate();

  // Prepayment of payment pmtNo, then a full recalculation. Out of range: the message,
  // nothing changes, false.
  bool SetPrepayment(std::int32_t pmtNo, double amount);
  // Every prepayment 0, then recalculation.
  void ClearPrepayments();
  // Payments fromPmt..NumPayments get `amount` (fromPmt always), recalculation, drop
  // pass. A fromPmt outside the schedule throws ERangeError, nothing written.
  void SetPrepaymentsFrom(std::int32_t fromPmt, double amount);
  // Payments fromPmt, fromPmt + 1, ... while not above toPmt (fromPmt always) get
  // `amount`, then recalculation and drop pass. Reaching a number outside the schedule
  // stops the writing there (earlier rows keep `amount`), with no recalculation and no
  // drop pass; the message is reported and the result is false.
  bool SetPrepaymentRange(std::int32_t fromPmt, std::int32_t toPmt, double amount);

  // The same end state, messages and errors as SetPrepayment for each entry in order,
  // with one recalculation instead of one per entry (each recalculation starts from
  // scratch from the prepayment column, so only the last amount per payment counts;
  // a batch holding a negative amount is recalculated entry by entry). Entries outside
  // the schedule change nothing and report the message, once each. Returns how many
  // entries were outside.
  int SetPrepayments(std::span<const TPrepaymentEntry> entries);

  // Where the out-of-range message goes; nothing is reported without one.
  void SetMessageSink(TMessageSink sink) { sink_ = std::move(sink); }

private:
  void report() const;
  void dropPass(double amount);
  TMessageSink sink_;
};

// A row as texts, at most 15 characters each. The integers are plain decimals; the
// amounts fixed-point with two decimals, right-aligned in 12 characters ("     5057.53"),
// a longer text keeping its length up to 15 characters and cut after the 15th.
struct TPaymentTexts {
  std::string PmtNum, Month, Year, Principal, Interest, TotalPrincipal, TotalInterest, Prepayment, Balance;
};
TPaymentTexts FormatPayment(const TPayment& payment);

// The amount text of FormatPayment for one value ("%12.2f" cut after 15 characters).
std::string FormatPaymentAmount(double value);
// The digits of that text as a count of cents (its sign is the sign bit of `value`);
// false for values too large to count this way (and for infinities and NaN).
bool PaymentAmountCents(double value, std::uint64_t& cents);

}  // namespace zeb
