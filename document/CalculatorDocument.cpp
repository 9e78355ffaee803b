#include "document/CalculatorDocument.h"

#include <algorithm>
#include <stdexcept>

#include "calculators/Tbl.h"
#include "finance/Errors.h"
#include "finance/TextForms.h"

namespace zeb {
namespace {

using K = DocumentValueKind;

std::array<DocumentLine, kDocumentValueLines> buildLines() {
  std::vector<DocumentLine> v;
  v.reserve(kDocumentValueLines);
  const auto add = [&v](std::string name, K kind) { v.push_back({std::move(name), kind}); };
  const auto numbered = [&add](const char* stem, int k, K kind) { add(stem + std::to_string(k), kind); };
  const auto choice = [&v](const char* name, int items) { v.push_back({name, K::Integer, items}); };
  // settings values of the main window
  add("DefaultValueSet", K::Integer);
  for (const char* name : {"Loan", "Interest"}) add(name, K::Real);
  add("Term", K::Integer);
  for (const char* name : {"Payment", "Federal", "State", "Downpayment"}) add(name, K::Real);
  add("DefaultCalc", K::Integer);
  // Quick Calculators
  for (const char* name : {"edtLA", "edtIR", "edtPMT"}) add(name, K::Real);
  add("edtN", K::Integer);
  for (const char* name : {"edtMPISalesPrice", "edtMPIDownPaymentSum", "edtMPIDownPaymentPercent", "edtMPILoanAmount",
                           "edtMPIInterestRate"})
    add(name, K::Real);
  add("edtMPITermInMonths", K::Integer);
  add("edtMPIPayment", K::Real);
  // Capitalization Rate
  for (const char* stem : {"edtCRNetOperatingIncome", "edtCRValue", "edtCRCapitalizationRate"})
    for (int k = 1; k <= 5; ++k) numbered(stem, k, K::Real);
  choice("rgCapRateSolveFor", 3);
  // Refinancing
  add("edtOldLoan", K::Real);
  add("edtOldTerm", K::Integer);
  add("edtOldInterestRate", K::Real);
  add("edtOldPaymentsMade", K::Integer);
  add("edtOldPaymentsRemaining", K::Integer);
  add("edtOldPayment", K::Real);
  add("edtNewLoan", K::Real);
  add("edtNewTerm", K::Integer);
  add("edtNewInterestRate", K::Real);
  add("edtRefiClosingCosts", K::Real);
  add("edtMonthsUntilSell", K::Integer);
  for (const char* name : {"edtNewPayment", "edtPaymentSaved", "edtTotalPaymentSaved", "edtOldEquity", "edtNewEquity",
                           "edtEquitySavings", "edtTotalSaved", "edtDiscountPoints", "edtOriginationPoints",
                           "edtCreditCheck", "edtAttyFeeY", "edtAttyFeeL", "edtTitleSearchFee", "edtTitleInsuranceFee",
                           "edtAppraisalFee", "edtInspections", "edtLocalFees", "edtOtherFees", "edtPrepaymentPenalty"})
    add(name, K::Real);
  // Tabulon
  add("edtLoan", K::Real);
  add("edtInterest", K::Real);
  add("edtTerm", K::Integer);
  add("edtPayment", K::Real);
  choice("rgCalculate", 4);
  choice("rgLoan", kLoanStepCount);
  choice("rgPayments", kPaymentStepCount);
  choice("rgInterest", kRateStepCount);
  // Amortization
  add("edtMortAmt", K::Real);
  add("edtIRate", K::Real);
  add("edtNumPmts", K::Integer);
  add("edtAmortPayment", K::Real);
  add("cbMonth", K::Text);
  add("edtYear", K::Integer);
  // Loan Comparisons
  for (int k = 1; k <= 6; ++k) {
    numbered("edtLCLoan", k, K::Real);
    numbered("edtLCInterest", k, K::Real);
    numbered("edtLCTerm", k, K::Integer);
    for (const char* stem : {"edtLCPoints", "edtLCPayment", "edtLCTotalPaid", "edtLCLoanCost", "edtLCPointsCost"})
      numbered(stem, k, K::Real);
  }
  // Future Values
  for (int k = 1; k <= 5; ++k) {
    numbered("edtFVp", k, K::Real);
    numbered("cbCompounding", k, K::Text);
    numbered("edtFVpmt", k, K::Real);
    numbered("edtFVir", k, K::Real);
    numbered("edtFVn", k, k == 1 ? K::Text : K::Real);
    numbered("edtFV", k, K::Real);
  }
  // Depreciation
  add("edtOriginalCost", K::Real);
  add("edtSalvageValue", K::Real);
  add("edtDepreciationPeriod", K::Integer);
  add("edtTotalDepreciated", K::Real);
  choice("rgDepreciationMethod", 3);
  // Rates of Return
  for (int k = 1; k <= 5; ++k)
    for (const char* stem : {"edtRORBV", "edtROREV", "edtRORDV", "edtROR"}) numbered(stem, k, K::Real);
  // Net Present Values
  for (int k = 1; k <= 30; ++k) numbered("edtDCFYear", k, K::Real);
  for (int k = 1; k <= 5; ++k) numbered("edtDiscountRate", k, K::Real);
  for (int k = 1; k <= 5; ++k) numbered("edtNPV", k, K::Real);

  if (v.size() != kDocumentValueLines) throw std::logic_error("the document table does not have 223 lines");
  std::array<DocumentLine, kDocumentValueLines> out;
  std::move(v.begin(), v.end(), out.begin());
  return out;
}

int indexOrThrow(std::string_view name, K kind) {
  const std::optional<int> index = DocumentLineIndex(name);
  if (!index || DocumentLines()[static_cast<std::size_t>(*index)].kind != kind)
    throw std::out_of_range("no document value line " + std::string(name) + " of that kind");
  return *index;
}

[[noreturn]] void damaged(const std::string& why) { throw EDocumentError("not a calculator document: " + why); }

// The lines of `bytes`, ended by CR LF, a lone CR or a lone LF; a last line without an
// end counts too, an end at the very end adds no empty line.
std::vector<std::string_view> splitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  lines.reserve(kDocumentValueLines + static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')));
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') continue;
    lines.push_back(bytes.substr(start, i - start));
    if (lines.size() > kDocumentValueLines + kDocumentMaxScheduleRows)
      damaged("more schedule rows than a schedule can have");
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  if (lines.size() > kDocumentValueLines + kDocumentMaxScheduleRows)
    damaged("more schedule rows than a schedule can have");
  return lines;
}

void appendLineEnd(std::string& out) { out.append("\r\n", 2); }

void appendText(std::string_view text, std::string& out) {
  if (text.find_first_of("\r\n") != std::string_view::npos) throw EDocumentError("a text holds a line end");
  AppendEncoded1252(text, out);
}

}  // namespace

const std::array<DocumentLine, kDocumentValueLines>& DocumentLines() {
  static const std::array<DocumentLine, kDocumentValueLines> lines = buildLines();
  return lines;
}

std::optional<int> DocumentLineIndex(std::string_view name) {
  const auto& lines = DocumentLines();
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i].name == name) return static_cast<int>(i);
  return std::nullopt;
}

