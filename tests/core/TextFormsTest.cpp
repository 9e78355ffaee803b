// The number text forms (grid, report, document and entry-field forms) and the parsers
// that read amounts, numbers and month texts back.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

#include "finance/Errors.h"
#include "finance/FpuScope.h"
#include "finance/TextForms.h"

namespace zeb {
namespace {

template <typename Case>
std::string RowName(const testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

// ---- FloatToText ---------------------------------------------------------------------

struct StyleCase {
  std::string name;
  double value;
  FloatStyle style;
  int precision;
  int decimals;
  std::string expected;
};
void PrintTo(const StyleCase& c, std::ostream* os) { *os << c.name; }

class FloatToTextForms : public testing::TestWithParam<StyleCase> {};

TEST_P(FloatToTextForms, ShowTheValue) {
  const StyleCase& c = GetParam();
  EXPECT_EQ(FloatToText(c.value, c.style, c.precision, c.decimals), c.expected);
}

constexpr auto kCurrency = FloatStyle::Currency;
constexpr auto kNumber = FloatStyle::Number;
constexpr auto kFixed = FloatStyle::Fixed;
constexpr auto kGeneral = FloatStyle::General;

INSTANTIATE_TEST_SUITE_P(
    Currency, FloatToTextForms,
    testing::Values(StyleCase{"Ten_significant_digits", 123456789.123, kCurrency, 10, 2, "$123,456,789.10"},
                    StyleCase{"Thousands", 1234.56, kCurrency, 15, 2, "$1,234.56"},
                    StyleCase{"Negative_in_parentheses", -1234.56, kCurrency, 15, 2, "($1,234.56)"},
                    StyleCase{"Below_a_thousand", 729.1666, kCurrency, 15, 2, "$729.17"},
                    StyleCase{"Zero", 0, kCurrency, 15, 2, "$0.00"},
                    StyleCase{"Negative_zero_has_no_sign", -0.0, kCurrency, 15, 2, "$0.00"},
                    StyleCase{"Rounding_to_zero_has_no_sign", -0.004, kCurrency, 15, 2, "$0.00"},
                    StyleCase{"Negative_cent", -0.005, kCurrency, 15, 2, "($0.01)"},
                    StyleCase{"Millions", 94942.47 * 100, kCurrency, 15, 2, "$9,494,247.00"},
                    StyleCase{"Payment_heading", 786.7004, kCurrency, 5, 2, "$786.70"},
                    StyleCase{"Heading_keeps_five_digits", 1234.567, kCurrency, 5, 2, "$1,234.60"},
                    StyleCase{"Loan_amount_no_decimals", 100000, kCurrency, 10, 0, "$100,000"},
                    StyleCase{"Loan_amount_half_rounds_up", 1234.5, kCurrency, 10, 0, "$1,235"},
                    StyleCase{"Too_many_digits_is_scientific", 1e20, kCurrency, 15, 2, "1E20"},
                    StyleCase{"Negative_scientific", -1.23456789e20, kCurrency, 15, 2, "-1.23456789E20"},
                    StyleCase{"Rounding_carry_to_scientific", 99999.7, kCurrency, 5, 2, "1E5"},
                    StyleCase{"Fifteen_digits_still_fixed", 123456789012345.0, kCurrency, 15, 0,
                              "$123,456,789,012,345"}),
    RowName<StyleCase>);

INSTANTIATE_TEST_SUITE_P(
    NumberAndFixed, FloatToTextForms,
    testing::Values(StyleCase{"Number_rate_on_report", 8.75, kNumber, 10, 3, "8.750"},
                    StyleCase{"Number_thousands", 1234567.891, kNumber, 10, 3, "1,234,567.891"},
                    StyleCase{"Number_negative", -1234.5678, kNumber, 10, 3, "-1,234.568"},
                    StyleCase{"Number_rounding_to_zero", -0.0004, kNumber, 10, 3, "0.000"},
                    StyleCase{"Fixed_solved_rate", 8.75022, kFixed, 5, 3, "8.750"},
                    StyleCase{"Fixed_solved_term", 360.0009, kFixed, 5, 2, "360.00"},
                    StyleCase{"Fixed_term_padded", 359.9, kFixed, 5, 2, "359.90"},
                    StyleCase{"Fixed_no_separators", -1234.56, kFixed, 15, 2, "-1234.56"},
                    StyleCase{"Fixed_precision_before_decimals", 12.3456, kFixed, 3, 3, "12.300"},
                    StyleCase{"Fixed_too_many_digits", 123456.0, kFixed, 5, 2, "1.2346E5"},
                    StyleCase{"Fixed_twenty_digits_of_2_pow_70", std::ldexp(1.0, 70), kFixed, 20, 0,
                              "1.1805916207174113034E21"}),
    RowName<StyleCase>);

// Rounding is half away from zero on the exact decimal expansion of the double: only
// true ties round away; values whose expansion lies just below a tie round down.
INSTANTIATE_TEST_SUITE_P(
    ExactRounding, FloatToTextForms,
    testing::Values(StyleCase{"Exact_tie_0_125_up", 0.125, kFixed, 15, 2, "0.13"},
                    StyleCase{"Exact_tie_negative_away", -0.125, kFixed, 15, 2, "-0.13"},
                    StyleCase{"Exact_tie_1_125_up_not_to_even", 1.125, kFixed, 15, 2, "1.13"},
                    StyleCase{"Exact_tie_2_5_up_not_to_even", 2.5, kFixed, 15, 0, "3"},
                    StyleCase{"Half_is_up", 0.5, kFixed, 15, 0, "1"},
                    StyleCase{"2_675_is_2_67499_below", 2.675, kFixed, 15, 2, "2.67"},
                    StyleCase{"1_005_is_1_00499_below", 1.005, kFixed, 15, 2, "1.00"},
                    StyleCase{"0_285_is_0_28499_below", 0.285, kFixed, 15, 2, "0.28"},
                    StyleCase{"1_135_is_1_13500_above", 1.135, kFixed, 15, 2, "1.14"},
                    StyleCase{"Carry_through_nines", 99.995, kFixed, 15, 2, "100.00"},
                    StyleCase{"Carry_into_new_digit", 9.9999, kCurrency, 15, 2, "$10.00"},
                    StyleCase{"Tie_in_the_nineteenth_decimal", std::ldexp(1.0, -20), kFixed, 20, 19,
                              "0.0000009536743164063"}),
    RowName<StyleCase>);

INSTANTIATE_TEST_SUITE_P(
    General, FloatToTextForms,
    testing::Values(StyleCase{"Rate_heading", 8.75, kGeneral, 5, 3, "8.75"},
                    StyleCase{"Rate_heading_five_digits", 8.123456, kGeneral, 5, 3, "8.1235"},
                    StyleCase{"Rate_heading_whole", 9.0, kGeneral, 5, 3, "9"},
                    StyleCase{"Rate_heading_carry", 9.99999, kGeneral, 5, 3, "10"},
                    StyleCase{"Five_digits_then_scientific", 123456.0, kGeneral, 5, 3, "1.2346E5"}),
    RowName<StyleCase>);

// The document file's form: general with 15 significant digits.
struct GeneralCase {
  std::string name;
  double value;
  std::string expected;
};
void PrintTo(const GeneralCase& c, std::ostream* os) { *os << c.name; }

class FloatToStrGeneralForms : public testing::TestWithParam<GeneralCase> {};

TEST_P(FloatToStrGeneralForms, ShowTheShortestForm) {
  EXPECT_EQ(FloatToStrGeneral(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Document, FloatToStrGeneralForms,
    testing::Values(GeneralCase{"Whole_amount", 100000, "100000"}, GeneralCase{"Rate", 8.75, "8.75"},
                    GeneralCase{"Payment_drops_trailing_zero", 786.70, "786.7"},
                    GeneralCase{"Tenth", 0.1, "0.1"}, GeneralCase{"Sum_noise_rounded_away", 0.1 + 0.2, "0.3"},
                    GeneralCase{"Third", 1.0 / 3.0, "0.333333333333333"},
                    GeneralCase{"Two_thirds_rounds_up", 2.0 / 3.0, "0.666666666666667"},
                    GeneralCase{"Zero", 0, "0"}, GeneralCase{"Negative_zero", -0.0, "0"},
                    GeneralCase{"Negative", -786.7, "-786.7"}, GeneralCase{"Term", 360.0009, "360.0009"},
                    GeneralCase{"Below_a_tie", 2.675, "2.675"},
                    GeneralCase{"Fifteen_integer_digits", 123456789012345.0, "123456789012345"},
                    GeneralCase{"Sixteen_integer_digits", 1e15, "1E15"},
                    GeneralCase{"Carry_to_sixteen_digits", 999999999999999.9, "1E15"},
                    GeneralCase{"Scientific_large", 1e20, "1E20"},
                    GeneralCase{"Scientific_with_mantissa", 123456789012345678.0, "1.23456789012346E17"},
                    GeneralCase{"Scientific_negative", -1e20, "-1E20"},
                    GeneralCase{"Ten_thousandth_plain", 0.0001, "0.0001"},
                    GeneralCase{"Hundred_thousandth_plain", 0.00001, "0.00001"},
                    GeneralCase{"Hundred_thousandth_with_digits", 0.0000123, "0.0000123"},
                    GeneralCase{"Millionth_scientific", 0.000001, "1E-6"},
                    GeneralCase{"Just_below_a_hundred_thousandth", 0.0000099, "9.9E-6"},
                    GeneralCase{"Small_with_mantissa", -2.5e-7, "-2.5E-7"},
                    GeneralCase{"Largest_double", std::numeric_limits<double>::max(), "1.79769313486232E308"},
                    GeneralCase{"Smallest_subnormal", std::numeric_limits<double>::denorm_min(),
                                "4.94065645841247E-324"}),
    RowName<GeneralCase>);

TEST(FloatToText, DocumentValuesReadBackAsShown) {
  EXPECT_EQ(StrToFloat(FloatToStrGeneral(786.70)), 786.70);
  EXPECT_EQ(StrToFloat(FloatToStrGeneral(1e20)), 1e20);
  EXPECT_EQ(StrToFloat(FloatToStrGeneral(0.00001)), 0.00001);
  EXPECT_EQ(StrToInt(FloatToStrGeneral(360)), 360);
}

TEST(FloatToText, NoNumberIsNeverShownAsText) {
  const double noNumbers[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity()};
  for (const double value : noNumbers) {
    for (const FloatStyle style : {kCurrency, kNumber, kFixed, kGeneral})
      EXPECT_THROW(FloatToText(value, style, 15, 2), EMathError) << value;
    EXPECT_THROW(FloatToStrGeneral(value), EMathError) << value;
    EXPECT_THROW(FormatMoneyPicture(value, 2), EMathError) << value;
  }
}

// ---- FormatMoneyPicture --------------------------------------------------------------

struct PictureCase {
  std::string name;
  long double value;
  int decimals;
  std::string expected;
};
void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.name; }

class MoneyPictureForms : public testing::TestWithParam<PictureCase> {};

TEST_P(MoneyPictureForms, ShowTheValue) {
  EXPECT_EQ(FormatMoneyPicture(GetParam().value, GetParam().decimals), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Picture, MoneyPictureForms,
    testing::Values(PictureCase{"Two_decimals_round", 123456.789L, 2, "123,456.79"},
                    PictureCase{"Rate_five_decimals", 8.75L, 5, "8.75000"},
                    PictureCase{"Zero", 0.0L, 2, "0.00"}, PictureCase{"Padded", 1234.5L, 2, "1,234.50"},
                    PictureCase{"Below_one", 0.5L, 2, "0.50"},
                    PictureCase{"Negative_leading_minus", -1234.5L, 2, "-1,234.50"},
                    PictureCase{"Rounding_to_zero_has_no_sign", -0.004L, 2, "0.00"},
                    PictureCase{"Negative_zero_has_no_sign", -0.0L, 2, "0.00"},
                    PictureCase{"No_decimals_no_point", 1234567.4L, 0, "1,234,567"},
                    PictureCase{"Exact_tie_up", 0.125L, 2, "0.13"},
                    PictureCase{"Exact_tie_negative_away", -0.125L, 2, "-0.13"},
                    PictureCase{"Double_2_675_is_below", static_cast<long double>(2.675), 2, "2.67"},
                    PictureCase{"Extended_0_005_is_below", 0.005L, 2, "0.00"},
                    PictureCase{"Carry_to_new_group", 999999.995L, 2, "1,000,000.00"},
                    PictureCase{"Every_integer_digit", 1e15L, 2, "1,000,000,000,000,000.00"},
                    PictureCase{"Beyond_double_digits", static_cast<long double>(std::ldexp(1.0, 70)), 0,
                                "1,180,591,620,717,411,303,424"},
                    PictureCase{"More_digits_than_probed", std::ldexp(1.0L, 100), 0,
                                "1,267,650,600,228,229,401,496,703,205,376"},
                    // 2^40 + 2^-20 needs 61 bits: an extended value with a tie far down.
                    PictureCase{"Extended_tie_in_the_nineteenth_decimal", std::ldexp(1.0L, 40) + std::ldexp(1.0L, -20),
                                19, "1,099,511,627,776.0000009536743164063"},
                    PictureCase{"Extended_exact_at_twenty_decimals", std::ldexp(1.0L, 40) + std::ldexp(1.0L, -20), 20,
                                "1,099,511,627,776.00000095367431640625"}),
    RowName<PictureCase>);

// ---- StrToFloat / StrToExtended ------------------------------------------------------

struct FloatTextCase {
  std::string name;
  std::string text;
  double expected;
};
void PrintTo(const FloatTextCase& c, std::ostream* os) { *os << c.name; }

class StrToFloatAccepts : public testing::TestWithParam<FloatTextCase> {};

TEST_P(StrToFloatAccepts, ThePlainDecimalForm) { EXPECT_EQ(StrToFloat(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Numbers, StrToFloatAccepts,
    testing::Values(FloatTextCase{"Zero", "0", 0}, FloatTextCase{"Blanks_around", "  8.75  ", 8.75},
                    FloatTextCase{"Tabs_around", "\t360\t", 360}, FloatTextCase{"Negative", "-786.7", -786.7},
                    FloatTextCase{"Leading_plus", "+1", 1}, FloatTextCase{"No_integer_digits", ".5", 0.5},
                    FloatTextCase{"No_fraction_digits", "5.", 5}, FloatTextCase{"Exponent", "1E20", 1e20},
                    FloatTextCase{"Small_exponent", "1e-5", 1e-5}, FloatTextCase{"Signed_exponent", "2.5E+3", 2500},
                    FloatTextCase{"Leading_zeros", "007.50", 7.5},
                    FloatTextCase{"Underflow_is_zero", "1e-999", 0},
                    FloatTextCase{"Huge_negative_exponent_is_zero", "1e-99999999999999999999", 0},
                    FloatTextCase{"Largest_double", "1.7976931348623157e308", std::numeric_limits<double>::max()}),
    RowName<FloatTextCase>);

TEST(StrToExtended, KeepsExtendedPrecisionAndRange) {
  EXPECT_EQ(StrToExtended(" 0.1 "), 0.1L);
  EXPECT_NE(StrToExtended("0.1"), static_cast<long double>(0.1));
  EXPECT_EQ(StrToExtended("-1e999"), -1e999L);
  EXPECT_EQ(StrToExtended("1e-5000"), 0.0L);
  EXPECT_THROW(StrToExtended("1e5000"), EConvertError);
  EXPECT_THROW(StrToExtended("1,5"), EConvertError);
}

struct BadTextCase {
  std::string name;
  std::string text;
};
void PrintTo(const BadTextCase& c, std::ostream* os) { *os << c.name; }

class StrToFloatRejects : public testing::TestWithParam<BadTextCase> {};

TEST_P(StrToFloatRejects, WithTheConversionMessage) {
  const std::string& text = GetParam().text;
  const std::string message = "'" + text + "' is not a valid floating point value";
  try {
    StrToFloat(text);
    ADD_FAILURE() << "accepted '" << text << "'";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.what(), message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    NotNumbers, StrToFloatRejects,
    testing::Values(BadTextCase{"Empty", ""}, BadTextCase{"Blank", "   "}, BadTextCase{"Word", "abc"},
                    BadTextCase{"Thousands_separator", "1,234"}, BadTextCase{"Two_points", "1.2.3"},
                    BadTextCase{"Inner_minus", "12-34"}, BadTextCase{"Currency_symbol", "$1"},
                    BadTextCase{"Exponent_without_digits", "1e"}, BadTextCase{"Exponent_sign_only", "1.5e+"},
                    BadTextCase{"Exponent_alone", "e5"}, BadTextCase{"Point_alone", "."},
                    BadTextCase{"Sign_alone", "+"}, BadTextCase{"Two_signs", "--5"},
                    BadTextCase{"Inner_blank", "1 2"}, BadTextCase{"Not_a_number", "nan"},
                    BadTextCase{"Infinity", "inf"}, BadTextCase{"Hexadecimal", "0x10"},
                    BadTextCase{"Trailing_percent", "8.75%"}, BadTextCase{"Parentheses", "(5)"},
                    BadTextCase{"Overflow", "1e999"}, BadTextCase{"Negative_overflow", "-1e999"},
                    BadTextCase{"Many_digits_overflow", std::string(400, '9')}),
    RowName<BadTextCase>);

TEST(StrToFloat, LeavesNoFloatingPointFlagBehind) {
  FpuClear();
  EXPECT_THROW(StrToFloat("1e999"), EConvertError);
  EXPECT_THROW(StrToExtended("1e99999"), EConvertError);
  EXPECT_EQ(StrToFloat("1e-999"), 0);
  EXPECT_FALSE(FpuErrorPending()) << "an enclosing calculation would report a math error";
}

// ---- StrToInt ------------------------------------------------------------------------

struct IntTextCase {
  std::string name;
  std::string text;
  std::int32_t expected;
};
void PrintTo(const IntTextCase& c, std::ostream* os) { *os << c.name; }

class StrToIntAccepts : public testing::TestWithParam<IntTextCase> {};

TEST_P(StrToIntAccepts, WholeNumbersOf32Bits) { EXPECT_EQ(StrToInt(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Integers, StrToIntAccepts,
    testing::Values(IntTextCase{"Zero", "0", 0}, IntTextCase{"Term", "360", 360},
                    IntTextCase{"Blanks_and_minus", " -12 ", -12}, IntTextCase{"Leading_plus", "+7", 7},
                    IntTextCase{"Leading_zeros", "007", 7}, IntTextCase{"Largest", "2147483647", 2147483647},
                    IntTextCase{"Smallest", "-2147483648", std::numeric_limits<std::int32_t>::min()}),
    RowName<IntTextCase>);

class StrToIntRejects : public testing::TestWithParam<BadTextCase> {};

TEST_P(StrToIntRejects, WithTheIntegerMessage) {
  const std::string& text = GetParam().text;
  try {
    StrToInt(text);
    ADD_FAILURE() << "accepted '" << text << "'";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.what(), "'" + text + "' is not a valid integer value");
  }
}

INSTANTIATE_TEST_SUITE_P(
    NotIntegers, StrToIntRejects,
    testing::Values(BadTextCase{"Empty", ""}, BadTextCase{"Blank", " "}, BadTextCase{"Sign_alone", "-"},
                    BadTextCase{"Word", "abc"}, BadTextCase{"Trailing_letter", "12a"},
                    BadTextCase{"Fraction", "360.00"}, BadTextCase{"Exponent", "1e3"},
                    BadTextCase{"Hexadecimal", "0x10"}, BadTextCase{"Thousands", "1,000"},
                    BadTextCase{"One_above_largest", "2147483648"},
                    BadTextCase{"One_below_smallest", "-2147483649"},
                    BadTextCase{"Would_wrap_to_small", "4294967297"},
                    BadTextCase{"Many_digits", "99999999999999999999999"}),
    RowName<BadTextCase>);

// ---- TextToCurrency ------------------------------------------------------------------

struct CurrencyCase {
  std::string name;
  std::string text;
  std::int64_t tenThousandths;
};
void PrintTo(const CurrencyCase& c, std::ostream* os) { *os << c.name; }

class TextToCurrencyReads : public testing::TestWithParam<CurrencyCase> {};

TEST_P(TextToCurrencyReads, TheFirstAmount) {
  EXPECT_EQ(TextToCurrency(GetParam().text).tenThousandths, GetParam().tenThousandths);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, TextToCurrencyReads,
    testing::Values(CurrencyCase{"Blanks_amount_blank_word", "  1,234.56 extra", 12345600},
                    CurrencyCase{"Second_decimal_separator_ends_run", "1.234.56", 12340},
                    CurrencyCase{"Thousands_after_decimal_ends_run", "1.5,000", 15000},
                    CurrencyCase{"Plain", "786.70", 7867000},
                    CurrencyCase{"Text_before", "Prepaid: 5,000.00 on May 2004", 50000000},
                    CurrencyCase{"Negative", "-250", -2500000}, CurrencyCase{"Leading_plus", "+5", 50000},
                    CurrencyCase{"Leading_thousands_separator", ",5", 50000},
                    CurrencyCase{"Four_decimals_exact", "0.1234", 1234},
                    CurrencyCase{"Half_ten_thousandth_rounds_away", "0.00005", 1},
                    CurrencyCase{"Below_half_rounds_down", "0.0000499999", 0},
                    CurrencyCase{"Negative_half_rounds_away", "-0.00005", -1},
                    CurrencyCase{"Carry_through_nines", "9.99995", 100000},
                    CurrencyCase{"Far_below_a_ten_thousandth", "0.000000000000000000000001", 0},
                    CurrencyCase{"Many_leading_zeros", "000000000000000000000000001", 10000},
                    CurrencyCase{"Zero", "0.00", 0},
                    CurrencyCase{"Largest", "922337203685477.5807", std::numeric_limits<std::int64_t>::max()},
                    CurrencyCase{"Smallest", "-922337203685477.5808", std::numeric_limits<std::int64_t>::min()}),
    RowName<CurrencyCase>);

TEST(TextToCurrency, ValueAsDouble) { EXPECT_EQ(TextToCurrency("  1,234.56 extra").ToDouble(), 1234.56); }

class TextToCurrencyNoAmount : public testing::TestWithParam<BadTextCase> {};

TEST_P(TextToCurrencyNoAmount, NamesTheWholeText) {
  const std::string& text = GetParam().text;
  try {
    TextToCurrency(text);
    ADD_FAILURE() << "accepted '" << text << "'";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.what(), text + " is not a valid currency value!");
  }
}

INSTANTIATE_TEST_SUITE_P(
    NoAmount, TextToCurrencyNoAmount,
    testing::Values(BadTextCase{"Word", "abc"}, BadTextCase{"Empty", ""}, BadTextCase{"Blanks", "   "},
                    BadTextCase{"One_above_largest", "922337203685477.5808"},
                    BadTextCase{"One_below_smallest", "-922337203685477.5809"},
                    BadTextCase{"Rounds_beyond_largest", "922337203685477.58075"},
                    BadTextCase{"Twenty_digits", "99999999999999999999"},
                    BadTextCase{"Would_wrap", "1844674407370955.1617"}),
    RowName<BadTextCase>);

struct RunCase {
  std::string name;
  std::string text;
  std::string run;  // the run with its thousands separators removed
};
void PrintTo(const RunCase& c, std::ostream* os) { *os << c.name; }

class TextToCurrencyBadRun : public testing::TestWithParam<RunCase> {};

TEST_P(TextToCurrencyBadRun, FailsInTheConversion) {
  try {
    TextToCurrency(GetParam().text);
    ADD_FAILURE() << "accepted '" << GetParam().text << "'";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.what(), "'" + GetParam().run + "' is not a valid floating point value");
  }
}

INSTANTIATE_TEST_SUITE_P(
    BadRun, TextToCurrencyBadRun,
    testing::Values(RunCase{"Currency_symbol_in_run", "$1,234.56", "$1234.56"},
                    RunCase{"Inner_minus", "12-34", "12-34"}, RunCase{"Trailing_symbol", "1.00$ due", "1.00$"},
                    RunCase{"Two_signs", "--5", "--5"}, RunCase{"Sign_alone", "- 5", "-"},
                    RunCase{"First_point_does_not_count", ".5.6", ".5.6"}),
    RowName<RunCase>);

// ---- ChangeCurrencyStringToFloat -----------------------------------------------------

class ChangeCurrencyStringReads : public testing::TestWithParam<FloatTextCase> {};

TEST_P(ChangeCurrencyStringReads, TheGridAmount) {
  EXPECT_EQ(ChangeCurrencyStringToFloat(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    GridCells, ChangeCurrencyStringReads,
    testing::Values(FloatTextCase{"Hundred_thousand", "$100,000.00", 100000}, FloatTextCase{"Zero", "$0.00", 0},
                    FloatTextCase{"Cents", "$1,234.56", 1234.56},
                    FloatTextCase{"Ten_digits", "$123,456,789.10", 123456789.1},
                    FloatTextCase{"At_most_twenty_characters", "$1234567890123456789012345",
                                  12345678901234567890.0}),
    RowName<FloatTextCase>);

class ChangeCurrencyStringRejects : public testing::TestWithParam<BadTextCase> {};

TEST_P(ChangeCurrencyStringRejects, WithAConversionError) {
  EXPECT_THROW(ChangeCurrencyStringToFloat(GetParam().text), EConvertError);
}

INSTANTIATE_TEST_SUITE_P(
    NotGridAmounts, ChangeCurrencyStringRejects,
    testing::Values(BadTextCase{"Negative_in_parentheses", "($1,234.56)"},
                    BadTextCase{"Two_character_symbol", "US$5.00"}, BadTextCase{"Empty", ""},
                    BadTextCase{"Symbol_alone", "$"}),
    RowName<BadTextCase>);

// ---- ParseYear / ParseMonth ----------------------------------------------------------

struct MonthCase {
  std::string name;
  std::string text;
  std::string year;
  std::string month;
};
void PrintTo(const MonthCase& c, std::ostream* os) { *os << c.name; }

class MonthTextCut : public testing::TestWithParam<MonthCase> {};

TEST_P(MonthTextCut, AtFixedPositions) {
  EXPECT_EQ(ParseYear(GetParam().text), GetParam().year);
  EXPECT_EQ(ParseMonth(GetParam().text), GetParam().month);
}

INSTANTIATE_TEST_SUITE_P(
    Months, MonthTextCut,
    testing::Values(MonthCase{"Dec_2005", "Dec 2005", "2005", "Dec"}, MonthCase{"May_2004", "May 2004", "2004", "May"},
                    MonthCase{"Five_digit_year_keeps_its_last_digit", "May 20045", "20045", "May5"},
                    MonthCase{"Month_and_blank", "May ", "", "May"}, MonthCase{"Month_only", "May", "", "May"},
                    MonthCase{"Shorter", "Ma", "", "Ma"}, MonthCase{"Empty", "", "", ""}),
    RowName<MonthCase>);

}  // namespace
}  // namespace zeb
