#include "loanapp/LoanApplication.h"

#include "finance/TextForms.h"

namespace zeb {

const std::vector<std::string>& PropertyTypes() {
  static const std::vector<std::string> items{
      "Office", "Industrial/Warehouse", "Retail", "Multi-Family", "Hotel", "Manufactured Home Community",
      "Senior Housing/ALF/SNF", "Self-Storage", "Mixed Use", "Residential Development", "Agricultural",
      "Day Care", "Hospital", "Leisure/Travel", "Parking", "Restaurant", "Golf Course", "Marina",
      "Car Dealership", "Auto Service", "Raw Land", "Church", "Other (fill in next box)"};
  return items;
}

const std::vector<std::string>& LoanTypes() {
  static const std::vector<std::string> items{"Permanent", "Bridge/Short Term", "Construction",
                                              "Mezzanine/Second", "Equity", "SBA"};
  return items;
}

const std::vector<std::string>& InterestRateTypes() {
  static const std::vector<std::string> items{"Fixed", "Adjustable", "Fixed or Adjustable"};
  return items;
}

const std::vector<std::string>& AmortizationPeriods() {
  static const std::vector<std::string> items{"15 years", "20", "25", "30", "Other"};
  return items;
}

const std::vector<std::string>& LoanTerms() {
  static const std::vector<std::string> items{"5 years", "7", "10", "15", "20", "25", "30", "Other"};
  return items;
}

std::string ImportanceValue(const TLoanApplicationForm& form, ImportanceRow row) {
  const int chosen = form.importance[static_cast<std::size_t>(row)];
  return chosen >= 0 && chosen <= 3 ? std::to_string(chosen + 1) : "5";
}

std::string ShortCurrency(double value) { return FloatToText(value, FloatStyle::Currency, 10, 2); }

std::string WithCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      out += "\r\n";
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += c;
    }
  }
  return out;
}

namespace {

const char* const kOccupied[] = {"No", "Yes"};

std::string joined(const std::vector<std::string>& items, std::string_view separator) {
  std::size_t size = 0;
  for (const auto& item : items) size += item.size() + separator.size();
  std::string out;
  out.reserve(size);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += separator;
    out += items[i];
  }
  return out;
}

}  // namespace

std::string PreviewSubmissionText(const TLoanApplicationForm& f) {
  auto importance = [&f](ImportanceRow row) { return ImportanceValue(f, row); };
  return WithCrLf(joined(
      {
          "CONTACT INFORMATION",
          "Name: " + f.firstName + " " + f.lastName,
          "Company: " + f.company,
          "Address: " + f.address,
          "City, State, Zip: " + f.city + ", " + f.state + " " + f.zipcode,
          "Work Phone: " + f.workPhone,
          "FAX Phone: " + f.faxPhone,
          "Email Address: " + f.email,
          "PROPERTY INFORMATION",
          "Property Value: " + f.propertyValueText,
          "Property Type: " + f.propertyType,
          "Other Type: " + f.otherPropertyType,
          "Property State: " + f.propertyState,
          std::string("Property Occupied by Owner: ") + kOccupied[f.ownerOccupied],
          "FINANCING INFORMATION",
          "Loan Amount: " + ShortCurrency(f.loanAmount),
          "Loan Type: " + f.loanType,
          "Interest Type: " + f.interestType,
          "Amortization Period: " + f.amortization,
          "Loan Term: " + f.loanTerm,
          "Fee Importance: " + importance(ImportanceRow::Fees),
          "Rate Importance: " + importance(ImportanceRow::Rates),
          "LTV Importance: " + importance(ImportanceRow::LTV),
          "Fast Importance: " + importance(ImportanceRow::Fast),
          "Prepayment Issues Importance: " + importance(ImportanceRow::Prepay),
          "ADDITIONAL INFORMATION",
          f.additionalInformation,
      },
      "\r\n"));
}

std::vector<std::string> MailBodyItems(const TLoanApplicationForm& f) {
  auto importance = [&f](ImportanceRow row) { return ImportanceValue(f, row); };
  std::vector<std::string> items{
      f.firstName + " " + f.lastName,
      f.company,
      f.city + ", " + f.state + " " + f.zipcode,
      "W: " + f.workPhone,
      "F: " + f.faxPhone,
      f.email,
      "",
      "PROPERTY",
      f.propertyValueText,
      f.propertyType,
      f.propertyState,
      kOccupied[f.ownerOccupied],
      "FINANCING",
      ShortCurrency(f.loanAmount),
      f.loanType,
      f.interestType,
      f.amortization,
      "Term: " + f.loanTerm,
      "Fee: " + importance(ImportanceRow::Fees),
      "Rate: " + importance(ImportanceRow::Rates),
      "LTV: " + importance(ImportanceRow::LTV),
      "Fast: " + importance(ImportanceRow::Fast),
      "Prepayment Issues: " + importance(ImportanceRow::Prepay),
      f.additionalInformation,
  };
  // A line break pasted into a one-line field is written CR LF too, so the lone CR of
  // the separators still marks the items once the link is decoded.
  for (auto& item : items) item = WithCrLf(item);
  return items;
}

std::string PercentEncode(std::string_view utf8) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(utf8.size() * 3);
  for (const char ch : utf8) {
    const auto c = static_cast<unsigned char>(ch);
    const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                            c == '-' || c == '.' || c == '_' || c == '~';
    if (unreserved) {
      out += ch;
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0x0F];
    }
  }
  return out;
}

std::string MailtoLink(const TLoanApplicationForm& form, std::string_view recipient) {
  std::vector<std::string> items = MailBodyItems(form);
  for (auto& item : items) item = PercentEncode(item);
  return "mailto:" + std::string(recipient) + "?subject=" + PercentEncode("Loan Application") +
         "&body=" + joined(items, "%0d");
}

}  // namespace zeb