TCalculatorDocument::TCalculatorDocument() {
  const auto& lines = DocumentLines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    switch (lines[i].kind) {
      case K::Real: values[i] = 0.0; break;
      case K::Integer: values[i] = std::int32_t{0}; break;
      case K::Text: values[i] = std::string(); break;
    }
  }
}

double TCalculatorDocument::Real(std::string_view name) const {
  return std::get<double>(values[static_cast<std::size_t>(indexOrThrow(name, K::Real))]);
}
std::int32_t TCalculatorDocument::Integer(std::string_view name) const {
  return std::get<std::int32_t>(values[static_cast<std::size_t>(indexOrThrow(name, K::Integer))]);
}
const std::string& TCalculatorDocument::Text(std::string_view name) const {
  return std::get<std::string>(values[static_cast<std::size_t>(indexOrThrow(name, K::Text))]);
}
void TCalculatorDocument::SetReal(std::string_view name, double value) {
  values[static_cast<std::size_t>(indexOrThrow(name, K::Real))] = value;
}
void TCalculatorDocument::SetInteger(std::string_view name, std::int32_t value) {
  values[static_cast<std::size_t>(indexOrThrow(name, K::Integer))] = value;
}
void TCalculatorDocument::SetText(std::string_view name, std::string text) {
  values[static_cast<std::size_t>(indexOrThrow(name, K::Text))] = std::move(text);
}

