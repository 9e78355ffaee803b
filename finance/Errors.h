#pragma once
// The two kinds of failure a calculation can end in.
//
//   EMathError    a floating-point invalid operation, division by zero or overflow,
//                 read from the <cfenv> flags (see FpuScope). The application-wide
//                 handler answers it with the three-line "Valid results cannot be
//                 calculated" message and repairs the Amortization and Tabulon pages.
//   EConvertError a text that is not a number where one is expected. The handler
//                 answers it with "An unidentified error has occurred.".
#include <stdexcept>
#include <string>

namespace zeb {

class EMathError : public std::runtime_error {
public:
  explicit EMathError(const std::string& what) : std::runtime_error(what) {}
};

class EConvertError : public std::runtime_error {
public:
  explicit EConvertError(const std::string& what) : std::runtime_error(what) {}
};

// A payment number outside the schedule, and similar programming-level range faults
// that the application-wide handler reports as an unidentified error.
class ERangeError : public std::runtime_error {
public:
  explicit ERangeError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace zeb
