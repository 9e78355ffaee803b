#include "widgets/model/DeskCalculator.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "finance/Regional.h"

namespace zeb {
namespace {

// The 15 significant digits of `value` (> 0) and the power of ten of the first one:
// 1234.5 gives "123450000000000" and 3.
void significantDigits(double value, std::string& digits, int& exponent) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
  const std::string text(buf, res.ptr);  // "d.ddddddddddddddde+XX"
  const auto e = text.find('e');
  digits = text.substr(0, 1) + text.substr(2, e - 2);
  exponent = std::atoi(text.c_str() + e + 1);
}

// Thousands separators in a run of integer digits.
std::string grouped(const std::string& integerDigits) {
  std::string out;
  const int n = static_cast<int>(integerDigits.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += Regional().thousandsSeparator;
    out += integerDigits[i];
  }
  return out;
}

// `value` to 15 significant digits, as the calculator holds every number.
double round15(double value) {
  if (value == 0 || !std::isfinite(value)) return value;
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
  double out = 0;
  std::from_chars(buf, res.ptr, out);
  return out;
}

const char* markOf(int op) {
  static const char* const marks[] = {"", "+", "-", "\u00d7", "\u00f7"};
  return marks[op];
}

}  // namespace

std::string DeskNumberText(double value, int decimals) {
  std::string digits;
  int exponent = 0;
  if (value != 0 && std::isfinite(value)) significantDigits(std::fabs(value), digits, exponent);
  else digits = std::string(15, '0');
  // Digits before the point: exponent + 1. Keep that many plus `decimals`.
  int pointAt = exponent + 1;
  const int keep = pointAt + decimals;
  if (keep < 0) {
    digits.clear();
  } else if (keep < static_cast<int>(digits.size())) {
    const bool up = digits[keep] >= '5';
    digits.resize(keep);
    if (up) {
      int i = keep - 1;
      while (i >= 0 && digits[i] == '9') digits[i--] = '0';
      if (i >= 0) ++digits[i];
      else {
        digits.insert(digits.begin(), '1');
        ++pointAt;
      }
    }
  }
  // Lay the kept digits out around the point.
  const int total = pointAt + decimals;
  if (static_cast<int>(digits.size()) < total) digits.append(total - digits.size(), '0');
  if (pointAt <= 0) {
    digits.insert(0, std::string(1 - pointAt, '0'));
    pointAt = 1;
  }
  std::string integer = digits.substr(0, pointAt);
  const std::string fraction = digits.substr(pointAt, decimals);
  const auto nonZero = integer.find_first_not_of('0');
  integer = nonZero == std::string::npos ? "0" : integer.substr(nonZero);
  const bool zero = integer == "0" && fraction.find_first_not_of('0') == std::string::npos;
  std::string out = (value < 0 && !zero) ? "-" : "";
  out += grouped(integer);
  if (decimals > 0) out += Regional().decimalSeparator + fraction;
  return out;
}

std::string TapeLine::Text() const {
  // Width in characters, not bytes: the marks × and ÷ take two bytes each.
  std::string line;
  if (static_cast<int>(number.size()) < DeskCalculator::kTapeNumberWidth)
    line.assign(DeskCalculator::kTapeNumberWidth - number.size(), ' ');
  line += number;
  if (!mark.empty()) line += " " + mark;
  return line;
}

// ---- keys -----------------------------------------------------------------------------

bool DeskCalculator::Press(DeskKey key) {
  const int k = static_cast<int>(key);
  if (key <= DeskKey::Digit9) return typeDigit(static_cast<char>('0' + k));
  switch (key) {
    case DeskKey::Point: return typePoint();
    case DeskKey::Add: return pressOperator(Op::Add);
    case DeskKey::Subtract: return pressOperator(Op::Subtract);
    case DeskKey::Multiply: return pressOperator(Op::Multiply);
    case DeskKey::Divide: return pressOperator(Op::Divide);
    case DeskKey::Equals: return pressEquals();
    case DeskKey::Percent: return pressPercent();
    case DeskKey::ChangeSign: return pressChangeSign();
    case DeskKey::ClearEntry: return pressClearEntry();
    case DeskKey::Clear:
      if (tapeOpen_) print(TapeKind::Cleared, DeskNumberText(0, kDecimalsShown), "C");
      clearCalculation();
      return true;
    case DeskKey::Backspace: return pressBackspace();
    case DeskKey::MemoryAdd: return pressMemory(+1);
    case DeskKey::MemorySubtract: return pressMemory(-1);
    case DeskKey::MemoryRecall: return pressMemoryRecall();
    case DeskKey::MemoryClear:
      if (!MemoryHeld()) return false;
      memory_ = 0;
      return true;
    case DeskKey::ClearTape:
      if (tape_.empty()) return false;
      tape_.clear();
      itemCount_ = 0;
      tapeOpen_ = false;
      return true;
    default: return false;
  }
}

