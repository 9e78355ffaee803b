// The picture field without a display: the program's masks, reading, and the keys.
#include <gtest/gtest.h>

#include <cmath>

#include "FieldTestNotation.h"
#include "widgets/model/PictureField.h"

namespace zeb {
namespace {

using testing::KeyOf;
using testing::Mark;
using testing::Marked;

struct RenderCase {
  const char* name;
  const char* mask;
  long double value;
  const char* text;
};

class PictureRender : public ::testing::TestWithParam<RenderCase> {};

TEST_P(PictureRender, MaskLengthTextWithBlanksOnTheLeft) {
  const auto& c = GetParam();
  const PictureLayout layout = ParsePictureMask(c.mask);
  const std::string t = PictureText(c.value, layout);
  EXPECT_EQ(t, c.text);
  EXPECT_EQ(t.size(), std::string(c.mask).size());
  const PictureReading back = ReadPicture(t, layout);
  if (back.status == PictureStatus::Number)
    EXPECT_EQ(PictureText(PictureNumberValue(back.number), layout), t);
  else
    EXPECT_EQ(back.status, PictureStatus::Overflow);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PictureRender,
    ::testing::Values(
        RenderCase{"TotalPaid", "$#,###,###,###.##", 283212.71L, "      $283,212.71"},
        RenderCase{"FloatingDollar", "$#,###,###,###.##", 5, "            $5.00"},
        RenderCase{"Zero", "$#,###,###,###.##", 0, "            $0.00"},
        RenderCase{"Full", "$#,###,###,###.##", 9999999999.99L, "$9,999,999,999.99"},
        RenderCase{"NegativeWithRoom", "$#,###,###,###.##", -1234.5L, "       -$1,234.50"},
        RenderCase{"TooBig", "$#,###,###,###.##", 10000000000.0L, "*****************"},
        RenderCase{"NegativeWithoutRoom", "$#,###,###,###.##", -9999999999.99L,
                   "*****************"},
        RenderCase{"Payment", "$###,###,###.##", 786.7L, "        $786.70"},
        RenderCase{"PaymentFull", "$###,###,###.##", 999999999.99L, "$999,999,999.99"},
        RenderCase{"PaymentTooBig", "$###,###,###.##", 1e9L, "***************"},
        RenderCase{"AmortPayment", "$#,###,###.##", 786.7L, "      $786.70"},
        RenderCase{"ClosingFees", "$##,###.##", 12345.678L, "$12,345.68"},
        RenderCase{"ClosingFeesTooBig", "$##,###.##", 100000, "**********"},
        RenderCase{"Rate", "###.####%", 12.5L, " 12.5000%"},
        RenderCase{"RateNegative", "###.####%", -12.5L, "-12.5000%"},
        RenderCase{"RateRounded", "###.####%", 8.123456L, "  8.1235%"},
        RenderCase{"RateTooBig", "###.####%", 1000, "*********"},
        RenderCase{"Term", "iiiiii", 360, "   360"},
        RenderCase{"TermNegative", "iiiiii", -32768, "-32768"},
        RenderCase{"TermSixDigits", "iiiiii", 999999, "999999"},
        RenderCase{"TermTooBig", "iiiiii", 1234567, "******"},
        RenderCase{"NanOverflows", "$#,###,###,###.##", NAN, "*****************"},
        RenderCase{"InfinityOverflows", "iiiiii", INFINITY, "******"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReadCase {
  const char* name;
  const char* mask;
  const char* text;
  PictureStatus status;
  long double value;
};

class PictureRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(PictureRead, DigitsSignAndDecimalPosition) {
  const auto& c = GetParam();
  const PictureReading r = ReadPicture(c.text, ParsePictureMask(c.mask));
  EXPECT_EQ(r.status, c.status);
  if (r.status == PictureStatus::Number) EXPECT_EQ(PictureNumberValue(r.number), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PictureRead,
    ::testing::Values(
        ReadCase{"Money", "$#,###,###,###.##", "      $283,212.71", PictureStatus::Number, 283212.71L},
        ReadCase{"NegativeMoney", "$#,###,###,###.##", "       -$1,234.50", PictureStatus::Number,
                 -1234.5L},
        ReadCase{"Percent", "###.####%", " 12.5000%", PictureStatus::Number, 12.5L},
        ReadCase{"Term", "iiiiii", "   360", PictureStatus::Number, 360},
        ReadCase{"UnpaddedTerm", "iiiiii", "360", PictureStatus::Number, 360},
        ReadCase{"Blank", "iiiiii", "      ", PictureStatus::Blank, 0},
        ReadCase{"Overflow", "iiiiii", "******", PictureStatus::Overflow, 0},
        ReadCase{"Letters", "iiiiii", "  12ab", PictureStatus::Malformed, 0},
        ReadCase{"InnerBlankDropped", "iiiiii", " 1 2 3", PictureStatus::Number, 123}),
    [](const auto& info) { return std::string(info.param.name); });

struct KeyCase {
  const char* name;
  const char* mask;
  const char* start;
  const char* keys;
  const char* expected;
};

class PictureKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(PictureKeys, TextAndCaret) {
  const auto& c = GetParam();
  PictureRules rules;
  rules.layout = ParsePictureMask(c.mask);
  if (rules.layout.decSlots > 0) {
    rules.low = -1.7e308;
    rules.high = 1.7e308;
  }
  FieldEdit e = Marked(c.start);
  for (char k : std::string(c.keys)) e = PictureKey(e, KeyOf(k), rules).edit;
  EXPECT_EQ(Mark(e), c.expected);
  EXPECT_EQ(e.text.size(), std::string(c.mask).size());
}

INSTANTIATE_TEST_SUITE_P(
    Term, PictureKeys,
    ::testing::Values(
        KeyCase{"TypingATerm", "iiiiii", "     0|", "360", "   360|"},
        KeyCase{"CaretInTheBlanks", "iiiiii", "|     0", "12", "    12|"},
        KeyCase{"InsertedMidNumber", "iiiiii", "   3|60", "5", "  35|60"},
        KeyCase{"RangeCapsTheValue", "iiiiii", "     0|", "327670", " 32767|"},
        KeyCase{"AboveRangeRefused", "iiiiii", "  3276|", "8", "  3276|"},
        KeyCase{"MinusChangesTheSign", "iiiiii", "   360|", "-", "  -360|"},
        KeyCase{"MinusBeforeDigits", "iiiiii", "     0|", "-5", "    -5|"},
        KeyCase{"LowestValue", "iiiiii", "     0|", "-32768", "-32768|"},
        KeyCase{"SignChangeOutOfRangeRefused", "iiiiii", "-32768|", "-", "-32768|"},
        KeyCase{"PeriodIgnored", "iiiiii", "   360|", ".", "   360|"},
        KeyCase{"LettersIgnored", "iiiiii", "   360|", "ab+", "   360|"},
        KeyCase{"Backspace", "iiiiii", "   360|", "B", "    36|"},
        KeyCase{"BackspaceToZero", "iiiiii", "    36|", "BBB", "     0|"},
        KeyCase{"BackspaceOverTheSign", "iiiiii", "   -|36", "B", "    |36"},
        KeyCase{"Delete", "iiiiii", "   |360", "D", "    |60"},
        KeyCase{"DeleteAtTheEnd", "iiiiii", "   360|", "D", "   360|"},
        KeyCase{"BlankClearsLeftOfCaret", "iiiiii", "  -3|60", " ", "    |60"},
        KeyCase{"BlankAtTheEnd", "iiiiii", "   360|", " ", "     0|"},
        KeyCase{"SelectionReplaced", "iiiiii", "   [360]", "12", "    12|"},
        KeyCase{"MalformedTextRepaired", "iiiiii", "  1x|", "5", "     5|"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Money, PictureKeys,
    ::testing::Values(
        KeyCase{"TypingAnAmount", "$#,###,###,###.##", "            $0|.00", "250000.5",
                "      $250,000.5|0"},
        KeyCase{"DecimalsOverwritten", "$#,###,###,###.##", "        $1,234.|50", "75",
                "        $1,234.75|"},
        KeyCase{"AfterTheLastDecimalIgnored", "$#,###,###,###.##", "        $1,234.50|", "9",
                "        $1,234.50|"},
        KeyCase{"BackspaceSkipsTheSeparator", "$#,###,###,###.##", "        $1,|234.50", "B",
                "          $|234.50"},
        KeyCase{"BackspaceAfterThePoint", "$#,###,###,###.##", "        $1,234.|50", "B",
                "          $123|.50"},
        KeyCase{"BackspaceInDecimals", "$#,###,###,###.##", "        $1,234.5|0", "B",
                "        $1,234.|00"},
        KeyCase{"DeleteBeforeThePoint", "$#,###,###,###.##", "        $1,234|.50", "D",
                "        $1,234.0|0"},
        KeyCase{"MinusFloatsLeftOfTheDollar", "$#,###,###,###.##", "        $1,234|.50", "-",
                "       -$1,234|.50"},
        KeyCase{"TooManyDigitsRefused", "$#,###,###,###.##", "            $0|.00", "12345678901",
                "$1,234,567,890|.00"},
        KeyCase{"BlankAmongDecimals", "$#,###,###,###.##", "        $1,234.|56", " ",
                "        $1,234.0|6"},
        KeyCase{"OverflowTextStartsFromZero", "$#,###,###,###.##", "*****************|", "7",
                "            $7|.00"},
        KeyCase{"Percent", "###.####%", "  0|.0000%", "12.5", " 12.5|000%"}),
    [](const auto& info) { return std::string(info.param.name); });

struct PasteCase {
  const char* name;
  const char* mask;
  const char* clip;
  const char* expected;  // nullptr: refused
};

class PicturePasteTable : public ::testing::TestWithParam<PasteCase> {};

TEST_P(PicturePasteTable, WholeAmountsOnly) {
  const auto& c = GetParam();
  PictureRules rules;
  rules.layout = ParsePictureMask(c.mask);
  const FieldEdit start = PictureEnter(PictureText(0, rules.layout), rules);
  const KeyResult r = PicturePaste(start, c.clip, rules);
  EXPECT_EQ(r.refused, c.expected == nullptr);
  EXPECT_EQ(Mark(r.edit), c.expected ? c.expected : Mark(start));
}

const std::string kThousandDigits(1000, '5');

INSTANTIATE_TEST_SUITE_P(
    Table, PicturePasteTable,
    ::testing::Values(PasteCase{"Term", "iiiiii", "360", "   360|"},
                      PasteCase{"TermWithBlanks", "iiiiii", " 360\n", "   360|"},
                      PasteCase{"TermAboveRange", "iiiiii", "40000", nullptr},
                      PasteCase{"TermWithDecimals", "iiiiii", "12.5", nullptr},
                      PasteCase{"TermLetters", "iiiiii", "twelve", nullptr},
                      PasteCase{"ThousandDigits", "iiiiii", kThousandDigits.c_str(), nullptr},
                      PasteCase{"Amount", "$#,###,###,###.##", "$1,234.5", "        $1,234|.50"},
                      PasteCase{"OtherLocale", "$#,###,###,###.##", "1.234,56", nullptr},
                      PasteCase{"ControlCharacters", "$#,###,###,###.##", "12\x07" "3", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PictureEnterTest, CaretAtTheEndOfTheIntegerPart) {
  PictureRules rules;
  rules.layout = ParsePictureMask("$#,###,###,###.##");
  EXPECT_EQ(Mark(PictureEnter("        $1,234.50", rules)), "        $1,234|.50");
  rules.layout = ParsePictureMask("iiiiii");
  EXPECT_EQ(Mark(PictureEnter("   360", rules)), "   360|");
}

}  // namespace
}  // namespace zeb