std::string WriteDocument(const TCalculatorDocument& document) {
  std::string out;
  out.reserve(4096 + document.schedule.size() * 80);
  const auto& lines = DocumentLines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const DocumentValue& value = document.values[i];
    if (const auto* real = std::get_if<double>(&value)) {
      try {
        out += FloatToStrGeneral(*real);
      } catch (const EMathError&) {
        throw EDocumentError(lines[i].name + " holds no number");
      }
    } else if (const auto* integer = std::get_if<std::int32_t>(&value)) {
      out += std::to_string(*integer);
    } else {
      appendText(std::get<std::string>(value), out);
    }
    appendLineEnd(out);
  }
  if (document.schedule.size() > static_cast<std::size_t>(kDocumentMaxScheduleRows))
    throw EDocumentError("more schedule rows than a schedule can have");
  for (const ScheduleRow& row : document.schedule) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c > 0) out.push_back(' ');
      appendText(row[c], out);
    }
    appendLineEnd(out);
  }
  return out;
}

ScheduleRow CutScheduleLine(std::string_view line) {
  // Each token runs to the next blank; when no blank is left the token is empty and the
  // rest stays for the balance.
  std::array<std::string_view, 8> tokens;  // payment, month name, year, five amounts
  for (std::string_view& token : tokens) {
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos) continue;
    token = line.substr(0, blank);
    line.remove_prefix(blank + 1);
  }
  while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
  ScheduleRow row;
  row[0] = Decode1252(tokens[0]);
  row[1] = Decode1252(tokens[1]) + ' ' + Decode1252(tokens[2]);
  for (std::size_t c = 2; c < 7; ++c) row[c] = Decode1252(tokens[c + 1]);
  row[7] = Decode1252(line);
  return row;
}

TCalculatorDocument ReadDocument(std::string_view bytes) {
  const std::vector<std::string_view> lines = splitLines(bytes);
  if (lines.size() < static_cast<std::size_t>(kDocumentValueLines))
    damaged("only " + std::to_string(lines.size()) + " lines");
  for (const std::string_view line : lines)
    if (line.size() > kDocumentMaxLineLength) damaged("a line too long for a calculator document");

  TCalculatorDocument document;
  const auto& table = DocumentLines();
  for (std::size_t i = 0; i < table.size(); ++i) {
    const std::string_view line = lines[i];
    try {
      switch (table[i].kind) {
        case K::Real: document.values[i] = StrToFloat(std::string(line)); break;
        case K::Integer: document.values[i] = StrToInt(std::string(line)); break;
        case K::Text: document.values[i] = Decode1252(line); break;
      }
    } catch (const EConvertError&) {
      damaged("line " + std::to_string(i + 1) + " (" + table[i].name + ") does not convert");
    }
    // No installation writes a choice its group does not have; applied, one would leave
    // the page failing on every calculation until the user chose again.
    if (table[i].choices > 0) {
      const std::int32_t index = std::get<std::int32_t>(document.values[i]);
      if (index < 0 || index >= table[i].choices)
        damaged("line " + std::to_string(i + 1) + " (" + table[i].name + ") is no choice of its group");
    }
  }
  document.schedule.reserve(lines.size() - table.size());
  for (std::size_t i = table.size(); i < lines.size(); ++i) document.schedule.push_back(CutScheduleLine(lines[i]));
  return document;
}

}  // namespace zeb