void DeskCalculator::beginEntry() {
  if (error_ != DeskError::None) clearCalculation();
  if (totalled_) startNewCalculation();
  entry_.clear();
  entryNegative_ = false;
  entering_ = true;
  operandReady_ = false;
}

bool DeskCalculator::typeDigit(char digit) {
  if (!entering_) beginEntry();
  if (entry_ == "0") entry_.clear();  // a leading zero gives way to the digit typed
  int count = 0;
  for (char c : entry_) count += c != '.';
  if (entry_.rfind("0.", 0) == 0) --count;  // "0.5": the zero before the point is no digit
  if (count >= kMaxDigits) return false;
  entry_ += digit;
  return true;
}

bool DeskCalculator::typePoint() {
  if (!entering_) beginEntry();
  if (entry_.find('.') != std::string::npos) return false;
  entry_ += entry_.empty() ? "0." : ".";
  return true;
}

double DeskCalculator::operand() const {
  if (!entering_) return x_;
  double v = 0;
  const std::string text = entry_.empty() ? "0" : entry_;
  std::from_chars(text.data(), text.data() + text.size(), v);
  return entryNegative_ ? -v : v;
}

bool DeskCalculator::pressOperator(Op op) {
  if (error_ != DeskError::None) return false;
  if (haveOperand()) {
    const double b = operand();
    entering_ = false;
    operandReady_ = false;
    if (pending_ != Op::None) {
      printItem(b, pending_);
      double r = 0;
      if (!apply(acc_, pending_, b, r)) return true;
      acc_ = r;
    } else {
      printItem(b, Op::None);
      acc_ = b;
    }
  } else if (pending_ == Op::None) {
    acc_ = x_;  // a total (or the 0 of a fresh start) carries on
  }
  pending_ = op;
  x_ = acc_;
  totalled_ = false;
  return true;
}

bool DeskCalculator::pressEquals() {
  if (error_ != DeskError::None) return false;
  double r = 0;
  if (pending_ != Op::None) {
    const double b = haveOperand() ? operand() : acc_;  // "5 + =" adds 5 to itself
    printItem(b, pending_);
    lastOp_ = pending_;
    lastOperand_ = b;
    if (!apply(acc_, pending_, b, r)) return true;
  } else if (haveOperand()) {
    r = operand();
    printItem(r, Op::None);
    lastOp_ = Op::None;
  } else if (totalled_ && lastOp_ != Op::None) {
    printItem(lastOperand_, lastOp_);
    if (!apply(x_, lastOp_, lastOperand_, r)) return true;
  } else {
    return false;
  }
  total(r);
  return true;
}

bool DeskCalculator::pressPercent() {
  if (error_ != DeskError::None) return false;
  if (!haveOperand() && pending_ == Op::None && !totalled_) return false;  // nothing shown yet
  const double b = haveOperand() ? operand() : (pending_ != Op::None ? acc_ : x_);
  if (totalled_) startNewCalculation();
  print(TapeKind::Item, DeskNumberText(b, kDecimalsShown), "%");
  const bool ofTotal = pending_ == Op::Add || pending_ == Op::Subtract;
  double p = 0;
  if (!checked(ofTotal ? acc_ * b / 100 : b / 100, p)) return true;
  x_ = p;
  entering_ = false;
  operandReady_ = true;
  return true;
}

bool DeskCalculator::pressChangeSign() {
  if (error_ != DeskError::None) return false;
  if (entering_) {
    entryNegative_ = !entryNegative_;
    return true;
  }
  const double shown = x_;
  if (shown == 0) return false;
  if (totalled_) startNewCalculation();
  x_ = -shown;
  operandReady_ = true;
  return true;
}

bool DeskCalculator::pressClearEntry() {
  if (error_ != DeskError::None || totalled_) {
    clearCalculation();
    return true;
  }
  if (!haveOperand() && pending_ == Op::None) return false;  // nothing to clear
  entering_ = true;
  operandReady_ = false;
  entry_.assign(1, '0');
  entryNegative_ = false;
  return true;
}

