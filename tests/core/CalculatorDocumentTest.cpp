// The calculator document: the fixed line table, writing, reading, the schedule lines,
// the code page, and files that are no document.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "document/CalculatorDocument.h"

namespace zeb {
namespace {

using K = DocumentValueKind;

std::vector<std::string> splitCrLf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

ScheduleRow sampleRow(int n) {
  return {std::to_string(n), "Jan 2000", "$57.53", "$729.17", "$57.53", "$729.17", "$0.00", "$99,942.47"};
}

// ---- the line table ------------------------------------------------------------------------

struct LineCase {
  const char* name;
  int line;
  K kind;
};
void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class DocumentLineTable : public ::testing::TestWithParam<LineCase> {};

TEST_P(DocumentLineTable, NameStandsOnItsLineWithItsKind) {
  const LineCase& c = GetParam();
  ASSERT_EQ(DocumentLineIndex(c.name), c.line - 1);
  EXPECT_EQ(DocumentLines()[static_cast<std::size_t>(c.line - 1)].kind, c.kind);
}

INSTANTIATE_TEST_SUITE_P(
    FirstAndLastOfEachPage, DocumentLineTable,
    ::testing::Values(LineCase{"DefaultValueSet", 1, K::Integer}, LineCase{"Loan", 2, K::Real},
                      LineCase{"Term", 4, K::Integer}, LineCase{"DefaultCalc", 9, K::Integer},
                      LineCase{"edtLA", 10, K::Real}, LineCase{"edtN", 13, K::Integer},
                      LineCase{"edtMPITermInMonths", 19, K::Integer}, LineCase{"edtMPIPayment", 20, K::Real},
                      LineCase{"edtCRNetOperatingIncome1", 21, K::Real}, LineCase{"edtCRValue1", 26, K::Real},
                      LineCase{"edtCRCapitalizationRate5", 35, K::Real},
                      LineCase{"rgCapRateSolveFor", 36, K::Integer}, LineCase{"edtOldLoan", 37, K::Real},
                      LineCase{"edtMonthsUntilSell", 47, K::Integer}, LineCase{"edtTotalSaved", 54, K::Real},
                      LineCase{"edtDiscountPoints", 55, K::Real}, LineCase{"edtPrepaymentPenalty", 66, K::Real},
                      LineCase{"edtLoan", 67, K::Real}, LineCase{"edtTerm", 69, K::Integer},
                      LineCase{"rgCalculate", 71, K::Integer}, LineCase{"rgLoan", 72, K::Integer},
                      LineCase{"rgPayments", 73, K::Integer}, LineCase{"rgInterest", 74, K::Integer},
                      LineCase{"edtMortAmt", 75, K::Real}, LineCase{"cbMonth", 79, K::Text},
                      LineCase{"edtYear", 80, K::Integer}, LineCase{"edtLCLoan1", 81, K::Real},
                      LineCase{"edtLCTerm1", 83, K::Integer}, LineCase{"edtLCLoan6", 121, K::Real},
                      LineCase{"edtLCPointsCost6", 128, K::Real}, LineCase{"edtFVp1", 129, K::Real},
                      LineCase{"cbCompounding1", 130, K::Text}, LineCase{"edtFVn1", 133, K::Text},
                      LineCase{"edtFVn2", 139, K::Real}, LineCase{"edtFV5", 158, K::Real},
                      LineCase{"edtOriginalCost", 159, K::Real}, LineCase{"edtDepreciationPeriod", 161, K::Integer},
                      LineCase{"rgDepreciationMethod", 163, K::Integer}, LineCase{"edtRORBV1", 164, K::Real},
                      LineCase{"edtROR5", 183, K::Real}, LineCase{"edtDCFYear1", 184, K::Real},
                      LineCase{"edtDCFYear30", 213, K::Real}, LineCase{"edtDiscountRate1", 214, K::Real},
                      LineCase{"edtNPV1", 219, K::Real}, LineCase{"edtNPV5", 223, K::Real}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentLineTable, EveryNameOnce) {
  std::vector<std::string> names;
  for (const DocumentLine& line : DocumentLines()) names.push_back(line.name);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
}

// ---- writing ----------------------------------------------------------------------------------

TEST(WriteDocument, EmptyScheduleIsExactly223CrLfLines) {
  const std::string bytes = WriteDocument(TCalculatorDocument());
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 223);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 223);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(bytes.find("\n\r"), bytes.find("\n\r\n"));  // never an empty line
  EXPECT_EQ(splitCrLf(bytes).size(), 223u);
}

TEST(WriteDocument, SeventyPaymentsMake293LinesAndTheRowsComeBack) {
  TCalculatorDocument document;
  for (int n = 1; n <= 70; ++n) document.schedule.push_back(sampleRow(n));
  const std::string bytes = WriteDocument(document);
  const std::vector<std::string> lines = splitCrLf(bytes);
  ASSERT_EQ(lines.size(), 293u);
  EXPECT_EQ(lines[223], "1 Jan 2000 $57.53 $729.17 $57.53 $729.17 $0.00 $99,942.47");
  EXPECT_EQ(ReadDocument(bytes).schedule, document.schedule);
}

struct ValueFormCase {
  const char* name;
  const char* field;
  DocumentValue value;
  const char* line;
};
void PrintTo(const ValueFormCase& c, std::ostream* os) { *os << c.name; }

class DocumentValueForms : public ::testing::TestWithParam<ValueFormCase> {};

TEST_P(DocumentValueForms, WrittenAsTheLineAndReadBack) {
  const ValueFormCase& c = GetParam();
  TCalculatorDocument document;
  const int index = *DocumentLineIndex(c.field);
  document.values[static_cast<std::size_t>(index)] = c.value;
  const std::string bytes = WriteDocument(document);
  EXPECT_EQ(splitCrLf(bytes)[static_cast<std::size_t>(index)], c.line);
  EXPECT_EQ(ReadDocument(bytes).values[static_cast<std::size_t>(index)], c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DocumentValueForms,
    ::testing::Values(
        ValueFormCase{"payment_786_70_drops_its_zero", "edtAmortPayment", 786.70, "786.7"},
        ValueFormCase{"whole_amount", "edtMortAmt", 100000.0, "100000"},
        ValueFormCase{"rate", "edtIRate", 8.75, "8.75"},
        ValueFormCase{"zero", "edtLA", 0.0, "0"},
        ValueFormCase{"negative_result", "edtPaymentSaved", -3.68, "-3.68"},
        ValueFormCase{"hundred_thousandth_plain", "edtRORDV1", 0.00001, "0.00001"},
        ValueFormCase{"millionth_in_exponent_form", "edtRORDV2", 0.000001, "1E-6"},
        ValueFormCase{"sixteen_digits_in_exponent_form", "edtDCFYear1", 1e15, "1E15"},
        ValueFormCase{"fifteen_significant_digits", "edtDCFYear2", 123456.789012345, "123456.789012345"},
        ValueFormCase{"integer", "edtNumPmts", std::int32_t{360}, "360"},
        ValueFormCase{"negative_integer", "edtYear", std::int32_t{-1}, "-1"},
        ValueFormCase{"smallest_integer", "edtTerm", std::numeric_limits<std::int32_t>::min(), "-2147483648"},
        ValueFormCase{"month_text", "cbMonth", std::string("Jan"), "Jan"},
        ValueFormCase{"text_kept_with_blanks", "edtFVn1", std::string(" 12 "), " 12 "},
        ValueFormCase{"empty_text", "cbCompounding3", std::string(), ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct UnwritableCase {
  const char* name;
  const char* field;
  DocumentValue value;
};
void PrintTo(const UnwritableCase& c, std::ostream* os) { *os << c.name; }

class UnwritableDocument : public ::testing::TestWithParam<UnwritableCase> {};

TEST_P(UnwritableDocument, IsRefusedWhole) {
  const UnwritableCase& c = GetParam();
  TCalculatorDocument document;
  document.values[static_cast<std::size_t>(*DocumentLineIndex(c.field))] = c.value;
  EXPECT_THROW(WriteDocument(document), EDocumentError);
}

INSTANTIATE_TEST_SUITE_P(
    Values, UnwritableDocument,
    ::testing::Values(UnwritableCase{"not_a_number", "edtFV1", std::numeric_limits<double>::quiet_NaN()},
                      UnwritableCase{"infinite", "edtNPV1", std::numeric_limits<double>::infinity()},
                      UnwritableCase{"text_with_line_feed", "cbMonth", std::string("Ja\nn")},
                      UnwritableCase{"text_with_carriage_return", "cbCompounding1", std::string("Daily\r")},
                      UnwritableCase{"letter_outside_the_code_page", "cbMonth", std::string("\xC5\x8A" "an")},
                      UnwritableCase{"chinese_letter", "edtFVn1", std::string("\xE4\xB8\xAD")},
                      UnwritableCase{"emoji", "cbMonth", std::string("\xF0\x9F\x98\x80")},
                      UnwritableCase{"broken_utf8", "cbMonth", std::string("\xC3")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WriteDocument, ScheduleCellWithALineEndIsRefused) {
  TCalculatorDocument document;
  document.schedule.push_back(sampleRow(1));
  document.schedule[0][7] = "$1.00\r\n";
  EXPECT_THROW(WriteDocument(document), EDocumentError);
}

// ---- reading ----------------------------------------------------------------------------------

std::string documentWithLines(const std::string& end, int scheduleRows, bool lastEnded) {
  std::string bytes;
  for (int i = 1; i <= 223 + scheduleRows; ++i) {
    const bool last = i == 223 + scheduleRows;
    if (i == 79) bytes += "Mar";
    else if (i == 130) bytes += "Daily";
    else if (i == 133) bytes += "12";
    else if (i > 223) bytes += "1 Mar 2001 $1.00 $2.00 $3.00 $4.00 $5.00 $6.00";
    else if (const int choices = DocumentLines()[static_cast<std::size_t>(i - 1)].choices) bytes += std::to_string(i % choices);
    else bytes += std::to_string(i);
    if (!last || lastEnded) bytes += end;
  }
  return bytes;
}

struct LineEndCase {
  const char* name;
  std::string end;
  bool lastEnded;
};
void PrintTo(const LineEndCase& c, std::ostream* os) { *os << c.name; }

class DocumentLineEnds : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(DocumentLineEnds, ReadTheSameDocument) {
  const LineEndCase& c = GetParam();
  const TCalculatorDocument document = ReadDocument(documentWithLines(c.end, 2, c.lastEnded));
  EXPECT_EQ(document.Integer("DefaultValueSet"), 1);
  EXPECT_EQ(document.Real("Loan"), 2);
  EXPECT_EQ(document.Text("cbMonth"), "Mar");
  EXPECT_EQ(document.Text("edtFVn1"), "12");
  EXPECT_EQ(document.Real("edtNPV5"), 223);
  ASSERT_EQ(document.schedule.size(), 2u);
  EXPECT_EQ(document.schedule[1][1], "Mar 2001");
  EXPECT_EQ(document.schedule[1][7], "$6.00");
}

INSTANTIATE_TEST_SUITE_P(
    Ends, DocumentLineEnds,
    ::testing::Values(LineEndCase{"cr_lf", "\r\n", true}, LineEndCase{"lone_lf", "\n", true},
                      LineEndCase{"lone_cr", "\r", true}, LineEndCase{"last_line_unended", "\r\n", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadDocument, MixedLineEndsAndBlanksAroundNumbers) {
  std::vector<std::string> lines = splitCrLf(documentWithLines("\r\n", 0, true));
  lines[0] = " 0 ";
  lines[1] = " 8.75\t";
  std::string bytes;
  for (std::size_t i = 0; i < lines.size(); ++i) bytes += lines[i] + (i % 3 == 0 ? "\r" : i % 3 == 1 ? "\n" : "\r\n");
  const TCalculatorDocument document = ReadDocument(bytes);
  EXPECT_EQ(document.Integer("DefaultValueSet"), 0);
  EXPECT_EQ(document.Real("Loan"), 8.75);
  EXPECT_EQ(document.Text("cbMonth"), "Mar");
  EXPECT_TRUE(document.schedule.empty());
}

TEST(ReadDocument, AnEmptyLineAfterTheValuesIsAnEmptyScheduleRow) {
  const TCalculatorDocument document = ReadDocument(documentWithLines("\r\n", 0, true) + "\r\n");
  ASSERT_EQ(document.schedule.size(), 1u);
  EXPECT_EQ(document.schedule[0][1], " ");
}

struct DamagedCase {
  const char* name;
  int line;  // the line replaced, 0: none
  std::string text;
  int keptLines;
};
void PrintTo(const DamagedCase& c, std::ostream* os) { *os << c.name; }

class DamagedDocument : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedDocument, IsNoDocument) {
  const DamagedCase& c = GetParam();
  std::vector<std::string> lines = splitCrLf(documentWithLines("\r\n", 3, true));
  if (c.line > 0) lines[static_cast<std::size_t>(c.line - 1)] = c.text;
  lines.resize(static_cast<std::size_t>(c.keptLines));
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  EXPECT_THROW(ReadDocument(bytes), EDocumentError);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedDocument,
    ::testing::Values(DamagedCase{"empty_file", 0, "", 0}, DamagedCase{"222_lines", 0, "", 222},
                      DamagedCase{"word_on_line_2", 2, "hundred", 226},
                      DamagedCase{"empty_real", 2, "", 226},
                      DamagedCase{"real_beyond_a_double", 3, "1e999", 226},
                      DamagedCase{"nan_text", 5, "NaN", 226}, DamagedCase{"infinity_text", 6, "inf", 226},
                      DamagedCase{"hexadecimal", 7, "0x10", 226},
                      DamagedCase{"thousands_separator", 75, "100,000", 226},
                      DamagedCase{"integer_beyond_32_bits", 1, "2147483648", 226},
                      DamagedCase{"integer_with_decimals", 77, "360.0", 226},
                      DamagedCase{"integer_line_empty", 80, "", 226},
                      DamagedCase{"no_calculation_chosen", 71, "-1", 226},
                      DamagedCase{"loan_step_past_the_last", 72, "9", 226},
                      DamagedCase{"solve_for_past_the_last", 36, "3", 226},
                      DamagedCase{"depreciation_method_below_the_first", 163, "-2", 226},
                      DamagedCase{"binary_bytes", 10, std::string("\x01\xFF\x00\x7F", 4), 226},
                      DamagedCase{"line_longer_than_any_document_holds", 79, std::string(5000, 'J'), 226},
                      DamagedCase{"schedule_line_too_long", 225, std::string(5000, ' '), 226}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadDocument, MoreScheduleRowsThanAScheduleCanHaveIsNoDocument) {
  std::string bytes = documentWithLines("\n", 0, true);
  EXPECT_NO_THROW(ReadDocument(bytes + std::string(kDocumentMaxScheduleRows, '\n')));
  EXPECT_THROW(ReadDocument(bytes + std::string(kDocumentMaxScheduleRows + 1, '\n')), EDocumentError);
  EXPECT_THROW(ReadDocument(std::string(1'000'000, '\n')), EDocumentError);
}

// ---- schedule lines -------------------------------------------------------------------------

struct CutCase {
  const char* name;
  const char* line;
  ScheduleRow row;
};
void PrintTo(const CutCase& c, std::ostream* os) { *os << c.name; }

class ScheduleLineCut : public ::testing::TestWithParam<CutCase> {};

TEST_P(ScheduleLineCut, GivesTheEightCells) { EXPECT_EQ(CutScheduleLine(GetParam().line), GetParam().row); }

INSTANTIATE_TEST_SUITE_P(
    Lines, ScheduleLineCut,
    ::testing::Values(
        CutCase{"full_row", "1 Jan 2000 $5,057.53 $729.17 $5,057.53 $729.17 $5,000.00 $94,942.47",
                {"1", "Jan 2000", "$5,057.53", "$729.17", "$5,057.53", "$729.17", "$5,000.00", "$94,942.47"}},
        CutCase{"trailing_blanks_leave_the_balance", "2 Feb 2000 $1 $2 $3 $4 $5 $6   ",
                {"2", "Feb 2000", "$1", "$2", "$3", "$4", "$5", "$6"}},
        CutCase{"extra_blanks_stay_in_the_balance", "2 Feb 2000 $1 $2 $3 $4 $5 $6 7",
                {"2", "Feb 2000", "$1", "$2", "$3", "$4", "$5", "$6 7"}},
        CutCase{"fewer_blanks_leave_cells_empty_and_the_rest_in_the_balance", "1 Jan 2000",
                {"1", "Jan ", "", "", "", "", "", "2000"}},
        CutCase{"no_blank_is_all_balance", "$94,942.47", {"", " ", "", "", "", "", "", "$94,942.47"}},
        CutCase{"double_blank_is_an_empty_cell", "1  Jan 2000 $1 $2 $3 $4 $5",
                {"1", " Jan", "2000", "$1", "$2", "$3", "$4", "$5"}},
        CutCase{"empty_line", "", {"", " ", "", "", "", "", "", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- code page ---------------------------------------------------------------------------------

TEST(CodePage1252, EveryByteDecodesAndEncodesBack) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(Encode1252(Decode1252(all)), all);
}

struct CodePageCase {
  const char* name;
  std::string bytes;
  std::string utf8;
};
void PrintTo(const CodePageCase& c, std::ostream* os) { *os << c.name; }

class CodePage1252Letters : public ::testing::TestWithParam<CodePageCase> {};

TEST_P(CodePage1252Letters, DecodeAndEncode) {
  EXPECT_EQ(Decode1252(GetParam().bytes), GetParam().utf8);
  EXPECT_EQ(Encode1252(GetParam().utf8), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, CodePage1252Letters,
    ::testing::Values(CodePageCase{"ascii", "Jan", "Jan"}, CodePageCase{"euro", "\x80" "10", "\xE2\x82\xAC" "10"},
                      CodePageCase{"en_dash", "\x96", "\xE2\x80\x93"},
                      CodePageCase{"e_acute", "F\xE9v", "F\xC3\xA9v"},
                      CodePageCase{"y_diaeresis_0x9F", "\x9F", "\xC5\xB8"},
                      CodePageCase{"undefined_0x81_kept", "\x81", "\xC2\x81"},
                      CodePageCase{"no_break_space", "\xA0", "\xC2\xA0"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- round trip ---------------------------------------------------------------------------------

TEST(CalculatorDocument, EveryValueRoundTrips) {
  TCalculatorDocument document;
  const auto& table = DocumentLines();
  for (std::size_t i = 0; i < table.size(); ++i) {
    const double x = (static_cast<double>(i) * 123457 - 10000000) / 100.0;  // cents, read back exactly
    switch (table[i].kind) {
      case K::Real: document.values[i] = x; break;
      case K::Integer:
        document.values[i] = table[i].choices ? static_cast<std::int32_t>(i) % table[i].choices
                                              : static_cast<std::int32_t>(i) * -9973;
        break;
      case K::Text: document.values[i] = "F\xC3\xA9vrier " + std::to_string(i); break;
    }
  }
  for (int n = 1; n <= 12; ++n) document.schedule.push_back(sampleRow(n));
  EXPECT_EQ(ReadDocument(WriteDocument(document)), document);
}

}  // namespace
}  // namespace zeb
