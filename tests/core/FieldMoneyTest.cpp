// The money entry field's rules without a display: properties, reading and writing,
// and every key rule as a table of key sequences.
#include <gtest/gtest.h>

#include <cmath>

#include "FieldTestNotation.h"
#include "widgets/model/MoneyField.h"

namespace zeb {
namespace {

using testing::KeyOf;
using testing::Mark;
using testing::Marked;

MoneyRules Rules(int decimals, int maxLength = 16) {
  MoneyRules r;
  SetMoneyMaxLength(r, maxLength);
  EXPECT_TRUE(decimals == 2 || SetMoneyDecimals(r, decimals));
  return r;
}

std::string Type(const std::string& start, const std::string& keys, const MoneyRules& r) {
  FieldEdit e = Marked(start);
  for (char c : keys) e = MoneyKey(e, KeyOf(c), r).edit;
  return Mark(e);
}

// ---- properties --------------------------------------------------------------------

struct LengthCase {
  const char* name;
  int decimals;
  int length;
  bool accepted;
  int effective;
};

class MoneyMaxLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(MoneyMaxLength, AcceptanceAndLowering) {
  const auto& c = GetParam();
  MoneyRules r = Rules(c.decimals);
  EXPECT_EQ(SetMoneyMaxLength(r, c.length), c.accepted);
  EXPECT_EQ(r.maxLength, c.effective);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MoneyMaxLength,
    ::testing::Values(LengthCase{"Default16With2", 2, 16, true, 16},
                      LengthCase{"Lowered15With2", 2, 15, true, 14},
                      LengthCase{"Lowered11With2", 2, 11, true, 10},
                      LengthCase{"Kept16With5", 5, 16, true, 16},
                      LengthCase{"Lowered14With5", 5, 14, true, 13},
                      LengthCase{"NineteenLowered", 2, 19, true, 18},
                      LengthCase{"TwentyRefused", 2, 20, false, 16},
                      LengthCase{"DecimalsPlusOneRefused", 2, 3, false, 16},
                      LengthCase{"DecimalsPlusTwoTaken", 2, 4, true, 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MoneyDecimals, AcceptedOnlyAboveZeroAndBelowMaxLengthLessOne) {
  MoneyRules r;
  EXPECT_FALSE(SetMoneyDecimals(r, 0));
  EXPECT_FALSE(SetMoneyDecimals(r, 15));
  EXPECT_EQ(r.decimals, 2);
  EXPECT_TRUE(SetMoneyDecimals(r, 14));
  EXPECT_EQ(r.decimals, 14);
}

TEST(MoneyDecimals, ReappliesTheRequestedMaxLength) {
  MoneyRules r;  // 16
  ASSERT_TRUE(SetMoneyDecimals(r, 3));
  EXPECT_EQ(r.maxLength, 15);  // 16 - 3 - 1 = 12
  ASSERT_TRUE(SetMoneyDecimals(r, 2));
  EXPECT_EQ(r.maxLength, 16);  // the requested 16 again, not 15 lowered once more
}

// ---- reading and writing -------------------------------------------------------------

struct TextCase {
  const char* name;
  long double value;
  int decimals;
  const char* text;
};

class MoneyWrite : public ::testing::TestWithParam<TextCase> {};

TEST_P(MoneyWrite, ShowsTheDisplayMaskAndReadsBack) {
  const auto& c = GetParam();
  const MoneyRules r = Rules(c.decimals);
  const std::string t = MoneyText(c.value, r);
  EXPECT_EQ(t, c.text);
  if (!IsOverflowText(t)) {
    EXPECT_TRUE(IsMoneyText(t, c.decimals));
    EXPECT_EQ(MoneyText(MoneyValue(t, c.decimals), r), t);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, MoneyWrite,
    ::testing::Values(TextCase{"Zero", 0, 2, "0.00"}, TextCase{"Grouped", 1234.5L, 2, "1,234.50"},
                      TextCase{"Rounded", 123456.789L, 2, "123,456.79"},
                      TextCase{"RateFiveDecimals", 8.75L, 5, "8.75000"},
                      TextCase{"Negative", -1234.56L, 2, "-1,234.56"},
                      TextCase{"TinyNegativeIsZero", -0.001L, 2, "0.00"},
                      TextCase{"NegativeZero", -0.0L, 2, "0.00"},
                      TextCase{"Million", 1000000, 2, "1,000,000.00"},
                      TextCase{"BeyondMaxLengthStillShown", 123456789012.5L, 2, "123,456,789,012.50"},
                      TextCase{"TooBigOverflows", 1e18L, 2, "****************"},
                      TextCase{"InfinityOverflows", INFINITY, 2, "****************"},
                      TextCase{"NanOverflows", NAN, 5, "****************"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReadCase {
  const char* name;
  const char* text;
  int decimals;
  long double value;
};

class MoneyRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(MoneyRead, TakesOnlyTheDigits) {
  const auto& c = GetParam();
  EXPECT_EQ(MoneyValue(c.text, c.decimals), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MoneyRead,
    ::testing::Values(ReadCase{"Grouped", "1,234.56", 2, 1234.56L},
                      ReadCase{"SeparatorsIgnored", "1.2,3456", 2, 1234.56L},
                      ReadCase{"Negative", "-1,234.56", 2, -1234.56L},
                      ReadCase{"FiveDecimals", "8.75000", 5, 8.75L},
                      ReadCase{"FewDigits", "5", 2, 0.05L},
                      ReadCase{"LettersReadZero", "12a.00", 2, 0},
                      ReadCase{"EmptyReadsZero", "", 2, 0},
                      ReadCase{"InnerMinusReadsZero", "1-2.00", 2, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MoneyRead, OverflowTextIsNotANumber) {
  EXPECT_TRUE(std::isnan(MoneyValue("****************", 2)));
}

TEST(MoneyEnter, PutsTheCaretBeforeTheDecimalSeparator) {
  EXPECT_EQ(Mark(MoneyEnter("1,234.56", Rules(2))), "1,234|.56");
  EXPECT_EQ(Mark(MoneyEnter("8.75000", Rules(5))), "8|.75000");
}

// ---- keys ----------------------------------------------------------------------------

struct KeyCase {
  const char* name;
  int decimals;
  const char* start;
  const char* keys;
  const char* expected;
};

class MoneyKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(MoneyKeys, TextAndCaret) {
  const auto& c = GetParam();
  EXPECT_EQ(Type(c.start, c.keys, Rules(c.decimals)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Digits, MoneyKeys,
    ::testing::Values(
        KeyCase{"TypingAnAmount", 2, "0|.00", "125000", "125,000|.00"},
        KeyCase{"LeadingZeroDropped", 2, "0|.00", "05", "5|.00"},
        KeyCase{"InsertedMidInteger", 2, "1,|234.56", "9", "19,|234.56"},
        KeyCase{"InsertedAtStart", 2, "|1,234.56", "7", "7|1,234.56"},
        KeyCase{"NotBeforeTheMinus", 2, "|-1,234.56", "7", "-7|1,234.56"},
        KeyCase{"DecimalOverwritten", 2, "1,234.|56", "7", "1,234.7|6"},
        KeyCase{"SecondDecimalOverwritten", 2, "1,234.5|6", "7", "1,234.57|"},
        KeyCase{"AtTheEndIgnored", 2, "1,234.56|", "7", "1,234.56|"},
        KeyCase{"TenIntegerDigitsWithTwo", 2, "0|.00", "999999999999", "9,999,999,999|.00"},
        KeyCase{"EightIntegerDigitsWithFive", 5, "0|.00000", "1234567890", "12,345,678|.00000"},
        KeyCase{"MaxWithFiveDecimals", 5, "0|.00000", "99999999.99999",
                "99,999,999.99999|"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Separators, MoneyKeys,
    ::testing::Values(KeyCase{"PeriodJumpsToDecimals", 2, "0|.00", ".75", "0.75|"},
                      KeyCase{"CommaJumpsToo", 2, "12|5,000.00", ",75", "125,000.75|"},
                      KeyCase{"PeriodFromTheDecimals", 2, "1.2|5", ".", "1.|25"},
                      KeyCase{"PeriodFromTheStart", 5, "|8.75000", ".", "8.|75000"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Backspace, MoneyKeys,
    ::testing::Values(
        KeyCase{"DeletesDigitBeforeCaret", 2, "1,23|4.56", "B", "12|4.56"},
        KeyCase{"AfterSeparatorDeletesDigitBeforeIt", 2, "1,|234.56", "B", "|234.56"},
        KeyCase{"AfterSecondSeparator", 2, "12,345,|678.00", "B", "1,234,|678.00"},
        KeyCase{"AtStartNothing", 2, "|1,234.56", "B", "|1,234.56"},
        KeyCase{"RightAfterDecimalSeparator", 2, "1,234.|56", "B", "123|.56"},
        KeyCase{"LastIntegerDigitLeavesZero", 2, "5.|00", "B", "0|.00"},
        KeyCase{"DecimalBecomesZero", 2, "1,234.5|6", "B", "1,234.|06"},
        KeyCase{"FromTheEnd", 2, "1,234.56|", "BB", "1,234.|00"},
        KeyCase{"DeletingEverything", 2, "1,234|.56", "BBBBBB", "0|.56"},
        KeyCase{"RemovesTheMinus", 2, "-|5.00", "B", "|5.00"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Delete, MoneyKeys,
    ::testing::Values(
        KeyCase{"DeletesDigitAfterCaret", 2, "1,2|34.56", "D", "12|4.56"},
        KeyCase{"BeforeSeparatorDeletesDigitAfterIt", 2, "1|,234.56", "D", "1|34.56"},
        KeyCase{"RegroupsLeftOfCaret", 2, "12|,345.67", "D", "1,2|45.67"},
        KeyCase{"BeforeDecimalSeparatorZeroesFirstDecimal", 2, "1,234|.56", "D", "1,234.0|6"},
        KeyCase{"DecimalZeroed", 2, "1,234.|56", "D", "1,234.0|6"},
        KeyCase{"LastDecimal", 2, "1,234.5|6", "D", "1,234.50|"},
        KeyCase{"AtTheEndNothing", 2, "1,234.56|", "D", "1,234.56|"},
        KeyCase{"FromTheStart", 2, "|1,234.56", "D", "|234.56"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Discarded, MoneyKeys,
    ::testing::Values(KeyCase{"Letters", 2, "1,2|34.56", "aZx", "1,2|34.56"},
                      KeyCase{"MinusAndSpace", 2, "1,2|34.56", "- +", "1,2|34.56"},
                      KeyCase{"ControlCharacters", 2, "1,2|34.56", "\t\r\n\x1b", "1,2|34.56"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Selection, MoneyKeys,
    ::testing::Values(KeyCase{"AllThenDigit", 2, "[1,234.56]", "7", "7|.00"},
                      KeyCase{"AllThenBackspace", 2, "[1,234.56]", "B", "0|.00"},
                      KeyCase{"IntegerDigitsRemoved", 2, "1,[23]4.56", "B", "1|4.56"},
                      KeyCase{"IntegerDigitsReplaced", 2, "1,[23]4.56", "9", "19|4.56"},
                      KeyCase{"DecimalsZeroedAndTyped", 2, "1,234.[56]", "7", "1,234.7|0"},
                      KeyCase{"DeleteOnSelection", 2, "1,234.[5]6", "D", "1,234.|06"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Repair, MoneyKeys,
    ::testing::Values(KeyCase{"OverflowTextStartsFromZero", 2, "****************|", "5", "5|.00"},
                      KeyCase{"ForeignTextReformatted", 2, "12|34", "5", "125|.34"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- clipboard -------------------------------------------------------------------------

const std::string kThousandNines(1000, '9');

struct PasteCase {
  const char* name;
  int decimals;
  const char* clip;
  const char* expected;  // nullptr: refused, text unchanged
};

class MoneyPasteTable : public ::testing::TestWithParam<PasteCase> {};

TEST_P(MoneyPasteTable, WholeAmountsOnly) {
  const auto& c = GetParam();
  const FieldEdit start = Marked("1,2|34.56");
  const KeyResult r = MoneyPaste(start, c.clip, Rules(c.decimals));
  if (c.expected) {
    EXPECT_FALSE(r.refused);
    EXPECT_EQ(Mark(r.edit), c.expected);
  } else {
    EXPECT_TRUE(r.refused);
    EXPECT_EQ(Mark(r.edit), "1,2|34.56");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, MoneyPasteTable,
    ::testing::Values(PasteCase{"Plain", 2, "1234.5", "1,234|.50"},
                      PasteCase{"Grouped", 2, "98,765.43", "98,765|.43"},
                      PasteCase{"CurrencyAndBlanks", 2, "  $1,000.00\r\n", "1,000|.00"},
                      // A minus is dropped as a typed one is: no negative amount from the clipboard.
                      PasteCase{"MinusDropped", 2, "-12.5", "12|.50"},
                      PasteCase{"MinusBeforeCurrencyDropped", 2, "-$3.50", "3|.50"},
                      PasteCase{"ParenthesesDropped", 2, "($1,234.56)", "1,234|.56"},
                      PasteCase{"UnbalancedParenthesis", 2, "(3.50", nullptr},
                      PasteCase{"RoundedToDecimals", 2, "1.005", "1|.01"},
                      PasteCase{"Rate", 5, "8.75", "8|.75000"},
                      PasteCase{"JustDecimals", 2, ".5", "0|.50"},
                      PasteCase{"Letters", 2, "abc", nullptr},
                      PasteCase{"OtherLocale", 2, "1.234,56", nullptr},
                      PasteCase{"BadGrouping", 2, "12,34", nullptr},
                      PasteCase{"InnerControlCharacter", 2, "12\t34", nullptr},
                      PasteCase{"ThousandDigits", 2, kThousandNines.c_str(), nullptr},
                      PasteCase{"TooLongForMaxLength", 2, "12345678901", nullptr},
                      PasteCase{"Empty", 2, "", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// A field for amounts that may be negative: the minus key changes the sign and a
// pasted sign is kept; every other rule is the same.
TEST(MoneyNegativeAllowed, MinusKeyAndPastedSign) {
  MoneyRules r = Rules(2);
  r.allowNegative = true;
  const struct {
    const char* name;
    const char* start;
    const char* keys;
    const char* expected;
  } typed[] = {
      {"minus_makes_negative", "1,234|.56", "-", "-1,234|.56"},
      {"minus_again_makes_positive", "-1,234.5|6", "-", "1,234.5|6"},
      {"zero_stays_unsigned", "0|.00", "-", "0|.00"},
      {"minus_then_digits", "0|.00", "5-0", "-50|.00"},
  };
  for (const auto& c : typed) EXPECT_EQ(Type(c.start, c.keys, r), c.expected) << c.name;
  EXPECT_EQ(Type("1,234|.56", "-", Rules(2)), "1,234|.56") << "ignored where negatives are not allowed";

  const struct {
    const char* clip;
    const char* expected;
  } pasted[] = {{"-3.50", "-3|.50"}, {"($1,234.56)", "-1,234|.56"}, {"$7.00", "7|.00"}};
  for (const auto& c : pasted) {
    const KeyResult k = MoneyPaste(Marked("0|.00"), c.clip, r);
    EXPECT_FALSE(k.refused) << c.clip;
    EXPECT_EQ(Mark(k.edit), c.expected) << c.clip;
  }
}

TEST(MoneyCutTest, CopiesTheSelectionAndClearsIt) {
  const CutResult r = MoneyCut(Marked("1,[234].56"), Rules(2));
  EXPECT_EQ(r.cut, "234");
  EXPECT_EQ(Mark(r.edit), "1|.56");
  EXPECT_EQ(MoneyCut(Marked("1,2|34.56"), Rules(2)).cut, "");
}

}  // namespace
}  // namespace zeb
