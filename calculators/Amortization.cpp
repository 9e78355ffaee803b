#include "calculators/Amortization.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "finance/Errors.h"
#include "finance/TextForms.h"

namespace zeb {

const std::array<const char*, 12> kAmortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

const std::array<GridColumn, 8> kMonthlyColumns = {{{"PMT", 39},
                                                    {"Month", 55},
                                                    {"Principal", 65},
                                                    {"Interest", 65},
                                                    {"Total Principal", 90},
                                                    {"Total Interest", 90},
                                                    {"Prepayment", 80},
                                                    {"Balance", 90}}};
const std::array<GridColumn, 5> kAnnualColumns = {{{"Year", 39},
                                                   {"Period", 116},
                                                   {"Total Annual Principal", 140},
                                                   {"Total Annual Interest", 140},
                                                   {"Total Annual Payment", 140}}};

int AmortMonthNumber(std::string_view text) {
  for (int i = 0; i < 12; ++i)
    if (text == kAmortMonthNames[static_cast<size_t>(i)]) return i + 1;
  return 0;
}

int ResolveStartMonth(std::string_view text, int previous) {
  const int month = AmortMonthNumber(text);
  if (month != 0) return month;
  return previous >= 1 && previous <= 12 ? previous : 1;
}

namespace {

// Removes trailing characters up to the blank (blanks and control characters).
std::string_view trimRight(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A payment number of plain digits, read without the general conversion.
std::int32_t readPaymentNumber(std::string_view text) {
  if (!text.empty() && text.size() <= 9 && std::all_of(text.begin(), text.end(), isDigit)) {
    std::int32_t n = 0;
    for (char c : text) n = n * 10 + (c - '0');
    return n;
  }
  return StrToInt(std::string(text));
}

// The usual amount text of the list ("5,000.00" once the sign is dropped) read
// directly; anything else goes through TextToCurrency, which gives the same value for
// these forms: the run of amount characters is the whole text and the commas go.
Currency readAmount(std::string_view text) {
  if (!text.empty() && isDigit(text.front())) {
    std::int64_t whole = 0;
    int wholeDigits = 0;
    size_t i = 0;
    for (; i < text.size() && (isDigit(text[i]) || text[i] == ','); ++i) {
      if (text[i] == ',') continue;
      whole = whole * 10 + (text[i] - '0');
      if (++wholeDigits > 14) break;
    }
    if (wholeDigits <= 14) {
      std::int64_t frac = 0;
      int fracDigits = 0;
      bool ok = true;
      if (i < text.size()) {
        ok = text[i] == '.';
        for (++i; ok && i < text.size(); ++i) {
          if (!isDigit(text[i]) || ++fracDigits > 4) ok = false;
          else frac = frac * 10 + (text[i] - '0');
        }
        if (fracDigits == 0) ok = false;
      }
      if (ok) {
        for (int k = fracDigits; k < 4; ++k) frac *= 10;
        return Currency{whole * 10000 + frac};
      }
    }
  }
  return TextToCurrency(std::string(text));
}

}  // namespace

std::string PrepaymentLine(std::string_view pmtCell, std::string_view prepaymentCell) {
  std::string line;
  line.reserve(pmtCell.size() + 1 + std::max<size_t>(prepaymentCell.size(), 5));
  line.append(pmtCell);
  line.push_back(' ');
  if (prepaymentCell.empty()) line.append("$0.00");
  else line.append(prepaymentCell);
  return line;
}

std::optional<TPrepaymentEntry> ParsePrepaymentLine(std::string_view line) {
  const size_t blank = line.find(' ');
  if (blank == std::string_view::npos) return std::nullopt;
  const std::string_view number = trimRight(line.substr(0, blank)).substr(0, 15);
  if (number.empty()) return std::nullopt;
  std::string_view amount = trimRight(line.substr(blank + 1)).substr(0, 25);
  amount.remove_prefix(std::min<size_t>(amount.size(), 1));  // the currency sign
  TPrepaymentEntry entry;
  entry.PmtNo = readPaymentNumber(number);
  entry.Amount = readAmount(amount).ToDouble();
  return entry;
}

void ApplyPrepaymentList(TMortgage& mortgage, const std::vector<std::string>& lines) {
  std::vector<TPrepaymentEntry> entries;
  entries.reserve(lines.size());
  std::exception_ptr failure;
  for (const std::string& line : lines) {
    try {
      if (auto entry = ParsePrepaymentLine(line)) entries.push_back(*entry);
    } catch (const EConvertError&) {
      failure = std::current_exception();
      break;
    } catch (const ERangeError&) {
      failure = std::current_exception();
      break;
    }
  }
  mortgage.SetPrepayments(entries);
  if (failure) std::rethrow_exception(failure);
}

// ---- monthly grid ------------------------------------------------------------------------

namespace {

std::string_view trimLeft(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  return s;
}

}  // namespace

std::string MonthlyAmountCell(double value, bool& isZero) {
  // A cent text that was not cut (at most 15 characters, so at most 14 digits) reads
  // back as exactly its digits, so its currency form comes straight from the cents.
  std::uint64_t cents = 0;
  if (PaymentAmountCents(value, cents) && cents < 10000000000000ULL) {
    isZero = cents == 0;
    char digits[24];
    char* end = digits + sizeof digits;
    char* s = end;
    std::uint64_t whole = cents / 100;
    int n = 0;
    do {
      if (n > 0 && n % 3 == 0) *--s = ',';
      *--s = static_cast<char>('0' + whole % 10);
      whole /= 10;
      ++n;
    } while (whole);
    const bool negative = std::signbit(value) && cents != 0;
    std::string out;
    out.reserve(static_cast<size_t>(end - s) + 6);
    if (negative) out.push_back('(');
    out.push_back('$');
    out.append(s, end);
    out.push_back('.');
    out.push_back(static_cast<char>('0' + cents / 10 % 10));
    out.push_back(static_cast<char>('0' + cents % 10));
    if (negative) out.push_back(')');
    return out;
  }
  // A cut text ("833333333333332" of 833,333,333,333,332.50) still holds at most 15
  // digits, which the currency form with 15 significant digits shows as they are.
  const std::string text = FormatPaymentAmount(value);
  std::string_view fixed = trimLeft(text);
  const bool negative = !fixed.empty() && fixed.front() == '-';
  if (negative) fixed.remove_prefix(1);
  const size_t dot = fixed.find('.');
  const std::string_view whole = fixed.substr(0, dot);
  const std::string_view decimals = dot == std::string_view::npos ? std::string_view() : fixed.substr(dot + 1);
  const bool digitsOnly = !whole.empty() && decimals.size() <= 2 && std::all_of(whole.begin(), whole.end(), isDigit) &&
                          std::all_of(decimals.begin(), decimals.end(), isDigit);
  if (digitsOnly) {
    isZero = std::all_of(fixed.begin(), fixed.end(), [](char c) { return c == '0' || c == '.'; });
    const std::string_view significant = whole.substr(std::min(whole.find_first_not_of('0'), whole.size() - 1));
    std::string out;
    if (negative && !isZero) out.push_back('(');
    out.push_back('$');
    for (size_t i = 0; i < significant.size(); ++i) {
      if (i > 0 && (significant.size() - i) % 3 == 0) out.push_back(',');
      out.push_back(significant[i]);
    }
    out.push_back('.');
    out.append(decimals);
    out.append(2 - decimals.size(), '0');
    if (negative && !isZero) out.push_back(')');
    return out;
  }
  const double shown = StrToFloat(std::string(fixed));
  isZero = shown == 0.0;
  return FloatToText(negative ? -shown : shown, FloatStyle::Currency, 15, 2);
}

bool FormatMonthlyRow(const TPayment& p, MonthlyRowTexts& out) {
  bool principalZero = false, balanceZero = false, ignored = false;
  std::string principal = MonthlyAmountCell(p.Principal, principalZero);
  std::string balance = MonthlyAmountCell(p.Balance, balanceZero);
  if (principalZero && balanceZero) return false;
  out[0] = std::to_string(p.PmtNum);
  const char* name = p.Month >= 1 && p.Month <= 12 ? kAmortMonthNames[static_cast<size_t>(p.Month - 1)] : "";
  std::string date = name;
  date.push_back(' ');
  date.append(std::to_string(p.Year));
  if (date.size() > 8) date.resize(8);
  out[1] = std::move(date);
  out[2] = std::move(principal);
  out[3] = MonthlyAmountCell(p.Interest, ignored);
  out[4] = MonthlyAmountCell(p.TotalPrincipal, ignored);
  out[5] = MonthlyAmountCell(p.TotalInterest, ignored);
  out[6] = MonthlyAmountCell(p.Prepayment, ignored);
  out[7] = std::move(balance);
  return true;
}

// ---- annual grid ---------------------------------------------------------------------------

namespace {

// ChangeCurrencyStringToFloat of a cell in our own currency form ("$1,234.56"), read
// directly: the cents counted from its digits, divided by 100, are the same correctly
// rounded double. Anything else goes through the general reading.
double readShownAmount(const std::string& cell) {
  const size_t size = cell.size();
  if (size >= 5 && size <= 21 && cell[0] == '$' && cell[size - 3] == '.') {
    std::uint64_t cents = 0;
    int digits = 0;
    bool ok = true;
    for (size_t i = 1; i < size && ok; ++i) {
      const char c = cell[i];
      if (isDigit(c)) {
        cents = cents * 10 + static_cast<std::uint64_t>(c - '0');
        ++digits;
      } else if (!((c == ',' && i < size - 3) || i == size - 3)) {
        ok = false;
      }
    }
    if (ok && digits >= 3 && digits <= 15) return static_cast<double>(cents) / 100.0;
  }
  return ChangeCurrencyStringToFloat(cell);
}

}  // namespace

std::vector<AnnualRowTexts> BuildAnnualRows(int paymentRows, const MonthlyCellReader& cell) {
  std::vector<AnnualRowTexts> rows;
  const std::string first = cell(0, 1);
  if (first.empty() || first == " " || paymentRows < 1) return rows;

  const std::string firstDate = cell(1, 1);
  const std::int32_t firstYear = StrToInt(ParseYear(firstDate));
  const std::string firstMonth = ParseMonth(firstDate);
  const int monthNumber = AmortMonthNumber(firstMonth);
  const int inFirstYear = std::min(monthNumber == 0 ? 12 : 13 - monthNumber, paymentRows);
  const int rest = paymentRows - inFirstYear;
  const int fullYears = rest / 12;
  const int leftOver = rest % 12;
  rows.reserve(static_cast<size_t>(1 + fullYears + (leftOver > 0 ? 1 : 0)));

  const auto yearText = [](std::int64_t y) { return std::to_string(y); };
  const auto cut15 = [](std::string s) {
    if (s.size() > 15) s.resize(15);
    return s;
  };
  int next = 1;  // the next monthly row to sum
  const auto addRow = [&](int months, std::string period) {
    double principal = 0, interest = 0;
    for (int k = 0; k < months; ++k, ++next) {
      principal += readShownAmount(cell(2, next));
      interest += readShownAmount(cell(3, next));
    }
    const double total = principal + interest;
    AnnualRowTexts row;
    row[0] = std::to_string(rows.size() + 1);
    row[1] = cut15(std::move(period));
    row[2] = FloatToText(principal, FloatStyle::Currency, 10, 2);
    row[3] = FloatToText(interest, FloatStyle::Currency, 10, 2);
    row[4] = FloatToText(total, FloatStyle::Currency, 10, 2);
    rows.push_back(std::move(row));
  };

  addRow(inFirstYear, monthNumber == 12 ? "Dec " + yearText(firstYear) : firstMonth + " - Dec " + yearText(firstYear));
  for (int y = 1; y <= fullYears; ++y) addRow(12, "Jan - Dec " + yearText(std::int64_t{firstYear} + y));
  if (leftOver > 0) {
    const std::string lastDate = cell(1, paymentRows);
    addRow(leftOver,
           leftOver == 1 ? "Jan " + ParseYear(lastDate) : "Jan - " + ParseMonth(lastDate) + " " + ParseYear(lastDate));
  }
  return rows;
}

}  // namespace zeb