bool DeskCalculator::pressBackspace() {
  if (!entering_ || error_ != DeskError::None) return false;
  if (entry_.empty() || entry_ == "0") {
    if (!entryNegative_) return false;
    entryNegative_ = false;
    return true;
  }
  entry_.pop_back();
  if (entry_.empty()) entry_.assign(1, '0');
  return true;
}

bool DeskCalculator::pressMemory(int sign) {
  if (error_ != DeskError::None) return false;
  const double v = operand();
  double m = 0;
  if (!checked(memory_ + sign * v, m)) return true;
  memory_ = m;
  if (entering_) {
    x_ = v;
    entering_ = false;
    operandReady_ = true;
  }
  return true;
}

bool DeskCalculator::pressMemoryRecall() {
  if (error_ != DeskError::None || !MemoryHeld()) return false;
  if (totalled_) startNewCalculation();
  x_ = memory_;
  entering_ = false;
  operandReady_ = true;
  return true;
}

// ---- arithmetic -------------------------------------------------------------------------

bool DeskCalculator::apply(double a, Op op, double b, double& result) {
  switch (op) {
    case Op::Add: return checked(a + b, result);
    case Op::Subtract: return checked(a - b, result);
    case Op::Multiply: return checked(a * b, result);
    case Op::Divide:
      if (b == 0) {
        fail(DeskError::DivisionByZero);
        return false;
      }
      return checked(a / b, result);
    case Op::None: break;
  }
  return checked(b, result);
}

bool DeskCalculator::checked(double value, double& result) {
  result = round15(value);
  if (!std::isfinite(result) || std::fabs(result) >= kLimit) {
    fail(DeskError::Overflow);
    return false;
  }
  if (result == 0) result = 0;  // no negative zero
  return true;
}

void DeskCalculator::fail(DeskError error) {
  clearCalculation();
  error_ = error;
  print(TapeKind::Error, error == DeskError::DivisionByZero ? "Division by zero" : "Number too large", "E");
}

void DeskCalculator::total(double result) {
  print(TapeKind::Separator, std::string(kTapeNumberWidth, kTapeSeparator), "");
  print(TapeKind::Total, DeskNumberText(result, kDecimalsShown), "=");
  acc_ = 0;
  pending_ = Op::None;
  x_ = result;
  entering_ = false;
  operandReady_ = false;
  totalled_ = true;
}

void DeskCalculator::startNewCalculation() {
  acc_ = 0;
  pending_ = Op::None;
  totalled_ = false;
  lastOp_ = Op::None;
}

void DeskCalculator::clearCalculation() {
  startNewCalculation();
  x_ = 0;
  entry_.clear();
  entryNegative_ = false;
  entering_ = false;
  operandReady_ = false;
  error_ = DeskError::None;
}

// ---- tape ---------------------------------------------------------------------------------

void DeskCalculator::print(TapeKind kind, std::string number, std::string mark) {
  tape_.push_back({kind, std::move(number), std::move(mark)});
  if (kind == TapeKind::Item) ++itemCount_;
  tapeOpen_ = kind == TapeKind::Item;
  while (tape_.size() > kMaxTapeLines) {
    if (tape_.front().kind == TapeKind::Item) --itemCount_;
    tape_.pop_front();
  }
}

void DeskCalculator::printItem(double value, Op op) {
  print(TapeKind::Item, DeskNumberText(value, kDecimalsShown), markOf(static_cast<int>(op)));
}

// ---- display -------------------------------------------------------------------------------

double DeskCalculator::Value() const { return error_ != DeskError::None ? 0 : operand(); }

std::string DeskCalculator::DisplayText() const {
  switch (error_) {
    case DeskError::DivisionByZero: return "Division by zero";
    case DeskError::Overflow: return "Number too large";
    case DeskError::None: break;
  }
  if (!entering_) return DeskNumberText(x_, kDecimalsShown);
  const std::string text = entry_.empty() ? "0" : entry_;
  const auto point = text.find('.');
  std::string out = entryNegative_ ? "-" : "";
  out += grouped(text.substr(0, point));
  if (point != std::string::npos) out += Regional().decimalSeparator + text.substr(point + 1);
  return out;
}

}  // namespace zeb
