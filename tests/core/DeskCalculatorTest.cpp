// The popup desk calculator: its arithmetic by key sequences, its paper tape, its
// error state, and a long random run that must keep its invariants.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "widgets/model/DeskCalculator.h"

namespace zeb {
namespace {

// Key sequences in one character per key:
//   0-9 .  + - * / = %   n ±   e CE   c C   b ←   P M+   Q M−   R MR   L MC   T clear tape
// Blanks are ignored (they only group the keys for the reader).
DeskKey keyOf(char c) {
  if (c >= '0' && c <= '9') return DigitKey(c - '0');
  switch (c) {
    case '.': return DeskKey::Point;
    case '+': return DeskKey::Add;
    case '-': return DeskKey::Subtract;
    case '*': return DeskKey::Multiply;
    case '/': return DeskKey::Divide;
    case '=': return DeskKey::Equals;
    case '%': return DeskKey::Percent;
    case 'n': return DeskKey::ChangeSign;
    case 'e': return DeskKey::ClearEntry;
    case 'c': return DeskKey::Clear;
    case 'b': return DeskKey::Backspace;
    case 'P': return DeskKey::MemoryAdd;
    case 'Q': return DeskKey::MemorySubtract;
    case 'R': return DeskKey::MemoryRecall;
    case 'L': return DeskKey::MemoryClear;
    case 'T': return DeskKey::ClearTape;
  }
  ADD_FAILURE() << "no key for '" << c << "'";
  return DeskKey::Clear;
}

// Presses `keys`; returns the answer of the last key.
bool press(DeskCalculator& calc, const std::string& keys) {
  bool taken = true;
  for (char c : keys)
    if (c != ' ') taken = calc.Press(keyOf(c));
  return taken;
}

std::vector<std::string> tapeText(const DeskCalculator& calc) {
  std::vector<std::string> lines;
  for (const TapeLine& line : calc.Tape()) lines.push_back(line.Text());
  return lines;
}

int itemsOnTape(const DeskCalculator& calc) {
  int n = 0;
  for (const TapeLine& line : calc.Tape()) n += line.kind == TapeKind::Item;
  return n;
}

// ---- the display after a key sequence -------------------------------------------------

struct DisplayCase {
  const char* name;
  const char* keys;
  const char* display;
};

void PrintTo(const DisplayCase& c, std::ostream* os) { *os << c.name; }

class DeskDisplayTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DeskDisplayTest, ShowsWhatADeskCalculatorShows) {
  const DisplayCase& c = GetParam();
  DeskCalculator calc;
  press(calc, c.keys);
  EXPECT_EQ(calc.DisplayText(), c.display) << c.keys;
  EXPECT_EQ(itemsOnTape(calc), calc.ItemCount());
}

INSTANTIATE_TEST_SUITE_P(
    KeySequences, DeskDisplayTest,
    ::testing::Values(
        DisplayCase{"fresh_shows_zero", "", "0.00"},
        DisplayCase{"typed_number_as_typed_with_separators", "1234567.8", "1,234,567.8"},
        DisplayCase{"typed_point_first", ".5", "0.5"},
        DisplayCase{"leading_zeros_give_way", "007", "7"},
        DisplayCase{"second_point_refused", "1.2.3", "1.23"},
        DisplayCase{"sixteenth_digit_refused", "1234567890123456", "123,456,789,012,345"},
        DisplayCase{"fifteen_decimals_after_zero_point", "0.1234567890123456", "0.123456789012345"},
        DisplayCase{"left_to_right_no_precedence", "2+3*4=", "20.00"},
        DisplayCase{"operator_shows_running_total", "2+3*", "5.00"},
        DisplayCase{"two_decimals_shown", "10/3=", "3.33"},
        DisplayCase{"held_to_fifteen_digits", "10/3=*3=", "10.00"},
        DisplayCase{"half_away_from_zero_on_the_decimal_form", "2.675+0=", "2.68"},
        DisplayCase{"negative_half_away_from_zero", "0-2.675=", "-2.68"},
        DisplayCase{"binary_noise_hidden", ".1+.2=", "0.30"},
        DisplayCase{"repeated_equals", "5*2==", "20.00"},
        DisplayCase{"repeated_equals_three_times", "10-1===", "7.00"},
        DisplayCase{"later_operator_replaces_earlier", "5+-3=", "2.00"},
        DisplayCase{"equals_without_operand_uses_total", "5+=", "10.00"},
        DisplayCase{"total_carries_on_with_an_operator", "2+3=*2=", "10.00"},
        DisplayCase{"digit_after_total_starts_afresh", "2+3=4=", "4.00"},
        DisplayCase{"percent_added", "200+15%=", "230.00"},
        DisplayCase{"percent_taken_off", "200-15%=", "170.00"},
        DisplayCase{"percent_of_a_number", "200*15%=", "30.00"},
        DisplayCase{"divided_by_a_percent", "200/50%=", "400.00"},
        DisplayCase{"percent_alone_divides_by_100", "15%", "0.15"},
        DisplayCase{"percent_shows_the_amount", "200+15%", "30.00"},
        DisplayCase{"change_sign_while_typing", "5n+3=", "-2.00"},
        DisplayCase{"typed_zero_takes_the_sign_to_its_digits", "0n5", "-5"},
        DisplayCase{"change_sign_of_a_total", "2+3=n", "-5.00"},
        DisplayCase{"negated_total_starts_afresh", "2+3=n+1=", "-4.00"},
        DisplayCase{"clear_entry_keeps_the_calculation", "5+3e4=", "9.00"},
        DisplayCase{"clear_drops_the_calculation", "5+3c2=", "2.00"},
        DisplayCase{"backspace_removes_last_digit", "123b+1=", "13.00"},
        DisplayCase{"backspace_down_to_zero", "12bbb", "0"},
        DisplayCase{"backspace_removes_the_point", "1.b5", "15"},
        DisplayCase{"memory_adds_up", "100P 50P R", "150.00"},
        DisplayCase{"memory_subtracts", "100P 30Q R+1=", "71.00"},
        DisplayCase{"memory_holds_a_total", "2+3=P c R", "5.00"},
        DisplayCase{"memory_survives_clear", "7P c 1+R=", "8.00"},
        DisplayCase{"digit_after_memory_add_starts_a_new_number", "12P3", "3"},
        DisplayCase{"division_by_zero", "5/0=", "Division by zero"},
        DisplayCase{"division_by_zero_at_the_next_operator", "5/0+", "Division by zero"},
        DisplayCase{"overflow", "999999999999999*10=", "Number too large"},
        DisplayCase{"sixteen_integer_digits_overflow", "999999999999999+1=", "Number too large"},
        DisplayCase{"fifteen_digits_fit", "999999999999998+1=", "999,999,999,999,999.00"},
        DisplayCase{"memory_overflow", "999999999999999P P", "Number too large"},
        DisplayCase{"digit_after_error_starts_afresh", "5/0=7+1=", "8.00"},
        DisplayCase{"operator_refused_in_error", "5/0=+", "Division by zero"},
        DisplayCase{"clear_entry_ends_error", "5/0=e", "0.00"},
        DisplayCase{"tiny_result_shows_zero_without_sign", "0-.001=", "0.00"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- keys that have nothing to do --------------------------------------------------------

struct RefusedCase {
  const char* name;
  const char* before;
  char key;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class DeskRefusedTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(DeskRefusedTest, AnswersFalseAndChangesNothing) {
  const RefusedCase& c = GetParam();
  DeskCalculator calc;
  press(calc, c.before);
  const std::string display = calc.DisplayText();
  const auto tape = tapeText(calc);
  EXPECT_FALSE(calc.Press(keyOf(c.key)));
  EXPECT_EQ(calc.DisplayText(), display);
  EXPECT_EQ(tapeText(calc), tape);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DeskRefusedTest,
    ::testing::Values(RefusedCase{"sixteenth_digit", "123456789012345", '6'},
                      RefusedCase{"second_point", "1.5", '.'},
                      RefusedCase{"recall_of_empty_memory", "5", 'R'},
                      RefusedCase{"clearing_empty_memory", "5", 'L'},
                      RefusedCase{"clearing_empty_tape", "5", 'T'},
                      RefusedCase{"equals_with_nothing_to_total", "", '='},
                      RefusedCase{"percent_with_nothing_shown", "", '%'},
                      RefusedCase{"change_sign_of_zero", "", 'n'},
                      RefusedCase{"backspace_on_a_total", "2+3=", 'b'},
                      RefusedCase{"equals_in_error", "5/0=", '='},
                      RefusedCase{"memory_add_in_error", "5/0=", 'P'},
                      RefusedCase{"percent_in_error", "5/0=", '%'}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- the paper tape ------------------------------------------------------------------------

struct TapeCase {
  const char* name;
  const char* keys;
  std::vector<std::string> tape;
};

void PrintTo(const TapeCase& c, std::ostream* os) { *os << c.name; }

class DeskTapeTest : public ::testing::TestWithParam<TapeCase> {};

TEST_P(DeskTapeTest, PrintsLikeAnAddingMachine) {
  const TapeCase& c = GetParam();
  DeskCalculator calc;
  press(calc, c.keys);
  EXPECT_EQ(tapeText(calc), c.tape);
  EXPECT_EQ(calc.ItemCount(), itemsOnTape(calc));
}

const std::string kRule(20, '_');

INSTANTIATE_TEST_SUITE_P(
    Calculations, DeskTapeTest,
    ::testing::Values(
        TapeCase{"sum",
                 "1234.5+20-0.25=",
                 {"            1,234.50", "               20.00 +", "                0.25 -", kRule,
                  "            1,254.25 ="}},
        TapeCase{"percent_markup",
                 "200+15%=",
                 {"              200.00", "               15.00 %", "               30.00 +", kRule,
                  "              230.00 ="}},
        TapeCase{"repeated_equals_prints_each_step",
                 "5*2==",
                 {"                5.00", "                2.00 \u00d7", kRule, "               10.00 =",
                  "                2.00 \u00d7", kRule, "               20.00 ="}},
        TapeCase{"division_by_zero_is_printed",
                 "5/0=",
                 {"                5.00", "                0.00 \u00f7", "    Division by zero E"}},
        TapeCase{"a_total_continues_without_a_new_line",
                 "2+3=-1=",
                 {"                2.00", "                3.00 +", kRule, "                5.00 =",
                  "                1.00 -", kRule, "                4.00 ="}},
        TapeCase{"clear_marks_the_dropped_operands",
                 "5+3+c2+4=",
                 {"                5.00", "                3.00 +", "                0.00 C", "                2.00",
                  "                4.00 +", kRule, "                6.00 ="}},
        TapeCase{"clear_after_a_total_or_an_error_prints_nothing",
                 "2+3=c 5/0=c",
                 {"                2.00", "                3.00 +", kRule, "                5.00 =", "                5.00",
                  "                0.00 \u00f7", "    Division by zero E"}},
        TapeCase{"typing_and_clearing_prints_nothing", "123e45c", {}},
        TapeCase{"clear_tape", "1+2=T", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeskTape, KeepsItsNewest9999LinesAndCountsTheItemsItHolds) {
  DeskCalculator calc;
  for (int i = 0; i < 10000; ++i) press(calc, "1+");
  ASSERT_EQ(calc.Tape().size(), DeskCalculator::kMaxTapeLines);
  EXPECT_EQ(calc.ItemCount(), 9999);
  press(calc, "1=");  // one more item, the separator and the total push three items out
  EXPECT_EQ(calc.Tape().size(), DeskCalculator::kMaxTapeLines);
  EXPECT_EQ(calc.ItemCount(), 9997);
  EXPECT_EQ(calc.Tape().back().Text(), "           10,001.00 =");
  EXPECT_EQ(calc.DisplayText(), "10,001.00");
  press(calc, "T");
  EXPECT_TRUE(calc.Tape().empty());
  EXPECT_EQ(calc.ItemCount(), 0);
}

// ---- number text -------------------------------------------------------------------------

struct TextCase {
  const char* name;
  double value;
  const char* text;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class DeskNumberTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(DeskNumberTextTest, RoundsOnTheFifteenDigitForm) {
  EXPECT_EQ(DeskNumberText(GetParam().value, 2), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DeskNumberTextTest,
    ::testing::Values(TextCase{"zero", 0, "0.00"}, TextCase{"negative_zero", -0.0, "0.00"},
                      TextCase{"below_half_a_cent", -0.004, "0.00"}, TextCase{"half_a_cent", 0.005, "0.01"},
                      TextCase{"far_below", 4e-9, "0.00"}, TextCase{"grouping", 1234567.891, "1,234,567.89"},
                      TextCase{"carry_into_a_new_digit", 999.995, "1,000.00"},
                      TextCase{"binary_2_675", 2.675, "2.68"}, TextCase{"negative", -1234.5, "-1,234.50"},
                      TextCase{"fifteen_integer_digits", 123456789012345.0, "123,456,789,012,345.00"},
                      TextCase{"sixteen_digits_round_to_fifteen", 0.1 + 0.2, "0.30"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- random keys ---------------------------------------------------------------------------

TEST(DeskRandomKeys, TenThousandKeysKeepTheInvariants) {
  std::mt19937 random(20020529);
  // Digits come more often than the other keys, as they do in use, so that numbers grow
  // long enough to reach the 15-digit limit and overflow.
  std::discrete_distribution<int> pick({3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
  ASSERT_EQ(pick.max() + 1, kDeskKeyCount);
  const std::regex number(R"(-?\d{1,3}(,\d{3})*(\.\d*)?)");
  DeskCalculator calc;
  for (int step = 0; step < 10000; ++step) {
    const auto key = static_cast<DeskKey>(pick(random));
    calc.Press(key);
    const std::string shown = calc.DisplayText();
    SCOPED_TRACE("step " + std::to_string(step) + ", key " + std::to_string(static_cast<int>(key)) + ": " + shown);
    switch (calc.Error()) {
      case DeskError::DivisionByZero: ASSERT_EQ(shown, "Division by zero"); break;
      case DeskError::Overflow: ASSERT_EQ(shown, "Number too large"); break;
      case DeskError::None:
        ASSERT_TRUE(std::regex_match(shown, number));
        ASSERT_TRUE(std::isfinite(calc.Value()));
        ASSERT_LT(std::fabs(calc.Value()), DeskCalculator::kLimit);
        if (!calc.Entering()) ASSERT_EQ(shown, DeskNumberText(calc.Value(), 2));
        break;
    }
    ASSERT_LT(std::fabs(calc.Memory()), DeskCalculator::kLimit);
    ASSERT_LE(calc.Tape().size(), DeskCalculator::kMaxTapeLines);
    ASSERT_EQ(calc.ItemCount(), itemsOnTape(calc));
  }
}

}  // namespace
}  // namespace zeb
