#include "reports/ReportForms.h"

#include "finance/TextForms.h"

namespace zeb {

std::string ReportCurrency(double value) { return FloatToText(value, FloatStyle::Currency, 15, 2); }
std::string ReportShortCurrency(double value) { return FloatToText(value, FloatStyle::Currency, 10, 2); }
std::string ReportRate3(double value) { return FloatToText(value, FloatStyle::Number, 10, 3) + "%"; }
std::string ReportPlainNumber(double value) { return FloatToText(value, FloatStyle::General, 15, 0); }
std::string ReportPlainRate(double value) { return ReportPlainNumber(value) + "%"; }
std::string ReportWholeNumber(std::int32_t value) { return std::to_string(value); }

namespace {

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::string PlainAmount(const std::string& cell) {
  const std::string text = trimmed(cell);
  std::string body = text;
  bool negative = false;
  if (body.size() >= 2 && body.front() == '(' && body.back() == ')') {
    negative = true;
    body = body.substr(1, body.size() - 2);
  } else if (!body.empty() && body.front() == '-') {
    negative = true;
    body.erase(0, 1);
  }
  const bool currency = !body.empty() && body.front() == '$';
  if (currency) body.erase(0, 1);
  if (negative && text.front() == '(' && !currency) return text;  // "(note)" is no amount  // parentheses mark only amounts
  // What is left must be digits in groups of three, optionally with decimals.
  std::string digits;
  bool separators = false, point = false;
  int sinceSeparator = -1;  // digits since the last separator (-1: none yet)
  for (char c : body) {
    if (c >= '0' && c <= '9') {
      digits += c;
      if (sinceSeparator >= 0 && !point) ++sinceSeparator;
    } else if (c == ',' && !point && !digits.empty() && (sinceSeparator < 0 || sinceSeparator == 3)) {
      separators = true;
      sinceSeparator = 0;
    } else if (c == '.' && !point && !digits.empty() && (sinceSeparator < 0 || sinceSeparator == 3)) {
      point = true;
      digits += c;
    } else {
      return text;
    }
  }
  if (digits.empty() || digits.back() == '.' || (sinceSeparator >= 0 && sinceSeparator != 3 && !point) ||
      (!currency && !separators))
    return text;
  return (negative ? "-" : "") + digits;
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string TableToCsv(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows) {
  std::string csv;
  auto record = [&csv](const std::vector<std::string>& fields, bool plain) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (i) csv += ',';
      csv += CsvField(plain ? PlainAmount(fields[i]) : trimmed(fields[i]));
    }
    csv += "\r\n";
  };
  if (!header.empty()) record(header, false);
  for (std::size_t i = 0; i < rows.size(); ++i) record(rows[i], !(header.empty() && i == 0));
  return csv;
}

}  // namespace zeb
