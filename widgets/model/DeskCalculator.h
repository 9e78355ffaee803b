#pragma once
// The popup desk calculator's arithmetic and paper tape, free of any toolkit.
//
// It works as a desk calculator does: immediate execution from left to right
// (2 + 3 × 4 = gives 20), every result held to 15 significant digits and shown with
// two decimals, rounded half away from zero on that 15-digit form (10 ÷ 3 shows 3.33;
// × 3 then shows 10.00). While a number is typed it is shown as typed, with thousands
// separators: "1,234.5". A typed number holds at most 15 digits; a 16th is refused.
//
//   +  −  ×  ÷   finish the number typed and apply the waiting operator
//   =            finish the calculation; pressed again it repeats the last operator with
//                the last operand (5 × 2 = = gives 10, then 20)
//   %            after + or −: that percent of the running total (200 + 15 % = gives 230);
//                otherwise the number divided by 100 (200 × 15 % = gives 30)
//   ±            changes the sign of the number shown (typed or result)
//   CE, C        clear the number being typed; clear the calculation (memory and tape stay)
//   ←            removes the last typed character
//   M+ M− MR MC  memory add / subtract the number shown, recall, clear
//   CT           clears the paper tape
//
// A division by zero or a result of 10^15 or more (more than 15 digits before the
// decimal point) puts the calculator in its error state: the display shows
// "Division by zero" or "Number too large", the calculation is dropped, and only
// C, CE, a digit or the decimal point (which start afresh), MC and CT are taken.
//
// The paper tape logs each calculation the way an adding machine prints it: every
// operand on a line of its own with the operator applied to it ("15.00 +"), the first
// operand without one, then a separator line of "_" and the total ("230.00 ="):
//
//          200.00
//           15.00 %
//           30.00 +
//   ____________________
//          230.00 =
//
// C pressed while a calculation stands open on the tape (operands printed, no total yet)
// prints "0.00 C", so the dropped operands are not read as part of the next sum.
//
// The tape keeps its newest 9,999 lines. Its item count is the number of operand lines
// it holds (separators, totals, clear marks and error lines are not items).
#include <cstddef>
#include <deque>
#include <string>

namespace zeb {

enum class DeskKey {
  Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
  Point, Add, Subtract, Multiply, Divide, Equals, Percent, ChangeSign,
  ClearEntry, Clear, Backspace,
  MemoryAdd, MemorySubtract, MemoryRecall, MemoryClear, ClearTape,
};
inline constexpr int kDeskKeyCount = static_cast<int>(DeskKey::ClearTape) + 1;

// The digit key of `digit` (0..9).
constexpr DeskKey DigitKey(int digit) { return static_cast<DeskKey>(static_cast<int>(DeskKey::Digit0) + digit); }

enum class DeskError { None, DivisionByZero, Overflow };

enum class TapeKind { Item, Separator, Total, Cleared, Error };

struct TapeLine {
  TapeKind kind;
  std::string number;  // the number as shown, the separator run, or the error text
  std::string mark;    // "+", "-", "×", "÷", "%", "=", "C", "E" or "" (UTF-8)
  // The line as printed: the number right-aligned in kTapeNumberWidth characters, a
  // blank and the mark.
  std::string Text() const;
};

// `value` with `decimals` decimals and thousands separators ("-1,234.57"), rounded half
// away from zero on its 15-significant-digit form; a value rounding to zero has no sign.
std::string DeskNumberText(double value, int decimals);

class DeskCalculator {
public:
  static constexpr int kDecimalsShown = 2;
  static constexpr std::size_t kMaxTapeLines = 9999;
  static constexpr int kMaxDigits = 15;
  static constexpr int kTapeNumberWidth = 20;
  static constexpr char kTapeSeparator = '_';
  // Results at or beyond this size are an overflow.
  static constexpr double kLimit = 1e15;

  // Applies `key`; false when the key has nothing to do in the present state (a 16th
  // digit, an operator in the error state, MR with an empty memory, ...).
  bool Press(DeskKey key);

  std::string DisplayText() const;
  // The number shown (the typed number while typing); 0 in the error state.
  double Value() const;
  DeskError Error() const { return error_; }
  bool MemoryHeld() const { return memory_ != 0; }
  double Memory() const { return memory_; }
  // A number is being typed.
  bool Entering() const { return entering_; }

  const std::deque<TapeLine>& Tape() const { return tape_; }
  int ItemCount() const { return itemCount_; }

private:
  enum class Op { None, Add, Subtract, Multiply, Divide };

  bool typeDigit(char digit);
  bool typePoint();
  bool pressOperator(Op op);
  bool pressEquals();
  bool pressPercent();
  bool pressChangeSign();
  bool pressClearEntry();
  bool pressBackspace();
  bool pressMemory(int sign);
  bool pressMemoryRecall();

  void beginEntry();
  // True when a fresh operand (typed, recalled or from %, ±) waits to be applied.
  bool haveOperand() const { return entering_ || operandReady_; }
  double operand() const;
  void startNewCalculation();
  // The result of a op b to 15 digits; false (and the error state) on failure.
  bool apply(double a, Op op, double b, double& result);
  bool checked(double value, double& result);
  void fail(DeskError error);
  void total(double result);
  void clearCalculation();
  void print(TapeKind kind, std::string number, std::string mark);
  void printItem(double value, Op op);

  // the running calculation
  double acc_ = 0;
  Op pending_ = Op::None;
  // what the display holds
  double x_ = 0;
  std::string entry_;  // typed characters (digits and at most one point), no sign
  bool entryNegative_ = false;
  bool entering_ = false;
  bool operandReady_ = false;
  bool totalled_ = false;
  // repeated equals
  Op lastOp_ = Op::None;
  double lastOperand_ = 0;

  DeskError error_ = DeskError::None;
  double memory_ = 0;
  std::deque<TapeLine> tape_;
  int itemCount_ = 0;
  bool tapeOpen_ = false;  // operands printed since the last total, clear mark or error
};

}  // namespace zeb
