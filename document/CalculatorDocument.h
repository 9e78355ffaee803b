#pragma once
// The calculator document: every calculator of the main window in one text file.
//
// A document is 223 value lines in a fixed order, then one line per row of the monthly
// schedule. The order and kind of every value line is the table DocumentLines(): lines
// 1 to 9 are the main window's settings values ("DefaultValueSet", "Loan", ...), the
// rest are the pages' fields by their control names ("edtLA", "rgCalculate", "cbMonth",
// ...). Kinds:
//   real     the general number form with 15 significant digits: 786.70 -> "786.7",
//            100000 -> "100000", 0.00001 -> "0.00001"; read back with blanks allowed
//            around the number
//   integer  decimal digits, "-" when negative; read back as a 32-bit integer
//   text     the control's text as it stands
// A schedule line is the row's eight cells joined by single blanks, for example
// "1 Jan 2000 $5,057.53 $729.17 $5,057.53 $729.17 $5,000.00 $94,942.47"; reading cuts it
// at blanks from the left into payment, month name, year, five amounts and the rest
// (trailing blanks removed) as the balance, and joins month name and year again.
//
// Bytes: Windows-1252 text (document/CodePage1252.h), every line ended by CR LF; reading
// also takes a lone CR or LF as a line end. No header, no version line.
//
// Worked example: a document of an empty schedule is exactly 223 lines; a schedule of
// 70 payments makes 293 lines, and reading it back gives the same 70 rows.
//
// Reading checks the whole file before anything is used: fewer than 223 lines, a value
// line that does not convert to its kind, a choice that is none of its group's items, a
// line longer than any document holds, or more
// schedule rows than the longest schedule the Amortization page can build throws
// EDocumentError, so the caller either has a whole document or nothing.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "document/CodePage1252.h"

namespace zeb {

enum class DocumentValueKind { Real, Integer, Text };

struct DocumentLine {
  std::string name;
  DocumentValueKind kind;
  int choices = 0;  // a choice group's number of items (its line holds 0 to choices - 1), else 0
};

inline constexpr int kDocumentValueLines = 223;
// The settings values of the main window are lines 1 to 9.
inline constexpr int kDocumentSettingsLines = 9;
// The longest schedule the Amortization page builds (its term field holds up to 32,767).
inline constexpr int kDocumentMaxScheduleRows = 32767;
// No line a calculator document holds comes near this length; a longer one is no
// calculator document.
inline constexpr std::size_t kDocumentMaxLineLength = 4096;

// The 223 value lines in file order.
const std::array<DocumentLine, kDocumentValueLines>& DocumentLines();
// The index (line number - 1) of `name`, or nullopt when no value line has that name.
std::optional<int> DocumentLineIndex(std::string_view name);

using DocumentValue = std::variant<double, std::int32_t, std::string>;
using ScheduleRow = std::array<std::string, 8>;

// Every value of a document in line order, plus the schedule rows (UTF-8 texts).
struct TCalculatorDocument {
  TCalculatorDocument();  // every real and integer 0, every text empty, no schedule

  std::array<DocumentValue, kDocumentValueLines> values;
  std::vector<ScheduleRow> schedule;

  // By name; a name that is no value line, or of another kind, throws std::out_of_range
  // (a programming fault, not a file fault).
  double Real(std::string_view name) const;
  std::int32_t Integer(std::string_view name) const;
  const std::string& Text(std::string_view name) const;
  void SetReal(std::string_view name, double value);
  void SetInteger(std::string_view name, std::int32_t value);
  void SetText(std::string_view name, std::string text);

  friend bool operator==(const TCalculatorDocument&, const TCalculatorDocument&) = default;
};

// The file's bytes. Throws EDocumentError for a real value that is not finite, a text the
// code page cannot hold, or a text or cell that holds a line end.
std::string WriteDocument(const TCalculatorDocument& document);

// The document in `bytes`; throws EDocumentError (see above) when they are not one.
TCalculatorDocument ReadDocument(std::string_view bytes);

// One schedule line cut into the eight cells (see above).
ScheduleRow CutScheduleLine(std::string_view line);

}  // namespace zeb
