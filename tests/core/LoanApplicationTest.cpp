// The loan application's preview text and e-mail link: their lines and items, the
// importance values, and a link that decodes back to exactly what the applicant typed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "finance/Errors.h"
#include "loanapp/LoanApplication.h"

namespace zeb {
namespace {

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
    out.push_back(text.substr(start, at - start));
  out.push_back(text.substr(start));
  return out;
}

std::string percentDecode(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      out += static_cast<char>(std::strtol(text.substr(i + 1, 2).c_str(), nullptr, 16));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

const std::string kPrefix = "mailto:loans@example.com?subject=Loan%20Application&body=";

// The body of a link decoded and split at its separators, the way the e-mail program
// sees it (the desktop may write the escapes in upper case): a CR that does not start
// a CR LF.
std::vector<std::string> decodedBody(const std::string& link) {
  EXPECT_EQ(link.rfind(kPrefix, 0), 0u) << link.substr(0, 80);
  const std::string body = percentDecode(link.substr(kPrefix.size()));
  std::vector<std::string> items;
  std::size_t start = 0;
  for (std::size_t at = 0; at < body.size(); ++at) {
    if (body[at] != '\r') continue;
    if (at + 1 < body.size() && body[at + 1] == '\n') {
      ++at;
      continue;
    }
    items.push_back(body.substr(start, at - start));
    start = at + 1;
  }
  items.push_back(body.substr(start));
  return items;
}

TEST(LoanApplicationPreview, TheUntouchedFormReadsAsItsDefaults) {
  EXPECT_EQ(lines(PreviewSubmissionText(TLoanApplicationForm{})),
            (std::vector<std::string>{
                "CONTACT INFORMATION", "Name:  ", "Company: ", "Address: ", "City, State, Zip: ,  ",
                "Work Phone: ", "FAX Phone: ", "Email Address: ", "PROPERTY INFORMATION", "Property Value: ",
                "Property Type: Office", "Other Type: ", "Property State: ", "Property Occupied by Owner: No",
                "FINANCING INFORMATION", "Loan Amount: $0.00", "Loan Type: Permanent", "Interest Type: Fixed",
                "Amortization Period: 15 years", "Loan Term: 5 years", "Fee Importance: 5", "Rate Importance: 5",
                "LTV Importance: 5", "Fast Importance: 5", "Prepayment Issues Importance: 5",
                "ADDITIONAL INFORMATION", ""}));
}

TEST(LoanApplicationPreview, AFilledFormPutsEachValueOnItsLine) {
  TLoanApplicationForm f;
  f.firstName = "Ann";
  f.lastName = "Lee";
  f.company = "Lee & Sons";
  f.address = "12 Elm Street";
  f.city = "Dayton";
  f.state = "OH";
  f.zipcode = "45402";
  f.workPhone = "937-555-0101";
  f.faxPhone = "937-555-0102";
  f.email = "ann@lee.example";
  f.propertyValueText = "$1,250,000.00";
  f.propertyType = "Other (fill in next box)";
  f.otherPropertyType = "Bowling alley";
  f.propertyState = "KY";
  f.ownerOccupied = true;
  f.loanAmount = 937500;
  f.loanType = "Bridge/Short Term";
  f.interestType = "Adjustable";
  f.amortization = "30";
  f.loanTerm = "12 years, typed";
  f.importance = {0, 1, 2, 3, 4};
  f.additionalInformation = "First line\nSecond line";
  const auto got = lines(PreviewSubmissionText(f));
  ASSERT_EQ(got.size(), 28u);  // the additional information's own line break adds one
  EXPECT_EQ(got[1], "Name: Ann Lee");
  EXPECT_EQ(got[2], "Company: Lee & Sons");
  EXPECT_EQ(got[4], "City, State, Zip: Dayton, OH 45402");
  EXPECT_EQ(got[9], "Property Value: $1,250,000.00");
  EXPECT_EQ(got[11], "Other Type: Bowling alley");
  EXPECT_EQ(got[12], "Property State: KY");
  EXPECT_EQ(got[13], "Property Occupied by Owner: Yes");
  EXPECT_EQ(got[15], "Loan Amount: $937,500.00");
  EXPECT_EQ(got[19], "Loan Term: 12 years, typed");
  EXPECT_EQ((std::vector<std::string>(got.begin() + 20, got.begin() + 25)),
            (std::vector<std::string>{"Fee Importance: 1", "Rate Importance: 2", "LTV Importance: 3",
                                      "Fast Importance: 4", "Prepayment Issues Importance: 5"}));
  EXPECT_EQ(got[26], "First line");
  EXPECT_EQ(got[27], "Second line");
}

struct ImportanceCase {
  const char* name;
  int chosen;
  const char* value;
};

class LoanApplicationImportance : public ::testing::TestWithParam<ImportanceCase> {};

TEST_P(LoanApplicationImportance, ChosenButtonGivesItsRank) {
  TLoanApplicationForm f;
  f.importance[static_cast<std::size_t>(ImportanceRow::Fast)] = GetParam().chosen;
  EXPECT_EQ(ImportanceValue(f, ImportanceRow::Fast), GetParam().value);
  EXPECT_EQ(lines(PreviewSubmissionText(f))[23], std::string("Fast Importance: ") + GetParam().value);
  EXPECT_EQ(MailBodyItems(f)[21], std::string("Fast: ") + GetParam().value);
  EXPECT_EQ(ImportanceValue(f, ImportanceRow::Fees), "5");  // the rows are independent
}

INSTANTIATE_TEST_SUITE_P(Rows, LoanApplicationImportance,
                         ::testing::Values(ImportanceCase{"none", -1, "5"}, ImportanceCase{"first", 0, "1"},
                                           ImportanceCase{"second", 1, "2"}, ImportanceCase{"fourth", 3, "4"},
                                           ImportanceCase{"fifth", 4, "5"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoanApplicationMail, BodyHasTwentyFourItemsWithAnEmptyLineBeforeProperty) {
  TLoanApplicationForm f;
  f.firstName = "Ann";
  f.lastName = "Lee";
  f.email = "ann@lee.example";
  f.address = "not in the mail";
  f.otherPropertyType = "nor this";
  f.loanAmount = 250000;
  const std::string link = MailtoLink(f, "loans@example.com");
  EXPECT_NE(link.find("ann%40lee.example%0d%0dPROPERTY%0d"), std::string::npos) << link;
  EXPECT_EQ(link.find("not%20in"), std::string::npos);
  EXPECT_EQ(link.find("nor%20this"), std::string::npos);
  EXPECT_EQ(decodedBody(link),
            (std::vector<std::string>{"Ann Lee", "", ",  ", "W: ", "F: ", "ann@lee.example", "", "PROPERTY", "",
                                      "Office", "", "No", "FINANCING", "$250,000.00", "Permanent", "Fixed",
                                      "15 years", "Term: 5 years", "Fee: 5", "Rate: 5", "LTV: 5", "Fast: 5",
                                      "Prepayment Issues: 5", ""}));
}

// Each row fills every text of the form with the same input; the link must decode back
// into the 24 items the applicant wrote, and carry no character that ends or splits a
// mailto field.
struct EncodingCase {
  const char* name;
  std::string text;
};

class LoanApplicationEncoding : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(LoanApplicationEncoding, LinkDecodesBackToTheItems) {
  const std::string& t = GetParam().text;
  TLoanApplicationForm f;
  for (std::string* field : {&f.firstName, &f.lastName, &f.company, &f.address, &f.city, &f.state, &f.zipcode,
                             &f.workPhone, &f.faxPhone, &f.email, &f.propertyValueText, &f.propertyType,
                             &f.propertyState, &f.otherPropertyType, &f.loanType, &f.interestType,
                             &f.amortization, &f.loanTerm, &f.additionalInformation})
    *field = t;
  const std::string link = MailtoLink(f, "loans@example.com");
  const std::vector<std::string> items = MailBodyItems(f);
  ASSERT_EQ(items.size(), 24u);
  EXPECT_EQ(decodedBody(link), items);
  EXPECT_EQ(items[1], WithCrLf(t));  // a pasted line break, too, is CR LF in every item
  EXPECT_EQ(items[23], WithCrLf(t));
  const std::string body = link.substr(kPrefix.size());
  EXPECT_EQ(body.find_first_of("&?# +\r\n\t"), std::string::npos) << body;
  for (unsigned char c : body) EXPECT_LT(c, 0x80) << "a raw non-ASCII byte in the link";
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, LoanApplicationEncoding,
    ::testing::Values(EncodingCase{"ampersand_query_hash", "Lee & Sons? #1 & more=yes"},
                      EncodingCase{"percent_and_plus", "100% + 5%0d %26 +1"},
                      EncodingCase{"mailto_field_names", "x&body=forged&subject=other&to=a@b.c"},
                      EncodingCase{"non_ascii_letters", "Jos\xC3\xA9 M\xC3\xBCller, \xC3\x85rhus \xE2\x82\xAC"},
                      EncodingCase{"line_breaks", "one\r\ntwo\nthree\rfour\n"},
                      EncodingCase{"control_characters", std::string("a\tb\x01\x7F", 5) + std::string(1, '\0') + "c"},
                      EncodingCase{"right_to_left", "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xE2\x80\x8F" "123"},
                      EncodingCase{"emoji", "\xF0\x9F\x8F\xA0\xF0\x9F\x92\xB0 loan"},
                      EncodingCase{"unreserved_stay", "A-z_0.9~"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoanApplicationMail, EncodesAsUtf8WithUpperCaseHex) {
  EXPECT_EQ(PercentEncode("Lee & Sons"), "Lee%20%26%20Sons");
  EXPECT_EQ(PercentEncode("Jos\xC3\xA9"), "Jos%C3%A9");
  EXPECT_EQ(PercentEncode("A-z_0.9~"), "A-z_0.9~");
  EXPECT_EQ(PercentEncode("\r\n"), "%0D%0A");
}

struct LineBreakCase {
  const char* name;
  const char* in;
  const char* out;
};

class LoanApplicationLineBreaks : public ::testing::TestWithParam<LineBreakCase> {};

TEST_P(LoanApplicationLineBreaks, BecomeCrLf) { EXPECT_EQ(WithCrLf(GetParam().in), GetParam().out); }

INSTANTIATE_TEST_SUITE_P(Texts, LoanApplicationLineBreaks,
                         ::testing::Values(LineBreakCase{"lf", "a\nb", "a\r\nb"},
                                           LineBreakCase{"crlf_kept", "a\r\nb", "a\r\nb"},
                                           LineBreakCase{"lone_cr", "a\rb", "a\r\nb"},
                                           LineBreakCase{"lf_cr_is_two_breaks", "a\n\rb", "a\r\n\r\nb"},
                                           LineBreakCase{"blank_lines_kept", "\n\na\n", "\r\n\r\na\r\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoanApplicationMail, AVeryLongApplicationIsBuiltWhole) {
  TLoanApplicationForm f;
  f.additionalInformation = std::string(100000, 'x') + "&end";
  const std::string link = MailtoLink(f, "loans@example.com");
  EXPECT_GT(link.size(), kMaxMailtoLength);
  EXPECT_EQ(decodedBody(link).back(), f.additionalInformation);
  EXPECT_EQ(lines(PreviewSubmissionText(f)).back(), f.additionalInformation);
}

TEST(LoanApplicationMail, LoanAmountInShortCurrency) {
  TLoanApplicationForm f;
  for (auto [amount, text] : {std::pair{250000.0, "$250,000.00"}, std::pair{0.005, "$0.01"},
                              std::pair{1234567890.12, "$1,234,567,890.00"}}) {
    f.loanAmount = amount;
    EXPECT_EQ(MailBodyItems(f)[13], text) << amount;
    EXPECT_EQ(lines(PreviewSubmissionText(f))[15], std::string("Loan Amount: ") + text);
  }
}

}  // namespace
}  // namespace zeb
