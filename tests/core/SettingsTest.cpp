// The settings file: names without regard to case, defaults for anything missing or
// malformed, and where the file is looked for.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "document/Settings.h"

namespace zeb {
namespace {

TEST(Settings, NoFileGivesEveryDefault) {
  const TSettings s = ReadSettingsFile(std::nullopt);
  EXPECT_EQ(s.tabulonMode, 0);
  EXPECT_EQ(s.capRateSolveFor, 2);
  EXPECT_EQ(s.defaultValueSet, 1);
  EXPECT_EQ(s.loan, 100000);
  EXPECT_EQ(s.interest, 8.75);
  EXPECT_EQ(s.term, 360);
  EXPECT_EQ(s.payment, 786.7);
  EXPECT_EQ(s.month, 1);
  EXPECT_EQ(s.federal, 22);
  EXPECT_EQ(s.state, 2.5);
  EXPECT_EQ(s.downpayment, 20000);
  EXPECT_EQ(s.defaultCalc, 0);
  EXPECT_EQ(s.loanApplicationFirstName, "");
  EXPECT_EQ(s.hRatio, 28);
  EXPECT_EQ(s.dRatio, 36);
  EXPECT_EQ(s.dcfRate[0], 4);
  EXPECT_EQ(s.dcfRate[4], 8);
  EXPECT_EQ(s.dcfYear[29], 0);
  EXPECT_EQ(s.capRate[4], 0);
}

TEST(Settings, AFullFileIsReadKeyByKey) {
  const TSettings s = ReadSettings(TIniText::Parse(
      "[GeneralValues]\r\nDefaultValueSet=0\r\nLoan=250000.50\r\nInterest=7.125\r\nTerm=180\r\nPayment=2264.9\r\n"
      "Month=6\r\nFederal=28\r\nState=5\r\nDownpayment=50000\r\nDefaultCalc=3\r\n"
      "[LoanApplication]\r\nFirstName=Ann Marie\r\n[Ratios]\r\nHRatio=30\r\nDRatio=40\r\n"
      "[CR]\r\nCapRate3=9.5\r\nValue5=1e6\r\n[DCF]\r\nYear30=1500\r\nRate1=3.5\r\n"));
  EXPECT_EQ(s.defaultValueSet, 0);
  EXPECT_EQ(s.loan, 250000.50);
  EXPECT_EQ(s.interest, 7.125);
  EXPECT_EQ(s.term, 180);
  EXPECT_EQ(s.payment, 2264.9);
  EXPECT_EQ(s.month, 6);
  EXPECT_EQ(s.federal, 28);
  EXPECT_EQ(s.state, 5);
  EXPECT_EQ(s.downpayment, 50000);
  EXPECT_EQ(s.defaultCalc, 3);
  EXPECT_EQ(s.loanApplicationFirstName, "Ann Marie");
  EXPECT_EQ(s.hRatio, 30);
  EXPECT_EQ(s.dRatio, 40);
  EXPECT_EQ(s.capRate[2], 9.5);
  EXPECT_EQ(s.capValue[4], 1e6);
  EXPECT_EQ(s.dcfYear[29], 1500);
  EXPECT_EQ(s.dcfRate[0], 3.5);
  EXPECT_EQ(s.dcfRate[1], 5);
}

// Each row is a whole settings text; what it gives for the first name and the term.
struct TextCase {
  const char* name;
  std::string text;
  std::string firstName;
  int term;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class SettingsText : public ::testing::TestWithParam<TextCase> {};

TEST_P(SettingsText, GivesTheValueOrTheDefault) {
  const TSettings s = ReadSettings(TIniText::Parse(GetParam().text));
  EXPECT_EQ(s.loanApplicationFirstName, GetParam().firstName);
  EXPECT_EQ(s.term, GetParam().term);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SettingsText,
    ::testing::Values(
        TextCase{"names_in_any_case", "[loanapplication]\nfirstname=Ann\n[GENERALVALUES]\nTERM=240\n", "Ann", 240},
        TextCase{"blanks_around_names_and_values", "  [ LoanApplication ]\n  FirstName =  Ann Lee  \n", "Ann Lee",
                 360},
        TextCase{"quoted_value", "[LoanApplication]\nFirstName=\" Ann \"\n", " Ann ", 360},
        TextCase{"empty_value", "[LoanApplication]\nFirstName=\n[GeneralValues]\nTerm=\n", "", 360},
        TextCase{"value_with_equals_sign", "[LoanApplication]\nFirstName=a=b\n", "a=b", 360},
        TextCase{"key_outside_any_section", "FirstName=Ann\nTerm=12\n", "", 360},
        TextCase{"key_without_equals_sign", "[GeneralValues]\nTerm 240\n[LoanApplication]\nFirstName\n", "", 360},
        TextCase{"first_of_a_repeated_key", "[GeneralValues]\nTerm=240\nTerm=120\n", "", 240},
        TextCase{"first_of_a_repeated_section", "[GeneralValues]\nTerm=240\n[generalvalues]\nTerm=120\n", "", 240},
        TextCase{"key_in_the_wrong_section", "[LoanApplication]\nTerm=240\n[GeneralValues]\nFirstName=Ann\n", "",
                 360},
        TextCase{"comment_lines", "; Term=1\n[GeneralValues]\n;Term=2\nTerm=3\n", "", 3},
        TextCase{"byte_order_mark", "\xEF\xBB\xBF[GeneralValues]\nTerm=24\n", "", 24},
        TextCase{"lone_cr_line_ends", "[GeneralValues]\rTerm=24\r", "", 24},
        TextCase{"unclosed_section_header", "[GeneralValues\nTerm=24\n", "", 360},
        TextCase{"integer_as_text", "[GeneralValues]\nTerm=thirty years\n", "", 360},
        TextCase{"integer_with_decimals", "[GeneralValues]\nTerm=360.5\n", "", 360},
        TextCase{"integer_beyond_32_bits", "[GeneralValues]\nTerm=4294967656\n", "", 360},
        TextCase{"negative_integer", "[GeneralValues]\nTerm=-12\n", "", -12},
        TextCase{"binary_noise", std::string("\x00\xFF[\x01]\n=\n[GeneralValues]\x00\nTerm=\x7F\n", 32), "", 360}),
    [](const auto& info) { return std::string(info.param.name); });

struct RealCase {
  const char* name;
  const char* value;
  double expected;
};

class SettingsReal : public ::testing::TestWithParam<RealCase> {};

TEST_P(SettingsReal, ConvertsOrFallsBackToTheDefault) {
  const auto ini = TIniText::Parse(std::string("[GeneralValues]\nLoan=") + GetParam().value + "\n");
  EXPECT_EQ(ReadSettings(ini).loan, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsReal,
                         ::testing::Values(RealCase{"decimal", "123456.78", 123456.78},
                                           RealCase{"exponent", "1.5E5", 150000},
                                           RealCase{"beyond_a_double", "1e999", 100000},
                                           RealCase{"not_a_number", "nan", 100000},
                                           RealCase{"infinity", "inf", 100000},
                                           RealCase{"thousands_separators", "250,000", 100000},
                                           RealCase{"currency_sign", "$250000", 100000}),
                         [](const auto& info) { return std::string(info.param.name); });

// Where the file is looked for, in a temporary program folder and configuration folder.
class SettingsFiles : public ::testing::Test {
protected:
  void SetUp() override {
    root = std::filesystem::temp_directory_path() /
           ("zeb-settings-" + std::to_string(std::random_device{}()));
    program = root / "bin";
    config = root / "config";
    std::filesystem::create_directories(program);
    std::filesystem::create_directories(config);
  }
  void TearDown() override { std::filesystem::remove_all(root); }
  void write(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
  }
  std::string firstName() { return ReadSettingsFile(FindSettingsFile(program, config)).loanApplicationFirstName; }

  std::filesystem::path root;
  std::filesystem::path program;
  std::filesystem::path config;
};

TEST_F(SettingsFiles, ProgramFolderFirstThenTheUsersConfiguration) {
  EXPECT_EQ(FindSettingsFile(program, config), std::nullopt);
  EXPECT_EQ(firstName(), "");
  write(config / "ZEBcalc.Ini", "[LoanApplication]\nFirstName=Config\n");
  EXPECT_EQ(firstName(), "Config");
  write(program / "zebcalc.ini", "[LoanApplication]\nFirstName=Program\n");  // any case of the name
  EXPECT_EQ(firstName(), "Program");
  EXPECT_EQ(FindSettingsFile(program, ""), program / "zebcalc.ini");
}

TEST_F(SettingsFiles, AnUnusableFileGivesTheDefaults) {
  std::filesystem::create_directory(program / "ZEBcalc.Ini");  // a folder of that name
  EXPECT_EQ(ReadSettingsFile(program / "ZEBcalc.Ini").term, 360);
  EXPECT_EQ(ReadSettingsFile(root / "missing.ini").term, 360);

  // A huge file: only its first megabyte is read, so a key beyond it is not seen.
  std::string huge = "[GeneralValues]\nTerm=240\n";
  huge += std::string(kMaxSettingsBytes, 'x') + "\n[LoanApplication]\nFirstName=Late\n";
  write(config / "big.ini", huge);
  const TSettings s = ReadSettingsFile(config / "big.ini");
  EXPECT_EQ(s.term, 240);
  EXPECT_EQ(s.loanApplicationFirstName, "");

  // A line the limit cuts in two is not read as its first half.
  std::string cut = "[GeneralValues]\n";
  cut += std::string(kMaxSettingsBytes - cut.size() - 7, ';') + "\nTerm=240\n";
  write(config / "cut.ini", cut);
  EXPECT_EQ(ReadSettingsFile(config / "cut.ini").term, 360);
}

}  // namespace
}  // namespace zeb
