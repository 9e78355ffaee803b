#pragma once
// The loan application's two texts, built from the values of the application form:
//
//   PreviewSubmissionText  the 27 lines the applicant reads on the preview page, joined
//                          with CR LF ("CONTACT INFORMATION", "Name: Ann Lee", ...);
//   MailtoLink             the message handed to the desktop's e-mail program:
//                          "mailto:" recipient "?subject=Loan%20Application&body=" and
//                          24 body items joined by the three characters "%0d".
//
// Every body item is percent-encoded on its own as UTF-8 (RFC 6068): only the
// unreserved characters A-Z a-z 0-9 - . _ ~ stand as they are, every other byte is
// "%" and two upper-case hex digits. So an "&", "?", "#", "%" or "+" in a field, a
// non-ASCII letter or a line break arrives in the message exactly as typed. The "%0d"
// separators stand for a lone CR, while an item's own line breaks are CR LF
// ("%0D%0A"), so the items can always be told apart once the link is decoded. (The
// desktop's URL type writes every escape in upper case, "%0D" included, before the
// link reaches the e-mail program; escapes do not depend on case, so the message is
// the same.)
// Example: company "Lee & Sons" becomes "Lee%20%26%20Sons".
//
// The additional information keeps its own line breaks, written as CR LF in both texts
// (a lone LF or CR becomes CR LF); so does a line break pasted into any other field.
// A row of the importance table counts "1" to "4" for its first to fourth button and
// "5" for the fifth or for none chosen.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

// The rows of the importance table, in their order on the form.
enum class ImportanceRow { Fees, Rates, LTV, Fast, Prepay };
inline constexpr int kImportanceRows = 5;
inline constexpr int kImportanceLevels = 5;

// The values of the application form, as texts the way the form holds them.
struct TLoanApplicationForm {
  std::string firstName, lastName, company, address, city, state, zipcode;
  std::string workPhone, faxPhone, email;
  std::string propertyValueText;  // the property value field's text as shown
  std::string propertyType = "Office";
  std::string propertyState;
  std::string otherPropertyType;
  bool ownerOccupied = false;  // the first option ("Yes") of the occupancy group
  double loanAmount = 0;       // the desired loan amount field's value
  std::string loanType = "Permanent";
  std::string interestType = "Fixed";
  std::string amortization = "15 years";
  std::string loanTerm = "5 years";
  // The chosen button of each importance row, 0 for its first; -1 when none is chosen.
  std::array<int, kImportanceRows> importance{-1, -1, -1, -1, -1};
  std::string additionalInformation;
};

// The drop-down lists' items; the first of each is the list's initial text.
const std::vector<std::string>& PropertyTypes();
const std::vector<std::string>& LoanTypes();
const std::vector<std::string>& InterestRateTypes();
const std::vector<std::string>& AmortizationPeriods();
const std::vector<std::string>& LoanTerms();

// "1" to "4" for the first to fourth button, "5" otherwise.
std::string ImportanceValue(const TLoanApplicationForm& form, ImportanceRow row);

// The desktop's currency form with two decimals, rounded to at most 10 significant
// digits: 250000 gives "$250,000.00". Throws EMathError for a value that is no number.
std::string ShortCurrency(double value);

// `text` with every line break (CR LF, LF or CR) written as CR LF.
std::string WithCrLf(std::string_view text);

// The preview page's text.
std::string PreviewSubmissionText(const TLoanApplicationForm& form);

// The 24 items of the e-mail body, not yet encoded.
std::vector<std::string> MailBodyItems(const TLoanApplicationForm& form);

// UTF-8 bytes percent-encoded as described above.
std::string PercentEncode(std::string_view utf8);

// The whole mailto link to `recipient`.
std::string MailtoLink(const TLoanApplicationForm& form, std::string_view recipient);

// E-mail programs cut or refuse links longer than this; such an application is only
// put on the clipboard.
inline constexpr std::size_t kMaxMailtoLength = 32000;

}  // namespace zeb
