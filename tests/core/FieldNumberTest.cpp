// The whole-number field and the points field without a display.
#include <gtest/gtest.h>

#include <cmath>

#include "FieldTestNotation.h"
#include "finance/Errors.h"
#include "widgets/model/PointsField.h"
#include "widgets/model/WholeNumberField.h"

namespace zeb {
namespace {

using testing::KeyOf;
using testing::Mark;
using testing::Marked;

// ---- whole-number field ----------------------------------------------------------------

struct WholeCase {
  const char* name;
  int decimals;
  double minValue;
  const char* start;
  const char* keys;
  const char* expected;
};

class WholeNumberKeys : public ::testing::TestWithParam<WholeCase> {};

TEST_P(WholeNumberKeys, TextAndCaret) {
  const auto& c = GetParam();
  WholeNumberRules r;
  r.decimals = c.decimals;
  r.minValue = c.minValue;
  r.maxValue = c.minValue < 0 ? 100 : 0;
  FieldEdit e = Marked(c.start);
  for (char k : std::string(c.keys)) e = WholeNumberKey(e, KeyOf(k), r).edit;
  EXPECT_EQ(Mark(e), c.expected);
  EXPECT_NO_THROW(WholeNumberValue(e.text)) << e.text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, WholeNumberKeys,
    ::testing::Values(
        WholeCase{"TypingReplacesTheZero", 0, 0, "0|", "36", "36|"},
        WholeCase{"ZeroAtTheStartReplacedFromBefore", 0, 0, "|0", "5", "5|"},
        WholeCase{"DeletingBothLeavesZero", 0, 0, "36|", "BB", "0|"},
        WholeCase{"DeleteKeyLeavesZero", 0, 0, "|7", "D", "0|"},
        WholeCase{"ZeroAtStartDiscarded", 0, 0, "|12", "0", "|12"},
        WholeCase{"ZeroElsewhereTaken", 0, 0, "12|", "0", "120|"},
        WholeCase{"InsertedMidText", 0, 0, "1|2", "5", "15|2"},
        WholeCase{"MinusIgnoredWithoutNegativeRange", 0, 0, "12|", "-", "12|"},
        WholeCase{"MinusTogglesWithNegativeRange", 0, -100, "12|", "-", "-12|"},
        WholeCase{"MinusTwiceBack", 0, -100, "12|", "--", "12|"},
        WholeCase{"BackspaceOverMinusOnlyLeavesZero", 0, -100, "-5|", "B", "0|"},
        WholeCase{"SeparatorDiscardedWithoutDecimals", 0, 0, "12|", ".", "12|"},
        WholeCase{"SeparatorMovesCaretToDecimals", 2, 0, "|12.50", ".", "12.|50"},
        WholeCase{"DecimalsLimited", 2, 0, "12.50|", "7", "12.50|"},
        WholeCase{"LettersDiscarded", 0, 0, "12|", "ab x+", "12|"},
        WholeCase{"SelectionDeletedByATypedKey", 0, 0, "[123]", "4", "4|"},
        WholeCase{"SelectionDeletedEvenByALetter", 0, 0, "1[23]", "x", "1|"},
        WholeCase{"WholeSelectionBackspaced", 0, 0, "[360]", "B", "0|"},
        WholeCase{"NineDigitsAtMost", 0, 0, "0|", "12345678901", "123456789|"},
        WholeCase{"IntegerPartKeptNonEmpty", 2, 0, "0|.50", "B", "|0.50"},
        WholeCase{"JoiningDecimalsBeyondNineDigitsRefused", 2, 0, "12345678|.50", "D",
                  "12345678|.50"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WholeNumberPaste, TypesTheCharactersOneByOne) {
  WholeNumberRules r;
  r.decimals = 0;
  EXPECT_EQ(Mark(WholeNumberPaste(Marked("[0]"), "3a6\n", r).edit), "36|");
  const KeyResult many = WholeNumberPaste(Marked("0|"), std::string(1000, '7'), r);
  EXPECT_EQ(Mark(many.edit), "777777777|");
  EXPECT_TRUE(many.refused);
  EXPECT_EQ(Mark(WholeNumberPaste(Marked("1[2]3"), "", r).edit), "1|3");
}

TEST(WholeNumberCut, CopiesAndDeletes) {
  WholeNumberRules r;
  const CutResult c = WholeNumberCut(Marked("[12]"), r);
  EXPECT_EQ(c.cut, "12");
  EXPECT_EQ(Mark(c.edit), "0|");
}

struct WholeTextCase {
  const char* name;
  double value;
  int decimals;
  const char* text;
};

class WholeNumberWrite : public ::testing::TestWithParam<WholeTextCase> {};

TEST_P(WholeNumberWrite, Text) {
  const auto& c = GetParam();
  EXPECT_EQ(WholeNumberText(c.value, c.decimals), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WholeNumberWrite,
    ::testing::Values(WholeTextCase{"Zero", 0, 0, "0"}, WholeTextCase{"Twelve", 12, 0, "12"},
                      WholeTextCase{"Rounded", 359.5, 0, "360"},
                      WholeTextCase{"TwoDecimals", 2.5, 2, "2.50"},
                      WholeTextCase{"Negative", -7, 0, "-7"},
                      WholeTextCase{"NoNegativeZero", -0.2, 0, "0"},
                      WholeTextCase{"NineDigits", 999999999, 0, "999999999"},
                      WholeTextCase{"TenDigitsOverflow", 1e10, 0, "*********"},
                      WholeTextCase{"NanOverflow", NAN, 0, "*********"},
                      WholeTextCase{"InfinityOverflow", -INFINITY, 0, "*********"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WholeNumberRead, TextThatIsNotANumberRaisesConversionError) {
  EXPECT_EQ(WholeNumberValue("36"), 36);
  EXPECT_EQ(WholeNumberValue("-2.50"), -2.5);
  for (const char* bad : {"", "abc", "1,000", "*********", "-", "1.2.3", " 5"})
    EXPECT_THROW(WholeNumberValue(bad), EConvertError) << bad;
}

// ---- points field ------------------------------------------------------------------------

PointsRules LoanPoints() {
  PointsRules r;
  r.type = PointsType::General;
  r.decimals = 3;
  r.digits = 12;
  r.positiveMask = "#,##0.###";
  r.rounding = false;
  return r;
}

struct PointsTextCase {
  const char* name;
  PointsType type;
  bool rounding;
  int decimals;
  long double value;
  const char* text;
};

class PointsDisplay : public ::testing::TestWithParam<PointsTextCase> {};

TEST_P(PointsDisplay, Text) {
  const auto& c = GetParam();
  PointsRules r = LoanPoints();
  r.type = c.type;
  r.rounding = c.rounding;
  r.decimals = c.decimals;
  EXPECT_EQ(PointsText(c.value, r), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PointsDisplay,
    ::testing::Values(
        PointsTextCase{"OneAndAHalf", PointsType::General, false, 3, 1.5L, "1.5"},
        PointsTextCase{"CutNotRounded", PointsType::General, false, 3, 1234.5678L, "1,234.567"},
        PointsTextCase{"RoundedWhenOn", PointsType::General, true, 3, 1234.5678L, "1,234.568"},
        PointsTextCase{"Zero", PointsType::General, false, 3, 0, "0"},
        PointsTextCase{"TypedValueCut", PointsType::General, false, 3, 2.12345L, "2.123"},
        PointsTextCase{"CutIsExactOnDecimals", PointsType::General, false, 2, 1.15L, "1.15"},
        PointsTextCase{"NegativeUsesPositiveMask", PointsType::General, false, 3, -2.5L, "-2.5"},
        PointsTextCase{"CutTowardZero", PointsType::General, false, 2, -2.129L, "-2.12"},
        PointsTextCase{"Currency", PointsType::Currency, true, 2, 1234.567L, "$1,234.57"},
        PointsTextCase{"Percentage", PointsType::Percentage, true, 2, 0.125L, "12.50%"},
        PointsTextCase{"NanOverflows", PointsType::General, true, 3, NAN, "************"},
        PointsTextCase{"InfinityOverflows", PointsType::Currency, true, 2, INFINITY,
                       "************"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PointsMask, SectionsAndPlaceholders) {
  EXPECT_EQ(FormatFloatMask(-3, "0.00", "(0.00)", ""), "(3.00)");
  EXPECT_EQ(FormatFloatMask(0, "0.00", "", "zero"), "zero");
  EXPECT_EQ(FormatFloatMask(0.5, "#.##", "", ""), ".5");
  EXPECT_EQ(FormatFloatMask(1234567, "#,##0", "", ""), "1,234,567");
  EXPECT_EQ(FormatFloatMask(7, "0 pts", "", ""), "7 pts");
}

struct PointsKeyCase {
  const char* name;
  const char* start;
  const char* keys;
  const char* expected;
};

class PointsKeys : public ::testing::TestWithParam<PointsKeyCase> {};

TEST_P(PointsKeys, TextAndCaret) {
  const auto& c = GetParam();
  FieldEdit e = Marked(c.start);
  for (char k : std::string(c.keys)) e = PointsKey(e, KeyOf(k), LoanPoints()).edit;
  EXPECT_EQ(Mark(e), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PointsKeys,
    ::testing::Values(PointsKeyCase{"Digits", "|", "2.12345", "2.12345|"},
                      PointsKeyCase{"SecondPointRefused", "1.5|", ".", "1.5|"},
                      PointsKeyCase{"SecondMinusRefused", "-1|", "-", "-1|"},
                      PointsKeyCase{"ThousandsSeparator", "1|", ",000", "1,000|"},
                      PointsKeyCase{"LettersDiscarded", "1|", "ab +", "1|"},
                      PointsKeyCase{"TwelveCharactersAtMost", "|", "1234567890123", "123456789012|"},
                      PointsKeyCase{"PointAddsOne", "123456789012|", ".5", "123456789012.|"},
                      PointsKeyCase{"SelectionReplaced", "[1.5]", "3", "3|"},
                      PointsKeyCase{"BackspaceAndDelete", "1|23", "BD", "|3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PointsEnter, KeepsDigitsSeparatorsAndTheSign) {
  EXPECT_EQ(PointsEntryText("$1,234.50", 1234.5L), "1,234.50");
  EXPECT_EQ(PointsEntryText("($1,234.50)", -1234.5L), "-1,234.50");
  EXPECT_EQ(PointsEntryText("12.50%", 0.125L), "12.50");
  EXPECT_EQ(PointsEntryText("************", NAN), "");
}

struct PointsReadCase {
  const char* name;
  const char* text;
  PointsReading::Outcome outcome;
  long double stored;
};

class PointsLeave : public ::testing::TestWithParam<PointsReadCase> {};

TEST_P(PointsLeave, ReadsTheText) {
  const auto& c = GetParam();
  PointsRules r = LoanPoints();
  r.validation = true;
  r.min = -5;
  r.max = 10;
  const PointsReading got = PointsRead(c.text, r);
  EXPECT_EQ(got.outcome, c.outcome);
  if (c.outcome != PointsReading::Outcome::OutOfRange) EXPECT_EQ(got.stored, c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PointsLeave,
    ::testing::Values(
        PointsReadCase{"Plain", "2.12345", PointsReading::Outcome::Stored, 2.12345L},
        PointsReadCase{"Empty", "", PointsReading::Outcome::Stored, 0},
        PointsReadCase{"LeadingMinus", "-1.5", PointsReading::Outcome::Stored, -1.5L},
        PointsReadCase{"TrailingMinus", "1.5-", PointsReading::Outcome::Stored, -1.5L},
        PointsReadCase{"SeparatorsDropped", "1,0", PointsReading::Outcome::Stored, 10},
        PointsReadCase{"LonePoint", ".", PointsReading::Outcome::Unreadable, 0},
        PointsReadCase{"AboveMax", "10.5", PointsReading::Outcome::OutOfRange, 0},
        PointsReadCase{"BelowMin", "-6", PointsReading::Outcome::OutOfRange, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PointsLeave, PercentageStoresAHundredth) {
  PointsRules r;
  r.type = PointsType::Percentage;
  EXPECT_EQ(PointsRead("12.5", r).stored, 0.125L);
}

TEST(PointsLeave, RangeMessageInThePlainForm) {
  PointsRules r;
  r.min = 0;
  r.max = 2.5L;
  EXPECT_EQ(PointsRangeMessage(r), "Value must be between 0 and 2.5");
}

}  // namespace
}  // namespace zeb
